#include "calc/DateCalculatorWindow.h"

#include "app/Artwork.h"
#include "app/Panel.h"
#include "calc/DateDigits.h"
#include "calc/DateGrid.h"
#include "calc/DateSpan.h"
#include "common/Colours.h"
#include "common/HelpText.h"
#include "common/Palette.h"

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
const QString FormYearText = QStringLiteral("1997");
const char* const MonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "June",
                                    "July", "Aug", "Sep", "Oct", "Nov", "Dec"};

constexpr QSize ClientSize(618, 398);
constexpr int StripWidth = 21;
const QColor Silver(192, 192, 192);
const QColor Navy(0, 0, 128);
const QColor Olive(128, 128, 0);
const QColor Yellow(255, 255, 0);
const QColor Purple(128, 0, 128);
const QColor Magenta(255, 0, 255);
const QColor DarkRed(128, 0, 0);
const QColor Red(255, 0, 0);

void colourPanel(Panel* panel, const QColor& back, const QColor& text)
{
    panel->setColour(back);
    setPaletteColour(panel, QPalette::WindowText, text);
}

QLabel* title(QWidget* parent, const QString& name, const QString& text, const QColor& colour, QPoint at)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    label->setFont(font);
    setPaletteColour(label, QPalette::WindowText, colour);
    label->move(at);
    label->adjustSize();
    return label;
}

QString daysName(qint64 n) { return n == 1 ? QStringLiteral("1 day") : QStringLiteral("%1 days").arg(n); }

} // namespace

DateCalculatorWindow::DateCalculatorWindow(const UtilityServices& services, QWidget* owner)
    : ToolWindow(services, owner, ClientSize)
{
    setObjectName(QStringLiteral("DateCalc"));
    setWindowTitle(Caption);
    closePanel()->setObjectName(QStringLiteral("Panel1"));

    setPaletteColour(this, QPalette::Window, Qt::black);

    auto* strip = new QLabel(this);
    strip->setObjectName(QStringLiteral("LeftBorderImage"));
    strip->setGeometry(0, 0, StripWidth, ClientSize.height());
    strip->setScaledContents(true);
    strip->setPixmap(artwork::borderStrip(QSize(StripWidth, ClientSize.height()), Qt::Vertical));

    buildDigitSets();

    DateFrom = new QTabWidget(this);
    DateFrom->setObjectName(QStringLiteral("DateFrom"));
    DateFrom->setGeometry(30, 24, 580, 244);
    buildPage(0);
    buildPage(1);
    DateFrom->addTab(dates_[0].page, FromTitle);
    DateFrom->addTab(dates_[1].page, ToTitle);

    buildResult();

    helpPanel()->raise();
    closePanel()->raise();
    FormCreate();
}

void DateCalculatorWindow::buildDigitSets()
{
    // The pictures live in hidden images of the window; LoadHolder copies them.
    auto add = [this](const QString& name, const QPixmap& pixmap) {
        auto* image = new QLabel(this);
        image->setObjectName(name);
        image->setPixmap(pixmap);
        image->hide();
        digitImages_.insert(name, image);
    };
    for (int d = 0; d <= 9; ++d) {
        add(QStringLiteral("Y%1").arg(d), datedigits::sevenSegment(d, Yellow, Olive));
        add(QStringLiteral("F%1").arg(d), datedigits::sevenSegment(d, Magenta, Purple));
    }
    add(QStringLiteral("YB"), datedigits::sevenSegment(-1, Yellow, Olive));
    add(QStringLiteral("FB"), datedigits::sevenSegment(-1, Magenta, Purple));
    for (int d = 0; d <= 6; ++d)
        add(QStringLiteral("R%1").arg(d), datedigits::sevenSegment(d, Red, DarkRed));
    Holder = new QLabel(this);
    Holder->setObjectName(QStringLiteral("Holder"));
    Holder->hide();
}

