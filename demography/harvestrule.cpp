#include "demography/harvestrule.h"

#include "demography/analysis.h"

namespace velmora {

HarvestRule harvestRule(double lambda, const Vector4 &v, const Vector4 &n, const Vector4 &h)
{
    const StageHarvestRule general = stageHarvestRule(lambda, toEigen(v), toEigen(n), toEigen(h));
    HarvestRule rule;
    rule.verdict = general.verdict;
    rule.lambdaVersusOne = general.lambdaVersusOne;
    rule.valueOfN = general.valueOfN;
    rule.costOfH = general.costOfH;
    rule.surplus = general.surplus;
    rule.valueOfNStar = general.valueOfNStar;
    rule.direction = toVector4(general.direction);
    rule.sustainableFactor = general.sustainableFactor;
    rule.unlimited = general.unlimited;
    return rule;
}

std::array<ClassCost, 4> harvestCosts(const HarvestRule &rule, const Vector4 &v,
                                      const Matrix4 &m, const Vector4 &n, double threshold)
{
    StageHarvestRule general;
    general.verdict = rule.verdict;
    general.lambdaVersusOne = rule.lambdaVersusOne;
    general.surplus = rule.surplus;
    const std::vector<StageCost> byRule = stageCosts(general, toEigen(v));
    std::array<ClassCost, 4> costs{};
    for (size_t i = 0; i < 4; ++i) {
        ClassCost &cost = costs[i];
        cost.reproductiveValue = byRule[i].reproductiveValue;
        cost.largestForEver = byRule[i].largestForEver;
        cost.unlimited = byRule[i].unlimited;
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
    const StageProportionalHarvest general = stageProportionalHarvest(toEigen(m), lambda);
    ProportionalHarvest harvest;
    harvest.uniformRate = general.uniformRate;
    for (size_t i = 0; i < general.byStage.size() && i < 4; ++i)
        harvest.byClass[i] = general.byStage[i];
    return harvest;
}

} // namespace velmora
