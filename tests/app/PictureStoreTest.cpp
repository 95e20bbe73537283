#include "app/Artwork.h"
#include "app/PictureStore.h"

#include <QImage>
#include <QMap>
#include <QSet>

#include <gtest/gtest.h>

namespace {

QImage argb(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

bool bright(QRgb pixel)
{
    return qRed(pixel) > 200;
}

int brightCount(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += bright(image.pixel(x, y));
    return count;
}

bool fullyTransparent(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

int luminance(QRgb pixel)
{
    return qGray(pixel);
}

// The pressed face must show the released face's content moved right and
// down by the press shift, inside the bevels.
void expectContentShifted(const QPixmap& releasedFace, const QPixmap& pressedFace)
{
    const QImage released = argb(releasedFace);
    const QImage pressed = argb(pressedFace);
    const int b = artwork::kButtonBevel;
    const int s = artwork::kButtonPressShift;
    int mismatches = 0;
    for (int y = b; y < released.height() - b - s; ++y)
        for (int x = b; x < released.width() - b - s; ++x)
            mismatches += released.pixel(x, y) != pressed.pixel(x + s, y + s);
    EXPECT_EQ(mismatches, 0);
}

const QMap<QString, QSize>& expectedSizes()
{
    static const QMap<QString, QSize> sizes = [] {
        QMap<QString, QSize> m;
        for (int d = 0; d < 10; ++d) {
            m.insert(QStringLiteral("N%1").arg(d), QSize(25, 41));
            m.insert(QStringLiteral("Ball%1").arg(d), QSize(d == 1 ? 6 : 12, 26));
        }
        m.insert(QStringLiteral("NB"), QSize(25, 41));
        m.insert(QStringLiteral("NC"), QSize(25, 41));
        m.insert(QStringLiteral("RBlank"), QSize(12, 26));
        for (const char* face : {"StartOut", "StartIn", "StopOut", "StopIn"})
            m.insert(QString::fromLatin1(face), QSize(361, 73));
        m.insert(QStringLiteral("RedGradient"), QSize(1, 227));
        m.insert(QStringLiteral("RedSolid"), QSize(4, 4));
        m.insert(QStringLiteral("BackLight"), QSize(105, 105));
        m.insert(QStringLiteral("TrayIcon1"), QSize(32, 32));
        return m;
    }();
    return sizes;
}

} // namespace

// ------------------------------------------------------------ the store

TEST(PictureStore, HoldsEveryNameAtItsExactSize)
{
    const PictureStore store(24);
    const QStringList names = store.names();
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size()) << "duplicate names";
    EXPECT_EQ(names.size(), expectedSizes().size());
    for (auto it = expectedSizes().cbegin(); it != expectedSizes().cend(); ++it) {
        EXPECT_TRUE(names.contains(it.key())) << qPrintable(it.key());
        const QPixmap picture = store.picture(it.key());
        EXPECT_FALSE(picture.isNull()) << qPrintable(it.key());
        EXPECT_EQ(picture.size(), it.value()) << qPrintable(it.key());
    }
}

TEST(PictureStore, UnknownNamesGiveNullPictures)
{
    const PictureStore store(24);
    for (const char* name : {"", "N10", "NA", "Ball10", "Start", "AOut", "Backlight"})
        EXPECT_TRUE(store.picture(QString::fromLatin1(name)).isNull()) << name;
}

TEST(PictureStore, BackLightIsTheGradientFromSixteenBitsUp)
{
    for (int depth : {16, 24, 32}) {
        const PictureStore store(depth);
        const QImage lamp = argb(store.picture(QStringLiteral("BackLight")));
        const QImage strip = argb(store.picture(QStringLiteral("RedGradient")));
        // It varies down the picture and is the gradient strip stretched:
        // every row one colour, top and bottom those of the strip's ends.
        EXPECT_NE(lamp.pixel(52, 0), lamp.pixel(52, 52)) << depth;
        EXPECT_NE(lamp.pixel(52, 52), lamp.pixel(52, 104)) << depth;
        for (int y : {0, 30, 52, 80, 104})
            EXPECT_EQ(lamp.pixel(0, y), lamp.pixel(104, y)) << depth << " row " << y;
        EXPECT_NEAR(qRed(lamp.pixel(0, 0)), qRed(strip.pixel(0, 0)), 12);
        EXPECT_NEAR(qRed(lamp.pixel(0, 104)), qRed(strip.pixel(0, 226)), 12);
    }
}

TEST(PictureStore, BackLightIsSolidRedBelowSixteenBits)
{
    for (int depth : {1, 4, 8, 15}) {
        const PictureStore store(depth);
        const QImage lamp = argb(store.picture(QStringLiteral("BackLight")));
        const QRgb red = argb(store.picture(QStringLiteral("RedSolid"))).pixel(0, 0);
        EXPECT_GT(qRed(red), 200);
        EXPECT_LT(qGreen(red), 40);
        EXPECT_LT(qBlue(red), 40);
        int others = 0;
        for (int y = 0; y < lamp.height(); ++y)
            for (int x = 0; x < lamp.width(); ++x)
                others += lamp.pixel(x, y) != red;
        EXPECT_EQ(others, 0) << depth;
    }
}

TEST(PictureStore, RedStripsAreRedAndOnlyTheGradientVaries)
{
    const PictureStore store(24);
    const QImage strip = argb(store.picture(QStringLiteral("RedGradient")));
    QSet<QRgb> shades;
    for (int y = 0; y < strip.height(); ++y) {
        const QRgb pixel = strip.pixel(0, y);
        EXPECT_GE(qRed(pixel), qGreen(pixel)) << y;
        EXPECT_GE(qRed(pixel), qBlue(pixel)) << y;
        shades.insert(pixel);
    }
    EXPECT_GT(shades.size(), 50);
    const QImage solid = argb(store.picture(QStringLiteral("RedSolid")));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(solid.pixel(x, y), solid.pixel(0, 0));
}

// ------------------------------------------------------------ display digits

TEST(PictureStoreDigits, ShowTheRightSegments)
{
    // The usual seven-segment letters: a top, b top right, c bottom right,
    // d bottom, e bottom left, f top left, g middle; sampled at the middle
    // of each segment.
    const QMap<QChar, QPoint> middle = {
        {'a', {12, 5}}, {'b', {20, 12}}, {'c', {20, 27}}, {'d', {12, 35}},
        {'e', {5, 27}}, {'f', {5, 12}},  {'g', {12, 20}},
    };
    const char* lit[10] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg",
                           "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"};
    const PictureStore store(24);
    for (int d = 0; d < 10; ++d) {
        const QImage digit = argb(store.picture(QStringLiteral("N%1").arg(d)));
        const QString on = QString::fromLatin1(lit[d]);
        for (auto it = middle.cbegin(); it != middle.cend(); ++it)
            EXPECT_EQ(bright(digit.pixel(it.value())), on.contains(it.key()))
                << "digit " << d << " segment " << it.key().toLatin1();
    }
}

