#include "calc/OvenChartModel.h"

#include "calc/UnitTables.h"

#include <gtest/gtest.h>

namespace {

TEST(OvenChartModelTest, EveryChartRowUnderItsHeadingsAndNothingToSelect)
{
    const OvenChartModel chart;
    ASSERT_EQ(chart.rowCount(), 10);
    ASSERT_EQ(chart.columnCount(), 4);
    const QStringList headings{"Temperature", "Gas Mark", "oC", "oF"};
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(chart.headerData(c, Qt::Horizontal).toString(), headings[c]);
    for (int r = 0; r < chart.rowCount(); ++r) {
        const units::OvenRow& row = units::ovenChart()[std::size_t(r)];
        EXPECT_EQ(chart.index(r, OvenChartModel::TemperatureColumn).data().toString(), row.temperature);
        EXPECT_EQ(chart.index(r, OvenChartModel::GasMarkColumn).data().toString(), row.gasMark);
        EXPECT_EQ(chart.index(r, OvenChartModel::CelsiusColumn).data().toString(), row.celsius);
        EXPECT_EQ(chart.index(r, OvenChartModel::FahrenheitColumn).data().toString(), row.fahrenheit);
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(chart.flags(chart.index(r, c)), Qt::ItemIsEnabled);
    }
    EXPECT_EQ(chart.index(0, 1).data().toString(), QStringLiteral("\u00BD"));
    EXPECT_EQ(chart.index(9, 3).data().toString(), "475");
    // Names read left, numbers sit in the middle of their columns.
    EXPECT_EQ(chart.index(3, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(chart.index(3, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
    EXPECT_FALSE(chart.index(10, 0).isValid());
}

} // namespace
