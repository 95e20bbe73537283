#pragma once
#include <QImage>
#include <QWidget>

// A gradient strip stretched over the whole widget without smoothing, so
// every colour step stays a sharp band, as the saved pictures show it. It
// takes no mouse presses of its own: they go to whatever lies below.
class GradientStripView : public QWidget {
    Q_OBJECT
public:
    explicit GradientStripView(QWidget* parent = nullptr);

    void setStrip(const QImage& strip);
    const QImage& strip() const { return strip_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage strip_;
};
