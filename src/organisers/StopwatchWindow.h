#pragma once
#include "app/ToolWindow.h"
#include "common/RecentFiles.h"
#include "organisers/TimingList.h"

#include <QDateTime>
#include <array>
#include <memory>

class DigitDisplay;
class Panel;
class QAction;
class QLabel;
class QMouseEvent;
class QPrinter;
class QPushButton;
class QTableWidget;
class QTimer;

// The Stopwatch: a list of labelled timings, one running at a time, timed
// with the big start/stop picture, saved to and opened from .tim files and
// printed as a table.
class StopwatchWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit StopwatchWindow(const UtilityServices& services, QWidget* owner = nullptr);
    ~StopwatchWindow() override;

    const timing::TimingList& timings() const { return list_; }
    bool running() const { return running_; }
    bool saved() const { return saved_; }
    QString fileName() const { return fileName_; }
    const RecentFiles& recentFiles() const { return recent_; }
    // Print jobs sent by the last Print command (one per copy).
    int printJobs() const { return printJobs_; }

    // Handlers, named after the control and event that trigger them.
    void activated() override;
    void deactivated() override;
    void ButtonPicMouseDown(QMouseEvent* event);
    void ButtonPicMouseUp(QMouseEvent* event);
    void StartClick();
    void Timer1Timer();
    void DisplayDigits(const timing::Elapsed& elapsed);
    bool Gr1SelectCell(int column, int row) const;
    void Gr1SetEditText(int column, int row, const QString& text);
    void DelHighClick();
    void FirstLine1Click();
    void LastLine1Click();
    void FileMenuMouseMove(QObject* over);
    void ClearTimings1Click();
    void OpenTimings1Click();
    // True when the list reached the file.
    bool SaveTimings1Click();
    bool SaveTimingsAs1Click();
    void File1Click(int slot);
    void PrintSetup1Click();
    void PrintTimings1Click();
    void QuittoMenu1Click();

protected:
    bool queryClose() override;
    void closePanelClicked() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void ShowExistingFiles();
    void buildLayout();
    QPushButton* menuButton(const QString& name, const QString& caption, int index);
    void setFileCommandsEnabled(bool enabled);
    void hideFileMenu();
    // Asks to save a list that is not saved; false when the user said Yes
    // and the save did not happen, so nothing may be thrown away.
    bool offerToSave();
    void openFile(const QString& path, bool remember);
    bool printJob(QPrinter& printer);
    QPrinter* printer();
    // Closes unless a timing runs or an unsaved list could not be saved.

    void refreshGrid();
    void refreshCell(int column, int row);
    void selectRow(int row);
    void showButtonPicture(const QString& name);

    timing::TimingList list_;
    timing::StartStopButton button_;
    RecentFiles recent_;
    QDateTime startInstant_;
    QString fileName_;
    bool running_ = false;
    bool saved_ = true;
    bool setUp_ = false;
    bool closing_ = false;
    bool updatingGrid_ = false;
    // The reserved sound flag of the digit ticks: nothing turns it on.
    bool digitTicks_ = false;
    int printJobs_ = 0;
    std::unique_ptr<QPrinter> printer_;

    QLabel* Image3 = nullptr;
    Panel* FunctionPanel = nullptr;
    QPushButton* FileMenu = nullptr;
    Panel* SpeedMenu0 = nullptr;
    QPushButton* NewFile = nullptr;
    QPushButton* OpenFile = nullptr;
    QPushButton* SaveFile = nullptr;
    QPushButton* SaveFileAs = nullptr;
    QPushButton* PrintSetup = nullptr;
    QPushButton* PrintFile = nullptr;
    std::array<QPushButton*, RecentFiles::SlotCount> recentButtons_{}; // File1 .. File4
    QPushButton* CloseButton = nullptr;
    QTableWidget* Gr1 = nullptr;
    QAction* DelHigh = nullptr;
    QAction* FirstLine1 = nullptr;
    QAction* LastLine1 = nullptr;
    Panel* Panel2 = nullptr;
    DigitDisplay* digits_ = nullptr; // L1 .. L8 with the colons C1 .. C3
    QLabel* ButtonPic = nullptr;
    QTimer* Timer1 = nullptr;
};
