#include "games/SkillStopWindow.h"

#include "ActiveWindowTest.h"
#include "TestServices.h"
#include "app/Panel.h"
#include "common/AccessibleValue.h"
#include "common/DigitDisplay.h"
#include "games/KeyRepeatFilter.h"
#include "games/SkillStopArt.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>

namespace {

std::uint32_t message(int status, int data1, int data2) { return status | (data1 << 8) | (data2 << 16); }
std::uint32_t stepNote(int channel, int position) { return message(0x90 + channel, 30 + 10 * position, 120); }
std::uint32_t noteOff(int channel, int note) { return message(0x80 + channel, note, 120); }
const std::uint32_t ChimeLow = message(0x90, 40, 120);
const std::uint32_t ChimeHigh = message(0x90, 70, 120);

bool samePicture(const QPixmap& a, const QPixmap& b) { return a.toImage() == b.toImage(); }

class SkillStopWindowTest : public ActiveWindowTest<SkillStopWindow> {
protected:
    template <class T = QWidget>
    T* child(const char* name) const
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QLabel* button() const { return child<QLabel>("stopStartButton"); }
    QTimer* stepTimer() const { return child<QTimer>("stepTimer"); }
    QPixmap stored(const QString& name) const { return t.pictures.picture(name); }

    void mouse(void (*action)(QWindow*, Qt::MouseButton, Qt::KeyboardModifiers, QPoint, int),
               const QWidget* on, QPoint local = QPoint(30, 30))
    {
        action(window->windowHandle(), Qt::LeftButton, {}, on->mapTo(window, local), -1);
    }
    void clickButton()
    {
        mouse(QTest::mousePress, button());
        mouse(QTest::mouseRelease, button());
    }
    void key(QEvent::Type type, QWidget* target, bool autoRepeat, quint64 time)
    {
        QKeyEvent event(type, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"), autoRepeat);
        event.setTimestamp(time);
        QApplication::sendEvent(target, &event);
    }

    // The light frozen where the test wants it, the timer resting.
    void freezeAt(int position)
    {
        window->setLight(position, true);
    }

    QString digitsShown(const char* panel) const
    {
        auto* digits = child<Panel>(panel)->findChild<DigitDisplay*>();
        return digits->text();
    }
    // The pictures of a counter, as the shared glyphs N0..N9 and NB.
    QStringList glyphsShown(const char* panel) const
    {
        auto* digits = child<Panel>(panel)->findChild<DigitDisplay*>();
        QStringList names;
        for (int i = 0; i < digits->positionCount(); ++i) {
            const QPixmap shown = digits->position(i)->pixmap();
            QString name = QStringLiteral("?");
            for (const QString& candidate : {QStringLiteral("NB"), QStringLiteral("N0"), QStringLiteral("N1"),
                                             QStringLiteral("N2"), QStringLiteral("N9")})
                if (samePicture(shown, stored(candidate)))
                    name = candidate;
            names << name;
        }
        return names;
    }

    const std::vector<std::uint32_t>& sent() const { return t.recorded->messages; }
    long count(std::uint32_t m) const { return std::count(sent().begin(), sent().end(), m); }
    bool waitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 3000); }
};

TEST(SkillStopWindowAlone, GivesChannelZeroItsPianoAndShowsBlankCountersAndStop)
{
    TestServices t;
    t.soundSwitch = false; // the program change is sent whatever the switch
    SkillStopWindow window(t.services);
    ASSERT_EQ(t.recorded->messages.size(), 1u);
    EXPECT_EQ(t.recorded->messages[0], message(0xC0, 1, 0));
    EXPECT_EQ(window.windowTitle(), "Vuroz Uzid Game");
    EXPECT_EQ(window.helpText(),
              "Vuroz Uzid\r\n\r\n"
              "To play this game, simply click the \"Stop\" button once the \"P\" of \"SKILLSTOP\" is "
              "illuminated.  \r\n"
              "Every time you click \"Stop\" on a letter other than \"P\" the number of Misses will be "
              "incremented!  \r\n"
              "The \"Stop\" button will change to \"Start\".  Click it to continue.    \r\n\r\n"
              "Try it on \"Slow\", then \"Medium\" and then for a real challenge \"Fast\"!   \r\n\r\n"
              "Have Fun!  \r\n\r\n");

    auto* misses = window.findChild<Panel*>(QStringLiteral("missesPanel"));
    auto* hits = window.findChild<Panel*>(QStringLiteral("hitsPanel"));
    EXPECT_EQ(accessible::readName(misses), "Misses: 0");
    EXPECT_EQ(accessible::readName(hits), "Hits: 0");
    EXPECT_EQ(misses->toolTip(), "Misses");
    EXPECT_EQ(hits->toolTip(), "Hits");
    auto* button = window.findChild<QLabel*>(QStringLiteral("stopStartButton"));
    EXPECT_TRUE(samePicture(button->pixmap(), t.pictures.picture("StopOut")));
    EXPECT_EQ(accessible::readName(button), "Stop");
    EXPECT_EQ(accessible::readName(window.findChild<QWidget*>(QStringLiteral("light"))), "Light: off");
    for (int i = 1; i <= 9; ++i) {
        auto* letter = window.findChild<QLabel*>(QStringLiteral("letter%1").arg(i));
        EXPECT_TRUE(samePicture(letter->pixmap(), skillstopart::letter(QStringLiteral("SKILLSTOP")[i - 1], false)));
    }
}

