#pragma once

#include "modelfile/modelfile.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>

#include <optional>
#include <vector>

namespace velmora {

// The texts the exercises write for a reader (refusals of a name or an answers file), in the
// reader's language: ExerciseText::tr("...").
class ExerciseText {
    Q_DECLARE_TR_FUNCTIONS(ExerciseText)
};

// Exercises that check themselves: each student's own numbers drawn from the name, the answer
// of each question computed from the report of that student's model, and the marking. Qt Core
// only: the Exercise window and velmora-cli share it.

inline constexpr int kStudentNameMaxLength = 100;
// A largest elasticity within this share of the next largest is a near tie.
inline constexpr double kNearTie = 0.02;

// Why a typed name cannot be a student's name (one sentence), or an empty text.
QString studentNameProblem(const QString &name);

// The name as the draw takes it: trimmed and case-folded, so "Ada " and "ada" are one student.
QString foldedStudentName(const QString &name);

// One value for each varied key of `block`, in its order, drawn from the program's own seeded
// stream: the seed is the SHA-256 of the folded name and the exercise's title, so a name gives
// the same numbers on every machine.
std::vector<double> drawStudentValues(const ExerciseBlock &block, const QString &student);

// The file's model with `values` in place of the varied keys; the problem set where the values
// break a rule of the model (a column of transitions above 1 from two varied values, say).
ModelFileRead studentModel(const ModelFileRead &read, const std::vector<double> &values);

// What a question asks for, computed.
struct Figure {
    enum class Kind {
        None,    // the asks names no figure, or the figure does not exist for this model
        Number,  // numbers[0]
        Numbers, // a vector, checked element by element
        Word,    // a stage, a verdict or "never": matched exactly
    };
    Kind kind = Kind::None;
    std::vector<double> numbers;
    QString word;
    bool exact = false; // numbers that must match exactly (a cell's row and column)
    // The largest stage or cell is within kNearTie of the next: a question a student cannot
    // decide from rounded figures.
    bool nearTie = false;

    // The figure as the program writes it: "1.2 3.4" for a vector.
    QString text() const;
};

// The figures of one model: its report (the JSON of "velmora-cli analyse --json"), computed once.
class ExerciseFigures {
public:
    explicit ExerciseFigures(const ModelFileRead &model);

    // The answer of `question` for this model.
    Figure figure(const ExerciseQuestion &question) const;
    // The whole report, as "velmora-cli analyse --json" prints it.
    const QJsonObject &report() const;

private:
    // The report without the searches for the largest harvests, which take most of its time.
    const QJsonObject &quickReport() const;

    ModelFileRead m_model;
    mutable std::optional<QJsonObject> m_report; // computed when first asked for
    mutable std::optional<QJsonObject> m_quickReport;
};

// Whether `asks` names a figure the program can compute (for some model); the special asks
// "projection.total[t]", "projection.firstBelowThreshold", "largestElasticity.stage",
// "largestElasticity.cell", "risk.finalRisk" included.
bool asksNamesFigure(const QString &asks);

enum class Mark {
    Right, // within the tolerance
    Close, // within ten times it: "check your rounding"
    Wrong,
};

// "right", "close", "wrong", as the answers file holds them.
QString markName(Mark mark);
std::optional<Mark> markNamed(const QString &name);

// The numbers of a typed answer, read with the program's own rules: numbers apart by blanks,
// commas, semicolons or brackets. Nothing where a part is no number.
std::optional<std::vector<double>> answerNumbers(const QString &answer);

// Marks a typed answer: a number right when |a - x| <= tolerance |x| + absolute, close within
// ten times that; a vector element by element (its worst element); a word exactly.
Mark markAnswer(const Figure &figure, const QString &answer, const ExerciseQuestion &question);

// A student's exercise: the numbers drawn for the name, the model with them and the answers.
struct ExerciseSheet {
    QString student;
    ExerciseBlock block;
    std::vector<double> values; // one for each varied key
    ModelFileRead model;        // the student's model; its problem set where it broke a rule
    std::vector<Figure> answers;
};

// Draws the student's numbers and computes every answer. `read` holds an exercise.
ExerciseSheet exerciseSheet(const ModelFileRead &read, const QString &student);
// The same for the file's own numbers (no student: the teacher's key).
ExerciseSheet fileSheet(const ModelFileRead &read);

// The points of the right answers, and of all questions.
double sheetScore(const ExerciseBlock &block, const std::vector<Mark> &marks);
double sheetPoints(const ExerciseBlock &block);

// The model file's keys with the student's numbers, as a JSON object.
QJsonObject modelJson(const ModelFileRead &model);

} // namespace velmora
