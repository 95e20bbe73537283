#include "calc/ConversionsWindow.h"

#include "app/Panel.h"
#include "calc/ConversionGrid.h"
#include "calc/EntryBox.h"
#include "calc/OvenChartModel.h"
#include "calc/UnitList.h"
#include "calc/UnitTableModel.h"
#include "common/AccessibleValue.h"
#include "common/HelpText.h"
#include "common/Palette.h"
#include "platform/Dialogs.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableView>

using units::Category;
using units::Scale;

namespace {

constexpr QSize ClientSize(632, 473);
constexpr QRect PageArea(4, 23, 624, 420);
constexpr int TabStripTop = 445;
constexpr int LeftPanelWidth = 124;
constexpr int RightPanelLeft = 126;
constexpr int RowHeight = 17;
constexpr int VisibleRows = 21; // below the heading
constexpr int ListGap = 3;
constexpr int ScrollBarWidth = 17;
constexpr int UnitColumnWidth = 140;
constexpr int LiquidNumberColumnWidth = 265;
constexpr int NumberColumnWidth = 240;
constexpr int AbbreviationColumnWidth = 80;
constexpr int OvenHeadingHeight = 26;
constexpr int OvenRowHeight = 24;
constexpr std::array<int, OvenChartModel::ColumnCount> OvenColumnWidths{130, 80, 66, 66};

const QColor Silver(192, 192, 192);
const QColor Aqua(0, 255, 255);
const QColor Yellow(255, 255, 0);

const QString Caption = QStringLiteral("Conversions");
const QString EntryHint = QStringLiteral("Initial Value");
const QString GridHint = QStringLiteral("Conversion Table");
const QString ScrollHint = QStringLiteral("Use this 'Scroll Bar' to see the remainder of the table");
const QString TemperatureEntryHint = QStringLiteral("Input Value");
const QString ScaleHint = QStringLiteral("Select unit of input temperature");
constexpr const char* CelsiusHeading = "Celsius (oC)";
constexpr const char* FahrenheitHeading = "Fahrenheit (oF)";
constexpr const char* KelvinHeading = "Kelvin";

QFont courier(int pixels)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

QFont sansSerif(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A silver page of the notebook.
QWidget* addPageHost(QStackedWidget* stack)
{
    auto* host = new QWidget;
    host->setAutoFillBackground(true);
    setPaletteColour(host, QPalette::Window, Silver);
    stack->addWidget(host);
    return host;
}

int unitItemHeight(const QListWidget* list) { return QFontMetrics(list->font()).height(); }

void fillUnitList(QListWidget* list, const std::vector<QString>& captions)
{
    for (const QString& caption : captions) {
        auto* item = new QListWidgetItem(caption, list);
        item->setSizeHint(QSize(LeftPanelWidth - 14, unitItemHeight(list)));
    }
}

// A unit list is read as its group and the unit selected in it, if any.
void describeUnitList(QListWidget* list, const QString& group)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    accessible::showValue(list, group, selected.isEmpty() ? QString() : selected.front()->text().trimmed());
}

Panel* makePanel(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* panel = new Panel(parent);
    panel->setObjectName(name);
    panel->setColour(Silver);
    panel->setBevel(Panel::Bevel::Raised, 1);
    panel->setGeometry(geometry);
    return panel;
}

struct PageText {
    Category category;
    QString name; // object names of the page's controls start with it
    bool scrolls; // length and weight have more rows than the grid shows
    std::vector<QString> listNames;
    std::vector<QString> listHints;
    // The grid's top row at each scroll bar position.
    std::array<int, 2> topRows;
};

const std::array<PageText, 3>& pageTexts()
{
    static const std::array<PageText, 3> texts{{
        {Category::Length, QStringLiteral("length"), true,
         {QStringLiteral("lengthMetricList"), QStringLiteral("lengthImperialList"), QStringLiteral("lengthLinealList"),
          QStringLiteral("lengthNauticalList")},
         {QStringLiteral("Metric"), QStringLiteral("Imperial Measure"), QStringLiteral("Lineal (Surveyors Measure)"),
          QStringLiteral("Nautical (Sea Measure)")},
         {1, 22}},
        {Category::Liquid, QStringLiteral("liquid"), false, {QStringLiteral("liquidUnitList")},
         {QStringLiteral("Units")}, {1, 1}},
        {Category::Weight, QStringLiteral("weight"), true,
         {QStringLiteral("weightMetricList"), QStringLiteral("weightAvoirdupoisList"), QStringLiteral("weightTroyList"),
          QStringLiteral("weightApothecariesList")},
         {QStringLiteral("Metric"), QStringLiteral("Avoirdupois (General Goods)"),
          QStringLiteral("Troy Weight (Jewellery & Precious Stones)"), QStringLiteral("Apothecaries (Drugs)")},
         {1, 20}},
    }};
    return texts;
}

QString conversionHelp()
{
    return buildHelpText(
        QStringLiteral("Conversion Utilities"),
        {
            {QStringLiteral("To convert from one unit to another, first select the type from the tab at the bottom")},
            {QStringLiteral("of the screen.  Next enter the value you wish to convert and select the type of units.  ")},
            {QStringLiteral("Now read the value from the table.  To copy a value to the clipboard just double-click ")},
            {QStringLiteral("on it.  ")},
        });
}

} // namespace

