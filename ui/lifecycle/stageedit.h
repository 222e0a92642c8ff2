#pragma once

#include "demography/stagemodel.h"

#include <QString>

#include <optional>
#include <vector>

namespace velmora {

// The text a grid of the Life cycle window shows for a value: the program's own number form.
QString stageValueText(double value);

// The value of `part` at (row, column); vectors have column 0.
double stageValue(const StageModel &model, StagePart part, int row, int column);

// Types `text` into one cell of the model, read by the program's strict number rules. The
// model changes only when the text is a number and the model keeps every rule afterwards;
// otherwise nothing changes and the refusal says what is wrong in the editing window's words.
std::optional<QString> setStageValue(StageModel &model, StagePart part, int row, int column,
                                     const QString &text);

// Renames a stage; a blank name or one another stage has is refused.
std::optional<QString> setStageName(StageModel &model, int stage, const QString &name);

// A new stage before `at` (at the end for size()), named "stage k" with k free, zero everywhere.
// Refused at the program's largest life cycle.
std::optional<QString> insertStage(StageModel &model, int at);

// Removes a stage with its rows and columns; the last stage stays.
std::optional<QString> removeStage(StageModel &model, int stage);

// The refusal for a model that breaks a rule, in the editing window's words.
QString stageProblemText(const StageModelCheck &check, const StageModel &model);

// The totals of a run, one entry a step.
std::vector<double> stageTotals(const std::vector<Eigen::VectorXd> &history);

} // namespace velmora
