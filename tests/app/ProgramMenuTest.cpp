#include "LauncherFixture.h"

#include "app/Panel.h"
#include "common/AccessibleValue.h"
#include "app/ToolWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class MenuTest : public LauncherTest {
protected:
    Panel* entry(MenuEntry number)
    {
        return menu().findChild<Panel*>(QStringLiteral("Program%1").arg(int(number), 2, 10, QLatin1Char('0')));
    }

    QColor colourOf(MenuEntry number) { return entry(number)->colour(); }
};

constexpr MenuEntry Probe = MenuEntry::DateCalculator;

const QColor Normal(182, 182, 170);
const QColor Highlight(192, 192, 255);

} // namespace

TEST_F(MenuTest, HasSixteenEntriesWithTheirCaptionsIconsAndTheHelpText)
{
    EXPECT_EQ(menu().size(), QSize(376, 408));
    EXPECT_TRUE(menu().windowFlags() & Qt::WindowStaysOnTopHint);
    const QStringList captions{"Duza Zidova", "Gradient Wallpaper", "Wallpaper Hanger",
        "Derur Ivuva Zedod", "Electronic Dice", "Vuroz Uzid Game", "Bingo / Lottery Game",
        "Date Calculator", "Typing Tutor", "Font Utilities", "Conversion Utilities",
        "USA State Codes", "Stopwatch", "VU Dazuzi", "VizazEzuziz", "Anniversary Database"};
    int i = 0;
    for (MenuEntry number : ProgramMenu::entryOrder()) {
        Panel* panel = entry(number);
        ASSERT_NE(panel, nullptr) << int(number);
        EXPECT_EQ(panel->size(), QSize(166, 34));
        EXPECT_EQ(panel->accessibleName(), captions[i++]);
        auto* icon = panel->findChild<QLabel*>(QStringLiteral("ProgramIcon%1").arg(int(number), 2, 10, QLatin1Char('0')));
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->pixmap().size(), QSize(32, 32));
    }
    EXPECT_TRUE(menu().findChild<QLabel*>("ProgramCaption10")->text().contains("Professional"));
    EXPECT_EQ(menu().helpText(),
              "Orvik 2000 - Main Menu\r\n\r\n"
              "Select the module you wish to use by clicking on its Icon.  \r\n"
              "If you wish to move the menu around the screen, use the  \r\n"
              "animated handle at the left of this menu.   \r\n");
}

TEST_F(MenuTest, EntriesNotInThisBuildAreGreyedAndDoNothing)
{
    EXPECT_TRUE(menu().entryEnabled(MenuEntry::ElectronicDice));
    EXPECT_FALSE(menu().entryEnabled(MenuEntry::FontUtilities));
    EXPECT_EQ(entry(MenuEntry::FontUtilities)->toolTip(), "Not in this build yet");
    EXPECT_TRUE(entry(MenuEntry::ElectronicDice)->toolTip().isEmpty());
    menu().show();
    QTest::mouseClick(entry(MenuEntry::FontUtilities), Qt::LeftButton);
    EXPECT_TRUE(menu().isVisible());
    EXPECT_EQ(menu().window(MenuEntry::FontUtilities), nullptr);
}

TEST_F(MenuTest, DrawMenuHighlightsOneEntryAndClearsOnTheHandle)
{
    menu().show();
    QTest::mouseMove(entry(MenuEntry::WallpaperHanger), QPoint(10, 10));
    EXPECT_EQ(menu().highlightedEntry(), MenuEntry::WallpaperHanger);
    EXPECT_EQ(colourOf(MenuEntry::WallpaperHanger), Highlight);
    QTest::mouseMove(entry(MenuEntry::MusicPads), QPoint(20, 10));
    EXPECT_EQ(menu().highlightedEntry(), MenuEntry::MusicPads);
    EXPECT_EQ(colourOf(MenuEntry::WallpaperHanger), Normal);
    EXPECT_EQ(colourOf(MenuEntry::MusicPads), Highlight);
    // Over the caption label the entry stays highlighted.
    QTest::mouseMove(entry(MenuEntry::MusicPads), QPoint(100, 20));
    EXPECT_EQ(menu().highlightedEntry(), MenuEntry::MusicPads);
    QTest::mouseMove(&menu(), QPoint(10, 200));   // the animated handle
    EXPECT_EQ(menu().highlightedEntry(), std::nullopt);
    for (MenuEntry number : ProgramMenu::entryOrder())
        EXPECT_EQ(colourOf(number), Normal) << int(number);
}

