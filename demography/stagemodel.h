#pragma once

#include <Eigen/Core>

#include <string>
#include <vector>

namespace velmora {

// The largest life cycle the program takes: enough for any published stage matrix, small
// enough that every n x n figure stays quick to compute and readable on screen.
constexpr int kMaxStages = 100;

// A stage-structured life cycle: A = U + F + C. Entry (r, c) of each matrix is what one
// member of stage c gives stage r in a step (rows: moved to; columns: moved from).
struct StageModel {
    std::vector<std::string> stages; // one name a stage
    Eigen::MatrixXd U;               // survival and growth; every column sums to at most 1
    Eigen::MatrixXd F;               // sexual reproduction
    Eigen::MatrixXd C;               // clonal reproduction; zero unless the cycle has it
    Eigen::VectorXd n0;              // N(0)
    Eigen::VectorXd harvest;         // H, taken each step after the projection

    int size() const { return static_cast<int>(stages.size()); }
    Eigen::MatrixXd A() const { return U + F + C; }
};

// n stages named "1".."n", every matrix and vector zero.
StageModel emptyStageModel(int n);

// What is wrong with a stage model, the first problem found.
enum class StageModelProblem {
    None,
    NoStages,         // n = 0
    TooManyStages,    // n > kMaxStages
    SizeMismatch,     // a matrix or vector is not n x n or n long
    EmptyName,        // a stage without a name (`stage`)
    DuplicateName,    // two stages with one name (`stage` is the second)
    NotFinite,        // an infinite or NaN entry (`matrix`, `row`, `column`)
    NegativeEntry,    // a negative entry (`matrix`, `row`, `column`)
    SurvivalAboveOne, // column `stage` of U sums to more than 1
};

// Which part of the model a problem is in.
enum class StagePart { None, U, F, C, N0, Harvest };

struct StageModelCheck {
    StageModelProblem problem = StageModelProblem::None;
    StagePart part = StagePart::None;
    int stage = -1; // the stage named, or the column of U
    int row = -1;   // with a matrix entry; for a vector, the entry
    int column = -1;

    bool ok() const { return problem == StageModelProblem::None; }
};

// The first problem of `model`, or None. A column of U may exceed 1 by rounding of its
// printed entries (1e-9), as published matrices do.
StageModelCheck checkStageModel(const StageModel &model);

// One step of the program's projection: N(t+1) = A N(t) - H, negative stages set to 0.
Eigen::VectorXd stageStep(const StageModel &model, const Eigen::VectorXd &n);

} // namespace velmora
