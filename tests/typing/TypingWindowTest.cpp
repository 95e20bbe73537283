#include "typing/TypingCourse.h"
#include "typing/TypingGauge.h"
#include "typing/TypingResultDialog.h"
#include "typing/TypingTutorWindow.h"

#include "TestServices.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

template <class Window>
constexpr bool saysReleased = requires { &Window::released; };

// What the results window showed while it was up.
struct Shown {
    int completedMax = -1, completedValue = -1, accuracyMax = -1, accuracyValue = -1;
    int speed = -1;
    QString wpm, complete, accuracy, speedText;
    bool listShown = false, certificateShown = false;
    QStringList list;
};

// A tutor built from test services alone, shown. A clock installed as the
// program-wide one stands still at another date, so anything that goes around
// the services' clock shows up as a wrong speed.
class TypingWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        t.clock.set(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
        platform::Clock::install(&elsewhere);
        TypingResultDialog::modalHook = [this](TypingResultDialog& r) {
            Shown s;
            s.completedMax = r.completedGauge()->reading().maximum();
            s.completedValue = r.completedGauge()->reading().value();
            s.accuracyMax = r.accuracyGauge()->reading().maximum();
            s.accuracyValue = r.accuracyGauge()->reading().value();
            s.speed = r.speedGauge()->reading().value();
            s.wpm = r.wpmLabel()->text();
            s.complete = r.findChild<QLabel*>("completionSentence")->text();
            s.accuracy = r.findChild<QLabel*>("accuracySentence")->text();
            s.speedText = r.findChild<QLabel*>("speedSentence")->text();
            auto* list = r.findChild<QListWidget*>("practiseList");
            s.listShown = list->isVisible() && r.findChild<QLabel*>("practiseTitle")->isVisible();
            for (int i = 0; i < list->count(); ++i)
                s.list << list->item(i)->text();
            s.certificateShown = r.findChild<QWidget*>("certificatePanel")->isVisible();
            results.append(s);
        };
        tutor = std::make_unique<TypingTutorWindow>(t.services);
        tutor->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(tutor.get()));
    }
    void TearDown() override
    {
        tutor.reset();
        TypingResultDialog::modalHook = nullptr;
    }

    template <class T> T* child(const char* name) const { return tutor->findChild<T*>(QString::fromLatin1(name)); }
    QTextEdit* box() const { return child<QTextEdit>("typingBox"); }
    QPushButton* start() const { return child<QPushButton>("startButton"); }
    QPushButton* cancel() const { return child<QPushButton>("cancelButton"); }
    QToolButton* left() const { return child<QToolButton>("previousDayButton"); }
    QToolButton* right() const { return child<QToolButton>("nextDayButton"); }
    QTimer* speedTimer() const { return child<QTimer>("speedTimer"); }
    QString wpm() const { return child<QLabel>("wpmLabel")->text(); }
    // Keys arrive where the focus is, as the user's would.
    void type(const QString& text)
    {
        for (QChar c : text)
            QTest::keyClicks(QApplication::focusWidget() ? QApplication::focusWidget() : tutor.get(), QString(c));
    }
    void typeRestOfDrill(int keepBack = 0)
    {
        const QString text = tutor->scorer().text();
        QString rest;
        for (int i = tutor->scorer().position(); i < text.size() - 2 - keepBack; ++i)
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
        while (tutor->day() < day)
            QTest::mouseClick(right(), Qt::LeftButton);
    }

    platform::ManualClock elsewhere{QDateTime(QDate(2001, 1, 1), QTime(0, 0))};
    TestServices t;
    std::unique_ptr<TypingTutorWindow> tutor;
    QList<Shown> results;
};

} // namespace

