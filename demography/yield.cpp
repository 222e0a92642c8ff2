#include "demography/yield.h"

#include "demography/stageanalysis.h"

#include <cmath>

namespace velmora {

namespace {

constexpr int kBisections = 60;

class YieldSearch {
public:
    YieldSearch(const DensityModel &model, Eigen::VectorXd harvested, Eigen::VectorXd resting,
                const YieldControl &control)
        : m_model(model), m_harvested(std::move(harvested)), m_resting(std::move(resting)),
          m_control(control)
    {
    }

    bool stopped() const { return m_control.cancel && m_control.cancel->load(); }

    Harvesting harvesting(HarvestWay way, double level) const
    {
        return Harvesting{way, level, m_harvested};
    }

    // The state the population settles in from rest when the harvest starts: the stable rest
    // point Newton's method finds from `guess` or from rest, else what the projection shows.
    YieldPoint evaluate(HarvestWay way, double level, const Eigen::VectorXd *guess = nullptr) const
    {
        const Harvesting h = harvesting(way, level);
        YieldPoint point;
        point.level = level;
        std::vector<Eigen::VectorXd> starts;
        if (guess && guess->sum() > 0)
            starts.push_back(*guess);
        starts.push_back(m_resting);
        for (const Eigen::VectorXd &start : starts) {
            for (const RestPoint &rest : restPoints(m_model, h, {start})) {
                if (!rest.stable())
                    continue;
                point.yield = rest.yield;
                point.settling = Settling::Rest;
                point.period = 1;
                point.settled = rest.n;
                return point;
            }
        }
        // Off the rest point a little: the projection would stay on an unstable one for ever.
        const SettledState state = settle(m_model, h, m_resting * 0.999);
        point.settling = state.settling;
        point.period = state.period;
        point.yield = state.settling == Settling::Lost ? 0.0 : state.meanYield;
        point.settled = state.n;
        return point;
    }

    // The rate at which the harvested population no longer grows when sparse.
    double rateRange() const
    {
        const Eigen::Index n = m_resting.size();
        const Eigen::VectorXd empty = Eigen::VectorXd::Zero(n);
        auto growsWhenSparse = [&](double rate) {
            const Eigen::MatrixXd j =
                harvestedStepJacobian(m_model, harvesting(HarvestWay::Rate, rate), empty);
            const Spectrum values = spectrum(j);
            return values.converged && std::abs(values.values.front()) > 1.0;
        };
        if (growsWhenSparse(1.0))
            return 1.0;
        double low = 0.0;
        double high = 1.0;
        for (int i = 0; i < kBisections; ++i) {
            const double mid = 0.5 * (low + high);
            (growsWhenSparse(mid) ? low : high) = mid;
        }
        return low;
    }

    // The harvested stages' total after a step from rest: no escapement above it takes anything.
    double escapementRange() const
    {
        return m_harvested.dot(unharvestedStep(m_model, m_resting));
    }

    // The largest quota the population survives, with its settled state.
    YieldPoint quotaLimit() const
    {
        YieldPoint kept = evaluate(HarvestWay::Quota, 0.0);
        // Just above MSY the projection drains away slowly past the point where the two rest
        // points met, so a rest point, not the projection, decides wherever one exists.
        const bool rests = kept.settling == Settling::Rest;
        auto survives = [&](const YieldPoint &point) {
            return rests ? point.settling == Settling::Rest : point.settling != Settling::Lost;
        };
        double high = std::max(escapementRange(), 1e-300);
        for (int i = 0; i < 1100 && !stopped(); ++i) {
            const YieldPoint point = evaluate(HarvestWay::Quota, high, &kept.settled);
            if (!survives(point))
                break;
            kept = point;
            high *= 2;
        }
        double low = kept.level;
        for (int i = 0; i < kBisections && high - low > 1e-12 * high && !stopped(); ++i) {
            const double mid = 0.5 * (low + high);
            const YieldPoint point = evaluate(HarvestWay::Quota, mid, &kept.settled);
            if (!survives(point)) {
                high = mid;
            } else {
                low = mid;
                kept = point;
            }
        }
        return kept;
    }

