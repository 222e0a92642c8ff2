#include "export/tablecsv.h"

namespace velmora {

namespace {

std::string csvCell(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

} // namespace

std::string csvText(const std::vector<std::vector<std::string>> &rows)
{
    std::string out;
    for (const auto &cells : rows) {
        for (size_t c = 0; c < cells.size(); ++c)
            out += (c > 0 ? "," : "") + csvCell(cells[c]);
        out += "\r\n";
    }
    return out;
}

} // namespace velmora
