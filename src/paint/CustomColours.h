#pragma once
#include <QColor>
#include <QStringList>
#include <array>

namespace paint::settings {

// The custom-colour list of the colour dialog: entry lines "ColorA=FFFFFF"
// (letter A..P, six hexadecimal digits of the colour value).
class CustomColours {
public:
    // Clears the list, then appends "Color0".."Color15" in order; a missing
    // value reads as its letter and white ("ColorA=FFFFFF").
    void read();
    // Entry i goes to "Color" + i; nothing is written for an empty list.
    void write() const;

    const QStringList& entries() const { return entries_; }
    // The colours of the sixteen entries (white for an entry that does not
    // read as a colour), and back.
    std::array<QColor, 16> colours() const;
    void setColours(const std::array<QColor, 16>& colours);

private:
    QStringList entries_;
};

} // namespace paint::settings
