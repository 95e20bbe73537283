#pragma once
#include <QLineEdit>

// An entry box that tells when it has taken the focus, after Qt's own focus
// handling is done, so the window can select its whole text.
class EntryBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void entered();

protected:
    void focusInEvent(QFocusEvent* event) override;
};
