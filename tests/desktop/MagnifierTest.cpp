#include "desktop/MagnifierArea.h"
#include "desktop/MagnifierView.h"
#include "desktop/MagnifierWindow.h"

#include "TestServices.h"
#include "app/Panel.h"
#include "platform/ScreenGrabber.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using desktop::magnifiedArea;

TEST(MagnifiedArea, CentredOnThePointerAndKeptOnTheScreen)
{
    const QSize screen(1280, 1024);
    EXPECT_EQ(magnifiedArea({0, 0}, {50, 50}, screen), QRect(0, 0, 50, 50));
    EXPECT_EQ(magnifiedArea({1279, 1023}, {320, 200}, screen), QRect(959, 823, 320, 200));
    EXPECT_EQ(magnifiedArea({640, 512}, {50, 50}, screen), QRect(615, 487, 50, 50));
    // Half an odd size is rounded down.
    EXPECT_EQ(magnifiedArea({100, 100}, {15, 25}, screen), QRect(93, 88, 15, 25));
    // The area may end one pixel short of the last column and row, no nearer.
    EXPECT_EQ(magnifiedArea({1254, 998}, {50, 50}, screen).topLeft(), QPoint(1229, 973));
    EXPECT_EQ(magnifiedArea({1255, 999}, {50, 50}, screen).topLeft(), QPoint(1229, 973));
    EXPECT_EQ(magnifiedArea({24, 1000}, {50, 50}, screen).topLeft(), QPoint(0, 973));
    // An area larger than the screen starts at its edge.
    EXPECT_EQ(magnifiedArea({100, 100}, {320, 200}, {300, 150}), QRect(0, 0, 320, 200));
}

TEST(MagnifiedArea, ListIndexesGiveTensOfPixels)
{
    EXPECT_EQ(desktop::magnifiedSize(4, 4), QSize(50, 50));
    EXPECT_EQ(desktop::magnifiedSize(0, 0), QSize(10, 10));
    EXPECT_EQ(desktop::magnifiedSize(31, 19), QSize(320, 200));
}

namespace {

// Half red, half blue: where the two meet in the view shows whether pixels
// were repeated or blended.
QPixmap halves(QSize size)
{
    QPixmap picture(size);
    picture.fill(Qt::red);
    QPainter painter(&picture);
    painter.fillRect(QRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height()), Qt::blue);
    return picture;
}

struct MagnifierWindowTest : ::testing::Test {
    MagnifierWindowTest() { platform::ScreenGrabber::install(&grabber); }
    ~MagnifierWindowTest() override
    {
        delete window.data();
        platform::ScreenGrabber::install(nullptr);
    }
    void open()
    {
        window = new MagnifierWindow(t.services);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    QComboBox* list(const char* name) const { return window->findChild<QComboBox*>(name); }

    TestServices t;
    platform::RecordingScreenGrabber grabber;
    QPointer<MagnifierWindow> window;
};

} // namespace

TEST_F(MagnifierWindowTest, ASmallToolWindowOnTopWithItsListsAndHelp)
{
    open();
    EXPECT_EQ(window->windowTitle(), "VizazEzuziz");
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window->windowType(), Qt::Tool);
    EXPECT_EQ(window->size(), QSize(320, 230));
    EXPECT_EQ(window->view()->geometry(), QRect(0, 0, 320, 200));

    QComboBox* x = list("xList");
    QComboBox* y = list("yList");
    ASSERT_TRUE(x && y);
    EXPECT_FALSE(x->isEditable());
    EXPECT_EQ(x->count(), 32);
    EXPECT_EQ(x->itemText(0), "10");
    EXPECT_EQ(x->itemText(31), "320");
    EXPECT_EQ(y->count(), 20);
    EXPECT_EQ(y->itemText(19), "200");
    EXPECT_EQ(x->currentText(), "50");
    EXPECT_EQ(y->currentText(), "50");
    EXPECT_EQ(x->width(), 49);
    EXPECT_EQ(window->findChild<QLabel*>("xLabel")->text(), "X:");
    EXPECT_EQ(window->findChild<QLabel*>("yLabel")->text(), "Y:");
    // The "?" sits at the left of the bottom bar.
    const QPoint help = window->helpPanel()->mapTo(window, QPoint(0, 0));
    EXPECT_LT(help.x(), 10);
    EXPECT_GE(help.y(), 200);
    EXPECT_EQ(window->helpPanel()->toolTip(),
              "VizazEzuziz\r\n\r\n"
              "This utility allows you to enlarge any part of the screen.  \r\n\r\n"
              "To use, simply move the cursor over the area you wish to enlarge.  \r\n\r\n"
              "You may enlarge/reduce the magnification by resizing the window.  \r\n"
              "Also, you can change the size of the area being magnified by \r\n"
              "changing the X/Y values.  \r\n");
}

