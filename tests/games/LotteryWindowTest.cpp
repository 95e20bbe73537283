#include "games/LotteryWindow.h"

#include "../common/ScopedConfigDir.h"
#include "ActiveWindowTest.h"
#include "TestServices.h"
#include "app/Panel.h"
#include "common/AccessibleValue.h"
#include "common/SettingsStore.h"
#include "games/DiceRules.h"
#include "games/KeyRepeatFilter.h"
#include "games/LotteryArt.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>

namespace {

constexpr std::uint32_t Tick = 0x7F3C99;    // note on ch 9, note 60, vel 127
constexpr std::uint32_t LetGo = 0x7F3C94;   // note on ch 4, note 60, vel 127
std::uint32_t noteOff(int channel, int note) { return (0x80u + channel) | (note << 8) | (120u << 16); }

bool samePicture(const QPixmap& a, const QPixmap& b) { return a.toImage() == b.toImage(); }

QString storedBalls()
{
    return SettingsStore(QStringLiteral("Orvik 2000\\Rizodoz Oduviv"))
        .readString(QStringLiteral("Defaults"), QStringLiteral("Balls"), QStringLiteral("none"));
}

void storeBalls(const QString& value)
{
    SettingsStore(QStringLiteral("Orvik 2000\\Rizodoz Oduviv"))
        .writeString(QStringLiteral("Defaults"), QStringLiteral("Balls"), value);
}

std::array<QPixmap, 10> ballDigits(const TestServices& t)
{
    std::array<QPixmap, 10> digits;
    for (int d = 0; d < 10; ++d)
        digits[d] = t.pictures.picture(QStringLiteral("Ball%1").arg(d));
    return digits;
}

QStringList digitPictures(QWidget* window, const TestServices& t)
{
    QStringList names;
    for (int i = 1; i <= 3; ++i) {
        const QPixmap shown = window->findChild<QLabel*>(QStringLiteral("maximumDigit%1").arg(i))->pixmap();
        QString name = QStringLiteral("?");
        for (const QString& candidate : {QStringLiteral("RBlank"), QStringLiteral("Ball0"), QStringLiteral("Ball1"),
                                         QStringLiteral("Ball4"), QStringLiteral("Ball7"), QStringLiteral("Ball9")})
            if (samePicture(shown, t.pictures.picture(candidate)))
                name = candidate;
        names << name;
    }
    return names;
}

TEST(LotteryWindowAlone, WithNoStoredBallsPlaysFortyNineAndStoresIt)
{
    ScopedConfigDir config;
    TestServices t;
    t.clock.set(QDateTime(QDate(2000, 5, 6), QTime(7, 8, 9, 10)));
    LotteryWindow window(t.services);
    EXPECT_EQ(storedBalls(), "49");
    EXPECT_EQ(window.size(), QSize(593, 431));
    EXPECT_EQ(window.windowTitle(), "Rizodoz Oduviv");
    EXPECT_EQ(window.findChild<QSlider*>(QStringLiteral("ballsSlider"))->value(), 49);
    EXPECT_EQ(digitPictures(&window, t), QStringList({"RBlank", "Ball4", "Ball9"}));
    EXPECT_EQ(accessible::readName(window.findChild<QWidget*>(QStringLiteral("maximumDigits"))), "Balls: 49");
    for (int tube = 1; tube <= 10; ++tube)
        EXPECT_EQ(accessible::readName(window.findChild<QWidget*>(QStringLiteral("tube%1").arg(tube))),
                  QStringLiteral("Tube %1: empty").arg(tube));
    auto* button = window.findChild<QLabel*>(QStringLiteral("dropButton"));
    EXPECT_TRUE(samePicture(button->pixmap(), lotteryart::dropBallFaces().released));
    EXPECT_EQ(accessible::readName(button), "Drop Ball");
    EXPECT_TRUE(t.recorded->messages.empty());
    EXPECT_EQ(window.helpText(),
              "Rizodoz Oduviv\r\n\r\n"
              "This game can be used to pick numbers for a real lottery, or to play your own lottery game at "
              "home!\r\n"
              "Simply use the slider control to select the maximum number of balls required (e.g. if you are    "
              "\r\n"
              "picking numbers for a lottery where the largest number is 49 then set it to 49).  Then click \r\n"
              "\"Drop Ball\" for each number you want to pick.   \r\n\r\n"
              "To play your own lottery game, simply write your chosen numbers out on a piece of paper (making "
              "sure \r\n"
              "each number is between 1 and the maximum number of balls) and cross them off as they come up.  "
              "\r\n\r\n"
              "Good luck, and have Fun!  \r\n\r\n");

    // Shuffled from a generator re-seeded by the clock as the window was made.
    platform::Random expected;
    dice::reseedFromTime(expected, t.clock.now().time());
    lottery::LotteryGame game;
    game.newGame(49, expected);
    for (int position = 1; position <= 49; ++position)
        EXPECT_EQ(window.game().sequenceAt(position), game.sequenceAt(position));
}

TEST(LotteryWindowAlone, StoredBallsAreReadKeptInRangeAndShown)
{
    ScopedConfigDir config;
    TestServices t;
    for (auto [stored, maximum, digits] :
         {std::tuple{"77", 77, QStringList{"RBlank", "Ball7", "Ball7"}},
          {"100", 100, QStringList{"Ball1", "Ball0", "Ball0"}},
          {"400", 100, QStringList{"Ball1", "Ball0", "Ball0"}},
          {"a dozen", 49, QStringList{"RBlank", "Ball4", "Ball9"}}}) {
        storeBalls(QString::fromLatin1(stored));
        LotteryWindow window(t.services);
        EXPECT_EQ(window.game().maximum(), maximum) << stored;
        EXPECT_EQ(window.findChild<QSlider*>(QStringLiteral("ballsSlider"))->value(), maximum) << stored;
        EXPECT_EQ(digitPictures(&window, t), digits) << stored;
        EXPECT_EQ(storedBalls(), QString::number(maximum)) << stored;
    }
}

class LotteryWindowTest : public ActiveWindowTest<LotteryWindow> {
protected:
    void beforeOpening() override { storeBalls(QStringLiteral("49")); }

