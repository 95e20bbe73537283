#pragma once
#include <QTableView>

// The view of a conversion table: it only shows its model. The model's
// column headings are the heading row 0; model rows are grid rows 1...
// A cell can be selected only where the model makes it selectable, there is
// no scroll bar of its own, and the first row shown below the heading (the
// top row) is set by the window's own scroll bar.
class ConversionGrid : public QTableView {
    Q_OBJECT
public:
    ConversionGrid(QAbstractItemModel* model, QWidget* parent);

    // Grid rows, the heading row counted.
    int gridRowCount() const;
    QString cellText(int row, int column) const;

    // The selected cell, in grid rows; -1 when there is none.
    int selectedRow() const;
    int selectedColumn() const;
    // Selects the cell if the model allows it; false when refused.
    bool selectCell(int row, int column);

    int topRow() const { return topRow_; }
    void setTopRow(int row);

signals:
    void gridClicked();
    void gridDoubleClicked();
    void topRowChanged();
    // A turn of the wheel over the grid: +1 down, -1 up.
    void wheelTurned(int step);
    // The selected cell moved to another grid row.
    void selectedRowChanged(int row);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    bool selectable(const QModelIndex& index) const;
    int modelRows() const;

    int topRow_ = 1;
    bool pressed_ = false;
};
