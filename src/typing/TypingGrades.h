#pragma once
#include "typing/TypingScorer.h"

#include <QString>
#include <QStringList>

// How the results window grades an exercise: one sentence per gauge and the
// characters that were mistyped.
namespace typing {

QString completionSentence(int completedPercent);
QString accuracySentence(int accuracyPercent);
QString speedSentence(int wordsPerMinute);

// One entry per printable character code (32 up) that had a wrong key, in
// code order.
QStringList charactersToPractise(const MissCounts& misses);

} // namespace typing
