#include "platform/MidiSynth.h"

#include <QSaveFile>
#include <QtEndian>

#include "platform/FluidSynthLibrary.h"

#include <dlfcn.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <limits>
#include <mutex>

namespace platform {

namespace {

void quietFluidLog(int, const char*, void*) {}

void quietAlsaLog(const char*, int, const char*, int, const char*, ...) {}

// FluidSynth reports through its own log, and ALSA prints straight to stderr
// when there is no sound card. A program without sound must stay silent, so
// both are muted once for the whole process. ALSA is reached through the
// symbol FluidSynth already loaded; without it there is nothing to mute.
void muteLibraries(const FluidSynthLibrary& fluid)
{
    static std::once_flag once;
    std::call_once(once, [&fluid] {
        for (int level = 0; level < LAST_LOG_LEVEL; ++level)
            fluid.setLogFunction(level, quietFluidLog, nullptr);
        using AlsaHandler = void (*)(const char*, int, const char*, int, const char*, ...);
        using SetAlsaHandler = int (*)(AlsaHandler);
        if (void* symbol = dlsym(fluid.handle, "snd_lib_error_set_handler"))
            reinterpret_cast<SetAlsaHandler>(symbol)(quietAlsaLog);
    });
}

std::int16_t toPcm(float sample)
{
    const float scaled = std::clamp(sample * 32767.0f, -32768.0f, 32767.0f);
    return static_cast<std::int16_t>(std::lrint(scaled));
}

std::int64_t framesForMs(std::int64_t ms)
{
    return ms * kSynthSampleRate / 1000;
}

std::int64_t steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

constexpr int kBlockFrames = 1024;
constexpr int kFluidBlockFrames = 64; // FluidSynth renders in blocks of this size
constexpr int kBytesPerFrame = 4;
// The RIFF sizes are 32-bit; the file stops growing rather than overflow them.
constexpr std::int64_t kMaxWavFrames = (std::numeric_limits<std::uint32_t>::max() - 36) / kBytesPerFrame;

} // namespace

// One FluidSynth synth with the soundfont loaded: no shell, no server, no
// MIDI driver.
class SynthEngine {
public:
    static std::unique_ptr<SynthEngine> create(const QString& soundFont, bool threadSafe)
    {
        const FluidSynthLibrary* fluid = fluidSynthLibrary();
        if (!fluid)
            return nullptr;
        muteLibraries(*fluid);
        if (soundFont.isEmpty())
            return nullptr;
        auto engine = std::unique_ptr<SynthEngine>(new SynthEngine(*fluid));
        engine->settings = fluid->newSettings();
        if (!engine->settings)
            return nullptr;
        fluid->settingsSetNum(engine->settings, "synth.sample-rate", kSynthSampleRate);
        // Only the audio driver's thread shares the synth with the caller.
        fluid->settingsSetInt(engine->settings, "synth.threadsafe-api", threadSafe ? 1 : 0);
        fluid->settingsSetInt(engine->settings, "synth.lock-memory", 0);
        // Short percussive effects: a modest voice count is plenty.
        fluid->settingsSetInt(engine->settings, "synth.polyphony", 64);
        engine->synth = fluid->newSynth(engine->settings);
        if (!engine->synth)
            return nullptr;
        if (fluid->sfload(engine->synth, soundFont.toLocal8Bit().constData(), 1) == FLUID_FAILED)
            return nullptr;
        return engine;
    }

    ~SynthEngine()
    {
        if (synth)
            fluid.deleteSynth(synth);
        if (settings)
            fluid.deleteSettings(settings);
    }

