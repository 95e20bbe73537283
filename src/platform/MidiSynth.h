#pragma once
#include "platform/MidiTransport.h"

#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QSaveFile;

namespace platform {

class SynthEngine;

inline constexpr int kSynthSampleRate = 44100;

// The built-in General MIDI synth (FluidSynth) playing on the audio output.
// open() fails, silently, when the soundfont does not load or no audio output
// opens: no audio output means no MIDI.
class SynthMidi : public MidiTransport {
public:
    explicit SynthMidi(QString soundFont, QStringList audioDrivers = defaultAudioDrivers());
    ~SynthMidi() override;
    bool open() override;
    bool send(std::uint32_t shortMessage) override;
    void close() override;

    // Tried in order. JACK is left out: its client library may start a server.
    static QStringList defaultAudioDrivers();

private:
    QString soundFont_;
    QStringList audioDrivers_;
    std::unique_ptr<SynthEngine> engine_;
    void* driver_ = nullptr;
};

// The built-in synth rendering into a 16-bit stereo 44.1 kHz WAV file, in step
// with the time between messages. The file appears, complete, on close().
class WavMidi : public MidiTransport {
public:
    // A monotonic clock in nanoseconds; the default is the steady clock.
    using NanoClock = std::function<std::int64_t()>;

    WavMidi(QString path, QString soundFont, NanoClock clock = {});
    ~WavMidi() override;
    bool open() override;
    bool send(std::uint32_t shortMessage) override;
    void close() override;

    // Rendered after the last message so its notes can die away.
    static constexpr int kTailMs = 1000;

private:
    void renderUntil(std::int64_t frame);
    void renderFrames(std::int64_t count);

    QString path_;
    QString soundFont_;
    NanoClock clock_;
    std::unique_ptr<SynthEngine> engine_;
    std::unique_ptr<QSaveFile> file_;
    std::int64_t startNs_ = 0;
    std::int64_t framesWritten_ = 0;
    bool lastBlockSilent_ = false;
    bool full_ = false;
};

// Renders timed messages (milliseconds from the start) with the built-in synth
// and returns totalMs of interleaved stereo samples at kSynthSampleRate.
// Messages past totalMs are dropped. Empty when the soundfont does not load.
std::vector<std::int16_t> renderOffline(const QString& soundFont,
                                        const std::vector<std::pair<int, std::uint32_t>>& events,
                                        int totalMs);

// The 44-byte header of a 16-bit stereo kSynthSampleRate PCM WAV file.
QByteArray wavHeader(std::uint32_t dataBytes);

} // namespace platform
