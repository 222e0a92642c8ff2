#include "fuzz/fuzzcheck.h"

#include "base/numbertext.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace velmora {

void require(bool condition, const char *property, const std::string &input)
{
    if (condition)
        return;
    std::fprintf(stderr, "property broken: %s\ninput (%zu bytes): \"", property, input.size());
    for (const unsigned char c : input) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\')
            std::fputc(c, stderr);
        else
            std::fprintf(stderr, "\\x%02x", c);
    }
    std::fputs("\"\n", stderr);
    std::abort();
}

namespace {

int significantDigits(const std::string &text)
{
    int count = 0;
    bool leading = true;
    for (const char c : text) {
        if (c == 'E')
            break;
        if (c < '0' || c > '9')
            continue;
        if (leading && c == '0')
            continue;
        leading = false;
        ++count;
    }
    return count;
}

} // namespace

void requireTextForm(double value, const std::string &input)
{
    const std::string text = numberText(value);
    require(text.find("Inf") == std::string::npos && text.find("NaN") == std::string::npos,
            "a finite value is written as a non-finite word", input);
    require(significantDigits(text) <= 15, "more than 15 significant digits", input);
    const size_t point = text.find('.');
    const size_t mantissaEnd = std::min(text.find('E'), text.size());
    require(point == std::string::npos || text[mantissaEnd - 1] != '0',
            "trailing zero after the decimal point", input);

    const ReadResult back = strictValue(text);
    require(back.status != ReadStatus::NotANumber, "the text form is not a number", input);
    if (!back.ok()) {
        // Only 15-digit rounding of a value next to the largest double may pass it.
        require(std::strtold(text.c_str(), nullptr) > static_cast<long double>(DBL_MAX)
                    || std::strtold(text.c_str(), nullptr) < -static_cast<long double>(DBL_MAX),
                "the text form of an in-range value reads as out of range", input);
        return;
    }
    require(std::isfinite(back.value), "the text form reads back as non-finite", input);
    // Half a unit in the 15th digit is at most 5e-15 of the value; the rest is binary rounding.
    const double tolerance =
        5.5e-15 * std::fabs(value) + std::numeric_limits<double>::denorm_min();
    require(std::fabs(back.value - value) <= tolerance, "the text form reads back far off", input);
    if (std::fabs(value) >= DBL_MIN)
        require(numberText(back.value) == text, "the value read back is written differently",
                input);

    const ReadResult exact = strictValue(numberText(value, 17));
    require(exact.ok() && exact.value == value, "17 digits do not read back exactly", input);
    const ReadResult single = strictValue(numberText(value, 7));
    require(single.ok() && std::isfinite(single.value), "7 digits do not read back", input);
}

bool finiteOrBlank(const std::string &text)
{
    if (text.find_first_not_of(' ') == std::string::npos)
        return true;
    const ReadResult read = strictValue(text);
    return read.ok() && std::isfinite(read.value);
}

} // namespace velmora
