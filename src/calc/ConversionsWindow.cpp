#include "calc/ConversionsWindow.h"

#include "app/Panel.h"
#include "calc/LcWidgets.h"
#include "common/HelpText.h"
#include "common/Palette.h"
#include "platform/Dialogs.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>

using units::Category;
using units::Scale;

namespace {

constexpr QSize ClientSize(632, 473);
constexpr QRect NotebookArea(4, 23, 624, 420);
constexpr int TabStripTop = 445;
constexpr int LeftPanelWidth = 124;
constexpr int RightPanelLeft = 126;
constexpr int RowHeight = 17;
constexpr int VisibleRows = 21; // below the heading
constexpr int ListGap = 3;
constexpr int ScrollBarWidth = 17;

const QColor Silver(192, 192, 192);
const QColor Aqua(0, 255, 255);
const QColor Yellow(255, 255, 0);

const QString Caption = QStringLiteral("Conversions");
const QString EntryHint = QStringLiteral("Initial Value");
const QString GridHint = QStringLiteral("Conversion Table");
const QString ScrollHint = QStringLiteral("Use this 'Scroll Bar' to see the remainder of the table");
const QString TemperatureEntryHint = QStringLiteral("Input Value");
const QString ScaleHint = QStringLiteral("Select unit of input temperature");

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
    QString entry;
    QString grid;
    QString scrollBar; // empty: no scroll bar
    std::vector<QString> listNames;
    std::vector<QString> listHints;
    std::array<int, 2> topRows;
};

