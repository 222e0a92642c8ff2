#pragma once

#include "cli/options.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace velmora {

// One command of velmora-cli.
struct Command {
    const char *name;
    const char *summary; // its lines in the general help, without the name
    std::string (*help)();
    // Runs the command on the arguments after its name; returns the exit status.
    int (*run)(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err);
};

extern const Command kAnalyseCommand;
extern const Command kRunCommand;
extern const Command kSaveModelCommand;
extern const Command kRiskCommand;
extern const Command kYieldCommand;
extern const Command kExerciseCommand;

// The options of "exercise key", "exercise check" or "exercise mark", by the action's name.
std::vector<AcceptedOption> exerciseOptions(const std::string &action);

// Writes the one line of a refused command line to `err`; returns the usage status.
int refuse(std::ostream &err, const std::string &who, const std::string &why);

// The one line of a command that was refused for a broken rule of the values.
int refuseValues(std::ostream &err, const std::string &who, const std::string &message);

// refuse() or refuseValues(), as the refusal says.
int refuseOption(std::ostream &err, const std::string &who, const Refusal &refusal);

} // namespace velmora
