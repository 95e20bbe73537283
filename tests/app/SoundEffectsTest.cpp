#include "app/MidiService.h"
#include "app/SoundEffects.h"

#include <gtest/gtest.h>

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

TEST(SilenceSweep, NoteOffsAtVelocity120NoteByNoteOverTheChannelsInOrder)
{
    const std::pair<Sweep, std::vector<std::uint32_t>> sweeps[] = {
        {Sweep::ThreeChannel, {0, 14, 15}},
        {Sweep::TwoChannel, {9, 4}},
        {Sweep::Full, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
    };
    for (const auto& [sweep, channels] : sweeps) {
        const auto messages = sweepMessages(sweep);
        ASSERT_EQ(messages.size(), 127 * channels.size());
        std::size_t i = 0;
        for (std::uint32_t note = 1; note <= 127; ++note)
            for (std::uint32_t channel : channels)
                EXPECT_EQ(messages[i++], 0x780080u | (note << 8) | channel);
    }
    EXPECT_EQ(sweepMessages(Sweep::TwoChannel).back(), 0x787F84u);
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
