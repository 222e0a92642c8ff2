#include "demography/analysis.h"

#include "base/numbertext.h"
#include "demography/sensitivity.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

// Which method gives which figure:
// - the eigenvalues: Eigen's EigenSolver (Hessenberg form, then Francis double-shift QR to the
//   real Schur form) on each strongly connected block of M's graph, balanced first; a block of
//   one class is its diagonal cell, exactly;
// - lambda: the Perron root among them, the root of largest real part;
// - the stable distribution and the reproductive values: the null vectors of M - lambda I and
//   of its transpose, by Eigen's FullPivLU (demography/sensitivity.cpp);
// - R0 and the harvest equilibrium: linear systems solved by Eigen's FullPivLU;
// - reducibility, period and the notes: reachability in the graph of M, our own;
// - the verdict and the largest harvest: the program's own projection step
//   (demography/harvestprojection.cpp).

namespace velmora {

namespace {

using Complex = std::complex<double>;

double at(const Matrix4 &m, int r, int c) { return m[static_cast<size_t>(4 * r + c)]; }

bool allFinite(const Matrix4 &m)
{
    return std::all_of(m.begin(), m.end(), [](double x) { return std::isfinite(x); });
}

Eigen::Matrix4d toEigen(const Matrix4 &m)
{
    Eigen::Matrix4d a;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            a(r, c) = at(m, r, c);
    return a;
}

// x solving a x = b, or nothing where a has no inverse (pivots up to `tiny` of the largest).
std::optional<Vector4> solved(const Eigen::Matrix4d &a, const Vector4 &b, double tiny)
{
    Eigen::FullPivLU<Eigen::Matrix4d> lu(a);
    lu.setThreshold(tiny);
    if (!lu.isInvertible())
        return std::nullopt;
    const Eigen::Vector4d x = lu.solve(Eigen::Vector4d(b[0], b[1], b[2], b[3]));
    return Vector4{x(0), x(1), x(2), x(3)};
}

// D^-1 a D with D a diagonal of powers of 2, exact, until every row and its column are of
// about the same size: the eigenvalues stay, and a badly scaled block (fecundities of 1e14
// beside survival rates of 1e-5) no longer loses its small cells in the QR steps.
void balance(Eigen::MatrixXd &a)
{
    // A few passes balance any block; the bound stops the rare cycle of two rows that undo
    // each other's scaling.
    for (int pass = 0, changed = 1; changed && pass < 32; ++pass) {
        changed = 0;
        for (Eigen::Index i = 0; i < a.rows(); ++i) {
            double column = a.col(i).cwiseAbs().sum() - std::fabs(a(i, i));
            double row = a.row(i).cwiseAbs().sum() - std::fabs(a(i, i));
            if (column == 0.0 || row == 0.0)
                continue;
            const double before = column + row;
            double factor = 1.0;
            for (; column < row / 2; column *= 2, row /= 2)
                factor *= 2;
            for (; column >= row * 2; column /= 2, row *= 2)
                factor /= 2;
            if (column + row < 0.95 * before) {
                changed = 1;
                a.row(i) /= factor;
                a.col(i) *= factor;
            }
        }
    }
}

// reach[i][j]: a path of at least one step leads from class i to class j.
using Reach = std::array<std::array<bool, 4>, 4>;

Reach reachability(const Matrix4 &m)
{
    Reach reach{};
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            reach[c][r] = at(m, r, c) != 0.0;
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                reach[i][j] = reach[i][j] || (reach[i][k] && reach[k][j]);
    return reach;
}

} // namespace

MatrixStructure matrixStructure(const Matrix4 &m)
{
    const Reach reach = reachability(m);
    MatrixStructure s;
    s.acyclic = true;
    for (int i = 0; i < 4; ++i) {
        s.acyclic = s.acyclic && !reach[i][i];
        for (int j = 0; j < 4; ++j)
            s.reducible = s.reducible || (i != j && !reach[i][j]);
    }
    for (int j = 1; j < 4; ++j) {
        if (!reach[0][j])
            s.neverReached.push_back(j);
        if (!reach[j][0])
            s.neverBreeding.push_back(j);
    }
    if (!s.reducible) {
        // Closed walks of length 1..4 contain every simple cycle of four classes, so their
        // lengths have the same gcd as all cycles: the period.
        Reach walk{};
        for (int i = 0; i < 4; ++i)
            walk[i][i] = true;
        int period = 0;
        for (int length = 1; length <= 4; ++length) {
            Reach longer{};
            for (int i = 0; i < 4; ++i)
                for (int j = 0; j < 4; ++j)
                    for (int k = 0; k < 4; ++k)
                        longer[i][j] = longer[i][j] || (walk[i][k] && at(m, j, k) != 0.0);
            walk = longer;
            bool closed = false;
            for (int i = 0; i < 4; ++i)
                closed = closed || walk[i][i];
            if (closed)
                period = std::gcd(period, length);
        }
        s.period = period;
    }
    return s;
}

Eigenvalues eigenvalues(const Matrix4 &m, int iterationLimit)
{
    Eigenvalues result;
    if (!allFinite(m))
        return result;
    // M is block triangular in its strongly connected blocks, so its eigenvalues are theirs.
    // Taking a lone class exactly keeps the defective roots 0 of the classes after the last
    // breeding one at 0, where a solver of the whole matrix gives cube roots of the rounding.
    const Reach reach = reachability(m);
    std::array<bool, 4> done{};
    size_t found = 0;
    for (int i = 0; i < 4; ++i) {
        if (done[static_cast<size_t>(i)])
            continue;
        std::vector<int> members;
        for (int j = i; j < 4; ++j) {
            if (j == i || (reach[i][j] && reach[j][i])) {
                members.push_back(j);
                done[static_cast<size_t>(j)] = true;
            }
        }
        const auto n = static_cast<Eigen::Index>(members.size());
        if (n == 1) {
            result.values[found++] = at(m, i, i);
            continue;
        }
        Eigen::MatrixXd block(n, n);
        for (Eigen::Index r = 0; r < n; ++r)
            for (Eigen::Index c = 0; c < n; ++c)
                block(r, c) = at(m, members[size_t(r)], members[size_t(c)]);
        balance(block);
        Eigen::EigenSolver<Eigen::MatrixXd> solver;
        solver.setMaxIterations(iterationLimit * n);
        solver.compute(block, false);
        if (solver.info() != Eigen::Success)
            return Eigenvalues{};
        for (Eigen::Index k = 0; k < n; ++k)
            result.values[found++] = solver.eigenvalues()(k);
    }
    std::stable_sort(result.values.begin(), result.values.end(), [](Complex a, Complex b) {
        if (std::abs(a) != std::abs(b))
            return std::abs(a) > std::abs(b);
        return a.real() > b.real();
    });
    result.converged = true;
    return result;
}

int compareWithOne(double lambda)
{
    if (std::fabs(lambda - 1.0) <= kUnitTolerance)
        return 0;
    return lambda < 1.0 ? -1 : 1;
}

double perronRoot(const Eigenvalues &spectrum)
{
    double root = -std::numeric_limits<double>::infinity();
    for (const Complex &value : spectrum.values)
        root = std::max(root, value.real());
    return root;
}

GrowthAnalysis analyseGrowth(const Matrix4 &m, int iterationLimit)
{
    GrowthAnalysis g;
    if (!allFinite(m))
        return g;
    g.structure = matrixStructure(m);
    if (std::any_of(m.begin(), m.end(), [](double x) { return x < 0; })) {
        g.status = GrowthStatus::NegativeEntry;
        return g;
    }
    g.spectrum = eigenvalues(m, iterationLimit);
    if (!g.spectrum.converged)
        return g;
    if (g.structure.acyclic) {
        g.status = GrowthStatus::NoGrowth;
        return g;
    }
    g.lambda = perronRoot(g.spectrum);
    if (!(g.lambda > 0))
        return g;

    double second = 0.0;
    bool skipped = false; // the root that is lambda itself
    for (const Complex &other : g.spectrum.values) {
        if (!skipped && other.real() == g.lambda) {
            skipped = true;
            continue;
        }
        second = std::max(second, std::abs(other));
        g.dominantRepeated = g.dominantRepeated || std::abs(other - g.lambda) <= 1e-9 * g.lambda;
    }
    if (second == 0.0)
        g.dampingRatio = std::numeric_limits<double>::infinity();
    else
        g.dampingRatio = std::max(1.0, g.lambda / second);
    if (g.dampingRatio < 1.0 + 1e-12)
        g.dampingRatio = 1.0;

    // A repeated root has no single pair of vectors; the sentences say so, not a failure.
    bool vectorsFound = g.dominantRepeated;
    Vector4 w{};
    if (!g.dominantRepeated) {
        const Sensitivities s = sensitivitiesAt(m, g.lambda);
        vectorsFound = s.status == SensitivityStatus::Ok;
        if (vectorsFound) {
            g.sensitivity = s;
            w = s.w;
            g.stableDistribution = w;
            const double largest = *std::max_element(s.v.begin(), s.v.end());
            if (s.v[0] > 1e-12 * largest) {
                Vector4 v = s.v;
                for (double &x : v)
                    x /= s.v[0];
                g.reproductiveValues = v;
            }
        }
    }

    // R0: the dominant eigenvalue of F (I - T)^-1 with F = row 0 (births) and T = rows 1..3
    // (survival). F has rank one, so R0 = f . y with (I - T) y = e0; it exists only while
    // survival alone lets every cohort die out.
    Matrix4 t = m;
    std::fill(t.begin(), t.begin() + 4, 0.0);
    const Eigenvalues survival = eigenvalues(t, iterationLimit);
    if (survival.converged && std::abs(survival.values[0]) < 1.0 - 1e-12) {
        if (const auto y = solved(Eigen::Matrix4d::Identity() - toEigen(t), {1.0, 0.0, 0.0, 0.0},
                                  1e-12))
            g.R0 = std::inner_product(m.begin(), m.begin() + 4, y->begin(), 0.0);
    }

    if (g.R0 && *g.R0 > 0) {
        const double logLambda = std::log(g.lambda);
        if (std::fabs(logLambda) < 1e-7) {
            // ln R0 / ln lambda is 0/0 here; its limit is the mean age of the parents.
            if (g.stableDistribution && g.reproductiveValues) {
                const double vw = std::inner_product(w.begin(), w.end(),
                                                     g.reproductiveValues->begin(), 0.0);
                const double fw = std::inner_product(w.begin(), w.end(), m.begin(), 0.0);
                if (fw > 0) {
                    g.generationTime = g.lambda * vw / fw;
                    g.generationTimeIsLimit = true;
                }
            }
        } else {
            const double time = std::log(*g.R0) / logLambda;
            if (std::isfinite(time) && time > 0)
                g.generationTime = time;
        }
    }
    g.status = vectorsFound ? GrowthStatus::Ok : GrowthStatus::NoEigenvector;
    return g;
}

HarvestEquilibrium harvestEquilibrium(const Matrix4 &m, const Vector4 &h)
{
    HarvestEquilibrium e;
    if (!allFinite(m))
        return e;
    // Singular within the tolerance that makes lambda equal to 1.
    const auto n = solved(toEigen(m) - Eigen::Matrix4d::Identity(), h, kUnitTolerance);
    if (!n)
        return e;
    e.N = *n;
    const double noise = 1e-12 * std::fabs(*std::max_element(
        e.N.begin(), e.N.end(), [](double a, double b) { return std::fabs(a) < std::fabs(b); }));
    e.status = EquilibriumStatus::Ok;
    for (double &x : e.N) {
        if (std::fabs(x) <= noise)
            x = 0.0;
        if (x < 0)
            e.status = EquilibriumStatus::NotBiological;
        e.total += x;
    }
    return e;
}

ModelAnalysis analyseModel(const PopulationModel &model)
{
    ModelAnalysis a;
    a.model = model;
    a.growth = analyseGrowth(model.M);
    a.equilibrium = harvestEquilibrium(model.M, model.H);
    const double threshold = model.extinctionThreshold;
    a.verdict = harvestVerdict(model.M, model.H, model.N, threshold);
    a.limit = largestHarvest(model.M, model.H, model.N, threshold);
    if (a.limit.status == HarvestLimitStatus::Ok)
        a.atLimit = harvestVerdict(model.M, a.limit.harvest, model.N, threshold);
    const Vector4 v = a.growth.reproductiveValues.value_or(Vector4{});
    if (a.growth.reproductiveValues)
        a.rule = harvestRule(a.growth.lambda, v, model.N, model.H);
    a.costs = harvestCosts(a.rule, v, model.M, model.N, threshold);
    if (a.growth.status == GrowthStatus::Ok || a.growth.status == GrowthStatus::NoEigenvector)
        a.proportional = proportionalHarvest(model.M, a.growth.lambda);
    if (a.growth.stableDistribution)
        a.transients = transients(model.M, a.growth.lambda, *a.growth.stableDistribution, model.N);
    return a;
}

} // namespace velmora
