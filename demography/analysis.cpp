#include "demography/analysis.h"

#include "demography/leslie.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>

// The figures without harvest come from the analysis of any life cycle
// (demography/stageanalysis.cpp) with U = rows 1..3 of M and F = row 0; the verdict and the
// largest harvest from the program's own projection step (demography/harvestprojection.cpp);
// the harvest equilibrium is a linear system solved by Eigen's FullPivLU.

namespace velmora {

namespace {

// x solving a x = b, or nothing where a has no inverse (pivots up to `tiny` of the largest).
// Four stages solve on fixed-size types: the main window's figures keep their last digits.
template <class Matrix>
std::optional<Eigen::VectorXd> solved(const Matrix &a, const Eigen::VectorXd &b, double tiny)
{
    Eigen::FullPivLU<Matrix> lu(a);
    lu.setThreshold(tiny);
    if (!lu.isInvertible())
        return std::nullopt;
    using Vector = Eigen::Matrix<double, Matrix::RowsAtCompileTime, 1>;
    const Vector x = lu.solve(Vector(b));
    return Eigen::VectorXd(x);
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

namespace {

// The 4-class figures of a life cycle's growth: the main window counts reproductive values
// from class 0, so where that class has none, no scale is shown and nothing rests on one.
GrowthAnalysis fourClassGrowth(const StageGrowth &s)
{
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

StageGrowth stageGrowthOf(const GrowthAnalysis &g)
{
    StageGrowth s;
    s.status = g.status;
    s.spectrum.converged = g.spectrum.converged;
    if (g.spectrum.converged)
        s.spectrum.values.assign(g.spectrum.values.begin(), g.spectrum.values.end());
    s.structure = g.structure;
    s.lambda = g.lambda;
    s.dominantRepeated = g.dominantRepeated;
    s.dampingRatio = g.dampingRatio;
    if (g.stableDistribution)
        s.stableDistribution = toEigen(*g.stableDistribution);
    if (g.reproductiveValues) {
        s.reproductiveValues = toEigen(*g.reproductiveValues);
        s.reproductiveValueUnit = 0;
    }
    s.ergodic = g.ergodic;
    s.cannotReachReproduction = g.cannotReachReproduction;
    const Sensitivities &from = g.sensitivity;
    s.sensitivity.status = from.status;
    s.sensitivity.lambda = from.lambda;
    if (from.status == SensitivityStatus::Ok) {
        s.sensitivity.w = toEigen(from.w);
        s.sensitivity.v = toEigen(from.v);
        s.sensitivity.sensitivity = toEigen(from.sensitivity);
        s.sensitivity.elasticity = toEigen(from.elasticity);
    }
    s.partition = g.partition;
    s.lifeTable = g.lifeExpectancy ? LifeTableStatus::Ok : LifeTableStatus::NeverDies;
    if (g.lifeExpectancy)
        s.lifeExpectancy = toEigen(*g.lifeExpectancy);
    s.R0 = g.R0;
    s.generationTime = g.generationTime;
    s.generationTimeStatus = g.generationTimeIsLimit ? GenerationTimeStatus::LambdaIsOne
                             : g.generationTime      ? GenerationTimeStatus::Ok
                                                     : GenerationTimeStatus::NoR0;
    return s;
}

} // namespace

GrowthAnalysis analyseGrowth(const Matrix4 &m, int iterationLimit)
{
    const StageModel stages = stageModelOf(PopulationModel{m, {}, {}, 0, kQuasiExtinction});
    return fourClassGrowth(analyseStageGrowth(stages.U, stages.F, stages.C, iterationLimit));
}

StageEquilibrium stageHarvestEquilibrium(const Eigen::MatrixXd &a, const Eigen::VectorXd &h)
{
    StageEquilibrium e;
    const Eigen::Index n = a.rows();
    if (!a.allFinite() || n == 0)
        return e;
    // Singular within the tolerance that makes lambda equal to 1.
    const auto x = n == 4
                       ? solved(Eigen::Matrix4d(Eigen::Matrix4d(a) - Eigen::Matrix4d::Identity()),
                                h, kUnitTolerance)
                       : solved(Eigen::MatrixXd(a - Eigen::MatrixXd::Identity(n, n)), h,
                                kUnitTolerance);
    if (!x)
        return e;
    e.N = *x;
    const double noise = 1e-12 * e.N.cwiseAbs().maxCoeff();
    e.status = EquilibriumStatus::Ok;
    for (double &value : e.N) {
        if (std::fabs(value) <= noise)
            value = 0.0;
        if (value < 0)
            e.status = EquilibriumStatus::NotBiological;
        e.total += value;
    }
    return e;
}

HarvestEquilibrium harvestEquilibrium(const Matrix4 &m, const Vector4 &h)
{
    const StageEquilibrium e = stageHarvestEquilibrium(toEigen(m), toEigen(h));
    return {e.status, toVector4(e.N), e.total};
}

LifeCycleAnalysis analyseLifeCycle(const StageModel &model, double threshold, int t, bool searchLargest)
{
    LifeCycleAnalysis a;
    a.model = model;
    a.t = t;
    a.extinctionThreshold = threshold;
    const Eigen::MatrixXd m = model.A();
    const Eigen::VectorXd &n = model.n0;
    const Eigen::VectorXd &h = model.harvest;
    a.growth = analyseStageGrowth(model.U, model.F, model.C);
    const StageGrowth &g = a.growth;
    a.equilibrium = stageHarvestEquilibrium(m, h);
    const Eigen::VectorXd v = g.reproductiveValues.value_or(Eigen::VectorXd::Zero(model.size()));
    if (g.reproductiveValues)
        a.rule = stageHarvestRule(g.lambda, v, n, h);
    // The verdict and the largest harvest run beside the searches of each stage alone.
    a.searched = searchLargest && model.size() <= kLargestSearchedCycle;
    auto underH = [&a, &m, &n, &h, threshold] {
        a.verdict = stageHarvestVerdict(m, h, n, threshold);
        if (!a.searched)
            return;
        a.limit = stageLargestHarvest(m, h, n, threshold, kLastTime,
                                      a.rule.sustainableFactor.value_or(0.0));
        if (a.limit.status == HarvestLimitStatus::Ok)
            a.atLimit = stageHarvestVerdict(m, a.limit.harvest, n, threshold);
    };
    a.costs = stageHarvestCosts(a.rule, v, m, n, threshold, underH, a.searched);
    if (g.status == GrowthStatus::Ok || g.status == GrowthStatus::NoEigenvector)
        a.proportional = stageProportionalHarvest(m, g.lambda);
    if (g.stableDistribution) {
        a.transients = stageTransients(m, g.lambda, *g.stableDistribution, n, kLastTime);
        if (g.reproductiveValues)
            a.transients.inertia = inertia(v, *g.stableDistribution, n);
    }
    a.ageClasses = leslieFromStageModel(model).has_value()
                   && model.stages == std::vector<std::string>{"0", "1", "2", "3"};
    return a;
}

StageModel stageModelOf(const PopulationModel &model)
{
    StageModel s = emptyStageModel(4);
    const Eigen::MatrixXd m = toEigen(model.M);
    for (int i = 0; i < 4; ++i)
        s.stages[size_t(i)] = std::to_string(i);
    s.F.row(0) = m.row(0);
    s.U.bottomRows(3) = m.bottomRows(3);
    s.n0 = toEigen(model.N);
    s.harvest = toEigen(model.H);
    return s;
}

ModelAnalysis fourClassAnalysis(const LifeCycleAnalysis &l)
{
    ModelAnalysis a;
    a.model.M = toMatrix4(l.model.A());
    a.model.H = toVector4(l.model.harvest);
    a.model.N = toVector4(l.model.n0);
    a.model.t = l.t;
    a.model.extinctionThreshold = l.extinctionThreshold;
    a.growth = fourClassGrowth(l.growth);
    a.equilibrium = {l.equilibrium.status, toVector4(l.equilibrium.N), l.equilibrium.total};
    a.verdict = fourClassVerdict(l.verdict);
    a.limit = fourClassLimit(l.limit);
    a.atLimit = fourClassVerdict(l.atLimit);
    const bool fromClassZero = a.growth.reproductiveValues.has_value();
    if (fromClassZero) {
        const StageHarvestRule &r = l.rule;
        a.rule = {r.verdict, r.lambdaVersusOne, r.valueOfN, r.costOfH, r.surplus, r.valueOfNStar,
                  toVector4(r.direction), r.sustainableFactor, r.unlimited};
    }
    for (size_t i = 0; i < 4 && i < l.costs.size(); ++i) {
        a.costs[i] = fourClassCost(l.costs[i]);
        if (!fromClassZero) {
            a.costs[i].reproductiveValue = 0.0;
            a.costs[i].largestForEver.reset();
            a.costs[i].unlimited = false;
        }
    }
    a.proportional.uniformRate = l.proportional.uniformRate;
    for (size_t i = 0; i < 4 && i < l.proportional.byStage.size(); ++i)
        a.proportional.byClass[i] = l.proportional.byStage[i];
    a.transients = {l.transients.reactivity, l.transients.convergenceTime, l.transients.diesOut,
                    fromClassZero ? l.transients.inertia : std::nullopt};
    return a;
}

LifeCycleAnalysis lifeCycleAnalysisOf(const ModelAnalysis &a)
{
    LifeCycleAnalysis l;
    l.model = stageModelOf(a.model);
    l.t = a.model.t;
    l.extinctionThreshold = a.model.extinctionThreshold;
    l.growth = stageGrowthOf(a.growth);
    l.equilibrium = {a.equilibrium.status, toEigen(a.equilibrium.N), a.equilibrium.total};
    l.verdict = stageVerdictOf(a.verdict);
    l.limit = stageLimitOf(a.limit);
    l.atLimit = stageVerdictOf(a.atLimit);
    const HarvestRule &r = a.rule;
    l.rule = {r.verdict, r.lambdaVersusOne, r.valueOfN, r.costOfH, r.surplus, r.valueOfNStar,
              toEigen(r.direction), r.sustainableFactor, r.unlimited};
    for (const ClassCost &cost : a.costs)
        l.costs.push_back(stageCostOf(cost));
    l.proportional.uniformRate = a.proportional.uniformRate;
    if (a.proportional.uniformRate)
        l.proportional.byStage.assign(a.proportional.byClass.begin(), a.proportional.byClass.end());
    l.transients = {a.transients.reactivity, a.transients.convergenceTime, a.transients.diesOut,
                    a.transients.inertia};
    l.ageClasses = true;
    return l;
}

ModelAnalysis analyseModel(const PopulationModel &model)
{
    return fourClassAnalysis(
        analyseLifeCycle(stageModelOf(model), model.extinctionThreshold, model.t));
}

} // namespace velmora
