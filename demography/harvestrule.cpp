#include "demography/harvestrule.h"

#include "demography/analysis.h"

#include <algorithm>
#include <atomic>
#include <thread>

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

std::vector<StageClassCost> stageHarvestCosts(const StageHarvestRule &rule,
                                              const Eigen::VectorXd &v, const Eigen::MatrixXd &a,
                                              const Eigen::VectorXd &n, double threshold,
                                              const std::function<void()> &alongside,
                                              bool projected)
{
    const std::vector<StageCost> byRule = stageCosts(rule, v);
    std::vector<StageClassCost> costs(byRule.size());
    std::vector<std::function<void()>> searches;
    if (alongside)
        searches.push_back(alongside);
    for (size_t i = 0; i < costs.size(); ++i) {
        StageClassCost &cost = costs[i];
        cost.reproductiveValue = byRule[i].reproductiveValue;
        cost.largestForEver = byRule[i].largestForEver;
        cost.unlimited = byRule[i].unlimited;
        if (!projected)
            continue;
        searches.emplace_back([&cost, &a, &n, threshold, i] {
            cost.projected = stageLargestHarvest(a, Eigen::VectorXd::Unit(n.size(), Eigen::Index(i)),
                                                 n, threshold, kLastTime,
                                                 cost.largestForEver.value_or(0.0));
            if (cost.projected.status == HarvestLimitStatus::Ok)
                cost.atProjected = stageHarvestVerdict(a, cost.projected.harvest, n, threshold);
        });
    }
    runInParallel(searches);
    return costs;
}

std::array<ClassCost, 4> harvestCosts(const HarvestRule &rule, const Vector4 &v,
                                      const Matrix4 &m, const Vector4 &n, double threshold)
{
    StageHarvestRule general;
    general.verdict = rule.verdict;
    general.lambdaVersusOne = rule.lambdaVersusOne;
    general.surplus = rule.surplus;
    const std::vector<StageClassCost> all =
        stageHarvestCosts(general, toEigen(v), toEigen(m), toEigen(n), threshold);
    std::array<ClassCost, 4> costs{};
    for (size_t i = 0; i < 4; ++i)
        costs[i] = fourClassCost(all[i]);
    return costs;
}

ClassCost fourClassCost(const StageClassCost &c)
{
    return {c.reproductiveValue, c.largestForEver, c.unlimited, fourClassLimit(c.projected),
            fourClassVerdict(c.atProjected)};
}

StageClassCost stageCostOf(const ClassCost &c)
{
    return {c.reproductiveValue, c.largestForEver, c.unlimited, stageLimitOf(c.projected),
            stageVerdictOf(c.atProjected)};
}

void runInParallel(const std::vector<std::function<void()>> &tasks)
{
    // One thread a core at most; each takes the next task until none is left.
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    const size_t workers = std::min(cores, tasks.size());
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t k = next++; k < tasks.size(); k = next++)
            tasks[k]();
    };
    std::vector<std::thread> threads;
    for (size_t w = 1; w < workers; ++w)
        threads.emplace_back(work);
    work();
    for (std::thread &t : threads)
        t.join();
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
