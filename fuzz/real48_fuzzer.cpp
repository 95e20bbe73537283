// The 48-bit real both ways: any six bytes as a stored real must come back
// byte for byte through the extended value, and any extended value must
// store within half a unit of the 40th bit and then stay put.
#include "FuzzCheck.h"
#include "common/Real48.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size >= 6) {
        std::array<std::uint8_t, 6> bytes;
        std::memcpy(bytes.data(), data, 6);
        const Real48 stored = Real48::fromBytes(bytes);
        const long double value = stored.toExtended();
        FUZZ_REQUIRE(std::isfinite(value));
        FUZZ_REQUIRE(Real48::fromExtended(value) == stored);
        FUZZ_REQUIRE(static_cast<long double>(stored.toDouble()) == value);
        if (bytes[0] != 0)
            FUZZ_REQUIRE(stored.bytes() == bytes);
    }
    if (size >= 6 + sizeof(double)) {
        double value;
        std::memcpy(&value, data + 6, sizeof value);
        try {
            const Real48 r = Real48::fromExtended(value);
            const long double back = r.toExtended();
            if (back == 0.0L) {
                FUZZ_REQUIRE(std::fabs(value) < std::ldexp(1.0L, -127));
            } else {
                FUZZ_REQUIRE(std::signbit(back) == std::signbit(value));
                FUZZ_REQUIRE(std::fabs(back - value) <= std::ldexp(std::fabs(value), -40));
            }
            FUZZ_REQUIRE(Real48::fromExtended(back) == r);
        } catch (const Real48Overflow&) {
            FUZZ_REQUIRE(!std::isfinite(value) || std::fabs(value) > 1.7e38);
        }
    }
    return 0;
}
