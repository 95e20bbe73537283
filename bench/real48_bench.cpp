#include "common/Real48.h"

#include <benchmark/benchmark.h>

// The curve generator and the gradient store every intermediate value as a
// 48-bit real, so the round trip sits in their inner loops.
static void BM_StoreReal48(benchmark::State& state)
{
    long double v = 0.1L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(storeReal48(v));
        v += 1.000001L;
    }
}
BENCHMARK(BM_StoreReal48);

static void BM_Real48FromBytes(benchmark::State& state)
{
    const auto image = Real48::fromExtended(1.0L / 3.0L).bytes();
    for (auto _ : state)
        benchmark::DoNotOptimize(Real48::fromBytes(image).toExtended());
}
BENCHMARK(BM_Real48FromBytes);

BENCHMARK_MAIN();
