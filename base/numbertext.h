#pragma once

#include <string>

namespace velmora {

// The one text form in which the program writes a double into a field:
// at most 15 significant digits, no trailing zeros, "." as decimal point,
// plain decimals for 0 and magnitudes in [0.0001, 1E15), else "1.5E+15".
std::string numberText(double value);

// The same form with at most `significantDigits` digits (1..17), e.g. 7 for a single-precision value.
std::string numberText(double value, int significantDigits);

// Plain decimal digits of a time index.
std::string integerText(int value);

// How reading a text as a number ended.
enum class ReadStatus {
    Ok,
    NotANumber,  // strict reading only: the text is not a number as a whole
    OutOfRange,  // the number is beyond the range of a double
};

struct ReadResult {
    double value = 0.0;
    ReadStatus status = ReadStatus::Ok;

    bool ok() const { return status == ReadStatus::Ok; }
};

// `text` without the blanks around it: spaces and tabs, and with `lineBreaks` line breaks too.
std::string trimmedBlanks(const std::string &text, bool lineBreaks = false);

// Reads a whole field text as a number: surrounding blanks, a sign, digits
// with one ".", an optional exponent. Anything else is NotANumber.
ReadResult strictValue(const std::string &text);

// Reads the longest leading number of a typed text and ignores the rest.
// Blanks, tabs and line breaks anywhere are skipped; "&H"/"&O" prefixes read
// non-negative hexadecimal/octal integers; no digit at all reads as 0.
// Never NotANumber; OutOfRange where the number exceeds a double.
ReadResult lenientValue(const std::string &text);

} // namespace velmora
