#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/densityoptions.h"
#include "cli/modeloptions.h"
#include "cli/riskoptions.h"
#include "export/riskfile.h"
#include "base/numbertext.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <ostream>

namespace velmora {

namespace {

std::string riskHelp()
{
    return std::string(
               "Usage: velmora-cli risk [--model FILE] [--matrix LIST] [--n0 LIST] [--harvest LIST]\n"
               "                        [--cv-survival X] [--cv-fecundity X] [--demographic]\n"
               "                        [--threshold Q] [--replicates R] [--steps T] [--seed S]\n"
               "                        [--threads K] [--json] [--out FILE.csv]\n"
               "                        [--density FORM --capacity K] [--counted-stages LIST]\n"
               "                        [--strategy WAY --level X] [--harvest-stages LIST]\n\n"
               "Projects the model R times for T steps with its vital rates drawn anew every\n"
               "year (each survival rate from a beta distribution, each fecundity from a\n"
               "lognormal one, with the model's rate as mean and the CV given) and prints the\n"
               "chance that the total falls below Q (or to 0) within T steps, as the window\n"
               "\"Risk under variability...\" does. Each step is N(t+1) = M(t) N(t) - H,\n"
               "negative classes 0. A life cycle of any size (--stages ..., or a file of one)\n"
               "starts at its N(0): each stage's survival is drawn and shared over its fates\n"
               "as in U, each entry of F and C varies on its own.\n"
               "With --density (or a --model file that holds density dependence), each year's\n"
               "reproduction falls with the density at its start, and with --strategy the\n"
               "harvest is a quota, a rate or an escapement in place of H. log lambda_s stays\n"
               "that of the model without density dependence.\n\n"
               "Options:\n")
           + optionsHelp(riskOptions())
           + said(CliText::tr(kValuesHelp))
           + "Exit status 0 when done; 1 with one line on standard error when the CSV file\n"
             "cannot be written (the results are printed all the same), standard output\n"
             "cannot be written or the run cannot start its threads; 2 with one line on\n"
             "standard error, and nothing done, for a bad option or value.\n";
}

// A finite number as a JSON number that reads back as the same double, else null.
QJsonValue jsonNumber(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QJsonValue jsonNumber(const std::optional<double> &value)
{
    return value ? jsonNumber(*value) : QJsonValue(QJsonValue::Null);
}

QJsonArray jsonArray(const std::vector<double> &values)
{
    QJsonArray out;
    for (const double value : values)
        out.append(jsonNumber(value));
    return out;
}

// The density dependence and the way of harvesting a run took, by stage name.
QJsonObject densityJson(const RiskDensity &d, const StageModel &model)
{
    // Every stage where none is listed.
    const auto named = [&model](const std::vector<int> &stages) {
        QJsonArray names;
        const Eigen::VectorXd mask = stageMask(model.size(), stages);
        for (Eigen::Index i = 0; i < model.size(); ++i)
            if (mask(i) != 0.0)
                names.append(QString::fromStdString(model.stages[size_t(i)]));
        return names;
    };
    QJsonObject json{{"form", densityFormKey(d.settings.form)},
                     {"capacity", d.settings.capacity},
                     {"countedStages", named(d.settings.counted)}};
    if (d.way) {
        json["strategy"] = harvestWayKey(*d.way);
        json["level"] = d.level;
        json["harvestStages"] = named(d.harvested);
    }
    return json;
}

std::string riskJson(const RiskResult &r)
{
    QJsonObject percentiles;
    for (size_t k = 0; k < kRiskPercentiles.size(); ++k)
        percentiles[QString::number(kRiskPercentiles[k])] = jsonArray(r.percentiles[k]);
    QJsonObject json{
        {"risk", jsonArray(r.risk)},
        {"mean", jsonArray(r.mean)},
        {"deterministic", jsonArray(r.deterministic)},
        {"percentiles", percentiles},
        {"finalRisk", jsonNumber(r.finalRisk)},
        {"finalRiskInterval",
         QJsonArray{jsonNumber(r.finalRiskInterval.low), jsonNumber(r.finalRiskInterval.high)}},
        {"logLambdaS", QJsonObject{{"simulated", jsonNumber(r.logLambdaSimulated)},
                                   {"approximation", jsonNumber(r.logLambdaApproximation)}}}};
    // Only where the survival CV asked was too large for a stage: the run then differs from it.
    QJsonArray capped;
    for (const CappedSurvival &c : r.cappedSurvival)
        capped.append(QJsonObject{
            {"rate", QString::fromStdString(r.survivalNames[size_t(c.stage)])},
            {"survival", jsonNumber(c.survival)},
            {"cv", jsonNumber(c.cv)}});
    if (!capped.isEmpty())
        json["cappedSurvival"] = capped;
    if (r.settings.density)
        json["density"] = densityJson(*r.settings.density, r.projected);
    return QJsonDocument(json).toJson(QJsonDocument::Indented).toStdString();
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

template <typename Values>
std::string listText(const Values &values)
{
    std::string text;
    for (Eigen::Index i = 0; i < Eigen::Index(values.size()); ++i)
        text += (i > 0 ? ", " : "") + shortNumber(values[i]);
    return text;
}

// "Density dependence: Beverton-Holt, K = 1000; harvest: a quota of Q = 50 a step.", or nothing.
std::string densityText(const RiskSettings &s)
{
    if (!s.density)
        return {};
    const RiskDensity &d = *s.density;
    std::string text = std::string("Density dependence: ") + densityFormShown(d.settings.form)
                       + ", K = " + shortNumber(d.settings.capacity);
    if (!d.way)
        return text + "; harvest: H.\n";
    switch (*d.way) {
    case HarvestWay::Quota:
        return text + "; harvest: a quota of Q = " + shortNumber(d.level) + " a step.\n";
    case HarvestWay::Rate:
        return text + "; harvest: a rate of h = " + shortNumber(d.level) + ".\n";
    case HarvestWay::Escapement:
        break;
    }
    return text + "; harvest: an escapement of E = " + shortNumber(d.level) + ".\n";
}

// `lifeCycle`: a model of any size, which starts at its own N(0).
std::string riskText(const RiskResult &r, bool lifeCycle)
{
    const RiskSettings &s = r.settings;
    const size_t T = r.risk.size() - 1;
    return riskSentence(r) + "\n" + densityText(s) + std::to_string(s.replicates) + " replicates of "
           + std::to_string(s.steps) + " steps, seed " + std::to_string(s.seed)
           + ": survival CV " + shortNumber(s.cvSurvival) + ", fecundity CV "
           + shortNumber(s.cvFecundity) + ", "
           + (s.demographic ? "whole animals (demographic variation)"
                            : "no demographic variation")
           + (lifeCycle ? ".\nStart: N(0) = " + listText(r.projected.n0)
                        : ".\nStart: N(t) = " + listText(r.start.N) + " at t = "
                              + std::to_string(r.start.t))
           // A way of harvesting takes the place of H.
           + (s.density && s.density->way
                  ? std::string()
                  : ", H = " + (lifeCycle ? listText(r.projected.harvest) : listText(r.start.H)))
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
    if (line.lifeCycle) {
        if (const auto refusal = riskRefusal(*line.lifeCycle, line.settings))
            return refuseValues(err, who, *refusal);
    }
    const RiskOutcome outcome = line.lifeCycle ? runRisk(*line.lifeCycle, line.settings)
                                               : runRisk(line.model, line.settings);
    // The options were checked against the same rules, so the run is never refused here; it
    // can fail only where the system gives it no thread.
    if (outcome.status != RiskStatus::Done) {
        err << who << ": " << outcome.refusal << '\n';
        return kExitFailed;
    }
    out << (line.json ? riskJson(outcome.result)
                      : riskText(outcome.result, line.lifeCycle.has_value()));
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
