#include "calc/EntryBox.h"

void EntryBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    emit entered();
}
