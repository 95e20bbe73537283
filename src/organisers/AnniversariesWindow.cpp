#include "organisers/AnniversariesWindow.h"

#include "app/Artwork.h"
#include "app/Panel.h"
#include "common/Colours.h"
#include "common/Palette.h"
#include "common/SettingsStore.h"
#include "organisers/YearPlannerPrint.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Printing.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>

namespace {

constexpr QSize ClientSize(627, 439);
constexpr int StripHeight = 21;
constexpr int Top = 27;
constexpr QSize GridSize(449, 404);
constexpr int LabelWidth = 30;
constexpr int EntryWidth = 396;
constexpr int RowHeight = 18;
constexpr int MonthSlot = 33;
const QColor Silver(192, 192, 192);
const QString ModuleKey = QStringLiteral("Orvik 2000\\Anniversary");
const QString FilesSection = QStringLiteral("Files");
const QString LastFileName = QStringLiteral("LastFile");
const QString NoLastFile = QStringLiteral("none");

// A month table. Its editor writes back on every keystroke, so the table
// always holds what is on screen, and any action can end an edit cleanly.
class DayGrid : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

    void endEdit()
    {
        if (state() != EditingState)
            return;
        if (QWidget* editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
};

class EntryDelegate : public QStyledItemDelegate {
public:
    EntryDelegate(QObject* keyWatcher, QObject* parent)
        : QStyledItemDelegate(parent), keyWatcher_(keyWatcher) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            auto* self = const_cast<EntryDelegate*>(this);
            connect(line, &QLineEdit::textEdited, self, [self, line] { emit self->commitData(line); });
            line->installEventFilter(keyWatcher_);
        }
        return editor;
    }

private:
    QObject* keyWatcher_;
};

QPixmap toolGlyph(int n)
{
    QPixmap pixmap(28, 28);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    const auto page = [&](const QRectF& r) {
        QPolygonF sheet{r.topLeft(), r.topRight() - QPointF(6, 0), r.topRight() + QPointF(0, 6),
                        r.bottomRight(), r.bottomLeft()};
        p.setBrush(Qt::white);
        p.drawPolygon(sheet);
    };
    const auto disk = [&] {
        p.setBrush(QColor(40, 70, 160));
        p.drawRect(QRectF(4, 4, 20, 20));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(8, 4, 12, 8));
        p.setBrush(Qt::lightGray);
        p.drawRect(QRectF(8, 16, 12, 8));
    };
    const auto printer = [&](const QString& letter) {
        page(QRectF(8, 2, 12, 10));
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(QRectF(3, 11, 22, 11), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(8, 19, 12, 7));
        if (!letter.isEmpty()) {
            QFont font(QStringLiteral("Arial"));
            font.setPixelSize(9);
            font.setBold(true);
            p.setFont(font);
            p.drawText(QRectF(8, 2, 12, 10), Qt::AlignCenter, letter);
        }
    };
    switch (n) {
    case 1: page(QRectF(6, 3, 16, 22)); break;
    case 2:
        p.setBrush(QColor(230, 190, 60));
        p.drawPolygon(QPolygonF{QPointF(3, 8), QPointF(10, 8), QPointF(12, 10), QPointF(25, 10),
                                QPointF(25, 23), QPointF(3, 23)});
        break;
    case 3: disk(); break;
    case 4:
        disk();
        p.setBrush(Qt::black);
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(QPointF(19 + 3 * i, 26), 1, 1);
        break;
    case 5: printer(QStringLiteral("\u2699")); break;
    case 6: printer(QStringLiteral("M")); break;
    case 7: printer(QStringLiteral("Y")); break;
    }
    return pixmap;
}

} // namespace

AnniversariesWindow::AnniversariesWindow(const UtilityServices& services, QWidget* owner)
    : ToolWindow(services, owner, ClientSize)
{
    setObjectName(QStringLiteral("Anniversaries"));
    setWindowTitle(Caption);
    closePanel()->setObjectName(QStringLiteral("Panel23"));

    setPaletteColour(this, QPalette::Window, Qt::black);

    buildLayout();
    FormCreate();
}

AnniversariesWindow::~AnniversariesWindow() = default;

