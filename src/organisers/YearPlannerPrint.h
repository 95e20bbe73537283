#pragma once
#include "organisers/YearPlanner.h"

class QPagedPaintDevice;

namespace planner {

// Writes the lines down the page as plain text in Courier New, the title
// centred by spaces; a new page starts when the next line would not fit.
// Lines wider than the page wrap rather than run off its edge. False when
// the device cannot be painted on (the job never started).
bool printLines(QPagedPaintDevice& device, const QList<PrintLine>& lines);

} // namespace planner
