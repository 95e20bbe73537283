#include "common/Palette.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Two window classes of their own, as every utility window is.
class BlackTestWindow : public QWidget {
    Q_OBJECT
public:
    BlackTestWindow() : QWidget(nullptr, Qt::Window)
    {
        setWindowColour(this, Qt::black);
        button = new QPushButton(QStringLiteral("File"), this);
        scrollBar = new QScrollBar(this);
    }
    QPushButton* button;
    QScrollBar* scrollBar;
};

class TealTestWindow : public QWidget {
    Q_OBJECT
public:
    TealTestWindow() : QWidget(nullptr, Qt::Window) { setWindowColour(this, QColor(0, 128, 128)); }
};

} // namespace

TEST(WindowColour, TheWindowHasItsColourBeforeItIsFirstShown)
{
    BlackTestWindow window;
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(Qt::black));
    // Its controls inherit it, as with a palette set on the window.
    EXPECT_EQ(window.button->palette().color(QPalette::Window), QColor(Qt::black));
}

// The style names what it keeps in the pixmap cache after the palette a
// control is drawn with: a palette that is new at every opening makes new
// names that Qt's cache never lets go of.
TEST(WindowColour, EveryOpeningDrawsItsControlsWithTheSamePalette)
{
    auto first = std::make_unique<BlackTestWindow>();
    first->show();
    const qint64 windowKey = first->palette().cacheKey();
    const qint64 buttonKey = first->button->palette().cacheKey();
    const qint64 scrollBarKey = first->scrollBar->palette().cacheKey();
    first.reset();

    for (int opening = 0; opening < 3; ++opening) {
        BlackTestWindow again;
        again.show();
        EXPECT_EQ(again.palette().cacheKey(), windowKey);
        EXPECT_EQ(again.button->palette().cacheKey(), buttonKey);
        EXPECT_EQ(again.scrollBar->palette().cacheKey(), scrollBarKey);
        EXPECT_EQ(again.palette().color(QPalette::Window), QColor(Qt::black));
    }
}

TEST(WindowColour, EachWindowClassKeepsItsOwnColourAndOtherWidgetsKeepTheDesktops)
{
    const QColor desktopWindow = QApplication::palette().color(QPalette::Window);
    BlackTestWindow black;
    TealTestWindow teal;
    BlackTestWindow blackAgain;
    EXPECT_EQ(black.palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(teal.palette().color(QPalette::Window), QColor(0, 128, 128));
    EXPECT_EQ(blackAgain.palette().color(QPalette::Window), QColor(Qt::black));

    QWidget plain;
    QPushButton plainButton;
    EXPECT_EQ(plain.palette().color(QPalette::Window), desktopWindow);
    EXPECT_EQ(plainButton.palette().color(QPalette::Window), desktopWindow);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), desktopWindow);
}

#include "WindowColourTest.moc"
