#include "platform/MidiTransport.h"

#include "platform/MidiSynth.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

MidiTransport::~MidiTransport() = default;

std::unique_ptr<MidiTransport> createMidiTransport(const QString& setting)
{
    if (setting.isEmpty())
        return std::make_unique<SynthMidi>(findSoundFont());
    if (setting.startsWith(QLatin1String("log:")))
        return std::make_unique<LogMidi>(setting.mid(4));
    if (setting.startsWith(QLatin1String("wav:")))
        return std::make_unique<WavMidi>(setting.mid(4), findSoundFont());
    return std::make_unique<NullMidi>();
}

QString findSoundFont()
{
    // An explicit choice is honoured even when the file is missing: the synth
    // then fails to open and the program runs silently, as without a device.
    const QString own = qEnvironmentVariable("ORVIK_SOUNDFONT");
    if (!own.isEmpty())
        return own;
    return findSoundFontIn(QStringLiteral("/usr/share/sounds/sf2"));
}

QString findSoundFontIn(const QString& folder)
{
    const QDir dir(folder);
    const QFileInfo preferred(dir.filePath(QStringLiteral("FluidR3_GM.sf2")));
    if (preferred.isFile())
        return preferred.filePath();
    // Symbolic links count: Debian's default-GM.sf2 is one.
    const QFileInfoList found = dir.entryInfoList({QStringLiteral("*.sf2")}, QDir::Files | QDir::Readable,
                                                  QDir::Name);
    return found.isEmpty() ? QString() : found.first().filePath();
}

LogMidi::LogMidi(QString path)
    : file_(path)
{
}

LogMidi::~LogMidi()
{
    close();
}

bool LogMidi::open()
{
    if (file_.isOpen())
        return true;
    if (file_.fileName().isEmpty())
        return false;
    // Unbuffered: every line reaches the file in the one write that sends it.
    return file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

QByteArray LogMidi::formatLine(std::uint32_t shortMessage)
{
    static const char digits[] = "0123456789ABCDEF";
    QByteArray line(9, ' ');
    for (int i = 0; i < 3; ++i) {
        const unsigned byte = (shortMessage >> (8 * i)) & 0xFFu;
        line[3 * i] = digits[byte >> 4];
        line[3 * i + 1] = digits[byte & 0xFu];
    }
    line[8] = '\n';
    return line;
}

bool LogMidi::send(std::uint32_t shortMessage)
{
    if (!file_.isOpen())
        return false;
    const QByteArray line = formatLine(shortMessage);
    return file_.write(line) == line.size();
}

void LogMidi::close()
{
    if (file_.isOpen())
        file_.close();
}

bool RecordingMidi::open()
{
    ++openCount;
    isOpen = openResult;
    return isOpen;
}

bool RecordingMidi::send(std::uint32_t shortMessage)
{
    ++sendCount;
    if (!isOpen || (failAfter >= 0 && messages.size() >= std::size_t(failAfter)))
        return false;
    messages.push_back(shortMessage);
    return true;
}

void RecordingMidi::close()
{
    ++closeCount;
    isOpen = false;
}

} // namespace platform
