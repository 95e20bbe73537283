#pragma once
#include "app/UtilityServices.h"
#include "typing/ExerciseResult.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Panel;
class TypingGauge;
namespace typing {
struct TypingGrades;
}

// The results of a typing exercise: the three gauges again, a sentence for
// each, the characters to practise and, after the final exam, the printed
// certificate. Shown modally by the tutor that owns it; everything it shows
// and prints comes from the result it is handed.
class TypingResultDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString PractiseTitle =
        QStringLiteral("Please pay particular attention to the following characters:");
    static inline const QString EnterNameText = QStringLiteral("Please enter your name!");
    static inline const QString PrintFailedText =
        QStringLiteral("The certificate could not be printed.");

    // services are the tutor's: the message boxes and the date on the certificate.
    explicit TypingResultDialog(const UtilityServices& services, QWidget* owner = nullptr);

    // The exercise that just ended: its gauges, its grades, its certificate.
    void showResult(const typing::ExerciseResult& result);

    TypingGauge* completedGauge() const { return completedGauge_; }
    TypingGauge* accuracyGauge() const { return accuracyGauge_; }
    TypingGauge* speedGauge() const { return speedGauge_; }
    QLabel* wpmLabel() const { return wpmLabel_; }

    // Shows the window modally and waits until it is closed. When a test has
    // installed modalHook, the window is shown without blocking, the hook
    // runs, and the window is closed again.
    int showModal();
    static inline std::function<void(TypingResultDialog&)> modalHook;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    void buildGauges();
    void buildPractiseList();
    void buildCertificatePanel();
    void showGrades(const typing::TypingGrades& grades);
    void printCertificate();

    UtilityServices services_;
    typing::ExerciseResult result_;
    Panel* backPanel_ = nullptr;
    TypingGauge* completedGauge_ = nullptr;
    TypingGauge* accuracyGauge_ = nullptr;
    TypingGauge* speedGauge_ = nullptr;
    QLabel* wpmLabel_ = nullptr;
    QLabel* completionSentence_ = nullptr;
    QLabel* accuracySentence_ = nullptr;
    QLabel* speedSentence_ = nullptr;
    QLabel* practiseTitle_ = nullptr;
    QListWidget* practiseList_ = nullptr;
    QWidget* certificatePanel_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
};
