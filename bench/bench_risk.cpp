// Risk under variability: the whole run beside the draws it makes, and the samplers alone.
// The run is the default model (N(0) = 10 each, H = 5, 0, 0, 0) with survival CV 0.1 and
// fecundity CV 0.3, as bench/risk_numpy.py runs it.
#include "demography/defaultmodel.h"
#include "demography/leslie.h"
#include "demography/stochastic.h"
#include "demography/vitalrates.h"
#include "modelfile/modelexamples.h"
#include "modelfile/modelfile.h"

#include <benchmark/benchmark.h>

#include <boost/random/beta_distribution.hpp>
#include <boost/random/gamma_distribution.hpp>

#include <cstdlib>

using namespace velmora;

namespace {

PopulationModel defaultModel()
{
    PopulationModel model;
    for (size_t i = 0; i < 16; ++i)
        model.M[i] = std::atof(kDefaultMatrix[i]);
    for (size_t i = 0; i < 4; ++i) {
        model.N[i] = std::atof(kDefaultN0[i]);
        model.H[i] = std::atof(kDefaultHarvest[i]);
    }
    return model;
}

RiskSettings benchSettings(const benchmark::State &state)
{
    RiskSettings settings;
    settings.cvSurvival = 0.1;
    settings.cvFecundity = 0.3;
    settings.replicates = int(state.range(0));
    settings.steps = int(state.range(1));
    settings.threads = int(state.range(2));
    return settings;
}

YearlyRates defaultRates(const RiskSettings &settings)
{
    const PopulationModel model = defaultModel();
    LeslieModel leslie;
    leslie.M = model.M;
    return YearlyRates(stageModelFromLeslie(leslie), std::vector<double>(4, settings.cvSurvival),
                       settings.cvFecundity);
}

// The whole run: draws, steps, risk, percentiles, mean, growth rates. Items are replicate-steps.
void BM_RiskRun(benchmark::State &state)
{
    const PopulationModel model = defaultModel();
    const RiskSettings settings = benchSettings(state);
    for (auto _ : state) {
        const RiskOutcome outcome = runRisk(model, settings);
        benchmark::DoNotOptimize(outcome.result.finalRisk);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_RiskRun)
    ->ArgNames({"replicates", "steps", "threads"})
    ->Args({10000, 100, 1})
    ->Args({10000, 100, 2})
    ->Args({10000, 1000, 1})
    ->Args({10000, 1000, 2})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// The loggerhead turtle (examples/loggerhead-turtle.velmora, 7 stages) with the same CVs: the
// stage model's run that the 4-class one is a case of. Items are replicate-steps.
void BM_StageRiskRun(benchmark::State &state)
{
    StageModel turtle;
    for (const ModelExample &example : modelExamples()) {
        if (example.fileName == QLatin1String("loggerhead-turtle.velmora"))
            turtle = readModelFile(example.path).asStageModel().model;
    }
    if (turtle.size() != 7) {
        state.SkipWithError("the loggerhead turtle example could not be read");
        return;
    }
    RiskSettings settings = benchSettings(state);
    settings.threshold = 1000;
    for (auto _ : state) {
        const RiskOutcome outcome = runRisk(turtle, settings);
        benchmark::DoNotOptimize(outcome.result.finalRisk);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_StageRiskRun)
    ->ArgNames({"replicates", "steps", "threads"})
    ->Args({10000, 100, 1})
    ->Args({10000, 100, 2})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// The default model's run with density dependence at K = 1000 (form 0 Beverton-Holt, 1 Ricker,
// 2 ceiling), taking H (way 0) or a rate of 0.05 in its place (way 1): each replicate-step
// against BM_RiskRun's on one thread.
void BM_DensityRiskRun(benchmark::State &state)
{
    const PopulationModel model = defaultModel();
    RiskSettings settings = benchSettings(state);
    const DensityForm form = DensityForm(state.range(3));
    settings.density = RiskDensity{{form, 1000.0, {}}, std::nullopt, 0.0, {}};
    if (state.range(4) == 1) {
        settings.density->way = HarvestWay::Rate;
        settings.density->level = 0.05;
    }
    for (auto _ : state) {
        const RiskOutcome outcome = runRisk(model, settings);
        benchmark::DoNotOptimize(outcome.result.finalRisk);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_DensityRiskRun)
    ->ArgNames({"replicates", "steps", "threads", "form", "way"})
    ->Args({10000, 100, 1, 0, 0})
    ->Args({10000, 100, 1, 1, 0})
    ->Args({10000, 100, 1, 2, 0})
    ->Args({10000, 100, 1, 0, 1})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// Only the draws of that run, from the same per-replicate streams, on one thread.
void BM_RiskDrawsOnly(benchmark::State &state)
{
    const RiskSettings settings = benchSettings(state);
    const YearlyRates rates = defaultRates(settings);
    prepareThreadForDraws();
    for (auto _ : state) {
        YearlyRates::Year year = rates.year();
        double sum = 0.0;
        for (int r = 0; r < settings.replicates; ++r) {
            ReplicateRng rng = replicateStream(settings.seed, std::uint64_t(r));
            for (int t = 0; t < settings.steps; ++t) {
                rates.draw(rng, year);
                sum += year.survival[0] + year.survival[2] + year.reproduction[0];
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_RiskDrawsOnly)
    ->ArgNames({"replicates", "steps", "threads"})
    ->Args({10000, 1000, 1})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// One survival rate of the run (mean 0.5, CV 0.1: Beta(49.5, 49.5)): ours beside Boost's.
void BM_SurvivalDraw(benchmark::State &state)
{
    const SurvivalDraw draw(0.5, 0.1);
    ReplicateRng rng = replicateStream(1, 0);
    prepareThreadForDraws();
    for (auto _ : state)
        benchmark::DoNotOptimize(draw.draw(rng));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SurvivalDraw);

void BM_BoostBetaDraw(benchmark::State &state)
{
    boost::random::beta_distribution<double> draw(49.5, 49.5);
    ReplicateRng rng = replicateStream(1, 0);
    prepareThreadForDraws();
    for (auto _ : state)
        benchmark::DoNotOptimize(draw(rng));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BoostBetaDraw);

void BM_GammaDraw(benchmark::State &state)
{
    const GammaDraw draw(49.5);
    ReplicateRng rng = replicateStream(1, 0);
    prepareThreadForDraws();
    for (auto _ : state)
        benchmark::DoNotOptimize(draw.draw(rng));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GammaDraw);

void BM_BoostGammaDraw(benchmark::State &state)
{
    boost::random::gamma_distribution<double> draw(49.5);
    ReplicateRng rng = replicateStream(1, 0);
    prepareThreadForDraws();
    for (auto _ : state)
        benchmark::DoNotOptimize(draw(rng));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BoostGammaDraw);

// One fecundity of the run (mean 2, CV 0.3): Boost's lognormal.
void BM_FecundityDraw(benchmark::State &state)
{
    const FecundityDraw draw(2.0, 0.3);
    ReplicateRng rng = replicateStream(1, 0);
    prepareThreadForDraws();
    for (auto _ : state)
        benchmark::DoNotOptimize(draw.draw(rng));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FecundityDraw);

} // namespace
