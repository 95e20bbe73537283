#pragma once
#include "typing/GaugeReading.h"

#include <QString>
#include <array>

namespace typing {

// Wrong keys counted per character code, for the characters of one byte.
constexpr int CharacterCodeCount = 256;
using MissCounts = std::array<int, CharacterCodeCount>;

// The figures a finished or cancelled exercise leaves behind, as its gauges
// held them at the end. The results window shows and grades this and the
// certificate prints from it; neither looks back at the tutor.
struct ExerciseResult {
    static inline const QString WpmSuffix = QStringLiteral(" WPM");

    int day = 1;                 // the course day the exercise belonged to
    GaugeReading completed;      // characters passed, of the text's length
    GaugeReading accuracy;       // in hundreds per key
    GaugeReading speed;          // words per minute, of the most the gauge shows
    MissCounts misses{};         // wrong keys by the character that should have been typed

    int completedPercent() const { return completed.percent(); }
    int accuracyPercent() const { return accuracy.percent(); }
    int wordsPerMinute() const { return speed.value(); }
    // The speed as the label over the gauge reads it, e.g. "42 WPM".
    QString wpmText() const;
    bool finalExam() const;
};

} // namespace typing
