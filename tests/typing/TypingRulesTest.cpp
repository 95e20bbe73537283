#include "typing/TypingCourse.h"
#include "typing/TypingGrades.h"
#include "typing/TypingScorer.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <numeric>

using namespace typing;

namespace {

const QDateTime T0(QDate(2026, 12, 7), QTime(9, 0));

// Types the whole text correctly at T0, except one wrong key first when asked.
void typeAll(TypingScorer& scorer, bool oneWrong = false)
{
    if (oneWrong) {
        EXPECT_EQ(scorer.key(QLatin1Char('#'), T0), TypingScorer::KeyResult::Wrong);
    }
    const QString text = scorer.text();
    for (int i = scorer.position(); i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\r') || text[i] == QLatin1Char('\n'))
            continue;
        const auto result = scorer.key(text[i], T0);
        ASSERT_EQ(result, i == text.size() - 3 ? TypingScorer::KeyResult::Finished
                                               : TypingScorer::KeyResult::Correct)
            << "at " << i;
    }
}

} // namespace

TEST(TypingCourse, DrillsAreLaidOutLineByLine)
{
    const int lines[] = {15, 15, 15, 15, 15, 15, 13, 13};
    for (int day = 1; day <= DayCount; ++day) {
        const CourseDay& d = courseDay(day);
        EXPECT_EQ(d.drillLines.size(), lines[day - 1]) << day;
        EXPECT_TRUE(exerciseText(day).endsWith(QLatin1String("\r\n")));
        EXPECT_EQ(exerciseText(day).count(QLatin1String("\r\n")), lines[day - 1]);
        if (day == ExamDay)
            continue;
        for (const QString& line : d.drillLines) {
            EXPECT_FALSE(line.contains(QLatin1String("  "))) << line.toStdString();
            EXPECT_EQ(line, line.trimmed());
        }
    }
    EXPECT_EQ(exerciseText(1).size(), 735);
    EXPECT_EQ(exerciseText(7).size(), 13 * 51);
    EXPECT_EQ(courseDay(1).drillLines[3], "sss lll sss lll sss lll aaa lkj aaa lkj aaa ljk");
    EXPECT_EQ(courseDay(3).drillLines[13], "eiq oop eur iew owu qwp owi eur owi oeq uwo prq");
    EXPECT_EQ(courseDay(6).drillLines.last(), "ping wing ding bang sang fang gang tang pang end.");
    EXPECT_EQ(courseDay(7).drillLines.last(), "1032 4944 9517 4984 0549 8389 5098 4093 0293 9484");
    EXPECT_EQ(courseDay(0).day, 1);
    EXPECT_EQ(courseDay(9).day, 8);
}

TEST(TypingCourse, ExamPassageHasItsForm)
{
    const QStringList lines = courseDay(ExamDay).drillLines;
    ASSERT_EQ(lines.size(), 13);
    int characters = 0;
    int trailing = 0;
    for (const QString& line : lines) {
        EXPECT_LE(line.size(), 67) << line.toStdString();
        characters += line.size();
        trailing += line.endsWith(QLatin1Char(' ')) ? 1 : 0;
        EXPECT_FALSE(line.endsWith(QLatin1String("  ")));
        EXPECT_FALSE(line.startsWith(QLatin1Char(' ')));
        // Sentences within a line are two spaces apart; words one.
        EXPECT_FALSE(line.contains(QRegularExpression(QStringLiteral("[.?!] [A-Z]"))));
        EXPECT_FALSE(line.trimmed().contains(QRegularExpression(QStringLiteral("[^.?!]  "))));
        EXPECT_FALSE(line.contains(QLatin1String("   ")));
    }
    EXPECT_EQ(characters, 766);
    EXPECT_EQ(exerciseText(ExamDay).size(), 792);
    EXPECT_EQ(trailing, 5);
    EXPECT_FALSE(lines.last().contains(QLatin1Char(' ')));
    EXPECT_TRUE(lines.join(QString()).contains(QLatin1String("  ")));
}

