#pragma once

#include <functional>
#include <optional>
#include <string>

namespace velmora {

// How many significant digits a decimal number text shows: "0.00120" 3, "1.5E+15" 2, "-999" 3.
// 0 for zero and for a text that is no plain decimal number ("", "abc", "Infinity", "&H10").
int significantDigits(const std::string &text);

// A decimal number text rounded half away from zero to `digits` significant digits, for a box
// too narrow to show the whole text; zeros closing the digits kept are left out, so the text
// may have fewer digits: ("2.50000000000006E+20", 3) -> "2.5E+20", ("0.333333333333333", 3)
// -> "0.333".
// An exponent stays. Rounding into the digits before the point writes the exponent form
// ("214552694.349876", 4) -> "2.146E+08": dropping or zeroing them would read as another number.
// nullopt when the text is no decimal number or already has no more than `digits` digits.
std::optional<std::string> roundedNumberText(const std::string &text, int digits);

// What a box shows of a number text: the text itself when it fits, else its rounding to the
// most significant digits that still fit; nullopt when not even one digit fits, or when the
// text does not fit and is no number.
std::optional<std::string> fittingNumberText(const std::string &text,
                                             const std::function<bool(const std::string &)> &fits);

} // namespace velmora
