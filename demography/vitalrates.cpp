#include "demography/vitalrates.h"

#include <limits>

namespace velmora {

namespace {

// SplitMix64: spreads a seed and an index over all the bits a generator's state has.
std::uint64_t splitMix(std::uint64_t &x)
{
    x += 0x9e3779b97f4a7c15ULL;
    std::uint64_t z = x;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

pcg_extras::pcg128_t join(std::uint64_t high, std::uint64_t low)
{
    return (pcg_extras::pcg128_t(high) << 64) | low;
}

} // namespace

ReplicateRng replicateStream(std::uint64_t seed, std::uint64_t index)
{
    std::uint64_t x = seed;
    std::uint64_t y = splitMix(x) ^ index;
    const std::uint64_t high = splitMix(y);
    const std::uint64_t low = splitMix(y);
    // A different state and a different increment for every replicate: PCG streams that
    // share a state and differ only in the increment are known to be alike.
    return ReplicateRng(join(high, low), join(index, seed));
}

void prepareThreadForDraws()
{
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool avx = __builtin_cpu_supports("avx");
    // Zeroes the upper halves only: the compiled code keeps nothing there.
    if (avx)
        __asm__ volatile("vzeroupper");
#endif
}

GammaDraw::GammaDraw(double shape)
    : m_shape(shape)
{
    const double drawn = shape >= 1.0 ? shape : shape + 1.0;
    m_d = drawn - 1.0 / 3.0;
    m_c = 1.0 / std::sqrt(9.0 * m_d);
    m_inverse = 1.0 / shape;
}

SurvivalDraw::SurvivalDraw(double mean, double cv)
    : m_mean(mean)
{
    m_varies = cv > 0 && mean > 0 && mean < 1;
    if (!m_varies)
        return;
    const double sd = cv * mean;
    m_variance = sd * sd;
    // Beta(a, b) has mean a / (a + b) and variance mean (1 - mean) / (a + b + 1).
    const double k = mean * (1.0 - mean) / m_variance - 1.0;
    m_a = GammaDraw(mean * k);
    m_b = GammaDraw((1.0 - mean) * k);
    m_logSpace = m_a.shape() < 1.0 || m_b.shape() < 1.0;
}

FecundityDraw::FecundityDraw(double mean, double cv)
    : m_mean(mean)
{
    m_varies = cv > 0 && mean > 0;
    if (!m_varies)
        return;
    const double sd = cv * mean;
    m_variance = sd * sd;
    const double sigma2 = std::log1p(cv * cv);
    m_sigma = std::sqrt(sigma2);
    m_mu = std::log(mean) - 0.5 * sigma2;
}

bool survivalCvAllowed(double s, double cv)
{
    if (!(s > 0 && s < 1))
        return true;
    const double sd = cv * s;
    return sd * sd < s * (1.0 - s);
}

double largestSurvivalCv(double s)
{
    if (!(s > 0 && s < 1))
        return std::numeric_limits<double>::infinity();
    const double bound = std::sqrt((1.0 - s) / s);
    const int exponent = static_cast<int>(std::floor(std::log10(bound)));
    // Four significant digits: n / scale with a whole n from 1000 to 9999; below 1000 the
    // digits move one place down (below a bound of exactly 1 the largest is 0.9999).
    double scale = std::pow(10.0, 3 - exponent);
    double n = std::floor(bound * scale);
    while (!survivalCvAllowed(s, n / scale)) {
        n -= 1;
        if (n < 1000) {
            scale *= 10;
            n = n * 10 + 9;
        }
    }
    return n / scale;
}

} // namespace velmora
