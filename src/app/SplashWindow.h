#pragma once
#include <QWidget>

class LazyPicture;
class QTimer;
class Panel;

// The borderless splash window shown at start: the product name and logo for
// seven seconds, or until a mouse press on it or Enter ends it early. It ends
// once only and is never shown again; what follows is the launcher's business.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // Hides the splash and says so with ended(); once only.
    void endSplash();
    bool hasEnded() const { return ended_; }
    QTimer* closeTimer() const { return closeTimer_; }

signals:
    void ended();
    // The splash has been painted for the first time.
    void firstShown();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildLayout();

    Panel* background_ = nullptr;
    LazyPicture* logo_ = nullptr;
    QTimer* closeTimer_ = nullptr;
    bool ended_ = false;
    bool painted_ = false;
};
