#pragma once
#include <QList>
#include <QString>

class QMimeData;

// The characters the user has gathered for the clipboard, each with the font
// family it was chosen in, in the order gathered. On the clipboard they are
// rich text (HTML, each character in its own font) and plain text, so a
// word processor keeps the fonts and a plain editor still gets the text.
class GatheredCharacters {
public:
    struct Character {
        QChar character;
        QString family;
        friend bool operator==(const Character&, const Character&) = default;
    };

    void add(QChar character, const QString& family);
    void clear() { characters_.clear(); }
    bool isEmpty() const { return characters_.isEmpty(); }
    const QList<Character>& characters() const { return characters_; }

    QString plainText() const;
    // An HTML fragment: one span per run of characters in the same font.
    QString html() const;
    // Both, ready for the clipboard (the caller owns it).
    QMimeData* mimeData() const;

private:
    QList<Character> characters_;
};