const std::array<PageText, 3>& pageTexts()
{
    static const std::array<PageText, 3> texts{{
        {Category::Length, QStringLiteral("LengthValue"), QStringLiteral("LengthSG1"), QStringLiteral("LengthSB1"),
         {QStringLiteral("LengthSelect1"), QStringLiteral("LengthSelect2"), QStringLiteral("LengthSelect3"),
          QStringLiteral("LengthSelect4")},
         {QStringLiteral("Metric"), QStringLiteral("Imperial Measure"), QStringLiteral("Lineal (Surveyors Measure)"),
          QStringLiteral("Nautical (Sea Measure)")},
         {1, 22}},
        {Category::Liquid, QStringLiteral("LiquidValue"), QStringLiteral("LiquidSG1"), QString(),
         {QStringLiteral("LiquidSelect")}, {QStringLiteral("Units")}, {1, 1}},
        {Category::Weight, QStringLiteral("WeightValue"), QStringLiteral("WeightSG1"), QStringLiteral("WeightSB1"),
         {QStringLiteral("WeightSelect1"), QStringLiteral("WeightSelect2"), QStringLiteral("WeightSelect3"),
          QStringLiteral("WeightSelect4")},
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
    ConversionGrid* grid = nullptr;
    QScrollBar* scrollBar = nullptr;
    std::array<int, 2> topRows{1, 1};
    // The master list position of length and weight.
    int master = 0;
};

ConversionsWindow::ConversionsWindow(const UtilityServices& services, QWidget* owner)
    : ToolWindow(services, owner, ClientSize)
{
    setObjectName(QStringLiteral("Conversions"));
    setWindowTitle(Caption);
    setPaletteColour(this, QPalette::Window, Silver);
    setMouseTracking(true);
    closePanel()->setObjectName(QStringLiteral("ClosePanel"));
    buildLayout();
    FormCreate();
}

ConversionsWindow::~ConversionsWindow() = default;

void ConversionsWindow::FormCreate()
{
    setHelpText(conversionHelp());
    activated();
}

void ConversionsWindow::buildLayout()
{
    Title = new QLabel(Caption, this);
    Title->setObjectName(QStringLiteral("Title"));
    Title->setGeometry(24, 1, ClientSize.width() - 48, 20);
    Title->setAlignment(Qt::AlignCenter);
    Title->setFont(sansSerif(14, true));
    // The title is part of the body: presses drag, moves reach the window.
    Title->setAttribute(Qt::WA_TransparentForMouseEvents);

    Notebook1 = new QStackedWidget(this);
    Notebook1->setObjectName(QStringLiteral("Notebook1"));
    Notebook1->setGeometry(NotebookArea);

    for (int p = 0; p < 3; ++p) {
        auto* host = new QWidget;
        host->setAutoFillBackground(true);
        setPaletteColour(host, QPalette::Window, Silver);
        Notebook1->addWidget(host);
        pages_[std::size_t(p)] = std::make_unique<UnitPage>();
        UnitPage& page = *pages_[std::size_t(p)];
        page.category = pageTexts()[std::size_t(p)].category;
        page.index = p;
        buildUnitPage(page, host);
    }
    auto* temperatureHost = new QWidget;
    temperatureHost->setAutoFillBackground(true);
    setPaletteColour(temperatureHost, QPalette::Window, Silver);
    Notebook1->addWidget(temperatureHost);
    buildTemperaturePage(temperatureHost);

    Panel4 = makePanel(this, QStringLiteral("Panel4"), QRect(0, TabStripTop, ClientSize.width(), ClientSize.height() - TabStripTop));
    Panel4->setBevel(Panel::Bevel::None);
    TabSet1 = new QTabBar(Panel4);
    TabSet1->setObjectName(QStringLiteral("TabSet1"));
    TabSet1->setShape(QTabBar::RoundedSouth);
    TabSet1->setDrawBase(false);
    TabSet1->setExpanding(false);
    TabSet1->setFont(sansSerif(12));
    for (const char* tab : {"Length && Distance", "Liquid Capacity", "Weight", "Temperature"})
        TabSet1->addTab(QString::fromLatin1(tab));
    TabSet1->setStyleSheet(QStringLiteral(
        "QTabBar::tab { background: white; border: 1px solid #808080; border-top: none;"
        " padding: 3px 12px; margin-right: 2px; }"
        "QTabBar::tab:selected { background: #c0c0c0; font-weight: bold; }"));
    TabSet1->move(4, 0);
    TabSet1->resize(TabSet1->sizeHint());
    connect(TabSet1, &QTabBar::currentChanged, this, &ConversionsWindow::TabSet1Click);

    // Text reaches the clipboard through a box nobody sees; with nothing
    // selected in it, nothing is copied.
    CopyBox = new QLineEdit(this);
    CopyBox->setObjectName(QStringLiteral("CopyBox"));
    CopyBox->hide();

    helpPanel()->raise();
    closePanel()->raise();
}

void ConversionsWindow::buildUnitPage(UnitPage& page, QWidget* host)
{
    const PageText& text = pageTexts()[std::size_t(page.index)];
    const units::UnitTable& table = units::table(page.category);
    page.topRows = text.topRows;

    Panel* left = makePanel(host, QStringLiteral("%1Panel").arg(text.entry), QRect(0, 0, LeftPanelWidth, NotebookArea.height()));
    Panel* right = makePanel(host, QStringLiteral("%1Panel").arg(text.grid),
                             QRect(RightPanelLeft, 0, NotebookArea.width() - RightPanelLeft, NotebookArea.height()));

    page.entry = new EntryBox(left);
    page.entry->setObjectName(text.entry);
    page.entry->setGeometry(6, 6, LeftPanelWidth - 12, 22);
    page.entry->setToolTip(EntryHint);
    page.entry->setAccessibleName(EntryHint);
    page.entry->setAlignment(Qt::AlignCenter);
    page.entry->setMaxLength(units::MaxEntryLength);
    page.entry->setFont(sansSerif(13, true));

    const QFont listFont = courier(11);
    const int itemHeight = QFontMetrics(listFont).height();
    int y = 32;
    for (std::size_t g = 0; g < text.listNames.size(); ++g) {
        auto* list = new UnitList(left);
        list->setObjectName(text.listNames[g]);
        list->setToolTip(text.listHints[g]);
        list->setAccessibleName(text.listHints[g]);
        list->setFont(listFont);
        list->setFrameShape(QFrame::Box);
        list->setFrameShadow(QFrame::Plain);
        list->setLineWidth(1);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setUniformItemSizes(true);
        setPaletteColour(list, QPalette::Base, Yellow);
        const std::vector<QString> captions = table.groupCaptions(int(g));
        for (const QString& caption : captions) {
            auto* item = new QListWidgetItem(caption, list);
            item->setSizeHint(QSize(LeftPanelWidth - 14, itemHeight));
        }
        const int height = int(captions.size()) * itemHeight + 2;
        list->setGeometry(6, y, LeftPanelWidth - 12, height);
        y += height + ListGap;
        page.lists.push_back(list);
        const int group = int(g);
        // Clicks, double-clicks and arrow keys all end in a new selection.
        connect(list, &QListWidget::itemSelectionChanged, this, [this, &page, group] {
            if (filling_ || page.lists[std::size_t(group)]->selectedRow() < 0)
                return;
            switch (page.category) {
            case Category::Length: LengthSelect1Click(group); break;
            case Category::Liquid: LiquidValueChange(); break;
            case Category::Weight: WeightSelect1Click(group); break;
            }
        });
    }

    const int columns = page.category == Category::Liquid ? 265 : 240;
    page.grid = new ConversionGrid(table.rowCount(), right);
    page.grid->setObjectName(text.grid);
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
    page.grid->setColumnWidth(0, 140);
    page.grid->setColumnWidth(1, columns);
    page.grid->setColumnWidth(2, 80);
    const int frame = 2 * page.grid->frameWidth();
    page.grid->setGeometry(5, 5, 140 + columns + 80 + frame, RowHeight * (VisibleRows + 1) + frame);
    page.grid->canSelect = [this, &page](int column, int row) {
        switch (page.category) {
        case Category::Length: return LengthSG1SelectCell(column, row);
        case Category::Liquid: return LiquidSG1SelectCell(column, row);
        case Category::Weight: return WeightSG1SelectCell(column, row);
        }
        return false;
    };
    const auto clicked = [this, &page] {
        switch (page.category) {
        case Category::Length: LengthSG1Click(); break;
        case Category::Liquid: LiquidSG1Click(); break;
        case Category::Weight: WeightSG1Click(); break;
        }
    };
    connect(page.grid, &ConversionGrid::gridClicked, this, clicked);
    connect(page.grid, &ConversionGrid::topRowChanged, this, clicked);
    connect(page.grid, &ConversionGrid::gridDoubleClicked, this, &ConversionsWindow::LengthSG1DblClick);

    if (!text.scrollBar.isEmpty()) {
        page.scrollBar = new QScrollBar(Qt::Vertical, right);
        page.scrollBar->setObjectName(text.scrollBar);
        page.scrollBar->setToolTip(ScrollHint);
        page.scrollBar->setAccessibleName(ScrollHint);
        page.scrollBar->setRange(0, 1);
        page.scrollBar->setPageStep(1);
        page.scrollBar->setGeometry(page.grid->geometry().right() + 3, 5, ScrollBarWidth, page.grid->height());
        connect(page.scrollBar, &QScrollBar::valueChanged, this,
                page.category == Category::Length ? &ConversionsWindow::LengthSB1Change : &ConversionsWindow::WeightSB1Change);
        connect(page.grid, &ConversionGrid::wheelTurned, page.scrollBar,
                [&page](int step) { page.scrollBar->setValue(page.scrollBar->value() + step); });
        // A selection moved by key past the rows in sight brings the other half in.
        connect(page.grid, &QTableWidget::currentCellChanged, page.scrollBar, [&page](int row) {
            const int gridRow = row + 1;
            if (!page.grid->hasFocus())
                return;
            if (gridRow < page.grid->topRow())
                page.scrollBar->setValue(0);
            else if (gridRow >= page.grid->topRow() + VisibleRows)
                page.scrollBar->setValue(1);
        });
    }

    connect(page.entry, &QLineEdit::textChanged, this, [this, &page] {
        switch (page.category) {
        case Category::Length: LengthValueChange(); break;
        case Category::Liquid: LiquidValueChange(); break;
        case Category::Weight: WeightValueChange(); break;
        }
    });
    connect(page.entry, &EntryBox::entered, this, [this, &page] {
        switch (page.category) {
        case Category::Length: LengthValueEnter(); break;
        case Category::Liquid: LiquidValueEnter(); break;
        case Category::Weight: WeightValueEnter(); break;
        }
    });
}

void ConversionsWindow::buildTemperaturePage(QWidget* host)
{
    Panel* left = makePanel(host, QStringLiteral("TemperaturePanel"), QRect(0, 0, 250, NotebookArea.height()));
    Panel* right = makePanel(host, QStringLiteral("OvenPanel"), QRect(252, 0, NotebookArea.width() - 252, NotebookArea.height()));
    const QFont groupFont = sansSerif(13, true);
    const QFont plain = sansSerif(13);

    auto* inputUnits = new QGroupBox(QStringLiteral("Input Units"), left);
    inputUnits->setObjectName(QStringLiteral("InputUnits"));
    inputUnits->setFont(groupFont);
    inputUnits->setGeometry(8, 8, 234, 110);
    RB1 = new QRadioButton(QStringLiteral("&Celsius"), inputUnits);
    RB2 = new QRadioButton(QStringLiteral("Fahren&heit"), inputUnits);
    RB3 = new QRadioButton(QStringLiteral("&Kelvin"), inputUnits);
    int y = 26;
    for (QRadioButton* button : {RB1, RB2, RB3}) {
        button->setObjectName(button == RB1 ? QStringLiteral("RB1") : button == RB2 ? QStringLiteral("RB2") : QStringLiteral("RB3"));
        button->setToolTip(ScaleHint);
        button->setFont(plain);
        // Only the button and its caption take clicks, as a user expects.
        button->setGeometry(16, y, button->sizeHint().width(), 24);
        y += 26;
    }
    RB1->setChecked(true);

    auto* value = new QGroupBox(QStringLiteral("Input Value"), left);
    value->setObjectName(QStringLiteral("InputValue"));
    value->setFont(groupFont);
    value->setGeometry(8, 126, 234, 64);
    TemValue = new EntryBox(value);
    TemValue->setObjectName(QStringLiteral("TemValue"));
    TemValue->setToolTip(TemperatureEntryHint);
    TemValue->setAccessibleName(TemperatureEntryHint);
    TemValue->setMaxLength(units::MaxTemperatureLength);
    TemValue->setAlignment(Qt::AlignCenter);
    TemValue->setFont(sansSerif(14, true));
    TemValue->setGeometry(16, 26, 202, 26);
    // The starting captions below already show 0 degrees Celsius.
    TemValue->setText(QStringLiteral("0"));
    connect(TemValue, &QLineEdit::textChanged, this, &ConversionsWindow::TemValueChange);
    connect(TemValue, &EntryBox::entered, TemValue, &QLineEdit::selectAll);
    for (QRadioButton* button : {RB1, RB2, RB3})
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                RB1Click();
        });

    auto* conversions = new QGroupBox(QStringLiteral("Conversions"), left);
    conversions->setObjectName(QStringLiteral("ConversionsBox"));
    conversions->setFont(groupFont);
    conversions->setGeometry(8, 198, 234, 212);
    struct Result {
        QLabel** label;
        const char* name;
        const char* heading;
        const char* hint;
        const char* start;
    };
    const Result results[] = {
        {&Dcl, "Dcl", "Celsius (oC)", "Temperature in Celsius (Read Only)", "0.000 "},
        {&Dfr, "Dfr", "Fahrenheit (oF)", "Temperature in Fahrenheit (Read Only)", "32.000 "},
        {&Dk, "Dk", "Kelvin", "Temperature in Kelvin (Read Only)", "273.16"},
    };
    y = 24;
    for (const Result& r : results) {
        auto* heading = new QLabel(QString::fromLatin1(r.heading), conversions);
        heading->setFont(plain);
        heading->setGeometry(16, y, 200, 18);
        QLabel* label = new QLabel(QString::fromLatin1(r.start), conversions);
        label->setObjectName(QString::fromLatin1(r.name));
        label->setToolTip(QString::fromLatin1(r.hint));
        label->setAccessibleName(QString::fromLatin1(r.heading));
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

    auto* ovenTitle = new QLabel(units::OvenTitle, right);
    ovenTitle->setObjectName(QStringLiteral("OvenTitle"));
    ovenTitle->setFont(sansSerif(16, true));
    ovenTitle->setAlignment(Qt::AlignCenter);
    ovenTitle->setGeometry(10, 12, right->width() - 20, 24);

    const auto& chart = units::ovenChart();
    OvenChart = new QTableWidget(int(chart.size()), 4, right);
    OvenChart->setObjectName(QStringLiteral("OvenChart"));
    OvenChart->setAccessibleName(units::OvenTitle);
    OvenChart->setFont(sansSerif(13));
    OvenChart->setEditTriggers(QAbstractItemView::NoEditTriggers);
    OvenChart->setSelectionMode(QAbstractItemView::NoSelection);
    OvenChart->setFocusPolicy(Qt::NoFocus);
    OvenChart->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    OvenChart->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    OvenChart->verticalHeader()->hide();
    OvenChart->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    OvenChart->verticalHeader()->setDefaultSectionSize(24);
    OvenChart->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    OvenChart->horizontalHeader()->setFixedHeight(26);
    OvenChart->horizontalHeader()->setSectionsClickable(false);
    OvenChart->horizontalHeader()->setFont(sansSerif(13, true));
    const auto& headings = units::ovenHeadings();
    for (int c = 0; c < 4; ++c)
        OvenChart->setHorizontalHeaderItem(c, new QTableWidgetItem(headings[std::size_t(c)]));
    const std::array<int, 4> widths{130, 80, 66, 66};
    for (int c = 0; c < 4; ++c)
        OvenChart->setColumnWidth(c, widths[std::size_t(c)]);
    for (int r = 0; r < int(chart.size()); ++r) {
        const units::OvenRow& row = chart[std::size_t(r)];
        const QString cells[] = {row.temperature, row.gasMark, row.celsius, row.fahrenheit};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setFlags(Qt::ItemIsEnabled);
            item->setTextAlignment(c == 0 ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::Alignment(Qt::AlignCenter));
            OvenChart->setItem(r, c, item);
        }
    }
    const int frame = 2 * OvenChart->frameWidth();
    const int chartWidth = 130 + 80 + 66 + 66 + frame;
    OvenChart->setGeometry((right->width() - chartWidth) / 2, 48, chartWidth, 26 + 24 * int(chart.size()) + frame);

    auto* footnote = new QLabel(units::OvenFootnote, right);
    footnote->setObjectName(QStringLiteral("OvenFootnote"));
    footnote->setFont(sansSerif(12));
    footnote->setGeometry(OvenChart->x(), OvenChart->geometry().bottom() + 8, chartWidth, 18);
}

// ---- Pages, reset and focus ----

int ConversionsWindow::pageShown() const { return Notebook1->currentIndex(); }

ConversionsWindow::UnitPage& ConversionsWindow::unitPage(Category category) const
{
    return *pages_[std::size_t(category == Category::Length ? 0 : category == Category::Liquid ? 1 : 2)];
}

int ConversionsWindow::selectedUnit(Category category) const
{
    const UnitPage& page = unitPage(category);
    return category == Category::Liquid ? page.lists[0]->selectedRow() : page.master;
}

ConversionGrid* ConversionsWindow::grid(Category category) const { return unitPage(category).grid; }

QLineEdit* ConversionsWindow::entryBox(Page page) const
{
    return page == TemperaturePage ? static_cast<QLineEdit*>(TemValue) : pages_[std::size_t(page)]->entry;
}

QListWidget* ConversionsWindow::groupList(Category category, int group) const
{
    const UnitPage& page = unitPage(category);
    return group >= 0 && group < int(page.lists.size()) ? page.lists[std::size_t(group)] : nullptr;
}

QScrollBar* ConversionsWindow::scrollBar(Category category) const { return unitPage(category).scrollBar; }

QRadioButton* ConversionsWindow::scaleButton(Scale scale) const
{
    return scale == Scale::Celsius ? RB1 : scale == Scale::Fahrenheit ? RB2 : RB3;
}

QLabel* ConversionsWindow::temperatureLabel(Scale scale) const
{
    return scale == Scale::Celsius ? Dcl : scale == Scale::Fahrenheit ? Dfr : Dk;
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
    setHelpText(conversionHelp());

    // The metric length list is filled afresh each time, as it always was.
    UnitPage& length = unitPage(Category::Length);
    filling_ = true;
    length.lists[0]->clear();
    const int itemHeight = QFontMetrics(length.lists[0]->font()).height();
    for (const QString& caption : units::table(Category::Length).groupCaptions(0)) {
        auto* item = new QListWidgetItem(caption, length.lists[0]);
        item->setSizeHint(QSize(LeftPanelWidth - 14, itemHeight));
    }
    for (auto& page : pages_) {
        resetGrid(*page);
        for (UnitList* list : page->lists)
            list->clearSelection();
        page->lists[0]->setCurrentRow(0);
        page->master = 0;
    }
    filling_ = false;

    // Setting "0" converts the table; a box that already held "0" sends no
    // change, so the conversion is asked for here either way.
    for (auto& page : pages_) {
        {
            const QSignalBlocker quiet(page->entry);
            page->entry->setText(QStringLiteral("0"));
        }
        convert(*page);
    }

    {
        const QSignalBlocker quiet(TabSet1);
        TabSet1->setCurrentIndex(LengthPage);
    }
    Notebook1->setCurrentIndex(LengthPage);
    focusEntry(LengthPage);
    length.entry->selectAll();
}

void ConversionsWindow::resetGrid(UnitPage& page)
{
    const units::UnitTable& table = units::table(page.category);
    ConversionGrid* grid = page.grid;
    grid->setColumnWidth(0, 140);
    grid->setColumnWidth(1, page.category == Category::Liquid ? 265 : 240);
    grid->setColumnWidth(2, 80);
    grid->selectCell(table.lastRow(), 1);
    grid->setCellText(0, 0, table.unitHeading);
    grid->setCellText(0, 1, table.numberHeading);
    grid->setCellText(0, 2, table.abbreviationHeading);
    for (int r = 1; r < table.rowCount(); ++r) {
        const units::TableRow& row = table.rows[std::size_t(r)];
        grid->setCellText(r, 0, row.label);
        grid->setCellText(r, 1, QString());
        grid->setCellText(r, 2, row.abbreviation);
    }
}

void ConversionsWindow::TabSet1Click(int index)
{
    Notebook1->setCurrentIndex(index);
    focusEntry(index);
}

void ConversionsWindow::focusEntry(int page)
{
    if (QLineEdit* box = entryBox(Page(page)))
        box->setFocus(Qt::OtherFocusReason);
}

void ConversionsWindow::FormMouseMove() { focusEntry(pageShown()); }

void ConversionsWindow::mouseMoveEvent(QMouseEvent* event)
{
    ToolWindow::mouseMoveEvent(event);
    // Only the bare body, not the pages' own panels.
    if (!childAt(event->position().toPoint()))
        FormMouseMove();
}

// ---- Converting ----

void ConversionsWindow::convert(UnitPage& page)
{
    const QString text = page.entry->text();
    const int selected = page.category == Category::Liquid ? page.lists[0]->selectedRow() : page.master;
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
        page.master = out.selected;
        showSelection(page);
    }
    for (int r = 0; r < int(out.numbers.size()); ++r)
        if (r > 0)
            page.grid->setCellText(r, 1, out.numbers[std::size_t(r)]);
    if (pageShown() == page.index)
        focusEntry(page.index);
}

