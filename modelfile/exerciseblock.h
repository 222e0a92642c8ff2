#pragma once

#include "demography/stochastic.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <optional>
#include <vector>

namespace velmora {

struct ModelDocument;
struct StageModelDocument;

inline constexpr int kMaxExerciseQuestions = 100;
inline constexpr int kMaxExerciseVaried = 20;
inline constexpr int kMaxVaryChoices = 1000; // values one varied key can take
inline constexpr int kMaxExerciseTries = 100;
inline constexpr int kExerciseTextMaxLength = 2000;

// One question of an exercise: what the student reads and what the program computes.
struct ExerciseQuestion {
    QString text;
    QString asks;            // a figure of the report by its JSON key path, or a special asks
    double tolerance = 0.01; // relative: right when |a - x| <= tolerance |x| + absolute
    double absolute = 1e-9;
    QString hint;            // shown after a wrong answer; may be empty
    double points = 1.0;
    std::optional<RiskSettings> risk; // only for "risk.finalRisk"
};

// One value of the model that each student gets a value of: from, from + step, ... up to to.
struct ExerciseVary {
    QString value; // the model file's key and index: "fecundities[2]", "transitions[1][0]"
    double from = 0.0;
    double to = 0.0;
    double step = 1.0;
};

// The "exercise" block of a model file (version 2).
struct ExerciseBlock {
    QString title; // with the student's name, the seed of each student's numbers
    std::vector<ExerciseQuestion> questions;
    std::vector<ExerciseVary> vary;
    bool analysis = true; // false: the Analysis and risk windows stay closed
    int maxTries = 3;
};

// The values a varied key takes, in order; empty where the range is not a proper one.
std::vector<double> varyChoices(const ExerciseVary &vary);

// The model value a key such as "fecundities[2]" or "transitions[1][0]" names in a document,
// or null where the document has no such value.
double *modelValue(ModelDocument &document, const QString &key);
double *modelValue(StageModelDocument &document, const QString &key);

// Whether `asks` has the form of a key path: names joined by ".", each followed by [index]es.
bool isKeyPath(const QString &asks);

// Reads an "exercise" block for the model of `leslie` or `stage` (one of them); returns the
// problem ("question 2: ...") or nothing and fills `block`. The model values each varied key
// takes at either end of its range are checked with the model's own rules.
QString exerciseBlockProblem(const QJsonValue &value, const ModelDocument *leslie,
                             const StageModelDocument *stage, ExerciseBlock &block);

// The block as the file holds it, defaults left out.
QJsonObject exerciseBlockJson(const ExerciseBlock &block);

// A model file's bytes (modelFileBytes, stageModelFileBytes) with `block` as its exercise, made
// version 2 so that an older program refuses it by its version.
QByteArray exerciseFileBytes(const QByteArray &modelBytes, const ExerciseBlock &block);

// One question on lambda whose own texts say what each field does (JSON has no comments), for
// "Save as exercise..." to write and a teacher to edit.
ExerciseBlock exampleExercise(const QString &title);

} // namespace velmora
