#include "games/DiceWindow.h"

#include "TestServices.h"
#include "app/Panel.h"
#include "common/AccessibleValue.h"
#include "games/DiceArt.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr std::uint32_t Tick = 0x7F3C99;    // note on ch 9, note 60, vel 127
constexpr std::uint32_t Release = 0x7F3C94; // note on ch 4, note 60, vel 127

std::uint32_t noteOff(int channel, int note) { return (0x80u + channel) | (note << 8) | (120u << 16); }

const char* const Pips[] = {"", "D", "AG", "CDE", "ACEG", "ACDEG", "ABCEFG"};

std::uint32_t seedOf(const platform::Clock& clock)
{
    return std::uint32_t(clock.now().time().msecsSinceStartOfDay());
}

QString pipsShown(const DiceWindow* window, int k)
{
    QString letters;
    for (char letter = 'A'; letter <= 'G'; ++letter) {
        const auto* pip = window->findChild<QLabel*>(QStringLiteral("die%1Pip%2").arg(k).arg(QChar(letter)));
        if (pip->isVisibleTo(window))
            letters += QChar(letter);
    }
    return letters;
}

// Built from the test services alone, with nothing of the launcher around it.
TEST(DiceWindowAlone, ShowsAtItsSizeWithItsCaptionHelpAndFacesFromTheServices)
{
    TestServices t;
    auto window = std::make_unique<DiceWindow>(t.services);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(window->size(), QSize(456, 433));
    EXPECT_EQ(window->windowTitle(), "Electronic Dice");
    EXPECT_EQ(window->helpText(),
              "Electronic Dice\r\n\r\n"
              "This electronic Dice can be used with any game that uses between One and Six  \r\n"
              "conventional di(c)e.  To enable/disable a particular dice just click on it.      \r\n"
              "To throw, simply click \"Roll Dice\".    \r\n");

    // The first faces come from the services' generator (seeded 1), die 1 first.
    platform::Random expected;
    expected.seed(1);
    for (int k = 1; k <= 6; ++k) {
        const int face = expected.between(1, 6);
        EXPECT_EQ(window->state().face(k), face) << "die " << k;
        EXPECT_EQ(pipsShown(window.get(), k), Pips[face]) << "die " << k;
    }
    EXPECT_TRUE(t.recorded->messages.empty());
    EXPECT_TRUE(t.dialogs.asked.isEmpty());
}

// The dice built from the test services, shown and active, another window
// at hand to take the focus.
class DiceWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dice = new DiceWindow(windowServices());
        dice->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dice));
        other.resize(50, 50);
        other.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
        activate(dice);
        t.recorded->messages.clear();
        before = faces();
    }
    void TearDown() override { delete dice; }

    virtual const UtilityServices& windowServices() { return t.services; }

    static void activate(QWidget* w)
    {
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }

    QLabel* rollButton() const { return dice->findChild<QLabel*>(QStringLiteral("rollButton")); }
    Panel* die(int k) const { return dice->findChild<Panel*>(QStringLiteral("die%1").arg(k)); }
    bool showsPressed() const
    {
        return rollButton()->pixmap().toImage() == diceart::rollButtonFace(true).toImage();
    }
    bool showsReleased() const
    {
        return rollButton()->pixmap().toImage() == diceart::rollButtonFace(false).toImage();
    }

    // Pointer events go the whole way through the window system, so the
    // button state and the implicit grab are the real ones.
    void mouse(void (*action)(QWindow*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint, int),
               const QWidget* on, QPoint local = QPoint(20, 20))
    {
        action(dice->windowHandle(), Qt::LeftButton, {}, on->mapTo(dice, local), -1);
    }
    void moveOnButton(QPoint local)
    {
        QTest::mouseMove(dice->windowHandle(), rollButton()->mapTo(dice, local));
    }
    void key(QEvent::Type type, QWidget* target, bool autoRepeat = false, quint64 time = 0)
    {
        QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
        event.setTimestamp(time);
        QApplication::sendEvent(target, &event);
    }
    void allOff()
    {
        for (int k = 1; k <= 6; ++k)
            mouse(QTest::mouseClick, die(k));
    }

    std::array<int, 6> faces() const
    {
        std::array<int, 6> result{};
        for (int k = 1; k <= 6; ++k)
            result[k - 1] = dice->state().face(k);
        return result;
    }

    const std::vector<std::uint32_t>& sent() const { return t.recorded->messages; }
    long count(std::uint32_t message) const { return std::count(sent().begin(), sent().end(), message); }
    bool waitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 3000); }
    bool held() const { return dice->state().held(); }
    // Nothing more happens: no tick, no face change.
    void expectStill()
    {
        const auto now = faces();
        const auto messages = sent().size();
        QTest::qWait(30);
        EXPECT_EQ(faces(), now);
        EXPECT_EQ(sent().size(), messages);
    }

    TestServices t;
    QWidget other;
    QPointer<DiceWindow> dice;
    std::array<int, 6> before{};
};

