#include "app/WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

bool WindowDrag::press(QWidget* window, QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    event->accept();
    if (window->windowHandle() && window->windowHandle()->startSystemMove())
        return true;
    dragging_ = true;
    offset_ = event->globalPosition().toPoint() - window->frameGeometry().topLeft();
    return true;
}

bool WindowDrag::move(QWidget* window, QMouseEvent* event)
{
    if (!dragging_ || !(event->buttons() & Qt::LeftButton))
        return false;
    window->move(event->globalPosition().toPoint() - offset_);
    event->accept();
    return true;
}
