// The largest ZE-Vav pattern (A = 175, B = 176, Q = 200: 70,400 segments,
// width 40, random colours) drawn on a 1600 x 1000 picture, against a bare
// QPainter loop drawing the same segments in the same colours with a round
// pen of the same width. The pattern is wanted in under 200 ms and within
// 1.1 times the bare loop; after the run both figures and their ratio are
// printed.
#include "paint/ColourStepper.h"
#include "paint/PatternCurve.h"
#include "paint/Picture.h"
#include "platform/Random.h"

#include <QImage>
#include <QPainter>
#include <QPen>

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace paint;

namespace {

constexpr int Width = 1600;
constexpr int Height = 1000;
const PatternParameters Largest{175, 176, 240, 200, 40};
// Where a 1600 x 1000 picture's window puts the centre.
const QPoint Centre = PatternCurve::centreFor(QSize(Width + 4, Height + 4 + 24), 24);

// The whole pattern as the window draws it: the curve worked out in 48-bit
// reals, one random colour per segment, each segment onto the picture.
void BM_Pattern(benchmark::State& state)
{
    Picture picture = *Picture::create(Width, Height, PixelFormat(state.range(0)));
    ColourStepper colours;
    Pen pen;
    colours.setMode(ColourMode::Random, pen);
    platform::Random random;
    random.seed(1);
    const PatternCurve curve(Largest);
    for (auto _ : state) {
        benchmark::DoNotOptimize(curve.draw(picture, colours, random, Centre));
        benchmark::ClobberMemory();
    }
    state.counters["segments"] = curve.segmentCount();
}
BENCHMARK(BM_Pattern)
    ->Arg(int(PixelFormat::Rgb32))
    ->Arg(int(PixelFormat::Rgb24))
    ->Unit(benchmark::kMillisecond);

// The arithmetic alone: the 70,400 points without drawing them.
void BM_CurvePoints(benchmark::State& state)
{
    const PatternCurve curve(Largest);
    for (auto _ : state)
        benchmark::DoNotOptimize(curve.points(Centre));
}
BENCHMARK(BM_CurvePoints)->Unit(benchmark::kMillisecond);

// The same segments and colours, worked out before the clock starts, drawn
// with QPainter on an image of the same format.
void BM_BareQPainter(benchmark::State& state)
{
    const auto format = PixelFormat(state.range(0));
    QImage image(Width, Height, qtFormat(format));
    image.fill(Qt::white);
    const PatternCurve curve(Largest);
    const std::vector<QPoint> points = curve.points(Centre);
    std::vector<QColor> colours;
    platform::Random random;
    random.seed(1);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int value = random.below(0xFFFFFF);
        colours.emplace_back(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
    }
    const QPoint start = curve.startPoint(Centre);
    for (auto _ : state) {
        QPainter painter(&image);
        QPen pen(Qt::black, Largest.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        QPoint from = start;
        for (std::size_t i = 0; i < points.size(); ++i) {
            pen.setColor(colours[i]);
            painter.setPen(pen);
            painter.drawLine(from, points[i]);
            from = points[i];
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
    state.counters["segments"] = double(points.size());
}
BENCHMARK(BM_BareQPainter)
    ->Arg(int(PixelFormat::Rgb32))
    ->Arg(int(PixelFormat::Rgb24))
    ->Unit(benchmark::kMillisecond);

// Each format's pattern time beside the bare loop's (CPU time).
void printRatios(const RatioReporter& reporter)
{
    const std::pair<const char*, int> formats[] = {{"rgb32", int(PixelFormat::Rgb32)},
                                                   {"rgb24", int(PixelFormat::Rgb24)}};
    for (const auto& [name, format] : formats) {
        const auto pattern = reporter.timeOf("BM_Pattern/" + std::to_string(format));
        const auto bare = reporter.timeOf("BM_BareQPainter/" + std::to_string(format));
        if (pattern && bare && bare->cpu > 0)
            std::printf("largest pattern %s: %.1f ms, bare QPainter %.1f ms, %.2fx (wanted: under 200 ms, "
                        "within 1.10x)\n",
                        name, pattern->cpu, bare->cpu, pattern->cpu / bare->cpu);
    }
}

} // namespace

int main(int argc, char** argv) { return runBenchmarksWithRatios(argc, argv, printRatios); }

