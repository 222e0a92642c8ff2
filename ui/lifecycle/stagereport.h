#pragma once

#include "demography/stagemodel.h"
#include "model/analysisreport.h"

#include <vector>

namespace velmora {

// The analysis the Life cycle window shows for a model of any size: lambda, the sensitivity and
// elasticity grids (one row and column a stage) and the elasticities summed by kind. The one
// place the window takes its report lines from, until the report of any size replaces it.
std::vector<ReportLine> stageReportLines(const StageModel &model);

} // namespace velmora
