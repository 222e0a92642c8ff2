#pragma once

#include "demography/analysis.h"

#include <QJsonObject>

#include <string>

namespace velmora {

// The analysis as aligned text: the model, then one figure a line; with `explain`, each
// figure's one-line explanation under it.
std::string analysisText(const LifeCycleAnalysis &analysis, bool explain = false);
std::string analysisText(const ModelAnalysis &analysis, bool explain = false);
// The analysis of a life cycle of any size with N(t) = N(0): what `velmora-cli analyse` prints.
std::string analysisText(const StageModel &model, double extinctionThreshold = kQuasiExtinction,
                         bool explain = false);

// The analysis as one JSON object (QJsonDocument, indented): the numbers as doubles that read
// back exactly, null where a figure does not exist, the statuses by name, and the report lines
// as the Analysis window words them. Every list is sized by the number of stages.
std::string analysisJson(const LifeCycleAnalysis &analysis);
// The same object before it is written out, for the exercises that answer from it.
QJsonObject analysisJsonObject(const LifeCycleAnalysis &analysis);
std::string analysisJson(const ModelAnalysis &analysis);
std::string analysisJson(const StageModel &model, double extinctionThreshold = kQuasiExtinction);

} // namespace velmora
