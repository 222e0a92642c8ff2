// The answers file reader on arbitrary bytes. A refused file names its problem; an accepted one
// is written back into bytes that read as the same document, and the teacher's recomputation
// of its marks against an exercise ends with marks for every question, whatever the file holds.
#include "exercise/answersfile.h"
#include "fuzz/fuzzcheck.h"

#include <cstdint>

using namespace velmora;

namespace {

const ModelFileRead &exercise()
{
    static const ModelFileRead read = parseModelFile(R"({"format": "velmora-model", "version": 2,
        "fecundities": [0, 1, 2, 1], "survival": [0.5, 1, 0.5], "n0": [10, 10, 10, 10],
        "harvest": [5, 0, 0, 0], "exercise": {"title": "Harvest", "questions": [
            {"text": "lambda?", "asks": "growth.lambda"},
            {"text": "shares?", "asks": "growth.stableDistribution"},
            {"text": "stage?", "asks": "largestElasticity.stage"}],
            "vary": [{"value": "harvest[0]", "from": 0, "to": 20, "step": 1}]}})");
    return read;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::string input(bytes.constData(), size);
    const AnswersFileRead read = parseAnswersFile(bytes);
    require(read.document.has_value() == read.problem.isEmpty(), "a refusal without a problem, or both",
            input);
    if (!read.document)
        return 0;
    const AnswersFileRead again = parseAnswersFile(answersFileBytes(*read.document));
    require(again.document && *again.document == *read.document,
            "the written answers read back as others", input);
    const AnswersCheck check = checkAnswers(exercise(), *read.document);
    require(check.problem.isEmpty() && check.marks.size() == exercise().exercise->questions.size(),
            "the recomputation left a question without a mark", input);
    return 0;
}
