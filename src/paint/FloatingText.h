#pragma once
#include <QImage>
#include <QWidget>

namespace paint {

// The text being placed: laid over the whole picture, it shows the
// composed text with its top-left corner at the pointer, see-through where
// the text is transparent, and leaves the mouse to the picture below it.
// The picture itself is not touched until the text is dropped.
class FloatingText : public QWidget {
    Q_OBJECT
public:
    explicit FloatingText(QWidget* picture);

    // Shows the floating copy over the picture; nothing drawn until the
    // pointer moves.
    void start(const QImage& floating);
    void moveTextTo(QPoint at);
    void stop();
    bool placing() const { return !isHidden(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage floating_;
    QPoint position_;
    bool shown_ = false;
};

} // namespace paint
