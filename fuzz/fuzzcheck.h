#pragma once

#include <string>

namespace velmora {

// Stops the fuzzer with the failed property and the input that broke it.
void require(bool condition, const char *property, const std::string &input);

// The number text form of a finite value: no non-finite word, at most 15 significant digits,
// reads back (beyond a double only where the rounding itself passed the largest double),
// and the value read back is written the same way again.
void requireTextForm(double value, const std::string &input);

// Empty or blank, or a whole number text that reads back as a finite value.
bool finiteOrBlank(const std::string &text);

} // namespace velmora
