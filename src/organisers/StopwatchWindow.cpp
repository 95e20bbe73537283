#include "organisers/StopwatchWindow.h"

#include "app/Artwork.h"
#include "app/Panel.h"
#include "app/PictureStore.h"
#include "app/SoundEffects.h"
#include "common/AccessibleValue.h"
#include "common/Colours.h"
#include "common/DigitDisplay.h"
#include "common/HelpText.h"
#include "common/Palette.h"
#include "organisers/StartStopPicture.h"
#include "organisers/TimingGrid.h"
#include "organisers/TimingTableModel.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

using namespace timing;

namespace {

constexpr QSize ClientSize(641, 473);
constexpr int BorderHeight = 21;
constexpr int MenuButtonHeight = 21;
constexpr QSize GlyphSize(25, 41);
// "HH:MM:SS:cc": eight digits and three colons.
constexpr int DisplayPositions = 11;
constexpr QSize ButtonSize(361, 73);
// Positions of the units of seconds and the tenths in "HH:MM:SS:cc".
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

DocumentFile::Texts timingFileTexts()
{
    DocumentFile::Texts texts;
    texts.saveQuestion = AskToSave;
    texts.couldNotSave = CouldNotSave;
    texts.saveDialogTitle = SaveTitle;
    texts.fileFilter = FileFilter;
    texts.extension = QStringLiteral("tim");
    texts.replaceQuestion = ReplaceFile;
    texts.saveDialogInFolder = true;
    return texts;
}

constexpr std::uint8_t NoteOnSeconds = 0x94; // channel 4
constexpr std::uint8_t NoteOnTenths = 0x99;  // channel 9

} // namespace

StopwatchWindow::StopwatchWindow(const UtilityServices& services, QWidget* owner)
    : ToolWindow(services, owner, ClientSize)
    , stopwatch_(services.clock)
    , recent_(QStringLiteral("Orvik 2000\\Stopwatch"))
    , document_(services.dialogs, this, timingFileTexts(),
                [this](const QString& path) { return writeTimingFile(path, timings()); })
    , printer_(services.dialogs, this, {platform::MessageKind::Warning, PrintFailed})
{
    setObjectName(QStringLiteral("StopwatchWindow"));
    setWindowTitle(IdleCaption);

    setWindowColour(this, Qt::black);

    buildLayout();

    // Idle costs nothing: the display timer runs only while a timing runs.
    displayTimer_ = new QTimer(this);
    displayTimer_->setObjectName(QStringLiteral("displayTimer"));
    displayTimer_->setInterval(1);
    displayTimer_->setTimerType(Qt::PreciseTimer);
    connect(displayTimer_, &QTimer::timeout, this, &StopwatchWindow::showRunningTime);

    // Every digit drawn once, all showing 0.
    digits_->display(displayText({}));
    showButtonPicture(QStringLiteral("StartOut"));
    showRecentFiles();

    document_.setRecentFiles(&recent_);
    // A file opened or forgotten shows in the caption as "Voruz Ud!"; one
    // the user saved as the Stopwatch's.
    document_.changed = [this] { showFileCaption(); };
    document_.saved = [this](const QString& path) { setWindowTitle(SavedCaption + path); };
    document_.recentChanged = [this] { showRecentFiles(); };
}

StopwatchWindow::~StopwatchWindow() = default;

void StopwatchWindow::buildLayout()
{
    buildTopBar();
    buildTimingGrid();
    buildGridMenu();
    buildDigitDisplay();
    buildStartStopPicture();
    buildFileMenu();
    helpPanel()->raise();
    closePanel()->raise();
    trackPointerForFileMenu();
}

void StopwatchWindow::buildTopBar()
{
    const int w = ClientSize.width();
    topBorder_ = new QLabel(this);
    topBorder_->setObjectName(QStringLiteral("topBorder"));
    topBorder_->setGeometry(0, 0, w, BorderHeight);
    topBorder_->setPixmap(artwork::borderStrip(QSize(w, BorderHeight), Qt::Horizontal));

    closePanel()->move(w - 20, 1);
    helpPanel()->move(w - 40, 1);

    functionBar_ = new Panel(this);
    functionBar_->setObjectName(QStringLiteral("functionBar"));
    functionBar_->setColour(colours::MenuGrey);
    functionBar_->setBevel(Panel::Bevel::Raised, 1);
    functionBar_->setGeometry(0, BorderHeight, w, 27);
    fileMenuButton_ = new QPushButton(QStringLiteral("File"), functionBar_);
    fileMenuButton_->setObjectName(QStringLiteral("fileMenuButton"));
    fileMenuButton_->setGeometry(4, 3, 60, 21);
    // A click opens the menu too, so it can be reached without hovering.
    connect(fileMenuButton_, &QPushButton::clicked, this, [this] { pointerMovedOver(fileMenuButton_); });
}

