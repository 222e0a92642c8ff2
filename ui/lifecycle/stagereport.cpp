#include "ui/lifecycle/stagereport.h"

#include "demography/stageanalysis.h"

#include <algorithm>

namespace velmora {

namespace {

ReportLine gridLine(const std::string &key, const std::string &label, const StageModel &model,
                    const Eigen::MatrixXd &values)
{
    ReportLine line{key, label, {}, "Row: the stage moved to; column: the stage moved from.",
                    "Which transition matters"};
    if (values.size() == 0)
        return line;
    const int n = model.size();
    const double largest = values.maxCoeff();
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            line.cells.push_back(figureText(values(r, c)));
            line.shades.push_back(largest > 0 ? std::clamp(values(r, c) / largest, 0.0, 1.0)
                                              : 0.0);
        }
    }
    line.columns = model.stages;
    line.gridSize = n;
    return line;
}

std::string growthProblem(GrowthStatus status)
{
    switch (status) {
    case GrowthStatus::NoGrowth:
        return "lambda = 0: every population dies out within as many steps as there are stages.";
    case GrowthStatus::NotConverged:
        return "The eigenvalues could not be found to a figure that can be trusted.";
    default:
        break;
    }
    return "-";
}

} // namespace

std::vector<ReportLine> stageReportLines(const StageModel &model)
{
    const StageGrowth g = analyseStageGrowth(model.U, model.F, model.C);
    ReportLine lambda{"lambda", "Population growth rate lambda", {}, {}, "Growth"};
    lambda.explanation = "How many times larger the population grows each step once its stages "
                         "have settled: above 1 it grows, below 1 it declines.";
    if (g.status == GrowthStatus::Ok || g.status == GrowthStatus::NoEigenvector)
        lambda.cells = {figureText(g.lambda)};
    else
        lambda.text = growthProblem(g.status);
    std::vector<ReportLine> lines{lambda};

    const StageSensitivities &s = g.sensitivity;
    const bool defined = s.status == SensitivityStatus::Ok && g.partition;
    const Eigen::MatrixXd none;
    ReportLine sensitivity = gridLine("sensitivity", "Sensitivities d lambda / d a_ij", model,
                                      defined ? s.sensitivity : none);
    sensitivity.explanation = "How much lambda rises when one rate rises by a small amount, "
                              "the others kept.";
    ReportLine elasticity = gridLine("elasticity", "Elasticities (a_ij / lambda) d lambda / d a_ij",
                                     model, defined ? s.elasticity : none);
    elasticity.explanation = "The share of lambda a rate carries: 1 % more of the rate gives "
                             "lambda this many % more.";
    ReportLine partition{"elasticityPartition", "Elasticities summed by kind", {}, {},
                         "Which transition matters"};
    partition.columns = {"stasis", "growth", "retrogression", "reproduction", "clonal"};
    partition.explanation = "Where lambda comes from: staying in a stage, growing on, falling "
                            "back, births and clonal offspring; the five sum to 1.";
    if (defined) {
        const ElasticityPartition &p = *g.partition;
        partition.cells = {figureText(p.stasis), figureText(p.growth),
                           figureText(p.retrogression), figureText(p.reproduction),
                           figureText(p.clonal)};
    } else {
        partition.text = sensitivity.text = elasticity.text =
            "not defined: lambda has no single pair of stable distribution and reproductive "
            "values to take them from.";
    }
    lines.push_back(sensitivity);
    lines.push_back(elasticity);
    lines.push_back(partition);
    return lines;
}

} // namespace velmora
