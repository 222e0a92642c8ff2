#include "demography/analysis.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>

// The figures without harvest come from the analysis of any life cycle
// (demography/stageanalysis.cpp) with U = rows 1..3 of M and F = row 0; the verdict and the
// largest harvest from the program's own projection step (demography/harvestprojection.cpp);
// the harvest equilibrium is a linear system solved by Eigen's FullPivLU.

namespace velmora {

namespace {

bool allFinite(const Matrix4 &m)
{
    return std::all_of(m.begin(), m.end(), [](double x) { return std::isfinite(x); });
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

Eigenvalues fourValues(const Spectrum &values)
{
    Eigenvalues result;
    if (!values.converged || values.values.size() != 4)
        return result;
    std::copy(values.values.begin(), values.values.end(), result.values.begin());
    result.converged = true;
    return result;
}

} // namespace

MatrixStructure matrixStructure(const Matrix4 &m)
{
    return matrixStructure(toEigen(m));
}

Eigenvalues eigenvalues(const Matrix4 &m, int iterationLimit)
{
    return fourValues(spectrum(toEigen(m), iterationLimit));
}

double perronRoot(const Eigenvalues &values)
{
    Spectrum general;
    general.values.assign(values.values.begin(), values.values.end());
    return perronRoot(general);
}

GrowthAnalysis analyseGrowth(const Matrix4 &m, int iterationLimit)
{
    Eigen::MatrixXd a = toEigen(m);
    Eigen::MatrixXd births = Eigen::MatrixXd::Zero(4, 4);
    births.row(0) = a.row(0);
    a.row(0).setZero();
    const StageGrowth s = analyseStageGrowth(a, births, Eigen::MatrixXd::Zero(4, 4), iterationLimit);

    GrowthAnalysis g;
    g.status = s.status;
    g.spectrum = fourValues(s.spectrum);
    g.structure = s.structure;
    g.lambda = s.lambda;
    g.dominantRepeated = s.dominantRepeated;
    g.dampingRatio = s.dampingRatio;
    g.cannotReachReproduction = s.cannotReachReproduction;
    g.lifeExpectancy = s.lifeExpectancy ? std::optional(toVector4(*s.lifeExpectancy)) : std::nullopt;
    if (s.status != GrowthStatus::Ok && s.status != GrowthStatus::NoEigenvector)
        return g;
    if (s.stableDistribution) {
        g.stableDistribution = toVector4(*s.stableDistribution);
        g.sensitivity = fourClassSensitivities(s.sensitivity);
        g.partition = s.partition;
        g.ergodic = s.ergodic;
    }
    // The main window counts reproductive values from class 0: where that class has none,
    // no scale is shown and nothing rests on one.
    const bool fromClassZero = s.reproductiveValueUnit == 0;
    if (s.reproductiveValues && fromClassZero)
        g.reproductiveValues = toVector4(*s.reproductiveValues);
    g.R0 = s.R0;
    g.generationTime = s.generationTime;
    g.generationTimeIsLimit = s.generationTimeStatus == GenerationTimeStatus::LambdaIsOne;
    if (g.generationTimeIsLimit && !fromClassZero)
        g.generationTime.reset();
    if (!g.generationTime)
        g.generationTimeIsLimit = false;
    return g;
}

HarvestEquilibrium harvestEquilibrium(const Matrix4 &m, const Vector4 &h)
{
    HarvestEquilibrium e;
    if (!allFinite(m))
        return e;
    // Singular within the tolerance that makes lambda equal to 1.
    const auto n = solved(Eigen::Matrix4d(toEigen(m)) - Eigen::Matrix4d::Identity(), h, kUnitTolerance);
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
    if (a.growth.stableDistribution) {
        a.transients = transients(model.M, a.growth.lambda, *a.growth.stableDistribution, model.N);
        if (a.growth.reproductiveValues)
            a.transients.inertia = inertia(toEigen(v), toEigen(*a.growth.stableDistribution),
                                           toEigen(model.N));
    }
    return a;
}

} // namespace velmora