    QLabel* button() const { return window->findChild<QLabel*>(QStringLiteral("dropButton")); }
    QSlider* slider() const { return window->findChild<QSlider*>(QStringLiteral("ballsSlider")); }
    QLabel* ball(int tube) const { return window->findChild<QLabel*>(QStringLiteral("ball%1").arg(tube)); }
    QString tubeName(int tube) const
    {
        return accessible::readName(window->findChild<QWidget*>(QStringLiteral("tube%1").arg(tube)));
    }
    QTimer* timer(const char* name) const { return window->findChild<QTimer*>(QString::fromLatin1(name)); }
    QString face() const
    {
        const QImage shown = button()->pixmap().toImage();
        if (shown == lotteryart::dropBallFaces().released.toImage())
            return QStringLiteral("drop");
        if (shown == lotteryart::dropBallFaces().pressed.toImage())
            return QStringLiteral("drop pressed");
        if (shown == lotteryart::restartFaces().released.toImage())
            return QStringLiteral("restart");
        if (shown == lotteryart::restartFaces().pressed.toImage())
            return QStringLiteral("restart pressed");
        return QStringLiteral("?");
    }

    void mouse(void (*action)(QWindow*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint, int),
               QPoint local = QPoint(30, 30))
    {
        action(window->windowHandle(), Qt::LeftButton, {}, button()->mapTo(window, local), -1);
    }
    void drop()
    {
        mouse(QTest::mousePress);
        mouse(QTest::mouseRelease);
    }
    void key(QEvent::Type type, bool autoRepeat, quint64 time)
    {
        QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
        event.setTimestamp(time);
        QApplication::sendEvent(window, &event);
    }

