#pragma once
#include <cstdint>
#include <functional>
#include <vector>

class MidiService;

// The test a window applies before sending an effect.
enum class SoundGate {
    Switch,   // the menu's sound switch is on (and MIDI is available)
    Midi,     // MidiAvailable
    Always,   // no test
    Reserved, // MidiAvailable and the window's own sound flag
};

// Note-off runs that silence hanging notes, over channels 0,14,15 / 9,4 / 0..15.
enum class Sweep { ThreeChannel, TwoChannel, Full };

bool gateOpen(SoundGate gate, bool soundSwitch, bool midiAvailable, bool ownSoundFlag);

// Note-offs at velocity 120 for notes 1..127 rising, each note on the sweep's
// channels in order.
std::vector<std::uint32_t> sweepMessages(Sweep sweep);

// Every window plays its effects through here, so the gates are applied alike.
class SoundEffects {
public:
    // soundSwitch reads the menu's switch at the moment of each effect.
    SoundEffects(MidiService& midi, std::function<bool()> soundSwitch);

    void play(SoundGate gate, std::uint8_t status, std::uint8_t data1, std::uint8_t data2,
              bool ownSoundFlag = false);
    void sweep(SoundGate gate, Sweep sweep, bool ownSoundFlag = false);
    bool allowed(SoundGate gate, bool ownSoundFlag = false) const;
    // MidiAvailable; the device is opened on the first question.
    bool midiAvailable() const;

private:
    MidiService& midi_;
    std::function<bool()> soundSwitch_;
};
