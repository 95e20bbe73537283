#pragma once
#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

// The shared pictures that the games, the stopwatch and the menu copy by
// name: display digits, ball digits, the big Start and Stop faces, the red
// lamp strips and the tray icon. Everything is drawn once, on the first
// question (not before the splash is up), so later copies cost nothing.
class PictureStore {
public:
    // BackLight receives RedGradient when the display has 16 bits per pixel
    // or more, else RedSolid; either is stretched to 105 x 105.
    explicit PictureStore(int colourDepth);

    // A null pixmap for a name the store does not hold.
    QPixmap picture(const QString& name) const;
    // Every name, in a fixed order.
    QStringList names() const;
    // TrayIcon1 with extra renderings for 16, 22, 24, 48 and 64 px trays.
    QIcon trayIcon() const;
    // Whether anything has been asked of the store yet.
    bool drawn() const { return drawn_; }

private:
    void draw() const;
    void drawAll(int colourDepth);
    void add(const QString& name, const QPixmap& pixmap);

    QHash<QString, QPixmap> pictures_;
    QStringList names_;
    QIcon trayIcon_;
    int colourDepth_;
    mutable bool drawn_ = false;
};