    const std::vector<std::uint32_t>& sent() const { return t.recorded->messages; }
    long count(std::uint32_t m) const { return std::count(sent().begin(), sent().end(), m); }
    bool waitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 3000); }
};

TEST_F(LotteryWindowTest, ABallDropsOnReleaseOnlyAndFallsIntoItsTube)
{
    mouse(QTest::mousePress);
    EXPECT_EQ(face(), "drop pressed");
    EXPECT_FALSE(ball(1)->isVisible());
    ASSERT_TRUE(waitFor([&] { return count(Tick) >= 3; })); // ticking while held
    EXPECT_EQ(count(LetGo), 0);

    mouse(QTest::mouseRelease);
    EXPECT_EQ(face(), "drop");
    EXPECT_EQ(sent().back(), LetGo);
    const int first = window->game().sequenceAt(1);
    EXPECT_TRUE(ball(1)->isVisible());
    EXPECT_EQ(ball(1)->geometry(), QRect(8, 192, 45, 45));
    EXPECT_EQ(accessible::readName(ball(1)), QStringLiteral("Ball %1").arg(first));
    EXPECT_EQ(tubeName(1), QStringLiteral("Tube 1: %1").arg(first));
    EXPECT_EQ(tubeName(2), "Tube 2: empty");
    EXPECT_EQ(accessible::readName(window->findChild<QWidget*>(QStringLiteral("rack"))),
              QStringLiteral("Last ball: %1").arg(first));
    EXPECT_TRUE(samePicture(ball(1)->pixmap(), lotteryart::ball(first, ballDigits(t))));

    const auto ticks = count(Tick);
    QTest::qWait(30);
    EXPECT_EQ(count(Tick), ticks); // released: no more ticks
    EXPECT_FALSE(timer("tickTimer")->isActive());
    ASSERT_TRUE(timer("fallTimer")->isActive());
    QTest::qWait(250);
    EXPECT_GT(ball(1)->y(), 192);
    ASSERT_TRUE(waitFor([&] { return !timer("fallTimer")->isActive(); }));
    EXPECT_EQ(ball(1)->y(), 292);
    EXPECT_EQ(window->game().tube(1).state, lottery::TubeState::Resting);
}

TEST_F(LotteryWindowTest, TheEleventhBallClearsTheRackAndLandsInTubeOne)
{
    for (int i = 1; i <= 10; ++i)
        drop();
    for (int tube = 1; tube <= 10; ++tube)
        EXPECT_EQ(tubeName(tube), QStringLiteral("Tube %1: %2").arg(tube).arg(window->game().sequenceAt(tube)));
    drop();
    const int eleventh = window->game().sequenceAt(11);
    EXPECT_EQ(tubeName(1), QStringLiteral("Tube 1: %1").arg(eleventh));
    EXPECT_EQ(accessible::readName(ball(1)), QStringLiteral("Ball %1").arg(eleventh));
    EXPECT_EQ(ball(1)->y(), 192);
    for (int tube = 2; tube <= 10; ++tube) {
        EXPECT_FALSE(ball(tube)->isVisible()) << tube;
        EXPECT_EQ(tubeName(tube), QStringLiteral("Tube %1: empty").arg(tube));
    }
}