TEST(TypingCourse, PagesKeysAndInstructions)
{
    const char* titles[] = {"Day 1 : The Home Keys", "Day 2 : Mastering the Middle Row",
                            "Day 3 : Introducing the Top Row", "Day 4 : Mastering the Top Row",
                            "Day 5 : Introducing the Bottom Row", "Day 6 : Mastering the Bottom Row",
                            "Day 7 : Number keys", "Day 8 : The Final Exam"};
    const char* headings[] = {"Welcome to Tapwell Professional!", "Day 2: Mastering the Middle Row",
                              "Day 3: Introducing the Top Row", "Day 4: Mastering the Top Row",
                              "Day 5: Introducing the Bottom Row", "Day 6: Mastering the Bottom Row",
                              "Day 7: Number keys", "Day 8: The Final Exam"};
    const char* strips[] = {"ASDFGHJKL'?'", "ASDFGHJKL'?'", "QWERTYUIOP", "QWERTYUIOP",
                            "ZXCVBNM,./", "ZXCVBNM,./", "1234567890", ""};
    for (int day = 1; day <= DayCount; ++day) {
        const CourseDay& d = courseDay(day);
        EXPECT_EQ(d.pageTitle, titles[day - 1]);
        QString captions;
        for (const KeyCap& k : d.keys)
            captions += k.caption;
        EXPECT_EQ(captions, strips[day - 1]);

        const QStringList page = d.instructions;
        EXPECT_EQ(page[0], headings[day - 1]);
        EXPECT_EQ(page[1], QString(page[0].size(), QLatin1Char('-')));
        for (const QString& line : page)
            EXPECT_LE(line.size(), InstructionColumns) << line.toStdString();
        // Only day 1 needs the scroll bar; the others fit the box.
        if (day > 1) {
            EXPECT_LE(page.size(), 16) << day;
        }
        EXPECT_EQ(instructionText(day).count(QLatin1String("\r\n")), page.size() - 1);
    }
    EXPECT_EQ(courseDay(1).instructions.size(), 41);
    EXPECT_EQ(courseDay(1).boxLeft, 127);
    EXPECT_EQ(courseDay(2).boxLeft, 110);
    EXPECT_EQ(courseDay(8).boxWidth, 745);
    EXPECT_EQ(courseDay(8).boxLeft, 12);

    // Fingers: little to index on the left, the centre pair, index to little on the right.
    const auto& keys = courseDay(5).keys;
    const char* hints[] = {"Little finger (Left Hand)", "Ring finger (Left Hand)",
                           "Middle finger (Left Hand)", "Index finger (Left Hand)",
                           "Index finger (Left Hand)", "Index finger (Right Hand)",
                           "Index finger (Right Hand)", "Middle finger (Right Hand)",
                           "Ring finger (Right Hand)", "Little finger (Right Hand)"};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(fingerHint(keys[i].finger, keys[i].hand), hints[i]) << keys[i].caption.toStdString();
    QString underlined;
    for (const KeyCap& k : courseDay(1).keys)
        if (k.underlined)
            underlined += k.caption;
    EXPECT_EQ(underlined, "FJ");
    for (const KeyCap& k : courseDay(3).keys)
        EXPECT_FALSE(k.underlined);
}

TEST(GaugeReading, ClampsAndTruncates)
{
    GaugeReading g;
    EXPECT_EQ(g.percent(), 0);
    g.setValue(5);
    EXPECT_EQ(g.value(), 0);  // no room under a zero maximum
    g.setMaximum(3);
    g.setValue(2);
    EXPECT_EQ(g.percent(), 66);
    g.setValue(-4);
    EXPECT_EQ(g.value(), 0);
    g.setValue(9);
    EXPECT_EQ(g.value(), 3);
    g.setMaximum(1);
    EXPECT_EQ(g.value(), 1);
    EXPECT_EQ(g.percent(), 100);
}

