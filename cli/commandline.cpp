#include "cli/commandline.h"

#include "cli/commands.h"

#include <algorithm>
#include <array>
#include <ostream>

namespace velmora {

namespace {

const std::array<const Command *, 4> kCommands{&kAnalyseCommand, &kRunCommand, &kRiskCommand,
                                               &kSaveModelCommand};

std::string generalHelp()
{
    std::string help = "Usage: velmora-cli COMMAND [OPTIONS]\n\nCommands:\n";
    for (const Command *command : kCommands) {
        std::string name = command->name;
        name.resize(12, ' ');
        std::string summary = command->summary;
        // Continuation lines line up under the first.
        for (size_t at = summary.find('\n'); at != std::string::npos;
             at = summary.find('\n', at + 1))
            summary.insert(at + 1, std::string(14, ' '));
        help += "  " + name + summary + "\n";
    }
    return help
           + "\nWithout model options a command uses the default model.\n"
             "\"velmora-cli COMMAND --help\" lists the options of a command.\n";
}

} // namespace

int refuse(std::ostream &err, const std::string &who, const std::string &why)
{
    err << who << ": " << why << " (see " << who << " --help)\n";
    return kExitUsage;
}

int refuseValues(std::ostream &err, const std::string &who, const std::string &message)
{
    err << who << ": " << message << '\n';
    return kExitUsage;
}

int runCommandLine(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    if (arguments.empty())
        return refuse(err, "velmora-cli", "no command given");
    const std::string &name = arguments.front();
    if (name == "--help" || name == "-h") {
        out << generalHelp();
        return kExitOk;
    }
    const auto command = std::find_if(kCommands.begin(), kCommands.end(),
                                      [&name](const Command *c) { return name == c->name; });
    if (command == kCommands.end())
        return refuse(err, "velmora-cli", "unknown command " + name);
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (std::any_of(rest.begin(), rest.end(),
                    [](const std::string &a) { return a == "--help" || a == "-h"; })) {
        out << (*command)->help();
        return kExitOk;
    }
    return (*command)->run(rest, out, err);
}

} // namespace velmora
