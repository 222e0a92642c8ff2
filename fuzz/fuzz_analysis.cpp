// velmora-cli analyse on arbitrary values: the seven rates, N(0), H and the quasi-extinction
// threshold are read as the command line reads them and, where the editing window's rules
// accept them, analysed with short projections. Every figure is finite where it is given,
// the rates and shares lie where they must, and the report says something of every line.
#include "fuzz/fuzzcheck.h"
#include "demography/analysis.h"
#include "fuzz/fuzzinput.h"
#include "model/analysisreport.h"
#include "demography/defaultmodel.h"
#include "model/editentries.h"
#include "base/numbertext.h"
#include "model/simulation.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <numeric>
#include <set>

using namespace velmora;

namespace {

bool finiteAndAtLeast(double value, double least) { return std::isfinite(value) && value >= least; }

void requireGrowth(const GrowthAnalysis &g, const std::string &input)
{
    if (g.status != GrowthStatus::Ok && g.status != GrowthStatus::NoEigenvector)
        return;
    require(finiteAndAtLeast(g.lambda, 0) && g.lambda > 0, "lambda is not positive", input);
    if (g.stableDistribution) {
        const Vector4 &w = *g.stableDistribution;
        require(std::all_of(w.begin(), w.end(), [](double x) { return finiteAndAtLeast(x, 0); }),
                "a negative stable share", input);
        require(std::fabs(std::accumulate(w.begin(), w.end(), 0.0) - 1) < 1e-9,
                "the stable shares do not sum to 1", input);
    }
    const Sensitivities &s = g.sensitivity;
    if (s.status == SensitivityStatus::Ok) {
        double sum = 0.0;
        for (size_t k = 0; k < 16; ++k) {
            require(finiteAndAtLeast(s.sensitivity[k], 0), "a negative sensitivity", input);
            sum += s.elasticity[k];
        }
        require(std::fabs(sum - 1) < 1e-6, "the elasticities do not sum to 1", input);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    EditEntries entries;
    std::string typed;
    for (const int cell : kVitalRateCells)
        typed += (entries.m1[static_cast<size_t>(cell)] = in.text(32)) + '|';
    for (auto *group : {&entries.n0, &entries.Harvest1})
        for (std::string &text : *group)
            typed += (text = in.text(32)) + '|';
    const std::string thresholdText = in.text(24);
    typed += thresholdText;
    const ReadResult threshold = strictValue(thresholdText);
    if (entries.check() != BrokenRule::None || !threshold.ok() || !(threshold.value >= 0)
        || !std::isfinite(threshold.value))
        return 0; // the command line refuses these with a message

    auto history = std::make_unique<Module1>();
    Simulation simulation(*history);
    simulation.onMessage = [](const ModelMessage &) {};
    simulation.startUp();
    entries.goBack(simulation);
    ModelAnalysis a;
    require(modelFromFields(simulation.fields(), a.model), "applied fields do not read", typed);
    a.model.extinctionThreshold = threshold.value;
    const PopulationModel &m = a.model;

    // The figures of analyseModel, with projections of a few steps so that each run is quick.
    a.growth = analyseGrowth(m.M);
    requireGrowth(a.growth, typed);
    a.equilibrium = harvestEquilibrium(m.M, m.H);
    a.verdict = harvestVerdict(m.M, m.H, m.N, m.extinctionThreshold, 30);
    a.limit = largestHarvest(m.M, m.H, m.N, m.extinctionThreshold, 8);
    require(a.limit.status != HarvestLimitStatus::Ok || finiteAndAtLeast(a.limit.factor, 0),
            "a negative largest harvest", typed);
    const bool hasLambda =
        a.growth.status == GrowthStatus::Ok || a.growth.status == GrowthStatus::NoEigenvector;
    if (a.growth.reproductiveValues) {
        a.rule = harvestRule(a.growth.lambda, *a.growth.reproductiveValues, m.N, m.H);
        if (a.rule.sustainableFactor)
            require(finiteAndAtLeast(*a.rule.sustainableFactor, 0), "a negative s*", typed);
    }
    if (hasLambda) {
        a.proportional = proportionalHarvest(m.M, a.growth.lambda);
        for (const std::optional<double> &rate : a.proportional.byClass)
            require(!rate || (*rate >= 0 && *rate <= 1), "a rate outside 0..1", typed);
    }
    if (a.growth.stableDistribution) {
        a.transients = transients(m.M, a.growth.lambda, *a.growth.stableDistribution, m.N, 40);
        require(!a.transients.reactivity || finiteAndAtLeast(*a.transients.reactivity, 0),
                "a negative reactivity", typed);
    }

    std::set<std::string> keys;
    for (const ReportLine &line : analysisReport(a)) {
        require(keys.insert(line.key).second, "a report key twice", typed + " key=" + line.key);
        require(!line.label.empty() && !line.section.empty(), "an unnamed line", typed);
        require(!line.cells.empty() || !line.text.empty(), "a line that says nothing",
                typed + " key=" + line.key);
        require(line.shades.empty() || line.cells.size() == 16, "a grid without 16 cells", typed);
        for (const double shade : line.shades)
            require(shade >= 0 && shade <= 1, "a shade outside 0..1", typed);
    }
    return 0;
}
