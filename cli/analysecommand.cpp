#include "exercise/analysisoutput.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/modeloptions.h"
#include "demography/analysis.h"

#include <optional>
#include <ostream>

namespace velmora {

namespace {

std::vector<AcceptedOption> analyseOptions()
{
    return withModelOptions(
        {{"--threshold", "N",
          QT_TRANSLATE_NOOP("CliText", "a population counts as gone below N animals (default 1;\n"
                                       "0: only when a projection is rejected)")},
         {"--json", "",
          QT_TRANSLATE_NOOP("CliText", "print one JSON object instead of aligned text")},
         {"--explain", "",
          QT_TRANSLATE_NOOP("CliText", "as text, explain each figure in a line under it")}});
}

std::string analyseHelp()
{
    return modelCommandHelp(
        {"analyse",
         {"[--threshold N] [--json] [--explain]"},
         {},
         said(CliText::tr("Prints what the Analysis window shows for the model, with N(t) = N(0);\n"
                          "as text, a model file's title comes first. A life cycle of any size is\n"
                          "analysed the same way, its stages by name.\n")),
         said(CliText::tr("Exit status 0 when done; 1 with one line on standard error when standard output\n"
                          "cannot be written; 2 with one line on standard error, and nothing done, for a bad\n"
                          "option or value.\n"))},
        analyseOptions());
}

int analyse(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    const std::string who = "velmora-cli analyse";
    ReadOptions given;
    if (const auto problem = readOptionsOnly(arguments, analyseOptions(), given))
        return refuse(err, who, *problem);
    ModelOptionsReader model(given.options);
    bool json = false;
    bool explain = false;
    double threshold = kQuasiExtinction;
    for (const GivenOption &option : given.options) {
        if (option.name == "--json") {
            json = true;
        } else if (option.name == "--explain") {
            explain = true;
        } else if (option.name == "--threshold") {
            // A number of animals written out in full: a typing slip must not become 0.
            const std::optional<ReadResult> read = plainNumber(option.value);
            if (!read || !read->ok() || !(read->value >= 0))
                return refuse(err, who,
                              said(CliText::tr("--threshold needs a number of animals, 0 or more")));
            threshold = read->value;
        } else if (const auto problem = model.take(option)) {
            return refuseOption(err, who, *problem);
        }
    }
    if (const auto problem = model.finish())
        return refuseOption(err, who, *problem);
    // The JSON is data: its report lines (labels, sentences) stay in English for any reader.
    std::optional<EnglishData> english;
    if (json)
        english.emplace();
    const ChosenModel &chosen = model.model();
    if (chosen.lifeCycle) {
        if (!json && !chosen.title.empty())
            out << said(CliText::tr("Model: %1").arg(typed(chosen.title))) << "\n\n";
        out << (json ? analysisJson(*chosen.lifeCycle, threshold)
                     : analysisText(*chosen.lifeCycle, threshold, explain));
        return kExitOk;
    }

    ModelRun run(chosen.entries);
    PopulationModel analysed;
    // The fields hold number texts written just now, so they always read back.
    modelFromFields(run.simulation.fields(), analysed);
    analysed.extinctionThreshold = threshold;
    const ModelAnalysis analysis = analyseModel(analysed);
    if (!json && !chosen.title.empty())
        out << said(CliText::tr("Model: %1").arg(typed(chosen.title))) << "\n\n";
    out << (json ? analysisJson(analysis) : analysisText(analysis, explain));
    return kExitOk;
}

} // namespace

const Command kAnalyseCommand{
    "analyse",
    QT_TRANSLATE_NOOP("CliText",
                      "print every figure of the model analysis: lambda, stable age distribution,\n"
                      "reproductive values, R0, damping ratio, generation time, harvest\n"
                      "equilibrium, the fate of N(0) under the harvest, the largest constant harvest"),
    analyseHelp, analyse};

} // namespace velmora
