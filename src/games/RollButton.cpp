#include "games/RollButton.h"

#include <QMouseEvent>

RollButton::RollButton(QWidget* parent) : QLabel(parent) {}

void RollButton::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit pressedAt(event->position().toPoint());
}

void RollButton::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit movedTo(event->position().toPoint());
}

void RollButton::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    emit releasedAt(event->position().toPoint());
}