void StopwatchWindow::buildTimingGrid()
{
    timings_ = new TimingTableModel(this);
    connect(timings_, &TimingTableModel::labelEdited, this, [this] { document_.setModified(); });
    timingGrid_ = new TimingGrid(timings_, this);
    timingGrid_->setObjectName(QStringLiteral("timingGrid"));
    timingGrid_->setGeometry((ClientSize.width() - TimingGrid::fullWidth()) / 2, 56, TimingGrid::fullWidth(),
                             228);
}

void StopwatchWindow::buildGridMenu()
{
    deleteLineAction_ = new QAction(QStringLiteral("&Delete Selected Line"), timingGrid_);
    deleteLineAction_->setObjectName(QStringLiteral("deleteLineAction"));
    deleteLineAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    firstLineAction_ = new QAction(QStringLiteral("&First Line"), timingGrid_);
    firstLineAction_->setObjectName(QStringLiteral("firstLineAction"));
    firstLineAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    lastLineAction_ = new QAction(QStringLiteral("&Last Line"), timingGrid_);
    lastLineAction_->setObjectName(QStringLiteral("lastLineAction"));
    lastLineAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    for (QAction* action : {deleteLineAction_, firstLineAction_, lastLineAction_}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        timingGrid_->addAction(action);
    }
    timingGrid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(deleteLineAction_, &QAction::triggered, this, &StopwatchWindow::deleteSelectedTiming);
    connect(firstLineAction_, &QAction::triggered, this, &StopwatchWindow::selectFirstRow);
    connect(lastLineAction_, &QAction::triggered, this, &StopwatchWindow::selectLastRow);
}

void StopwatchWindow::buildDigitDisplay()
{
    // HH:MM:SS:cc on black.
    const QSize digitsSize(DisplayPositions * GlyphSize.width(), GlyphSize.height());
    digitPanel_ = new Panel(this);
    digitPanel_->setObjectName(QStringLiteral("digitPanel"));
    digitPanel_->setColour(Qt::black);
    digitPanel_->setBevel(Panel::Bevel::Lowered, 1);
    digitPanel_->setGeometry((ClientSize.width() - digitsSize.width() - 16) / 2, 294, digitsSize.width() + 16,
                             digitsSize.height() + 12);
    digits_ = new DigitDisplay(DisplayPositions, GlyphSize, digitPanel_);
    digits_->setObjectName(QStringLiteral("digits"));
    digits_->move(8, 6);
    digits_->setAccessibleLabel(QStringLiteral("Elapsed time"));
    for (int d = 0; d <= 9; ++d)
        digits_->setGlyph(QChar('0' + d), services().pictures.picture(QStringLiteral("N%1").arg(d)));
    digits_->setGlyph(QLatin1Char(':'), services().pictures.picture(QStringLiteral("NC")));
    const char* const positionNames[DisplayPositions] = {
        "hoursTens",   "hoursUnits",   "colonAfterHours",   "minutesTens",    "minutesUnits",
        "colonAfterMinutes", "secondsTens", "secondsUnits", "colonAfterSeconds", "hundredthsTens",
        "hundredthsUnits"};
    for (int i = 0; i < digits_->positionCount(); ++i)
        digits_->position(i)->setObjectName(QString::fromLatin1(positionNames[i]));
}

void StopwatchWindow::buildStartStopPicture()
{
    startStopPicture_ = new StartStopPicture(this);
    startStopPicture_->setObjectName(QStringLiteral("startStopPicture"));
    startStopPicture_->setGeometry(
        QRect(QPoint((ClientSize.width() - ButtonSize.width()) / 2, 380), ButtonSize));
    startStopPicture_->setCursor(Qt::PointingHandCursor);
    connect(startStopPicture_, &StartStopPicture::pressed, this, &StopwatchWindow::pressStartStop);
    connect(startStopPicture_, &StartStopPicture::released, this, &StopwatchWindow::releaseStartStop);
}

