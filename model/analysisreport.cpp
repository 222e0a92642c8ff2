#include "model/analysisreport.h"

#include "base/numbertext.h"
#include "base/texts.h"
#include "demography/defaultmodel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

// Every sentence of the report is one pattern of the "AnalysisReport" context with %1.. for
// its figures and names, so a language can order them; where the word for an age class and a
// stage differs, each kind of model has sentences of its own.

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

// "a", "a and b", "a, b and c", joined as the reader's language joins a list's last two.
std::string listed(const std::vector<std::string> &items, const std::string &separator = ", ")
{
    if (items.empty())
        return {};
    std::string head = items.front();
    for (size_t i = 1; i + 1 < items.size(); ++i)
        head += separator + items[i];
    if (items.size() == 1)
        return head;
    //: The last two items of a list: "a, b and c".
    return filledText(translatedText("AnalysisReport", "%1 and %2"), {head, items.back()});
}

// "class 2" for the main window's age classes, "stage large juveniles" for a life cycle.
std::string oneClass(const LifeCycleAnalysis &a, int i)
{
    if (a.ageClasses)
        //: %1 is the number of an age class: "class 2".
        return filledText(translatedText("AnalysisReport", "class %1"), {stageName(a, i)});
    //: %1 is the name of a stage of a life cycle: "stage seeds".
    return filledText(translatedText("AnalysisReport", "stage %1"), {stageName(a, i)});
}

std::string classList(const LifeCycleAnalysis &a, const std::vector<int> &classes)
{
    std::vector<std::string> names;
    for (const int i : classes)
        names.push_back(stageName(a, i));
    const std::string list = listed(names);
    if (classes.size() == 1)
        return oneClass(a, classes.front());
    if (a.ageClasses)
        //: %1 lists the numbers of age classes: "classes 1 and 2".
        return filledText(translatedText("AnalysisReport", "classes %1"), {list});
    //: %1 lists the names of stages: "stages seeds and rosettes".
    return filledText(translatedText("AnalysisReport", "stages %1"), {list});
}

// The projection matrix's letter: M in the main window, A = U + F + C for a life cycle.
std::string matrixName(const LifeCycleAnalysis &a) { return a.ageClasses ? "M" : "A"; }

// One column a class (stage) and, with `total`, the total.
std::vector<std::string> columnsOf(const LifeCycleAnalysis &a, bool total)
{
    if (a.ageClasses) {
        std::vector<std::string> columns = classColumns();
        if (!total)
            columns.pop_back();
        return columns;
    }
    std::vector<std::string> columns = a.model.stages;
    if (total)
        //: Column header: the sum of all stages.
        columns.push_back(translatedText("AnalysisReport", "total"));
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
        return translatedText("AnalysisReport",
                              "The eigenvalue computation did not converge for this matrix: no "
                              "eigen-figures are given.");
    case GrowthStatus::NegativeEntry:
        //: %1 is the letter of the projection matrix (M or A).
        return filledText(translatedText("AnalysisReport",
                                         "%1 has a negative entry, so it is not a population "
                                         "matrix: lambda and the figures that rest on it do not "
                                         "exist."),
                          {M});
    case GrowthStatus::NoGrowth:
        if (!a.ageClasses)
            return filledText(translatedText("AnalysisReport",
                                             "No stage ever leads back to births: every "
                                             "population is gone within %1 steps."),
                              {std::to_string(a.model.size())});
        return translatedText("AnalysisReport",
                              "No class ever leads back to births: every population is gone "
                              "within four steps.");
    case GrowthStatus::NoEigenvector:
        return translatedText("AnalysisReport",
                              "lambda and the other eigenvalues were found, but the eigenvector "
                              "step failed for this matrix: the stable distribution, the "
                              "reproductive values and what rests on them are not given.");
    case GrowthStatus::Ok:
        if (compareWithOne(g.lambda) == 0)
            return translatedText("AnalysisReport",
                                  "lambda = 1 to within rounding: without harvest the population "
                                  "neither grows nor declines in the long run.");
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
        add(filledText(translatedText("AnalysisReport",
                                      "%1 is reducible, so the stable distribution is not "
                                      "reached from every start."),
                       {M}));
        if (!s.neverBreeding.empty())
            //: %1 names classes or stages: "classes 2 and 3".
            add(filledText(translatedText("AnalysisReport",
                                          "Members of %1 never lead to new births: a population "
                                          "of these alone dies out."),
                           {classList(a, s.neverBreeding)}));
        if (!s.neverReached.empty())
            add(filledText(translatedText("AnalysisReport", "The offspring of %1 never reach %2."),
                           {oneClass(a, 0), classList(a, s.neverReached)}));
    } else if (s.period > 1) {
        add(filledText(translatedText("AnalysisReport",
                                      "%1 is imprimitive (period %2): N(t) keeps oscillating "
                                      "with this period instead of settling into the stable "
                                      "distribution."),
                       {M, std::to_string(s.period)}));
    } else {
        add(filledText(translatedText("AnalysisReport",
                                      "%1 is primitive (some power of %1 has no zero cell): from "
                                      "every start N(t) approaches the stable distribution."),
                       {M}));
    }
    if (s.reducible && g.dampingRatio == 1.0)
        add(translatedText("AnalysisReport",
                           "Another eigenvalue is as large as lambda in modulus: N(t) need not "
                           "settle into the stable distribution."));
    if (g.dominantRepeated)
        add(translatedText("AnalysisReport",
                           "The dominant eigenvalue is repeated: the long-run distribution "
                           "depends on the start."));
    if (!a.ageClasses && g.reproductiveValues) {
        if (g.ergodic)
            add(translatedText("AnalysisReport",
                               "A is ergodic: every stage has a reproductive value above 0, so "
                               "every start ends in the same stable distribution."));
        else if (!g.cannotReachReproduction.empty())
            add(filledText(translatedText("AnalysisReport",
                                          "A is not ergodic: %1 never lead to reproduction, so "
                                          "their reproductive value is 0."),
                           {classList(a, g.cannotReachReproduction)}));
        else
            add(translatedText("AnalysisReport",
                               "A is not ergodic: some stage has a reproductive value of 0."));
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
    if (threshold == 1.0)
        return filledText(translatedText("AnalysisReport", "%1 animal"), {figureText(threshold)});
    //: %1 is a number of animals other than 1: "0.5 animals", "2 animals".
    return filledText(translatedText("AnalysisReport", "%1 animals"), {figureText(threshold)});
}

// How the projection's check reads: "at 1 animal or more", or "above 0" without a threshold.
std::string aliveWords(double threshold)
{
    if (threshold > 0)
        //: What N(t) keeps, after "N(t) stays": %1 is "1 animal" or "2.5 animals".
        return filledText(translatedText("AnalysisReport", "at %1 or more"), {animals(threshold)});
    //: What N(t) keeps, after "N(t) stays".
    return translatedText("AnalysisReport", "above 0");
}

// A population that grows although H took more than a class held: the clamp at 0 rescued it.
// A dwindling one empties classes too, near its end; that is not why it lasted.
bool emptiedAndGrowing(const StageVerdict &v)
{
    return v.firstEmptied > 0 && v.verdict == Verdict::Grows;
}

// Where no harvest lasts for ever: with lambda = 1 or with lambda below 1.
std::string noneForEver(const StageHarvestRule &r)
{
    if (r.lambdaVersusOne == 0)
        return translatedText("AnalysisReport",
                              "none: with lambda = 1 no constant harvest is sustainable for ever.");
    return translatedText("AnalysisReport",
                          "none: with lambda below 1 no constant harvest is sustainable for ever.");
}