void DateCalculatorWindow::buildPage(int which)
{
    DateControls& d = dates_[which];
    const bool from = which == 0;
    d.page = new QWidget;
    d.page->setObjectName(from ? QStringLiteral("DF") : QStringLiteral("DateTo"));
    d.page->setAutoFillBackground(true);
    setPaletteColour(d.page, QPalette::Window, colours::MenuGrey);

    d.calendar = new DateGrid(d.page);
    d.calendar->setObjectName(from ? QStringLiteral("Calendar1") : QStringLiteral("Calendar2"));
    d.calendar->setGeometry(10, 8, 280, 196);
    connect(d.calendar, &DateGrid::changed, this, &DateCalculatorWindow::Calendar1Change);
    connect(d.calendar, &DateGrid::clicked, this, &DateCalculatorWindow::Calendar1Click);

    const QString suffix = from ? QStringLiteral("A") : QStringLiteral("B");
    d.yearBox = new QLineEdit(FormYearText, d.page);
    d.yearBox->setObjectName(from ? QStringLiteral("YearSpin1") : QStringLiteral("YearSpin2"));
    d.yearBox->setAccessibleName(QStringLiteral("Year"));
    QFont yearFont(QStringLiteral("Times New Roman"));
    yearFont.setPixelSize(19);
    yearFont.setBold(true);
    d.yearBox->setFont(yearFont);
    d.yearBox->setGeometry(318, 12, 100, 32);
    // Keys come as plain key presses, so the filter sees every character.
    d.yearBox->setAttribute(Qt::WA_InputMethodEnabled, false);
    d.yearBox->installEventFilter(this);

    d.yearValue = new QLineEdit(d.page);
    d.yearValue->setObjectName(QStringLiteral("YearVal") + suffix);
    d.yearValue->hide();

    auto arrow = [&](const QString& name, Qt::ArrowType type, int y) {
        auto* button = new QToolButton(d.page);
        button->setObjectName(name);
        button->setArrowType(type);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(420, y, 24, 16);
        button->setAccessibleName(type == Qt::UpArrow ? QStringLiteral("Next year")
                                                      : QStringLiteral("Previous year"));
        return button;
    };
    d.up = arrow(from ? QStringLiteral("SpeedButton1") : QStringLiteral("SpeedButton3"), Qt::UpArrow, 12);
    d.down = arrow(from ? QStringLiteral("SpeedButton2") : QStringLiteral("SpeedButton4"), Qt::DownArrow, 28);
    connect(d.up, &QToolButton::clicked, this, [this, which] { stepYear(which, 1); });
    connect(d.down, &QToolButton::clicked, this, [this, which] { stepYear(which, -1); });

    d.monthPanel = new Panel(d.page);
    d.monthPanel->setObjectName(QStringLiteral("Month%1Panel").arg(suffix));
    d.monthPanel->setColour(colours::MenuGrey);
    d.monthPanel->setBevel(Panel::Bevel::Lowered, 1);
    d.monthPanel->setGeometry(318, 52, 244, 114);
    QFont monthFont(QStringLiteral("Arial"));
    monthFont.setPixelSize(13);
    monthFont.setBold(true);
    for (int n = 1; n <= 12; ++n) {
        auto* button = new Panel(d.monthPanel);
        button->setObjectName(QStringLiteral("M%1%2").arg(n).arg(suffix));
        button->setGeometry(6 + ((n - 1) % 3) * 78, 6 + ((n - 1) / 3) * 26, 76, 24);
        button->setBevel(Panel::Bevel::Raised, 1);
        button->setFont(monthFont);
        button->setCaption(QString::fromLatin1(MonthNames[n - 1]));
        button->setCursor(Qt::PointingHandCursor);
        colourPanel(button, Silver, Qt::black);
        connect(button, &Panel::clicked, this, [this, which, n] { monthClicked(which, n); });
        d.months[n - 1] = button;
    }

    d.today = new QPushButton(TodayText, d.page);
    d.today->setObjectName(from ? QStringLiteral("SetDate1") : QStringLiteral("SetTodaysDate2"));
    d.today->setFlat(true);
    d.today->setGeometry(318, 174, 244, 28);
    connect(d.today, &QPushButton::clicked, this, [this, which] { setToToday(which); });

    connect(d.yearBox, &QLineEdit::textChanged, this, [this, which] { yearChanged(which); });
}

