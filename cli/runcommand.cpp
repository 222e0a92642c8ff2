#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/densityoptions.h"
#include "cli/modeloptions.h"
#include "export/historyfiles.h"
#include "export/historywriter.h"
#include "export/safewrite.h"
#include "export/tablecsv.h"
#include "base/numbertext.h"
#include "demography/density.h"
#include "demography/stagemodel.h"
#include "modelfile/modelfile.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <ostream>

namespace velmora {

namespace {

constexpr int kDefaultSteps = 10;

std::vector<AcceptedOption> runOptions()
{
    std::vector<AcceptedOption> accepted = withModelOptions(
        {{"--steps", "K",
          QT_TRANSLATE_NOOP("CliText", "number of steps (Project/Transit pairs), 0 to 1000\n"
                                       "(default 10)")},
         {"--out", "BASE",
          QT_TRANSLATE_NOOP("CliText",
                            "after the run, write the four files \"Save\" writes for the name\n"
                            "BASE.txt: BASE-age structure.txt, BASE-age distribution.txt,\n"
                            "BASE-total population and growth rate.txt and\n"
                            "BASE-growth-birth-death-survival-rate.txt (BASE takes no ending);\n"
                            "a 4-class model only")},
         {"--csv", "FILE",
          QT_TRANSLATE_NOOP("CliText", "also write the table printed into FILE as CSV")}});
    for (const AcceptedOption &option : densityOptions(true))
        accepted.push_back(option);
    return accepted;
}

std::string runHelp()
{
    return modelCommandHelp(
        {"run",
         {"[--steps K] [--out BASE] [--csv FILE]"},
         {"[--steps K] [--csv FILE]"},
         said(CliText::tr(
             "Runs K Project/Transit pairs as the main window does and prints N(t), the\n"
             "total and the growth rate of every step. It stops early at a rejected\n"
             "step or at the end of the simulation, and says so. A life cycle that is not\n"
             "a 4-class Leslie model is stepped as the Life cycle window does,\n"
             "N(t+1) = (U + F + C) N(t) - H with negative stages 0: one row a step with t,\n"
             "each stage by name, the total and the growth rate N(t)/N(t-1).\n"
             "With --density (or a --model file that holds density dependence) the model is\n"
             "stepped that way, F and C scaled by the density, and with --strategy the harvest\n"
             "is a quota, a rate or an escapement in place of H; the table also gives the\n"
             "yield of each step.\n")),
         said(CliText::tr(
             "Exit status 0 when done; 1 with one line on standard error when a step was\n"
             "refused (a number beyond the range of a double), a history or CSV file cannot\n"
             "be written (the files hold the steps that were run; the files before a failed\n"
             "one stay written) or standard output cannot be written; 2 with one line on\n"
             "standard error, and nothing done, for a bad option or value.\n"))},
        runOptions());
}

// The base name as the file system spells it; refused (empty) where the export would refuse
// it, and where it names a folder, whose files would be hidden names starting with "-".
std::optional<QString> parseBase(const std::string &text)
{
    const QString base = QFile::decodeName(QByteArray::fromStdString(text));
    if (base.isEmpty() || base.endsWith(u'/'))
        return std::nullopt;
    return base;
}

std::string oneLine(std::string text)
{
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

// The words of a table's head that the terminal shows translated; the CSV keeps them as
// they are, since a script reads its columns by name.
const char *const kTotalHead = QT_TRANSLATE_NOOP("CliText", "total");
//: A column head of the run table: N(t)/N(t-1).
const char *const kGrowthHead = QT_TRANSLATE_NOOP("CliText", "growth rate");
//: A column head of the run table: what the harvest took in the step.
const char *const kYieldHead = QT_TRANSLATE_NOOP("CliText", "yield");

// What a run printed: its table and the sentence that ends it.
struct StepTable {
    std::vector<std::vector<std::string>> rows; // the head (as the CSV has it), then a row a step
    size_t wordsFrom = 0; // the first column whose head is a word (before it: t and the stages)
    std::string ending;
    std::optional<std::string> refused; // why a step was refused, if one was
};

// Runs the steps as the main window does.
StepTable leslieSteps(int steps, ModelRun &run)
{
    Simulation &sim = run.simulation;
    std::string message;
    sim.onMessage = [&message](const ModelMessage &m) { message = m.text; };

    const MainFields &f = sim.fields();
    StepTable table;
    table.rows.push_back({"t", "N0", "N1", "N2", "N3", kTotalHead, kGrowthHead});
    table.wordsFrom = 5;
    table.rows.push_back({f.simu0, f.n1[0], f.n1[1], f.n1[2], f.n1[3], f.total1, ""});
    table.ending = said(CliText::tr("Ran %1 Project/Transit pairs.").arg(steps));
    for (int k = 1; k <= steps; ++k) {
        const ProjectionOutcome outcome = sim.Projection();
        if (outcome == ProjectionOutcome::Counted) {
            table.rows.push_back({f.simut, f.n2[0], f.n2[1], f.n2[2], f.n2[3], f.total2, f.growrate});
            sim.Transition();
            continue;
        }
        const QString done =
            CliText::tr("Stopped after %1 of %2 Project/Transit pairs.").arg(k - 1).arg(steps);
        if (outcome == ProjectionOutcome::Rejected)
            table.ending = said(CliText::tr("The projection to t = %1 was rejected: Population "
                                            "size = 0. %2")
                                    .arg(typed(f.simut), done));
        else if (outcome == ProjectionOutcome::Ended)
            table.ending = said(CliText::tr("Population size = 0.  End of simulation."));
        else
            table.refused = table.ending = oneLine(message) + " " + said(done);
        break;
    }
    return table;
}

// A value as the table shows it, where its text reads back as a number.
std::optional<std::string> shownValue(double value)
{
    std::string text = numberText(value);
    if (!std::isfinite(value) || !strictValue(text).ok())
        return std::nullopt;
    return text;
}

// How a life cycle is stepped: linearly, or with density dependence and perhaps a way of
// harvesting in place of H.
struct CycleStepping {
    std::optional<DensityModel> density;
    std::optional<Harvesting> harvesting;
};

// Steps a life cycle as the Life cycle window does; a population that is gone ends the run.
StepTable lifeCycleSteps(int steps, const StageModel &cycle, const CycleStepping &stepping)
{
    StepTable table;
    std::vector<std::string> head{"t"};
    head.insert(head.end(), cycle.stages.begin(), cycle.stages.end());
    head.insert(head.end(), {kTotalHead, kGrowthHead});
    if (stepping.harvesting)
        head.push_back(kYieldHead);
    table.wordsFrom = size_t(cycle.size()) + 1;
    table.rows.push_back(head);
    table.ending = said(steps == 1 ? CliText::tr("Ran 1 step.") : CliText::tr("Ran %1 steps.").arg(steps));

    // The checks of the options let only numbers through that the table shows.
    Eigen::VectorXd n = cycle.n0;
    double total = n.sum();
    const auto addRow = [&table, &stepping](int t, const Eigen::VectorXd &values, double sum,
                                            const std::string &growth, double taken) {
        std::vector<std::string> cells{integerText(t)};
        for (const double value : values)
            cells.push_back(*shownValue(value));
        cells.insert(cells.end(), {*shownValue(sum), growth});
        if (stepping.harvesting)
            cells.push_back(t == 0 ? std::string() : *shownValue(taken));
        table.rows.push_back(std::move(cells));
    };
    addRow(0, n, total, "", 0.0);
    for (int t = 1; t <= steps; ++t) {
        const QString done = CliText::tr("Stopped after %1 of %2 steps.").arg(t - 1).arg(steps);
        if (total == 0) {
            table.ending = said(CliText::tr("Population size = 0 at t = %1: nothing is left to "
                                            "project. %2")
                                    .arg(t - 1)
                                    .arg(done));
            break;
        }
        double taken = 0.0;
        const Eigen::VectorXd next =
            stepping.harvesting ? harvestedStep(*stepping.density, *stepping.harvesting, n, &taken)
            : stepping.density  ? densityStep(*stepping.density, n)
                                : stageStep(cycle, n);
        const double nextTotal = next.sum();
        const auto growth = shownValue(nextTotal / total);
        const bool shown = growth && shownValue(nextTotal)
                           && std::all_of(next.begin(), next.end(),
                                          [](double value) { return shownValue(value).has_value(); });
        if (!shown) {
            table.refused = table.ending =
                said(CliText::tr("The step to t = %1 gives a number beyond the range of a "
                                 "double. %2")
                         .arg(t)
                         .arg(done));
            break;
        }
        addRow(t, next, nextTotal, *growth, taken);
        n = next;
        total = nextTotal;
    }
    return table;
}

// The width of a cell on the terminal: its characters, not its bytes.
size_t shownWidth(const std::string &text)
{
    return size_t(QString::fromStdString(text).size());
}

void printTable(const StepTable &table, std::ostream &out)
{
    std::vector<std::vector<std::string>> rows = table.rows;
    for (size_t c = table.wordsFrom; c < rows.front().size(); ++c)
        rows.front()[c] = said(CliText::tr(rows.front()[c].c_str()));
    std::vector<size_t> widths(rows.front().size(), 0);
    for (const auto &cells : rows)
        for (size_t c = 0; c < cells.size(); ++c)
            widths[c] = std::max(widths[c], shownWidth(cells[c]));
    for (const auto &cells : rows) {
        std::string line;
        for (size_t c = 0; c < cells.size(); ++c)
            line += std::string(widths[c] - shownWidth(cells[c]) + (c > 0 ? 2 : 0), ' ') + cells[c];
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
    out << table.ending << '\n';
}

std::string fileText(const QString &fileName)
{
    return QFile::encodeName(fileName).toStdString();
}

// Writes the history files of the run as "Save" does; reports a file that failed.
int writeFiles(Module1 &history, const QString &base, const std::string &who, std::ostream &out,
               std::ostream &err)
{
    const ExportResult result = writeHistoryFiles(history, base);
    if (!result.ok()) {
        // The base was checked on reading, so only a file can fail here.
        const QString file = QString::fromStdString(fileText(result.fileName));
        const QString reason = QString::fromStdString(oneLine(result.reason.toStdString()));
        err << who << ": "
            << said(result.fileName != historyFileName(base, HistoryFile::Rates)
                        ? CliText::tr("the file \"%1\" could not be written: %2; the files after it "
                                      "were not written")
                              .arg(file, reason)
                        : CliText::tr("the file \"%1\" could not be written: %2").arg(file, reason))
            << '\n';
        return kExitFailed;
    }
    for (const HistoryFile file : kHistoryFiles)
        out << said(CliText::tr("Wrote %1").arg(typed(fileText(historyFileName(base, file))))) << '\n';
    return kExitOk;
}

// Writes the table as CSV; reports the failure.
int writeCsv(const StepTable &table, const std::string &file, const std::string &who,
             std::ostream &out, std::ostream &err)
{
    const QString fileName = QFile::decodeName(QByteArray::fromStdString(file));
    if (const auto failure = writeFileSafely(fileName, QByteArray::fromStdString(csvText(table.rows)))) {
        err << who << ": "
            << said(CliText::tr("the file \"%1\" could not be written: %2")
                        .arg(typed(file), typed(oneLine(failure->reason.toStdString()))))
            << '\n';
        return kExitFailed;
    }
    out << said(CliText::tr("Wrote %1").arg(typed(file))) << '\n';
    return kExitOk;
}

int runCommand(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    const std::string who = "velmora-cli run";
    ReadOptions given;
    if (const auto problem = readOptionsOnly(arguments, runOptions(), given))
        return refuse(err, who, *problem);
    ModelOptionsReader model(given.options);
    DensityOptionsReader densityReader;
    int steps = kDefaultSteps;
    std::optional<QString> base;
    std::optional<std::string> csv;
    for (const GivenOption &option : given.options) {
        std::optional<std::string> densityProblem;
        if (densityReader.take(option, densityProblem)) {
            if (densityProblem)
                return refuse(err, who, *densityProblem);
        } else if (option.name == "--steps") {
            const auto value = wholeNumber(option.value, 0, kLastTime);
            if (!value)
                return refuse(err, who,
                              said(CliText::tr("--steps needs a whole number from 0 to %1")
                                       .arg(kLastTime)));
            steps = *value;
        } else if (option.name == "--out") {
            if (option.value.empty())
                return refuse(err, who, said(CliText::tr("--out needs a base name")));
            base = parseBase(option.value);
            if (!base)
                return refuse(err, who,
                              said(CliText::tr("--out \"%1\" names a folder; give a base name in "
                                               "it, such as \"%1run\"")
                                       .arg(typed(option.value))));
        } else if (option.name == "--csv") {
            if (option.value.empty() || option.value.back() == '/')
                return refuse(err, who, said(CliText::tr("--csv \"%1\" needs a file name")
                                                 .arg(typed(option.value))));
            csv = option.value;
        } else if (const auto problem = model.take(option)) {
            return refuseOption(err, who, *problem);
        }
    }
    if (const auto problem = model.finish())
        return refuseOption(err, who, *problem);

    const ChosenModel &chosen = model.model();
    std::optional<ModelRun> run;
    StepTable table;
    std::optional<StageModel> cycle = chosen.lifeCycle;
    DensityChoice choice;
    {
        const ModelRun values(chosen.entries);
        // The fields hold number texts written just now, so they always read back.
        const StageModel stages =
            cycle ? *cycle : stageModelOf(*currentModelValues(values.simulation));
        if (const auto problem = densityReader.finish(stages, chosen.yield, choice))
            return refuseValues(err, who, *problem);
        // The main window steps the linear model only: density dependence is a life cycle's.
        if (choice.density)
            cycle = stages;
    }
    if (cycle) {
        if (base)
            return refuse(err, who,
                          said(chosen.lifeCycle
                                   ? CliText::tr("--out \"%1\": the four history files are those "
                                                 "of a 4-class model, and this model is a life "
                                                 "cycle of %2 stages: write its table with --csv FILE")
                                         .arg(typed(fileText(*base)),
                                              QString::number(cycle->size()))
                                   : CliText::tr("--out \"%1\": the four history files are those "
                                                 "of the linear model, and this run has density "
                                                 "dependence: write its table with --csv FILE")
                                         .arg(typed(fileText(*base)))));
        CycleStepping stepping;
        if (choice.density) {
            stepping.density = makeDensityModel(*cycle, *choice.density).model;
            if (choice.way)
                stepping.harvesting =
                    Harvesting{*choice.way, choice.level, stageMask(cycle->size(), choice.harvested)};
        }
        table = lifeCycleSteps(steps, *cycle, stepping);
    } else {
        run.emplace(chosen.entries);
        table = leslieSteps(steps, *run);
    }
    printTable(table, out);
    // The files hold the steps that were run, also when a refused step ended the run early.
    int written = base ? writeFiles(*run->history, *base, who, out, err) : kExitOk;
    if (csv && writeCsv(table, *csv, who, out, err) != kExitOk)
        written = kExitFailed;
    if (table.refused) {
        err << who << ": " << *table.refused << '\n';
        return kExitFailed;
    }
    return written;
}

} // namespace

const Command kRunCommand{"run",
                          QT_TRANSLATE_NOOP("CliText",
                                            "run Project/Transit steps of a model or a life cycle, "
                                            "print every step,\n"
                                            "write the table with --csv and, with --out, the four "
                                            "history files\n"
                                            "that \"Save\" writes"),
                          runHelp, runCommand};

} // namespace velmora
