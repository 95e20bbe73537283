#pragma once
#include "app/UtilityServices.h"
#include "app/UtilityWindow.h"

#include <QRect>
#include <QWidget>

class QComboBox;
class QTimer;
class Panel;

namespace desktop {
class MagnifierView;
}

// VizazEzuziz, the screen magnifier: four times a second it copies the area
// of the screen around the pointer and shows it stretched over its view. The
// X and Y lists set the size of the area; resizing the window sets the
// magnification. A small captioned tool window that stays on top; it never
// gets smaller than 320 x 200.
class MagnifierWindow : public QWidget, public UtilityWindow {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("VizazEzuziz");
    static constexpr int BarHeight = 30;
    static constexpr int CopyIntervalMs = 250;
    static constexpr QSize MinimumSize{320, 200};

    explicit MagnifierWindow(const UtilityServices& services, QWidget* owner = nullptr);

    // The size of the area copied, from the X and Y lists.
    QSize areaSize() const;
    // The screen area of the last copy, in the screen's coordinates.
    QRect lastArea() const { return lastArea_; }
    desktop::MagnifierView* view() const { return view_; }
    QTimer* copyTimer() const { return copyTimer_; }
    Panel* helpPanel() const { return helpPanel_; }

    // One tick: copy the area around the pointer into the view.
    void copyScreen();

    bool queryClose() override { return true; }
    void release() override;

signals:
    void released();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControlBar();

    desktop::MagnifierView* view_ = nullptr;
    QWidget* controlBar_ = nullptr;
    Panel* helpPanel_ = nullptr;
    QComboBox* xList_ = nullptr;
    QComboBox* yList_ = nullptr;
    QTimer* copyTimer_ = nullptr;
    QRect lastArea_;
    bool centred_ = false;
    bool released_ = false;
};
