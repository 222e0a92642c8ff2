#include "demography/density.h"

#include "demography/stageanalysis.h"
#include "base/numbertext.h"
#include "base/texts.h"

#include <Eigen/Eigenvalues>
#include <Eigen/LU>

#include <algorithm>
#include <cmath>
#include <utility>

namespace velmora {

namespace {

// d reproductionFactor / d D.
double reproductionSlope(const DensityModel &model, double density)
{
    switch (model.form) {
    case DensityForm::BevertonHolt: {
        const double q = 1.0 + model.b * density;
        return -model.b / (q * q);
    }
    case DensityForm::Ricker:
        return -model.b * std::exp(-model.b * density);
    case DensityForm::Ceiling:
        break;
    }
    return 0.0;
}

double largestModulus(const Eigen::MatrixXd &j)
{
    if (j.rows() == 1)
        return std::abs(j(0, 0));
    Eigen::EigenSolver<Eigen::MatrixXd> solver(j, false);
    if (solver.info() != Eigen::Success)
        return std::numeric_limits<double>::infinity();
    return solver.eigenvalues().cwiseAbs().maxCoeff();
}

// The scale of a population: its largest stage, or K where that is larger, so that a tolerance
// means the same near 0 as at rest.
double scaleOf(const DensityModel &model, const Eigen::VectorXd &n)
{
    return std::max(model.capacity, n.lpNorm<Eigen::Infinity>());
}

constexpr std::pair<DensityForm, const char *> kFormKeys[] = {
    {DensityForm::BevertonHolt, "beverton-holt"},
    {DensityForm::Ricker, "ricker"},
    {DensityForm::Ceiling, "ceiling"},
};
constexpr std::pair<HarvestWay, const char *> kWayKeys[] = {
    {HarvestWay::Quota, "quota"},
    {HarvestWay::Rate, "rate"},
    {HarvestWay::Escapement, "escapement"},
};

template <typename Value, size_t N>
const char *keyOf(const std::pair<Value, const char *> (&keys)[N], Value value)
{
    for (const auto &[v, key] : keys)
        if (v == value)
            return key;
    return keys[0].second;
}

template <typename Value, size_t N>
std::optional<Value> valueOf(const std::pair<Value, const char *> (&keys)[N], std::string_view key)
{
    for (const auto &[v, k] : keys)
        if (key == k)
            return v;
    return std::nullopt;
}

} // namespace

const char *densityFormKey(DensityForm form) { return keyOf(kFormKeys, form); }

std::optional<DensityForm> densityFormFromKey(std::string_view key)
{
    return valueOf(kFormKeys, key);
}

const char *harvestWayKey(HarvestWay way) { return keyOf(kWayKeys, way); }

std::optional<HarvestWay> harvestWayFromKey(std::string_view key) { return valueOf(kWayKeys, key); }

bool distinctStages(Eigen::Index size, const std::vector<int> &stages)
{
    std::vector<bool> seen(size_t(std::max<Eigen::Index>(size, 0)), false);
    for (const int i : stages) {
        if (i < 0 || i >= size || seen[size_t(i)])
            return false;
        seen[size_t(i)] = true;
    }
    return true;
}

Eigen::VectorXd stageMask(Eigen::Index size, const std::vector<int> &stages)
{
    if (stages.empty())
        return Eigen::VectorXd::Ones(size);
    Eigen::VectorXd mask = Eigen::VectorXd::Zero(size);
    for (const int i : stages)
        mask(i) = 1.0;
    return mask;
}

DensityBuild makeDensityModel(const StageModel &model, const DensitySettings &settings)
{
    DensityBuild build;
    if (!checkStageModel(model).ok()) {
        build.problem = DensityProblem::NotAModel;
        return build;
    }
    const int n = model.size();
    if (!std::isfinite(settings.capacity) || settings.capacity <= 0) {
        build.problem = DensityProblem::CapacityNotPositive;
        return build;
    }
    if (!distinctStages(n, settings.counted)) {
        build.problem = DensityProblem::BadCountedStage;
        return build;
    }
    const Eigen::VectorXd counted = stageMask(n, settings.counted);

    const StageGrowth growth = analyseStageGrowth(model.U, model.F, model.C);
    build.R0 = growth.R0;
    if (!growth.R0) {
        build.problem = DensityProblem::NoR0;
        return build;
    }
    if (!(*growth.R0 > 1.0)) {
        build.problem = DensityProblem::R0NotAboveOne;
        return build;
    }
    DensityModel d;
    d.model = model;
    d.form = settings.form;
    d.capacity = settings.capacity;
    d.counted = counted;
    d.births = model.F + model.C;
    d.R0 = *growth.R0;
    if (d.form == DensityForm::BevertonHolt)
        d.b = (d.R0 - 1.0) / d.capacity;
    else if (d.form == DensityForm::Ricker)
        d.b = std::log(d.R0) / d.capacity;
    build.model = d;
    return build;
}

std::optional<std::string> densityRefusal(const StageModel &model, const DensitySettings &settings)
{
    const DensityBuild build = makeDensityModel(model, settings);
    switch (build.problem) {
    case DensityProblem::None:
        return std::nullopt;
    case DensityProblem::CapacityNotPositive:
        return translatedText("Density", "K, the density at rest, must be a number above 0.");
    case DensityProblem::BadCountedStage:
        return translatedText("Density",
                              "The stages counted in the density must be stages of the model, "
                              "each named once.");
    case DensityProblem::NoR0:
        return translatedText("Density",
                              "A stage never dies, so R0 has no value and K cannot set the "
                              "density dependence.");
    case DensityProblem::R0NotAboveOne:
        //: %1 is the net reproductive rate R0 of the life cycle, at most 1.
        return filledText(translatedText("Density",
                                         "R0 is %1: a population that cannot more than replace "
                                         "itself when sparse never settles at K."),
                          {numberText(build.R0.value_or(0.0), 6)});
    case DensityProblem::NotAModel:
        break;
    }
    return translatedText("Density",
                          "The life cycle does not pass its checks, so it cannot take density "
                          "dependence.");
}

double reproductionFactor(const DensityModel &model, double density)
{
    switch (model.form) {
    case DensityForm::BevertonHolt:
        return 1.0 / (1.0 + model.b * density);
    case DensityForm::Ricker:
        return std::exp(-model.b * density);
    case DensityForm::Ceiling:
        break;
    }
    return 1.0;
}

void limitToCeiling(const DensityModel &model, Eigen::Ref<Eigen::VectorXd> x)
{
    if (model.form != DensityForm::Ceiling)
        return;
    const double density = model.counted.dot(x);
    if (density > model.capacity) {
        const double scale = model.capacity / density;
        for (Eigen::Index i = 0; i < x.size(); ++i)
            if (model.counted(i) != 0.0)
                x(i) *= scale;
    }
}

Eigen::VectorXd unharvestedStep(const DensityModel &model, const Eigen::VectorXd &n)
{
    const StageModel &m = model.model;
    if (model.form == DensityForm::Ceiling) {
        Eigen::VectorXd x = m.U * n + model.births * n;
        limitToCeiling(model, x);
        return x;
    }
    const double factor = reproductionFactor(model, model.counted.dot(n));
    return m.U * n + factor * (model.births * n);
}

Eigen::VectorXd densityStep(const DensityModel &model, const Eigen::VectorXd &n)
{
    return (unharvestedStep(model, n) - model.model.harvest).cwiseMax(0.0);
}

double takeHarvest(const Harvesting &harvesting, Eigen::Ref<Eigen::VectorXd> x)
{
    const double level = std::max(0.0, harvesting.level);
    const double held = harvesting.harvested.dot(x);
    double keep = 1.0; // the share of each harvested stage left
    switch (harvesting.way) {
    case HarvestWay::Quota:
        keep = held <= level ? 0.0 : 1.0 - level / held;
        break;
    case HarvestWay::Rate:
        keep = 1.0 - std::min(1.0, level);
        break;
    case HarvestWay::Escapement:
        keep = held > level ? level / held : 1.0;
        break;
    }
    double taken = 0.0;
    for (Eigen::Index i = 0; i < x.size(); ++i) {
        if (harvesting.harvested(i) == 0.0)
            continue;
        const double left = x(i) * keep;
        taken += x(i) - left;
        x(i) = left;
    }
    return taken;
}

Eigen::VectorXd harvestedStep(const DensityModel &model, const Harvesting &harvesting,
                              const Eigen::VectorXd &n, double *taken)
{
    Eigen::VectorXd x = unharvestedStep(model, n);
    const double yield = takeHarvest(harvesting, x);
    if (taken)
        *taken = yield;
    return x;
}

Eigen::MatrixXd harvestedStepJacobian(const DensityModel &model, const Harvesting &harvesting,
                                      const Eigen::VectorXd &n)
{
    const StageModel &m = model.model;
    const Eigen::Index size = n.size();
    Eigen::MatrixXd before; // d x / d N, x the population after the step, before the harvest
    Eigen::VectorXd x;
    if (model.form == DensityForm::Ceiling) {
        const Eigen::MatrixXd a = m.U + model.births;
        x = a * n;
        const double density = model.counted.dot(x);
        Eigen::MatrixXd scaling = Eigen::MatrixXd::Identity(size, size);
        if (density > model.capacity) {
            const double k = model.capacity;
            for (Eigen::Index i = 0; i < size; ++i) {
                if (model.counted(i) == 0.0)
                    continue;
                scaling.row(i) = -(x(i) * k / (density * density)) * model.counted.transpose();
                scaling(i, i) += k / density;
                x(i) *= k / density;
            }
        }
        before = scaling * a;
    } else {
        const double density = model.counted.dot(n);
        const double factor = reproductionFactor(model, density);
        const Eigen::VectorXd born = model.births * n;
        before = m.U + factor * model.births
                 + reproductionSlope(model, density) * born * model.counted.transpose();
        x = m.U * n + factor * born;
    }

    const Eigen::VectorXd &h = harvesting.harvested;
    const double level = std::max(0.0, harvesting.level);
    const double held = h.dot(x);
    Eigen::MatrixXd after = Eigen::MatrixXd::Identity(size, size); // d (x - taken) / d x
    for (Eigen::Index i = 0; i < size; ++i) {
        if (h(i) == 0.0)
            continue;
        switch (harvesting.way) {
        case HarvestWay::Quota:
            if (held <= level) {
                after.row(i).setZero();
            } else {
                after.row(i) = (x(i) * level / (held * held)) * h.transpose();
                after(i, i) += 1.0 - level / held;
            }
            break;
        case HarvestWay::Rate:
            after(i, i) = 1.0 - std::min(1.0, level);
            break;
        case HarvestWay::Escapement:
            if (held > level) {
                after.row(i) = -(x(i) * level / (held * held)) * h.transpose();
                after(i, i) += level / held;
            }
            break;
        }
    }
    return after * before;
}

namespace {

// Newton's method on step(N) - N = 0 from `start`, halving a step that does not shrink the
// residual; a rest point with a stage below 0 is no population and is not returned.
std::optional<RestPoint> newtonRest(const DensityModel &model, const Harvesting &harvesting,
                                    Eigen::VectorXd n)
{
    const Eigen::Index size = n.size();
    const Eigen::MatrixXd identity = Eigen::MatrixXd::Identity(size, size);
    auto residual = [&](const Eigen::VectorXd &at) {
        return Eigen::VectorXd(harvestedStep(model, harvesting, at) - at);
    };
    Eigen::VectorXd g = residual(n);
    double norm = g.lpNorm<Eigen::Infinity>();
    bool converged = false;
    for (int iteration = 0; iteration < 100; ++iteration) {
        if (norm <= 1e-11 * scaleOf(model, n)) {
            converged = true;
            break;
        }
        const Eigen::MatrixXd j = harvestedStepJacobian(model, harvesting, n) - identity;
        const Eigen::VectorXd delta = j.fullPivLu().solve(-g);
        if (!delta.allFinite())
            return std::nullopt;
        double t = 1.0;
        bool improved = false;
        for (int halving = 0; halving < 30; ++halving, t /= 2) {
            const Eigen::VectorXd next = (n + t * delta).cwiseMax(0.0);
            const Eigen::VectorXd gNext = residual(next);
            const double nextNorm = gNext.lpNorm<Eigen::Infinity>();
            if (nextNorm < norm) {
                n = next;
                g = gNext;
                norm = nextNorm;
                improved = true;
                break;
            }
        }
        if (!improved)
            break;
    }
    if (!converged && !(norm <= 1e-11 * scaleOf(model, n)))
        return std::nullopt;
    // The empty population rests under every harvest; it is not what is asked for.
    if (n.sum() <= 1e-9 * model.capacity)
        return std::nullopt;
    RestPoint rest;
    rest.n = n;
    harvestedStep(model, harvesting, n, &rest.yield);
    rest.spectralRadius = largestModulus(harvestedStepJacobian(model, harvesting, n));
    return rest;
}

} // namespace

std::vector<RestPoint> restPoints(const DensityModel &model, const Harvesting &harvesting,
                                  const std::vector<Eigen::VectorXd> &starts)
{
    std::vector<RestPoint> found;
    for (const Eigen::VectorXd &start : starts) {
        const std::optional<RestPoint> rest = newtonRest(model, harvesting, start);
        if (!rest)
            continue;
        const bool known = std::any_of(found.begin(), found.end(), [&](const RestPoint &p) {
            return (p.n - rest->n).lpNorm<Eigen::Infinity>() <= 1e-6 * scaleOf(model, p.n);
        });
        if (!known)
            found.push_back(*rest);
    }
    std::sort(found.begin(), found.end(),
              [](const RestPoint &a, const RestPoint &b) { return a.n.sum() > b.n.sum(); });
    return found;
}

std::optional<Eigen::VectorXd> restingPopulation(const DensityModel &model)
{
    const StageModel &m = model.model;
    // U + (F + C)/R0 has lambda 1; under the ceiling A's own structure is the start.
    const Eigen::MatrixXd a = model.form == DensityForm::Ceiling ? Eigen::MatrixXd(m.U + model.births)
                                                                 : Eigen::MatrixXd(m.U + model.births / model.R0);
    const Spectrum values = spectrum(a);
    if (!values.converged)
        return std::nullopt;
    const StageSensitivities vectors = stageSensitivities(a, perronRoot(values));
    if (vectors.status != SensitivityStatus::Ok)
        return std::nullopt;
    const double counted = model.counted.dot(vectors.w);
    if (!(counted > 0))
        return std::nullopt;
    Eigen::VectorXd n = vectors.w * (model.capacity / counted);
    const bool everyStageCounted = (model.counted.array() != 0.0).all();
    if (model.form != DensityForm::Ceiling || everyStageCounted)
        return n;
    Harvesting none;
    none.harvested = Eigen::VectorXd::Zero(n.size());
    const std::optional<RestPoint> rest = newtonRest(model, none, n);
    if (!rest)
        return std::nullopt;
    return rest->n;
}

SettledState settle(const DensityModel &model, const Harvesting &harvesting,
                    const Eigen::VectorXd &start, int burnIn, int window)
{
    SettledState state;
    Eigen::VectorXd n = start;
    const double lost = 1e-6 * model.capacity;
    for (int t = 0; t < burnIn; ++t) {
        const Eigen::VectorXd next = harvestedStep(model, harvesting, n);
        const bool still = (next - n).lpNorm<Eigen::Infinity>() <= 1e-12 * scaleOf(model, n);
        n = next;
        if (n.sum() <= 0.0) {
            state.n = n;
            return state;
        }
        if (still)
            break;
    }
    if (n.sum() <= lost) {
        state.n = n;
        return state;
    }
    std::vector<Eigen::VectorXd> seen{n};
    std::vector<double> yields;
    for (int t = 0; t < window; ++t) {
        double taken = 0.0;
        n = harvestedStep(model, harvesting, n, &taken);
        if (n.sum() <= 0.0) {
            state.n = n;
            return state;
        }
        seen.push_back(n);
        yields.push_back(taken);
    }
    state.n = n;
    // A population draining away slowly past the edge looks still against K: it is lost.
    if (n.sum() <= lost)
        return state;
    // Relative to the population itself, so that a slow decline is not taken for a rest.
    const double tolerance = 1e-9 * n.lpNorm<Eigen::Infinity>();
    const size_t last = seen.size() - 1;
    for (int period = 1; period <= 64 && size_t(period) <= last; ++period) {
        if ((seen[last] - seen[last - size_t(period)]).lpNorm<Eigen::Infinity>() > tolerance)
            continue;
        state.settling = period == 1 ? Settling::Rest : Settling::Cycle;
        state.period = period;
        double sum = 0.0;
        for (size_t k = yields.size() - size_t(period); k < yields.size(); ++k)
            sum += yields[k];
        state.meanYield = sum / period;
        return state;
    }
    state.settling = Settling::Irregular;
    double sum = 0.0;
    for (const double y : yields)
        sum += y;
    state.meanYield = sum / double(yields.size());
    return state;
}

} // namespace velmora
