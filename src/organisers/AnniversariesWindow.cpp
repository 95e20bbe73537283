#include "organisers/AnniversariesWindow.h"

#include "app/Artwork.h"
#include "app/Panel.h"
#include "common/AccessibleValue.h"
#include "common/Colours.h"
#include "common/Palette.h"
#include "common/SettingsStore.h"
#include "organisers/DayGrid.h"
#include "organisers/PlannerMonthModel.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>

namespace {

constexpr QSize ClientSize(627, 439);
constexpr int StripHeight = 21;
constexpr int Top = 27;
constexpr QSize GridSize(449, 404);
constexpr int MonthSlot = 33;
const QString ModuleKey = QStringLiteral("Orvik 2000\\Anniversary");
const QString FilesSection = QStringLiteral("Files");
const QString LastFileName = QStringLiteral("LastFile");
const QString NoLastFile = QStringLiteral("none");

DocumentFile::Texts plannerFileTexts()
{
    DocumentFile::Texts texts;
    texts.saveQuestion = AnniversariesWindow::SaveQuestion;
    texts.couldNotSave = AnniversariesWindow::CouldNotSaveText;
    texts.saveDialogTitle = AnniversariesWindow::Caption;
    texts.fileFilter = AnniversariesWindow::FileFilter;
    texts.extension = QStringLiteral("adb");
    texts.replaceQuestion = AnniversariesWindow::ReplaceQuestion;
    return texts;
}

// The pictures of the tool buttons, drawn rather than loaded.
QPixmap commandGlyph(AnniversariesWindow::Command command)
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
    using C = AnniversariesWindow;
    switch (command) {
    case C::NewCommand: page(QRectF(6, 3, 16, 22)); break;
    case C::OpenCommand:
        p.setBrush(QColor(230, 190, 60));
        p.drawPolygon(QPolygonF{QPointF(3, 8), QPointF(10, 8), QPointF(12, 10), QPointF(25, 10),
                                QPointF(25, 23), QPointF(3, 23)});
        break;
    case C::SaveCommand: disk(); break;
    case C::SaveAsCommand:
        disk();
        p.setBrush(Qt::black);
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(QPointF(19 + 3 * i, 26), 1, 1);
        break;
    case C::PrintSetupCommand: printer(QStringLiteral("\u2699")); break;
    case C::PrintMonthCommand: printer(QStringLiteral("M")); break;
    case C::PrintYearCommand: printer(QStringLiteral("Y")); break;
    case C::CommandCount: break;
    }
    return pixmap;
}

std::array<QIcon, AnniversariesWindow::CommandCount>* commandIcons = nullptr;

void dropCommandIcons()
{
    delete commandIcons;
    commandIcons = nullptr;
}

// The pictures are drawn once for the program, not for every opening: an
// icon keeps its drawings in Qt's pixmap cache under the picture's own
// number, and the cache's table of names (Qt 6.4) keeps every name it was
// given, so a picture drawn afresh each time would leave a name behind at
// every opening. They go with the application, while pictures can be freed.
const QIcon& commandIcon(AnniversariesWindow::Command command)
{
    if (!commandIcons) {
        commandIcons = new std::array<QIcon, AnniversariesWindow::CommandCount>;
        for (int c = 0; c < AnniversariesWindow::CommandCount; ++c)
            (*commandIcons)[size_t(c)] = QIcon(commandGlyph(AnniversariesWindow::Command(c)));
        qAddPostRoutine(dropCommandIcons);
    }
    return (*commandIcons)[size_t(command)];
}

} // namespace

AnniversariesWindow::AnniversariesWindow(const UtilityServices& services, QWidget* owner)
    : ToolWindow(services, owner, ClientSize)
    , document_(services.dialogs, this, plannerFileTexts(),
                [this](const QString& path) { return planner::writePlannerFile(path, planner_); })
    , printer_(services.dialogs, this, {platform::MessageKind::Information, PrintFailedText})
{
    // Only a saved file is opened again next time; opening one is not enough.
    document_.saved = [this](const QString& path) { fileSaved(path); };
    setObjectName(QStringLiteral("AnniversariesWindow"));
    setWindowTitle(Caption);

    setWindowColour(this, Qt::black);

    buildLayout();
    openLastFile();
    showMonth(services.clock.now().date().month());
}

AnniversariesWindow::~AnniversariesWindow() = default;

