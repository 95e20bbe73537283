#include "organisers/LiveEntryDelegate.h"

#include <QLineEdit>

LiveEntryDelegate::LiveEntryDelegate(QObject* keyWatcher, QObject* parent)
    : QStyledItemDelegate(parent), keyWatcher_(keyWatcher)
{
}

QWidget* LiveEntryDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        auto* self = const_cast<LiveEntryDelegate*>(this);
        connect(line, &QLineEdit::textEdited, self, [self, line] { emit self->commitData(line); });
        line->installEventFilter(keyWatcher_);
    }
    return editor;
}