TEST(TypingScorer, StartAndIdleKeys)
{
    TypingScorer scorer;
    EXPECT_EQ(scorer.key(QLatin1Char('f'), T0), TypingScorer::KeyResult::Idle);
    EXPECT_EQ(scorer.scoredKeys(), 0);
    EXPECT_FALSE(scorer.clockRunning());
    EXPECT_EQ(scorer.wpmText(), "0 WPM");

    scorer.start(exerciseText(1));
    EXPECT_TRUE(scorer.running());
    EXPECT_EQ(scorer.completed().maximum(), 735);
    EXPECT_EQ(scorer.completed().value(), 0);
    EXPECT_EQ(scorer.accuracy().maximum(), 100);
    EXPECT_EQ(scorer.accuracy().percent(), 100);
    EXPECT_EQ(scorer.speed().maximum(), 150);
    EXPECT_EQ(scorer.markedLength(), 1);

    scorer.finish();
    EXPECT_EQ(scorer.key(QLatin1Char('f'), T0), TypingScorer::KeyResult::Idle);
    EXPECT_EQ(scorer.position(), 0);
    EXPECT_FALSE(scorer.clockRunning());
    // Cancelled straight away: 0 of L, 100 of 100, 0 WPM.
    EXPECT_EQ(scorer.completed().percent(), 0);
    EXPECT_EQ(scorer.accuracy().percent(), 100);
    scorer.resetGauges();
    EXPECT_EQ(scorer.accuracy().maximum(), 0);
    EXPECT_EQ(scorer.completed().maximum(), 0);
    EXPECT_EQ(scorer.speed().maximum(), 150);
}

TEST(TypingScorer, EnterNeverCountsNorStartsTheClock)
{
    TypingScorer scorer;
    scorer.start(exerciseText(1));
    EXPECT_EQ(scorer.key(QLatin1Char('\r'), T0), TypingScorer::KeyResult::Ignored);
    EXPECT_FALSE(scorer.clockRunning());
    EXPECT_EQ(scorer.scoredKeys(), 0);
    EXPECT_FALSE(scorer.tick(T0.addSecs(10)));
    scorer.key(QLatin1Char('f'), T0);
    EXPECT_EQ(scorer.key(QLatin1Char('\r'), T0), TypingScorer::KeyResult::Ignored);
    EXPECT_EQ(scorer.scoredKeys(), 1);
    EXPECT_EQ(scorer.position(), 1);
}

TEST(TypingScorer, WrongKeysCountAgainstTheExpectedCharacter)
{
    TypingScorer scorer;
    scorer.start(exerciseText(1));
    EXPECT_EQ(scorer.key(QLatin1Char('F'), T0), TypingScorer::KeyResult::Wrong);  // case counts
    EXPECT_EQ(scorer.key(QChar(8), T0), TypingScorer::KeyResult::Wrong);          // Backspace too
    EXPECT_EQ(scorer.misses()['f'], 2);
    EXPECT_EQ(scorer.misses()['F'], 0);
    EXPECT_EQ(scorer.position(), 0);
    EXPECT_EQ(scorer.accuracy().percent(), 0);
    EXPECT_TRUE(scorer.clockRunning());

    EXPECT_EQ(scorer.key(QLatin1Char('f'), T0), TypingScorer::KeyResult::Correct);
    EXPECT_EQ(scorer.accuracy().maximum(), 300);
    EXPECT_EQ(scorer.accuracy().value(), 100);  // 100 per right key from the first miss on
    EXPECT_EQ(scorer.accuracy().percent(), 33);
    EXPECT_EQ(scorer.correctKeys(), 1);
    EXPECT_EQ(scorer.scoredKeys(), 3);

    TypingScorer clean;
    clean.start(exerciseText(1));
    clean.key(QLatin1Char('f'), T0);
    clean.key(QLatin1Char('f'), T0);
    EXPECT_EQ(clean.accuracy().value(), 300);  // one hundred ahead until the first miss
    EXPECT_EQ(clean.accuracy().percent(), 100);
    clean.key(QLatin1Char('j'), T0);
    EXPECT_EQ(clean.accuracy().value(), 200);
    EXPECT_EQ(clean.accuracy().maximum(), 300);
}

