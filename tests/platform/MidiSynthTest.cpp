#include "platform/MidiSynth.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

using namespace platform;

namespace {

constexpr std::uint32_t kPiano = 0x0001C0;   // program change ch 0 -> 1
constexpr std::uint32_t kNoteOn = 0x7F3C90;  // ch 0, note 60, vel 127
constexpr std::uint32_t kNoteOff = 0x783C80; // ch 0, note 60, vel 120
using Pcm = std::vector<std::int16_t>;

std::int64_t frames(int ms) { return std::int64_t(ms) * kSynthSampleRate / 1000; }

// Over both channels of frames [from, to).
double rms(const Pcm& pcm, std::int64_t from, std::int64_t to)
{
    double sum = 0;
    for (std::int64_t i = from * 2; i < to * 2; ++i)
        sum += double(pcm[i]) * pcm[i];
    return std::sqrt(sum / double((to - from) * 2));
}

bool silent(const Pcm& pcm, std::int64_t from, std::int64_t to)
{
    return std::all_of(pcm.begin() + from * 2, pcm.begin() + to * 2, [](std::int16_t v) { return v == 0; });
}

QString soundFont()
{
    const QString found = findSoundFont();
    EXPECT_FALSE(found.isEmpty()) << "a General MIDI soundfont is one of the build's dependencies";
    return found;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Pcm samplesAfterHeader(const QByteArray& wav)
{
    Pcm pcm(std::max<qsizetype>(0, wav.size() - 44) / 2);
    for (std::size_t i = 0; i < pcm.size(); ++i)
        pcm[i] = qFromLittleEndian<std::int16_t>(wav.constData() + 44 + 2 * i);
    return pcm;
}

// Collects what the process writes to stderr while it lives.
class StderrCapture {
public:
    StderrCapture()
    {
        std::fflush(stderr);
        saved_ = dup(2);
        const int fd = ::open(dir_.filePath("err").toLocal8Bit().constData(), O_WRONLY | O_CREAT, 0600);
        dup2(fd, 2);
        ::close(fd);
    }
    std::string finish()
    {
        std::fflush(stderr);
        dup2(saved_, 2);
        ::close(saved_);
        return readFile(dir_.filePath("err")).toStdString();
    }

private:
    QTemporaryDir dir_;
    int saved_ = -1;
};

} // namespace

TEST(BuiltInSynth, NothingPlayedIsExactSilence)
{
    // Program changes and note-offs for notes never started make no sound.
    std::vector<std::pair<int, std::uint32_t>> events{{0, kPiano}, {0, 0x7FC9}};
    for (std::uint32_t note = 1; note <= 127; ++note)
        events.push_back({10, 0x780080 | (note << 8)});
    const Pcm pcm = renderOffline(soundFont(), events, 500);
    ASSERT_EQ(pcm.size(), std::size_t(frames(500) * 2));
    EXPECT_TRUE(silent(pcm, 0, frames(500)));
}

TEST(BuiltInSynth, NoteSoundsFromItsTimeOn)
{
    const Pcm pcm = renderOffline(soundFont(), {{500, kNoteOn}, {0, kPiano}, {1200, kNoteOn}}, 1000);
    ASSERT_EQ(pcm.size(), std::size_t(frames(1000) * 2));
    EXPECT_TRUE(silent(pcm, 0, frames(500)));
    EXPECT_GT(rms(pcm, frames(500), frames(600)), 100.0);
    EXPECT_TRUE(renderOffline("/nowhere/none.sf2", {{0, kNoteOn}}, 100).empty());
}

TEST(BuiltInSynth, NoteOffReleasesTheNote)
{
    const Pcm held = renderOffline(soundFont(), {{0, kPiano}, {0, kNoteOn}}, 1500);
    const Pcm released = renderOffline(soundFont(), {{0, kPiano}, {0, kNoteOn}, {100, kNoteOff}}, 1500);
    ASSERT_EQ(held.size(), released.size());
    EXPECT_LT(rms(released, frames(1000), frames(1500)) * 4, rms(held, frames(1000), frames(1500)));
}

TEST(SynthMidiDevice, OpensOrFailsWithoutAWordOnStderr)
{
    const QString font = soundFont();
    StderrCapture capture;
    SynthMidi missingFont("/nowhere/none.sf2");
    const bool openedWithoutFont = missingFont.open();
    SynthMidi unknownDriver(font, {"no-such-driver"});
    const bool openedUnknownDriver = unknownDriver.open();
    const bool sentUnopened = unknownDriver.send(kNoteOn);
    // Where this machine has an audio output the default device opens; a
    // program change keeps it quiet.
    SynthMidi synth(font);
    const bool opened = synth.open();
    const bool sent = synth.send(kPiano);
    synth.close();
    synth.close();
    const bool sentAfterClose = synth.send(kPiano);
    const std::string printed = capture.finish();

    EXPECT_FALSE(openedWithoutFont);
    EXPECT_FALSE(openedUnknownDriver);
    EXPECT_FALSE(sentUnopened);
    EXPECT_EQ(sent, opened);
    EXPECT_FALSE(sentAfterClose);
    EXPECT_EQ(printed, "");
    std::printf("[ note     ] default audio output %s\n", opened ? "opened" : "not available");
}

TEST(WavMidiFile, RendersInStepWithTheClockAndAppearsOnClose)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("effects.wav");
    std::int64_t now = 7'000'000'000;
    WavMidi wav(path, soundFont(), [&now] { return now; });
    ASSERT_TRUE(wav.open());
    EXPECT_TRUE(wav.send(kPiano));
    now += 250'000'000;
    EXPECT_TRUE(wav.send(kNoteOn));
    now += 250'000'000;
    EXPECT_FALSE(QFile::exists(path)) << "the file must not be seen half written";
    wav.close();
    wav.close();
    EXPECT_FALSE(wav.send(kNoteOn));

