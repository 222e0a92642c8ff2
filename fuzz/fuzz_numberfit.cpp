// The rounding of a field text that does not fit its box: any typed text either stays as it
// is or rounds to a number text that reads as the same number, to the digits asked for.
#include "fuzz/fuzzcheck.h"
#include "model/numberfit.h"
#include "base/numbertext.h"

#include <cmath>
#include <cstdint>
#include <limits>

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const int digits = significantDigits(text);
    require(digits >= 0, "a negative digit count", text);
    const ReadResult whole = strictValue(text);
    if (digits > 0)
        require(whole.status != ReadStatus::NotANumber, "digits counted in a non-number", text);

    for (int k = 0; k <= digits && k < 40; ++k) {
        const std::optional<std::string> rounded = roundedNumberText(text, k);
        require(rounded.has_value() == (k >= 1 && k < digits),
                "a rounded form exactly for fewer digits than the text has", text);
        if (!rounded)
            continue;
        require(significantDigits(*rounded) <= k, "more digits than asked for", text);
        const ReadResult shown = strictValue(*rounded);
        require(shown.status != ReadStatus::NotANumber, "a rounded form that is no number", text);
        // Compared where both are ordinary doubles; tiny and huge ones lose digits in the double.
        if (!whole.ok() || !shown.ok() || !std::isnormal(whole.value) || !std::isnormal(shown.value))
            continue;
        require(std::signbit(whole.value) == std::signbit(shown.value), "the sign changed", text);
        const double power = std::floor(std::log10(std::fabs(whole.value)));
        const double halfPlace = 0.5 * std::pow(10.0, power - k + 1);
        const double slack = 8 * std::numeric_limits<double>::epsilon() * std::fabs(whole.value);
        require(std::fabs(shown.value - whole.value) <= halfPlace + slack + halfPlace * 1e-9,
                "rounded by more than half the last digit kept", text);
    }

    // A box that takes as many characters as the first byte says.
    const size_t room = size > 0 ? data[0] % 32 : 0;
    const auto fits = [room](const std::string &s) { return s.size() <= room; };
    if (const std::optional<std::string> shown = fittingNumberText(text, fits))
        require(shown->size() <= room && (*shown == text || digits > 0),
                "a fitted form that does not fit, or a cut non-number", text);
    return 0;
}