TEST_F(SkillStopWindowTest, LaysOutToolBarLettersScoresButtonAndBarsForItsWidth)
{
    window->resize(1000, 700);
    const int w = window->width();
    ASSERT_EQ(w, 1000);
    QWidget* bar = child("toolBar");
    const auto x = [&](QWidget* c) { return c->mapTo(window, QPoint()).x(); };
    EXPECT_LT(x(child("resetButton")), x(window->helpPanel()));
    EXPECT_LT(x(window->helpPanel()), x(child("slowButton")));
    EXPECT_LT(x(child("slowButton")), x(child("mediumButton")));
    EXPECT_LT(x(child("mediumButton")), x(child("fastButton")));
    EXPECT_EQ(window->closePanel()->parentWidget(), bar);
    EXPECT_EQ(x(window->closePanel()) + 19, w);
    QWidget* fast = child("fastButton");
    EXPECT_EQ(child("padLabel")->width(), w - (x(fast) + fast->width()) - 21);

    // Nine panels, width div 9 less one, from half the remainder.
    for (int i = 1; i <= 9; ++i) {
        QWidget* panel = child(QStringLiteral("letterPanel%1").arg(i).toLatin1().constData());
        EXPECT_EQ(panel->width(), 1000 / 9 - 1);
        EXPECT_EQ(x(panel), (1000 % 9) / 2 + (i - 1) * (1000 / 9));
        QWidget* letter = child(QStringLiteral("letter%1").arg(i).toLatin1().constData());
        EXPECT_EQ(letter->size(), QSize(64, 115));
        EXPECT_NEAR(letter->geometry().center().x(), panel->width() / 2, 1);
    }
    QWidget* board = child("board");
    EXPECT_EQ(board->width(), w);
    const int below = window->height() - bar->height();
    EXPECT_NEAR(board->y() - bar->height(), below - board->y() - board->height() + bar->height(), 1);
    EXPECT_EQ(x(child("missesPanel")), 4);
    EXPECT_EQ(x(child("hitsPanel")) + child("hitsPanel")->width(), w - 8);
    EXPECT_EQ(button()->size(), QSize(361, 73));
    EXPECT_NEAR(x(button()) + 180, w / 2, 1);

    // Three bars fill the space above the board, three the space below.
    int top = bar->height();
    for (int k = 1; k <= 3; ++k) {
        QWidget* upper = child(QStringLiteral("upperBar%1").arg(k).toLatin1().constData());
        EXPECT_EQ(upper->y(), top);
        EXPECT_EQ(upper->width(), w);
        top = upper->y() + upper->height();
    }
    EXPECT_EQ(top, board->y());
    int bottom = window->height();
    for (int k = 1; k <= 3; ++k) {
        QWidget* lower = child(QStringLiteral("lowerBar%1").arg(k).toLatin1().constData());
        EXPECT_EQ(lower->y() + lower->height(), bottom);
        bottom = lower->y();
    }
    EXPECT_EQ(bottom, board->y() + board->height());
}

