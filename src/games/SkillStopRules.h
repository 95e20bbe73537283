#pragma once
#include <QString>
#include <array>

namespace platform {
class Random;
}

// The Vuroz Uzid reaction game without any widget: the running light over
// the letters S K I L L S T O P, the Stop / Start button cycle that freezes
// and frees it, the hit and miss counters and the colour bars that flash on
// a frozen hit. The window only draws what this decides and plays the notes
// it reports.
namespace skillstop {

inline constexpr int LetterCount = 9;     // S K I L L S T O P
inline constexpr int TopPosition = 9;     // every letter lit, "P" included
inline constexpr int BarCount = 3;        // colour bars above, and again below
inline constexpr int CounterDigits = 3;
inline constexpr int CounterLimit = 999;  // what three digits can show

// Step intervals of the three speeds, in milliseconds.
inline constexpr int SlowMs = 250;
inline constexpr int MediumMs = 100;
inline constexpr int FastMs = 1;

// Steps faster than a screen frame are run in batches once a frame: the
// pacer says how many fell due since it started, one per interval, so a
// 1 ms game makes a thousand steps a second without waking the program a
// thousand times. Slower games step once per tick as usual.
class StepPacer {
public:
    static constexpr int FrameMs = 16;
    // More than this many frames late (the program was held up) and the
    // missed steps are dropped rather than run in one burst.
    static constexpr int MaxFramesBehind = 4;

    // How often the step timer should tick for a step interval.
    static int timerInterval(int stepMs) { return stepMs < FrameMs ? FrameMs : stepMs; }

    // Counting starts at `nowMs` (any clock in milliseconds).
    void start(qint64 nowMs, int stepMs);
    // Steps due between the last call and nowMs.
    int due(qint64 nowMs);

private:
    qint64 startedMs_ = 0;
    qint64 counted_ = 0; // steps handed out (or dropped) since start
    int stepMs_ = 1;
};

// The letter of position 1..9 ('S', 'K', ... 'P'); '?' outside.
QChar letterAt(int position);
// The lit part of the word for a light at 0..9: "" .. "SKILLSTOP".
QString litLetters(int position);

// A three-digit score display. Counting carries units into tens into
// hundreds; the tens and hundreds show blank until they first change, so
// a fresh counter reads blank, blank, 0.
class ScoreCounter {
public:
    void reset();
    // One more. A counter at 999 stays there: three digits cannot say more,
    // and rolling over to 000 would tell the player they had scored nothing.
    void add();
    int value() const { return digits_[0] * 100 + digits_[1] * 10 + digits_[2]; }
    // Hundreds, tens, units: '0'..'9', or ' ' for a blank position.
    QString shown() const;

private:
    std::array<int, CounterDigits> digits_{};  // hundreds, tens, units
    bool hundredsShown_ = false;
    bool tensShown_ = false;
};

// The big button's four pictures, named as in the shared picture store.
enum class ButtonFace { StopOut, StopIn, StartOut, StartIn };
QString pictureName(ButtonFace face);

// What a step asks of the window.
struct StepOutcome {
    bool moved = false;   // the light ran: sound its note, redraw the letters
    int note = 0;         // the note of a running step, 30 + 10 x position
    bool chimed = false;  // frozen on a hit: chime and rotate the bars
};

// What a press counted.
enum class Counted { Nothing, Hit, Miss };

class SkillStopGame {
public:
    // Running, rising from position 0, every letter unlit, button showing
    // Stop, counters blank, the medium step interval.
    SkillStopGame();

    // One tick of the step timer. Running: the light moves one letter, the
    // letters are redrawn, it turns at either end, and on reaching the
    // second S while rising it turns back four times in ten (one draw of
    // random 0..9 above 5). Frozen on a hit with Start showing: a chime and
    // the bars rotate. Otherwise nothing.
    StepOutcome step(platform::Random& random);

    // The big button pressed (mouse or key) and released. A press in phase
    // "1" (still held after a Stop) counts again; a release only changes
    // the phase from "1" or "3".
    Counted press();
    void release();

    // "Reset": running, Stop showing, both counters blank.
    void reset();
    // A speed button: a new game two letters from the top, rising, at the
    // given step interval.
    void newGame(int intervalMs);

    // Whether a tick would do anything now: the step timer may rest while not.
    bool stepMatters() const;

    int position() const { return position_; }
    bool rising() const { return rising_; }
    bool falling() const { return falling_; }
    bool running() const { return running_; }
    int phase() const { return phase_; }
    // Letters lit as last drawn by a running step (letter i lit when at least i).
    int litCount() const { return litCount_; }
    bool letterLit(int letter) const { return letter >= 1 && litCount_ >= letter; }
    bool pLit() const { return litCount_ == TopPosition; }
    ButtonFace face() const { return face_; }
    int intervalMs() const { return intervalMs_; }
    const ScoreCounter& hits() const { return hits_; }
    const ScoreCounter& misses() const { return misses_; }
    // Which of the bar pictures 0..2 each bar shows: upper bars from the
    // top, lower bars from the bottom.
    const std::array<int, BarCount>& upperBars() const { return upperBars_; }
    const std::array<int, BarCount>& lowerBars() const { return lowerBars_; }

    // For tests: put the light where a game would have brought it, drawn.
    void setLight(int position, bool rising);

private:
    void rotateBars();

    int position_ = 0;
    bool rising_ = true;
    bool falling_ = false;
    bool running_ = true;
    int phase_ = 0;
    int litCount_ = 0;
    ButtonFace face_ = ButtonFace::StopOut;
    int intervalMs_ = MediumMs;
    ScoreCounter hits_;
    ScoreCounter misses_;
    std::array<int, BarCount> upperBars_{0, 1, 2};
    std::array<int, BarCount> lowerBars_{0, 1, 2};
};

} // namespace skillstop
