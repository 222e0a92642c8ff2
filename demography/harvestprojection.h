#pragma once

#include "demography/defaultmodel.h"
#include "demography/matrix4.h"
#include "demography/horizon.h"

#include <Eigen/Core>

namespace velmora {

// What the program's own projection step does to a population under a constant harvest:
// the clamp at 0 and the 15-digit text form of every value, once per step, included.

enum class Verdict {
    Grows,        // still growing at the end, or beyond the range of numbers
    Settles,      // N no longer changes
    ReachesZero,  // a projection is rejected: the population would be empty
    AlreadyEmpty, // N(t) is empty: the first projection ends the simulation
    Declines,     // shrinking at the end, but never rejected within the steps
    Undecided,    // neither growing, shrinking nor settled (for example oscillating)
    FallsBelowThreshold, // the total falls below the quasi-extinction threshold: gone
};

// What becomes of N under the constant harvest H within `steps` projections; `Vector` is the
// main window's Vector4 or Eigen::VectorXd for a life cycle of any size.
template <class Vector>
struct BasicHarvestVerdict {
    Verdict verdict = Verdict::Undecided;
    int step = 0;          // ReachesZero: number of the first rejected projection, counted from N;
                           // FallsBelowThreshold: the projection after which the total is below
                           // the threshold (0: N itself is)
    bool overflow = false; // Grows: the numbers left the range of a double at `step`
    int stepsRun = 0;      // counted projections
    Vector last{};         // N after the last counted projection
    double lastTotal = 0.0;
    int firstEmptied = 0;  // first projection in which H took more than a class held (0: none);
                           // from then on the harvest takes less than H
};
using HarvestVerdict = BasicHarvestVerdict<Vector4>;
using StageVerdict = BasicHarvestVerdict<Eigen::VectorXd>;

// A population counts as gone when its total falls below `threshold` animals (0: only when
// a projection is rejected). `a` is the projection matrix, n x n.
StageVerdict stageHarvestVerdict(const Eigen::MatrixXd &a, const Eigen::VectorXd &h,
                                 const Eigen::VectorXd &n, double threshold = kQuasiExtinction,
                                 int steps = kLastTime);
HarvestVerdict harvestVerdict(const Matrix4 &m, const Vector4 &h, const Vector4 &n,
                              double threshold = kQuasiExtinction, int steps = kLastTime);

enum class HarvestLimitStatus {
    Ok,
    DiesWithoutHarvest, // no harvest at all can be carried
    Unlimited,          // any harvest in this direction leaves the population alive
};

// The largest factor s such that the harvest s x direction leaves N alive (no rejected
// projection, the total never below `threshold`) for `steps` steps, to 6 significant digits:
// s survives, the next 6-digit value above s does not.
template <class Vector>
struct BasicHarvestLimit {
    HarvestLimitStatus status = HarvestLimitStatus::DiesWithoutHarvest;
    Vector direction{}; // H, or the first class alone when H is 0
    double factor = 0.0;
    Vector harvest{};   // factor x direction
};
using HarvestLimit = BasicHarvestLimit<Vector4>;
using StageHarvestLimit = BasicHarvestLimit<Eigen::VectorXd>;

// `guess` (0: none), such as the reproductive-value rule's factor, only shortens the search.
StageHarvestLimit stageLargestHarvest(const Eigen::MatrixXd &a, const Eigen::VectorXd &h,
                                      const Eigen::VectorXd &n,
                                      double threshold = kQuasiExtinction, int steps = kLastTime,
                                      double guess = 0.0);
HarvestLimit largestHarvest(const Matrix4 &m, const Vector4 &h, const Vector4 &n,
                            double threshold = kQuasiExtinction, int steps = kLastTime,
                            double guess = 0.0);

// True unless the verdict says the population is gone (rejected, empty or below threshold).
bool survives(Verdict verdict);
template <class Vector>
bool survives(const BasicHarvestVerdict<Vector> &verdict) { return survives(verdict.verdict); }

// The 4-class figures as a life cycle's, and back.
StageVerdict stageVerdictOf(const HarvestVerdict &verdict);
HarvestVerdict fourClassVerdict(const StageVerdict &verdict);
StageHarvestLimit stageLimitOf(const HarvestLimit &limit);
HarvestLimit fourClassLimit(const StageHarvestLimit &limit);

} // namespace velmora
