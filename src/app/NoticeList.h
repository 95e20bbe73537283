#pragma once
#include <QListWidget>
#include <QPointer>

// A borderless pale-yellow list of text lines that is there to be read, not
// chosen from: clicks select nothing, and when it receives the focus it hands
// it on to a focus sink, so it never shows a selection or a focus frame.
class NoticeList : public QListWidget {
    Q_OBJECT
public:
    NoticeList(const QStringList& lines, QWidget* focusSink, QWidget* parent = nullptr);

    QStringList lines() const;
    QWidget* focusSink() const { return focusSink_; }

    // A focus sink for the lists of one window or page: a 1 x 1 widget that
    // takes the focus out of sight, kept under its siblings. It has to stay
    // shown, as Qt gives no focus to a hidden widget.
    static QWidget* makeFocusSink(QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    QPointer<QWidget> focusSink_;
};
