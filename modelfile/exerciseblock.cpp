#include "modelfile/exerciseblock.h"

#include "export/safewrite.h"
#include "modelfile/modelfile.h"

#include <QDir>

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>

namespace velmora {

namespace {

QString shown(const QJsonValue &value) { return shownJsonValue(value); }

// "name", "name[i]" or "name[r][c]": the name and the indices.
bool splitKey(const QString &key, QString &name, std::vector<int> &indices)
{
    static const QRegularExpression pattern(QStringLiteral("^([A-Za-z0-9]+)((?:\\[\\d{1,4}\\])*)$"));
    const QRegularExpressionMatch match = pattern.match(key);
    if (!match.hasMatch())
        return false;
    name = match.captured(1);
    static const QRegularExpression index(QStringLiteral("\\[(\\d+)\\]"));
    for (auto it = index.globalMatch(match.captured(2)); it.hasNext();)
        indices.push_back(it.next().captured(1).toInt());
    return true;
}

bool isText(const QJsonValue &value, int maxLength, bool oneLine)
{
    const QString text = value.toString();
    return value.isString() && text.size() <= maxLength
           && std::none_of(text.begin(), text.end(), [oneLine](QChar c) {
                  return c.category() == QChar::Other_Control
                         && (oneLine || (c != QLatin1Char('\n') && c != QLatin1Char('\t')));
              });
}

bool isNumberIn(const QJsonValue &value, double low, double high)
{
    return value.isDouble() && std::isfinite(value.toDouble()) && value.toDouble() >= low
           && value.toDouble() <= high;
}

bool isWhole(const QJsonValue &value, double low, double high)
{
    return isNumberIn(value, low, high) && value.toDouble() == std::floor(value.toDouble());
}

QString unknownKey(const QJsonObject &object, const QStringList &known)
{
    for (const QString &name : object.keys()) {
        if (!known.contains(name))
            return ModelFileText::tr("unknown key %1").arg(shown(QJsonValue(name)));
    }
    return {};
}

QString riskProblem(const QJsonValue &value, RiskSettings &settings)
{
    if (!value.isObject())
        return ModelFileText::tr("\"risk\" is %1: it must be {\"cvSurvival\": X, \"cvFecundity\": X, "
                              "\"seed\": S, ...}")
            .arg(shown(value));
    const QJsonObject object = value.toObject();
    if (const QString problem = unknownKey(object, {"cvSurvival", "cvFecundity", "demographic",
                                                    "threshold", "replicates", "steps", "seed"});
        !problem.isEmpty())
        //: %1 is a refusal such as: unknown key "x".
        return ModelFileText::tr("%1 in \"risk\"").arg(problem);
    struct Number {
        const char *name;
        double low;
        double high;
        bool whole;
    };
    const Number numbers[] = {{"cvSurvival", 0, 1e6, false},
                              {"cvFecundity", 0, kMaxFecundityCv, false},
                              {"threshold", 0, 1e15, false},
                              {"replicates", 1, kMaxReplicates, true},
                              {"steps", 1, kMaxRiskSteps, true},
                              {"seed", 0, kMaxSeed, true}};
    double read[6] = {settings.cvSurvival, settings.cvFecundity, settings.threshold,
                      double(settings.replicates), double(settings.steps), double(settings.seed)};
    for (size_t i = 0; i < std::size(numbers); ++i) {
        const QJsonValue number = object.value(QLatin1String(numbers[i].name));
        if (number.isUndefined())
            continue;
        const bool fits = numbers[i].whole ? isWhole(number, numbers[i].low, numbers[i].high)
                                           : isNumberIn(number, numbers[i].low, numbers[i].high);
        if (!fits)
            return ModelFileText::tr("\"%1\" in \"risk\" is %2: it must be %3 from %4 to %5")
                .arg(QLatin1String(numbers[i].name), shown(number),
                     numbers[i].whole ? ModelFileText::tr("a whole number") : ModelFileText::tr("a number"),
                     QString::number(numbers[i].low), QString::number(numbers[i].high));
        read[i] = number.toDouble();
    }
    const QJsonValue demographic = object.value(QLatin1String("demographic"));
    if (!demographic.isUndefined() && !demographic.isBool())
        return ModelFileText::tr("\"demographic\" in \"risk\" is %1: it must be true or false")
            .arg(shown(demographic));
    settings.cvSurvival = read[0];
    settings.cvFecundity = read[1];
    settings.threshold = read[2];
    settings.replicates = int(read[3]);
    settings.steps = int(read[4]);
    settings.seed = std::uint32_t(read[5]);
    settings.demographic = demographic.toBool(false);
    return {};
}

QString questionProblem(const QJsonValue &value, ExerciseQuestion &question)
{
    if (!value.isObject())
        return ModelFileText::tr("it is %1: a question must be {\"text\": ..., \"asks\": ...}")
            .arg(shown(value));
    const QJsonObject object = value.toObject();
    if (const QString problem = unknownKey(object, {"text", "asks", "tolerance", "absolute", "hint",
                                                    "points", "risk"});
        !problem.isEmpty())
        return problem;
    const QJsonValue text = object.value(QLatin1String("text"));
    if (text.isUndefined())
        return ModelFileText::tr("\"text\" is missing");
    if (!isText(text, kExerciseTextMaxLength, false) || text.toString().trimmed().isEmpty())
        return ModelFileText::tr("\"text\" is %1: it must be text of 1 to %2 characters")
            .arg(shown(text), QString::number(kExerciseTextMaxLength));
    question.text = text.toString();
    const QJsonValue asks = object.value(QLatin1String("asks"));
    if (asks.isUndefined())
        return ModelFileText::tr("\"asks\" is missing");
    if (!asks.isString() || !isKeyPath(asks.toString()))
        return ModelFileText::tr("\"asks\" is %1: it must name a figure of the report, such as "
                              "\"growth.lambda\" or \"growth.stableDistribution[2]\"")
            .arg(shown(asks));
    question.asks = asks.toString();
    for (const auto &[name, target] : {std::pair{"tolerance", &question.tolerance},
                                       std::pair{"absolute", &question.absolute},
                                       std::pair{"points", &question.points}}) {
        const QJsonValue number = object.value(QLatin1String(name));
        if (number.isUndefined())
            continue;
        if (!isNumberIn(number, 0, 1e6))
            return ModelFileText::tr("\"%1\" is %2: it must be a number from 0 to 1000000")
                .arg(QLatin1String(name), shown(number));
        *target = number.toDouble();
    }
    const QJsonValue hint = object.value(QLatin1String("hint"));
    if (!hint.isUndefined()) {
        if (!isText(hint, kExerciseTextMaxLength, false))
            return ModelFileText::tr("\"hint\" is %1: it must be text of at most %2 characters")
                .arg(shown(hint), QString::number(kExerciseTextMaxLength));
        question.hint = hint.toString();
    }
    const QJsonValue risk = object.value(QLatin1String("risk"));
    const bool asksRisk = question.asks == QLatin1String("risk.finalRisk");
    if (risk.isUndefined() && asksRisk)
        return ModelFileText::tr("\"risk\" is missing: \"risk.finalRisk\" needs the settings of the "
                              "run, at least {\"cvSurvival\": X, \"seed\": S}");
    if (!risk.isUndefined() && !asksRisk)
        return ModelFileText::tr("\"risk\" stands with \"asks\": %1; only \"risk.finalRisk\" takes it")
            .arg(shown(asks));
    if (asksRisk) {
        RiskSettings settings;
        if (const QString problem = riskProblem(risk, settings); !problem.isEmpty())
            return problem;
        question.risk = settings;
    }
    return {};
}

// The problem of the model with `choice` in place of the value the key names.
QString variedModelProblem(const ExerciseVary &vary, double choice, const ModelDocument *leslie,
                           const StageModelDocument *stage)
{
    if (leslie) {
        ModelDocument document = *leslie;
        *modelValue(document, vary.value) = choice;
        return modelValuesProblem(document.values);
    }
    StageModelDocument document = *stage;
    *modelValue(document, vary.value) = choice;
    return stageModelProblem(document);
}

QString varyProblem(const QJsonValue &value, const ModelDocument *leslie,
                    const StageModelDocument *stage, ExerciseVary &vary)
{
    if (!value.isObject())
        return ModelFileText::tr("it is %1: it must be {\"value\": KEY, \"from\": X, \"to\": Y, "
                              "\"step\": D}")
            .arg(shown(value));
    const QJsonObject object = value.toObject();
    if (const QString problem = unknownKey(object, {"value", "from", "to", "step"}); !problem.isEmpty())
        return problem;
    const QJsonValue key = object.value(QLatin1String("value"));
    if (!key.isString())
        return ModelFileText::tr("\"value\" is %1: it must name a value of the model, such as "
                              "\"fecundities[2]\" or \"transitions[1][0]\"")
            .arg(shown(key));
    vary.value = key.toString();
    ModelDocument leslieCopy = leslie ? *leslie : ModelDocument{};
    StageModelDocument stageCopy = stage ? *stage : StageModelDocument{};
    if (!(leslie ? modelValue(leslieCopy, vary.value) : modelValue(stageCopy, vary.value)))
        return ModelFileText::tr("\"value\" is %1, which names no value of this model")
            .arg(shown(key));
    for (const auto &[name, target] : {std::pair{"from", &vary.from}, std::pair{"to", &vary.to},
                                       std::pair{"step", &vary.step}}) {
        const QJsonValue number = object.value(QLatin1String(name));
        if (number.isUndefined())
            return ModelFileText::tr("\"%1\" is missing").arg(QLatin1String(name));
        if (!isNumberIn(number, -1e15, 1e15))
            return ModelFileText::tr("\"%1\" is %2: it must be a number").arg(QLatin1String(name), shown(number));
        *target = number.toDouble();
    }
    if (!(vary.step > 0) || vary.to < vary.from)
        return ModelFileText::tr("\"from\" %1, \"to\" %2, \"step\" %3: the values must rise from "
                              "\"from\" to \"to\" by a step above 0")
            .arg(shown(vary.from), shown(vary.to), shown(vary.step));
    const std::vector<double> choices = varyChoices(vary);
    if (choices.empty())
        return ModelFileText::tr("from %1 to %2 by %3 are more than %4 values")
            .arg(shown(vary.from), shown(vary.to), shown(vary.step), QString::number(kMaxVaryChoices));
    for (const double choice : {choices.front(), choices.back()}) {
        if (const QString problem = variedModelProblem(vary, choice, leslie, stage); !problem.isEmpty())
            return ModelFileText::tr("with %1 at %2, %3").arg(vary.value, shown(choice), problem);
    }
    return {};
}

// `what`: what the list holds ("questions"); `itemProblem`: the refusal of one of them, with
// its number (%1) and its problem (%2). Both are marked texts.
template<typename Read>
QString listProblem(const QJsonObject &object, const char *name, int most, bool required,
                    const char *what, const char *itemProblem, Read read)
{
    const QJsonValue list = object.value(QLatin1String(name));
    if (list.isUndefined())
        return required ? ModelFileText::tr("\"%1\" is missing").arg(QLatin1String(name)) : QString();
    if (!list.isArray() || list.toArray().isEmpty() || list.toArray().size() > most)
        return ModelFileText::tr("\"%1\" is %2: it must be a list of 1 to %3 %4")
            .arg(QLatin1String(name), shown(list), QString::number(most), ModelFileText::tr(what));
    const QJsonArray array = list.toArray();
    for (int i = 0; i < array.size(); ++i) {
        if (const QString problem = read(array.at(i)); !problem.isEmpty())
            return ModelFileText::tr(itemProblem).arg(QString::number(i + 1), problem);
    }
    return {};
}

QString blockProblem(const QJsonValue &value, const ModelDocument *leslie,
                     const StageModelDocument *stage, ExerciseBlock &block)
{
    if (!value.isObject())
        return ModelFileText::tr("it is %1: it must be {\"title\": ..., \"questions\": [...]}").arg(shown(value));
    const QJsonObject object = value.toObject();
    if (const QString problem = unknownKey(object, {"title", "questions", "vary", "analysis", "maxTries"});
        !problem.isEmpty())
        return problem;
    const QJsonValue title = object.value(QLatin1String("title"));
    if (title.isUndefined())
        return ModelFileText::tr("\"title\" is missing: with a student's name it draws the numbers");
    if (!isText(title, kModelTitleMaxLength, true) || title.toString().trimmed().isEmpty())
        return ModelFileText::tr("\"title\" is %1: it must be one line of 1 to %2 characters")
            .arg(shown(title), QString::number(kModelTitleMaxLength));
    block.title = title.toString();
    if (const QString problem = listProblem(object, "questions", kMaxExerciseQuestions, true,
                                            QT_TRANSLATE_NOOP("ModelFileText", "questions"),
                                            QT_TRANSLATE_NOOP("ModelFileText", "question %1: %2"),
                                            [&block](const QJsonValue &item) {
                                                ExerciseQuestion question;
                                                const QString problem = questionProblem(item, question);
                                                block.questions.push_back(question);
                                                return problem;
                                            });
        !problem.isEmpty())
        return problem;
    if (const QString problem = listProblem(object, "vary", kMaxExerciseVaried, false,
                                            QT_TRANSLATE_NOOP("ModelFileText", "varied values"),
                                            QT_TRANSLATE_NOOP("ModelFileText", "varied value %1: %2"),
                                            [&](const QJsonValue &item) {
                                                ExerciseVary vary;
                                                const QString problem = varyProblem(item, leslie, stage, vary);
                                                block.vary.push_back(vary);
                                                return problem;
                                            });
        !problem.isEmpty())
        return problem;
    // Settings the risk command would refuse for this model give no answer to any student.
    const StageModel model = leslie ? stageModelOf(leslie->values) : stage->model;
    for (size_t i = 0; i < block.questions.size(); ++i) {
        if (!block.questions[i].risk)
            continue;
        if (const auto refusal = riskRefusal(model, *block.questions[i].risk))
            return ModelFileText::tr("question %1: \"risk\": %2").arg(i + 1).arg(QString::fromStdString(*refusal));
    }
    for (size_t i = 0; i < block.vary.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            if (block.vary[i].value == block.vary[j].value)
                return ModelFileText::tr("varied value %1: %2 is varied twice").arg(i + 1).arg(block.vary[i].value);
        }
    }
    const QJsonValue analysis = object.value(QLatin1String("analysis"));
    if (!analysis.isUndefined() && !analysis.isBool())
        return ModelFileText::tr("\"analysis\" is %1: it must be true or false").arg(shown(analysis));
    block.analysis = analysis.toBool(true);
    const QJsonValue tries = object.value(QLatin1String("maxTries"));
    if (!tries.isUndefined() && !isWhole(tries, 1, kMaxExerciseTries))
        return ModelFileText::tr("\"maxTries\" is %1: it must be a whole number from 1 to %2")
            .arg(shown(tries), QString::number(kMaxExerciseTries));
    block.maxTries = tries.isUndefined() ? 3 : tries.toInt();
    return {};
}

} // namespace