struct ConversionsWindow::UnitPage {
    Category category = Category::Length;
    int index = 0;
    EntryBox* entry = nullptr;
    std::vector<UnitList*> lists;
    UnitTableModel* table = nullptr; // what the grid shows
    ConversionGrid* grid = nullptr;
    QScrollBar* scrollBar = nullptr;
    std::array<int, 2> topRows{1, 1};
    // Length and weight: the selected unit's position in the whole category,
    // whichever group list shows it.
    int position = 0;
};

ConversionsWindow::ConversionsWindow(const UtilityServices& services, QWidget* owner)
    : ToolWindow(services, owner, ClientSize)
{
    setObjectName(QStringLiteral("ConversionsWindow"));
    setWindowTitle(Caption);
    setWindowColour(this, Silver);
    setMouseTracking(true);
    buildLayout();
    resetUnitPages();
}

ConversionsWindow::~ConversionsWindow() = default;

// ---- Building ----

void ConversionsWindow::buildLayout()
{
    title_ = new QLabel(Caption, this);
    title_->setObjectName(QStringLiteral("title"));
    title_->setGeometry(24, 1, ClientSize.width() - 48, 20);
    title_->setAlignment(Qt::AlignCenter);
    title_->setFont(sansSerif(14, true));
    // The title is part of the body: presses drag, moves reach the window.
    title_->setAttribute(Qt::WA_TransparentForMouseEvents);

    pageStack_ = new QStackedWidget(this);
    pageStack_->setObjectName(QStringLiteral("pageStack"));
    pageStack_->setGeometry(PageArea);
    for (int p = 0; p < 3; ++p) {
        unitPages_[std::size_t(p)] = std::make_unique<UnitPage>();
        UnitPage& page = *unitPages_[std::size_t(p)];
        page.category = pageTexts()[std::size_t(p)].category;
        page.index = p;
        buildUnitPage(page, addPageHost(pageStack_));
    }
    buildTemperaturePage(addPageHost(pageStack_));

    buildTabStrip();

    helpPanel()->raise();
    closePanel()->raise();
}

void ConversionsWindow::buildTabStrip()
{
    tabPanel_ = makePanel(this, QStringLiteral("tabPanel"),
                          QRect(0, TabStripTop, ClientSize.width(), ClientSize.height() - TabStripTop));
    tabPanel_->setBevel(Panel::Bevel::None);
    tabBar_ = new QTabBar(tabPanel_);
    tabBar_->setObjectName(QStringLiteral("tabBar"));
    tabBar_->setShape(QTabBar::RoundedSouth);
    tabBar_->setDrawBase(false);
    tabBar_->setExpanding(false);
    tabBar_->setFont(sansSerif(12));
    for (const char* tab : {"Length && Distance", "Liquid Capacity", "Weight", "Temperature"})
        tabBar_->addTab(QString::fromLatin1(tab));
    tabBar_->setStyleSheet(QStringLiteral(
        "QTabBar::tab { background: white; border: 1px solid #808080; border-top: none;"
        " padding: 3px 12px; margin-right: 2px; }"
        "QTabBar::tab:selected { background: #c0c0c0; font-weight: bold; }"));
    tabBar_->move(4, 0);
    tabBar_->resize(tabBar_->sizeHint());
    connect(tabBar_, &QTabBar::currentChanged, this, &ConversionsWindow::showPage);
}

