#pragma once
#include <QLabel>

// The Stopwatch's big start/stop picture. It says when the left button goes
// down and up on it; a Space or Return key works as a whole click, for those
// who do not use a mouse.
class StartStopPicture : public QLabel {
    Q_OBJECT
public:
    explicit StartStopPicture(QWidget* parent = nullptr);

signals:
    void pressed();
    void released();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
