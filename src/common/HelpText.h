#pragma once
#include <QList>
#include <QString>

// One line of a window's help text. A line that ends a paragraph is followed
// by a blank line.
struct HelpLine {
    QString text;
    bool endsParagraph = false;
};

// The hint of a window's "?" panel: the title, a blank line, then every line
// exactly as given (trailing spaces kept), each ended by CR LF.
QString buildHelpText(const QString& title, const QList<HelpLine>& lines);
