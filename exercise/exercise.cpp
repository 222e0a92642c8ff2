#include "exercise/exercise.h"

#include "base/numbertext.h"
#include "demography/analysis.h"
#include "demography/shownstep.h"
#include "demography/stochastic.h"
#include "demography/vitalrates.h"
#include "exercise/analysisoutput.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace velmora {

namespace {


// A whole number below `count` from the stream, without the bias of a plain remainder.
std::uint64_t drawBelow(ReplicateRng &rng, std::uint64_t count)
{
    const std::uint64_t limit = ~std::uint64_t(0) - (~std::uint64_t(0) % count);
    std::uint64_t x = rng();
    while (x >= limit)
        x = rng();
    return x % count;
}

std::uint64_t bigEndian(const QByteArray &bytes, int from)
{
    std::uint64_t value = 0;
    for (int i = from; i < from + 8; ++i)
        value = (value << 8) | std::uint8_t(bytes[i]);
    return value;
}

// One step of an asks: a name and its indices ("total[3]": "total", {3}).
struct PathPart {
    QString name;
    std::vector<int> indices;
};

std::vector<PathPart> pathParts(const QString &asks)
{
    std::vector<PathPart> parts;
    if (!isKeyPath(asks))
        return parts;
    static const QRegularExpression index(QStringLiteral("\\[(\\d+)\\]"));
    for (const QString &part : asks.split(QLatin1Char('.'))) {
        const qsizetype bracket = part.indexOf(QLatin1Char('['));
        PathPart p{bracket < 0 ? part : part.left(bracket), {}};
        for (auto it = index.globalMatch(part); it.hasNext();)
            p.indices.push_back(it.next().captured(1).toInt());
        parts.push_back(p);
    }
    return parts;
}

Figure numberFigure(double value, bool exact = false)
{
    Figure figure;
    if (std::isfinite(value)) {
        figure.kind = Figure::Kind::Number;
        figure.numbers = {value};
        figure.exact = exact;
    }
    return figure;
}

Figure wordFigure(const QString &word)
{
    Figure figure;
    figure.kind = Figure::Kind::Word;
    figure.word = word;
    return figure;
}

// A value of the report as a figure: a number, a list of numbers, a text or a yes or no.
Figure jsonFigure(const QJsonValue &value)
{
    if (value.isDouble())
        return numberFigure(value.toDouble());
    if (value.isString())
        return wordFigure(value.toString());
    if (value.isBool())
        return wordFigure(value.toBool() ? QStringLiteral("true") : QStringLiteral("false"));
    Figure figure;
    if (value.isArray() && !value.toArray().isEmpty()) {
        for (const QJsonValue &item : value.toArray()) {
            if (!item.isDouble())
                return {};
            figure.numbers.push_back(item.toDouble());
        }
        figure.kind = Figure::Kind::Numbers;
    }
    return figure;
}

QJsonValue reportValue(const QJsonObject &report, const std::vector<PathPart> &parts)
{
    QJsonValue value = report;
    for (const PathPart &part : parts) {
        if (!value.isObject() || !value.toObject().contains(part.name))
            return QJsonValue::Undefined;
        value = value.toObject().value(part.name);
        for (const int i : part.indices) {
            if (!value.isArray() || i >= value.toArray().size())
                return QJsonValue::Undefined;
            value = value.toArray().at(i);
        }
    }
    return value;
}

// The elasticity matrix of the report, where it has one.
std::optional<std::vector<std::vector<double>>> elasticities(const QJsonObject &report)
{
    const QJsonValue grid = report.value(QStringLiteral("elasticity"));
    if (!grid.isArray() || grid.toArray().isEmpty())
        return std::nullopt;
    std::vector<std::vector<double>> rows;
    for (const QJsonValue &row : grid.toArray()) {
        rows.emplace_back();
        for (const QJsonValue &cell : row.toArray()) {
            if (!cell.isDouble())
                return std::nullopt;
            rows.back().push_back(cell.toDouble());
        }
    }
    return rows;
}

bool isSpecial(const QString &asks)
{
    static const QRegularExpression special(QStringLiteral(
        "^(projection\\.total\\[\\d{1,4}\\]|projection\\.firstBelowThreshold|largestElasticity\\.stage|"
        "largestElasticity\\.cell|risk\\.finalRisk)$"));
    return special.match(asks).hasMatch();
}

// Whether a path of the report's JSON exists for some model: the default model's report
// has every key a report can have (lists sized by its 4 stages).
bool reportHasPath(const QString &asks)
{
    static const QJsonObject sample = analysisJsonObject(lifeCycleAnalysisOf(
        analyseModel(populationModelOf(ModelValues{{0, 1, 2, 1}, {0.5, 1, 0.5}, {10, 10, 10, 10}, {5, 0, 0, 0}}))));
    std::vector<PathPart> parts = pathParts(asks);
    if (parts.empty())
        return false;
    // An index of a list that a larger model has: check the key, not the size.
    QJsonValue value = sample;
    for (PathPart &part : parts) {
        if (!value.isObject() || !value.toObject().contains(part.name))
            return false;
        value = value.toObject().value(part.name);
        for (size_t i = 0; i < part.indices.size(); ++i) {
            if (value.isNull())
                return true; // a figure that this model lacks, such as its life expectancy
            if (!value.isArray() || value.toArray().isEmpty())
                return false;
            value = value.toArray().at(0);
        }
    }
    return !value.isObject();
}

// An answer typed at the very edge ("2.02" for 2 at 1 %) differs from x by a hair more than the
// edge in binary: a few units of the last digit are forgiven.
bool near(double a, double x, double allowed)
{
    return std::abs(a - x) <= allowed + 8 * std::numeric_limits<double>::epsilon() * std::max(std::abs(a), std::abs(x));
}

Mark markNumber(double a, double x, const ExerciseQuestion &question, bool exact)
{
    if (exact)
        return a == x ? Mark::Right : Mark::Wrong;
    const double allowed = question.tolerance * std::abs(x) + question.absolute;
    if (near(a, x, allowed))
        return Mark::Right;
    return near(a, x, 10 * allowed) ? Mark::Close : Mark::Wrong;
}

} // namespace