    // Musical refusals (a note-off for a note not sounding, a program the
    // soundfont lacks) are not delivery failures, just as a hardware port
    // takes any well-formed message; only a missing status byte is refused.
    bool apply(std::uint32_t message)
    {
        const int status = message & 0xFF;
        const int channel = status & 0x0F;
        const int data1 = (message >> 8) & 0x7F;
        const int data2 = (message >> 16) & 0x7F;
        switch (status & 0xF0) {
        case 0x80: fluid.noteOff(synth, channel, data1); break;
        case 0x90: fluid.noteOn(synth, channel, data1, data2); break;
        case 0xA0: fluid.keyPressure(synth, channel, data1, data2); break;
        case 0xB0: fluid.controlChange(synth, channel, data1, data2); break;
        case 0xC0: fluid.programChange(synth, channel, data1); break;
        case 0xD0: fluid.channelPressure(synth, channel, data1); break;
        case 0xE0: fluid.pitchBend(synth, channel, data1 | (data2 << 7)); break;
        case 0xF0:
            if (status == 0xFF)
                fluid.systemReset(synth);
            break;
        default: return false;
        }
        return true;
    }

    // Renders frames as interleaved stereo; true when every sample is zero.
    bool render(int frames, std::int16_t* out)
    {
        left_.resize(frames);
        right_.resize(frames);
        fluid.writeFloat(synth, frames, left_.data(), 0, 1, right_.data(), 0, 1);
        bool silent = true;
        for (int i = 0; i < frames; ++i) {
            out[2 * i] = toPcm(left_[i]);
            out[2 * i + 1] = toPcm(right_[i]);
            silent = silent && out[2 * i] == 0 && out[2 * i + 1] == 0;
        }
        return silent;
    }

    int activeVoices() { return fluid.activeVoiceCount(synth); }

