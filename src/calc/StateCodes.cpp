#include "calc/StateCodes.h"

#include "common/ProfileFile.h"
#include "platform/ConfigDir.h"

#include <QDir>
#include <QFileInfo>

namespace statecodes {

namespace {

struct Entry {
    const char* code;
    const char* name;
};

// Ordered by code, as the first list shows them.
constexpr Entry ByCode[EntryCount] = {
    {"AK", "Alaska"},         {"AL", "Alabama"},
    {"AR", "Arkansas"},       {"AS", "American Samoa"},
    {"AZ", "Arizona"},        {"CA", "California"},
    {"CO", "Colorado"},       {"CT", "Connecticut"},
    {"DC", "District of Columbia"}, {"DE", "Delaware"},
    {"FM", "Federated Micronesia"}, {"FL", "Florida"},
    {"GA", "Georgia"},        {"GU", "Guam"},
    {"HI", "Hawaii"},         {"IA", "Iowa"},
    {"ID", "Idaho"},          {"IL", "Illinois"},
    {"IN", "Indiana"},        {"KS", "Kansas"},
    {"KY", "Kentucky"},       {"LA", "Louisiana"},
    {"MA", "Massachusetts"},  {"MD", "Maryland"},
    {"ME", "Maine"},          {"MH", "Marshall Islands"},
    {"MI", "Michigan"},       {"MN", "Minnesota"},
    {"MO", "Missouri"},       {"MP", "Mariana Islands"},
    {"MS", "Mississippi"},    {"MT", "Montana"},
    {"NC", "North Carolina"}, {"ND", "North Dakota"},
    {"NE", "Nebraska"},       {"NH", "New Hampshire"},
    {"NJ", "New Jersey"},     {"NV", "Nevada"},
    {"OH", "Ohio"},           {"OK", "Oklahoma"},
    {"OR", "Oregon"},         {"PA", "Pennsylvania"},
    {"PR", "Puerto Rico"},    {"PW", "Palan Islands"},
    {"RI", "Rhode Island"},   {"SC", "South Carolina"},
    {"SD", "South Dakota"},   {"TN", "Tennessee"},
    {"TX", "Texas"},          {"UT", "Utah"},
    {"VA", "Virginia"},       {"VI", "Virgin Islands"},
    {"VT", "Vermont"},        {"WA", "Washington"},
    {"WI", "Wisconsin"},      {"WK", "Wake"},
    {"WV", "West Virginia"},  {"WY", "Wyoming"},
};

// The second list's order; each name takes its code from the first list.
constexpr const char* ByName[EntryCount] = {
    "Alaska", "Alabama", "American Samoa", "Arizona", "Arkansas", "California", "Colorado",
    "Connecticut", "Delaware", "District of Columbia", "Federated Micronesia", "Florida", "Georgia",
    "Guam", "Hawaii", "Idaho", "Illinois", "Indiana", "Iowa", "Kansas", "Kentucky", "Louisiana",
    "Maine", "Mariana Islands", "Maryland", "Marshall Islands", "Massachusetts", "Michigan",
    "Minnesota", "Mississippi", "Missouri", "Montana", "Nebraska", "Nevada", "North Carolina",
    "North Dakota", "New Hampshire", "New Jersey", "Ohio", "Oklahoma", "Oregon", "Palan Islands",
    "Pennsylvania", "Puerto Rico", "Rhode Island", "South Carolina", "South Dakota", "Tennessee",
    "Texas", "Utah", "Vermont", "Virgin Islands", "Virginia", "Wake", "Washington", "West Virginia",
    "Wisconsin", "Wyoming",
};

QString codeOf(const char* name)
{
    for (const Entry& entry : ByCode)
        if (qstrcmp(entry.name, name) == 0)
            return QString::fromLatin1(entry.code);
    return {};
}

} // namespace

QStringList byCodeItems()
{
    QStringList items;
    for (const Entry& entry : ByCode)
        items << QString::fromLatin1(entry.code) + QStringLiteral("    ") + QString::fromLatin1(entry.name);
    return items;
}

QStringList byStateItems()
{
    QStringList items;
    for (const char* name : ByName)
        items << QString::fromLatin1(name).leftJustified(24, QLatin1Char(' ')) + codeOf(name);
    return items;
}

bool maximisedInProfile(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    const auto profile = ProfileFile::read(path);
    return profile && profile->value(QStringLiteral("ScreenSize"), QStringLiteral("USStateCodes"), QStringLiteral("F"))
                          == QLatin1String("1");
}

QString profilePath()
{
    const QDir folder(platform::configDir());
    const QString exact = folder.filePath(QStringLiteral("Orvik.Ini"));
    if (QFileInfo(exact).isFile())
        return exact;
    for (const QString& name : folder.entryList(QDir::Files))
        if (name.compare(QLatin1String("Orvik.Ini"), Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
    return exact;
}

} // namespace statecodes
