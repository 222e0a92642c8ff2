#include "base/numbertext.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "exercise/answersfile.h"
#include "exercise/exercise.h"
#include "export/safewrite.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <ostream>

namespace velmora {

namespace {

const std::string kWho = "velmora-cli exercise";

// More combinations of the varied values than this are checked by a sample of as many.
constexpr long long kCheckedCombinations = 10000;

std::string exerciseHelp()
{
    std::string help = said(CliText::tr(
        "Usage: velmora-cli exercise key FILE [--student NAME] [--json]\n"
        "       velmora-cli exercise check FILE\n"
        "       velmora-cli exercise mark FILE ANSWERS... [--out FILE.csv]\n\n"
        "Works with the exercise a model file (.velmora) holds: its questions, the values\n"
        "each student gets a number of, and the answers students hand in.\n\n"
        "  key     prints each question with its answer for a student (--student NAME; the\n"
        "          same name always gives the same numbers) or for the file's own numbers.\n"
        "  check   refuses a question whose \"asks\" names no figure, and computes every\n"
        "          question for every combination of the varied values (a sample of 10000\n"
        "          where there are more), so that no student gets a question without answer.\n"
        "  mark    recomputes every mark of the answers files (.velmora-answers) from the\n"
        "          student's name and answers, and prints a class table; a file whose numbers\n"
        "          or marks differ from the recomputation is flagged. The number of tries is\n"
        "          the student's program's count and cannot be verified.\n\nOptions:\n"));
    help += optionsHelp({{"--student", "NAME", QT_TRANSLATE_NOOP("CliText", "key: the student's name or number")},
                         {"--json", "", QT_TRANSLATE_NOOP("CliText", "key: print one JSON object")},
                         {"--out", "FILE.csv", QT_TRANSLATE_NOOP("CliText", "mark: also write the table as CSV")}});
    return help
           + said(CliText::tr(
               "\nExit status 0 when done; 1 when check finds a question without an answer,\n"
               "when mark cannot read an answers file or write FILE.csv, or when standard\n"
               "output cannot be written; 2 with one line on standard error, and nothing done,\n"
               "for a bad option, a FILE without a good exercise or an asks that names no figure.\n"));
}

std::vector<AcceptedOption> subcommandOptions(const std::string &subcommand)
{
    if (subcommand == "key")
        return {{"--student", "NAME", ""}, {"--json", "", ""}};
    if (subcommand == "mark")
        return {{"--out", "FILE.csv", ""}};
    return {};
}

QString fileName(const std::string &argument)
{
    return QFile::decodeName(QByteArray::fromStdString(argument));
}

// The exercise file, or the refusal already written to `err`.
std::optional<ModelFileRead> exerciseFile(const std::string &argument, std::ostream &err)
{
    const ModelFileRead read = readModelFile(fileName(argument));
    if (!read.ok()) {
        refuseValues(err, kWho, read.message().toStdString());
        return std::nullopt;
    }
    if (!read.exerciseProblem.isEmpty()) {
        refuseValues(err, kWho,
                     said(CliText::tr("\"%1\": %2").arg(fileName(argument), read.exerciseProblem)));
        return std::nullopt;
    }
    if (!read.exercise) {
        refuseValues(err, kWho,
                     said(CliText::tr("\"%1\" holds a model but no \"exercise\"").arg(fileName(argument))));
        return std::nullopt;
    }
    return read;
}

QString percent(double share) { return QString::fromStdString(numberText(100 * share)) + " %"; }

QJsonValue figureJson(const Figure &figure)
{
    switch (figure.kind) {
    case Figure::Kind::None:
        return QJsonValue::Null;
    case Figure::Kind::Word:
        return figure.word;
    case Figure::Kind::Number:
        return figure.numbers.front();
    case Figure::Kind::Numbers:
        break;
    }
    QJsonArray numbers;
    for (const double number : figure.numbers)
        numbers.append(number);
    return numbers;
}

int key(const ModelFileRead &read, const std::optional<std::string> &student, bool json,
        std::ostream &out, std::ostream &err)
{
    const QString name = student ? QString::fromStdString(*student) : QString();
    if (student) {
        if (const QString problem = studentNameProblem(name); !problem.isEmpty())
            return refuseValues(err, kWho, said(CliText::tr("--student: %1").arg(problem)));
    }
    const ExerciseSheet sheet = student ? exerciseSheet(read, name) : fileSheet(read);
    if (!sheet.model.ok())
        return refuseValues(err, kWho,
                            said(CliText::tr("the numbers of %1 break a rule of the model: %2")
                                     .arg(name, sheet.model.problem)));
    const ExerciseBlock &block = sheet.block;
    if (json) {
        QJsonArray questions;
        for (size_t i = 0; i < block.questions.size(); ++i)
            questions.append(QJsonObject{{"text", block.questions[i].text},
                                         {"asks", block.questions[i].asks},
                                         {"answer", figureJson(sheet.answers[i])},
                                         {"tolerance", block.questions[i].tolerance}});
        const QJsonObject document{{"student", student ? QJsonValue(name) : QJsonValue()},
                                   {"model", modelJson(sheet.model)},
                                   {"questions", questions}};
        out << QJsonDocument(document).toJson(QJsonDocument::Indented).toStdString();
        return kExitOk;
    }
    out << said(CliText::tr("Exercise: %1").arg(block.title)) << '\n';
    out << (student ? said(CliText::tr("Student: %1").arg(name))
                    : said(CliText::tr("The file's own numbers (no student)")))
        << '\n';
    for (size_t i = 0; i < block.vary.size(); ++i)
        out << "  " << block.vary[i].value.toStdString() << " = " << numberText(sheet.values[i]) << '\n';
    for (size_t i = 0; i < block.questions.size(); ++i) {
        const ExerciseQuestion &question = block.questions[i];
        const Figure &answer = sheet.answers[i];
        out << '\n' << i + 1 << ". " << question.text.toStdString() << '\n';
        out << "   " << question.asks.toStdString() << ": "
            << (answer.kind == Figure::Kind::None
                    ? said(CliText::tr("no answer: this model has no such figure"))
                    : answer.text().toStdString());
        if (answer.kind == Figure::Kind::Number || answer.kind == Figure::Kind::Numbers)
            out << (answer.exact ? said(CliText::tr(" (exactly)"))
                                 : said(CliText::tr(" (within %1 + %2)")
                                            .arg(percent(question.tolerance),
                                                 QString::fromStdString(numberText(question.absolute)))));
        out << '\n';
    }
    return kExitOk;
}

int check(const ModelFileRead &read, std::ostream &out, std::ostream &err)
{
    const ExerciseBlock &block = *read.exercise;
    for (size_t i = 0; i < block.questions.size(); ++i) {
        if (!asksNamesFigure(block.questions[i].asks))
            return refuseValues(err, kWho,
                                said(CliText::tr("question %1: \"asks\" is \"%2\", which names no "
                                                 "figure of the report")
                                         .arg(i + 1)
                                         .arg(block.questions[i].asks)));
    }
    std::vector<std::vector<double>> choices;
    long long combinations = 1;
    for (const ExerciseVary &vary : block.vary) {
        choices.push_back(varyChoices(vary));
        combinations = std::min(combinations * (long long)choices.back().size(), kCheckedCombinations + 1);
    }
    const bool all = combinations <= kCheckedCombinations;
    const long long checked = all ? combinations : kCheckedCombinations;
    int failures = 0;
    for (long long k = 0; k < checked; ++k) {
        std::vector<double> values;
        if (all) {
            long long rest = k;
            for (const std::vector<double> &c : choices) {
                values.push_back(c[size_t(rest % (long long)c.size())]);
                rest /= (long long)c.size();
            }
        } else {
            // A sample the students themselves could get: the draws of names "1", "2", ...
            values = drawStudentValues(block, QString::number(k + 1));
        }
        const ModelFileRead model = studentModel(read, values);
        QStringList numbers;
        for (size_t i = 0; i < values.size(); ++i)
            numbers << block.vary[i].value + " = " + QString::fromStdString(numberText(values[i]));
        const QString with = numbers.isEmpty() ? CliText::tr("the file's numbers") : numbers.join(", ");
        if (!model.ok()) {
            out << said(CliText::tr("with %1: %2").arg(with, model.problem)) << '\n';
            ++failures;
            continue;
        }
        const ExerciseFigures figures(model);
        for (size_t i = 0; i < block.questions.size(); ++i) {
            const Figure figure = figures.figure(block.questions[i]);
            if (figure.kind == Figure::Kind::None) {
                out << said(CliText::tr("question %1 has no answer with %2").arg(i + 1).arg(with)) << '\n';
                ++failures;
            } else if (figure.nearTie) {
                out << said(CliText::tr("question %1 is a near tie with %2: the largest is within "
                                        "2 % of the next")
                                .arg(i + 1)
                                .arg(with))
                    << '\n';
                ++failures;
            }
        }
    }
    const QString which = all ? CliText::tr("all %1 combinations of the varied values").arg(checked)
                              : CliText::tr("a sample of %1 combinations of the varied values").arg(checked);
    if (failures > 0) {
        out << (failures == 1 ? said(CliText::tr("1 problem in %1").arg(which))
                              : said(CliText::tr("%1 problems in %2").arg(failures).arg(which)))
            << '\n';
        return kExitFailed;
    }
    out << said(CliText::tr("Every question has an answer for %1.").arg(which)) << '\n';
    return kExitOk;
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}

QString number(double value) { return QString::fromStdString(numberText(value)); }

// The words of the table's "numbers" and "marks" columns: the CSV keeps them as they are,
// since a script reads them; the terminal shows them in the reader's language.
const char *const kUnread = QT_TRANSLATE_NOOP("CliText", "unread");
const char *const kOtherExercise = QT_TRANSLATE_NOOP("CliText", "OTHER EXERCISE");
const char *const kDiffer = QT_TRANSLATE_NOOP("CliText", "DIFFER");
const char *const kOk = QT_TRANSLATE_NOOP("CliText", "ok");
constexpr qsizetype kNumbersColumn = 5; // "numbers", then "marks"

int mark(const ModelFileRead &read, const std::vector<std::string> &files,
         const std::optional<std::string> &csvFile, std::ostream &out, std::ostream &err)
{
    const ExerciseBlock &block = *read.exercise;
    QStringList header{"file", "student", "score", "outOf", "storedScore", "numbers", "marks"};
    for (size_t i = 0; i < block.questions.size(); ++i)
        header << QStringLiteral("q%1").arg(i + 1);
    header << "triesUnverified" << "problem";
    // One row an answers file; its problem in the language the texts are asked in.
    bool unread = false;
    const auto tableRows = [&]() {
        std::vector<QStringList> rows;
        for (const std::string &file : files) {
            const AnswersFileRead answers = readAnswersFile(fileName(file));
            QStringList row{fileName(file)};
            if (!answers.document) {
                unread = true;
                row << "" << "" << "" << "" << kUnread << kUnread;
                for (size_t i = 0; i <= block.questions.size(); ++i)
                    row << "";
                rows.push_back(row << answers.problem);
                continue;
            }
            const AnswersDocument &document = *answers.document;
            const AnswersCheck checked = checkAnswers(read, document);
            row << document.student << number(checked.score) << number(checked.outOf)
                << number(document.score);
            row << (checked.otherExercise ? kOtherExercise : checked.numbersDiffer ? kDiffer : kOk);
            row << (checked.marksDiffer ? kDiffer : kOk);
            for (size_t i = 0; i < block.questions.size(); ++i)
                row << (i < checked.marks.size() ? markName(checked.marks[i]) : QString());
            QStringList tries;
            for (const StoredAnswer &answer : document.answers)
                tries << QString::number(answer.tries);
            row << tries.join('/') << checked.problem;
            rows.push_back(row);
        }
        return rows;
    };
    const std::vector<QStringList> rows = tableRows();
    const QString note = CliText::tr("The number of tries is what each student's program counted: "
                                     "it cannot be verified.");
    // Aligned columns for the terminal; the CSV takes the same cells.
    std::vector<qsizetype> widths(size_t(header.size()), 0);
    const auto widen = [&widths](const QStringList &cells) {
        for (qsizetype c = 0; c < cells.size() && size_t(c) < widths.size(); ++c)
            widths[size_t(c)] = std::max(widths[size_t(c)], cells[c].size());
    };
    std::vector<QStringList> shownRows = rows;
    for (QStringList &row : shownRows) {
        for (qsizetype c = kNumbersColumn; c <= kNumbersColumn + 1 && c < row.size(); ++c)
            row[c] = CliText::tr(row[c].toUtf8().constData());
    }
    widen(header);
    for (const QStringList &row : shownRows)
        widen(row);
    const auto line = [&widths](const QStringList &cells) {
        QString text;
        for (qsizetype c = 0; c < cells.size(); ++c)
            text += (c > 0 ? "  " : "") + cells[c].leftJustified(widths[size_t(c)]);
        // Empty cells at the end leave no blanks behind.
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        return text.toStdString();
    };
    out << line(header) << '\n';
    for (const QStringList &row : shownRows)
        out << line(row) << '\n';
    out << said(note) << '\n';
    if (csvFile) {
        // The file keeps the problems in English, as a script that reads it expects them.
        const EnglishData english;
        const std::vector<QStringList> rows = tableRows();
        QString csv;
        for (const QStringList *row : {&header}) {
            QStringList cells;
            for (const QString &cell : *row)
                cells << csvField(cell);
            csv += cells.join(',') + "\r\n";
        }
        for (const QStringList &row : rows) {
            QStringList cells;
            for (const QString &cell : row)
                cells << csvField(cell);
            csv += cells.join(',') + "\r\n";
        }
        if (const auto failure = writeFileSafely(fileName(*csvFile), csv.toUtf8())) {
            err << kWho << ": "
                << said(CliText::tr("\"%1\" could not be written: %2").arg(failure->fileName, failure->reason))
                << '\n';
            return kExitFailed;
        }
    }
    return unread ? kExitFailed : kExitOk;
}

int exercise(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    if (arguments.empty())
        return refuse(err, kWho, said(CliText::tr("no action given: key, check or mark")));
    const std::string action = arguments.front();
    if (action != "key" && action != "check" && action != "mark") {
        if (const auto nearest = nearestName(action, {"key", "check", "mark"}))
            return refuse(err, kWho, said(CliText::tr("unknown action %1; did you mean %2?")
                                              .arg(typed(action), typed(*nearest))));
        return refuse(err, kWho, said(CliText::tr("unknown action %1: key, check or mark").arg(typed(action))));
    }
    ReadOptions given;
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (const auto problem = readOptions(rest, subcommandOptions(action), given))
        return refuse(err, kWho, *problem);
    std::optional<std::string> student;
    std::optional<std::string> csvFile;
    bool json = false;
    for (const GivenOption &option : given.options) {
        if (option.name == "--student")
            student = option.value;
        else if (option.name == "--out")
            csvFile = option.value;
        else if (option.name == "--json")
            json = true;
    }
    const std::vector<std::string> &files = given.others;
    if (files.empty())
        return refuse(err, kWho, said(CliText::tr("no FILE given: the model file with the exercise")));
    if (action == "mark" && files.size() < 2)
        return refuse(err, kWho, said(CliText::tr("no ANSWERS given: the answers files to mark")));
    if (action != "mark" && files.size() > 1)
        return refuse(err, kWho, said(CliText::tr("more than one FILE given: %1 and %2")
                                          .arg(typed(files[0]), typed(files[1]))));
    const std::optional<ModelFileRead> read = exerciseFile(files.front(), err);
    if (!read)
        return kExitUsage;
    if (action == "key")
        return key(*read, student, json, out, err);
    if (action == "check")
        return check(*read, out, err);
    return mark(*read, std::vector<std::string>(files.begin() + 1, files.end()), csvFile, out, err);
}

} // namespace

std::vector<AcceptedOption> exerciseOptions(const std::string &action)
{
    return subcommandOptions(action);
}

const Command kExerciseCommand{
    "exercise",
    QT_TRANSLATE_NOOP("CliText",
                      "an exercise's answer key for a student, the check of its questions, and the\n"
                      "marks of the answers students hand in"),
    exerciseHelp, exercise};

} // namespace velmora
