#pragma once

#include "demography/analysis.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

// Risk under variability: the model projected many times with the vital rates drawn anew every
// year, and the chance that the total falls below a threshold. Plain C++ on plain values; the
// window, the command line and the tests all call runRisk().

constexpr int kMaxReplicates = 100000;
constexpr int kDefaultReplicates = 1000;
constexpr int kMaxRiskSteps = 1000;
constexpr int kDefaultRiskSteps = 100;
constexpr double kDefaultThreshold = 1.0;
constexpr std::uint32_t kMaxSeed = 999999999;
constexpr std::uint32_t kDefaultSeed = 1;
// Beyond a CV of 10 a lognormal year is almost always near 0 and now and then enormous:
// no longer a model of a fecundity.
constexpr double kMaxFecundityCv = 10.0;
constexpr int kMaxThreads = 64;

// How the years vary and how often the projection is repeated.
struct RiskSettings {
    double cvSurvival = 0.0;  // coefficient of variation of each survival rate between years
    double cvFecundity = 0.0; // the same for each fecundity
    bool demographic = false; // whole animals: binomial survivors and Poisson births
    double threshold = kDefaultThreshold; // Q: a total below it counts as lost
    int replicates = kDefaultReplicates;
    int steps = kDefaultRiskSteps;
    std::uint32_t seed = kDefaultSeed;
    int threads = 0; // 0: one per core; the results do not depend on it
};

// The percentiles of the total that a run reports, in percent.
inline constexpr std::array<int, 5> kRiskPercentiles{5, 25, 50, 75, 95};

// The model the replicates start from: with demographic variation N(t) and H are rounded to
// whole animals (a binomial needs whole survivors, and taking half an animal would leave one).
PopulationModel projectedModel(const PopulationModel &model, const RiskSettings &settings);

// Why these settings cannot be run on this model (one sentence), or nothing. A survival CV too
// large for a rate's beta distribution names the rate and the largest CV it allows.
std::optional<std::string> riskRefusal(const PopulationModel &model, const RiskSettings &settings);

// An interval of shares.
struct Interval {
    double low = 0.0;
    double high = 0.0;
};

// The 95 % Wilson score interval of a share of `successes` in `trials` (trials > 0).
Interval wilsonInterval(long long successes, long long trials);

// The 5, 25, 50, 75 and 95 % percentiles of `values` (not empty), interpolated linearly between
// neighbouring order statistics as NumPy does by default. Reorders `values`.
std::array<double, 5> riskPercentiles(std::vector<double> &values);

// ln lambda - (sum of s_ij^2 Var(a_ij)) / (2 lambda^2): Tuljapurkar's small-noise
// approximation of the stochastic growth rate; nothing where M has no dominant root.
std::optional<double> approximateLogLambdaS(const Matrix4 &m, const RiskSettings &settings);

// What a run found, for t = 0..steps counted from the N(t) it started with.
struct RiskResult {
    RiskSettings settings;
    PopulationModel start;          // the model as projected (see projectedModel)
    std::vector<double> risk;       // P(t): share of replicates below Q at some step up to t
    std::array<std::vector<double>, 5> percentiles; // of the total, as kRiskPercentiles
    std::vector<double> mean;          // mean total
    std::vector<double> deterministic; // the total under M itself, every year alike
    long long finalLost = 0;           // replicates below Q at some step up to T
    double finalRisk = 0.0;
    Interval finalRiskInterval;        // 95 % Wilson interval of finalRisk
    // Stochastic growth rate without harvest: from the replicates' years, and approximated.
    std::optional<double> logLambdaSimulated;
    std::optional<double> logLambdaApproximation;
};

enum class RiskStatus {
    Done,
    Cancelled, // no result: nothing half computed is handed back
    Refused,   // the settings do not fit the model: see `refusal`
};

struct RiskOutcome {
    RiskStatus status = RiskStatus::Refused;
    std::string refusal;
    RiskResult result; // only with Done
};

// What the caller can do while a run goes on.
struct RiskControl {
    // Set from any thread to stop the run; it ends within a few milliseconds.
    const std::atomic<bool> *cancel = nullptr;
    // The share of the work done (0 to 1), called now and then on the thread that called
    // runRisk(), never from a worker; 1 when a run is done.
    std::function<void(double share)> progress;
};

// Projects `settings.replicates` replicates of the model for `settings.steps` years on
// std::thread workers. Each replicate draws from its own stream, derived from the seed and its
// index, so one seed gives the same result on any number of threads.
RiskOutcome runRisk(const PopulationModel &model, const RiskSettings &settings,
                    const RiskControl &control = {});

// "Risk of falling below 1 within 100 steps: 37.2 % (95 % interval 34.3 - 40.2 %)".
std::string riskSentence(const RiskResult &result);

// The results as CSV: a header "t,risk,p5,p25,p50,p75,p95,mean,deterministic" and one row per
// t, numbers in the program's text form, lines ending in CR LF.
std::string riskCsv(const RiskResult &result);

} // namespace velmora