    const FluidSynthLibrary& fluid;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;

private:
    explicit SynthEngine(const FluidSynthLibrary& library) : fluid(library) {}
    std::vector<float> left_;
    std::vector<float> right_;
};

// --- SynthMidi ---

SynthMidi::SynthMidi(QString soundFont, QStringList audioDrivers)
    : soundFont_(std::move(soundFont))
    , audioDrivers_(std::move(audioDrivers))
{
}

SynthMidi::~SynthMidi()
{
    close();
}

QStringList SynthMidi::defaultAudioDrivers()
{
    // PulseAudio also reaches PipeWire desktops; ALSA covers the rest.
    return {QStringLiteral("pulseaudio"), QStringLiteral("alsa")};
}

bool SynthMidi::open()
{
    if (engine_)
        return true;
    auto engine = SynthEngine::create(soundFont_, true);
    if (!engine)
        return false;
    for (const QString& name : audioDrivers_) {
        if (engine->fluid.settingsSetStr(engine->settings, "audio.driver", name.toLatin1().constData()) == FLUID_FAILED)
            continue;
        if (fluid_audio_driver_t* driver = engine->fluid.newAudioDriver(engine->settings, engine->synth)) {
            driver_ = driver;
            engine_ = std::move(engine);
            return true;
        }
    }
    return false;
}

bool SynthMidi::send(std::uint32_t shortMessage)
{
    return engine_ && engine_->apply(shortMessage);
}

void SynthMidi::close()
{
    // The driver's thread reads the synth: stop it first.
    if (driver_)
        engine_->fluid.deleteAudioDriver(static_cast<fluid_audio_driver_t*>(driver_));
    driver_ = nullptr;
    engine_.reset();
}

// --- WavMidi ---

WavMidi::WavMidi(QString path, QString soundFont, NanoClock clock)
    : path_(std::move(path))
    , soundFont_(std::move(soundFont))
    , clock_(clock ? std::move(clock) : NanoClock(steadyNs))
{
}

WavMidi::~WavMidi()
{
    close();
}

bool WavMidi::open()
{
    if (engine_)
        return true;
    if (path_.isEmpty())
        return false;
    auto engine = SynthEngine::create(soundFont_, false);
    if (!engine)
        return false;
    // A save file: the WAV appears under its name only once it is complete.
    auto file = std::make_unique<QSaveFile>(path_);
    if (!file->open(QIODevice::WriteOnly))
        return false;
    const QByteArray header = wavHeader(0);
    if (file->write(header) != header.size())
        return false;
    engine_ = std::move(engine);
    file_ = std::move(file);
    startNs_ = clock_();
    framesWritten_ = 0;
    lastBlockSilent_ = false;
    full_ = false;
    return true;
}

bool WavMidi::send(std::uint32_t shortMessage)
{
    if (!engine_)
        return false;
    const std::int64_t elapsedNs = std::max<std::int64_t>(0, clock_() - startNs_);
    renderUntil(elapsedNs * kSynthSampleRate / 1'000'000'000);
    return engine_->apply(shortMessage) && file_->error() == QFileDevice::NoError;
}

void WavMidi::close()
{
    if (!engine_)
        return;
    const std::int64_t elapsedNs = std::max<std::int64_t>(0, clock_() - startNs_);
    renderUntil(elapsedNs * kSynthSampleRate / 1'000'000'000);
    renderFrames(framesForMs(kTailMs));
    const QByteArray header = wavHeader(static_cast<std::uint32_t>(framesWritten_ * kBytesPerFrame));
    // A failed write leaves the save file in error, and commit() then keeps
    // the old file (or none) rather than a partial one.
    if (file_->seek(0) && file_->write(header) == header.size())
        file_->commit();
    else
        file_->cancelWriting();
    file_.reset();
    engine_.reset();
}

void WavMidi::renderUntil(std::int64_t frame)
{
    if (frame > framesWritten_)
        renderFrames(frame - framesWritten_);
}

void WavMidi::renderFrames(std::int64_t count)
{
    std::int16_t block[kBlockFrames * 2];
    while (count > 0 && !full_) {
        int frames = static_cast<int>(std::min({count, std::int64_t(kBlockFrames), kMaxWavFrames - framesWritten_}));
        if (frames <= 0) {
            full_ = true;
            break;
        }
        // Once the synth has gone quiet, a long pause between effects is
        // written as zeros instead of being rendered. Whole synth blocks only,
        // so later messages fall on the same sample as if it had rendered.
        const int skippable = frames - frames % kFluidBlockFrames;
        if (lastBlockSilent_ && skippable > 0 && engine_->activeVoices() == 0) {
            frames = skippable;
            std::memset(block, 0, sizeof block);
        } else {
            lastBlockSilent_ = engine_->render(frames, block);
        }
        qToLittleEndian<std::int16_t>(block, frames * 2, block);
        file_->write(reinterpret_cast<const char*>(block), qint64(frames) * kBytesPerFrame);
        framesWritten_ += frames;
        count -= frames;
    }
}

// --- Offline rendering ---

std::vector<std::int16_t> renderOffline(const QString& soundFont,
                                        const std::vector<std::pair<int, std::uint32_t>>& events,
                                        int totalMs)
{
    auto engine = SynthEngine::create(soundFont, false);
    if (!engine)
        return {};
    auto timed = events;
    std::stable_sort(timed.begin(), timed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    const std::int64_t total = framesForMs(std::max(0, totalMs));
    std::vector<std::int16_t> out(static_cast<std::size_t>(total) * 2);
    std::int64_t rendered = 0;
    auto renderTo = [&](std::int64_t frame) {
        while (rendered < frame) {
            const int frames = static_cast<int>(std::min<std::int64_t>(frame - rendered, kBlockFrames));
            engine->render(frames, out.data() + rendered * 2);
            rendered += frames;
        }
    };
    for (const auto& [ms, message] : timed) {
        if (ms > totalMs)
            break;
        renderTo(framesForMs(std::max(0, ms)));
        engine->apply(message);
    }
    renderTo(total);
    return out;
}

QByteArray wavHeader(std::uint32_t dataBytes)
{
    QByteArray header;
    header.reserve(44);
    auto u32 = [&header](std::uint32_t value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        header.append(bytes, 4);
    };
    auto u16 = [&header](std::uint16_t value) {
        char bytes[2];
        qToLittleEndian(value, bytes);
        header.append(bytes, 2);
    };
    header.append("RIFF");
    u32(36 + dataBytes);
    header.append("WAVEfmt ");
    u32(16);                                    // format chunk size
    u16(1);                                     // PCM
    u16(2);                                     // stereo
    u32(kSynthSampleRate);
    u32(kSynthSampleRate * kBytesPerFrame);     // bytes per second
    u16(kBytesPerFrame);                        // block align
    u16(16);                                    // bits per sample
    header.append("data");
    u32(dataBytes);
    return header;
}

} // namespace platform
