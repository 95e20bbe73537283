#include "games/MusicPadsWindow.h"

#include "ActiveWindowTest.h"
#include "TestServices.h"
#include "app/Panel.h"
#include "common/AccessibleValue.h"
#include "common/Colours.h"
#include "games/MusicPadsArt.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QTest>

#include <memory>

namespace {

constexpr std::uint32_t noteOn(int channel, int note) { return std::uint32_t(0x90 + channel) | (note << 8) | (127u << 16); }
constexpr std::uint32_t Release = 0x7F3C8F; // note off, ch 15, note 60, vel 127

class MusicPadsWindowTest : public ActiveWindowTest<MusicPadsWindow> {
protected:
    // Pointer events go the whole way through the window system, so the
    // button state and the pad that holds the mouse are the real ones.
    QPoint onPad(int pad, QPoint local) const { return window->pad(pad)->mapTo(window, local); }
    void press(int pad, QPoint local) { QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, onPad(pad, local)); }
    void moveTo(QPoint inWindow) { QTest::mouseMove(window->windowHandle(), inWindow); }
    void release(QPoint inWindow) { QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, inWindow); }
    // A point on the light blue panel between pads 1, 2, 6 and 7.
    QPoint betweenPads() const { return window->pad(1)->mapTo(window, QPoint(81 + 3, 73 + 3)); }

    bool showsDown(int pad) const
    {
        return window->pad(pad)->pixmap().toImage() == padart::padPicture(pads::rowOf(pad), true).toImage();
    }
    bool showsUp(int pad) const
    {
        return window->pad(pad)->pixmap().toImage() == padart::padPicture(pads::rowOf(pad), false).toImage();
    }
    const std::vector<std::uint32_t>& sent() const { return t.recorded->messages; }
};

} // namespace

TEST(MusicPadsWindowAlone, SetsThePianoOnChannelZeroWhenItOpensWhateverTheSwitch)
{
    TestServices t;
    t.soundSwitch = false;
    MusicPadsWindow window(t.services);
    EXPECT_EQ(t.recorded->messages, (std::vector<std::uint32_t>{0x0001C0}));
}

TEST_F(MusicPadsWindowTest, FifteenPadsInThreeRowsOnALightBluePanel)
{
    EXPECT_EQ(window->size(), QSize(550, 307));
    EXPECT_EQ(window->windowTitle(), "Derur Ivuva Zedod");
    EXPECT_EQ(window->helpText(),
              "Derur Ivuva Zedod\r\n\r\n"
              "To make crazy sound effects, simply click on any of the pads.  The pitch produced will depend "
              "on where\r\n"
              "about on the pad you click.  Try sliding the mouse around whilst keeping the mouse button "
              "pressed.      \r\n\r\n"
              "To use this module, ensure that you have a compatible Sound Card, and Sound is ON in main "
              "menu.  \r\n");
    EXPECT_EQ(window->padPanel()->colour(), colours::LightBlue);
    for (int pad = 1; pad <= 15; ++pad) {
        QLabel* p = window->pad(pad);
        EXPECT_EQ(p->size(), QSize(81, 73)) << pad;
        EXPECT_TRUE(showsUp(pad)) << pad;
        EXPECT_EQ(window->childAt(onPad(pad, QPoint(40, 36))), p) << pad;
    }
    // Five to a row, left to right, rows top to bottom.
    EXPECT_EQ(window->pad(2)->y(), window->pad(1)->y());
    EXPECT_GE(window->pad(2)->x(), window->pad(1)->x() + 81);
    EXPECT_GE(window->pad(6)->y(), window->pad(1)->y() + 73);
    EXPECT_EQ(window->pad(6)->x(), window->pad(1)->x());
    EXPECT_GE(window->pad(11)->y(), window->pad(6)->y() + 73);
    EXPECT_EQ(window->childAt(betweenPads()), window->padPanel());
    EXPECT_EQ(window->childAt(window->helpPanel()->geometry().center()), window->helpPanel());
    EXPECT_EQ(window->childAt(window->closePanel()->geometry().center()), window->closePanel());
    EXPECT_TRUE(sent().empty());
}

TEST_F(MusicPadsWindowTest, EachPadSaysItsChannelToAScreenReader)
{
    EXPECT_EQ(accessible::readName(window->pad(1)), "Pad 1: channel 0, Bright Acoustic Piano");
    EXPECT_EQ(accessible::readName(window->pad(7)), "Pad 7: channel 9, percussion");
    EXPECT_EQ(accessible::readName(window->pad(15)), "Pad 15: channel 1, FX 5 (brightness)");
}

