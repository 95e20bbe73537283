#include "platform/ScreenGrabber.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace platform {

namespace {

ScreenGrabber realGrabber;
ScreenGrabber* installedGrabber = nullptr;

QScreen* screenWithGeometry(const QRect& geometry)
{
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->geometry() == geometry)
            return screen;
    return QGuiApplication::primaryScreen();
}

} // namespace

QPoint ScreenGrabber::pointer() const { return QCursor::pos(); }

QRect ScreenGrabber::screenAt(QPoint point) const
{
    QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

QPixmap ScreenGrabber::copy(const QRect& screen, const QRect& area)
{
    QScreen* shown = screenWithGeometry(screen);
    if (!shown)
        return {};
    // Window 0 is the whole desktop as the screen shows it, every program's
    // windows included.
    return shown->grabWindow(0, area.x(), area.y(), area.width(), area.height());
}

ScreenGrabber& ScreenGrabber::instance() { return installedGrabber ? *installedGrabber : realGrabber; }

void ScreenGrabber::install(ScreenGrabber* grabber) { installedGrabber = grabber; }

QPixmap RecordingScreenGrabber::copy(const QRect&, const QRect& area)
{
    copied.append(area);
    return picture;
}

} // namespace platform
