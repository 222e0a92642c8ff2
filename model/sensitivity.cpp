#include "model/sensitivity.h"

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

// A null vector of a - lambda I with no negative entry (sign fixed), or false. The null
// space of a repeated dominant root has more than one dimension; its first basis vector is
// taken, which is then only one of the eigenvectors.
bool nonNegativeNullVector(const Matrix &a, double lambda, Eigen::Vector4d &x)
{
    const Matrix shifted = a - lambda * Matrix::Identity();
    Eigen::FullPivLU<Matrix> lu(shifted);
    // Scale the rank test to the matrix: lambda is known only to a few ulps of its size.
    lu.setThreshold(1e-9 * std::max(1.0, a.cwiseAbs().maxCoeff()));
    const Eigen::MatrixXd kernel = lu.kernel();
    if (lu.rank() == 4 || kernel.cols() == 0)
        return false;
    x = kernel.col(0);
    if (x.sum() < 0)
        x = -x;
    const double largest = x.cwiseAbs().maxCoeff();
    if (!(largest > 0))
        return false;
    for (int i = 0; i < 4; ++i) {
        if (x(i) < -1e-9 * largest)
            return false;
        x(i) = std::max(x(i), 0.0);
    }
    return true;
}

} // namespace

Sensitivities sensitivities(const Matrix4 &m)
{
    Sensitivities result;
    if (std::any_of(m.begin(), m.end(), [](double a) { return !std::isfinite(a) || a < 0; }))
        return result;
    const Matrix a = toEigen(m);
    const Eigen::EigenSolver<Matrix> solver(a, false);
    if (solver.info() != Eigen::Success)
        return result;
    double lambda = 0.0;
    for (int i = 0; i < 4; ++i)
        lambda = std::max(lambda, solver.eigenvalues()(i).real());
    if (!(lambda > 0) || !std::isfinite(lambda))
        return result;
    result.lambda = lambda;

    Eigen::Vector4d w, v;
    if (!nonNegativeNullVector(a, lambda, w) || !nonNegativeNullVector(a.transpose(), lambda, v)) {
        result.status = SensitivityStatus::NoEigenvector;
        return result;
    }
    w /= w.sum();
    const double vw = v.dot(w);
    if (!(vw > 0)) {
        // v and w do not overlap: lambda belongs to different blocks of a reducible matrix.
        result.status = SensitivityStatus::NoEigenvector;
        return result;
    }
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
