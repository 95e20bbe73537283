#include "calc/CalendarDate.h"

#include <gtest/gtest.h>

using namespace datecalc;

namespace {

QDate qdate(const CalendarDate& d) { return QDate(d.year(), d.month(), d.day()); }

} // namespace

TEST(CalendarDate, RefusesInvalidAndEqualParts)
{
    CalendarDate date(QDate(2000, 1, 31));
    EXPECT_TRUE(date.todayMode());
    EXPECT_FALSE(date.setDay(0));
    EXPECT_FALSE(date.setDay(32));
    EXPECT_FALSE(date.setDay(31)); // equal
    EXPECT_FALSE(date.setMonth(0));
    EXPECT_FALSE(date.setMonth(13));
    EXPECT_FALSE(date.setMonth(2)); // 31 February
    EXPECT_FALSE(date.setYear(0));
    EXPECT_FALSE(date.setYear(-1));
    EXPECT_FALSE(date.setYear(MaxYear + 1));
    EXPECT_TRUE(date.todayMode()); // nothing was taken
    EXPECT_EQ(qdate(date), QDate(2000, 1, 31));

    EXPECT_TRUE(date.setDay(29));
    EXPECT_FALSE(date.todayMode());
    EXPECT_TRUE(date.setMonth(2));
    EXPECT_EQ(qdate(date), QDate(2000, 2, 29));
    EXPECT_FALSE(date.setYear(2001)); // no 29 February in 2001
    EXPECT_TRUE(date.setYear(2004));
    EXPECT_FALSE(date.setYear(1));
    EXPECT_TRUE(date.setDay(1));
    EXPECT_TRUE(date.setYear(1));
    EXPECT_TRUE(date.setYear(MaxYear));
    EXPECT_EQ(qdate(date), QDate(MaxYear, 2, 1));
}

TEST(CalendarDate, TodayMode)
{
    CalendarDate date(QDate(2026, 12, 8));
    EXPECT_FALSE(date.setTodayMode(true, QDate(2027, 1, 1))); // already on: stays
    EXPECT_EQ(qdate(date), QDate(2026, 12, 8));
    ASSERT_TRUE(date.setDay(20));
    EXPECT_TRUE(date.setTodayMode(true, QDate(2026, 12, 8)));
    EXPECT_EQ(qdate(date), QDate(2026, 12, 8));
    EXPECT_TRUE(date.todayMode());
    EXPECT_FALSE(date.setTodayMode(false, QDate(2030, 1, 1)));
    EXPECT_EQ(qdate(date), QDate(2026, 12, 8));
    EXPECT_FALSE(date.setTodayMode(true, QDate(2026, 12, 8))); // off to on, same day
    EXPECT_TRUE(date.todayMode());
}

TEST(CalendarDate, MonthGrid)
{
    // December 2026 starts on a Tuesday and ends on a Thursday.
    CalendarDate date(QDate(2026, 12, 8));
    EXPECT_EQ(date.dayAt(0, 0), 0);
    EXPECT_EQ(date.dayAt(0, 1), 0);
    EXPECT_EQ(date.dayAt(0, 2), 1);
    EXPECT_EQ(date.dayAt(0, 6), 5);
    EXPECT_EQ(date.dayAt(4, 4), 31);
    EXPECT_EQ(date.dayAt(4, 5), 0);
    EXPECT_EQ(date.dayAt(5, 0), 0);
    EXPECT_EQ(date.rowOf(8), 1);
    EXPECT_EQ(date.columnOf(8), 2);
    // A 31-day month starting on Saturday needs the sixth row.
    CalendarDate may(QDate(2021, 5, 1));
    EXPECT_EQ(may.dayAt(0, 6), 1);
    EXPECT_EQ(may.dayAt(5, 1), 31);
    for (int d = 1; d <= 31; ++d)
        EXPECT_EQ(may.dayAt(may.rowOf(d), may.columnOf(d)), d);
}
