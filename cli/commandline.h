#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace velmora {

// Exit statuses of velmora-cli.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1; // the run was done, but a history file could not be written
constexpr int kExitUsage = 2; // bad command, option or value: nothing was done

// Runs one velmora-cli command line (the arguments after the program name), writing results
// to `out` and the one line of a refused command to `err`; returns the exit status.
int runCommandLine(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err);

} // namespace velmora
