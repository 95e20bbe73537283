#include "calc/FontSheets.h"

#include <QSize>

#include <gtest/gtest.h>

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

using namespace fontsheets;

TEST(CharacterTableGrid, SixteenBySixteenCellsBetweenTitleAndNotes)
{
    // Page 1000 x 700, title 40 high, notes 12 high each.
    const CharacterGrid grid = characterGrid(1000, 700, 40, 12);
    EXPECT_EQ(grid.width, 992);     // 998 down to a multiple of 16
    EXPECT_EQ(grid.left, 3);        // (998 - 992) / 2
    EXPECT_EQ(grid.cellWidth, 62);
    EXPECT_EQ(grid.rowSpace, 608);  // 700 - 55 - 28 = 617, down to 608
    EXPECT_EQ(grid.top, 60);        // 55 moved down by 645 mod 16 = 5
    EXPECT_EQ(grid.bottom, 668);    // 700 - (612 mod 16 = 4) - 28
    EXPECT_EQ(grid.rowHeight, 38);
    EXPECT_EQ(grid.bottom - grid.top, 16 * grid.rowHeight);

    // Codes run down each column, then on to the next column to the right.
    EXPECT_EQ(CharacterGrid::column(65), 4);
    EXPECT_EQ(CharacterGrid::row(65), 1);
    EXPECT_EQ(grid.cell(65), QRect(3 + 4 * 62, 60 + 38, 62, 38));
    EXPECT_EQ(grid.cell(0), QRect(3, 60, 62, 38));
    EXPECT_EQ(grid.cell(15), QRect(3, 60 + 15 * 38, 62, 38));
    EXPECT_EQ(grid.cell(16), QRect(3 + 62, 60, 62, 38));
    EXPECT_EQ(grid.cell(255).right() + 1, grid.left + grid.width);
    EXPECT_EQ(grid.cell(255).bottom() + 1, grid.bottom);
}

TEST(CharacterTableGrid, TheRowsAreMeasuredBeforeTheGridMovesDown)
{
    // A width of 16 cells and 2 has no remainder to centre.
    const CharacterGrid grid = characterGrid(16 * 40 + 2, 556, 20, 10);
    EXPECT_EQ(grid.left, 0);
    EXPECT_EQ(grid.width, 640);
    EXPECT_EQ(grid.cellWidth, 40);
    // Top 35; rows 556 - 35 - 24 = 497 -> 496; then down by 521 mod 16 = 9.
    EXPECT_EQ(grid.rowSpace, 496);
    EXPECT_EQ(grid.top, 44);
    EXPECT_EQ(grid.bottom, 524); // 556 - (488 mod 16 = 8) - 24
    EXPECT_EQ(grid.rowHeight, 30);
}

TEST(CharacterTableGrid, CharactersAreAsLargeAsFitTheirCell)
{
    // Twice as high as the point size, as wide as it.
    const auto measure = [](int points) { return QSize(points, 2 * points); };
    EXPECT_EQ(characterPointSize(measure, 200, 200), 48);
    EXPECT_EQ(characterPointSize(measure, 96, 200), 48);
    EXPECT_EQ(characterPointSize(measure, 95, 200), 46);
    EXPECT_EQ(characterPointSize(measure, 50, 200), 24);
    EXPECT_EQ(characterPointSize(measure, 200, 31), 30);
    EXPECT_EQ(characterPointSize(measure, 12, 200), 6);
    // Nothing fits down to 6 points: 4 points.
    EXPECT_EQ(characterPointSize(measure, 11, 200), 4);
    EXPECT_EQ(characterPointSize(measure, 200, 5), 4);

    // Odd sizes are never tried.
    QList<int> tried;
    characterPointSize(
        [&](int points) {
            tried.append(points);
            return QSize(1000, 1000);
        },
        1, 1);
    EXPECT_EQ(tried.size(), 22);
    EXPECT_EQ(tried.first(), 48);
    EXPECT_EQ(tried.last(), 6);
}