TEST_F(MenuTest, ChoosingAnEntryTwiceShowsOneWindowAndAfterClosingAFreshOne)
{
    menu().show();
    QTest::mouseMove(entry(Probe), QPoint(5, 5));
    QTest::mousePress(entry(Probe), Qt::RightButton);   // any button opens
    ASSERT_TRUE(menu().windowOpen(Probe));
    EXPECT_EQ(menu().highlightedEntry(), std::nullopt);
    // The menu waits for the button to be let go.
    EXPECT_TRUE(menu().isVisible());
    QTest::mouseRelease(entry(Probe), Qt::RightButton);
    EXPECT_FALSE(menu().isVisible());
    QWidget* first = menu().window(Probe);
    first->move(123, 45);
    first->hide();

    menu().show();
    QTest::mouseClick(entry(Probe), Qt::LeftButton);
    EXPECT_FALSE(menu().isVisible());
    EXPECT_EQ(menu().window(Probe), first);
    EXPECT_EQ(ProbeWindow::created, 1);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->pos(), QPoint(123, 45));

    // The X panel asks the window, as the system close does.
    QTest::mouseClick(static_cast<ProbeWindow*>(first)->closePanel(), Qt::LeftButton);
    EXPECT_EQ(ProbeWindow::closeQuestions, 1);
    EXPECT_FALSE(menu().windowOpen(Probe));
    QTest::qWait(10);
    EXPECT_EQ(ProbeWindow::destroyed, 1);

    menu().openEntry(Probe);
    EXPECT_EQ(ProbeWindow::created, 2);
    menu().window(Probe)->close();
    EXPECT_EQ(ProbeWindow::closeQuestions, 2);
    EXPECT_FALSE(menu().windowOpen(Probe));
    menu().openEntry(Probe);
    EXPECT_EQ(ProbeWindow::created, 3);
}

TEST_F(MenuTest, AnEntrysPreconditionIsAskedUntilItsWindowExists)
{
    UtilityEntry checked = probeEntry(MenuEntry::TypingTutor);
    QList<QSize> asked;
    checked.mayCreate = [&asked](const UtilityServices&, QWidget*, QSize screen) {
        asked.append(screen);
        return screen.width() >= 800;
    };
    ProgramMenu checkedMenu(launcher->services(), {checked});
    checkedMenu.screenSize = [] { return QSize(640, 480); };
    checkedMenu.openEntry(MenuEntry::TypingTutor);
    checkedMenu.openEntry(MenuEntry::TypingTutor);
    EXPECT_EQ(ProbeWindow::created, 0);
    EXPECT_FALSE(checkedMenu.isVisible());

    checkedMenu.screenSize = [] { return QSize(800, 600); };
    checkedMenu.openEntry(MenuEntry::TypingTutor);
    EXPECT_EQ(ProbeWindow::created, 1);
    // Once created, the check is not asked again.
    checkedMenu.screenSize = [] { return QSize(640, 480); };
    checkedMenu.openEntry(MenuEntry::TypingTutor);
    EXPECT_EQ(ProbeWindow::created, 1);
    EXPECT_EQ(asked, (QList<QSize>{QSize(640, 480), QSize(640, 480), QSize(800, 600)}));
}

