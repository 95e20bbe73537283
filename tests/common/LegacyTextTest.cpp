#include "common/LegacyText.h"

#include <gtest/gtest.h>

using namespace legacytext;

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// Bytes as a Windows program writes them: 0xE9 is é, 0x80 the euro sign.
TEST(LegacyTextRead, Windows1252BytesReadAsTheirCharacters)
{
    EXPECT_EQ(decode("Caf\xE9 \x80" "5"), QString::fromUtf8("Café €5"));
    EXPECT_EQ(decode("\x93quoted\x94 \x96 \x85"), QString::fromUtf8("“quoted” – …"));
    EXPECT_EQ(decode("\x8A\x9A\x8E\x9E\x9F\xFF"), QString::fromUtf8("ŠšŽžŸÿ"));
    // The five bytes the code page leaves out read as the controls Windows gives them.
    EXPECT_EQ(decode("\x81\x8D\x8F\x90\x9D"), QString::fromUtf8("\u0081\u008D\u008F\u0090\u009D"));
    // One invalid sequence anywhere makes the whole text Windows-1252,
    // even where the rest would pass for UTF-8.
    EXPECT_EQ(decode("\xC3\xA9 \xE9"), QString::fromUtf8("Ã© é"));
}

TEST(LegacyTextRead, ValidUtf8ReadsAsUtf8AndLosesOnlyTheFirstMark)
{
    EXPECT_EQ(decode("Caf\xC3\xA9 \xE2\x82\xAC"), QString::fromUtf8("Café €"));
    EXPECT_EQ(decode("\xEF\xBB\xBFplain"), QStringLiteral("plain"));
    EXPECT_EQ(decode("\xEF\xBB\xBF\xEF\xBB\xBFx"), QString(QChar(0xFEFF)) + QLatin1Char('x'));
    EXPECT_EQ(decode(""), QString());
    // Overlong forms and encoded surrogates are not UTF-8.
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));
    EXPECT_FALSE(isValidUtf8("\xE2\x82")); // cut short
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x98\x80"));
}

TEST(LegacyTextWrite, Windows1252WhenEveryCharacterFitsElseUtf8)
{
    EXPECT_EQ(encode(QString::fromUtf8("Café €5")), QByteArray("Caf\xE9 \x80" "5"));
    EXPECT_EQ(encode(QString::fromUtf8("ŠšŽžŸ")), QByteArray("\x8A\x9A\x8E\x9E\x9F"));
    EXPECT_EQ(encode(QStringLiteral("plain")), QByteArray("plain"));
    // A Greek letter has no byte in the code page: the whole text goes UTF-8.
    EXPECT_EQ(encode(QString::fromUtf8("é α")), QByteArray("\xC3\xA9 \xCE\xB1"));
    // Code-page bytes that would read back as UTF-8 are written as UTF-8.
    EXPECT_EQ(encode(QString::fromUtf8("Ã©")), QByteArray("\xC3\x83\xC2\xA9"));
    EXPECT_EQ(encode(QString(QChar(0xFEFF)) + QLatin1Char('x')), QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx"));

    QByteArray bytes;
    EXPECT_FALSE(toWindows1252(QString::fromUtf8("a€b✓"), bytes));
    EXPECT_TRUE(toWindows1252(QString::fromUtf8("\u0081\u009D"), bytes));
    EXPECT_EQ(bytes, QByteArray("\x81\x9D"));
}

TEST(LegacyTextRoundTrip, EveryByteAndMixedTextsComeBack)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = fromWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    QByteArray back;
    ASSERT_TRUE(toWindows1252(text, back));
    EXPECT_EQ(back, all);
    EXPECT_EQ(decode(encode(text)), text);

    for (const char* sample : {"Ã©", "naïve ✓", "\xC3\x83", "€", "日本", "a\r\nb"})
        EXPECT_EQ(decode(encode(QString::fromUtf8(sample))), QString::fromUtf8(sample)) << sample;
}
