#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace platform {
class Random;
}

// VU Dazuzi without any widget: eighteen buttons, one of them the target
// with a taunt on it, the score of correct clicks and the countdown that
// starts with the first hit. The window shows what this decides and plays
// the effects it names.
namespace target {

inline constexpr int ButtonCount = 18;
inline constexpr int TauntCount = 5;
// The time shown from the start until the first hit; the count runs 59 .. 1
// after it, and reaching 0 ends the game.
inline constexpr int FullTime = 60;
inline constexpr int LastSecond = 59;
inline constexpr int ScoreDigits = 3;
inline constexpr int TimeDigits = 2;
// Beyond this the score display stays put; the count itself goes on.
inline constexpr int HighestShownScore = 999;

// The taunt of draw 0 .. 4.
QString taunt(int draw);

// One short MIDI message of an effect.
struct Note {
    std::uint8_t status;
    std::uint8_t data1;
    std::uint8_t data2;
    friend bool operator==(const Note&, const Note&) = default;
};

// The effects, in the order they are sent.
std::vector<Note> startEffect();
std::vector<Note> hitEffect(int note);
std::vector<Note> wrongEffect();
std::vector<Note> secondEffect();

// Seeds the generator from the time of day in milliseconds.
void reseedFromTime(platform::Random& random, const QDateTime& now);

// Seconds left shown as two characters, a space in front of one digit.
QString timeText(int secondsLeft);
// Valid clicks shown as three characters, blank in front of the first
// digit; counts over 999 show 999.
QString scoreText(int validClicks);

enum class Click {
    Ignored, // no game runs: the window only moves the focus to the hidden edit
    Hit,     // the target: scored, the taunt moved
    Wrong,   // any other button: the game is over
};

enum class Tick {
    Nothing,   // not counting, or the same second as before
    NewSecond, // one second less to show
    TimeUp,    // the count reached 0: the game is over
};

class TargetGame {
public:
    bool running() const { return running_; }
    // The countdown runs from the first hit until the game ends.
    bool counting() const { return running_ && validClicks_ > 0; }
    // The target button 1 .. 18, or 0 when every button is blank.
    int target() const { return target_; }
    // The caption button 1 .. 18 shows: the taunt on the target, else nothing.
    QString caption(int button) const;
    int validClicks() const { return validClicks_; }
    int secondsLeft() const { return secondsLeft_; }
    // The note of the last hit's effect, 45 .. 74.
    int lastHitNote() const { return lastHitNote_; }

    // A new game: 60 on the clock (not running yet), no clicks, a target
    // chosen. The score of the last game stays until then.
    void start(platform::Random& random, const QDateTime& now);

    // A click on button 1 .. 18.
    Click click(int button, platform::Random& random, const QDateTime& now);

    // One look at the clock while counting.
    Tick tick(const QDateTime& now);

private:
    void chooseTarget(platform::Random& random, const QDateTime& now);
    void end();

    bool running_ = false;
    int target_ = 0;
    int tauntDraw_ = 0;
    int validClicks_ = 0;
    int secondsLeft_ = FullTime;
    // The clock's whole second (since the epoch) when the count began: the
    // count changes on the clock's own second boundaries, and however long
    // the window was left inactive the time cannot come round again.
    qint64 startSecond_ = 0;
    int lastHitNote_ = 0;
};

} // namespace target