std::vector<double> varyChoices(const ExerciseVary &vary)
{
    if (!(vary.step > 0) || !(vary.to >= vary.from))
        return {};
    // A step such as 0.1 does not add up exactly: the last value may stand a hair above `to`.
    const double count = std::floor((vary.to - vary.from) / vary.step * (1 + 1e-12) + 1e-9) + 1;
    if (!(count <= kMaxVaryChoices))
        return {};
    std::vector<double> choices;
    for (int i = 0; i < int(count); ++i) {
        // Twelve significant digits: 0.1 + 2 x 0.1 is 0.3, as the teacher wrote it.
        const double value = vary.from + i * vary.step;
        choices.push_back(value == 0 ? 0.0 : QString::number(value, 'g', 12).toDouble());
    }
    return choices;
}

double *modelValue(ModelDocument &document, const QString &key)
{
    QString name;
    std::vector<int> indices;
    if (!splitKey(key, name, indices) || indices.size() != 1)
        return nullptr;
    const int i = indices.front();
    ModelValues &v = document.values;
    const std::pair<const char *, std::pair<double *, int>> groups[] = {
        {"fecundities", {v.fecundities.data(), 4}},
        {"survival", {v.survival.data(), 3}},
        {"n0", {v.n0.data(), 4}},
        {"harvest", {v.harvest.data(), 4}}};
    for (const auto &[groupName, group] : groups) {
        if (name == QLatin1String(groupName))
            return i < group.second ? group.first + i : nullptr;
    }
    return nullptr;
}

