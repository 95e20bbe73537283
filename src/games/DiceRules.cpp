#include "games/DiceRules.h"

#include "platform/Random.h"

#include <QTime>

namespace dice {

namespace {

// Pips in letter order A..G.
constexpr std::array<QPoint, PipCount> PipOffsets{{
    {12, 12}, // A top left
    {12, 40}, // B middle left
    {12, 68}, // C bottom left
    {40, 40}, // D centre
    {68, 12}, // E top right
    {68, 40}, // F middle right
    {68, 68}, // G bottom right
}};

// One bit per pip, bit 0 = A. Two runs top-left to bottom-right, three
// bottom-left to top-right, as on a real die.
constexpr std::array<std::uint8_t, HighestFace + 1> PipMasks{
    0b0000000, // 0: off
    0b0001000, // 1: D
    0b1000001, // 2: A G
    0b0011100, // 3: C D E
    0b1010101, // 4: A C E G
    0b1011101, // 5: A C D E G
    0b1110111, // 6: A B C E F G
};

bool validDie(int die) { return die >= 1 && die <= DieCount; }

} // namespace

char pipLetter(int pip) { return pip >= 0 && pip < PipCount ? char('A' + pip) : '?'; }

QPoint pipOffset(int pip) { return pip >= 0 && pip < PipCount ? PipOffsets[pip] : QPoint(); }

bool pipShown(int value, int pip)
{
    if (value < 0 || value > HighestFace || pip < 0 || pip >= PipCount)
        return false;
    return (PipMasks[value] >> pip) & 1;
}

bool outsideButton(int x, int y) { return x < 0 || x > ButtonWidth || y < 0 || y > ButtonHeight; }

void reseedFromTime(platform::Random& random, const QTime& now)
{
    random.seed(std::uint32_t(now.msecsSinceStartOfDay()));
}

DiceState::DiceState() { faces_.fill(LowestFace); }

void DiceState::dealFaces(platform::Random& random)
{
    for (auto& face : faces_)
        face = std::uint8_t(random.between(LowestFace, HighestFace));
}

int DiceState::face(int die) const { return validDie(die) ? faces_[die - 1] : 0; }

bool DiceState::isOn(int die) const { return validDie(die) && !off_[die - 1]; }

int DiceState::shownValue(int die) const { return isOn(die) ? faces_[die - 1] : 0; }

bool DiceState::allOff() const
{
    for (bool off : off_)
        if (!off)
            return false;
    return true;
}

void DiceState::toggle(int die)
{
    if (validDie(die))
        off_[die - 1] = !off_[die - 1];
}

PressOutcome DiceState::press(int x, int y, platform::Random& random, const QTime& now)
{
    PressOutcome outcome;
    if (outsideButton(x, y)) {
        letGo();
        outcome.letGo = true;
        return outcome;
    }
    outcome.stepped = rollStep(random, now);
    held_ = true;
    outcome.warnNoneActive = allOff();
    return outcome;
}

bool DiceState::rollStep(platform::Random& random, const QTime& now)
{
    if (!held_)
        return false;
    reseedFromTime(random, now);
    for (int k = 0; k < DieCount; ++k)
        if (!off_[k])
            faces_[k] = std::uint8_t(random.between(LowestFace, HighestFace));
    return true;
}

} // namespace dice
