#include "cli/analysisoutput.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/modeloptions.h"
#include "demography/analysis.h"

#include <ostream>

namespace velmora {

namespace {

std::string analyseHelp()
{
    return std::string("Usage: velmora-cli analyse [--model FILE] [--matrix LIST] [--n0 LIST] "
                       "[--harvest LIST]\n"
                       "                           [--threshold N] [--json]\n\n"
                       "Prints what the Analysis window shows for the model, with N(t) = N(0);\n"
                       "as text, a model file's title comes first.\n\n"
                       "Options:\n")
           + kModelOptionsHelp
           + "  --threshold N    a population counts as gone below N animals (default 1;\n"
             "                   0: only when a projection is rejected)\n"
             "  --json           print one JSON object instead of aligned text\n"
             "  -h, --help       show this help\n"
           + kValuesHelp
           + "Exit status 0 when done; 2 with one line on standard error, and nothing done,\n"
             "for a bad option or value.\n";
}

int analyse(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    const std::string who = "velmora-cli analyse";
    std::vector<AcceptedOption> accepted = kModelOptions;
    accepted.push_back({"--threshold"});
    accepted.push_back({"--json", false});
    std::vector<GivenOption> given;
    if (const auto problem = readOptions(arguments, accepted, given))
        return refuse(err, who, *problem);
    EditEntries entries;
    bool json = false;
    double threshold = kQuasiExtinction;
    std::string title;
    for (const GivenOption &option : given) {
        if (option.name == "--json") {
            json = true;
        } else if (option.name == "--threshold") {
            // A number of animals written out in full: a typing slip must not become 0.
            const std::optional<ReadResult> read = plainNumber(option.value);
            if (!read || !read->ok() || !(read->value >= 0))
                return refuse(err, who, "--threshold needs a number of animals, 0 or more");
            threshold = read->value;
        } else if (const auto problem = applyModelOption(option, entries, &title)) {
            return refuse(err, who, *problem);
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
    out << (json ? analysisJson(analysis) : analysisText(analysis));
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
