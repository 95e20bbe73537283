#include "calc/StateCodesWindow.h"

#include "../app/LauncherFixture.h"
#include "app/Panel.h"
#include "platform/ConfigDir.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTest>

namespace {

class StateCodesWindowTest : public LauncherTest {
protected:
    void TearDown() override
    {
        delete window.data();
        QFile::remove(QDir(platform::configDir()).filePath("Orvik.Ini"));
        LauncherTest::TearDown();
    }
    void open()
    {
        menu->openEntry(StateCodesWindow::MenuEntry);
        window = qobject_cast<StateCodesWindow*>(menu->window(StateCodesWindow::MenuEntry));
        ASSERT_TRUE(window);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    void writeProfile(const QByteArray& text)
    {
        QDir().mkpath(platform::configDir());
        QFile file(QDir(platform::configDir()).filePath("Orvik.Ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QComboBox* list(int n) const { return window->findChild<QComboBox*>(QStringLiteral("ComboBox%1").arg(n)); }

    QPointer<StateCodesWindow> window;
};

} // namespace

TEST_F(StateCodesWindowTest, TwoListsOfTheSameEntriesAndTheHelp)
{
    open();
    EXPECT_TRUE(menu->windowOpen(StateCodesWindow::MenuEntry));
    EXPECT_EQ(window->size(), QSize(282, 233));
    EXPECT_EQ(window->windowTitle(), "USA State Codes");
    EXPECT_EQ(window->closePanel()->objectName(), "Panel5");
    EXPECT_EQ(window->findChild<QLabel*>("Label1")->text(), "USA State Code\nLookup Utility");
    EXPECT_EQ(window->findChild<QLabel*>("Label2")->text(), "By Code");
    EXPECT_EQ(window->findChild<QLabel*>("Label3")->text(), "By State");
    EXPECT_EQ(window->findChild<QLabel*>("Image1")->size(), QSize(74, 36));
    for (int n : {1, 2}) {
        ASSERT_TRUE(list(n));
        EXPECT_EQ(list(n)->count(), 58);
        EXPECT_FALSE(list(n)->isEditable());
        EXPECT_EQ(list(n)->maxVisibleItems(), 15);
        EXPECT_EQ(list(n)->currentIndex(), -1);
    }
    EXPECT_EQ(list(1)->itemText(10), "FM    Federated Micronesia");
    EXPECT_EQ(window->helpText(),
              "USA State Code Lookup Utility\r\n\r\n"
              "This utility allows you to lookup American State Codes. \r\n"
              "To use, decide whether you wish to search by Code or\r\n"
              "by state, and click on the appropriate box.  Enter the\r\n"
              "first letter of the state/code and scroll the list to\r\n"
              "find the desired entry.  \r\n");
}

TEST_F(StateCodesWindowTest, TypingALetterSelectsTheNextEntryStartingWithIt)
{
    open();
    list(1)->setFocus();
    QTest::keyClick(list(1), Qt::Key_N, Qt::NoModifier, 0);
    EXPECT_EQ(list(1)->currentText(), "NC    North Carolina");
    QTest::keyClick(list(1), Qt::Key_N);
    EXPECT_EQ(list(1)->currentText(), "ND    North Dakota");
    QTest::keyClick(list(2), Qt::Key_W);
    EXPECT_EQ(list(2)->currentText(), "Wake                    WK");
}

TEST_F(StateCodesWindowTest, ProfileSettingMaximisesOnActivation)
{
    writeProfile("[ScreenSize]\r\nUSStateCodes=1\r\n");
    open();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isMaximized(); }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->width() > 282 && window->height() > 233; }));
    // The lists stay whole in the middle, "X" in the top-right corner.
    EXPECT_TRUE(window->rect().contains(list(2)->mapTo(window, list(2)->rect().bottomRight())));
    EXPECT_EQ(window->closePanel()->geometry().right(), window->width() - 2);

    QTest::mouseClick(window->closePanel(), Qt::LeftButton);
    EXPECT_FALSE(menu->windowOpen(StateCodesWindow::MenuEntry));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));

    writeProfile("[ScreenSize]\r\nUSStateCodes=F\r\n");
    open();
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(window->size(), QSize(282, 233));
}
