#include "typing/TypingResultDialog.h"
#include "typing/TypingCourse.h"
#include "typing/TypingGauge.h"
#include "typing/TypingTutorWindow.h"

#include "../app/LauncherFixture.h"
#include "platform/Clock.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace {

// What the results window showed while it was up.
struct Shown {
    int completedMax = -1, completedValue = -1, accuracyMax = -1, accuracyValue = -1;
    int speed = -1;
    QString wpm, complete, accuracy, speedText;
    bool listShown = false, certificateShown = false;
    QStringList list;
};

class TypingWindowTest : public LauncherTest {
protected:
    void SetUp() override
    {
        LauncherTest::SetUp();
        platform::Clock::install(&clock);
        menu->screenSize = [] { return QSize(1024, 768); };
        menu->setFactory(TypingTutorWindow::MenuEntry, [](QWidget* owner) { return new TypingTutorWindow(owner); });
        TypingResultDialog::modalHook = [this](TypingResultDialog& r) {
            Shown s;
            s.completedMax = r.gaugePercentDone()->gauge().maximum();
            s.completedValue = r.gaugePercentDone()->gauge().value();
            s.accuracyMax = r.gaugeAccuracy()->gauge().maximum();
            s.accuracyValue = r.gaugeAccuracy()->gauge().value();
            s.speed = r.gaugeSpeed()->gauge().value();
            s.wpm = r.labWPM()->text();
            s.complete = r.findChild<QLabel*>("labComplete")->text();
            s.accuracy = r.findChild<QLabel*>("labAccuracy")->text();
            s.speedText = r.findChild<QLabel*>("labSpeed")->text();
            auto* list = r.findChild<QListWidget*>("lstIncorrect");
            s.listShown = list->isVisible() && r.findChild<QLabel*>("panTitle")->isVisible();
            for (int i = 0; i < list->count(); ++i)
                s.list << list->item(i)->text();
            s.certificateShown = r.findChild<QWidget*>("panCertificate")->isVisible();
            results.append(s);
        };
        menu->openEntry(TypingTutorWindow::MenuEntry);
        tutor = qobject_cast<TypingTutorWindow*>(menu->window(TypingTutorWindow::MenuEntry));
        ASSERT_TRUE(tutor);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(tutor));
    }
    void TearDown() override
    {
        TypingResultDialog::modalHook = nullptr;
        platform::Clock::install(nullptr);
        LauncherTest::TearDown();
    }

    template <class T> T* child(const char* name) const { return tutor->findChild<T*>(QString::fromLatin1(name)); }
    QTextEdit* box() const { return child<QTextEdit>("TypeBox"); }
    QPushButton* start() const { return child<QPushButton>("btnStart"); }
    QPushButton* cancel() const { return child<QPushButton>("btnCancel"); }
    QToolButton* left() const { return child<QToolButton>("btnDecreaseEx"); }
    QToolButton* right() const { return child<QToolButton>("btnIncreaseEx"); }
    // Keys arrive where the focus is, as the user's would.
    void type(const QString& text)
    {
        for (QChar c : text)
            QTest::keyClicks(QApplication::focusWidget() ? QApplication::focusWidget() : tutor, QString(c));
    }
    void typeRestOfDrill(int keepBack = 0)
    {
        const QString text = tutor->scorer().text();
        QString rest;
        for (int i = tutor->scorer().CursorPos(); i < text.size() - 2 - keepBack; ++i)
            if (text[i] != QLatin1Char('\r') && text[i] != QLatin1Char('\n'))
                rest += text[i];
        type(rest);
    }
    bool marked(int documentPosition) const
    {
        QTextCursor cursor(box()->document());
        cursor.setPosition(documentPosition + 1);
        return cursor.charFormat().fontUnderline() && cursor.charFormat().foreground().color() == Qt::red;
    }
    void toDay(int day)
    {
        while (tutor->LessonDay() < day)
            QTest::mouseClick(right(), Qt::LeftButton);
    }

    platform::ManualClock clock{QDateTime(QDate(2026, 12, 7), QTime(10, 0))};
    TypingTutorWindow* tutor = nullptr;
    QList<Shown> results;
};

} // namespace

