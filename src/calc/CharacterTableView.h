#pragma once
#include <QListView>

class FontCharacterModel;

// Shows a font's characters as a list in columns: down the first column,
// then the next, scrolling sideways, each column a set share of the width.
// It only shows the model; which character is highlighted is its one state.
class CharacterTableView : public QListView {
    Q_OBJECT
public:
    explicit CharacterTableView(FontCharacterModel* model, QWidget* parent = nullptr);

    // Columns across the visible width.
    void setColumnCount(int columns);
    int columnCount() const { return columns_; }

    // The highlighted character's code, or 0 when none is.
    int currentCode() const;
    void setCurrentCode(int code);
    // The rectangle of a code's item in viewport coordinates.
    QRect itemRect(int code) const;

signals:
    // The user picked a character by mouse or keyboard.
    void characterPicked(int code);
    // A character was double-clicked.
    void characterDoubleClicked(int code);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateGrid();

    FontCharacterModel* model_;
    int columns_ = 5;
};
