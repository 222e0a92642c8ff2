#pragma once

#include "demography/analysis.h"
#include "demography/density.h"
#include "demography/stagemodel.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace velmora {

// Risk under variability: a life cycle projected many times with the vital rates drawn anew
// every year, and the chance that the total falls below a threshold. Plain C++ on plain values;
// the window, the command line and the tests all call runRisk(), of a stage model or of the
// main window's 4-class model, which is run as the stage model it is.

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

// Density dependence in a risk run: each year's reproduction scaled by the density at its
// start (the ceiling applied after the step), and, where a way is chosen, the harvest taken
// that way in place of the model's H.
struct RiskDensity {
    DensitySettings settings;
    std::optional<HarvestWay> way{}; // nothing: the model's own H
    double level = 0.0;              // Q, h or E
    std::vector<int> harvested{};    // the stages the way takes from; empty: all of them
};

// How the years vary and how often the projection is repeated.
struct RiskSettings {
    double cvSurvival = 0.0;  // coefficient of variation of each survival rate between years
    double cvFecundity = 0.0; // the same for each fecundity
    bool demographic = false; // whole animals: binomial survivors and Poisson births
    double threshold = kDefaultThreshold; // Q: a total below it, or of 0, counts as lost
    int replicates = kDefaultReplicates;
    int steps = kDefaultRiskSteps;
    std::uint32_t seed = kDefaultSeed;
    int threads = 0; // 0: one per core; the results do not depend on it
    std::optional<RiskDensity> density{}; // nothing: the linear model
};

// The settings a window starts with: some variation (survival CV 0.1, fecundity CV 0.3), since
// with none a first run draws a flat line and a risk of 0, as if it did nothing.
RiskSettings startingRiskSettings();

// The percentiles of the total that a run reports, in percent.
inline constexpr std::array<int, 5> kRiskPercentiles{5, 25, 50, 75, 95};

// The model the replicates start from: with demographic variation N(t) and H are rounded to
// whole animals (a binomial needs whole survivors, and taking half an animal would leave one).
PopulationModel projectedModel(const PopulationModel &model, const RiskSettings &settings);
StageModel projectedModel(const StageModel &model, const RiskSettings &settings);

// Why these settings cannot be run on this model (one sentence), or nothing. A survival CV too
// large for a rate's beta distribution is no reason: see survivalCvTaken().
std::optional<std::string> riskRefusal(const PopulationModel &model, const RiskSettings &settings);
std::optional<std::string> riskRefusal(const StageModel &model, const RiskSettings &settings);

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

// ln lambda - tau^2 / (2 lambda^2), tau^2 = sum over pairs of entries of s_ij s_kl Cov(a_ij,
// a_kl): Tuljapurkar's small-noise approximation of the stochastic growth rate, with the CVs
// the run takes; nothing where A has no dominant root.
std::optional<double> approximateLogLambdaS(const StageModel &model, const RiskSettings &settings);

// The smallest survival CV that the beta of a rate s in (0, 1) cannot take: every CV below it
// runs as asked, this one and all above are capped (survivalCvTaken). About sqrt((1 - s) / s);
// infinity for rates that do not vary.
double survivalCvBound(double s);

// The CV a survival s takes when `asked` is asked: `asked` itself where its beta exists, else
// the largest CV with four significant digits that it allows (see largestSurvivalCv).
double survivalCvTaken(double s, double asked);

// A stage whose survival cannot take the asked CV, and the CV it takes instead.
struct CappedSurvival {
    int stage = 0;
    double survival = 0.0; // the column sum of U
    double cv = 0.0;
};

// The shape parameters of a survival rate's beta distribution: mean a / (a + b) = s and
// CV sqrt(b / (a (a + b + 1))) = cv. Below a shape of 1 the density rises to 0 or to 1:
// years of almost no survivors, or almost all, are then the likeliest.
struct BetaShape {
    int rate = 0; // the stage whose survival it is
    double a = 0.0;
    double b = 0.0;

    bool uShaped() const { return a < 1.0 || b < 1.0; }
};

// The beta of a survival rate s in (0, 1) with a CV within survivalCvBound().
BetaShape survivalBeta(int rate, double s, double cv);

// What a run found, for t = 0..steps counted from the N(t) it started with.
struct RiskResult {
    RiskSettings settings;
    StageModel projected;           // the life cycle as projected (see projectedModel)
    PopulationModel start;          // the same, of a run of the main window's 4-class model
    // How each stage's survival is named: s0..s3 for the 4-class model, s(name) otherwise.
    std::vector<std::string> survivalNames;
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
    // What the CVs did not do as asked: stages whose survival is too close to 0 or 1 for the
    // survival CV and took a smaller one, survivals of 1 that a CV above 0 leaves fixed
    // (by stage), and the survivals whose beta has a shape below 1 (a or b).
    std::vector<CappedSurvival> cappedSurvival;
    std::vector<int> fixedSurvival;
    std::vector<BetaShape> uShapedSurvival;
};

enum class RiskStatus {
    Done,
    Cancelled, // no result: nothing half computed is handed back
    Refused,   // the settings do not fit the model: see `refusal`
    Failed,    // the system could not give the run a worker thread: see `refusal`
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
    // Starts a worker thread; tests put in one that fails as a system out of threads does
    // (std::system_error). Empty: std::thread.
    std::function<std::thread(std::function<void()>)> startThread;
};

// With density dependence, the stochastic growth rate is still that of the linear model (the
// population's own growth rate is 0 in the long run), and with demographic variation the
// ceiling and a way's harvest leave whole animals (the ceiling rounding down, the harvest to the
// nearest).
//
// Projects `settings.replicates` replicates of the life cycle for `settings.steps` years on
// std::thread workers (see YearlyRates for a year's draws). Each replicate draws from its own
// stream, derived from the seed and its index, so one seed gives the same result on any number
// of threads. A worker that cannot be started ends the run as Failed, with the others stopped
// and joined.
RiskOutcome runRisk(const StageModel &model, const RiskSettings &settings,
                    const RiskControl &control = {});
// The main window's model as its stage model, with its rates named s0..s3 and f0..f3.
RiskOutcome runRisk(const PopulationModel &model, const RiskSettings &settings,
                    const RiskControl &control = {});

// "Risk of falling below 1 within 100 steps: 37.2 % (95 % interval 34.3 - 40.2 %)", followed
// by what the CVs did not do as asked (capped CVs, fixed rates of 1, U-shaped betas). A share that is not
// 0 or 100 % is never written as 0.0 or 100.0: it takes the digits that tell it apart.
std::string riskSentence(const RiskResult &result);

// The results as CSV: a header "t,risk,p5,p25,p50,p75,p95,mean,deterministic" and one row per
// t, numbers in the program's text form, lines ending in CR LF.
std::string riskCsv(const RiskResult &result);

} // namespace velmora
