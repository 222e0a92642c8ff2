#include "ui/screens/titleanimation.h"

#include <cmath>

namespace velmora {

namespace {
constexpr std::uint64_t kSeed = 0x5eed'1997'0400ULL;
}

long long roundHalfToEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    auto whole = static_cast<long long>(below);
    if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0))
        ++whole;
    return whole;
}

TitleAnimation::TitleAnimation() : m_generator(kSeed) {}

double TitleAnimation::nextUniform()
{
    // The top 53 bits fill a double's mantissa exactly, so 1.0 can never come out.
    return static_cast<double>(m_generator() >> 11) * 0x1.0p-53;
}

TitleAnimation::Step TitleAnimation::next()
{
    const int shown = static_cast<int>(roundHalfToEven((kLabels - 1) * nextUniform()));
    const Step step{m_index, shown};
    m_index = shown;
    return step;
}

} // namespace velmora
