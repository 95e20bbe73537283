#pragma once
#include "typing/ExerciseResult.h"

// A result with the given gauge readings, for tests that need exact
// percentages without typing them out key by key.
struct ResultFigures {
    int day = 1;
    int completed = 0;
    int length = 735;
    int accuracy = 100;    // in hundreds per key
    int accuracyOf = 100;
    int wordsPerMinute = 0;
};

inline typing::ExerciseResult resultWith(const ResultFigures& figures)
{
    typing::ExerciseResult result;
    result.day = figures.day;
    result.completed.setMaximum(figures.length);
    result.completed.setValue(figures.completed);
    result.accuracy.setMaximum(figures.accuracyOf);
    result.accuracy.setValue(figures.accuracy);
    result.speed.setMaximum(150);
    result.speed.setValue(figures.wordsPerMinute);
    return result;
}
