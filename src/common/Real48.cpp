#include "common/Real48.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr int kBias = 129;
constexpr int kFractionBits = 39;
constexpr std::uint64_t kImplicitOne = std::uint64_t{1} << kFractionBits;
constexpr std::uint64_t kFractionMask = kImplicitOne - 1;

} // namespace

Real48 Real48::fromExtended(long double v)
{
    if (!std::isfinite(v))
        throw Real48Overflow();
    if (v == 0.0L)
        return {};

    const bool negative = std::signbit(v);
    int exponent = 0;
    const long double half = std::frexp(std::fabs(v), &exponent); // in [0.5, 1)

    // The top 64 mantissa bits as an integer in [2^63, 2^64). On x87 that is
    // all of them; a wider long double loses only bits the rounding below
    // never looks at.
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(half, 64));

    // Keep the top 40 bits and add the first dropped one.
    std::uint64_t kept = (mantissa >> 24) + ((mantissa >> 23) & 1);
    if (kept >> (kFractionBits + 1)) { // rounding carried into a 41st bit
        kept >>= 1;
        ++exponent;
    }

    // frexp's 0.5 <= m < 1 becomes 1 <= 1.f < 2, hence one less than the bias.
    const int biased = exponent + kBias - 1;
    if (biased < 1)
        return {};
    if (biased > 255)
        throw Real48Overflow();

    Real48 r;
    const std::uint64_t fraction = kept & kFractionMask;
    r.bytes_[0] = static_cast<std::uint8_t>(biased);
    for (int i = 0; i < 5; ++i)
        r.bytes_[1 + i] = static_cast<std::uint8_t>(fraction >> (8 * i));
    if (negative)
        r.bytes_[5] |= 0x80;
    return r;
}

Real48 Real48::fromBytes(const std::array<std::uint8_t, 6>& b)
{
    Real48 r;
    // An exponent of 0 is zero whatever the other bytes hold.
    if (b[0] != 0)
        r.bytes_ = b;
    return r;
}

long double Real48::toExtended() const
{
    if (bytes_[0] == 0)
        return 0.0L;
    std::uint64_t fraction = 0;
    for (int i = 4; i >= 0; --i)
        fraction = (fraction << 8) | bytes_[1 + i];
    fraction &= kFractionMask;
    const long double magnitude = std::ldexp(static_cast<long double>(kImplicitOne | fraction),
                                             int(bytes_[0]) - kBias - kFractionBits);
    return (bytes_[5] & 0x80) ? -magnitude : magnitude;
}

double Real48::toDouble() const { return static_cast<double>(toExtended()); }

long double storeReal48(long double v)
{
    // The x87 extended format holds its 64 mantissa bits with the leading 1
    // in view, so the common case is rounded in place: the same 40 bits and
    // the same rounding as fromExtended, without taking the number apart.
    // Curves store four values a point, tens of thousands of points a
    // drawing.
    if constexpr (std::numeric_limits<long double>::digits == 64 && sizeof(long double) >= 10) {
        constexpr int ExtendedBias = 16383;
        std::uint64_t mantissa = 0;
        std::uint16_t signAndExponent = 0;
        std::memcpy(&mantissa, &v, sizeof mantissa);
        std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&v) + 8, sizeof signAndExponent);
        int exponent = signAndExponent & 0x7FFF;
        // Far from both ends of the 48-bit range, so neither underflow nor
        // overflow (even after a rounding carry) is possible.
        if ((mantissa >> 63) && exponent >= ExtendedBias - 128 && exponent <= ExtendedBias + 125) {
            std::uint64_t kept = (mantissa >> 24) + ((mantissa >> 23) & 1);
            if (kept >> (kFractionBits + 1)) {
                kept >>= 1;
                ++exponent;
            }
            mantissa = kept << 24;
            signAndExponent = std::uint16_t((signAndExponent & 0x8000) | exponent);
            long double rounded = 0.0L;
            std::memcpy(&rounded, &mantissa, sizeof mantissa);
            std::memcpy(reinterpret_cast<unsigned char*>(&rounded) + 8, &signAndExponent, sizeof signAndExponent);
            return rounded;
        }
    }
    return Real48::fromExtended(v).toExtended();
}
