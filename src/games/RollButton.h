#pragma once
#include <QLabel>

// The "Roll Dice" button is a picture, yet it needs its own presses, moves
// and releases, in its own coordinates, to tell a hold from a drag off it.
// It takes every one of them (none reaches the window to drag it) and
// reports them; the window decides what they do.
class RollButton : public QLabel {
    Q_OBJECT
public:
    explicit RollButton(QWidget* parent = nullptr);

signals:
    void pressedAt(QPoint at);
    void movedTo(QPoint at);
    void releasedAt(QPoint at);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
