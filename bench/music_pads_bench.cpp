// How long a pad press takes from the pad's mouse handler to the note-on
// reaching the MIDI device: the toy must answer a press within 10 ms.
#include "app/MidiService.h"
#include "app/PictureStore.h"
#include "app/SoundEffects.h"
#include "app/UtilityServices.h"
#include "games/MusicPadsWindow.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/MidiTransport.h"
#include "platform/Random.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include "GuiBenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

// Notes the moment each message has been handed over to the device behind
// it (or simply arrived, when there is none).
class TimingMidi : public platform::MidiTransport {
public:
    explicit TimingMidi(std::unique_ptr<platform::MidiTransport> device = nullptr) : device_(std::move(device)) {}
    bool open() override { return !device_ || device_->open(); }
    bool send(std::uint32_t message) override
    {
        const bool sent = !device_ || device_->send(message);
        arrived = Clock::now();
        last = message;
        return sent;
    }
    void close() override
    {
        if (device_)
            device_->close();
    }

    Clock::time_point arrived;
    std::uint32_t last = 0;

private:
    std::unique_ptr<platform::MidiTransport> device_;
};

void measurePadPress(benchmark::State& state, std::unique_ptr<platform::MidiTransport> device)
{
    auto owned = std::make_unique<TimingMidi>(std::move(device));
    TimingMidi* timing = owned.get();
    MidiService midi(std::move(owned));
    midi.startUp();
    if (!midi.midiAvailable()) {
        state.SkipWithError("the MIDI device did not open");
        return;
    }
    SoundEffects effects(midi, [] { return false; }); // the pads ignore the switch
    PictureStore pictures(24);
    UtilityServices services{effects, pictures, 24, platform::Dialogs::instance(), platform::Clock::instance(),
                             platform::Random::instance()};
    MusicPadsWindow window(services);
    window.show();
    QApplication::processEvents();

    QLabel* pad = window.pad(1);
    const QPointF at(40, 30);
    const QPointF global = pad->mapToGlobal(at);
    std::int64_t notes = 0;
    for (auto _ : state) {
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        const Clock::time_point start = Clock::now();
        QApplication::sendEvent(pad, &press);
        state.SetIterationTime(std::chrono::duration<double>(timing->arrived - start).count());
        if (timing->last != 0x7F3290u) { // note on, channel 0, note 50
            state.SkipWithError("the press did not reach the device");
            break;
        }
        ++notes;
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(pad, &release);
    }
    state.counters["notes"] = double(notes);
}

// To a device that only takes the message: the program's own share.
void BM_PadPressToTransport(benchmark::State& state) { measurePadPress(state, nullptr); }
BENCHMARK(BM_PadPressToTransport)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Through the built-in synth (rendering to a WAV file, so no audio output is
// needed): until the synth has taken the note.
void BM_PadPressToSynth(benchmark::State& state)
{
    QTemporaryDir dir;
    measurePadPress(state, platform::createMidiTransport("wav:" + dir.filePath("pads.wav")));
}
BENCHMARK(BM_PadPressToSynth)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runGuiBenchmarks(argc, argv);
}
