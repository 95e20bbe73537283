#include "LauncherFixture.h"

#include "app/MidiService.h"

#include <QLabel>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

namespace {

const QString ColourWarning =
    "For optimum performance, you should set your video driver to at least 65K (16 bit) colour."
    "\n\nOrvik will run with the current setting, however you may notice some unusual effects";

} // namespace

TEST_F(LauncherTest, SplashIsABorderlessTopmostWindowOfFixedSizeWithItsTimerRunning)
{
    EXPECT_EQ(mm->size(), QSize(536, 154));
    EXPECT_TRUE(mm->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(mm->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(mm->closeTimer()->isActive());
    EXPECT_EQ(mm->closeTimer()->interval(), 7000);
    ASSERT_NE(mm->findChild<QLabel*>("Image4"), nullptr);
    EXPECT_EQ(mm->findChild<QLabel*>("Image4")->size(), QSize(497, 79));
    bool seen = false;
    for (QLabel* label : mm->findChildren<QLabel*>())
        seen = seen || label->text() == "Millennium Edition v1.01";
    EXPECT_TRUE(seen);
}

TEST_F(LauncherTest, SplashEndsOnceWhateverEndsIt)
{
    mm->setTrayAvailable(true);
    mm->ColourDepth = 8;
    mm->show();
    QTest::keyClick(mm.get(), Qt::Key_A);   // other keys do nothing
    EXPECT_FALSE(mm->splashEnded());
    QTest::keyClick(mm.get(), Qt::Key_Return);
    EXPECT_TRUE(mm->splashEnded());
    EXPECT_FALSE(mm->isVisible());
    EXPECT_FALSE(mm->closeTimer()->isActive());
    EXPECT_TRUE(mm->trayIconShown());
    // A later click or the timer finds the splash ended: no second warning.
    mm->TimerToCloseTimer();
    QTest::mouseClick(mm->findChild<QLabel*>("Image4"), Qt::LeftButton);
    ASSERT_EQ(dialogs.scripted.asked.size(), 1);
    EXPECT_EQ(dialogs.scripted.asked[0].text, ColourWarning);
    EXPECT_EQ(dialogs.scripted.asked[0].kind, platform::MessageKind::Information);
    EXPECT_EQ(dialogs.scripted.asked[0].buttons, platform::Ok | platform::Help);
    EXPECT_EQ(dialogs.scripted.asked[0].helpContext, 75);
}

TEST_F(LauncherTest, ClickOnTheLogoEndsTheSplashWithoutWarningOnADeepDisplay)
{
    mm->setTrayAvailable(true);
    mm->ColourDepth = 24;
    mm->show();
    QTest::mousePress(mm->findChild<QLabel*>("Image4"), Qt::RightButton);
    EXPECT_TRUE(mm->splashEnded());
    EXPECT_TRUE(dialogs.scripted.asked.isEmpty());
}

TEST_F(LauncherTest, TrayIconCarriesTheTipAndLeftClickShowsTheMenuOnce)
{
    mm->setTrayAvailable(true);
    mm->TimerToCloseTimer();
    EXPECT_EQ(mm->trayTip(), "Orvik 2000 v1.01");
    EXPECT_FALSE(menu->isVisible());

    mm->TrayIconMessageHandler(SplashWindow::WM_LBUTTONDBLCLK);   // a double click itself does nothing
    EXPECT_FALSE(menu->isVisible());
    mm->TrayIconMessageHandler(SplashWindow::WM_LBUTTONDOWN);
    EXPECT_TRUE(menu->isVisible());
    const QPoint where = menu->pos();
    menu->move(where + QPoint(5, 5));
    mm->TrayIconMessageHandler(SplashWindow::WM_LBUTTONDOWN);   // already visible: nothing
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), where + QPoint(5, 5));

    QTest::keyClick(menu.get(), Qt::Key_Escape);
    EXPECT_FALSE(menu->isVisible());
    mm->TrayIconMessageHandler(SplashWindow::WM_LBUTTONDOWN);
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(LauncherTest, RightClickEndsTheProgramEvenWithUtilityWindowsOpen)
{
    mm->setTrayAvailable(true);
    mm->TimerToCloseTimer();
    menu->openEntry(6);
    ASSERT_TRUE(menu->windowOpen(6));
    ASSERT_TRUE(mm->MidiAvailable());
    ASSERT_TRUE(midi->isOpen);
    const int closesBefore = midi->closeCount;
    mm->TrayIconMessageHandler(SplashWindow::WM_RBUTTONDOWN);
    EXPECT_FALSE(mm->trayIconShown());
    EXPECT_GT(midi->closeCount, closesBefore);
    EXPECT_FALSE(midi->isOpen);
    // Nothing was asked of the user.
    EXPECT_TRUE(dialogs.scripted.asked.isEmpty());
}

TEST_F(LauncherTest, WithoutANotificationAreaTheMenuStandsInAndEndsTheProgram)
{
    mm->setTrayAvailable(false);
    mm->TimerToCloseTimer();
    EXPECT_FALSE(mm->trayIconShown());
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(menu->standsInForTray());

    // Choosing a utility hides the menu; when the last window goes it returns.
    menu->openEntry(6);
    EXPECT_FALSE(menu->isVisible());
    QMetaObject::invokeMethod(menu->window(6), "close");
    QTest::qWait(20);
    EXPECT_FALSE(menu->windowOpen(6));
    EXPECT_TRUE(menu->isVisible());

    ASSERT_TRUE(mm->MidiAvailable());
    QTest::keyClick(menu.get(), Qt::Key_Escape);
    EXPECT_FALSE(midi->isOpen);
}

TEST_F(LauncherTest, AutoPlayQueryAnswersZeroForYesAndOneForNo)
{
    dialogs.scripted.answers = {platform::Yes, platform::No};
    EXPECT_EQ(mm->QueryCancelAutoPlay(), 0);
    EXPECT_EQ(mm->QueryCancelAutoPlay(), 1);
    ASSERT_EQ(dialogs.scripted.asked.size(), 2);
    EXPECT_EQ(dialogs.scripted.asked[0].text, "A CD-Rom has been inserted - would you like to run it?");
    EXPECT_EQ(dialogs.scripted.asked[0].kind, platform::MessageKind::Confirmation);
    EXPECT_EQ(dialogs.scripted.asked[0].buttons, platform::Yes | platform::No);
}

TEST_F(LauncherTest, StartUpOpensMidiAndGivesTheSixteenChannelsTheirInstruments)
{
    EXPECT_TRUE(mm->MidiAvailable());
    const std::vector<std::uint32_t> expected{
        0x01C0, 0x64C1, 0x62C2, 0x2EC3, 0x37C4, 0x2FC5, 0x6CC6, 0x6BC7,
        0x72C8, 0x73C9, 0x7FCA, 0x7BCB, 0x6ACC, 0x74CD, 0x75CE, 0x76CF};
    EXPECT_EQ(midi->messages, expected);
}

TEST_F(LauncherTest, WithoutMidiTheProgramStartsSilentlyAndTheMenuHidesTheSwitch)
{
    rebuild(false);
    EXPECT_FALSE(mm->MidiAvailable());
    EXPECT_TRUE(dialogs.scripted.asked.isEmpty());
    menu->show();
    EXPECT_FALSE(menu->soundSwitch());
    EXPECT_TRUE(menu->findChild<QWidget*>("SoundOnOff")->isHidden());
    EXPECT_TRUE(menu->findChild<QWidget*>("Sound")->isHidden());
    EXPECT_TRUE(menu->findChild<QWidget*>("soundBackDrop")->isHidden());
}

TEST_F(LauncherTest, TrayClicksAreHandledAfterTheIconHasFinishedWithThem)
{
    // The icon's own widget is still inside its click handler when it emits;
    // ending the program from there would pull the widget out from under it.
    mm->setTrayAvailable(true);
    mm->TimerToCloseTimer();
    auto* tray = mm->findChild<QSystemTrayIcon*>();
    ASSERT_NE(tray, nullptr);
    emit tray->activated(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(menu->isVisible());
    QCoreApplication::processEvents();
    EXPECT_TRUE(menu->isVisible());

    emit tray->activated(QSystemTrayIcon::Context);
    EXPECT_TRUE(mm->trayIconShown());
    QCoreApplication::processEvents();
    EXPECT_FALSE(mm->trayIconShown());
}