// The window system's side of a press, modelled here: the release goes to
// the window that took the press while that window is still shown; once it
// has gone, the release goes wherever the pointer is, which may be no window
// of the program at all, and the program never hears of it.
TEST_F(MenuTest, ThePressThatOpensAWindowEndsOnTheMenuSoHoverWorksInTheWindowAtOnce)
{
    menu().show();
    QWindow* menuWindow = menu().windowHandle();
    const QPoint onEntry = entry(Probe)->mapTo(&menu(), QPoint(5, 5));
    QTest::mouseMove(menuWindow, onEntry);
    QTest::mousePress(menuWindow, Qt::LeftButton, {}, onEntry);
    ASSERT_TRUE(menu().windowOpen(Probe));
    auto* probe = static_cast<ProbeWindow*>(menu().window(Probe));
    if (menu().isVisible())
        QTest::mouseRelease(menuWindow, Qt::LeftButton, {}, onEntry);
    EXPECT_FALSE(menu().isVisible());

    // The first move over the new window reaches the control under it.
    struct MoveCounter : QObject {
        int moves = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            moves += event->type() == QEvent::MouseMove;
            return false;
        }
    } counter;
    probe->button->setMouseTracking(true);
    probe->button->installEventFilter(&counter);
    QTest::mouseMove(probe->windowHandle(), probe->button->mapTo(probe, QPoint(10, 10)));
    EXPECT_EQ(counter.moves, 1);

    // Opened again while its window exists: the same wait for the release.
    menu().show();
    QTest::mousePress(menuWindow, Qt::LeftButton, {}, onEntry);
    EXPECT_TRUE(menu().isVisible());
    QTest::mouseRelease(menuWindow, Qt::LeftButton, {}, onEntry);
    EXPECT_FALSE(menu().isVisible());
    EXPECT_EQ(ProbeWindow::created, 1);
}

TEST_F(MenuTest, AMessageFromAnEntrysPreconditionNeedsTheMenuGoneAtThePress)
{
    UtilityEntry checked = probeEntry(MenuEntry::TypingTutor);
    bool menuShownWhileAsking = true;
    ProgramMenu* asking = nullptr;
    checked.mayCreate = [&](const UtilityServices&, QWidget*, QSize) {
        menuShownWhileAsking = asking->isVisible();
        return true;
    };
    ProgramMenu checkedMenu(launcher->services(), {checked});
    asking = &checkedMenu;
    checkedMenu.show();
    auto* typing = checkedMenu.findChild<Panel*>(QStringLiteral("Program10"));
    ASSERT_NE(typing, nullptr);
    QTest::mousePress(typing, Qt::LeftButton);
    EXPECT_FALSE(menuShownWhileAsking);
    QTest::mouseRelease(typing, Qt::LeftButton);
    EXPECT_FALSE(checkedMenu.isVisible());
    EXPECT_EQ(ProbeWindow::created, 1);
}