// A unit page: the entry box and unit lists on the left, the grid on the right.
void ConversionsWindow::buildUnitPage(UnitPage& page, QWidget* host)
{
    const PageText& text = pageTexts()[std::size_t(page.index)];
    page.topRows = text.topRows;

    Panel* left =
        makePanel(host, text.name + QStringLiteral("EntryPanel"), QRect(0, 0, LeftPanelWidth, PageArea.height()));
    Panel* right = makePanel(host, text.name + QStringLiteral("GridPanel"),
                             QRect(RightPanelLeft, 0, PageArea.width() - RightPanelLeft, PageArea.height()));
    buildEntryBox(page, left);
    buildUnitLists(page, left);
    buildGrid(page, right);
    if (text.scrolls)
        buildScrollBar(page, right);

    connect(page.entry, &QLineEdit::textChanged, this, [this, &page] { convert(page); });
    connect(page.entry, &EntryBox::entered, page.entry, &QLineEdit::selectAll);
}

void ConversionsWindow::buildEntryBox(UnitPage& page, QWidget* panel)
{
    page.entry = new EntryBox(panel);
    page.entry->setObjectName(pageTexts()[std::size_t(page.index)].name + QStringLiteral("Entry"));
    page.entry->setGeometry(6, 6, LeftPanelWidth - 12, 22);
    page.entry->setToolTip(EntryHint);
    page.entry->setAccessibleName(EntryHint);
    page.entry->setAlignment(Qt::AlignCenter);
    page.entry->setMaxLength(units::MaxEntryLength);
    page.entry->setFont(sansSerif(13, true));
}

// One list per unit group, stacked below the entry box, each as tall as its units.
void ConversionsWindow::buildUnitLists(UnitPage& page, QWidget* panel)
{
    const PageText& text = pageTexts()[std::size_t(page.index)];
    const units::UnitTable& table = units::table(page.category);
    int y = 32;
    for (std::size_t g = 0; g < text.listNames.size(); ++g) {
        auto* list = new UnitList(panel);
        list->setObjectName(text.listNames[g]);
        list->setToolTip(text.listHints[g]);
        list->setAccessibleName(text.listHints[g]);
        list->setFont(courier(11));
        list->setFrameShape(QFrame::Box);
        list->setFrameShadow(QFrame::Plain);
        list->setLineWidth(1);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setUniformItemSizes(true);
        setPaletteColour(list, QPalette::Base, Yellow);
        const std::vector<QString> captions = table.groupCaptions(int(g));
        fillUnitList(list, captions);
        const int height = int(captions.size()) * unitItemHeight(list) + 2;
        list->setGeometry(6, y, LeftPanelWidth - 12, height);
        y += height + ListGap;
        page.lists.push_back(list);
        const int group = int(g);
        // A reader hears the unit converted from with the list's name.
        const QString hint = text.listHints[g];
        connect(list, &QListWidget::itemSelectionChanged, this, [list, hint] { describeUnitList(list, hint); });
        // Clicks, double-clicks and arrow keys all end in a new selection.
        connect(list, &QListWidget::itemSelectionChanged, this, [this, &page, group] {
            if (filling_ || page.lists[std::size_t(group)]->selectedRow() < 0)
                return;
            if (page.category == Category::Liquid)
                convert(page);
            else
                chooseUnit(page, group);
        });
    }
}

