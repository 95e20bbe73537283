#include "organisers/StopwatchWindow.h"

#include "app/Artwork.h"
#include "app/Panel.h"
#include "app/PictureStore.h"
#include "app/SoundEffects.h"
#include "common/Colours.h"
#include "common/DigitDisplay.h"
#include "common/HelpText.h"
#include "common/Palette.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Printing.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

using namespace timing;

namespace {

constexpr QSize ClientSize(641, 473);
constexpr int BorderHeight = 21;
constexpr int MenuButtonHeight = 21;
constexpr QSize GlyphSize(25, 41);
constexpr QSize ButtonSize(361, 73);
// Positions of the digits L6 (units of seconds) and L7 (tenths) in "HH:MM:SS:cc".
constexpr int SecondsUnitsAt = 7;
constexpr int TenthsAt = 9;

const QString IdleCaption = QStringLiteral("Stopwatch");
const QString NoFileCaption = QStringLiteral("Voruz Ud!");
const QString SavedCaption = QStringLiteral("Stopwatch - ");
const QString OpenedCaption = QStringLiteral("Voruz Ud! - ");
const QString NothingToClear = QStringLiteral("There is nothing to clear!");
const QString AskToSave = QStringLiteral("Do you want to save your current timings?");
const QString BlankEntry = QStringLiteral("You cannot delete a blank entry!");
const QString ConfirmDelete = QStringLiteral("Are you sure that you wish to delete this line?");
const QString EmptySave = QStringLiteral("You cannot save an empty file!");
const QString EmptyPrint = QStringLiteral("You cannot Print an empty list!");
const QString CouldNotSave = QStringLiteral("Could not Save.  ") + QLatin1Char('\r')
                             + QStringLiteral("Possible Causes :- Disk Full, Unformatted, CD-ROM, ")
                             + QStringLiteral("Write Protected or Corrupted");
const QString NotATimingFile = QStringLiteral("File Corrupted or not a valid .TIM format file");
const QString StopFirst = QStringLiteral("Please stop current timing before closing");
const QString ReplaceFile = QStringLiteral("%1 already exists.\r\nDo you want to replace it?");
const QString PrintFailed = QStringLiteral("The timing list could not be printed.");
const QString OpenTitle = QStringLiteral("Open Timing File");
const QString SaveTitle = QStringLiteral("Save Timing File");
const QString FileFilter = QStringLiteral("Timing List (*.tim)");
const QString StartCaption = QStringLiteral("Start Timer");
const QString StopCaption = QStringLiteral("Stop Timer");

constexpr std::uint8_t NoteOnSeconds = 0x94; // channel 4
constexpr std::uint8_t NoteOnTenths = 0x99;  // channel 9

// The grid: only the label column can be selected, by mouse or by keys.
class TimingGrid : public QTableWidget {
public:
    TimingGrid(QWidget* parent, StopwatchWindow* window) : QTableWidget(parent), window_(window) {}

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override
    {
        const QModelIndex to = QTableWidget::moveCursor(action, modifiers);
        return to.isValid() ? model()->index(to.row(), Label) : to;
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        const QModelIndex at = indexAt(event->position().toPoint());
        if (at.isValid() && !window_->Gr1SelectCell(at.column(), at.row() + 1)) {
            event->accept();
            return;
        }
        QTableWidget::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        // Dragging would carry the current cell into other columns.
        if (event->buttons() != Qt::NoButton) {
            event->accept();
            return;
        }
        QTableWidget::mouseMoveEvent(event);
    }

private:
    StopwatchWindow* window_;
};

// The start/stop picture hands its presses and releases to the window; a
// key on it works as a click, for those who do not use a mouse.
class StartStopPicture : public QLabel {
public:
    StartStopPicture(QWidget* parent, StopwatchWindow* window) : QLabel(parent), window_(window)
    {
        setFocusPolicy(Qt::TabFocus);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        event->accept();
        if (event->button() == Qt::LeftButton)
            window_->ButtonPicMouseDown(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        event->accept();
        if (event->button() == Qt::LeftButton)
            window_->ButtonPicMouseUp(event);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Space || event->key() == Qt::Key_Return) && !event->isAutoRepeat()) {
            window_->ButtonPicMouseDown(nullptr);
            window_->ButtonPicMouseUp(nullptr);
            return;
        }
        QLabel::keyPressEvent(event);
    }

private:
    StopwatchWindow* window_;
};

} // namespace

