#include "demography/sensitivity.h"

#include "demography/analysis.h"

#include <algorithm>
#include <cmath>

namespace velmora {

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
    return fourClassSensitivities(stageSensitivities(toEigen(m), lambda));
}

Sensitivities fourClassSensitivities(const StageSensitivities &s)
{
    Sensitivities result;
    result.status = s.status;
    result.lambda = s.lambda;
    if (s.status != SensitivityStatus::Ok)
        return result;
    result.w = toVector4(s.w);
    result.v = toVector4(s.v);
    result.sensitivity = toMatrix4(s.sensitivity);
    result.elasticity = toMatrix4(s.elasticity);
    return result;
}

} // namespace velmora