void ConversionsWindow::buildGrid(UnitPage& page, QWidget* panel)
{
    const int numberWidth = page.category == Category::Liquid ? LiquidNumberColumnWidth : NumberColumnWidth;
    page.table = new UnitTableModel(page.category, this);
    page.grid = new ConversionGrid(page.table, panel);
    page.grid->setObjectName(pageTexts()[std::size_t(page.index)].name + QStringLiteral("Grid"));
    page.grid->setToolTip(GridHint);
    page.grid->setAccessibleName(GridHint);
    page.grid->setFont(courier(13));
    page.grid->horizontalHeader()->setFont(courier(13));
    page.grid->horizontalHeader()->setFixedHeight(RowHeight);
    page.grid->verticalHeader()->setDefaultSectionSize(RowHeight);
    setPaletteColour(page.grid, QPalette::Base, Qt::white);
    page.grid->horizontalHeader()->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background: #c0c0c0; border: none; border-right: 1px solid #808080;"
        " border-bottom: 1px solid #808080; padding: 0px 3px; }"));
    page.grid->setColumnWidth(UnitTableModel::UnitColumn, UnitColumnWidth);
    page.grid->setColumnWidth(UnitTableModel::NumberColumn, numberWidth);
    page.grid->setColumnWidth(UnitTableModel::AbbreviationColumn, AbbreviationColumnWidth);
    const int frame = 2 * page.grid->frameWidth();
    page.grid->setGeometry(5, 5, UnitColumnWidth + numberWidth + AbbreviationColumnWidth + frame,
                           RowHeight * (VisibleRows + 1) + frame);
    // The grid only shows; typing goes on in the entry box.
    const auto focusPageEntry = [this, &page] { focusEntry(page.index); };
    connect(page.grid, &ConversionGrid::gridClicked, this, focusPageEntry);
    connect(page.grid, &ConversionGrid::topRowChanged, this, focusPageEntry);
    connect(page.grid, &ConversionGrid::gridDoubleClicked, this, &ConversionsWindow::copySelectedNumber);
    // The selected cell is the number a double-click copies: the grid says it.
    connect(page.grid, &ConversionGrid::selectedRowChanged, this, [this, &page] { describeGrid(page); });
    connect(page.table, &QAbstractItemModel::dataChanged, this, [this, &page] { describeGrid(page); });
}

// Length and weight have more rows than the grid shows: a two-position bar
// beside it picks the half in sight.
void ConversionsWindow::buildScrollBar(UnitPage& page, QWidget* panel)
{
    page.scrollBar = new QScrollBar(Qt::Vertical, panel);
    page.scrollBar->setObjectName(pageTexts()[std::size_t(page.index)].name + QStringLiteral("ScrollBar"));
    page.scrollBar->setToolTip(ScrollHint);
    page.scrollBar->setAccessibleName(ScrollHint);
    page.scrollBar->setRange(0, 1);
    page.scrollBar->setPageStep(1);
    page.scrollBar->setGeometry(page.grid->geometry().right() + 3, 5, ScrollBarWidth, page.grid->height());
    connect(page.scrollBar, &QScrollBar::valueChanged, this, [this, &page] { scrollGrid(page); });
    connect(page.grid, &ConversionGrid::wheelTurned, page.scrollBar,
            [&page](int step) { page.scrollBar->setValue(page.scrollBar->value() + step); });
    // A selection moved by key past the rows in sight brings the other half in.
    connect(page.grid, &ConversionGrid::selectedRowChanged, page.scrollBar, [&page](int row) {
        if (!page.grid->hasFocus())
            return;
        if (row < page.grid->topRow())
            page.scrollBar->setValue(0);
        else if (row >= page.grid->topRow() + VisibleRows)
            page.scrollBar->setValue(1);
    });
}

// The temperature page: input scale, value and results on the left, the oven chart on the right.
void ConversionsWindow::buildTemperaturePage(QWidget* host)
{
    Panel* left = makePanel(host, QStringLiteral("temperaturePanel"), QRect(0, 0, 250, PageArea.height()));
    Panel* right =
        makePanel(host, QStringLiteral("ovenPanel"), QRect(252, 0, PageArea.width() - 252, PageArea.height()));
    buildScaleButtons(left);
    buildTemperatureEntry(left);
    buildTemperatureResults(left);
    buildOvenChart(right);
}