TEST(TypingScorer, LineBreaksArePassedOverAndTheEndFinishes)
{
    TypingScorer scorer;
    scorer.start(QStringLiteral("ab\r\ncd\r\n"));
    scorer.key(QLatin1Char('a'), T0);
    EXPECT_EQ(scorer.position(), 1);
    EXPECT_EQ(scorer.completed().value(), 2);
    scorer.key(QLatin1Char('b'), T0);
    EXPECT_EQ(scorer.position(), 4);  // over CR and LF to 'c'
    EXPECT_EQ(scorer.completed().value(), 5);
    EXPECT_EQ(scorer.markedLength(), 5);
    EXPECT_EQ(scorer.key(QLatin1Char('\n'), T0), TypingScorer::KeyResult::Wrong);
    EXPECT_EQ(scorer.misses()['c'], 1);
    scorer.key(QLatin1Char('c'), T0);
    EXPECT_EQ(scorer.key(QLatin1Char('d'), T0), TypingScorer::KeyResult::Finished);
    EXPECT_EQ(scorer.position(), 9);  // ran past the end
    EXPECT_EQ(scorer.completed().percent(), 100);
    EXPECT_EQ(scorer.markedLength(), 8);

    TypingScorer day1;
    day1.start(exerciseText(1));
    for (QChar c : courseDay(1).drillLines[0])
        day1.key(c, T0);
    EXPECT_EQ(day1.position(), 49);
    typeAll(day1);
}

