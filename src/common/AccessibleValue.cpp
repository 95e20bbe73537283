#include "AccessibleValue.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace accessible {

namespace {

constexpr char DecorationProperty[] = "orvikAccessibleDecoration";

// A decoration as a reader sees it: nameless and not showing, so it is
// passed over; it stays in the tree so positions of its siblings hold.
class Decoration : public QAccessibleWidget {
public:
    explicit Decoration(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        s.focusable = false;
        return s;
    }
};

QAccessibleInterface* decorationFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && widget->property(DecorationProperty).toBool() ? new Decoration(widget) : nullptr;
}

} // namespace

void markDecoration(QWidget* widget)
{
    static const bool installed = [] {
        QAccessible::installFactory(decorationFactory);
        return true;
    }();
    Q_UNUSED(installed);
    if (!widget)
        return;
    widget->setProperty(DecorationProperty, true);
    // Qt may have made the widget's reader view already (a label makes it
    // when its text is set): drop it, so the next one asked for is ours.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
    if (made && !dynamic_cast<Decoration*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

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
