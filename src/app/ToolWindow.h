#pragma once
#include "app/WindowDrag.h"

#include <QWidget>

class Panel;

// The frame every utility window shares: borderless, dragged by its body,
// a yellow "?" panel whose tool tip is the window's help text, and a close
// panel. Each window exists once; it tells the program menu when it goes, so
// the next choice on the menu creates a fresh one.
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    // menuEntry is the window's entry number on the program menu; owner is
    // the menu window (it owns the window and destroys it with itself).
    ToolWindow(int menuEntry, QWidget* owner, const QSize& clientSize);

    int menuEntry() const { return menuEntry_; }
    Panel* helpPanel() const { return helpPanel_; }
    Panel* closePanel() const { return closePanel_; }

    void setHelpText(const QString& text);
    QString helpText() const;

    // The window became the active one, or stopped being it (focus went to
    // another window). Nothing by default.
    virtual void activated() {}
    virtual void deactivated() {}

    // Clears the window-open flag and lets the window go; it is destroyed
    // once the current event has been handled.
    void release();
    bool released() const { return released_; }

protected:
    // The system close command (Alt+F4, the window manager's close). The
    // default releases the window; windows with their own close handling
    // override it and call release() themselves, or return without it to
    // refuse the close (the window then stays on screen).
    virtual void FormClose();
    // The close panel; by default the window is released without FormClose.
    virtual void closePanelClicked();

    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int menuEntry_;
    Panel* helpPanel_;
    Panel* closePanel_;
    bool released_ = false;
    bool centred_ = false;
    WindowDrag drag_;
};