    // The level between `low` and `high` (yield rising from low to high) with the yield `target`.
    YieldPoint levelWithYield(HarvestWay way, double low, double high, double target,
                              const Eigen::VectorXd &guess) const
    {
        YieldPoint best = evaluate(way, high, &guess);
        for (int i = 0; i < kBisections && std::abs(high - low) > 1e-12 * std::abs(high)
                        && !stopped();
             ++i) {
            const double mid = 0.5 * (low + high);
            const YieldPoint point = evaluate(way, mid, &best.settled);
            if (point.yield >= target) {
                high = mid;
                best = point;
            } else {
                low = mid;
            }
        }
        return best;
    }

    // Golden-section search for the largest yield between two levels around the grid's best.
    YieldPoint refineMaximum(HarvestWay way, double low, double high, YieldPoint best) const
    {
        const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
        double a = low;
        double b = high;
        YieldPoint c = evaluate(way, b - ratio * (b - a), &best.settled);
        YieldPoint d = evaluate(way, a + ratio * (b - a), &best.settled);
        for (int i = 0; i < kBisections && b - a > 1e-10 * std::max(1.0, std::abs(b)) && !stopped();
             ++i) {
            if (c.yield >= d.yield) {
                b = d.level;
                d = c;
                c = evaluate(way, b - ratio * (b - a), &d.settled);
            } else {
                a = c.level;
                c = d;
                d = evaluate(way, a + ratio * (b - a), &c.settled);
            }
        }
        for (const YieldPoint &p : {c, d})
            if (p.yield > best.yield)
                best = p;
        return best;
    }

    // Whether a loss of `share` of every stage at `rest` sends the population to 0.
    bool fatal(const Harvesting &h, const Eigen::VectorXd &rest, double share) const
    {
        Eigen::VectorXd n = rest * (1.0 - share);
        // A quota empties a population in finite time; a rate only shrinks it, so a population
        // a millionth of its size after the loss and still falling counts as gone as well.
        const double lost = 1e-6 * n.sum();
        const double home = 1e-6 * std::max(1.0, rest.lpNorm<Eigen::Infinity>());
        for (int t = 0; t < 20000; ++t) {
            n = harvestedStep(m_model, h, n);
            if (n.sum() <= lost)
                return true;
            if ((n - rest).lpNorm<Eigen::Infinity>() <= home)
                return false;
        }
        return false;
    }

    std::optional<double> smallestFatalShock(HarvestWay way, const YieldPoint &at) const
    {
        if (at.settling == Settling::Lost)
            return std::nullopt;
        const Harvesting h = harvesting(way, at.level);
        double high = 1.0 - 1e-6;
        if (!fatal(h, at.settled, high))
            return std::nullopt;
        double low = 0.0;
        for (int i = 0; i < 40 && high - low > 1e-9 && !stopped(); ++i) {
            const double mid = 0.5 * (low + high);
            (fatal(h, at.settled, mid) ? high : low) = mid;
        }
        return high;
    }

    std::optional<RestPoint> unstableBelow(const YieldPoint &at) const
    {
        if (at.settling != Settling::Rest)
            return std::nullopt;
        std::vector<Eigen::VectorXd> starts;
        for (const double share : {0.6, 0.4, 0.25, 0.15, 0.1, 0.05, 0.02, 0.01})
            starts.push_back(at.settled * share);
        const double top = at.settled.sum();
        for (const RestPoint &rest : restPoints(m_model, harvesting(HarvestWay::Quota, at.level),
                                                starts))
            if (!rest.stable() && rest.n.sum() < top * (1.0 - 1e-9))
                return rest;
        return std::nullopt;
    }

