// Cost of the Duza Zidova picture operations on a large 32-bit picture,
// against a plain memcpy of the same number of bytes: the image utilities
// should stay within a small multiple of it, and one freehand segment with
// its three mirror copies well inside a mouse-move interval.
#include "paint/ImageOps.h"
#include "paint/Picture.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

using namespace paint;

namespace {

constexpr int Width = 4000;
constexpr int Height = 3000;
constexpr ColourValue White = 0xFFFFFF;
constexpr ColourValue Red = 0x0000FF;

// A white picture with dark blobs scattered over it, so the outline has
// edges to find and most pixels are background, as on a canvas.
const Picture& sample()
{
    static const Picture picture = [] {
        Picture p = *Picture::create(Width, Height, PixelFormat::Rgb32);
        p.pen() = {0x402010, 41, RasterMode::Copy};
        std::uint32_t state = 1;
        for (int i = 0; i < 400; ++i) {
            state = state * 1664525u + 1013904223u;
            const int x = int(state % Width);
            state = state * 1664525u + 1013904223u;
            const int y = int(state % Height);
            p.drawLine({x, y}, {x + 60, y + 25});
        }
        return p;
    }();
    return picture;
}

std::size_t pictureBytes() { return std::size_t(sample().image().sizeInBytes()); }

void BM_Memcpy(benchmark::State& state)
{
    std::vector<char> from(pictureBytes(), 1);
    std::vector<char> to(pictureBytes(), 0);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), to.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(to.size()));
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

void BM_Invert(benchmark::State& state)
{
    Picture picture = sample();
    picture.image().detach();
    for (auto _ : state) {
        imageops::invert(picture);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(pictureBytes()));
}
BENCHMARK(BM_Invert)->Unit(benchmark::kMillisecond);

void BM_ReplaceColour(benchmark::State& state)
{
    Picture picture = sample();
    picture.image().detach();
    ColourValue first = White, second = Red;
    for (auto _ : state) {
        imageops::replaceColour(picture, first, second);
        std::swap(first, second);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(pictureBytes()));
}
BENCHMARK(BM_ReplaceColour)->Unit(benchmark::kMillisecond);

void BM_Outline(benchmark::State& state)
{
    Picture picture = sample();
    picture.image().detach();
    for (auto _ : state) {
        // Each run starts from the same picture; outlines would pile up.
        state.PauseTiming();
        std::memcpy(picture.image().bits(), sample().image().constBits(), pictureBytes());
        state.ResumeTiming();
        imageops::outline(picture, White, Red);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(pictureBytes()));
}
BENCHMARK(BM_Outline)->Unit(benchmark::kMillisecond);

// One mouse move: the segment and its three mirror copies.
void BM_SegmentWithMirrors(benchmark::State& state)
{
    Picture picture = sample();
    picture.image().detach();
    picture.pen() = {0x3080C0, 75, RasterMode(state.range(0))};
    const QPoint a(1000, 1000), b(1040, 1030);
    for (auto _ : state) {
        benchmark::DoNotOptimize(picture.drawLine(a, b));
        benchmark::DoNotOptimize(picture.drawLine({Width - a.x(), a.y()}, {Width - b.x(), b.y()}));
        benchmark::DoNotOptimize(picture.drawLine({a.x(), Height - a.y()}, {b.x(), Height - b.y()}));
        benchmark::DoNotOptimize(picture.drawLine({Width - a.x(), Height - a.y()}, {Width - b.x(), Height - b.y()}));
    }
}
BENCHMARK(BM_SegmentWithMirrors)
    ->Arg(int(RasterMode::Copy))
    ->Arg(int(RasterMode::MergeNotDest))
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
