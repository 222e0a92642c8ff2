#pragma once

#include <cstdio>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace velmora {

// Exit statuses of velmora-cli.
constexpr int kExitOk = 0;
// the run was done, but a file or standard output could not be written, or the command
// stopped on an error of the system
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2; // bad command, option or value: nothing was done

// Runs one velmora-cli command line (the arguments after the program name), writing results
// to `out` and the one line of a refused command to `err`; returns the exit status.
int runCommandLine(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err);

// Runs `command` and returns its status; whatever it throws becomes one line on `err` and
// kExitFailed, never an abort.
int runCaught(const std::function<int()> &command, std::ostream &err);

// The status once everything written to `out` (and, under it, `file`) has reached its place:
// `status`, or kExitFailed with one line on `err` when the output was lost (a full disk, a
// closed pipe), so that a script never takes a lost result for a good one.
int outputChecked(int status, std::ostream &out, std::FILE *file, std::ostream &err);

// The version of velmora-cli, as --version prints it.
std::string versionText();

} // namespace velmora
