#pragma once

#include "cli/options.h"
#include "demography/stagemodel.h"
#include "model/editentries.h"
#include "model/module1.h"
#include "model/simulation.h"
#include "modelfile/modelfile.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

// --model, --matrix, --stages, --transitions, --reproduction, --clonal, --n0 and --harvest:
// the options that set the model. --model is read first, so the others override the file's
// values wherever they stand.
extern const std::vector<AcceptedOption> kModelOptions;
// How the values are read and checked, for the end of a command's help.
extern const char *const kValuesHelp;

// The model options followed by a command's own options, as its help lists them.
std::vector<AcceptedOption> withModelOptions(const std::vector<AcceptedOption> &own);

// The help of a command that takes the model options.
struct ModelCommandHelp {
    std::string command;
    std::vector<std::string> usage;      // the command's own options, one line each
    std::vector<std::string> cycleUsage; // the same with a life cycle, where they differ
    std::string about;                   // what it does
    std::string exitStatus;
};

// The usage lines with the 4-class model and with a life cycle, what the command does, its
// options (`accepted`), how the values are read and the exit statuses.
std::string modelCommandHelp(const ModelCommandHelp &help,
                             const std::vector<AcceptedOption> &accepted);

// The model the model options set, with the texts of --model's file (UTF-8).
struct ChosenModel {
    // The main window's 4-class Leslie model as the editing window's texts, used when there
    // is no `lifeCycle`. A life cycle that is a 4-class Leslie model is given here too, so
    // that everything shown and written of it is what the 4-class model gives.
    EditEntries entries;
    std::optional<StageModel> lifeCycle; // a life cycle that is not a 4-class Leslie model
    std::string title;
    std::string notes;
    std::string source;
    YieldBlocks yield; // --model's density dependence and harvested stages
};

// Reads the model options of one command line into a ChosenModel. Without an option of a
// life cycle (--stages, --transitions, --reproduction, --clonal, or a --model file holding
// one) every option is read and refused as the editing window reads its values; with one,
// --n0, --harvest and the matrices are read for the stages of --stages or of the file.
class ModelOptionsReader {
public:
    // `given`: every option of the command line, in the order they are handed over.
    explicit ModelOptionsReader(const std::vector<GivenOption> &given);

    // Takes one model option; returns its refusal, naming the option, the value and the rule.
    std::optional<Refusal> take(const GivenOption &option);
    // Once every option is taken: the rules of the values together, or the model.
    std::optional<Refusal> finish();

    const ChosenModel &model() const { return m_model; }

private:
    std::optional<Refusal> takeModelFile(const GivenOption &option);
    std::optional<Refusal> buildLifeCycle();
    std::optional<Refusal> applyLifeCycleOption(const GivenOption &option, StageModel &cycle);

    ChosenModel m_model;
    bool m_lifeCycle = false;               // the options set a life cycle
    std::vector<GivenOption> m_cycleOptions; // read by finish(), once the stages are known
    std::optional<StageModel> m_fileCycle;   // --model's model, as a life cycle
    std::string m_firstCycleOption;          // the first option that set a life cycle
};

// The run's step counter and history with the simulation that writes them, set up as the
// main window is after "Go Back" from the editing window with `entries`.
struct ModelRun {
    std::unique_ptr<Module1> history = std::make_unique<Module1>();
    Simulation simulation{*history};

    explicit ModelRun(EditEntries entries);
};

} // namespace velmora
