// The risk command's options, one argument a line, with arbitrary texts. A refusal is one line;
// accepted options are settings the run takes, and a short run of them gives finite shares,
// ordered percentiles and a risk that never falls; a life cycle accepted meets its rules.
#include "cli/riskoptions.h"
#include "demography/leslie.h"
#include "fuzz/fuzzcheck.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    std::vector<std::string> arguments;
    size_t start = 0;
    while (start <= input.size() && arguments.size() < 24) {
        const size_t end = std::min(input.find('\n', start), input.size());
        arguments.push_back(input.substr(start, end - start));
        start = end + 1;
    }

    const RiskOptionsRead read = readRiskOptions(arguments);
    if (!read.commandLine) {
        require(!read.refusal.empty(), "a refusal says nothing", input);
        require(read.refusal.find('\n') == std::string::npos, "a refusal takes two lines", input);
        return 0;
    }
    const RiskCommandLine &line = *read.commandLine;
    if (line.lifeCycle) {
        // A life cycle handed over meets every rule and is not the 4-class model in disguise.
        require(checkStageModel(*line.lifeCycle).ok(), "a life cycle that breaks a rule", input);
        require(!leslieFromStageModel(*line.lifeCycle), "a 4-class Leslie model taken as a life cycle",
                input);
        return 0;
    }
    require(!riskRefusal(line.model, line.settings), "accepted settings the run refuses", input);

    // The same model and settings, on a scale a fuzzer can afford.
    RiskSettings small = line.settings;
    small.replicates = std::min(small.replicates, 3);
    small.steps = std::min(small.steps, 5);
    small.threads = 1;
    const RiskOutcome outcome = runRisk(line.model, small);
    require(outcome.status == RiskStatus::Done, "a short run was not done", input);
    const RiskResult &r = outcome.result;
    const size_t count = size_t(small.steps) + 1;
    require(r.risk.size() == count && r.mean.size() == count && r.deterministic.size() == count,
            "a series has the wrong length", input);
    for (size_t t = 0; t < count; ++t) {
        require(r.risk[t] >= 0 && r.risk[t] <= 1, "a risk outside 0..1", input);
        require(t == 0 || r.risk[t] >= r.risk[t - 1], "the risk fell", input);
        require(!std::isnan(r.mean[t]) && r.mean[t] >= 0, "a mean is not a number", input);
        require(!std::isnan(r.deterministic[t]) && r.deterministic[t] >= 0,
                "a deterministic total is not a number", input);
        for (size_t k = 0; k < 5; ++k) {
            require(!std::isnan(r.percentiles[k][t]) && r.percentiles[k][t] >= 0,
                    "a percentile is not a number", input);
            require(k == 0 || r.percentiles[k - 1][t] <= r.percentiles[k][t],
                    "percentiles out of order", input);
        }
    }
    require(r.finalRiskInterval.low <= r.finalRisk && r.finalRisk <= r.finalRiskInterval.high,
            "the interval misses the risk", input);
    return 0;
}
