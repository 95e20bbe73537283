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

constexpr std::uint32_t kPiano = 0x0001C0;       // program change ch 0 -> 1
constexpr std::uint32_t kNoteOn = 0x7F3C90;      // ch 0, note 60, vel 127
constexpr std::uint32_t kNoteOff = 0x783C80;     // ch 0, note 60, vel 120

std::int64_t frames(int ms)
{
    return std::int64_t(ms) * kSynthSampleRate / 1000;
}

// Root mean square over both channels of frames [from, to).
double rms(const std::vector<std::int16_t>& pcm, std::int64_t from, std::int64_t to)
{
    double sum = 0;
    for (std::int64_t i = from * 2; i < to * 2; ++i)
        sum += double(pcm[i]) * pcm[i];
    return std::sqrt(sum / double((to - from) * 2));
}

int peak(const std::vector<std::int16_t>& pcm, std::int64_t from, std::int64_t to)
{
    int most = 0;
    for (std::int64_t i = from * 2; i < to * 2; ++i)
        most = std::max(most, std::abs(int(pcm[i])));
    return most;
}

QString soundFont()
{
    const QString found = findSoundFont();
    EXPECT_FALSE(found.isEmpty()) << "a General MIDI soundfont is part of the build's dependencies";
    return found;
}

// Collects what the process writes to stderr while it lives.
class StderrCapture {
public:
    StderrCapture()
    {
        std::fflush(stderr);
        saved_ = dup(2);
        const QByteArray path = dir_.filePath("stderr").toLocal8Bit();
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fd, 2);
        ::close(fd);
    }
    QByteArray finish()
    {
        std::fflush(stderr);
        dup2(saved_, 2);
        ::close(saved_);
        QFile file(dir_.filePath("stderr"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

private:
    QTemporaryDir dir_;
    int saved_ = -1;
};

struct Wav {
    QByteArray riff, wave, fmt, data;
    std::uint32_t riffSize = 0, fmtSize = 0, rate = 0, byteRate = 0, dataBytes = 0;
    std::uint16_t format = 0, channels = 0, align = 0, bits = 0;
    qint64 fileSize = 0;
    std::vector<std::int16_t> samples;
};

Wav readWav(const QString& path)
{
    QFile file(path);
    Wav wav;
    if (!file.open(QIODevice::ReadOnly))
        return wav;
    const QByteArray bytes = file.readAll();
    wav.fileSize = bytes.size();
    if (bytes.size() < 44)
        return wav;
    const char* p = bytes.constData();
    wav.riff = bytes.mid(0, 4);
    wav.riffSize = qFromLittleEndian<std::uint32_t>(p + 4);
    wav.wave = bytes.mid(8, 4);
    wav.fmt = bytes.mid(12, 4);
    wav.fmtSize = qFromLittleEndian<std::uint32_t>(p + 16);
    wav.format = qFromLittleEndian<std::uint16_t>(p + 20);
    wav.channels = qFromLittleEndian<std::uint16_t>(p + 22);
    wav.rate = qFromLittleEndian<std::uint32_t>(p + 24);
    wav.byteRate = qFromLittleEndian<std::uint32_t>(p + 28);
    wav.align = qFromLittleEndian<std::uint16_t>(p + 32);
    wav.bits = qFromLittleEndian<std::uint16_t>(p + 34);
    wav.data = bytes.mid(36, 4);
    wav.dataBytes = qFromLittleEndian<std::uint32_t>(p + 40);
    wav.samples.resize((bytes.size() - 44) / 2);
    for (std::size_t i = 0; i < wav.samples.size(); ++i)
        wav.samples[i] = qFromLittleEndian<std::int16_t>(p + 44 + 2 * i);
    return wav;
}

void expectCdQualityHeader(const Wav& wav)
{
    EXPECT_EQ(wav.riff, "RIFF");
    EXPECT_EQ(wav.wave, "WAVE");
    EXPECT_EQ(wav.fmt, "fmt ");
    EXPECT_EQ(wav.fmtSize, 16u);
    EXPECT_EQ(wav.format, 1u);
    EXPECT_EQ(wav.channels, 2u);
    EXPECT_EQ(wav.rate, 44100u);
    EXPECT_EQ(wav.byteRate, 44100u * 4);
    EXPECT_EQ(wav.align, 4u);
    EXPECT_EQ(wav.bits, 16u);
    EXPECT_EQ(wav.data, "data");
    EXPECT_EQ(wav.dataBytes % 4, 0u);
    EXPECT_EQ(qint64(wav.dataBytes) + 44, wav.fileSize);
    EXPECT_EQ(wav.riffSize, wav.dataBytes + 36);
}

} // namespace

TEST(BuiltInSynth, PlayedNotesAreAudible)
{
    const auto pcm = renderOffline(soundFont(), {{0, kPiano}, {0, kNoteOn}, {0, 0x7F2D9A}}, 1000);
    ASSERT_EQ(pcm.size(), std::size_t(44100 * 2));
    EXPECT_GT(rms(pcm, 0, frames(1000)), 100.0);
}

TEST(BuiltInSynth, NoNotesIsExactSilence)
{
    // Program changes and note-offs for notes never started make no sound.
    std::vector<std::pair<int, std::uint32_t>> events{{0, kPiano}, {0, 0x7FC9}};
    for (std::uint32_t note = 1; note <= 127; ++note)
        events.push_back({10, 0x780080 | (note << 8)});
    const auto pcm = renderOffline(soundFont(), events, 500);
    ASSERT_EQ(pcm.size(), std::size_t(frames(500) * 2));
    EXPECT_EQ(peak(pcm, 0, frames(500)), 0);
}

TEST(BuiltInSynth, NoteStartsAtItsTime)
{
    const auto pcm = renderOffline(soundFont(), {{500, kNoteOn}, {0, kPiano}}, 1000);
    ASSERT_EQ(pcm.size(), std::size_t(frames(1000) * 2));
    EXPECT_EQ(peak(pcm, 0, frames(500)), 0);
    EXPECT_GT(rms(pcm, frames(500), frames(600)), 100.0);
}

TEST(BuiltInSynth, NoteOffReleasesTheNote)
{
    const QString font = soundFont();
    const auto held = renderOffline(font, {{0, kPiano}, {0, kNoteOn}}, 1500);
    const auto released = renderOffline(font, {{0, kPiano}, {0, kNoteOn}, {100, kNoteOff}}, 1500);
    ASSERT_FALSE(held.empty());
    ASSERT_FALSE(released.empty());
    EXPECT_LT(rms(released, frames(1000), frames(1500)) * 4, rms(held, frames(1000), frames(1500)));
}

TEST(BuiltInSynth, MissingSoundFontRendersNothing)
{
    EXPECT_TRUE(renderOffline("/nowhere/none.sf2", {{0, kNoteOn}}, 100).empty());
}

TEST(SynthMidiDevice, FailuresToOpenPrintNothing)
{
    const QString font = soundFont();
    StderrCapture capture;
    SynthMidi missingFont("/nowhere/none.sf2");
    const bool openedWithoutFont = missingFont.open();
    SynthMidi unknownDriver(font, {"no-such-driver"});
    const bool openedUnknownDriver = unknownDriver.open();
    const bool sentUnopened = unknownDriver.send(kNoteOn);
    SynthMidi noDrivers(font, {});
    const bool openedNoDrivers = noDrivers.open();
    const QByteArray printed = capture.finish();

    EXPECT_FALSE(openedWithoutFont);
    EXPECT_FALSE(openedUnknownDriver);
    EXPECT_FALSE(sentUnopened);
    EXPECT_FALSE(openedNoDrivers);
    EXPECT_EQ(printed.toStdString(), "");
}

TEST(SynthMidiDevice, DefaultOutputOpensOrFailsWithoutAWord)
{
    const QString font = soundFont();
    StderrCapture capture;
    SynthMidi synth(font);
    const bool opened = synth.open();
    const bool sent = synth.send(kPiano); // silent even where a sound card plays it
    synth.close();
    synth.close();
    const bool sentAfterClose = synth.send(kPiano);
    const QByteArray printed = capture.finish();

    EXPECT_EQ(sent, opened);
    EXPECT_FALSE(sentAfterClose);
    EXPECT_EQ(printed.toStdString(), "");
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

    const Wav file = readWav(path);
    expectCdQualityHeader(file);
    EXPECT_EQ(file.dataBytes, std::uint32_t((frames(500) + frames(WavMidi::kTailMs)) * 4));
    ASSERT_EQ(file.samples.size(), std::size_t(frames(500) + frames(WavMidi::kTailMs)) * 2);
    EXPECT_EQ(peak(file.samples, 0, frames(250)), 0);
    EXPECT_GT(rms(file.samples, frames(250), frames(350)), 100.0);
}

TEST(WavMidiFile, LongPauseMatchesOfflineRendering)
{
    // The quiet stretch between effects is written without rendering. Up to
    // the next note the file must equal what the synth renders; after it only
    // the phase of the reverb's slow modulation may differ, well below 5%.
    QTemporaryDir dir;
    const QString path = dir.filePath("pause.wav");
    const QString font = soundFont();
    std::int64_t now = 0;
    WavMidi wav(path, font, [&now] { return now; });
    ASSERT_TRUE(wav.open());
    wav.send(kPiano);
    wav.send(kNoteOn);
    now = 100'000'000;
    wav.send(kNoteOff);
    now = 6'000'000'000;
    wav.send(kNoteOn);
    wav.close();

    const auto expected = renderOffline(
        font, {{0, kPiano}, {0, kNoteOn}, {100, kNoteOff}, {6000, kNoteOn}}, 6000 + WavMidi::kTailMs);
    const Wav file = readWav(path);
    ASSERT_EQ(file.samples.size(), expected.size());
    ASSERT_EQ(peak(expected, frames(5000), frames(6000)), 0) << "the pause must be long enough to go quiet";

    const std::size_t onset = std::size_t(frames(6000)) * 2;
    EXPECT_TRUE(std::equal(expected.begin(), expected.begin() + onset, file.samples.begin()));
    std::vector<std::int16_t> difference;
    for (std::size_t i = onset; i < expected.size(); ++i)
        difference.push_back(std::int16_t(file.samples[i] - expected[i]));
    const std::int64_t after = std::int64_t(difference.size() / 2);
    EXPECT_LT(rms(difference, 0, after), 0.05 * rms(expected, frames(6000), frames(6000) + after));
    auto firstSound = [onset](const std::vector<std::int16_t>& pcm) {
        return std::find_if(pcm.begin() + onset, pcm.end(), [](std::int16_t v) { return v != 0; }) - pcm.begin();
    };
    EXPECT_EQ(firstSound(file.samples), firstSound(expected)) << "the note must start on the same sample";
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

    const Wav file = readWav(path);
    expectCdQualityHeader(file);
    ASSERT_GE(file.samples.size(), std::size_t(frames(WavMidi::kTailMs) * 2));
    EXPECT_GT(rms(file.samples, 0, std::int64_t(file.samples.size() / 2)), 100.0);
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
    noFolder.close();
    EXPECT_FALSE(QFile::exists(dir.filePath("a.wav")));
    EXPECT_FALSE(QFile::exists(dir.filePath("absent/b.wav")));
}