TEST(CharacterTableGrid, NotesUnderTheTable)
{
    EXPECT_EQ(keyNote("Liberation Serif"),
              "To use any of the above characters select Liberation Serif font.  Where a key is shown press "
              "it (e.g. for \"0065 : A\" press \"A\")");
    EXPECT_EQ(keyNote(QString(170, u'x')).size(), 240);
    EXPECT_TRUE(keyNote(QString(170, u'x')).endsWith("x font.  Where a key is shown"));
    EXPECT_EQ(keyNote(QString(400, u'x')), "To use any of the above characters select " + QString(198, u'x'));
    EXPECT_EQ(altNote(), "Where no keyboard equivelant exists, hold ALT key whilst entering code on numeric keypad "
                         "(e.g. for character 0128 press ALT+0 ALT+1 ALT+2 ALT+8)");
}

TEST(TypefaceSamples, DownTheFirstColumnThenTheSecondThenANewPage)
{
    // Page 1000 x 300: a line fits while y + 40 < 280, so at 50, 110, 170, 230.
    const QList<SampleLine> lines(9, SampleLine{60, 40});
    const QList<SamplePlace> places = placeSamples(1000, 300, 10, 50, lines);
    const QList<SamplePlace> expected{
        {0, 10, 50},  {0, 10, 110},  {0, 10, 170},  {0, 10, 230},  //
        {0, 510, 50}, {0, 510, 110}, {0, 510, 170}, {0, 510, 230}, //
        {1, 10, 50},
    };
    EXPECT_EQ(places, expected);

    // A line stops short of the bottom by 20 exactly: y + TH("T") = 280 does not fit.
    const QList<SamplePlace> edge = placeSamples(1000, 300, 10, 50, {{190, 40}, {190, 40}});
    EXPECT_EQ(edge[1], (SamplePlace{0, 510, 50}));
    const QList<SamplePlace> inside = placeSamples(1000, 300, 10, 50, {{189, 40}, {189, 40}});
    EXPECT_EQ(inside[1], (SamplePlace{0, 10, 239}));

    // Each line is measured in its own face.
    const QList<SamplePlace> mixed = placeSamples(1000, 300, 10, 50, {{100, 40}, {150, 100}, {20, 10}});
    EXPECT_EQ(mixed, (QList<SamplePlace>{{0, 10, 50}, {0, 10, 150}, {0, 510, 50}}));
}

TEST(TypefaceSamples, AFaceTooTallForAnyPageIsPrintedAtTheTopOfOne)
{
    const QList<SamplePlace> places = placeSamples(1000, 300, 10, 50, {{60, 40}, {900, 900}, {60, 40}});
    ASSERT_EQ(places.size(), 3);
    EXPECT_EQ(places[0], (SamplePlace{0, 10, 50}));
    EXPECT_EQ(places[1], (SamplePlace{1, 10, 50}));
    EXPECT_EQ(places[2], (SamplePlace{1, 510, 50}));
    EXPECT_TRUE(placeSamples(1000, 300, 10, 50, {}).isEmpty());
}

TEST(SizeSamples, TenSizesAndTheLargeOnesOnlyWhenTheyFit)
{
    EXPECT_EQ(sampleSizes(), (QList<int>{10, 12, 14, 16, 18, 20, 22, 24, 36, 48}));
    EXPECT_EQ(sizeLine("Liberation Serif", 10), "Liberation Serif 10 Pt ");
    EXPECT_EQ(sizeLine("Liberation Serif", 48), "Liberation Serif 48 Pt ");
    for (int points : {10, 24})
        EXPECT_TRUE(printsSizeLine(points, 5000, 1000)) << points;
    for (int points : {36, 48}) {
        EXPECT_TRUE(printsSizeLine(points, 979, 1000)) << points;
        EXPECT_FALSE(printsSizeLine(points, 980, 1000)) << points;
    }
}