void ConversionsWindow::buildScaleButtons(QWidget* panel)
{
    auto* inputUnits = new QGroupBox(QStringLiteral("Input Units"), panel);
    inputUnits->setObjectName(QStringLiteral("inputUnits"));
    inputUnits->setFont(sansSerif(13, true));
    inputUnits->setGeometry(8, 8, 234, 110);
    celsiusButton_ = new QRadioButton(QStringLiteral("&Celsius"), inputUnits);
    celsiusButton_->setObjectName(QStringLiteral("celsiusButton"));
    fahrenheitButton_ = new QRadioButton(QStringLiteral("Fahren&heit"), inputUnits);
    fahrenheitButton_->setObjectName(QStringLiteral("fahrenheitButton"));
    kelvinButton_ = new QRadioButton(QStringLiteral("&Kelvin"), inputUnits);
    kelvinButton_->setObjectName(QStringLiteral("kelvinButton"));
    int y = 26;
    for (QRadioButton* button : {celsiusButton_, fahrenheitButton_, kelvinButton_}) {
        button->setToolTip(ScaleHint);
        button->setFont(sansSerif(13));
        // Only the button and its caption take clicks, as a user expects.
        button->setGeometry(16, y, button->sizeHint().width(), 24);
        y += 26;
    }
    celsiusButton_->setChecked(true);
    // Connected once Celsius is chosen: the start is no choice of the user's.
    for (QRadioButton* button : {celsiusButton_, fahrenheitButton_, kelvinButton_})
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                scaleChosen();
        });
}

void ConversionsWindow::buildTemperatureEntry(QWidget* panel)
{
    auto* value = new QGroupBox(QStringLiteral("Input Value"), panel);
    value->setObjectName(QStringLiteral("inputValue"));
    value->setFont(sansSerif(13, true));
    value->setGeometry(8, 126, 234, 64);
    temperatureEntry_ = new EntryBox(value);
    temperatureEntry_->setObjectName(QStringLiteral("temperatureEntry"));
    temperatureEntry_->setToolTip(TemperatureEntryHint);
    temperatureEntry_->setAccessibleName(TemperatureEntryHint);
    temperatureEntry_->setMaxLength(units::MaxTemperatureLength);
    temperatureEntry_->setAlignment(Qt::AlignCenter);
    temperatureEntry_->setFont(sansSerif(14, true));
    temperatureEntry_->setGeometry(16, 26, 202, 26);
    // The starting captions of the results already show 0 degrees Celsius.
    temperatureEntry_->setText(QStringLiteral("0"));
    connect(temperatureEntry_, &QLineEdit::textChanged, this, &ConversionsWindow::convertTemperature);
    connect(temperatureEntry_, &EntryBox::entered, temperatureEntry_, &QLineEdit::selectAll);
}

void ConversionsWindow::buildTemperatureResults(QWidget* panel)
{
    auto* conversions = new QGroupBox(QStringLiteral("Conversions"), panel);
    conversions->setObjectName(QStringLiteral("conversions"));
    conversions->setFont(sansSerif(13, true));
    conversions->setGeometry(8, 198, 234, 212);
    struct Result {
        QLabel** label;
        const char* name;
        const char* heading;
        const char* hint;
        const char* start;
    };
    const Result results[] = {
        {&celsiusResult_, "celsiusResult", CelsiusHeading, "Temperature in Celsius (Read Only)", "0.000 "},
        {&fahrenheitResult_, "fahrenheitResult", FahrenheitHeading, "Temperature in Fahrenheit (Read Only)",
         "32.000 "},
        {&kelvinResult_, "kelvinResult", KelvinHeading, "Temperature in Kelvin (Read Only)", "273.16"},
    };
    int y = 24;
    for (const Result& r : results) {
        auto* heading = new QLabel(QString::fromLatin1(r.heading), conversions);
        heading->setFont(sansSerif(13));
        heading->setGeometry(16, y, 200, 18);
        QLabel* label = new QLabel(QString::fromLatin1(r.start), conversions);
        label->setObjectName(QString::fromLatin1(r.name));
        label->setToolTip(QString::fromLatin1(r.hint));
        accessible::showValue(label, QString::fromLatin1(r.heading), label->text().trimmed());
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFont(courier(15));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAutoFillBackground(true);
        setPaletteColour(label, QPalette::Window, Aqua);
        label->setGeometry(16, y + 20, 202, 28);
        *r.label = label;
        y += 62;
    }
}

