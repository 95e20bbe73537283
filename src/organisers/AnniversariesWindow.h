#pragma once
#include "app/ToolWindow.h"
#include "common/DocumentFile.h"
#include "common/TextPrinter.h"
#include "organisers/YearPlanner.h"

#include <array>

class DayGrid;
class Panel;
class QLabel;
class QPushButton;
class QStackedWidget;
class PlannerMonthModel;
class QTableView;
class QToolButton;

// Anniversary Database: a perpetual year planner, one line of text for
// every day of the calendar, twelve month tables, saved as an .adb file that
// is opened again the next time.
class AnniversariesWindow : public ToolWindow {
    Q_OBJECT
public:
    // The tool buttons down the right-hand side, top to bottom.
    enum Command { NewCommand, OpenCommand, SaveCommand, SaveAsCommand, PrintSetupCommand,
                   PrintMonthCommand, PrintYearCommand, CommandCount };

    static inline const QString Caption = QStringLiteral("Anniversary Database");
    static inline const QString SaveQuestion = QStringLiteral("Do you wish to save your data?");
    static inline const QString CouldNotSaveText =
        QStringLiteral("Could not Save.  ") + QLatin1Char('\r')
        + QStringLiteral("Possible Causes :- Disk Full, Unformatted, CD-ROM, ")
        + QStringLiteral("Write Protected or Corrupted");
    static inline const QString NotValidText =
        QStringLiteral("File Corrupted or not a valid .ANB format file");
    static inline const QString FileFilter = QStringLiteral("Anniversary DataBase (*.adb)");
    static inline const QString ReplaceQuestion =
        QStringLiteral("%1 already exists.\nDo you want to replace it?");
    static inline const QString PrintFailedText =
        QStringLiteral("The anniversary list could not be printed.");
    static inline const std::array<QString, CommandCount> CommandHints{
        QStringLiteral("Create New File"), QStringLiteral("Open Existing File"),
        QStringLiteral("Save File"),       QStringLiteral("Save File As ..."),
        QStringLiteral("Print Setup"),     QStringLiteral("Print Month"),
        QStringLiteral("Print Year")};

    explicit AnniversariesWindow(const UtilityServices& services, QWidget* owner = nullptr);
    ~AnniversariesWindow() override;

    const planner::YearPlanner& planner() const { return planner_; }
    bool isSaved() const { return document_.isSaved(); }
    int selectedMonth() const { return selectedMonth_; }
    // The file Save writes to; empty when there is none.
    QString currentFileName() const { return document_.fileName(); }
    QTableView* grid(int month) const;
    QToolButton* commandButton(Command command) const { return commandButtons_[command]; }

    // Month 1..12 becomes the one shown.
    void showMonth(int month);
    // The tool buttons' commands.
    void newYear();
    void openFile();
    void save();
    void saveAs();
    void printSetup();
    void printSelectedMonth();
    void printYear();
    void closeToMenu();

    // May the window go? Asks to save unsaved work; a save that was wanted
    // and failed keeps the window, and the work, open.
    bool queryClose() override;

protected:
    void closePanelClicked() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void buildMonthButtons();
    void buildMonthGrids();
    void buildCommandButtons();
    void openLastFile();
    void colourMonthPanels(int selected);
    void showFileNameAsHint(const QString& path);
    void clearEntries();
    bool loadFile(const QString& path);
    // A save went through: the file becomes the grids' hint and the one
    // opened next time.
    void fileSaved(const QString& path);
    void printMonths(int firstMonth, int lastMonth);
    void showPlanner();
    void endEdits();

    planner::YearPlanner planner_;
    int selectedMonth_ = 1;
    // Where the open dialog starts; emptied when that file could not be read.
    QString lastOpenedFile_;
    DocumentFile document_;
    TextPrinter printer_;

    QLabel* topBorder_ = nullptr;
    Panel* monthPanel_ = nullptr;
    std::array<Panel*, planner::MonthCount> monthHighlights_{};
    std::array<QPushButton*, planner::MonthCount> monthButtons_{};
    QStackedWidget* monthPages_ = nullptr;
    std::array<PlannerMonthModel*, planner::MonthCount> monthModels_{};
    std::array<DayGrid*, planner::MonthCount> monthGrids_{};
    Panel* commandPanel_ = nullptr;
    std::array<QToolButton*, CommandCount> commandButtons_{};
};
