#include "common/LegacyText.h"

#include <QStringDecoder>
#include <array>

namespace legacytext {

namespace {

// Characters of the bytes 0x80 to 0x9F; the rest of the code page is the
// first 256 Unicode characters.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char16_t ByteOrderMark = 0xFEFF;

// The byte of a character, or -1.
int windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] == c)
            return int(0x80 + i);
    return -1;
}

// UTF-8 of the text; a text that starts with a byte-order mark keeps it,
// as the reader drops one.
QByteArray utf8(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    if (text.startsWith(QChar(ByteOrderMark)))
        bytes.prepend("\xEF\xBB\xBF");
    return bytes;
}

} // namespace

bool isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = decoder.decode(bytes); // the decoder only runs when converted
    Q_UNUSED(text);
    return !decoder.hasError();
}

QString fromWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = QChar(u >= 0x80 && u < 0xA0 ? HighControls[u - 0x80] : char16_t(u));
    }
    return text;
}

bool toWindows1252(const QString& text, QByteArray& bytes)
{
    bytes.resize(text.size());
    char* out = bytes.data();
    for (const QChar c : text) {
        const int b = windows1252Byte(c.unicode());
        if (b < 0)
            return false;
        *out++ = char(b);
    }
    return true;
}

QString decode(const QByteArray& bytes)
{
    if (!isValidUtf8(bytes))
        return fromWindows1252(bytes);
    // Only the first mark goes; a second one is text.
    const qsizetype skip = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(bytes).sliced(skip));
}

QByteArray encode(const QString& text)
{
    QByteArray bytes;
    if (toWindows1252(text, bytes)) {
        // Plain ASCII is the same either way; other bytes must not read as UTF-8.
        bool ascii = true;
        for (const char b : bytes)
            ascii = ascii && static_cast<unsigned char>(b) < 0x80;
        if (ascii || !isValidUtf8(bytes))
            return bytes;
    }
    return utf8(text);
}

} // namespace legacytext