    // `done` and `share`: where this curve stands in the whole work, for the progress.
    YieldCurve curve(HarvestWay way, int points, double done, double share) const
    {
        YieldCurve curve;
        curve.way = way;
        YieldPoint limit;
        if (way == HarvestWay::Quota) {
            limit = quotaLimit();
            curve.range = limit.level;
        } else {
            curve.range = way == HarvestWay::Rate ? rateRange() : escapementRange();
        }
        const int count = std::max(2, points);
        Eigen::VectorXd guess = m_resting;
        for (int k = 0; k < count && !stopped(); ++k) {
            if (m_control.progress && k % 10 == 0)
                m_control.progress(done + share * 0.8 * k / count);
            const double level = curve.range * k / (count - 1);
            YieldPoint point = way == HarvestWay::Quota && k == count - 1
                                   ? limit
                                   : evaluate(way, level, &guess);
            if (point.settling == Settling::Rest)
                guess = point.settled;
            curve.points.push_back(point);
        }
        if (stopped())
            return curve;
        if (way == HarvestWay::Quota) {
            curve.best = limit;
            curve.cautious = evaluate(way, kCautiousShare * limit.level, &limit.settled);
            curve.unstableRestPoint = unstableBelow(curve.cautious);
        } else {
            size_t top = 0;
            for (size_t k = 1; k < curve.points.size(); ++k)
                if (curve.points[k].yield > curve.points[top].yield)
                    top = k;
            const double low = curve.points[top > 0 ? top - 1 : 0].level;
            const double high = curve.points[std::min(top + 1, curve.points.size() - 1)].level;
            curve.best = refineMaximum(way, low, high, curve.points[top]);
            const double target = kCautiousShare * curve.best.yield;
            // The cautious side: a lower rate, a higher escapement.
            curve.cautious = way == HarvestWay::Rate
                                 ? levelWithYield(way, 0.0, curve.best.level, target,
                                                  curve.best.settled)
                                 : levelWithYield(way, curve.range, curve.best.level, target,
                                                  curve.best.settled);
        }
        if (!stopped())
            curve.smallestFatalShock = smallestFatalShock(way, curve.cautious);
        return curve;
    }

private:
    const DensityModel &m_model;
    Eigen::VectorXd m_harvested;
    Eigen::VectorXd m_resting;
    const YieldControl &m_control;
};

} // namespace

YieldOutcome analyseYield(const DensityModel &model, const YieldSettings &settings,
                          const YieldControl &control)
{
    YieldOutcome outcome;
    const std::optional<Eigen::VectorXd> resting = restingPopulation(model);
    if (!resting) {
        outcome.status = YieldStatus::NoRestingPopulation;
        return outcome;
    }
    const Eigen::Index n = resting->size();
    if (!distinctStages(n, settings.harvested)) {
        outcome.status = YieldStatus::BadHarvestedStage;
        return outcome;
    }
    const YieldSearch search(model, stageMask(n, settings.harvested), *resting, control);
    YieldAnalysis &analysis = outcome.analysis;
    analysis.resting = *resting;
    const HarvestWay ways[3] = {HarvestWay::Quota, HarvestWay::Rate, HarvestWay::Escapement};
    for (size_t i = 0; i < 3; ++i)
        analysis.curves[i] = search.curve(ways[i], settings.points, i / 3.0, 1.0 / 3.0);
    if (search.stopped()) {
        outcome = YieldOutcome{YieldStatus::Cancelled, {}};
        return outcome;
    }
    if (control.progress)
        control.progress(1.0);
    return outcome;
}

std::vector<Eigen::VectorXd> shockProjection(const DensityModel &model,
                                             const Harvesting &harvesting,
                                             const Eigen::VectorXd &start, double share,
                                             int steps)
{
    std::vector<Eigen::VectorXd> path{start * (1.0 - std::clamp(share, 0.0, 1.0))};
    for (int t = 0; t < steps; ++t)
        path.push_back(harvestedStep(model, harvesting, path.back()));
    return path;
}

} // namespace velmora
