#include "calc/GatheredCharacters.h"

#include <QMimeData>

namespace {

// A family name inside a single-quoted CSS string inside a double-quoted
// attribute.
QString quotedFamily(const QString& family)
{
    QString escaped = family;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + escaped.toHtmlEscaped() + QLatin1Char('\'');
}

// Characters are written as references, so no control character, space or
// markup sign is lost or misread on the way.
QString characterReference(QChar c) { return QStringLiteral("&#%1;").arg(c.unicode()); }

} // namespace

void GatheredCharacters::add(QChar character, const QString& family)
{
    characters_.append({character, family});
}

QString GatheredCharacters::plainText() const
{
    QString text;
    text.reserve(characters_.size());
    for (const Character& c : characters_)
        text += c.character;
    return text;
}

QString GatheredCharacters::html() const
{
    QString html = QStringLiteral("<html><body><!--StartFragment-->");
    for (qsizetype i = 0; i < characters_.size();) {
        const QString& family = characters_[i].family;
        // A space is kept as typed: HTML would otherwise fold runs of them.
        html += QStringLiteral("<span style=\"font-family:%1; white-space:pre\">").arg(quotedFamily(family));
        for (; i < characters_.size() && characters_[i].family == family; ++i)
            html += characterReference(characters_[i].character);
        html += QStringLiteral("</span>");
    }
    html += QStringLiteral("<!--EndFragment--></body></html>");
    return html;
}

QMimeData* GatheredCharacters::mimeData() const
{
    auto* data = new QMimeData;
    data->setHtml(html());
    data->setText(plainText());
    return data;
}
