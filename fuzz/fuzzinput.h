#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace velmora {

// Takes a fuzzer's bytes apart into texts and whole numbers. It reads them exactly as
// libFuzzer's FuzzedDataProvider does (texts from the front, numbers from the back), so the
// corpus files keep their meaning, and it builds with any compiler, so the replay of the
// corpus in the normal build needs no clang.
class FuzzInput {
public:
    FuzzInput(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    // Up to maxLength bytes; a backslash followed by anything but a second backslash ends the
    // text (and both bytes are used up), two backslashes give one.
    std::string text(size_t maxLength);

    // A number from min to max, from as many bytes off the end as the range needs; min when
    // no byte is left.
    int intInRange(int min, int max);

private:
    const uint8_t *m_data;
    size_t m_size;
};

} // namespace velmora
