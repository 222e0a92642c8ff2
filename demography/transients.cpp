#include "demography/transients.h"

#include <cmath>
#include <numeric>

namespace velmora {

namespace {

double total(const Vector4 &v) { return std::accumulate(v.begin(), v.end(), 0.0); }

Vector4 times(const Matrix4 &m, const Vector4 &v)
{
    Vector4 out{};
    for (size_t r = 0; r < 4; ++r)
        for (size_t c = 0; c < 4; ++c)
            out[r] += m[4 * r + c] * v[c];
    return out;
}

double distance(const Vector4 &shares, const Vector4 &w)
{
    double sum = 0.0;
    for (size_t i = 0; i < 4; ++i)
        sum += std::fabs(shares[i] - w[i]);
    return sum / 2;
}

} // namespace

Transients transients(const Matrix4 &m, double lambda, const Vector4 &w, const Vector4 &n,
                      int steps)
{
    Transients result;
    const double size = total(n);
    if (!(size > 0) || !std::isfinite(size) || !(lambda > 0))
        return result;
    Vector4 shares = n;
    for (double &x : shares)
        x /= size;
    result.reactivity = total(times(m, shares)) / lambda;

    // Shares only, renormalised every step: the numbers themselves could leave a double.
    int lastOutside = -1;
    for (int t = 0;; ++t) {
        if (distance(shares, w) > kConvergenceDistance)
            lastOutside = t;
        if (t == steps)
            break;
        shares = times(m, shares);
        const double sum = total(shares);
        if (!(sum > 0) || !std::isfinite(sum)) {
            result.diesOut = !(sum > 0);
            return result;
        }
        for (double &x : shares)
            x /= sum;
    }
    if (lastOutside < steps)
        result.convergenceTime = lastOutside + 1;
    return result;
}

} // namespace velmora