TEST_F(SkillStopWindowTest, TheLightRunsWithItsNotesOnlyWhileTheWindowIsActive)
{
    // From the bottom, whatever steps ran while the window came up.
    window->setLight(0, true);
    t.recorded->messages.clear();
    ASSERT_TRUE(stepTimer()->isActive());
    EXPECT_EQ(stepTimer()->interval(), 100);
    ASSERT_TRUE(waitFor([&] { return window->game().position() >= 2; }));
    // Each step: channel 14 then 13, note 30 + 10 x position.
    EXPECT_EQ(sent()[0], stepNote(14, 1));
    EXPECT_EQ(sent()[1], stepNote(13, 1));
    EXPECT_EQ(sent()[2], stepNote(14, 2));
    EXPECT_EQ(sent()[3], stepNote(13, 2));
    EXPECT_EQ(accessible::readName(child("light")).left(7), "Light: ");

    activate(&other);
    EXPECT_FALSE(stepTimer()->isActive());
    const int frozenAt = window->game().position();
    const auto afterSteps = sent().size();
    ASSERT_GE(afterSteps, 381u);
    // The three-channel sweep, last.
    EXPECT_EQ(sent()[afterSteps - 381], noteOff(0, 1));
    EXPECT_EQ(sent()[afterSteps - 380], noteOff(14, 1));
    EXPECT_EQ(sent().back(), noteOff(15, 127));
    QTest::qWait(250);
    EXPECT_EQ(window->game().position(), frozenAt);
    EXPECT_EQ(sent().size(), afterSteps);

    activate(window);
    EXPECT_TRUE(stepTimer()->isActive());
    ASSERT_TRUE(waitFor([&] { return sent().size() > afterSteps; }));

    window->hide();
    EXPECT_FALSE(stepTimer()->isActive());
}

TEST_F(SkillStopWindowTest, StoppingOnPIsAHitThatChimesAndFlashesUntilStartIsPressed)
{
    // Slow: a new game at 250 ms, two letters from the top, rising.
    QTest::mouseClick(child<QToolButton>("slowButton"), Qt::LeftButton);
    EXPECT_EQ(stepTimer()->interval(), 250);
    ASSERT_TRUE(waitFor([&] { return window->game().position() == 9; }));
    ASSERT_EQ(sent().size(), 2u);
    EXPECT_EQ(sent()[0], stepNote(14, 9));
    EXPECT_EQ(sent()[1], stepNote(13, 9));
    EXPECT_EQ(accessible::readName(child("light")), "Light: P (9 of 9)");
    EXPECT_TRUE(samePicture(child<QLabel>("letter9")->pixmap(), skillstopart::letter('P', true)));

    mouse(QTest::mousePress, button());
    EXPECT_EQ(accessible::readName(child("hitsPanel")), "Hits: 1");
    EXPECT_EQ(accessible::readName(child("missesPanel")), "Misses: 0");
    EXPECT_EQ(glyphsShown("hitsPanel"), QStringList({"NB", "NB", "N1"}));
    EXPECT_TRUE(samePicture(button()->pixmap(), stored("StopIn")));
    EXPECT_FALSE(stepTimer()->isActive()); // held on Stop: nothing to do yet

    mouse(QTest::mouseRelease, button());
    EXPECT_TRUE(samePicture(button()->pixmap(), stored("StartOut")));
    EXPECT_EQ(accessible::readName(button()), "Start");
    const QPixmap firstUpper = child<QLabel>("upperBar1")->pixmap();
    EXPECT_TRUE(samePicture(firstUpper, skillstopart::colourBar(0)));
    ASSERT_TRUE(waitFor([&] { return count(ChimeHigh) >= 1; }));
    EXPECT_EQ(sent()[2], ChimeLow);
    EXPECT_EQ(sent()[3], ChimeHigh);
    EXPECT_TRUE(samePicture(child<QLabel>("upperBar1")->pixmap(), skillstopart::colourBar(2)));
    EXPECT_TRUE(samePicture(child<QLabel>("lowerBar1")->pixmap(), skillstopart::colourBar(1)));
    EXPECT_EQ(window->game().position(), 9);

    clickButton(); // Start: the light runs on, falling from P
    EXPECT_TRUE(samePicture(button()->pixmap(), stored("StopOut")));
    ASSERT_TRUE(waitFor([&] { return window->game().position() == 8; }));
    EXPECT_EQ(window->game().hits().value(), 1);
}

TEST_F(SkillStopWindowTest, TenMissesShowBlankOneZeroAndResetBlanksThem)
{
    for (int i = 0; i < 10; ++i) {
        freezeAt(4);
        clickButton(); // Stop: a miss
        clickButton(); // Start
    }
    EXPECT_EQ(digitsShown("missesPanel"), " 10");
    EXPECT_EQ(glyphsShown("missesPanel"), QStringList({"NB", "N1", "N0"}));
    EXPECT_EQ(accessible::readName(child("missesPanel")), "Misses: 10");
    EXPECT_EQ(glyphsShown("hitsPanel"), QStringList({"NB", "NB", "N0"}));

    freezeAt(2);
    clickButton();
    EXPECT_TRUE(samePicture(button()->pixmap(), stored("StartOut")));
    EXPECT_FALSE(stepTimer()->isActive()); // frozen on a miss: the timer rests
    QTest::mouseClick(child<QToolButton>("resetButton"), Qt::LeftButton);
    EXPECT_EQ(glyphsShown("missesPanel"), QStringList({"NB", "NB", "N0"}));
    EXPECT_EQ(accessible::readName(child("missesPanel")), "Misses: 0");
    EXPECT_TRUE(samePicture(button()->pixmap(), stored("StopOut")));
    EXPECT_TRUE(stepTimer()->isActive());
    EXPECT_EQ(window->game().position(), 2); // the light goes on where it was
}