void StopwatchWindow::trackPointerForFileMenu()
{
    // Every move over the window decides whether the File menu stays up.
    setMouseTracking(true);
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->setMouseTracking(true);
        child->installEventFilter(this);
    }
}

QPushButton* StopwatchWindow::fileMenuButton(const QString& name, const QString& caption, FileMenuRow row)
{
    auto* button = new QPushButton(caption, fileMenu_);
    button->setObjectName(name);
    button->setGeometry(2, 2 + row * MenuButtonHeight, fileMenu_->width() - 4, MenuButtonHeight);
    button->setFlat(true);
    button->setStyleSheet(QStringLiteral("text-align: left; padding-left: 6px;"));
    return button;
}

void StopwatchWindow::buildFileMenu()
{
    // The File menu drops over the grid.
    fileMenu_ = new Panel(this);
    fileMenu_->setObjectName(QStringLiteral("fileMenu"));
    fileMenu_->setColour(colours::MenuGrey);
    fileMenu_->setBevel(Panel::Bevel::Raised, 1);
    fileMenu_->setGeometry(4, BorderHeight + 26, 340, FileMenuRowCount * MenuButtonHeight + 4);
    newButton_ = fileMenuButton(QStringLiteral("newButton"), QStringLiteral("New"), NewRow);
    openButton_ = fileMenuButton(QStringLiteral("openButton"), QStringLiteral("Open"), OpenRow);
    saveButton_ = fileMenuButton(QStringLiteral("saveButton"), QStringLiteral("Save"), SaveRow);
    saveAsButton_ = fileMenuButton(QStringLiteral("saveAsButton"), QStringLiteral("Save As"), SaveAsRow);
    printSetupButton_ =
        fileMenuButton(QStringLiteral("printSetupButton"), QStringLiteral("Print Setup"), PrintSetupRow);
    printButton_ = fileMenuButton(QStringLiteral("printButton"), QStringLiteral("Print"), PrintRow);
    for (int slot = 1; slot <= RecentFiles::SlotCount; ++slot) {
        QPushButton* button = fileMenuButton(QStringLiteral("recentFileButton%1").arg(slot),
                                             QStringLiteral("%1.").arg(slot),
                                             FileMenuRow(FirstRecentFileRow + slot - 1));
        connect(button, &QPushButton::clicked, this, [this, slot] { openRecentFile(slot); });
        recentFileButtons_[slot - 1] = button;
    }
    closeButton_ = fileMenuButton(QStringLiteral("closeButton"), QStringLiteral("Close"), CloseRow);
    connect(newButton_, &QPushButton::clicked, this, &StopwatchWindow::clearTimings);
    connect(openButton_, &QPushButton::clicked, this, &StopwatchWindow::openTimings);
    connect(saveButton_, &QPushButton::clicked, this, &StopwatchWindow::saveTimings);
    connect(saveAsButton_, &QPushButton::clicked, this, &StopwatchWindow::saveTimingsAs);
    connect(printSetupButton_, &QPushButton::clicked, this, &StopwatchWindow::printSetup);
    connect(printButton_, &QPushButton::clicked, this, &StopwatchWindow::printTimings);
    connect(closeButton_, &QPushButton::clicked, this, &StopwatchWindow::closeToMenu);
    fileMenu_->hide();
}

void StopwatchWindow::showRecentFiles()
{
    recent_.read();
    for (int slot = 1; slot <= RecentFiles::SlotCount; ++slot) {
        QPushButton* button = recentFileButtons_[slot - 1];
        const bool used = !recent_.slot(slot).isEmpty();
        button->setText(used ? recent_.caption(slot) : QStringLiteral("%1.").arg(slot));
        button->setEnabled(used);
    }
}

