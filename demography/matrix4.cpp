#include "demography/matrix4.h"

namespace velmora {

Eigen::MatrixXd toEigen(const Matrix4 &m)
{
    Eigen::MatrixXd a(4, 4);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            a(r, c) = m[size_t(4 * r + c)];
    return a;
}

Eigen::VectorXd toEigen(const Vector4 &v)
{
    return Eigen::Vector4d(v[0], v[1], v[2], v[3]);
}

Matrix4 toMatrix4(const Eigen::MatrixXd &m)
{
    Matrix4 out{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            out[size_t(4 * r + c)] = m(r, c);
    return out;
}

Vector4 toVector4(const Eigen::VectorXd &v)
{
    if (v.size() != 4)
        return {}; // a figure that was never computed
    return {v(0), v(1), v(2), v(3)};
}

} // namespace velmora
