#include "typing/TypingGauge.h"
#include "typing/TypingResultDialog.h"

#include "ResultFigures.h"
#include "TestServices.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// A results window with no tutor behind it: all it knows is the result.
class TypingResultDialogTest : public ::testing::Test {
protected:
    void SetUp() override { dialog = std::make_unique<TypingResultDialog>(t.services); }

    void show(const typing::ExerciseResult& result)
    {
        dialog->showResult(result);
        dialog->show();
    }
    template <class T> T* child(const char* name) const { return dialog->findChild<T*>(QString::fromLatin1(name)); }
    QString sentence(const char* name) const { return child<QLabel>(name)->text(); }
    bool practiseShown() const
    {
        return child<QListWidget>("practiseList")->isVisible() && child<QLabel>("practiseTitle")->isVisible();
    }
    QStringList practised() const
    {
        QStringList items;
        auto* list = child<QListWidget>("practiseList");
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        return items;
    }
    bool certificateOffered() const { return child<QWidget>("certificatePanel")->isVisible(); }

    TestServices t;
    std::unique_ptr<TypingResultDialog> dialog;
};

} // namespace

TEST_F(TypingResultDialogTest, CancelledStraightAwayShowsTheRestingFiguresAndFullMarks)
{
    show(resultWith({.day = 1, .completed = 0, .length = 735}));
    EXPECT_EQ(dialog->size(), QSize(535, 398));
    EXPECT_EQ(dialog->completedGauge()->reading().maximum(), 735);
    EXPECT_EQ(dialog->completedGauge()->reading().value(), 0);
    EXPECT_EQ(dialog->accuracyGauge()->percent(), 100);
    EXPECT_EQ(dialog->speedGauge()->reading().value(), 0);
    EXPECT_EQ(dialog->speedGauge()->reading().maximum(), 150);
    EXPECT_EQ(dialog->wpmLabel()->text(), "0 WPM");
    EXPECT_EQ(sentence("completionSentence"), "Exercise not completed!");
    EXPECT_EQ(sentence("accuracySentence"), "Well done!  You have achieved 100% Accuracy!");
    EXPECT_EQ(sentence("speedSentence"), "Speed will come with practice!");
    EXPECT_FALSE(practiseShown());
    EXPECT_FALSE(certificateOffered());
    EXPECT_EQ(child<QLabel>("practiseTitle")->text(),
              "Please pay particular attention to the following characters:");

    QTest::mouseClick(child<QPushButton>("okButton"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(TypingResultDialogTest, SentencesChangeAtTheirBoundariesInOneWindow)
{
    struct Case {
        ResultFigures figures;
        const char* complete;
        const char* accuracy;
        const char* speed;
        const char* wpm;
    };
    // Accuracy in hundreds: 24 of 25 keys is 96%, 81 of 100 is 81%, 4 of 5 is 80%.
    const Case cases[] = {
        {{.completed = 735, .accuracy = 2400, .accuracyOf = 2500, .wordsPerMinute = 91},
         "Well done!  You completed the exercise.", "Very good - but you need a little more practice.",
         "VERY FAST!", "91 WPM"},
        {{.completed = 734, .accuracy = 8100, .accuracyOf = 10000, .wordsPerMinute = 90},
         "Exercise not completed!", "Getting there, but you need to improve your accuracy",
         "QUITE FAST!!", "90 WPM"},
        {{.completed = 735, .accuracy = 400, .accuracyOf = 500, .wordsPerMinute = 41},
         "Well done!  You completed the exercise.", "Keep practicing - you can do better!", "FAST!",
         "41 WPM"},
        {{.completed = 735, .accuracy = 9599, .accuracyOf = 10000, .wordsPerMinute = 40},
         "Well done!  You completed the exercise.",
         "Getting there, but you need to improve your accuracy", "Speed will come with practice!",
         "40 WPM"},
        {{.completed = 735, .accuracy = 73600, .accuracyOf = 73600, .wordsPerMinute = 150},
         "Well done!  You completed the exercise.", "Well done!  You have achieved 100% Accuracy!",
         "VERY FAST!", "150 WPM"},
    };
    for (const Case& c : cases) {
        show(resultWith(c.figures));
        EXPECT_EQ(sentence("completionSentence"), c.complete) << c.wpm;
        EXPECT_EQ(sentence("accuracySentence"), c.accuracy) << c.wpm;
        EXPECT_EQ(sentence("speedSentence"), c.speed) << c.wpm;
        EXPECT_EQ(dialog->wpmLabel()->text(), c.wpm);
        EXPECT_EQ(dialog->speedGauge()->reading().value(), c.figures.wordsPerMinute);
        dialog->hide();
    }
}

TEST_F(TypingResultDialogTest, MissedCharactersInCodeOrderOnceAndNothingLeftFromTheLastRun)
{
    typing::ExerciseResult first = resultWith({.accuracy = 4600, .accuracyOf = 5000});
    first.misses['a'] = 3;
    first.misses[','] = 1;
    first.misses['\n'] = 2;   // a line break is never something to practise
    show(first);
    EXPECT_TRUE(practiseShown());
    EXPECT_EQ(practised(), (QStringList{",", "a"}));
    dialog->hide();

    typing::ExerciseResult second = resultWith({.accuracy = 100, .accuracyOf = 200});
    second.misses['Y'] = 1;
    show(second);
    EXPECT_EQ(practised(), (QStringList{"Y"}));
    dialog->hide();

    show(resultWith({.accuracy = 500, .accuracyOf = 500}));
    EXPECT_FALSE(practiseShown());
    EXPECT_EQ(sentence("accuracySentence"), "Well done!  You have achieved 100% Accuracy!");
}

TEST_F(TypingResultDialogTest, CertificateOfferedAfterTheExamOnlyEvenWhenCancelled)
{
    show(resultWith({.day = 8, .completed = 3, .length = 792}));
    EXPECT_TRUE(certificateOffered());
    EXPECT_EQ(sentence("completionSentence"), "Exercise not completed!");
    EXPECT_EQ(child<QPushButton>("printButton")->text(), "&Print Certificate");
    dialog->hide();

    show(resultWith({.day = 7, .completed = 637, .length = 637}));
    EXPECT_FALSE(certificateOffered());
    EXPECT_EQ(sentence("completionSentence"), "Well done!  You completed the exercise.");
}