QString studentNameProblem(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return ExerciseText::tr("a student's name (or number) is needed: it draws the numbers");
    if (trimmed.size() > kStudentNameMaxLength)
        return ExerciseText::tr("a student's name is at most %1 characters").arg(kStudentNameMaxLength);
    if (std::any_of(trimmed.begin(), trimmed.end(),
                    [](QChar c) { return c.category() == QChar::Other_Control; }))
        return ExerciseText::tr("a student's name is one line without control characters");
    return {};
}

QString foldedStudentName(const QString &name)
{
    // Blanks inside a name count once, so "Ada  Lovelace" is "Ada Lovelace".
    return name.simplified().toCaseFolded();
}

std::vector<double> drawStudentValues(const ExerciseBlock &block, const QString &student)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(foldedStudentName(student).toUtf8());
    hash.addData(QByteArrayView("\n", 1));
    hash.addData(block.title.toUtf8());
    const QByteArray digest = hash.result();
    ReplicateRng rng = replicateStream(bigEndian(digest, 0), bigEndian(digest, 8));
    std::vector<double> values;
    for (const ExerciseVary &vary : block.vary) {
        const std::vector<double> choices = varyChoices(vary);
        values.push_back(choices.empty() ? vary.from : choices[size_t(drawBelow(rng, choices.size()))]);
    }
    return values;
}

ModelFileRead studentModel(const ModelFileRead &read, const std::vector<double> &values)
{
    ModelFileRead student = read;
    if (!read.exercise || !read.ok())
        return student;
    const std::vector<ExerciseVary> &vary = read.exercise->vary;
    for (size_t i = 0; i < vary.size() && i < values.size(); ++i) {
        double *value = student.document ? modelValue(*student.document, vary[i].value)
                                         : modelValue(*student.stageDocument, vary[i].value);
        if (value)
            *value = values[i];
    }
    const QString problem = student.document ? modelValuesProblem(student.document->values)
                                             : stageModelProblem(*student.stageDocument);
    if (!problem.isEmpty()) {
        student.problem = ExerciseText::tr("with these numbers, %1").arg(problem);
        student.document.reset();
        student.stageDocument.reset();
    }
    return student;
}

QString Figure::text() const
{
    if (kind == Kind::Word)
        return word;
    QStringList texts;
    for (const double number : numbers)
        texts << QString::fromStdString(numberText(number));
    return texts.join(QLatin1Char(' '));
}

