#pragma once

#include <array>

namespace velmora {

// The projection matrix and the age vectors as plain values, for the analysis and its tests.
using Matrix4 = std::array<double, 16>; // row by row: M[r][c] is element 4r + c
using Vector4 = std::array<double, 4>;

} // namespace velmora
