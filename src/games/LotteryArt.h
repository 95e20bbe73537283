#pragma once
#include "app/Artwork.h"
#include "games/LotteryRules.h"

#include <QPixmap>
#include <array>

// Pictures of the Bingo / Lottery window, drawn in code.
namespace lotteryart {

// "Drop Ball" released / pressed, 200 x 75.
artwork::ButtonFaces dropBallFaces();
// The restart face shown once every ball is out, released / pressed.
artwork::ButtonFaces restartFaces();
// The word on the restart face (also its accessible name).
QString restartText();

// Ball b, 45 x 45 on black: a circle with a blue rim filled by b modulo 4
// (yellow, navy, white, lime), its digits from ballDigits ("Ball0".."Ball9")
// placed as the rules say. Digits on the navy ball are drawn white.
QPixmap ball(int number, const std::array<QPixmap, 10>& ballDigits);

// The black rack, 513 x 345, parted into ten tubes by bevels at x = 55,
// 105, ... 455.
QPixmap rack();

// The machine picture, 429 x 81: row y in pure red of intensity reds[y].
QPixmap machine(const std::array<int, lottery::MachineBands::Rows>& reds);

} // namespace lotteryart
