#include "app/IntroWindow.h"
#include "app/NoticeList.h"
#include "app/Panel.h"
#include "platform/WebAddress.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>

namespace {

const QStringList Welcome{
    "Welcome to Orvik 2000 - Millennium edition.  16 'orvik' ",
    "programs in one package - and now absolutely FREE!",
    "",
    "If you enjoy this program and appreciate the amount of",
    "effort that has gone into it, then you can encourage the",
    "development of more FREE software by purchasing goods ",
    "from  our sponsoring web sites.  (We only receive commission",
    "on actual sales.)  There is off course no obligation!",
    "",
    "To use Orvik 2000, simply left-click on the hand icon in the",
    "icon tray on your taskbar.  From the menu simply click on the",
    "program you wish to run.",
    "",
    "To close Orvik, right-click on the hand icon.",
    "",
    "We hope that you enjoy using this program - please feel",
    "free to give copies to all your friends!",
    "",
    "Have Fun.",
};

class IntroWindowTest : public ::testing::Test {
protected:
    QLabel* label(const QString& name) const { return window.findChild<QLabel*>(name); }

    void showActive()
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // The drawn pair of a shadowed line: the red top copy two pixels left of
    // the black one, same text, and stacked above it.
    void expectRedOverBlack(const QString& name, const QString& text) const
    {
        QLabel* top = label(name);
        QLabel* shadow = label(name + "Shadow");
        ASSERT_NE(top, nullptr);
        ASSERT_NE(shadow, nullptr);
        EXPECT_EQ(top->text(), text);
        EXPECT_EQ(shadow->text(), text);
        EXPECT_EQ(top->palette().color(QPalette::WindowText), QColor(Qt::red));
        EXPECT_EQ(shadow->palette().color(QPalette::WindowText), QColor(Qt::black));
        EXPECT_EQ(top->pos(), shadow->pos() - QPoint(2, 0));
        EXPECT_EQ(top->font(), shadow->font());
        const QObjectList& siblings = window.children();
        EXPECT_GT(siblings.indexOf(top), siblings.indexOf(shadow)) << "red must be drawn on top";
        EXPECT_TRUE(window.rect().contains(shadow->geometry())) << qPrintable(name);
        EXPECT_LE(top->fontMetrics().horizontalAdvance(text), top->width()) << qPrintable(name);
    }

    platform::RecordingWebAddress web;
    IntroWindow window{web};
};

TEST_F(IntroWindowTest, IsASizeableGreenToolWindowCentredAndOnlyHiddenByItsCloseBox)
{
    EXPECT_EQ(window.windowTitle(), "Introduction");
    EXPECT_EQ(window.size(), QSize(355, 464));
    EXPECT_EQ(window.windowType(), Qt::Tool);
    EXPECT_NE(window.minimumSize(), window.maximumSize()) << "the window is sizeable";
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0, 128, 0));
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_LE((window.geometry().center() - screen->availableGeometry().center()).manhattanLength(), 2);

    // The background picture fills the window at any size.
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* background = window.findChild<QLabel*>("backgroundPicture");
    ASSERT_NE(background, nullptr);
    window.resize(420, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(background->geometry(), window.rect());
    EXPECT_EQ(background->pixmap().size(), QSize(420, 500));

    QPointer<IntroWindow> alive(&window);
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(alive.isNull()) << "closing only hides the window";
    EXPECT_TRUE(web.opened.isEmpty());
}

TEST_F(IntroWindowTest, WelcomeListHoldsTheTextLineByLineThenASignatureAfterTwoBlankLines)
{
    NoticeList* list = window.welcomeList();
    ASSERT_NE(list, nullptr);
    const QStringList shown = list->lines();
    ASSERT_EQ(shown.size(), Welcome.size() + 4);
    for (int i = 0; i < Welcome.size(); ++i)
        EXPECT_EQ(shown[i], Welcome[i]) << "line " << i + 1;
    EXPECT_EQ(shown[19], "");
    EXPECT_EQ(shown[20], "");
    EXPECT_FALSE(shown[21].trimmed().isEmpty());
    EXPECT_FALSE(shown[22].trimmed().isEmpty());

    EXPECT_EQ(list->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(list->palette().color(QPalette::Base), QColor(255, 255, 225));
    EXPECT_TRUE(window.rect().contains(list->geometry()));
    // The whole text is readable without scrolling either way.
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const QString& line : shown)
        EXPECT_LE(list->fontMetrics().horizontalAdvance(line), list->viewport()->width()) << qPrintable(line);
    EXPECT_LE(list->count() * list->sizeHintForRow(0), list->viewport()->height());
}

TEST_F(IntroWindowTest, HeadingAndSmallPrintAreWrittenRedOverABlackShadow)
{
    expectRedOverBlack("heading", "Orvik 2000 - Millenium Edition");
    ASSERT_NE(label("footer"), nullptr);
    EXPECT_FALSE(label("footer")->text().isEmpty());
    expectRedOverBlack("footer", label("footer")->text());
    EXPECT_GT(label("footer")->y(), window.postscriptPanel()->geometry().bottom()) << "small print at the foot";
}

TEST_F(IntroWindowTest, PostscriptPanelReadsThreeWhiteLinesAndAClickAnywhereOnItOpensTheDownloadSite)
{
    Panel* panel = window.postscriptPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->colour(), QColor(0, 0, 128));
    const QString site = IntroWindow::downloadSiteName();
    EXPECT_FALSE(site.isEmpty());
    const QStringList expected{
        "P.S.  We always upload the latest version of ",
        "Orvik 2000 to " + site + ".  Click here to ",
        "visit their site.  ",
    };
    for (int i = 0; i < 3; ++i) {
        auto* line = panel->findChild<QLabel*>(QString("postscriptLine%1").arg(i + 1));
        auto* shadow = panel->findChild<QLabel*>(QString("postscriptShadow%1").arg(i + 1));
        ASSERT_NE(line, nullptr);
        ASSERT_NE(shadow, nullptr);
        EXPECT_EQ(line->text(), expected[i]);
        EXPECT_EQ(shadow->text(), expected[i]);
        EXPECT_EQ(line->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_EQ(shadow->palette().color(QPalette::WindowText), QColor(Qt::black));
        EXPECT_TRUE(panel->rect().contains(line->geometry()));
        EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), panel->width()) << i + 1;
    }

    const QUrl address = IntroWindow::downloadSite();
    EXPECT_TRUE(address.isValid());
    EXPECT_EQ(address.scheme(), "https");
    EXPECT_FALSE(address.host().isEmpty());

    showActive();
    auto* middleLine = panel->findChild<QLabel*>("postscriptLine2");
    QTest::mouseClick(middleLine, Qt::LeftButton, {}, middleLine->rect().center());
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(panel->width() - 3, panel->height() - 3));
    QTest::mouseClick(panel, Qt::RightButton, {}, panel->rect().center());
    EXPECT_EQ(web.opened, (QList<QUrl>{address, address})) << "left clicks only, on the labels too";
}

TEST_F(IntroWindowTest, WelcomeListNeverShowsASelectionOrHoldsTheFocus)
{
    showActive();
    NoticeList* list = window.welcomeList();
    const QRect firstLine = list->visualItemRect(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, firstLine.center());
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_FALSE(list->hasFocus());
    EXPECT_TRUE(window.focusSink()->hasFocus());

    // Reaching it from the keyboard ends the same way.
    window.postscriptPanel()->setFocus();
    list->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(list->hasFocus());
    EXPECT_TRUE(window.focusSink()->hasFocus());
    EXPECT_TRUE(web.opened.isEmpty());
}

} // namespace