StopwatchWindow::StopwatchWindow(const UtilityServices& services, QWidget* owner)
    : ToolWindow(services, owner, ClientSize), recent_(QStringLiteral("Orvik 2000\\Stopwatch"))
{
    setObjectName(QStringLiteral("WatchIt"));
    setWindowTitle(IdleCaption);
    closePanel()->setObjectName(QStringLiteral("Panel3"));

    setPaletteColour(this, QPalette::Window, Qt::black);

    buildLayout();

    // Idle costs nothing: the display timer runs only while a timing runs.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &StopwatchWindow::Timer1Timer);

    FormCreate();
}

StopwatchWindow::~StopwatchWindow() = default;

QPushButton* StopwatchWindow::menuButton(const QString& name, const QString& caption, int index)
{
    auto* button = new QPushButton(caption, SpeedMenu0);
    button->setObjectName(name);
    button->setGeometry(2, 2 + index * MenuButtonHeight, SpeedMenu0->width() - 4, MenuButtonHeight);
    button->setFlat(true);
    button->setStyleSheet(QStringLiteral("text-align: left; padding-left: 6px;"));
    return button;
}

void StopwatchWindow::buildLayout()
{
    const int w = ClientSize.width();
    Image3 = new QLabel(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(0, 0, w, BorderHeight);
    Image3->setPixmap(artwork::borderStrip(QSize(w, BorderHeight), Qt::Horizontal));

    closePanel()->move(w - 20, 1);
    helpPanel()->move(w - 40, 1);

    FunctionPanel = new Panel(this);
    FunctionPanel->setObjectName(QStringLiteral("FunctionPanel"));
    FunctionPanel->setColour(colours::MenuGrey);
    FunctionPanel->setBevel(Panel::Bevel::Raised, 1);
    FunctionPanel->setGeometry(0, BorderHeight, w, 27);
    FileMenu = new QPushButton(QStringLiteral("File"), FunctionPanel);
    FileMenu->setObjectName(QStringLiteral("FileMenu"));
    FileMenu->setGeometry(4, 3, 60, 21);
    // A click opens the menu too, so it can be reached without hovering.
    connect(FileMenu, &QPushButton::clicked, this, [this] { FileMenuMouseMove(FileMenu); });

    // The grid: 8 fixed-width columns plus room for the scroll bar.
    int gridWidth = 0;
    for (int width : columnWidths())
        gridWidth += width;
    gridWidth += 2 + 18;
    Gr1 = new TimingGrid(this, this);
    Gr1->setObjectName(QStringLiteral("Gr1"));
    Gr1->setGeometry((w - gridWidth) / 2, 56, gridWidth, 228);
    QFont gridFont(QStringLiteral("Times New Roman"));
    gridFont.setPixelSize(13);
    gridFont.setBold(true);
    Gr1->setFont(gridFont);
    Gr1->setColumnCount(ColumnCount);
    Gr1->verticalHeader()->hide();
    Gr1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Gr1->verticalHeader()->setDefaultSectionSize(17);
    Gr1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Gr1->horizontalHeader()->setFixedHeight(17);
    Gr1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Gr1->horizontalHeader()->setHighlightSections(false);
    Gr1->horizontalHeader()->setSectionsClickable(false);
    Gr1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Gr1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Gr1->setSelectionMode(QAbstractItemView::SingleSelection);
    Gr1->setSelectionBehavior(QAbstractItemView::SelectItems);
    Gr1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                         | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    Gr1->setTabKeyNavigation(false);
    Gr1->setWordWrap(false);
    Gr1->setAccessibleName(QStringLiteral("Timings"));
    connect(Gr1, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!updatingGrid_)
            Gr1SetEditText(item->column(), item->row() + 1, item->text());
    });

    DelHigh = new QAction(QStringLiteral("&Delete Selected Line"), Gr1);
    DelHigh->setObjectName(QStringLiteral("DelHigh"));
    DelHigh->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    FirstLine1 = new QAction(QStringLiteral("&First Line"), Gr1);
    FirstLine1->setObjectName(QStringLiteral("FirstLine1"));
    FirstLine1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    LastLine1 = new QAction(QStringLiteral("&Last Line"), Gr1);
    LastLine1->setObjectName(QStringLiteral("LastLine1"));
    LastLine1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    for (QAction* action : {DelHigh, FirstLine1, LastLine1}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        Gr1->addAction(action);
    }
    Gr1->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(DelHigh, &QAction::triggered, this, &StopwatchWindow::DelHighClick);
    connect(FirstLine1, &QAction::triggered, this, &StopwatchWindow::FirstLine1Click);
    connect(LastLine1, &QAction::triggered, this, &StopwatchWindow::LastLine1Click);

    // The digit display: HH:MM:SS:cc on black.
    const QSize digitsSize(11 * GlyphSize.width(), GlyphSize.height());
    Panel2 = new Panel(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setColour(Qt::black);
    Panel2->setBevel(Panel::Bevel::Lowered, 1);
    Panel2->setGeometry((w - digitsSize.width() - 16) / 2, 294, digitsSize.width() + 16,
                        digitsSize.height() + 12);
    digits_ = new DigitDisplay(11, GlyphSize, Panel2);
    digits_->setObjectName(QStringLiteral("Digits"));
    digits_->move(8, 6);
    for (int d = 0; d <= 9; ++d)
        digits_->setGlyph(QChar('0' + d), services().pictures.picture(QStringLiteral("N%1").arg(d)));
    digits_->setGlyph(QLatin1Char(':'), services().pictures.picture(QStringLiteral("NC")));
    const char* const positionNames[] = {"L1", "L2", "C1", "L3", "L4", "C2", "L5", "L6", "C3", "L7", "L8"};
    for (int i = 0; i < digits_->positionCount(); ++i)
        digits_->position(i)->setObjectName(QString::fromLatin1(positionNames[i]));

    ButtonPic = new StartStopPicture(this, this);
    ButtonPic->setObjectName(QStringLiteral("ButtonPic"));
    ButtonPic->setGeometry(QRect(QPoint((w - ButtonSize.width()) / 2, 380), ButtonSize));
    ButtonPic->setCursor(Qt::PointingHandCursor);

    // The File menu drops over the grid.
    SpeedMenu0 = new Panel(this);
    SpeedMenu0->setObjectName(QStringLiteral("SpeedMenu0"));
    SpeedMenu0->setColour(colours::MenuGrey);
    SpeedMenu0->setBevel(Panel::Bevel::Raised, 1);
    SpeedMenu0->setGeometry(4, BorderHeight + 26, 340, 11 * MenuButtonHeight + 4);
    NewFile = menuButton(QStringLiteral("NewFile"), QStringLiteral("New"), 0);
    OpenFile = menuButton(QStringLiteral("OpenFile"), QStringLiteral("Open"), 1);
    SaveFile = menuButton(QStringLiteral("SaveFile"), QStringLiteral("Save"), 2);
    SaveFileAs = menuButton(QStringLiteral("SaveFileAs"), QStringLiteral("Save As"), 3);
    PrintSetup = menuButton(QStringLiteral("PrintSetup"), QStringLiteral("Print Setup"), 4);
    PrintFile = menuButton(QStringLiteral("PrintFile"), QStringLiteral("Print"), 5);
    for (int n = 1; n <= RecentFiles::SlotCount; ++n) {
        recentButtons_[n - 1] = menuButton(QStringLiteral("File%1").arg(n), QStringLiteral("%1.").arg(n), 5 + n);
        connect(recentButtons_[n - 1], &QPushButton::clicked, this, [this, n] { File1Click(n); });
    }
    CloseButton = menuButton(QStringLiteral("CloseButton"), QStringLiteral("Close"), 10);
    connect(NewFile, &QPushButton::clicked, this, &StopwatchWindow::ClearTimings1Click);
    connect(OpenFile, &QPushButton::clicked, this, &StopwatchWindow::OpenTimings1Click);
    connect(SaveFile, &QPushButton::clicked, this, &StopwatchWindow::SaveTimings1Click);
    connect(SaveFileAs, &QPushButton::clicked, this, &StopwatchWindow::SaveTimingsAs1Click);
    connect(PrintSetup, &QPushButton::clicked, this, &StopwatchWindow::PrintSetup1Click);
    connect(PrintFile, &QPushButton::clicked, this, &StopwatchWindow::PrintTimings1Click);
    connect(CloseButton, &QPushButton::clicked, this, &StopwatchWindow::QuittoMenu1Click);
    SpeedMenu0->hide();

    helpPanel()->raise();
    closePanel()->raise();

    // Every move over the window decides whether the File menu stays up.
    setMouseTracking(true);
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->setMouseTracking(true);
        child->installEventFilter(this);
    }
}

