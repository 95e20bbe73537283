#include "common/DigitDisplay.h"

#include "common/AccessibleValue.h"

#include <QLabel>

DigitDisplay::DigitDisplay(int positions, QSize glyphSize, QWidget* parent, int spacing)
    : QWidget(parent)
{
    const int count = qMax(positions, 0);
    setFixedSize(count * glyphSize.width() + qMax(count - 1, 0) * spacing, glyphSize.height());
    for (int i = 0; i < count; ++i) {
        auto* label = new QLabel(this);
        label->setGeometry(i * (glyphSize.width() + spacing), 0, glyphSize.width(), glyphSize.height());
        // The display as a whole says its value; the positions stay quiet.
        accessible::markDecoration(label);
        positions_.push_back(label);
    }
    // Nothing shown yet: the first display() draws every position.
    shown_ = QString(count, QChar(0));
}

void DigitDisplay::setGlyph(QChar character, const QPixmap& picture)
{
    glyphs_.insert(character, picture);
    // Positions showing this character pick up the new picture.
    for (int i = 0; i < positionCount(); ++i)
        if (shown_.at(i) == character)
            positions_[i]->setPixmap(picture);
}

void DigitDisplay::setAccessibleLabel(const QString& label)
{
    accessibleLabel_ = label;
    describe();
}

void DigitDisplay::describe()
{
    // Positions not drawn yet hold no character and say nothing.
    QString shown = shown_;
    shown.remove(QChar(0));
    accessible::showValue(this, accessibleLabel_, shown.trimmed());
}

QPixmap DigitDisplay::glyphFor(QChar character) const
{
    if (auto it = glyphs_.constFind(character); it != glyphs_.constEnd())
        return *it;
    return glyphs_.value(QLatin1Char(' '));
}

int DigitDisplay::display(const QString& text)
{
    int redrawn = 0;
    for (int i = 0; i < positionCount(); ++i) {
        const QChar wanted = i < text.size() ? text.at(i) : QLatin1Char(' ');
        if (shown_.at(i) == wanted)
            continue;
        shown_[i] = wanted;
        positions_[i]->setPixmap(glyphFor(wanted));
        ++redrawn;
    }
    if (redrawn > 0)
        describe();
    return redrawn;
}
