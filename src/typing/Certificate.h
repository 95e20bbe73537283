#pragma once
#include "typing/ExerciseResult.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>

class QPainter;
class QRect;

// The typing certificate: a page design of filled polygons stretched over
// the whole page, the title as large as fits, and six centred lines.
namespace certificate {

inline const QString Title = QStringLiteral("CERTIFICATE OF MERIT");
constexpr int TitleStartSize = 72;

// "Monday 7th December 2026" in the locale's day and month names.
QString dateLine(const QDate& date, const QLocale& locale);

// The lines under the title, in order, with their point sizes.
struct Line {
    int pointSize;
    QString text;
};
QList<Line> lines(const typing::ExerciseResult& result, const QString& name, const QDate& date,
                  const QLocale& locale);

// From 72 points down in steps of 2 while the title is wider than the page
// and the size is still at least 8; so it ends at 6 when even 8 is too wide.
int titlePointSize(const std::function<int(int pointSize)>& titleWidthAt, int pageWidth);

// The page design alone, stretched to the rectangle.
void drawPageDesign(QPainter& painter, const QRect& page);

// The whole certificate on a page of the painter's device.
void draw(QPainter& painter, const typing::ExerciseResult& result, const QString& name,
          const QDate& date, const QLocale& locale);

} // namespace certificate
