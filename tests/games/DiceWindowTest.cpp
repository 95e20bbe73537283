#include "games/DiceWindow.h"

#include "app/ProgramMenu.h"
#include "app/SplashWindow.h"
#include "app/Panel.h"
#include "platform/Dialogs.h"
#include "platform/MidiTransport.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>
#include <vector>

namespace {

constexpr std::uint32_t Tick = 0x7F3C99;    // note on ch 9, note 60, vel 127
constexpr std::uint32_t Release = 0x7F3C94; // note on ch 4, note 60, vel 127

std::uint32_t noteOff(int channel, int note) { return (0x80u + channel) | (note << 8) | (120u << 16); }

const char* const Pips[] = {"", "D", "AG", "CDE", "ACEG", "ACDEG", "ABCEFG"};

// The launcher as the program builds it, the dice opened from the menu and
// active, another window at hand to take the focus.
class DiceWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto transport = std::make_unique<platform::RecordingMidi>();
        midi = transport.get();
        mm = std::make_unique<SplashWindow>(std::move(transport));
        menu = std::make_unique<ProgramMenu>();
        menu->setFactory(DiceWindow::MenuEntry, [](QWidget* owner) { return new DiceWindow(owner); });
        platform::Random::instance().setSeedLocked(true);
        dice = openDice();
        ASSERT_TRUE(dice);
        other.resize(50, 50);
        other.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
        activate(dice);
        midi->messages.clear();
        before = faces();
    }
    void TearDown() override
    {
        menu.reset();
        mm.reset();
        platform::Random::instance().setSeedLocked(false);
    }

    DiceWindow* openDice()
    {
        menu->openEntry(DiceWindow::MenuEntry);
        auto* window = qobject_cast<DiceWindow*>(menu->window(DiceWindow::MenuEntry));
        return window && QTest::qWaitForWindowExposed(window) ? window : nullptr;
    }
    static void activate(QWidget* w)
    {
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }

    QLabel* label(const QString& name) const { return dice->findChild<QLabel*>(name); }
    QLabel* start() const { return label(QStringLiteral("Start")); }
    Panel* die(int k) const { return dice->findChild<Panel*>(QStringLiteral("Die%1").arg(k)); }
    bool shows(const char* picture) const
    {
        return start()->pixmap().toImage() == label(QString::fromLatin1(picture))->pixmap().toImage();
    }

    // Pointer events go the whole way through the window system, so the
    // button state and the implicit grab are the real ones.
    void mouse(void (*action)(QWindow*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint, int),
               const QWidget* on, QPoint local = QPoint(20, 20))
    {
        action(dice->windowHandle(), Qt::LeftButton, {}, on->mapTo(dice, local), -1);
    }
    void moveOnStart(QPoint local) { QTest::mouseMove(dice->windowHandle(), start()->mapTo(dice, local)); }
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
    QString pipsShown(int k) const
    {
        QString letters;
        for (char letter = 'A'; letter <= 'G'; ++letter)
            if (label(QStringLiteral("D%1%2").arg(k).arg(QChar(letter)))->isVisibleTo(dice))
                letters += QChar(letter);
        return letters;
    }

    // What the window sent; the splash's channel set-up is not ours.
    std::vector<std::uint32_t> sent() const
    {
        std::vector<std::uint32_t> result;
        std::copy_if(midi->messages.begin(), midi->messages.end(), std::back_inserter(result),
                     [](std::uint32_t m) { return (m & 0xF0) != 0xC0; });
        return result;
    }
    long count(std::uint32_t message) const
    {
        const auto all = sent();
        return std::count(all.begin(), all.end(), message);
    }
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

    platform::ScopedDialogs dialogs;
    platform::RecordingMidi* midi = nullptr;
    std::unique_ptr<SplashWindow> mm;
    std::unique_ptr<ProgramMenu> menu;
    QPointer<DiceWindow> dice;
    QWidget other;
    std::array<int, 6> before{};
};

