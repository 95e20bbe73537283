#include "games/MusicPads.h"

#include "app/SoundEffects.h"

#include <algorithm>

namespace pads {

namespace {

// Channel of pad 1 .. 15: the pads run down the channels from 14, with the
// piano on pad 1 and the last pad on channel 1.
constexpr std::array<int, PadCount> Channels = {0, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};

// Instruments of channels 0 .. 15 as the MIDI service sets them up.
const char* const Instruments[16] = {
    "Bright Acoustic Piano", "FX 5 (brightness)", "FX 3 (crystal)", "Orchestral Harp",
    "Orchestra Hit",         "Timpani",           "Kalimba",        "Koto",
    "Steel Drums",           "percussion",        "Gunshot",        "Bird Tweet",
    "Shamisen",              "Taiko Drum",        "Melodic Tom",    "Synth Drum",
};

constexpr std::uint8_t NoteOn = 0x90;
constexpr std::uint8_t ProgramChange = 0xC0;
constexpr std::uint8_t PianoProgram = 1;

bool valid(int pad) { return pad >= 1 && pad <= PadCount; }

} // namespace

int channelOf(int pad) { return valid(pad) ? Channels[std::size_t(pad - 1)] : 0; }

int rowOf(int pad) { return valid(pad) ? (pad - 1) / PadsPerRow : 0; }

QString instrumentOf(int pad) { return QString::fromLatin1(Instruments[channelOf(pad)]); }

int noteFor(int pad, int y)
{
    if (pad == PercussionPad)
        return PercussionNote;
    // Widen before adding so a pointer far off the pad cannot overflow.
    return int(std::clamp<qint64>(qint64(y) + NoteAtTop, 0, 127));
}

PadBoard::PadBoard(SoundEffects& sounds) : sounds_(sounds) {}

void PadBoard::setUpInstrument() { sounds_.play(SoundGate::Always, ProgramChange, PianoProgram, 0); }

bool PadBoard::pressed(int pad) const { return valid(pad) && pressed_[std::size_t(pad - 1)]; }

void PadBoard::press(int pad, int y)
{
    if (!valid(pad))
        return;
    pressed_[std::size_t(pad - 1)] = true;
    move(pad, y);
}

void PadBoard::move(int pad, int y)
{
    if (!pressed(pad))
        return;
    sounds_.play(SoundGate::Always, std::uint8_t(NoteOn + channelOf(pad)), std::uint8_t(noteFor(pad, y)), Velocity);
}

void PadBoard::release(int pad)
{
    if (!valid(pad))
        return;
    pressed_[std::size_t(pad - 1)] = false;
    sounds_.play(SoundGate::Always, ReleaseStatus, ReleaseNote, Velocity);
}

void PadBoard::releaseAll()
{
    for (int pad = 1; pad <= PadCount; ++pad)
        release(pad);
}

} // namespace pads