void ConversionsWindow::showSelection(UnitPage& page)
{
    const units::UnitTable& table = units::table(page.category);
    const int group = table.groupOf(page.master);
    filling_ = true;
    for (std::size_t g = 0; g < page.lists.size(); ++g)
        if (int(g) != group)
            page.lists[g]->clearSelection();
    page.lists[std::size_t(group)]->setCurrentRow(page.master - table.groupOffsets[std::size_t(group)]);
    filling_ = false;
}

void ConversionsWindow::groupListClicked(UnitPage& page, int group)
{
    const int item = page.lists[std::size_t(group)]->selectedRow();
    if (item < 0)
        return;
    filling_ = true;
    for (std::size_t g = 0; g < page.lists.size(); ++g)
        if (int(g) != group)
            page.lists[g]->clearSelection();
    filling_ = false;
    page.master = item + units::table(page.category).groupOffsets[std::size_t(group)];
    convert(page);
}

void ConversionsWindow::LengthValueChange() { convert(unitPage(Category::Length)); }
void ConversionsWindow::LiquidValueChange() { convert(unitPage(Category::Liquid)); }
void ConversionsWindow::WeightValueChange() { convert(unitPage(Category::Weight)); }

void ConversionsWindow::LengthValueEnter() { unitPage(Category::Length).entry->selectAll(); }
void ConversionsWindow::LiquidValueEnter() { unitPage(Category::Liquid).entry->selectAll(); }
void ConversionsWindow::WeightValueEnter() { unitPage(Category::Weight).entry->selectAll(); }