void DateCalculatorWindow::buildResult()
{
    DatePanel = new Panel(this);
    DatePanel->setObjectName(QStringLiteral("DatePanel"));
    DatePanel->setColour(colours::MenuGrey);
    DatePanel->setBevel(Panel::Bevel::Raised, 2);
    DatePanel->setGeometry(30, 276, 580, 114);

    auto panel = [this](const QString& name, const QRect& at) {
        auto* p = new Panel(DatePanel);
        p->setObjectName(name);
        p->setColour(colours::MenuGrey);
        p->setBevel(Panel::Bevel::Lowered, 1);
        p->setGeometry(at);
        return p;
    };
    auto cell = [](QWidget* parent, const QString& name, int x) {
        auto* label = new QLabel(parent);
        label->setObjectName(name);
        label->setGeometry(x, 48, datedigits::Width, datedigits::Height);
        return label;
    };

    DayPanel = panel(QStringLiteral("DayPanel"), QRect(12, 10, 215, 94));
    title(DayPanel, QStringLiteral("Label6"), DaysTitle, Qt::white, QPoint(20, 14));
    QLabel* days = title(DayPanel, QStringLiteral("Label2"), DaysTitle, Navy, QPoint(21, 15));
    Q_UNUSED(days);
    for (int i = 0; i < 7; ++i)
        dayCells_[i] = cell(DayPanel, QStringLiteral("D%1").arg(i + 1), 20 + i * datedigits::Width);

    WeekPanel = panel(QStringLiteral("WeekPanel"), QRect(239, 10, 329, 94));
    title(WeekPanel, QStringLiteral("Label1"), WeeksTitle, Qt::white, QPoint(20, 14));
    QLabel* weeks = title(WeekPanel, QStringLiteral("Label3"), WeeksTitle, Navy, QPoint(21, 15));
    // The title's spaces place its two words; the digits go under them.
    const QFontMetrics metrics(weeks->font());
    const int weeksWord = WeeksTitle.indexOf(QStringLiteral("Weeks"));
    const int daysWord = WeeksTitle.indexOf(QStringLiteral("Days"));
    const int weeksCentre = 20 + metrics.horizontalAdvance(WeeksTitle.left(weeksWord))
                            + metrics.horizontalAdvance(QStringLiteral("Weeks")) / 2;
    const int daysCentre = 20 + metrics.horizontalAdvance(WeeksTitle.left(daysWord))
                           + metrics.horizontalAdvance(QStringLiteral("Days")) / 2;
    const int firstWeek = qMax(8, weeksCentre - 3 * datedigits::Width);
    for (int i = 0; i < 6; ++i)
        weekCells_[i] = cell(WeekPanel, QStringLiteral("W%1").arg(i + 1), firstWeek + i * datedigits::Width);
    const int remainder = qMax(firstWeek + 6 * datedigits::Width + 6, daysCentre - datedigits::Width / 2);
    weekCells_[6] = cell(WeekPanel, QStringLiteral("W7"), remainder);
}

void DateCalculatorWindow::FormCreate()
{
    // Both calendars start at today: the display shows a single 0.
    CalcDateClick();
    for (int which = 0; which < 2; ++which) {
        DateControls& d = dates_[which];
        // Replacing the form's year text is a year change like any other.
        const QString year = QString::number(d.calendar->year());
        d.yearBox->setText(year);
        d.yearValue->setText(d.yearBox->text());
        d.tag = d.calendar->month();
        displayMonths(which);
    }
    setHelpText(buildHelpText(
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
        }));
    DateFrom->setCurrentIndex(0);
}

void DateCalculatorWindow::LoadHolder(int digit, int set, int blank)
{
    const QString name = datecalc::holderImageName(digit, set, blank);
    QLabel* image = digitImages_.value(name);
    if (!image)
        return;
    (set == 3 ? weekCells_[6] : Holder)->setPixmap(image->pixmap());
}

void DateCalculatorWindow::CalcDateClick()
{
    const datecalc::Span span = datecalc::spanBetween(dates_[0].calendar->serial(), dates_[1].calendar->serial());
    auto show = [this](const QString& text, int set, QLabel* const* cells) {
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c == QLatin1Char(' '))
                LoadHolder(0, set, 1);
            else
                LoadHolder(c.digitValue(), set, 0);
            cells[i]->setPixmap(Holder->pixmap());
        }
    };
    show(datecalc::daysText(span.days), 1, dayCells_.data());
    show(datecalc::weeksText(span.weeks), 2, weekCells_.data());
    LoadHolder(span.remainder, 3, 0);

    DayPanel->setAccessibleName(daysName(span.days));
    WeekPanel->setAccessibleName(
        (span.weeks == 1 ? QStringLiteral("1 week ") : QStringLiteral("%1 weeks ").arg(span.weeks))
        + daysName(span.remainder));
}

void DateCalculatorWindow::Calendar1Change() { CalcDateClick(); }

void DateCalculatorWindow::Calendar1Click() { CalcDateClick(); }

void DateCalculatorWindow::Y1AChange() { yearChanged(0); }

