#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// A profile (.ini) file as Windows programs keep them, Orvik.Ini among them:
// "[Section]" lines, then "Key=Value" lines. Sections and keys are found
// without regard to case, the first of equal names wins, and the spaces
// around names and values do not count. Lines before the first section and
// lines starting with ';' are no entries. No escapes: a value is the text
// after the first '=' as it stands.
//
// The file is Windows-1252 or UTF-8 (see LegacyText.h).
class ProfileFile {
public:
    struct Entry {
        QString key;
        QString value;
        bool operator==(const Entry&) const = default;
    };
    struct Section {
        QString name;
        QList<Entry> entries;
        bool operator==(const Section&) const = default;
    };

    static ProfileFile fromBytes(const QByteArray& bytes);
    // nullopt when the file cannot be opened or is larger than any profile
    // file (MaxFileSize).
    static std::optional<ProfileFile> read(const QString& path);
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    // The value, or defaultValue when the section or the key is missing.
    QString value(const QString& section, const QString& key, const QString& defaultValue) const;

    // Replaces the first matching entry or adds one (and its section).
    // Names are trimmed; a key cannot hold '=' nor start with ';' or '[',
    // a section name cannot hold ']', and neither holds a line break, so
    // such names are refused (false).
    bool setValue(const QString& section, const QString& key, const QString& value);

    // The file as written, CR LF line ends; reads back as the same profile.
    QByteArray toBytes() const;

    const QList<Section>& sections() const { return sections_; }
    bool operator==(const ProfileFile&) const = default;

private:
    QList<Section> sections_;
};
