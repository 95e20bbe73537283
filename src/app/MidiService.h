#pragma once
#include "platform/MidiTransport.h"

#include <cstdint>
#include <memory>

// Status byte in bits 0-7, first data byte in bits 8-15, second in 16-23.
std::uint32_t packShortMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);

// The program's one MIDI output: opened at start-up with an instrument on each
// of the sixteen channels, kept open for the whole run. Device errors never
// reach the user; they only turn MidiAvailable off.
class MidiService {
public:
    explicit MidiService(std::unique_ptr<platform::MidiTransport> transport);
    ~MidiService(); // closes, errors ignored

    // Opens the device and sets MidiAvailable from the result. Already open:
    // keeps the device.
    bool open();
    // Sends without testing MidiAvailable or the sound switch; the caller's
    // gate does that. Nothing is sent while the device is not open, and a
    // failed send changes nothing.
    void send(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);
    // Errors ignored; safe to call several times.
    void close();

    // MidiAvailable on, open, then the channel instruments. Any failure turns
    // MidiAvailable off, silently.
    void startUp();
    // startUp() once, on the first call: loading a synth takes a moment, so
    // the device opens when it is first needed, not before the splash.
    void ensureStarted();
    bool started() const { return started_; }

    bool midiAvailable() const { return available_; }
    void setMidiAvailable(bool available) { available_ = available; }
    platform::MidiTransport* transport() const { return transport_.get(); }

    // Zero-based General MIDI program of each channel, set by startUp().
    static constexpr std::uint8_t kChannelPrograms[16] = {1,   100, 98,  46,  55,  47,  108, 107,
                                                          114, 115, 127, 123, 106, 116, 117, 118};

private:
    bool sendPacked(std::uint32_t message);

    std::unique_ptr<platform::MidiTransport> transport_;
    bool open_ = false;
    bool available_ = false;
    bool started_ = false;
};