TEST_F(LotteryWindowTest, TenBallsEndWithTheRestartFaceAndTheNextPressStartsAgainWithoutABall)
{
    slider()->setValue(10);
    EXPECT_EQ(storedBalls(), "10");
    EXPECT_EQ(digitPictures(window, t), QStringList({"RBlank", "Ball1", "Ball0"}));
    std::set<int> drawn;
    for (int i = 1; i <= 10; ++i) {
        drop();
        drawn.insert(window->game().lastBall());
        EXPECT_EQ(face(), i < 10 ? "drop" : "restart") << i;
    }
    EXPECT_EQ(drawn, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(accessible::readName(button()), "New Game");

    mouse(QTest::mousePress);
    EXPECT_EQ(face(), "restart pressed");
    t.recorded->messages.clear();
    mouse(QTest::mouseRelease);
    EXPECT_EQ(face(), "drop");
    EXPECT_EQ(accessible::readName(button()), "Drop Ball");
    for (int tube = 1; tube <= 10; ++tube)
        EXPECT_FALSE(ball(tube)->isVisible()) << tube;
    EXPECT_EQ(window->game().nextDraw(), 1);
    EXPECT_FALSE(timer("tickTimer")->isActive()); // the restart lets the button go too
    EXPECT_EQ(sent(), std::vector<std::uint32_t>{LetGo});
    drop();
    EXPECT_TRUE(ball(1)->isVisible());
}

TEST_F(LotteryWindowTest, BallAHundredCarriesThreeDigitPictures)
{
    slider()->setValue(100);
    EXPECT_EQ(digitPictures(window, t), QStringList({"Ball1", "Ball0", "Ball0"}));
    int tube = 0;
    for (int i = 1; i <= 100 && !tube; ++i) {
        drop();
        if (window->game().lastBall() == 100)
            tube = window->game().nextTube() - 1;
    }
    ASSERT_GT(tube, 0);
    EXPECT_EQ(accessible::readName(ball(tube)), "Ball 100");
    const QImage shown = ball(tube)->pixmap().toImage();
    EXPECT_TRUE(samePicture(ball(tube)->pixmap(), lotteryart::ball(100, ballDigits(t))));
    EXPECT_NE(shown.pixel(22, 22), QColor(255, 255, 0).rgb()); // a digit, not bare yellow, in the middle
}

TEST_F(LotteryWindowTest, MovingTheSliderClearsTheRackReshufflesAndIsStored)
{
    drop();
    drop();
    ASSERT_TRUE(ball(2)->isVisible());
    const std::uint32_t seed = t.random.seedValue();
    slider()->setValue(60);
    EXPECT_EQ(storedBalls(), "60");
    EXPECT_EQ(window->game().maximum(), 60);
    EXPECT_FALSE(ball(1)->isVisible());
    EXPECT_FALSE(ball(2)->isVisible());
    EXPECT_EQ(tubeName(1), "Tube 1: empty");
    EXPECT_EQ(accessible::readName(window->findChild<QWidget*>(QStringLiteral("maximumDigits"))), "Balls: 60");
    EXPECT_NE(t.random.seedValue(), seed);
    drop();
    EXPECT_EQ(window->game().tube(1).ball, window->game().sequenceAt(1));
}

TEST_F(LotteryWindowTest, AHeldKeyTicksOnEveryRepeatAndDropsOnlyWhenReleased)
{
    key(QEvent::KeyPress, false, 100);
    EXPECT_EQ(face(), "drop pressed");
    EXPECT_EQ(count(Tick), 0); // the first press is no tick
    key(QEvent::KeyPress, true, 120);
    key(QEvent::KeyRelease, true, 140);
    key(QEvent::KeyPress, true, 140);
    key(QEvent::KeyRelease, false, 180); // a repeat pair Qt did not mark
    key(QEvent::KeyPress, false, 180);
    EXPECT_EQ(count(Tick), 3);
    QTest::qWait(3 * KeyRepeatFilter::GraceMs);
    EXPECT_FALSE(ball(1)->isVisible());
    EXPECT_EQ(count(LetGo), 0);

    key(QEvent::KeyRelease, false, 900);
    ASSERT_TRUE(waitFor([&] { return ball(1)->isVisible(); }));
    EXPECT_EQ(count(LetGo), 1);
    EXPECT_EQ(face(), "drop");

    // A key still held when the focus goes is let go there, without a ball.
    key(QEvent::KeyPress, false, 1000);
    activate(&other);
    EXPECT_EQ(count(LetGo), 2);
    EXPECT_EQ(face(), "drop");
    EXPECT_FALSE(ball(2)->isVisible());
    EXPECT_FALSE(timer("tickTimer")->isActive());
}

TEST_F(LotteryWindowTest, AKeyLetGoJustBeforeTheFocusGoesStillDropsItsBallWhichLands)
{
    key(QEvent::KeyPress, false, 100);
    key(QEvent::KeyRelease, false, 200); // still waiting to be told from a repeat
    activate(&other);
    ASSERT_TRUE(ball(1)->isVisible());
    EXPECT_EQ(ball(1)->y(), 292);
    EXPECT_EQ(count(LetGo), 1);
    EXPECT_EQ(sent().back(), noteOff(15, 127)); // the sweep comes last
}

TEST_F(LotteryWindowTest, DraggingOffLetsGoAndTheReleaseStillDrops)
{
    mouse(QTest::mousePress);
    QTest::mouseMove(window->windowHandle(), button()->mapTo(window, QPoint(200, 75)));
    EXPECT_EQ(face(), "drop pressed");
    QTest::mouseMove(window->windowHandle(), button()->mapTo(window, QPoint(201, 30)));
    EXPECT_EQ(face(), "drop");
    EXPECT_EQ(count(LetGo), 1);
    EXPECT_FALSE(window->game().held());
    mouse(QTest::mouseRelease, QPoint(201, 30));
    EXPECT_EQ(count(LetGo), 2);
    EXPECT_TRUE(ball(1)->isVisible());
}

TEST_F(LotteryWindowTest, TheMachineRunsOnlyWhileActiveAndAFallingBallLandsWhenTheFocusGoes)
{
    ASSERT_TRUE(timer("machineTimer")->isActive());
    auto* machine = window->findChild<QLabel*>(QStringLiteral("machine"));
    EXPECT_EQ(machine->pixmap().size(), QSize(429, 81));
    ASSERT_TRUE(waitFor([&] { return QColor(machine->pixmap().toImage().pixel(0, 0)).red() > 0; }));
    EXPECT_EQ(QColor(machine->pixmap().toImage().pixel(200, 0)).green(), 0);

    drop();
    t.recorded->messages.clear();
    activate(&other);
    EXPECT_FALSE(timer("machineTimer")->isActive());
    EXPECT_FALSE(timer("fallTimer")->isActive());
    EXPECT_EQ(ball(1)->y(), 292);
    ASSERT_EQ(sent().size(), 381u);
    EXPECT_EQ(sent()[0], noteOff(0, 1));
    EXPECT_EQ(sent()[1], noteOff(14, 1));
    EXPECT_EQ(sent()[380], noteOff(15, 127));

    t.clock.advance(4321);
    activate(window);
    EXPECT_TRUE(timer("machineTimer")->isActive());
    EXPECT_EQ(t.random.seedValue(), std::uint32_t(t.clock.now().time().msecsSinceStartOfDay()));
    window->hide();
    EXPECT_FALSE(timer("machineTimer")->isActive());
}

TEST_F(LotteryWindowTest, ClosingSweepsTwoChannelsByThePanelOrTheSystemUnlessSoundIsOff)
{
    QSignalSpy released(window.data(), &LotteryWindow::released);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, window->closePanel()->geometry().center());
    EXPECT_EQ(released.count(), 1);
    ASSERT_EQ(sent().size(), 254u);
    EXPECT_EQ(sent()[0], noteOff(9, 1));
    EXPECT_EQ(sent()[1], noteOff(4, 1));
    EXPECT_EQ(sent()[253], noteOff(4, 127));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);

    window = new LotteryWindow(t.services);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    t.recorded->messages.clear();
    window->close();
    EXPECT_EQ(sent().size(), 254u);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    window = new LotteryWindow(t.services);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    activate(window);
    t.recorded->messages.clear();
    t.soundSwitch = false;
    mouse(QTest::mousePress);
    QTest::qWait(30);
    mouse(QTest::mouseRelease);
    activate(&other);
    window->close();
    EXPECT_TRUE(sent().empty());
}

} // namespace
