#pragma once

#include "demography/analysis.h"
#include "demography/density.h"
#include "demography/stagemodel.h"
#include "model/editentries.h"
#include "modelfile/exerciseblock.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonValue>
#include <QString>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

// The texts of reading and writing model files (the refusals of a file, in the reader's
// language): ModelFileText::tr("..."). The files themselves are the same in every language.
class ModelFileText {
    Q_DECLARE_TR_FUNCTIONS(ModelFileText)
};

class Simulation;

// A model file (".velmora"): a small JSON document holding a model, N(0), H and a title and
// notes for the student. The window, the command line and the desktop all read it with these.
// Version 1 holds the main window's 4-class Leslie model; version 2 adds life cycles of any
// size ("stages") and a "source". A Leslie model that needs nothing of version 2 is still
// written as version 1, so that older versions of the program open it.
inline constexpr int kModelFileVersion = 2; // the newest version read and written
inline constexpr int kLeslieFileVersion = 1;
inline constexpr qint64 kModelFileMaxBytes = 1024 * 1024;
inline constexpr int kModelTitleMaxLength = 100;
inline constexpr int kModelSourceMaxLength = 300;
inline constexpr char kModelFileSuffix[] = "velmora";
inline constexpr char kModelMimeType[] = "application/x-velmora";

// The values of a model, in the order and the names of the file's keys.
struct ModelValues {
    std::array<double, 4> fecundities{}; // f0..f3, row 0 of M
    std::array<double, 3> survival{};    // s0..s2, the sub-diagonal of M
    std::array<double, 4> n0{};          // N(0)
    std::array<double, 4> harvest{};     // H

    bool operator==(const ModelValues &other) const;
};

// Density dependence as a file holds it: "density": {"form", "capacity", "countedStages"}.
struct DensityBlock {
    DensityForm form = DensityForm::BevertonHolt;
    double capacity = 0.0;
    std::vector<std::string> countedStages{}; // by name; empty: every stage

    bool operator==(const DensityBlock &other) const;
};

// Both blocks make a file version 2.
struct YieldBlocks {
    std::optional<DensityBlock> density{};
    std::vector<std::string> harvestStages{}; // "harvestStages": the stages the three ways take
                                              // from; empty: every stage
};

// A 4-class Leslie model with the texts shown with it.
struct ModelDocument {
    QString title; // one line, may be empty
    QString notes; // what to look for, may be empty
    ModelValues values;
    QString source = {}; // the published source of the figures, one line; makes the file version 2
    YieldBlocks yield = {};
};

// A life cycle of any size with the texts shown with it (always a version 2 file).
struct StageModelDocument {
    QString title;
    QString notes;
    QString source;
    StageModel model;
    YieldBlocks yield = {};
};

// The stages of `names` by their index in `model`, for the library.
std::vector<int> stageIndices(const StageModel &model, const std::vector<std::string> &names);
// The density settings a block gives for `model`.
DensitySettings densitySettings(const StageModel &model, const DensityBlock &block);

// What reading a model file gave: one of the two documents, or the first problem found.
struct ModelFileRead {
    std::optional<ModelDocument> document;           // a file by "fecundities" and "survival"
    std::optional<StageModelDocument> stageDocument; // a file by "stages"
    QString fileName; // as it was given
    QString problem;  // names the key at fault where there is one; empty when read
    // An "exercise" block (version 2): read, or refused while the model itself was read.
    std::optional<ExerciseBlock> exercise;
    QString exerciseProblem; // "\"exercise\", question 2: ..."; empty when read or absent

    bool ok() const { return document.has_value() || stageDocument.has_value(); }
    // One line naming the file and its problem.
    QString message() const;
    // One line naming the file, the exercise's problem, and that the model opened without it.
    QString exerciseMessage() const;
    QString title() const;
    // The model read as a life cycle, also where it is a Leslie model (stages "0".."3").
    StageModelDocument asStageModel() const;
};

// Checks a whole file's bytes; never changes anything.
ModelFileRead parseModelFile(const QByteArray &bytes);
// Reads and checks a file of at most kModelFileMaxBytes.
ModelFileRead readModelFile(const QString &fileName);

// The first rule of the editing window (and the one of the file: no survival rate below 0)
// that the values break, naming its key; empty when none is broken.
QString modelValuesProblem(const ModelValues &values);
// The same for the title, the notes and the source.
QString modelTextProblem(const ModelDocument &document);
// The first rule of a model file that a life cycle or its texts break, naming its key.
QString stageModelProblem(const StageModelDocument &document);

// The file's bytes: the keys in their documented order, one to a line.
QByteArray modelFileBytes(const ModelDocument &document);
// The same for a life cycle, one line to each row of a matrix.
QByteArray stageModelFileBytes(const StageModelDocument &document);

// How writing a model file ended.
struct ModelFileWrite {
    bool ok = false;
    QString message; // names the file and why it was not written; empty when written
};

// Writes a model file safely: a refused model or a failed write leaves an old file whole.
ModelFileWrite writeModelFile(const QString &fileName, const ModelDocument &document);
ModelFileWrite writeModelFile(const QString &fileName, const StageModelDocument &document);

// Writes the model of `read` with `block` as its exercise; refused (and nothing written) where
// the file would not open again with its exercise.
ModelFileWrite writeExerciseFile(const QString &fileName, const ModelFileRead &read,
                                 const ExerciseBlock &block);

// The Leslie model of the main window as a life cycle.
StageModel stageModelOf(const ModelValues &values);
// The same as the 4-class analysis and risk take it.
PopulationModel populationModelOf(const ModelValues &values);

// A JSON value as a refusal quotes it: compact, cut short after 40 characters.
QString shownJsonValue(const QJsonValue &value);

// The editing window's texts for the values (structural zeros "0"), as "Go Back" takes them.
EditEntries modelEntries(const ModelValues &values);

// The model of the current run: M and H as the main window shows them, N(0) of its history.
// Nothing when a field does not hold a number.
std::optional<ModelValues> currentModelValues(const Simulation &simulation);

} // namespace velmora
