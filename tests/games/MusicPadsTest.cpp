#include "games/MusicPads.h"

#include "TestServices.h"

#include <gtest/gtest.h>

#include <set>

using namespace pads;

namespace {

constexpr std::uint32_t message(int status, int data1, int data2)
{
    return std::uint32_t(status) | (std::uint32_t(data1) << 8) | (std::uint32_t(data2) << 16);
}
constexpr std::uint32_t noteOn(int channel, int note) { return message(0x90 + channel, note, 127); }
constexpr std::uint32_t Release = message(0x8F, 60, 127);

class PadBoardTest : public ::testing::Test {
protected:
    const std::vector<std::uint32_t>& sent() const { return t.recorded->messages; }

    TestServices t;
    PadBoard board{t.effects};
};

} // namespace

TEST(PadRules, EachPadHasItsChannelAndInstrument)
{
    const int channels[PadCount] = {0, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    std::set<int> used;
    for (int pad = 1; pad <= PadCount; ++pad) {
        EXPECT_EQ(channelOf(pad), channels[pad - 1]) << "pad " << pad;
        used.insert(channelOf(pad));
    }
    EXPECT_EQ(used.size(), 15u); // every channel but 15, which only ever hears note-offs
    EXPECT_EQ(used.count(15), 0u);

    EXPECT_EQ(instrumentOf(1), "Bright Acoustic Piano");
    EXPECT_EQ(instrumentOf(2), "Melodic Tom");
    EXPECT_EQ(instrumentOf(6), "Gunshot");
    EXPECT_EQ(instrumentOf(7), "percussion");
    EXPECT_EQ(instrumentOf(12), "Orchestra Hit");
    EXPECT_EQ(instrumentOf(15), "FX 5 (brightness)");

    EXPECT_EQ(rowOf(1), 0);
    EXPECT_EQ(rowOf(5), 0);
    EXPECT_EQ(rowOf(6), 1);
    EXPECT_EQ(rowOf(10), 1);
    EXPECT_EQ(rowOf(11), 2);
    EXPECT_EQ(rowOf(15), 2);
}

TEST(PadRules, TheNoteFollowsThePointersHeightClampedToMidisRange)
{
    EXPECT_EQ(noteFor(1, 0), 20);   // the pad's top edge
    EXPECT_EQ(noteFor(1, 72), 92);  // its bottom row of pixels
    EXPECT_EQ(noteFor(1, 107), 127);
    EXPECT_EQ(noteFor(1, 108), 127);
    EXPECT_EQ(noteFor(1, 110), 127);
    EXPECT_EQ(noteFor(1, 150), 127);
    EXPECT_EQ(noteFor(1, -20), 0);  // dragged above the pad
    EXPECT_EQ(noteFor(1, -21), 0);
    EXPECT_EQ(noteFor(1, -19), 1);
    EXPECT_EQ(noteFor(15, 36), 56);
    // Far off the screen: no overflow wraps it round.
    EXPECT_EQ(noteFor(3, std::numeric_limits<int>::max()), 127);
    EXPECT_EQ(noteFor(3, std::numeric_limits<int>::min()), 0);
}

TEST(PadRules, ThePercussionPadAlwaysPlaysFiftySeven)
{
    for (int y : {-500, 0, 36, 72, 500})
        EXPECT_EQ(noteFor(7, y), 57) << y;
}

TEST_F(PadBoardTest, SettingUpPutsThePianoOnChannelZero)
{
    board.setUpInstrument();
    EXPECT_EQ(sent(), (std::vector<std::uint32_t>{message(0xC0, 1, 0)}));
}

TEST_F(PadBoardTest, APressSoundsAtOnceAndEveryMoveWhileHeldStartsANewNote)
{
    board.press(1, 0);
    EXPECT_TRUE(board.pressed(1));
    board.move(1, 10);
    board.move(1, 10);
    board.move(1, 110);
    board.release(1);
    EXPECT_FALSE(board.pressed(1));
    board.move(1, 40); // no longer held: silent
    EXPECT_EQ(sent(), (std::vector<std::uint32_t>{noteOn(0, 20), noteOn(0, 30), noteOn(0, 30), noteOn(0, 127),
                                                  Release}));
}

TEST_F(PadBoardTest, EveryPadPlaysOnItsOwnChannel)
{
    std::vector<std::uint32_t> expected;
    for (int pad = 1; pad <= PadCount; ++pad) {
        board.press(pad, 30);
        board.release(pad);
        expected.push_back(noteOn(channelOf(pad), pad == 7 ? 57 : 50));
        expected.push_back(Release);
    }
    EXPECT_EQ(sent(), expected);
    EXPECT_EQ(sent()[12], message(0x99, 57, 127));
}

TEST_F(PadBoardTest, MovesOverAPadNotHeldAreSilent)
{
    board.move(4, 20);
    board.press(3, 20);
    board.move(4, 20);
    EXPECT_EQ(sent(), (std::vector<std::uint32_t>{noteOn(13, 40)}));
}

TEST_F(PadBoardTest, LettingGoOfThePanelReleasesAllFifteenInOrder)
{
    board.press(2, 0);
    board.press(9, 0);
    t.recorded->messages.clear();
    board.releaseAll();
    EXPECT_EQ(sent(), std::vector<std::uint32_t>(15, Release));
    for (int pad = 1; pad <= PadCount; ++pad)
        EXPECT_FALSE(board.pressed(pad));
}

TEST_F(PadBoardTest, TheSoundSwitchDoesNotSilenceThePads)
{
    t.soundSwitch = false;
    board.setUpInstrument();
    board.press(5, 1);
    board.release(5);
    board.releaseAll();
    EXPECT_EQ(sent().size(), 3u + 15u);
    EXPECT_EQ(sent()[1], noteOn(11, 21));
}

TEST_F(PadBoardTest, WithoutMidiNothingIsSentAndNothingFails)
{
    t.midiService.setMidiAvailable(false);
    t.midiService.close();
    board.press(1, 5);
    board.release(1);
    EXPECT_TRUE(sent().empty());
    EXPECT_FALSE(board.pressed(1));
}

TEST_F(PadBoardTest, PadNumbersOutsideOneToFifteenAreIgnored)
{
    for (int pad : {0, 16, -1}) {
        board.press(pad, 10);
        board.move(pad, 10);
        board.release(pad);
        EXPECT_FALSE(board.pressed(pad));
    }
    EXPECT_TRUE(sent().empty());
}