void AnniversariesWindow::buildLayout()
{
    Image10 = new QLabel(this);
    Image10->setObjectName(QStringLiteral("Image10"));
    Image10->setGeometry(0, 0, ClientSize.width(), StripHeight);
    Image10->setPixmap(artwork::borderStrip(QSize(ClientSize.width(), StripHeight), Qt::Horizontal));

    MonthPanel = new Panel(this);
    MonthPanel->setObjectName(QStringLiteral("MonthPanel"));
    MonthPanel->setColour(colours::MenuGrey);
    MonthPanel->setBevel(Panel::Bevel::Raised, 2);
    MonthPanel->setGeometry(4, Top, 100, GridSize.height());

    QFont buttonFont(QStringLiteral("Arial"));
    buttonFont.setPixelSize(12);
    buttonFont.setBold(true);
    for (int m = 1; m <= planner::MonthCount; ++m) {
        auto* highlight = new Panel(MonthPanel);
        highlight->setObjectName(QStringLiteral("Highlight%1").arg(m, 2, 10, QLatin1Char('0')));
        highlight->setGeometry(4, 4 + (m - 1) * MonthSlot, 92, MonthSlot - 2);
        highlights_[m - 1] = highlight;

        auto* button = new QPushButton(planner::monthName(m), highlight);
        button->setObjectName(QStringLiteral("Month%1").arg(m, 2, 10, QLatin1Char('0')));
        button->setGeometry(4, 3, 84, MonthSlot - 8);
        button->setFont(buttonFont);
        connect(button, &QPushButton::clicked, this, [this, m] { Month01Click(m); });
        months_[m - 1] = button;
    }

    Page = new QStackedWidget(this);
    Page->setObjectName(QStringLiteral("Page"));
    Page->setGeometry(QRect(QPoint(108, Top), GridSize));

    QFont gridFont(QStringLiteral("Times New Roman"));
    gridFont.setPixelSize(13);
    gridFont.setBold(true);
    for (int m = 1; m <= planner::MonthCount; ++m) {
        auto* page = new QWidget;
        page->setObjectName(planner::monthName(m));
        Page->addWidget(page);

        auto* grid = new DayGrid(planner::daysInMonth(m), 2, page);
        grid->setObjectName(m == 1 ? QStringLiteral("GR1") : QStringLiteral("Gr%1").arg(m));
        grid->setAccessibleName(planner::monthName(m));
        grid->setGeometry(QRect(QPoint(0, 0), GridSize));
        grid->setFont(gridFont);
        grid->setStyleSheet(QStringLiteral(
            "QTableWidget { background: white; gridline-color: #808080; }"
            "QTableWidget::item { padding: 0px 1px; }"
            "QHeaderView::section { background: silver; color: black; padding: 0px; font-weight: bold;"
            " border: 0px; border-right: 1px solid #808080; border-bottom: 1px solid #808080; }"));
        grid->setItemDelegateForColumn(1, new EntryDelegate(this, grid));
        grid->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                              | QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
        grid->setSelectionMode(QAbstractItemView::SingleSelection);
        // The labels fill their narrow column; never shorten them to "1…".
        grid->setTextElideMode(Qt::ElideNone);
        grid->setWordWrap(false);
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->verticalHeader()->hide();
        grid->verticalHeader()->setMinimumSectionSize(RowHeight);
        grid->verticalHeader()->setDefaultSectionSize(RowHeight);
        grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        QHeaderView* header = grid->horizontalHeader();
        header->setFont(gridFont);
        header->setFixedHeight(RowHeight);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setHighlightSections(false);
        header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        grid->setHorizontalHeaderLabels({DateHeader, DetailsHeader});
        grid->setColumnWidth(0, LabelWidth);
        grid->setColumnWidth(1, EntryWidth);
        for (int day = 1; day <= planner::daysInMonth(m); ++day) {
            auto* label = new QTableWidgetItem(planner::dayLabel(day));
            label->setFlags(Qt::ItemIsEnabled);
            label->setBackground(Silver);
            label->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            grid->setItem(day - 1, 0, label);
            grid->setItem(day - 1, 1, new QTableWidgetItem);
        }
        grid->installEventFilter(this);
        connect(grid, &QTableWidget::itemChanged, this,
                [this, m](QTableWidgetItem* item) { entryEdited(m, item); });
        grids_[m - 1] = grid;
    }

    ControlPanel = new Panel(this);
    ControlPanel->setObjectName(QStringLiteral("ControlPanel"));
    ControlPanel->setColour(colours::MenuGrey);
    ControlPanel->setBevel(Panel::Bevel::Raised, 2);
    ControlPanel->setGeometry(561, Top, 62, GridSize.height());
    const std::array<void (AnniversariesWindow::*)(), 7> actions{
        &AnniversariesWindow::ClearData1Click,  &AnniversariesWindow::OpenData1Click,
        &AnniversariesWindow::SaveData1Click,   &AnniversariesWindow::SaveDataAs1Click,
        &AnniversariesWindow::PrintSetup1Click, &AnniversariesWindow::PrintSelectedMonth1Click,
        &AnniversariesWindow::PrintData1Click};
    for (int i = 0; i < 7; ++i) {
        auto* button = new QToolButton(ControlPanel);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(i + 1));
        button->setGeometry(8, 10 + i * 56, 46, 46);
        button->setIcon(toolGlyph(i + 1));
        button->setIconSize(QSize(28, 28));
        button->setToolTip(ToolHints[i]);
        button->setAccessibleName(ToolHints[i]);
        connect(button, &QToolButton::clicked, this, actions[i]);
        speedButtons_[i] = button;
    }

    helpPanel()->raise();
    closePanel()->raise();
}

