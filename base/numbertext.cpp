#include "base/numbertext.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace velmora {

namespace {

// strtod follows LC_NUMERIC; a private "C" locale keeps "." whatever the user's locale.
locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Converts an already validated decimal literal; a result past the double range is OutOfRange,
// an underflow reads as the nearest representable value (possibly 0).
ReadResult convertLiteral(const std::string &literal)
{
    errno = 0;
    char *end = nullptr;
    const double value = strtod_l(literal.c_str(), &end, cLocale());
    if (std::isinf(value))
        return {0.0, ReadStatus::OutOfRange};
    return {value, ReadStatus::Ok};
}

// Length of "digits [. digits]" starting at pos, with at least one digit; 0 if none.
size_t scanMantissa(const std::string &s, size_t pos)
{
    size_t i = pos;
    bool digits = false;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            digits = true;
        }
    }
    return digits ? i - pos : 0;
}

// Length of "E [sign] digits" at pos (markers given), 0 if no complete exponent is there.
size_t scanExponent(const std::string &s, size_t pos, const char *markers)
{
    if (pos >= s.size())
        return 0;
    bool marker = false;
    for (const char *m = markers; *m; ++m)
        marker = marker || s[pos] == *m;
    if (!marker)
        return 0;
    size_t i = pos + 1;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    const size_t digitsStart = i;
    while (i < s.size() && isDigit(s[i]))
        ++i;
    return i > digitsStart ? i - pos : 0;
}

ReadResult radixValue(const std::string &s, size_t pos, int radix)
{
    double value = 0.0;
    for (size_t i = pos; i < s.size(); ++i) {
        const char c = s[i];
        int digit = -1;
        if (isDigit(c))
            digit = c - '0';
        else if (radix == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (radix == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0 || digit >= radix)
            break;
        value = value * radix + digit;
        if (std::isinf(value))
            return {0.0, ReadStatus::OutOfRange};
    }
    return {value, ReadStatus::Ok};
}

} // namespace

std::string numberText(double value)
{
    return numberText(value, 15);
}

std::string numberText(double value, int significantDigits)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0.0)
        return "0"; // also negative zero

    // Scientific form rounds to the significant digits and gives the decimal exponent after
    // rounding; to_chars does it exactly like printf's %.*e, several times faster and in no locale.
    const int precision = std::clamp(significantDigits, 1, 17) - 1;
    char buffer[40];
    const std::to_chars_result written = std::to_chars(
        buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, precision);
    const std::string formatted(buffer, written.ptr);
    const size_t ePos = formatted.find('e');
    // The digits before "e", without the decimal point.
    std::string digits;
    for (size_t i = 0; i < ePos; ++i) {
        if (isDigit(formatted[i]))
            digits += formatted[i];
    }
    const int exponent = std::atoi(formatted.c_str() + ePos + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text = value < 0 ? "-" : "";
    if (exponent >= -4 && exponent < 15) {
        if (exponent < 0) {
            text += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
        } else {
            const size_t intDigits = static_cast<size_t>(exponent) + 1;
            if (digits.size() <= intDigits) {
                text += digits + std::string(intDigits - digits.size(), '0');
            } else {
                text += digits.substr(0, intDigits) + "." + digits.substr(intDigits);
            }
        }
        return text;
    }
    text += digits.substr(0, 1);
    if (digits.size() > 1)
        text += "." + digits.substr(1);
    char exponentText[16];
    std::snprintf(exponentText, sizeof exponentText, "E%c%02d", exponent < 0 ? '-' : '+',
                  exponent < 0 ? -exponent : exponent);
    return text + exponentText;
}

std::string integerText(int value)
{
    return std::to_string(value);
}

std::string trimmedBlanks(const std::string &text, bool lineBreaks)
{
    const auto isBlank = [lineBreaks](char c) {
        return c == ' ' || c == '\t' || (lineBreaks && (c == '\n' || c == '\r'));
    };
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

ReadResult strictValue(const std::string &text)
{
    const std::string body = trimmedBlanks(text);
    size_t pos = 0;
    if (pos < body.size() && (body[pos] == '+' || body[pos] == '-'))
        ++pos;
    const size_t mantissa = scanMantissa(body, pos);
    if (mantissa == 0)
        return {0.0, ReadStatus::NotANumber};
    pos += mantissa;
    pos += scanExponent(body, pos, "eE");
    if (pos != body.size())
        return {0.0, ReadStatus::NotANumber};
    return convertLiteral(body);
}

ReadResult lenientValue(const std::string &text)
{
    std::string s;
    s.reserve(text.size());
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            s += c;
    }

    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return radixValue(s, 2, 16);
        if (s[1] == 'O' || s[1] == 'o')
            return radixValue(s, 2, 8);
    }

    size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-'))
        ++pos;
    const size_t mantissa = scanMantissa(s, pos);
    if (mantissa == 0)
        return {0.0, ReadStatus::Ok};
    std::string literal = s.substr(0, pos + mantissa);
    const size_t exponent = scanExponent(s, pos + mantissa, "eEdD");
    if (exponent > 0)
        literal += "e" + s.substr(pos + mantissa + 1, exponent - 1);
    return convertLiteral(literal);
}

} // namespace velmora
