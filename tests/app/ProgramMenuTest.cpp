#include "LauncherFixture.h"

#include "app/Panel.h"
#include "app/ToolWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// A minimal utility window built on the shared frame.
class ProbeWindow : public ToolWindow {
public:
    ProbeWindow(int entry, QWidget* owner) : ToolWindow(entry, owner, QSize(300, 200))
    {
        label = new QLabel(QStringLiteral("drag me"), this);
        label->setGeometry(50, 50, 100, 20);
        button = new QPushButton(QStringLiteral("Press"), this);
        button->setGeometry(50, 100, 100, 30);
        ++created;
    }
    ~ProbeWindow() override { ++destroyed; }

    void FormClose() override
    {
        ++systemCloses;
        if (!refuseClose)
            release();
    }

    QLabel* label;
    QPushButton* button;
    bool refuseClose = false;
    static inline int created = 0;
    static inline int destroyed = 0;
    static inline int systemCloses = 0;
};

class MenuTest : public LauncherTest {
protected:
    void SetUp() override
    {
        LauncherTest::SetUp();
        ProbeWindow::created = ProbeWindow::destroyed = ProbeWindow::systemCloses = 0;
        menu->setFactory(9, [](QWidget* owner) { return new ProbeWindow(9, owner); });
    }

    Panel* entry(int number)
    {
        return menu->findChild<Panel*>(QStringLiteral("Program%1").arg(number, 2, 10, QLatin1Char('0')));
    }

    QColor colourOf(int number) { return entry(number)->colour(); }
};

const QColor Normal(182, 182, 170);
const QColor Highlight(192, 192, 255);

} // namespace

TEST_F(MenuTest, HasSixteenEntriesWithTheirCaptionsIconsAndTheHelpText)
{
    EXPECT_EQ(menu->size(), QSize(376, 408));
    EXPECT_TRUE(menu->windowFlags() & Qt::WindowStaysOnTopHint);
    const QStringList captions{"Duza Zidova", "Gradient Wallpaper", "Wallpaper Hanger",
        "Derur Ivuva Zedod", "Electronic Dice", "Vuroz Uzid Game", "Bingo / Lottery Game",
        "Date Calculator", "Typing Tutor", "Font Utilities", "Conversion Utilities",
        "USA State Codes", "Stopwatch", "VU Dazuzi", "VizazEzuziz", "Anniversary Database"};
    int i = 0;
    for (int number : ProgramMenu::entryNumbers()) {
        Panel* panel = entry(number);
        ASSERT_NE(panel, nullptr) << number;
        EXPECT_EQ(panel->size(), QSize(166, 34));
        EXPECT_EQ(panel->accessibleName(), captions[i++]);
        auto* icon = panel->findChild<QLabel*>(QStringLiteral("ProgramIcon%1").arg(number, 2, 10, QLatin1Char('0')));
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->pixmap().size(), QSize(32, 32));
    }
    EXPECT_TRUE(menu->findChild<QLabel*>("ProgramCaption10")->text().contains("Professional"));
    EXPECT_EQ(menu->helpText(),
              "Orvik 2000 - Main Menu\r\n\r\n"
              "Select the module you wish to use by clicking on its Icon.  \r\n"
              "If you wish to move the menu around the screen, use the  \r\n"
              "animated handle at the left of this menu.   \r\n");
}

TEST_F(MenuTest, EntriesNotInThisBuildAreGreyedAndDoNothing)
{
    EXPECT_TRUE(menu->entryEnabled(6));
    EXPECT_FALSE(menu->entryEnabled(11));
    EXPECT_EQ(entry(11)->toolTip(), "Not in this build yet");
    EXPECT_TRUE(entry(6)->toolTip().isEmpty());
    menu->show();
    QTest::mousePress(entry(11), Qt::LeftButton);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->window(11), nullptr);
}

TEST_F(MenuTest, DrawMenuHighlightsOneEntryAndClearsOnTheHandle)
{
    menu->show();
    QTest::mouseMove(entry(4), QPoint(10, 10));
    EXPECT_EQ(menu->highlightedEntry(), 4);
    EXPECT_EQ(colourOf(4), Highlight);
    QTest::mouseMove(entry(5), QPoint(20, 10));
    EXPECT_EQ(menu->highlightedEntry(), 5);
    EXPECT_EQ(colourOf(4), Normal);
    EXPECT_EQ(colourOf(5), Highlight);
    // Over the caption label the entry stays highlighted.
    QTest::mouseMove(entry(5), QPoint(100, 20));
    EXPECT_EQ(menu->highlightedEntry(), 5);
    QTest::mouseMove(menu.get(), QPoint(10, 200));   // the animated handle
    EXPECT_EQ(menu->highlightedEntry(), 0);
    for (int number : ProgramMenu::entryNumbers())
        EXPECT_EQ(colourOf(number), Normal) << number;
}

