#include "cli/riskoptions.h"

#include "cli/densityoptions.h"
#include "cli/modeloptions.h"
#include "base/numbertext.h"

#include <cmath>

namespace velmora {

namespace {

RiskOptionsRead refused(std::string why, bool values = false)
{
    RiskOptionsRead read;
    read.refusal = std::move(why);
    read.valuesRefused = values;
    return read;
}

std::string quoted(const GivenOption &option)
{
    return option.name + " \"" + option.value + "\"";
}

// A plain number from `low` to `high`, or the refusal naming the option and its value.
std::optional<Refusal> readNumber(const GivenOption &option, double low, double high,
                                  double &value)
{
    const std::optional<ReadResult> read = plainNumber(option.value);
    if (!read)
        return Refusal{said(CliText::tr("%1: \"%2\" is not a number")
                                .arg(typed(option.name), typed(option.value)))};
    if (!read->ok())
        return Refusal{said(CliText::tr("%1: the number is beyond the range of a double")
                                .arg(typed(quoted(option))))};
    if (!(read->value >= low && read->value <= high))
        return Refusal{said(std::isinf(high)
                                ? CliText::tr("%1: needs a number from %2 up")
                                      .arg(typed(quoted(option)), typed(numberText(low)))
                                : CliText::tr("%1: needs a number from %2 to %3")
                                      .arg(typed(quoted(option)), typed(numberText(low)),
                                           typed(numberText(high))))};
    value = read->value;
    return std::nullopt;
}

std::optional<Refusal> readWhole(const GivenOption &option, int low, int high, int &value)
{
    const std::optional<int> number = wholeNumber(option.value, low, high);
    if (!number)
        return Refusal{said(CliText::tr("%1: needs a whole number from %2 to %3")
                                .arg(typed(quoted(option)), QString::number(low),
                                     QString::number(high)))};
    value = *number;
    return std::nullopt;
}

} // namespace

std::vector<AcceptedOption> riskOptions()
{
    std::vector<AcceptedOption> own{
        {"--cv-survival", "X",
         QT_TRANSLATE_NOOP("CliText",
                           "coefficient of variation of each survival rate (default 0);\n"
                           "a rate s whose beta distribution needs a CV below sqrt((1 - s) / s)\n"
                           "takes the largest it allows (rates of 0 and 1 do not vary)")},
        {"--cv-fecundity", "X",
         QT_TRANSLATE_NOOP("CliText", "the same for each fecundity, 0 to 10 (default 0)")},
        {"--demographic", "",
         QT_TRANSLATE_NOOP("CliText",
                           "whole animals: binomial survivors, Poisson births; N(0) and H\n"
                           "are rounded to whole numbers first")},
        {"--threshold", "Q",
         QT_TRANSLATE_NOOP("CliText", "a total below Q, or a total of 0, counts as lost\n"
                                      "(default 1)")},
        {"--replicates", "R", QT_TRANSLATE_NOOP("CliText", "1 to 100000 (default 1000)")},
        {"--steps", "T", QT_TRANSLATE_NOOP("CliText", "1 to 1000 (default 100)")},
        {"--seed", "S",
         QT_TRANSLATE_NOOP("CliText",
                           "0 to 999999999 (default 1); one seed gives the same result\n"
                           "on any number of threads")},
        {"--threads", "K", QT_TRANSLATE_NOOP("CliText", "1 to 64 (default: one per core)")},
        {"--json", "",
         QT_TRANSLATE_NOOP("CliText",
                           "print one JSON object: risk, mean, deterministic (T + 1\n"
                           "numbers each), percentiles (\"5\" ... \"95\"), finalRisk,\n"
                           "finalRiskInterval, logLambdaS (simulated, approximation)")},
        {"--out", "FILE.csv",
         QT_TRANSLATE_NOOP("CliText",
                           "also write the columns t, risk, p5, p25, p50, p75, p95, mean,\n"
                           "deterministic into FILE.csv")}};
    for (const AcceptedOption &option : densityOptions(true))
        own.push_back(option);
    return withModelOptions(own);
}

RiskOptionsRead readRiskOptions(const std::vector<std::string> &arguments)
{
    ReadOptions given;
    if (const auto problem = readOptionsOnly(arguments, riskOptions(), given))
        return refused(*problem);

    const double unlimited = HUGE_VAL;
    ModelOptionsReader model(given.options);
    RiskCommandLine line;
    RiskSettings &s = line.settings;
    DensityOptionsReader density;
    for (const GivenOption &option : given.options) {
        std::optional<Refusal> problem;
        std::optional<std::string> densityProblem;
        int seed = 0;
        if (density.take(option, densityProblem)) {
            if (densityProblem)
                problem = Refusal{*densityProblem};
        } else if (option.name == "--cv-survival")
            problem = readNumber(option, 0, unlimited, s.cvSurvival);
        else if (option.name == "--cv-fecundity")
            problem = readNumber(option, 0, kMaxFecundityCv, s.cvFecundity);
        else if (option.name == "--threshold")
            problem = readNumber(option, 0, unlimited, s.threshold);
        else if (option.name == "--replicates")
            problem = readWhole(option, 1, kMaxReplicates, s.replicates);
        else if (option.name == "--steps")
            problem = readWhole(option, 1, kMaxRiskSteps, s.steps);
        else if (option.name == "--threads")
            problem = readWhole(option, 1, kMaxThreads, s.threads);
        else if (option.name == "--seed") {
            problem = readWhole(option, 0, int(kMaxSeed), seed);
            s.seed = std::uint32_t(seed);
        } else if (option.name == "--demographic")
            s.demographic = true;
        else if (option.name == "--json")
            line.json = true;
        else if (option.name == "--out") {
            if (option.value.empty())
                problem = Refusal{said(CliText::tr("--out needs a file name"))};
            line.out = option.value;
        } else
            problem = model.take(option);
        if (problem)
            return refused(problem->text, problem->ofValues);
    }
    if (const auto problem = model.finish())
        return refused(problem->text, problem->ofValues);

    if (model.model().lifeCycle) {
        line.lifeCycle = model.model().lifeCycle;
    } else {
        const ModelRun run(model.model().entries);
        // The fields hold number texts written just now, so they always read back.
        modelFromFields(run.simulation.fields(), line.model);
    }
    DensityChoice choice;
    if (const auto problem = density.finish(line.lifeCycle ? *line.lifeCycle : stageModelOf(line.model),
                                            model.model().yield, choice))
        return refused(*problem, true);
    if (choice.density)
        s.density = RiskDensity{*choice.density, choice.way, choice.level, choice.harvested};
    if (!line.lifeCycle) {
        if (const auto refusal = riskRefusal(line.model, s))
            return refused(*refusal, true);
    }
    RiskOptionsRead read;
    read.commandLine = std::move(line);
    return read;
}

} // namespace velmora
