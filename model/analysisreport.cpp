#include "model/analysisreport.h"

#include "model/numbertext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace velmora {

namespace {

std::vector<std::string> cellsOf(const Vector4 &values)
{
    std::vector<std::string> cells;
    for (const double x : values)
        cells.push_back(figureText(x));
    return cells;
}

std::string classList(const std::vector<int> &classes)
{
    std::string text = classes.size() == 1 ? "class " : "classes ";
    for (size_t i = 0; i < classes.size(); ++i) {
        if (i > 0)
            text += i + 1 == classes.size() ? " and " : ", ";
        text += std::to_string(classes[i]);
    }
    return text;
}

// Why the eigen-figures are missing, said once on the lambda line.
std::string growthProblem(const GrowthAnalysis &g)
{
    switch (g.status) {
    case GrowthStatus::NotConverged:
        return "The eigenvalue computation did not converge for this matrix: no eigen-figures "
               "are given.";
    case GrowthStatus::NegativeEntry:
        return "M has a negative entry, so it is not a population matrix: lambda and the "
               "figures that rest on it do not exist.";
    case GrowthStatus::NoGrowth:
        return "No class ever leads back to births: every population is gone within four steps.";
    case GrowthStatus::NoEigenvector:
        return "lambda and the other eigenvalues were found, but the eigenvector step failed "
               "for this matrix: the stable distribution, the reproductive values and what "
               "rests on them are not given.";
    case GrowthStatus::Ok:
        if (compareWithOne(g.lambda) == 0)
            return "lambda = 1 to within rounding: without harvest the population neither "
                   "grows nor declines in the long run.";
        break;
    }
    return {};
}

bool hasLambda(const GrowthAnalysis &g)
{
    return g.status == GrowthStatus::Ok || g.status == GrowthStatus::NoEigenvector;
}

std::string structureNotes(const GrowthAnalysis &g)
{
    if (!hasLambda(g))
        return "-";
    const MatrixStructure &s = g.structure;
    std::string notes;
    auto add = [&notes](const std::string &sentence) {
        notes += (notes.empty() ? "" : " ") + sentence;
    };
    if (s.reducible) {
        add("M is reducible, so the stable distribution is not reached from every start.");
        if (!s.neverBreeding.empty())
            add("Members of " + classList(s.neverBreeding)
                + " never lead to new births: a population of these alone dies out.");
        if (!s.neverReached.empty())
            add("The offspring of class 0 never reach " + classList(s.neverReached) + ".");
    } else if (s.period > 1) {
        add("M is imprimitive (period " + std::to_string(s.period) + "): N(t) keeps oscillating "
            "with this period instead of settling into the stable distribution.");
    } else {
        add("M is primitive: from every start N(t) approaches the stable distribution.");
    }
    if (s.reducible && g.dampingRatio == 1.0)
        add("Another eigenvalue is as large as lambda in modulus: N(t) need not settle into the "
            "stable distribution.");
    if (g.dominantRepeated)
        add("The dominant eigenvalue is repeated: the long-run distribution depends on the start.");
    return notes;
}

std::string atTime(const ModelAnalysis &a, int step)
{
    return "t = " + std::to_string(a.model.t + step);
}

// "1 animal", "0.5 animals": the quasi-extinction threshold in words.
std::string animals(double threshold)
{
    return figureText(threshold) + (threshold == 1.0 ? " animal" : " animals");
}

// How the projection's check reads: "at 1 animal or more", or "above 0" without a threshold.
std::string aliveWords(double threshold)
{
    return threshold > 0 ? "at " + animals(threshold) + " or more" : "above 0";
}

std::string verdictText(const ModelAnalysis &a)
{
    const HarvestVerdict &v = a.verdict;
    switch (v.verdict) {
    case Verdict::FallsBelowThreshold:
        if (v.step == 0)
            return "N(t) already totals less than " + animals(a.model.extinctionThreshold)
                   + ": the population counts as gone.";
        return "falls below " + animals(a.model.extinctionThreshold) + " at " + atTime(a, v.step)
               + " (step " + std::to_string(v.step) + " from now): the population counts as gone.";
    case Verdict::Grows:
        if (v.overflow)
            return "grows without bound: beyond the range of numbers at " + atTime(a, v.step)
                   + " (step " + std::to_string(v.step) + ").";
        return "grows without bound: total " + figureText(v.lastTotal) + " at "
               + atTime(a, v.stepsRun) + " and still growing.";
    case Verdict::Settles:
        return "settles at " + vectorText(v.last) + ", total " + figureText(v.lastTotal) + ".";
    case Verdict::ReachesZero:
        return "reaches 0: the projection to " + atTime(a, v.step) + " (step "
               + std::to_string(v.step) + " from now) is rejected.";
    case Verdict::AlreadyEmpty:
        return "N(t) is already 0: the next projection ends the simulation.";
    case Verdict::Declines:
        return "declines towards 0 without reaching it within " + std::to_string(v.stepsRun)
               + " steps (total " + figureText(v.lastTotal) + " at " + atTime(a, v.stepsRun)
               + ").";
    case Verdict::Undecided:
        return "neither grows, settles nor reaches 0 within " + std::to_string(v.stepsRun)
               + " steps.";
    }
    return {};
}

ReportLine equilibriumLine(const ModelAnalysis &a)
{
    const HarvestEquilibrium &e = a.equilibrium;
    ReportLine line{"equilibrium", "Harvest equilibrium N* = (M - I)^-1 H", {}, {}};
    switch (e.status) {
    case EquilibriumStatus::Singular:
        line.text = "M - I is singular (M has the eigenvalue 1): there is no single harvest "
                    "equilibrium.";
        return line;
    case EquilibriumStatus::NotBiological:
        line.text = "N* = " + vectorText(e.N) + " has a negative class: no population stays "
                    "unchanged under this harvest.";
        return line;
    case EquilibriumStatus::Ok:
        break;
    }
    line.cells = cellsOf(e.N);
    line.cells.push_back(figureText(e.total));
    if (e.total == 0.0)
        line.text = "Without harvest the only equilibrium is the empty population.";
    else if (hasLambda(a.growth) && compareWithOne(a.growth.lambda) > 0)
        line.text = "Unstable: above it a population grows, below it a population dies out.";
    return line;
}

ReportLine limitLine(const ModelAnalysis &a)
{
    const HarvestLimit &l = a.limit;
    ReportLine line{"largestHarvest", "Largest constant harvest factor s", {}, {}};
    const bool noHarvest = l.direction != a.model.H;
    const std::string times = noHarvest ? "s x " + vectorText(l.direction) : "s x H";
    const std::string steps = std::to_string(kLastTime);
    const double threshold = a.model.extinctionThreshold;
    switch (l.status) {
    case HarvestLimitStatus::DiesWithoutHarvest:
        line.text = threshold > 0 ? "none: even without harvest N(t) falls below "
                                        + animals(threshold) + " within " + steps + " steps."
                                  : "none: the population does not last " + steps
                                        + " steps even without harvest.";
        return line;
    case HarvestLimitStatus::Unlimited:
        line.text = "no limit: " + times + " leaves the population alive for " + steps
                    + " steps, however large s is.";
        return line;
    case HarvestLimitStatus::Ok:
        break;
    }
    line.cells = {figureText(l.factor)};
    if (l.factor == 0.0)
        line.text = "the population lasts " + steps + " steps only without harvest.";
    else
        line.text = times + " = " + vectorText(l.harvest) + " keeps N(t) " + aliveWords(threshold)
                    + " for " + steps + " steps; 1.001 times as much does not.";
    if (hasLambda(a.growth) && compareWithOne(a.growth.lambda) < 0)
        line.text += " With lambda below 1 the population declines even without harvest.";
    return line;
}

} // namespace

