#include "calc/DateCalculatorWindow.h"

#include "app/Artwork.h"
#include "app/Panel.h"
#include "calc/DateGrid.h"
#include "common/AccessibleValue.h"
#include "common/Colours.h"
#include "common/HelpText.h"
#include "common/Palette.h"
#include "platform/Clock.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

const QString Caption = QStringLiteral("Date Calculator");
const QString FromTitle = QStringLiteral("Date From");
const QString ToTitle = QStringLiteral("Date To");
const QString TodayText = QStringLiteral("Set to current date");
const QString DaysTitle = QStringLiteral("Days");
const QString WeeksTitle = QStringLiteral("              Weeks            Days");
const QString InitialYearText = QStringLiteral("1997");
const char* const MonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "June",
                                    "July", "Aug", "Sep", "Oct", "Nov", "Dec"};

constexpr QSize ClientSize(618, 398);
constexpr int StripWidth = 21;
const QColor Silver(192, 192, 192);
const QColor Navy(0, 0, 128);

void colourPanel(Panel* panel, const QColor& back, const QColor& text)
{
    panel->setColour(back);
    setPaletteColour(panel, QPalette::WindowText, text);
}

QLabel* title(QWidget* parent, const QString& text, const QColor& colour, QPoint at)
{
    auto* label = new QLabel(text, parent);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    label->setFont(font);
    setPaletteColour(label, QPalette::WindowText, colour);
    label->move(at);
    label->adjustSize();
    return label;
}

// One of the two sunken parts of the result panel.
Panel* resultPart(QWidget* parent, const QString& name, const QRect& at)
{
    auto* part = new Panel(parent);
    part->setObjectName(name);
    part->setColour(colours::MenuGrey);
    part->setBevel(Panel::Bevel::Lowered, 1);
    part->setGeometry(at);
    return part;
}

QLabel* digitCell(QWidget* parent, const QString& name, int x)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(x, 48, datedigits::Width, datedigits::Height);
    // Its panel says the whole number; a digit alone would only interrupt.
    accessible::markDecoration(label);
    return label;
}

using Side = DateCalculatorWindow::Side;
using datedigits::Set;

constexpr Side BothSides[] = {Side::From, Side::To};
// A day past the 28th might not exist in the month or year a change brings.
constexpr int LastDayInEveryMonth = 28;

// Object names of a side's controls start with the side.
QString sideName(Side side, const char* control)
{
    return (side == Side::From ? QStringLiteral("dateFrom") : QStringLiteral("dateTo")) + QLatin1String(control);
}

QString daysName(qint64 n) { return n == 1 ? QStringLiteral("1 day") : QStringLiteral("%1 days").arg(n); }

QString dateCalculatorHelp()
{
    return buildHelpText(
        Caption,
        {
            {QStringLiteral("This utility allows you to calculate the number of weeks / days between any two "
                            "given dates.  Use it to find out how long it is")},
            {QStringLiteral("until payday, christmas or even the millenium!  "), true},
            {QStringLiteral("Simply click on the \"Date From\" tab and select Date, Month and Year.  Next click "
                            "on the \"Date To\" tab and select the 2nd ")},
            {QStringLiteral("date, month and year.  The number of days, and weeks/days will automatically be "
                            "displayed at the bottom of the screen.  "),
             true},
            {QStringLiteral("On either tab, use \"Set to current date\" to quickly return.  ")},
        });
}

} // namespace

DateCalculatorWindow::DateCalculatorWindow(const UtilityServices& services, QWidget* owner)
    : ToolWindow(services, owner, ClientSize)
{
    setObjectName(QStringLiteral("DateCalculatorWindow"));
    setWindowTitle(Caption);

    setWindowColour(this, Qt::black);

    auto* strip = new QLabel(this);
    strip->setObjectName(QStringLiteral("borderStrip"));
    strip->setGeometry(0, 0, StripWidth, ClientSize.height());
    strip->setScaledContents(true);
    strip->setPixmap(artwork::borderStrip(QSize(StripWidth, ClientSize.height()), Qt::Vertical));

    drawDigitPictures();

    dateTabs_ = new QTabWidget(this);
    dateTabs_->setObjectName(QStringLiteral("dateTabs"));
    dateTabs_->setGeometry(30, 24, 580, 244);
    for (Side side : BothSides)
        buildPage(side);
    dateTabs_->addTab(controls(Side::From).page, FromTitle);
    dateTabs_->addTab(controls(Side::To).page, ToTitle);

    buildResult();

    helpPanel()->raise();
    closePanel()->raise();

    // Both calendars start at today. Replacing the year boxes' initial text with
    // their year is a year change like any other: on the 29th to 31st it
    // moves both dates to the 1st.
    for (Side side : BothSides)
        showCalendarYearAndMonth(side);
    showSpan();
    setHelpText(dateCalculatorHelp());
}

