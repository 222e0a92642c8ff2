#include "base/numbertext.h"
#include "demography/horizon.h"
#include "demography/stageanalysis.h"
#include "demography/analysis.h"
#include "model/analysisreport.h"
#include "model/simulation.h"
#include "tests/support/lesliematrix.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

using namespace velmora;

namespace {

// Values and texts of the kinds the fields hold: small, fractional, long, huge, tiny.
const std::vector<double> kValues{0.0, 5.0, 0.5, 1.375, 0.954545454545455, 144.6875,
                                  123456789.123, 1.5e15, -2.25e-7, 1.7976931348623157e308};
const std::vector<std::string> kTexts{"0", "5", "0.5", "1.375", "0.954545454545455", "144.6875",
                                      "123456789.123", "1.5E+15", "-2.25E-07", " 17 ", "1e308"};

void BM_NumberText(benchmark::State &state)
{
    for (auto _ : state) {
        for (const double v : kValues)
            benchmark::DoNotOptimize(numberText(v));
    }
    state.SetItemsProcessed(state.iterations() * int64_t(kValues.size()));
}
BENCHMARK(BM_NumberText);

void BM_StrictValue(benchmark::State &state)
{
    for (auto _ : state) {
        for (const std::string &t : kTexts)
            benchmark::DoNotOptimize(strictValue(t));
    }
    state.SetItemsProcessed(state.iterations() * int64_t(kTexts.size()));
}
BENCHMARK(BM_StrictValue);

void BM_LenientValue(benchmark::State &state)
{
    for (auto _ : state) {
        for (const std::string &t : kTexts)
            benchmark::DoNotOptimize(lenientValue(t));
    }
    state.SetItemsProcessed(state.iterations() * int64_t(kTexts.size()));
}
BENCHMARK(BM_LenientValue);

// One "Project" and one "Transit" of the default model, field texts read and written.
void BM_ProjectionTransition(benchmark::State &state)
{
    auto history = std::make_unique<Module1>();
    Simulation simulation(*history);
    simulation.startUp();
    for (auto _ : state) {
        // A full history refuses the next step; start again (once in a thousand).
        if (history->tcount >= kLastTime)
            simulation.Restart();
        benchmark::DoNotOptimize(simulation.Projection());
        simulation.Transition();
    }
}
BENCHMARK(BM_ProjectionTransition);

// A whole run: restart, then 1000 projections each followed by its transition.
void BM_Run1000(benchmark::State &state)
{
    auto history = std::make_unique<Module1>();
    Simulation simulation(*history);
    simulation.startUp();
    for (auto _ : state) {
        simulation.Restart();
        for (int k = 0; k < kLastTime; ++k) {
            simulation.Projection();
            simulation.Transition();
        }
        benchmark::DoNotOptimize(history->Ntot[kLastTime]);
    }
}
BENCHMARK(BM_Run1000)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// A 50-stage chain: each stage stays (0.5) or grows into the next (0.3); the last ten breed.
StageModel fiftyStages()
{
    StageModel model = emptyStageModel(50);
    for (int i = 0; i < 50; ++i) {
        model.U(i, i) = 0.5;
        if (i + 1 < 50)
            model.U(i + 1, i) = 0.3;
        if (i >= 40)
            model.F(0, i) = 2.0;
        model.n0(i) = 10.0;
    }
    return model;
}

// The whole analysis of a 50-stage model: every figure the report of a life cycle shows.
void BM_AnalyseFiftyStages(benchmark::State &state)
{
    const StageModel model = fiftyStages();
    for (auto _ : state)
        benchmark::DoNotOptimize(analyseStageModel(model, kLastTime));
}
BENCHMARK(BM_AnalyseFiftyStages)->Unit(benchmark::kMillisecond);

// The report `velmora-cli analyse` prints for the default model: every figure, the five
// largest-harvest searches by projection included.
void BM_ReportDefaultModel(benchmark::State &state)
{
    PopulationModel model;
    model.M = defaultLeslie();
    model.N = {10, 10, 10, 10};
    model.H = {5, 0, 0, 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(analysisReport(analyseModel(model)));
}
BENCHMARK(BM_ReportDefaultModel)->Unit(benchmark::kMillisecond)->UseRealTime();

// The report of a 50-stage life cycle: the chain above, and a growing one whose last stages
// have fecundities of 1e10 (cells from 0.3^49 to 1e10 in one matrix).
void BM_ReportFiftyStages(benchmark::State &state)
{
    StageModel model = fiftyStages();
    if (state.range(0) == 1)
        model.F.row(0).tail(10).setConstant(1e10);
    for (auto _ : state)
        benchmark::DoNotOptimize(analysisReport(analyseLifeCycle(model)));
}
BENCHMARK(BM_ReportFiftyStages)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
