#pragma once

#include <string>
#include <vector>

namespace velmora {

// A table of texts as CSV (RFC 4180): cells separated by ",", lines by CR LF, and a cell that
// holds a comma, a quote or a line break put in quotes, its quotes doubled.
std::string csvText(const std::vector<std::vector<std::string>> &rows);

} // namespace velmora
