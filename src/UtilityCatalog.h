#pragma once
#include "app/UtilityEntry.h"

#include <vector>

// Every utility of this build, one entry per menu entry: its number, caption,
// how its window is made, and what must hold before it opens. The one place
// that knows the utility windows; main hands it to the launcher.
std::vector<UtilityEntry> utilityCatalog();
