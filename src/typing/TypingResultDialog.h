#pragma once
#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Panel;
class TypingGauge;
class TypingTutorWindow;

// The results of a typing exercise: the three gauges again, a sentence for
// each, the characters to practise and, after the final exam, the printed
// certificate. Shown modally by the tutor that owns it.
class TypingResultDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString PractiseTitle =
        QStringLiteral("Please pay particular attention to the following characters:");
    static inline const QString EnterNameText = QStringLiteral("Please enter your name!");
    static inline const QString PrintFailedText =
        QStringLiteral("The certificate could not be printed.");

    explicit TypingResultDialog(TypingTutorWindow* tutor);

    TypingGauge* gaugePercentDone() const { return gaugePercentDone_; }
    TypingGauge* gaugeAccuracy() const { return gaugeAccuracy_; }
    TypingGauge* gaugeSpeed() const { return gaugeSpeed_; }
    QLabel* labWPM() const { return labWPM_; }

    // Shows the window modally and waits until it is closed. When a test has
    // installed modalHook, the window is shown without blocking, the hook
    // runs, and the window is closed again.
    int showModal();
    static inline std::function<void(TypingResultDialog&)> modalHook;

    void SpeedButton1Click();
    void PrintCertClick();

protected:
    void FormShow();
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();

    TypingTutorWindow* tutor_;
    Panel* back_ = nullptr;
    TypingGauge* gaugePercentDone_ = nullptr;
    TypingGauge* gaugeAccuracy_ = nullptr;
    TypingGauge* gaugeSpeed_ = nullptr;
    QLabel* labWPM_ = nullptr;
    QLabel* labComplete = nullptr;
    QLabel* labAccuracy = nullptr;
    QLabel* labSpeed = nullptr;
    QLabel* panTitle = nullptr;
    QListWidget* lstIncorrect = nullptr;
    QWidget* panCertificate = nullptr;
    QLineEdit* Name = nullptr;
    QPushButton* SpeedButton2 = nullptr;
    QPushButton* SpeedButton1 = nullptr;
};