// The oven chart: a title, the fixed table centred under it, and its footnote.
void ConversionsWindow::buildOvenChart(QWidget* panel)
{
    auto* ovenTitle = new QLabel(units::OvenTitle, panel);
    ovenTitle->setObjectName(QStringLiteral("ovenTitle"));
    ovenTitle->setFont(sansSerif(16, true));
    ovenTitle->setAlignment(Qt::AlignCenter);
    ovenTitle->setGeometry(10, 12, panel->width() - 20, 24);

    ovenChart_ = new QTableView(panel);
    ovenChart_->setModel(new OvenChartModel(this));
    ovenChart_->setObjectName(QStringLiteral("ovenChart"));
    ovenChart_->setAccessibleName(units::OvenTitle);
    ovenChart_->setFont(sansSerif(13));
    ovenChart_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ovenChart_->setSelectionMode(QAbstractItemView::NoSelection);
    ovenChart_->setFocusPolicy(Qt::NoFocus);
    ovenChart_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ovenChart_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ovenChart_->verticalHeader()->hide();
    ovenChart_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ovenChart_->verticalHeader()->setDefaultSectionSize(OvenRowHeight);
    ovenChart_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ovenChart_->horizontalHeader()->setFixedHeight(OvenHeadingHeight);
    ovenChart_->horizontalHeader()->setSectionsClickable(false);
    ovenChart_->horizontalHeader()->setFont(sansSerif(13, true));
    int chartWidth = 2 * ovenChart_->frameWidth();
    for (int c = 0; c < OvenChartModel::ColumnCount; ++c) {
        ovenChart_->setColumnWidth(c, OvenColumnWidths[std::size_t(c)]);
        chartWidth += OvenColumnWidths[std::size_t(c)];
    }
    const int rows = ovenChart_->model()->rowCount();
    ovenChart_->setGeometry((panel->width() - chartWidth) / 2, 48, chartWidth,
                            OvenHeadingHeight + OvenRowHeight * rows + 2 * ovenChart_->frameWidth());

    auto* footnote = new QLabel(units::OvenFootnote, panel);
    footnote->setObjectName(QStringLiteral("ovenFootnote"));
    footnote->setFont(sansSerif(12));
    footnote->setGeometry(ovenChart_->x(), ovenChart_->geometry().bottom() + 8, chartWidth, 18);
}

// ---- Pages, reset and focus ----

int ConversionsWindow::pageShown() const { return pageStack_->currentIndex(); }

ConversionsWindow::UnitPage& ConversionsWindow::unitPage(Category category) const
{
    return *unitPages_[std::size_t(category == Category::Length ? LengthPage
                                   : category == Category::Liquid ? LiquidPage
                                                                   : WeightPage)];
}

int ConversionsWindow::selectedUnit(Category category) const
{
    const UnitPage& page = unitPage(category);
    return category == Category::Liquid ? page.lists[0]->selectedRow() : page.position;
}

ConversionGrid* ConversionsWindow::grid(Category category) const { return unitPage(category).grid; }

QLineEdit* ConversionsWindow::entryBox(Page page) const
{
    return page == TemperaturePage ? static_cast<QLineEdit*>(temperatureEntry_) : unitPages_[std::size_t(page)]->entry;
}

QListWidget* ConversionsWindow::groupList(Category category, int group) const
{
    const UnitPage& page = unitPage(category);
    return group >= 0 && group < int(page.lists.size()) ? page.lists[std::size_t(group)] : nullptr;
}