std::string verdictText(const LifeCycleAnalysis &a)
{
    const StageVerdict &v = a.verdict;
    const std::string step = std::to_string(v.step);
    switch (v.verdict) {
    case Verdict::FallsBelowThreshold:
        if (v.step == 0)
            return filledText(translatedText("AnalysisReport",
                                             "N(t) already totals less than %1: the population "
                                             "counts as gone."),
                              {animals(a.extinctionThreshold)});
        //: Said of N(t): %1 is "1 animal", %2 a time "t = 7", %3 a number of steps.
        return filledText(translatedText("AnalysisReport",
                                         "falls below %1 at %2 (step %3 from now): the "
                                         "population counts as gone."),
                          {animals(a.extinctionThreshold), atTime(a, v.step), step});
    case Verdict::Grows:
        if (v.overflow)
            //: Said of N(t): %1 is a time "t = 7", %2 a number of steps.
            return filledText(translatedText("AnalysisReport",
                                             "grows without bound: beyond the range of numbers at "
                                             "%1 (step %2)."),
                              {atTime(a, v.step), step});
        //: Said of N(t): %1 is its total, %2 a time "t = 1000".
        return filledText(translatedText("AnalysisReport",
                                         "grows without bound: total %1 at %2 and still growing."),
                          {figureText(v.lastTotal), atTime(a, v.stepsRun)});
    case Verdict::Settles:
        //: Said of N(t): %1 is the vector it settles at, %2 its total.
        return filledText(translatedText("AnalysisReport", "settles at %1, total %2."),
                          {vectorText(v.last), figureText(v.lastTotal)});
    case Verdict::ReachesZero:
        //: Said of N(t): %1 is a time "t = 7", %2 a number of steps.
        return filledText(translatedText("AnalysisReport",
                                         "reaches 0: the projection to %1 (step %2 from now) is "
                                         "rejected."),
                          {atTime(a, v.step), step});
    case Verdict::AlreadyEmpty:
        return translatedText("AnalysisReport",
                              "N(t) is already 0: the next projection ends the simulation.");
    case Verdict::Declines:
        //: Said of N(t): %1 is a number of steps, %2 its total, %3 a time "t = 1000".
        return filledText(translatedText("AnalysisReport",
                                         "declines towards 0 without reaching it within %1 steps "
                                         "(total %2 at %3)."),
                          {std::to_string(v.stepsRun), figureText(v.lastTotal),
                           atTime(a, v.stepsRun)});
    case Verdict::Undecided:
        //: Said of N(t): %1 is a number of steps.
        return filledText(translatedText("AnalysisReport",
                                         "neither grows, settles nor reaches 0 within %1 steps."),
                          {std::to_string(v.stepsRun)});
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
    ReportLine line{"equilibrium",
                    filledText(translatedText("AnalysisReport",
                                              "Harvest equilibrium N* = (%1 - I)^-1 H"),
                               {M}),
                    {}, {}};
    switch (e.status) {
    case EquilibriumStatus::Singular:
        line.text = filledText(translatedText("AnalysisReport",
                                              "%1 - I is singular (%1 has the eigenvalue 1): "
                                              "there is no single harvest equilibrium."),
                               {M});
        return line;
    case EquilibriumStatus::NotBiological:
        line.text = filledText(a.ageClasses
                                   ? translatedText("AnalysisReport",
                                                    "N* = %1 has a negative class: no population "
                                                    "stays unchanged under this harvest.")
                                   : translatedText("AnalysisReport",
                                                    "N* = %1 has a negative stage: no population "
                                                    "stays unchanged under this harvest."),
                               {vectorText(e.N)});
        return line;
    case EquilibriumStatus::Ok:
        break;
    }
    line.cells = cellsOf(e.N);
    line.cells.push_back(figureText(e.total));
    if (e.total == 0.0)
        line.text = translatedText("AnalysisReport",
                                   "Without harvest the only equilibrium is the empty population.");
    else if (growing(a))
        line.text = translatedText("AnalysisReport",
                                   "Unstable, and not by its total: a population whose "
                                   "reproductive value v.N lies above v.N* grows, one below it "
                                   "dies out, whatever its total.");
    return line;
}

// The rule in words: what v.N(t) against v.N* says will become of N(t) under H.
std::string ruleText(const StageHarvestRule &r)
{
    const std::string valueOfN = figureText(r.valueOfN);
    switch (r.verdict) {
    case RuleVerdict::Unknown:
        return "-";
    case RuleVerdict::Grows:
        return filledText(translatedText("AnalysisReport",
                                         "v.N(t) = %1 lies above v.N*: v.N(t+1) = lambda v.N(t) - "
                                         "v.H grows every step, so N(t) grows for ever under H."),
                          {valueOfN});
    case RuleVerdict::Holds:
        if (r.lambdaVersusOne == 0)
            return filledText(translatedText("AnalysisReport",
                                             "lambda = 1 and H takes nothing of v.N(t): it stays "
                                             "at %1."),
                              {valueOfN});
        return filledText(translatedText("AnalysisReport",
                                         "v.N(t) = %1 equals v.N*: it stays there, a knife edge "
                                         "that the least change tips."),
                          {valueOfN});
    case RuleVerdict::Falls:
        break;
    }
    if (r.valueOfN <= 0)
        return translatedText("AnalysisReport",
                              "v.N(t) = 0: N(t) holds no animal that will still breed, so it "
                              "dies out.");
    if (r.lambdaVersusOne < 0)
        return translatedText("AnalysisReport",
                              "lambda is below 1: v.N(t) falls even without harvest, and N(t) "
                              "with it. No constant harvest is sustainable for ever.");
    if (r.lambdaVersusOne == 0)
        return filledText(translatedText("AnalysisReport",
                                         "lambda = 1: v.N(t) falls by v.H = %1 every step, so any "
                                         "constant harvest empties the population in the end, "
                                         "after about v.N(t) / v.H = %2 steps."),
                          {figureText(r.costOfH), figureText(r.valueOfN / r.costOfH)});
    return filledText(translatedText("AnalysisReport",
                                     "v.N(t) = %1 lies below v.N*: v.N(t) falls faster every "
                                     "step, so N(t) falls to 0 under H."),
                      {valueOfN});
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
        return " "
               + filledText(a.ageClasses
                                ? translatedText("AnalysisReport",
                                                 "The rule said otherwise, but in step %1 H "
                                                 "takes more than a class holds: from then on "
                                                 "the harvest takes less than H and the rule no "
                                                 "longer holds.")
                                : translatedText("AnalysisReport",
                                                 "The rule said otherwise, but in step %1 H "
                                                 "takes more than a stage holds: from then on "
                                                 "the harvest takes less than H and the rule no "
                                                 "longer holds."),
                            {std::to_string(v.firstEmptied)});
    if (projectionSurvives)
        return " "
               + filledText(translatedText("AnalysisReport",
                                           "The rule says it is lost, only later than the %1 "
                                           "steps the projection runs."),
                            {std::to_string(kLastTime)});
    return " "
           + filledText(translatedText("AnalysisReport",
                                       "The rule said it grows, but on the way N(t) dips below "
                                       "%1."),
                        {animals(a.extinctionThreshold)});
}

// The most N(t) yields for ever, `yield` = s* x H, as long as no class runs short.
std::string yieldText(const LifeCycleAnalysis &a, bool noHarvest, const std::string &first,
                      const std::string &yield)
{
    if (noHarvest && a.ageClasses)
        //: %1 is the unit harvest (1, 0, 0, 0), %2 the largest harvest in its direction.
        return filledText(translatedText("AnalysisReport",
                                         "H is 0: s* x %1 = %2 is the most that N(t) yields for "
                                         "ever, as long as no class runs short of it, so that "
                                         "every step's harvest is taken in full."),
                          {first, yield});
    if (noHarvest)
        return filledText(translatedText("AnalysisReport",
                                         "H is 0: s* x %1 = %2 is the most that N(t) yields for "
                                         "ever, as long as no stage runs short of it, so that "
                                         "every step's harvest is taken in full."),
                          {first, yield});
    if (a.ageClasses)
        return filledText(translatedText("AnalysisReport",
                                         "s* x H = %1 is the most that N(t) yields for ever, as "
                                         "long as no class runs short of it, so that every "
                                         "step's harvest is taken in full."),
                          {yield});
    return filledText(translatedText("AnalysisReport",
                                     "s* x H = %1 is the most that N(t) yields for ever, as long "
                                     "as no stage runs short of it, so that every step's harvest "
                                     "is taken in full."),
                      {yield});
}

ReportLine sustainableLine(const LifeCycleAnalysis &a)
{
    const StageHarvestRule &r = a.rule;
    // Without harvest the rule asks about the first class alone.
    const bool noHarvest = (a.model.harvest.array() == 0.0).all();
    const Eigen::VectorXd first = Eigen::VectorXd::Unit(a.model.size(), 0);
    const std::string per = noHarvest ? "v." + vectorText(first) : "v.H";
    ReportLine line{"sustainableFactor",
                    filledText(translatedText("AnalysisReport",
                                              "Largest factor s* = (lambda - 1) v.N(t) / %1"),
                               {per}),
                    {}, {}};
    if (r.verdict == RuleVerdict::Unknown) {
        line.text = "-";
    } else if (r.lambdaVersusOne <= 0) {
        line.text = noneForEver(r);
    } else if (r.unlimited) {
        const std::string taken = noHarvest ? vectorText(first) : std::string("H");
        line.text = filledText(a.ageClasses
                                   ? translatedText("AnalysisReport",
                                                    "no limit: %1 takes only from classes of "
                                                    "reproductive value 0.")
                                   : translatedText("AnalysisReport",
                                                    "no limit: %1 takes only from stages of "
                                                    "reproductive value 0."),
                               {taken});
    } else {
        line.cells = {figureText(*r.sustainableFactor)};
        line.text = yieldText(a, noHarvest, vectorText(first),
                              vectorText(Eigen::VectorXd(r.direction * *r.sustainableFactor)));
    }
    return line;
}

// Why a large life cycle has no largest harvest by projection.
std::string notSearched()
{
    return filledText(translatedText("AnalysisReport",
                                     "not searched for in a life cycle of more than %1 stages: "
                                     "each search projects every stage 1000 steps some twenty "
                                     "times. The rule's figure above stands alone."),
                      {std::to_string(kLargestSearchedCycle)});
}

// The limit above s* because a class is emptied on the way (in step `emptied`, where known).
std::string emptiedText(const LifeCycleAnalysis &a, int emptied)
{
    if (emptied > 0)
        return filledText(a.ageClasses
                              ? translatedText("AnalysisReport",
                                               "It lies above s*, because a class is emptied on "
                                               "the way (in step %1): from then on the harvest "
                                               "takes less than s x H, and the rule no longer "
                                               "holds.")
                              : translatedText("AnalysisReport",
                                               "It lies above s*, because a stage is emptied on "
                                               "the way (in step %1): from then on the harvest "
                                               "takes less than s x H, and the rule no longer "
                                               "holds."),
                          {std::to_string(emptied)});
    return a.ageClasses ? translatedText("AnalysisReport",
                                         "It lies above s*, because a class is emptied on the "
                                         "way: from then on the harvest takes less than s x H, "
                                         "and the rule no longer holds.")
                        : translatedText("AnalysisReport",
                                         "It lies above s*, because a stage is emptied on the "
                                         "way: from then on the harvest takes less than s x H, "
                                         "and the rule no longer holds.");
}

// The projection's largest factor, and why it differs from s* where it does.
ReportLine limitLine(const LifeCycleAnalysis &a)
{
    const StageHarvestLimit &l = a.limit;
    ReportLine line{"largestHarvest",
                    translatedText("AnalysisReport", "Largest factor s, by the projection"), {},
                    {}};
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
        line.text = threshold > 0
                        ? filledText(translatedText("AnalysisReport",
                                                    "none: even without harvest N(t) falls below "
                                                    "%1 within %2 steps."),
                                     {animals(threshold), steps})
                        : filledText(translatedText("AnalysisReport",
                                                    "none: the population does not last %1 steps "
                                                    "even without harvest."),
                                     {steps});
        return line;
    case HarvestLimitStatus::Unlimited:
        //: %1 is the harvest "s x H", %2 "at 1 animal or more" or "above 0", %3 a number.
        line.text = filledText(translatedText("AnalysisReport",
                                              "any s: however large s is, %1 leaves N(t) %2 for "
                                              "%3 steps, because a harvest takes at most what is "
                                              "there and the rest of N(t) lives on."),
                               {times, aliveWords(threshold), steps});
        break;
    case HarvestLimitStatus::Ok:
        line.cells = {figureText(l.factor)};
        //: %1 is "at 1 animal or more" or "above 0", %2 a number of steps, %3 the factor s,
        //: %4 the harvest "s x H", %5 that harvest as a vector.
        line.text = filledText(translatedText("AnalysisReport",
                                              "N(t) stays %1 for %2 steps up to s = %3 (%4 = %5); "
                                              "1.001 times as much does not."),
                               {aliveWords(threshold), steps, figureText(l.factor), times,
                                vectorText(l.harvest)});
        break;
    }

    const StageHarvestRule &r = a.rule;
    if (r.verdict == RuleVerdict::Unknown)
        return line;
    if (r.lambdaVersusOne <= 0) {
        line.text += " "
                     + translatedText("AnalysisReport",
                                      "It holds for these steps only: no constant harvest is "
                                      "sustainable for ever.");
        return line;
    }
    if (r.unlimited || !r.sustainableFactor)
        return line;
    const double star = *r.sustainableFactor;
    const bool unlimited = l.status == HarvestLimitStatus::Unlimited;
    if (!unlimited && std::fabs(l.factor - star) <= 1e-3 * star) {
        line.text += " " + translatedText("AnalysisReport", "The rule's s* agrees.");
    } else if (unlimited || l.factor > star) {
        const int emptied = unlimited ? 0 : a.atLimit.firstEmptied;
        if (unlimited || emptiedAndGrowing(a.atLimit))
            line.text += " " + emptiedText(a, emptied);
        else
            line.text += " "
                         + filledText(translatedText("AnalysisReport",
                                                     "It lies above s*: there v.N(t) falls, but "
                                                     "N(t) stays %1 for all %2 steps of the "
                                                     "projection and is lost only later."),
                                      {aliveWords(threshold), steps});
    } else {
        line.text += " "
                     + filledText(translatedText("AnalysisReport",
                                                 "It lies below s*: there v.N(t) still grows, but "
                                                 "N(t) dips below %1 on the way."),
                                  {animals(threshold)});
    }
    return line;
}

