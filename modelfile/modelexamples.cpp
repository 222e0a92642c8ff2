#include "modelfile/modelexamples.h"

#include "modelfile/modelfile.h"

namespace velmora {

QList<ModelExample> modelExamples()
{
    // From the plain model to the harvest pair, in the order a class would take them; then the
    // published life cycles; then the exercises on them.
    const char *const names[] = {"default", "declining", "oscillating", "harvest-below-limit",
                                 "harvest-above-limit", "loggerhead-turtle", "killer-whale",
                                 "teasel", "growth-and-harvest-exercise",
                                 "loggerhead-elasticity-exercise"};
    QList<ModelExample> examples;
    for (const char *name : names) {
        ModelExample example;
        example.fileName = QLatin1String(name) + QStringLiteral(".velmora");
        example.path = QStringLiteral(":/examples/") + example.fileName;
        // The files are built in and checked by the tests; a title falls back on the name.
        const ModelFileRead read = readModelFile(example.path);
        example.title = read.title().isEmpty() ? example.fileName : read.title();
        example.stageModel = read.stageDocument.has_value();
        examples.append(example);
    }
    return examples;
}

} // namespace velmora
