#include "model/numberfit.h"

#include <cstdio>
#include <cstdlib>

namespace velmora {

namespace {

// A decimal number text taken apart: sign, significant digits d1 d2 ... (no leading zeros)
// and the power of ten of d1, so that the value is d1.d2d3... x 10^power.
struct Decimal {
    bool negative = false;
    std::string digits;
    long power = 0;
    bool exponentForm = false;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads "[sign] digits [. digits] [E|e [sign] digits]" and nothing else; nullopt otherwise
// and for zero, which has no significant digit to round.
std::optional<Decimal> parse(const std::string &text)
{
    Decimal d;
    size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        d.negative = text[i++] == '-';
    std::string mantissa;
    long pointAt = -1;
    for (; i < text.size() && (isDigit(text[i]) || text[i] == '.'); ++i) {
        if (text[i] == '.') {
            if (pointAt >= 0)
                return std::nullopt;
            pointAt = static_cast<long>(mantissa.size());
        } else {
            mantissa += text[i];
        }
    }
    if (mantissa.empty())
        return std::nullopt;
    if (pointAt < 0)
        pointAt = static_cast<long>(mantissa.size());
    long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        d.exponentForm = true;
        ++i;
        bool exponentNegative = false;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            exponentNegative = text[i++] == '-';
        const size_t start = i;
        // Beyond any double: such a text is not rounded, only shown as it is.
        for (; i < text.size() && isDigit(text[i]) && i - start < 6; ++i)
            exponent = exponent * 10 + (text[i] - '0');
        if (i == start)
            return std::nullopt;
        if (exponentNegative)
            exponent = -exponent;
    }
    if (i != text.size())
        return std::nullopt;

    const size_t first = mantissa.find_first_not_of('0');
    if (first == std::string::npos)
        return std::nullopt;
    d.digits = mantissa.substr(first);
    // Zeros closing a whole number only hold places; once a digit stands after the point,
    // every zero up to it is a shown digit ("100.0" has four).
    if (pointAt == static_cast<long>(mantissa.size()))
        d.digits.erase(d.digits.find_last_not_of('0') + 1);
    d.power = pointAt - static_cast<long>(first) - 1 + exponent;
    return d;
}

std::string exponentText(long power)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "E%c%02ld", power < 0 ? '-' : '+', power < 0 ? -power : power);
    return buffer;
}

} // namespace

int significantDigits(const std::string &text)
{
    const std::optional<Decimal> d = parse(text);
    return d ? static_cast<int>(d->digits.size()) : 0;
}

std::optional<std::string> roundedNumberText(const std::string &text, int digits)
{
    std::optional<Decimal> d = parse(text);
    if (!d || digits < 1 || static_cast<size_t>(digits) >= d->digits.size())
        return std::nullopt;

    const size_t kept = static_cast<size_t>(digits);
    const bool up = d->digits[kept] >= '5';
    std::string shown = d->digits.substr(0, kept);
    if (up) {
        size_t i = kept;
        while (i > 0 && shown[i - 1] == '9')
            shown[--i] = '0';
        if (i == 0) {
            // 9.99 -> 10.0: one more place before the point, the same number of digits.
            shown.insert(shown.begin(), '1');
            shown.pop_back();
            ++d->power;
        } else {
            ++shown[i - 1];
        }
    }

    // Zeros that close the digits kept say nothing a shorter text does not; the tool tip holds
    // the whole number. Zeros before the units still hold places.
    const size_t meaningful = shown.find_last_not_of('0') + 1;

    std::string result = d->negative ? "-" : "";
    // The place of the last digit kept: above the units, plain digits would have to be zeros.
    const long lastPlace = d->power - static_cast<long>(kept) + 1;
    if (d->exponentForm || lastPlace > 0) {
        result += shown.substr(0, 1);
        if (meaningful > 1)
            result += "." + shown.substr(1, meaningful - 1);
        return result + exponentText(d->power);
    }
    if (d->power < 0) {
        return result + "0." + std::string(static_cast<size_t>(-d->power - 1), '0')
               + shown.substr(0, meaningful);
    }
    const size_t integerDigits = static_cast<size_t>(d->power) + 1;
    result += shown.substr(0, integerDigits);
    if (meaningful > integerDigits)
        result += "." + shown.substr(integerDigits, meaningful - integerDigits);
    return result;
}

std::optional<std::string> fittingNumberText(const std::string &text,
                                             const std::function<bool(const std::string &)> &fits)
{
    if (fits(text))
        return text;
    for (int digits = significantDigits(text) - 1; digits >= 1; --digits) {
        const std::optional<std::string> rounded = roundedNumberText(text, digits);
        if (rounded && fits(*rounded))
            return rounded;
    }
    return std::nullopt;
}

} // namespace velmora