void ConversionsWindow::LengthSelect1Click(int group) { groupListClicked(unitPage(Category::Length), group); }
void ConversionsWindow::WeightSelect1Click(int group) { groupListClicked(unitPage(Category::Weight), group); }

bool ConversionsWindow::LengthSG1SelectCell(int column, int) const { return column == 1; }
bool ConversionsWindow::LiquidSG1SelectCell(int column, int) const { return column == 1; }
bool ConversionsWindow::WeightSG1SelectCell(int column, int) const { return column == 1; }

void ConversionsWindow::LengthSG1Click() { focusEntry(LengthPage); }
void ConversionsWindow::LiquidSG1Click() { focusEntry(LiquidPage); }
void ConversionsWindow::WeightSG1Click() { focusEntry(WeightPage); }

void ConversionsWindow::LengthSG1DblClick() { CopytoClipboard1Click(); }

void ConversionsWindow::LengthSB1Change()
{
    UnitPage& page = unitPage(Category::Length);
    page.grid->setTopRow(page.topRows[std::size_t(page.scrollBar->value())]);
}

void ConversionsWindow::WeightSB1Change()
{
    UnitPage& page = unitPage(Category::Weight);
    page.grid->setTopRow(page.topRows[std::size_t(page.scrollBar->value())]);
}

