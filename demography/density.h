#pragma once

#include "demography/stagemodel.h"

#include <Eigen/Core>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Density dependence on reproduction, and the three ways of taking a harvest from a population
// that levels off. Plain values and functions: the windows, the command line and the tests share
// them.

enum class DensityForm {
    BevertonHolt, // F and C times 1 / (1 + b D)
    Ricker,       // F and C times exp(-b D)
    Ceiling,      // after the step the counted stages are scaled down together to D <= K
};

// The form's name in model files and on the command line: "beverton-holt", "ricker", "ceiling".
const char *densityFormKey(DensityForm form);
std::optional<DensityForm> densityFormFromKey(std::string_view key);

// What the user chooses: the form, K and the stages that make up the density D.
struct DensitySettings {
    DensityForm form = DensityForm::BevertonHolt;
    double capacity = 0.0;      // K: D at rest without harvest
    std::vector<int> counted{}; // stages summed into D; empty: all of them
};

enum class DensityProblem {
    None,
    CapacityNotPositive, // K is 0, negative or not finite
    BadCountedStage,     // a counted stage out of range or named twice
    NoR0,                // I - U is singular: R0 has no value
    R0NotAboveOne,       // the population cannot grow even when sparse, so it has no rest
    NotAModel,           // the stage model itself does not pass its checks
};

// A stage model with its density dependence, b derived from K.
struct DensityModel {
    StageModel model;
    DensityForm form = DensityForm::BevertonHolt;
    double capacity = 0.0;
    Eigen::VectorXd counted; // 1 for a stage in D, else 0
    Eigen::MatrixXd births;  // F + C, the part that density scales
    double R0 = 0.0;
    // (R0 - 1) / K for Beverton-Holt and ln R0 / K for Ricker, so that R0 of the scaled model
    // is 1 where D = K; 0 under the ceiling, which has no b.
    double b = 0.0;
};

struct DensityBuild {
    DensityProblem problem = DensityProblem::None;
    std::optional<double> R0; // where it has a value, also for a refusal
    std::optional<DensityModel> model;
};
DensityBuild makeDensityModel(const StageModel &model, const DensitySettings &settings);
// Why `model` cannot take `settings` (one sentence), or nothing: what makeDensityModel() refuses.
std::optional<std::string> densityRefusal(const StageModel &model, const DensitySettings &settings);

// How reproduction is scaled at density D (1 under the ceiling).
double reproductionFactor(const DensityModel &model, double density);

// The population at rest without harvest, D = K: the stable distribution of U + (F + C)/R0
// for Beverton-Holt and Ricker, that of A under the ceiling (found as a rest point where not
// every stage counts). Empty where no positive rest point is found.
std::optional<Eigen::VectorXd> restingPopulation(const DensityModel &model);

// Under the ceiling, scales the counted stages of `x` down together so that D is at most K;
// the other forms leave `x` as it is.
void limitToCeiling(const DensityModel &model, Eigen::Ref<Eigen::VectorXd> x);

// The step before any harvest: A(N) N, and under the ceiling the counted stages scaled down.
Eigen::VectorXd unharvestedStep(const DensityModel &model, const Eigen::VectorXd &n);

// One step as the Life cycle window takes it: the step above less the model's own H, negative
// stages set to 0.
Eigen::VectorXd densityStep(const DensityModel &model, const Eigen::VectorXd &n);

enum class HarvestWay {
    Quota,      // a total Q a step, in proportion to the harvested stages' numbers
    Rate,       // the fraction h of each harvested stage
    Escapement, // the harvested stages' excess over E, in proportion to their numbers
};

// The way's name on the command line and in JSON: "quota", "rate", "escapement".
const char *harvestWayKey(HarvestWay way);
std::optional<HarvestWay> harvestWayFromKey(std::string_view key);

// Whether every stage listed is one of `size` stages, each listed once.
bool distinctStages(Eigen::Index size, const std::vector<int> &stages);
// 1 for each stage listed, else 0; all ones where none is listed (see distinctStages).
Eigen::VectorXd stageMask(Eigen::Index size, const std::vector<int> &stages);

struct Harvesting {
    HarvestWay way = HarvestWay::Rate;
    double level = 0.0;        // Q, h or E
    Eigen::VectorXd harvested; // 1 for a stage harvested, else 0
};

// Takes the harvest from `x` (after the step), never below 0; returns what was taken.
double takeHarvest(const Harvesting &harvesting, Eigen::Ref<Eigen::VectorXd> x);

// One step under a way of harvesting; `taken` receives the yield of the step.
Eigen::VectorXd harvestedStep(const DensityModel &model, const Harvesting &harvesting,
                              const Eigen::VectorXd &n, double *taken = nullptr);

// d step / d N at N (one-sided where a harvest switches between its pieces).
Eigen::MatrixXd harvestedStepJacobian(const DensityModel &model, const Harvesting &harvesting,
                                      const Eigen::VectorXd &n);

// A population that a step under the harvest leaves where it is.
struct RestPoint {
    Eigen::VectorXd n;
    double yield = 0.0;          // taken in a step at rest
    double spectralRadius = 0.0; // of the Jacobian there
    bool stable() const { return spectralRadius < 1.0; }
};

// The distinct positive rest points Newton's method reaches from `starts`, largest total first.
std::vector<RestPoint> restPoints(const DensityModel &model, const Harvesting &harvesting,
                                  const std::vector<Eigen::VectorXd> &starts);

// Where a projection from a start ends up.
enum class Settling {
    Rest,      // at a rest point
    Cycle,     // a cycle of `period` steps
    Irregular, // neither rest nor a short cycle within the horizon: chaos, or a very long cycle
    Lost,      // the total fell to 0 (or to a millionth of K and kept falling)
};

struct SettledState {
    Settling settling = Settling::Lost;
    int period = 0;         // with Cycle
    double meanYield = 0.0; // taken a step, averaged over the cycle (0 when lost)
    Eigen::VectorXd n;      // the last state projected
};
SettledState settle(const DensityModel &model, const Harvesting &harvesting,
                    const Eigen::VectorXd &start, int burnIn = 2000, int window = 600);

} // namespace velmora
