#pragma once
#include <QString>

// The program's stand-in for the current user's registry: string values
// addressed by a module key ("Orvik 2000\\Stopwatch", "Control Panel\\Desktop"),
// a section (a subkey of the module key) and a value name. Kept in
// HKEY_CURRENT_USER.ini in the config folder, one nested group per subkey.
//
// Backslashes in the module key and the section separate subkeys, as in the
// registry; in a value name a backslash is an ordinary character.
//
// The store never stops the program: a settings file that cannot be parsed,
// or is larger than MaxFileSize, is moved aside on first use and the program
// starts on defaults; where the folder cannot be written, writes are dropped
// silently.
class SettingsStore {
public:
    explicit SettingsStore(QString moduleKey);

    // The stored string, or defaultValue when the value is missing.
    QString readString(const QString& section, const QString& name,
                       const QString& defaultValue) const;
    // An empty section puts the value directly under the module key.
    // Each write reaches the disk before returning, replacing the file whole.
    void writeString(const QString& section, const QString& name, const QString& value);

    // A settings file larger than this is taken for damaged.
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    // platform::configDir() + "/HKEY_CURRENT_USER.ini"
    static QString filePath();

private:
    QString settingsKey(const QString& section, const QString& name) const;

    QString path_;
    QString group_;
    bool usable_ = true;
};
