#include "demography/stageanalysis.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

// Which method gives which figure:
// - the eigenvalues: Eigen's EigenSolver (Hessenberg form, then Francis double-shift QR to the
//   real Schur form) on each strongly connected block of the graph, balanced first; a block of
//   one stage is its diagonal cell, exactly;
// - lambda: the Perron root among them, the root of largest real part;
// - w and v: the null vectors of A - lambda I and of its transpose, by Eigen's FullPivLU;
// - R0 and life expectancy: (I - U)^-1 column by column from one FullPivLU;
// - reducibility, period and reachability of reproduction: the graph of A, our own;
// - the proportional rates: the matrix determinant lemma, bisection where it does not apply.

namespace velmora {

namespace {

using Complex = std::complex<double>;
// Bytes, not std::vector<bool>: the closure of a 100-stage cycle reads them a million times.
using Reach = std::vector<std::vector<char>>;

bool allFinite(const Eigen::MatrixXd &a) { return a.allFinite(); }

// reach[i][j]: a path of at least one step leads from stage i to stage j.
Reach reachability(const Eigen::MatrixXd &a)
{
    const Eigen::Index n = a.rows();
    Reach reach(size_t(n), std::vector<char>(size_t(n), 0));
    for (Eigen::Index c = 0; c < n; ++c)
        for (Eigen::Index r = 0; r < n; ++r)
            reach[size_t(c)][size_t(r)] = a(r, c) != 0.0;
    for (size_t k = 0; k < size_t(n); ++k) {
        const char *fromK = reach[k].data();
        for (size_t i = 0; i < size_t(n); ++i) {
            char *fromI = reach[i].data();
            if (fromI[k])
                for (size_t j = 0; j < size_t(n); ++j)
                    fromI[j] = fromI[j] || fromK[j];
        }
    }
    return reach;
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

// The 4-stage case runs on Eigen's fixed-size types: the figures of the main window's model
// keep the last digits they have always had, and small solves skip the heap.
template <class Matrix>
using VectorOf = Eigen::Matrix<double, Matrix::RowsAtCompileTime, 1>;

// The null vector of a - lambda I with no negative entry (sign fixed), or false. lambda is a
// simple root, so the smallest pivot of a full-pivot LU is rounding noise and is taken as 0;
// the residual then tells whether the vector really belongs to lambda.
template <class Matrix>
bool nonNegativeNullVector(const Matrix &a, double lambda, VectorOf<Matrix> &x)
{
    const Eigen::Index n = a.rows();
    if (n == 1) {
        x = VectorOf<Matrix>::Ones(1);
        return a(0, 0) == lambda;
    }
    Eigen::FullPivLU<Matrix> lu(a - lambda * Matrix::Identity(n, n));
    VectorOf<Matrix> pivots = lu.matrixLU().diagonal().cwiseAbs();
    std::sort(pivots.data(), pivots.data() + n);
    if (!(pivots(n - 1) > 0))
        return false; // a = lambda I: every vector belongs to lambda
    // Between the smallest pivot and the next, so that exactly the smallest counts as 0.
    lu.setThreshold(std::sqrt(pivots(0)) * std::sqrt(pivots(1)) / pivots(n - 1));
    if (lu.rank() != n - 1)
        return false;
    const Eigen::MatrixXd kernel = lu.kernel();
    x = kernel.col(0);
    if (x.sum() < 0)
        x = -x;
    const double size = x.cwiseAbs().maxCoeff();
    if (!(size > 0) || !std::isfinite(size))
        return false;
    for (Eigen::Index i = 0; i < n; ++i) {
        if (x(i) < -1e-9 * size)
            return false;
        x(i) = std::max(x(i), 0.0);
    }
    const double scale = a.cwiseAbs().rowwise().sum().maxCoeff() + lambda;
    return (a * x - lambda * x).cwiseAbs().maxCoeff() <= 1e-9 * scale * size;
}

template <class Matrix>
StageSensitivities sensitivitiesOf(const Matrix &a, double lambda)
{
    StageSensitivities result;
    result.lambda = lambda;
    result.status = SensitivityStatus::NoEigenvector;
    VectorOf<Matrix> w(a.rows());
    VectorOf<Matrix> v(a.rows());
    if (!nonNegativeNullVector(a, lambda, w)
        || !nonNegativeNullVector(Matrix(a.transpose()), lambda, v))
        return result;
    w /= w.sum();
    const double vw = v.dot(w);
    // v and w do not overlap: lambda belongs to different blocks of a reducible matrix.
    if (!(vw > 0))
        return result;
    v /= vw;
    result.w = w;
    result.v = v;
    const Eigen::Index n = a.rows();
    result.sensitivity.resize(n, n);
    result.elasticity.resize(n, n);
    for (Eigen::Index r = 0; r < n; ++r)
        for (Eigen::Index c = 0; c < n; ++c) {
            result.sensitivity(r, c) = result.v(r) * result.w(c);
            result.elasticity(r, c) = a(r, c) / lambda * result.sensitivity(r, c);
        }
    result.status = SensitivityStatus::Ok;
    return result;
}

// (I - U)^-1 column by column, or nothing where I - U has no inverse.
template <class Matrix>
std::optional<Eigen::MatrixXd> fundamentalMatrix(const Matrix &u)
{
    const Eigen::Index n = u.rows();
    Eigen::FullPivLU<Matrix> lu(Matrix::Identity(n, n) - u);
    lu.setThreshold(1e-12);
    if (!lu.isInvertible())
        return std::nullopt;
    Eigen::MatrixXd inverse(n, n);
    for (Eigen::Index j = 0; j < n; ++j) {
        VectorOf<Matrix> unit = VectorOf<Matrix>::Zero(n);
        unit(j) = 1.0;
        const VectorOf<Matrix> column = lu.solve(unit);
        inverse.col(j) = column;
    }
    return inverse;
}

double sequentialDot(const Eigen::VectorXd &a, const Eigen::VectorXd &b)
{
    return std::inner_product(a.data(), a.data() + a.size(), b.data(), 0.0);
}

// lambda of A with row i scaled by 1 - rate: the animals arriving in stage i, less the harvest.
double harvestedLambda(Eigen::MatrixXd a, Eigen::Index i, double rate)
{
    a.row(i) *= 1.0 - rate;
    const Spectrum values = spectrum(a);
    return values.converged ? std::max(0.0, perronRoot(values)) : 0.0;
}

} // namespace

int compareWithOne(double lambda)
{
    if (std::fabs(lambda - 1.0) <= kUnitTolerance)
        return 0;
    return lambda < 1.0 ? -1 : 1;
}

Spectrum spectrum(const Eigen::MatrixXd &a, int iterationLimit)
{
    Spectrum result;
    if (!allFinite(a))
        return result;
    // A is block triangular in its strongly connected blocks, so its eigenvalues are theirs.
    // Taking a lone stage exactly keeps the defective roots 0 of the stages after the last
    // breeding one at 0, where a solver of the whole matrix gives roots of the rounding.
    const Reach reach = reachability(a);
    const size_t n = size_t(a.rows());
    std::vector<bool> done(n, false);
    for (size_t i = 0; i < n; ++i) {
        if (done[i])
            continue;
        std::vector<Eigen::Index> members;
        for (size_t j = i; j < n; ++j) {
            if (j == i || (reach[i][j] && reach[j][i])) {
                members.push_back(Eigen::Index(j));
                done[j] = true;
            }
        }
        const auto size = static_cast<Eigen::Index>(members.size());
        if (size == 1) {
            result.values.emplace_back(a(Eigen::Index(i), Eigen::Index(i)));
            continue;
        }
        Eigen::MatrixXd block(size, size);
        for (Eigen::Index r = 0; r < size; ++r)
            for (Eigen::Index c = 0; c < size; ++c)
                block(r, c) = a(members[size_t(r)], members[size_t(c)]);
        balance(block);
        Eigen::EigenSolver<Eigen::MatrixXd> solver;
        solver.setMaxIterations(iterationLimit * size);
        solver.compute(block, false);
        if (solver.info() != Eigen::Success)
            return Spectrum{};
        for (Eigen::Index k = 0; k < size; ++k)
            result.values.push_back(solver.eigenvalues()(k));
    }
    std::stable_sort(result.values.begin(), result.values.end(), [](Complex x, Complex y) {
        if (std::abs(x) != std::abs(y))
            return std::abs(x) > std::abs(y);
        return x.real() > y.real();
    });
    result.converged = true;
    return result;
}

double perronRoot(const Spectrum &values)
{
    double root = -std::numeric_limits<double>::infinity();
    for (const Complex &value : values.values)
        root = std::max(root, value.real());
    return root;
}

MatrixStructure matrixStructure(const Eigen::MatrixXd &a)
{
    const Reach reach = reachability(a);
    const size_t n = size_t(a.rows());
    MatrixStructure s;
    s.acyclic = true;
    for (size_t i = 0; i < n; ++i) {
        s.acyclic = s.acyclic && !reach[i][i];
        for (size_t j = 0; j < n; ++j)
            s.reducible = s.reducible || (i != j && !reach[i][j]);
    }
    for (size_t j = 1; j < n; ++j) {
        if (!reach[0][j])
            s.neverReached.push_back(int(j));
        if (!reach[j][0])
            s.neverBreeding.push_back(int(j));
    }
    if (!s.reducible && n > 0) {
        // Levels of a breadth-first search from stage 0: every cycle length is a multiple of
        // the gcd of level(u) + 1 - level(v) over the edges u -> v, and that gcd is the period.
        std::vector<int> level(n, -1);
        std::vector<size_t> queue{0};
        level[0] = 0;
        for (size_t head = 0; head < queue.size(); ++head) {
            const size_t u = queue[head];
            for (size_t v = 0; v < n; ++v) {
                if (a(Eigen::Index(v), Eigen::Index(u)) != 0.0 && level[v] < 0) {
                    level[v] = level[u] + 1;
                    queue.push_back(v);
                }
            }
        }
        int period = 0;
        for (size_t u = 0; u < n; ++u)
            for (size_t v = 0; v < n; ++v)
                if (a(Eigen::Index(v), Eigen::Index(u)) != 0.0)
                    period = std::gcd(period, std::abs(level[u] + 1 - level[v]));
        s.period = period;
    }
    s.primitive = !s.reducible && s.period == 1;
    return s;
}

std::vector<int> stagesWithoutReproduction(const Eigen::MatrixXd &a,
                                           const Eigen::MatrixXd &births)
{
    const Reach reach = reachability(a);
    const Eigen::Index n = a.rows();
    std::vector<bool> breeds(size_t(n), false);
    for (Eigen::Index c = 0; c < n; ++c)
        breeds[size_t(c)] = (births.col(c).array() != 0.0).any();
    std::vector<int> without;
    for (size_t i = 0; i < size_t(n); ++i) {
        bool reaches = breeds[i];
        for (size_t j = 0; j < size_t(n) && !reaches; ++j)
            reaches = reach[i][j] && breeds[j];
        if (!reaches)
            without.push_back(int(i));
    }
    return without;
}

StageSensitivities stageSensitivities(const Eigen::MatrixXd &a, double lambda)
{
    if (a.rows() == 4 && a.cols() == 4)
        return sensitivitiesOf(Eigen::Matrix4d(a), lambda);
    return sensitivitiesOf(a, lambda);
}

ElasticityPartition elasticityPartition(const Eigen::MatrixXd &U, const Eigen::MatrixXd &F,
                                        const Eigen::MatrixXd &C,
                                        const Eigen::MatrixXd &elasticity)
{
    ElasticityPartition p;
    for (Eigen::Index r = 0; r < U.rows(); ++r) {
        for (Eigen::Index c = 0; c < U.cols(); ++c) {
            const double cell = U(r, c) + F(r, c) + C(r, c);
            if (!(cell > 0))
                continue;
            const double e = elasticity(r, c);
            const double survival = e * U(r, c) / cell;
            (r == c ? p.stasis : r > c ? p.growth : p.retrogression) += survival;
            p.reproduction += e * F(r, c) / cell;
            p.clonal += e * C(r, c) / cell;
        }
    }
    return p;
}

StageGrowth analyseStageGrowth(const Eigen::MatrixXd &U, const Eigen::MatrixXd &F,
                               const Eigen::MatrixXd &C, int iterationLimit)
{
    StageGrowth g;
    const Eigen::MatrixXd a = U + F + C;
    const Eigen::MatrixXd births = F + C;
    if (!allFinite(U) || !allFinite(F) || !allFinite(C) || a.rows() == 0)
        return g;
    g.structure = matrixStructure(a);
    if ((U.array() < 0).any() || (F.array() < 0).any() || (C.array() < 0).any()) {
        g.status = GrowthStatus::NegativeEntry;
        return g;
    }
    g.cannotReachReproduction = stagesWithoutReproduction(a, births);
    g.spectrum = spectrum(a, iterationLimit);
    if (!g.spectrum.converged)
        return g;

    // Life expectancy and R0 rest on U and F + C alone, whatever lambda is.
    const Spectrum survival = spectrum(U, iterationLimit);
    std::optional<Eigen::MatrixXd> fundamental;
    if (survival.converged && std::abs(survival.values[0]) < 1.0 - 1e-12)
        fundamental = U.rows() == 4 ? fundamentalMatrix(Eigen::Matrix4d(U)) : fundamentalMatrix(U);
    g.lifeTable = fundamental ? LifeTableStatus::Ok : LifeTableStatus::NeverDies;
    if (fundamental) {
        const Eigen::Index n = U.rows();
        Eigen::VectorXd expectancy(n);
        Eigen::MatrixXd next(n, n); // (F + C)(I - U)^-1, each cell summed in stage order
        for (Eigen::Index c = 0; c < n; ++c) {
            double sum = 0.0;
            for (Eigen::Index k = 0; k < n; ++k)
                sum += (*fundamental)(k, c);
            expectancy(c) = sum;
            for (Eigen::Index r = 0; r < n; ++r) {
                double cell = 0.0;
                for (Eigen::Index k = 0; k < n; ++k)
                    cell += births(r, k) * (*fundamental)(k, c);
                next(r, c) = cell;
            }
        }
        g.lifeExpectancy = expectancy;
        const Spectrum generations = spectrum(next, iterationLimit);
        if (generations.converged)
            g.R0 = std::max(0.0, perronRoot(generations));
    }

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

    // A repeated root has no single pair of vectors; the callers say so, not a failure.
    bool vectorsFound = g.dominantRepeated;
    if (!g.dominantRepeated) {
        const StageSensitivities s = stageSensitivities(a, g.lambda);
        vectorsFound = s.status == SensitivityStatus::Ok;
        if (vectorsFound) {
            g.sensitivity = s;
            g.stableDistribution = s.w;
            g.partition = elasticityPartition(U, F, C, s.elasticity);
            const double largest = s.v.maxCoeff();
            g.ergodic = (s.v.array() > 1e-12 * largest).all();
            for (Eigen::Index i = 0; i < s.v.size() && g.reproductiveValueUnit < 0; ++i) {
                if (s.v(i) > 1e-12 * largest) {
                    Eigen::VectorXd v = s.v;
                    for (double &x : v)
                        x /= s.v(i);
                    // No path leads from these stages to a birth: their value is 0 exactly,
                    // not the solver's rounding (which made taking them look costly).
                    for (const int stage : g.cannotReachReproduction)
                        v(stage) = 0.0;
                    g.reproductiveValues = v;
                    g.reproductiveValueUnit = int(i);
                }
            }
        }
    }

    if (!g.R0 || !(*g.R0 > 0)) {
        g.generationTimeStatus = GenerationTimeStatus::NoR0;
    } else if (const double logLambda = std::log(g.lambda); std::fabs(logLambda) < 1e-7) {
        g.generationTimeStatus = GenerationTimeStatus::LambdaIsOne;
        if (g.stableDistribution && g.reproductiveValues) {
            const Eigen::VectorXd &w = *g.stableDistribution;
            const Eigen::VectorXd &v = *g.reproductiveValues;
            const double vw = sequentialDot(w, v);
            double fw = 0.0;
            for (Eigen::Index r = 0; r < births.rows(); ++r) {
                if (v(r) == 0.0)
                    continue;
                double row = 0.0;
                for (Eigen::Index c = 0; c < births.cols(); ++c)
                    row += w(c) * births(r, c);
                fw += v(r) * row;
            }
            if (fw > 0)
                g.generationTime = g.lambda * vw / fw;
        }
    } else {
        const double time = std::log(*g.R0) / logLambda;
        if (std::isfinite(time) && time > 0) {
            g.generationTime = time;
            g.generationTimeStatus = GenerationTimeStatus::Ok;
        } else {
            g.generationTimeStatus = GenerationTimeStatus::NotPositive;
        }
    }
    g.status = vectorsFound ? GrowthStatus::Ok : GrowthStatus::NoEigenvector;
    return g;
}

StageHarvestRule stageHarvestRule(double lambda, const Eigen::VectorXd &v,
                                  const Eigen::VectorXd &n, const Eigen::VectorXd &h)
{
    StageHarvestRule rule;
    rule.direction = h;
    if (h.size() > 0 && (h.array() == 0.0).all())
        rule.direction = Eigen::VectorXd::Unit(h.size(), 0);
    if (!(lambda > 0) || !std::isfinite(lambda))
        return rule;
    rule.lambdaVersusOne = compareWithOne(lambda);
    rule.valueOfN = sequentialDot(v, n);
    rule.costOfH = sequentialDot(v, h);
    rule.surplus = (lambda - 1.0) * rule.valueOfN;
    const double costOfDirection = sequentialDot(v, rule.direction);

    if (rule.lambdaVersusOne > 0) {
        rule.valueOfNStar = rule.costOfH / (lambda - 1.0);
        if (costOfDirection > 0)
            rule.sustainableFactor = rule.surplus / costOfDirection;
        else
            rule.unlimited = true;
    }

    if (rule.valueOfN <= 0 || rule.lambdaVersusOne < 0)
        rule.verdict = RuleVerdict::Falls; // nothing left that breeds, or declining anyway
    else if (rule.lambdaVersusOne == 0)
        rule.verdict = rule.costOfH > 0 ? RuleVerdict::Falls : RuleVerdict::Holds;
    else if (std::fabs(rule.valueOfN - *rule.valueOfNStar) <= kUnitTolerance * rule.valueOfN)
        rule.verdict = RuleVerdict::Holds;
    else
        rule.verdict = rule.valueOfN > *rule.valueOfNStar ? RuleVerdict::Grows : RuleVerdict::Falls;
    return rule;
}

std::vector<StageCost> stageCosts(const StageHarvestRule &rule, const Eigen::VectorXd &v)
{
    std::vector<StageCost> costs(size_t(v.size()));
    for (Eigen::Index i = 0; i < v.size(); ++i) {
        StageCost &cost = costs[size_t(i)];
        cost.reproductiveValue = v(i);
        if (rule.verdict != RuleVerdict::Unknown && rule.lambdaVersusOne > 0) {
            if (v(i) > 0)
                cost.largestForEver = rule.surplus / v(i);
            else
                cost.unlimited = true;
        }
    }
    return costs;
}

StageProportionalHarvest stageProportionalHarvest(const Eigen::MatrixXd &a, double lambda)
{
    StageProportionalHarvest harvest;
    const Eigen::Index n = a.rows();
    const int versusOne = compareWithOne(lambda);
    if (!(lambda > 0) || versusOne < 0)
        return harvest;
    harvest.uniformRate = versusOne == 0 ? 0.0 : 1.0 - 1.0 / lambda;
    harvest.byStage.assign(size_t(n), std::nullopt);
    // det(A - I - r e_i a_i) = det(A - I) (1 - r a_i (A - I)^-1 e_i) vanishes at one rate only,
    // and lambda falls through 1 there: no eigen-solver needed inside the search.
    Eigen::FullPivLU<Eigen::MatrixXd> lu(a - Eigen::MatrixXd::Identity(n, n));
    Eigen::MatrixXd balanced;
    std::optional<Eigen::FullPivLU<Eigen::MatrixXd>> balancedLu;
    for (Eigen::Index i = 0; i < n; ++i) {
        if (compareWithOne(harvestedLambda(a, i, 1.0)) >= 0) {
            harvest.byStage[size_t(i)] = 1.0;
            continue;
        }
        if (versusOne == 0) {
            harvest.byStage[size_t(i)] = 0.0;
            continue;
        }
        if (lu.isInvertible()) {
            const Eigen::VectorXd y = lu.solve(Eigen::VectorXd::Unit(n, i));
            const double rate = 1.0 / a.row(i).dot(y);
            if (rate > 0 && rate < 1) {
                harvest.byStage[size_t(i)] = rate;
                continue;
            }
        }
        // Cells from 1e-5 to 1e10 leave A - I too badly scaled for the pivots. The rate is the
        // same for D^-1 A D (a diagonal D commutes with the harvest of row i), so the exactly
        // balanced matrix answers instead of sixty eigen-solves.
        if (!balancedLu) {
            balanced = a;
            balance(balanced);
            balancedLu.emplace(balanced - Eigen::MatrixXd::Identity(n, n));
        }
        if (balancedLu->isInvertible()) {
            const Eigen::VectorXd y = balancedLu->solve(Eigen::VectorXd::Unit(n, i));
            const double rate = 1.0 / balanced.row(i).dot(y);
            if (rate > 0 && rate < 1) {
                harvest.byStage[size_t(i)] = rate;
                continue;
            }
        }
        // lambda falls as the rate rises (a smaller row of a non-negative matrix): bisect.
        double low = 0.0;
        double high = 1.0;
        for (int k = 0; k < 60; ++k) {
            const double middle = 0.5 * (low + high);
            (harvestedLambda(a, i, middle) >= 1.0 ? low : high) = middle;
        }
        harvest.byStage[size_t(i)] = low;
    }
    return harvest;
}

StageTransients stageTransients(const Eigen::MatrixXd &a, double lambda,
                                const Eigen::VectorXd &w, const Eigen::VectorXd &n, int steps)
{
    StageTransients result;
    const Eigen::Index size = n.size();
    auto total = [](const Eigen::VectorXd &x) { return std::accumulate(x.begin(), x.end(), 0.0); };
    // Summed in stage order, as the projection step sums. Read through plain pointers: the
    // 1000 steps of a 100-stage cycle took a second through Eigen's checked access in Debug.
    const Eigen::Index stride = a.outerStride();
    auto times = [&](const Eigen::VectorXd &x) {
        Eigen::VectorXd out(size);
        const double *in = x.data();
        for (Eigen::Index r = 0; r < size; ++r) {
            const double *cell = a.data() + r;
            double sum = 0.0;
            for (Eigen::Index c = 0; c < size; ++c)
                sum += cell[c * stride] * in[c];
            out[r] = sum;
        }
        return out;
    };
    auto distance = [&](const Eigen::VectorXd &shares) {
        double sum = 0.0;
        for (Eigen::Index i = 0; i < size; ++i)
            sum += std::fabs(shares(i) - w(i));
        return sum / 2;
    };
    const double mass = total(n);
    if (!(mass > 0) || !std::isfinite(mass) || !(lambda > 0))
        return result;
    Eigen::VectorXd shares = n;
    for (double &x : shares)
        x /= mass;
    result.reactivity = total(times(shares)) / lambda;

    // Shares only, renormalised every step: the numbers themselves could leave a double.
    int lastOutside = -1;
    for (int t = 0;; ++t) {
        if (distance(shares) > kConvergenceDistance)
            lastOutside = t;
        if (t == steps)
            break;
        shares = times(shares);
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

std::optional<double> inertia(const Eigen::VectorXd &v, const Eigen::VectorXd &w,
                              const Eigen::VectorXd &n)
{
    const double mass = n.sum();
    const double vw = sequentialDot(v, w);
    if (!(mass > 0) || !std::isfinite(mass) || !(vw > 0))
        return std::nullopt;
    return sequentialDot(v, n / mass) / vw * w.sum();
}

StageAnalysis analyseStageModel(const StageModel &model, int steps)
{
    StageAnalysis result;
    result.growth = analyseStageGrowth(model.U, model.F, model.C);
    const StageGrowth &g = result.growth;
    const Eigen::VectorXd v = g.reproductiveValues.value_or(Eigen::VectorXd::Zero(model.size()));
    if (g.reproductiveValues)
        result.rule = stageHarvestRule(g.lambda, v, model.n0, model.harvest);
    result.costs = stageCosts(result.rule, v);
    const Eigen::MatrixXd a = model.A();
    if (g.status == GrowthStatus::Ok || g.status == GrowthStatus::NoEigenvector)
        result.proportional = stageProportionalHarvest(a, g.lambda);
    if (g.stableDistribution) {
        result.transients = stageTransients(a, g.lambda, *g.stableDistribution, model.n0, steps);
        if (g.reproductiveValues)
            result.transients.inertia = inertia(v, *g.stableDistribution, model.n0);
    }
    return result;
}

} // namespace velmora
