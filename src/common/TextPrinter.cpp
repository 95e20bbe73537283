#include "common/TextPrinter.h"

#include "platform/Dialogs.h"
#include "platform/Printing.h"

#include <QDate>
#include <QFontMetrics>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>
#include <QTime>

namespace {

constexpr int StampPointSize = 14;

QFont lineFont(const TextPrinter::Line& line)
{
    QFont font(TextPrinter::FontFamily);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(line.pointSize);
    font.setUnderline(line.underlined);
    return font;
}

QString twoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

} // namespace

TextPrinter::TextPrinter(platform::Dialogs& dialogs, QWidget* parent, Failure failure)
    : dialogs_(dialogs), parent_(parent), failure_(std::move(failure))
{
}

TextPrinter::~TextPrinter() = default;

QPrinter* TextPrinter::printer()
{
    if (!printer_)
        printer_ = platform::Printing::instance().currentPrinter();
    if (!printer_)
        dialogs_.message(parent_, platform::MessageKind::Information, platform::Printing::noPrinterText(),
                         platform::Ok);
    return printer_.get();
}

void TextPrinter::setUp()
{
    if (QPrinter* p = printer())
        platform::Printing::instance().printerSetup(parent_, *p);
}

bool TextPrinter::print(QPageLayout::Orientation orientation, const std::function<QList<Line>()>& lines)
{
    return printPages(orientation, [&lines](QPrinter& p) { return writeLines(p, lines()); });
}

bool TextPrinter::printPages(QPageLayout::Orientation orientation,
                             const std::function<bool(QPrinter&)>& paintJob)
{
    QPrinter* p = printer();
    if (!p || !platform::Printing::instance().printDialog(parent_, *p))
        return false;
    p->setPageOrientation(orientation);
    // Each copy is a job of its own; the printer must not multiply them again.
    const int copies = qMax(p->copyCount(), 1);
    p->setCopyCount(1);
    jobsPrinted_ = 0;
    for (int copy = 0; copy < copies; ++copy) {
        if (!paintJob(*p)) {
            dialogs_.message(parent_, failure_.kind, failure_.text, platform::Ok);
            return false;
        }
        ++jobsPrinted_;
    }
    return true;
}

bool TextPrinter::writeLines(QPagedPaintDevice& device, const QList<Line>& lines)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const int pageWidth = device.width();
    const int pageHeight = device.height();
    qreal y = 0;
    for (const Line& line : lines) {
        const QFont font = lineFont(line);
        const QFontMetrics metrics(font, &device);
        QString text = line.text;
        if (line.centred)
            text.prepend(QString(centringSpaces(pageWidth, metrics.horizontalAdvance(text),
                                                metrics.horizontalAdvance(QLatin1Char(' '))),
                                 QLatin1Char(' ')));
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
        // A blank line still takes its height.
        const qsizetype rowCount = qMax<qsizetype>(rows.size(), 1);
        for (qsizetype r = 0; r < rowCount; ++r) {
            if (y > 0 && y + metrics.lineSpacing() > pageHeight) {
                if (!device.newPage())
                    return false;
                y = 0;
            }
            if (r < rows.size()) {
                rows[r].setPosition(QPointF(0, y));
                rows[r].draw(&painter, QPointF(0, 0));
            }
            y += metrics.lineSpacing();
        }
    }
    return painter.end();
}

int TextPrinter::centringSpaces(int pageWidth, int textWidth, int spaceWidth)
{
    if (spaceWidth <= 0)
        return 0;
    // Integer division truncating toward zero, as the centring always did.
    const int k = ((pageWidth - textWidth) / 2) / spaceWidth;
    return k < 0 ? 0 : k + 1;
}

QList<TextPrinter::Line> TextPrinter::dateTimeStamp(const QDate& date, const QTime& time,
                                                    const QLocale& locale)
{
    return {{dateStamp(date, locale), StampPointSize}, {timeStamp(time), StampPointSize}};
}

QString TextPrinter::dateStamp(const QDate& date, const QLocale& locale)
{
    return QStringLiteral("Date : ") + locale.dayName(date.dayOfWeek(), QLocale::LongFormat)
           + QLatin1Char(' ') + QString::number(date.day()) + QLatin1Char(' ')
           + locale.monthName(date.month(), QLocale::LongFormat) + QLatin1Char(' ')
           + QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString TextPrinter::timeStamp(const QTime& time)
{
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("Time : ") + twoDigits(hour) + QLatin1Char(':') + twoDigits(time.minute())
           + (time.hour() < 12 ? QStringLiteral(" AM") : QStringLiteral(" PM"));
}