TEST_F(DiceWindowTest, FreshWindowLayoutAndHelp)
{
    EXPECT_TRUE(menu->windowOpen(DiceWindow::MenuEntry));
    EXPECT_EQ(dice->size(), QSize(456, 433));
    for (int k = 1; k <= 6; ++k) {
        ASSERT_TRUE(before[k - 1] >= 1 && before[k - 1] <= 6);
        EXPECT_EQ(pipsShown(k), Pips[before[k - 1]]) << "die " << k;
        EXPECT_EQ(die(k)->accessibleName(), QStringLiteral("Die %1: %2").arg(k).arg(before[k - 1]));
    }
    EXPECT_TRUE(shows("AOut"));
    EXPECT_EQ(start()->accessibleName(), "Roll Dice");
    EXPECT_FALSE(dice->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive()); // idle is free

    const auto top = [&](const QWidget* w) { return w->mapTo(dice, QPoint()).y(); };
    EXPECT_LE(top(die(2)) + 105, top(start()));
    EXPECT_LE(top(start()) + 73, top(die(5)));
    EXPECT_LT(die(1)->x(), die(3)->x());
    // The edge strips must not bury the "?" and "X" panels.
    EXPECT_EQ(dice->childAt(dice->helpPanel()->geometry().center()), dice->helpPanel());
    EXPECT_EQ(dice->childAt(dice->closePanel()->geometry().center()), dice->closePanel());
    EXPECT_EQ(dice->closePanel()->objectName(), "Panel1");

    EXPECT_EQ(dice->helpText(),
              "Electronic Dice\r\n\r\n"
              "This electronic Dice can be used with any game that uses between One and Six  \r\n"
              "conventional di(c)e.  To enable/disable a particular dice just click on it.      \r\n"
              "To throw, simply click \"Roll Dice\".    \r\n");
}

TEST_F(DiceWindowTest, ClickingADieOrItsPipTogglesItAndKeepsTheFace)
{
    mouse(QTest::mouseClick, die(3), QPoint(52, 52)); // centre: on a pip or the bare face
    EXPECT_EQ(pipsShown(3), "");
    EXPECT_EQ(die(3)->accessibleName(), "Die 3: off");
    mouse(QTest::mouseClick, die(3), QPoint(3, 50));
    EXPECT_EQ(pipsShown(3), Pips[before[2]]);
    EXPECT_EQ(faces(), before);
    EXPECT_TRUE(sent().empty());
}

TEST_F(DiceWindowTest, HoldingTheButtonRollsUntilReleasedOrDraggedOff)
{
    mouse(QTest::mouseClick, die(2)); // off: stays blank through the throw
    mouse(QTest::mousePress, start());
    EXPECT_TRUE(shows("Ain"));
    EXPECT_EQ(faces(), before);
    moveOnStart(QPoint(361, 73)); // the far edges still count as the button
    ASSERT_TRUE(waitFor([&] { return count(Tick) >= 4; }));
    EXPECT_NE(faces(), before);
    EXPECT_EQ(dice->state().face(2), before[1]);
    EXPECT_EQ(count(Release), 0);

    mouse(QTest::mouseRelease, start());
    EXPECT_TRUE(shows("AOut"));
    EXPECT_EQ(sent().back(), Release);
    expectStill();
    for (int k : {1, 3, 4, 5, 6})
        EXPECT_EQ(die(k)->accessibleName(), QStringLiteral("Die %1: %2").arg(k).arg(dice->state().face(k)));

    mouse(QTest::mousePress, start());
    ASSERT_TRUE(waitFor([&] { return count(Tick) >= 5; }));
    moveOnStart(QPoint(362, 30));
    EXPECT_FALSE(held());
    EXPECT_EQ(count(Release), 2);
    expectStill();
    mouse(QTest::mouseRelease, start(), QPoint(362, 30)); // every release lets go again
    EXPECT_EQ(count(Release), 3);
}