double *modelValue(StageModelDocument &document, const QString &key)
{
    QString name;
    std::vector<int> indices;
    if (!splitKey(key, name, indices))
        return nullptr;
    StageModel &model = document.model;
    const int n = model.size();
    if (indices.size() == 1 && indices[0] < n) {
        if (name == QLatin1String("n0") && model.n0.size() == n)
            return &model.n0(indices[0]);
        if (name == QLatin1String("harvest") && model.harvest.size() == n)
            return &model.harvest(indices[0]);
    }
    if (indices.size() == 2 && indices[0] < n && indices[1] < n) {
        for (const auto &[matrixName, matrix] : {std::pair{"transitions", &model.U},
                                                 std::pair{"reproduction", &model.F},
                                                 std::pair{"clonal", &model.C}}) {
            if (name == QLatin1String(matrixName) && matrix->rows() == n && matrix->cols() == n)
                return &(*matrix)(indices[0], indices[1]);
        }
    }
    return nullptr;
}

bool isKeyPath(const QString &asks)
{
    static const QRegularExpression pattern(
        QStringLiteral("^[A-Za-z][A-Za-z0-9]*(\\[\\d{1,4}\\])*(\\.[A-Za-z][A-Za-z0-9]*(\\[\\d{1,4}\\])*)*$"));
    return asks.size() <= 200 && pattern.match(asks).hasMatch();
}

