#include "organisers/StartStopButton.h"

#include <gtest/gtest.h>

using timing::StartStopButton;
using Status = StartStopButton::Status;

TEST(StartStopButtonCycle, FourStatesInOrder)
{
    StartStopButton button;
    EXPECT_EQ(button.release().picture, "");
    auto step = button.press();
    EXPECT_EQ(step.picture, "StartIn");
    EXPECT_TRUE(step.startStop);
    EXPECT_EQ(button.status(), Status::StartPressed);
    EXPECT_EQ(button.press().picture, ""); // a second press while held does nothing
    step = button.release();
    EXPECT_EQ(step.picture, "StopOut");
    EXPECT_FALSE(step.startStop);
    EXPECT_EQ(button.status(), Status::StopUp);
    EXPECT_EQ(button.release().picture, "");
    EXPECT_EQ(button.press().picture, "StopIn");
    EXPECT_EQ(button.status(), Status::StopPressed);
    EXPECT_EQ(button.release().picture, "StartOut");
    EXPECT_EQ(button.status(), Status::StartUp);
}
