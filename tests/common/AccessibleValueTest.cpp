#include "common/AccessibleValue.h"

#include <QAccessible>
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

TEST(AccessibleValue, DecorationsAreNamelessAndPassedOver)
{
    QWidget window;
    auto* shadow = new QLabel(QStringLiteral("Orvik 2000"), &window);
    auto* text = new QLabel(QStringLiteral("Orvik 2000"), &window);
    accessible::markDecoration(shadow);
    window.show();

    QAccessibleInterface* shadowFace = QAccessible::queryAccessibleInterface(shadow);
    ASSERT_TRUE(shadowFace);
    EXPECT_EQ(accessible::readName(shadow), "");
    EXPECT_TRUE(shadowFace->state().invisible);
    // The text it shadows is read as before, and only it.
    EXPECT_EQ(accessible::readName(text), "Orvik 2000");
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(text)->state().invisible);
    QAccessibleInterface* windowFace = QAccessible::queryAccessibleInterface(&window);
    int read = 0;
    for (int i = 0; i < windowFace->childCount(); ++i)
        if (!windowFace->child(i)->state().invisible && windowFace->child(i)->text(QAccessible::Name) == "Orvik 2000")
            ++read;
    EXPECT_EQ(read, 1);
}
