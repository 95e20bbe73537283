#include "common/ProfileFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

TEST(ProfileFileRead, SectionsAndKeysWhateverTheirCaseAndSpaces)
{
    const auto p = ProfileFile::fromBytes("stray=before\r\n[ScreenSize]\r\n  usstatecodes =  1  \r\n"
                                          "; note=not a key\r\n[Other]\nKey=a=b\n[SCREENSIZE]\nUSStateCodes=2\n"
                                          "[broken\nk=v");
    EXPECT_EQ(p.value("screensize", "USSTATECODES", "F"), "1"); // the first wins
    EXPECT_EQ(p.value("Other", "key", ""), "a=b");
    EXPECT_EQ(p.value("Other", "; note", "none"), "none");
    EXPECT_EQ(p.value("", "stray", "none"), "none"); // before any section
    EXPECT_EQ(p.value("broken", "k", ""), "v");      // an unclosed section still opens
    EXPECT_EQ(p.value("Missing", "k", "F"), "F");
    ASSERT_EQ(p.sections().size(), 4);
}

TEST(ProfileFileRead, Windows1252AndUtf8Files)
{
    // A file written on Windows: section and value with é (0xE9) and € (0x80).
    const auto windows = ProfileFile::fromBytes("[R\xE9glages]\r\nPrix=10 \x80\r\n");
    EXPECT_EQ(windows.value(QString::fromUtf8("réglages"), "prix", ""), QString::fromUtf8("10 €"));
    const auto utf8 = ProfileFile::fromBytes("\xEF\xBB\xBF[R\xC3\xA9glages]\nPrix=10 \xE2\x82\xAC\n");
    EXPECT_EQ(utf8, windows);
}

TEST(ProfileFileWrite, WrittenFilesReadBackAndOddNamesAreRefused)
{
    ProfileFile p;
    EXPECT_TRUE(p.setValue("ScreenSize", "USStateCodes", "1"));
    EXPECT_TRUE(p.setValue(QString::fromUtf8("Café"), "Price", QString::fromUtf8(" 5 € ")));
    EXPECT_TRUE(p.setValue("screensize", "usstatecodes", "F")); // replaces
    EXPECT_EQ(p.toBytes(), QByteArray("[ScreenSize]\r\nUSStateCodes=F\r\n[Caf\xE9]\r\nPrice=5 \x80\r\n"));
    EXPECT_EQ(ProfileFile::fromBytes(p.toBytes()), p);

    EXPECT_FALSE(p.setValue("a]b", "k", "v"));
    EXPECT_FALSE(p.setValue("s", "k=1", "v"));
    EXPECT_FALSE(p.setValue("s", ";k", "v"));
    EXPECT_FALSE(p.setValue("s", "[k", "v"));
    EXPECT_FALSE(p.setValue("s", "", "v"));
    EXPECT_FALSE(p.setValue("s", "k", "two\nlines"));
    EXPECT_EQ(p.sections().size(), 2);
}

TEST(ProfileFileRead, MissingAndOversizedFilesAreNotRead)
{
    QTemporaryDir dir;
    EXPECT_FALSE(ProfileFile::read(dir.filePath("none.ini")));
    QFile big(dir.filePath("big.ini"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write("[ScreenSize]\nUSStateCodes=1\n" + QByteArray(ProfileFile::MaxFileSize, ';'));
    big.close();
    EXPECT_FALSE(ProfileFile::read(big.fileName()));
}
