#pragma once

#include "exercise/exercise.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace velmora {

// The answers a student hands in (".velmora-answers"): a small JSON file with the student's
// name, the model's numbers, each answer with its mark and tries, the score and the program's
// version. Read with the checks of a model file: a size limit, the types and the keys.
inline constexpr int kAnswersFileVersion = 1;
inline constexpr qint64 kAnswersFileMaxBytes = 256 * 1024;
inline constexpr int kAnswerMaxLength = 10000;
inline constexpr char kAnswersFileSuffix[] = "velmora-answers";

// One answer as it was handed in.
struct StoredAnswer {
    QString answer;              // as typed; empty when not answered
    std::optional<Mark> mark;    // none when not answered
    int tries = 0;

    bool operator==(const StoredAnswer &other) const;
};

struct AnswersDocument {
    QString exercise; // the exercise's title
    QString student;
    std::vector<std::pair<QString, double>> model; // each varied key and the student's value
    std::vector<StoredAnswer> answers;             // one for each question, in order
    double score = 0.0;
    double outOf = 0.0;
    QString program; // the version of the program that wrote it

    bool operator==(const AnswersDocument &other) const;
};

// The document of a sheet with the student's answers, marks and tries (one of each a question).
AnswersDocument answersDocument(const ExerciseSheet &sheet, const std::vector<StoredAnswer> &answers);

// The file's bytes: the keys in a fixed order.
QByteArray answersFileBytes(const AnswersDocument &document);

struct AnswersFileRead {
    std::optional<AnswersDocument> document;
    QString fileName;
    QString problem; // names the key at fault; empty when read

    // One line naming the file and its problem.
    QString message() const;
};

// Checks a whole file's bytes.
AnswersFileRead parseAnswersFile(const QByteArray &bytes);
// Reads and checks a file of at most kAnswersFileMaxBytes.
AnswersFileRead readAnswersFile(const QString &fileName);

// Writes an answers file through the program's safe write; the reason when it was not written.
std::optional<QString> writeAnswersFile(const QString &fileName, const AnswersDocument &document);

// What the teacher's recomputation found for one answers file.
struct AnswersCheck {
    std::vector<Mark> marks; // recomputed from the name and the answers (wrong: not answered)
    double score = 0.0;
    double outOf = 0.0;
    bool otherExercise = false; // the file names another exercise's title
    bool numbersDiffer = false; // the stored numbers are not the name's draw
    bool marksDiffer = false;   // a stored mark or the score is not the recomputed one
    QString problem;            // the student's model cannot be computed
};

// Recomputes every mark of `answers` from the student's name against the exercise in `read`.
AnswersCheck checkAnswers(const ModelFileRead &read, const AnswersDocument &answers);

} // namespace velmora