// Every animal of a class may be taken: a cell of the harvests by class.
std::string allOfIt()
{
    //: A cell of a table: every animal of the class may be taken.
    return translatedText("AnalysisReport", "all of it");
}

// "2 animals", "no limit", "none": one cell of the harvests by class.
std::string projectedCell(const StageHarvestLimit &l)
{
    switch (l.status) {
    case HarvestLimitStatus::Ok:
        return figureText(l.factor);
    case HarvestLimitStatus::Unlimited:
        return allOfIt();
    case HarvestLimitStatus::DiesWithoutHarvest:
        break;
    }
    //: A cell of a table: no harvest at all is possible.
    return translatedText("AnalysisReport", "none");
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
    const auto add = [&text](const std::string &sentence) {
        text += (text.empty() ? "" : " ") + sentence;
    };
    if (!whole.empty())
        add(filledText(whole.size() > 1
                           ? translatedText("AnalysisReport",
                                            "All of it for %1: no number taken from them is too "
                                            "large, because a harvest takes at most what is "
                                            "there; emptied every step, the rest of N(t) still "
                                            "lives on.")
                           : translatedText("AnalysisReport",
                                            "All of it for %1: no number taken from it is too "
                                            "large, because a harvest takes at most what is "
                                            "there; emptied every step, the rest of N(t) still "
                                            "lives on."),
                       {classList(a, whole)}));
    if (!emptied.empty())
        add(filledText(a.ageClasses
                           ? translatedText("AnalysisReport",
                                            "Above h_i for %1: there the harvest empties the "
                                            "class on the way and takes less than asked.")
                           : translatedText("AnalysisReport",
                                            "Above h_i for %1: there the harvest empties the "
                                            "stage on the way and takes less than asked."),
                       {classList(a, emptied)}));
    if (!later.empty())
        add(filledText(translatedText("AnalysisReport",
                                      "Above h_i for %1: N(t) stays %2 for the %3 steps, and is "
                                      "lost only later."),
                       {classList(a, later), aliveWords(a.extinctionThreshold),
                        std::to_string(kLastTime)}));
    return text;
}