void StopwatchWindow::FormCreate()
{
    digits_->display(displayText({}));
    digits_->setAccessibleName(displayText({}));
    showButtonPicture(QStringLiteral("StartOut"));
    ShowExistingFiles();
}

void StopwatchWindow::ShowExistingFiles()
{
    recent_.read();
    for (int n = 1; n <= RecentFiles::SlotCount; ++n) {
        QPushButton* button = recentButtons_[n - 1];
        const bool used = !recent_.slot(n).isEmpty();
        button->setText(used ? recent_.caption(n) : QStringLiteral("%1.").arg(n));
        button->setEnabled(used);
    }
}

void StopwatchWindow::activated()
{
    if (setUp_)
        return;
    setUp_ = true;
    running_ = false;
    Gr1->setColumnCount(ColumnCount);
    for (int c = 0; c < ColumnCount; ++c) {
        Gr1->setColumnWidth(c, columnWidths()[c]);
        Gr1->setHorizontalHeaderItem(c, new QTableWidgetItem(headerTexts()[c]));
    }
    list_.clear();
    refreshGrid();
    selectRow(1);
    setHelpText(buildHelpText(
        QStringLiteral("Stopwatch"),
        {
            {QStringLiteral("This module enables you to perform multiple sequential timings and label them.  "), true},
            {QStringLiteral("To perform a timing you may enter a label then click the \"Start\" button.  ")},
            {QStringLiteral("Timing files may be saved/printed using the options on the File menu.    "), true},
            {QStringLiteral("To delete a timing, highlight it and right click, then select delete.   ")},
        }));
}

