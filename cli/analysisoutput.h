#pragma once

#include "model/analysis.h"

#include <string>

namespace velmora {

// The analysis as aligned text: the model, then one figure a line.
std::string analysisText(const ModelAnalysis &analysis);

// The analysis as one JSON object: the numbers at full text precision (15 digits), the
// statuses by name, and the report lines as the Analysis window words them.
std::string analysisJson(const ModelAnalysis &analysis);

} // namespace velmora
