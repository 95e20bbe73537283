#include "games/TargetGameWindow.h"

#include "ActiveWindowTest.h"
#include "TestServices.h"
#include "app/Panel.h"
#include "common/AccessibleValue.h"
#include "common/DigitDisplay.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

constexpr std::uint32_t StartNote = 0x7F3C94;                  // ch 4, note 60, vel 127
constexpr std::uint32_t SecondNotes[] = {0x463C91, 0x463C9E}; // ch 1 and ch 14, note 60, vel 70
const std::vector<std::uint32_t> WrongNotes = {0x7F4B90, 0x784190, 0x783290, 0x782D90, 0x781990, 0x780F90};

bool isHitNote(std::uint32_t m)
{
    const std::uint32_t note = (m >> 8) & 0xFF;
    return (m & 0xFF) == 0x9A && (m >> 16) == 120 && note >= 45 && note <= 74;
}

// The window built from the test services, shown and active, another window
// at hand to take the focus.
class TargetGameWindowTest : public ActiveWindowTest<TargetGameWindow> {
protected:
    // Clicks go the whole way through the window system.
    void click(const QWidget* on, QPoint local)
    {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, on->mapTo(window, local));
    }
    void click(const QWidget* on) { click(on, on->rect().center()); }
    void clickButton(int number) { click(window->button(number)); }
    Panel* picture() const { return window->findChild<Panel*>(QStringLiteral("picture")); }
    QLabel* beginLabel() const { return window->findChild<QLabel*>(QStringLiteral("beginLabel")); }
    QLabel* beginShadow() const { return window->findChild<QLabel*>(QStringLiteral("beginShadow")); }
    QLineEdit* typingSink() const { return window->findChild<QLineEdit*>(QStringLiteral("typingSink")); }
    QTimer* countdown() const { return window->findChild<QTimer*>(QStringLiteral("countdownTimer")); }
    bool startShown() const { return beginLabel()->isVisibleTo(window) && beginShadow()->isVisibleTo(window); }

    void start()
    {
        click(picture(), QPoint(30, 60)); // the picture away from the words
        ASSERT_TRUE(window->game().running());
    }
    int target() const { return window->game().target(); }
    int notTarget() const { return target() % 18 + 1; }
    void hit() { clickButton(target()); }
    QString timeShown() const { return window->timeDisplay()->text(); }
    QString scoreShown() const { return window->scoreDisplay()->text(); }
    // Lets the countdown timer look at the clock a few times.
    void letTick() { QTest::qWait(40); }

    int blankButtons() const
    {
        int blank = 0;
        for (int b = 1; b <= 18; ++b)
            blank += window->button(b)->text().isEmpty() ? 1 : 0;
        return blank;
    }
    const std::vector<std::uint32_t>& sent() const { return t.recorded->messages; }
    long count(std::uint32_t m) const { return std::count(sent().begin(), sent().end(), m); }
    long hitNotes() const { return std::count_if(sent().begin(), sent().end(), isHitNote); }
};

} // namespace

TEST_F(TargetGameWindowTest, OpensWaitingWithSixtyOnTheClockAndABlankScore)
{
    EXPECT_EQ(window->size(), QSize(641, 461));
    EXPECT_EQ(window->windowTitle(), "VU Dazuzi");
    EXPECT_EQ(window->helpText(),
              "VU Dazuzi\r\n\r\n"
              "This simple game is designed to improve the users mouse co-ordination.  \r\n\r\n"
              "To play, click on \"Click here to begin\" then click the button that you are \r\n"
              "prompted to click.  Click as many as you can in the alloted time.  \r\n\r\n"
              "Avoid clicking the wrong button otherwise the game will be over!  \r\n");
    EXPECT_EQ(timeShown(), "60");
    EXPECT_EQ(scoreShown(), "  0");
    EXPECT_EQ(accessible::readName(window->timeDisplay()), "Time Left: 60");
    EXPECT_EQ(accessible::readName(window->scoreDisplay()), "Valid Clicks: 0");
    // The display positions show the shared glyphs: blank, blank, 0.
    EXPECT_EQ(window->scoreDisplay()->position(0)->pixmap().toImage(), t.pictures.picture("NB").toImage());
    EXPECT_EQ(window->scoreDisplay()->position(2)->pixmap().toImage(), t.pictures.picture("N0").toImage());
    EXPECT_EQ(window->timeDisplay()->position(0)->pixmap().toImage(), t.pictures.picture("N6").toImage());

    EXPECT_TRUE(startShown());
    EXPECT_EQ(beginLabel()->text(), "Click here to begin");
    EXPECT_EQ(blankButtons(), 18);
    EXPECT_FALSE(countdown()->isActive());
    EXPECT_EQ(typingSink(), QApplication::focusWidget());
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(t.dialogs.asked.isEmpty());
}