ExerciseFigures::ExerciseFigures(const ModelFileRead &model) : m_model(model) {}

namespace {

QJsonObject reportOf(const ModelFileRead &model, bool searchLargest)
{
    if (!model.ok())
        return {};
    // The main window's 4-class model is the life cycle of stages "0".."3" (analyseModel).
    const StageModel stages = model.document ? stageModelOf(model.document->values)
                                             : model.stageDocument->model;
    return analysisJsonObject(analyseLifeCycle(stages, kQuasiExtinction, 0, searchLargest));
}

// Whether an asks needs the largest harvests searched for by projection.
bool needsSearch(const QString &asks)
{
    return asks.startsWith(QLatin1String("largestHarvest")) || asks.contains(QLatin1String("Projected"));
}

} // namespace

const QJsonObject &ExerciseFigures::report() const
{
    if (!m_report)
        m_report = reportOf(m_model, true);
    return *m_report;
}

const QJsonObject &ExerciseFigures::quickReport() const
{
    if (m_report)
        return *m_report;
    if (!m_quickReport)
        m_quickReport = reportOf(m_model, false);
    return *m_quickReport;
}

Figure ExerciseFigures::figure(const ExerciseQuestion &question) const
{
    if (!m_model.ok())
        return {};
    const std::vector<PathPart> parts = pathParts(question.asks);
    if (parts.empty())
        return {};
    const QString &asks = question.asks;
    if (!isSpecial(asks))
        return jsonFigure(reportValue(needsSearch(asks) ? report() : quickReport(), parts));

    const StageModel model = m_model.asStageModel().model;
    if (parts[0].name == QLatin1String("projection") && parts[1].name == QLatin1String("total")) {
        const int t = parts[1].indices.front();
        if (t > kLastTime)
            return {};
        // The program's own steps: the clamp at 0 and the shown digits of every step.
        const Eigen::MatrixXd a = model.A();
        Eigen::VectorXd n = model.n0;
        double total = n.sum();
        double shown = total;
        for (int step = 0; step < t; ++step) {
            const ShownStep next = shownStep(a, n, model.harvest, total, shown);
            if (!next.representable)
                return {};
            n = Eigen::Map<const Eigen::VectorXd>(next.values.data(), Eigen::Index(next.values.size()));
            total = next.total;
            shown = next.shownTotal;
        }
        return numberFigure(total);
    }
    if (asks == QLatin1String("projection.firstBelowThreshold")) {
        // The report's verdict: the step at which the population counts as gone.
        const QJsonValue t = reportValue(quickReport(), pathParts(QStringLiteral("verdict.t")));
        return t.isDouble() ? numberFigure(t.toDouble(), true) : wordFigure(QStringLiteral("never"));
    }
    if (parts[0].name == QLatin1String("largestElasticity")) {
        const auto e = elasticities(quickReport());
        if (!e)
            return {};
        const size_t n = e->size();
        // The largest and the next largest of `values`, by index.
        const auto largestTwo = [](const std::vector<double> &values) {
            std::vector<size_t> order(values.size());
            for (size_t i = 0; i < order.size(); ++i)
                order[i] = i;
            std::stable_sort(order.begin(), order.end(),
                             [&values](size_t a, size_t b) { return values[a] > values[b]; });
            const bool tie = order.size() > 1 && values[order[1]] >= (1 - kNearTie) * values[order[0]];
            return std::pair{order.front(), tie};
        };
        if (parts[1].name == QLatin1String("stage")) {
            std::vector<double> columns(n, 0.0);
            for (const auto &row : *e)
                for (size_t c = 0; c < n && c < row.size(); ++c)
                    columns[c] += row[c];
            const auto [largest, tie] = largestTwo(columns);
            Figure stage = wordFigure(QString::fromStdString(model.stages[largest]));
            stage.nearTie = tie;
            return stage;
        }
        std::vector<double> cells;
        for (const auto &row : *e)
            cells.insert(cells.end(), row.begin(), row.end());
        const auto [largest, tie] = largestTwo(cells);
        Figure cell;
        cell.kind = Figure::Kind::Numbers;
        cell.numbers = {double(largest / n), double(largest % n)};
        cell.exact = true;
        cell.nearTie = tie;
        return cell;
    }
    // risk.finalRisk
    if (!question.risk)
        return {};
    RiskSettings settings = *question.risk;
    const RiskOutcome outcome = m_model.document
                                    ? runRisk(populationModelOf(m_model.document->values), settings)
                                    : runRisk(model, settings);
    return outcome.status == RiskStatus::Done ? numberFigure(outcome.result.finalRisk) : Figure{};
}

