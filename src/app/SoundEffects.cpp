#include "app/SoundEffects.h"

#include "app/MidiService.h"

bool gateOpen(SoundGate gate, bool soundSwitch, bool midiAvailable, bool ownSoundFlag)
{
    switch (gate) {
    // The menu already holds the switch off while MIDI is unavailable; testing
    // both keeps a window silent even before the menu has done so.
    case SoundGate::Switch: return soundSwitch && midiAvailable;
    case SoundGate::Midi: return midiAvailable;
    case SoundGate::Always: return true;
    case SoundGate::Reserved: return midiAvailable && ownSoundFlag;
    }
    return false;
}

std::vector<std::uint32_t> sweepMessages(Sweep sweep)
{
    std::vector<std::uint8_t> channels;
    switch (sweep) {
    case Sweep::ThreeChannel: channels = {0, 14, 15}; break;
    case Sweep::TwoChannel: channels = {9, 4}; break;
    case Sweep::Full:
        for (std::uint8_t channel = 0; channel < 16; ++channel)
            channels.push_back(channel);
        break;
    }
    std::vector<std::uint32_t> messages;
    messages.reserve(127 * channels.size());
    for (std::uint8_t note = 1; note <= 127; ++note)
        for (std::uint8_t channel : channels)
            messages.push_back(packShortMessage(0x80 + channel, note, 120));
    return messages;
}

SoundEffects::SoundEffects(MidiService& midi, std::function<bool()> soundSwitch)
    : midi_(midi)
    , soundSwitch_(std::move(soundSwitch))
{
}

bool SoundEffects::allowed(SoundGate gate, bool ownSoundFlag) const
{
    // The switch is only asked when the gate depends on it.
    const bool switchOn = gate == SoundGate::Switch && soundSwitch_ && soundSwitch_();
    return gateOpen(gate, switchOn, midiAvailable(), ownSoundFlag);
}

bool SoundEffects::midiAvailable() const
{
    midi_.ensureStarted();
    return midi_.midiAvailable();
}

void SoundEffects::play(SoundGate gate, std::uint8_t status, std::uint8_t data1, std::uint8_t data2,
                        bool ownSoundFlag)
{
    if (allowed(gate, ownSoundFlag))
        midi_.send(status, data1, data2);
}

void SoundEffects::sweep(SoundGate gate, Sweep sweep, bool ownSoundFlag)
{
    if (!allowed(gate, ownSoundFlag))
        return;
    for (std::uint32_t message : sweepMessages(sweep))
        midi_.send(message & 0xFF, (message >> 8) & 0xFF, (message >> 16) & 0xFF);
}
