// What a screen reader hears from the launcher's windows, walking down from
// each window as the desktop's reader does: every line once, the sound
// switch with its state after a click.
#include "AccessibleTree.h"
#include "LauncherFixture.h"
#include "app/IntroWindow.h"
#include "app/Panel.h"
#include "common/AccessibleValue.h"

#include <QPushButton>
#include <QTest>

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

TEST(LauncherAccessibility, IntroductionLinesAreReadOnceDespiteTheirShadows)
{
    platform::RecordingWebAddress web;
    IntroWindow window{web};
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QStringList heard = accessibleNamesUnder(&window);
    EXPECT_EQ(heard.count(IntroWindow::heading()), 1) << heard.join(" | ").toStdString();
    EXPECT_EQ(heard.count(IntroWindow::footer()), 1);
    // The postscript is one link, read whole from its panel, not line by line.
    const QString postscript = IntroWindow::postscriptLines().join(QString());
    EXPECT_EQ(heard.count(postscript), 1);
    EXPECT_EQ(accessible::readName(window.postscriptPanel()), postscript);
    for (const QString& line : IntroWindow::postscriptLines())
        EXPECT_FALSE(heard.contains(line)) << line.toStdString();
}

TEST(LauncherAccessibility, SplashSaysEachLineOnce)
{
    SplashWindow splash;
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    const QStringList heard = accessibleNamesUnder(&splash);
    EXPECT_EQ(heard.count("Orvik Productions proudly present"), 1) << heard.join(" | ").toStdString();
    EXPECT_EQ(heard.count("Orvik 2000"), 1);
    EXPECT_EQ(heard.count("Millennium Edition v1.01"), 1);
}