TEST_F(MenuTest, OpeningMaximisedTopmostAndRestoringWhenShownAgain)
{
    UtilityEntry topmost = probeEntry(MenuEntry::SkillStop, true);
    topmost.opening = UtilityEntry::Opening::MaximisedTopmost;
    UtilityEntry restored = probeEntry(MenuEntry::DuzaZidova);
    restored.restoreWhenShownAgain = true;
    ProgramMenu entries(launcher->services(), {topmost, restored});

    entries.openEntry(MenuEntry::SkillStop);
    QWidget* game = entries.window(MenuEntry::SkillStop);
    ASSERT_NE(game, nullptr);
    EXPECT_TRUE(game->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(game->windowFlags() & Qt::WindowStaysOnTopHint);

    entries.openEntry(MenuEntry::DuzaZidova);
    QWidget* paint = entries.window(MenuEntry::DuzaZidova);
    paint->setWindowState(Qt::WindowMinimized);
    entries.openEntry(MenuEntry::DuzaZidova);
    EXPECT_EQ(entries.window(MenuEntry::DuzaZidova), paint);
    EXPECT_FALSE(paint->windowState() & Qt::WindowMinimized);
    EXPECT_FALSE(entries.window(MenuEntry::SkillStop)->windowState() & Qt::WindowMinimized);
}

TEST_F(MenuTest, EscapeAndTheCloseButtonHideTheMenu)
{
    menu().show();
    QTest::keyClick(&menu(), Qt::Key_Escape);
    EXPECT_FALSE(menu().isVisible());
    menu().show();
    QTest::mouseClick(menu().findChild<Panel*>("closePanel"), Qt::LeftButton);
    EXPECT_FALSE(menu().isVisible());
    QTest::keyClick(&menu(), Qt::Key_A);
    EXPECT_FALSE(menu().isVisible());
}

TEST_F(MenuTest, SoundSwitchTogglesAndStartsOn)
{
    menu().show();
    auto* button = menu().findChild<QPushButton*>("soundButton");
    auto* glow = menu().findChild<QLabel*>("soundGlow");
    EXPECT_TRUE(menu().soundSwitch());
    EXPECT_FALSE(glow->isHidden());
    EXPECT_EQ(glow->pixmap().size(), QSize(105, 105));   // BackLight, stretched on screen
    EXPECT_EQ(accessible::readName(button), "Sound Effects: on");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(menu().soundSwitch());
    EXPECT_TRUE(glow->isHidden());
    EXPECT_EQ(accessible::readName(button), "Sound Effects: off");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(menu().soundSwitch());
    EXPECT_EQ(accessible::readName(button), "Sound Effects: on");
}

TEST_F(MenuTest, HandleAnimatesOnlyWhileTheMenuIsShown)
{
    EXPECT_FALSE(menu().animationRunning());
    const int phase = menu().animationPhase();
    menu().animateHandle();   // hidden: nothing moves
    EXPECT_EQ(menu().animationPhase(), phase);

    menu().show();
    EXPECT_TRUE(menu().animationRunning());
    for (int tick = 0; tick < 13; ++tick)
        menu().animateHandle();
    EXPECT_EQ(menu().animationPhase(), 3);   // wraps from 9 to 0
    const QImage handle = menu().findChild<QLabel*>("handle")->pixmap().toImage();
    ASSERT_EQ(handle.size(), QSize(26, 409));
    // Shades rise from the phase to 12 and fall back to 0, one per column.
    const int expected[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 1, 2, 3, 4};
    for (int x = 0; x < 26; ++x)
        EXPECT_EQ(handle.pixelColor(x, 200), QColor(0, 20 * expected[x], 255)) << x;

    menu().hide();
    EXPECT_FALSE(menu().animationRunning());
}

TEST_F(MenuTest, FrameDragsByLabelsButNotByButtons)
{
    menu().openEntry(Probe);
    auto* probe = static_cast<ProbeWindow*>(menu().window(Probe));
    probe->move(100, 100);
    const QPoint start = probe->pos();
    QTest::mousePress(probe->button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(probe->button, QPoint(45, 25));
    QTest::mouseRelease(probe->button, Qt::LeftButton, {}, QPoint(45, 25));
    EXPECT_EQ(probe->pos(), start);

    QTest::mousePress(probe->label, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(45, 25), probe->label->mapToGlobal(QPointF(45, 25)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(probe->label, &move);
    QTest::mouseRelease(probe->label, Qt::LeftButton, {}, QPoint(45, 25));
    EXPECT_EQ(probe->pos(), start + QPoint(40, 20));
}

TEST_F(MenuTest, AWindowThatRefusesTheSystemCloseStaysUpAndOpen)
{
    menu().openEntry(Probe);
    auto* probe = static_cast<ProbeWindow*>(menu().window(Probe));
    probe->refuseClose = true;
    EXPECT_FALSE(probe->close());
    QTest::mouseClick(probe->closePanel(), Qt::LeftButton);
    EXPECT_TRUE(probe->isVisible());
    EXPECT_TRUE(menu().windowOpen(Probe));
    probe->refuseClose = false;
    EXPECT_TRUE(probe->close());
    EXPECT_FALSE(menu().windowOpen(Probe));
}