TEST(PictureStoreDigits, AreDistinctAndTheBlankHasNothingLit)
{
    const PictureStore store(24);
    QList<QImage> digits;
    for (int d = 0; d < 10; ++d)
        digits << argb(store.picture(QStringLiteral("N%1").arg(d)));
    const QImage blank = argb(store.picture(QStringLiteral("NB")));
    const QImage colon = argb(store.picture(QStringLiteral("NC")));
    for (int i = 0; i < 10; ++i) {
        for (int j = i + 1; j < 10; ++j)
            EXPECT_NE(digits[i], digits[j]) << i << " and " << j;
        EXPECT_NE(digits[i], blank) << i;
        EXPECT_NE(digits[i], colon) << i;
    }
    EXPECT_EQ(brightCount(blank), 0);
    // The blank still shows the faint unlit segments, not bare black.
    EXPECT_GT(qRed(blank.pixel(12, 5)), qRed(blank.pixel(0, 0)));
    EXPECT_GT(brightCount(colon), 0);
    EXPECT_LT(brightCount(colon), brightCount(digits[1]));
}

TEST(PictureStoreDigits, EightLightsEverySegmentOfTheOthers)
{
    const PictureStore store(24);
    const QImage eight = argb(store.picture(QStringLiteral("N8")));
    for (int d = 0; d < 10; ++d) {
        const QImage digit = argb(store.picture(QStringLiteral("N%1").arg(d)));
        int outside = 0;
        for (int y = 0; y < digit.height(); ++y)
            for (int x = 0; x < digit.width(); ++x)
                outside += bright(digit.pixel(x, y)) && !bright(eight.pixel(x, y));
        EXPECT_EQ(outside, 0) << d;
        if (d != 1) {
            EXPECT_GT(brightCount(digit), brightCount(argb(store.picture(QStringLiteral("N1"))))) << d;
        }
    }
}

