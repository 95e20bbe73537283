#pragma once
#include "app/ToolWindow.h"
#include "organisers/YearPlanner.h"

#include <array>
#include <memory>

class QPrinter;
class QStackedWidget;
class QTableWidget;
class QTableWidgetItem;
class QToolButton;
class QPushButton;
class QLabel;
class Panel;

// Anniversary Database: a perpetual year planner, one line of text for
// every day of the calendar, twelve month tables, saved as an .adb file that
// is opened again the next time.
class AnniversariesWindow : public ToolWindow {
    Q_OBJECT
public:

    static inline const QString Caption = QStringLiteral("Anniversary Database");
    static inline const QString DateHeader = QStringLiteral("Date");
    static inline const QString DetailsHeader = QStringLiteral("Details");
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
    static inline const std::array<QString, 7> ToolHints{
        QStringLiteral("Create New File"), QStringLiteral("Open Existing File"),
        QStringLiteral("Save File"),       QStringLiteral("Save File As ..."),
        QStringLiteral("Print Setup"),     QStringLiteral("Print Month"),
        QStringLiteral("Print Year")};

    explicit AnniversariesWindow(const UtilityServices& services, QWidget* owner = nullptr);
    ~AnniversariesWindow() override;

    const planner::YearPlanner& planner() const { return planner_; }
    bool isSaved() const { return saved_; }
    int selectedMonth() const { return selectedMonth_; }
    // The file Save writes to; empty when there is none.
    QString currentFileName() const { return saveDialogFile_; }
    QTableWidget* grid(int month) const { return grids_[month - 1]; }

    // Handlers, named after the control and event that trigger them.
    // Month01Click .. Month12Click: the month button of month 1..12.
    void Month01Click(int month);
    void GR1KeyPress();
    void ClearData1Click();
    void OpenData1Click();
    void SaveData1Click();
    void SaveDataAs1Click();
    void PrintSetup1Click();
    void PrintSelectedMonth1Click();
    void PrintData1Click();
    void QuittoMenu1Click();

protected:
    bool queryClose() override;
    void closePanelClicked() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void buildLayout();
    void DrawMonth(int month);
    void DrawGridHint(const QString& path);
    void ClearData();
    bool LoadData(const QString& path);
    // Save and Save As; true only when the file was written.
    bool save();
    bool saveAs();
    // Asks about unsaved work; false when the user wanted it saved and it
    // was not, so the caller must not throw it away.
    bool offerToSave();
    void PrintMonth(int firstMonth, int lastMonth);
    QPrinter* printer();
    void showPlanner();
    void endEdits();
    void entryEdited(int month, QTableWidgetItem* item);

    planner::YearPlanner planner_;
    bool saved_ = true;
    bool loading_ = false;
    int selectedMonth_ = 1;
    QString openDialogFile_;
    QString saveDialogFile_;
    std::unique_ptr<QPrinter> printer_;

    QLabel* Image10 = nullptr;
    Panel* MonthPanel = nullptr;
    std::array<Panel*, planner::MonthCount> highlights_{};  // Highlight01 .. Highlight12
    std::array<QPushButton*, planner::MonthCount> months_{}; // Month01 .. Month12
    QStackedWidget* Page = nullptr;
    std::array<QTableWidget*, planner::MonthCount> grids_{}; // GR1, Gr2 .. Gr12
    Panel* ControlPanel = nullptr;
    std::array<QToolButton*, 7> speedButtons_{};             // SpeedButton1 .. SpeedButton7
};
