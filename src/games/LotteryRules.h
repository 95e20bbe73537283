#pragma once
#include <QString>
#include <array>
#include <vector>

namespace platform {
class Random;
}

// The Bingo / Lottery ball machine without any widget: the highest ball
// number, the shuffled draw order, the ten tubes of the rack with the balls
// falling into them, the drop button and the red bands of the machine
// picture. The window only shows what this decides.
namespace lottery {

inline constexpr int LowestMaximum = 10;
inline constexpr int HighestMaximum = 100;
inline constexpr int DefaultMaximum = 49;
inline constexpr int TubeCount = 10;
inline constexpr int ShuffleRounds = 2;
inline constexpr int SwapsPerRound = 5000;

// The drop button's face, 200 x 75, and where a press counts as on it.
inline constexpr int ButtonWidth = 200;
inline constexpr int ButtonHeight = 75;
// The far edges count as inside: 0..200 by 0..75 inclusive.
bool outsideButton(int x, int y);

// Balls and the rack.
inline constexpr int BallSize = 45;
inline constexpr int BallStartTop = 192;
inline constexpr int BallFallStep = 20;
inline constexpr int BallRestsBelow = 285; // a top past this has landed
inline constexpr int BallDigitGap = 2;
inline constexpr int TubeWidth = 50;
// Left edge of the ball in tube 1..10, in the rack.
int ballLeft(int tube);

// The highest ball number a stored "Balls" value asks for: 49 when it is
// not a whole number, else kept within 10..100.
int maximumFromSetting(const QString& stored);

// The three digit pictures of a number display or a ball, by name in the
// shared picture store.
// Display of N: hundreds "RBlank" below 100, "Ball1" at 100; then tens and units.
std::array<QString, 3> maximumDigits(int maximum);

// Where the digit pictures of ball b go on the ball: b written in decimal,
// padded to three characters, a picture for every character that is not a
// space ("Ball1" for the hundreds of 100), side by side with 2-pixel gaps
// and the whole row centred (truncated) across the 45-pixel ball.
struct DigitPlace {
    int digit;
    int left;
};
std::vector<DigitPlace> ballDigitPlaces(int ball, const std::array<int, 10>& digitWidths);

// The colour a ball is filled with, by b modulo 4.
enum class BallColour { Yellow, Navy, White, Lime };
BallColour ballColour(int ball);

enum class TubeState { Empty, Falling, Resting };

struct Tube {
    TubeState state = TubeState::Empty;
    int ball = 0; // the number shown, 0 when empty
    int top = 0;  // the ball's top in the rack
};

// What letting go of the button did.
struct Drop {
    bool restarted = false;   // the press after the last ball: a new game, no ball
    bool rackCleared = false; // the rack was full: emptied before this ball
    int tube = 0;             // the tube the ball went into, 1..10 (0: none)
    int ball = 0;             // the ball drawn
};

class LotteryGame {
public:
    // A game for 49 balls, not yet shuffled: call newGame().
    LotteryGame();

    // A new game for N balls (brought within 10..100): the rack emptied,
    // the first tube and ball next, the balls shuffled afresh.
    void newGame(int maximum, platform::Random& random);

    // Positions 1..100 hold 1..100; then 2 x 5000 swaps of two positions
    // drawn from 1..N.
    void shuffle(platform::Random& random);

    // A press on the button at (x, y), keys at (0, 0). Outside the button it
    // lets go instead (returns false). A press while already held is a
    // repeat: `repeated` says so (the window ticks for it).
    bool press(int x, int y, bool* repeated = nullptr);
    // The pointer dragged off, or a press outside: the button is let go
    // without a ball.
    void letGo() { held_ = false; }
    // The button released (mouse up or key up): draws the next ball into
    // the next tube, or after the last ball starts a new game.
    Drop release(platform::Random& random);

    // One step of the fall: every falling ball moves 20 pixels down and
    // lands once its top passes 285. Returns whether any is still falling.
    bool fallStep();
    // Every falling ball lands at once where its fall would end.
    void land();
    bool anyFalling() const;

    int maximum() const { return maximum_; }
    // Ball at position 1..100 of the draw order.
    int sequenceAt(int position) const;
    int nextDraw() const { return nextDraw_; }
    int nextTube() const { return nextTube_; }
    const Tube& tube(int number) const { return tubes_.at(number - 1); }
    bool held() const { return held_; }
    bool allDrawn() const { return allDrawn_; }
    int lastBall() const { return lastBall_; }

    // The button's picture: Drop Ball up or down or, once every ball is
    // out, the restart face up or down.
    enum class Face { Drop, DropPressed, Restart, RestartPressed };
    Face face() const;

private:
    void emptyRack();

    int maximum_ = DefaultMaximum;
    std::array<int, HighestMaximum> sequence_{};
    int nextDraw_ = 1;
    int nextTube_ = 1;
    std::array<Tube, TubeCount> tubes_{};
    bool held_ = false;
    bool allDrawn_ = false;
    int lastBall_ = 0;
};

// The machine picture's red bands: a phase 0..9 advanced every 100 ms, and
// a starting direction that flips each time the phase wraps.
class MachineBands {
public:
    static constexpr int Rows = 91;        // rows 0..90 are drawn
    static constexpr int TopShade = 12;
    static constexpr int ShadeStep = 20;   // red intensity per shade

    void advance();
    int phase() const { return phase_; }
    bool startsRising() const { return startsRising_; }
    // The red intensity (0..240) of each row, top first: shades climbing
    // and falling between 0 and 12 from the phase in the starting direction.
    std::array<int, Rows> rowReds() const;

private:
    int phase_ = 0;
    bool startsRising_ = true;
};

} // namespace lottery
