#pragma once
#include <QHash>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <vector>

class QLabel;

// A row of digit positions, each an image showing the glyph of its
// character. Only the positions whose character changes are redrawn, so a
// clock display ticking every millisecond costs next to nothing.
class DigitDisplay : public QWidget {
    Q_OBJECT
public:
    // positions glyphs side by side, each glyphSize, with spacing pixels between.
    DigitDisplay(int positions, QSize glyphSize, QWidget* parent = nullptr, int spacing = 0);

    // The picture shown for a character; characters without a glyph show
    // the blank glyph (the one set for ' '), or nothing.
    void setGlyph(QChar character, const QPixmap& picture);

    // Shows text, one character per position from the left (missing
    // positions are blank). Returns the number of positions redrawn. A
    // screen reader reads the display as its label and the text shown.
    int display(const QString& text);
    QString text() const { return shown_; }

    // What the digits are ("Elapsed time"), read before them.
    void setAccessibleLabel(const QString& label);

    QLabel* position(int index) const { return positions_.at(index); }
    int positionCount() const { return int(positions_.size()); }

private:
    QPixmap glyphFor(QChar character) const;
    void describe();

    std::vector<QLabel*> positions_;
    QHash<QChar, QPixmap> glyphs_;
    QString shown_;
    QString accessibleLabel_;
};