QDate DateCalculatorWindow::today() const { return services().clock.now().date(); }

void DateCalculatorWindow::drawDigitPictures()
{
    for (Set set : {Set::Days, Set::Weeks, Set::RemainingDays})
        for (int digit = datedigits::Blank; digit <= 9; ++digit)
            digitPictures_[std::size_t(set)][std::size_t(digit + 1)] = datedigits::picture(set, digit);
}

// A date's page: the calendar on the left, year, months and today on the right.
void DateCalculatorWindow::buildPage(Side side)
{
    DateControls& d = controls(side);
    d.page = new QWidget;
    d.page->setObjectName(sideName(side, "Page"));
    d.page->setAutoFillBackground(true);
    setPaletteColour(d.page, QPalette::Window, colours::MenuGrey);

    d.calendar = new DateGrid(today(), d.page);
    d.calendar->setObjectName(sideName(side, "Calendar"));
    d.calendar->setGeometry(10, 8, 280, 196);
    d.calendar->setAccessibleLabel(side == Side::From ? FromTitle : ToTitle);
    connect(d.calendar, &DateGrid::changed, this, &DateCalculatorWindow::showSpan);
    connect(d.calendar, &DateGrid::clicked, this, &DateCalculatorWindow::showSpan);

    buildYearControls(side);
    buildMonthButtons(side);

    d.todayButton = new QPushButton(TodayText, d.page);
    d.todayButton->setObjectName(sideName(side, "TodayButton"));
    d.todayButton->setFlat(true);
    d.todayButton->setGeometry(318, 174, 244, 28);
    connect(d.todayButton, &QPushButton::clicked, this, [this, side] { setToToday(side); });

    connect(d.yearBox, &QLineEdit::textChanged, this, [this, side] { takeYearFromBox(side); });
}

// The year box and its two arrows.
void DateCalculatorWindow::buildYearControls(Side side)
{
    DateControls& d = controls(side);
    d.yearBox = new QLineEdit(InitialYearText, d.page);
    d.yearBox->setObjectName(sideName(side, "YearBox"));
    d.yearBox->setAccessibleName(QStringLiteral("Year"));
    QFont yearFont(QStringLiteral("Times New Roman"));
    yearFont.setPixelSize(19);
    yearFont.setBold(true);
    d.yearBox->setFont(yearFont);
    d.yearBox->setGeometry(318, 12, 100, 32);
    // Keys come as plain key presses, so the filter sees every character.
    d.yearBox->setAttribute(Qt::WA_InputMethodEnabled, false);
    d.yearBox->installEventFilter(this);

    auto arrow = [&](const char* name, Qt::ArrowType type, const QString& accessibleName, int y) {
        auto* button = new QToolButton(d.page);
        button->setObjectName(sideName(side, name));
        button->setArrowType(type);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(420, y, 24, 16);
        button->setAccessibleName(accessibleName);
        return button;
    };
    d.nextYear = arrow("NextYear", Qt::UpArrow, QStringLiteral("Next year"), 12);
    d.previousYear = arrow("PreviousYear", Qt::DownArrow, QStringLiteral("Previous year"), 28);
    connect(d.nextYear, &QToolButton::clicked, this, [this, side] { stepYear(side, 1); });
    connect(d.previousYear, &QToolButton::clicked, this, [this, side] { stepYear(side, -1); });
}

