#pragma once
#include <QString>
#include <QStringList>
#include <array>

// How the results window grades an exercise: one sentence per gauge and the
// characters that were mistyped.
namespace typing {

QString completionSentence(int completedPercent);
QString accuracySentence(int accuracyPercent);
QString speedSentence(int wordsPerMinute);

// One entry per character code 32..255 that had a wrong key, in code order.
QStringList charactersToPractise(const std::array<int, 256>& missTable);

} // namespace typing
