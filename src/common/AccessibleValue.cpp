#include "AccessibleValue.h"

#include <QAccessible>
#include <QWidget>

namespace accessible {

QString valueName(const QString& label, const QString& value)
{
    if (value.isEmpty())
        return label;
    if (label.isEmpty())
        return value;
    return label + QStringLiteral(": ") + value;
}

void setName(QWidget* widget, const QString& name)
{
    if (!widget || widget->accessibleName() == name)
        return;
    // Qt tells the accessibility layer of the new name itself, so a screen
    // reader following the control announces the change.
    widget->setAccessibleName(name);
}

void showValue(QWidget* widget, const QString& label, const QString& value)
{
    setName(widget, valueName(label, value));
}

QString readName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace accessible