void AnniversariesWindow::FormCreate()
{
    const QString last = SettingsStore(ModuleKey).readString(FilesSection, LastFileName, NoLastFile);
    if (last != NoLastFile) {
        openDialogFile_ = last;
        // A last file that has gone or gone bad is not worth a message at start.
        if (LoadData(last)) {
            saved_ = true;
            saveDialogFile_ = last;
            DrawGridHint(last);
        } else {
            openDialogFile_.clear();
            ClearData();
        }
    }
    Month01Click(platform::Clock::instance().now().date().month());
    saved_ = true;
}

void AnniversariesWindow::Month01Click(int month)
{
    if (month < 1 || month > planner::MonthCount)
        return;
    DrawMonth(month);
    selectedMonth_ = month;
    Page->setCurrentIndex(month - 1);
}

void AnniversariesWindow::DrawMonth(int month)
{
    for (int m = 1; m <= planner::MonthCount; ++m)
        highlights_[m - 1]->setColour(m == month ? QColor(Qt::red) : colours::LightBlue);
}

void AnniversariesWindow::GR1KeyPress() { saved_ = false; }

void AnniversariesWindow::entryEdited(int month, QTableWidgetItem* item)
{
    if (loading_ || item->column() != 1)
        return;
    const int day = item->row() + 1;
    const QString before = planner_.entry(month, day);
    planner_.setEntry(month, day, item->text());
    const QString now = planner_.entry(month, day);
    if (now != item->text()) {
        // A pasted line break would not survive the file; show what will.
        loading_ = true;
        item->setText(now);
        loading_ = false;
    }
    if (now != before)
        saved_ = false;
}

bool AnniversariesWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Only keys that type a character count, control characters (Enter,
    // Escape, Backspace, Tab) included; moving about leaves the data saved.
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        const QChar c = text.isEmpty() ? QChar() : text.front();
        if (c.isPrint() || QStringLiteral("\b\r\t\x1b").contains(c))
            GR1KeyPress();
    }
    return ToolWindow::eventFilter(watched, event);
}

void AnniversariesWindow::DrawGridHint(const QString& path)
{
    for (QTableWidget* grid : grids_)
        grid->setToolTip(path);
}

void AnniversariesWindow::ClearData()
{
    endEdits();
    planner_.clear();
    showPlanner();
    saved_ = true;
}

bool AnniversariesWindow::LoadData(const QString& path)
{
    const auto loaded = planner::readPlannerFile(path);
    if (!loaded)
        return false;
    endEdits();
    planner_ = *loaded;
    showPlanner();
    return true;
}

void AnniversariesWindow::showPlanner()
{
    loading_ = true;
    for (int m = 1; m <= planner::MonthCount; ++m)
        for (int day = 1; day <= planner::daysInMonth(m); ++day)
            grids_[m - 1]->item(day - 1, 1)->setText(planner_.entry(m, day));
    loading_ = false;
}

void AnniversariesWindow::endEdits()
{
    for (QTableWidget* grid : grids_)
        static_cast<DayGrid*>(grid)->endEdit();
}

