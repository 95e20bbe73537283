// Cost of the Duza Zidova picture operations on a large picture in every
// pixel format, against a plain memcpy of the same number of bytes: the
// image utilities should stay within a small multiple of it, and one
// freehand segment with its three mirror copies well inside a mouse-move
// interval. After the run each image operation's time is printed as a
// multiple of the memcpy of its own picture.
#include "paint/ImageOps.h"
#include "paint/Picture.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace paint;

namespace {

constexpr int Width = 4000;
constexpr int Height = 3000;
constexpr ColourValue White = 0xFFFFFF;
constexpr ColourValue Red = 0x0000FF;

// A white picture with dark blobs scattered over it, so the outline has
// edges to find and most pixels are background, as on a canvas. The same
// blobs in every format.
Picture makeSample(PixelFormat format)
{
    Picture p = *Picture::create(Width, Height, format);
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
}

const Picture& sampleIn(PixelFormat format)
{
    // Made on first use only, so a filtered run builds only what it needs.
    static std::array<Picture, 5> pictures;
    Picture& picture = pictures[std::size_t(format)];
    if (picture.isNull())
        picture = makeSample(format);
    return picture;
}

const Picture& sample() { return sampleIn(PixelFormat::Rgb32); }

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

// The same operations in each pixel format, each beside a memcpy of its own
// picture's bytes.

void BM_MemcpyOf(benchmark::State& state, PixelFormat format)
{
    const std::size_t bytes = std::size_t(sampleIn(format).image().sizeInBytes());
    std::vector<char> from(bytes, 1);
    std::vector<char> to(bytes, 0);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), to.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
}

void BM_InvertIn(benchmark::State& state, PixelFormat format)
{
    Picture picture = sampleIn(format);
    picture.image().detach();
    for (auto _ : state) {
        imageops::invert(picture);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * picture.image().sizeInBytes());
}

void BM_ReplaceIn(benchmark::State& state, PixelFormat format)
{
    Picture picture = sampleIn(format);
    picture.image().detach();
    ColourValue first = White, second = Red;
    for (auto _ : state) {
        imageops::replaceColour(picture, first, second);
        std::swap(first, second);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * picture.image().sizeInBytes());
}

void BM_OutlineIn(benchmark::State& state, PixelFormat format)
{
    const Picture& original = sampleIn(format);
    Picture picture = original;
    picture.image().detach();
    const std::size_t bytes = std::size_t(original.image().sizeInBytes());
    for (auto _ : state) {
        // Each run starts from the same picture, as in BM_Outline.
        state.PauseTiming();
        std::memcpy(picture.image().bits(), original.image().constBits(), bytes);
        state.ResumeTiming();
        imageops::outline(picture, White, Red);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
}

#define ORVIK_FORMAT_BENCHMARKS(name, format)                                     \
    BENCHMARK_CAPTURE(BM_MemcpyOf, name, format)->Unit(benchmark::kMillisecond);  \
    BENCHMARK_CAPTURE(BM_ReplaceIn, name, format)->Unit(benchmark::kMillisecond); \
    BENCHMARK_CAPTURE(BM_OutlineIn, name, format)->Unit(benchmark::kMillisecond); \
    BENCHMARK_CAPTURE(BM_InvertIn, name, format)->Unit(benchmark::kMillisecond)

ORVIK_FORMAT_BENCHMARKS(indexed8, PixelFormat::Indexed8);
ORVIK_FORMAT_BENCHMARKS(rgb555, PixelFormat::Rgb555);
ORVIK_FORMAT_BENCHMARKS(rgb565, PixelFormat::Rgb565);
ORVIK_FORMAT_BENCHMARKS(rgb24, PixelFormat::Rgb24);
ORVIK_FORMAT_BENCHMARKS(rgb32, PixelFormat::Rgb32);

// One line per operation and format: "replace rgb24: 0.93x memcpy". The
// ratios are taken of CPU time, which other work on a shared machine
// disturbs less than wall time; the wall-time ratio follows in brackets.
void printRatios(const RatioReporter& reporter)
{
    const char* formats[] = {"indexed8", "rgb555", "rgb565", "rgb24", "rgb32"};
    const std::pair<const char*, const char*> operations[] = {
        {"replace", "BM_ReplaceIn/"}, {"outline", "BM_OutlineIn/"}, {"invert", "BM_InvertIn/"}};
    for (const auto& [operation, prefix] : operations)
        for (const char* format : formats) {
            const auto op = reporter.timeOf(prefix + std::string(format));
            const auto copy = reporter.timeOf("BM_MemcpyOf/" + std::string(format));
            if (op && copy)
                std::printf("%s %s: %.2fx memcpy (wall time %.2fx)\n", operation, format, op->cpu / copy->cpu,
                            op->real / copy->real);
        }
}

} // namespace

int main(int argc, char** argv) { return runBenchmarksWithRatios(argc, argv, printRatios); }

