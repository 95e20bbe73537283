#pragma once
#include <cstdint>

namespace platform {

// The one random generator of the program. A small linear congruential
// generator: cheap to re-seed on every timer tick, and a fixed seed gives
// tests a fixed sequence.
class Random {
public:
    static Random& instance();

    void seed(std::uint32_t value) { state_ = value; }
    std::uint32_t seedValue() const { return state_; }
    // Uniform integer in 0 .. range-1; 0 when range is not positive.
    int below(int range);
    // Uniform integer in low .. high inclusive.
    int between(int low, int high) { return low + below(high - low + 1); }

private:
    std::uint32_t state_ = 0;
};

} // namespace platform
