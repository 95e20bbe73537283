#pragma once
#include <QTableWidget>

#include <functional>

// The conversion grid: row 0 is the heading row, shown as the grid's fixed
// heading; rows 1.. are the table rows. Only cells the window allows can be
// selected, there is no scroll bar of its own, and the first row shown below
// the heading (the top row) is set by the window's own scroll bar.
class ConversionGrid : public QTableWidget {
    Q_OBJECT
public:
    enum Column { UnitColumn, NumberColumn, AbbreviationColumn, ColumnCount };

    // rows counts the heading row too.
    ConversionGrid(int rows, QWidget* parent);

    int gridRowCount() const { return rowCount() + 1; }
    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);

    // The selected cell, in grid rows; -1 when there is none.
    int selectedRow() const;
    int selectedColumn() const;
    // Selects the cell if the window allows it; false when refused.
    bool selectCell(int row, int column);

    int topRow() const { return topRow_; }
    void setTopRow(int row);

    // Asked before any cell is selected, by mouse or keyboard.
    std::function<bool(int column, int row)> canSelect;

signals:
    void gridClicked();
    void gridDoubleClicked();
    void topRowChanged();
    // A turn of the wheel over the grid: +1 down, -1 up.
    void wheelTurned(int step);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    bool allowed(int row, int column) const;

    int topRow_ = 1;
    bool pressed_ = false;
};