std::string figureText(double value)
{
    if (std::isinf(value))
        return "infinite";
    char text[40];
    std::snprintf(text, sizeof text, "%.5e", value);
    return numberText(std::strtod(text, nullptr));
}

std::string vectorText(const Vector4 &values)
{
    std::string text = "(";
    for (size_t i = 0; i < values.size(); ++i)
        text += (i > 0 ? ", " : "") + figureText(values[i]);
    return text + ")";
}

std::vector<ReportLine> analysisReport(const ModelAnalysis &a)
{
    const GrowthAnalysis &g = a.growth;
    const bool ok = hasLambda(g);
    const std::string missing = "-";
    std::vector<ReportLine> lines;

    ReportLine lambda{"lambda", "Dominant eigenvalue lambda", {}, growthProblem(g)};
    if (ok)
        lambda.cells = {figureText(g.lambda)};
    else if (g.status == GrowthStatus::NoGrowth)
        lambda.cells = {"0"};
    lines.push_back(lambda);

    ReportLine stable{"stableDistribution", "Stable age distribution", {}, {}};
    if (g.stableDistribution)
        stable.cells = cellsOf(*g.stableDistribution);
    else
        stable.text = g.status == GrowthStatus::Ok
                          ? "not unique: the dominant eigenvalue is repeated."
                          : missing;
    lines.push_back(stable);

    ReportLine reproductive{"reproductiveValues", "Reproductive values (class 0 = 1)", {}, {}};
    if (g.reproductiveValues)
        reproductive.cells = cellsOf(*g.reproductiveValues);
    else if (ok && g.stableDistribution)
        reproductive.text = "not defined: class 0 has no part in the dominant growth.";
    else
        reproductive.text = stable.text;
    lines.push_back(reproductive);

    ReportLine r0{"R0", "Net reproductive rate R0", {}, {}};
    if (ok && g.R0)
        r0.cells = {figureText(*g.R0)};
    else
        r0.text = ok ? "not defined: survival alone keeps cohorts from dying out." : missing;
    lines.push_back(r0);

    ReportLine damping{"dampingRatio", "Damping ratio lambda / |lambda2|", {}, {}};
    if (ok) {
        damping.cells = {figureText(g.dampingRatio)};
        if (std::isinf(g.dampingRatio))
            damping.text = "all other eigenvalues are 0: the stable distribution is reached "
                           "within four steps.";
    } else {
        damping.text = missing;
    }
    lines.push_back(damping);

    ReportLine generation{"generationTime", "Generation time T = ln R0 / ln lambda", {}, {}};
    if (ok && g.generationTime) {
        generation.cells = {figureText(*g.generationTime)};
        if (g.generationTimeIsLimit)
            generation.text = "lambda = 1: the limit of the quotient, the mean age of the parents "
                              "in the stable population.";
    } else {
        generation.text = ok ? "not defined." : missing;
    }
    lines.push_back(generation);

    lines.push_back({"notes", "Notes", {}, structureNotes(g)});
    for (ReportLine &line : lines)
        line.section = "Growth without harvest";

    lines.push_back(equilibriumLine(a));
    lines.push_back({"verdict", "N(t) under the constant harvest H", {}, verdictText(a)});
    lines.push_back(limitLine(a));
    for (size_t i = lines.size() - 3; i < lines.size(); ++i)
        lines[i].section = "Under the constant harvest H";
    return lines;
}

const char *verdictName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Grows:
        return "grows";
    case Verdict::Settles:
        return "settles";
    case Verdict::ReachesZero:
        return "reachesZero";
    case Verdict::AlreadyEmpty:
        return "alreadyEmpty";
    case Verdict::Declines:
        return "declines";
    case Verdict::Undecided:
        return "undecided";
    case Verdict::FallsBelowThreshold:
        return "fallsBelowThreshold";
    }
    return "";
}

} // namespace velmora
