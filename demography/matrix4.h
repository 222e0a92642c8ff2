#pragma once

#include <Eigen/Core>

#include <array>

namespace velmora {

// The projection matrix and the age vectors as plain values, for the analysis and its tests.
using Matrix4 = std::array<double, 16>; // row by row: M[r][c] is element 4r + c
using Vector4 = std::array<double, 4>;

// The same values as Eigen's dynamic types, for the analysis of any life cycle, and back.
Eigen::MatrixXd toEigen(const Matrix4 &m);
Eigen::VectorXd toEigen(const Vector4 &v);
Matrix4 toMatrix4(const Eigen::MatrixXd &m);
Vector4 toVector4(const Eigen::VectorXd &v); // zeros unless v has 4 entries

} // namespace velmora
