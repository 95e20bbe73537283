#pragma once
#include <array>
#include <cstdint>
#include <stdexcept>

// Raised when a value does not fit the 48-bit real (magnitude above about
// 1.7e38 after rounding, infinity or NaN).
class Real48Overflow : public std::overflow_error {
public:
    Real48Overflow() : std::overflow_error("Floating point overflow") {}
};

// The 6-byte real that several calculations keep their intermediate values
// in. Byte 0 is the exponent (bias 129, 0 means zero); bytes 1..5 hold 39
// fraction bits below an implicit leading 1, least significant byte first;
// the top bit of byte 5 is the sign.
//
// Zero is always held as six zero bytes, so == compares values.
class Real48 {
public:
    Real48() = default;

    // Keeps 40 significant bits, adding the first dropped bit (halves go
    // away from zero). Results below 2^-128 become 0.
    static Real48 fromExtended(long double v);
    static Real48 fromBytes(const std::array<std::uint8_t, 6>& b);

    // Both are exact: 40 bits and the exponent range fit a double.
    long double toExtended() const;
    double toDouble() const;

    std::array<std::uint8_t, 6> bytes() const { return bytes_; }

    friend bool operator==(const Real48&, const Real48&) = default;

private:
    std::array<std::uint8_t, 6> bytes_{};
};

// A value "stored as a 48-bit real": passed through the conversion and back.
// Throws Real48Overflow like fromExtended.
long double storeReal48(long double v);
