#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The typing course as data: eight days, each with its page title, its strip
// of key caps, its instruction page and the text to type. Days 1 to 7 are
// drills; day 8 is the final exam.
namespace typing {

constexpr int DayCount = 8;
constexpr int ExamDay = 8;
// Instruction pages are laid out for a fixed-pitch box of this many columns.
constexpr int InstructionColumns = 64;

enum class Finger { Little, Ring, Middle, Index };
enum class Hand { Left, Right };

struct KeyCap {
    QString caption;
    Finger finger;
    Hand hand;
    bool underlined = false;   // the keys with the raised marks
};

struct CourseDay {
    int day;
    QString pageTitle;
    QList<KeyCap> keys;        // in keyboard order, left to right
    QStringList instructions;  // the lines of the instruction page
    QStringList drillLines;    // the lines to type, without line breaks
    int boxLeft;               // typing box while the exercise runs
    int boxWidth;
};

// The day's course data, 1..8; out-of-range days are clamped.
const CourseDay& courseDay(int day);

// The exercise text: every line followed by CR LF, the last one too.
QString exerciseText(int day);

// The instruction page as one text, lines joined by CR LF.
QString instructionText(int day);

// The hover hint of a key cap, e.g. "Index finger (Left Hand)".
QString fingerHint(Finger finger, Hand hand);

} // namespace typing
