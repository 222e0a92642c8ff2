// Whatever a student types into an entry, the lenient reading gives a finite number or
// refuses it as too large, and that number survives the number text form.
#include "fuzz/fuzzcheck.h"
#include "base/numbertext.h"

#include <cmath>
#include <cstdint>

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const ReadResult read = lenientValue(text);
    require(read.status != ReadStatus::NotANumber, "lenient reading gave NotANumber", text);
    if (!read.ok()) {
        require(read.value == 0.0, "a refused reading carries a value", text);
        return 0;
    }
    require(std::isfinite(read.value), "lenient reading gave a non-finite value", text);
    requireTextForm(read.value, text);
    return 0;
}
