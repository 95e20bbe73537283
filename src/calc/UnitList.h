#pragma once
#include <QListWidget>

// A unit list: one item is selected at a time and a click never leaves it
// with none (Ctrl+click and clicks below the last item change nothing).
class UnitList : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

    // The selected item, -1 for none.
    int selectedRow() const;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
};
