#pragma once

namespace typing {

// What a progress gauge holds: a maximum and a value, shown as a whole
// percentage. The clamping is part of the scoring: a new maximum can pull the
// value down, and the value never leaves 0..maximum.
class GaugeReading {
public:
    int maximum() const { return maximum_; }
    int value() const { return value_; }
    // A new maximum pulls a larger value down to it.
    void setMaximum(int maximum);
    // The value always stays within 0..maximum.
    void setValue(int value);
    // trunc(100 * value / maximum), 0 when the maximum is 0.
    int percent() const;

private:
    int maximum_ = 0;
    int value_ = 0;
};

} // namespace typing
