#pragma once

#include "cli/options.h"
#include "model/editentries.h"
#include "model/module1.h"
#include "model/simulation.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

// --model, --matrix, --n0 and --harvest: the options that set the model. --model is read
// first, so the others override the file's values wherever they stand.
extern const std::vector<AcceptedOption> kModelOptions;
// How the values are read and checked, for the end of a command's help.
extern const char *const kValuesHelp;

// Writes the values of one model option into the editing window's texts. A value must be
// a plain number (a script's typo is refused, not read as the number it starts with) within
// the editing window's rule for it. Returns the refusal, naming the option, value and rule.
std::optional<Refusal> applyModelOption(const GivenOption &option, EditEntries &entries);
// The same; --model also hands over the file's title and notes (UTF-8).
std::optional<Refusal> applyModelOption(const GivenOption &option, EditEntries &entries,
                                        std::string *title, std::string *notes = nullptr);

// The first rule the values together break, in words, or nothing.
std::optional<std::string> brokenRuleOf(const EditEntries &entries);

// The run's step counter and history with the simulation that writes them, set up as the
// main window is after "Go Back" from the editing window with `entries`.
struct ModelRun {
    std::unique_ptr<Module1> history = std::make_unique<Module1>();
    Simulation simulation{*history};

    explicit ModelRun(EditEntries entries);
};

} // namespace velmora