// "s0, survival from class 0 to 1": a vital rate by its name and what it is.
std::string rateWords(size_t rate)
{
    const std::string name = kVitalRateNames[rate];
    if (rate < 4)
        //: %1 is the rate's symbol "f2", %2 the number of its class.
        return filledText(translatedText("AnalysisReport", "%1, the fecundity of class %2"),
                          {name, name.substr(1)});
    const int from = name[1] - '0';
    //: %1 is the rate's symbol "s0", %2 and %3 the numbers of the classes.
    return filledText(translatedText("AnalysisReport", "%1, the survival from class %2 to %3"),
                      {name, std::to_string(from), std::to_string(from + 1)});
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

// The cell of A that lambda answers to most, by where its transition goes: staying in a stage,
// a stage into itself, or from one to another.
std::string largestCellText(const LifeCycleAnalysis &a, Eigen::Index r, Eigen::Index c,
                            double top)
{
    const std::string cell = figureText(a.model.A()(r, c));
    const std::string elasticity = figureText(top);
    if (r == c && a.model.F(r, c) == 0.0 && a.model.C(r, c) == 0.0)
        //: %1 is "stage seeds", %2 the cell's value, %3 its elasticity.
        return filledText(translatedText("AnalysisReport",
                                         "lambda answers most to the cell staying in %1 (a = %2): "
                                         "an elasticity of %3 means that a change of 1 % in it "
                                         "changes lambda by %3 %."),
                          {oneClass(a, int(c)), cell, elasticity});
    if (r == c)
        return filledText(translatedText("AnalysisReport",
                                         "lambda answers most to the cell of %1 into itself "
                                         "(staying and offspring) (a = %2): an elasticity of %3 "
                                         "means that a change of 1 % in it changes lambda by %3 "
                                         "%."),
                          {oneClass(a, int(c)), cell, elasticity});
    //: %1 and %2 are stages "stage seeds", %3 the cell's value, %4 its elasticity.
    return filledText(translatedText("AnalysisReport",
                                     "lambda answers most to the cell from %1 to %2 (a = %3): an "
                                     "elasticity of %4 means that a change of 1 % in it changes "
                                     "lambda by %4 %."),
                      {oneClass(a, int(c)), oneClass(a, int(r)), cell, elasticity});
}

// The main window's M or a life cycle's A cycles: said after the largest elasticity.
std::string imprimitiveText(const LifeCycleAnalysis &a)
{
    const std::string period = std::to_string(a.growth.structure.period);
    if (a.ageClasses)
        return filledText(translatedText("AnalysisReport",
                                         "M is imprimitive (period %1): lambda still answers so, "
                                         "though N(t) keeps oscillating."),
                          {period});
    return filledText(translatedText("AnalysisReport",
                                     "A is imprimitive (period %1): lambda still answers so, "
                                     "though N(t) keeps oscillating."),
                      {period});
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
        //: Column headers of a vital rate's row: keep them short.
        rate.columns = {translatedText("AnalysisReport", "value"),
                        translatedText("AnalysisReport", "sensitivity"),
                        translatedText("AnalysisReport", "elasticity")};
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
    const std::string names = listed(tied, "; ");
    std::string text =
        tied.size() > 1
            //: %1 lists vital rates "f1, the fecundity of class 1 and s0, ...", %2 a number.
            ? filledText(translatedText("AnalysisReport",
                                        "lambda answers most to %1: an elasticity of %2 means "
                                        "that a change of 1 % in one of them changes lambda by "
                                        "%2 %."),
                         {names, figureText(top)})
            //: %1 is a vital rate "f1, the fecundity of class 1", %2 a number.
            : filledText(translatedText("AnalysisReport",
                                        "lambda answers most to %1: an elasticity of %2 means "
                                        "that a change of 1 % in it changes lambda by %2 %."),
                         {names, figureText(top)});
    if (a.growth.structure.period > 1)
        text += " " + imprimitiveText(a);
    lines.push_back({"largestElasticity",
                     translatedText("AnalysisReport", "Which rate matters most"), {}, text});
}

// A life cycle has no one fecundity and survival per class: the cell that matters most, and
// the elasticities summed by kind of transition.
void addTransitionKinds(const LifeCycleAnalysis &a, const StageSensitivities &s,
                        std::vector<ReportLine> &lines)
{
    lines.push_back({"vitalRates", translatedText("AnalysisReport", "Vital rates f_i and s_i"),
                     {},
                     translatedText("AnalysisReport",
                                    "not defined for a life cycle of stages: a stage may stay, "
                                    "grow, shrink and breed at once, so the cells of A and their "
                                    "sums by kind below stand in their place.")});
    const StageGrowth &g = a.growth;
    if (g.partition) {
        const ElasticityPartition &p = *g.partition;
        ReportLine partition{"elasticityPartition",
                             translatedText("AnalysisReport", "Elasticities summed by kind"),
                             {figureText(p.stasis), figureText(p.growth), figureText(p.retrogression),
                              figureText(p.reproduction), figureText(p.clonal)},
                             translatedText("AnalysisReport",
                                            "Stasis is U's diagonal, growth U below it, "
                                            "retrogression U above it, reproduction F and "
                                            "clonality C; the five sum to 1.")};
        //: Column headers: the kinds of transition of a life cycle; keep them short.
        partition.columns = {translatedText("AnalysisReport", "stasis"),
                             translatedText("AnalysisReport", "growth"),
                             translatedText("AnalysisReport", "retrogression"),
                             translatedText("AnalysisReport", "reproduction"),
                             translatedText("AnalysisReport", "clonal")};
        lines.push_back(partition);
    }
    Eigen::Index row = 0;
    Eigen::Index column = 0;
    const double top = s.elasticity.maxCoeff(&row, &column);
    std::string text = largestCellText(a, row, column, top);
    if (g.structure.period > 1)
        text += " " + imprimitiveText(a);
    lines.push_back({"largestElasticity",
                     translatedText("AnalysisReport", "Which transition matters most"), {}, text});
}

// Which rate matters: sensitivities and elasticities of lambda, and the seven vital rates.
void addSensitivities(const LifeCycleAnalysis &a, std::vector<ReportLine> &lines)
{
    const StageGrowth &g = a.growth;
    const StageSensitivities &s = g.sensitivity;
    const std::string M = matrixName(a);
    const std::string sensitivities =
        translatedText("AnalysisReport", "Sensitivities d lambda / d a_ij");
    const std::string elasticities =
        translatedText("AnalysisReport", "Elasticities (a_ij / lambda) d lambda / d a_ij");
    if (s.status != SensitivityStatus::Ok) {
        std::string why = "-";
        if (g.status == GrowthStatus::Ok && g.dominantRepeated)
            why = translatedText("AnalysisReport",
                                 "not defined: the dominant eigenvalue is repeated, so lambda "
                                 "has no single slope in each cell.");
        lines.push_back({"sensitivity", sensitivities, {}, why});
        lines.push_back({"elasticity", elasticities, {}, why});
        return;
    }
    ReportLine sensitivity = gridLine(a, "sensitivity", sensitivities, s.sensitivity);
    sensitivity.text = filledText(translatedText("AnalysisReport",
                                                 "Every cell of %1, its zeros too: how much "
                                                 "lambda gains per unit added to a cell, a new "
                                                 "transition included."),
                                  {M});
    lines.push_back(sensitivity);
    ReportLine elasticity = gridLine(a, "elasticity", elasticities, s.elasticity);
    elasticity.text =
        translatedText("AnalysisReport", "The share of lambda each cell carries; they sum to 1.");
    lines.push_back(elasticity);
    if (a.ageClasses)
        addVitalRates(a, s, lines);
    else
        addTransitionKinds(a, s, lines);
}

// The ways the first step's multiplier r lambda can stand against the long run's lambda.
enum class FirstStep {
    GrowsFaster,
    GrowsMoreSlowly,
    DeclinesMoreSlowly,
    DeclinesFaster,
    GrowsThoughDeclining,
    GrowsThoughLevel,
    DeclinesThoughGrowing,
    DeclinesThoughLevel,
    KeepsThoughGrowing,
    KeepsThoughDeclining,
};

FirstStep firstStepOf(double r, double lambda)
{
    const int first = compareWithOne(r * lambda);
    const int longRun = compareWithOne(lambda);
    if (first > 0 && longRun > 0)
        return r > 1 ? FirstStep::GrowsFaster : FirstStep::GrowsMoreSlowly;
    if (first < 0 && longRun < 0)
        return r > 1 ? FirstStep::DeclinesMoreSlowly : FirstStep::DeclinesFaster;
    if (first > 0)
        return longRun < 0 ? FirstStep::GrowsThoughDeclining : FirstStep::GrowsThoughLevel;
    if (first < 0)
        return longRun > 0 ? FirstStep::DeclinesThoughGrowing : FirstStep::DeclinesThoughLevel;
    return longRun > 0 ? FirstStep::KeepsThoughGrowing : FirstStep::KeepsThoughDeclining;
}

std::string firstStepWordsOfAges(FirstStep step)
{
    switch (step) {
    case FirstStep::GrowsFaster:
        return translatedText("AnalysisReport",
                              "with this age structure the population grows faster in the first "
                              "step than in the long run.");
    case FirstStep::GrowsMoreSlowly:
        return translatedText("AnalysisReport",
                              "with this age structure the population grows more slowly in the "
                              "first step than in the long run.");
    case FirstStep::DeclinesMoreSlowly:
        return translatedText("AnalysisReport",
                              "with this age structure the population declines more slowly in "
                              "the first step than in the long run.");
    case FirstStep::DeclinesFaster:
        return translatedText("AnalysisReport",
                              "with this age structure the population declines faster in the "
                              "first step than in the long run.");
    case FirstStep::GrowsThoughDeclining:
        return translatedText("AnalysisReport",
                              "with this age structure the population grows in the first step, "
                              "though in the long run it declines.");
    case FirstStep::GrowsThoughLevel:
        return translatedText("AnalysisReport",
                              "with this age structure the population grows in the first step, "
                              "though in the long run it neither grows nor declines.");
    case FirstStep::DeclinesThoughGrowing:
        return translatedText("AnalysisReport",
                              "with this age structure the population declines in the first "
                              "step, though in the long run it grows.");
    case FirstStep::DeclinesThoughLevel:
        return translatedText("AnalysisReport",
                              "with this age structure the population declines in the first "
                              "step, though in the long run it neither grows nor declines.");
    case FirstStep::KeepsThoughGrowing:
        return translatedText("AnalysisReport",
                              "with this age structure the population keeps its total in the "
                              "first step, though in the long run it grows.");
    case FirstStep::KeepsThoughDeclining:
        return translatedText("AnalysisReport",
                              "with this age structure the population keeps its total in the "
                              "first step, though in the long run it declines.");
    }
    return {};
}

std::string firstStepWordsOfStages(FirstStep step)
{
    switch (step) {
    case FirstStep::GrowsFaster:
        return translatedText("AnalysisReport",
                              "with this stage structure the population grows faster in the "
                              "first step than in the long run.");
    case FirstStep::GrowsMoreSlowly:
        return translatedText("AnalysisReport",
                              "with this stage structure the population grows more slowly in "
                              "the first step than in the long run.");
    case FirstStep::DeclinesMoreSlowly:
        return translatedText("AnalysisReport",
                              "with this stage structure the population declines more slowly "
                              "in the first step than in the long run.");
    case FirstStep::DeclinesFaster:
        return translatedText("AnalysisReport",
                              "with this stage structure the population declines faster in the "
                              "first step than in the long run.");
    case FirstStep::GrowsThoughDeclining:
        return translatedText("AnalysisReport",
                              "with this stage structure the population grows in the first "
                              "step, though in the long run it declines.");
    case FirstStep::GrowsThoughLevel:
        return translatedText("AnalysisReport",
                              "with this stage structure the population grows in the first "
                              "step, though in the long run it neither grows nor declines.");
    case FirstStep::DeclinesThoughGrowing:
        return translatedText("AnalysisReport",
                              "with this stage structure the population declines in the first "
                              "step, though in the long run it grows.");
    case FirstStep::DeclinesThoughLevel:
        return translatedText("AnalysisReport",
                              "with this stage structure the population declines in the first "
                              "step, though in the long run it neither grows nor declines.");
    case FirstStep::KeepsThoughGrowing:
        return translatedText("AnalysisReport",
                              "with this stage structure the population keeps its total in the "
                              "first step, though in the long run it grows.");
    case FirstStep::KeepsThoughDeclining:
        return translatedText("AnalysisReport",
                              "with this stage structure the population keeps its total in the "
                              "first step, though in the long run it declines.");
    }
    return {};
}

// What the first step's multiplier r lambda says against the long run's lambda.
std::string firstStepWords(double r, double lambda, bool ageClasses)
{
    if (std::fabs(r - 1) <= kUnitTolerance)
        return translatedText("AnalysisReport", "as in the long run.");
    const FirstStep step = firstStepOf(r, lambda);
    return ageClasses ? firstStepWordsOfAges(step) : firstStepWordsOfStages(step);
}

// How long the distribution takes to come within 1 % of the stable one, in words.
std::string convergenceText(const LifeCycleAnalysis &a, const std::string &M)
{
    const StageTransients &t = a.transients;
    if (t.convergenceTime)
        return a.ageClasses
                   ? translatedText("AnalysisReport",
                                    "From then on the age distribution stays within 1 % (half "
                                    "the sum of the differences of the shares) of the stable "
                                    "one.")
                   : translatedText("AnalysisReport",
                                    "From then on the stage distribution stays within 1 % (half "
                                    "the sum of the differences of the shares) of the stable "
                                    "one.");
    if (t.diesOut)
        return translatedText("AnalysisReport", "none: without harvest N(t) dies out.");
    if (a.growth.structure.period > 1)
        return filledText(a.ageClasses
                              ? translatedText("AnalysisReport",
                                               "never: %1 is imprimitive, so the age distribution "
                                               "keeps cycling.")
                              : translatedText("AnalysisReport",
                                               "never: %1 is imprimitive, so the stage "
                                               "distribution keeps cycling."),
                          {M});
    return filledText(a.ageClasses
                          ? translatedText("AnalysisReport",
                                           "not within %1 steps: the age distribution does not "
                                           "come within 1 % (half the sum of the differences of "
                                           "the shares) of the stable one.")
                          : translatedText("AnalysisReport",
                                           "not within %1 steps: the stage distribution does not "
                                           "come within 1 % (half the sum of the differences of "
                                           "the shares) of the stable one."),
                      {std::to_string(kLastTime)});
}

// The first steps of N(t) without harvest: why the growth rate wobbles before it settles.
void addTransients(const LifeCycleAnalysis &a, std::vector<ReportLine> &lines)
{
    const StageTransients &t = a.transients;
    const bool known = a.growth.stableDistribution.has_value();
    const std::string M = matrixName(a);
    const std::string empty = translatedText("AnalysisReport", "none: N(t) is empty.");
    ReportLine reactivity{"reactivity",
                          filledText(translatedText("AnalysisReport",
                                                    "First-step amplification of N(t), ||%1 "
                                                    "n||/lambda"),
                                     {M}),
                          {}, {}};
    ReportLine convergence{"convergenceTime",
                           translatedText("AnalysisReport",
                                          "Steps until the stable distribution, to 1 %"),
                           {}, {}};
    if (!known) {
        reactivity.text = convergence.text = "-";
    } else if (!t.reactivity) {
        reactivity.text = convergence.text = empty;
    } else {
        const double r = *t.reactivity;
        reactivity.cells = {figureText(r)};
        //: %1 and %2 are numbers; %3 is a sentence of its own, "with this age structure ...".
        reactivity.text = filledText(translatedText("AnalysisReport",
                                                    "In the first step the total of N(t) is "
                                                    "multiplied by %1, %2 times lambda: %3"),
                                     {figureText(r * a.growth.lambda), figureText(r),
                                      firstStepWords(r, a.growth.lambda, a.ageClasses)});
        if (t.convergenceTime)
            convergence.cells = {std::to_string(*t.convergenceTime)};
        convergence.text = convergenceText(a, M);
    }
    lines.push_back(reactivity);
    lines.push_back(convergence);
    if (a.ageClasses)
        return;
    ReportLine inertiaLine{"inertia",
                           translatedText("AnalysisReport",
                                          "Inertia (v.n / v.w) ||w||, n = N(t) / ||N(t)||"),
                           {}, {}};
    if (t.inertia) {
        inertiaLine.cells = {figureText(*t.inertia)};
        inertiaLine.text = translatedText("AnalysisReport",
                                          "In the long run N(t) grows as one of the same total "
                                          "started in the stable distribution, times this "
                                          "factor.");
    } else {
        inertiaLine.text = known && !t.reactivity ? empty : "-";
    }
    lines.push_back(inertiaLine);
}

// What each harvested animal costs: the table by age class.
void addCosts(const LifeCycleAnalysis &a, std::vector<ReportLine> &lines)
{
    const StageHarvestRule &r = a.rule;
    const bool known = r.verdict != RuleVerdict::Unknown;
    const std::string steps = std::to_string(kLastTime);
    const bool ages = a.ageClasses;
    ReportLine value{"harvestCostValue",
                     ages ? translatedText("AnalysisReport", "Cost of an animal of class i, v_i")
                          : translatedText("AnalysisReport", "Cost of an animal of stage i, v_i"),
                     {}, {}};
    ReportLine forEver{"harvestCostForEver",
                       ages ? translatedText("AnalysisReport",
                                             "Harvest of class i alone for ever, h_i")
                            : translatedText("AnalysisReport",
                                             "Harvest of stage i alone for ever, h_i"),
                       {}, {}};
    ReportLine projected{"harvestCostProjected",
                         filledText(translatedText("AnalysisReport",
                                                   "h_i by the projection, %1 steps"),
                                    {steps}),
                         {}, {}};
    for (const StageClassCost &cost : a.costs) {
        if (known)
            value.cells.push_back(figureText(cost.reproductiveValue));
        if (known && r.lambdaVersusOne > 0)
            forEver.cells.push_back(cost.unlimited ? allOfIt() : figureText(*cost.largestForEver));
        if (a.searched)
            projected.cells.push_back(projectedCell(cost.projected));
    }
    if (!known) {
        value.text = "-";
        forEver.text = "-";
    } else if (r.lambdaVersusOne <= 0) {
        forEver.text = noneForEver(r);
    } else {
        forEver.text = ages ? translatedText("AnalysisReport",
                                             "h_i = (lambda - 1) v.N(t) / v_i: the most of class "
                                             "i alone that N(t) yields for ever, as long as class "
                                             "i never runs short of it.")
                            : translatedText("AnalysisReport",
                                             "h_i = (lambda - 1) v.N(t) / v_i: the most of stage "
                                             "i alone that N(t) yields for ever, as long as stage "
                                             "i never runs short of it.");
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
        //: %1 and %3 are "class 2" or "stage seeds", %2 and %4 their reproductive values.
        value.text = filledText(translatedText("AnalysisReport",
                                               "Taking one animal of %1 costs the most: %2 "
                                               "newborns' worth of future population; one of %3 "
                                               "costs the least, %4."),
                                {oneClass(a, int(dearest)),
                                 figureText(a.costs[dearest].reproductiveValue),
                                 oneClass(a, int(cheapest)),
                                 figureText(a.costs[cheapest].reproductiveValue)});
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
    const bool ages = a.ageClasses;
    ReportLine uniform{"uniformRate",
                       ages ? translatedText("AnalysisReport", "Rate of every class, 1 - 1/lambda")
                            : translatedText("AnalysisReport", "Rate of every stage, 1 - 1/lambda"),
                       {}, {}};
    ReportLine byClass{"rateByClass",
                       ages ? translatedText("AnalysisReport", "Rate of class i alone")
                            : translatedText("AnalysisReport", "Rate of stage i alone"),
                       {}, {}};
    if (!known) {
        uniform.text = "-";
        byClass.text = "-";
    } else if (!p.uniformRate) {
        uniform.text =
            translatedText("AnalysisReport", "none: lambda is below 1 before any harvest.");
        byClass.text = uniform.text;
    } else {
        uniform.cells = {figureText(*p.uniformRate)};
        uniform.text = ages ? translatedText("AnalysisReport",
                                             "Taking the same fraction h of every class each step "
                                             "multiplies lambda by (1 - h), whatever N(t) is: at "
                                             "this rate lambda falls to 1.")
                            : translatedText("AnalysisReport",
                                             "Taking the same fraction h of every stage each step "
                                             "multiplies lambda by (1 - h), whatever N(t) is: at "
                                             "this rate lambda falls to 1.");
        bool whole = false;
        for (const std::optional<double> &rate : p.byStage) {
            byClass.cells.push_back(figureText(*rate));
            whole = whole || *rate == 1.0;
        }
        byClass.columns = columnsOf(a, true);
        if (whole)
            byClass.text = ages ? translatedText("AnalysisReport",
                                                 "1: taking all of that class every step still "
                                                 "leaves lambda at or above 1.")
                                : translatedText("AnalysisReport",
                                                 "1: taking all of that stage every step still "
                                                 "leaves lambda at or above 1.");
    }
    lines.push_back(uniform);
    lines.push_back(byClass);
    if (!growing(a))
        return;
    const std::string why =
        ages ? translatedText("AnalysisReport",
                              "A fixed quota is unstable: N(t) must keep v.N(t) above v.N*, and "
                              "a population pushed below it is lost however long it lasted. A "
                              "fixed rate is not: it changes lambda whatever N(t) is, so a rate "
                              "below the one for every class taken from all of them, or a rate "
                              "below its own figure taken from one class alone, keeps any "
                              "population growing in the long run, from any start. Rates taken "
                              "from several classes at once need smaller ones.")
             : translatedText("AnalysisReport",
                              "A fixed quota is unstable: N(t) must keep v.N(t) above v.N*, and "
                              "a population pushed below it is lost however long it lasted. A "
                              "fixed rate is not: it changes lambda whatever N(t) is, so a rate "
                              "below the one for every stage taken from all of them, or a rate "
                              "below its own figure taken from one stage alone, keeps any "
                              "population growing in the long run, from any start. Rates taken "
                              "from several stages at once need smaller ones.");
    lines.push_back({"quotaAgainstRate",
                     translatedText("AnalysisReport", "Why a rate, not a quota"), {}, why});
}

// One line a student understands: what the figure is for, whatever its value. Asked for at
// each report, so the language installed at the time answers.
std::string explanationOf(const std::string &key, bool ages)
{
    if (key.rfind("rate_f", 0) == 0)
        return translatedText("AnalysisReport",
                              "A fecundity: newborns per animal of the class in a step, and how "
                              "lambda answers to it.");
    if (key.rfind("rate_s", 0) == 0)
        return translatedText("AnalysisReport",
                              "A survival rate: the share of a class that lives on into the next "
                              "one, and how lambda answers to it.");
    if (key == "lambda")
        return translatedText("AnalysisReport",
                              "How many times larger the population gets each step in the long "
                              "run, without harvest: above 1 it grows, below 1 it shrinks.");
    if (key == "stableDistribution")
        return ages ? translatedText("AnalysisReport",
                                     "The shares of the classes that any population settles "
                                     "into, whatever it started with.")
                    : translatedText("AnalysisReport",
                                     "The shares of the stages that any population settles "
                                     "into, whatever it started with.");
    if (key == "reproductiveValues")
        return ages ? translatedText("AnalysisReport",
                                     "What one animal of each class is worth to the future "
                                     "population, counted in newborns.")
                    : translatedText("AnalysisReport",
                                     "What one animal of each stage is worth to the future "
                                     "population, counted in newborns.");
    if (key == "R0")
        return translatedText("AnalysisReport",
                              "How many offspring one newborn leaves over its whole life.");
    if (key == "dampingRatio")
        return translatedText("AnalysisReport",
                              "How quickly a population forgets its start: the larger, the "
                              "sooner it settles into the stable distribution.");
    if (key == "generationTime")
        return translatedText("AnalysisReport",
                              "The time it takes the population to grow by R0, about the age at "
                              "which mothers have their young.");
    if (key == "lifeExpectancy")
        return translatedText("AnalysisReport",
                              "How many more steps an animal of each stage lives on average.");
    if (key == "notes")
        return ages ? translatedText("AnalysisReport",
                                     "How the classes are linked, and whether every start ends "
                                     "in the same stable distribution.")
                    : translatedText("AnalysisReport",
                                     "How the stages are linked, and whether every start ends in "
                                     "the same stable distribution.");
    if (key == "sensitivity")
        return ages ? translatedText("AnalysisReport",
                                     "How much lambda rises if one cell of M rises by a small "
                                     "amount.")
                    : translatedText("AnalysisReport",
                                     "How much lambda rises if one cell of A rises by a small "
                                     "amount.");
    if (key == "elasticity")
        return translatedText("AnalysisReport",
                              "The same in proportion: a change of 1 % in a cell changes lambda "
                              "by this many %.");
    if (key == "vitalRates")
        return translatedText("AnalysisReport",
                              "Why the seven rates of an age-class model are not shown here.");
    if (key == "elasticityPartition")
        return translatedText("AnalysisReport",
                              "Which kind of transition carries lambda: staying, growing, "
                              "shrinking or giving birth.");
    if (key == "largestElasticity")
        return translatedText("AnalysisReport",
                              "The one change that would help the population most.");
    if (key == "reactivity")
        return translatedText("AnalysisReport",
                              "How much faster or slower this N(t) grows in its first step than "
                              "the long-run lambda (n is N(t) scaled to total 1); another start "
                              "gives another figure.");
    if (key == "convergenceTime")
        return translatedText("AnalysisReport",
                              "How many steps until this N(t) has nearly the stable "
                              "distribution.");
    if (key == "inertia")
        return translatedText("AnalysisReport",
                              "How much larger or smaller this N(t) ends up than a population "
                              "of the same size that started in the stable distribution.");
    if (key == "equilibrium")
        return translatedText("AnalysisReport",
                              "The one population that the harvest H leaves exactly as it is.");
    if (key == "reproductiveValueOfN")
        return ages ? translatedText("AnalysisReport",
                                     "The whole population counted in newborns' worth: each "
                                     "animal times the reproductive value of its class.")
                    : translatedText("AnalysisReport",
                                     "The whole population counted in newborns' worth: each "
                                     "animal times the reproductive value of its stage.");
    if (key == "reproductiveValueOfNStar")
        return translatedText("AnalysisReport",
                              "The worth the population needs to keep up with H for ever.");
    if (key == "costOfH")
        return translatedText("AnalysisReport",
                              "What H takes from that worth each step, against what the "
                              "population adds to it.");
    if (key == "harvestRule")
        return translatedText("AnalysisReport",
                              "Whether N(t) grows or dies under H, judged by its worth against "
                              "v.N*.");
    if (key == "sustainableFactor")
        return translatedText("AnalysisReport",
                              "How many times H the population could give for ever, by the "
                              "rule.");
    if (key == "verdict")
        return translatedText("AnalysisReport",
                              "What the program's own steps do to N(t) under H, step by step.");
    if (key == "largestHarvest")
        return translatedText("AnalysisReport",
                              "The most the program's own steps carry for the whole run, "
                              "against the rule's figure.");
    if (key == "harvestCostValue")
        return ages ? translatedText("AnalysisReport",
                                     "How much of the future one animal taken from each class "
                                     "costs.")
                    : translatedText("AnalysisReport",
                                     "How much of the future one animal taken from each stage "
                                     "costs.");
    if (key == "harvestCostForEver")
        return ages ? translatedText("AnalysisReport",
                                     "The most animals of one class alone that could be taken "
                                     "every step for ever, by the rule.")
                    : translatedText("AnalysisReport",
                                     "The most animals of one stage alone that could be taken "
                                     "every step for ever, by the rule.");
    if (key == "harvestCostProjected")
        return translatedText("AnalysisReport",
                              "The same by the program's own steps, for the steps it runs.");
    if (key == "uniformRate")
        return ages ? translatedText("AnalysisReport",
                                     "The share of every class that can be taken each step, for "
                                     "ever.")
                    : translatedText("AnalysisReport",
                                     "The share of every stage that can be taken each step, for "
                                     "ever.");
    if (key == "rateByClass")
        return ages ? translatedText("AnalysisReport",
                                     "The share of one class alone that can be taken each step, "
                                     "for ever.")
                    : translatedText("AnalysisReport",
                                     "The share of one stage alone that can be taken each step, "
                                     "for ever.");
    if (key == "quotaAgainstRate")
        return translatedText("AnalysisReport",
                              "Why taking a share is safer than taking a fixed number.");
    return {};
}

} // namespace

std::vector<std::string> classColumns()
{
    std::vector<std::string> columns;
    for (const char *number : {"0", "1", "2", "3"})
        columns.push_back(filledText(translatedText("AnalysisReport", "class %1"), {number}));
    columns.push_back(translatedText("AnalysisReport", "total"));
    return columns;
}

std::string figureText(double value)
{
    if (std::isinf(value))
        //: A figure without bound, in a cell of the report.
        return translatedText("AnalysisReport", "infinite");
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
    const bool ages = a.ageClasses;
    const std::string missing = "-";
    std::vector<ReportLine> lines;

    ReportLine lambda{"lambda", translatedText("AnalysisReport", "Dominant eigenvalue lambda"),
                      {}, growthProblem(a)};
    if (ok)
        lambda.cells = {figureText(g.lambda)};
    else if (g.status == GrowthStatus::NoGrowth)
        lambda.cells = {"0"};
    lines.push_back(lambda);

    ReportLine stable{"stableDistribution",
                      ages ? translatedText("AnalysisReport", "Stable age distribution")
                           : translatedText("AnalysisReport", "Stable stage distribution"),
                      {}, {}};
    if (g.stableDistribution)
        stable.cells = cellsOf(*g.stableDistribution);
    else
        stable.text = g.status == GrowthStatus::Ok
                          ? translatedText("AnalysisReport",
                                           "not unique: the dominant eigenvalue is repeated.")
                          : missing;
    lines.push_back(stable);

    const int unit = std::max(g.reproductiveValueUnit, 0);
    ReportLine reproductive{
        "reproductiveValues",
        ages ? translatedText("AnalysisReport", "Reproductive values (class 0 = 1)")
             //: %1 is the name of the stage whose reproductive value is 1.
             : filledText(translatedText("AnalysisReport", "Reproductive values (%1 = 1)"),
                          {stageName(a, unit)}),
        {}, {}};
    if (g.reproductiveValues)
        reproductive.cells = cellsOf(*g.reproductiveValues);
    else if (ok && g.stableDistribution)
        reproductive.text = filledText(translatedText("AnalysisReport",
                                                      "not defined: %1 has no part in the "
                                                      "dominant growth."),
                                       {oneClass(a, 0)});
    else
        reproductive.text = stable.text;
    lines.push_back(reproductive);

    ReportLine r0{"R0", translatedText("AnalysisReport", "Net reproductive rate R0"), {}, {}};
    if (ok && g.R0)
        r0.cells = {figureText(*g.R0)};
    else
        r0.text = ok ? translatedText("AnalysisReport",
                                      "not defined: survival alone keeps cohorts from dying out.")
                     : missing;
    lines.push_back(r0);

    ReportLine damping{"dampingRatio",
                       translatedText("AnalysisReport", "Damping ratio lambda / |lambda2|"), {},
                       {}};
    if (ok) {
        damping.cells = {figureText(g.dampingRatio)};
        if (std::isinf(g.dampingRatio))
            damping.text = ages ? translatedText("AnalysisReport",
                                                 "all other eigenvalues are 0: the stable "
                                                 "distribution is reached within four steps.")
                                : filledText(translatedText("AnalysisReport",
                                                            "all other eigenvalues are 0: the "
                                                            "stable distribution is reached "
                                                            "within %1 steps."),
                                             {std::to_string(a.model.size())});
    } else {
        damping.text = missing;
    }
    lines.push_back(damping);

    ReportLine generation{"generationTime",
                          translatedText("AnalysisReport", "Generation time T = ln R0 / ln lambda"),
                          {}, {}};
    if (ok && g.generationTime) {
        generation.cells = {figureText(*g.generationTime)};
        if (g.generationTimeStatus == GenerationTimeStatus::LambdaIsOne)
            generation.text = translatedText("AnalysisReport",
                                             "lambda = 1: the limit of the quotient, the mean age "
                                             "of the parents in the stable population.");
    } else {
        generation.text = ok ? translatedText("AnalysisReport", "not defined.") : missing;
    }
    lines.push_back(generation);

    if (!ages) {
        ReportLine life{"lifeExpectancy",
                        translatedText("AnalysisReport",
                                       "Life expectancy from each stage, column sums of "
                                       "(I - U)^-1"),
                        {}, {}};
        if (g.lifeExpectancy)
            life.cells = cellsOf(*g.lifeExpectancy);
        else
            life.text = g.lifeTable == LifeTableStatus::NeverDies
                            ? translatedText("AnalysisReport",
                                             "none: I - U is singular, so some stage (or loop of "
                                             "stages) never dies out.")
                            : missing;
        lines.push_back(life);
    }
    lines.push_back(
        {"notes", translatedText("AnalysisReport", "Notes"), {}, structureNotes(a)});
    size_t done = 0;
    auto inSection = [&lines, &done](const std::string &section) {
        for (; done < lines.size(); ++done)
            lines[done].section = section;
    };
    //: Section headings of the report.
    inSection(translatedText("AnalysisReport", "Growth without harvest"));
    addSensitivities(a, lines);
    inSection(translatedText("AnalysisReport", "Which rate matters"));
    addTransients(a, lines);
    inSection(translatedText("AnalysisReport", "The first steps, without harvest"));

    const StageHarvestRule &rule = a.rule;
    const bool known = rule.verdict != RuleVerdict::Unknown;
    lines.push_back(equilibriumLine(a));
    ReportLine valueOfN{"reproductiveValueOfN",
                        translatedText("AnalysisReport", "v.N(t), the reproductive value of N(t)"),
                        {}, {}};
    ReportLine valueOfNStar{"reproductiveValueOfNStar",
                            translatedText("AnalysisReport", "v.N* = v.H / (lambda - 1)"), {}, {}};
    ReportLine cost{"costOfH", translatedText("AnalysisReport", "v.H against (lambda - 1) v.N(t)"),
                    {}, {}};
    if (known) {
        valueOfN.cells = {figureText(rule.valueOfN)};
        valueOfN.text = ages ? translatedText("AnalysisReport",
                                              "Every animal of N(t) counted by the reproductive "
                                              "value v_i of its class: what N(t) is worth to the "
                                              "future, in newborns.")
                             : translatedText("AnalysisReport",
                                              "Every animal of N(t) counted by the reproductive "
                                              "value v_i of its stage: what N(t) is worth to the "
                                              "future, in newborns.");
        if (rule.valueOfNStar)
            valueOfNStar.cells = {figureText(*rule.valueOfNStar)};
        else if (rule.lambdaVersusOne == 0)
            valueOfNStar.text =
                translatedText("AnalysisReport", "none: with lambda = 1 no N* exists.");
        else
            valueOfNStar.text =
                ages ? translatedText("AnalysisReport",
                                      "none: with lambda below 1 N* has negative classes.")
                     : translatedText("AnalysisReport",
                                      "none: with lambda below 1 N* has negative stages.");
        // With lambda = 1 in exact arithmetic, lambda - 1 comes out as rounding noise of the
        // eigenvalue solver: a surplus below 1e-12 of v.N(t) is shown as the 0 it is.
        const bool noise = std::fabs(rule.surplus) < 1e-12 * std::fabs(rule.valueOfN);
        cost.cells = {figureText(rule.costOfH), figureText(noise ? 0.0 : rule.surplus)};
        //: Column header: what the population adds to its reproductive value each step.
        cost.columns = {"v.H", translatedText("AnalysisReport", "surplus")};
    } else {
        valueOfN.text = valueOfNStar.text = cost.text = "-";
    }
    lines.push_back(valueOfN);
    lines.push_back(valueOfNStar);
    lines.push_back(cost);
    lines.push_back({"harvestRule", translatedText("AnalysisReport", "The rule of v.N(t)"), {},
                     ruleText(rule)});
    lines.push_back(sustainableLine(a));
    lines.push_back({"verdict", translatedText("AnalysisReport", "N(t) under H, by the projection"),
                     {}, verdictText(a) + disagreementText(a)});
    lines.push_back(limitLine(a));
    inSection(translatedText("AnalysisReport", "Under the constant harvest H"));

    addCosts(a, lines);
    inSection(translatedText("AnalysisReport", "What each harvested animal costs"));
    addRates(a, lines);
    inSection(translatedText("AnalysisReport", "Quota against rate"));

    for (ReportLine &line : lines) {
        if (line.columns.empty() && line.cells.size() > 1)
            line.columns = columnsOf(a, true);
        line.explanation = explanationOf(line.key, ages);
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
