#include "LauncherFixture.h"

#include "app/IntroWindow.h"
#include "app/LazyPicture.h"
#include "app/LinksDialog.h"
#include "app/MidiService.h"
#include "app/Panel.h"
#include "app/PictureStore.h"
#include "app/SoundEffects.h"

#include <QLabel>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

namespace {

const QString ColourWarning =
    "For optimum performance, you should set your video driver to at least 65K (16 bit) colour."
    "\n\nOrvik will run with the current setting, however you may notice some unusual effects";

const std::vector<std::uint32_t> Instruments{
    0x01C0, 0x64C1, 0x62C2, 0x2EC3, 0x37C4, 0x2FC5, 0x6CC6, 0x6BC7,
    0x72C8, 0x73C9, 0x7FCA, 0x7BCB, 0x6ACC, 0x74CD, 0x75CE, 0x76CF};

LazyPicture* logo(SplashWindow& splash) { return splash.findChild<LazyPicture*>("logo"); }

} // namespace

TEST_F(LauncherTest, SplashIsABorderlessTopmostWindowOfFixedSizeWithItsTimerRunning)
{
    EXPECT_EQ(splash().size(), QSize(536, 154));
    EXPECT_TRUE(splash().windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(splash().closeTimer()->isActive());
    EXPECT_EQ(splash().closeTimer()->interval(), 7000);
    ASSERT_NE(logo(splash()), nullptr);
    EXPECT_EQ(logo(splash())->size(), QSize(497, 79));
    EXPECT_EQ(logo(splash())->picture().size(), QSize(497, 79));
    bool seen = false;
    for (QLabel* label : splash().findChildren<QLabel*>())
        seen = seen || label->text() == "Millennium Edition v1.01";
    EXPECT_TRUE(seen);
}

TEST_F(LauncherTest, SplashEndsOnceWhateverEndsIt)
{
    build(true, 8);
    tray().setAvailable(true);
    launcher->start();
    QTest::keyClick(&splash(), Qt::Key_A);   // other keys do nothing
    EXPECT_FALSE(splash().hasEnded());
    QTest::keyClick(&splash(), Qt::Key_Return);
    EXPECT_TRUE(splash().hasEnded());
    EXPECT_FALSE(splash().isVisible());
    EXPECT_FALSE(splash().closeTimer()->isActive());
    EXPECT_TRUE(tray().isShown());
    // A later click or the timer finds the splash ended: no second warning.
    splash().endSplash();
    QTest::mouseClick(logo(splash()), Qt::LeftButton);
    ASSERT_EQ(dialogs.scripted.asked.size(), 1);
    EXPECT_EQ(dialogs.scripted.asked[0].text, ColourWarning);
    EXPECT_EQ(dialogs.scripted.asked[0].kind, platform::MessageKind::Information);
    EXPECT_EQ(dialogs.scripted.asked[0].buttons, platform::Ok | platform::Help);
    EXPECT_EQ(dialogs.scripted.asked[0].helpContext, 75);
}

TEST_F(LauncherTest, ClickOnTheLogoEndsTheSplashWithoutWarningOnADeepDisplay)
{
    tray().setAvailable(true);
    launcher->start();
    QTest::mousePress(logo(splash()), Qt::RightButton);
    EXPECT_TRUE(splash().hasEnded());
    EXPECT_TRUE(dialogs.scripted.asked.isEmpty());
}

TEST_F(LauncherTest, TrayIconCarriesTheTipAndLeftClickShowsTheMenuOnce)
{
    tray().setAvailable(true);
    splash().endSplash();
    EXPECT_EQ(tray().tip(), "Orvik 2000 v1.01");
    EXPECT_FALSE(menu().isVisible());

    tray().handleActivation(QSystemTrayIcon::DoubleClick);   // a double click itself does nothing
    EXPECT_FALSE(menu().isVisible());
    tray().handleActivation(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(menu().isVisible());
    const QPoint where = menu().pos();
    menu().move(where + QPoint(5, 5));
    tray().handleActivation(QSystemTrayIcon::Trigger);   // already visible: nothing
    EXPECT_TRUE(menu().isVisible());
    EXPECT_EQ(menu().pos(), where + QPoint(5, 5));

    QTest::keyClick(&menu(), Qt::Key_Escape);
    EXPECT_FALSE(menu().isVisible());
    tray().handleActivation(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(menu().isVisible());
}

TEST_F(LauncherTest, RightClickEndsTheProgramOnceEveryOpenWindowAgrees)
{
    tray().setAvailable(true);
    splash().endSplash();
    menu().openEntry(MenuEntry::ElectronicDice);
    menu().openEntry(MenuEntry::DateCalculator);
    QPointer<QWidget> dice = menu().window(MenuEntry::ElectronicDice);
    ASSERT_TRUE(dice);
    ASSERT_TRUE(launcher->services().sounds.midiAvailable());
    ASSERT_TRUE(midi->isOpen);
    const int closesBefore = midi->closeCount;
    tray().handleActivation(QSystemTrayIcon::Context);
    EXPECT_TRUE(launcher->ended());
    EXPECT_EQ(ProbeWindow::closeQuestions, 2);   // each window was asked
    EXPECT_FALSE(menu().windowOpen(MenuEntry::ElectronicDice));
    EXPECT_FALSE(menu().windowOpen(MenuEntry::DateCalculator));
    EXPECT_FALSE(tray().isShown());
    EXPECT_GT(midi->closeCount, closesBefore);
    EXPECT_FALSE(midi->isOpen);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(dice);
}

TEST_F(LauncherTest, AWindowThatKeepsItsWorkKeepsTheProgramRunningAsItWas)
{
    tray().setAvailable(true);
    splash().endSplash();
    menu().openEntry(MenuEntry::ElectronicDice);
    menu().openEntry(MenuEntry::DateCalculator);
    auto* keeper = static_cast<ProbeWindow*>(menu().window(MenuEntry::DateCalculator));
    keeper->refuseClose = true;
    ASSERT_TRUE(launcher->services().sounds.midiAvailable());

    tray().handleActivation(QSystemTrayIcon::Context);
    EXPECT_FALSE(launcher->ended());
    EXPECT_TRUE(tray().isShown());
    EXPECT_TRUE(midi->isOpen);
    EXPECT_TRUE(menu().windowOpen(MenuEntry::ElectronicDice));
    EXPECT_TRUE(menu().windowOpen(MenuEntry::DateCalculator));
    EXPECT_TRUE(keeper->isVisible());

    // Once the work is dealt with, the next right click ends the program.
    keeper->refuseClose = false;
    tray().handleActivation(QSystemTrayIcon::Context);
    EXPECT_TRUE(launcher->ended());
}

TEST_F(LauncherTest, WithoutATrayTheMenusWayOutAsksTheWindowsToo)
{
    tray().setAvailable(false);
    splash().endSplash();
    menu().openEntry(MenuEntry::DateCalculator);
    auto* keeper = static_cast<ProbeWindow*>(menu().window(MenuEntry::DateCalculator));
    keeper->refuseClose = true;
    menu().show();
    QTest::keyClick(&menu(), Qt::Key_Escape);
    EXPECT_FALSE(launcher->ended());
    EXPECT_TRUE(menu().isVisible());
    keeper->refuseClose = false;
    QTest::mouseClick(menu().findChild<Panel*>("closePanel"), Qt::LeftButton);
    EXPECT_TRUE(launcher->ended());
}

TEST_F(LauncherTest, WithoutANotificationAreaTheMenuStandsInAndEndsTheProgram)
{
    tray().setAvailable(false);
    splash().endSplash();
    EXPECT_FALSE(tray().isShown());
    EXPECT_TRUE(menu().isVisible());
    EXPECT_TRUE(menu().standsInForTray());

    // Choosing a utility hides the menu; when the last window goes it returns.
    menu().openEntry(MenuEntry::ElectronicDice);
    EXPECT_FALSE(menu().isVisible());
    QMetaObject::invokeMethod(menu().window(MenuEntry::ElectronicDice), "close");
    QTest::qWait(20);
    EXPECT_FALSE(menu().windowOpen(MenuEntry::ElectronicDice));
    EXPECT_TRUE(menu().isVisible());

    ASSERT_TRUE(launcher->services().sounds.midiAvailable());
    QTest::keyClick(&menu(), Qt::Key_Escape);
    EXPECT_TRUE(launcher->ended());
    EXPECT_FALSE(midi->isOpen);
}

TEST_F(LauncherTest, AutoPlayQueryAnswersZeroForYesAndOneForNo)
{
    dialogs.scripted.answers = {platform::Yes, platform::No};
    EXPECT_EQ(launcher->queryAutoPlay(), 0);
    EXPECT_EQ(launcher->queryAutoPlay(), 1);
    ASSERT_EQ(dialogs.scripted.asked.size(), 2);
    EXPECT_EQ(dialogs.scripted.asked[0].text, "A CD-Rom has been inserted - would you like to run it?");
    EXPECT_EQ(dialogs.scripted.asked[0].kind, platform::MessageKind::Confirmation);
    EXPECT_EQ(dialogs.scripted.asked[0].buttons, platform::Yes | platform::No);
}

TEST_F(LauncherTest, NothingTheSplashDoesNotShowIsMadeBeforeItIsPainted)
{
    // Building the launcher opens no device and draws no shared picture;
    // the menu is not made until the splash has been on screen.
    EXPECT_EQ(midi->openCount, 0);
    EXPECT_FALSE(launcher->midi().started());
    EXPECT_FALSE(launcher->services().pictures.drawn());
    EXPECT_FALSE(launcher->menuBuilt());
    EXPECT_FALSE(logo(splash())->drawn());
    launcher->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash()));
    EXPECT_TRUE(QTest::qWaitFor([this] { return logo(splash())->drawn(); }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([this] { return launcher->menuBuilt(); }, 2000));
    // Once painted, the device opens a moment later with the sixteen
    // channels' instruments, and the menu is ready before the splash ends.
    EXPECT_TRUE(QTest::qWaitFor([this] { return midi->openCount == 1; }, 2000));
    EXPECT_EQ(midi->messages, Instruments);
    EXPECT_TRUE(launcher->services().sounds.midiAvailable());
}

TEST_F(LauncherTest, AnyoneAskingForSoundBeforeTheDelayOpensTheDeviceOnce)
{
    EXPECT_TRUE(launcher->services().sounds.midiAvailable());
    EXPECT_TRUE(launcher->services().sounds.midiAvailable());
    EXPECT_EQ(midi->openCount, 1);
    EXPECT_EQ(midi->messages, Instruments);
}

TEST_F(LauncherTest, WithoutMidiTheProgramStartsSilentlyAndTheMenuHidesTheSwitch)
{
    build(false);
    EXPECT_FALSE(launcher->services().sounds.midiAvailable());
    EXPECT_TRUE(dialogs.scripted.asked.isEmpty());
    menu().show();
    EXPECT_FALSE(menu().soundSwitch());
    EXPECT_TRUE(menu().findChild<QWidget*>("soundButton")->isHidden());
    EXPECT_TRUE(menu().findChild<QWidget*>("soundGlow")->isHidden());
    EXPECT_TRUE(menu().findChild<QWidget*>("soundBackdrop")->isHidden());
}

TEST_F(LauncherTest, TheMenuSoundSwitchGatesEveryWindowsEffects)
{
    SoundEffects& sounds = launcher->services().sounds;
    ASSERT_TRUE(sounds.midiAvailable());
    midi->messages.clear();
    sounds.play(SoundGate::Switch, 0x99, 60, 127);
    menu().toggleSound();
    sounds.play(SoundGate::Switch, 0x99, 61, 127);
    sounds.play(SoundGate::Midi, 0x99, 62, 127);   // not behind the switch
    EXPECT_EQ(midi->messages, (std::vector<std::uint32_t>{0x7F3C99, 0x7F3E99}));
}

TEST_F(LauncherTest, TrayClicksAreHandledAfterTheIconHasFinishedWithThem)
{
    // The icon's own widget is still inside its click handler when it emits;
    // ending the program from there would pull the widget out from under it.
    tray().setAvailable(true);
    splash().endSplash();
    auto* icon = tray().findChild<QSystemTrayIcon*>();
    ASSERT_NE(icon, nullptr);
    emit icon->activated(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(menu().isVisible());
    QCoreApplication::processEvents();
    EXPECT_TRUE(menu().isVisible());

    emit icon->activated(QSystemTrayIcon::Context);
    EXPECT_TRUE(tray().isShown());
    QCoreApplication::processEvents();
    EXPECT_FALSE(tray().isShown());
}

TEST_F(LauncherTest, TheIntroductionFollowsTheSplashOnceAndTheSponsorPanelOpensTheLinks)
{
    tray().setAvailable(true);
    EXPECT_EQ(launcher->introWindow(), nullptr);
    splash().endSplash();
    IntroWindow* intro = launcher->introWindow();
    ASSERT_NE(intro, nullptr);
    EXPECT_TRUE(intro->isVisible());
    EXPECT_EQ(intro->windowTitle(), "Introduction");
    intro->close();
    splash().endSplash();   // ended already: the introduction is not shown again
    EXPECT_FALSE(intro->isVisible());

    menu().show();
    QTest::mouseClick(menu().findChild<Panel*>("sponsorPanel"), Qt::LeftButton);
    QPointer<LinksDialog> links = launcher->linksDialog();
    ASSERT_TRUE(links);
    EXPECT_TRUE(links->isVisible());
    EXPECT_TRUE(links->isModal());
    EXPECT_EQ(links->size(), QSize(628, 443));
    EXPECT_EQ(links->windowTitle(), "Support FREE Software!  ");
    links->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(links);   // destroyed when closed
    EXPECT_TRUE(webAddresses.opened.isEmpty());
}