TEST(PictureStoreDigits, ShareOneOpaqueBackgroundSoARowTilesSeamlessly)
{
    const PictureStore store(24);
    QStringList names = {QStringLiteral("NB"), QStringLiteral("NC")};
    for (int d = 0; d < 10; ++d)
        names << QStringLiteral("N%1").arg(d);
    const QRgb background = argb(store.picture(QStringLiteral("NB"))).pixel(0, 0);
    EXPECT_EQ(qAlpha(background), 255);
    for (const QString& name : names) {
        const QImage image = argb(store.picture(name));
        for (const QPoint corner : {QPoint(0, 0), QPoint(24, 0), QPoint(0, 40), QPoint(24, 40)})
            EXPECT_EQ(image.pixel(corner), background) << qPrintable(name);
    }
}

// ------------------------------------------------------------ ball digits

TEST(PictureStoreBalls, AreDarkDigitsOnTransparency)
{
    const PictureStore store(24);
    QList<QImage> balls;
    for (int d = 0; d < 10; ++d) {
        const QImage ball = argb(store.picture(QStringLiteral("Ball%1").arg(d)));
        balls << ball;
        const int right = ball.width() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, 25), QPoint(right, 25)})
            EXPECT_EQ(qAlpha(ball.pixel(corner)), 0) << d;
        int solidDark = 0;
        for (int y = 0; y < ball.height(); ++y)
            for (int x = 0; x < ball.width(); ++x) {
                const QRgb pixel = ball.pixel(x, y);
                solidDark += qAlpha(pixel) == 255 && luminance(pixel) < 60;
            }
        EXPECT_GT(solidDark, 20) << d;
    }
    for (int i = 0; i < 10; ++i)
        for (int j = i + 1; j < 10; ++j)
            EXPECT_NE(balls[i], balls[j]) << i << " and " << j;
    EXPECT_TRUE(fullyTransparent(argb(store.picture(QStringLiteral("RBlank")))));
}

TEST(PictureStoreBalls, DigitsFillTheHeightOfTheirCell)
{
    // Side by side on a ball the digits must line up: same top and bottom.
    const PictureStore store(24);
    for (int d = 0; d < 10; ++d) {
        const QImage ball = argb(store.picture(QStringLiteral("Ball%1").arg(d)));
        int top = -1;
        int bottom = -1;
        for (int y = 0; y < ball.height(); ++y)
            for (int x = 0; x < ball.width(); ++x)
                if (qAlpha(ball.pixel(x, y)) > 128) {
                    if (top < 0)
                        top = y;
                    bottom = y;
                }
        EXPECT_LE(top, 2) << d;
        EXPECT_GE(bottom, 23) << d;
    }
}

// ------------------------------------------------------------ buttons

TEST(PictureStoreButtons, PressedFacesSinkAndShiftTheirContent)
{
    const PictureStore store(24);
    for (const auto& [out, in] : {std::pair{"StartOut", "StartIn"}, std::pair{"StopOut", "StopIn"}}) {
        const QPixmap released = store.picture(QString::fromLatin1(out));
        const QPixmap pressed = store.picture(QString::fromLatin1(in));
        EXPECT_NE(argb(released), argb(pressed)) << out;
        expectContentShifted(released, pressed);
        // Raised: light top left, dark bottom right; sunken: the reverse.
        const QImage r = argb(released);
        const QImage p = argb(pressed);
        EXPECT_GT(luminance(r.pixel(0, 0)), luminance(r.pixel(360, 72))) << out;
        EXPECT_LT(luminance(p.pixel(0, 0)), luminance(p.pixel(360, 72))) << in;
    }
    EXPECT_NE(argb(store.picture(QStringLiteral("StartOut"))), argb(store.picture(QStringLiteral("StopOut"))));
}

