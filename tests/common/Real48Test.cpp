#include "common/Real48.h"

#include <cmath>
#include <limits>
#include <random>
#include <gtest/gtest.h>

namespace {

using Bytes = std::array<std::uint8_t, 6>;

long double pow2(int n) { return std::ldexp(1.0L, n); }
const long double largest = std::ldexp(static_cast<long double>(0xFFFFFFFFFFull), 87);

TEST(Real48, KnownByteImages)
{
    const std::pair<long double, Bytes> cases[] = {
        {1.0L, {0x81, 0, 0, 0, 0, 0}},          {-1.0L, {0x81, 0, 0, 0, 0, 0x80}},
        {0.1L, {0x7D, 0xCD, 0xCC, 0xCC, 0xCC, 0x4C}}, {1.0L / 3, {0x7F, 0xAB, 0xAA, 0xAA, 0xAA, 0x2A}},
        {2.0L, {0x82, 0, 0, 0, 0, 0}},          {0.5L, {0x80, 0, 0, 0, 0, 0}},
        {-0.75L, {0x80, 0, 0, 0, 0, 0xC0}},     {0.0L, {0, 0, 0, 0, 0, 0}},
        {-0.0L, {0, 0, 0, 0, 0, 0}},            {pow2(-128), {0x01, 0, 0, 0, 0, 0}},
        {largest, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}}, {-largest, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const auto& [value, image] : cases) {
        EXPECT_EQ(Real48::fromExtended(value).bytes(), image) << double(value);
        EXPECT_EQ(Real48::fromBytes(image).toExtended(), storeReal48(value)) << double(value);
    }
    // 0.1 comes back as its 40-bit rounding.
    EXPECT_EQ(storeReal48(0.1L), std::ldexp(static_cast<long double>(0xCCCCCCCCCDull), -43));
    EXPECT_NEAR(double(largest), 1.7014118e38, 1e31);
    // Exponent 0 is zero whatever the other bytes hold.
    EXPECT_EQ(Real48::fromBytes({0, 0x12, 0x34, 0x56, 0x78, 0x9A}), Real48());
}

TEST(Real48, BelowTheSmallestBecomesZero)
{
    for (const long double v : {pow2(-129), -pow2(-129), pow2(-128) - pow2(-158),
                                std::numeric_limits<long double>::denorm_min()})
        EXPECT_EQ(Real48::fromExtended(v).bytes(), (Bytes{0, 0, 0, 0, 0, 0})) << double(v);
    // Rounding comes first: this rounds up to 2^-128, which fits.
    EXPECT_EQ(storeReal48(pow2(-128) - pow2(-169)), pow2(-128));
}

TEST(Real48, OverflowAboveTheLargest)
{
    const long double halfUlp = pow2(86);
    for (const long double v : {pow2(128), -pow2(128), largest + halfUlp, -(largest + halfUlp),
                                std::numeric_limits<long double>::max(),
                                std::numeric_limits<long double>::infinity(),
                                -std::numeric_limits<long double>::infinity(),
                                std::numeric_limits<long double>::quiet_NaN()}) {
        try {
            storeReal48(v);
            ADD_FAILURE() << "no overflow for " << double(v);
        } catch (const Real48Overflow& e) {
            EXPECT_STREQ(e.what(), "Floating point overflow");
        }
    }
    // Just under half an ulp above the largest still rounds down to it.
    EXPECT_EQ(storeReal48(largest + halfUlp - pow2(76)), largest);
    EXPECT_EQ(storeReal48(-(largest + halfUlp - pow2(76))), -largest);
}

TEST(Real48, RoundsByTheFirstDroppedBitAwayFromZero)
{
    const long double ulp = pow2(-39), half = pow2(-40);
    // An even kept part plus exactly half goes up: not round-half-even.
    EXPECT_EQ(storeReal48(1 + half), 1 + ulp);
    EXPECT_EQ(storeReal48(-(1 + half)), -(1 + ulp));
    EXPECT_EQ(storeReal48(1 + ulp + half), 1 + 2 * ulp);
    EXPECT_EQ(storeReal48(1 + half - pow2(-52)), 1);
    EXPECT_EQ(storeReal48(-(1 + half - pow2(-52))), -1);
    EXPECT_EQ(storeReal48(1 + half + pow2(-52)), 1 + ulp);
    // The carry moves into the exponent.
    EXPECT_EQ(Real48::fromExtended(2 - half).bytes(), (Bytes{0x82, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Real48::fromExtended(-(2 - half)).bytes(), (Bytes{0x82, 0, 0, 0, 0, 0x80}));
}

TEST(Real48, RandomImagesRoundTrip)
{
    std::mt19937 random(48);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 20000; ++i) {
        Bytes image;
        image[0] = static_cast<std::uint8_t>(1 + byte(random) % 255);
        for (int k = 1; k < 6; ++k)
            image[k] = static_cast<std::uint8_t>(byte(random));
        const Real48 real = Real48::fromBytes(image);
        ASSERT_EQ(Real48::fromExtended(real.toExtended()).bytes(), image) << i;
        ASSERT_EQ(static_cast<long double>(real.toDouble()), real.toExtended()) << i;
    }
}

TEST(Real48, StoringGivesWhatTheConversionAndBackGive)
{
    // storeReal48 rounds the common case in place; it must agree with the
    // full conversion everywhere: any mantissa, halves and carries, both
    // signs, and exponents up to and past both ends of the range.
    std::mt19937_64 random(4848);
    const auto slow = [](long double v) { return Real48::fromExtended(v).toExtended(); };
    const auto check = [&](long double v) {
        long double viaStore = 0, viaConversion = 0;
        bool storeThrew = false, conversionThrew = false;
        try { viaStore = storeReal48(v); } catch (const Real48Overflow&) { storeThrew = true; }
        try { viaConversion = slow(v); } catch (const Real48Overflow&) { conversionThrew = true; }
        ASSERT_EQ(storeThrew, conversionThrew) << static_cast<double>(v);
        if (!storeThrew) {
            ASSERT_EQ(viaStore, viaConversion) << static_cast<double>(v);
        }
    };
    for (int exponent = -140; exponent <= 140; ++exponent) {
        for (int i = 0; i < 400; ++i) {
            std::uint64_t bits = random() | (std::uint64_t{1} << 63);
            if (i % 4 == 1)
                bits = (bits & ~((std::uint64_t{1} << 24) - 1)) | (std::uint64_t{1} << 23);   // exactly half
            if (i % 4 == 2)
                bits |= (std::uint64_t{1} << 63) - 1;                                          // carries
            const long double v = std::ldexp(static_cast<long double>(bits), exponent - 63);
            check(v);
            check(-v);
        }
    }
    check(0.0L);
    check(-0.0L);
    check(largest);
    check(std::numeric_limits<long double>::denorm_min());
}

} // namespace