TEST_F(TargetGameWindowTest, LaidOutAsTwoPanelsOfNineButtonsRoundThePicture)
{
    for (int b = 1; b <= 18; ++b) {
        EXPECT_EQ(window->button(b)->size(), QSize(209, 25)) << b;
        EXPECT_EQ(window->childAt(window->button(b)->mapTo(window, QPoint(100, 12))), window->button(b)) << b;
    }
    // Rows of three, top panel 1..9 above the picture, bottom 10..18 below.
    const auto pos = [&](int b) { return window->button(b)->mapTo(window, QPoint()); };
    EXPECT_EQ(pos(2).y(), pos(1).y());
    EXPECT_EQ(pos(2).x(), pos(1).x() + 209);
    EXPECT_EQ(pos(4).y(), pos(1).y() + 25);
    EXPECT_GT(pos(10).y(), pos(9).y() + 200);
    EXPECT_EQ(picture()->size(), QSize(399, 349));
    // The words and the hidden edit: the edit cannot be seen.
    EXPECT_EQ(window->childAt(picture()->mapTo(window, picture()->rect().center())), picture());
    EXPECT_NE(window->childAt(typingSink()->mapTo(window, QPoint(5, 5))), typingSink());
    // Time left on the left, valid clicks on the right, both clear of the buttons.
    const QRect time(window->timeDisplay()->mapTo(window, QPoint()), window->timeDisplay()->size());
    const QRect score(window->scoreDisplay()->mapTo(window, QPoint()), window->scoreDisplay()->size());
    EXPECT_LT(time.right(), picture()->x());
    EXPECT_GT(score.left(), picture()->geometry().right());
    EXPECT_GT(time.top(), pos(7).y() + 25);
    EXPECT_LT(time.bottom(), pos(10).y());
    EXPECT_EQ(window->childAt(window->helpPanel()->geometry().center()), window->helpPanel());
    EXPECT_EQ(window->childAt(window->closePanel()->geometry().center()), window->closePanel());
}

TEST_F(TargetGameWindowTest, WhileWaitingAButtonOnlyMovesTheFocusAndTypingGoesNowhere)
{
    clickButton(5);
    EXPECT_FALSE(window->game().running());
    EXPECT_EQ(QApplication::focusWidget(), typingSink());
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(t.dialogs.asked.isEmpty());
    EXPECT_TRUE(startShown());

    QTest::keyClicks(typingSink(), "hello");
    EXPECT_EQ(typingSink()->text(), "");
    EXPECT_FALSE(window->game().running());
}

TEST_F(TargetGameWindowTest, ClickingThePictureOrTheWordsStartsAGame)
{
    click(beginLabel());
    ASSERT_TRUE(window->game().running());
    EXPECT_FALSE(startShown());
    EXPECT_EQ(blankButtons(), 17);
    EXPECT_EQ(window->button(target())->text(), window->game().caption(target()));
    EXPECT_EQ(accessible::readName(window->button(target())), window->game().caption(target()));
    EXPECT_EQ(accessible::readName(window->button(notTarget())), QStringLiteral("Button %1").arg(notTarget()));
    EXPECT_EQ(sent(), (std::vector<std::uint32_t>{StartNote}));

    // A second click on the picture while playing changes nothing.
    const int before = target();
    start();
    EXPECT_EQ(target(), before);
    EXPECT_EQ(sent().size(), 1u);
}

TEST_F(TargetGameWindowTest, BeforeTheFirstHitTheClockDoesNotRun)
{
    start();
    EXPECT_FALSE(countdown()->isActive());
    t.clock.advance(5 * 60 * 1000);
    letTick();
    EXPECT_EQ(timeShown(), "60");
    EXPECT_TRUE(window->game().running());
}