TEST_F(TypingWindowTest, OpensOnDayOneWithItsCaptionSizeAndKeyCaps)
{
    EXPECT_TRUE(tutor->isVisible());
    EXPECT_EQ(tutor->windowTitle(), "Orvik 2000 - Typing Tutor");
    EXPECT_EQ(tutor->size(), QSize(782, 568));
    EXPECT_EQ(tutor->day(), 1);
    EXPECT_EQ(child<QStackedWidget>("dayPages")->currentIndex(), 0);
    EXPECT_EQ(child<QLabel>("day1Title")->text(), "Day 1 : The Home Keys");
    EXPECT_TRUE(child<QLabel>("day1Title")->isVisible());
    EXPECT_TRUE(box()->toPlainText().startsWith("Welcome to Tapwell Professional!\n----"));
    EXPECT_EQ(box()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(box()->geometry(), QRect(16, 32, 745, 337));
    EXPECT_FALSE(left()->isEnabled());
    EXPECT_TRUE(right()->isEnabled());
    EXPECT_TRUE(start()->isVisible());
    EXPECT_FALSE(cancel()->isVisible());
    EXPECT_EQ(wpm(), "0 WPM");
    EXPECT_EQ(child<QLabel>("unitsDigit")->accessibleName(), "Day: 1");
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>("focusHolder"));
    EXPECT_EQ(box()->focusPolicy(), Qt::NoFocus);
    ASSERT_TRUE(tutor->resultDialog());
    EXPECT_FALSE(tutor->resultDialog()->isVisible());

    // Key caps say their key and their finger.
    QStringList caps;
    for (QLabel* cap : child<QWidget>("day1Page")->findChildren<QLabel*>())
        if (!cap->toolTip().isEmpty())
            caps << cap->accessibleName();
    EXPECT_TRUE(caps.contains("F: Index finger (Left Hand)"));
    EXPECT_TRUE(caps.contains("'?': Little finger (Right Hand)"));
    EXPECT_EQ(caps.size(), 10);

    // 563 high as built; each showing makes it 568.
    TypingTutorWindow unshown(t.services);
    EXPECT_EQ(unshown.size(), QSize(782, 563));
}

TEST_F(TypingWindowTest, ClosingOnlyHidesAndShowingAgainStopsTheExerciseButKeepsTheDay)
{
    // The menu connects released() where a window has one; this one must not,
    // or the menu would forget the tutor it keeps.
    static_assert(!saysReleased<TypingTutorWindow>);

    toDay(3);
    QTest::mouseClick(start(), Qt::LeftButton);
    type("r");
    ASSERT_TRUE(tutor->exerciseRunning());
    QPointer<TypingTutorWindow> same(tutor.get());
    QPointer<TypingResultDialog> firstResults(tutor->resultDialog());

    EXPECT_TRUE(tutor->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(same);
    EXPECT_FALSE(tutor->isVisible());

    tutor->show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(tutor->isVisible());
    EXPECT_EQ(tutor->day(), 3);
    EXPECT_EQ(child<QStackedWidget>("dayPages")->currentIndex(), 2);
    EXPECT_TRUE(box()->toPlainText().startsWith("Day 3: Introducing the Top Row\n"));
    EXPECT_EQ(box()->geometry(), QRect(16, 32, 745, 337));
    EXPECT_FALSE(tutor->exerciseRunning());
    EXPECT_FALSE(firstResults);   // each showing has a fresh results window
    ASSERT_TRUE(tutor->resultDialog());

    const int keys = tutor->scorer().scoredKeys();
    type("r");
    EXPECT_EQ(tutor->scorer().scoredKeys(), keys);
    EXPECT_TRUE(results.isEmpty());
}

TEST_F(TypingWindowTest, KeysWhileIdleChangeNothing)
{
    type("fj\r x");
    EXPECT_EQ(tutor->scorer().scoredKeys(), 0);
    EXPECT_FALSE(speedTimer()->isActive());
    EXPECT_TRUE(results.isEmpty());
    EXPECT_EQ(tutor->day(), 1);
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>("focusHolder"));
}

