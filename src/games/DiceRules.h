#pragma once
#include <QPoint>
#include <array>
#include <cstdint>

class QTime;
namespace platform {
class Random;
}

// The Electronic Dice without any widget: six dice that can be switched off,
// a roll button that is held or not, and the pip layout of each face. The
// window only draws what this decides and plays the sounds it reports.
namespace dice {

inline constexpr int DieCount = 6;
inline constexpr int PipCount = 7;       // pips A..G, index 0..6
inline constexpr int LowestFace = 1;
inline constexpr int HighestFace = 6;
inline constexpr int DieSize = 105;
inline constexpr int PipSize = 25;
inline constexpr int ButtonWidth = 361;
inline constexpr int ButtonHeight = 73;

// Letter of pip index 0..6 ('A'..'G').
char pipLetter(int pip);
// Offset of a pip's top-left corner from the die's top-left corner.
QPoint pipOffset(int pip);
// Whether pip `pip` shows on a die drawing `value`; value 0 is a die that is
// off and shows nothing. Values outside 0..6 show nothing either.
bool pipShown(int value, int pip);

// The button's hit test: a press or a move outside this lets the button go.
// The far edges count as inside, so 0..361 by 0..73 inclusive is the button.
bool outsideButton(int x, int y);

// Seeds the generator from the time of day in milliseconds: done when the
// window becomes active and on every roll step, so each throw starts from
// the moment it is made.
void reseedFromTime(platform::Random& random, const QTime& now);

// What a press on the roll button asks of the window.
struct PressOutcome {
    bool letGo = false;          // the point was outside: the button was let go
    bool stepped = false;        // a roll step ran (the button was already held)
    bool warnNoneActive = false; // every die is off: say "None are active!"
};

class DiceState {
public:
    // Six dice showing one, all on, button not held; the window deals fresh
    // faces with dealFaces() when it is created.
    DiceState();

    // Every die, on or off, gets a new face 1..6 from the generator, die 1
    // first.
    void dealFaces(platform::Random& random);

    // Die numbers run 1..6.
    int face(int die) const;    // the last face drawn, kept while off
    bool isOn(int die) const;
    int shownValue(int die) const; // the face, or 0 when the die is off
    bool allOff() const;
    bool held() const { return held_; }

    // A click on the die: off <-> on. The face stays as it was.
    void toggle(int die);

    // A press on the roll button at (x, y) in button coordinates; keys
    // press at (0, 0). A press while already held (key auto-repeat) runs
    // one extra roll step, drawn as rollStep() does.
    PressOutcome press(int x, int y, platform::Random& random, const QTime& now);
    void letGo() { held_ = false; }

    // One tick of the roll: nothing unless held; otherwise re-seeds the
    // generator from `now` and rolls every die that is on, 1 to 6 in order.
    // Returns whether it ran (the window then sounds the tick).
    bool rollStep(platform::Random& random, const QTime& now);

private:
    std::array<std::uint8_t, DieCount> faces_{};
    std::array<bool, DieCount> off_{};
    bool held_ = false;
};

} // namespace dice
