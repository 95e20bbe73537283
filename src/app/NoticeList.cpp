#include "app/NoticeList.h"

#include "common/Palette.h"

#include <QFocusEvent>

namespace {
const QColor kPaleYellow(255, 255, 225);
}

NoticeList::NoticeList(const QStringList& lines, QWidget* focusSink, QWidget* parent)
    : QListWidget(parent), focusSink_(focusSink)
{
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::NoSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Some styles light the item under the pointer, which reads as a choice.
    viewport()->setAttribute(Qt::WA_Hover, false);
    setPaletteColour(this, QPalette::Base, kPaleYellow);
    setPaletteColour(this, QPalette::Text, Qt::black);
    addItems(lines);
}

QStringList NoticeList::lines() const
{
    QStringList result;
    for (int row = 0; row < count(); ++row)
        result.append(item(row)->text());
    return result;
}

QWidget* NoticeList::makeFocusSink(QWidget* parent)
{
    auto* sink = new QWidget(parent);
    sink->setObjectName(QStringLiteral("focusSink"));
    sink->setFocusPolicy(Qt::StrongFocus);
    sink->setGeometry(0, 0, 1, 1);
    sink->lower();
    return sink;
}

void NoticeList::focusInEvent(QFocusEvent* event)
{
    if (focusSink_) {
        event->accept();
        focusSink_->setFocus(Qt::OtherFocusReason);
        return;
    }
    QListWidget::focusInEvent(event);
}
