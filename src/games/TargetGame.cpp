#include "games/TargetGame.h"

#include "platform/Random.h"

namespace target {

namespace {

constexpr std::uint8_t NoteOn = 0x90;
constexpr std::uint8_t StartChannel = 4;
constexpr std::uint8_t HitChannel = 10;
constexpr std::uint8_t WrongChannel = 0;
constexpr std::uint8_t SecondChannels[] = {1, 14};
constexpr int LowestHitNote = 45;
constexpr int HitNoteRange = 30; // 45 .. 74
// The generator never sticks on one value, but a loop that waits for it
// should still end.
constexpr int MostRedraws = 1000;

} // namespace

QString taunt(int draw)
{
    static const std::array<QString, TauntCount> taunts = {
        QStringLiteral("Click me if you can"),   QStringLiteral("Over here slow coach"),
        QStringLiteral("Click Click Click"),     QStringLiteral("Hurry up and click me"),
        QStringLiteral("Be a quicker clicker"),
    };
    return draw >= 0 && draw < TauntCount ? taunts[std::size_t(draw)] : QString();
}

std::vector<Note> startEffect() { return {{NoteOn + StartChannel, 60, 127}}; }

std::vector<Note> hitEffect(int note) { return {{NoteOn + HitChannel, std::uint8_t(note & 0x7F), 120}}; }

std::vector<Note> wrongEffect()
{
    std::vector<Note> notes{{NoteOn + WrongChannel, 75, 127}};
    for (std::uint8_t note : {65, 50, 45, 25, 15})
        notes.push_back({NoteOn + WrongChannel, note, 120});
    return notes;
}

std::vector<Note> secondEffect()
{
    std::vector<Note> notes;
    for (std::uint8_t channel : SecondChannels)
        notes.push_back({std::uint8_t(NoteOn + channel), 60, 70});
    return notes;
}

void reseedFromTime(platform::Random& random, const QDateTime& now)
{
    random.seed(std::uint32_t(now.time().msecsSinceStartOfDay()));
}

QString timeText(int secondsLeft) { return QString::number(secondsLeft).rightJustified(TimeDigits, QLatin1Char(' ')); }

QString scoreText(int validClicks)
{
    return QString::number(qBound(0, validClicks, HighestShownScore)).rightJustified(ScoreDigits, QLatin1Char(' '));
}

QString TargetGame::caption(int button) const
{
    return button == target_ && target_ != 0 ? taunt(tauntDraw_) : QString();
}

void TargetGame::start(platform::Random& random, const QDateTime& now)
{
    startSecond_ = now.toSecsSinceEpoch();
    secondsLeft_ = FullTime;
    validClicks_ = 0;
    running_ = true;
    target_ = 0;
    chooseTarget(random, now);
}

Click TargetGame::click(int button, platform::Random& random, const QDateTime& now)
{
    if (!running_)
        return Click::Ignored;
    if (button != target_) {
        end();
        return Click::Wrong;
    }
    if (validClicks_ == 0) {
        // The first hit starts the count.
        startSecond_ = now.toSecsSinceEpoch();
        secondsLeft_ = FullTime;
    }
    ++validClicks_;
    lastHitNote_ = LowestHitNote + random.below(HitNoteRange);
    chooseTarget(random, now);
    return Click::Hit;
}

Tick TargetGame::tick(const QDateTime& now)
{
    if (!counting())
        return Tick::Nothing;
    // A clock set back shows the full time until it catches up.
    const qint64 elapsed = qMax<qint64>(0, now.toSecsSinceEpoch() - startSecond_);
    const qint64 left = LastSecond - elapsed;
    if (left <= 0) {
        end();
        secondsLeft_ = 0;
        return Tick::TimeUp;
    }
    if (left == secondsLeft_)
        return Tick::Nothing;
    secondsLeft_ = int(left);
    return Tick::NewSecond;
}

void TargetGame::chooseTarget(platform::Random& random, const QDateTime& now)
{
    reseedFromTime(random, now);
    tauntDraw_ = random.below(TauntCount);
    int button = random.between(1, ButtonCount);
    for (int redraws = 0; button == target_ && redraws < MostRedraws; ++redraws)
        button = random.between(1, ButtonCount);
    if (button == target_)
        button = target_ % ButtonCount + 1;
    target_ = button;
}

void TargetGame::end()
{
    running_ = false;
    target_ = 0;
}

} // namespace target