TEST_F(TargetGameWindowTest, HitsScoreAndTheFirstStartsTheCountdown)
{
    start();
    t.clock.advance(2500); // waiting before the first hit does not count
    const int first = target();
    hit();
    EXPECT_NE(target(), first);
    EXPECT_EQ(scoreShown(), "  1");
    EXPECT_EQ(accessible::readName(window->scoreDisplay()), "Valid Clicks: 1");
    EXPECT_EQ(hitNotes(), 1);
    EXPECT_TRUE(isHitNote(sent().back()));
    EXPECT_TRUE(countdown()->isActive());
    EXPECT_EQ(countdown()->interval(), 10);

    letTick();
    EXPECT_EQ(timeShown(), "59");
    EXPECT_EQ(count(SecondNotes[0]), 1);
    EXPECT_EQ(count(SecondNotes[1]), 1);
    t.clock.advance(1000);
    letTick();
    EXPECT_EQ(timeShown(), "58");
    EXPECT_EQ(accessible::readName(window->timeDisplay()), "Time Left: 58");
    EXPECT_EQ(count(SecondNotes[0]), 2);
    // Second notes go out as a pair: ch 1 first, then ch 14.
    const auto at = std::find(sent().begin(), sent().end(), SecondNotes[0]);
    EXPECT_EQ(*(at + 1), SecondNotes[1]);

    for (int i = 0; i < 9; ++i)
        hit();
    EXPECT_EQ(scoreShown(), " 10");
    EXPECT_EQ(hitNotes(), 10);
}

TEST_F(TargetGameWindowTest, AHundredHitsShowOneZeroZero)
{
    start();
    for (int i = 0; i < 100; ++i)
        hit();
    EXPECT_EQ(scoreShown(), "100");
    for (int p = 0; p < 3; ++p)
        EXPECT_EQ(window->scoreDisplay()->position(p)->pixmap().toImage(),
                  t.pictures.picture(p == 0 ? "N1" : "N0").toImage());
    EXPECT_EQ(accessible::readName(window->scoreDisplay()), "Valid Clicks: 100");
}

TEST_F(TargetGameWindowTest, TheWrongButtonEndsTheGameWithItsMessage)
{
    start();
    hit();
    hit();
    t.recorded->messages.clear();
    clickButton(notTarget());
    ASSERT_EQ(t.dialogs.asked.size(), 1);
    EXPECT_EQ(t.dialogs.asked[0].text, "You shot the wrong one!");
    EXPECT_EQ(t.dialogs.asked[0].kind, platform::MessageKind::Information);
    EXPECT_EQ(t.dialogs.asked[0].buttons, int(platform::Ok));
    EXPECT_EQ(sent(), WrongNotes);
    EXPECT_FALSE(window->game().running());
    EXPECT_TRUE(startShown());
    EXPECT_EQ(blankButtons(), 18);
    EXPECT_FALSE(countdown()->isActive());
    EXPECT_EQ(QApplication::focusWidget(), typingSink());
    // The score stays until the next game.
    EXPECT_EQ(scoreShown(), "  2");

    start();
    EXPECT_EQ(scoreShown(), "  0");
    EXPECT_EQ(timeShown(), "60");
}

TEST_F(TargetGameWindowTest, TheTimeRunsOutFiftyNineSecondsAfterTheFirstHit)
{
    start();
    hit();
    letTick();
    t.clock.advance(58'000);
    letTick();
    EXPECT_EQ(timeShown(), " 1");
    EXPECT_TRUE(t.dialogs.asked.isEmpty());
    hit();
    t.clock.advance(1000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !t.dialogs.asked.isEmpty(); }, 2000));
    EXPECT_EQ(t.dialogs.asked[0].text, "Time up!");
    EXPECT_EQ(t.dialogs.asked[0].kind, platform::MessageKind::Information);
    EXPECT_EQ(timeShown(), " 0");
    EXPECT_EQ(accessible::readName(window->timeDisplay()), "Time Left: 0");
    EXPECT_TRUE(startShown());
    EXPECT_EQ(blankButtons(), 18);
    EXPECT_EQ(scoreShown(), "  2");
    EXPECT_FALSE(countdown()->isActive());
    EXPECT_EQ(QApplication::focusWidget(), typingSink());
    // Once only.
    letTick();
    EXPECT_EQ(t.dialogs.asked.size(), 1);
}

