// The model file reader on arbitrary bytes. A refused file names its problem; an accepted Leslie
// model holds values the editing window's checks pass, is applied by "Go Back" without a
// refusal, and is written back into bytes that read as the same document; an accepted life
// cycle passes the model's check and reads back the same.
#include "fuzz/fuzzcheck.h"
#include "model/simulation.h"
#include "modelfile/modelfile.h"

#include <cmath>
#include <cstdint>
#include <memory>

using namespace velmora;

namespace {

// An accepted life cycle passes the model's own check and every rule of the file, and is
// written back into bytes that read as the same document.
void requireStageDocument(const StageModelDocument &document, const std::string &input)
{
    const StageModel &model = document.model;
    require(checkStageModel(model).ok(), "an accepted life cycle fails the model's check", input);
    require(stageModelProblem(document).isEmpty(), "an accepted life cycle breaks a rule", input);
    const ModelFileRead again = parseModelFile(stageModelFileBytes(document));
    require(again.stageDocument.has_value(), "the written life cycle does not read back", input);
    const StageModelDocument &read = *again.stageDocument;
    require(read.title == document.title && read.notes == document.notes
                && read.source == document.source && read.model.stages == model.stages
                && read.model.U == model.U && read.model.F == model.F && read.model.C == model.C
                && read.model.n0 == model.n0 && read.model.harvest == model.harvest,
            "the written life cycle reads back as another", input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::string input(bytes.constData(), size);
    const ModelFileRead read = parseModelFile(bytes);
    require(read.ok() == read.problem.isEmpty(), "a refusal without a problem, or both", input);
    if (!read.ok())
        return 0;
    require(read.document.has_value() != read.stageDocument.has_value(),
            "a file read as both models, or as none", input);
    require(!(read.exercise && !read.exerciseProblem.isEmpty()),
            "an exercise both read and refused", input);
    if (read.exercise) {
        require(!read.exercise->questions.empty(), "an exercise read without questions", input);
        for (const ExerciseVary &vary : read.exercise->vary)
            require(!varyChoices(vary).empty(), "a varied value read with nothing to draw", input);
    }
    if (read.stageDocument) {
        requireStageDocument(*read.stageDocument, input);
        return 0;
    }

    const ModelDocument &document = *read.document;
    require(modelValuesProblem(document.values).isEmpty(), "accepted values break a rule", input);
    require(modelTextProblem(document).isEmpty(), "accepted title or notes break a rule", input);
    for (const auto *group : {&document.values.fecundities, &document.values.n0,
                              &document.values.harvest}) {
        for (const double value : *group)
            require(std::isfinite(value) && value >= 0, "an accepted value below 0", input);
    }
    for (const double s : document.values.survival)
        require(s >= 0 && s <= 1, "an accepted survival rate outside 0 to 1", input);

    auto history = std::make_unique<Module1>();
    Simulation simulation(*history);
    simulation.startUp();
    EditEntries entries = modelEntries(document.values);
    require(entries.goBack(simulation) == BrokenRule::None, "Go Back refused a read model", input);
    require(history->tcount == 0, "the opened model did not restart the run", input);
    for (const std::string &text : simulation.fields().m)
        require(finiteOrBlank(text), "a matrix field is not a finite number", input);

    const ModelFileRead again = parseModelFile(modelFileBytes(document));
    require(again.ok(), "the written document does not read back", input);
    require(again.document->values == document.values && again.document->title == document.title
                && again.document->notes == document.notes && again.document->source == document.source,
            "the written document reads back as another", input);
    return 0;
}
