#include "paint/SizeUnits.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace paint::sizeunits {

namespace {

const QChar FullStop = QLatin1Char('.');

bool isKept(QChar c) { return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == FullStop; }

// The number a box text holds: digits with at most one full stop, at least
// one digit. Anything else (a sign, an exponent, a second stop, stray
// letters) is unreadable.
std::optional<double> readNumber(const QString& text)
{
    int digits = 0;
    int stops = 0;
    for (QChar c : text) {
        if (c == FullStop)
            ++stops;
        else if (c.isDigit() && c.unicode() < 128)
            ++digits;
        else
            return std::nullopt;
    }
    if (digits == 0 || stops > 1)
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

QString formatted(double value, Unit unit)
{
    if (unit == Unit::Pixels)
        return QString::number(std::nearbyint(value), 'f', 0);
    return QString::number(value, 'f', 2);
}

} // namespace

int factor(Unit unit)
{
    switch (unit) {
    case Unit::Pixels: return 1;
    case Unit::Cm: return 37;
    case Unit::Inches: return 96;
    }
    return 1;
}

QString display(int pixels, Unit unit)
{
    if (unit == Unit::Pixels)
        return QString::number(pixels);
    return formatted(double(pixels) / factor(unit), unit);
}

bool acceptsKey(QChar typed, const QString& text, Unit unit)
{
    if (typed != FullStop)
        return true;
    return unit != Unit::Pixels && !text.contains(FullStop);
}

QString cleaned(const QString& text, Unit unit)
{
    // Every rewrite leaves only digits and a full stop, so once a character
    // has been removed the rest of the scan finds nothing more; what remains
    // around a stray character earlier in the text is read as a whole and,
    // being unreadable, becomes 0 ("12a.5b" in cm gives "0.00").
    QString result = text;
    for (qsizetype i = result.size() - 1; i >= 0; --i) {
        if (isKept(result[i]))
            continue;
        result.remove(i, 1);
        result = formatted(readNumber(result).value_or(0.0), unit);
        i = std::min(i, result.size());
    }
    return result;
}

int pixelsFrom(const QString& text, Unit unit)
{
    const auto value = readNumber(text);
    if (!value)
        return 0;
    // Rounded in the default mode, halves to even. A box holds six
    // characters, but nothing here relies on that.
    const double pixels = std::nearbyint(*value * factor(unit));
    if (!(pixels < double(INT_MAX)))
        return INT_MAX;
    return int(pixels);
}

} // namespace paint::sizeunits
