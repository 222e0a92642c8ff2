#include "fuzz/fuzzinput.h"

#include <climits>

namespace velmora {

std::string FuzzInput::text(size_t maxLength)
{
    std::string result;
    for (size_t i = 0; i < maxLength && m_size != 0; ++i) {
        char next = static_cast<char>(*m_data);
        ++m_data;
        --m_size;
        if (next == '\\' && m_size != 0) {
            next = static_cast<char>(*m_data);
            ++m_data;
            --m_size;
            if (next != '\\')
                break;
        }
        result += next;
    }
    return result;
}

int FuzzInput::intInRange(int min, int max)
{
    const uint64_t range = static_cast<uint64_t>(static_cast<int64_t>(max) - min);
    uint64_t value = 0;
    for (size_t bits = 0; bits < sizeof(int) * CHAR_BIT && (range >> bits) > 0 && m_size != 0;
         bits += CHAR_BIT) {
        --m_size;
        value = (value << CHAR_BIT) | m_data[m_size];
    }
    return static_cast<int>(min + static_cast<int64_t>(value % (range + 1)));
}

} // namespace velmora
