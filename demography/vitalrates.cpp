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
{
    m_mean = mean;
    const double sd = cv * mean;
    // Below the smallest double the beta's shapes would be infinite and its draws not numbers.
    if (!(cv > 0 && mean > 0 && mean < 1 && sd * sd > 0))
        return;
    m_variance = sd * sd;
    // Beta(a, b) has mean a / (a + b) and variance mean (1 - mean) / (a + b + 1).
    const double k = mean * (1.0 - mean) / m_variance - 1.0;
    m_a = GammaDraw(mean * k);
    m_b = GammaDraw((1.0 - mean) * k);
    m_law = m_a.shape() < 1.0 || m_b.shape() < 1.0 ? Law::LogBeta : Law::Beta;
}

FecundityDraw::FecundityDraw(double mean, double cv)
{
    m_mean = mean;
    if (!(cv > 0 && mean > 0))
        return;
    const double sd = cv * mean;
    m_variance = sd * sd;
    const double sigma2 = std::log1p(cv * cv);
    m_sigma = std::sqrt(sigma2);
    m_mu = std::log(mean) - 0.5 * sigma2;
    m_law = Law::Lognormal;
}

YearlyRates::YearlyRates(const StageModel &model, const std::vector<double> &cvSurvival,
                         double cvFecundity)
{
    const int n = model.size();
    m_fateBegin.push_back(0);
    std::vector<int> fateAt(size_t(n) * size_t(n), -1); // row + n column
    for (int c = 0; c < n; ++c) {
        const double sum = model.U.col(c).sum();
        m_survival.emplace_back(sum, cvSurvival[size_t(c)]);
        for (int r = 0; r < n; ++r) {
            if (model.U(r, c) != 0.0) {
                fateAt[size_t(r + n * c)] = int(m_fates.size());
                m_fates.push_back({r, model.U(r, c) / sum});
            }
        }
        m_fateBegin.push_back(int(m_fates.size()));
    }
    std::vector<int> sexualAt(fateAt.size(), -1);
    std::vector<int> clonalAt(fateAt.size(), -1);
    for (const auto &[matrix, at] : {std::pair{&model.F, &sexualAt}, std::pair{&model.C, &clonalAt}}) {
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c) {
                if ((*matrix)(r, c) != 0.0) {
                    (*at)[size_t(r + n * c)] = int(m_reproduction.size());
                    m_reproduction.emplace_back((*matrix)(r, c), cvFecundity);
                }
            }
        }
    }
    const size_t noSurvival = m_survival.size();
    const size_t noBirths = m_reproduction.size();
    for (int r = 0; r < n; ++r) {
        m_rowBegin.push_back(int(m_entries.size()));
        for (int c = 0; c < n; ++c) {
            const size_t at = size_t(r + n * c);
            if (fateAt[at] < 0 && sexualAt[at] < 0 && clonalAt[at] < 0)
                continue;
            m_entries.push_back({r, c, fateAt[at], sexualAt[at], clonalAt[at],
                                 model.U(r, c) + model.F(r, c) + model.C(r, c)});
            Term term;
            const bool varies = m_survival[size_t(c)].varies();
            term.survival = fateAt[at] >= 0 && varies ? size_t(c) : noSurvival;
            term.share = fateAt[at] >= 0 && varies ? m_fates[size_t(fateAt[at])].share : 0.0;
            term.given = fateAt[at] >= 0 && !varies ? model.U(r, c) : 0.0;
            term.sexual = sexualAt[at] >= 0 ? size_t(sexualAt[at]) : noBirths;
            term.clonal = clonalAt[at] >= 0 ? size_t(clonalAt[at]) : noBirths;
            m_terms.push_back(term);
        }
    }
    m_rowBegin.push_back(int(m_entries.size()));
}

YearlyRates::Year YearlyRates::year() const
{
    Year year;
    year.survival.assign(m_survival.size() + 1, 0.0);
    year.reproduction.assign(m_reproduction.size() + 1, 0.0);
    return year;
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
    // (1 - s) / s overflows for rates below about 1e-308; the quotient of the roots does not.
    const double ratio = (1.0 - s) / s;
    const double bound = std::isfinite(ratio) ? std::sqrt(ratio) : std::sqrt(1.0 - s) / std::sqrt(s);
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
