#include "calc/DateDigits.h"

#include <gtest/gtest.h>

#include <QImage>

#include <string>

using datedigits::Set;

namespace {

constexpr Set AllSets[] = {Set::Days, Set::Weeks, Set::RemainingDays};

struct Colours {
    QColor lit;
    QColor background;
};

Colours coloursOf(Set set)
{
    switch (set) {
    case Set::Days: return {QColor(255, 255, 0), QColor(128, 128, 0)};
    case Set::Weeks: return {QColor(255, 0, 255), QColor(128, 0, 128)};
    case Set::RemainingDays: return {QColor(255, 0, 0), QColor(128, 0, 0)};
    }
    return {};
}

// The middle of each segment a..g: top, top right, bottom right, bottom,
// bottom left, top left, middle.
const QPoint SegmentCentres[7] = {{12, 4}, {20, 11}, {20, 25}, {12, 32}, {5, 25}, {5, 11}, {12, 18}};
// The segments a digit lights, as on any seven-segment display.
const char* const LitSegments[10] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg",
                                     "abcdfg"};

} // namespace

TEST(DateDigits, EachSetHasItsDigitsAndOnlyTheFirstTwoABlank)
{
    for (Set set : AllSets) {
        const int last = set == Set::RemainingDays ? 6 : 9;
        for (int digit = -2; digit <= 10; ++digit) {
            const bool expected =
                (digit >= 0 && digit <= last) || (digit == datedigits::Blank && set != Set::RemainingDays);
            EXPECT_EQ(datedigits::hasPicture(set, digit), expected) << int(set) << " " << digit;
            const QPixmap picture = datedigits::picture(set, digit);
            EXPECT_EQ(picture.isNull(), !expected) << int(set) << " " << digit;
            if (expected) {
                EXPECT_EQ(picture.size(), QSize(datedigits::Width, datedigits::Height));
            }
        }
    }
}

TEST(DateDigits, DigitsLightTheirSegmentsInTheSetsColours)
{
    for (Set set : AllSets) {
        const Colours colours = coloursOf(set);
        for (int digit = 0; digit <= (set == Set::RemainingDays ? 6 : 9); ++digit) {
            const QImage image = datedigits::picture(set, digit).toImage();
            EXPECT_EQ(image.pixelColor(0, 0), colours.background) << int(set) << " " << digit;
            for (int s = 0; s < 7; ++s) {
                const bool lit = std::string(LitSegments[digit]).find(char('a' + s)) != std::string::npos;
                const QColor shown = image.pixelColor(SegmentCentres[s]);
                EXPECT_EQ(shown == colours.lit, lit) << int(set) << " digit " << digit << " segment " << char('a' + s);
                // Unlit segments still show, faintly.
                if (!lit) {
                    EXPECT_NE(shown, colours.background) << int(set) << " digit " << digit;
                }
            }
        }
    }
}

TEST(DateDigits, TheBlankLightsNothing)
{
    for (Set set : {Set::Days, Set::Weeks}) {
        const QImage blank = datedigits::picture(set, datedigits::Blank).toImage();
        for (const QPoint& centre : SegmentCentres)
            EXPECT_NE(blank.pixelColor(centre), coloursOf(set).lit);
        for (int digit = 0; digit <= 9; ++digit)
            EXPECT_NE(blank, datedigits::picture(set, digit).toImage()) << digit;
    }
}
