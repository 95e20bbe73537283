#include "app/TrayIcon.h"

TrayIcon::TrayIcon(std::function<QIcon()> icon, QObject* parent) : QObject(parent), icon_(std::move(icon)) {}

bool TrayIcon::available() const
{
    return forcedAvailable_.value_or(QSystemTrayIcon::isSystemTrayAvailable());
}

void TrayIcon::show()
{
    if (!tray_) {
        tray_ = new QSystemTrayIcon(icon_(), this);
        tray_->setToolTip(Tip);
        // Queued: the right click removes the icon, and the icon's own widget
        // must have finished with the click before it goes.
        connect(tray_, &QSystemTrayIcon::activated, this, &TrayIcon::handleActivation, Qt::QueuedConnection);
    }
    tray_->show();
}

void TrayIcon::hide()
{
    if (tray_)
        tray_->hide();
}

bool TrayIcon::isShown() const { return tray_ && tray_->isVisible(); }

QString TrayIcon::tip() const { return tray_ ? tray_->toolTip() : QString(); }

void TrayIcon::handleActivation(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger: emit menuRequested(); break;
    case QSystemTrayIcon::Context: emit endRequested(); break;
    default: break;   // a double click's second press, a middle click
    }
}
