#pragma once

#include "demography/matrix4.h"
#include "demography/stageanalysis.h"
#include "demography/horizon.h"

#include <optional>

namespace velmora {

// The wobble of the growth rate before N(t) settles into the stable distribution, in the
// harvest-free projection from N(t).
struct Transients {
    // ||M n||_1 / lambda with n = N / ||N||_1: how much faster than lambda the first step grows.
    std::optional<double> reactivity;
    // Steps until the age distribution stays within kConvergenceDistance of the stable one,
    // judged over the steps that follow; none where it never does or N(t) dies out.
    std::optional<int> convergenceTime;
    bool diesOut = false; // M^t N(t) reaches 0: nothing in N(t) ever leads to births
    // (v.n / v.w) ||w||_1: how much larger or smaller the population ends up than one of the
    // same size started in the stable distribution; set by the analysis, which knows v.
    std::optional<double> inertia;
};

// The transients of N(t) = n under M, whose dominant root is lambda with stable distribution w
// (summing to 1), followed for `steps` steps.
Transients transients(const Matrix4 &m, double lambda, const Vector4 &w, const Vector4 &n,
                      int steps = kLastTime);

} // namespace velmora
