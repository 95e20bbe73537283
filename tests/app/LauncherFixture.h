#pragma once
#include "app/Launcher.h"
#include "app/ProgramMenu.h"
#include "app/SplashWindow.h"
#include "app/ToolWindow.h"
#include "app/TrayIcon.h"
#include "platform/Dialogs.h"
#include "platform/MidiTransport.h"
#include "platform/WebAddress.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <memory>

// A minimal utility window on the shared frame: a label to drag by, a button
// that must not drag, and a close that can be refused.
class ProbeWindow : public ToolWindow {
public:
    ProbeWindow(const UtilityServices& services, QWidget* owner) : ToolWindow(services, owner, QSize(300, 200))
    {
        label = new QLabel(QStringLiteral("drag me"), this);
        label->setGeometry(50, 50, 100, 20);
        button = new QPushButton(QStringLiteral("Press"), this);
        button->setGeometry(50, 100, 100, 30);
        ++created;
    }
    ~ProbeWindow() override { ++destroyed; }

    bool queryClose() override
    {
        ++closeQuestions;
        return !refuseClose;
    }

    QLabel* label;
    QPushButton* button;
    bool refuseClose = false;
    static inline int created = 0;
    static inline int destroyed = 0;
    static inline int closeQuestions = 0;
};

// A menu entry that opens a probe window, of fixed size unless resizable.
inline UtilityEntry probeEntry(MenuEntry entry, bool resizable = false)
{
    UtilityEntry utility;
    utility.entry = entry;
    utility.caption = ProgramMenu::entryCaption(entry);
    utility.create = [resizable](const UtilityServices& services, QWidget* owner, UtilityEntry::Released released) {
        auto* window = new ProbeWindow(services, owner);
        if (resizable) {
            window->setMinimumSize(0, 0);
            window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
        QObject::connect(window, &ToolWindow::released, window, std::move(released));
        return window;
    };
    return utility;
}

// The launcher as the program builds it, with probe windows for two entries
// (Electronic Dice and Date Calculator), a recording MIDI device, a 24-bit
// display and scripted dialogs.
class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ProbeWindow::created = ProbeWindow::destroyed = ProbeWindow::closeQuestions = 0;
        platform::WebAddress::install(&webAddresses);
        build();
    }

    void build(bool midiOpens = true, int colourDepth = 24)
    {
        launcher.reset();
        auto transport = std::make_unique<platform::RecordingMidi>();
        transport->openResult = midiOpens;
        midi = transport.get();
        launcher = std::make_unique<Launcher>(
            std::vector<UtilityEntry>{probeEntry(MenuEntry::ElectronicDice), probeEntry(MenuEntry::DateCalculator)},
            std::move(transport), colourDepth);
    }

    void TearDown() override
    {
        launcher.reset();
        platform::WebAddress::install(nullptr);
    }

    ProgramMenu& menu() { return launcher->menu(); }
    SplashWindow& splash() { return launcher->splash(); }
    TrayIcon& tray() { return launcher->tray(); }

    platform::ScopedDialogs dialogs;
    platform::RecordingWebAddress webAddresses;
    platform::RecordingMidi* midi = nullptr;
    std::unique_ptr<Launcher> launcher;
};