TEST_F(MagnifierWindowTest, EveryQuarterSecondTheAreaAroundThePointerIsCopied)
{
    grabber.picture = halves(QSize(50, 50));
    grabber.pointerAt = QPoint(0, 0);
    open();
    EXPECT_TRUE(window->copyTimer()->isActive());
    EXPECT_EQ(window->copyTimer()->interval(), 250);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !grabber.copied.isEmpty(); }, 2000));
    EXPECT_EQ(grabber.copied.first(), QRect(0, 0, 50, 50));

    // The largest area at the bottom-right corner.
    list("xList")->setFocus();
    QTest::keyClick(list("xList"), Qt::Key_End);
    QTest::keyClick(list("yList"), Qt::Key_End);
    EXPECT_EQ(window->areaSize(), QSize(320, 200));
    grabber.pointerAt = QPoint(1279, 1023);
    window->copyScreen();
    EXPECT_EQ(grabber.copied.last(), QRect(959, 823, 320, 200));

    // On a second screen the pointer counts from that screen's corner.
    grabber.screen = QRect(1280, 0, 1024, 768);
    grabber.pointerAt = QPoint(1280 + 500, 400);
    window->copyScreen();
    EXPECT_EQ(grabber.copied.last(), QRect(340, 300, 320, 200));
}

TEST_F(MagnifierWindowTest, TheCopyIsStretchedOverTheViewWithoutBlending)
{
    grabber.picture = halves(QSize(320, 200));
    open();
    QTest::keyClick(list("xList"), Qt::Key_End);
    QTest::keyClick(list("yList"), Qt::Key_End);
    window->resize(640, 430); // a view of 640 x 400: twice each way
    window->copyScreen();
    QImage shown = window->view()->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(640, 400));
    EXPECT_EQ(shown.pixelColor(319, 200), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(320, 200), QColor(Qt::blue));

    // A view of another shape distorts the picture: 320 x 170 squeezes it
    // vertically and keeps its width.
    window->resize(320, 200);
    window->copyScreen();
    shown = window->view()->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(320, 170));
    EXPECT_EQ(shown.pixelColor(159, 0), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(160, 169), QColor(Qt::blue));
}

TEST_F(MagnifierWindowTest, NeverSmallerThanItsMinimumAndIdleWhileHidden)
{
    open();
    window->resize(200, 100);
    EXPECT_EQ(window->size(), QSize(320, 200));
    window->resize(400, 150);
    EXPECT_EQ(window->size(), QSize(400, 200));

    window->hide();
    EXPECT_FALSE(window->copyTimer()->isActive());
    grabber.copied.clear();
    QTest::qWait(600);
    EXPECT_TRUE(grabber.copied.isEmpty());
    window->show();
    EXPECT_TRUE(window->copyTimer()->isActive());
}

TEST_F(MagnifierWindowTest, ClosingSaysSoOnceAndLetsTheWindowGo)
{
    open();
    QSignalSpy released(window.data(), &MagnifierWindow::released);
    window->close();
    EXPECT_EQ(released.count(), 1);
    EXPECT_FALSE(window->copyTimer()->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));
}
