#include "calc/FontCharacterModel.h"

#include "calc/AltCodes.h"

FontCharacterModel::FontCharacterModel(QObject* parent) : QAbstractListModel(parent)
{
    font_.setPointSize(PointSize);
}

void FontCharacterModel::setFamily(const QString& family)
{
    QFont font(family, PointSize);
    // Every character in this one face: no borrowing of glyphs from others,
    // so a symbol font shows its own symbols (or gaps where it has none).
    font.setStyleStrategy(QFont::NoFontMerging);
    font_ = font;
    emit dataChanged(index(0), index(altcodes::CharacterCount - 1), {Qt::FontRole});
    emit fontChanged(font_);
}

QModelIndex FontCharacterModel::indexOf(int code) const
{
    if (code < altcodes::FirstCode || code > altcodes::LastCode)
        return {};
    return index(code - altcodes::FirstCode);
}

int FontCharacterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : altcodes::CharacterCount;
}

QVariant FontCharacterModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int code = codeAt(index);
    switch (role) {
    case Qt::DisplayRole:
        return QString(altcodes::character(code));
    case Qt::FontRole:
        return font_;
    case Qt::AccessibleTextRole:
        return altcodes::spokenCharacter(code);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case CodeRole:
        return code;
    default:
        return {};
    }
}
