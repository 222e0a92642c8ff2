#include "demography/harvestrule.h"

#include "demography/analysis.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace velmora {

namespace {

double dot(const Vector4 &a, const Vector4 &b)
{
    return std::inner_product(a.begin(), a.end(), b.begin(), 0.0);
}

// lambda of M with row i scaled by 1 - rate: the animals arriving in class i, less the harvest.
double harvestedLambda(Matrix4 m, size_t i, double rate)
{
    for (size_t c = 0; c < 4; ++c)
        m[4 * i + c] *= 1.0 - rate;
    const Eigenvalues spectrum = eigenvalues(m);
    return spectrum.converged ? std::max(0.0, perronRoot(spectrum)) : 0.0;
}

} // namespace

HarvestRule harvestRule(double lambda, const Vector4 &v, const Vector4 &n, const Vector4 &h)
{
    HarvestRule rule;
    rule.direction = h;
    if (std::all_of(h.begin(), h.end(), [](double x) { return x == 0.0; }))
        rule.direction = {1.0, 0.0, 0.0, 0.0};
    if (!(lambda > 0) || !std::isfinite(lambda))
        return rule;
    rule.lambdaVersusOne = compareWithOne(lambda);
    rule.valueOfN = dot(v, n);
    rule.costOfH = dot(v, h);
    rule.surplus = (lambda - 1.0) * rule.valueOfN;
    const double costOfDirection = dot(v, rule.direction);

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

std::array<ClassCost, 4> harvestCosts(const HarvestRule &rule, const Vector4 &v,
                                      const Matrix4 &m, const Vector4 &n, double threshold)
{
    std::array<ClassCost, 4> costs{};
    for (size_t i = 0; i < 4; ++i) {
        ClassCost &cost = costs[i];
        cost.reproductiveValue = v[i];
        if (rule.verdict != RuleVerdict::Unknown && rule.lambdaVersusOne > 0) {
            if (v[i] > 0)
                cost.largestForEver = rule.surplus / v[i];
            else
                cost.unlimited = true;
        }
        Vector4 alone{};
        alone[i] = 1.0;
        cost.projected = largestHarvest(m, alone, n, threshold);
        if (cost.projected.status == HarvestLimitStatus::Ok)
            cost.atProjected = harvestVerdict(m, cost.projected.harvest, n, threshold);
    }
    return costs;
}

ProportionalHarvest proportionalHarvest(const Matrix4 &m, double lambda)
{
    ProportionalHarvest harvest;
    const int versusOne = compareWithOne(lambda);
    if (!(lambda > 0) || versusOne < 0)
        return harvest;
    harvest.uniformRate = versusOne == 0 ? 0.0 : 1.0 - 1.0 / lambda;
    for (size_t i = 0; i < 4; ++i) {
        if (compareWithOne(harvestedLambda(m, i, 1.0)) >= 0) {
            harvest.byClass[i] = 1.0;
            continue;
        }
        if (versusOne == 0) {
            harvest.byClass[i] = 0.0;
            continue;
        }
        // lambda falls as the rate rises (a smaller row of a non-negative matrix): bisect.
        double low = 0.0;
        double high = 1.0;
        for (int k = 0; k < 60; ++k) {
            const double middle = 0.5 * (low + high);
            (harvestedLambda(m, i, middle) >= 1.0 ? low : high) = middle;
        }
        harvest.byClass[i] = low;
    }
    return harvest;
}

} // namespace velmora