void StopwatchWindow::activated()
{
    if (setUp_)
        return;
    setUp_ = true;
    stopwatch_.reset();
    timings_->clear();
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

void StopwatchWindow::pressStartStop()
{
    const StartStopButton::Step step = button_.press();
    if (step.picture.isEmpty())
        return;
    showButtonPicture(step.picture);
    if (step.startStop)
        startOrStopTiming();
}

void StopwatchWindow::releaseStartStop()
{
    const StartStopButton::Step step = button_.release();
    if (!step.picture.isEmpty())
        showButtonPicture(step.picture);
}

void StopwatchWindow::startOrStopTiming()
{
    document_.setModified();
    selectRow(timings().lastRow());
    if (stopwatch_.isRunning())
        stopTiming();
    else
        startTiming();
}

void StopwatchWindow::startTiming()
{
    setFileCommandsEnabled(false);
    stopwatch_.start();
    timings_->beginTiming(stopwatch_.startedAt().time());
    accessible::setName(startStopPicture_, StopCaption);
    displayTimer_->start();
}

void StopwatchWindow::stopTiming()
{
    stopwatch_.stop();
    displayTimer_->stop();
    accessible::setName(startStopPicture_, StartCaption);
    const Elapsed elapsed = splitElapsed(stopwatch_.elapsed());
    timings_->endTiming(stopwatch_.stoppedAt().time(), elapsed);
    showElapsedDigits(elapsed);
    // The next label can be typed at once.
    selectRow(timings().lastRow());
    timingGrid_->setFocus();
    setFileCommandsEnabled(true);
}

void StopwatchWindow::showRunningTime()
{
    if (!stopwatch_.isRunning()) {
        displayTimer_->stop();
        return;
    }
    const Elapsed elapsed = splitElapsed(stopwatch_.elapsed());
    timings_->showElapsed(elapsed);
    showElapsedDigits(elapsed);
}

void StopwatchWindow::showElapsedDigits(const Elapsed& elapsed)
{
    const QString before = digits_->text();
    const QString text = displayText(elapsed);
    if (digits_->display(text) == 0)
        return;
    if (before.at(SecondsUnitsAt) != text.at(SecondsUnitsAt))
        services().sounds.play(SoundGate::Reserved, NoteOnSeconds, 60, 127, digitTicks_);
    if (before.at(TenthsAt) != text.at(TenthsAt))
        services().sounds.play(SoundGate::Reserved, NoteOnTenths, 60, 127, digitTicks_);
}

void StopwatchWindow::deleteSelectedTiming()
{
    if (!deleteLineAction_->isEnabled())
        return;
    const int row = qBound(1, timingGrid_->currentIndex().row() + 1, timings().rowCount());
    if (timings().rowBlank(row)) {
        services().dialogs.message(this, platform::MessageKind::Information, BlankEntry, platform::Ok);
        timingGrid_->setFocus();
        return;
    }
    QPointer<StopwatchWindow> alive(this);
    const int answer = services().dialogs.message(this, platform::MessageKind::Confirmation,
                                                  ConfirmDelete, platform::Yes | platform::No);
    if (!alive)
        return;
    if (answer == platform::Yes) {
        document_.setModified();
        timings_->deleteRow(row);
        selectRow(qMin(row, timings().lastRow()));
    }
    timingGrid_->setFocus();
}

void StopwatchWindow::selectFirstRow() { selectRow(1); }

void StopwatchWindow::selectLastRow() { selectRow(timings().lastRow()); }

void StopwatchWindow::pointerMovedOver(QObject* over)
{
    if (over == fileMenuButton_) {
        if (fileMenuButton_->isEnabled() && !fileMenu_->isVisible()) {
            fileMenu_->show();
            fileMenu_->raise();
        }
        return;
    }
    for (QObject* o = over; o; o = o->parent())
        if (o == fileMenu_)
            return;
    hideFileMenu();
}

void StopwatchWindow::hideFileMenu() { fileMenu_->hide(); }

bool StopwatchWindow::offerToSave()
{
    // An empty list has nothing to lose.
    return timings().isEmpty() || document_.maybeSave();
}

void StopwatchWindow::clearTimings()
{
    hideFileMenu();
    if (stopwatch_.isRunning())
        return;
    if (timings().isEmpty()) {
        services().dialogs.message(this, platform::MessageKind::Information, NothingToClear, platform::Ok);
        return;
    }
    // A list the user wanted kept is not cleared when its save fails.
    if (!offerToSave())
        return;
    document_.reset();
    timings_->clear();
    selectRow(1);
    stopwatch_.reset();
    showElapsedDigits(splitElapsed(stopwatch_.elapsed()));
}

void StopwatchWindow::openTimings()
{
    hideFileMenu();
    if (stopwatch_.isRunning() || !offerToSave())
        return;
    const QString current = document_.fileName();
    const QString path = services().dialogs.openFileName(
        this, OpenTitle, current.isEmpty() ? QString() : QFileInfo(current).absolutePath(), FileFilter);
    if (!path.isEmpty())
        openFile(path, true);
}

void StopwatchWindow::openRecentFile(int slot)
{
    hideFileMenu();
    const QString path = recent_.slot(slot);
    if (stopwatch_.isRunning() || path.isEmpty() || !offerToSave())
        return;
    openFile(path, false);
}

void StopwatchWindow::openFile(const QString& path, bool remember)
{
    std::optional<TimingList> read = readTimingFile(path);
    if (!read) {
        services().dialogs.message(this, platform::MessageKind::Warning, NotATimingFile, platform::Ok);
        return;
    }
    timings_->setList(std::move(*read));
    document_.opened(path, remember);
    selectRow(timings().lastRow());
}

bool StopwatchWindow::saveTimings()
{
    hideFileMenu();
    return mayBeSaved() && document_.save();
}

bool StopwatchWindow::saveTimingsAs()
{
    hideFileMenu();
    return mayBeSaved() && document_.saveAs();
}

bool StopwatchWindow::mayBeSaved()
{
    if (stopwatch_.isRunning())
        return false;
    if (timings().isEmpty()) {
        services().dialogs.message(this, platform::MessageKind::Information, EmptySave, platform::Ok);
        return false;
    }
    return true;
}

void StopwatchWindow::showFileCaption()
{
    const QString& file = document_.fileName();
    setWindowTitle(file.isEmpty() ? NoFileCaption : OpenedCaption + file);
}

void StopwatchWindow::printSetup()
{
    hideFileMenu();
    if (!stopwatch_.isRunning())
        printer_.setUp();
}

void StopwatchWindow::printTimings()
{
    hideFileMenu();
    if (stopwatch_.isRunning())
        return;
    if (timings().isEmpty()) {
        services().dialogs.message(this, platform::MessageKind::Information, EmptyPrint, platform::Ok);
        return;
    }
    printer_.print(QPageLayout::Landscape,
                   [this] { return printLines(timings(), services().clock.now(), QLocale()); });
}

void StopwatchWindow::closeToMenu()
{
    hideFileMenu();
    closeIfAllowed();
}

bool StopwatchWindow::queryClose()
{
    if (closing_)
        return true;
    if (stopwatch_.isRunning()) {
        services().dialogs.message(this, platform::MessageKind::Warning, StopFirst, platform::Ok);
        return false;
    }
    if (!offerToSave())
        return false;
    closing_ = true;
    displayTimer_->stop();
    return true;
}

void StopwatchWindow::closePanelClicked() { closeToMenu(); }

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
        pointerMovedOver(under ? under : this);
    }
    return ToolWindow::eventFilter(watched, event);
}

void StopwatchWindow::setFileCommandsEnabled(bool enabled)
{
    for (QWidget* w : {static_cast<QWidget*>(newButton_), static_cast<QWidget*>(openButton_),
                       static_cast<QWidget*>(saveButton_), static_cast<QWidget*>(saveAsButton_),
                       static_cast<QWidget*>(printSetupButton_), static_cast<QWidget*>(printButton_),
                       static_cast<QWidget*>(fileMenuButton_)})
        w->setEnabled(enabled);
    deleteLineAction_->setEnabled(enabled);
    if (!enabled)
        hideFileMenu();
}

void StopwatchWindow::selectRow(int row)
{
    const QModelIndex label = timings_->index(row - 1, Label);
    if (!label.isValid())
        return;
    timingGrid_->setCurrentIndex(label);
    timingGrid_->scrollTo(label);
}

void StopwatchWindow::showButtonPicture(const QString& name)
{
    startStopPicture_->setPixmap(services().pictures.picture(name));
    accessible::setName(startStopPicture_, stopwatch_.isRunning() ? StopCaption : StartCaption);
}
