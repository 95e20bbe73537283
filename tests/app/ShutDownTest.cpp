#include "UtilityCatalog.h"

#include "../common/ScopedConfigDir.h"
#include "app/Launcher.h"
#include "app/ProgramMenu.h"
#include "app/SplashWindow.h"
#include "app/TrayIcon.h"
#include "organisers/AnniversariesWindow.h"
#include "organisers/StopwatchWindow.h"
#include "paint/CanvasView.h"
#include "paint/PaintWindow.h"
#include "platform/Dialogs.h"
#include "platform/MidiTransport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTableView>
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

TEST_F(ShutDownTest, AnUnsavedTimingIsAskedForAndACancelledSaveKeepsEverything)
{
    QPointer<StopwatchWindow> watch = open<StopwatchWindow>(MenuEntry::Stopwatch);
    ASSERT_TRUE(watch);
    watch->pressStartStop();
    watch->releaseStartStop();
    QTest::qWait(20);
    watch->pressStartStop();
    watch->releaseStartStop();
    ASSERT_FALSE(watch->timings().isEmpty());
    ASSERT_FALSE(watch->saved());
    const QStringList timing = watch->timings().toLines();

    answerYesAndCancelTheSave();
    rightClickTheTrayIcon();
    ASSERT_EQ(dialogs.scripted.asked.size(), 1);
    EXPECT_EQ(dialogs.scripted.asked[0].text, "Do you want to save your current timings?");
    EXPECT_EQ(dialogs.scripted.fileDialogs.size(), 1);
    EXPECT_FALSE(launcher->ended());
    EXPECT_TRUE(launcher->tray().isShown());
    ASSERT_TRUE(watch);
    EXPECT_TRUE(watch->isVisible());
    EXPECT_EQ(watch->timings().toLines(), timing);
    EXPECT_FALSE(watch->saved());
}

TEST_F(ShutDownTest, AnUnsavedPlannerEntryIsAskedForAndACancelledSaveKeepsEverything)
{
    QPointer<AnniversariesWindow> planner = open<AnniversariesWindow>(MenuEntry::Anniversaries);
    ASSERT_TRUE(planner);
    planner->showMonth(3);
    QTableView* grid = planner->grid(3);
    grid->setCurrentIndex(grid->model()->index(14, 1));
    QTest::keyClick(grid, 'P');
    QTest::keyClicks(grid->indexWidget(grid->currentIndex()), "arty");
    QTest::keyClick(grid->indexWidget(grid->currentIndex()), Qt::Key_Return);
    ASSERT_EQ(planner->planner().entry(3, 15), "Party");
    ASSERT_FALSE(planner->isSaved());

    answerYesAndCancelTheSave();
    rightClickTheTrayIcon();
    ASSERT_EQ(dialogs.scripted.asked.size(), 1);
    EXPECT_EQ(dialogs.scripted.asked[0].text, "Do you wish to save your data?");
    EXPECT_EQ(dialogs.scripted.fileDialogs.size(), 1);
    EXPECT_FALSE(launcher->ended());
    EXPECT_TRUE(launcher->tray().isShown());
    ASSERT_TRUE(planner);
    EXPECT_TRUE(planner->isVisible());
    EXPECT_EQ(planner->planner().entry(3, 15), "Party");
    EXPECT_FALSE(planner->isSaved());
}
