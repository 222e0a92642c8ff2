#include "exercise/analysisoutput.h"

#include "model/analysisreport.h"
#include "demography/defaultmodel.h"
#include "base/numbertext.h"
#include "base/texts.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace velmora {

namespace {

constexpr size_t kCellWidth = 12;
constexpr size_t kTextWidth = 60; // sentences wrap at this width, in the figures' column

// The width of a UTF-8 text on the terminal: its characters (a translated label or a stage
// name may hold letters of more than one byte), not its bytes.
size_t shownWidth(const std::string &text)
{
    return size_t(std::count_if(text.begin(), text.end(),
                                [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

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
        if (!line.empty() && shownWidth(line) + 1 + shownWidth(word) > width) {
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
    const size_t shown = shownWidth(text);
    return shown >= width ? text : std::string(width - shown, ' ') + text;
}

std::string padRight(const std::string &text, size_t width)
{
    const size_t shown = shownWidth(text);
    return shown >= width ? text : text + std::string(width - shown, ' ');
}

std::string row(const std::string &label, size_t labelWidth, const std::vector<std::string> &cells,
                size_t cellWidth = kCellWidth)
{
    std::string line = padRight(label, labelWidth);
    // A cell as wide as its column still keeps a blank from the one before it.
    for (const std::string &cell : cells)
        line += padLeft(cell, std::max(cellWidth, shownWidth(cell) + 1));
    return line;
}

std::vector<std::string> cellsOf(const double *values, size_t count)
{
    std::vector<std::string> cells;
    for (size_t i = 0; i < count; ++i)
        cells.push_back(numberText(values[i]));
    return cells;
}

// A finite number as a JSON number, anything else as null.
QJsonValue number(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QJsonArray array(const double *values, size_t count)
{
    QJsonArray out;
    for (size_t i = 0; i < count; ++i)
        out.append(number(values[i]));
    return out;
}

QJsonArray array(const Eigen::VectorXd &v) { return array(v.data(), size_t(v.size())); }

QJsonValue optionalArray(const std::optional<Eigen::VectorXd> &v)
{
    return v ? QJsonValue(array(*v)) : QJsonValue(QJsonValue::Null);
}

// A matrix as rows of numbers.
QJsonArray rowsOf(const Eigen::MatrixXd &m)
{
    QJsonArray rows;
    for (Eigen::Index r = 0; r < m.rows(); ++r)
        rows.append(array(Eigen::VectorXd(m.row(r).transpose())));
    return rows;
}

std::vector<std::string> cellsOf(const Eigen::VectorXd &values)
{
    return cellsOf(values.data(), size_t(values.size()));
}

QJsonValue optionalNumber(const std::optional<double> &v)
{
    return v ? number(*v) : QJsonValue(QJsonValue::Null);
}

QJsonValue stepNumber(bool has, int step) { return has ? QJsonValue(step) : QJsonValue(); }

QString text(const std::string &s) { return QString::fromStdString(s); }

const char *growthStatusName(GrowthStatus status)
{
    switch (status) {
    case GrowthStatus::Ok:
        return "ok";
    case GrowthStatus::NotConverged:
        return "notConverged";
    case GrowthStatus::NoEigenvector:
        return "noEigenvector";
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

const char *ruleVerdictName(RuleVerdict verdict)
{
    switch (verdict) {
    case RuleVerdict::Unknown:
        return "unknown";
    case RuleVerdict::Grows:
        return "grows";
    case RuleVerdict::Falls:
        return "falls";
    case RuleVerdict::Holds:
        return "holds";
    }
    return "";
}

} // namespace

std::string analysisText(const LifeCycleAnalysis &a, bool explain)
{
    const std::vector<ReportLine> lines = analysisReport(a);
    const std::string nLabel =
        QCoreApplication::translate("AnalysisText", "N(t) at t = %1").arg(a.t).toStdString();
    size_t labelWidth = shownWidth(nLabel);
    for (const ReportLine &line : lines)
        labelWidth = std::max(labelWidth, shownWidth(line.label));
    labelWidth += 2;
    // Columns as wide as the longest stage name, so each figure stands under its own stage.
    size_t cellWidth = kCellWidth;
    for (const ReportLine &line : lines)
        for (const std::string &column : line.columns)
            cellWidth = std::max(cellWidth, shownWidth(column) + 1);
    for (const std::string &stage : a.model.stages)
        cellWidth = std::max(cellWidth, shownWidth(stage) + 1);
    const auto cellRow = [&](const std::string &label, const std::vector<std::string> &cells) {
        return row(label, labelWidth, cells, cellWidth);
    };

    std::ostringstream out;
    const StageModel &m = a.model;
    const Eigen::Index n = m.size();
    auto matrix = [&](const std::string &name, const Eigen::MatrixXd &values) {
        for (Eigen::Index r = 0; r < n; ++r)
            out << cellRow(r == 0 ? name : "",
                           cellsOf(Eigen::VectorXd(values.row(r).transpose())))
                << '\n';
    };
    if (a.ageClasses) {
        matrix("M", m.A());
    } else {
        out << cellRow("", m.stages) << '\n';
        matrix("U", m.U);
        matrix("F", m.F);
        if (!m.C.isZero(0.0))
            matrix("C", m.C);
    }
    out << cellRow("H", cellsOf(m.harvest)) << '\n';
    out << cellRow(nLabel, cellsOf(m.n0)) << '\n';
    const std::string indent(labelWidth, ' ');
    const std::string *section = nullptr;
    const std::vector<std::string> *columns = nullptr;
    for (const ReportLine &line : lines) {
        if (!section || line.section != *section) {
            out << '\n' << line.section << '\n' << std::string(shownWidth(line.section), '-') << '\n';
            section = &line.section;
            columns = nullptr;
        }
        if (!line.columns.empty() && (!columns || line.columns != *columns)) {
            out << cellRow("", line.columns) << '\n';
            columns = &line.columns;
        }
        std::string text;
        if (line.isGrid()) {
            // Laid out like the matrix: n rows of n cells, the name on the first.
            const auto size = size_t(line.gridSize);
            for (size_t r = 0; r < size; ++r) {
                const std::vector<std::string> cells(line.cells.begin() + long(size * r),
                                                     line.cells.begin() + long(size * r + size));
                text += (r > 0 ? "\n" : "") + cellRow(r == 0 ? line.label : "", cells);
            }
        } else {
            text = cellRow(line.label, line.cells);
        }
        // A sentence starts in the figures' column, below the figures if there are any.
        if (!line.cells.empty() && !line.text.empty())
            text += "\n" + indent;
        const std::vector<std::string> parts = wrapped(line.text, kTextWidth);
        for (size_t i = 0; i < parts.size(); ++i)
            text += (i > 0 ? "\n" + indent : "") + parts[i];
        if (explain && !line.explanation.empty()) {
            const std::vector<std::string> said = wrapped("(" + line.explanation + ")", kTextWidth);
            for (const std::string &part : said)
                text += "\n" + indent + part;
        }
        out << text << '\n';
    }
    return out.str();
}

std::string analysisText(const ModelAnalysis &analysis, bool explain)
{
    return analysisText(lifeCycleAnalysisOf(analysis), explain);
}

std::string analysisText(const StageModel &model, double extinctionThreshold, bool explain)
{
    return analysisText(analyseLifeCycle(model, extinctionThreshold), explain);
}

QJsonObject analysisJsonObject(const LifeCycleAnalysis &a)
{
    const StageModel &m = a.model;
    const StageGrowth &g = a.growth;
    const Eigen::Index n = m.size();
    QJsonObject model{{"M", rowsOf(m.A())},
                      {"H", array(m.harvest)},
                      {"N", array(m.n0)},
                      {"t", a.t},
                      {"extinctionThreshold", number(a.extinctionThreshold)}};
    if (!a.ageClasses) {
        model["U"] = rowsOf(m.U);
        model["F"] = rowsOf(m.F);
        model["C"] = rowsOf(m.C);
    }
    QJsonObject json;
    json["model"] = model;

    // The main window's classes are the stages "0".."3" of a life cycle.
    QJsonArray stages;
    for (const std::string &name : m.stages)
        stages.append(text(name));
    json["stages"] = stages;

    const bool ok = g.status == GrowthStatus::Ok || g.status == GrowthStatus::NoEigenvector;
    QJsonValue eigenvalues;
    if (g.spectrum.converged) {
        QJsonArray values;
        for (const std::complex<double> &value : g.spectrum.values)
            values.append(QJsonObject{{"re", number(value.real())}, {"im", number(value.imag())}});
        eigenvalues = values;
    }
    const bool limitOfT = g.generationTimeStatus == GenerationTimeStatus::LambdaIsOne;
    json["growth"] = QJsonObject{
        {"status", growthStatusName(g.status)},
        {"lambda", ok || g.status == GrowthStatus::NoGrowth ? number(g.lambda) : QJsonValue()},
        {"eigenvalues", eigenvalues},
        {"stableDistribution", optionalArray(g.stableDistribution)},
        {"reproductiveValues", optionalArray(g.reproductiveValues)},
        {"R0", optionalNumber(g.R0)},
        {"lifeExpectancy", optionalArray(g.lifeExpectancy)},
        {"dampingRatio", ok ? number(g.dampingRatio) : QJsonValue()},
        {"dampingRatioInfinite", ok && std::isinf(g.dampingRatio)},
        {"generationTime", optionalNumber(g.generationTime)},
        {"generationTimeDefinition", limitOfT && g.generationTime
                                         ? "mean age of the parents (lambda = 1)"
                                         : "ln R0 / ln lambda"},
        {"reducible", g.structure.reducible},
        {"period", g.structure.period}};
    json["structure"] = QJsonObject{{"irreducible", !g.structure.reducible},
                                    {"primitive", g.structure.primitive},
                                    {"ergodic", g.ergodic}};
    QJsonValue partition;
    if (g.partition)
        partition = QJsonObject{{"stasis", number(g.partition->stasis)},
                                {"growth", number(g.partition->growth)},
                                {"retrogression", number(g.partition->retrogression)},
                                {"reproduction", number(g.partition->reproduction)},
                                {"clonal", number(g.partition->clonal)}};
    json["elasticityPartition"] = partition;

    const StageEquilibrium &e = a.equilibrium;
    const bool hasEquilibrium = e.status != EquilibriumStatus::Singular;
    json["equilibrium"] = QJsonObject{
        {"status", equilibriumStatusName(e.status)},
        {"N", hasEquilibrium ? QJsonValue(array(e.N)) : QJsonValue()},
        {"total", hasEquilibrium ? number(e.total) : QJsonValue()}};

    const StageVerdict &v = a.verdict;
    const bool hasStep = v.verdict == Verdict::ReachesZero || v.verdict == Verdict::AlreadyEmpty
                         || v.verdict == Verdict::FallsBelowThreshold || v.overflow;
    json["verdict"] = QJsonObject{{"outcome", verdictName(v.verdict)},
                                  {"step", stepNumber(hasStep, v.step)},
                                  {"t", stepNumber(hasStep, a.t + v.step)},
                                  {"overflow", v.overflow},
                                  {"stepsRun", v.stepsRun},
                                  {"firstEmptied", stepNumber(v.firstEmptied > 0, v.firstEmptied)},
                                  {"last", array(v.last)},
                                  {"lastTotal", number(v.lastTotal)}};

    const StageHarvestLimit &l = a.limit;
    const bool hasFactor = l.status == HarvestLimitStatus::Ok;
    json["largestHarvest"] = QJsonObject{
        {"status", a.searched ? limitStatusName(l.status) : "notSearched"},
        {"direction", array(l.direction)},
        {"factor", hasFactor ? number(l.factor) : QJsonValue()},
        {"harvest", hasFactor ? QJsonValue(array(l.harvest)) : QJsonValue()}};

    const StageSensitivities &sensitivity = g.sensitivity;
    const bool hasSensitivity = sensitivity.status == SensitivityStatus::Ok;
    auto grid = [hasSensitivity](const Eigen::MatrixXd &values) {
        return hasSensitivity ? QJsonValue(rowsOf(values)) : QJsonValue();
    };
    json["sensitivity"] = grid(sensitivity.sensitivity);
    json["elasticity"] = grid(sensitivity.elasticity);
    // The seven vital rates belong to the main window's Leslie matrix; a life cycle of stages
    // has none (its cells and their partition stand in their place).
    QJsonValue vitalRates;
    if (a.ageClasses) {
        const Eigen::MatrixXd matrix = m.A();
        QJsonArray rates;
        for (size_t i = 0; i < kVitalRateCells.size(); ++i) {
            const auto r = Eigen::Index(kVitalRateCells[i] / 4);
            const auto c = Eigen::Index(kVitalRateCells[i] % 4);
            rates.append(QJsonObject{
                {"name", kVitalRateNames[i]},
                {"value", number(matrix(r, c))},
                {"sensitivity", hasSensitivity ? number(sensitivity.sensitivity(r, c)) : QJsonValue()},
                {"elasticity", hasSensitivity ? number(sensitivity.elasticity(r, c)) : QJsonValue()}});
        }
        vitalRates = rates;
    }
    json["vitalRates"] = vitalRates;

    const StageHarvestRule &rule = a.rule;
    const bool ruleKnown = rule.verdict != RuleVerdict::Unknown;
    json["harvestThreshold"] = QJsonObject{
        {"verdict", ruleVerdictName(rule.verdict)},
        {"reproductiveValueOfN", ruleKnown ? number(rule.valueOfN) : QJsonValue()},
        {"reproductiveValueOfNStar", ruleKnown ? optionalNumber(rule.valueOfNStar) : QJsonValue()},
        {"costOfH", ruleKnown ? number(rule.costOfH) : QJsonValue()},
        {"surplus", ruleKnown ? number(rule.surplus) : QJsonValue()},
        {"direction", array(rule.direction.size() == n ? rule.direction
                                                       : Eigen::VectorXd(Eigen::VectorXd::Zero(n)))},
        {"sustainableFactor", optionalNumber(rule.sustainableFactor)},
        {"unlimited", rule.unlimited}};

    QJsonArray costs;
    for (size_t i = 0; i < a.costs.size(); ++i) {
        const StageClassCost &cost = a.costs[i];
        const bool projected = cost.projected.status == HarvestLimitStatus::Ok;
        costs.append(QJsonObject{
            {"class", int(i)},
            {"reproductiveValue", ruleKnown ? number(cost.reproductiveValue) : QJsonValue()},
            {"largestHarvestFormula", optionalNumber(cost.largestForEver)},
            {"largestHarvestFormulaUnlimited", cost.unlimited},
            {"largestHarvestProjected", projected ? number(cost.projected.factor) : QJsonValue()},
            {"largestHarvestProjectedStatus",
             a.searched ? limitStatusName(cost.projected.status) : "notSearched"}});
    }
    json["harvestCost"] = costs;

    QJsonArray byClass;
    for (Eigen::Index i = 0; i < n; ++i)
        byClass.append(size_t(i) < a.proportional.byStage.size()
                           ? optionalNumber(a.proportional.byStage[size_t(i)])
                           : QJsonValue());
    json["proportionalHarvest"] = QJsonObject{
        {"uniformRate", optionalNumber(a.proportional.uniformRate)}, {"byClass", byClass}};

    const StageTransients &transients = a.transients;
    json["transient"] = QJsonObject{
        {"reactivity", optionalNumber(transients.reactivity)},
        {"inertia", optionalNumber(transients.inertia)},
        {"convergenceTime", transients.convergenceTime ? QJsonValue(*transients.convergenceTime)
                                                       : QJsonValue()}};

    // The report's lines are data here, the same in every language: an exercise's key
    // written by velmora-cli must match what the window reads for a student in German.
    const EnglishTexts data;
    QJsonArray report;
    for (const ReportLine &line : analysisReport(a)) {
        QJsonArray cells;
        for (const std::string &cell : line.cells)
            cells.append(text(cell));
        report.append(QJsonObject{{"key", text(line.key)},
                                  {"label", text(line.label)},
                                  {"cells", cells},
                                  {"text", text(line.text)},
                                  {"section", text(line.section)},
                                  {"explanation", text(line.explanation)}});
    }
    json["report"] = report;
    return json;
}

std::string analysisJson(const LifeCycleAnalysis &a)
{
    return QJsonDocument(analysisJsonObject(a)).toJson(QJsonDocument::Indented).toStdString();
}

std::string analysisJson(const ModelAnalysis &analysis)
{
    return analysisJson(lifeCycleAnalysisOf(analysis));
}

std::string analysisJson(const StageModel &model, double extinctionThreshold)
{
    return analysisJson(analyseLifeCycle(model, extinctionThreshold));
}

} // namespace velmora
