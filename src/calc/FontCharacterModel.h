#pragma once
#include <QAbstractListModel>
#include <QFont>

// The characters 32 to 255 of one font, one row each in code order (row =
// code - 32), as the character list shows them: the character, in the font
// at 24 points. Views only show it; which font it is, is decided here.
class FontCharacterModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int PointSize = 24;
    // The code of a row's character, an int.
    static constexpr int CodeRole = Qt::UserRole;

    explicit FontCharacterModel(QObject* parent = nullptr);

    // The font the characters are shown in: the family at 24 points.
    void setFamily(const QString& family);
    QString family() const { return font_.family(); }
    const QFont& font() const { return font_; }

    static int codeAt(const QModelIndex& index) { return index.row() + 32; }
    QModelIndex indexOf(int code) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

signals:
    void fontChanged(const QFont& font);

private:
    QFont font_;
};