TEST_F(TypingWindowTest, OpensOnDayOneAndOnlyHidesOnClose)
{
    EXPECT_EQ(tutor->windowTitle(), "Orvik 2000 - Typing Tutor");
    EXPECT_EQ(tutor->size(), QSize(782, 568));
    EXPECT_EQ(tutor->LessonDay(), 1);
    EXPECT_EQ(child<QStackedWidget>("Page")->currentWidget()->objectName(), "Ex1");
    EXPECT_EQ(child<QLabel>("ExTitle1")->text(), "Day 1 : The Home Keys");
    EXPECT_TRUE(box()->toPlainText().startsWith("Welcome to Tapwell Professional!\n----"));
    EXPECT_EQ(box()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(box()->geometry(), QRect(16, 32, 745, 337));
    EXPECT_FALSE(left()->isEnabled());
    EXPECT_TRUE(right()->isEnabled());
    EXPECT_FALSE(cancel()->isVisible());
    EXPECT_EQ(child<QLabel>("labWPM")->text(), "0 WPM");
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>("editGrabFocus"));
    EXPECT_EQ(box()->focusPolicy(), Qt::NoFocus);

    // Key caps say their key and their finger.
    QStringList caps;
    for (QLabel* cap : child<QWidget>("Ex1")->findChildren<QLabel*>())
        if (!cap->toolTip().isEmpty())
            caps << cap->accessibleName();
    EXPECT_TRUE(caps.contains("F: Index finger (Left Hand)"));
    EXPECT_TRUE(caps.contains("'?': Little finger (Right Hand)"));
    EXPECT_EQ(caps.size(), 10);

    QPointer<TypingTutorWindow> same(tutor);
    tutor->close();
    QApplication::processEvents();
    ASSERT_TRUE(same);
    EXPECT_FALSE(tutor->isVisible());
    EXPECT_TRUE(menu->windowOpen(TypingTutorWindow::MenuEntry));
    menu->openEntry(TypingTutorWindow::MenuEntry);
    EXPECT_EQ(menu->window(TypingTutorWindow::MenuEntry), tutor);
    EXPECT_TRUE(tutor->isVisible());
}

TEST_F(TypingWindowTest, KeysWhileIdleChangeNothing)
{
    type("fj\r x");
    EXPECT_EQ(tutor->scorer().TotalKeys(), 0);
    EXPECT_FALSE(child<QTimer>("timKey")->isActive());
    EXPECT_TRUE(results.isEmpty());
    EXPECT_EQ(tutor->LessonDay(), 1);
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>("editGrabFocus"));
}

TEST_F(TypingWindowTest, TypingMarksCorrectKeysOnlyAndClicksKeepThePosition)
{
    QTest::mouseClick(start(), Qt::LeftButton);
    EXPECT_TRUE(tutor->ExerciseRunning());
    EXPECT_TRUE(cancel()->isVisible());
    EXPECT_FALSE(start()->isVisible());
    EXPECT_FALSE(left()->isVisible());
    EXPECT_FALSE(right()->isVisible());
    EXPECT_EQ(box()->geometry(), QRect(127, 40, 545, 337));
    EXPECT_EQ(box()->document()->firstBlock().text(), typing::courseDay(1).drillLines[0]);
    EXPECT_TRUE(marked(0));
    EXPECT_FALSE(marked(1));

    type("\r");
    EXPECT_FALSE(child<QTimer>("timKey")->isActive());  // Enter starts no clock
    type("x");
    EXPECT_TRUE(child<QTimer>("timKey")->isActive());
    EXPECT_EQ(tutor->scorer().CursorPos(), 0);
    EXPECT_EQ(tutor->MissTable()['f'], 1);
    EXPECT_EQ(tutor->MissTable()['x'], 0);
    EXPECT_FALSE(marked(1));
    type("ff");
    EXPECT_EQ(tutor->scorer().CursorPos(), 2);
    EXPECT_TRUE(marked(2));
    EXPECT_FALSE(marked(3));
    EXPECT_EQ(box()->accessibleDescription(), "Next: f, character 3 of 735");

    QTest::mouseClick(box()->viewport(), Qt::LeftButton, {}, QPoint(400, 200));
    EXPECT_EQ(tutor->scorer().CursorPos(), 2);
    EXPECT_EQ(child<TypingGauge>("gaugePercentDone")->gauge().value(), 3);
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>("editGrabFocus"));

    // Arrows do nothing while running, even if reached.
    tutor->btnIncreaseExClick();
    EXPECT_EQ(tutor->LessonDay(), 1);

    // Line breaks are passed over: the second line starts after 47 keys.
    type(typing::courseDay(1).drillLines[0].mid(2));
    EXPECT_EQ(tutor->scorer().CursorPos(), 49);
    EXPECT_TRUE(marked(48));   // 'f' of line 2 in the box
    EXPECT_FALSE(marked(49));
}

