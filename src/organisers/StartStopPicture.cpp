#include "organisers/StartStopPicture.h"

#include <QKeyEvent>
#include <QMouseEvent>

StartStopPicture::StartStopPicture(QWidget* parent) : QLabel(parent) { setFocusPolicy(Qt::TabFocus); }

void StartStopPicture::mousePressEvent(QMouseEvent* event)
{
    // Accepted whatever the button: a press here must not drag the window.
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit pressed();
}

void StartStopPicture::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit released();
}

void StartStopPicture::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Space || event->key() == Qt::Key_Return) && !event->isAutoRepeat()) {
        emit pressed();
        emit released();
        return;
    }
    QLabel::keyPressEvent(event);
}
