#include "demography/stagemodel.h"

#include <cmath>
#include <set>

namespace velmora {

namespace {

// Published matrices print rounded entries: a column of 0.6747 + 0.3253 may sum a hair above 1.
constexpr double kColumnSumSlack = 1e-9;

StageModelCheck matrixProblem(const Eigen::MatrixXd &m, StagePart part)
{
    for (Eigen::Index c = 0; c < m.cols(); ++c) {
        for (Eigen::Index r = 0; r < m.rows(); ++r) {
            const double x = m(r, c);
            if (!std::isfinite(x))
                return {StageModelProblem::NotFinite, part, -1, int(r), int(c)};
            if (x < 0.0)
                return {StageModelProblem::NegativeEntry, part, -1, int(r), int(c)};
        }
    }
    return {};
}

StageModelCheck vectorProblem(const Eigen::VectorXd &v, StagePart part)
{
    for (Eigen::Index i = 0; i < v.size(); ++i) {
        if (!std::isfinite(v(i)))
            return {StageModelProblem::NotFinite, part, int(i), int(i), -1};
        if (v(i) < 0.0)
            return {StageModelProblem::NegativeEntry, part, int(i), int(i), -1};
    }
    return {};
}

} // namespace

StageModel emptyStageModel(int n)
{
    StageModel model;
    for (int i = 0; i < n; ++i)
        model.stages.push_back(std::to_string(i + 1));
    model.U = Eigen::MatrixXd::Zero(n, n);
    model.F = Eigen::MatrixXd::Zero(n, n);
    model.C = Eigen::MatrixXd::Zero(n, n);
    model.n0 = Eigen::VectorXd::Zero(n);
    model.harvest = Eigen::VectorXd::Zero(n);
    return model;
}

StageModelCheck checkStageModel(const StageModel &model)
{
    const int n = model.size();
    if (n == 0)
        return {StageModelProblem::NoStages};
    if (n > kMaxStages)
        return {StageModelProblem::TooManyStages};
    auto square = [n](const Eigen::MatrixXd &m) { return m.rows() == n && m.cols() == n; };
    if (!square(model.U) || !square(model.F) || !square(model.C) || model.n0.size() != n
        || model.harvest.size() != n)
        return {StageModelProblem::SizeMismatch};
    std::set<std::string> seen;
    for (int i = 0; i < n; ++i) {
        if (model.stages[size_t(i)].empty())
            return {StageModelProblem::EmptyName, StagePart::None, i};
        if (!seen.insert(model.stages[size_t(i)]).second)
            return {StageModelProblem::DuplicateName, StagePart::None, i};
    }
    for (auto [m, part] : {std::pair{&model.U, StagePart::U}, std::pair{&model.F, StagePart::F},
                           std::pair{&model.C, StagePart::C}}) {
        const StageModelCheck check = matrixProblem(*m, part);
        if (!check.ok())
            return check;
    }
    for (auto [v, part] : {std::pair{&model.n0, StagePart::N0},
                           std::pair{&model.harvest, StagePart::Harvest}}) {
        const StageModelCheck check = vectorProblem(*v, part);
        if (!check.ok())
            return check;
    }
    for (int c = 0; c < n; ++c) {
        if (model.U.col(c).sum() > 1.0 + kColumnSumSlack)
            return {StageModelProblem::SurvivalAboveOne, StagePart::U, c, -1, c};
    }
    return {};
}

Eigen::VectorXd stageStep(const StageModel &model, const Eigen::VectorXd &n)
{
    return (model.A() * n - model.harvest).cwiseMax(0.0);
}

} // namespace velmora