QString exerciseBlockProblem(const QJsonValue &value, const ModelDocument *leslie,
                             const StageModelDocument *stage, ExerciseBlock &block)
{
    block = {};
    const QString problem = blockProblem(value, leslie, stage, block);
    if (!problem.isEmpty())
        block = {};
    return problem.isEmpty() ? problem : QStringLiteral("\"exercise\", ") + problem;
}

QJsonObject exerciseBlockJson(const ExerciseBlock &block)
{
    QJsonArray questions;
    const ExerciseQuestion plain;
    for (const ExerciseQuestion &q : block.questions) {
        QJsonObject question{{"text", q.text}, {"asks", q.asks}};
        if (q.tolerance != plain.tolerance)
            question["tolerance"] = q.tolerance;
        if (q.absolute != plain.absolute)
            question["absolute"] = q.absolute;
        if (!q.hint.isEmpty())
            question["hint"] = q.hint;
        if (q.points != plain.points)
            question["points"] = q.points;
        if (q.risk)
            question["risk"] = QJsonObject{{"cvSurvival", q.risk->cvSurvival},
                                           {"cvFecundity", q.risk->cvFecundity},
                                           {"demographic", q.risk->demographic},
                                           {"threshold", q.risk->threshold},
                                           {"replicates", q.risk->replicates},
                                           {"steps", q.risk->steps},
                                           {"seed", double(q.risk->seed)}};
        questions.append(question);
    }
    QJsonObject json{{"title", block.title}, {"questions", questions}};
    if (!block.vary.empty()) {
        QJsonArray vary;
        for (const ExerciseVary &v : block.vary)
            vary.append(QJsonObject{{"value", v.value}, {"from", v.from}, {"to", v.to}, {"step", v.step}});
        json["vary"] = vary;
    }
    if (!block.analysis)
        json["analysis"] = false;
    if (block.maxTries != 3)
        json["maxTries"] = block.maxTries;
    return json;
}