QTableView* AnniversariesWindow::grid(int month) const { return monthGrids_[month - 1]; }

void AnniversariesWindow::buildLayout()
{
    topBorder_ = new QLabel(this);
    topBorder_->setObjectName(QStringLiteral("topBorder"));
    topBorder_->setGeometry(0, 0, ClientSize.width(), StripHeight);
    topBorder_->setPixmap(artwork::borderStrip(QSize(ClientSize.width(), StripHeight), Qt::Horizontal));

    buildMonthButtons();
    buildMonthGrids();
    buildCommandButtons();

    helpPanel()->raise();
    closePanel()->raise();
}

void AnniversariesWindow::buildMonthButtons()
{
    monthPanel_ = new Panel(this);
    monthPanel_->setObjectName(QStringLiteral("monthPanel"));
    monthPanel_->setColour(colours::MenuGrey);
    monthPanel_->setBevel(Panel::Bevel::Raised, 2);
    monthPanel_->setGeometry(4, Top, 100, GridSize.height());

    QFont buttonFont(QStringLiteral("Arial"));
    buttonFont.setPixelSize(12);
    buttonFont.setBold(true);
    for (int m = 1; m <= planner::MonthCount; ++m) {
        auto* highlight = new Panel(monthPanel_);
        highlight->setObjectName(QStringLiteral("monthHighlight%1").arg(m));
        highlight->setGeometry(4, 4 + (m - 1) * MonthSlot, 92, MonthSlot - 2);
        monthHighlights_[m - 1] = highlight;

        auto* button = new QPushButton(planner::monthName(m), highlight);
        button->setObjectName(QStringLiteral("monthButton%1").arg(m));
        button->setGeometry(4, 3, 84, MonthSlot - 8);
        button->setFont(buttonFont);
        connect(button, &QPushButton::clicked, this, [this, m] { showMonth(m); });
        monthButtons_[m - 1] = button;
    }
}

void AnniversariesWindow::buildMonthGrids()
{
    monthPages_ = new QStackedWidget(this);
    monthPages_->setObjectName(QStringLiteral("monthPages"));
    monthPages_->setGeometry(QRect(QPoint(108, Top), GridSize));
    for (int m = 1; m <= planner::MonthCount; ++m) {
        auto* page = new QWidget;
        page->setObjectName(planner::monthName(m));
        monthPages_->addWidget(page);

        auto* month = new PlannerMonthModel(planner_, m, this);
        connect(month, &PlannerMonthModel::entryEdited, this, [this] { document_.setModified(); });
        monthModels_[m - 1] = month;

        auto* grid = new DayGrid(month, this, page);
        grid->setObjectName(QStringLiteral("monthGrid%1").arg(m));
        grid->setAccessibleName(planner::monthName(m));
        grid->setGeometry(QRect(QPoint(0, 0), GridSize));
        monthGrids_[m - 1] = grid;
    }
}

void AnniversariesWindow::buildCommandButtons()
{
    commandPanel_ = new Panel(this);
    commandPanel_->setObjectName(QStringLiteral("commandPanel"));
    commandPanel_->setColour(colours::MenuGrey);
    commandPanel_->setBevel(Panel::Bevel::Raised, 2);
    commandPanel_->setGeometry(561, Top, 62, GridSize.height());
    const std::array<void (AnniversariesWindow::*)(), CommandCount> actions{
        &AnniversariesWindow::newYear,    &AnniversariesWindow::openFile,
        &AnniversariesWindow::save,       &AnniversariesWindow::saveAs,
        &AnniversariesWindow::printSetup, &AnniversariesWindow::printSelectedMonth,
        &AnniversariesWindow::printYear};
    const std::array<QString, CommandCount> names{
        QStringLiteral("newButton"),        QStringLiteral("openButton"),
        QStringLiteral("saveButton"),       QStringLiteral("saveAsButton"),
        QStringLiteral("printSetupButton"), QStringLiteral("printMonthButton"),
        QStringLiteral("printYearButton")};
    for (int c = 0; c < CommandCount; ++c) {
        const auto command = Command(c);
        auto* button = new QToolButton(commandPanel_);
        button->setObjectName(names[command]);
        button->setGeometry(8, 10 + c * 56, 46, 46);
        button->setIcon(commandIcon(command));
        button->setIconSize(QSize(28, 28));
        button->setToolTip(CommandHints[command]);
        button->setAccessibleName(CommandHints[command]);
        connect(button, &QToolButton::clicked, this, actions[command]);
        commandButtons_[command] = button;
    }
}