TEST(TypingScorer, SpeedFormulaAndCap)
{
    // Day 7: 637 characters, so ((100 * 638 * 12) div 100) div t = 7656 div t.
    TypingScorer clean;
    clean.start(exerciseText(7));
    typeAll(clean);
    EXPECT_EQ(clean.correctKeys(), 637);
    EXPECT_FALSE(clean.tick(T0.addMSecs(999)));  // no speed in the first second
    EXPECT_EQ(clean.speed().value(), 0);
    EXPECT_TRUE(clean.tick(T0.addSecs(58)));
    EXPECT_EQ(clean.quarterCount(), 232);
    EXPECT_EQ(clean.speed().value(), 132);
    EXPECT_EQ(clean.wpmText(), "132 WPM");
    clean.tick(T0.addMSecs(58'999));
    EXPECT_EQ(clean.speed().value(), 132);  // whole seconds only
    clean.tick(T0.addSecs(51));
    EXPECT_EQ(clean.speed().value(), 150);  // 150.1 capped
    clean.tick(T0.addSecs(1));
    EXPECT_EQ(clean.wpmText(), "150 WPM");

    TypingScorer oneMiss;
    oneMiss.start(exerciseText(7));
    typeAll(oneMiss, true);
    oneMiss.tick(T0.addSecs(58));
    EXPECT_EQ(oneMiss.speed().value(), 131);  // 7644 div 58
    oneMiss.tick(T0.addSecs(51));
    EXPECT_EQ(oneMiss.speed().value(), 149);

    TypingScorer day1;
    day1.start(exerciseText(1));
    typeAll(day1);
    day1.tick(T0.addSecs(60));
    EXPECT_EQ(day1.speed().value(), (100 * (705 + 1) * 12 / 100) / 60);
    day1.finish();
    EXPECT_FALSE(day1.tick(T0.addSecs(90)));
    EXPECT_EQ(day1.speed().value(), 141);
}

TEST(TypingScorer, ResultOfAKnownKeySequence)
{
    // "ab", "cd": eight characters with the line breaks.
    TypingScorer scorer;
    scorer.start(QStringLiteral("ab\r\ncd\r\n"));
    scorer.key(QLatin1Char('x'), T0);                  // 'a' wanted
    scorer.key(QLatin1Char('a'), T0.addMSecs(300));
    scorer.key(QLatin1Char('b'), T0.addMSecs(600));
    scorer.tick(T0.addMSecs(2000));                     // (200 * 12 div 100) div 2

    const ExerciseResult halfway = scorer.result(3);
    EXPECT_EQ(halfway.day, 3);
    EXPECT_FALSE(halfway.finalExam());
    EXPECT_EQ(halfway.completed.value(), 5);
    EXPECT_EQ(halfway.completed.maximum(), 8);
    EXPECT_EQ(halfway.completedPercent(), 62);
    EXPECT_EQ(halfway.accuracy.value(), 200);
    EXPECT_EQ(halfway.accuracy.maximum(), 300);
    EXPECT_EQ(halfway.accuracyPercent(), 66);
    EXPECT_EQ(halfway.wordsPerMinute(), 12);
    EXPECT_EQ(halfway.speed.maximum(), 150);
    EXPECT_EQ(halfway.wpmText(), "12 WPM");
    MissCounts expectedMisses{};
    expectedMisses['a'] = 1;
    EXPECT_EQ(halfway.misses, expectedMisses);

    scorer.key(QLatin1Char('c'), T0.addMSecs(2100));
    EXPECT_EQ(scorer.key(QLatin1Char('d'), T0.addMSecs(2200)), TypingScorer::KeyResult::Finished);
    scorer.finish();
    const ExerciseResult done = scorer.result(8);
    EXPECT_TRUE(done.finalExam());
    EXPECT_EQ(done.completed.value(), 8);   // ran past the end, held at the length
    EXPECT_EQ(done.completedPercent(), 100);
    EXPECT_EQ(done.accuracy.value(), 400);
    EXPECT_EQ(done.accuracy.maximum(), 500);
    EXPECT_EQ(done.accuracyPercent(), 80);
    EXPECT_EQ(done.wordsPerMinute(), 12);   // speed moves on ticks only
    EXPECT_EQ(done.misses, expectedMisses);
    // What was handed over stays as it was.
    EXPECT_EQ(halfway.completed.value(), 5);
}

TEST(TypingScorer, ResultWithNoKeysAndWithEveryKeyWrong)
{
    TypingScorer untouched;
    untouched.start(exerciseText(1));
    untouched.tick(T0.addSecs(30));   // no first key, no clock
    const ExerciseResult none = untouched.result(1);
    EXPECT_EQ(none.completed.value(), 0);
    EXPECT_EQ(none.completed.maximum(), 735);
    EXPECT_EQ(none.completedPercent(), 0);
    EXPECT_EQ(none.accuracy.value(), 100);
    EXPECT_EQ(none.accuracy.maximum(), 100);
    EXPECT_EQ(none.accuracyPercent(), 100);
    EXPECT_EQ(none.wordsPerMinute(), 0);
    EXPECT_EQ(none.wpmText(), "0 WPM");
    EXPECT_EQ(none.misses, MissCounts{});

    TypingScorer wrong;
    wrong.start(QStringLiteral("ab\r\n"));
    for (QChar c : QStringLiteral("bBA\b"))
        EXPECT_EQ(wrong.key(c, T0), TypingScorer::KeyResult::Wrong);
    EXPECT_TRUE(wrong.tick(T0.addSecs(5)));
    const ExerciseResult allWrong = wrong.result(2);
    EXPECT_EQ(allWrong.completed.value(), 0);
    EXPECT_EQ(allWrong.completed.maximum(), 4);
    EXPECT_EQ(allWrong.accuracy.value(), 0);
    EXPECT_EQ(allWrong.accuracy.maximum(), 400);
    EXPECT_EQ(allWrong.accuracyPercent(), 0);
    EXPECT_EQ(allWrong.wordsPerMinute(), 0);
    EXPECT_EQ(allWrong.misses['a'], 4);
    EXPECT_EQ(std::accumulate(allWrong.misses.begin(), allWrong.misses.end(), 0), 4);

    const TypingGrades grades = grade(allWrong);
    EXPECT_EQ(grades.completion, "Exercise not completed!");
    EXPECT_EQ(grades.accuracy, "Keep practicing - you can do better!");
    EXPECT_EQ(grades.speed, "Speed will come with practice!");
    EXPECT_TRUE(grades.practiseShown);
    EXPECT_EQ(grades.toPractise, QStringList{"a"});
    EXPECT_FALSE(grades.certificateOffered);
}

TEST(TypingGrades, GradeOfAResult)
{
    // A clean exam run: full marks, nothing to practise, a certificate.
    TypingScorer exam;
    exam.start(exerciseText(ExamDay));
    typeAll(exam);
    exam.tick(T0.addSecs(120));
    EXPECT_EQ(exam.result(ExamDay).wordsPerMinute(), 76);   // (100 * 767 * 12 div 100) div 120
    TypingGrades grades = grade(exam.result(ExamDay));
    EXPECT_EQ(grades.completion, "Well done!  You completed the exercise.");
    EXPECT_EQ(grades.accuracy, "Well done!  You have achieved 100% Accuracy!");
    EXPECT_EQ(grades.speed, "QUITE FAST!!");
    EXPECT_FALSE(grades.practiseShown);
    EXPECT_TRUE(grades.toPractise.isEmpty());
    EXPECT_TRUE(grades.certificateOffered);

    // The same on day 7 offers no certificate; one miss lists its character.
    TypingScorer drill;
    drill.start(exerciseText(7));
    typeAll(drill, true);
    grades = grade(drill.result(7));
    EXPECT_FALSE(grades.certificateOffered);
    EXPECT_EQ(grades.accuracy, "Very good - but you need a little more practice.");  // 637 of 638
    EXPECT_TRUE(grades.practiseShown);
    EXPECT_EQ(grades.toPractise, QStringList{"0"});
}

TEST(TypingGrades, SentencesAtTheirBoundaries)
{
    EXPECT_EQ(completionSentence(100), "Well done!  You completed the exercise.");
    EXPECT_EQ(completionSentence(99), "Exercise not completed!");
    EXPECT_EQ(completionSentence(0), "Exercise not completed!");

    EXPECT_EQ(accuracySentence(100), "Well done!  You have achieved 100% Accuracy!");
    EXPECT_EQ(accuracySentence(99), "Very good - but you need a little more practice.");
    EXPECT_EQ(accuracySentence(96), "Very good - but you need a little more practice.");
    EXPECT_EQ(accuracySentence(95), "Getting there, but you need to improve your accuracy");
    EXPECT_EQ(accuracySentence(81), "Getting there, but you need to improve your accuracy");
    EXPECT_EQ(accuracySentence(80), "Keep practicing - you can do better!");
    EXPECT_EQ(accuracySentence(0), "Keep practicing - you can do better!");

    EXPECT_EQ(speedSentence(150), "VERY FAST!");
    EXPECT_EQ(speedSentence(91), "VERY FAST!");
    EXPECT_EQ(speedSentence(90), "QUITE FAST!!");
    EXPECT_EQ(speedSentence(61), "QUITE FAST!!");
    EXPECT_EQ(speedSentence(60), "FAST!");
    EXPECT_EQ(speedSentence(41), "FAST!");
    EXPECT_EQ(speedSentence(40), "Speed will come with practice!");
}

TEST(TypingGrades, CharactersToPractiseInCodeOrderOnce)
{
    MissCounts misses{};
    misses['a'] = 3;
    misses[','] = 1;
    misses['\r'] = 2;  // never listed
    misses[31] = 1;
    misses[255] = 1;
    misses[32] = 1;
    EXPECT_EQ(charactersToPractise(misses),
              (QStringList{" ", ",", "a", QString(QChar(255))}));
    EXPECT_TRUE(charactersToPractise({}).isEmpty());
}