QScrollBar* ConversionsWindow::scrollBar(Category category) const { return unitPage(category).scrollBar; }

QRadioButton* ConversionsWindow::scaleButton(Scale scale) const
{
    return scale == Scale::Celsius ? celsiusButton_ : scale == Scale::Fahrenheit ? fahrenheitButton_ : kelvinButton_;
}

QLabel* ConversionsWindow::temperatureResult(Scale scale) const
{
    return scale == Scale::Celsius ? celsiusResult_ : scale == Scale::Fahrenheit ? fahrenheitResult_ : kelvinResult_;
}

void ConversionsWindow::deactivated()
{
    if (messageOpen_)
        returningFromMessage_ = true;
}

void ConversionsWindow::activated()
{
    // Coming back from our own message box is no new visit: keep the tables.
    if (returningFromMessage_) {
        returningFromMessage_ = false;
        return;
    }
    resetUnitPages();
}

void ConversionsWindow::resetUnitPages()
{
    setHelpText(conversionHelp());

    // The metric length list is filled afresh each time, as it always was.
    UnitPage& length = unitPage(Category::Length);
    filling_ = true;
    length.lists[0]->clear();
    fillUnitList(length.lists[0], units::table(Category::Length).groupCaptions(0));
    for (auto& page : unitPages_) {
        resetGrid(*page);
        for (UnitList* list : page->lists)
            list->clearSelection();
        page->lists[0]->setCurrentRow(0);
        page->position = 0;
    }
    filling_ = false;

    // Setting "0" converts the table; a box that already held "0" sends no
    // change, so the conversion is asked for here either way.
    for (auto& page : unitPages_) {
        {
            const QSignalBlocker quiet(page->entry);
            page->entry->setText(QStringLiteral("0"));
        }
        convert(*page);
    }

    {
        const QSignalBlocker quiet(tabBar_);
        tabBar_->setCurrentIndex(LengthPage);
    }
    pageStack_->setCurrentIndex(LengthPage);
    focusEntry(LengthPage);
    length.entry->selectAll();
}

void ConversionsWindow::resetGrid(UnitPage& page)
{
    ConversionGrid* grid = page.grid;
    grid->setColumnWidth(UnitTableModel::UnitColumn, UnitColumnWidth);
    grid->setColumnWidth(UnitTableModel::NumberColumn,
                         page.category == Category::Liquid ? LiquidNumberColumnWidth : NumberColumnWidth);
    grid->setColumnWidth(UnitTableModel::AbbreviationColumn, AbbreviationColumnWidth);
    grid->selectCell(units::table(page.category).lastRow(), UnitTableModel::NumberColumn);
    page.table->clearNumbers();
}

void ConversionsWindow::showPage(int index)
{
    pageStack_->setCurrentIndex(index);
    focusEntry(index);
}

void ConversionsWindow::focusEntry(int page)
{
    if (QLineEdit* box = entryBox(Page(page)))
        box->setFocus(Qt::OtherFocusReason);
}

void ConversionsWindow::mouseMoveEvent(QMouseEvent* event)
{
    ToolWindow::mouseMoveEvent(event);
    // Only the bare body, not the pages' own panels: the pointer over it
    // takes the typing to the page shown.
    if (!childAt(event->position().toPoint()))
        focusEntry(pageShown());
}

// ---- Converting ----

void ConversionsWindow::convert(UnitPage& page)
{
    const QString text = page.entry->text();
    const int selected = page.category == Category::Liquid ? page.lists[0]->selectedRow() : page.position;
    const units::TableConversion out = units::convertTable(page.category, text, selected);
    if (out.cleaned != text) {
        // The cleaned text comes back through this handler and is converted then.
        const int cursor = page.entry->cursorPosition();
        const int kept = int(units::cleanEntry(text.left(cursor)).size());
        page.entry->setText(out.cleaned);
        page.entry->setCursorPosition(kept);
        return;
    }
    if (out.selected != selected) {
        page.position = out.selected;
        showSelection(page);
    }
    page.table->showNumbers(out.numbers);
    if (pageShown() == page.index)
        focusEntry(page.index);
}