TEST_F(TypingWindowTest, TypingMarksCorrectKeysOnlyAndClicksKeepThePosition)
{
    QTest::mouseClick(start(), Qt::LeftButton);
    EXPECT_TRUE(tutor->exerciseRunning());
    EXPECT_TRUE(cancel()->isVisible());
    EXPECT_FALSE(start()->isVisible());
    EXPECT_FALSE(left()->isVisible());
    EXPECT_FALSE(right()->isVisible());
    EXPECT_EQ(box()->geometry(), QRect(127, 40, 545, 337));
    EXPECT_EQ(box()->document()->firstBlock().text(), typing::courseDay(1).drillLines[0]);
    EXPECT_TRUE(marked(0));
    EXPECT_FALSE(marked(1));

    type("\r");
    EXPECT_FALSE(speedTimer()->isActive());  // Enter starts no clock
    type("x");
    EXPECT_TRUE(speedTimer()->isActive());
    EXPECT_EQ(tutor->scorer().position(), 0);
    EXPECT_EQ(tutor->scorer().misses()['f'], 1);
    EXPECT_EQ(tutor->scorer().misses()['x'], 0);
    EXPECT_FALSE(marked(1));
    type("ff");
    EXPECT_EQ(tutor->scorer().position(), 2);
    EXPECT_TRUE(marked(2));
    EXPECT_FALSE(marked(3));
    EXPECT_EQ(box()->accessibleDescription(), "Next: f, character 3 of 735");

    QTest::mouseClick(box()->viewport(), Qt::LeftButton, {}, QPoint(400, 200));
    EXPECT_EQ(tutor->scorer().position(), 2);
    EXPECT_EQ(child<TypingGauge>("completedGauge")->reading().value(), 3);
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>("focusHolder"));

    // Arrows do nothing while running, even if reached.
    tutor->nextDay();
    EXPECT_EQ(tutor->day(), 1);
    tutor->previousDay();
    EXPECT_EQ(tutor->day(), 1);

    // Line breaks are passed over: the second line starts after 47 keys.
    type(typing::courseDay(1).drillLines[0].mid(2));
    EXPECT_EQ(tutor->scorer().position(), 49);
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

    EXPECT_FALSE(tutor->exerciseRunning());
    EXPECT_TRUE(start()->isVisible());
    EXPECT_TRUE(right()->isVisible());
    EXPECT_EQ(child<TypingGauge>("accuracyGauge")->reading().maximum(), 0);
    EXPECT_EQ(child<TypingGauge>("completedGauge")->reading().maximum(), 0);
    EXPECT_TRUE(box()->toPlainText().startsWith("Welcome"));
    type("f");
    EXPECT_EQ(results.size(), 1);
}

TEST_F(TypingWindowTest, SpeedFollowsTheServicesClockAndCapsAt150)
{
    toDay(7);
    QTest::mouseClick(start(), Qt::LeftButton);
    type("0");
    t.clock.advance(999);
    tutor->updateSpeed();
    EXPECT_EQ(wpm(), "0 WPM");
    t.clock.advance(1);
    tutor->updateSpeed();
    EXPECT_EQ(wpm(), "24 WPM");  // (200 * 12 div 100) div 1

    typeRestOfDrill(1);
    tutor->updateSpeed();
    EXPECT_EQ(wpm(), "150 WPM");
    EXPECT_EQ(child<TypingGauge>("speedGauge")->reading().value(), 150);
    EXPECT_TRUE(results.isEmpty());
    type("4");
    ASSERT_EQ(results.size(), 1);
    EXPECT_EQ(results[0].speed, 150);
    EXPECT_EQ(results[0].wpm, "150 WPM");
    EXPECT_EQ(results[0].speedText, "VERY FAST!");
    EXPECT_EQ(results[0].complete, "Well done!  You completed the exercise.");
    EXPECT_EQ(results[0].completedValue, 13 * 51);
    EXPECT_FALSE(speedTimer()->isActive());
    EXPECT_EQ(wpm(), "0 WPM");   // the tutor's own gauges are back at rest
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
    EXPECT_EQ(child<QStackedWidget>("dayPages")->currentIndex(), 7);
    EXPECT_TRUE(child<QLabel>("day8Title")->isVisible());
    EXPECT_EQ(child<QLabel>("unitsDigit")->accessibleName(), "Day: 8");
    EXPECT_EQ(box()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QTest::mouseClick(start(), Qt::LeftButton);
    EXPECT_EQ(box()->geometry(), QRect(12, 40, 745, 337));
    type("You");
    QTest::mouseClick(cancel(), Qt::LeftButton);
    ASSERT_EQ(results.size(), 2);
    EXPECT_TRUE(results[1].certificateShown);

    while (tutor->day() > 1)
        QTest::mouseClick(left(), Qt::LeftButton);
    EXPECT_FALSE(left()->isEnabled());
    EXPECT_TRUE(right()->isEnabled());
}
