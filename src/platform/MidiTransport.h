#pragma once
#include <QFile>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

// A MIDI output device taking short messages: status byte in bits 0-7, first
// data byte in bits 8-15, second data byte in bits 16-23.
class MidiTransport {
public:
    virtual ~MidiTransport();
    // False when there is no device to open.
    virtual bool open() = 0;
    // False when the message could not be delivered (also when not open).
    virtual bool send(std::uint32_t shortMessage) = 0;
    // Idempotent, never throws.
    virtual void close() = 0;
};

// Chooses the device from the value of ORVIK_MIDI:
//   ""          the built-in General MIDI synth on the default audio output
//   "none"      a device that never opens
//   "log:PATH"  every message appended to PATH as a line "99 3C 7F"
//   "wav:PATH"  the built-in synth rendering into the WAV file PATH
// Anything else is treated as "none".
std::unique_ptr<MidiTransport> createMidiTransport(const QString& setting);

// $ORVIK_SOUNDFONT when set, else findSoundFontIn("/usr/share/sounds/sf2").
QString findSoundFont();
// FluidR3_GM.sf2 in the folder when present, else the first *.sf2 there by
// name; "" when there is none.
QString findSoundFontIn(const QString& folder);

// The device of "none": never opens, so every send fails.
class NullMidi : public MidiTransport {
public:
    bool open() override { return false; }
    bool send(std::uint32_t) override { return false; }
    void close() override {}
};

// A MIDI monitor: each message becomes one line of three upper-case hex bytes,
// written straight through so another process can follow the file.
class LogMidi : public MidiTransport {
public:
    explicit LogMidi(QString path);
    ~LogMidi() override;
    bool open() override;
    bool send(std::uint32_t shortMessage) override;
    void close() override;

    // "99 3C 7F" for 0x7F3C99; bits 24-31 are not part of the message.
    static QByteArray formatLine(std::uint32_t shortMessage);

private:
    QFile file_;
};

// Test double: records what was sent while open.
class RecordingMidi : public MidiTransport {
public:
    bool openResult = true;
    // Once failAfter messages have been accepted every send fails; -1 never.
    int failAfter = -1;
    std::vector<std::uint32_t> messages; // accepted messages, in order
    bool isOpen = false;
    int openCount = 0;
    int closeCount = 0;
    int sendCount = 0; // every call, accepted or not

    bool open() override;
    bool send(std::uint32_t shortMessage) override;
    void close() override;
};

} // namespace platform
