#pragma once
#include <QString>

#include <array>
#include <cstdint>

class SoundEffects;

// Derur Ivuva Zedod without any widget: fifteen pads, each on its own MIDI
// channel, that play a note while held. The pitch follows the pointer's
// height on the pad; the pad on the percussion channel always plays one
// drum. None of this waits for the menu's sound switch.
namespace pads {

inline constexpr int PadCount = 15;
inline constexpr int PadsPerRow = 5;
inline constexpr int RowCount = 3;
inline constexpr int PadWidth = 81;
inline constexpr int PadHeight = 73;
inline constexpr int PercussionPad = 7;
inline constexpr int PercussionNote = 57;
// The pointer's height on the pad plus this is the note.
inline constexpr int NoteAtTop = 20;
inline constexpr std::uint8_t Velocity = 127;
// Letting go of a pad sends this note-off (channel 15, note 60), whatever
// the pad played.
inline constexpr std::uint8_t ReleaseStatus = 0x8F;
inline constexpr std::uint8_t ReleaseNote = 60;

// Pads are numbered 1 .. 15, five to a row from the top left.
int channelOf(int pad);
int rowOf(int pad); // 0 .. 2
// The General MIDI instrument the channel plays (set at start-up).
QString instrumentOf(int pad);
// The note a pointer y pixels below the pad's top edge plays (y may lie off
// the pad while the button is held): y + 20 clamped to 0 .. 127, or 57 on
// pad 7.
int noteFor(int pad, int y);

// Which pads are held, and the notes they send through the effects. Every
// message goes out ungated.
class PadBoard {
public:
    explicit PadBoard(SoundEffects& sounds);

    // Channel 0 back to its piano, for a session that changed it.
    void setUpInstrument();

    bool pressed(int pad) const;
    // A press at height y: the pad is held and sounds at once.
    void press(int pad, int y);
    // A move at height y relative to the pad: a new note while it is held.
    void move(int pad, int y);
    // The mouse button let go: the pad is no longer held; one note-off.
    void release(int pad);
    // The pointer over the panel between the pads: every pad let go, 1 to 15.
    void releaseAll();

private:
    SoundEffects& sounds_;
    std::array<bool, PadCount> pressed_{};
};

} // namespace pads
