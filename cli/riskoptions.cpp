#include "cli/riskoptions.h"

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
std::optional<std::string> readNumber(const GivenOption &option, double low, double high,
                                      double &value)
{
    const std::optional<ReadResult> read = plainNumber(option.value);
    if (!read)
        return option.name + ": \"" + option.value + "\" is not a number";
    if (!read->ok())
        return quoted(option) + ": the number is beyond the range of a double";
    if (!(read->value >= low && read->value <= high))
        return quoted(option) + ": needs a number from " + numberText(low)
               + (std::isinf(high) ? std::string(" up") : " to " + numberText(high));
    value = read->value;
    return std::nullopt;
}

std::optional<std::string> readWhole(const GivenOption &option, int low, int high, int &value)
{
    const std::optional<int> number = wholeNumber(option.value, low, high);
    if (!number)
        return quoted(option) + ": needs a whole number from " + std::to_string(low) + " to "
               + std::to_string(high);
    value = *number;
    return std::nullopt;
}

} // namespace

RiskOptionsRead readRiskOptions(const std::vector<std::string> &arguments)
{
    std::vector<AcceptedOption> accepted = kModelOptions;
    for (const char *name : {"--cv-survival", "--cv-fecundity", "--threshold", "--replicates",
                             "--steps", "--seed", "--threads", "--out"})
        accepted.push_back({name});
    accepted.push_back({"--demographic", false});
    accepted.push_back({"--json", false});
    std::vector<GivenOption> given;
    if (const auto problem = readOptions(arguments, accepted, given))
        return refused(*problem);

    const double unlimited = HUGE_VAL;
    EditEntries entries;
    RiskCommandLine line;
    RiskSettings &s = line.settings;
    for (const GivenOption &option : given) {
        std::optional<std::string> problem;
        int seed = 0;
        if (option.name == "--cv-survival")
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
                problem = std::string("--out needs a file name");
            line.out = option.value;
        } else
            problem = applyModelOption(option, entries);
        if (problem)
            return refused(*problem);
    }
    if (const auto message = brokenRuleOf(entries))
        return refused(*message, true);

    const ModelRun run(entries);
    // The fields hold number texts written just now, so they always read back.
    modelFromFields(run.simulation.fields(), line.model);
    if (const auto refusal = riskRefusal(line.model, s))
        return refused(*refusal, true);
    RiskOptionsRead read;
    read.commandLine = std::move(line);
    return read;
}

} // namespace velmora