TEST_F(DiceWindowTest, FreshWindowLayout)
{
    for (int k = 1; k <= 6; ++k) {
        ASSERT_TRUE(before[k - 1] >= 1 && before[k - 1] <= 6);
        EXPECT_EQ(pipsShown(dice, k), Pips[before[k - 1]]) << "die " << k;
        EXPECT_EQ(accessible::readName(die(k)), QStringLiteral("Die %1: %2").arg(k).arg(before[k - 1]));
    }
    EXPECT_TRUE(showsReleased());
    EXPECT_EQ(accessible::readName(rollButton()), "Roll Dice");
    EXPECT_FALSE(dice->findChild<QTimer*>(QStringLiteral("rollTimer"))->isActive()); // idle is free

    const auto top = [&](const QWidget* w) { return w->mapTo(dice, QPoint()).y(); };
    EXPECT_LE(top(die(2)) + 105, top(rollButton()));
    EXPECT_LE(top(rollButton()) + 73, top(die(5)));
    EXPECT_LT(die(1)->x(), die(3)->x());
    // The edge strips must not bury the "?" and "X" panels.
    EXPECT_EQ(dice->childAt(dice->helpPanel()->geometry().center()), dice->helpPanel());
    EXPECT_EQ(dice->childAt(dice->closePanel()->geometry().center()), dice->closePanel());
}

TEST_F(DiceWindowTest, ClickingADieOrItsPipTogglesItAndKeepsTheFace)
{
    mouse(QTest::mouseClick, die(3), QPoint(52, 52)); // centre: on a pip or the bare face
    EXPECT_EQ(pipsShown(dice, 3), "");
    EXPECT_EQ(accessible::readName(die(3)), "Die 3: off");
    // A shown die's face and pips are its value drawn, not read apart from it.
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(die(1));
    ASSERT_TRUE(shown && shown->childCount() == 8);
    for (int i = 0; i < shown->childCount(); ++i)
        EXPECT_TRUE(shown->child(i)->state().invisible) << i;
    mouse(QTest::mouseClick, die(3), QPoint(3, 50));
    EXPECT_EQ(pipsShown(dice, 3), Pips[before[2]]);
    EXPECT_EQ(faces(), before);
    EXPECT_TRUE(sent().empty());
}

TEST_F(DiceWindowTest, HoldingTheButtonRollsUntilReleasedOrDraggedOff)
{
    mouse(QTest::mouseClick, die(2)); // off: stays blank through the throw
    mouse(QTest::mousePress, rollButton());
    EXPECT_TRUE(showsPressed());
    EXPECT_EQ(faces(), before);
    moveOnButton(QPoint(361, 73)); // the far edges still count as the button
    ASSERT_TRUE(waitFor([&] { return count(Tick) >= 4; }));
    EXPECT_NE(faces(), before);
    EXPECT_EQ(dice->state().face(2), before[1]);
    EXPECT_EQ(pipsShown(dice, 2), "");
    EXPECT_EQ(count(Release), 0);

    mouse(QTest::mouseRelease, rollButton());
    EXPECT_TRUE(showsReleased());
    EXPECT_EQ(sent().back(), Release);
    expectStill();
    for (int k : {1, 3, 4, 5, 6})
        EXPECT_EQ(accessible::readName(die(k)), QStringLiteral("Die %1: %2").arg(k).arg(dice->state().face(k)));

    mouse(QTest::mousePress, rollButton());
    ASSERT_TRUE(waitFor([&] { return count(Tick) >= 5; }));
    moveOnButton(QPoint(362, 30));
    EXPECT_FALSE(held());
    EXPECT_EQ(count(Release), 2);
    expectStill();
    mouse(QTest::mouseRelease, rollButton(), QPoint(362, 30)); // every release lets go again
    EXPECT_EQ(count(Release), 3);
}

