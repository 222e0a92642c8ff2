#include "cli/analysisoutput.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/modeloptions.h"
#include "demography/analysis.h"

#include <ostream>

namespace velmora {

namespace {

std::vector<AcceptedOption> analyseOptions()
{
    std::vector<AcceptedOption> accepted = kModelOptions;
    accepted.push_back(
        {"--threshold", "N",
         QT_TRANSLATE_NOOP("CliText", "a population counts as gone below N animals (default 1;\n"
                                      "0: only when a projection is rejected)")});
    accepted.push_back({"--json", "",
                        QT_TRANSLATE_NOOP("CliText", "print one JSON object instead of aligned text")});
    accepted.push_back({"--explain", "",
                        QT_TRANSLATE_NOOP("CliText", "as text, explain each figure in a line under it")});
    return accepted;
}

std::string analyseHelp()
{
    return std::string("Usage: velmora-cli analyse [--model FILE] [--matrix LIST] [--n0 LIST] "
                       "[--harvest LIST]\n"
                       "                           [--threshold N] [--json] [--explain]\n\n"
                       "Prints what the Analysis window shows for the model, with N(t) = N(0);\n"
                       "as text, a model file's title comes first.\n\n"
                       "Options:\n")
           + optionsHelp(analyseOptions()) + said(CliText::tr(kValuesHelp))
           + "Exit status 0 when done; 1 with one line on standard error when standard output\n"
             "cannot be written; 2 with one line on standard error, and nothing done, for a bad\n"
             "option or value.\n";
}

int analyse(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    const std::string who = "velmora-cli analyse";
    ReadOptions given;
    if (const auto problem = readOptions(arguments, analyseOptions(), given))
        return refuse(err, who, *problem);
    if (!given.others.empty())
        return refuse(err, who, unexpectedArgument(given.others.front()));
    EditEntries entries;
    bool json = false;
    bool explain = false;
    double threshold = kQuasiExtinction;
    std::string title;
    for (const GivenOption &option : given.options) {
        if (option.name == "--json") {
            json = true;
        } else if (option.name == "--explain") {
            explain = true;
        } else if (option.name == "--threshold") {
            // A number of animals written out in full: a typing slip must not become 0.
            const std::optional<ReadResult> read = plainNumber(option.value);
            if (!read || !read->ok() || !(read->value >= 0))
                return refuse(err, who, "--threshold needs a number of animals, 0 or more");
            threshold = read->value;
        } else if (const auto problem = applyModelOption(option, entries, &title)) {
            return refuseOption(err, who, *problem);
        }
    }
    if (const auto message = brokenRuleOf(entries))
        return refuseValues(err, who, *message);

    ModelRun run(entries);
    PopulationModel model;
    // The fields hold number texts written just now, so they always read back.
    modelFromFields(run.simulation.fields(), model);
    model.extinctionThreshold = threshold;
    const ModelAnalysis analysis = analyseModel(model);
    if (!json && !title.empty())
        out << "Model: " << title << "\n\n";
    out << (json ? analysisJson(analysis) : analysisText(analysis, explain));
    return kExitOk;
}

} // namespace

const Command kAnalyseCommand{
    "analyse",
    "print every figure of the model analysis: lambda, stable age distribution,\n"
    "reproductive values, R0, damping ratio, generation time, harvest\n"
    "equilibrium, the fate of N(0) under the harvest, the largest constant harvest",
    analyseHelp, analyse};

} // namespace velmora
