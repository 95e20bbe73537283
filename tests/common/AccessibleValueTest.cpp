#include "common/AccessibleValue.h"

#include <QLabel>
#include <gtest/gtest.h>

TEST(AccessibleValue, NamesJoinLabelAndValue)
{
    EXPECT_EQ(accessible::valueName("Fahrenheit (oF)", "212.000"), "Fahrenheit (oF): 212.000");
    EXPECT_EQ(accessible::valueName("Kelvin", ""), "Kelvin");
    EXPECT_EQ(accessible::valueName("", "12"), "12");
}

TEST(AccessibleValue, ReaderReadsTheValueNotTheShownText)
{
    QLabel box(QStringLiteral("100.000"));
    accessible::showValue(&box, "Celsius (oC)", "100.000");
    EXPECT_EQ(accessible::readName(&box), "Celsius (oC): 100.000");

    accessible::showValue(&box, "Celsius (oC)", "37.000");
    EXPECT_EQ(accessible::readName(&box), "Celsius (oC): 37.000");
    accessible::setName(&box, "Blank");
    EXPECT_EQ(accessible::readName(&box), "Blank");
    EXPECT_EQ(accessible::readName(nullptr), "");
}
