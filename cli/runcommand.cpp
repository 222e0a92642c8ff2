#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/modeloptions.h"
#include "export/historyfiles.h"
#include "export/historywriter.h"

#include <QFile>

#include <algorithm>
#include <ostream>

namespace velmora {

namespace {

constexpr int kDefaultSteps = 10;

std::vector<AcceptedOption> runOptions()
{
    std::vector<AcceptedOption> accepted = kModelOptions;
    accepted.push_back({"--steps", "K",
                        QT_TRANSLATE_NOOP("CliText",
                                          "number of Project/Transit pairs, 0 to 1000 (default 10)")});
    accepted.push_back(
        {"--out", "BASE",
         QT_TRANSLATE_NOOP("CliText",
                           "after the run, write the four files \"Save\" writes for the name\n"
                           "BASE.txt: BASE-age structure.txt, BASE-age distribution.txt,\n"
                           "BASE-total population and growth rate.txt and\n"
                           "BASE-growth-birth-death-survival-rate.txt (BASE takes no ending)")});
    return accepted;
}

std::string runHelp()
{
    return std::string("Usage: velmora-cli run [--model FILE] [--matrix LIST] [--n0 LIST] "
                       "[--harvest LIST]\n"
                       "                       [--steps K] [--out BASE]\n\n"
                       "Runs K Project/Transit pairs as the main window does and prints N(t), the\n"
                       "total and the growth rate of every step. It stops early at a rejected\n"
                       "step or at the end of the simulation, and says so.\n\n"
                       "Options:\n")
           + optionsHelp(runOptions()) + said(CliText::tr(kValuesHelp))
           + "Exit status 0 when done; 1 with one line on standard error when a step was\n"
             "refused (a number beyond the range of a double), a history file cannot be\n"
             "written (the files hold the steps that were run; the files before a failed one\n"
             "stay written) or standard output cannot be written; 2 with one line on standard\n"
             "error, and nothing done, for a bad option or value.\n";
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

// Runs the steps and prints the table; returns why a step was refused, if one was.
std::optional<std::string> runSteps(int steps, ModelRun &run, std::ostream &out)
{
    Simulation &sim = run.simulation;
    std::string message;
    sim.onMessage = [&message](const ModelMessage &m) { message = m.text; };

    const MainFields &f = sim.fields();
    std::vector<std::vector<std::string>> rows;
    rows.push_back({"t", "N0", "N1", "N2", "N3", "total", "growth rate"});
    rows.push_back({f.simu0, f.n1[0], f.n1[1], f.n1[2], f.n1[3], f.total1, ""});

    std::optional<std::string> refused;
    std::string ending = "Ran " + std::to_string(steps) + " Project/Transit pairs.";
    for (int k = 1; k <= steps; ++k) {
        const ProjectionOutcome outcome = sim.Projection();
        if (outcome == ProjectionOutcome::Counted) {
            rows.push_back({f.simut, f.n2[0], f.n2[1], f.n2[2], f.n2[3], f.total2, f.growrate});
            sim.Transition();
            continue;
        }
        const std::string done = " Stopped after " + std::to_string(k - 1) + " of "
                                 + std::to_string(steps) + " Project/Transit pairs.";
        if (outcome == ProjectionOutcome::Rejected)
            ending = "The projection to t = " + f.simut + " was rejected: Population size = 0."
                     + done;
        else if (outcome == ProjectionOutcome::Ended)
            ending = "Population size = 0.  End of simulation.";
        else
            refused = ending = oneLine(message) + done;
        break;
    }

    std::vector<size_t> widths(rows.front().size(), 0);
    for (const auto &cells : rows)
        for (size_t c = 0; c < cells.size(); ++c)
            widths[c] = std::max(widths[c], cells[c].size());
    for (const auto &cells : rows) {
        std::string line;
        for (size_t c = 0; c < cells.size(); ++c)
            line += std::string(widths[c] - cells[c].size() + (c > 0 ? 2 : 0), ' ') + cells[c];
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
    out << ending << '\n';
    return refused;
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
        err << who << ": the file \"" << fileText(result.fileName)
            << "\" could not be written: " << oneLine(result.reason.toStdString());
        if (result.fileName != historyFileName(base, HistoryFile::Rates))
            err << "; the files after it were not written";
        err << '\n';
        return kExitFailed;
    }
    for (const HistoryFile file : kHistoryFiles)
        out << "Wrote " << fileText(historyFileName(base, file)) << '\n';
    return kExitOk;
}

int runCommand(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    const std::string who = "velmora-cli run";
    ReadOptions given;
    if (const auto problem = readOptions(arguments, runOptions(), given))
        return refuse(err, who, *problem);
    if (!given.others.empty())
        return refuse(err, who, unexpectedArgument(given.others.front()));
    EditEntries entries;
    int steps = kDefaultSteps;
    std::optional<QString> base;
    for (const GivenOption &option : given.options) {
        if (option.name == "--steps") {
            const auto value = wholeNumber(option.value, 0, kLastTime);
            if (!value)
                return refuse(err, who, "--steps needs a whole number from 0 to "
                                            + std::to_string(kLastTime));
            steps = *value;
        } else if (option.name == "--out") {
            if (option.value.empty())
                return refuse(err, who, "--out needs a base name");
            base = parseBase(option.value);
            if (!base)
                return refuse(err, who,
                              "--out \"" + option.value
                                  + "\" names a folder; give a base name in it, such as \""
                                  + option.value + "run\"");
        } else if (const auto problem = applyModelOption(option, entries)) {
            return refuseOption(err, who, *problem);
        }
    }
    if (const auto message = brokenRuleOf(entries))
        return refuseValues(err, who, *message);

    ModelRun run(entries);
    const std::optional<std::string> refused = runSteps(steps, run, out);
    // The files hold the steps that were run, also when a refused step ended the run early.
    const int written = base ? writeFiles(*run.history, *base, who, out, err) : kExitOk;
    if (refused) {
        err << who << ": " << *refused << '\n';
        return kExitFailed;
    }
    return written;
}

} // namespace

const Command kRunCommand{"run",
                          "run Project/Transit steps of a model, print every step and, with "
                          "--out,\nwrite the four history files that \"Save\" writes",
                          runHelp, runCommand};

} // namespace velmora
