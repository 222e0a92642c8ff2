#include "cli/commandline.h"

#include "cli/analysisoutput.h"
#include "export/historyfiles.h"
#include "export/historywriter.h"
#include "model/analysis.h"
#include "model/defaultmodel.h"
#include "model/editentries.h"
#include "model/numbertext.h"
#include "model/simulation.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <ostream>

namespace velmora {

namespace {

constexpr int kDefaultSteps = 10;

const char *const kGeneralHelp =
    "Usage: velmora-cli COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  analyse   print every figure of the model analysis: lambda, stable age distribution,\n"
    "            reproductive values, R0, damping ratio, generation time, harvest\n"
    "            equilibrium, the fate of N(0) under the harvest, the largest constant harvest\n"
    "  run       run Project/Transit steps of a model, print every step and, with --out,\n"
    "            write the four history files that \"Save\" writes\n"
    "\n"
    "Without model options a command uses the default model.\n"
    "\"velmora-cli COMMAND --help\" lists the options of a command.\n";

const char *const kModelOptionsHelp =
    "  --matrix LIST    fecundities f0,f1,f2,f3 and survival rates s0,s1,s2\n"
    "                   (default 0,1,2,1,0.5,1,0.5)\n"
    "  --n0 LIST        N(0): four numbers (default 10,10,10,10)\n"
    "  --harvest LIST   H: four numbers (default 5,0,0,0)\n";

const char *const kHelpOption = "  -h, --help       show this help\n";

const char *const kValuesHelp =
    "\n"
    "Each value is read like the editing window reads it (\"12abc\" is 12, \"abc\" is 0) and\n"
    "checked with its rules: survival rates at most 1, everything else at least 0, no\n"
    "number too large; a broken rule is refused with the window's message.\n";

const char *const kUsageStatus =
    "Exit status 0 when done; 2 with one line on standard error, and nothing done,\n"
    "for a bad option or value.\n";

std::string analyseHelp()
{
    return std::string("Usage: velmora-cli analyse [--matrix LIST] [--n0 LIST] [--harvest LIST] "
                       "[--threshold N] [--json]\n\n"
                       "Prints what the Analysis window shows for the model, with N(t) = N(0).\n\n"
                       "Options:\n")
           + kModelOptionsHelp
           + "  --threshold N    a population counts as gone below N animals (default 1;\n"
             "                   0: only when a projection is rejected)\n"
             "  --json           print one JSON object instead of aligned text\n"
           + kHelpOption + kValuesHelp + kUsageStatus;
}

std::string runHelp()
{
    return std::string("Usage: velmora-cli run [--matrix LIST] [--n0 LIST] [--harvest LIST] "
                       "[--steps K] [--out BASE]\n\n"
                       "Runs K Project/Transit pairs as the main window does and prints N(t), the\n"
                       "total and the growth rate of every step. It stops early at a rejected\n"
                       "step or at the end of the simulation, and says so.\n\n"
                       "Options:\n")
           + kModelOptionsHelp
           + "  --steps K        number of Project/Transit pairs, 0 to 1000 (default 10)\n"
             "  --out BASE       after the run, write the four files \"Save\" writes for the name\n"
             "                   BASE.txt: BASE-age structure.txt, BASE-age distribution.txt,\n"
             "                   BASE-total population and growth rate.txt and\n"
             "                   BASE-growth-birth-death-survival-rate.txt (BASE takes no ending)\n"
           + kHelpOption + kValuesHelp
           + "Exit status 0 when done; 1 with one line on standard error when a history file\n"
             "cannot be written (the files before it stay written); 2 with one line on\n"
             "standard error, and nothing done, for a bad option or value.\n";
}

struct Options {
    EditEntries entries; // the editing window's texts, with its defaults
    bool json = false;
    double threshold = kQuasiExtinction;
    int steps = kDefaultSteps;
    std::optional<QString> out;
};

// Splits "a,b,c" into exactly `count` texts; false for any other count.
template <size_t N>
bool splitValues(const std::string &text, std::array<std::string, N> &values)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string::npos ? std::string::npos
                                                                       : comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    if (parts.size() != N)
        return false;
    std::copy(parts.begin(), parts.end(), values.begin());
    return true;
}

bool parseMatrix(const std::string &text, EditEntries &entries)
{
    std::array<std::string, kVitalRateCells.size()> values;
    if (!splitValues(text, values))
        return false;
    for (size_t i = 0; i < values.size(); ++i)
        entries.m1[kVitalRateCells[i]] = values[i];
    return true;
}

// A number of animals, 0 or more, written out in full: a typing slip must not become 0.
bool parseThreshold(const std::string &text, double &threshold)
{
    const ReadResult read = strictValue(text);
    if (!read.ok() || !(read.value >= 0) || !std::isfinite(read.value))
        return false;
    threshold = read.value;
    return true;
}

bool parseSteps(const std::string &text, int &steps)
{
    if (text.empty() || text.size() > 4
        || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    steps = std::stoi(text);
    return steps <= kLastTime;
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

// Reads the options of `command`; returns the refusal, or nothing when all were understood.
std::optional<std::string> parseOptions(const std::string &command,
                                        const std::vector<std::string> &arguments, Options &options)
{
    const bool analyse = command == "analyse";
    for (size_t i = 1; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        const size_t equals = name.find('=');
        if (name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.erase(equals);
        }
        if (analyse && name == "--json" && !value) {
            options.json = true;
            continue;
        }
        const bool takesValue = name == "--matrix" || name == "--n0" || name == "--harvest"
                                || (analyse && name == "--threshold")
                                || (!analyse && (name == "--steps" || name == "--out"));
        if (!takesValue)
            return "unknown option " + arguments[i];
        if (!value) {
            if (i + 1 >= arguments.size())
                return "option " + name + " needs a value";
            value = arguments[++i];
        }
        if (name == "--matrix" && !parseMatrix(*value, options.entries))
            return "--matrix needs 7 comma-separated values: f0,f1,f2,f3,s0,s1,s2";
        if (name == "--n0" && !splitValues(*value, options.entries.n0))
            return "--n0 needs 4 comma-separated values";
        if (name == "--harvest" && !splitValues(*value, options.entries.Harvest1))
            return "--harvest needs 4 comma-separated values";
        if (name == "--threshold" && !parseThreshold(*value, options.threshold))
            return "--threshold needs a number of animals, 0 or more";
        if (name == "--steps" && !parseSteps(*value, options.steps))
            return "--steps needs a whole number from 0 to " + std::to_string(kLastTime);
        if (name == "--out") {
            options.out = parseBase(*value);
            if (value->empty())
                return "--out needs a base name";
            if (!options.out)
                return "--out \"" + *value + "\" names a folder; give a base name in it, such as \""
                       + *value + "run\"";
        }
    }
    return std::nullopt;
}

// The run's step counter and history with the simulation that writes them, set up as the
// main window is after "Go Back" from the editing window with `entries`.
struct Run {
    std::unique_ptr<Module1> history = std::make_unique<Module1>();
    Simulation simulation{*history};

    explicit Run(EditEntries entries)
    {
        simulation.startUp();
        entries.goBack(simulation);
    }
};

int analyse(const Options &options, std::ostream &out)
{
    Run run(options.entries);
    PopulationModel model;
    // The fields hold number texts written just now, so they always read back.
    modelFromFields(run.simulation.fields(), model);
    model.extinctionThreshold = options.threshold;
    const ModelAnalysis analysis = analyseModel(model);
    out << (options.json ? analysisJson(analysis) : analysisText(analysis));
    return kExitOk;
}

std::string oneLine(std::string text)
{
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

// Runs the steps and prints the table; the run's history is left in `run`.
void runSteps(const Options &options, Run &run, std::ostream &out)
{
    Simulation &sim = run.simulation;
    std::string message;
    sim.onMessage = [&message](const ModelMessage &m) { message = m.text; };

    const MainFields &f = sim.fields();
    std::vector<std::vector<std::string>> rows;
    rows.push_back({"t", "N0", "N1", "N2", "N3", "total", "growth rate"});
    rows.push_back({f.simu0, f.n1[0], f.n1[1], f.n1[2], f.n1[3], f.total1, ""});

    std::string ending = "Ran " + std::to_string(options.steps) + " Project/Transit pairs.";
    for (int k = 1; k <= options.steps; ++k) {
        const ProjectionOutcome outcome = sim.Projection();
        if (outcome == ProjectionOutcome::Counted) {
            rows.push_back({f.simut, f.n2[0], f.n2[1], f.n2[2], f.n2[3], f.total2, f.growrate});
            sim.Transition();
            continue;
        }
        const std::string done = " Stopped after " + std::to_string(k - 1) + " of "
                                 + std::to_string(options.steps) + " Project/Transit pairs.";
        if (outcome == ProjectionOutcome::Rejected)
            ending = "The projection to t = " + f.simut + " was rejected: Population size = 0."
                     + done;
        else if (outcome == ProjectionOutcome::Ended)
            ending = "Population size = 0.  End of simulation.";
        else
            ending = oneLine(message) + done;
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

} // namespace

int runCommandLine(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    auto refuse = [&err](const std::string &who, const std::string &why) {
        err << who << ": " << why << " (see " << who << " --help)\n";
        return kExitUsage;
    };
    if (arguments.empty())
        return refuse("velmora-cli", "no command given");
    const std::string &command = arguments.front();
    if (command == "--help" || command == "-h") {
        out << kGeneralHelp;
        return kExitOk;
    }
    if (command != "analyse" && command != "run")
        return refuse("velmora-cli", "unknown command " + command);

    const std::string who = "velmora-cli " + command;
    if (std::any_of(arguments.begin() + 1, arguments.end(),
                    [](const std::string &a) { return a == "--help" || a == "-h"; })) {
        out << (command == "analyse" ? analyseHelp() : runHelp());
        return kExitOk;
    }
    Options options;
    if (const auto problem = parseOptions(command, arguments, options))
        return refuse(who, *problem);
    const BrokenRule rule = options.entries.check();
    if (rule != BrokenRule::None) {
        err << who << ": " << brokenRuleMessage(rule) << '\n';
        return kExitUsage;
    }
    if (command == "analyse")
        return analyse(options, out);
    Run run(options.entries);
    runSteps(options, run, out);
    return options.out ? writeFiles(*run.history, *options.out, who, out, err) : kExitOk;
}

} // namespace velmora
