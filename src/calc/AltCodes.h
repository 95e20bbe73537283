#pragma once
#include <QChar>
#include <QString>

// The characters 32 to 255 of a font and the keystrokes that type them. A
// code above 127 is a character of the Windows code page 1252, the one the
// Alt + 0nnn keystrokes type; it is shown as the Unicode character it stands
// for, so "0128" is the euro sign in every font.
namespace altcodes {

constexpr int FirstCode = 32;
constexpr int LastCode = 255;
constexpr int CharacterCount = LastCode - FirstCode + 1; // 224

// The Unicode character of a code 0 to 255 of code page 1252. The five codes
// the code page leaves unassigned (129, 141, 143, 144, 157) stand for the
// control characters of the same number, as Windows maps them.
QChar character(int code);

// Codes 33 to 126 are on the keyboard: a key types them.
bool onKeyboard(int code);

// The code as typed after Alt: "0" and three digits ("0065", "0200").
QString typedCode(int code);

// What the keystrokes panel says: "Alt + 0065 : A" for a code on the
// keyboard, "Alt + 0200" for any other.
QString keystrokes(int code);

// The label of a code's cell in the printed table: "0065 : A", "0128".
QString cellLabel(int code);

// How many columns the character list shows: its width divided by three
// widths of "M" in its font, whole columns, never fewer than one.
int columnCount(int listWidth, int widthOfM);

// What a screen reader says for a code's character: the character itself,
// or its name where it has no visible shape ("space", "code 127").
QString spokenCharacter(int code);

} // namespace altcodes
