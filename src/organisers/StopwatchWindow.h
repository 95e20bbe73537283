#pragma once
#include "app/ToolWindow.h"
#include "common/DocumentFile.h"
#include "common/RecentFiles.h"
#include "common/TextPrinter.h"
#include "organisers/StartStopButton.h"
#include "organisers/Stopwatch.h"
#include "organisers/TimingTableModel.h"

#include <array>

class DigitDisplay;
class Panel;
class QAction;
class QLabel;
class QPushButton;
class QTimer;
class StartStopPicture;
class TimingGrid;

// The Stopwatch: a list of labelled timings, one running at a time, timed
// with the big start/stop picture, saved to and opened from .tim files and
// printed as a table.
class StopwatchWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit StopwatchWindow(const UtilityServices& services, QWidget* owner = nullptr);
    ~StopwatchWindow() override;

    const timing::TimingList& timings() const { return timings_->list(); }
    const timing::Stopwatch& stopwatch() const { return stopwatch_; }
    bool running() const { return stopwatch_.isRunning(); }
    bool saved() const { return document_.isSaved(); }
    QString fileName() const { return document_.fileName(); }
    const RecentFiles& recentFiles() const { return recent_; }

    void activated() override;
    void deactivated() override;
    bool queryClose() override;

    // The start/stop picture pressed and let go.
    void pressStartStop();
    void releaseStartStop();
    // The list's right-click menu.
    void deleteSelectedTiming();
    void selectFirstRow();
    void selectLastRow();
    // The File menu's commands.
    void clearTimings();
    void openTimings();
    // True when the list reached the file.
    bool saveTimings();
    bool saveTimingsAs();
    void openRecentFile(int slot);
    void printSetup();
    void printTimings();
    void closeToMenu();

protected:
    void closePanelClicked() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The rows of the File menu, top to bottom.
    enum FileMenuRow {
        NewRow,
        OpenRow,
        SaveRow,
        SaveAsRow,
        PrintSetupRow,
        PrintRow,
        FirstRecentFileRow,
        CloseRow = FirstRecentFileRow + RecentFiles::SlotCount,
        FileMenuRowCount
    };

    void buildLayout();
    void buildTopBar();
    void buildTimingGrid();
    void buildGridMenu();
    void buildDigitDisplay();
    void buildStartStopPicture();
    void trackPointerForFileMenu();
    void buildFileMenu();
    QPushButton* fileMenuButton(const QString& name, const QString& caption, FileMenuRow row);
    void showRecentFiles();
    void startOrStopTiming();
    void startTiming();
    void stopTiming();
    void showRunningTime();
    void showElapsedDigits(const timing::Elapsed& elapsed);
    // The File menu stays up while the pointer is over its button or itself.
    void pointerMovedOver(QObject* over);
    void hideFileMenu();
    void setFileCommandsEnabled(bool enabled);
    // Asks to save a list that is not saved; false when the user said Yes
    // and the save did not happen, so nothing may be thrown away.
    bool offerToSave();
    // Save and Save As go ahead: no timing runs and the list has timings.
    bool mayBeSaved();
    void showFileCaption();
    void openFile(const QString& path, bool remember);

    void selectRow(int row);
    void showButtonPicture(const QString& name);

    timing::Stopwatch stopwatch_;
    timing::StartStopButton button_;
    RecentFiles recent_;
    DocumentFile document_;
    bool setUp_ = false;
    bool closing_ = false;
    // The reserved sound flag of the digit ticks: nothing turns it on.
    bool digitTicks_ = false;
    TextPrinter printer_;

    QLabel* topBorder_ = nullptr;
    Panel* functionBar_ = nullptr;
    QPushButton* fileMenuButton_ = nullptr;
    Panel* fileMenu_ = nullptr;
    QPushButton* newButton_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* saveAsButton_ = nullptr;
    QPushButton* printSetupButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    std::array<QPushButton*, RecentFiles::SlotCount> recentFileButtons_{};
    QPushButton* closeButton_ = nullptr;
    TimingTableModel* timings_ = nullptr;
    TimingGrid* timingGrid_ = nullptr;
    QAction* deleteLineAction_ = nullptr;
    QAction* firstLineAction_ = nullptr;
    QAction* lastLineAction_ = nullptr;
    Panel* digitPanel_ = nullptr;
    DigitDisplay* digits_ = nullptr;
    StartStopPicture* startStopPicture_ = nullptr;
    // Runs only while a timing runs: the live elapsed time.
    QTimer* displayTimer_ = nullptr;
};
