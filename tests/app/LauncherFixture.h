#pragma once
#include "app/ProgramMenu.h"
#include "app/SplashWindow.h"
#include "platform/Dialogs.h"
#include "platform/MidiTransport.h"

#include <gtest/gtest.h>
#include <memory>

// The whole launcher as the program builds it: the splash window with a
// recording MIDI device, the program menu, and scripted dialogs.
class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override { build(); }

    void build(bool midiOpens = true)
    {
        auto transport = std::make_unique<platform::RecordingMidi>();
        transport->openResult = midiOpens;
        midi = transport.get();
        mm = std::make_unique<SplashWindow>(std::move(transport));
        menu = std::make_unique<ProgramMenu>();
    }

    void rebuild(bool midiOpens)
    {
        menu.reset();
        mm.reset();
        build(midiOpens);
    }

    void TearDown() override
    {
        menu.reset();
        mm.reset();
    }

    platform::ScopedDialogs dialogs;
    platform::RecordingMidi* midi = nullptr;
    std::unique_ptr<SplashWindow> mm;
    std::unique_ptr<ProgramMenu> menu;
};
