#include "typing/ExerciseResult.h"

#include "typing/TypingCourse.h"

namespace typing {

QString ExerciseResult::wpmText() const { return QString::number(wordsPerMinute()) + WpmSuffix; }

bool ExerciseResult::finalExam() const { return day == ExamDay; }

} // namespace typing
