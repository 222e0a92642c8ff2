#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/densityoptions.h"
#include "cli/modeloptions.h"
#include "demography/yield.h"
#include "modelfile/modelfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <ostream>

namespace velmora {

namespace {

const char *const kWaySymbols[3] = {"Q", "h", "E"};

std::vector<AcceptedOption> yieldOptions()
{
    std::vector<AcceptedOption> accepted = kModelOptions;
    // The density is required unless --model's file holds one.
    for (const AcceptedOption &option : densityOptions(false))
        accepted.push_back(option);
    accepted.push_back({"--points", "N",
                        QT_TRANSLATE_NOOP("CliText",
                                          "points of each yield curve, 2 to 10000 (default 200)")});
    accepted.push_back({"--shock", "F",
                        QT_TRANSLATE_NOOP("CliText",
                                          "also project each way at 90 % of its MSY for 60 steps\n"
                                          "after one bad year that takes the share F (0 to 1) of\n"
                                          "every stage")});
    accepted.push_back({"--json", "",
                        QT_TRANSLATE_NOOP("CliText", "print one JSON object instead of text")});
    return accepted;
}

std::string yieldHelp()
{
    //: The command and option names stay as they are.
    return said(CliText::tr("Usage: velmora-cli yield [--model FILE] [--matrix LIST] [--n0 LIST] "
                       "[--harvest LIST]\n"
                       "                         --density FORM --capacity K [--counted-stages LIST]\n"
                       "                         [--harvest-stages LIST] [--points N] [--shock F] "
                       "[--json]\n\n"
                       "Gives the model density dependence on its reproduction and compares three\n"
                       "ways of harvesting it: a fixed quota Q, a fixed rate h and a fixed\n"
                       "escapement E. For each: the yield curve once the population has settled,\n"
                       "its maximum (MSY) and where it lies, the level at 90 % of MSY, and the\n"
                       "smallest loss in one bad year that then sends the population to 0.\n\n"
                       "Options:\n"))
           + optionsHelp(yieldOptions()) + said(CliText::tr(kValuesHelp))
           + said(CliText::tr(
               "Exit status 0 when done; 1 with one line on standard error when standard output\n"
               "cannot be written; 2 with one line on standard error, and nothing done, for a bad\n"
               "option or value, or a model that cannot settle at K (R0 of at most 1).\n"));
}

QJsonArray numbers(const Eigen::VectorXd &values)
{
    QJsonArray array;
    for (const double x : values)
        array.append(x);
    return array;
}

QJsonArray stageNames(const StageModel &model, const std::vector<int> &stages)
{
    QJsonArray names;
    for (const int i : stages)
        names.append(QString::fromStdString(model.stages[size_t(i)]));
    return names;
}

const char *settlingName(Settling settling)
{
    switch (settling) {
    case Settling::Rest:
        return "rest";
    case Settling::Cycle:
        return "cycle";
    case Settling::Irregular:
        return "irregular";
    case Settling::Lost:
        break;
    }
    return "lost";
}

std::string figure(double value) { return numberText(value, 6); }

// The width of a text on the terminal: its characters, not its bytes.
size_t shownWidth(const std::string &text)
{
    return size_t(QString::fromStdString(text).size());
}

std::string padded(std::string text, size_t width)
{
    if (shownWidth(text) < width)
        text.append(width - shownWidth(text), ' ');
    return text;
}

int yield(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    const std::string who = "velmora-cli yield";
    ReadOptions given;
    if (const auto problem = readOptionsOnly(arguments, yieldOptions(), given))
        return refuse(err, who, *problem);
    ModelOptionsReader reader(given.options);
    int points = kDefaultYieldPoints;
    std::optional<double> shock;
    bool json = false;
    DensityOptionsReader densityReader;
    for (const GivenOption &option : given.options) {
        std::optional<std::string> problem;
        if (option.name == "--json") {
            json = true;
        } else if (option.name == "--points") {
            const std::optional<int> read = wholeNumber(option.value, 2, 10000);
            if (!read)
                return refuse(err, who, said(CliText::tr("--points needs a whole number from 2 to 10000")));
            points = *read;
        } else if (option.name == "--shock") {
            const std::optional<ReadResult> read = plainNumber(option.value);
            if (!read || !read->ok() || !(read->value >= 0 && read->value <= 1))
                return refuse(err, who, said(CliText::tr("--shock needs a share from 0 to 1")));
            shock = read->value;
        } else if (densityReader.take(option, problem)) {
            if (problem)
                return refuse(err, who, *problem);
        } else if (const auto refusal = reader.take(option)) {
            return refuseOption(err, who, *refusal);
        }
    }
    if (const auto problem = reader.finish())
        return refuseOption(err, who, *problem);
    const ChosenModel &chosen = reader.model();
    ModelRun run(chosen.entries);
    // The fields hold number texts written just now, so they always read back.
    const StageModel model = chosen.lifeCycle ? *chosen.lifeCycle
                                              : stageModelOf(*currentModelValues(run.simulation));
    DensityChoice choice;
    if (const auto problem = densityReader.finish(model, chosen.yield, choice))
        return refuseValues(err, who, *problem);
    if (!choice.density)
        return refuse(err, who, said(CliText::tr("--density and --capacity are missing: give the form "
                                                 "(beverton-holt, ricker or ceiling) and K, the "
                                                 "density at rest")));
    const DensitySettings &settings = *choice.density;
    YieldSettings yieldSettings;
    yieldSettings.points = points;
    yieldSettings.harvested = choice.harvested;
    const DensityModel density = *makeDensityModel(model, settings).model;
    const YieldOutcome outcome = analyseYield(density, yieldSettings);
    if (outcome.status != YieldStatus::Done)
        return refuseValues(err, who,
                            said(CliText::tr("no positive population rests at K without harvest")));
    const YieldAnalysis &analysis = outcome.analysis;
    std::vector<int> countedStages = settings.counted;
    if (countedStages.empty())
        for (int i = 0; i < model.size(); ++i)
            countedStages.push_back(i);
    const Eigen::VectorXd harvestedMask = stageMask(model.size(), choice.harvested);
    const auto shockTotals = [&](const YieldCurve &curve) {
        std::vector<double> totals;
        const Harvesting h{curve.way, curve.cautious.level, harvestedMask};
        for (const Eigen::VectorXd &n :
             shockProjection(density, h, curve.cautious.settled, *shock, 60))
            totals.push_back(n.sum());
        return totals;
    };

    if (json) {
        QJsonObject strategies;
        for (const YieldCurve &curve : analysis.curves) {
            QJsonArray points;
            for (const YieldPoint &p : curve.points)
                points.append(QJsonArray{p.level, p.yield});
            QJsonObject s{{"msy", curve.best.yield},
                          {"at", curve.best.level},
                          {"settled", numbers(curve.best.settled)},
                          {"settling", settlingName(curve.best.settling)},
                          {"curve", points},
                          {"cautious", QJsonObject{{"at", curve.cautious.level},
                                                   {"yield", curve.cautious.yield},
                                                   {"settled", numbers(curve.cautious.settled)}}},
                          {"smallestFatalShock", curve.smallestFatalShock
                                                     ? QJsonValue(*curve.smallestFatalShock)
                                                     : QJsonValue()}};
            if (curve.way == HarvestWay::Quota)
                s["unstableRestPoint"] = curve.unstableRestPoint
                                             ? QJsonValue(numbers(curve.unstableRestPoint->n))
                                             : QJsonValue();
            if (shock) {
                QJsonArray totals;
                for (const double x : shockTotals(curve))
                    totals.append(x);
                s["shock"] = QJsonObject{{"loss", *shock}, {"totals", totals}};
            }
            strategies[harvestWayKey(curve.way)] = s;
        }
        const QJsonObject root{
            {"density", QJsonObject{{"form", densityFormKey(settings.form)},
                                    {"capacity", settings.capacity},
                                    {"countedStages", stageNames(model, countedStages)}}},
            {"R0", density.R0},
            {"b", settings.form == DensityForm::Ceiling ? QJsonValue() : QJsonValue(density.b)},
            {"restingPopulation", numbers(analysis.resting)},
            {"strategies", strategies}};
        out << QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
        return kExitOk;
    }

    if (!chosen.title.empty())
        out << said(CliText::tr("Model: %1").arg(typed(chosen.title))) << "\n\n";
    const QString form = typed(densityFormShown(settings.form));
    if (settings.form != DensityForm::Ceiling)
        out << said(CliText::tr("Density dependence: %1, K = %2, R0 = %3, b = %4")
                        .arg(form, typed(figure(settings.capacity)), typed(figure(density.R0)),
                             typed(figure(density.b))));
    else
        out << said(CliText::tr("Density dependence: %1, K = %2, R0 = %3")
                        .arg(form, typed(figure(settings.capacity)), typed(figure(density.R0))));
    out << "\n"
        << said(CliText::tr("At rest without harvest, %1 in all:").arg(typed(figure(analysis.resting.sum()))))
        << "\n";
    size_t nameWidth = 0;
    for (const std::string &name : model.stages)
        nameWidth = std::max(nameWidth, shownWidth(name));
    for (int i = 0; i < model.size(); ++i)
        out << "  " << padded(model.stages[size_t(i)], nameWidth + 2) << figure(analysis.resting(i))
            << '\n';
    out << '\n';
    std::vector<std::pair<std::string, size_t>> columns{
        //: Column heads of the yield table: kept short, the table has fixed columns.
        {said(CliText::tr("way")), 12}, {said(CliText::tr("MSY")), 12},
        //: Column head: the level (Q, h or E) at which the MSY lies.
        {said(CliText::tr("at")), 16}, {said(CliText::tr("total at MSY")), 14},
        {said(CliText::tr("90 % of MSY at")), 18}, {said(CliText::tr("unstable rest")), 15},
        {said(CliText::tr("smallest fatal loss")), 0}};
    // A head longer than its column widens it, so no two heads run together.
    for (size_t c = 0; c + 1 < columns.size(); ++c)
        columns[c].second = std::max(columns[c].second, shownWidth(columns[c].first) + 2);
    for (const auto &[name, width] : columns)
        out << padded(name, width);
    out << '\n';
    for (const YieldCurve &curve : analysis.curves) {
        const size_t way = size_t(curve.way);
        const std::string symbol = std::string(kWaySymbols[way]) + " = ";
        const std::vector<std::string> cells{
            harvestWayKey(curve.way), figure(curve.best.yield), symbol + figure(curve.best.level),
            figure(curve.best.settled.sum()), symbol + figure(curve.cautious.level),
            curve.unstableRestPoint ? figure(curve.unstableRestPoint->n.sum()) : "-",
            curve.smallestFatalShock ? figure(100 * *curve.smallestFatalShock) + " %"
                                     //: No loss short of the whole population is fatal.
                                     : said(CliText::tr("none short of all"))};
        for (size_t c = 0; c < cells.size(); ++c)
            out << padded(cells[c], columns[c].second);
        out << '\n';
    }
    bool noted = false;
    for (const YieldCurve &curve : analysis.curves) {
        noted = noted || curve.best.settling == Settling::Cycle
                || curve.best.settling == Settling::Irregular;
        if (curve.best.settling == Settling::Cycle)
            //: %1 is the way of harvesting as typed: quota, rate or escapement.
            out << "\n"
                << said(CliText::tr("Under the %1 the population has no stable rest at its MSY: the "
                                    "yield is the mean over a cycle of %2 steps.")
                            .arg(typed(harvestWayKey(curve.way)), QString::number(curve.best.period)));
        else if (curve.best.settling == Settling::Irregular)
            out << "\n"
                << said(CliText::tr("Under the %1 the population has no stable rest at its MSY: it "
                                    "swings irregularly (chaos), and the yield is the mean over "
                                    "600 steps.")
                            .arg(typed(harvestWayKey(curve.way))));
    }
    if (noted)
        out << '\n';
    if (shock) {
        out << "\n"
            << said(CliText::tr("Total after one bad year that takes %1 % of every stage, each way "
                                "at 90 % of its MSY:")
                        .arg(typed(figure(100 * *shock))))
            << "\n"
            << padded("t", 6);
        for (const YieldCurve &curve : analysis.curves)
            out << padded(harvestWayKey(curve.way), 14);
        out << '\n';
        std::vector<std::vector<double>> totals;
        for (const YieldCurve &curve : analysis.curves)
            totals.push_back(shockTotals(curve));
        for (size_t t = 0; t < totals[0].size(); ++t) {
            out << padded(integerText(int(t)), 6);
            for (const std::vector<double> &way : totals)
                out << padded(figure(way[t]), 14);
            out << '\n';
        }
    }
    return kExitOk;
}

} // namespace

const Command kYieldCommand{
    "yield",
    QT_TRANSLATE_NOOP("CliText",
                      "give the model density dependence and compare the yield curves, MSY and the\n"
                      "one bad year each of a quota, a rate and an escapement survives"),
    yieldHelp, yield};

} // namespace velmora
