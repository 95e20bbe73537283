#pragma once
#include <QStyledItemDelegate>

// The editor of a planner entry: it hands its text to the table on every
// keystroke instead of only when the edit ends, and lets keyWatcher see the
// keys typed into it.
class LiveEntryDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    LiveEntryDelegate(QObject* keyWatcher, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

private:
    QObject* keyWatcher_;
};
