#include "games/KeyRepeatFilter.h"

#include <QKeyEvent>
#include <QTimer>

KeyRepeatFilter::KeyRepeatFilter(QObject* parent) : QObject(parent), grace_(new QTimer(this))
{
    grace_->setSingleShot(true);
    grace_->setInterval(GraceMs);
    connect(grace_, &QTimer::timeout, this, &KeyRepeatFilter::released);
}

bool KeyRepeatFilter::take(QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyRelease) {
        if (key->isAutoRepeat())
            return true;
        releasedKey_ = key->key();
        releasedAt_ = key->timestamp();
        grace_->start();
        return true;
    }
    if (grace_->isActive()) {
        grace_->stop();
        if (key->key() == releasedKey_ && key->timestamp() == releasedAt_) {
            emit pressed(true);
            return true;
        }
        // The key did go up; this is a new press after it.
        emit released();
    }
    emit pressed(key->isAutoRepeat());
    return true;
}

void KeyRepeatFilter::settle()
{
    if (!grace_->isActive())
        return;
    grace_->stop();
    emit released();
}
