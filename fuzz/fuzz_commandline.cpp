// velmora-cli on arbitrary arguments (the input split at line breaks): every command line
// ends with a known status, a refusal with exactly one line and nothing else done. Nothing
// is written to disk: arguments that could name a file to write are dropped.
#include "cli/commandline.h"
#include "fuzz/fuzzcheck.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

using namespace velmora;

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
    return 0;
}
