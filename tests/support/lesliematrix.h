#pragma once

#include "demography/matrix4.h"

namespace velmora {

// A 4-class Leslie matrix from its fecundities and its three survival rates.
inline Matrix4 leslie(const Vector4 &f, double s0, double s1, double s2)
{
    return {f[0], f[1], f[2], f[3], s0, 0, 0, 0, 0, s1, 0, 0, 0, 0, s2, 0};
}

// M of the main window's first model: fecundities 0, 1, 2, 1; survival rates 0.5, 1, 0.5.
inline Matrix4 defaultLeslie() { return leslie({0, 1, 2, 1}, 0.5, 1, 0.5); }

} // namespace velmora