void ConversionsWindow::showSelection(UnitPage& page)
{
    const units::UnitTable& table = units::table(page.category);
    const int group = table.groupOf(page.position);
    filling_ = true;
    for (std::size_t g = 0; g < page.lists.size(); ++g)
        if (int(g) != group)
            page.lists[g]->clearSelection();
    page.lists[std::size_t(group)]->setCurrentRow(page.position - table.groupOffsets[std::size_t(group)]);
    filling_ = false;
}

void ConversionsWindow::chooseUnit(UnitPage& page, int group)
{
    const int item = page.lists[std::size_t(group)]->selectedRow();
    if (item < 0)
        return;
    // One unit is selected over all the group lists of the page.
    filling_ = true;
    for (std::size_t g = 0; g < page.lists.size(); ++g)
        if (int(g) != group)
            page.lists[g]->clearSelection();
    filling_ = false;
    page.position = item + units::table(page.category).groupOffsets[std::size_t(group)];
    convert(page);
}

void ConversionsWindow::describeGrid(UnitPage& page)
{
    // Grid rows count the heading row; the model's do not.
    const QModelIndex selected = page.table->index(page.grid->selectedRow() - 1, UnitTableModel::NumberColumn);
    accessible::showValue(page.grid, GridHint, selected.data(Qt::AccessibleTextRole).toString());
}

void ConversionsWindow::scrollGrid(UnitPage& page)
{
    page.grid->setTopRow(page.topRows[std::size_t(page.scrollBar->value())]);
}

// ---- Temperature ----

Scale ConversionsWindow::scale() const
{
    return fahrenheitButton_->isChecked() ? Scale::Fahrenheit
           : kelvinButton_->isChecked()   ? Scale::Kelvin
                                          : Scale::Celsius;
}

void ConversionsWindow::convertTemperature()
{
    const QString text = temperatureEntry_->text();
    const units::TemperatureConversion out = units::convertTemperature(text, scale());
    if (out.cleaned != text) {
        const int cursor = temperatureEntry_->cursorPosition();
        const int kept = int(units::cleanEntry(text.left(cursor), true).size());
        temperatureEntry_->setText(out.cleaned);
        temperatureEntry_->setCursorPosition(kept);
        return;
    }
    const auto show = [](QLabel* result, const QString& heading, const QString& value) {
        result->setText(value);
        accessible::showValue(result, heading, value.trimmed());
    };
    show(celsiusResult_, CelsiusHeading, out.celsius);
    show(fahrenheitResult_, FahrenheitHeading, out.fahrenheit);
    show(kelvinResult_, KelvinHeading, out.kelvin);
}

void ConversionsWindow::scaleChosen()
{
    convertTemperature();
    temperatureEntry_->setFocus(Qt::OtherFocusReason);
    temperatureEntry_->selectAll();
}

// ---- Copying ----

void ConversionsWindow::copySelectedNumber()
{
    const int shown = pageShown();
    if (shown == TemperaturePage)
        return;
    UnitPage& page = *unitPages_[std::size_t(shown)];
    const int row = page.grid->selectedRow();
    QString text = page.grid->cellText(row, UnitTableModel::NumberColumn);
    switch (page.category) {
    case Category::Length:
        text = text.trimmed();
        break;
    case Category::Liquid:
        // Heading rows have no number to copy. Only this page says so; the
        // others copy what the cell holds.
        if (row <= 0 || units::table(Category::Liquid).rowFactor(row) == 0) {
            QPointer<ConversionsWindow> alive(this);
            messageOpen_ = true;
            services().dialogs.message(this, platform::MessageKind::Information, NoCellText, platform::Ok);
            if (!alive)
                return;
            messageOpen_ = false;
            focusEntry(shown);
            return;
        }
        break;
    case Category::Weight:
        break;
    }
    // An empty cell copies nothing: the clipboard keeps what it had.
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
    focusEntry(shown);
}
