#include "organisers/YearPlannerPrint.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

namespace planner {

bool printLines(QPagedPaintDevice& device, const QList<PrintLine>& lines)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const int pageWidth = device.width();
    const int pageHeight = device.height();
    qreal y = 0;
    for (const PrintLine& line : lines) {
        QFont font(PrintFontFamily);
        font.setStyleHint(QFont::TypeWriter);
        font.setPointSize(pointSize(line.style));
        const QFontMetrics metrics(font, &device);
        QString text = line.text;
        if (line.style == PrintLine::Style::Title && !text.isEmpty()) {
            const int spaces = titleSpaces(pageWidth, metrics.horizontalAdvance(text),
                                           metrics.horizontalAdvance(QLatin1Char(' ')));
            text = QString(spaces, QLatin1Char(' ')) + text;
        }
        QTextLayout layout(text, font, &device);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        QList<QTextLine> rows;
        for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
            row.setLineWidth(pageWidth);
            rows.append(row);
        }
        layout.endLayout();
        const qreal height = metrics.lineSpacing();
        const auto roomFor = [&] {
            if (y > 0 && y + height > pageHeight) {
                device.newPage();
                y = 0;
            }
        };
        painter.setPen(Qt::black);
        for (QTextLine& row : rows) {
            roomFor();
            row.setPosition(QPointF(0, y));
            row.draw(&painter, QPointF(0, 0));
            y += height;
        }
        // A blank line still takes its height.
        if (rows.isEmpty()) {
            roomFor();
            y += height;
        }
    }
    return painter.end();
}

} // namespace planner