// ---- Temperature ----

Scale ConversionsWindow::scale() const
{
    return RB2->isChecked() ? Scale::Fahrenheit : RB3->isChecked() ? Scale::Kelvin : Scale::Celsius;
}

void ConversionsWindow::TemValueChange()
{
    const QString text = TemValue->text();
    const units::TemperatureConversion out = units::convertTemperature(text, scale());
    if (out.cleaned != text) {
        const int cursor = TemValue->cursorPosition();
        const int kept = int(units::cleanEntry(text.left(cursor), true).size());
        TemValue->setText(out.cleaned);
        TemValue->setCursorPosition(kept);
        return;
    }
    Dcl->setText(out.celsius);
    Dfr->setText(out.fahrenheit);
    Dk->setText(out.kelvin);
}

void ConversionsWindow::RB1Click()
{
    TemValueChange();
    TemValue->setFocus(Qt::OtherFocusReason);
    TemValue->selectAll();
}

// ---- Copy and close ----

void ConversionsWindow::CopytoClipboard1Click()
{
    const int shown = pageShown();
    if (shown == TemperaturePage)
        return;
    UnitPage& page = *pages_[std::size_t(shown)];
    const int row = page.grid->selectedRow();
    QString text = page.grid->cellText(row, 1);
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
            platform::showMessage(this, platform::MessageKind::Information, NoCellText, platform::Ok);
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
    // An empty selection copies nothing, so an empty cell leaves the
    // clipboard as it was.
    CopyBox->setText(text);
    CopyBox->selectAll();
    CopyBox->copy();
    focusEntry(shown);
}

void ConversionsWindow::QuittoMenu1Click() { release(); }

void ConversionsWindow::closePanelClicked() { QuittoMenu1Click(); }
