#pragma once

#include "demography/harvestprojection.h"
#include "demography/matrix4.h"
#include "demography/stageanalysis.h"

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace velmora {

// The reproductive-value rule of a constant harvest (see StageHarvestRule) for the main
// window's four classes.
struct HarvestRule {
    RuleVerdict verdict = RuleVerdict::Unknown;
    int lambdaVersusOne = 0;              // compareWithOne(lambda)
    double valueOfN = 0.0;                // v.N(t), with v of class 0 = 1
    double costOfH = 0.0;                 // v.H: what H takes in a step
    double surplus = 0.0;                 // (lambda - 1) v.N(t): what the population adds
    std::optional<double> valueOfNStar;   // v.H / (lambda - 1), for lambda > 1 only: below 1,
                                          // N* has negative classes and is no population
    Vector4 direction{};                  // H, or (1, 0, 0, 0) when H is 0
    std::optional<double> sustainableFactor; // s* = surplus / v.direction, for lambda > 1
    bool unlimited = false;               // lambda > 1 and the direction takes no value at all
};

// The rule for N(t) under H, from lambda and the reproductive values v (class 0 = 1).
HarvestRule harvestRule(double lambda, const Vector4 &v, const Vector4 &n, const Vector4 &h);

// What taking animals from one age class (stage) alone costs.
template <class Vector>
struct BasicClassCost {
    double reproductiveValue = 0.0;       // v_i: one animal taken costs this much of v.N
    std::optional<double> largestForEver; // surplus / v_i; none where lambda <= 1
    bool unlimited = false;               // lambda > 1 and v_i = 0: taking from class i is free
    BasicHarvestLimit<Vector> projected;  // the projection's largest harvest of class i alone
    BasicHarvestVerdict<Vector> atProjected; // the projection under that harvest
};
using ClassCost = BasicClassCost<Vector4>;
using StageClassCost = BasicClassCost<Eigen::VectorXd>;

// For each stage i alone, by the rule and by the program's projection of N from `n` under A;
// the projections' searches run in parallel, with `alongside` (another search) among them.
std::vector<StageClassCost> stageHarvestCosts(const StageHarvestRule &rule,
                                              const Eigen::VectorXd &v, const Eigen::MatrixXd &a,
                                              const Eigen::VectorXd &n, double threshold,
                                              const std::function<void()> &alongside = {},
                                              bool projected = true);

// For each class i alone, by the rule and by the program's projection of N from `n`.
std::array<ClassCost, 4> harvestCosts(const HarvestRule &rule, const Vector4 &v,
                                      const Matrix4 &m, const Vector4 &n, double threshold);

// The 4-class cost as a life cycle's, and back.
ClassCost fourClassCost(const StageClassCost &cost);
StageClassCost stageCostOf(const ClassCost &cost);

// Runs every task, on as many threads as there are cores (the calling one included).
void runInParallel(const std::vector<std::function<void()>> &tasks);

// A harvest of a fixed fraction h instead of a fixed number: N(t+1) = (I - D) M N(t) with D
// the rates by class. Such a harvest scales lambda whatever N(t) is, so its limits need no v.
struct ProportionalHarvest {
    // 1 - 1/lambda: taking h of every class makes lambda (1 - h) lambda. None where lambda < 1.
    std::optional<double> uniformRate;
    // The rate of class i alone at which lambda of the harvested matrix falls to 1; 1 where
    // taking all of class i still leaves lambda at or above 1. None where lambda < 1.
    std::array<std::optional<double>, 4> byClass{};
};

ProportionalHarvest proportionalHarvest(const Matrix4 &m, double lambda);

} // namespace velmora
