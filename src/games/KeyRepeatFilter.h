#pragma once
#include <QObject>

class QEvent;
class QTimer;

// The games treat any key as their big button: down presses it, up lets
// it go. Holding a key must not let go and press again on every
// auto-repeat, yet X11 sends a release before each repeated press. Qt marks
// most of those pairs, but not one whose press arrives in a later read, so
// an unmarked release waits a moment for its press: a press with the same
// key and time stamp means the key never went up.
class KeyRepeatFilter : public QObject {
    Q_OBJECT
public:
    explicit KeyRepeatFilter(QObject* parent = nullptr);

    // Takes the window's key presses and releases (true), leaves every
    // other event alone (false).
    bool take(QEvent* event);

    // Whatever comes next (a mouse press, the focus going), a release still
    // waiting was a real one: it is reported now.
    void settle();

    // For tests: how long a release waits for its press.
    static constexpr int GraceMs = 20;

signals:
    // repeat: the key was held all along (auto-repeat).
    void pressed(bool repeat);
    void released();

private:
    QTimer* grace_;
    int releasedKey_ = 0;
    quint64 releasedAt_ = 0;
};
