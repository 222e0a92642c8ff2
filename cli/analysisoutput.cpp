#include "cli/analysisoutput.h"

#include "model/analysisreport.h"
#include "model/numbertext.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace velmora {

namespace {

constexpr size_t kCellWidth = 12;
constexpr size_t kTextWidth = 60; // sentences wrap at this width, in the figures' column

// The words of `text` in lines of at most `width` characters (a longer word stands alone).
std::vector<std::string> wrapped(const std::string &text, size_t width)
{
    std::vector<std::string> lines;
    std::string line;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(start, end - start);
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        start = end + 1;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

std::string padLeft(const std::string &text, size_t width)
{
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string padRight(const std::string &text, size_t width)
{
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

std::string row(const std::string &label, size_t labelWidth, const std::vector<std::string> &cells)
{
    std::string line = padRight(label, labelWidth);
    for (const std::string &cell : cells)
        line += padLeft(cell, kCellWidth);
    return line;
}

std::vector<std::string> cellsOf(const double *values, size_t count)
{
    std::vector<std::string> cells;
    for (size_t i = 0; i < count; ++i)
        cells.push_back(numberText(values[i]));
    return cells;
}

std::string quoted(const std::string &text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

// A finite number in the program's text form (valid JSON: "0.5", "1.5E+15"), else null.
std::string number(double value)
{
    return std::isfinite(value) ? numberText(value) : "null";
}

std::string array(const double *values, size_t count)
{
    std::string out = "[";
    for (size_t i = 0; i < count; ++i)
        out += (i > 0 ? ", " : "") + number(values[i]);
    return out + "]";
}

std::string array(const Vector4 &v) { return array(v.data(), v.size()); }

std::string optionalArray(const std::optional<Vector4> &v) { return v ? array(*v) : "null"; }

std::string optionalNumber(const std::optional<double> &v) { return v ? number(*v) : "null"; }

const char *growthStatusName(GrowthStatus status)
{
    switch (status) {
    case GrowthStatus::Ok:
        return "ok";
    case GrowthStatus::NotConverged:
        return "notConverged";
    case GrowthStatus::NegativeEntry:
        return "negativeEntry";
    case GrowthStatus::NoGrowth:
        return "noGrowth";
    }
    return "";
}

const char *equilibriumStatusName(EquilibriumStatus status)
{
    switch (status) {
    case EquilibriumStatus::Ok:
        return "ok";
    case EquilibriumStatus::Singular:
        return "singular";
    case EquilibriumStatus::NotBiological:
        return "notBiological";
    }
    return "";
}

const char *limitStatusName(HarvestLimitStatus status)
{
    switch (status) {
    case HarvestLimitStatus::Ok:
        return "ok";
    case HarvestLimitStatus::DiesWithoutHarvest:
        return "diesWithoutHarvest";
    case HarvestLimitStatus::Unlimited:
        return "unlimited";
    }
    return "";
}

} // namespace

std::string analysisText(const ModelAnalysis &a)
{
    const std::vector<ReportLine> lines = analysisReport(a);
    const std::string nLabel = "N(t) at t = " + std::to_string(a.model.t);
    size_t labelWidth = nLabel.size();
    for (const ReportLine &line : lines)
        labelWidth = std::max(labelWidth, line.label.size());
    labelWidth += 2;

    std::ostringstream out;
    for (int r = 0; r < 4; ++r)
        out << row(r == 0 ? "M" : "", labelWidth, cellsOf(&a.model.M[size_t(4 * r)], 4)) << '\n';
    out << row("H", labelWidth, cellsOf(a.model.H.data(), 4)) << '\n';
    out << row(nLabel, labelWidth, cellsOf(a.model.N.data(), 4)) << "\n\n";
    out << row("", labelWidth, {"class 0", "class 1", "class 2", "class 3", "total"}) << '\n';
    const std::string indent(labelWidth, ' ');
    for (const ReportLine &line : lines) {
        std::string text = row(line.label, labelWidth, line.cells);
        // A sentence starts in the figures' column, below the figures if there are any.
        if (!line.cells.empty() && !line.text.empty())
            text += "\n" + indent;
        const std::vector<std::string> parts = wrapped(line.text, kTextWidth);
        for (size_t i = 0; i < parts.size(); ++i)
            text += (i > 0 ? "\n" + indent : "") + parts[i];
        out << text << '\n';
    }
    return out.str();
}

std::string analysisJson(const ModelAnalysis &a)
{
    const PopulationModel &m = a.model;
    const GrowthAnalysis &g = a.growth;
    std::ostringstream out;
    out << "{\n  \"model\": {\"M\": [";
    for (size_t r = 0; r < 4; ++r)
        out << (r > 0 ? ", " : "") << array(&m.M[4 * r], 4);
    out << "], \"H\": " << array(m.H) << ", \"N\": " << array(m.N) << ", \"t\": " << m.t
        << "},\n";

    const bool ok = g.status == GrowthStatus::Ok;
    out << "  \"growth\": {\"status\": " << quoted(growthStatusName(g.status)) << ", \"lambda\": ";
    out << (ok || g.status == GrowthStatus::NoGrowth ? number(g.lambda) : "null");
    out << ", \"eigenvalues\": ";
    if (g.spectrum.converged) {
        out << '[';
        for (size_t i = 0; i < 4; ++i)
            out << (i > 0 ? ", " : "") << "{\"re\": " << number(g.spectrum.values[i].real())
                << ", \"im\": " << number(g.spectrum.values[i].imag()) << '}';
        out << ']';
    } else {
        out << "null";
    }
    out << ",\n    \"stableDistribution\": " << optionalArray(g.stableDistribution)
        << ", \"reproductiveValues\": " << optionalArray(g.reproductiveValues)
        << ",\n    \"R0\": " << optionalNumber(g.R0)
        << ", \"dampingRatio\": " << (ok ? number(g.dampingRatio) : "null")
        << ", \"dampingRatioInfinite\": " << (ok && std::isinf(g.dampingRatio) ? "true" : "false")
        << ",\n    \"generationTime\": " << optionalNumber(g.generationTime)
        << ", \"generationTimeDefinition\": "
        << quoted(g.generationTimeIsLimit ? "mean age of the parents (lambda = 1)"
                                          : "ln R0 / ln lambda")
        << ",\n    \"reducible\": " << (g.structure.reducible ? "true" : "false")
        << ", \"period\": " << g.structure.period << "},\n";

    const HarvestEquilibrium &e = a.equilibrium;
    const bool hasEquilibrium = e.status != EquilibriumStatus::Singular;
    out << "  \"equilibrium\": {\"status\": " << quoted(equilibriumStatusName(e.status))
        << ", \"N\": " << (hasEquilibrium ? array(e.N) : "null")
        << ", \"total\": " << (hasEquilibrium ? number(e.total) : "null") << "},\n";

    const HarvestVerdict &v = a.verdict;
    const bool hasStep = v.verdict == Verdict::ReachesZero || v.verdict == Verdict::AlreadyEmpty
                         || v.overflow;
    out << "  \"verdict\": {\"outcome\": " << quoted(verdictName(v.verdict))
        << ", \"step\": " << (hasStep ? std::to_string(v.step) : "null")
        << ", \"t\": " << (hasStep ? std::to_string(m.t + v.step) : "null")
        << ", \"overflow\": " << (v.overflow ? "true" : "false")
        << ", \"stepsRun\": " << v.stepsRun << ", \"last\": " << array(v.last)
        << ", \"lastTotal\": " << number(v.lastTotal) << "},\n";

    const HarvestLimit &l = a.limit;
    const bool hasFactor = l.status == HarvestLimitStatus::Ok;
    out << "  \"largestHarvest\": {\"status\": " << quoted(limitStatusName(l.status))
        << ", \"direction\": " << array(l.direction)
        << ", \"factor\": " << (hasFactor ? number(l.factor) : "null")
        << ", \"harvest\": " << (hasFactor ? array(l.harvest) : "null") << "},\n";

    out << "  \"report\": [";
    const std::vector<ReportLine> lines = analysisReport(a);
    for (size_t i = 0; i < lines.size(); ++i) {
        const ReportLine &line = lines[i];
        out << (i > 0 ? "," : "") << "\n    {\"key\": " << quoted(line.key)
            << ", \"label\": " << quoted(line.label) << ", \"cells\": [";
        for (size_t c = 0; c < line.cells.size(); ++c)
            out << (c > 0 ? ", " : "") << quoted(line.cells[c]);
        out << "], \"text\": " << quoted(line.text) << '}';
    }
    out << "\n  ]\n}\n";
    return out.str();
}

} // namespace velmora
