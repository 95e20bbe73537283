#pragma once
#include <QFrame>

class QLabel;

// A panel in the old sense: a control with a window of its own. It takes
// every mouse press that reaches it, so pressing on a panel (or on a label or
// picture inside it) never drags the tool window, and it reports clicks.
class Panel : public QFrame {
    Q_OBJECT
public:
    enum class Bevel { None, Raised, Lowered };

    explicit Panel(QWidget* parent = nullptr);

    // Flat colour fill and an optional bevelled edge of the given width.
    void setColour(const QColor& colour);
    QColor colour() const { return colour_; }
    void setBevel(Bevel bevel, int width = 1);
    // A single-line border around the bevel, as on the "?" and "X" panels.
    void setSingleBorder(bool on);
    // Text centred on the panel.
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }

signals:
    void pressed(Qt::MouseButton button);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor colour_;
    Bevel bevel_ = Bevel::None;
    int bevelWidth_ = 1;
    bool singleBorder_ = false;
    QString caption_;
    bool pressedInside_ = false;
};

// The frame's small corner panels, 19 x 20 at the given point: the yellow
// "?" help panel and the grey "X" close panel.
Panel* makeHelpPanel(QWidget* parent, const QPoint& at);
Panel* makeClosePanel(QWidget* parent, const QPoint& at, const QString& accessibleName);

// A picture at a fixed place, stretched to fill it.
QLabel* pictureLabel(QWidget* parent, const QString& name, const QRect& geometry, const QPixmap& pixmap);

// The decorative strips along the four edges of a window of the given size,
// named leftBorder, rightBorder, topBorder and bottomBorder.
void addBorderStrips(QWidget* window, QSize size);
