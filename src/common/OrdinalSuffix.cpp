#include "common/OrdinalSuffix.h"

QString ordinalSuffix(int day)
{
    if (day < 1 || day > 31)
        return {};
    switch (day) {
    case 1: case 21: case 31: return QStringLiteral("st");
    case 2: case 22: return QStringLiteral("nd");
    case 3: case 23: return QStringLiteral("rd");
    default: return QStringLiteral("th");
    }
}
