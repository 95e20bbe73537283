// What a screen reader hears from the Typing Tutor and its results: the day,
// the gauges and the words per minute, read through the accessibility
// interface while a drill is typed and after it ends.
#include "TestServices.h"
#include "common/AccessibleValue.h"
#include "platform/Clock.h"
#include "typing/TypingCourse.h"
#include "typing/TypingGauge.h"
#include "typing/TypingResultDialog.h"
#include "typing/TypingScorer.h"
#include "typing/TypingTutorWindow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using accessible::readName;

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

class TypingAccessibility : public ::testing::Test {
protected:
    void SetUp() override
    {
        t.clock.set(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
        TypingResultDialog::modalHook = [this](TypingResultDialog& r) {
            resultNames << readName(r.completedGauge()) << readName(r.accuracyGauge())
                        << readName(r.speedGauge()) << readName(r.wpmLabel());
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
    QString nameOf(const char* child) const { return readName(this->child<QWidget>(child)); }
    void type(const QString& text)
    {
        for (QChar c : text)
            QTest::keyClicks(QApplication::focusWidget() ? QApplication::focusWidget() : tutor.get(), QString(c));
    }

    TestServices t;
    std::unique_ptr<TypingTutorWindow> tutor;
    QStringList resultNames;
};

} // namespace

TEST_F(TypingAccessibility, TheDayAndTheGaugesAreReadWithTheirFigures)
{
    EXPECT_EQ(nameOf("unitsDigit"), "Day: 1");
    QTest::mouseClick(child<QToolButton>("nextDayButton"), Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>("nextDayButton"), Qt::LeftButton);
    EXPECT_EQ(nameOf("unitsDigit"), "Day: 3");
    QTest::mouseClick(child<QToolButton>("previousDayButton"), Qt::LeftButton);
    EXPECT_EQ(nameOf("unitsDigit"), "Day: 2");

    QTest::mouseClick(child<QPushButton>("startButton"), Qt::LeftButton);
    ASSERT_TRUE(tutor->exerciseRunning());
    EXPECT_EQ(nameOf("completedGauge"), "Completed: 0%");
    EXPECT_EQ(nameOf("accuracyGauge"), "Accuracy: 100%");
    EXPECT_EQ(nameOf("wpmLabel"), "Speed: 0 WPM");

    // One right key and one wrong: accuracy falls to a half.
    const QString text = tutor->scorer().text();
    type(text.left(1));
    type(text.at(1) == QLatin1Char('#') ? QStringLiteral("~") : QStringLiteral("#"));
    EXPECT_EQ(nameOf("accuracyGauge"), "Accuracy: 50%");

    // Twelve keys in the first second: 144 words a minute.
    type(text.mid(1, 11));
    t.clock.advance(1000);
    tutor->updateSpeed();
    EXPECT_EQ(nameOf("wpmLabel"), "Speed: 144 WPM");
    EXPECT_EQ(nameOf("speedGauge"), "Speed: 96%");
    EXPECT_EQ(nameOf("completedGauge"), "Completed: 1%"); // 12 of the day's 765

    QTest::mouseClick(child<QPushButton>("cancelButton"), Qt::LeftButton);
    // The results window read its own figures while it was up...
    ASSERT_EQ(resultNames.size(), 4);
    EXPECT_EQ(resultNames[1], "Accuracy: 92%");
    EXPECT_EQ(resultNames[3], "Speed: 144 WPM");
    // ...and the tutor's gauges are back at rest, and say so.
    EXPECT_EQ(nameOf("wpmLabel"), "Speed: 0 WPM");
    EXPECT_EQ(nameOf("completedGauge"), "Completed: 0%");
}
