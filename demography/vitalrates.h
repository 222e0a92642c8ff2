#pragma once

#include <boost/random/lognormal_distribution.hpp>
#include <boost/random/normal_distribution.hpp>
#include <pcg_random.hpp>

#include <array>
#include <cmath>
#include <cstdint>

namespace velmora {

// The generator of one replicate: PCG's 64-bit output on a 128-bit state, with a stream of
// its own per replicate.
using ReplicateRng = pcg64;

// The stream of replicate `index` under `seed`: the same numbers whatever thread draws them.
ReplicateRng replicateStream(std::uint64_t seed, std::uint64_t index);

// Call on a thread before it draws. A thread inherits its creator's vector registers, and Qt's
// start leaves the upper halves of the AVX registers in use: until they are cleared, every SSE
// instruction of libm's exp and log waits on them, and a draw takes ten to twenty times as long
// (measured in bench/). Does nothing where there is no AVX.
void prepareThreadForDraws();

// Gamma(shape, 1). Boost's gamma sampler tries a Cauchy proposal with a tangent, a power and an
// exponential per try and was measured to take most of a projection step (bench/), so this is
// Marsaglia and Tsang's squeeze method on Boost's ziggurat normal: one normal and one uniform
// per draw in about 98 % of draws at the shapes a survival CV gives.
class GammaDraw {
public:
    explicit GammaDraw(double shape = 1.0);

    double shape() const { return m_shape; }
    // A draw, for a shape of at least 1.
    double draw(ReplicateRng &rng) const;
    // The logarithm of a draw, for any shape > 0: small shapes put almost all their mass so
    // close to 0 that the draw itself would underflow.
    double logDraw(ReplicateRng &rng) const;

private:
    double m_shape = 1.0;
    double m_d = 0.0;        // shape - 1/3 of the shape drawn (shape + 1 below 1)
    double m_c = 0.0;        // 1 / sqrt(9 d)
    double m_inverse = 0.0;  // 1 / shape, for the power that brings a shape below 1 down
};

// A survival rate for one year: beta with the given mean and coefficient of variation, or the
// mean itself where it cannot vary (CV 0, mean 0 or 1). The CV must be within
// survivalCvAllowed().
class SurvivalDraw {
public:
    SurvivalDraw() = default;
    SurvivalDraw(double mean, double cv);

    bool varies() const { return m_varies; }
    double mean() const { return m_mean; }
    double variance() const { return m_variance; }
    double draw(ReplicateRng &rng) const;

private:
    double m_mean = 0.0;
    double m_variance = 0.0;
    bool m_varies = false;
    bool m_logSpace = false; // a shape below 1: the ratio is taken from the logarithms
    GammaDraw m_a;
    GammaDraw m_b;
};

// A fecundity for one year: lognormal with the given mean and CV, or the mean itself where it
// cannot vary (CV 0, mean 0).
class FecundityDraw {
public:
    FecundityDraw() = default;
    FecundityDraw(double mean, double cv);

    bool varies() const { return m_varies; }
    double mean() const { return m_mean; }
    double variance() const { return m_variance; }
    double draw(ReplicateRng &rng) const;

private:
    double m_mean = 0.0;
    double m_variance = 0.0;
    bool m_varies = false;
    double m_mu = 0.0; // ln mean - sigma^2 / 2, so that the draws have the mean asked for
    double m_sigma = 0.0;
};

// True where a beta distribution with mean s and this CV exists: its variance (cv s)^2 stays
// below s (1 - s). Rates of 0 and 1 do not vary, so every CV is allowed for them.
bool survivalCvAllowed(double s, double cv);

// The largest CV with at most four significant digits that survivalCvAllowed() takes for s
// (about sqrt((1 - s) / s)); infinity for rates that do not vary.
double largestSurvivalCv(double s);

// The seven vital rates of one year, drawn in a fixed order: s0, s1, s2, then f0..f3.
struct YearlyRates {
    std::array<SurvivalDraw, 3> survival;
    std::array<FecundityDraw, 4> fecundity;

    void draw(ReplicateRng &rng, std::array<double, 3> &s, std::array<double, 4> &f) const;
};

// The draws are defined here so that the projection's inner loop inlines them.

inline double standardNormal(ReplicateRng &rng)
{
    return boost::random::normal_distribution<double>()(rng);
}

// Uniform on (0, 1] in steps of 2^-53: its logarithm is finite. Boost's uniform_01 divides
// and loops for every draw and took a quarter of a year's draws (bench/); this is the top 53
// bits of one output, plus one, times 2^-53.
inline double openUniform(ReplicateRng &rng)
{
    return double((rng() >> 11) + 1) * 0x1.0p-53;
}

inline double GammaDraw::draw(ReplicateRng &rng) const
{
    for (;;) {
        const double x = standardNormal(rng);
        double v = 1.0 + m_c * x;
        if (v <= 0.0)
            continue;
        v = v * v * v;
        const double u = openUniform(rng);
        const double x2 = x * x;
        if (u < 1.0 - 0.0331 * x2 * x2)
            return m_d * v;
        if (std::log(u) < 0.5 * x2 + m_d * (1.0 - v + std::log(v)))
            return m_d * v;
    }
}

inline double GammaDraw::logDraw(ReplicateRng &rng) const
{
    const double logged = std::log(draw(rng));
    if (m_shape >= 1.0)
        return logged;
    // Gamma(a) is Gamma(a + 1) U^(1/a).
    return logged + std::log(openUniform(rng)) * m_inverse;
}

inline double SurvivalDraw::draw(ReplicateRng &rng) const
{
    if (!m_varies)
        return m_mean;
    if (!m_logSpace) {
        const double x = m_a.draw(rng);
        const double y = m_b.draw(rng);
        return x / (x + y);
    }
    const double lx = m_a.logDraw(rng);
    const double ly = m_b.logDraw(rng);
    return 1.0 / (1.0 + std::exp(ly - lx));
}

inline double FecundityDraw::draw(ReplicateRng &rng) const
{
    if (!m_varies)
        return m_mean;
    return boost::random::lognormal_distribution<double>(m_mu, m_sigma)(rng);
}

inline void YearlyRates::draw(ReplicateRng &rng, std::array<double, 3> &s,
                              std::array<double, 4> &f) const
{
    for (size_t i = 0; i < 3; ++i)
        s[i] = survival[i].draw(rng);
    for (size_t i = 0; i < 4; ++i)
        f[i] = fecundity[i].draw(rng);
}

} // namespace velmora