QByteArray exerciseFileBytes(const QByteArray &modelBytes, const ExerciseBlock &block)
{
    QByteArray bytes = modelBytes.trimmed();
    if (!bytes.endsWith('}'))
        return bytes;
    bytes.chop(1);
    bytes = bytes.trimmed();
    bytes.replace("\"version\": 1,", "\"version\": 2,");
    // The block indented one level, as the model's keys are.
    QByteArray json = QJsonDocument(exerciseBlockJson(block)).toJson(QJsonDocument::Indented).trimmed();
    json.replace("\n", "\n    ");
    return bytes + ",\n    \"exercise\": " + json + "\n}\n";
}

ExerciseBlock exampleExercise(const QString &title)
{
    ExerciseQuestion question;
    question.text = QStringLiteral(
        "What is lambda? (\"text\" is what the student reads; \"asks\" names the figure the "
        "program computes as the answer, by its key in velmora-cli analyse --json; an answer is "
        "right within \"tolerance\" times the figure plus \"absolute\", close within ten times "
        "that; \"hint\" is shown after a wrong answer; \"points\" weighs the question.)");
    question.asks = QStringLiteral("growth.lambda");
    question.tolerance = 0.001;
    question.hint = QStringLiteral("Watch the growth rate settle as you press Project and Transit.");
    question.points = 2;
    ExerciseBlock block;
    block.title = title.trimmed().isEmpty() ? QStringLiteral("Exercise") : title.trimmed().left(kModelTitleMaxLength);
    block.questions = {question};
    return block;
}

ModelFileWrite writeExerciseFile(const QString &fileName, const ModelFileRead &read,
                                 const ExerciseBlock &block)
{
    ModelFileWrite result;
    const QString name = QDir::toNativeSeparators(fileName);
    const QByteArray bytes = exerciseFileBytes(
        read.document ? modelFileBytes(*read.document)
                      : read.stageDocument ? stageModelFileBytes(*read.stageDocument) : QByteArray(),
        block);
    // A file the program would not open again with its exercise is not written.
    const ModelFileRead again = parseModelFile(bytes);
    const QString problem = !again.ok() ? again.problem : again.exerciseProblem;
    if (!problem.isEmpty()) {
        result.message = QStringLiteral("\"%1\" was not written: %2").arg(name, problem);
        return result;
    }
    if (const auto failure = writeFileSafely(fileName, bytes)) {
        result.message = QStringLiteral("\"%1\" could not be written: %2").arg(name, failure->reason);
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace velmora
