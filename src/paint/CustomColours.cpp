#include "paint/CustomColours.h"

#include "paint/PaintSettings.h"
#include "common/Colours.h"
#include "common/SettingsStore.h"

namespace paint::settings {

namespace {

const QString ColorsSection = QStringLiteral("Colors");

QChar entryLetter(int index) { return QChar(u'A' + index); }

} // namespace

void CustomColours::read()
{
    SettingsStore store(ModuleKey);
    entries_.clear();
    for (int i = 0; i < 16; ++i)
        entries_.append(store.readString(ColorsSection, QStringLiteral("Color%1").arg(i),
                                         QStringLiteral("Color%1=FFFFFF").arg(entryLetter(i))));
}

void CustomColours::write() const
{
    if (entries_.isEmpty())
        return;
    SettingsStore store(ModuleKey);
    for (int i = 0; i < entries_.size(); ++i)
        store.writeString(ColorsSection, QStringLiteral("Color%1").arg(i), entries_.at(i));
}

std::array<QColor, 16> CustomColours::colours() const
{
    std::array<QColor, 16> result;
    result.fill(Qt::white);
    for (int i = 0; i < 16 && i < entries_.size(); ++i) {
        const QString& entry = entries_.at(i);
        const int equals = entry.indexOf(u'=');
        bool ok = false;
        const uint value = equals < 0 ? 0 : entry.mid(equals + 1).toUInt(&ok, 16);
        if (ok && value <= 0xFFFFFF)
            result[size_t(i)] = colours::fromColourValue(value);
    }
    return result;
}

void CustomColours::setColours(const std::array<QColor, 16>& colours)
{
    entries_.clear();
    for (int i = 0; i < 16; ++i) {
        const QColor& c = colours[size_t(i)];
        const uint value = colours::colourValue(c.red(), c.green(), c.blue());
        entries_.append(QStringLiteral("Color%1=%2")
                            .arg(entryLetter(i))
                            .arg(QStringLiteral("%1").arg(value, 6, 16, QChar(u'0')).toUpper()));
    }
}

} // namespace paint::settings
