#include "typing/GaugeReading.h"

#include <algorithm>

namespace typing {

void GaugeReading::setMaximum(int maximum)
{
    maximum_ = std::max(0, maximum);
    value_ = std::min(value_, maximum_);
}

void GaugeReading::setValue(int value) { value_ = std::clamp(value, 0, maximum_); }

int GaugeReading::percent() const
{
    return maximum_ == 0 ? 0 : int((100LL * value_) / maximum_);
}

} // namespace typing
