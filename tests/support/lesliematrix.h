#pragma once

#include "demography/matrix4.h"

namespace velmora {

// A 4-class Leslie matrix from its fecundities and its three survival rates.
inline Matrix4 leslie(const Vector4 &f, double s0, double s1, double s2)
{
    return {f[0], f[1], f[2], f[3], s0, 0, 0, 0, 0, s1, 0, 0, 0, 0, s2, 0};
}

} // namespace velmora
