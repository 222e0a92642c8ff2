#pragma once

#include "demography/stagemodel.h"

#include <boost/random/lognormal_distribution.hpp>
#include <boost/random/normal_distribution.hpp>
#include <pcg_random.hpp>

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

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

// A vital rate for one year: its mean where it cannot vary, otherwise a draw around the mean
// with the variance asked for. SurvivalDraw and FecundityDraw choose the distribution.
class RateDraw {
public:
    bool varies() const { return m_law != Law::Fixed; }
    double mean() const { return m_mean; }
    double variance() const { return m_variance; }
    double draw(ReplicateRng &rng) const;

protected:
    enum class Law {
        Fixed,
        Beta,      // the ratio of two gamma draws
        LogBeta,   // the same from their logarithms: a shape below 1 would underflow
        Lognormal,
    };
    Law m_law = Law::Fixed;
    double m_mean = 0.0;
    double m_variance = 0.0;
    GammaDraw m_a; // the beta's two gammas
    GammaDraw m_b;
    double m_mu = 0.0; // the lognormal's: ln mean - sigma^2 / 2, so that draws keep the mean
    double m_sigma = 0.0;
};

// A survival rate: beta with the given mean and coefficient of variation, or the mean itself
// where it cannot vary (CV 0, mean 0 or 1, or a variance below the smallest double). The CV
// must be within survivalCvAllowed().
class SurvivalDraw : public RateDraw {
public:
    SurvivalDraw() = default;
    SurvivalDraw(double mean, double cv);
};

// A fecundity: lognormal with the given mean and CV, or the mean itself where it cannot vary
// (CV 0, mean 0).
class FecundityDraw : public RateDraw {
public:
    FecundityDraw() = default;
    FecundityDraw(double mean, double cv);
};

// True where a beta distribution with mean s and this CV exists: its variance (cv s)^2 stays
// below s (1 - s). Rates of 0 and 1 do not vary, so every CV is allowed for them.
bool survivalCvAllowed(double s, double cv);

// The largest CV with at most four significant digits that survivalCvAllowed() takes for s
// (about sqrt((1 - s) / s)); infinity for rates that do not vary.
double largestSurvivalCv(double s);

// The vital rates of a stage model for one year. Each stage's survival (the column sum of U)
// is drawn and shared over its fates in the proportions of U; each non-zero entry of F and C
// is drawn around its own value. The order is fixed: survival in stage order, then F by rows,
// then C by rows; a rate that does not vary draws nothing.
class YearlyRates {
public:
    YearlyRates() = default;
    // cvSurvival[c] is the CV of stage c's survival, within survivalCvAllowed().
    YearlyRates(const StageModel &model, const std::vector<double> &cvSurvival,
                double cvFecundity);

    // One non-zero entry of A = U + F + C, in the order of rows, then columns.
    struct Entry {
        int row = 0;
        int column = 0;
        int fate = -1;   // its part of U: an index into fates(), or -1
        int sexual = -1; // its part of F: an index into the reproduction draws, or -1
        int clonal = -1; // its part of C, the same
        double mean = 0.0; // U + F + C as given
    };
    // Where the survivors of a stage go: U(row, column) is share x the column's sum.
    struct Fate {
        int row = 0;
        double share = 0.0;
    };
    // A year's draws: one survival per stage and one value per non-zero entry of F, then C;
    // each list ends in a 0 that stands for a part an entry does not have.
    struct Year {
        std::vector<double> survival;
        std::vector<double> reproduction;
    };

    int stages() const { return int(m_survival.size()); }
    const std::vector<Entry> &entries() const { return m_entries; }
    const std::vector<SurvivalDraw> &survival() const { return m_survival; }
    const std::vector<FecundityDraw> &reproduction() const { return m_reproduction; }
    // The fates of stage c: fates()[fateBegin(c)] up to fates()[fateBegin(c + 1)], by row.
    const std::vector<Fate> &fates() const { return m_fates; }
    int fateBegin(int stage) const { return m_fateBegin[size_t(stage)]; }
    // The entries of row r: entries()[rowBegin(r)] up to entries()[rowBegin(r + 1)].
    int rowBegin(int row) const { return m_rowBegin[size_t(row)]; }

    // A year to draw into, sized for this model.
    Year year() const;
    // Draws the year's rates from the replicate's stream, in the order above.
    void draw(ReplicateRng &rng, Year &year) const;
    // The year's value of every entry of A, in the order of entries(): the survivors' share,
    // then F, then C.
    void values(const Year &year, double *a) const;
    // The year's reproduction in entry k of A (its parts of F and C; 0 where it has none).
    double births(size_t k, const Year &year) const;

private:
    // Entry k as the yearly loop reads it, without a branch: U's part is survival x share +
    // given (a survival that does not vary reads the trailing 0 and keeps U's own entry).
    struct Term {
        size_t survival = 0;
        size_t sexual = 0;
        size_t clonal = 0;
        double share = 0.0;
        double given = 0.0;
    };
    std::vector<Term> m_terms;
    std::vector<int> m_rowBegin;

    std::vector<SurvivalDraw> m_survival;
    std::vector<FecundityDraw> m_reproduction;
    std::vector<Fate> m_fates;
    std::vector<int> m_fateBegin;
    std::vector<Entry> m_entries;
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

inline double RateDraw::draw(ReplicateRng &rng) const
{
    switch (m_law) {
    case Law::Fixed:
        break;
    case Law::Beta: {
        const double x = m_a.draw(rng);
        const double y = m_b.draw(rng);
        return x / (x + y);
    }
    case Law::LogBeta: {
        const double lx = m_a.logDraw(rng);
        const double ly = m_b.logDraw(rng);
        return 1.0 / (1.0 + std::exp(ly - lx));
    }
    case Law::Lognormal:
        return boost::random::lognormal_distribution<double>(m_mu, m_sigma)(rng);
    }
    return m_mean;
}

inline void YearlyRates::draw(ReplicateRng &rng, Year &year) const
{
    for (size_t i = 0; i < m_survival.size(); ++i)
        year.survival[i] = m_survival[i].draw(rng);
    for (size_t i = 0; i < m_reproduction.size(); ++i)
        year.reproduction[i] = m_reproduction[i].draw(rng);
}

inline double YearlyRates::births(size_t k, const Year &year) const
{
    const Term &t = m_terms[k];
    return year.reproduction[t.sexual] + year.reproduction[t.clonal];
}

inline void YearlyRates::values(const Year &year, double *a) const
{
    for (size_t k = 0; k < m_terms.size(); ++k) {
        const Term &t = m_terms[k];
        a[k] = year.survival[t.survival] * t.share + t.given + year.reproduction[t.sexual]
               + year.reproduction[t.clonal];
    }
}

} // namespace velmora
