#include "common/RecentFiles.h"

#include <algorithm>
#include <utility>

#include "common/SettingsStore.h"

namespace {
const QString section = QStringLiteral("Files");

QString valueName(int number) { return QStringLiteral("File%1").arg(number); }
} // namespace

RecentFiles::RecentFiles(QString moduleKey) : moduleKey_(std::move(moduleKey)) {}

void RecentFiles::read()
{
    SettingsStore store(moduleKey_);
    for (int number = 1; number <= SlotCount; ++number) {
        const QString stored = store.readString(section, valueName(number), QStringLiteral("none"));
        slots_[number - 1] = stored == QLatin1String("none") ? QString() : stored;
    }
}

bool RecentFiles::add(const QString& fileName)
{
    // Only a saved or opened file is ever added; an empty name would match
    // an empty slot and shuffle the list.
    if (fileName.isEmpty() || fileName == slots_[0])
        return false;

    const auto found = std::find(slots_.begin() + 1, slots_.end(), fileName);
    const auto empty = std::find(slots_.begin(), slots_.end(), QString());
    if (found != slots_.end()) {
        std::swap(*found, slots_[0]);
    } else if (empty != slots_.end()) {
        *empty = fileName;
    } else {
        std::shift_left(slots_.begin(), slots_.end(), 1);
        slots_.back() = fileName;
    }

    SettingsStore store(moduleKey_);
    for (int number = 1; number <= SlotCount; ++number)
        store.writeString(section, valueName(number), slots_[number - 1]);
    return true;
}

QString RecentFiles::caption(int number) const
{
    return QStringLiteral("%1. ").arg(number) + slot(number);
}
