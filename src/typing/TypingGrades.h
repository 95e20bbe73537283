#pragma once
#include "typing/ExerciseResult.h"

#include <QString>
#include <QStringList>

// How the results window grades an exercise: one sentence per gauge, the
// characters that were mistyped and whether a certificate is on offer.
namespace typing {

QString completionSentence(int completedPercent);
QString accuracySentence(int accuracyPercent);
QString speedSentence(int wordsPerMinute);

// One entry per printable character code (32 up) that had a wrong key, in
// code order.
QStringList charactersToPractise(const MissCounts& misses);

struct TypingGrades {
    QString completion;
    QString accuracy;
    QString speed;
    // A run without a wrong key has nothing to practise, so no list at all.
    bool practiseShown = false;
    QStringList toPractise;
    // After the final exam, finished or not.
    bool certificateOffered = false;
};

TypingGrades grade(const ExerciseResult& result);

} // namespace typing
