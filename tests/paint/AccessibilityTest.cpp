// What a screen reader hears from the paint window's settings: the size
// boxes with their unit, the brush width and the lamps, read through the
// accessibility interface after real clicks and keys.
#include "../common/ScopedConfigDir.h"
#include "TestServices.h"
#include "common/AccessibleValue.h"
#include "paint/Picture.h"
#include "paint/PaintWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

using accessible::readName;
using BarMenu = PaintWindow::BarMenu;

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

class PaintAccessibility : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = new PaintWindow(t.services);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        window->activated();
        window->createFirstCanvasIfPending();
        // A picture of a known size, so the boxes show known numbers.
        window->picture() = *paint::Picture::create(640, 400, paint::PixelFormat::Rgb32);
        window->resetSizes();
    }
    void TearDown() override { delete window.data(); }

    void clickIn(BarMenu menu, const char* button)
    {
        window->hoverBarButton(menu);
        auto* found = window->findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_TRUE(found) << button;
        QTest::mouseClick(found, Qt::LeftButton);
    }
    QString nameOf(const char* child) const
    {
        return readName(window->findChild<QWidget*>(QString::fromLatin1(child)));
    }

    ScopedConfigDir config;
    TestServices t;
    QPointer<PaintWindow> window;
};

} // namespace

TEST_F(PaintAccessibility, SizeBoxesAreReadWithTheirNumberAndUnit)
{
    EXPECT_EQ(readName(window->widthBox()), "New width: 640 Pixels");
    EXPECT_EQ(readName(window->heightBox()), "New height: 400 Pixels");

    clickIn(BarMenu::Utilities, "cmButton");
    EXPECT_EQ(readName(window->widthBox()), "New width: 17.30 cm");
    EXPECT_EQ(readName(window->heightBox()), "New height: 10.81 cm");
    EXPECT_EQ(nameOf("cmLamp"), "cm: selected");
    EXPECT_EQ(nameOf("pixelsLamp"), "Pixels: not selected");

    QLineEdit* width = window->widthBox();
    width->setFocus();
    width->selectAll();
    QTest::keyClicks(width, "2.5");
    EXPECT_EQ(readName(width), "New width: 2.5 cm");
    width->selectAll();
    QTest::keyClick(width, Qt::Key_Delete);
    EXPECT_EQ(readName(width), "New width");

    // Back in pixels the box holds the pixels of what was typed.
    clickIn(BarMenu::Utilities, "pixelsButton");
    EXPECT_EQ(readName(window->heightBox()), "New height: 400 Pixels");
}

TEST_F(PaintAccessibility, BrushWidthAndLampsFollowTheUsersChoices)
{
    auto* slider = window->findChild<QSlider*>(QStringLiteral("brushWidthSlider"));
    ASSERT_TRUE(slider);
    EXPECT_EQ(readName(slider), "Brush width: 25");
    window->hoverBarButton(BarMenu::Brush);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(readName(slider), "Brush width: 26");
    QTest::keyClick(slider, Qt::Key_PageUp);
    EXPECT_EQ(readName(slider), "Brush width: 31");

    EXPECT_EQ(nameOf("webbedLamp"), "Webbed Pattern: selected");
    clickIn(BarMenu::Effects, "webbedButton");
    EXPECT_EQ(nameOf("webbedLamp"), "Webbed Pattern: not selected");

    clickIn(BarMenu::Brush, "mixDarkBrushButton");
    EXPECT_EQ(nameOf("mixDarkBrushLamp"), "Mix Paint - Dark: selected");
    EXPECT_EQ(nameOf("normalBrushLamp"), "Normal Paint: not selected");
}
