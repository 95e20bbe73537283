#include "desktop/GradientStrip.h"
#include "desktop/GradientWallpaper.h"
#include "desktop/JpegWriter.h"

#include <benchmark/benchmark.h>

// The strip is computed again on every slider step, so it must keep up with
// a dragged slider: the longest strip (255 steps) with both its pictures.
static void BM_GradientStripLongest(benchmark::State& state)
{
    for (auto _ : state) {
        const gradient::GradientStrip strip({0, 0, 0}, {0, 0, 255}, true);
        benchmark::DoNotOptimize(strip.horizontal());
        benchmark::DoNotOptimize(strip.vertical());
    }
}
BENCHMARK(BM_GradientStripLongest)->Unit(benchmark::kMicrosecond);

// What a slider step costs the window's rules: the strip recomputed.
static void BM_GradientSliderStep(benchmark::State& state)
{
    GradientWallpaper gradient;
    int red = 0;
    for (auto _ : state) {
        gradient.setFirstColour({red, 30, 0});
        red = (red + 1) % 256;
        benchmark::DoNotOptimize(gradient.previewStrip());
    }
}
BENCHMARK(BM_GradientSliderStep)->Unit(benchmark::kMicrosecond);

// A 1600-row gradient as the user makes one (manual size 1600): the strip,
// then stretched to the 5 x 1600 bitmap and the 1 x 1600 JPEG picture.
static void BM_GradientPicture1600Rows(benchmark::State& state)
{
    for (auto _ : state) {
        const gradient::GradientStrip strip({250, 10, 0}, {0, 120, 255}, true);
        const QImage bands = strip.horizontal();
        benchmark::DoNotOptimize(gradient::stretchNearest(bands, QSize(5, 1600), QImage::Format_RGB32));
        benchmark::DoNotOptimize(gradient::stretchNearest(bands, QSize(1, 1600), QImage::Format_RGB888));
    }
}
BENCHMARK(BM_GradientPicture1600Rows)->Unit(benchmark::kMicrosecond);

static void BM_GradientJpeg1600Rows(benchmark::State& state)
{
    const gradient::GradientStrip strip({250, 10, 0}, {0, 120, 255}, true);
    const QImage picture = gradient::stretchNearest(strip.horizontal(), QSize(1, 1600), QImage::Format_RGB888);
    for (auto _ : state)
        benchmark::DoNotOptimize(jpeg::encode(picture));
}
BENCHMARK(BM_GradientJpeg1600Rows)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
