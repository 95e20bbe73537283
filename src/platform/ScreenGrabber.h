#pragma once
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QRect>

namespace platform {

// What the magnifier needs of the display: where the pointer is, the screen
// it is on, and a copy of part of that screen as it shows now (the whole
// desktop, other programs' windows included). Tests install a recording
// double, so no test depends on a real display.
class ScreenGrabber {
public:
    virtual ~ScreenGrabber() = default;

    // The pointer in desktop coordinates.
    virtual QPoint pointer() const;
    // The geometry, in desktop coordinates, of the screen showing point
    // (the primary screen when no screen does); empty without a screen.
    virtual QRect screenAt(QPoint point) const;
    // What the screen with that geometry shows in area, given in the
    // screen's own coordinates; a null pixmap when it cannot be copied.
    virtual QPixmap copy(const QRect& screen, const QRect& area);

    static ScreenGrabber& instance();
    // Installs a replacement (not owned); nullptr restores the real one.
    static void install(ScreenGrabber* grabber);
};

// Test double: a pointer and screen set by the test, and every copy asked
// for recorded and answered with picture.
class RecordingScreenGrabber : public ScreenGrabber {
public:
    QPoint pointer() const override { return pointerAt; }
    QRect screenAt(QPoint) const override { return screen; }
    QPixmap copy(const QRect& screen, const QRect& area) override;

    QPoint pointerAt;
    QRect screen{0, 0, 1280, 1024};
    QPixmap picture;
    QList<QRect> copied;
};

} // namespace platform
