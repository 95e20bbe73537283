#include "UtilityCatalog.h"

#include "../common/ScopedConfigDir.h"
#include "app/Launcher.h"
#include "app/ProgramMenu.h"
#include "app/SplashWindow.h"
#include "app/TrayIcon.h"
#include "paint/CanvasView.h"
#include "paint/PaintWindow.h"
#include "platform/Dialogs.h"
#include "platform/MidiTransport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>

namespace {

// The program as main builds it, with every utility of the catalogue, ended
// from the tray icon while a utility holds unsaved work.
class ShutDownTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        launcher = std::make_unique<Launcher>(utilityCatalog(), std::make_unique<platform::RecordingMidi>(), 24);
        launcher->tray().setAvailable(true);
        launcher->splash().endSplash();
        ASSERT_TRUE(launcher->tray().isShown());
    }

    template <class Window>
    Window* open(MenuEntry entry)
    {
        launcher->menu().openEntry(entry);
        auto* window = qobject_cast<Window*>(launcher->menu().window(entry));
        return window && QTest::qWaitForWindowExposed(window) ? window : nullptr;
    }

    void rightClickTheTrayIcon() { launcher->tray().handleActivation(QSystemTrayIcon::Context); }

    // Yes to the save question, then the save dialog cancelled.
    void answerYesAndCancelTheSave()
    {
        dialogs.scripted.answers = {platform::Yes};
        dialogs.scripted.fileNames.clear();
    }

    ScopedConfigDir config;
    platform::ScopedDialogs dialogs;
    std::unique_ptr<Launcher> launcher;
};

} // namespace

TEST_F(ShutDownTest, AnUnsavedDrawingIsAskedForAndACancelledSaveKeepsEverything)
{
    QPointer<PaintWindow> paint = open<PaintWindow>(MenuEntry::DuzaZidova);
    ASSERT_TRUE(paint);
    paint->createFirstCanvasIfPending();
    QWidget* canvas = paint->canvasView();
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(20, 20));
    QMouseEvent drag(QEvent::MouseMove, QPointF(60, 40), QPointF(canvas->mapToGlobal(QPoint(60, 40))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &drag);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(60, 40));
    ASSERT_FALSE(paint->saved());
    const QImage drawing = paint->picture().image();

    answerYesAndCancelTheSave();
    rightClickTheTrayIcon();
    ASSERT_EQ(dialogs.scripted.asked.size(), 1);
    EXPECT_EQ(dialogs.scripted.asked[0].text, "Do you wish to save your current pattern?");
    EXPECT_EQ(dialogs.scripted.fileDialogs.size(), 1);
    EXPECT_FALSE(launcher->ended());
    EXPECT_TRUE(launcher->tray().isShown());
    ASSERT_TRUE(paint);
    EXPECT_TRUE(paint->isVisible());
    EXPECT_FALSE(paint->saved());
    EXPECT_EQ(paint->picture().image(), drawing);

    // No lets the drawing go and the program ends.
    dialogs.scripted.answers = {platform::No};
    rightClickTheTrayIcon();
    EXPECT_TRUE(launcher->ended());
    EXPECT_FALSE(launcher->tray().isShown());
}
