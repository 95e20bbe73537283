#pragma once
#include <QPixmap>
#include <QWidget>

namespace desktop {

// The magnifier's picture: the last copy of the screen stretched over the
// whole view, each axis by its own factor, pixels repeated rather than
// blended. Black until the first copy.
class MagnifierView : public QWidget {
    Q_OBJECT
public:
    explicit MagnifierView(QWidget* parent = nullptr);

    void showCopy(const QPixmap& copy);
    const QPixmap& lastCopy() const { return copy_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap copy_;
};

} // namespace desktop
