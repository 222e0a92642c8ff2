// The strict reading of a field text, its agreement with the lenient reading, and the number
// text form of arbitrary doubles (the first eight bytes of the input taken as one).
#include "fuzz/fuzzcheck.h"
#include "base/numbertext.h"

#include <cmath>
#include <cstdint>
#include <cstring>

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const ReadResult strict = strictValue(text);
    if (strict.status != ReadStatus::NotANumber) {
        // A text that is a number as a whole reads the same either way.
        const ReadResult lenient = lenientValue(text);
        require(lenient.status == strict.status && lenient.value == strict.value,
                "strict and lenient readings disagree on a whole number", text);
    }
    if (strict.ok()) {
        require(std::isfinite(strict.value), "strict reading gave a non-finite value", text);
        requireTextForm(strict.value, text);
    }

    if (size >= sizeof(double)) {
        double value = 0.0;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) {
            requireTextForm(value, text);
        } else {
            require(!strictValue(numberText(value)).ok(),
                    "a non-finite value is written as a readable number", text);
        }
    }
    return 0;
}
