#include "app/LazyPicture.h"

#include <QPainter>

LazyPicture::LazyPicture(std::function<QPixmap()> draw, QWidget* parent) : QWidget(parent), draw_(std::move(draw)) {}

const QPixmap& LazyPicture::picture()
{
    if (draw_) {
        picture_ = draw_();
        draw_ = nullptr;
    }
    return picture_;
}

void LazyPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture());
}
