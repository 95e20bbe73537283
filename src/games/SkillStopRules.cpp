#include "games/SkillStopRules.h"

#include "platform/Random.h"

namespace skillstop {

namespace {

const QString Word = QStringLiteral("SKILLSTOP");

// Rising past the second S, the light turns back when a draw of 0..9 is
// above this: four times in ten.
constexpr int FakeOutPosition = 6;
constexpr int FakeOutDraws = 10;
constexpr int FakeOutAbove = 5;

constexpr int LowestNote = 30;
constexpr int NotePerLetter = 10;

} // namespace

void StepPacer::start(qint64 nowMs, int stepMs)
{
    startedMs_ = nowMs;
    counted_ = 0;
    stepMs_ = qMax(1, stepMs);
}

int StepPacer::due(qint64 nowMs)
{
    const qint64 total = (nowMs - startedMs_) / stepMs_;
    qint64 steps = total - counted_;
    counted_ = qMax(counted_, total);
    const qint64 most = qMax<qint64>(1, qint64(MaxFramesBehind) * FrameMs / stepMs_);
    return int(qBound<qint64>(0, steps, most));
}

QChar letterAt(int position)
{
    return position >= 1 && position <= LetterCount ? Word.at(position - 1) : QLatin1Char('?');
}

QString litLetters(int position) { return Word.left(qBound(0, position, LetterCount)); }

void ScoreCounter::reset()
{
    digits_ = {};
    hundredsShown_ = false;
    tensShown_ = false;
}

void ScoreCounter::add()
{
    if (value() >= CounterLimit)
        return;
    if (++digits_[2] < 10)
        return;
    digits_[2] = 0;
    tensShown_ = true;
    if (++digits_[1] < 10)
        return;
    digits_[1] = 0;
    hundredsShown_ = true;
    ++digits_[0];
}

QString ScoreCounter::shown() const
{
    const auto digit = [](int d) { return QChar(u'0' + d); };
    QString text;
    text += hundredsShown_ ? digit(digits_[0]) : QLatin1Char(' ');
    text += tensShown_ ? digit(digits_[1]) : QLatin1Char(' ');
    text += digit(digits_[2]);
    return text;
}

QString pictureName(ButtonFace face)
{
    switch (face) {
    case ButtonFace::StopOut: return QStringLiteral("StopOut");
    case ButtonFace::StopIn: return QStringLiteral("StopIn");
    case ButtonFace::StartOut: return QStringLiteral("StartOut");
    case ButtonFace::StartIn: return QStringLiteral("StartIn");
    }
    return {};
}

SkillStopGame::SkillStopGame() = default;

StepOutcome SkillStopGame::step(platform::Random& random)
{
    StepOutcome outcome;
    if (!running_) {
        // A frozen hit flashes and chimes until the game goes on.
        if (position_ == TopPosition && (phase_ == 2 || phase_ == 3)) {
            outcome.chimed = true;
            rotateBars();
        }
        return outcome;
    }

    if (rising_ && position_ != TopPosition)
        ++position_;
    else if (falling_ && position_ != 0)
        --position_;
    outcome.moved = true;
    outcome.note = LowestNote + NotePerLetter * position_;
    litCount_ = position_;

    if (position_ == TopPosition && rising_) {
        rising_ = false;
        falling_ = true;
    } else if (position_ == 0 && falling_) {
        rising_ = true;
        falling_ = false;
    }
    if (position_ == FakeOutPosition && rising_ && random.below(FakeOutDraws) > FakeOutAbove) {
        rising_ = false;
        falling_ = true;
    }
    return outcome;
}

Counted SkillStopGame::press()
{
    if (phase_ == 0) {
        phase_ = 1;
        face_ = ButtonFace::StopIn;
    } else if (phase_ == 2) {
        phase_ = 3;
        face_ = ButtonFace::StartIn;
    }
    // Decided on the phase now: still "1" (a second press while the first
    // is held) counts once more.
    if (phase_ != 1) {
        running_ = true;
        return Counted::Nothing;
    }
    running_ = false;
    if (pLit()) {
        hits_.add();
        return Counted::Hit;
    }
    misses_.add();
    return Counted::Miss;
}

void SkillStopGame::release()
{
    if (phase_ == 1) {
        phase_ = 2;
        face_ = ButtonFace::StartOut;
    } else if (phase_ == 3) {
        phase_ = 0;
        face_ = ButtonFace::StopOut;
    }
}

void SkillStopGame::reset()
{
    running_ = true;
    face_ = ButtonFace::StopOut;
    phase_ = 0;
    hits_.reset();
    misses_.reset();
}

void SkillStopGame::newGame(int intervalMs)
{
    running_ = false;
    position_ = TopPosition - 1;
    // Each game starts rising, so its first step lights the P whichever way
    // the light was going when the speed was chosen.
    rising_ = true;
    falling_ = false;
    phase_ = 0;
    intervalMs_ = intervalMs;
    reset();
}

bool SkillStopGame::stepMatters() const
{
    return running_ || (position_ == TopPosition && (phase_ == 2 || phase_ == 3));
}

void SkillStopGame::setLight(int position, bool rising)
{
    position_ = qBound(0, position, TopPosition);
    litCount_ = position_;
    rising_ = rising;
    falling_ = !rising;
}

void SkillStopGame::rotateBars()
{
    // The upper bars cycle downwards, the lower ones the other way.
    upperBars_ = {upperBars_[2], upperBars_[0], upperBars_[1]};
    lowerBars_ = {lowerBars_[1], lowerBars_[2], lowerBars_[0]};
}

} // namespace skillstop
