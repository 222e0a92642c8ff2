#pragma once

#include "demography/stagemodel.h"
#include "model/analysisreport.h"

#include <vector>

namespace velmora {

// The analysis the Life cycle window shows for a model of any size, N(0) as N(t): the one report
// the Analysis window and `velmora-cli analyse` show, its grids one row and column a stage.
std::vector<ReportLine> stageReportLines(const StageModel &model);

} // namespace velmora