TEST_F(DiceWindowTest, AllOffWarnsOnEveryPressButStillTicksWhileHeld)
{
    allOff();
    mouse(QTest::mousePress, start());
    ASSERT_EQ(dialogs.scripted.asked.size(), 1);
    EXPECT_EQ(dialogs.scripted.asked[0].text, "None are active!");
    EXPECT_EQ(dialogs.scripted.asked[0].kind, platform::MessageKind::Warning);
    EXPECT_EQ(dialogs.scripted.asked[0].buttons, int(platform::Ok));
    EXPECT_TRUE(shows("Ain"));
    ASSERT_TRUE(waitFor([&] { return count(Tick) >= 3; }));
    mouse(QTest::mouseRelease, start());
    mouse(QTest::mouseClick, start());
    EXPECT_EQ(dialogs.scripted.asked.size(), 2);
    EXPECT_EQ(faces(), before);
}

// The real box is modal: the release made while it is up goes to the box.
// The throw must end anyway, not tick on for ever.
class ModalBoxDialogs : public platform::ScriptedDialogs {
public:
    int message(QWidget* parent, platform::MessageKind kind, const QString& text, int buttons,
                int helpContext) override
    {
        QWidget box;
        box.setWindowModality(Qt::ApplicationModal);
        box.resize(80, 40);
        box.show();
        if (QTest::qWaitForWindowExposed(&box))
            QTest::mouseRelease(box.windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
        return ScriptedDialogs::message(parent, kind, text, buttons, helpContext);
    }
};

TEST_F(DiceWindowTest, TheWarningBoxEndsAPressWhoseReleaseItTook)
{
    allOff();
    ModalBoxDialogs modal;
    platform::Dialogs::install(&modal);
    mouse(QTest::mousePress, start());
    platform::Dialogs::install(&dialogs.scripted);
    ASSERT_EQ(modal.asked.size(), 1);
    EXPECT_FALSE(held());
    EXPECT_TRUE(shows("AOut"));
    EXPECT_EQ(count(Release), 1);
    expectStill();

    // A key's release always goes to the box; a key still held presses again.
    key(QEvent::KeyPress, dice);
    EXPECT_EQ(dialogs.scripted.asked.size(), 1);
    EXPECT_FALSE(held());
    EXPECT_EQ(count(Release), 2);
}

TEST_F(DiceWindowTest, KeysHoldTheButtonAndRepeatsRollExtra)
{
    key(QEvent::KeyPress, start(), false, 100); // key preview: any key, anywhere
    EXPECT_TRUE(shows("Ain"));
    EXPECT_EQ(faces(), before);
    midi->messages.clear();
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
    midi->messages.clear();
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
    menu->SoundOnOffClick();
    ASSERT_FALSE(menu->soundSwitch());
    mouse(QTest::mousePress, start());
    QTest::qWait(40);
    EXPECT_NE(faces(), before); // rolls on, silently
    moveOnStart(QPoint(400, 10));
    key(QEvent::KeyPress, dice);
    key(QEvent::KeyPress, dice, true);
    activate(&other);
    dice->close();
    EXPECT_TRUE(sent().empty());
    EXPECT_FALSE(menu->windowOpen(DiceWindow::MenuEntry));
}

TEST_F(DiceWindowTest, SystemCloseSweepsTwoChannelsTheClosePanelDoesNot)
{
    dice->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(dice);
    EXPECT_FALSE(menu->windowOpen(DiceWindow::MenuEntry));
    const auto messages = sent(); // and no focus-loss sweep from the closing window
    ASSERT_EQ(messages.size(), 254u);
    EXPECT_EQ(messages[0], noteOff(9, 1));
    EXPECT_EQ(messages[1], noteOff(4, 1));
    EXPECT_EQ(messages[253], noteOff(4, 127));

    dice = openDice(); // the flag was cleared: a fresh window
    ASSERT_TRUE(dice);
    EXPECT_TRUE(menu->windowOpen(DiceWindow::MenuEntry));
    midi->messages.clear();
    mouse(QTest::mouseClick, dice->closePanel(), QPoint(9, 10));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(dice);
    EXPECT_FALSE(menu->windowOpen(DiceWindow::MenuEntry));
    EXPECT_TRUE(sent().empty());
}

} // namespace
