// The readers of stage names, matrices and lists typed as text. The input's first line is the
// NAMES; the rest is read as ROWS and as a LIST for that many stages. A refusal says where;
// a matrix read holds n x n finite values of at least 0, and the values written back in the
// program's number text form read as the same matrix.
#include "fuzz/fuzzcheck.h"
#include "base/numbertext.h"
#include "modelfile/stagerows.h"

#include <cmath>
#include <cstdint>

using namespace velmora;

namespace {

void requireRefusalSaysWhere(const StageTextRead &read, int stages, const std::string &input)
{
    require(read.row >= 0 && read.row <= stages && read.value >= 0 && read.value <= stages,
            "a refusal names a row or value outside the model", input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    const size_t lineEnd = input.find('\n');
    const std::string namesText = input.substr(0, lineEnd);
    const std::string rowsText = lineEnd == std::string::npos ? std::string() : input.substr(lineEnd + 1);

    const StageNamesRead names = readStageNames(namesText);
    require(names.ok() == !names.names.empty(), "names read without a name, or refused with some", input);
    if (!names.ok())
        return 0;
    const int n = int(names.names.size());
    for (const std::string &name : names.names)
        require(stageNameProblem(name) == StageNameProblem::None, "an accepted name breaks a rule", input);

    const StageRowsRead rows = readStageRows(rowsText, n);
    if (!rows.ok()) {
        requireRefusalSaysWhere(rows, n, input);
    } else {
        require(rows.matrix.rows() == n && rows.matrix.cols() == n, "a matrix of another size", input);
        std::string written;
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c) {
                const double x = rows.matrix(r, c);
                require(std::isfinite(x) && x >= 0, "an accepted value below 0 or not finite", input);
                written += numberText(x) + (c + 1 < n ? "," : r + 1 < n ? ";" : "");
            }
        }
        const StageRowsRead again = readStageRows(written, n);
        require(again.ok(), "written rows do not read back", input);
        // numberText keeps 15 digits: the value read back is within that rounding.
        require(((again.matrix - rows.matrix).array().abs() <= 1e-14 * rows.matrix.array().abs()).all(),
                "written rows read back as other values", input);
    }

    const StageValuesRead values = readStageValues(rowsText, n);
    if (!values.ok())
        requireRefusalSaysWhere(values, n, input);
    else
        require(values.values.size() == n && (values.values.array() >= 0).all(),
                "a list of another size or with a value below 0", input);
    return 0;
}
