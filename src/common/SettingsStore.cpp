#include "common/SettingsStore.h"

#include "platform/Clock.h"
#include "platform/ConfigDir.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QSettings>
#include <QStringDecoder>
#include <QStringList>
#include <QTemporaryFile>
#include <QVariant>

namespace {

// A text file never holds these; QSettings itself writes control characters
// as escapes. Tab, line ends, vertical tab, form feed and the old DOS end-of-
// file mark (0x1A) are let through.
bool looksBinary(const QByteArray& bytes)
{
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= 0x08 || (u >= 0x0E && u <= 0x19) || (u >= 0x1B && u <= 0x1F))
            return true;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(bytes); // the decoder only runs when converted
    Q_UNUSED(decoded);
    return utf8.hasError();
}

bool cannotBeParsed(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false; // unreadable is not corrupt; QSettings then neither reads nor writes it
    // Far larger than anything the program writes: parsing it on every read
    // would freeze the windows. size() is 0 for some special files, so the
    // read itself stops past the limit too.
    if (file.size() > SettingsStore::MaxFileSize)
        return true;
    const QByteArray bytes = file.read(SettingsStore::MaxFileSize + 1);
    if (bytes.size() > SettingsStore::MaxFileSize || looksBinary(bytes))
        return true;
    const QSettings settings(path, QSettings::IniFormat);
    return settings.status() == QSettings::FormatError;
}

// Keeps the damaged file for the user to inspect; an older one moved aside
// in the same second is never overwritten.
bool moveAside(const QString& path)
{
    const QString stamp = platform::Clock::instance().now().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    const QString base = path + QStringLiteral(".corrupt-") + stamp;
    QString target = base;
    for (int n = 2; QFileInfo::exists(target); ++n) {
        if (n > 999)
            return false;
        target = base + QLatin1Char('-') + QString::number(n);
    }
    return QFile::rename(path, target);
}

// Checks each settings file once per process, before anything reads or
// writes it. False when the file is corrupt and could not be moved aside:
// then it must be neither trusted nor overwritten.
bool firstUseCheck(const QString& path)
{
    static QMutex mutex;
    static QHash<QString, bool> checked;
    const QMutexLocker lock(&mutex);
    const auto found = checked.constFind(path);
    if (found != checked.constEnd())
        return found.value();
    const bool usable = !QFileInfo::exists(path) || !cannotBeParsed(path) || moveAside(path);
    checked.insert(path, usable);
    return usable;
}

// QSettings keeps a change it failed to save in memory and shows it to every
// later reader in the process. Trying the folder first keeps reads giving
// what the file holds when the folder or the file is read-only.
bool canReplace(const QString& path)
{
    const QFileInfo file(path);
    if (file.exists() && !file.isWritable())
        return false;
    QTemporaryFile probe(file.absolutePath() + QStringLiteral("/.") + file.fileName()
                         + QStringLiteral(".XXXXXX"));
    return probe.open();
}

QString asGroupPath(QString registryPath)
{
    registryPath.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return registryPath;
}

} // namespace

SettingsStore::SettingsStore(QString moduleKey)
    : path_(filePath()), group_(asGroupPath(std::move(moduleKey)))
{
    usable_ = firstUseCheck(path_);
}

QString SettingsStore::filePath()
{
    return platform::configDir() + QStringLiteral("/HKEY_CURRENT_USER.ini");
}

QString SettingsStore::settingsKey(const QString& section, const QString& name) const
{
    QString key = group_;
    const QString sectionPath = asGroupPath(section);
    if (!sectionPath.isEmpty())
        key += QLatin1Char('/') + sectionPath;
    // A backslash in a value name stays literal: QSettings escapes it in the file.
    return key + QLatin1Char('/') + name;
}

QString SettingsStore::readString(const QString& section, const QString& name,
                                  const QString& defaultValue) const
{
    if (!usable_)
        return defaultValue;
    // A fresh QSettings per call re-reads the file when it changed, so every
    // store on the file sees the others' writes.
    const QSettings settings(path_, QSettings::IniFormat);
    const QVariant value = settings.value(settingsKey(section, name));
    if (!value.isValid())
        return defaultValue;
    // Only a hand-edited file has unquoted commas; QSettings splits those.
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void SettingsStore::writeString(const QString& section, const QString& name, const QString& value)
{
    if (!usable_)
        return;
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()) || !canReplace(path_))
        return;
    QSettings settings(path_, QSettings::IniFormat);
    // Atomic only: a failed save leaves the old file whole rather than
    // falling back to writing it in place.
    settings.setAtomicSyncRequired(true);
    settings.setValue(settingsKey(section, name), value);
    settings.sync();
}
