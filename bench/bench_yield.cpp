#include "demography/yield.h"

#include <benchmark/benchmark.h>

using namespace velmora;

namespace {

// The main window's first model: f = (0, 1, 2, 1), s = (0.5, 1, 0.5).
StageModel defaultModel()
{
    StageModel m = emptyStageModel(4);
    const double f[4] = {0, 1, 2, 1};
    for (int i = 0; i < 4; ++i)
        m.F(0, i) = f[i];
    m.U(1, 0) = 0.5;
    m.U(2, 1) = 1.0;
    m.U(3, 2) = 0.5;
    return m;
}

// Twenty stages: stasis and growth in every stage, births from the last ten.
StageModel twentyStages()
{
    StageModel m = emptyStageModel(20);
    for (int i = 0; i < 20; ++i) {
        m.U(i, i) = i + 1 < 20 ? 0.5 : 0.8;
        if (i + 1 < 20)
            m.U(i + 1, i) = 0.45;
        if (i >= 10)
            m.F(0, i) = 5.0;
    }
    return m;
}

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

void BM_YieldCurves4(benchmark::State &state) { yieldCurves(state, defaultModel()); }
void BM_YieldCurves20(benchmark::State &state) { yieldCurves(state, twentyStages()); }

} // namespace

// 0: Beverton-Holt, 1: Ricker, 2: ceiling.
BENCHMARK(BM_YieldCurves4)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_YieldCurves20)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
