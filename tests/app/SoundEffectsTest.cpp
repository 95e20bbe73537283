#include "app/MidiService.h"
#include "app/SoundEffects.h"

#include <gtest/gtest.h>

#include <set>

using platform::RecordingMidi;

namespace {

class SoundEffectsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto transport = std::make_unique<RecordingMidi>();
        device = transport.get();
        midi = std::make_unique<MidiService>(std::move(transport));
        midi->startUp();
        device->messages.clear();
        effects = std::make_unique<SoundEffects>(*midi, [this] { return soundSwitch; });
    }

    bool soundSwitch = true;
    RecordingMidi* device = nullptr;
    std::unique_ptr<MidiService> midi;
    std::unique_ptr<SoundEffects> effects;
};

} // namespace

TEST(SoundGate, EveryCombination)
{
    // Bit (switch*4 + midi*2 + own) set where the gate lets the effect through.
    const std::pair<SoundGate, unsigned> open[] = {
        {SoundGate::Switch, 0b1100'0000},   // switch and MIDI
        {SoundGate::Midi, 0b1100'1100},     // MIDI
        {SoundGate::Always, 0b1111'1111},   // no test
        {SoundGate::Reserved, 0b1000'1000}, // MIDI and own flag
    };
    for (const auto& [gate, mask] : open)
        for (unsigned bits = 0; bits < 8; ++bits)
            EXPECT_EQ(gateOpen(gate, bits & 4, bits & 2, bits & 1), bool(mask >> bits & 1))
                << "gate " << int(gate) << " switch " << bool(bits & 4) << " midi " << bool(bits & 2)
                << " own " << bool(bits & 1);
}

TEST(SilenceSweep, ExactMessagesInOrder)
{
    const auto three = sweepMessages(Sweep::ThreeChannel);
    ASSERT_EQ(three.size(), 381u);
    EXPECT_EQ(std::vector<std::uint32_t>(three.begin(), three.begin() + 6),
              (std::vector<std::uint32_t>{0x780180, 0x78018E, 0x78018F, 0x780280, 0x78028E, 0x78028F}));
    EXPECT_EQ(three.back(), 0x787F8Fu);

    const auto two = sweepMessages(Sweep::TwoChannel);
    ASSERT_EQ(two.size(), 254u);
    EXPECT_EQ(std::vector<std::uint32_t>(two.begin(), two.begin() + 4),
              (std::vector<std::uint32_t>{0x780189, 0x780184, 0x780289, 0x780284}));
    EXPECT_EQ(two.back(), 0x787F84u);

    const auto full = sweepMessages(Sweep::Full);
    ASSERT_EQ(full.size(), 2032u);
    for (std::uint32_t channel = 0; channel < 16; ++channel)
        EXPECT_EQ(full[channel], 0x780180u + channel);
    EXPECT_EQ(full[16], 0x780280u);
    EXPECT_EQ(full.back(), 0x787F8Fu);
}

TEST(SilenceSweep, NoteOffsOnlyAndEveryNoteOncePerChannel)
{
    for (Sweep sweep : {Sweep::ThreeChannel, Sweep::TwoChannel, Sweep::Full}) {
        const auto messages = sweepMessages(sweep);
        std::set<std::uint32_t> distinct(messages.begin(), messages.end());
        EXPECT_EQ(distinct.size(), messages.size());
        std::uint32_t previousNote = 1;
        for (std::uint32_t message : messages) {
            EXPECT_EQ(message & 0xF0, 0x80u);
            const std::uint32_t note = (message >> 8) & 0xFF;
            EXPECT_GE(note, previousNote);
            EXPECT_LE(note, 127u);
            EXPECT_EQ(message >> 16, 120u) << "velocity 120 and bits 24-31 zero";
            previousNote = note;
        }
    }
}

TEST_F(SoundEffectsTest, SwitchGateFollowsTheSwitchAtEachEffect)
{
    effects->play(SoundGate::Switch, 0x99, 60, 127);
    soundSwitch = false;
    effects->play(SoundGate::Switch, 0x94, 60, 127);
    effects->sweep(SoundGate::Switch, Sweep::ThreeChannel);
    EXPECT_EQ(device->messages, std::vector<std::uint32_t>{0x7F3C99});

    soundSwitch = true;
    effects->sweep(SoundGate::Switch, Sweep::TwoChannel);
    EXPECT_EQ(device->messages.size(), 1u + 254u);
    EXPECT_EQ(device->messages.back(), 0x787F84u);
}

TEST_F(SoundEffectsTest, SwitchAloneIsNotEnoughWithoutMidi)
{
    midi->setMidiAvailable(false);
    EXPECT_FALSE(effects->allowed(SoundGate::Switch));
    effects->play(SoundGate::Switch, 0x99, 60, 127);
    effects->sweep(SoundGate::Switch, Sweep::ThreeChannel);
    EXPECT_TRUE(device->messages.empty());

    SoundEffects noSwitch(*midi, {});
    midi->setMidiAvailable(true);
    EXPECT_FALSE(noSwitch.allowed(SoundGate::Switch));
}

TEST_F(SoundEffectsTest, MidiGateIgnoresTheSwitch)
{
    soundSwitch = false;
    effects->sweep(SoundGate::Midi, Sweep::Full);
    EXPECT_EQ(device->messages, sweepMessages(Sweep::Full));

    device->messages.clear();
    midi->setMidiAvailable(false);
    effects->sweep(SoundGate::Midi, Sweep::Full);
    EXPECT_TRUE(device->messages.empty());
}

TEST_F(SoundEffectsTest, AlwaysGateSendsEvenWhenMidiIsOff)
{
    soundSwitch = false;
    midi->setMidiAvailable(false);
    effects->play(SoundGate::Always, 0xC0, 1, 0);
    effects->play(SoundGate::Always, 0x80 + 15, 60, 127);
    EXPECT_EQ(device->messages, (std::vector<std::uint32_t>{0x0001C0, 0x7F3C8F}));
}

TEST_F(SoundEffectsTest, ReservedGateNeedsTheWindowsOwnFlagAndMidi)
{
    effects->play(SoundGate::Reserved, 0x94, 60, 127);
    effects->play(SoundGate::Reserved, 0x94, 61, 127, true);
    midi->setMidiAvailable(false);
    effects->play(SoundGate::Reserved, 0x94, 62, 127, true);
    EXPECT_EQ(device->messages, std::vector<std::uint32_t>{0x7F3D94});
}
