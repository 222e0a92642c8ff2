#include "model/analysisreport.h"

#include "demography/defaultmodel.h"
#include "base/numbertext.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace velmora {

namespace {

std::vector<std::string> cellsOf(const Eigen::VectorXd &values)
{
    std::vector<std::string> cells;
    for (const double x : values)
        cells.push_back(figureText(x));
    return cells;
}

// A stage's name as the report writes it: quoted where it has blanks, so it reads as one name.
std::string stageName(const LifeCycleAnalysis &a, int i)
{
    const std::string &name = a.model.stages[size_t(i)];
    return name.find(' ') == std::string::npos ? name : "\"" + name + "\"";
}

// "class 2" for the main window's age classes, "stage large juveniles" for a life cycle.
std::string oneClass(const LifeCycleAnalysis &a, int i)
{
    return (a.ageClasses ? "class " : "stage ") + stageName(a, i);
}

std::string classList(const LifeCycleAnalysis &a, const std::vector<int> &classes)
{
    const char *one = a.ageClasses ? "class " : "stage ";
    const char *many = a.ageClasses ? "classes " : "stages ";
    std::string text = classes.size() == 1 ? one : many;
    for (size_t i = 0; i < classes.size(); ++i) {
        if (i > 0)
            text += i + 1 == classes.size() ? " and " : ", ";
        text += stageName(a, classes[i]);
    }
    return text;
}

// The projection matrix's letter: M in the main window, A = U + F + C for a life cycle.
std::string matrixName(const LifeCycleAnalysis &a) { return a.ageClasses ? "M" : "A"; }

// "age" of the main window's classes, "stage" of a life cycle.
std::string kindOf(const LifeCycleAnalysis &a) { return a.ageClasses ? "age" : "stage"; }

// One column a class (stage) and, with `total`, the total.
std::vector<std::string> columnsOf(const LifeCycleAnalysis &a, bool total)
{
    if (a.ageClasses)
        return total ? classColumns() : std::vector<std::string>(classColumns().begin(),
                                                                 classColumns().end() - 1);
    std::vector<std::string> columns = a.model.stages;
    if (total)
        columns.push_back("total");
    return columns;
}

bool differs(const Eigen::VectorXd &x, const Eigen::VectorXd &y)
{
    return x.size() != y.size() || (x.array() != y.array()).any();
}

// Why the eigen-figures are missing, said once on the lambda line.
std::string growthProblem(const LifeCycleAnalysis &a)
{
    const StageGrowth &g = a.growth;
    const std::string M = matrixName(a);
    switch (g.status) {
    case GrowthStatus::NotConverged:
        return "The eigenvalue computation did not converge for this matrix: no eigen-figures "
               "are given.";
    case GrowthStatus::NegativeEntry:
        return M + " has a negative entry, so it is not a population matrix: lambda and the "
                   "figures that rest on it do not exist.";
    case GrowthStatus::NoGrowth:
        if (!a.ageClasses)
            return "No stage ever leads back to births: every population is gone within "
                   + std::to_string(a.model.size()) + " steps.";
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

bool hasLambda(const StageGrowth &g)
{
    return g.status == GrowthStatus::Ok || g.status == GrowthStatus::NoEigenvector;
}

std::string structureNotes(const LifeCycleAnalysis &a)
{
    const StageGrowth &g = a.growth;
    const std::string M = matrixName(a);
    if (!hasLambda(g))
        return "-";
    const MatrixStructure &s = g.structure;
    std::string notes;
    auto add = [&notes](const std::string &sentence) {
        notes += (notes.empty() ? "" : " ") + sentence;
    };
    if (s.reducible) {
        add(M + " is reducible, so the stable distribution is not reached from every start.");
        if (!s.neverBreeding.empty())
            add("Members of " + classList(a, s.neverBreeding)
                + " never lead to new births: a population of these alone dies out.");
        if (!s.neverReached.empty())
            add("The offspring of " + oneClass(a, 0) + " never reach "
                + classList(a, s.neverReached) + ".");
    } else if (s.period > 1) {
        add(M + " is imprimitive (period " + std::to_string(s.period) + "): N(t) keeps oscillating "
            "with this period instead of settling into the stable distribution.");
    } else {
        add(M + " is primitive (some power of " + M + " has no zero cell): from every start N(t) "
            "approaches the stable distribution.");
    }
    if (s.reducible && g.dampingRatio == 1.0)
        add("Another eigenvalue is as large as lambda in modulus: N(t) need not settle into the "
            "stable distribution.");
    if (g.dominantRepeated)
        add("The dominant eigenvalue is repeated: the long-run distribution depends on the start.");
    if (!a.ageClasses && g.reproductiveValues) {
        if (g.ergodic)
            add("A is ergodic: every stage has a reproductive value above 0, so every start "
                "ends in the same stable distribution.");
        else if (!g.cannotReachReproduction.empty())
            add("A is not ergodic: " + classList(a, g.cannotReachReproduction)
                + " never lead to reproduction, so their reproductive value is 0.");
        else
            add("A is not ergodic: some stage has a reproductive value of 0.");
    }
    return notes;
}

std::string atTime(const LifeCycleAnalysis &a, int step)
{
    return "t = " + std::to_string(a.t + step);
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

// A population that grows although H took more than a class held: the clamp at 0 rescued it.
// A dwindling one empties classes too, near its end; that is not why it lasted.
bool emptiedAndGrowing(const StageVerdict &v)
{
    return v.firstEmptied > 0 && v.verdict == Verdict::Grows;
}

// "with lambda = 1" or "with lambda below 1", where no harvest lasts for ever.
std::string lambdaWords(const StageHarvestRule &r)
{
    return r.lambdaVersusOne == 0 ? "with lambda = 1" : "with lambda below 1";
}

std::string verdictText(const LifeCycleAnalysis &a)
{
    const StageVerdict &v = a.verdict;
    switch (v.verdict) {
    case Verdict::FallsBelowThreshold:
        if (v.step == 0)
            return "N(t) already totals less than " + animals(a.extinctionThreshold)
                   + ": the population counts as gone.";
        return "falls below " + animals(a.extinctionThreshold) + " at " + atTime(a, v.step)
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

bool growing(const LifeCycleAnalysis &a)
{
    return hasLambda(a.growth) && compareWithOne(a.growth.lambda) > 0;
}

ReportLine equilibriumLine(const LifeCycleAnalysis &a)
{
    const StageEquilibrium &e = a.equilibrium;
    const std::string M = matrixName(a);
    ReportLine line{"equilibrium", "Harvest equilibrium N* = (" + M + " - I)^-1 H", {}, {}};
    switch (e.status) {
    case EquilibriumStatus::Singular:
        line.text = M + " - I is singular (" + M + " has the eigenvalue 1): there is no single "
                        "harvest equilibrium.";
        return line;
    case EquilibriumStatus::NotBiological:
        line.text = "N* = " + vectorText(e.N) + " has a negative " + (a.ageClasses ? "class" : "stage")
                    + ": no population stays unchanged under this harvest.";
        return line;
    case EquilibriumStatus::Ok:
        break;
    }
    line.cells = cellsOf(e.N);
    line.cells.push_back(figureText(e.total));
    if (e.total == 0.0)
        line.text = "Without harvest the only equilibrium is the empty population.";
    else if (growing(a))
        line.text = "Unstable, and not by its total: a population whose reproductive value v.N "
                    "lies above v.N* grows, one below it dies out, whatever its total.";
    return line;
}

// The rule in words: what v.N(t) against v.N* says will become of N(t) under H.
std::string ruleText(const StageHarvestRule &r)
{
    const std::string vN = "v.N(t) = " + figureText(r.valueOfN);
    switch (r.verdict) {
    case RuleVerdict::Unknown:
        return "-";
    case RuleVerdict::Grows:
        return vN + " lies above v.N*: v.N(t+1) = lambda v.N(t) - v.H grows every step, so N(t) "
                    "grows for ever under H.";
    case RuleVerdict::Holds:
        if (r.lambdaVersusOne == 0)
            return "lambda = 1 and H takes nothing of v.N(t): it stays at " + figureText(r.valueOfN)
                   + ".";
        return vN + " equals v.N*: it stays there, a knife edge that the least change tips.";
    case RuleVerdict::Falls:
        break;
    }
    if (r.valueOfN <= 0)
        return "v.N(t) = 0: N(t) holds no animal that will still breed, so it dies out.";
    if (r.lambdaVersusOne < 0)
        return "lambda is below 1: v.N(t) falls even without harvest, and N(t) with it. No "
               "constant harvest is sustainable for ever.";
    if (r.lambdaVersusOne == 0)
        return "lambda = 1: v.N(t) falls by v.H = " + figureText(r.costOfH)
               + " every step, so any constant harvest empties the population in the end, "
                 "after about v.N(t) / v.H = "
               + figureText(r.valueOfN / r.costOfH) + " steps.";
    return vN + " lies below v.N*: v.N(t) falls faster every step, so N(t) falls to 0 under H.";
}

// The rule against the projection, in a sentence, where they disagree.
std::string disagreementText(const LifeCycleAnalysis &a)
{
    const StageVerdict &v = a.verdict;
    const bool projectionSurvives = survives(v) && v.verdict != Verdict::Declines;
    const bool ruleSurvives = a.rule.verdict == RuleVerdict::Grows;
    if (a.rule.verdict == RuleVerdict::Unknown || projectionSurvives == ruleSurvives
        || a.rule.verdict == RuleVerdict::Holds)
        return {};
    if (projectionSurvives && emptiedAndGrowing(v))
        return " The rule said otherwise, but in step " + std::to_string(v.firstEmptied)
               + " H takes more than a " + (a.ageClasses ? "class" : "stage")
               + " holds: from then on the harvest takes less than H "
                 "and the rule no longer holds.";
    if (projectionSurvives)
        return " The rule says it is lost, only later than the " + std::to_string(kLastTime)
               + " steps the projection runs.";
    return " The rule said it grows, but on the way N(t) dips below "
           + animals(a.extinctionThreshold) + ".";
}

ReportLine sustainableLine(const LifeCycleAnalysis &a)
{
    const StageHarvestRule &r = a.rule;
    // Without harvest the rule asks about the first class alone.
    const bool noHarvest = (a.model.harvest.array() == 0.0).all();
    const Eigen::VectorXd first = Eigen::VectorXd::Unit(a.model.size(), 0);
    const std::string per = noHarvest ? "v." + vectorText(first) : "v.H";
    ReportLine line{"sustainableFactor", "Largest factor s* = (lambda - 1) v.N(t) / " + per,
                    {}, {}};
    if (r.verdict == RuleVerdict::Unknown) {
        line.text = "-";
    } else if (r.lambdaVersusOne <= 0) {
        line.text = "none: " + lambdaWords(r) + " no constant harvest is sustainable for ever.";
    } else if (r.unlimited) {
        line.text = "no limit: " + (noHarvest ? vectorText(first) : std::string("H"))
                    + " takes only from " + (a.ageClasses ? "classes" : "stages")
                    + " of reproductive value 0.";
    } else {
        line.cells = {figureText(*r.sustainableFactor)};
        line.text = (noHarvest ? "H is 0: s* x " + vectorText(first) + " = " : "s* x H = ")
                    + vectorText(Eigen::VectorXd(r.direction * *r.sustainableFactor))
                    + " is the most that N(t) yields for ever, as long as no "
                    + (a.ageClasses ? "class" : "stage")
                    + " runs short of it, so that every step's harvest is taken in full.";
    }
    return line;
}

// Why a large life cycle has no largest harvest by projection.
std::string notSearched()
{
    return "not searched for in a life cycle of more than "
           + std::to_string(kLargestSearchedCycle)
           + " stages: each search projects every stage 1000 steps some twenty times. The "
             "rule's figure above stands alone.";
}

// The projection's largest factor, and why it differs from s* where it does.
ReportLine limitLine(const LifeCycleAnalysis &a)
{
    const StageHarvestLimit &l = a.limit;
    ReportLine line{"largestHarvest", "Largest factor s, by the projection", {}, {}};
    if (!a.searched) {
        line.text = notSearched();
        return line;
    }
    const bool noHarvest = differs(l.direction, a.model.harvest);
    const std::string times = noHarvest ? "s x " + vectorText(l.direction) : "s x H";
    const std::string steps = std::to_string(kLastTime);
    const double threshold = a.extinctionThreshold;
    switch (l.status) {
    case HarvestLimitStatus::DiesWithoutHarvest:
        line.text = threshold > 0 ? "none: even without harvest N(t) falls below "
                                        + animals(threshold) + " within " + steps + " steps."
                                  : "none: the population does not last " + steps
                                        + " steps even without harvest.";
        return line;
    case HarvestLimitStatus::Unlimited:
        line.text = "any s: however large s is, " + times + " leaves N(t) "
                    + aliveWords(threshold) + " for " + steps + " steps, because a harvest "
                    "takes at most what is there and the rest of N(t) lives on.";
        break;
    case HarvestLimitStatus::Ok:
        line.cells = {figureText(l.factor)};
        line.text = "N(t) stays " + aliveWords(threshold) + " for " + steps + " steps up to s = "
                    + figureText(l.factor) + " (" + times + " = " + vectorText(l.harvest)
                    + "); 1.001 times as much does not.";
        break;
    }

    const StageHarvestRule &r = a.rule;
    if (r.verdict == RuleVerdict::Unknown)
        return line;
    if (r.lambdaVersusOne <= 0) {
        line.text += " It holds for these steps only: no constant harvest is sustainable for ever.";
        return line;
    }
    if (r.unlimited || !r.sustainableFactor)
        return line;
    const double star = *r.sustainableFactor;
    const bool unlimited = l.status == HarvestLimitStatus::Unlimited;
    if (!unlimited && std::fabs(l.factor - star) <= 1e-3 * star) {
        line.text += " The rule's s* agrees.";
    } else if (unlimited || l.factor > star) {
        const int emptied = unlimited ? 0 : a.atLimit.firstEmptied;
        if (unlimited || emptiedAndGrowing(a.atLimit))
            line.text += " It lies above s*, because a " + std::string(a.ageClasses ? "class" : "stage")
                         + " is emptied on the way"
                         + (emptied > 0 ? " (in step " + std::to_string(emptied) + ")" : "")
                         + ": from then on the harvest takes less than s x H, and the rule "
                           "no longer holds.";
        else
            line.text += " It lies above s*: there v.N(t) falls, but N(t) stays "
                         + aliveWords(threshold) + " for all " + steps
                         + " steps of the projection and is lost only later.";
    } else {
        line.text += " It lies below s*: there v.N(t) still grows, but N(t) dips below "
                     + animals(threshold) + " on the way.";
    }
    return line;
}

// "2 animals", "no limit", "none": one cell of the harvests by class.
std::string projectedCell(const StageHarvestLimit &l)
{
    switch (l.status) {
    case HarvestLimitStatus::Ok:
        return figureText(l.factor);
    case HarvestLimitStatus::Unlimited:
        return "all of it";
    case HarvestLimitStatus::DiesWithoutHarvest:
        break;
    }
    return "none";
}

// Why the projection carries more of a class than the rule, where it does.
std::string projectedCostText(const LifeCycleAnalysis &a)
{
    std::vector<int> whole;
    std::vector<int> emptied;
    std::vector<int> later;
    for (size_t i = 0; i < a.costs.size(); ++i) {
        const StageClassCost &cost = a.costs[i];
        const bool unlimited = cost.projected.status == HarvestLimitStatus::Unlimited;
        if (unlimited)
            whole.push_back(int(i));
        if (unlimited || cost.unlimited || !cost.largestForEver)
            continue;
        if (cost.projected.factor <= *cost.largestForEver * 1.001)
            continue;
        (emptiedAndGrowing(cost.atProjected) ? emptied : later).push_back(int(i));
    }
    std::string text;
    if (!whole.empty())
        text = "All of it for " + classList(a, whole) + ": no number taken from "
               + (whole.size() > 1 ? "them" : "it") + " is too large, because a harvest takes "
               "at most what is there; emptied every step, the rest of N(t) still lives on.";
    if (!emptied.empty())
        text += std::string(text.empty() ? "" : " ") + "Above h_i for " + classList(a, emptied)
                + ": there the harvest empties the " + (a.ageClasses ? "class" : "stage")
                + " on the way and takes less than asked.";
    if (!later.empty())
        text += std::string(text.empty() ? "" : " ") + "Above h_i for " + classList(a, later)
                + ": N(t) stays " + aliveWords(a.extinctionThreshold) + " for the "
                + std::to_string(kLastTime) + " steps, and is lost only later.";
    return text;
}

// "s0, survival from class 0 to 1": a vital rate by its name and what it is.
std::string rateWords(size_t rate)
{
    const std::string name = kVitalRateNames[rate];
    if (rate < 4)
        return name + ", the fecundity of class " + name.substr(1);
    const int from = name[1] - '0';
    return name + ", the survival from class " + std::to_string(from) + " to "
           + std::to_string(from + 1);
}

ReportLine gridLine(const LifeCycleAnalysis &a, const std::string &key, const std::string &label,
                    const Eigen::MatrixXd &values)
{
    ReportLine line{key, label, {}, {}};
    const double largest = values.size() > 0 ? values.maxCoeff() : 0.0;
    for (Eigen::Index r = 0; r < values.rows(); ++r) {
        for (Eigen::Index c = 0; c < values.cols(); ++c) {
            const double x = values(r, c);
            line.cells.push_back(figureText(x));
            line.shades.push_back(largest > 0 ? std::clamp(x / largest, 0.0, 1.0) : 0.0);
        }
    }
    line.columns = columnsOf(a, false);
    line.gridSize = int(values.rows());
    return line;
}

// Where a transition goes, in words: "from class 0 to class 1", "staying in stage seeds".
std::string cellWords(const LifeCycleAnalysis &a, Eigen::Index r, Eigen::Index c)
{
    if (r == c && a.model.F(r, c) == 0.0 && a.model.C(r, c) == 0.0)
        return "staying in " + oneClass(a, int(c));
    if (r == c)
        return "of " + oneClass(a, int(c)) + " into itself (staying and offspring)";
    return "from " + oneClass(a, int(c)) + " to " + oneClass(a, int(r));
}

// The seven vital rates of the main window's Leslie matrix, each with its value and slopes.
void addVitalRates(const LifeCycleAnalysis &a, const StageSensitivities &s,
                   std::vector<ReportLine> &lines)
{
    const Eigen::MatrixXd m = a.model.A();
    auto at = [](const Eigen::MatrixXd &x, size_t cell) { return x(long(cell / 4), long(cell % 4)); };
    size_t largest = 0;
    for (size_t i = 0; i < kVitalRateCells.size(); ++i) {
        const auto cell = static_cast<size_t>(kVitalRateCells[i]);
        ReportLine rate{std::string("rate_") + kVitalRateNames[i], rateWords(i), {}, {}};
        rate.cells = {figureText(at(m, cell)), figureText(at(s.sensitivity, cell)),
                      figureText(at(s.elasticity, cell))};
        rate.columns = {"value", "sensitivity", "elasticity"};
        lines.push_back(rate);
        const auto best = static_cast<size_t>(kVitalRateCells[largest]);
        if (at(s.elasticity, cell) > at(s.elasticity, best))
            largest = i;
    }
    const double top = at(s.elasticity, static_cast<size_t>(kVitalRateCells[largest]));
    std::vector<std::string> tied;
    for (size_t i = 0; i < kVitalRateCells.size(); ++i)
        if (top - at(s.elasticity, static_cast<size_t>(kVitalRateCells[i])) <= 1e-9 * top)
            tied.push_back(rateWords(i));
    std::string names = tied.front();
    for (size_t i = 1; i < tied.size(); ++i)
        names += (i + 1 == tied.size() ? " and " : "; ") + tied[i];
    std::string text = "lambda answers most to " + names + ": an elasticity of "
                       + figureText(top) + " means that a change of 1 % in "
                       + (tied.size() > 1 ? "one of them" : "it") + " changes lambda by "
                       + figureText(top) + " %.";
    if (a.growth.structure.period > 1)
        text += " M is imprimitive (period " + std::to_string(a.growth.structure.period)
                + "): lambda still answers so, though N(t) keeps oscillating.";
    lines.push_back({"largestElasticity", "Which rate matters most", {}, text});
}

// A life cycle has no one fecundity and survival per class: the cell that matters most, and
// the elasticities summed by kind of transition.
void addTransitionKinds(const LifeCycleAnalysis &a, const StageSensitivities &s,
                        std::vector<ReportLine> &lines)
{
    lines.push_back({"vitalRates", "Vital rates f_i and s_i", {},
                     "not defined for a life cycle of stages: a stage may stay, grow, shrink "
                     "and breed at once, so the cells of A and their sums by kind below stand "
                     "in their place."});
    const StageGrowth &g = a.growth;
    if (g.partition) {
        const ElasticityPartition &p = *g.partition;
        ReportLine partition{"elasticityPartition", "Elasticities summed by kind",
                             {figureText(p.stasis), figureText(p.growth), figureText(p.retrogression),
                              figureText(p.reproduction), figureText(p.clonal)},
                             "Stasis is U's diagonal, growth U below it, retrogression U above "
                             "it, reproduction F and clonality C; the five sum to 1."};
        partition.columns = {"stasis", "growth", "retrogression", "reproduction", "clonal"};
        lines.push_back(partition);
    }
    Eigen::Index row = 0;
    Eigen::Index column = 0;
    const double top = s.elasticity.maxCoeff(&row, &column);
    std::string text = "lambda answers most to the cell " + cellWords(a, row, column)
                       + " (a = " + figureText(a.model.A()(row, column))
                       + "): an elasticity of " + figureText(top)
                       + " means that a change of 1 % in it changes lambda by " + figureText(top)
                       + " %.";
    if (g.structure.period > 1)
        text += " A is imprimitive (period " + std::to_string(g.structure.period)
                + "): lambda still answers so, though N(t) keeps oscillating.";
    lines.push_back({"largestElasticity", "Which transition matters most", {}, text});
}

// Which rate matters: sensitivities and elasticities of lambda, and the seven vital rates.
void addSensitivities(const LifeCycleAnalysis &a, std::vector<ReportLine> &lines)
{
    const StageGrowth &g = a.growth;
    const StageSensitivities &s = g.sensitivity;
    const std::string M = matrixName(a);
    if (s.status != SensitivityStatus::Ok) {
        std::string why = "-";
        if (g.status == GrowthStatus::Ok && g.dominantRepeated)
            why = "not defined: the dominant eigenvalue is repeated, so lambda has no single "
                  "slope in each cell.";
        lines.push_back({"sensitivity", "Sensitivities d lambda / d a_ij", {}, why});
        lines.push_back({"elasticity", "Elasticities (a_ij / lambda) d lambda / d a_ij", {}, why});
        return;
    }
    ReportLine sensitivity =
        gridLine(a, "sensitivity", "Sensitivities d lambda / d a_ij", s.sensitivity);
    sensitivity.text = "Every cell of " + M + ", its zeros too: how much lambda gains per unit "
                       "added to a cell, a new transition included.";
    lines.push_back(sensitivity);
    ReportLine elasticity =
        gridLine(a, "elasticity", "Elasticities (a_ij / lambda) d lambda / d a_ij", s.elasticity);
    elasticity.text = "The share of lambda each cell carries; they sum to 1.";
    lines.push_back(elasticity);
    if (a.ageClasses)
        addVitalRates(a, s, lines);
    else
        addTransitionKinds(a, s, lines);
}

// What the first step's multiplier r lambda says against the long run's lambda.
std::string firstStepWords(double r, double lambda, const std::string &kind)
{
    if (std::fabs(r - 1) <= kUnitTolerance)
        return "as in the long run.";
    const int first = compareWithOne(r * lambda);
    const int longRun = compareWithOne(lambda);
    const std::string structure = "with this " + kind + " structure the population ";
    if (first > 0 && longRun > 0)
        return structure + (r > 1 ? "grows faster" : "grows more slowly")
               + " in the first step than in the long run.";
    if (first < 0 && longRun < 0)
        return structure + (r > 1 ? "declines more slowly" : "declines faster")
               + " in the first step than in the long run.";
    if (first > 0)
        return structure + "grows in the first step, though in the long run it "
               + (longRun < 0 ? "declines." : "neither grows nor declines.");
    if (first < 0)
        return structure + "declines in the first step, though in the long run it "
               + (longRun > 0 ? "grows." : "neither grows nor declines.");
    return structure + "keeps its total in the first step, though in the long run it "
           + (longRun > 0 ? "grows." : "declines.");
}

// The first steps of N(t) without harvest: why the growth rate wobbles before it settles.
void addTransients(const LifeCycleAnalysis &a, std::vector<ReportLine> &lines)
{
    const StageTransients &t = a.transients;
    const bool known = a.growth.stableDistribution.has_value();
    const std::string M = matrixName(a);
    const std::string kind = kindOf(a);
    ReportLine reactivity{"reactivity",
                          "First-step amplification of N(t), ||" + M + " n||/lambda",
                          {}, {}};
    ReportLine convergence{"convergenceTime", "Steps until the stable distribution, to 1 %", {},
                           {}};
    if (!known) {
        reactivity.text = convergence.text = "-";
    } else if (!t.reactivity) {
        reactivity.text = convergence.text = "none: N(t) is empty.";
    } else {
        const double r = *t.reactivity;
        reactivity.cells = {figureText(r)};
        reactivity.text = "In the first step the total of N(t) is multiplied by "
                          + figureText(r * a.growth.lambda) + ", " + figureText(r)
                          + " times lambda: ";
        reactivity.text += firstStepWords(r, a.growth.lambda, kind);
        const std::string distance = "within 1 % (half the sum of the differences of the shares)";
        if (t.convergenceTime) {
            convergence.cells = {std::to_string(*t.convergenceTime)};
            convergence.text = "From then on the " + kind + " distribution stays " + distance
                               + " of the stable one.";
        } else if (t.diesOut) {
            convergence.text = "none: without harvest N(t) dies out.";
        } else if (a.growth.structure.period > 1) {
            convergence.text = "never: " + M + " is imprimitive, so the " + kind
                               + " distribution keeps cycling.";
        } else {
            convergence.text = "not within " + std::to_string(kLastTime) + " steps: the " + kind
                               + " distribution does not come " + distance + " of the stable one.";
        }
    }
    lines.push_back(reactivity);
    lines.push_back(convergence);
    if (a.ageClasses)
        return;
    ReportLine inertiaLine{"inertia", "Inertia (v.n / v.w) ||w||, n = N(t) / ||N(t)||", {}, {}};
    if (t.inertia) {
        inertiaLine.cells = {figureText(*t.inertia)};
        inertiaLine.text = "In the long run N(t) grows as one of the same total started in the "
                           "stable distribution, times this factor.";
    } else {
        inertiaLine.text = known && !t.reactivity ? "none: N(t) is empty." : "-";
    }
    lines.push_back(inertiaLine);
}

// What each harvested animal costs: the table by age class.
void addCosts(const LifeCycleAnalysis &a, std::vector<ReportLine> &lines)
{
    const StageHarvestRule &r = a.rule;
    const bool known = r.verdict != RuleVerdict::Unknown;
    const std::string steps = std::to_string(kLastTime);
    const std::string unit = a.ageClasses ? "class" : "stage";
    ReportLine value{"harvestCostValue", "Cost of an animal of " + unit + " i, v_i", {}, {}};
    ReportLine forEver{"harvestCostForEver", "Harvest of " + unit + " i alone for ever, h_i", {},
                       {}};
    ReportLine projected{"harvestCostProjected", "h_i by the projection, " + steps + " steps", {},
                         {}};
    for (const StageClassCost &cost : a.costs) {
        if (known)
            value.cells.push_back(figureText(cost.reproductiveValue));
        if (known && r.lambdaVersusOne > 0)
            forEver.cells.push_back(cost.unlimited ? "all of it" : figureText(*cost.largestForEver));
        if (a.searched)
            projected.cells.push_back(projectedCell(cost.projected));
    }
    if (!known) {
        value.text = "-";
        forEver.text = "-";
    } else if (r.lambdaVersusOne <= 0) {
        forEver.text = "none: " + lambdaWords(r) + " no constant harvest is sustainable for ever.";
    } else {
        forEver.text = "h_i = (lambda - 1) v.N(t) / v_i: the most of " + unit
                       + " i alone that N(t) yields for ever, as long as " + unit
                       + " i never runs short of it.";
        projected.text = projectedCostText(a);
    }
    if (known) {
        size_t dearest = 0;
        size_t cheapest = 0;
        for (size_t i = 1; i < a.costs.size(); ++i) {
            if (a.costs[i].reproductiveValue > a.costs[dearest].reproductiveValue)
                dearest = i;
            if (a.costs[i].reproductiveValue < a.costs[cheapest].reproductiveValue)
                cheapest = i;
        }
        value.text = "Taking one animal of " + oneClass(a, int(dearest)) + " costs the most: "
                     + figureText(a.costs[dearest].reproductiveValue)
                     + " newborns' worth of future population; one of "
                     + oneClass(a, int(cheapest)) + " costs the least, "
                     + figureText(a.costs[cheapest].reproductiveValue) + ".";
    }
    if (!a.searched)
        projected.text = notSearched();
    for (ReportLine *line : {&value, &forEver, &projected}) {
        if (!line->cells.empty())
            line->columns = columnsOf(a, true);
        lines.push_back(*line);
    }
}

// A fixed quota against a fixed rate.
void addRates(const LifeCycleAnalysis &a, std::vector<ReportLine> &lines)
{
    const StageProportionalHarvest &p = a.proportional;
    const bool known = hasLambda(a.growth);
    const std::string unit = a.ageClasses ? "class" : "stage";
    ReportLine uniform{"uniformRate", "Rate of every " + unit + ", 1 - 1/lambda", {}, {}};
    ReportLine byClass{"rateByClass", "Rate of " + unit + " i alone", {}, {}};
    if (!known) {
        uniform.text = "-";
        byClass.text = "-";
    } else if (!p.uniformRate) {
        uniform.text = "none: lambda is below 1 before any harvest.";
        byClass.text = uniform.text;
    } else {
        uniform.cells = {figureText(*p.uniformRate)};
        uniform.text = "Taking the same fraction h of every " + unit + " each step multiplies "
                       "lambda by (1 - h), whatever N(t) is: at this rate lambda falls to 1.";
        bool whole = false;
        for (const std::optional<double> &rate : p.byStage) {
            byClass.cells.push_back(figureText(*rate));
            whole = whole || *rate == 1.0;
        }
        byClass.columns = columnsOf(a, true);
        if (whole)
            byClass.text = "1: taking all of that " + unit + " every step still leaves lambda at "
                           "or above 1.";
    }
    lines.push_back(uniform);
    lines.push_back(byClass);
    if (growing(a))
        lines.push_back({"quotaAgainstRate", "Why a rate, not a quota", {},
                         "A fixed quota is unstable: N(t) must keep v.N(t) above v.N*, and a "
                         "population pushed below it is lost however long it lasted. A fixed "
                         "rate is not: it changes lambda whatever N(t) is, so a rate below the "
                         "one for every " + unit + " taken from all of them, or a rate below its "
                         "own figure taken from one " + unit + " alone, keeps any population "
                         "growing in the long run, from any start. Rates taken from several "
                         + (a.ageClasses ? "classes" : "stages")
                         + " at once need smaller ones."});
}

// One line a student understands: what the figure is for, whatever its value.
std::string explanationOf(const std::string &key, bool ageClasses)
{
    const std::string unit = ageClasses ? "class" : "stage";
    const std::string M = ageClasses ? "M" : "A";
    if (key.rfind("rate_f", 0) == 0)
        return "A fecundity: newborns per animal of the class in a step, and how lambda answers "
               "to it.";
    if (key.rfind("rate_s", 0) == 0)
        return "A survival rate: the share of a class that lives on into the next one, and how "
               "lambda answers to it.";
    static const std::map<std::string, std::string> lines{
        {"lambda", "How many times larger the population gets each step in the long run, "
                   "without harvest: above 1 it grows, below 1 it shrinks."},
        {"stableDistribution", "The shares of the PLURAL that any population settles into, "
                               "whatever it started with."},
        {"reproductiveValues", "What one animal of each UNIT is worth to the future population, "
                               "counted in newborns."},
        {"R0", "How many offspring one newborn leaves over its whole life."},
        {"dampingRatio", "How quickly a population forgets its start: the larger, the sooner "
                         "it settles into the stable distribution."},
        {"generationTime", "The time it takes the population to grow by R0, about the age at "
                           "which mothers have their young."},
        {"lifeExpectancy", "How many more steps an animal of each stage lives on average."},
        {"notes", "How the PLURAL are linked, and whether every start ends in the same stable "
                  "distribution."},
        {"sensitivity", "How much lambda rises if one cell of MAT rises by a small amount."},
        {"elasticity", "The same in proportion: a change of 1 % in a cell changes lambda by this "
                       "many %."},
        {"vitalRates", "Why the seven rates of an age-class model are not shown here."},
        {"elasticityPartition", "Which kind of transition carries lambda: staying, growing, "
                                "shrinking or giving birth."},
        {"largestElasticity", "The one change that would help the population most."},
        {"reactivity", "How much faster or slower this N(t) grows in its first step than the "
                       "long-run lambda (n is N(t) scaled to total 1); another start gives "
                       "another figure."},
        {"convergenceTime", "How many steps until this N(t) has nearly the stable distribution."},
        {"inertia", "How much larger or smaller this N(t) ends up than a population of the same "
                    "size that started in the stable distribution."},
        {"equilibrium", "The one population that the harvest H leaves exactly as it is."},
        {"reproductiveValueOfN", "The whole population counted in newborns' worth: each animal "
                                 "times the reproductive value of its UNIT."},
        {"reproductiveValueOfNStar", "The worth the population needs to keep up with H for ever."},
        {"costOfH", "What H takes from that worth each step, against what the population adds "
                    "to it."},
        {"harvestRule", "Whether N(t) grows or dies under H, judged by its worth against v.N*."},
        {"sustainableFactor", "How many times H the population could give for ever, by the "
                              "rule."},
        {"verdict", "What the program's own steps do to N(t) under H, step by step."},
        {"largestHarvest", "The most the program's own steps carry for the whole run, against "
                           "the rule's figure."},
        {"harvestCostValue", "How much of the future one animal taken from each UNIT costs."},
        {"harvestCostForEver", "The most animals of one UNIT alone that could be taken every "
                               "step for ever, by the rule."},
        {"harvestCostProjected", "The same by the program's own steps, for the steps it runs."},
        {"uniformRate", "The share of every UNIT that can be taken each step, for ever."},
        {"rateByClass", "The share of one UNIT alone that can be taken each step, for ever."},
        {"quotaAgainstRate", "Why taking a share is safer than taking a fixed number."},
    };
    const auto found = lines.find(key);
    if (found == lines.end())
        return {};
    std::string text = found->second;
    const std::string plural = ageClasses ? "classes" : "stages";
    for (const auto &[mark, word] : {std::pair<std::string, std::string>{"PLURAL", plural},
                                     {"UNIT", unit}, {"MAT", M}}) {
        for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at))
            text.replace(at, mark.size(), word);
    }
    return text;
}

} // namespace

const std::vector<std::string> &classColumns()
{
    static const std::vector<std::string> columns{"class 0", "class 1", "class 2", "class 3",
                                                  "total"};
    return columns;
}

std::string figureText(double value)
{
    if (std::isinf(value))
        return "infinite";
    char text[40];
    std::snprintf(text, sizeof text, "%.5e", value);
    return numberText(std::strtod(text, nullptr));
}

std::string vectorText(const Eigen::VectorXd &values)
{
    std::string text = "(";
    for (Eigen::Index i = 0; i < values.size(); ++i)
        text += (i > 0 ? ", " : "") + figureText(values(i));
    return text + ")";
}

std::string vectorText(const Vector4 &values)
{
    return vectorText(toEigen(values));
}

std::vector<ReportLine> analysisReport(const LifeCycleAnalysis &a)
{
    const StageGrowth &g = a.growth;
    const bool ok = hasLambda(g);
    const std::string missing = "-";
    std::vector<ReportLine> lines;

    ReportLine lambda{"lambda", "Dominant eigenvalue lambda", {}, growthProblem(a)};
    if (ok)
        lambda.cells = {figureText(g.lambda)};
    else if (g.status == GrowthStatus::NoGrowth)
        lambda.cells = {"0"};
    lines.push_back(lambda);

    ReportLine stable{"stableDistribution", "Stable " + kindOf(a) + " distribution", {}, {}};
    if (g.stableDistribution)
        stable.cells = cellsOf(*g.stableDistribution);
    else
        stable.text = g.status == GrowthStatus::Ok
                          ? "not unique: the dominant eigenvalue is repeated."
                          : missing;
    lines.push_back(stable);

    const int unit = std::max(g.reproductiveValueUnit, 0);
    ReportLine reproductive{"reproductiveValues",
                            a.ageClasses ? "Reproductive values (class 0 = 1)"
                                         : "Reproductive values (" + stageName(a, unit) + " = 1)",
                            {}, {}};
    if (g.reproductiveValues)
        reproductive.cells = cellsOf(*g.reproductiveValues);
    else if (ok && g.stableDistribution)
        reproductive.text = "not defined: " + oneClass(a, 0) + " has no part in the dominant growth.";
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
                           "within " + (a.ageClasses ? std::string("four")
                                                     : std::to_string(a.model.size()))
                           + " steps.";
    } else {
        damping.text = missing;
    }
    lines.push_back(damping);

    ReportLine generation{"generationTime", "Generation time T = ln R0 / ln lambda", {}, {}};
    if (ok && g.generationTime) {
        generation.cells = {figureText(*g.generationTime)};
        if (g.generationTimeStatus == GenerationTimeStatus::LambdaIsOne)
            generation.text = "lambda = 1: the limit of the quotient, the mean age of the parents "
                              "in the stable population.";
    } else {
        generation.text = ok ? "not defined." : missing;
    }
    lines.push_back(generation);

    if (!a.ageClasses) {
        ReportLine life{"lifeExpectancy", "Life expectancy from each stage, column sums of "
                                          "(I - U)^-1", {}, {}};
        if (g.lifeExpectancy)
            life.cells = cellsOf(*g.lifeExpectancy);
        else
            life.text = g.lifeTable == LifeTableStatus::NeverDies
                            ? "none: I - U is singular, so some stage (or loop of stages) never "
                              "dies out."
                            : missing;
        lines.push_back(life);
    }
    lines.push_back({"notes", "Notes", {}, structureNotes(a)});
    size_t done = 0;
    auto inSection = [&lines, &done](const std::string &section) {
        for (; done < lines.size(); ++done)
            lines[done].section = section;
    };
    inSection("Growth without harvest");
    addSensitivities(a, lines);
    inSection("Which rate matters");
    addTransients(a, lines);
    inSection("The first steps, without harvest");

    const StageHarvestRule &rule = a.rule;
    const bool known = rule.verdict != RuleVerdict::Unknown;
    lines.push_back(equilibriumLine(a));
    ReportLine valueOfN{"reproductiveValueOfN", "v.N(t), the reproductive value of N(t)", {}, {}};
    ReportLine valueOfNStar{"reproductiveValueOfNStar",
                            "v.N* = v.H / (lambda - 1)", {}, {}};
    ReportLine cost{"costOfH", "v.H against (lambda - 1) v.N(t)", {}, {}};
    if (known) {
        valueOfN.cells = {figureText(rule.valueOfN)};
        valueOfN.text = std::string("Every animal of N(t) counted by the reproductive value v_i "
                                    "of its ")
                        + (a.ageClasses ? "class" : "stage")
                        + ": what N(t) is worth to the future, in newborns.";
        if (rule.valueOfNStar)
            valueOfNStar.cells = {figureText(*rule.valueOfNStar)};
        else if (rule.lambdaVersusOne == 0)
            valueOfNStar.text = "none: with lambda = 1 no N* exists.";
        else
            valueOfNStar.text = std::string("none: with lambda below 1 N* has negative ")
                                + (a.ageClasses ? "classes." : "stages.");
        // With lambda = 1 in exact arithmetic, lambda - 1 comes out as rounding noise of the
        // eigenvalue solver: a surplus below 1e-12 of v.N(t) is shown as the 0 it is.
        const bool noise = std::fabs(rule.surplus) < 1e-12 * std::fabs(rule.valueOfN);
        cost.cells = {figureText(rule.costOfH), figureText(noise ? 0.0 : rule.surplus)};
        cost.columns = {"v.H", "surplus"};
    } else {
        valueOfN.text = valueOfNStar.text = cost.text = "-";
    }
    lines.push_back(valueOfN);
    lines.push_back(valueOfNStar);
    lines.push_back(cost);
    lines.push_back({"harvestRule", "The rule of v.N(t)", {}, ruleText(rule)});
    lines.push_back(sustainableLine(a));
    lines.push_back({"verdict", "N(t) under H, by the projection", {},
                     verdictText(a) + disagreementText(a)});
    lines.push_back(limitLine(a));
    inSection("Under the constant harvest H");

    addCosts(a, lines);
    inSection("What each harvested animal costs");
    addRates(a, lines);
    inSection("Quota against rate");

    for (ReportLine &line : lines) {
        if (line.columns.empty() && line.cells.size() > 1)
            line.columns = columnsOf(a, true);
        line.explanation = explanationOf(line.key, a.ageClasses);
    }
    return lines;
}

std::vector<ReportLine> analysisReport(const ModelAnalysis &analysis)
{
    return analysisReport(lifeCycleAnalysisOf(analysis));
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
