#pragma once

#include "demography/density.h"

#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

namespace velmora {

// The yield curves of the three ways of harvesting a population that levels off: what each
// takes once the population has settled, its maximum (MSY), and how close to the edge of loss
// each stands at 90 % of it.

constexpr int kDefaultYieldPoints = 200;
// The level at which the ways are compared: this share of each one's MSY.
constexpr double kCautiousShare = 0.9;

// What a way of harvesting at one level leads to.
struct YieldPoint {
    double level = 0.0;                  // Q, h or E
    double yield = 0.0;                  // a step, once settled (the mean over a cycle)
    Settling settling = Settling::Lost;  // Rest: a stable rest point
    int period = 0;                      // with Cycle
    Eigen::VectorXd settled;             // the rest point, or the last state projected
};

struct YieldCurve {
    HarvestWay way = HarvestWay::Rate;
    double range = 0.0;             // the curve runs over levels 0..range
    std::vector<YieldPoint> points; // evenly spaced over 0..range
    YieldPoint best;                // MSY and where it lies
    // At kCautiousShare of MSY: for the rate the lower rate, for the escapement the higher
    // escapement, the two levels that give that yield.
    YieldPoint cautious;
    // Under a quota, the rest point below the settled one: a population pushed below it falls
    // to 0. It merges with the settled one at MSY.
    std::optional<RestPoint> unstableRestPoint;
    // The smallest share of every stage lost in one bad year, at the cautious level, after
    // which the population falls to 0; none where no loss short of all of it does.
    std::optional<double> smallestFatalShock;
};

struct YieldSettings {
    int points = kDefaultYieldPoints;
    std::vector<int> harvested{}; // the stages harvested; empty: all of them
};

struct YieldAnalysis {
    Eigen::VectorXd resting;          // without harvest
    std::array<YieldCurve, 3> curves; // quota, rate, escapement
};

// What the caller can do while the curves are traced.
struct YieldControl {
    const std::atomic<bool> *cancel = nullptr;     // set from any thread to stop soon
    std::function<void(double share)> progress{}; // on the tracing thread, now and then
};

enum class YieldStatus {
    Done,
    NoRestingPopulation, // the model has no positive rest without harvest
    BadHarvestedStage,   // a harvested stage out of range, or named twice
    Cancelled,           // nothing half traced is handed back
};

struct YieldOutcome {
    YieldStatus status = YieldStatus::Done;
    YieldAnalysis analysis; // with Done
};

// Every figure above for `model`.
YieldOutcome analyseYield(const DensityModel &model, const YieldSettings &settings,
                          const YieldControl &control = {});

// The population after one loss of `share` of every stage at `start`, projected `steps` steps
// under the harvest (the first entry is the population right after the loss).
std::vector<Eigen::VectorXd> shockProjection(const DensityModel &model,
                                             const Harvesting &harvesting,
                                             const Eigen::VectorXd &start, double share,
                                             int steps);

} // namespace velmora