// The generator and clock are the services' own: coming up re-seeds from the
// clock, and each tick draws the dice that are on from a seed of that moment.
TEST_F(DiceWindowTest, RollsFromTheServicesGeneratorReseededByTheirClock)
{
    EXPECT_EQ(t.random.seedValue(), seedOf(t.clock));

    mouse(QTest::mouseClick, die(4));
    t.clock.advance(12345);
    mouse(QTest::mousePress, rollButton());
    ASSERT_TRUE(waitFor([&] { return count(Tick) >= 1; }));
    mouse(QTest::mouseRelease, rollButton());
    platform::Random expected;
    expected.seed(seedOf(t.clock));
    for (int k : {1, 2, 3, 5, 6})
        EXPECT_EQ(dice->state().face(k), expected.between(1, 6)) << "die " << k;
    EXPECT_EQ(dice->state().face(4), before[3]);

    activate(&other);
    t.clock.set(QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6, 7)));
    activate(dice);
    EXPECT_EQ(t.random.seedValue(), seedOf(t.clock));
}

TEST_F(DiceWindowTest, AllOffWarnsOnEveryPressButStillTicksWhileHeld)
{
    allOff();
    mouse(QTest::mousePress, rollButton());
    ASSERT_EQ(t.dialogs.asked.size(), 1);
    EXPECT_EQ(t.dialogs.asked[0].text, "None are active!");
    EXPECT_EQ(t.dialogs.asked[0].kind, platform::MessageKind::Warning);
    EXPECT_EQ(t.dialogs.asked[0].buttons, int(platform::Ok));
    EXPECT_TRUE(showsPressed());
    ASSERT_TRUE(waitFor([&] { return count(Tick) >= 3; }));
    mouse(QTest::mouseRelease, rollButton());
    mouse(QTest::mouseClick, rollButton());
    EXPECT_EQ(t.dialogs.asked.size(), 2);
    EXPECT_EQ(faces(), before);
}

// The real box is modal: the release made while it is up goes to the box.
// The throw must end anyway, not tick on for ever.
class ModalBoxDialogs : public platform::ScriptedDialogs {
public:
    int message(QWidget* parent, platform::MessageKind kind, const QString& text, int buttons,
                int helpContext) override
    {
        if (showBox) {
            QWidget box;
            box.setWindowModality(Qt::ApplicationModal);
            box.resize(80, 40);
            box.show();
            if (QTest::qWaitForWindowExposed(&box))
                QTest::mouseRelease(box.windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
        }
        return ScriptedDialogs::message(parent, kind, text, buttons, helpContext);
    }
    bool showBox = true;
};

class DiceWindowModalBoxTest : public DiceWindowTest {
protected:
    const UtilityServices& windowServices() override { return modalServices; }

