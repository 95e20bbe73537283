#pragma once
#include "app/ToolWindow.h"

#include <QHash>
#include <array>

class QLabel;
class QLineEdit;
class QTabWidget;
class QToolButton;
class QPushButton;
class DateGrid;
class Panel;

// Date Calculator: two dates on two tabs, and the days between them shown
// in days and in weeks plus days on seven-segment digits, recomputed after
// every change.
class DateCalculatorWindow : public ToolWindow {
    Q_OBJECT
public:

    explicit DateCalculatorWindow(const UtilityServices& services, QWidget* owner = nullptr);

    // Picks a digit picture: set 1 days, 2 weeks (into Holder), 3 remaining
    // days (straight into W7); blank 1 with digit 0 picks a set's blank.
    void LoadHolder(int digit, int set, int blank);
    void CalcDateClick();
    void Calendar1Change();
    void Calendar1Click();
    void Y1AChange();
    void Y1BChange();
    // Key filters of the year boxes; false discards the key.
    bool YearSpin1KeyPress(QChar key);
    bool YearSpin2KeyPress(QChar key);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    // Month n (1 = Jan .. 12 = Dec) of Date From / Date To.
    void M1AClick(int n);
    void M1BClick(int n);
    void DisplayMonthA();
    void DisplayMonthB();
    void SetDate1Click();
    void SetTodaysDate2Click();
    void QuittoMenu1Click();

    // The month panel Tag of Date From (0) or Date To (1).
    int monthTag(int which) const { return dates_[which].tag; }

protected:
    void closePanelClicked() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls of one date; index 0 is Date From, 1 Date To.
    struct DateControls {
        QWidget* page = nullptr;
        DateGrid* calendar = nullptr;
        QLineEdit* yearBox = nullptr;
        QLineEdit* yearValue = nullptr;
        QToolButton* up = nullptr;
        QToolButton* down = nullptr;
        Panel* monthPanel = nullptr;
        std::array<Panel*, 12> months{};
        QPushButton* today = nullptr;
        int tag = 0;
    };

    void FormCreate();
    void buildPage(int which);
    void buildResult();
    void buildDigitSets();
    void yearChanged(int which);
    bool yearKey(int which, QChar key);
    void stepYear(int which, int step);
    void monthClicked(int which, int n);
    void displayMonths(int which);
    void setToToday(int which);

    std::array<DateControls, 2> dates_;
    QTabWidget* DateFrom = nullptr;
    Panel* DatePanel = nullptr;
    Panel* DayPanel = nullptr;
    Panel* WeekPanel = nullptr;
    std::array<QLabel*, 7> dayCells_{};  // D1 .. D7
    std::array<QLabel*, 7> weekCells_{}; // W1 .. W6, then W7
    QHash<QString, QLabel*> digitImages_; // Y0 .. YB, F0 .. FB, R0 .. R6
    QLabel* Holder = nullptr;
};