void StopwatchWindow::deactivated()
{
    // A closing window is hidden, not left for another.
    if (closing_)
        return;
    services().sounds.sweep(SoundGate::Midi, Sweep::ThreeChannel);
}

void StopwatchWindow::ButtonPicMouseDown(QMouseEvent*)
{
    const StartStopButton::Step step = button_.press();
    if (step.picture.isEmpty())
        return;
    showButtonPicture(step.picture);
    if (step.startStop)
        StartClick();
}

void StopwatchWindow::ButtonPicMouseUp(QMouseEvent*)
{
    const StartStopButton::Step step = button_.release();
    if (!step.picture.isEmpty())
        showButtonPicture(step.picture);
}

void StopwatchWindow::StartClick()
{
    saved_ = false;
    selectRow(list_.lastRow());
    if (!running_) {
        setFileCommandsEnabled(false);
        startInstant_ = platform::Clock::instance().now();
        list_.beginTiming(startInstant_.time());
        refreshCell(StartTime, list_.lastRow());
        running_ = true;
        ButtonPic->setAccessibleName(StopCaption);
        Timer1->start();
        return;
    }
    running_ = false;
    Timer1->stop();
    ButtonPic->setAccessibleName(StartCaption);
    const QDateTime now = platform::Clock::instance().now();
    const Elapsed elapsed = splitElapsed(startInstant_.msecsTo(now));
    const int timed = list_.lastRow();
    list_.endTiming(now.time(), elapsed);
    DisplayDigits(elapsed);
    refreshGrid();
    for (int c = StartTime; c < ColumnCount; ++c)
        refreshCell(c, timed);
    selectRow(list_.lastRow());
    Gr1->setFocus();
    setFileCommandsEnabled(true);
}

