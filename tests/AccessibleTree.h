#pragma once
#include <QAccessible>
#include <QStringList>
#include <QWidget>

#include <functional>

// Every name a screen reader can reach from a window by walking the
// accessibility tree down from it, as the desktop's accessibility bus does;
// hidden parts (other pages, closed menus) are left out, as a reader would.
inline QStringList accessibleNamesUnder(QWidget* window)
{
    QStringList names;
    const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* face) {
        if (!face || !face->isValid() || face->state().invisible)
            return;
        if (const QString name = face->text(QAccessible::Name); !name.isEmpty())
            names << name;
        for (int i = 0; i < face->childCount(); ++i)
            walk(face->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(window));
    return names;
}
