#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/modeloptions.h"
#include "cli/riskoptions.h"
#include "export/riskfile.h"
#include "base/numbertext.h"

#include <QFile>

#include <cmath>
#include <ostream>

namespace velmora {

namespace {

std::string riskHelp()
{
    return std::string(
               "Usage: velmora-cli risk [--matrix LIST] [--n0 LIST] [--harvest LIST]\n"
               "                        [--cv-survival X] [--cv-fecundity X] [--demographic]\n"
               "                        [--threshold Q] [--replicates R] [--steps T] [--seed S]\n"
               "                        [--threads K] [--json] [--out FILE.csv]\n\n"
               "Projects the model R times for T steps with its vital rates drawn anew every\n"
               "year (each survival rate from a beta distribution, each fecundity from a\n"
               "lognormal one, with the model's rate as mean and the CV given) and prints the\n"
               "chance that the total falls below Q within T steps, as the window \"Risk under\n"
               "variability...\" does. Each step is N(t+1) = M(t) N(t) - H, negative classes 0.\n\n"
               "Options:\n")
           + kModelOptionsHelp
           + "  --cv-survival X  coefficient of variation of each survival rate (default 0);\n"
             "                   below sqrt((1 - s) / s) for a rate s, or its beta\n"
             "                   distribution does not exist (rates of 0 and 1 do not vary)\n"
             "  --cv-fecundity X the same for each fecundity, 0 to 10 (default 0)\n"
             "  --demographic    whole animals: binomial survivors, Poisson births; N(0) and H\n"
             "                   are rounded to whole numbers first\n"
             "  --threshold Q    a total below Q counts as lost (default 1)\n"
             "  --replicates R   1 to 100000 (default 1000)\n"
             "  --steps T        1 to 1000 (default 100)\n"
             "  --seed S         0 to 999999999 (default 1); one seed gives the same result\n"
             "                   on any number of threads\n"
             "  --threads K      1 to 64 (default: one per core)\n"
             "  --json           print one JSON object: risk, mean, deterministic (T + 1\n"
             "                   numbers each), percentiles (\"5\" ... \"95\"), finalRisk,\n"
             "                   finalRiskInterval, logLambdaS (simulated, approximation)\n"
             "  --out FILE.csv   also write the columns t, risk, p5, p25, p50, p75, p95, mean,\n"
             "                   deterministic into FILE.csv\n"
             "  -h, --help       show this help\n"
           + kValuesHelp
           + "Exit status 0 when done; 1 with one line on standard error when the CSV file\n"
             "cannot be written (the results are printed all the same); 2 with one line on\n"
             "standard error, and nothing done, for a bad option or value.\n";
}

// A finite number in the program's text form (valid JSON), else null.
std::string jsonNumber(double value)
{
    return std::isfinite(value) ? numberText(value) : "null";
}

std::string jsonNumber(const std::optional<double> &value)
{
    return value ? jsonNumber(*value) : "null";
}

std::string jsonArray(const std::vector<double> &values)
{
    std::string out = "[";
    for (size_t i = 0; i < values.size(); ++i)
        out += (i > 0 ? ", " : "") + jsonNumber(values[i]);
    return out + "]";
}

std::string riskJson(const RiskResult &r)
{
    std::string out = "{\n  \"risk\": " + jsonArray(r.risk) + ",\n  \"mean\": "
                      + jsonArray(r.mean) + ",\n  \"deterministic\": " + jsonArray(r.deterministic)
                      + ",\n  \"percentiles\": {";
    for (size_t k = 0; k < kRiskPercentiles.size(); ++k)
        out += std::string(k > 0 ? "," : "") + "\n    \"" + std::to_string(kRiskPercentiles[k])
               + "\": " + jsonArray(r.percentiles[k]);
    out += "\n  },\n  \"finalRisk\": " + jsonNumber(r.finalRisk) + ",\n  \"finalRiskInterval\": ["
           + jsonNumber(r.finalRiskInterval.low) + ", " + jsonNumber(r.finalRiskInterval.high)
           + "],\n  \"logLambdaS\": {\"simulated\": " + jsonNumber(r.logLambdaSimulated)
           + ", \"approximation\": " + jsonNumber(r.logLambdaApproximation) + "}\n}\n";
    return out;
}

// Six significant digits: what a reader of the summary compares.
std::string shortNumber(double value)
{
    return numberText(value, 6);
}

std::string optionalNumber(const std::optional<double> &value)
{
    return value ? shortNumber(*value) : std::string("none");
}

std::string listText(const Vector4 &values)
{
    return shortNumber(values[0]) + ", " + shortNumber(values[1]) + ", " + shortNumber(values[2])
           + ", " + shortNumber(values[3]);
}

std::string riskText(const RiskResult &r)
{
    const RiskSettings &s = r.settings;
    const size_t T = r.risk.size() - 1;
    return riskSentence(r) + "\n" + std::to_string(s.replicates) + " replicates of "
           + std::to_string(s.steps) + " steps, seed " + std::to_string(s.seed)
           + ": survival CV " + shortNumber(s.cvSurvival) + ", fecundity CV "
           + shortNumber(s.cvFecundity) + ", "
           + (s.demographic ? "whole animals (demographic variation)"
                            : "no demographic variation")
           + ".\nStart: N(t) = " + listText(r.start.N) + " at t = " + std::to_string(r.start.t)
           + ", H = " + listText(r.start.H)
           + (s.demographic ? " (rounded to whole animals)" : "") + ".\nAt t = "
           + std::to_string(T) + ": mean total " + shortNumber(r.mean[T]) + ", median "
           + shortNumber(r.percentiles[2][T]) + " (5 % to 95 %: " + shortNumber(r.percentiles[0][T])
           + " to " + shortNumber(r.percentiles[4][T]) + "); deterministic "
           + shortNumber(r.deterministic[T]) + ".\nlog lambda_s without harvest: "
           + optionalNumber(r.logLambdaSimulated) + " from the replicates, "
           + optionalNumber(r.logLambdaApproximation) + " by Tuljapurkar's approximation.\n";
}

std::string oneLine(std::string text)
{
    for (char &c : text) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    return text;
}

int risk(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    const std::string who = "velmora-cli risk";
    const RiskOptionsRead read = readRiskOptions(arguments);
    if (!read.commandLine)
        return read.valuesRefused ? refuseValues(err, who, read.refusal)
                                  : refuse(err, who, read.refusal);
    const RiskCommandLine &line = *read.commandLine;
    const RiskOutcome outcome = runRisk(line.model, line.settings);
    // The options were checked against the same rules, so the run is never refused here.
    if (outcome.status != RiskStatus::Done)
        return refuseValues(err, who, outcome.refusal);
    out << (line.json ? riskJson(outcome.result) : riskText(outcome.result));
    if (!line.out)
        return kExitOk;
    const QString fileName = QFile::decodeName(QByteArray::fromStdString(*line.out));
    if (const auto reason = saveRiskCsv(outcome.result, fileName)) {
        err << who << ": the file \"" << *line.out
            << "\" could not be written: " << oneLine(reason->toStdString()) << '\n';
        return kExitFailed;
    }
    if (!line.json)
        out << "Wrote " << *line.out << '\n';
    return kExitOk;
}

} // namespace

const Command kRiskCommand{
    "risk",
    "project the model many times with vital rates that vary from year to year and\n"
    "print the chance of falling below a threshold, with percentiles of the total",
    riskHelp, risk};

} // namespace velmora
