#include "ui/lifecycle/stagereport.h"

#include "demography/analysis.h"

namespace velmora {

std::vector<ReportLine> stageReportLines(const StageModel &model)
{
    return analysisReport(analyseLifeCycle(model));
}

} // namespace velmora
