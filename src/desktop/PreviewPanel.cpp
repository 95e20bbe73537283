#include "desktop/PreviewPanel.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace desktop {

PreviewPanel::PreviewPanel(int position, const QString& file, const QImage& picture, QWidget* parent)
    : Panel(parent), position_(position), file_(file)
{
    setObjectName(QStringLiteral("preview%1").arg(position));
    setGeometry(0, position * Side, Side, Side);
    setBevel(Bevel::Raised, BevelWidth);
    // Only readable pictures get a panel, so the picture always covers its inside.
    setColour(QColor(192, 192, 192));
    setToolTip(file);
    setAccessibleName(QFileInfo(file).fileName());
    setAccessibleDescription(file);
    setFocusPolicy(Qt::TabFocus);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("previewPicture%1").arg(position));
    picture_->setGeometry(BevelWidth, BevelWidth, PictureSide, PictureSide);
    picture_->setScaledContents(true);
    picture_->setPixmap(QPixmap::fromImage(picture));
}

void PreviewPanel::paintEvent(QPaintEvent* event)
{
    Panel::paintEvent(event);
    if (!hasFocus())
        return;
    // The picture covers the inside, so the focus shows on the bevel.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), BevelWidth, Qt::SolidLine, Qt::SquareCap,
                        Qt::MiterJoin));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void PreviewPanel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        return;
    default:
        Panel::keyPressEvent(event);
    }
}

void PreviewPanel::focusInEvent(QFocusEvent* event)
{
    Panel::focusInEvent(event);
    update();
    emit focused();
}

void PreviewPanel::focusOutEvent(QFocusEvent* event)
{
    Panel::focusOutEvent(event);
    update();
}

} // namespace desktop