void AnniversariesWindow::openLastFile()
{
    const QString last = SettingsStore(ModuleKey).readString(FilesSection, LastFileName, NoLastFile);
    if (last == NoLastFile)
        return;
    lastOpenedFile_ = last;
    // A last file that has gone or gone bad is not worth a message at start.
    if (loadFile(last)) {
        document_.opened(last);
        showFileNameAsHint(last);
    } else {
        lastOpenedFile_.clear();
        clearEntries();
    }
}

void AnniversariesWindow::showMonth(int month)
{
    if (month < 1 || month > planner::MonthCount)
        return;
    colourMonthPanels(month);
    selectedMonth_ = month;
    monthPages_->setCurrentIndex(month - 1);
}

void AnniversariesWindow::colourMonthPanels(int selected)
{
    for (int m = 1; m <= planner::MonthCount; ++m) {
        monthHighlights_[m - 1]->setColour(m == selected ? QColor(Qt::red) : colours::LightBlue);
        // The red frame marks the month shown; a reader hears it on the button.
        accessible::showValue(monthButtons_[m - 1], planner::monthName(m),
                              m == selected ? QStringLiteral("selected") : QString());
    }
}

bool AnniversariesWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Only keys that type a character count, control characters (Enter,
    // Escape, Backspace, Tab) included; moving about leaves the data saved.
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        const QChar c = text.isEmpty() ? QChar() : text.front();
        if (c.isPrint() || QStringLiteral("\b\r\t\x1b").contains(c))
            document_.setModified();
    }
    return ToolWindow::eventFilter(watched, event);
}

void AnniversariesWindow::showFileNameAsHint(const QString& path)
{
    for (DayGrid* grid : monthGrids_)
        grid->setToolTip(path);
}

void AnniversariesWindow::clearEntries()
{
    endEdits();
    planner_.clear();
    showPlanner();
}

bool AnniversariesWindow::loadFile(const QString& path)
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
    for (PlannerMonthModel* month : monthModels_)
        month->entriesReplaced();
}

void AnniversariesWindow::endEdits()
{
    for (DayGrid* grid : monthGrids_)
        grid->endEdit();
}

void AnniversariesWindow::newYear()
{
    endEdits();
    if (!document_.maybeSave())
        return;
    clearEntries();
    document_.reset();
}

void AnniversariesWindow::openFile()
{
    endEdits();
    if (!document_.maybeSave())
        return;
    const QString name = services().dialogs.openFileName(this, Caption, lastOpenedFile_, FileFilter);
    if (name.isEmpty())
        return;
    lastOpenedFile_ = name;
    if (loadFile(name)) {
        document_.opened(name);
        showFileNameAsHint(name);
        return;
    }
    lastOpenedFile_.clear();
    services().dialogs.message(this, platform::MessageKind::Information, NotValidText, platform::Ok);
    clearEntries();
    // The emptied tables are no longer that file: a Save must not overwrite it.
    document_.reset();
}

void AnniversariesWindow::save()
{
    endEdits();
    document_.save();
}

void AnniversariesWindow::saveAs()
{
    endEdits();
    document_.saveAs();
}

void AnniversariesWindow::fileSaved(const QString& path)
{
    showFileNameAsHint(path);
    SettingsStore(ModuleKey).writeString(FilesSection, LastFileName, path);
}

void AnniversariesWindow::printSetup() { printer_.setUp(); }

void AnniversariesWindow::printSelectedMonth() { printMonths(selectedMonth_, selectedMonth_); }

void AnniversariesWindow::printYear() { printMonths(1, planner::MonthCount); }

void AnniversariesWindow::printMonths(int firstMonth, int lastMonth)
{
    endEdits();
    printer_.print(QPageLayout::Portrait, [&] {
        return planner::printLayout(planner_, firstMonth, lastMonth, services().clock.now(), QLocale());
    });
}

void AnniversariesWindow::closeToMenu() { closeIfAllowed(); }

void AnniversariesWindow::closePanelClicked() { closeToMenu(); }

bool AnniversariesWindow::queryClose()
{
    endEdits();
    return document_.maybeSave();
}

