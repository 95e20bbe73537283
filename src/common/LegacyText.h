#pragma once
#include <QByteArray>
#include <QString>

// Text files that the Windows program wrote (timing lists, planners, the
// profile file) are in the Windows-1252 code page; files written here since
// may be UTF-8. One rule for all of them:
//  - reading: UTF-8 when the bytes are valid UTF-8 (a leading byte-order mark
//    is dropped), otherwise Windows-1252, which every byte sequence is;
//  - writing: Windows-1252 when every character has a byte there, so the
//    file still opens on Windows, UTF-8 otherwise.
// A Windows-1252 text whose bytes happen to form valid UTF-8 ("Ã©" is the
// UTF-8 of "é") would come back as other characters, so such a text is
// written as UTF-8 too: whatever is written reads back as it was.
namespace legacytext {

QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);

bool isValidUtf8(const QByteArray& bytes);

// Windows-1252 one way and the other. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters
// of the same number, as Windows reads them. fromWindows1252 never fails;
// toWindows1252 is false when a character has no byte.
QString fromWindows1252(const QByteArray& bytes);
bool toWindows1252(const QString& text, QByteArray& bytes);

} // namespace legacytext
