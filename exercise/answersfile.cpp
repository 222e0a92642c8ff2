#include "exercise/answersfile.h"

#include "exercise/exercise.h"
#include "export/safewrite.h"
#include "modelfile/modelfile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

const QString kFormat = QStringLiteral("velmora-answers");

QString shown(const QJsonValue &value) { return shownJsonValue(value); }

QString unknownKey(const QJsonObject &object, const QStringList &known, const QString &in)
{
    for (const QString &name : object.keys()) {
        if (!known.contains(name))
            return ExerciseText::tr("unknown key %1%2").arg(shown(QJsonValue(name)), in);
    }
    return {};
}

bool isNumber(const QJsonValue &value, double low, double high)
{
    return value.isDouble() && std::isfinite(value.toDouble()) && value.toDouble() >= low
           && value.toDouble() <= high;
}

bool isOneLine(const QString &text)
{
    return std::none_of(text.begin(), text.end(),
                        [](QChar c) { return c.category() == QChar::Other_Control; });
}

QString answerProblem(const QJsonValue &value, StoredAnswer &answer)
{
    if (!value.isObject())
        return ExerciseText::tr("it is %1: it must be {\"answer\": ..., \"mark\": ..., \"tries\": N}")
            .arg(shown(value));
    const QJsonObject object = value.toObject();
    if (const QString problem = unknownKey(object, {"answer", "mark", "tries"}, {}); !problem.isEmpty())
        return problem;
    const QJsonValue text = object.value(QLatin1String("answer"));
    if (!text.isString() || text.toString().size() > kAnswerMaxLength || !isOneLine(text.toString()))
        return ExerciseText::tr("\"answer\" is %1: it must be one line of text in double quotes")
            .arg(shown(text));
    answer.answer = text.toString();
    const QJsonValue mark = object.value(QLatin1String("mark"));
    if (mark.isNull() || mark.isUndefined()) {
        answer.mark.reset();
    } else {
        answer.mark = markNamed(mark.toString());
        if (!mark.isString() || !answer.mark)
            return ExerciseText::tr("\"mark\" is %1, not \"right\", \"close\", \"wrong\" or null")
                .arg(shown(mark));
    }
    const QJsonValue tries = object.value(QLatin1String("tries"));
    if (!isNumber(tries, 0, kMaxExerciseTries) || tries.toDouble() != std::floor(tries.toDouble()))
        return ExerciseText::tr("\"tries\" is %1: it must be a whole number from 0 to %2")
            .arg(shown(tries), QString::number(kMaxExerciseTries));
    answer.tries = tries.toInt();
    return {};
}

QString documentProblem(const QJsonObject &object, AnswersDocument &document)
{
    const QJsonValue format = object.value(QLatin1String("format"));
    if (format.toString() != kFormat)
        return ExerciseText::tr("\"format\" is %1, not \"%2\": this is not a Velmora answers file")
            .arg(format.isUndefined() ? ExerciseText::tr("missing") : shown(format), kFormat);
    const QJsonValue version = object.value(QLatin1String("version"));
    if (version.isDouble() && version.toDouble() > kAnswersFileVersion)
        return ExerciseText::tr("\"version\" is %1: the file was written by a newer Velmora")
            .arg(shown(version));
    if (version.toDouble() != kAnswersFileVersion)
        return ExerciseText::tr("\"version\" is %1, not 1").arg(shown(version));
    if (const QString problem = unknownKey(object, {"format", "version", "exercise", "student", "model",
                                                    "answers", "score", "outOf", "program"}, {});
        !problem.isEmpty())
        return problem;
    for (const auto &[name, text, most] : {std::tuple{"exercise", &document.exercise, kModelTitleMaxLength},
                                           std::tuple{"student", &document.student, kStudentNameMaxLength},
                                           std::tuple{"program", &document.program, 40}}) {
        const QJsonValue value = object.value(QLatin1String(name));
        if (!value.isString() || value.toString().size() > most || !isOneLine(value.toString()))
            return ExerciseText::tr("\"%1\" is %2: it must be one line of at most %3 characters")
                .arg(QLatin1String(name), value.isUndefined() ? ExerciseText::tr("missing") : shown(value),
                     QString::number(most));
        *text = value.toString();
    }
    if (!studentNameProblem(document.student).isEmpty())
        return ExerciseText::tr("\"student\" is %1: %2")
            .arg(shown(QJsonValue(document.student)), studentNameProblem(document.student));
    const QJsonValue model = object.value(QLatin1String("model"));
    if (!model.isObject() || model.toObject().size() > kMaxExerciseVaried)
        return ExerciseText::tr("\"model\" is %1: it must be {KEY: number, ...} with the varied values")
            .arg(shown(model));
    const QJsonObject values = model.toObject();
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (!isNumber(it.value(), -1e300, 1e300) || it.key().size() > 100)
            return ExerciseText::tr("%1 in \"model\" is %2: it must be a number")
                .arg(shown(QJsonValue(it.key())), shown(it.value()));
        document.model.emplace_back(it.key(), it.value().toDouble());
    }
    const QJsonValue answers = object.value(QLatin1String("answers"));
    if (!answers.isArray() || answers.toArray().size() > kMaxExerciseQuestions)
        return ExerciseText::tr("\"answers\" is %1: it must be a list of at most %2 answers")
            .arg(shown(answers), QString::number(kMaxExerciseQuestions));
    const QJsonArray list = answers.toArray();
    for (int i = 0; i < list.size(); ++i) {
        StoredAnswer answer;
        if (const QString problem = answerProblem(list.at(i), answer); !problem.isEmpty())
            return ExerciseText::tr("answer %1: %2").arg(QString::number(i + 1), problem);
        document.answers.push_back(answer);
    }
    for (const auto &[name, number] : {std::pair{"score", &document.score},
                                       std::pair{"outOf", &document.outOf}}) {
        const QJsonValue value = object.value(QLatin1String(name));
        if (!isNumber(value, 0, 1e12))
            return ExerciseText::tr("\"%1\" is %2: it must be a number of points")
                .arg(QLatin1String(name), value.isUndefined() ? ExerciseText::tr("missing") : shown(value));
        *number = value.toDouble();
    }
    return {};
}

} // namespace

