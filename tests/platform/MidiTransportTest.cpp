#include "platform/MidiTransport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

std::string readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<unreadable>";
}

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(MidiTransportChoice, ValuesThatNameNoDeviceNeverOpen)
{
    for (const char* setting : {"none", "bogus", "LOG:/tmp/x.log", "wav", "log:", "wav:"}) {
        auto transport = createMidiTransport(QString::fromLatin1(setting));
        ASSERT_NE(transport, nullptr) << setting;
        EXPECT_FALSE(transport->open()) << setting;
        EXPECT_FALSE(transport->send(0x7F3C99)) << setting;
        transport->close();
    }
}

TEST(LogMidi, AppendsOneUpperCaseHexLinePerMessageAsItIsSent)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("midi.log");
    {
        QFile earlier(path);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier\n");
    }
    auto log = createMidiTransport("log:" + path);
    EXPECT_FALSE(log->send(0x000090)) << "not open yet";
    ASSERT_TRUE(log->open());
    EXPECT_TRUE(log->send(0x7F3C99));
    EXPECT_TRUE(log->send(0x0001C0));
    EXPECT_TRUE(log->send(0xFEDCBA));
    EXPECT_TRUE(log->send(0xAB78018Fu)); // bits 24-31 are not part of a short message

    const std::string expected = "earlier\n99 3C 7F\nC0 01 00\nBA DC FE\n8F 01 78\n";
    EXPECT_EQ(readAll(path), expected) << "each line must be on disk before close";
    log->close();
    log->close();
    EXPECT_FALSE(log->send(0x7F3C99));
    EXPECT_EQ(readAll(path), expected);
}

TEST(LogMidi, MissingFolderDoesNotOpen)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("absent/midi.log");
    LogMidi log(path);
    EXPECT_FALSE(log.open());
    EXPECT_FALSE(log.send(0x7F3C99));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(SoundFontSearch, PrefersFluidR3ThenFirstByName)
{
    QTemporaryDir dir;
    EXPECT_EQ(findSoundFontIn(dir.path()), QString());
    EXPECT_EQ(findSoundFontIn(dir.filePath("absent")), QString());

    touch(dir.filePath("notes.txt"));
    EXPECT_EQ(findSoundFontIn(dir.path()), QString());

    ASSERT_TRUE(QDir(dir.path()).mkdir("0.sf2")); // a folder, not a soundfont
    touch(dir.filePath("b.sf2"));
    touch(dir.filePath("a.sf2"));
    EXPECT_EQ(findSoundFontIn(dir.path()), dir.filePath("a.sf2"));

    touch(dir.filePath("FluidR3_GM.sf2"));
    EXPECT_EQ(findSoundFontIn(dir.path()), dir.filePath("FluidR3_GM.sf2"));
}
