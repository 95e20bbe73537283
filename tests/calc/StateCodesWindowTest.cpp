#include "calc/StateCodesWindow.h"

#include "TestServices.h"
#include "app/Panel.h"
#include "platform/ConfigDir.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace {

class StateCodesWindowTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        delete window.data();
        QFile::remove(QDir(platform::configDir()).filePath("Orvik.Ini"));
    }
    void open()
    {
        window = new StateCodesWindow(t.services);
        window->show();
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
    QComboBox* byCode() const { return window->findChild<QComboBox*>("byCodeList"); }
    QComboBox* byState() const { return window->findChild<QComboBox*>("byStateList"); }

    TestServices t;
    QPointer<StateCodesWindow> window;
};

} // namespace

TEST_F(StateCodesWindowTest, TwoListsOfTheSameEntriesAndTheHelp)
{
    open();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(282, 233));
    EXPECT_EQ(window->windowTitle(), "USA State Codes");
    EXPECT_EQ(window->findChild<QLabel*>("title")->text(), "USA State Code\nLookup Utility");
    EXPECT_EQ(window->findChild<QLabel*>("byCodeLabel")->text(), "By Code");
    EXPECT_EQ(window->findChild<QLabel*>("byStateLabel")->text(), "By State");
    EXPECT_EQ(window->findChild<QLabel*>("flag")->size(), QSize(74, 36));
    for (QComboBox* list : {byCode(), byState()}) {
        ASSERT_TRUE(list);
        EXPECT_EQ(list->count(), 58);
        EXPECT_FALSE(list->isEditable());
        EXPECT_EQ(list->maxVisibleItems(), 15);
        EXPECT_EQ(list->currentIndex(), -1);
    }
    EXPECT_EQ(byCode()->itemText(10), "FM    Federated Micronesia");
    EXPECT_EQ(byState()->itemText(0), "Alaska                  AK");
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
    byCode()->setFocus();
    QTest::keyClick(byCode(), Qt::Key_N, Qt::NoModifier, 0);
    EXPECT_EQ(byCode()->currentText(), "NC    North Carolina");
    QTest::keyClick(byCode(), Qt::Key_N);
    EXPECT_EQ(byCode()->currentText(), "ND    North Dakota");
    QTest::keyClick(byState(), Qt::Key_W);
    EXPECT_EQ(byState()->currentText(), "Wake                    WK");
}

TEST_F(StateCodesWindowTest, ProfileSettingMaximisesOnActivation)
{
    writeProfile("[ScreenSize]\r\nUSStateCodes=1\r\n");
    open();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isMaximized(); }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->width() > 282 && window->height() > 233; }));
    // The lists stay whole in the middle, "X" in the top-right corner.
    EXPECT_TRUE(window->rect().contains(byState()->mapTo(window, byState()->rect().bottomRight())));
    EXPECT_EQ(window->closePanel()->geometry().right(), window->width() - 2);

    QSignalSpy released(window.data(), &StateCodesWindow::released);
    QTest::mouseClick(window->closePanel(), Qt::LeftButton);
    EXPECT_EQ(released.count(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));

    writeProfile("[ScreenSize]\r\nUSStateCodes=F\r\n");
    open();
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(window->size(), QSize(282, 233));
}