bool StoredAnswer::operator==(const StoredAnswer &other) const
{
    return answer == other.answer && mark == other.mark && tries == other.tries;
}

bool AnswersDocument::operator==(const AnswersDocument &other) const
{
    return exercise == other.exercise && student == other.student && model == other.model
           && answers == other.answers && score == other.score && outOf == other.outOf
           && program == other.program;
}

AnswersDocument answersDocument(const ExerciseSheet &sheet, const std::vector<StoredAnswer> &answers)
{
    AnswersDocument document;
    document.exercise = sheet.block.title;
    document.student = sheet.student;
    for (size_t i = 0; i < sheet.block.vary.size() && i < sheet.values.size(); ++i)
        document.model.emplace_back(sheet.block.vary[i].value, sheet.values[i]);
    // QJsonObject keeps its keys sorted: so does the document, and a read one compares equal.
    std::sort(document.model.begin(), document.model.end());
    document.answers = answers;
    std::vector<Mark> marks;
    for (const StoredAnswer &answer : answers)
        marks.push_back(answer.mark.value_or(Mark::Wrong));
    document.score = sheetScore(sheet.block, marks);
    document.outOf = sheetPoints(sheet.block);
    document.program = QStringLiteral(VELMORA_VERSION);
    return document;
}

QByteArray answersFileBytes(const AnswersDocument &document)
{
    QJsonObject model;
    for (const auto &[key, value] : document.model)
        model[key] = value;
    QJsonArray answers;
    for (const StoredAnswer &answer : document.answers)
        answers.append(QJsonObject{{"answer", answer.answer},
                                   {"mark", answer.mark ? QJsonValue(markName(*answer.mark)) : QJsonValue()},
                                   {"tries", answer.tries}});
    const QJsonObject json{{"format", kFormat},      {"version", kAnswersFileVersion},
                           {"exercise", document.exercise}, {"student", document.student},
                           {"model", model},         {"answers", answers},
                           {"score", document.score}, {"outOf", document.outOf},
                           {"program", document.program}};
    return QJsonDocument(json).toJson(QJsonDocument::Indented);
}

QString AnswersFileRead::message() const
{
    return QStringLiteral("\"%1\": %2").arg(QDir::toNativeSeparators(fileName), problem);
}

AnswersFileRead parseAnswersFile(const QByteArray &bytes)
{
    AnswersFileRead read;
    if (bytes.size() > kAnswersFileMaxBytes) {
        read.problem = ExerciseText::tr("it is larger than 256 KiB, far more than answers need");
        return read;
    }
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !json.isObject()) {
        read.problem = ExerciseText::tr("this is not a Velmora answers file: it holds no {...} object");
        return read;
    }
    AnswersDocument document;
    read.problem = documentProblem(json.object(), document);
    if (read.problem.isEmpty())
        read.document = document;
    return read;
}

AnswersFileRead readAnswersFile(const QString &fileName)
{
    AnswersFileRead read;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        read.problem = ExerciseText::tr("it cannot be read: %1").arg(file.errorString());
    } else {
        // One byte beyond the limit tells a file that is too large, also one that grows.
        const QByteArray bytes = file.read(kAnswersFileMaxBytes + 1);
        if (file.error() != QFileDevice::NoError)
            read.problem = ExerciseText::tr("it cannot be read: %1").arg(file.errorString());
        else
            read = parseAnswersFile(bytes);
    }
    read.fileName = fileName;
    return read;
}

std::optional<QString> writeAnswersFile(const QString &fileName, const AnswersDocument &document)
{
    if (const auto failure = writeFileSafely(fileName, answersFileBytes(document)))
        return ExerciseText::tr("\"%1\" could not be written: %2")
            .arg(QDir::toNativeSeparators(fileName), failure->reason);
    return std::nullopt;
}

AnswersCheck checkAnswers(const ModelFileRead &read, const AnswersDocument &answers)
{
    AnswersCheck check;
    const ExerciseSheet sheet = exerciseSheet(read, answers.student);
    check.outOf = sheetPoints(sheet.block);
    check.otherExercise = answers.exercise != sheet.block.title;
    AnswersDocument drawn = answersDocument(sheet, {});
    check.numbersDiffer = drawn.model != answers.model;
    if (!sheet.model.ok()) {
        check.problem = sheet.model.problem;
        return check;
    }
    for (size_t i = 0; i < sheet.block.questions.size(); ++i) {
        const bool answered = i < answers.answers.size() && answers.answers[i].mark.has_value();
        const Mark mark = answered ? markAnswer(sheet.answers[i], answers.answers[i].answer,
                                                sheet.block.questions[i])
                                   : Mark::Wrong;
        check.marks.push_back(mark);
        if (answered && answers.answers[i].mark != mark)
            check.marksDiffer = true;
    }
    check.score = sheetScore(sheet.block, check.marks);
    if (answers.answers.size() > sheet.block.questions.size() || answers.score != check.score
        || answers.outOf != check.outOf)
        check.marksDiffer = true;
    return check;
}

} // namespace velmora
