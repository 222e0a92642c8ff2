#include "demography/sensitivity.h"

#include "demography/analysis.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

using Matrix = Eigen::Matrix4d;

Matrix toEigen(const Matrix4 &m)
{
    Matrix a;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            a(r, c) = m[static_cast<size_t>(4 * r + c)];
    return a;
}

// The null vector of a - lambda I with no negative entry (sign fixed), or false. lambda is a
// simple root, so the smallest pivot of a full-pivot LU is rounding noise and is taken as 0;
// the residual then tells whether the vector really belongs to lambda.
bool nonNegativeNullVector(const Matrix &a, double lambda, Eigen::Vector4d &x)
{
    Eigen::FullPivLU<Matrix> lu(a - lambda * Matrix::Identity());
    Eigen::Vector4d pivots = lu.matrixLU().diagonal().cwiseAbs();
    std::sort(pivots.begin(), pivots.end());
    if (!(pivots(3) > 0))
        return false; // a = lambda I: every vector belongs to lambda
    // Between the smallest pivot and the next, so that exactly the smallest counts as 0.
    lu.setThreshold(std::sqrt(pivots(0)) * std::sqrt(pivots(1)) / pivots(3));
    if (lu.rank() != 3)
        return false;
    const Eigen::MatrixXd kernel = lu.kernel();
    x = kernel.col(0);
    if (x.sum() < 0)
        x = -x;
    const double size = x.cwiseAbs().maxCoeff();
    if (!(size > 0) || !std::isfinite(size))
        return false;
    for (int i = 0; i < 4; ++i) {
        if (x(i) < -1e-9 * size)
            return false;
        x(i) = std::max(x(i), 0.0);
    }
    const double scale = a.cwiseAbs().rowwise().sum().maxCoeff() + lambda;
    return (a * x - lambda * x).cwiseAbs().maxCoeff() <= 1e-9 * scale * size;
}

} // namespace

Sensitivities sensitivities(const Matrix4 &m)
{
    if (std::any_of(m.begin(), m.end(), [](double a) { return !std::isfinite(a) || a < 0; }))
        return {};
    const Eigenvalues spectrum = eigenvalues(m);
    const double lambda = spectrum.converged ? perronRoot(spectrum) : 0.0;
    if (!(lambda > 0) || !std::isfinite(lambda))
        return {};
    return sensitivitiesAt(m, lambda);
}

Sensitivities sensitivitiesAt(const Matrix4 &m, double lambda)
{
    Sensitivities result;
    result.lambda = lambda;
    result.status = SensitivityStatus::NoEigenvector;
    const Matrix a = toEigen(m);
    Eigen::Vector4d w, v;
    if (!nonNegativeNullVector(a, lambda, w) || !nonNegativeNullVector(a.transpose(), lambda, v))
        return result;
    w /= w.sum();
    const double vw = v.dot(w);
    // v and w do not overlap: lambda belongs to different blocks of a reducible matrix.
    if (!(vw > 0))
        return result;
    v /= vw;
    for (size_t i = 0; i < 4; ++i) {
        result.w[i] = w(static_cast<int>(i));
        result.v[i] = v(static_cast<int>(i));
    }
    for (size_t r = 0; r < 4; ++r)
        for (size_t c = 0; c < 4; ++c) {
            const size_t k = 4 * r + c;
            result.sensitivity[k] = result.v[r] * result.w[c];
            result.elasticity[k] = m[k] / lambda * result.sensitivity[k];
        }
    result.status = SensitivityStatus::Ok;
    return result;
}

} // namespace velmora
