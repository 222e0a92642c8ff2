#pragma once

#include "demography/stagemodel.h"

#include <Eigen/Core>

#include <complex>
#include <optional>
#include <vector>

namespace velmora {

// The analysis of a life cycle of any size: eigen-analysis, R0 and life expectancy, structure,
// sensitivities and their partition, the reproductive-value rule of a harvest and the
// transients. Every figure of the main window's 4-class model comes from these functions too.

// QR iterations allowed per row of a block before the solver gives up (Eigen's own default).
constexpr int kEigenIterationLimit = 40;

// lambda this close to 1 (relative) counts as 1: the eigen-solver's rounding is far smaller,
// and a student's model built to replace itself exactly must not read as "declining".
constexpr double kUnitTolerance = 1e-9;

// -1, 0 or 1 as lambda is below 1, equal to 1 within kUnitTolerance, or above.
int compareWithOne(double lambda);

// All eigenvalues of a square matrix, largest modulus first (ties: larger real part first).
struct Spectrum {
    bool converged = false;
    std::vector<std::complex<double>> values;
};

// Each strongly connected block of the matrix's graph on its own (a block of one stage is its
// diagonal cell, exactly), larger blocks balanced and solved by Eigen.
Spectrum spectrum(const Eigen::MatrixXd &a, int iterationLimit = kEigenIterationLimit);

// The Perron root of a non-negative matrix among its eigenvalues: the one of largest real part.
double perronRoot(const Spectrum &values);

// How the stages are linked (an edge c -> r where a(r, c) is not 0).
struct MatrixStructure {
    bool reducible = false;          // not every stage leads to every other
    int period = 1;                  // gcd of the cycle lengths when irreducible; 1 = primitive
    bool primitive = false;          // irreducible with period 1: N(t) settles from any start
    bool acyclic = false;            // no cycle at all: every population dies out
    std::vector<int> neverReached;   // stages that the offspring of stage 0 never reach
    std::vector<int> neverBreeding;  // stages whose members never lead to stage 0
};
MatrixStructure matrixStructure(const Eigen::MatrixXd &a);

// Stages from which no path leads to a stage that reproduces (a non-zero column of F + C):
// their reproductive value is 0.
std::vector<int> stagesWithoutReproduction(const Eigen::MatrixXd &a,
                                           const Eigen::MatrixXd &births);

enum class SensitivityStatus {
    Ok,
    NoDominantRoot, // lambda is 0, not finite, or the matrix has a negative entry
    NoEigenvector,  // lambda was found, but no non-negative right or left eigenvector for it
};

// The right and left eigenvectors of lambda and how lambda answers a change of each cell.
struct StageSensitivities {
    SensitivityStatus status = SensitivityStatus::NoDominantRoot;
    double lambda = 0.0;
    Eigen::VectorXd w;           // stable stage distribution, summing to 1
    Eigen::VectorXd v;           // reproductive values, scaled so that v.w = 1
    Eigen::MatrixXd sensitivity; // d lambda / d a_ij = v_i w_j / <v, w>, zero cells included
    Eigen::MatrixXd elasticity;  // (a_ij / lambda) s_ij; they sum to 1
};

// For a lambda already known to be a simple Perron root of the non-negative `a`: the null
// vectors of a - lambda I and its transpose by a full-pivot LU, each checked by its residual.
StageSensitivities stageSensitivities(const Eigen::MatrixXd &a, double lambda);

// The elasticities summed by kind; each cell's elasticity is split over U, F and C in
// proportion to their shares of the cell of A. The five sum to 1.
struct ElasticityPartition {
    double stasis = 0.0;        // diagonal of U
    double growth = 0.0;        // U below the diagonal
    double retrogression = 0.0; // U above the diagonal
    double reproduction = 0.0;  // F
    double clonal = 0.0;        // C
};
ElasticityPartition elasticityPartition(const Eigen::MatrixXd &U, const Eigen::MatrixXd &F,
                                        const Eigen::MatrixXd &C,
                                        const Eigen::MatrixXd &elasticity);

enum class GrowthStatus {
    Ok,
    NotConverged,  // the eigen-solver gave no trustworthy result: no figure is reported
    NoEigenvector, // lambda and the eigenvalues stand, but no eigenvector for lambda was found
    NegativeEntry, // not a population matrix: the figures below do not exist
    NoGrowth,      // lambda = 0: every population dies out within n steps
};

enum class LifeTableStatus {
    Ok,
    NeverDies,  // I - U is singular: some stage (or loop of stages) survives for ever
    NotComputed // the matrices are not a population model
};

enum class GenerationTimeStatus {
    Ok,            // T = ln R0 / ln lambda
    LambdaIsOne,   // ln R0 / ln lambda is 0/0; `generationTime` holds its limit, the mean
                   // age of the parents in the stable population, lambda v.w / v(F + C)w
    NoR0,          // R0 has no value (I - U singular) or is 0
    NotPositive,   // the quotient is not a positive finite time
};

// Every figure of A = U + F + C without harvest.
struct StageGrowth {
    GrowthStatus status = GrowthStatus::NotConverged;
    Spectrum spectrum;
    MatrixStructure structure;
    double lambda = 0.0;
    bool dominantRepeated = false;                 // then the two vectors below are not unique
    double dampingRatio = 0.0;                     // lambda / |lambda2|; infinite when lambda2 = 0
    std::optional<Eigen::VectorXd> stableDistribution;  // shares summing to 1
    std::optional<Eigen::VectorXd> reproductiveValues;  // the first stage with v > 0 is 1
    int reproductiveValueUnit = -1;                     // that stage
    bool ergodic = false;                          // v > 0 in every stage
    std::vector<int> cannotReachReproduction;      // stages whose reproductive value is 0
    StageSensitivities sensitivity;                // Ok where the two vectors above exist
    std::optional<ElasticityPartition> partition;  // where the elasticities exist
    LifeTableStatus lifeTable = LifeTableStatus::NotComputed;
    std::optional<Eigen::VectorXd> lifeExpectancy; // column sums of (I - U)^-1, in steps
    std::optional<double> R0;                      // dominant eigenvalue of (F + C)(I - U)^-1
    GenerationTimeStatus generationTimeStatus = GenerationTimeStatus::NoR0;
    std::optional<double> generationTime;
};
StageGrowth analyseStageGrowth(const Eigen::MatrixXd &U, const Eigen::MatrixXd &F,
                               const Eigen::MatrixXd &C,
                               int iterationLimit = kEigenIterationLimit);

// The reproductive-value rule of a constant harvest. With v the reproductive values,
// v.N(t+1) = lambda v.N(t) - v.H while no stage is emptied, so for lambda > 1 a population
// grows for ever exactly when v.N(t) lies above v.N* = v.H / (lambda - 1), and falls below it.
enum class RuleVerdict {
    Unknown, // no lambda or no reproductive values to judge by
    Grows,   // v.N(t) grows every step
    Falls,   // v.N(t) falls every step, faster and faster (or lambda <= 1 under a harvest)
    Holds,   // v.N(t) stays where it is: v.N(t) = v.N*, or lambda = 1 and H takes no value
};

struct StageHarvestRule {
    RuleVerdict verdict = RuleVerdict::Unknown;
    int lambdaVersusOne = 0;              // compareWithOne(lambda)
    double valueOfN = 0.0;                // v.N(t)
    double costOfH = 0.0;                 // v.H: what H takes in a step
    double surplus = 0.0;                 // (lambda - 1) v.N(t): what the population adds
    std::optional<double> valueOfNStar;   // v.H / (lambda - 1), for lambda > 1 only
    Eigen::VectorXd direction;            // H, or the first stage alone when H is 0
    std::optional<double> sustainableFactor; // s* = surplus / v.direction, for lambda > 1
    bool unlimited = false;               // lambda > 1 and the direction takes no value at all
};
StageHarvestRule stageHarvestRule(double lambda, const Eigen::VectorXd &v,
                                  const Eigen::VectorXd &n, const Eigen::VectorXd &h);

// What taking animals from one stage alone costs, by the rule.
struct StageCost {
    double reproductiveValue = 0.0;       // v_i: one animal taken costs this much of v.N
    std::optional<double> largestForEver; // surplus / v_i; none where lambda <= 1
    bool unlimited = false;               // lambda > 1 and v_i = 0: taking from stage i is free
};
std::vector<StageCost> stageCosts(const StageHarvestRule &rule, const Eigen::VectorXd &v);

// A harvest of a fixed fraction of a stage: N(t+1) = (I - D) A N(t), D the rates by stage.
struct StageProportionalHarvest {
    std::optional<double> uniformRate;             // 1 - 1/lambda; none where lambda < 1
    std::vector<std::optional<double>> byStage;    // rate of stage i alone that brings lambda
                                                   // to 1; 1 where all of it may be taken
};
StageProportionalHarvest stageProportionalHarvest(const Eigen::MatrixXd &a, double lambda);

// Half the sum of |share - stable share|: the part of the animals that would have to change
// stage for N(t) to have the stable distribution.
constexpr double kConvergenceDistance = 0.01;

// The wobble of the growth rate before N(t) settles into the stable distribution.
struct StageTransients {
    // ||A n||_1 / lambda with n = N / ||N||_1: the first step's growth of this N(t) against lambda.
    std::optional<double> reactivity;
    // Steps until the distribution stays within kConvergenceDistance of the stable one.
    std::optional<int> convergenceTime;
    bool diesOut = false; // A^t N(t) reaches 0
    // (v.n / v.w) ||w||_1: how much larger (above 1) or smaller the population ends up than
    // one of the same size started in the stable distribution.
    std::optional<double> inertia;
};
StageTransients stageTransients(const Eigen::MatrixXd &a, double lambda,
                                const Eigen::VectorXd &w, const Eigen::VectorXd &n, int steps);

// (v.n / v.w) ||w||_1 with n = N / ||N||_1; none where N is empty or v.w is 0.
std::optional<double> inertia(const Eigen::VectorXd &v, const Eigen::VectorXd &w,
                              const Eigen::VectorXd &n);

// The whole analysis of a stage model: growth without harvest, the harvest rule for N(0)
// under H, each stage's cost, proportional rates, and the transients of N(0).
struct StageAnalysis {
    StageGrowth growth;
    StageHarvestRule rule;
    std::vector<StageCost> costs;
    StageProportionalHarvest proportional;
    StageTransients transients;
};
StageAnalysis analyseStageModel(const StageModel &model, int steps);

} // namespace velmora
