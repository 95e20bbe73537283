#include "games/LotteryRules.h"

#include "platform/Random.h"

#include <utility>

namespace lottery {

bool outsideButton(int x, int y) { return x < 0 || x > ButtonWidth || y < 0 || y > ButtonHeight; }

int ballLeft(int tube) { return TubeWidth * tube - 42; }

int maximumFromSetting(const QString& stored)
{
    bool whole = false;
    const int value = stored.trimmed().toInt(&whole);
    if (!whole)
        return DefaultMaximum;
    return qBound(LowestMaximum, value, HighestMaximum);
}

std::array<QString, 3> maximumDigits(int maximum)
{
    const QString text = QString::number(maximum);
    const auto ballDigit = [](QChar c) { return QStringLiteral("Ball") + c; };
    return {text.size() < 3 ? QStringLiteral("RBlank") : QStringLiteral("Ball1"),
            ballDigit(text.at(text.size() - 2)), ballDigit(text.at(text.size() - 1))};
}

std::vector<DigitPlace> ballDigitPlaces(int ball, const std::array<int, 10>& digitWidths)
{
    const QString padded = QString::number(ball).rightJustified(3, QLatin1Char(' '));
    std::vector<DigitPlace> places;
    int width = 0;
    for (QChar c : padded) {
        if (c == QLatin1Char(' '))
            continue;
        const int digit = c.digitValue();
        if (!places.empty())
            width += BallDigitGap;
        places.push_back({digit, width});
        width += digitWidths[digit];
    }
    const int first = (BallSize - width) / 2;
    for (DigitPlace& place : places)
        place.left += first;
    return places;
}

BallColour ballColour(int ball) { return BallColour(((ball % 4) + 4) % 4); }

LotteryGame::LotteryGame()
{
    for (int i = 0; i < HighestMaximum; ++i)
        sequence_[i] = i + 1;
}

void LotteryGame::newGame(int maximum, platform::Random& random)
{
    maximum_ = qBound(LowestMaximum, maximum, HighestMaximum);
    emptyRack();
    nextTube_ = 1;
    nextDraw_ = 1;
    allDrawn_ = false;
    lastBall_ = 0;
    shuffle(random);
}

void LotteryGame::shuffle(platform::Random& random)
{
    for (int i = 0; i < HighestMaximum; ++i)
        sequence_[i] = i + 1;
    for (int round = 0; round < ShuffleRounds; ++round) {
        for (int swap = 0; swap < SwapsPerRound; ++swap) {
            const int a = random.below(maximum_);
            const int b = random.below(maximum_);
            std::swap(sequence_[a], sequence_[b]);
        }
    }
}

bool LotteryGame::press(int x, int y, bool* repeated)
{
    if (repeated)
        *repeated = false;
    if (outsideButton(x, y)) {
        letGo();
        return false;
    }
    if (repeated)
        *repeated = held_;
    held_ = true;
    return true;
}

Drop LotteryGame::release(platform::Random& random)
{
    Drop drop;
    // Every release lets the button go; a restart too, or its tick would
    // run on until the next press.
    held_ = false;
    if (allDrawn_) {
        allDrawn_ = false;
        nextDraw_ = 1;
        emptyRack();
        nextTube_ = 1;
        lastBall_ = 0;
        shuffle(random);
        drop.restarted = true;
        return drop;
    }
    if (nextDraw_ >= maximum_)
        allDrawn_ = true;
    if (nextTube_ > TubeCount) {
        emptyRack();
        nextTube_ = 1;
        drop.rackCleared = true;
    }
    drop.tube = nextTube_;
    drop.ball = sequence_[nextDraw_ - 1];
    Tube& tube = tubes_[nextTube_ - 1];
    tube.state = TubeState::Falling;
    tube.ball = drop.ball;
    tube.top = BallStartTop;
    lastBall_ = drop.ball;
    ++nextTube_;
    ++nextDraw_;
    return drop;
}

bool LotteryGame::fallStep()
{
    for (Tube& tube : tubes_) {
        if (tube.state != TubeState::Falling)
            continue;
        tube.top += BallFallStep;
        if (tube.top > BallRestsBelow)
            tube.state = TubeState::Resting;
    }
    return anyFalling();
}

void LotteryGame::land()
{
    while (fallStep()) {
    }
}

bool LotteryGame::anyFalling() const
{
    for (const Tube& tube : tubes_)
        if (tube.state == TubeState::Falling)
            return true;
    return false;
}

int LotteryGame::sequenceAt(int position) const
{
    return position >= 1 && position <= HighestMaximum ? sequence_[position - 1] : 0;
}

LotteryGame::Face LotteryGame::face() const
{
    if (allDrawn_)
        return held_ ? Face::RestartPressed : Face::Restart;
    return held_ ? Face::DropPressed : Face::Drop;
}

void LotteryGame::emptyRack() { tubes_.fill(Tube{}); }

void MachineBands::advance()
{
    if (++phase_ < 10)
        return;
    phase_ = 0;
    startsRising_ = !startsRising_;
}

std::array<int, MachineBands::Rows> MachineBands::rowReds() const
{
    std::array<int, Rows> reds{};
    int shade = phase_;
    bool rising = startsRising_;
    for (int& red : reds) {
        red = ShadeStep * shade;
        shade += rising ? 1 : -1;
        // Turning at either end keeps the shade within 0..12, even when a
        // falling start begins at 0.
        if (shade >= TopShade) {
            shade = TopShade;
            rising = false;
        } else if (shade <= 0) {
            shade = 0;
            rising = true;
        }
    }
    return reds;
}

} // namespace lottery
