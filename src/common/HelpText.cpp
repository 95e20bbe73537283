#include "common/HelpText.h"

QString buildHelpText(const QString& title, const QList<HelpLine>& lines)
{
    const QString lineBreak = QStringLiteral("\r\n");
    QString text = title + lineBreak + lineBreak;
    for (const HelpLine& line : lines) {
        text += line.text + lineBreak;
        if (line.endsParagraph)
            text += lineBreak;
    }
    return text;
}
