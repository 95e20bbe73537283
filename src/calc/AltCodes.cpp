#include "calc/AltCodes.h"

#include <array>

namespace altcodes {

namespace {

// Code page 1252 from 128 to 159, where it differs from Latin-1; a zero is
// a code the code page leaves unassigned.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 128..135
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,      // 136..143
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 144..151
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178, // 152..159
};

} // namespace

QChar character(int code)
{
    if (code >= 128 && code <= 159 && Windows1252High[std::size_t(code - 128)] != 0)
        return QChar(Windows1252High[std::size_t(code - 128)]);
    return QChar(char16_t(code & 0xFF));
}

bool onKeyboard(int code) { return code >= 33 && code <= 126; }

QString typedCode(int code) { return QStringLiteral("0%1").arg(code, 3, 10, QLatin1Char('0')); }

QString keystrokes(int code)
{
    QString text = QStringLiteral("Alt + ") + typedCode(code);
    if (onKeyboard(code))
        text += QStringLiteral(" : ") + character(code);
    return text;
}

QString cellLabel(int code)
{
    QString label = typedCode(code);
    if (onKeyboard(code))
        label += QStringLiteral(" : ") + character(code);
    return label;
}

int columnCount(int listWidth, int widthOfM)
{
    if (widthOfM <= 0)
        return 1;
    return qMax(1, listWidth / (3 * widthOfM));
}

QString spokenCharacter(int code)
{
    if (code == 32)
        return QStringLiteral("space");
    const QChar c = character(code);
    // Controls, the no-break space and the soft hyphen show nothing.
    if (!c.isPrint() || c.isSpace())
        return QStringLiteral("code %1").arg(code);
    return QString(c);
}

} // namespace altcodes