TEST_F(MusicPadsWindowTest, ThePitchFollowsThePointerDownThePadAndPastIt)
{
    press(1, QPoint(40, 0));
    EXPECT_TRUE(showsDown(1));
    EXPECT_EQ(sent(), (std::vector<std::uint32_t>{noteOn(0, 20)}));
    moveTo(onPad(1, QPoint(40, 36)));
    EXPECT_EQ(sent().back(), noteOn(0, 56));
    moveTo(onPad(1, QPoint(40, 107)));
    EXPECT_EQ(sent().back(), noteOn(0, 127));
    moveTo(onPad(1, QPoint(40, 110)));
    EXPECT_EQ(sent().back(), noteOn(0, 127));
    EXPECT_EQ(sent().size(), 4u);
    release(onPad(1, QPoint(40, 110)));
    EXPECT_TRUE(showsUp(1));
    EXPECT_EQ(sent().back(), Release);
    EXPECT_FALSE(window->board().pressed(1));
}

TEST_F(MusicPadsWindowTest, ThePercussionPadPlaysFiftySevenOnChannelNineAnywhere)
{
    press(7, QPoint(5, 70));
    moveTo(onPad(7, QPoint(60, 3)));
    release(onPad(7, QPoint(60, 3)));
    EXPECT_EQ(sent(), (std::vector<std::uint32_t>{0x7F3999, 0x7F3999, Release}));
}

TEST_F(MusicPadsWindowTest, DraggingAcrossAnotherPadKeepsTheFirstPadsChannelAndHeight)
{
    press(1, QPoint(10, 10));
    const QPoint overPad2 = onPad(2, QPoint(40, 50));
    moveTo(overPad2);
    // Height measured from pad 1's top edge, which lies level with pad 2's.
    EXPECT_EQ(sent().back(), noteOn(0, 70));
    EXPECT_FALSE(window->board().pressed(2));
    EXPECT_TRUE(showsUp(2));
    release(overPad2);
    EXPECT_FALSE(window->board().pressed(1));
    EXPECT_TRUE(showsUp(1));
    EXPECT_EQ(std::count(sent().begin(), sent().end(), Release), 1);
    for (std::uint32_t m : sent())
        EXPECT_TRUE(m == Release || (m & 0xFF) == 0x90) << std::hex << m;
}

TEST_F(MusicPadsWindowTest, TheSoundSwitchDoesNotSilenceThePads)
{
    t.soundSwitch = false;
    press(3, QPoint(0, 30));
    release(onPad(3, QPoint(0, 30)));
    EXPECT_EQ(sent(), (std::vector<std::uint32_t>{noteOn(13, 50), Release}));
}

TEST_F(MusicPadsWindowTest, AQuickSecondPressIsAPressToo)
{
    press(4, QPoint(10, 10));
    release(onPad(4, QPoint(10, 10)));
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, onPad(4, QPoint(10, 20)));
    // The double click's second press reaches the pad as a double-click event.
    EXPECT_EQ(sent(), (std::vector<std::uint32_t>{noteOn(12, 30), Release, noteOn(12, 40), Release,
                                                  noteOn(12, 40), Release}));
    EXPECT_FALSE(window->board().pressed(4));
}

TEST_F(MusicPadsWindowTest, MovingOverThePanelLetsEveryPadGo)
{
    // A pad left held (its release went to a box or another window).
    QMouseEvent stuck(QEvent::MouseButtonPress, QPointF(10, 10), window->pad(9)->mapToGlobal(QPointF(10, 10)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window->pad(9), &stuck);
    ASSERT_TRUE(window->board().pressed(9));
    ASSERT_TRUE(showsDown(9));
    t.recorded->messages.clear();

    moveTo(betweenPads());
    EXPECT_EQ(sent(), std::vector<std::uint32_t>(15, Release));
    EXPECT_FALSE(window->board().pressed(9));
    EXPECT_TRUE(showsUp(9));
}

TEST_F(MusicPadsWindowTest, NothingIsSentWhenTheFocusGoesOrTheWindowCloses)
{
    activate(&other);
    activate(window);
    int released = 0;
    QObject::connect(window, &MusicPadsWindow::released, [&released] { ++released; });
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      window->closePanel()->geometry().center());
    EXPECT_EQ(released, 1);
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);
    EXPECT_TRUE(sent().empty());
}
