#pragma once

#include "base/numbertext.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora {

// One option a command takes.
struct AcceptedOption {
    std::string name; // "--steps"
    bool takesValue = true;
    bool readFirst = false; // handed over before the others, wherever it was given
};

// An option as it was given: "--steps 5" and "--steps=5" alike.
struct GivenOption {
    std::string name;
    std::string value; // empty for a switch
    std::string spelled; // as typed, for messages
};

// Reads the arguments after the command name against the options the command takes, in
// the order given (those read first ahead of the others); returns the refusal (one line), or
// nothing when all were understood.
std::optional<std::string> readOptions(const std::vector<std::string> &arguments,
                                       const std::vector<AcceptedOption> &accepted,
                                       std::vector<GivenOption> &given);

// Splits "a,b,c" into its comma-separated texts (one text for no comma).
std::vector<std::string> splitList(const std::string &text);

// A whole number from `low` to `high` in plain decimal digits, or nothing.
std::optional<int> wholeNumber(const std::string &text, int low, int high);

// A plain number as a script would write it (blanks, a sign, digits with one ".", an
// exponent), or nothing. A number beyond the range of a double is still a number here, read
// with the status OutOfRange, so each caller decides what such a number means.
std::optional<ReadResult> plainNumber(const std::string &text);

} // namespace velmora