TEST_F(TypingWindowTest, CancelRightAfterStartHandsOverTheRestingFigures)
{
    QTest::mouseClick(start(), Qt::LeftButton);
    QTest::mouseClick(cancel(), Qt::LeftButton);
    ASSERT_EQ(results.size(), 1);
    const Shown& s = results[0];
    EXPECT_EQ(s.completedMax, 735);
    EXPECT_EQ(s.completedValue, 0);
    EXPECT_EQ(s.accuracyMax, 100);
    EXPECT_EQ(s.accuracyValue, 100);
    EXPECT_EQ(s.speed, 0);
    EXPECT_EQ(s.wpm, "0 WPM");
    EXPECT_EQ(s.complete, "Exercise not completed!");
    EXPECT_EQ(s.accuracy, "Well done!  You have achieved 100% Accuracy!");
    EXPECT_EQ(s.speedText, "Speed will come with practice!");
    EXPECT_FALSE(s.listShown);
    EXPECT_FALSE(s.certificateShown);

    EXPECT_FALSE(tutor->ExerciseRunning());
    EXPECT_TRUE(start()->isVisible());
    EXPECT_TRUE(right()->isVisible());
    EXPECT_EQ(child<TypingGauge>("gaugeAccuracy")->gauge().maximum(), 0);
    EXPECT_EQ(child<TypingGauge>("gaugePercentDone")->gauge().maximum(), 0);
    EXPECT_TRUE(box()->toPlainText().startsWith("Welcome"));
    type("f");
    EXPECT_EQ(results.size(), 1);
}

TEST_F(TypingWindowTest, SpeedFollowsTheClockAndCapsAt150)
{
    toDay(7);
    QTest::mouseClick(start(), Qt::LeftButton);
    type("0");
    clock.advance(999);
    tutor->timKeyTimer();
    EXPECT_EQ(child<QLabel>("labWPM")->text(), "0 WPM");
    clock.advance(1);
    tutor->timKeyTimer();
    EXPECT_EQ(child<QLabel>("labWPM")->text(), "24 WPM");  // (200 * 12 div 100) div 1

    typeRestOfDrill(1);
    tutor->timKeyTimer();
    EXPECT_EQ(child<QLabel>("labWPM")->text(), "150 WPM");
    EXPECT_EQ(child<TypingGauge>("gaugeSpeed")->gauge().value(), 150);
    EXPECT_TRUE(results.isEmpty());
    type("4");
    ASSERT_EQ(results.size(), 1);
    EXPECT_EQ(results[0].speed, 150);
    EXPECT_EQ(results[0].wpm, "150 WPM");
    EXPECT_EQ(results[0].speedText, "VERY FAST!");
    EXPECT_EQ(results[0].complete, "Well done!  You completed the exercise.");
    EXPECT_EQ(results[0].completedValue, 13 * 51);
    EXPECT_FALSE(child<QTimer>("timKey")->isActive());
}

TEST_F(TypingWindowTest, MissedCharactersAreListedAndTheExamOffersTheCertificate)
{
    QTest::mouseClick(start(), Qt::LeftButton);
    type("jjfffj;fff ;x");
    QTest::mouseClick(cancel(), Qt::LeftButton);
    ASSERT_EQ(results.size(), 1);
    EXPECT_TRUE(results[0].listShown);
    EXPECT_EQ(results[0].list, (QStringList{" ", "f", "j"}));
    EXPECT_EQ(results[0].accuracyValue, 400);  // 4 right of 13
    EXPECT_EQ(results[0].accuracyMax, 1300);
    EXPECT_EQ(results[0].accuracy, "Keep practicing - you can do better!");

    toDay(8);
    EXPECT_FALSE(right()->isEnabled());
    EXPECT_TRUE(left()->isEnabled());
    EXPECT_EQ(child<QStackedWidget>("Page")->currentWidget()->objectName(), "Ex8");
    EXPECT_EQ(child<QLabel>("digEx0")->accessibleName(), "Day 8");
    EXPECT_EQ(box()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QTest::mouseClick(start(), Qt::LeftButton);
    EXPECT_EQ(box()->geometry(), QRect(12, 40, 745, 337));
    type("You");
    QTest::mouseClick(cancel(), Qt::LeftButton);
    ASSERT_EQ(results.size(), 2);
    EXPECT_TRUE(results[1].certificateShown);

    while (tutor->LessonDay() > 1)
        QTest::mouseClick(left(), Qt::LeftButton);
    EXPECT_FALSE(left()->isEnabled());
    EXPECT_TRUE(right()->isEnabled());
}
