// velmora-cli on arbitrary arguments (the input split at line breaks): every command line
// ends with a known status, a refusal with exactly one line and nothing else done. Nothing
// is written to disk: arguments that could name a file to write are dropped. The same
// arguments read as the risk command's and the exercise actions' options: each option is
// handed over once, and a "--name=value" keeps its value byte for byte.
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/riskoptions.h"
#include "fuzz/fuzzcheck.h"

#include <algorithm>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

using namespace velmora;

namespace {

void requireOptionsRead(const std::vector<std::string> &arguments,
                        const std::vector<AcceptedOption> &accepted, const std::string &text)
{
    ReadOptions read;
    if (const auto refusal = readOptions(arguments, accepted, read)) {
        require(!refusal->empty() && refusal->find('\n') == std::string::npos,
                "an option refusal is not one line", text);
        return;
    }
    for (size_t i = 0; i < read.options.size(); ++i) {
        const GivenOption &given = read.options[i];
        const auto known = std::find_if(accepted.begin(), accepted.end(),
                                        [&](const AcceptedOption &a) { return a.name == given.name; });
        require(known != accepted.end(), "an option handed over that is not taken", text);
        for (size_t j = 0; j < i; ++j)
            require(read.options[j].name != given.name, "an option handed over twice", text);
        const std::string spelled = given.name + "=" + given.value;
        if (known->takesValue() && given.value.find('\n') == std::string::npos
            && std::find(arguments.begin(), arguments.end(), spelled) == arguments.end()) {
            const bool asNext = std::adjacent_find(arguments.begin(), arguments.end(),
                                                   [&](const std::string &a, const std::string &b) {
                                                       return a == given.name && b == given.value;
                                                   }) != arguments.end();
            require(asNext, "a value was changed on its way through the parser", text);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    std::vector<std::string> arguments;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("out") != std::string::npos || line.find("save") != std::string::npos)
            continue;
        arguments.push_back(line);
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCommandLine(arguments, out, err);
    require(status == kExitOk || status == kExitFailed || status == kExitUsage,
            "unknown exit status", text);
    const std::string said = err.str();
    if (status == kExitUsage) {
        require(out.str().empty(), "a refused command printed results", text);
        require(!said.empty() && said.find('\n') == said.size() - 1,
                "a refusal is not exactly one line", text);
    }
    if (status == kExitOk)
        require(said.empty(), "a command that succeeded wrote to standard error", text);

    for (const std::vector<AcceptedOption> &accepted :
         {riskOptions(), exerciseOptions("key"), exerciseOptions("mark")})
        requireOptionsRead(arguments, accepted, text);
    return 0;
}
