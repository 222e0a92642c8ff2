#include "ui/lifecycle/stageedit.h"

#include "base/numbertext.h"

#include <QCoreApplication>

#include <cmath>
#include <set>

namespace velmora {

namespace {

// The refusals of an edit, in a context of their own.
class StageEdit {
    Q_DECLARE_TR_FUNCTIONS(StageEdit)
};

QString name(const StageModel &model, int stage)
{
    return QString::fromStdString(model.stages[size_t(stage)]);
}

// The cell of `part` at (row, column), to read or to write as `Model` is const or not.
template <typename Model>
auto &entry(Model &model, StagePart part, int row, int column)
{
    switch (part) {
    case StagePart::F:
        return model.F(row, column);
    case StagePart::C:
        return model.C(row, column);
    case StagePart::N0:
        return model.n0(row);
    case StagePart::Harvest:
        return model.harvest(row);
    default:
        break;
    }
    return model.U(row, column);
}

// Removes row and column `i` of a square matrix.
Eigen::MatrixXd without(const Eigen::MatrixXd &m, int i)
{
    const int n = int(m.rows());
    Eigen::MatrixXd out(n - 1, n - 1);
    for (int r = 0, rr = 0; r < n; ++r) {
        if (r == i)
            continue;
        for (int c = 0, cc = 0; c < n; ++c) {
            if (c != i)
                out(rr, cc++) = m(r, c);
        }
        ++rr;
    }
    return out;
}

Eigen::MatrixXd withZero(const Eigen::MatrixXd &m, int at)
{
    const int n = int(m.rows());
    Eigen::MatrixXd out = Eigen::MatrixXd::Zero(n + 1, n + 1);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c)
            out(r < at ? r : r + 1, c < at ? c : c + 1) = m(r, c);
    }
    return out;
}

Eigen::VectorXd without(const Eigen::VectorXd &v, int i)
{
    Eigen::VectorXd out(v.size() - 1);
    for (Eigen::Index k = 0, kk = 0; k < v.size(); ++k) {
        if (k != i)
            out(kk++) = v(k);
    }
    return out;
}

Eigen::VectorXd withZero(const Eigen::VectorXd &v, int at)
{
    Eigen::VectorXd out = Eigen::VectorXd::Zero(v.size() + 1);
    for (Eigen::Index k = 0; k < v.size(); ++k)
        out(k < at ? k : k + 1) = v(k);
    return out;
}

// Reshapes every matrix and vector of the model alike, so that no part is left its old size.
template <typename Change>
void reshapeParts(StageModel &model, const Change &change)
{
    for (Eigen::MatrixXd *m : {&model.U, &model.F, &model.C})
        *m = change(*m);
    for (Eigen::VectorXd *v : {&model.n0, &model.harvest})
        *v = change(*v);
}

} // namespace

QString stageValueText(double value)
{
    return QString::fromStdString(numberText(value));
}

double stageValue(const StageModel &model, StagePart part, int row, int column)
{
    return entry(model, part, row, column);
}

std::optional<QString> setStageValue(StageModel &model, StagePart part, int row, int column,
                                     const QString &text)
{
    const ReadResult read = strictValue(text.toStdString());
    if (read.status == ReadStatus::NotANumber)
        return StageEdit::tr("\"%1\" is not a number. Type a number such as 0.25 or 1E-3 to try "
                             "again.")
            .arg(text.trimmed());
    StageModel changed = model;
    entry(changed, part, row, column) = read.ok() ? read.value : HUGE_VAL;
    const StageModelCheck check = checkStageModel(changed);
    if (!check.ok())
        return stageProblemText(check, changed);
    model = std::move(changed);
    return std::nullopt;
}

std::optional<QString> setStageName(StageModel &model, int stage, const QString &name)
{
    const QString trimmed = name.trimmed();
    StageModel changed = model;
    changed.stages[size_t(stage)] = trimmed.toStdString();
    const StageModelCheck check = checkStageModel(changed);
    if (!check.ok())
        return stageProblemText(check, changed);
    model = std::move(changed);
    return std::nullopt;
}

std::optional<QString> insertStage(StageModel &model, int at)
{
    if (model.size() >= kMaxStages)
        return stageProblemText({StageModelProblem::TooManyStages}, model);
    const std::set<std::string> taken(model.stages.begin(), model.stages.end());
    int k = model.size() + 1;
    //: The name a new stage gets until the student names it.
    while (taken.count(StageEdit::tr("stage %1").arg(k).toStdString()))
        ++k;
    model.stages.insert(model.stages.begin() + at,
                        StageEdit::tr("stage %1").arg(k).toStdString());
    reshapeParts(model, [at](const auto &part) { return withZero(part, at); });
    return std::nullopt;
}

std::optional<QString> removeStage(StageModel &model, int stage)
{
    if (model.size() <= 1)
        return stageProblemText({StageModelProblem::NoStages}, model);
    model.stages.erase(model.stages.begin() + stage);
    reshapeParts(model, [stage](const auto &part) { return without(part, stage); });
    return std::nullopt;
}

QString stageProblemText(const StageModelCheck &check, const StageModel &model)
{
    switch (check.problem) {
    case StageModelProblem::None:
        break;
    case StageModelProblem::NoStages:
        return StageEdit::tr("A life cycle needs at least one stage.");
    case StageModelProblem::TooManyStages:
        return StageEdit::tr("A life cycle has at most %1 stages.").arg(kMaxStages);
    case StageModelProblem::SizeMismatch:
        return StageEdit::tr("The grids do not all have one row and one column a stage.");
    case StageModelProblem::EmptyName:
        return StageEdit::tr("Stage %1 must have a name. Type a name to try again.")
            .arg(check.stage + 1);
    case StageModelProblem::DuplicateName:
        return StageEdit::tr("Two stages are called \"%1\": each stage must have a name of its "
                             "own. Type another name to try again.")
            .arg(name(model, check.stage));
    case StageModelProblem::NotFinite:
        return StageEdit::tr("The number is too large. Type new data to try again.");
    case StageModelProblem::NegativeEntry:
        switch (check.part) {
        case StagePart::U:
            return StageEdit::tr("Survival and growth (the U grid) must be >=0. Type new data to "
                                 "try again.");
        case StagePart::F:
            return StageEdit::tr("Reproduction (the F grid) must be >=0. Type new data to try "
                                 "again.");
        case StagePart::C:
            return StageEdit::tr("Clonal reproduction (the C grid) must be >=0. Type new data to "
                                 "try again.");
        case StagePart::N0:
            return StageEdit::tr("The number of each stage of N(0) must be >=0. Type new data to "
                                 "try again.");
        default:
            break;
        }
        return StageEdit::tr("The harvest (H) must be >=0. Type new data to try again.");
    case StageModelProblem::SurvivalAboveOne:
        return StageEdit::tr("The survival of stage \"%1\" (column %2 of U) adds up to %3: it "
                             "must be <=1. Type new data to try again.")
            .arg(name(model, check.stage))
            .arg(check.stage + 1)
            .arg(stageValueText(model.U.col(check.stage).sum()));
    }
    return {};
}

} // namespace velmora
