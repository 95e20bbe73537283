// Any bytes into the bitmap reader; every picture it accepts must write
// out and read back pixel for pixel, and write the same bytes again.
#include "FuzzCheck.h"
#include "paint/BmpCodec.h"

namespace {

bool samePixels(const QImage& a, const QImage& b)
{
    if (a.format() != b.format() || a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto image = paint::bmp::decode(fuzzBytes(data, size));
    if (!image)
        return 0;
    FUZZ_REQUIRE(!image->isNull());
    const QByteArray written = paint::bmp::encode(*image);
    FUZZ_REQUIRE(!written.isEmpty());
    const auto back = paint::bmp::decode(written);
    FUZZ_REQUIRE(back);
    FUZZ_REQUIRE(samePixels(*image, *back));
    FUZZ_REQUIRE(paint::bmp::encode(*back) == written);
    return 0;
}