TEST_F(SkillStopWindowTest, AHeldKeyPressesOnceAndItsReleaseIsTheRelease)
{
    freezeAt(5);
    key(QEvent::KeyPress, window, false, 100);
    EXPECT_EQ(window->game().misses().value(), 1);
    // Auto-repeat, marked or as a same-time pair, and a second key: no more presses.
    key(QEvent::KeyRelease, window, true, 140);
    key(QEvent::KeyPress, window, true, 140);
    key(QEvent::KeyRelease, window, false, 180);
    key(QEvent::KeyPress, window, false, 180);
    key(QEvent::KeyPress, child("board"), false, 200); // any key, anywhere
    QTest::qWait(3 * KeyRepeatFilter::GraceMs);
    EXPECT_EQ(window->game().misses().value(), 1);
    EXPECT_TRUE(samePicture(button()->pixmap(), stored("StopIn")));

    key(QEvent::KeyRelease, window, false, 900);
    ASSERT_TRUE(waitFor([&] { return window->game().phase() == 2; }));
    EXPECT_TRUE(samePicture(button()->pixmap(), stored("StartOut")));
    key(QEvent::KeyPress, window, false, 1000); // Start
    EXPECT_TRUE(window->game().running());
    EXPECT_EQ(window->game().misses().value(), 1);
}

TEST_F(SkillStopWindowTest, FastStartsANewGameThatReachesPOnItsFirstStep)
{
    freezeAt(3);
    clickButton();
    ASSERT_EQ(window->game().misses().value(), 1);
    window->setLight(9, false); // falling when Fast is chosen
    t.recorded->messages.clear();
    QTest::mouseClick(child<QToolButton>("fastButton"), Qt::LeftButton);
    EXPECT_EQ(window->game().intervalMs(), 1);
    // A step a millisecond, run in batches once a frame.
    EXPECT_EQ(stepTimer()->interval(), 16);
    EXPECT_EQ(window->game().misses().value(), 0);
    EXPECT_TRUE(samePicture(button()->pixmap(), stored("StopOut")));
    ASSERT_TRUE(waitFor([&] { return sent().size() >= 2; }));
    EXPECT_EQ(sent()[0], stepNote(14, 9));
    EXPECT_EQ(sent()[1], stepNote(13, 9));
    // Far more steps than timer ticks: a step for every millisecond.
    QTest::qWait(400);
    EXPECT_GT(sent().size() / 2, 100u);
}

TEST_F(SkillStopWindowTest, ClosingSweepsThreeChannelsByThePanelOrTheSystem)
{
    QSignalSpy released(window.data(), &SkillStopWindow::released);
    freezeAt(1);
    clickButton(); // frozen: no step notes in the way
    t.recorded->messages.clear();
    mouse(QTest::mouseClick, window->closePanel(), QPoint(9, 10));
    EXPECT_EQ(released.count(), 1);
    ASSERT_EQ(sent().size(), 381u); // and no second sweep for the focus going
    EXPECT_EQ(sent()[0], noteOff(0, 1));
    EXPECT_EQ(sent()[2], noteOff(15, 1));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);

    window = new SkillStopWindow(t.services);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->game().misses().value(), 0); // a new window starts at zero
    t.recorded->messages.clear();
    t.soundSwitch = false;
    QSignalSpy releasedAgain(window.data(), &SkillStopWindow::released);
    window->close();
    EXPECT_EQ(releasedAgain.count(), 1);
    EXPECT_TRUE(sent().empty());
}

TEST_F(SkillStopWindowTest, SoundSwitchOffSilencesStepsChimesAndSweeps)
{
    t.soundSwitch = false;
    freezeAt(8);
    QTest::mouseClick(child<QToolButton>("slowButton"), Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return window->game().position() == 9; }));
    clickButton();
    QTest::qWait(300);
    activate(&other);
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(window->game().hits().value(), 1);
}

} // namespace
