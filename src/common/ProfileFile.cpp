#include "common/ProfileFile.h"

#include "common/LegacyText.h"

#include <QFile>

namespace {

bool hasLineBreak(const QString& text)
{
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

bool validSectionName(const QString& name)
{
    return !hasLineBreak(name) && !name.contains(QLatin1Char(']')) && name == name.trimmed();
}

bool validKey(const QString& key)
{
    return !key.isEmpty() && key == key.trimmed() && !hasLineBreak(key) && !key.contains(QLatin1Char('='))
           && !key.startsWith(QLatin1Char(';')) && !key.startsWith(QLatin1Char('['));
}

} // namespace

ProfileFile ProfileFile::fromBytes(const QByteArray& bytes)
{
    ProfileFile profile;
    const QString text = legacytext::decode(bytes);
    Section* current = nullptr;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && text.at(end) != QLatin1Char('\r') && text.at(end) != QLatin1Char('\n'))
            ++end;
        const QString line = text.mid(start, end - start).trimmed();
        start = end + 1;
        if (line.startsWith(QLatin1Char('['))) {
            qsizetype close = line.indexOf(QLatin1Char(']'));
            if (close < 0)
                close = line.size();
            profile.sections_.append(Section{line.mid(1, close - 1).trimmed(), {}});
            current = &profile.sections_.last();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!current || equals <= 0 || line.startsWith(QLatin1Char(';')))
            continue;
        const QString key = line.left(equals).trimmed();
        if (!key.isEmpty())
            current->entries.append(Entry{key, line.mid(equals + 1).trimmed()});
    }
    return profile;
}

std::optional<ProfileFile> ProfileFile::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // size() is 0 for some special files; read no further than the limit.
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (bytes.size() > MaxFileSize || file.error() != QFile::NoError)
        return std::nullopt;
    return fromBytes(bytes);
}

QString ProfileFile::value(const QString& section, const QString& key, const QString& defaultValue) const
{
    for (const Section& s : sections_) {
        if (s.name.compare(section, Qt::CaseInsensitive) != 0)
            continue;
        for (const Entry& e : s.entries)
            if (e.key.compare(key, Qt::CaseInsensitive) == 0)
                return e.value;
    }
    return defaultValue;
}

bool ProfileFile::setValue(const QString& section, const QString& key, const QString& value)
{
    const QString name = section.trimmed();
    const QString k = key.trimmed();
    const QString v = value.trimmed();
    if (!validSectionName(name) || !validKey(k) || hasLineBreak(v))
        return false;
    Section* target = nullptr;
    for (Section& s : sections_) {
        if (s.name.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        for (Entry& e : s.entries) {
            if (e.key.compare(k, Qt::CaseInsensitive) == 0) {
                e.value = v;
                return true;
            }
        }
        if (!target)
            target = &s;
    }
    if (!target) {
        sections_.append(Section{name, {}});
        target = &sections_.last();
    }
    target->entries.append(Entry{k, v});
    return true;
}

QByteArray ProfileFile::toBytes() const
{
    QString text;
    for (const Section& s : sections_) {
        text += QLatin1Char('[') + s.name + QLatin1String("]\r\n");
        for (const Entry& e : s.entries)
            text += e.key + QLatin1Char('=') + e.value + QLatin1String("\r\n");
    }
    return legacytext::encode(text);
}
