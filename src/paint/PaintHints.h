#pragma once
#include <QList>
#include <QPair>
#include <QString>

// The paint window's own words: its help text and the hint of every control
// that has one, by the control's object name.
namespace paint::hints {

QString helpText();
QList<QPair<QString, QString>> controlHints();

} // namespace paint::hints