void StopwatchWindow::Timer1Timer()
{
    if (!running_) {
        Timer1->stop();
        return;
    }
    const Elapsed elapsed = splitElapsed(startInstant_.msecsTo(platform::Clock::instance().now()));
    for (int column : list_.showElapsed(elapsed))
        refreshCell(column, list_.lastRow());
    DisplayDigits(elapsed);
}

void StopwatchWindow::DisplayDigits(const Elapsed& elapsed)
{
    const QString before = digits_->text();
    const QString text = displayText(elapsed);
    if (digits_->display(text) == 0)
        return;
    digits_->setAccessibleName(text);
    if (before.at(SecondsUnitsAt) != text.at(SecondsUnitsAt))
        services().sounds.play(SoundGate::Reserved, NoteOnSeconds, 60, 127, digitTicks_);
    if (before.at(TenthsAt) != text.at(TenthsAt))
        services().sounds.play(SoundGate::Reserved, NoteOnTenths, 60, 127, digitTicks_);
}

bool StopwatchWindow::Gr1SelectCell(int column, int) const { return column == Label; }

void StopwatchWindow::Gr1SetEditText(int column, int row, const QString& text)
{
    if (column != Label || row < 1 || row > list_.rowCount())
        return;
    list_.setLabel(row, text);
    saved_ = false;
    // A pasted line break became a space; show what will be saved.
    refreshCell(Label, row);
}

void StopwatchWindow::DelHighClick()
{
    if (!DelHigh->isEnabled())
        return;
    const int row = qBound(1, Gr1->currentRow() + 1, list_.rowCount());
    if (list_.rowBlank(row)) {
        platform::showMessage(this, platform::MessageKind::Information, BlankEntry);
        Gr1->setFocus();
        return;
    }
    QPointer<StopwatchWindow> alive(this);
    const int answer = platform::showMessage(this, platform::MessageKind::Confirmation, ConfirmDelete,
                                             platform::Yes | platform::No);
    if (!alive)
        return;
    if (answer == platform::Yes) {
        saved_ = false;
        list_.deleteRow(row);
        refreshGrid();
        selectRow(qMin(row, list_.lastRow()));
    }
    Gr1->setFocus();
}

void StopwatchWindow::FirstLine1Click() { selectRow(1); }

void StopwatchWindow::LastLine1Click() { selectRow(list_.lastRow()); }

void StopwatchWindow::FileMenuMouseMove(QObject* over)
{
    if (over == FileMenu) {
        if (FileMenu->isEnabled() && !SpeedMenu0->isVisible()) {
            SpeedMenu0->show();
            SpeedMenu0->raise();
        }
        return;
    }
    for (QObject* o = over; o; o = o->parent())
        if (o == SpeedMenu0)
            return;
    hideFileMenu();
}

void StopwatchWindow::hideFileMenu() { SpeedMenu0->hide(); }

bool StopwatchWindow::offerToSave()
{
    if (saved_ || list_.isEmpty())
        return true;
    QPointer<StopwatchWindow> alive(this);
    const int answer = platform::showMessage(this, platform::MessageKind::Confirmation, AskToSave,
                                             platform::Yes | platform::No);
    if (!alive)
        return false;
    return answer != platform::Yes || SaveTimings1Click();
}

void StopwatchWindow::ClearTimings1Click()
{
    hideFileMenu();
    if (running_)
        return;
    if (list_.isEmpty()) {
        platform::showMessage(this, platform::MessageKind::Information, NothingToClear);
        return;
    }
    // A list the user wanted kept is not cleared when its save fails.
    if (!offerToSave())
        return;
    saved_ = true;
    fileName_.clear();
    setWindowTitle(NoFileCaption);
    list_.clear();
    refreshGrid();
    selectRow(1);
    DisplayDigits({});
}

void StopwatchWindow::OpenTimings1Click()
{
    hideFileMenu();
    if (running_ || !offerToSave())
        return;
    const QString path = platform::Dialogs::instance().openFileName(
        this, OpenTitle, fileName_.isEmpty() ? QString() : QFileInfo(fileName_).absolutePath(), FileFilter);
    if (!path.isEmpty())
        openFile(path, true);
}

