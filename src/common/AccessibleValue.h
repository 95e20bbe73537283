#pragma once
#include <QString>

class QWidget;

// What a screen reader reads from a control that shows a value: the
// control's accessible name carries the value ("Fahrenheit (oF): 212.000"),
// and the accessibility layer hears of each change so a reader announces it.
// Every window that shows a result, counter, score or reading goes through
// here instead of setting names by hand.
namespace accessible {

// "label: value"; the label alone while there is no value.
QString valueName(const QString& label, const QString& value);

// Names the widget label: value; the accessibility layer hears of the
// change (a name-change event) only when the name is new.
void showValue(QWidget* widget, const QString& label, const QString& value);

// Names the widget as given, telling the accessibility layer when it changed.
void setName(QWidget* widget, const QString& name);

// Leaves the widget out of what a screen reader reads: the shadow copy of a
// text drawn twice, or lines a named parent already says in full. Call it
// before the widget is shown.
void markDecoration(QWidget* widget);

// The name a screen reader reads for the widget, through the accessibility
// interface rather than the widget's own text.
QString readName(QWidget* widget);

} // namespace accessible
