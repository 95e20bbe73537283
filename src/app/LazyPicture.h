#pragma once
#include <QPixmap>
#include <QWidget>

#include <functional>

// A picture drawn when it is first painted rather than when it is made: the
// splash's logo takes longer to draw (its fonts above all) than the rest of
// the program takes to reach the screen, so the window goes up first and the
// logo is drawn on its first exposure.
class LazyPicture : public QWidget {
    Q_OBJECT
public:
    explicit LazyPicture(std::function<QPixmap()> draw, QWidget* parent = nullptr);

    // The picture, drawn now if it has not been yet.
    const QPixmap& picture();
    bool drawn() const { return !draw_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<QPixmap()> draw_;
    QPixmap picture_;
};