void DateCalculatorWindow::Y1BChange() { yearChanged(1); }

void DateCalculatorWindow::yearChanged(int which)
{
    DateControls& d = dates_[which];
    const QString text = d.yearBox->text();
    d.yearValue->setText(text);
    // Pasted text that is no number counts as year 0 and leaves the date be.
    if (!text.trimmed().isEmpty() && !datecalc::isWholeNumber(text)) {
        d.yearValue->setText(QStringLiteral("0"));
        CalcDateClick();
        return;
    }
    // No 29 February or 31 April can come of the new year.
    if (d.calendar->day() > 28)
        d.calendar->setDay(1);
    if (d.yearValue->text().trimmed().isEmpty())
        d.yearValue->setText(QStringLiteral("0"));
    if (datecalc::yearValue(d.yearValue->text()) > datecalc::MaxYear) {
        d.yearBox->setText(QString::number(datecalc::MaxYear)); // runs this rule again
        d.yearValue->setText(d.yearBox->text());
    }
    d.calendar->setYear(datecalc::yearValue(d.yearValue->text()));
    CalcDateClick();
}

bool DateCalculatorWindow::YearSpin1KeyPress(QChar key) { return yearKey(0, key); }

bool DateCalculatorWindow::YearSpin2KeyPress(QChar key) { return yearKey(1, key); }

bool DateCalculatorWindow::yearKey(int which, QChar key)
{
    return datecalc::yearKeyAccepted(dates_[which].yearBox->text(), key);
}

bool DateCalculatorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return ToolWindow::eventFilter(watched, event);
    const int which = watched == dates_[0].yearBox ? 0 : watched == dates_[1].yearBox ? 1 : -1;
    if (which < 0)
        return ToolWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Backspace)
        return !yearKey(which, QChar(8));
    // Shortcuts (copy, paste, undo) and keys that type nothing go their way.
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier))
        return false;
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    for (QChar c : text)
        if (!(which == 0 ? YearSpin1KeyPress(c) : YearSpin2KeyPress(c)))
            return true; // discarded
    return false;
}

void DateCalculatorWindow::SpeedButton1Click() { stepYear(0, 1); }

void DateCalculatorWindow::SpeedButton2Click() { stepYear(0, -1); }

void DateCalculatorWindow::SpeedButton3Click() { stepYear(1, 1); }

void DateCalculatorWindow::SpeedButton4Click() { stepYear(1, -1); }

void DateCalculatorWindow::stepYear(int which, int step)
{
    QLineEdit* box = dates_[which].yearBox;
    if (box->text().isEmpty())
        return;
    box->setText(QString::number(datecalc::yearValue(box->text()) + step));
}

void DateCalculatorWindow::M1AClick(int n) { monthClicked(0, n); }

void DateCalculatorWindow::M1BClick(int n) { monthClicked(1, n); }

void DateCalculatorWindow::monthClicked(int which, int n)
{
    DateControls& d = dates_[which];
    d.tag = n;
    if (d.calendar->day() > 28)
        d.calendar->setDay(1);
    d.calendar->setMonth(n);
    displayMonths(which);
    CalcDateClick();
}

void DateCalculatorWindow::DisplayMonthA() { displayMonths(0); }

void DateCalculatorWindow::DisplayMonthB() { displayMonths(1); }

void DateCalculatorWindow::displayMonths(int which)
{
    const DateControls& d = dates_[which];
    for (int n = 1; n <= 12; ++n) {
        Panel* button = d.months[n - 1];
        if (button->colour() == Silver && n == d.tag)
            colourPanel(button, Navy, Qt::white);
        else if (button->colour() == Navy && n != d.tag)
            colourPanel(button, Silver, Qt::black);
    }
}

void DateCalculatorWindow::SetDate1Click() { setToToday(0); }

void DateCalculatorWindow::SetTodaysDate2Click() { setToToday(1); }

void DateCalculatorWindow::setToToday(int which)
{
    DateControls& d = dates_[which];
    d.calendar->setUseCurrentDate(true);
    d.calendar->update();
    const QString year = QString::number(d.calendar->year());
    if (d.yearBox->text() != year)
        d.yearBox->setText(year); // a changed year runs the year change rule
    d.yearValue->setText(year);
    d.tag = d.calendar->month();
    displayMonths(which);
    CalcDateClick();
}

void DateCalculatorWindow::QuittoMenu1Click() { release(); }

void DateCalculatorWindow::closePanelClicked() { QuittoMenu1Click(); }
