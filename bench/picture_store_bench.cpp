// Cost of drawing the shared pictures at start-up, before the splash shows,
// and of the launcher and dice pictures drawn when their windows open.
#include "app/Artwork.h"
#include "app/PictureStore.h"
#include "games/DiceArt.h"

#include <QApplication>

#include "GuiBenchmarkMain.h"

#include <benchmark/benchmark.h>

namespace {

void BM_PictureStoreConstruction(benchmark::State& state)
{
    const int depth = int(state.range(0));
    for (auto _ : state) {
        PictureStore store(depth);
        benchmark::DoNotOptimize(store.picture(QStringLiteral("BackLight")).cacheKey());
    }
}
BENCHMARK(BM_PictureStoreConstruction)->Arg(24)->Arg(8)->Unit(benchmark::kMillisecond);

void BM_MenuIcons(benchmark::State& state)
{
    for (auto _ : state)
        for (int entry : {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16, 17, 18})
            benchmark::DoNotOptimize(artwork::menuIcon(entry).cacheKey());
}
BENCHMARK(BM_MenuIcons)->Unit(benchmark::kMillisecond);

void BM_SplashLogo(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(artwork::splashLogo().cacheKey());
}
BENCHMARK(BM_SplashLogo)->Unit(benchmark::kMillisecond);

void BM_DicePictures(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(diceart::dieFace().cacheKey());
        benchmark::DoNotOptimize(diceart::pip().cacheKey());
        benchmark::DoNotOptimize(diceart::rollButtonFace(false).cacheKey());
        benchmark::DoNotOptimize(diceart::rollButtonFace(true).cacheKey());
    }
}
BENCHMARK(BM_DicePictures)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runGuiBenchmarks(argc, argv);
}