    // 500 ms and the 1000 ms tail: 66150 frames of 16-bit stereo at 44.1 kHz.
    const QByteArray bytes = readFile(path);
    EXPECT_EQ(bytes.left(44).toHex(), "52494646bc09040057415645666d7420100000000100020044ac0000"
                                      "10b10200040010006461746198090400");
    const Pcm pcm = samplesAfterHeader(bytes);
    ASSERT_EQ(pcm.size(), std::size_t(66150 * 2));
    EXPECT_TRUE(silent(pcm, 0, frames(250)));
    EXPECT_GT(rms(pcm, frames(250), frames(350)), 100.0);
}

TEST(WavMidiFile, LongPauseMatchesOfflineRendering)
{
    // The quiet stretch between effects is written without rendering. Up to
    // the next note the file must equal what the synth renders; after it only
    // the phase of the reverb's slow modulation may differ, well below 5%.
    QTemporaryDir dir;
    const QString path = dir.filePath("pause.wav");
    std::int64_t now = 0;
    WavMidi wav(path, soundFont(), [&now] { return now; });
    ASSERT_TRUE(wav.open());
    wav.send(kPiano);
    wav.send(kNoteOn);
    now = 100'000'000;
    wav.send(kNoteOff);
    now = 6'000'000'000;
    wav.send(kNoteOn);
    wav.close();

    const Pcm expected = renderOffline(
        soundFont(), {{0, kPiano}, {0, kNoteOn}, {100, kNoteOff}, {6000, kNoteOn}}, 6000 + WavMidi::kTailMs);
    const Pcm written = samplesAfterHeader(readFile(path));
    ASSERT_EQ(written.size(), expected.size());
    ASSERT_TRUE(silent(expected, frames(5000), frames(6000))) << "the pause must be long enough to go quiet";

    const auto onset = frames(6000) * 2;
    EXPECT_TRUE(std::equal(expected.begin(), expected.begin() + onset, written.begin()));
    auto firstSound = [onset](const Pcm& pcm) {
        return std::find_if(pcm.begin() + onset, pcm.end(), [](std::int16_t v) { return v != 0; }) - pcm.begin();
    };
    EXPECT_EQ(firstSound(written), firstSound(expected)) << "the note must start on the same sample";
    Pcm difference;
    for (std::size_t i = onset; i < expected.size(); ++i)
        difference.push_back(std::int16_t(written[i] - expected[i]));
    const auto after = std::int64_t(difference.size() / 2);
    EXPECT_LT(rms(difference, 0, after), 0.05 * rms(expected, frames(6000), frames(6000) + after));
}

TEST(WavMidiFile, EnvironmentValueWritesAValidAudibleFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("run.wav");
    auto wav = createMidiTransport("wav:" + path);
    ASSERT_TRUE(wav->open());
    EXPECT_TRUE(wav->send(kPiano));
    EXPECT_TRUE(wav->send(kNoteOn));
    wav->close();

    const QByteArray bytes = readFile(path);
    ASSERT_GE(bytes.size(), 44 + frames(WavMidi::kTailMs) * 4);
    EXPECT_EQ(bytes.left(44), wavHeader(std::uint32_t(bytes.size() - 44)));
    const Pcm pcm = samplesAfterHeader(bytes);
    EXPECT_GT(rms(pcm, 0, std::int64_t(pcm.size() / 2)), 100.0);
}

TEST(WavMidiFile, NoFileWithoutSoundFontOrFolder)
{
    QTemporaryDir dir;
    WavMidi noFont(dir.filePath("a.wav"), "/nowhere/none.sf2");
    EXPECT_FALSE(noFont.open());
    EXPECT_FALSE(noFont.send(kNoteOn));
    noFont.close();
    WavMidi noFolder(dir.filePath("absent/b.wav"), soundFont());
    EXPECT_FALSE(noFolder.open());
    EXPECT_FALSE(QFile::exists(dir.filePath("a.wav")));
}
