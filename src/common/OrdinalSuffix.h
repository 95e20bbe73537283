#pragma once
#include <QString>

// The English ordinal suffix of a day of the month: "st" for 1, 21 and 31,
// "nd" for 2 and 22, "rd" for 3 and 23, "th" for the rest of 1..31.
// Empty outside 1..31.
QString ordinalSuffix(int day);
