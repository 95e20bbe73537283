#pragma once
#include "app/Panel.h"

class QLabel;

namespace desktop {

// One preview of the wallpaper browser: an 85 x 85 raised panel holding the
// picture stretched over its inside. The pointer's hint is the file's full
// path; a screen reader reads the file name. A click, or Space or Enter when
// it has the focus, chooses the file.
class PreviewPanel : public Panel {
    Q_OBJECT
public:
    static constexpr int Side = 85;
    static constexpr int BevelWidth = 2;
    static constexpr int PictureSide = Side - 2 * BevelWidth;

    PreviewPanel(int position, const QString& file, const QImage& picture, QWidget* parent);

    int position() const { return position_; }
    QString file() const { return file_; }
    QLabel* picture() const { return picture_; }

signals:
    void focused();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int position_;
    QString file_;
    QLabel* picture_;
};

} // namespace desktop
