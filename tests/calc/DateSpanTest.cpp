#include "calc/DateSpan.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QRandomGenerator>

using namespace datecalc;

TEST(DateSpan, SpansAgreeWithQDateOverRandomPairs)
{
    QRandomGenerator random(20001);
    const qint64 first = QDate(1, 1, 1).toJulianDay();
    const qint64 last = QDate(MaxYear, 12, 31).toJulianDay();
    for (int i = 0; i < 20000; ++i) {
        const QDate a = QDate::fromJulianDay(first + qint64(random.bounded(quint64(last - first + 1))));
        const QDate b = QDate::fromJulianDay(first + qint64(random.bounded(quint64(last - first + 1))));
        const Span span = spanBetween(serialDay(a.year(), a.month(), a.day()),
                                      serialDay(b.year(), b.month(), b.day()));
        const qint64 expected = qAbs(a.daysTo(b));
        ASSERT_EQ(span.days, expected) << a.toString(Qt::ISODate).toStdString() << " "
                                       << b.toString(Qt::ISODate).toStdString();
        ASSERT_EQ(span.weeks * 7 + span.remainder, expected);
        ASSERT_TRUE(span.remainder >= 0 && span.remainder < 7);
        ASSERT_EQ(weekday(a.year(), a.month(), a.day()), a.dayOfWeek() % 7);
    }
}

TEST(DateSpan, LargestSpanAndItsTexts)
{
    EXPECT_EQ(serialDay(1, 1, 1), 1);
    const Span span = spanBetween(serialDay(MaxYear, 12, 31), serialDay(1, 1, 1));
    EXPECT_EQ(span.days, 2921573);
    EXPECT_EQ(span.weeks, 417367);
    EXPECT_EQ(span.remainder, 4);
    EXPECT_EQ(daysText(span.days), "2921573");
    EXPECT_EQ(weeksText(span.weeks), "417367");
    EXPECT_EQ(daysText(0), "      0");
    EXPECT_EQ(weeksText(0), "     0");
    EXPECT_EQ(daysText(60), "     60");
}

TEST(DateSpan, LeapYearsAndMonthLengths)
{
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_FALSE(isLeapYear(2100));
    EXPECT_FALSE(isLeapYear(2001));
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(1900, 2), 28);
    EXPECT_EQ(daysInMonth(2001, 4), 30);
    EXPECT_EQ(daysInMonth(2001, 0), 0);
    EXPECT_EQ(daysInMonth(2001, 13), 0);
    // 1 January to 1 March 2000 crosses 29 February.
    const Span span = spanBetween(serialDay(2000, 1, 1), serialDay(2000, 3, 1));
    EXPECT_EQ(span.days, 60);
    EXPECT_EQ(span.weeks, 8);
    EXPECT_EQ(span.remainder, 4);
    EXPECT_EQ(spanBetween(serialDay(1900, 1, 1), serialDay(1900, 3, 1)).days, 59);
}

TEST(DateSpan, YearValuesOfTypedAndPastedText)
{
    EXPECT_EQ(yearValue("2026"), 2026);
    EXPECT_EQ(yearValue(" 0042 "), 42);
    EXPECT_EQ(yearValue("-3"), -3);
    EXPECT_EQ(yearValue("+5"), 5);
    for (const char* junk : {"", " ", "abc", "20x6", "2,024", "1e3", "-", "+", "12 34", "٣"})
        EXPECT_EQ(yearValue(QString::fromUtf8(junk)), 0) << junk;
    EXPECT_FALSE(isWholeNumber("20x6"));
    EXPECT_TRUE(isWholeNumber(" -12 "));
    // Held far out of the years, and stepping it stays sound.
    EXPECT_EQ(yearValue(QString(400, QLatin1Char('9'))), 1'000'000'000'000LL);
    EXPECT_EQ(yearValue(QStringLiteral("-") + QString(40, QLatin1Char('9'))), -1'000'000'000'000LL);
}

TEST(DateSpan, YearKeyFilter)
{
    EXPECT_TRUE(yearKeyAccepted("799", QLatin1Char('9')));
    EXPECT_FALSE(yearKeyAccepted("800", QLatin1Char('0')));
    // Only a three-character box is checked; the cap catches the rest.
    EXPECT_TRUE(yearKeyAccepted("2026", QLatin1Char('0')));
    EXPECT_TRUE(yearKeyAccepted("-12", QLatin1Char('0')));
    EXPECT_TRUE(yearKeyAccepted("800", QChar(8)));
    for (QChar other : {QChar('a'), QChar('-'), QChar(' '), QChar('.'), QChar('\r'), QChar(0x0663)})
        EXPECT_FALSE(yearKeyAccepted("12", other)) << int(other.unicode());
}