TEST_F(MenuTest, ChoosingAnEntryTwiceShowsOneWindowAndAfterClosingAFreshOne)
{
    menu->show();
    QTest::mouseMove(entry(9), QPoint(5, 5));
    QTest::mousePress(entry(9), Qt::RightButton);   // any button opens
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(menu->highlightedEntry(), 0);
    ASSERT_TRUE(menu->windowOpen(9));
    QWidget* first = menu->window(9);
    first->move(123, 45);
    first->hide();

    menu->show();
    QTest::mousePress(entry(9), Qt::LeftButton);
    EXPECT_EQ(menu->window(9), first);
    EXPECT_EQ(ProbeWindow::created, 1);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->pos(), QPoint(123, 45));

    // The X panel releases the window without the system close handling.
    QTest::mouseClick(static_cast<ProbeWindow*>(first)->closePanel(), Qt::LeftButton);
    EXPECT_FALSE(menu->windowOpen(9));
    QTest::qWait(10);
    EXPECT_EQ(ProbeWindow::destroyed, 1);
    EXPECT_EQ(ProbeWindow::systemCloses, 0);

    menu->openEntry(9);
    EXPECT_EQ(ProbeWindow::created, 2);
    // The system close command runs the window's own close handling.
    menu->window(9)->close();
    EXPECT_EQ(ProbeWindow::systemCloses, 1);
    EXPECT_FALSE(menu->windowOpen(9));
    menu->openEntry(9);
    EXPECT_EQ(ProbeWindow::created, 3);
}

TEST_F(MenuTest, TypingTutorNeedsEightHundredBySixHundredUntilItsWindowExists)
{
    int made = 0;
    menu->setFactory(10, [&made](QWidget* owner) {
        ++made;
        return new ProbeWindow(10, owner);
    });
    menu->screenSize = [] { return QSize(640, 480); };
    const QString warning = "This module requires a resolution of at least 800x600 - please modify "
                            "your display settings in the control panel ";
    menu->openEntry(10);
    menu->openEntry(10);
    EXPECT_EQ(made, 0);
    ASSERT_EQ(dialogs.scripted.asked.size(), 2);
    EXPECT_EQ(dialogs.scripted.asked[1].text, warning);
    EXPECT_EQ(dialogs.scripted.asked[1].kind, platform::MessageKind::Warning);
    EXPECT_FALSE(menu->isVisible());

    menu->screenSize = [] { return QSize(800, 600); };
    menu->openEntry(10);
    EXPECT_EQ(made, 1);
    // Once created, a smaller screen no longer matters.
    menu->screenSize = [] { return QSize(640, 480); };
    menu->openEntry(10);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(dialogs.scripted.asked.size(), 2);
}

TEST_F(MenuTest, EscapeAndTheCloseButtonHideTheMenu)
{
    menu->show();
    QTest::keyClick(menu.get(), Qt::Key_Escape);
    EXPECT_FALSE(menu->isVisible());
    menu->show();
    QTest::mouseClick(menu->findChild<Panel*>("Panel5"), Qt::LeftButton);
    EXPECT_FALSE(menu->isVisible());
    QTest::keyClick(menu.get(), Qt::Key_A);
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(MenuTest, SoundSwitchTogglesAndStartsOn)
{
    menu->show();
    auto* button = menu->findChild<QPushButton*>("SoundOnOff");
    auto* glow = menu->findChild<QLabel*>("Sound");
    EXPECT_TRUE(menu->soundSwitch());
    EXPECT_FALSE(glow->isHidden());
    EXPECT_EQ(glow->pixmap().size(), QSize(105, 105));   // BackLight, stretched on screen
    EXPECT_EQ(button->accessibleName(), "Sound Effects: on");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(menu->soundSwitch());
    EXPECT_TRUE(glow->isHidden());
    EXPECT_EQ(button->accessibleName(), "Sound Effects: off");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(menu->soundSwitch());
}

TEST_F(MenuTest, HandleAnimatesOnlyWhileTheMenuIsShown)
{
    EXPECT_FALSE(menu->animationRunning());
    const int phase = menu->animationPhase();
    menu->HandleAnimatorTimer();   // hidden: nothing moves
    EXPECT_EQ(menu->animationPhase(), phase);

    menu->show();
    EXPECT_TRUE(menu->animationRunning());
    for (int tick = 0; tick < 13; ++tick)
        menu->HandleAnimatorTimer();
    EXPECT_EQ(menu->animationPhase(), 3);   // wraps from 9 to 0
    const QImage handle = menu->findChild<QLabel*>("LeftBorderImage")->pixmap().toImage();
    ASSERT_EQ(handle.size(), QSize(26, 409));
    // Shades rise from the phase to 12 and fall back to 0, one per column.
    const int expected[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 1, 2, 3, 4};
    for (int x = 0; x < 26; ++x)
        EXPECT_EQ(handle.pixelColor(x, 200), QColor(0, 20 * expected[x], 255)) << x;

    menu->hide();
    EXPECT_FALSE(menu->animationRunning());
}

TEST_F(MenuTest, FrameDragsByLabelsButNotByButtons)
{
    menu->openEntry(9);
    auto* probe = static_cast<ProbeWindow*>(menu->window(9));
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
    menu->openEntry(9);
    auto* probe = static_cast<ProbeWindow*>(menu->window(9));
    probe->refuseClose = true;
    EXPECT_FALSE(probe->close());
    EXPECT_TRUE(probe->isVisible());
    EXPECT_TRUE(menu->windowOpen(9));
    probe->refuseClose = false;
    EXPECT_TRUE(probe->close());
    EXPECT_FALSE(menu->windowOpen(9));
}
