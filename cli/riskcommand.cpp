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
    //: The command and option names stay as they are.
    return said(CliText::tr(
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
               "Options:\n"))
           + optionsHelp(riskOptions())
           + said(CliText::tr(kValuesHelp))
           + said(CliText::tr(
               "Exit status 0 when done; 1 with one line on standard error when the CSV file\n"
               "cannot be written (the results are printed all the same), standard output\n"
               "cannot be written or the run cannot start its threads; 2 with one line on\n"
               "standard error, and nothing done, for a bad option or value.\n"));
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

QString optionalNumber(const std::optional<double> &value)
{
    //: In place of a number that could not be found.
    return value ? QString::fromStdString(shortNumber(*value)) : CliText::tr("none");
}

template <typename Values>
QString listText(const Values &values)
{
    std::string text;
    for (Eigen::Index i = 0; i < Eigen::Index(values.size()); ++i)
        text += (i > 0 ? ", " : "") + shortNumber(values[i]);
    return QString::fromStdString(text);
}

QString shortText(double value) { return QString::fromStdString(shortNumber(value)); }

// "Density dependence: Beverton-Holt, K = 1000; harvest: a quota of Q = 50 a step.", or nothing.
std::string densityText(const RiskSettings &s)
{
    if (!s.density)
        return {};
    const RiskDensity &d = *s.density;
    const QString form = QString::fromStdString(densityFormShown(d.settings.form));
    const QString capacity = shortText(d.settings.capacity);
    const QString level = shortText(d.level);
    QString text;
    if (!d.way) {
        //: %1 is the form of density dependence ("Beverton-Holt", "a ceiling").
        text = CliText::tr("Density dependence: %1, K = %2; harvest: H.").arg(form, capacity);
    } else if (*d.way == HarvestWay::Quota) {
        text = CliText::tr("Density dependence: %1, K = %2; harvest: a quota of Q = %3 a step.")
                   .arg(form, capacity, level);
    } else if (*d.way == HarvestWay::Rate) {
        text = CliText::tr("Density dependence: %1, K = %2; harvest: a rate of h = %3.")
                   .arg(form, capacity, level);
    } else {
        text = CliText::tr("Density dependence: %1, K = %2; harvest: an escapement of E = %3.")
                   .arg(form, capacity, level);
    }
    return said(text) + "\n";
}

// `lifeCycle`: a model of any size, which starts at its own N(0).
std::string riskText(const RiskResult &r, bool lifeCycle)
{
    const RiskSettings &s = r.settings;
    const size_t T = r.risk.size() - 1;
    const QString runs =
        (s.demographic ? CliText::tr("%1 replicates of %2 steps, seed %3: survival CV %4, fecundity "
                                     "CV %5, whole animals (demographic variation).")
                       : CliText::tr("%1 replicates of %2 steps, seed %3: survival CV %4, fecundity "
                                     "CV %5, no demographic variation."))
            .arg(s.replicates)
            .arg(s.steps)
            .arg(s.seed)
            .arg(shortText(s.cvSurvival), shortText(s.cvFecundity));
    QString start = lifeCycle ? QStringLiteral("N(0) = ") + listText(r.projected.n0)
                              : CliText::tr("N(t) = %1 at t = %2").arg(listText(r.start.N)).arg(r.start.t);
    // A way of harvesting takes the place of H.
    if (!(s.density && s.density->way))
        start += QStringLiteral(", H = ")
                 + (lifeCycle ? listText(r.projected.harvest) : listText(r.start.H));
    if (s.demographic)
        start = CliText::tr("%1 (rounded to whole animals)").arg(start);
    //: %1 holds N(0) (and H) of the start, as numbers.
    const QString started = CliText::tr("Start: %1.").arg(start);
    const QString end = CliText::tr("At t = %1: mean total %2, median %3 (5 % to 95 %: %4 to %5); "
                                    "deterministic %6.")
                            .arg(T)
                            .arg(shortText(r.mean[T]), shortText(r.percentiles[2][T]),
                                 shortText(r.percentiles[0][T]), shortText(r.percentiles[4][T]),
                                 shortText(r.deterministic[T]));
    const QString growth = CliText::tr("log lambda_s without harvest: %1 from the replicates, %2 by "
                                       "Tuljapurkar's approximation.")
                               .arg(optionalNumber(r.logLambdaSimulated),
                                    optionalNumber(r.logLambdaApproximation));
    return riskSentence(r) + "\n" + densityText(s) + said(runs) + "\n" + said(started) + "\n"
           + said(end) + "\n" + said(growth) + "\n";
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
        err << who << ": "
            << said(CliText::tr("the file \"%1\" could not be written: %2")
                        .arg(typed(*line.out), typed(oneLine(reason->toStdString()))))
            << '\n';
        return kExitFailed;
    }
    if (!line.json)
        out << said(CliText::tr("Wrote %1").arg(typed(*line.out))) << '\n';
    return kExitOk;
}

} // namespace

const Command kRiskCommand{
    "risk",
    QT_TRANSLATE_NOOP("CliText",
                      "project the model many times with vital rates that vary from year to year and\n"
                      "print the chance of falling below a threshold, with percentiles of the total"),
    riskHelp, risk};

} // namespace velmora