TEST(ArtworkButtons, DegenerateSizesGiveNullFaces)
{
    const artwork::ButtonFaces faces = artwork::buttonFaces(QSize(6, 40), QStringLiteral("X"), Qt::red);
    EXPECT_TRUE(faces.released.isNull());
    EXPECT_TRUE(faces.pressed.isNull());
}

// ------------------------------------------------------------ tray icon

TEST(PictureStoreTray, IconHasCrispRenderingsForCommonTraySizes)
{
    const PictureStore store(24);
    const QIcon icon = store.trayIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int side : {16, 22, 24, 32})
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
    // The 32 px rendering is the store's TrayIcon1 picture.
    EXPECT_EQ(argb(icon.pixmap(QSize(32, 32))), argb(store.picture(QStringLiteral("TrayIcon1"))));
    for (int side : {16, 22, 24, 32}) {
        const QImage hand = argb(icon.pixmap(QSize(side, side)));
        ASSERT_EQ(hand.size(), QSize(side, side));
        EXPECT_EQ(qAlpha(hand.pixel(0, 0)), 0) << side;
        EXPECT_EQ(qAlpha(hand.pixel(side / 2, side / 2)), 255) << side;
    }
}

// ------------------------------------------------------------ launcher art

TEST(ArtworkMenuIcons, EveryEntryHasItsOwnIcon)
{
    const QList<int> entries = {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16, 17, 18};
    QList<QImage> icons;
    for (int entry : entries) {
        const QPixmap icon = artwork::menuIcon(entry);
        ASSERT_FALSE(icon.isNull()) << entry;
        EXPECT_EQ(icon.size(), QSize(32, 32)) << entry;
        const QImage image = argb(icon);
        EXPECT_FALSE(fullyTransparent(image)) << entry;
        // Icons sit on the entry panel's colour, so their surround is clear.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << entry;
        icons << image;
    }
    for (int i = 0; i < icons.size(); ++i)
        for (int j = i + 1; j < icons.size(); ++j)
            EXPECT_NE(icons[i], icons[j]) << entries[i] << " and " << entries[j];
}

TEST(ArtworkMenuIcons, NumbersWithoutAnEntryGiveNull)
{
    for (int entry : {-1, 0, 2, 13, 19, 99})
        EXPECT_TRUE(artwork::menuIcon(entry).isNull()) << entry;
}

TEST(ArtworkLauncher, PicturesComeAtTheirSizes)
{
    EXPECT_EQ(artwork::sponsorPicture().size(), QSize(32, 32));
    EXPECT_EQ(artwork::splashLogo().size(), QSize(497, 79));
    for (const QSize size : {QSize(330, 33), QSize(120, 20), QSize(40, 12)})
        EXPECT_EQ(artwork::menuTitle(size).size(), size);
    EXPECT_TRUE(artwork::menuTitle(QSize(0, 30)).isNull());
    EXPECT_EQ(artwork::borderStrip(QSize(21, 433), Qt::Vertical).size(), QSize(21, 433));
    EXPECT_EQ(artwork::borderStrip(QSize(456, 21), Qt::Horizontal).size(), QSize(456, 21));
    EXPECT_TRUE(artwork::borderStrip(QSize(21, 0), Qt::Vertical).isNull());
}

TEST(ArtworkLauncher, BorderStripsAreLitFromTheTopLeft)
{
    const QImage left = argb(artwork::borderStrip(QSize(21, 300), Qt::Vertical));
    const QImage top = argb(artwork::borderStrip(QSize(300, 21), Qt::Horizontal));
    for (int along : {3, 150, 296}) {
        EXPECT_GT(luminance(left.pixel(0, along)), luminance(left.pixel(20, along))) << along;
        EXPECT_GT(luminance(top.pixel(along, 0)), luminance(top.pixel(along, 20))) << along;
    }
    EXPECT_EQ(qAlpha(left.pixel(10, 150)), 255);
}

TEST(ArtworkLauncher, TitleFillsItsWholeHeader)
{
    // The header panel shows the picture edge to edge, so no pixel may be
    // see-through.
    const QImage title = argb(artwork::menuTitle(QSize(200, 30)));
    for (int y = 0; y < title.height(); ++y)
        for (int x = 0; x < title.width(); ++x)
            ASSERT_EQ(qAlpha(title.pixel(x, y)), 255) << x << "," << y;
}
