#pragma once

#include "demography/analysis.h"

#include <string>

namespace velmora {

// The analysis as aligned text: the model, then one figure a line.
std::string analysisText(const ModelAnalysis &analysis);

// The analysis as one JSON object (QJsonDocument, indented): the numbers as doubles that read
// back exactly, null where a figure does not exist, the statuses by name, and the report lines
// as the Analysis window words them.
std::string analysisJson(const ModelAnalysis &analysis);

} // namespace velmora
