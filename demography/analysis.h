#pragma once

#include "demography/harvestprojection.h"
#include "demography/harvestrule.h"
#include "demography/matrix4.h"
#include "demography/sensitivity.h"
#include "demography/stageanalysis.h"
#include "demography/transients.h"

#include <array>
#include <complex>
#include <optional>
#include <vector>

namespace velmora {

// Eigen-analysis of the projection matrix and the fate of a population under a constant
// harvest. Plain functions on plain values, so the window, the command line and the tests
// all call the same code.

// What is analysed: the matrix, the harvest, the current age vector N(t) at time t, and the
// total below which a population counts as gone.
struct PopulationModel {
    Matrix4 M{};
    Vector4 H{};
    Vector4 N{};
    int t = 0;
    double extinctionThreshold = kQuasiExtinction; // animals: below this the population is gone
};

// All eigenvalues of a real 4 x 4 matrix, largest modulus first.
struct Eigenvalues {
    bool converged = false;
    std::array<std::complex<double>, 4> values{};
};

// Eigenvalues of a general real matrix: each strongly connected block of its graph on its
// own (a block of one class is its diagonal cell, exactly), larger blocks by Eigen.
Eigenvalues eigenvalues(const Matrix4 &m, int iterationLimit = kEigenIterationLimit);

// The Perron root of a non-negative matrix among its eigenvalues: the one of largest real
// part (every other root of modulus r has a smaller real part than r itself).
double perronRoot(const Eigenvalues &spectrum);

// How the classes of M are linked (an edge c -> r where M[r][c] is not 0).
MatrixStructure matrixStructure(const Matrix4 &m);

// The figures of M without harvest. With NoEigenvector, lambda, the spectrum, the damping
// ratio and R0 are given; the vectors and what rests on them are not.
struct GrowthAnalysis {
    GrowthStatus status = GrowthStatus::NotConverged;
    Eigenvalues spectrum;
    MatrixStructure structure;
    double lambda = 0.0;                            // dominant eigenvalue
    bool dominantRepeated = false;                  // then the two vectors below are not unique
    std::optional<Vector4> stableDistribution;      // shares summing to 1
    std::optional<Vector4> reproductiveValues;      // class 0 = 1
    Sensitivities sensitivity;                      // Ok where the two vectors above exist
    std::optional<double> R0;                       // births in class 0 per newborn over its life
    double dampingRatio = 0.0;                      // lambda / |lambda2|; infinite when lambda2 = 0
    // T = ln R0 / ln lambda; where lambda is 1 that quotient is 0/0 and its limit, the mean
    // age of the parents in the stable population, lambda v.w / (v F w), is used instead.
    std::optional<double> generationTime;
    bool generationTimeIsLimit = false;
    std::optional<Vector4> lifeExpectancy;          // column sums of (I - U)^-1, U = rows 1..3
    std::optional<ElasticityPartition> partition;   // where the elasticities exist
    bool ergodic = false;                           // v > 0 in every class
    std::vector<int> cannotReachReproduction;       // classes whose reproductive value is 0
};
GrowthAnalysis analyseGrowth(const Matrix4 &m, int iterationLimit = kEigenIterationLimit);

enum class EquilibriumStatus {
    Ok,
    Singular,      // M - I has no inverse: no single equilibrium
    NotBiological, // the equilibrium has a negative class
};

// N* = (M - I)^-1 H: the age vector that a constant harvest H leaves unchanged.
template <class Vector>
struct BasicHarvestEquilibrium {
    EquilibriumStatus status = EquilibriumStatus::Singular;
    Vector N{};
    double total = 0.0;
};
using HarvestEquilibrium = BasicHarvestEquilibrium<Vector4>;
using StageEquilibrium = BasicHarvestEquilibrium<Eigen::VectorXd>;
StageEquilibrium stageHarvestEquilibrium(const Eigen::MatrixXd &a, const Eigen::VectorXd &h);
HarvestEquilibrium harvestEquilibrium(const Matrix4 &m, const Vector4 &h);

// Every figure of the analysis for one model.
struct ModelAnalysis {
    PopulationModel model;
    GrowthAnalysis growth;
    HarvestEquilibrium equilibrium;
    HarvestVerdict verdict;
    HarvestLimit limit;
    HarvestVerdict atLimit;            // the projection under limit.harvest, where there is one
    HarvestRule rule;                  // Unknown without reproductive values
    std::array<ClassCost, 4> costs{};  // reproductive values 0 where they are unknown
    ProportionalHarvest proportional;
    Transients transients;             // of N(t) without harvest, where lambda and w exist
};

// Every figure of the analysis of a life cycle of any size, N(t) = model.n0 under model.harvest.
struct LifeCycleAnalysis {
    StageModel model;
    int t = 0;
    double extinctionThreshold = kQuasiExtinction;
    StageGrowth growth;
    StageEquilibrium equilibrium;
    StageVerdict verdict;
    StageHarvestLimit limit;
    StageVerdict atLimit;               // the projection under limit.harvest, where there is one
    StageHarvestRule rule;              // Unknown without reproductive values
    std::vector<StageClassCost> costs;  // reproductive values 0 where they are unknown
    StageProportionalHarvest proportional;
    StageTransients transients;         // of N(t) without harvest, where lambda and w exist
    // The main window's four age classes: the report names classes and vital rates.
    bool ageClasses = false;
    // Whether the largest harvests by projection were searched for (see kLargestSearchedCycle):
    // without, `limit`, `atLimit` and each cost's `projected` are not computed.
    bool searched = true;
};
// The most stages whose largest harvests are searched for by projection: each search projects
// 1000 steps some twenty times, and for a 50-stage cycle the 51 searches took 18 s.
constexpr int kLargestSearchedCycle = 8;

// Without `searchLargest`, the largest harvests are not searched for at any size: the other
// figures in a fraction of the time (an exercise that asks for none of them).
LifeCycleAnalysis analyseLifeCycle(const StageModel &model,
                                   double extinctionThreshold = kQuasiExtinction, int t = 0,
                                   bool searchLargest = true);

// The 4-class analysis is the life cycle's with F = row 0 of M and U = the rest.
ModelAnalysis analyseModel(const PopulationModel &model);
StageModel stageModelOf(const PopulationModel &model);
ModelAnalysis fourClassAnalysis(const LifeCycleAnalysis &analysis);
LifeCycleAnalysis lifeCycleAnalysisOf(const ModelAnalysis &analysis);

} // namespace velmora