bool asksNamesFigure(const QString &asks)
{
    return isKeyPath(asks) && (isSpecial(asks) || reportHasPath(asks));
}

QString markName(Mark mark)
{
    switch (mark) {
    case Mark::Right:
        return QStringLiteral("right");
    case Mark::Close:
        return QStringLiteral("close");
    case Mark::Wrong:
        break;
    }
    return QStringLiteral("wrong");
}

std::optional<Mark> markNamed(const QString &name)
{
    for (const Mark mark : {Mark::Right, Mark::Close, Mark::Wrong})
        if (markName(mark) == name)
            return mark;
    return std::nullopt;
}

std::optional<std::vector<double>> answerNumbers(const QString &answer)
{
    // "[0.5, 0.25]", "0.5; 0.25", a cell as the file writes it ("[6][6]") or as a pair ("(6, 6)").
    static const QRegularExpression apart(QStringLiteral("[\\s,;\\[\\]()]+"));
    const QStringList parts = answer.split(apart, Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.size() > 1000)
        return std::nullopt;
    std::vector<double> numbers;
    for (const QString &part : parts) {
        const ReadResult read = strictValue(part.toStdString());
        if (!read.ok() || !std::isfinite(read.value))
            return std::nullopt;
        numbers.push_back(read.value);
    }
    return numbers;
}

Mark markAnswer(const Figure &figure, const QString &answer, const ExerciseQuestion &question)
{
    if (figure.kind == Figure::Kind::None)
        return Mark::Wrong;
    if (figure.kind == Figure::Kind::Word)
        return answer.simplified().compare(figure.word, Qt::CaseInsensitive) == 0 ? Mark::Right
                                                                                   : Mark::Wrong;
    const auto numbers = answerNumbers(answer);
    if (!numbers || numbers->size() != figure.numbers.size())
        return Mark::Wrong;
    Mark worst = Mark::Right;
    for (size_t i = 0; i < numbers->size(); ++i)
        worst = std::max(worst, markNumber((*numbers)[i], figure.numbers[i], question, figure.exact));
    return worst;
}

ExerciseSheet exerciseSheet(const ModelFileRead &read, const QString &student)
{
    ExerciseSheet sheet;
    sheet.student = student;
    sheet.block = read.exercise.value_or(ExerciseBlock{});
    sheet.values = drawStudentValues(sheet.block, student);
    sheet.model = studentModel(read, sheet.values);
    const ExerciseFigures figures(sheet.model);
    for (const ExerciseQuestion &question : sheet.block.questions)
        sheet.answers.push_back(figures.figure(question));
    return sheet;
}

ExerciseSheet fileSheet(const ModelFileRead &read)
{
    ExerciseSheet sheet;
    sheet.block = read.exercise.value_or(ExerciseBlock{});
    sheet.model = read;
    ModelFileRead model = read;
    for (const ExerciseVary &vary : sheet.block.vary) {
        const double *value = model.document ? modelValue(*model.document, vary.value)
                                             : modelValue(*model.stageDocument, vary.value);
        sheet.values.push_back(value ? *value : 0.0);
    }
    const ExerciseFigures figures(sheet.model);
    for (const ExerciseQuestion &question : sheet.block.questions)
        sheet.answers.push_back(figures.figure(question));
    return sheet;
}

double sheetScore(const ExerciseBlock &block, const std::vector<Mark> &marks)
{
    double score = 0.0;
    for (size_t i = 0; i < block.questions.size() && i < marks.size(); ++i)
        if (marks[i] == Mark::Right)
            score += block.questions[i].points;
    return score;
}

double sheetPoints(const ExerciseBlock &block)
{
    double points = 0.0;
    for (const ExerciseQuestion &question : block.questions)
        points += question.points;
    return points;
}

QJsonObject modelJson(const ModelFileRead &model)
{
    const QByteArray bytes = model.document ? modelFileBytes(*model.document)
                             : model.stageDocument ? stageModelFileBytes(*model.stageDocument)
                                                   : QByteArray("{}");
    return QJsonDocument::fromJson(bytes).object();
}

} // namespace velmora
