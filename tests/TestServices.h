#pragma once
#include "app/MidiService.h"
#include "app/PictureStore.h"
#include "app/SoundEffects.h"
#include "app/UtilityServices.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/MidiTransport.h"
#include "platform/Random.h"

#include <memory>

// The services a utility window is built with, as a test wants them: MIDI
// into a recording device (opened, instruments set), a sound switch the test
// holds, the shared pictures of a 24-bit display, scripted dialogs, a clock
// that moves only when told and a random generator with a fixed seed.
// Nothing is installed program-wide: a window that goes around its services
// meets the real dialogs and clock, and its tests notice.
struct TestServices {
    explicit TestServices(int colourDepth = 24)
        : midi(std::make_unique<platform::RecordingMidi>())
        , recorded(static_cast<platform::RecordingMidi*>(midi.get()))
        , midiService(std::move(midi))
        , effects(midiService, [this] { return soundSwitch; })
        , pictures(colourDepth)
        , services{effects, pictures, colourDepth, dialogs, clock, random}
    {
        midiService.startUp();
        recorded->messages.clear();
        random.seed(1);
    }
    TestServices(const TestServices&) = delete;
    TestServices& operator=(const TestServices&) = delete;

    bool soundSwitch = true;
    std::unique_ptr<platform::MidiTransport> midi; // handed on to midiService
    platform::RecordingMidi* recorded;
    MidiService midiService;
    SoundEffects effects;
    PictureStore pictures;
    platform::ScriptedDialogs dialogs;
    platform::ManualClock clock;
    platform::Random random;
    UtilityServices services;
};
