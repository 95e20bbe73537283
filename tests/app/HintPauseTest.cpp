#include "app/HintPause.h"
#include "common/HelpText.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>
#include <gtest/gtest.h>

TEST(HelpText, TitleBlankLineThenEveryLineKeptWithItsSpaces)
{
    EXPECT_EQ(buildHelpText("Electronic Dice", {{"One  "}, {"Two", true}, {"Three      "}}),
              "Electronic Dice\r\n\r\nOne  \r\nTwo\r\n\r\nThree      \r\n");
    EXPECT_EQ(buildHelpText("Title", {}), "Title\r\n\r\n");
}

TEST(HintPause, HelpHintsShowTheirLinesWithoutTheStoredLineBreakCharacters)
{
    setHintHidePause(16777216);
    EXPECT_EQ(hintHidePause(), 16777216);
    QWidget widget;
    widget.resize(50, 50);
    widget.setToolTip(buildHelpText("Title", {{"first line  "}, {"second"}}));
    widget.show();
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), widget.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&widget, &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "Title\n\nfirst line  \nsecond");
    QToolTip::hideText();
}
