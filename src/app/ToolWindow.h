#pragma once
#include "app/UtilityServices.h"
#include "app/UtilityWindow.h"
#include "app/WindowDrag.h"

#include <QWidget>

class Panel;

// The frame every utility window shares: borderless, dragged by its body,
// a yellow "?" panel whose tool tip is the window's help text, and a close
// panel. Each window exists once; it says when it goes (released), so the
// next choice on the program menu creates a fresh one.
class ToolWindow : public QWidget, public UtilityWindow {
    Q_OBJECT
public:
    // owner is the window that owns this one and destroys it with itself
    // (the program menu, or nothing in tests).
    ToolWindow(const UtilityServices& services, QWidget* owner, const QSize& clientSize);

    Panel* helpPanel() const { return helpPanel_; }
    Panel* closePanel() const { return closePanel_; }

    void setHelpText(const QString& text);
    QString helpText() const;

    // The window became the active one, or stopped being it (focus went to
    // another window). Nothing by default.
    virtual void activated() {}
    virtual void deactivated() {}

    // May the window go now? Asked by the system close command (Alt+F4, the
    // window manager's close) and by the close panel. A window with unsaved
    // work asks its own question here; one that says yes stops what must stop
    // (timers, notes) before it goes. Yes by default.
    bool queryClose() override { return true; }

    // Lets the window go: says so with released(), hides, and is destroyed
    // once the current event has been handled. Once only.
    void release() override;

signals:
    void released();

protected:
    const UtilityServices& services() const { return services_; }

    // The close panel: the window goes if queryClose() agrees.
    virtual void closePanelClicked();
    // queryClose(), then release() on yes; false when the window stays.
    bool closeIfAllowed();

    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    UtilityServices services_;
    Panel* helpPanel_;
    Panel* closePanel_;
    bool released_ = false;
    bool centred_ = false;
    WindowDrag drag_;
};
