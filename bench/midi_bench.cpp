// Costs of the MIDI layer: how long the built-in synth takes to open (the
// soundfont load dominates), and what the effects cost per call.
#include "app/MidiService.h"
#include "app/SoundEffects.h"
#include "platform/MidiSynth.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// What the default device does at start-up: load the soundfont, try the audio
// outputs. Without an audio output it then fails, having paid the same load.
void BM_SynthOpen(benchmark::State& state)
{
    const QString font = platform::findSoundFont();
    if (font.isEmpty()) {
        state.SkipWithError("no soundfont");
        return;
    }
    bool opened = false;
    for (auto _ : state) {
        platform::SynthMidi synth(font);
        opened = synth.open();
        synth.close();
    }
    state.SetLabel(opened ? "audio output opened" : "no audio output");
}
BENCHMARK(BM_SynthOpen)->Unit(benchmark::kMillisecond);

// The soundfont load alone, as the WAV device and offline rendering pay it.
void BM_SoundFontLoad(benchmark::State& state)
{
    const QString font = platform::findSoundFont();
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::renderOffline(font, {}, 0));
}
BENCHMARK(BM_SoundFontLoad)->Unit(benchmark::kMillisecond);

// One second of synth output with a note sounding.
void BM_RenderOneSecond(benchmark::State& state)
{
    const QString font = platform::findSoundFont();
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::renderOffline(font, {{0, 0x0001C0}, {0, 0x7F3C90}}, 1000));
}
BENCHMARK(BM_RenderOneSecond)->Unit(benchmark::kMillisecond);

// A full sweep (2032 note-offs) as a window sends it when it loses the focus,
// through the log device that writes one line per message.
void BM_FullSweepToLog(benchmark::State& state)
{
    QTemporaryDir dir;
    MidiService midi(platform::createMidiTransport("log:" + dir.filePath("midi.log")));
    midi.startUp();
    SoundEffects effects(midi, [] { return true; });
    for (auto _ : state)
        effects.sweep(SoundGate::Midi, Sweep::Full);
}
BENCHMARK(BM_FullSweepToLog)->Unit(benchmark::kMillisecond);

// The same sweep into the synth (WAV device, so no audio output is needed).
void BM_FullSweepToSynth(benchmark::State& state)
{
    QTemporaryDir dir;
    MidiService midi(platform::createMidiTransport("wav:" + dir.filePath("out.wav")));
    midi.startUp();
    if (!midi.midiAvailable()) {
        state.SkipWithError("synth did not open");
        return;
    }
    SoundEffects effects(midi, [] { return true; });
    for (auto _ : state)
        effects.sweep(SoundGate::Midi, Sweep::Full);
}
BENCHMARK(BM_FullSweepToSynth)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
