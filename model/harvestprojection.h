#pragma once

#include "model/matrix4.h"
#include "model/module1.h"

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
};

// What becomes of N under the constant harvest H within `steps` projections.
struct HarvestVerdict {
    Verdict verdict = Verdict::Undecided;
    int step = 0;          // ReachesZero: number of the first rejected projection, counted from N
    bool overflow = false; // Grows: the numbers left the range of a double at `step`
    int stepsRun = 0;      // counted projections
    Vector4 last{};        // N after the last counted projection
    double lastTotal = 0.0;
};
HarvestVerdict harvestVerdict(const Matrix4 &m, const Vector4 &h, const Vector4 &n,
                              int steps = kLastTime);

enum class HarvestLimitStatus {
    Ok,
    DiesWithoutHarvest, // no harvest at all can be carried
    Unlimited,          // any harvest in this direction leaves the population alive
};

// The largest factor s such that the harvest s x direction leaves N alive (no rejected
// projection) for `steps` steps, to 6 significant digits: s survives, the next 6-digit
// value above s does not.
struct HarvestLimit {
    HarvestLimitStatus status = HarvestLimitStatus::DiesWithoutHarvest;
    Vector4 direction{}; // H, or (1, 0, 0, 0) when H is 0
    double factor = 0.0;
    Vector4 harvest{};   // factor x direction
};
HarvestLimit largestHarvest(const Matrix4 &m, const Vector4 &h, const Vector4 &n,
                            int steps = kLastTime);

} // namespace velmora