void StopwatchWindow::File1Click(int slot)
{
    hideFileMenu();
    const QString path = recent_.slot(slot);
    if (running_ || path.isEmpty() || !offerToSave())
        return;
    openFile(path, false);
}

void StopwatchWindow::openFile(const QString& path, bool remember)
{
    std::optional<TimingList> read = readTimingFile(path);
    if (!read) {
        platform::showMessage(this, platform::MessageKind::Warning, NotATimingFile);
        return;
    }
    fileName_ = path;
    saved_ = true;
    setWindowTitle(OpenedCaption + path);
    list_ = std::move(*read);
    refreshGrid();
    selectRow(list_.lastRow());
    if (remember && recent_.add(path))
        ShowExistingFiles();
}

bool StopwatchWindow::SaveTimings1Click()
{
    hideFileMenu();
    if (running_)
        return false;
    if (list_.isEmpty()) {
        platform::showMessage(this, platform::MessageKind::Information, EmptySave);
        return false;
    }
    if (fileName_.isEmpty())
        return SaveTimingsAs1Click();
    if (writeTimingFile(fileName_, list_)) {
        saved_ = true;
        setWindowTitle(SavedCaption + fileName_);
        if (recent_.add(fileName_))
            ShowExistingFiles();
        return true;
    }
    fileName_.clear();
    saved_ = false;
    setWindowTitle(NoFileCaption);
    platform::showMessage(this, platform::MessageKind::Information, CouldNotSave);
    return false;
}

bool StopwatchWindow::SaveTimingsAs1Click()
{
    hideFileMenu();
    if (running_)
        return false;
    if (list_.isEmpty()) {
        platform::showMessage(this, platform::MessageKind::Information, EmptySave);
        return false;
    }
    QString path = platform::Dialogs::instance().saveFileName(
        this, SaveTitle, fileName_.isEmpty() ? QString() : QFileInfo(fileName_).absolutePath(), FileFilter);
    if (path.isEmpty())
        return false;
    // The dialog asked about the name as typed; a name given the default
    // extension here is asked about again.
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".tim");
        if (QFileInfo::exists(path)
            && platform::showMessage(this, platform::MessageKind::Confirmation, ReplaceFile.arg(path),
                                     platform::Yes | platform::No)
                   != platform::Yes)
            return false;
    }
    fileName_ = path;
    return SaveTimings1Click();
}

QPrinter* StopwatchWindow::printer()
{
    if (!printer_)
        printer_ = platform::Printing::instance().currentPrinter();
    return printer_.get();
}

void StopwatchWindow::PrintSetup1Click()
{
    hideFileMenu();
    if (running_)
        return;
    QPrinter* p = printer();
    if (!p) {
        platform::showMessage(this, platform::MessageKind::Information, platform::Printing::noPrinterText());
        return;
    }
    platform::Printing::instance().printerSetup(this, *p);
}

void StopwatchWindow::PrintTimings1Click()
{
    hideFileMenu();
    if (running_)
        return;
    if (list_.isEmpty()) {
        platform::showMessage(this, platform::MessageKind::Information, EmptyPrint);
        return;
    }
    QPrinter* p = printer();
    if (!p) {
        platform::showMessage(this, platform::MessageKind::Information, platform::Printing::noPrinterText());
        return;
    }
    if (!platform::Printing::instance().printDialog(this, *p))
        return;
    p->setPageOrientation(QPageLayout::Landscape);
    // Each copy is a job of its own; the printer must not multiply them again.
    const int copies = qMax(p->copyCount(), 1);
    p->setCopyCount(1);
    printJobs_ = 0;
    for (int copy = 0; copy < copies; ++copy) {
        if (!printJob(*p)) {
            platform::showMessage(this, platform::MessageKind::Warning, PrintFailed);
            break;
        }
        ++printJobs_;
    }
}

