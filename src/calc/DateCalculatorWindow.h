#pragma once
#include "app/ToolWindow.h"
#include "calc/DateDigits.h"
#include "calc/DateSpan.h"

#include <QPixmap>
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
    // The two dates, each edited on its own tab.
    enum class Side { From, To };

    explicit DateCalculatorWindow(const UtilityServices& services, QWidget* owner = nullptr);

    // The month a side's month buttons show as chosen, 1 = Jan .. 12 = Dec.
    int highlightedMonth(Side side) const { return controls(side).highlightedMonth; }
    // The year box's text as last handed to the calendar: "0" for an empty
    // box and for text that is no number.
    QString yearValue(Side side) const { return controls(side).yearValue; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls of one date.
    struct DateControls {
        QWidget* page = nullptr;
        DateGrid* calendar = nullptr;
        QLineEdit* yearBox = nullptr;
        QString yearValue;
        QToolButton* nextYear = nullptr;
        QToolButton* previousYear = nullptr;
        Panel* monthPanel = nullptr;
        std::array<Panel*, 12> monthButtons{};
        QPushButton* todayButton = nullptr;
        int highlightedMonth = 0;
    };

    void buildPage(Side side);
    void buildYearControls(Side side);
    void buildMonthButtons(Side side);
    void buildResult();
    void buildDaysPanel();
    void buildWeeksPanel();
    void drawDigitPictures();
    QDate today() const;
    DateControls& controls(Side side) { return dates_[std::size_t(side)]; }
    const DateControls& controls(Side side) const { return dates_[std::size_t(side)]; }

    void showSpan();
    void showDigits(const QString& text, datedigits::Set set, QLabel* const* cells);
    void showDigit(QLabel* cell, datedigits::Set set, int digit);
    void takeYearFromBox(Side side);
    void stepYear(Side side, int years);
    void chooseMonth(Side side, int month);
    void highlightMonth(Side side);
    void showCalendarYearAndMonth(Side side);
    void setToToday(Side side);

    std::array<DateControls, 2> dates_;
    QTabWidget* dateTabs_ = nullptr;
    Panel* resultPanel_ = nullptr;
    Panel* daysPanel_ = nullptr;
    Panel* weeksPanel_ = nullptr;
    std::array<QLabel*, datecalc::DayDigits> dayDigits_{};
    std::array<QLabel*, datecalc::WeekDigits> weekDigits_{};
    QLabel* remainingDaysDigit_ = nullptr;
    // Drawn once: per set, Blank then the digits 0..9.
    std::array<std::array<QPixmap, 11>, 3> digitPictures_;
};
