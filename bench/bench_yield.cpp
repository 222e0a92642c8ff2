#include "demography/yield.h"
#include "tests/support/stagemodels.h"

#include <benchmark/benchmark.h>

using namespace velmora;

namespace {

// The three yield curves of 200 points each, with MSY, the 90 % levels and the fatal losses.
void yieldCurves(benchmark::State &state, const StageModel &stages)
{
    const DensityModel model =
        *makeDensityModel(stages, DensitySettings{DensityForm(state.range(0)), 1000.0, {}}).model;
    for (auto _ : state) {
        const YieldOutcome outcome = analyseYield(model, YieldSettings{200, {}});
        benchmark::DoNotOptimize(outcome.analysis.curves[0].best.yield);
    }
}

void BM_YieldCurves4(benchmark::State &state) { yieldCurves(state, defaultStageModel()); }
void BM_YieldCurves20(benchmark::State &state) { yieldCurves(state, twentyStageChain()); }

} // namespace

// 0: Beverton-Holt, 1: Ricker, 2: ceiling.
BENCHMARK(BM_YieldCurves4)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_YieldCurves20)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
