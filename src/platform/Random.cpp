#include "platform/Random.h"

namespace platform {

Random& Random::instance()
{
    static Random generator;
    return generator;
}

int Random::below(int range)
{
    if (range <= 0)
        return 0;
    state_ = state_ * 134775813u + 1u;
    // Scale the full 32-bit state onto the range: the high bits of an LCG are
    // the well-mixed ones.
    return static_cast<int>((static_cast<std::uint64_t>(state_) * static_cast<std::uint32_t>(range)) >> 32);
}

} // namespace platform
