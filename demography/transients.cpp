#include "demography/transients.h"

namespace velmora {

Transients transients(const Matrix4 &m, double lambda, const Vector4 &w, const Vector4 &n,
                      int steps)
{
    const StageTransients t = stageTransients(toEigen(m), lambda, toEigen(w), toEigen(n), steps);
    Transients result;
    result.reactivity = t.reactivity;
    result.convergenceTime = t.convergenceTime;
    result.diesOut = t.diesOut;
    return result;
}

} // namespace velmora