bool StopwatchWindow::printJob(QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const auto fontFor = [](PrintLine::Font kind, bool underlined) {
        QFont font(QStringLiteral("Courier New"));
        font.setStyleHint(QFont::TypeWriter);
        font.setPointSize(kind == PrintLine::Font::Title ? 24 : kind == PrintLine::Font::Date ? 14 : 12);
        font.setUnderline(underlined);
        return font;
    };
    const QFontMetrics titleMetrics(fontFor(PrintLine::Font::Title, false), &printer);
    const int indent = titleIndent(page.width(), titleMetrics.horizontalAdvance(PrintTitle),
                                   titleMetrics.horizontalAdvance(QLatin1Char(' ')));
    int y = 0;
    for (const PrintLine& line : printLines(list_, indent, platform::Clock::instance().now(), QLocale())) {
        const QFont font = fontFor(line.font, line.underlined);
        const QFontMetrics metrics(font, &printer);
        if (y > 0 && y + metrics.height() > page.height()) {
            if (!printer.newPage())
                return false;
            y = 0;
        }
        painter.setFont(font);
        painter.drawText(0, y + metrics.ascent(), line.text);
        y += metrics.height();
    }
    return painter.end();
}

void StopwatchWindow::QuittoMenu1Click()
{
    hideFileMenu();
    closeIfAllowed();
}

bool StopwatchWindow::queryClose()
{
    if (closing_)
        return true;
    if (running_) {
        platform::showMessage(this, platform::MessageKind::Warning, StopFirst);
        return false;
    }
    if (!offerToSave())
        return false;
    closing_ = true;
    Timer1->stop();
    return true;
}

void StopwatchWindow::closePanelClicked() { QuittoMenu1Click(); }

void StopwatchWindow::showEvent(QShowEvent* event)
{
    ToolWindow::showEvent(event);
    // Set up on the first showing even where the window manager does not
    // hand the new window the focus.
    activated();
}

bool StopwatchWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A move the button ignores travels on to its parents; what counts is
    // the control under the pointer, whoever sees the event.
    if (event->type() == QEvent::MouseMove) {
        const QPoint at = mapFromGlobal(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        QWidget* under = childAt(at);
        FileMenuMouseMove(under ? under : this);
    }
    return ToolWindow::eventFilter(watched, event);
}

void StopwatchWindow::setFileCommandsEnabled(bool enabled)
{
    for (QWidget* w : {static_cast<QWidget*>(NewFile), static_cast<QWidget*>(OpenFile),
                       static_cast<QWidget*>(SaveFile), static_cast<QWidget*>(SaveFileAs),
                       static_cast<QWidget*>(PrintSetup), static_cast<QWidget*>(PrintFile),
                       static_cast<QWidget*>(FileMenu)})
        w->setEnabled(enabled);
    DelHigh->setEnabled(enabled);
    if (!enabled)
        hideFileMenu();
}

void StopwatchWindow::refreshGrid()
{
    updatingGrid_ = true;
    Gr1->setRowCount(list_.rowCount());
    updatingGrid_ = false;
    for (int r = 1; r <= list_.rowCount(); ++r)
        for (int c = 0; c < ColumnCount; ++c)
            refreshCell(c, r);
}

void StopwatchWindow::refreshCell(int column, int row)
{
    updatingGrid_ = true;
    QTableWidgetItem* item = Gr1->item(row - 1, column);
    if (!item) {
        item = new QTableWidgetItem;
        if (column == Label)
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        else
            item->setFlags(Qt::ItemIsEnabled);
        if (column == Number)
            item->setBackground(colours::MenuGrey);
        Gr1->setItem(row - 1, column, item);
    }
    const QString& text = list_.cell(column, row);
    // Only text that changed is written, so the running cells do not flicker.
    if (item->text() != text)
        item->setText(text);
    updatingGrid_ = false;
}

void StopwatchWindow::selectRow(int row)
{
    if (row < 1 || row > Gr1->rowCount())
        return;
    Gr1->setCurrentCell(row - 1, Label);
    Gr1->scrollToItem(Gr1->item(row - 1, Label));
}

void StopwatchWindow::showButtonPicture(const QString& name)
{
    ButtonPic->setPixmap(services().pictures.picture(name));
    ButtonPic->setAccessibleName(running_ ? StopCaption : StartCaption);
}