// Twelve month buttons, three to a row, in their sunken panel.
void DateCalculatorWindow::buildMonthButtons(Side side)
{
    DateControls& d = controls(side);
    d.monthPanel = new Panel(d.page);
    d.monthPanel->setObjectName(sideName(side, "MonthPanel"));
    d.monthPanel->setColour(colours::MenuGrey);
    d.monthPanel->setBevel(Panel::Bevel::Lowered, 1);
    d.monthPanel->setGeometry(318, 52, 244, 114);
    QFont monthFont(QStringLiteral("Arial"));
    monthFont.setPixelSize(13);
    monthFont.setBold(true);
    for (int month = 1; month <= 12; ++month) {
        auto* button = new Panel(d.monthPanel);
        button->setObjectName(sideName(side, MonthNames[month - 1]));
        button->setGeometry(6 + ((month - 1) % 3) * 78, 6 + ((month - 1) / 3) * 26, 76, 24);
        button->setBevel(Panel::Bevel::Raised, 1);
        button->setFont(monthFont);
        button->setCaption(QString::fromLatin1(MonthNames[month - 1]));
        button->setCursor(Qt::PointingHandCursor);
        colourPanel(button, Silver, Qt::black);
        connect(button, &Panel::clicked, this, [this, side, month] { chooseMonth(side, month); });
        d.monthButtons[std::size_t(month - 1)] = button;
    }
}

// Below the tabs, seen from both: the days, and the weeks and days.
void DateCalculatorWindow::buildResult()
{
    resultPanel_ = new Panel(this);
    resultPanel_->setObjectName(QStringLiteral("resultPanel"));
    resultPanel_->setColour(colours::MenuGrey);
    resultPanel_->setBevel(Panel::Bevel::Raised, 2);
    resultPanel_->setGeometry(30, 276, 580, 114);
    buildDaysPanel();
    buildWeeksPanel();
}

void DateCalculatorWindow::buildDaysPanel()
{
    daysPanel_ = resultPart(resultPanel_, QStringLiteral("daysPanel"), QRect(12, 10, 215, 94));
    // Each title is a navy label over a white one a pixel up and left; a
    // reader hears the navy one only.
    accessible::markDecoration(title(daysPanel_, DaysTitle, Qt::white, QPoint(20, 14)));
    title(daysPanel_, DaysTitle, Navy, QPoint(21, 15))->setObjectName(QStringLiteral("daysTitle"));
    for (int i = 0; i < datecalc::DayDigits; ++i)
        dayDigits_[std::size_t(i)] =
            digitCell(daysPanel_, QStringLiteral("dayDigit%1").arg(i + 1), 20 + i * datedigits::Width);
}

void DateCalculatorWindow::buildWeeksPanel()
{
    weeksPanel_ = resultPart(resultPanel_, QStringLiteral("weeksPanel"), QRect(239, 10, 329, 94));
    accessible::markDecoration(title(weeksPanel_, WeeksTitle, Qt::white, QPoint(20, 14)));
    QLabel* weeks = title(weeksPanel_, WeeksTitle, Navy, QPoint(21, 15));
    weeks->setObjectName(QStringLiteral("weeksTitle"));
    // The title's spaces place its two words; the digits go under them.
    const QFontMetrics metrics(weeks->font());
    const int weeksWord = WeeksTitle.indexOf(QStringLiteral("Weeks"));
    const int daysWord = WeeksTitle.indexOf(QStringLiteral("Days"));
    const int weeksCentre = 20 + metrics.horizontalAdvance(WeeksTitle.left(weeksWord))
                            + metrics.horizontalAdvance(QStringLiteral("Weeks")) / 2;
    const int daysCentre = 20 + metrics.horizontalAdvance(WeeksTitle.left(daysWord))
                           + metrics.horizontalAdvance(QStringLiteral("Days")) / 2;
    const int firstWeek = qMax(8, weeksCentre - 3 * datedigits::Width);
    for (int i = 0; i < datecalc::WeekDigits; ++i)
        weekDigits_[std::size_t(i)] =
            digitCell(weeksPanel_, QStringLiteral("weekDigit%1").arg(i + 1), firstWeek + i * datedigits::Width);
    const int remainder = qMax(firstWeek + 6 * datedigits::Width + 6, daysCentre - datedigits::Width / 2);
    remainingDaysDigit_ = digitCell(weeksPanel_, QStringLiteral("remainingDaysDigit"), remainder);
}

void DateCalculatorWindow::showDigit(QLabel* cell, Set set, int digit)
{
    // A digit the set has no picture for leaves the cell as it was.
    if (datedigits::hasPicture(set, digit))
        cell->setPixmap(digitPictures_[std::size_t(set)][std::size_t(digit + 1)]);
}

