#pragma once

#include "demography/matrix4.h"
#include "demography/stageanalysis.h"

namespace velmora {

// The dominant eigenvalue of M with its right and left eigenvectors, and what they give:
// how lambda answers a small change of each cell of M.
struct Sensitivities {
    SensitivityStatus status = SensitivityStatus::NoDominantRoot;
    double lambda = 0.0;
    Vector4 w{};         // stable age distribution, summing to 1
    Vector4 v{};         // reproductive values, scaled so that v.w = 1
    Matrix4 sensitivity{}; // d lambda / d a_ij = v_i w_j / <v, w>, structural zeros included
    Matrix4 elasticity{};  // (a_ij / lambda) s_ij; they sum to 1
};

// lambda is the Perron root of M from `eigenvalues` (demography/analysis.h): the root of largest
// real part. Its eigenvectors are the null vectors of M - lambda I and its transpose, from a
// full-pivot LU whose last pivot is taken as 0, each checked by its residual.
Sensitivities sensitivities(const Matrix4 &m);

// The same for a lambda already known to be a simple Perron root of the non-negative M.
Sensitivities sensitivitiesAt(const Matrix4 &m, double lambda);

// The figures of a 4-stage analysis in the main window's shape.
Sensitivities fourClassSensitivities(const StageSensitivities &s);

} // namespace velmora