    ModalBoxDialogs modal;
    UtilityServices modalServices{t.services.sounds, t.services.pictures, t.services.colourDepth,
                                  modal,            t.services.clock,    t.services.random};
};

TEST_F(DiceWindowModalBoxTest, TheWarningBoxEndsAPressWhoseReleaseItTook)
{
    allOff();
    mouse(QTest::mousePress, rollButton());
    ASSERT_EQ(modal.asked.size(), 1);
    EXPECT_FALSE(held());
    EXPECT_TRUE(showsReleased());
    EXPECT_EQ(count(Release), 1);
    expectStill();

    // A key's release always goes to the box; a key still held presses again.
    modal.showBox = false;
    key(QEvent::KeyPress, dice);
    EXPECT_EQ(modal.asked.size(), 2);
    EXPECT_FALSE(held());
    EXPECT_EQ(count(Release), 2);
    EXPECT_TRUE(t.dialogs.asked.isEmpty());
}

TEST_F(DiceWindowTest, KeysHoldTheButtonAndRepeatsRollExtra)
{
    key(QEvent::KeyPress, rollButton(), false, 100); // key preview: any key, anywhere
    EXPECT_TRUE(showsPressed());
    EXPECT_EQ(faces(), before);
    t.recorded->messages.clear();
    // A repeat Qt marked, and a pair it missed (same time stamp): the
    // presses each roll once at once, the releases are no let-go.
    key(QEvent::KeyRelease, dice, true, 140);
    key(QEvent::KeyPress, dice, true, 140);
    key(QEvent::KeyRelease, dice, false, 180);
    key(QEvent::KeyPress, dice, false, 180);
    EXPECT_EQ(count(Tick), 2);
    EXPECT_NE(faces(), before);
    QTest::qWait(60);
    EXPECT_TRUE(held());
    EXPECT_EQ(count(Release), 0);

    key(QEvent::KeyRelease, die(5), false, 900);
    ASSERT_TRUE(waitFor([&] { return !held(); }));
    EXPECT_EQ(count(Release), 1);
    expectStill();

    // A quick real re-press (its own time stamp) lets go and presses anew.
    key(QEvent::KeyPress, dice, false, 1000);
    key(QEvent::KeyRelease, dice, false, 1100);
    key(QEvent::KeyPress, dice, false, 1110);
    EXPECT_EQ(count(Release), 2);
    EXPECT_TRUE(held());
}

TEST_F(DiceWindowTest, LosingTheFocusSweepsAndEndsAKeyHold)
{
    activate(&other);
    auto messages = sent();
    ASSERT_EQ(messages.size(), 381u);
    EXPECT_EQ(messages[0], noteOff(0, 1));
    EXPECT_EQ(messages[1], noteOff(14, 1));
    EXPECT_EQ(messages[2], noteOff(15, 1));
    EXPECT_EQ(messages[380], noteOff(15, 127));

    activate(dice);
    t.recorded->messages.clear();
    key(QEvent::KeyPress, dice); // its release will go to the other window
    activate(&other);
    EXPECT_FALSE(held());
    messages = sent();
    EXPECT_EQ(messages.size() - count(Tick), 1u + 381u);
    EXPECT_LT(std::find(messages.begin(), messages.end(), Release),
              std::find(messages.begin(), messages.end(), noteOff(0, 1)));
    expectStill();
}

TEST_F(DiceWindowTest, SoundSwitchOffSilencesTicksReleasesAndSweeps)
{
    t.soundSwitch = false;
    QSignalSpy released(dice.data(), &DiceWindow::released);
    mouse(QTest::mousePress, rollButton());
    QTest::qWait(40);
    EXPECT_NE(faces(), before); // rolls on, silently
    moveOnButton(QPoint(400, 10));
    key(QEvent::KeyPress, dice);
    key(QEvent::KeyPress, dice, true);
    activate(&other);
    dice->close();
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(released.count(), 1);
}

TEST_F(DiceWindowTest, SystemCloseSweepsTwoChannelsTheClosePanelDoesNot)
{
    QSignalSpy released(dice.data(), &DiceWindow::released);
    dice->close();
    EXPECT_EQ(released.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(dice);
    const auto messages = sent(); // and no focus-loss sweep from the closing window
    ASSERT_EQ(messages.size(), 254u);
    EXPECT_EQ(messages[0], noteOff(9, 1));
    EXPECT_EQ(messages[1], noteOff(4, 1));
    EXPECT_EQ(messages[253], noteOff(4, 127));

    dice = new DiceWindow(t.services);
    dice->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dice));
    activate(dice);
    t.recorded->messages.clear();
    QSignalSpy releasedAgain(dice.data(), &DiceWindow::released);
    mouse(QTest::mouseClick, dice->closePanel(), QPoint(9, 10));
    EXPECT_EQ(releasedAgain.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(dice);
    EXPECT_TRUE(sent().empty());
}

} // namespace