void DateCalculatorWindow::showDigits(const QString& text, Set set, QLabel* const* cells)
{
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        showDigit(cells[i], set, c == QLatin1Char(' ') ? datedigits::Blank : c.digitValue());
    }
}

void DateCalculatorWindow::showSpan()
{
    const datecalc::Span span = datecalc::spanBetween(controls(Side::From).calendar->serial(),
                                                      controls(Side::To).calendar->serial());
    showDigits(datecalc::daysText(span.days), Set::Days, dayDigits_.data());
    showDigits(datecalc::weeksText(span.weeks), Set::Weeks, weekDigits_.data());
    showDigit(remainingDaysDigit_, Set::RemainingDays, span.remainder);

    accessible::showValue(daysPanel_, DaysTitle, daysName(span.days));
    accessible::showValue(weeksPanel_, QStringLiteral("Weeks and days"),
                          (span.weeks == 1 ? QStringLiteral("1 week ") : QStringLiteral("%1 weeks ").arg(span.weeks))
                              + daysName(span.remainder));
}

void DateCalculatorWindow::takeYearFromBox(Side side)
{
    DateControls& d = controls(side);
    const QString text = d.yearBox->text();
    d.yearValue = text;
    // Pasted text that is no number counts as year 0 and leaves the date be.
    if (!text.trimmed().isEmpty() && !datecalc::isWholeNumber(text)) {
        d.yearValue = QStringLiteral("0");
        showSpan();
        return;
    }
    if (d.calendar->day() > LastDayInEveryMonth)
        d.calendar->setDay(1);
    if (d.yearValue.trimmed().isEmpty())
        d.yearValue = QStringLiteral("0");
    if (datecalc::yearValue(d.yearValue) > datecalc::MaxYear) {
        d.yearBox->setText(QString::number(datecalc::MaxYear)); // runs this rule again
        d.yearValue = d.yearBox->text();
    }
    d.calendar->setYear(datecalc::yearValue(d.yearValue));
    showSpan();
}

bool DateCalculatorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return ToolWindow::eventFilter(watched, event);
    QLineEdit* box = nullptr;
    for (Side side : BothSides)
        if (watched == controls(side).yearBox)
            box = controls(side).yearBox;
    if (!box)
        return ToolWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Backspace)
        return !datecalc::yearKeyAccepted(box->text(), datecalc::Backspace);
    // Shortcuts (copy, paste, undo) and keys that type nothing go their way.
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier))
        return false;
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    for (QChar c : text)
        if (!datecalc::yearKeyAccepted(box->text(), c))
            return true; // discarded
    return false;
}

void DateCalculatorWindow::stepYear(Side side, int years)
{
    QLineEdit* box = controls(side).yearBox;
    if (box->text().isEmpty())
        return;
    box->setText(QString::number(datecalc::yearValue(box->text()) + years));
}

void DateCalculatorWindow::chooseMonth(Side side, int month)
{
    DateControls& d = controls(side);
    d.highlightedMonth = month;
    if (d.calendar->day() > LastDayInEveryMonth)
        d.calendar->setDay(1);
    d.calendar->setMonth(month);
    highlightMonth(side);
    showSpan();
}

void DateCalculatorWindow::highlightMonth(Side side)
{
    const DateControls& d = controls(side);
    for (int month = 1; month <= 12; ++month) {
        Panel* button = d.monthButtons[std::size_t(month - 1)];
        if (button->colour() == Silver && month == d.highlightedMonth)
            colourPanel(button, Navy, Qt::white);
        else if (button->colour() == Navy && month != d.highlightedMonth)
            colourPanel(button, Silver, Qt::black);
        // The navy month is the chosen one; a reader hears it so.
        accessible::showValue(button, button->caption(),
                              month == d.highlightedMonth ? QStringLiteral("selected") : QString());
    }
}

void DateCalculatorWindow::showCalendarYearAndMonth(Side side)
{
    DateControls& d = controls(side);
    const QString year = QString::number(d.calendar->year());
    if (d.yearBox->text() != year)
        d.yearBox->setText(year); // a changed year runs the year change rule
    d.yearValue = year;
    d.highlightedMonth = d.calendar->month();
    highlightMonth(side);
}

void DateCalculatorWindow::setToToday(Side side)
{
    DateGrid* calendar = controls(side).calendar;
    calendar->setTodayMode(true, today());
    calendar->update();
    showCalendarYearAndMonth(side);
    showSpan();
}