TEST_F(TargetGameWindowTest, TheCountdownStopsWhileInactiveAndCatchesUpOnReturn)
{
    start();
    hit();
    letTick();
    ASSERT_TRUE(countdown()->isActive());
    activate(&other);
    EXPECT_FALSE(countdown()->isActive());
    t.clock.advance(10'000);
    letTick();
    EXPECT_EQ(timeShown(), "59");

    activate(window);
    EXPECT_TRUE(countdown()->isActive());
    letTick();
    EXPECT_EQ(timeShown(), "49");

    // Away longer than the time left: the game is over on return.
    activate(&other);
    t.clock.advance(90'000);
    activate(window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !t.dialogs.asked.isEmpty(); }, 2000));
    EXPECT_EQ(t.dialogs.asked[0].text, "Time up!");
}

TEST_F(TargetGameWindowTest, HidingOrMinimisingStopsTheCountdown)
{
    start();
    hit();
    ASSERT_TRUE(countdown()->isActive());
    window->showMinimized();
    EXPECT_FALSE(countdown()->isActive());
    window->showNormal();
    activate(window);
    EXPECT_TRUE(countdown()->isActive());
    window->hide();
    EXPECT_FALSE(countdown()->isActive());
}

TEST_F(TargetGameWindowTest, EffectsFollowTheSoundSwitchButTheSweepsOnlyNeedMidi)
{
    t.soundSwitch = false;
    start();
    hit();
    letTick();
    clickButton(notTarget());
    EXPECT_TRUE(sent().empty());

    activate(&other);
    const std::vector<std::uint32_t> sweep = sweepMessages(Sweep::Full);
    EXPECT_EQ(sent(), sweep);
    EXPECT_EQ(sent().size(), 127u * 16u);
}

TEST_F(TargetGameWindowTest, ActivationReseedsFromTheClock)
{
    activate(&other);
    t.clock.set(QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6, 7)));
    activate(window);
    EXPECT_EQ(t.random.seedValue(), std::uint32_t(QTime(4, 5, 6, 7).msecsSinceStartOfDay()));
}

TEST_F(TargetGameWindowTest, ClosingStopsTheCountAndSweepsOnce)
{
    start();
    hit();
    QPointer<QTimer> timer = countdown();
    ASSERT_TRUE(timer->isActive());
    int released = 0;
    QObject::connect(window, &TargetGameWindow::released, [&released] { ++released; });
    t.recorded->messages.clear();
    click(window->closePanel());
    EXPECT_EQ(released, 1);
    EXPECT_TRUE(!window || !window->isVisible());
    EXPECT_TRUE(!timer || !timer->isActive());
    QTest::qWait(20);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);
    // The sweep once, not again for the focus the closing window gave up.
    EXPECT_EQ(sent(), sweepMessages(Sweep::Full));
    EXPECT_TRUE(t.dialogs.asked.isEmpty());
}

TEST_F(TargetGameWindowTest, TheSystemCloseSweepsToo)
{
    window->close();
    EXPECT_EQ(sent(), sweepMessages(Sweep::Full));
}

namespace {

// Message boxes that take the focus, as real ones do, while they are up.
class FocusTakingDialogs : public platform::ScriptedDialogs {
public:
    QWidget* box = nullptr;
    int message(QWidget* parent, platform::MessageKind kind, const QString& text, int buttons,
                int helpContext = 0) override
    {
        box->show();
        box->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(box));
        const int answer = ScriptedDialogs::message(parent, kind, text, buttons, helpContext);
        box->hide();
        parent->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(parent));
        return answer;
    }
};

} // namespace

TEST(TargetGameWindowWithItsBoxes, TheGameOverBoxDoesNotCutTheGameOverNotesShort)
{
    TestServices t;
    FocusTakingDialogs dialogs;
    QWidget box;
    box.resize(80, 40);
    dialogs.box = &box;
    const UtilityServices services{t.effects, t.pictures, 24, dialogs, t.clock, t.random};
    TargetGameWindow window(services);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    const auto click = [&](const QWidget* on, QPoint local) {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, on->mapTo(&window, local));
    };
    click(window.findChild<Panel*>(QStringLiteral("picture")), QPoint(30, 60));
    click(window.button(window.game().target()), QPoint(10, 10));
    t.recorded->messages.clear();
    click(window.button(window.game().target() % 18 + 1), QPoint(10, 10));
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(t.recorded->messages, WrongNotes);

    // A real loss of focus afterwards still silences.
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    EXPECT_EQ(t.recorded->messages.size(), WrongNotes.size() + 127 * 16);
}
