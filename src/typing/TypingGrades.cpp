#include "typing/TypingGrades.h"

namespace typing {

QString completionSentence(int completedPercent)
{
    return completedPercent == 100 ? QStringLiteral("Well done!  You completed the exercise.")
                                   : QStringLiteral("Exercise not completed!");
}

QString accuracySentence(int accuracyPercent)
{
    if (accuracyPercent >= 100)
        return QStringLiteral("Well done!  You have achieved 100% Accuracy!");
    if (accuracyPercent >= 96)
        return QStringLiteral("Very good - but you need a little more practice.");
    if (accuracyPercent >= 81)
        return QStringLiteral("Getting there, but you need to improve your accuracy");
    return QStringLiteral("Keep practicing - you can do better!");
}

QString speedSentence(int wordsPerMinute)
{
    if (wordsPerMinute >= 91)
        return QStringLiteral("VERY FAST!");
    if (wordsPerMinute >= 61)
        return QStringLiteral("QUITE FAST!!");
    if (wordsPerMinute >= 41)
        return QStringLiteral("FAST!");
    return QStringLiteral("Speed will come with practice!");
}

QStringList charactersToPractise(const MissCounts& misses)
{
    // Control characters (the line breaks) are never something to practise.
    constexpr int FirstPrintable = ' ';
    QStringList characters;
    for (int code = FirstPrintable; code < CharacterCodeCount; ++code)
        if (misses[code] != 0)
            characters << QString(QChar(code));
    return characters;
}

TypingGrades grade(const ExerciseResult& result)
{
    constexpr int FullMarks = 100;
    TypingGrades grades;
    grades.completion = completionSentence(result.completedPercent());
    grades.accuracy = accuracySentence(result.accuracyPercent());
    grades.speed = speedSentence(result.wordsPerMinute());
    grades.practiseShown = result.accuracyPercent() != FullMarks;
    if (grades.practiseShown)
        grades.toPractise = charactersToPractise(result.misses);
    grades.certificateOffered = result.finalExam();
    return grades;
}

} // namespace typing