bool AnniversariesWindow::offerToSave()
{
    if (saved_)
        return true;
    const int answer = platform::showMessage(this, platform::MessageKind::Confirmation, SaveQuestion,
                                             platform::Yes | platform::No);
    // Work the user asked to keep is never thrown away by a save that failed.
    return answer != platform::Yes || save();
}

void AnniversariesWindow::ClearData1Click()
{
    endEdits();
    if (!offerToSave())
        return;
    ClearData();
    saveDialogFile_.clear();
}

void AnniversariesWindow::OpenData1Click()
{
    endEdits();
    if (!offerToSave())
        return;
    const QString name = platform::Dialogs::instance().openFileName(this, Caption, openDialogFile_,
                                                                    FileFilter);
    if (name.isEmpty())
        return;
    openDialogFile_ = name;
    if (LoadData(name)) {
        saved_ = true;
        saveDialogFile_ = name;
        DrawGridHint(name);
        return;
    }
    openDialogFile_.clear();
    platform::showMessage(this, platform::MessageKind::Information, NotValidText, platform::Ok);
    ClearData();
    // The emptied tables are no longer that file: a Save must not overwrite it.
    saveDialogFile_.clear();
}

void AnniversariesWindow::SaveData1Click()
{
    endEdits();
    save();
}

void AnniversariesWindow::SaveDataAs1Click()
{
    endEdits();
    saveAs();
}

bool AnniversariesWindow::save()
{
    if (saveDialogFile_.isEmpty())
        return saveAs();
    if (planner::writePlannerFile(saveDialogFile_, planner_)) {
        DrawGridHint(saveDialogFile_);
        saved_ = true;
        SettingsStore(ModuleKey).writeString(FilesSection, LastFileName, saveDialogFile_);
        return true;
    }
    saveDialogFile_.clear();
    saved_ = false;
    platform::showMessage(this, platform::MessageKind::Information, CouldNotSaveText, platform::Ok);
    return false;
}

bool AnniversariesWindow::saveAs()
{
    QString name = platform::Dialogs::instance().saveFileName(this, Caption, saveDialogFile_, FileFilter);
    if (name.isEmpty())
        return false;
    // The dialog asked about the name as typed; a name that gains the
    // extension here is asked about again before anything is replaced.
    if (QFileInfo(name).suffix().isEmpty()) {
        name += QStringLiteral(".adb");
        if (QFileInfo::exists(name)
            && platform::showMessage(this, platform::MessageKind::Confirmation,
                                     ReplaceQuestion.arg(name), platform::Yes | platform::No)
                   != platform::Yes)
            return false;
    }
    saveDialogFile_ = name;
    return save();
}

QPrinter* AnniversariesWindow::printer()
{
    if (!printer_)
        printer_ = platform::Printing::instance().currentPrinter();
    if (!printer_)
        platform::showMessage(this, platform::MessageKind::Information,
                              platform::Printing::noPrinterText(), platform::Ok);
    return printer_.get();
}

void AnniversariesWindow::PrintSetup1Click()
{
    if (QPrinter* p = printer())
        platform::Printing::instance().printerSetup(this, *p);
}

void AnniversariesWindow::PrintSelectedMonth1Click() { PrintMonth(selectedMonth_, selectedMonth_); }

void AnniversariesWindow::PrintData1Click() { PrintMonth(1, planner::MonthCount); }

void AnniversariesWindow::PrintMonth(int firstMonth, int lastMonth)
{
    endEdits();
    QPrinter* p = printer();
    if (!p || !platform::Printing::instance().printDialog(this, *p))
        return;
    p->setPageOrientation(QPageLayout::Portrait);
    // One job per copy, so the printer must not multiply them again.
    const int copies = qMax(1, p->copyCount());
    p->setCopyCount(1);
    for (int copy = 0; copy < copies; ++copy) {
        const auto lines = planner::printLayout(planner_, firstMonth, lastMonth,
                                                platform::Clock::instance().now(), QLocale());
        if (!planner::printLines(*p, lines)) {
            platform::showMessage(this, platform::MessageKind::Information, PrintFailedText,
                                  platform::Ok);
            return;
        }
    }
}

void AnniversariesWindow::QuittoMenu1Click() { closeIfAllowed(); }

void AnniversariesWindow::closePanelClicked() { QuittoMenu1Click(); }

bool AnniversariesWindow::queryClose()
{
    endEdits();
    // A save that was wanted and failed keeps the window, and the work, open.
    return offerToSave();
}

