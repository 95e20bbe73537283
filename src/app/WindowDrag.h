#pragma once
#include <QPoint>

class QMouseEvent;
class QWidget;

// Moves a borderless window by a press on its body: through the window
// manager's own move where the platform offers one, by hand otherwise.
class WindowDrag {
public:
    // Starts a move for a left-button press; false for other buttons.
    bool press(QWidget* window, QMouseEvent* event);
    // Follows the pointer during a hand-made move; false when not moving.
    bool move(QWidget* window, QMouseEvent* event);
    void release() { dragging_ = false; }

private:
    bool dragging_ = false;
    QPoint offset_;
};
