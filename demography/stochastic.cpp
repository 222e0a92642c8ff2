#include "demography/stochastic.h"

#include "base/numbertext.h"
#include "base/texts.h"
#include "demography/defaultmodel.h"
#include "demography/leslie.h"
#include "demography/stageanalysis.h"
#include "demography/vitalrates.h"

#include <boost/random/binomial_distribution.hpp>
#include <boost/random/poisson_distribution.hpp>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <limits>
#include <mutex>
#include <system_error>
#include <thread>

namespace velmora {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kZ95 = 1.959963984540054; // the 97.5 % point of the standard normal
// Replicates a worker takes at a time; between two steps of them it looks for a cancel.
constexpr int kChunk = 256;
// Totals kept at once (1 MiB, so they stay in the cache between being written and summed
// up), but at least kMinBlock steps, so that every worker has columns to sum up.
constexpr size_t kBlockCells = size_t(1) << 17;
constexpr size_t kMinBlock = 16;
// Above this many animals a binomial or Poisson count comes from its normal approximation:
// the relative noise is below 1e-6 there, and the counts soon pass the exact integers.
constexpr double kLargeCount = 1e12;
// Companion vectors are scaled back to a total of 1 when they leave this range.
constexpr double kScaleHigh = 1e100;
constexpr double kScaleLow = 1e-100;
constexpr auto kProgressInterval = std::chrono::milliseconds(20);

// Below Q, or nothing left: with Q = 0 no total is below it, yet a population of 0 is lost.
bool isLost(double total, double threshold) { return total < threshold || total <= 0; }

double binomialCount(ReplicateRng &rng, double n, double p)
{
    if (n <= 0 || p <= 0)
        return 0.0;
    if (p >= 1)
        return n;
    if (n > kLargeCount) {
        const double sd = std::sqrt(n * p * (1 - p));
        return std::clamp(std::round(n * p + sd * standardNormal(rng)), 0.0, n);
    }
    using Binomial = boost::random::binomial_distribution<long long, double>;
    return static_cast<double>(Binomial(static_cast<long long>(n), p)(rng));
}

double poissonCount(ReplicateRng &rng, double mean)
{
    if (mean <= 0)
        return 0.0;
    if (mean > kLargeCount)
        return std::max(std::round(mean + std::sqrt(mean) * standardNormal(rng)), 0.0);
    using Poisson = boost::random::poisson_distribution<long long, double>;
    return static_cast<double>(Poisson(mean)(rng));
}

// The sum in stage order, as every total of the run is taken.
double total(const double *x, size_t n)
{
    double sum = 0.0;
    for (size_t i = 0; i < n; ++i)
        sum += x[i];
    return sum;
}

// out = A x over the non-zero entries of A (a: their values), each row summed in the order of
// its columns; a second vector y goes through the same year at once where given.
void multiply(const YearlyRates &rates, const double *a, const double *x, double *out,
              const double *y = nullptr, double *yOut = nullptr)
{
    const std::vector<YearlyRates::Entry> &entries = rates.entries();
    for (int r = 0; r < rates.stages(); ++r) {
        double sum = 0.0;
        double ySum = 0.0;
        for (int k = rates.rowBegin(r); k < rates.rowBegin(r + 1); ++k) {
            const size_t column = size_t(entries[size_t(k)].column);
            sum += a[k] * x[column];
            if (y)
                ySum += a[k] * y[column];
        }
        out[r] = sum;
        if (y)
            yOut[r] = ySum;
    }
}

// One replicate's state between steps; its N(t) and companion are kept in the run's arrays.
struct Replicate {
    ReplicateRng rng;
    double logScale = 0.0; // ln of what the companion was divided by
    int lostAt = -1;       // first t with a total below Q
    bool beyondRange = false;
};

// The CV each stage's survival takes: the one asked, or the largest its beta allows.
std::vector<double> survivalCvs(const StageModel &model, double asked)
{
    std::vector<double> cvs;
    for (int c = 0; c < model.size(); ++c)
        cvs.push_back(survivalCvTaken(model.U.col(c).sum(), asked));
    return cvs;
}

// The yearly step of a replicate.
class Projection {
public:
    Projection(const StageModel &start, const std::vector<double> &cvSurvival,
               const RiskSettings &settings)
        : m_rates(start, cvSurvival, settings.cvFecundity),
          m_h(start.harvest.data(), start.harvest.data() + start.harvest.size()),
          m_threshold(settings.threshold), m_demographic(settings.demographic)
    {
        if (settings.density) {
            // riskRefusal() has made sure that the model takes this density dependence.
            m_density = makeDensityModel(start, settings.density->settings).model;
            for (Eigen::Index i = 0; i < m_density->counted.size(); ++i)
                if (m_density->counted(i) != 0.0)
                    m_counted.push_back(size_t(i));
            if (settings.density->way)
                m_harvesting = Harvesting{*settings.density->way, settings.density->level,
                                          stageMask(start.size(), settings.density->harvested)};
        }
    }

    const std::optional<DensityModel> &density() const { return m_density; }
    const std::optional<Harvesting> &harvesting() const { return m_harvesting; }

    const YearlyRates &rates() const { return m_rates; }
    size_t stages() const { return m_h.size(); }

    // What a worker draws into and steps through.
    struct Scratch {
        YearlyRates::Year year;
        std::vector<double> a;
        std::vector<double> next;
        std::vector<double> companion;
        std::vector<double> scaled; // A with its reproduction scaled by the density
    };
    Scratch scratch() const
    {
        return {m_rates.year(), std::vector<double>(m_rates.entries().size()),
                std::vector<double>(stages()), std::vector<double>(stages()),
                std::vector<double>(m_density ? m_rates.entries().size() : 0)};
    }

    // The program's step with the year's A: N(t+1) = A N(t) - H, clamped at 0.
    void harvested(const double *a, const double *n, double *next) const
    {
        multiply(m_rates, a, n, next);
        subtractHarvest(next);
    }

    // Draws year t's rates and steps the replicate (n, u: its N(t) and companion); returns
    // its total.
    double step(Replicate &x, double *n, double *u, Scratch &w, int t) const
    {
        const size_t size = stages();
        m_rates.draw(x.rng, w.year);
        m_rates.values(w.year, w.a.data());

        double *next = w.next.data();
        double *companion = w.companion.data();
        // The population goes through the same year with its companion, unless it is left to
        // whole animals, beyond range, or has its reproduction scaled by the density.
        const bool population = !m_demographic && !x.beyondRange
                                && (!m_density || m_density->form == DensityForm::Ceiling);
        multiply(m_rates, w.a.data(), u, companion, population ? n : nullptr, next);
        const double su = total(companion, size);
        std::copy(companion, companion + size, u);
        if ((su > kScaleHigh || su < kScaleLow) && su > 0) {
            x.logScale += std::log(su);
            for (size_t i = 0; i < size; ++i)
                u[i] /= su;
        }

        if (x.beyondRange)
            return kInfinity;
        if (m_density)
            densityYear(x.rng, w, n, next, population);
        else if (m_demographic)
            wholeAnimals(x.rng, w.year, n, next, 1.0);
        if (m_harvesting)
            takeWay(next);
        else
            subtractHarvest(next);
        const double sum = total(next, size);
        // A total past the largest double stays "beyond range": such a population is not lost.
        if (!(sum <= std::numeric_limits<double>::max())) {
            x.beyondRange = true;
            return kInfinity;
        }
        std::copy(next, next + size, n);
        if (isLost(sum, m_threshold) && x.lostAt < 0)
            x.lostAt = t;
        return sum;
    }

private:
    void subtractHarvest(double *next) const
    {
        for (size_t i = 0; i < stages(); ++i)
            next[i] = std::max(next[i] - m_h[i], 0.0);
    }

    // The year's step before the harvest with reproduction scaled by the density at its start,
    // and under the ceiling the counted stages scaled down after it; `stepped`: `next` already
    // holds A N(t), as the ceiling leaves reproduction alone.
    void densityYear(ReplicateRng &rng, Scratch &w, const double *n, double *next,
                     bool stepped) const
    {
        if (!stepped) {
            double density = 0.0;
            for (const size_t i : m_counted)
                density += n[i];
            const double factor = reproductionFactor(*m_density, density);
            if (m_demographic) {
                wholeAnimals(rng, w.year, n, next, factor);
            } else if (factor == 1.0) {
                multiply(m_rates, w.a.data(), n, next);
            } else {
                for (size_t k = 0; k < w.a.size(); ++k)
                    w.scaled[k] = w.a[k] + (factor - 1.0) * m_rates.births(k, w.year);
                multiply(m_rates, w.scaled.data(), n, next);
            }
        }
        if (m_density->form != DensityForm::Ceiling)
            return;
        // limitToCeiling() on the raw stages: this runs once a replicate-step.
        double after = 0.0;
        for (const size_t i : m_counted)
            after += next[i];
        if (after > m_density->capacity) {
            const double scale = m_density->capacity / after;
            for (const size_t i : m_counted)
                next[i] = m_demographic ? std::floor(next[i] * scale) : next[i] * scale;
        }
    }

    void takeWay(double *next) const
    {
        takeHarvest(*m_harvesting, Eigen::Map<Eigen::VectorXd>(next, Eigen::Index(stages())));
        if (m_demographic)
            for (size_t i = 0; i < stages(); ++i)
                next[i] = std::round(next[i]);
    }

    // Whole animals: Poisson births into each row, then the binomial survivors of each stage
    // shared over its fates by a multinomial (one binomial per fate of what is left).
    // Births are scaled by `factor`, the density's effect on reproduction.
    void wholeAnimals(ReplicateRng &rng, const YearlyRates::Year &year, const double *n,
                      double *alive, double factor) const
    {
        const std::vector<YearlyRates::Entry> &entries = m_rates.entries();
        for (int r = 0; r < int(stages()); ++r) {
            double births = 0.0;
            for (int k = m_rates.rowBegin(r); k < m_rates.rowBegin(r + 1); ++k)
                births += m_rates.births(size_t(k), year) * n[entries[size_t(k)].column];
            alive[r] = poissonCount(rng, factor * births);
        }
        const std::vector<YearlyRates::Fate> &fates = m_rates.fates();
        for (int c = 0; c < int(stages()); ++c) {
            const int first = m_rates.fateBegin(c);
            const int end = m_rates.fateBegin(c + 1);
            double left = binomialCount(rng, n[c], year.survival[size_t(c)]);
            double shareLeft = 1.0;
            for (int j = first; j < end && left > 0; ++j) {
                const YearlyRates::Fate &fate = fates[size_t(j)];
                const double moved = j + 1 == end ? left
                                                  : binomialCount(rng, left, fate.share / shareLeft);
                alive[fate.row] += moved;
                left -= moved;
                shareLeft -= fate.share;
            }
        }
    }

    YearlyRates m_rates;
    std::vector<double> m_h;
    double m_threshold;
    bool m_demographic;
    std::optional<DensityModel> m_density;
    std::vector<size_t> m_counted; // the stages summed into the density
    std::optional<Harvesting> m_harvesting;
};

// Runs items on std::thread workers while the calling thread reports progress.
class Workers {
public:
    Workers(int threads, const std::atomic<bool> &cancel, const RiskControl &control,
            const std::atomic<std::uint64_t> &done, double work)
        : m_threads(threads), m_cancel(cancel), m_control(control), m_done(done), m_work(work)
    {
    }

    bool cancelled() const { return m_cancel.load(std::memory_order_relaxed); }

    enum class End { Done, Cancelled, NoThread };

    // work(item, worker) for every item from 0 to items - 1.
    End run(size_t items, const std::function<void(size_t, int)> &work)
    {
        const int count = static_cast<int>(std::min<size_t>(size_t(m_threads), std::max<size_t>(items, 1)));
        std::atomic<size_t> next{0};
        std::atomic<bool> abandoned{false};
        std::mutex mutex;
        std::condition_variable finished;
        int running = count;
        auto body = [&](int worker) {
            prepareThreadForDraws();
            while (!cancelled() && !abandoned.load(std::memory_order_relaxed)) {
                const size_t item = next.fetch_add(1);
                if (item >= items)
                    break;
                work(item, worker);
            }
            const std::lock_guard<std::mutex> lock(mutex);
            --running;
            finished.notify_one();
        };
        std::vector<std::thread> pool;
        pool.reserve(size_t(count));
        for (int w = 0; w < count; ++w) {
            try {
                const std::function<void()> start = [&body, w] { body(w); };
                pool.push_back(m_control.startThread ? m_control.startThread(start)
                                                     : std::thread(start));
            } catch (const std::system_error &e) {
                // The workers already started stop at their next item; none is left running.
                abandoned = true;
                m_failure = e.what();
                const std::lock_guard<std::mutex> lock(mutex);
                running -= count - w;
                break;
            }
        }
        {
            std::unique_lock<std::mutex> lock(mutex);
            while (running > 0) {
                finished.wait_for(lock, kProgressInterval);
                if (m_control.progress && running > 0 && !abandoned) {
                    lock.unlock();
                    m_control.progress(std::min(1.0, double(m_done.load()) / m_work));
                    lock.lock();
                }
            }
        }
        for (std::thread &thread : pool)
            thread.join();
        if (abandoned)
            return End::NoThread;
        return cancelled() ? End::Cancelled : End::Done;
    }

    // Why a worker could not be started.
    const std::string &failure() const { return m_failure; }

private:
    int m_threads;
    const std::atomic<bool> &m_cancel;
    const RiskControl &m_control;
    const std::atomic<std::uint64_t> &m_done;
    double m_work;
    std::string m_failure;
};

std::string fixedText(double value, int decimals)
{
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::fixed, decimals);
    return std::string(buffer, written.ptr);
}

// A share in percent with one decimal; one that is not 0 or 100 % but would read 0.0 or
// 100.0 gets the decimals that show two digits of its distance from there.
std::string percentText(double share)
{
    const double percent = 100.0 * share;
    const std::string text = fixedText(percent, 1);
    const double distance = text == "0.0" ? percent : text == "100.0" ? 100.0 - percent : 0.0;
    if (!(distance > 0))
        return text;
    const int decimals = std::min(20, 1 - int(std::floor(std::log10(distance))));
    std::string precise = fixedText(percent, decimals);
    while (precise.back() == '0' && precise[precise.size() - 2] != '.')
        precise.pop_back();
    return precise;
}

// A CV the beta of s takes: its variance below s (1 - s), and shape parameters that come out
// above 0 in doubles too, where a CV a hair below the bound could round them to 0.
bool survivalCvRuns(double s, double cv)
{
    if (!survivalCvAllowed(s, cv))
        return false;
    if (!(s > 0 && s < 1) || !(cv > 0))
        return true;
    // As SurvivalDraw computes them.
    const double sd = cv * s;
    const double k = s * (1.0 - s) / (sd * sd) - 1.0;
    return s * k > 0 && (1.0 - s) * k > 0;
}

// "a", "a and b", "a, b and c", joined as the reader's language joins a list's last two.
std::string listed(const std::vector<std::string> &items)
{
    if (items.empty())
        return {};
    std::string head = items.front();
    for (size_t k = 1; k + 1 < items.size(); ++k)
        head += ", " + items[k];
    if (items.size() == 1)
        return head;
    //: The last two items of a list: "s0, s1 and s2".
    return filledText(translatedText("Stochastic", "%1 and %2"), {head, items.back()});
}

// Two significant digits: enough to tell a U-shaped beta's shape parameters from 1.
std::string shapeText(double value)
{
    return numberText(value, 2);
}

std::string rateName(char kind, size_t index)
{
    return std::string(1, kind) + std::to_string(index);
}

// Percentile k lies at h = (n - 1) p: between order statistics low and low + 1.
void percentilePositions(size_t n, std::array<size_t, 5> &low, std::array<double, 5> &fraction)
{
    for (size_t k = 0; k < kRiskPercentiles.size(); ++k) {
        const double h = double(n - 1) * kRiskPercentiles[k] / 100.0;
        low[k] = static_cast<size_t>(h);
        fraction[k] = h - double(low[k]);
    }
}

std::array<double, 5> interpolated(const std::array<double, 5> &value,
                                   const std::array<double, 5> &above,
                                   const std::array<double, 5> &fraction)
{
    std::array<double, 5> result{};
    for (size_t k = 0; k < result.size(); ++k) {
        // An order statistic itself, or equal neighbours, are taken as they are: beside an
        // infinite total the interpolation would make 0 x infinity.
        result[k] = fraction[k] == 0 || value[k] == above[k]
                        ? value[k]
                        : value[k] + fraction[k] * (above[k] - value[k]);
    }
    return result;
}

// Percentiles by nth_element: the median splits the values, and so on outwards.
std::array<double, 5> selectedPercentiles(std::vector<double> &values)
{
    const size_t n = values.size();
    const auto at = [&values](size_t i) { return values.begin() + long(i); };
    std::array<size_t, 5> low{};
    std::array<double, 5> fraction{};
    percentilePositions(n, low, fraction);
    // Order statistic low[k] and the one above it.
    std::array<double, 5> value{};
    std::array<double, 5> above{};
    // The median splits the values, the quartiles split the halves and the outer percentiles
    // the outer quarters: each search runs in [from, to), beside the parent's position `to`.
    // Nothing beyond `to` is smaller than what stands at `to`, so the next value up is found
    // up to there.
    const auto select = [&](size_t k, size_t from, size_t to, size_t parent) {
        if (k != parent && low[k] == low[parent]) {
            value[k] = value[parent];
            above[k] = above[parent];
            return;
        }
        std::nth_element(at(from), at(low[k]), at(to));
        value[k] = values[low[k]];
        above[k] = low[k] + 1 < n ? *std::min_element(at(low[k] + 1), at(std::min(to + 1, n)))
                                  : value[k];
    };
    select(2, 0, n, 2);
    select(1, 0, low[2], 2);
    select(0, 0, low[1], 1);
    select(3, low[2] + 1, n, 2);
    select(4, low[3] + 1, n, 3);
    return interpolated(value, above, fraction);
}

// Columns from this size on are searched by buckets.
constexpr size_t kBucketedFrom = 2048;
constexpr std::uint64_t kMaxBuckets = 4096;

// The same order statistics by buckets: the bit patterns of non-negative doubles sort as the
// numbers do, so the leading bits of the positive finite totals make buckets in order. One
// pass counts them, one gathers the few buckets that hold a wanted rank, and only those are
// searched. nth_element on the whole column took a sixth of a run (bench/).
std::array<double, 5> bucketedPercentiles(const std::vector<double> &values)
{
    const size_t n = values.size();
    std::array<size_t, 5> low{};
    std::array<double, 5> fraction{};
    percentilePositions(n, low, fraction);
    const auto bits = [](double v) {
        std::uint64_t b;
        std::memcpy(&b, &v, sizeof b);
        return b;
    };

    size_t zeros = 0;
    size_t infinite = 0;
    std::uint64_t lowest = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t highest = 0;
    for (const double v : values) {
        if (v <= 0) {
            ++zeros;
        } else if (v > std::numeric_limits<double>::max()) {
            ++infinite;
        } else {
            lowest = std::min(lowest, bits(v));
            highest = std::max(highest, bits(v));
        }
    }
    const size_t finite = n - zeros - infinite;
    unsigned shift = 0;
    while (finite > 0 && (highest >> shift) - (lowest >> shift) >= kMaxBuckets)
        ++shift;
    const std::uint64_t base = lowest >> shift;
    const size_t buckets = finite > 0 ? size_t((highest >> shift) - base) + 1 : 0;
    std::vector<size_t> first(buckets + 1, 0); // positive finite values before bucket b
    for (const double v : values) {
        if (v > 0 && v <= std::numeric_limits<double>::max())
            ++first[size_t((bits(v) >> shift) - base) + 1];
    }
    for (size_t b = 1; b <= buckets; ++b)
        first[b] += first[b - 1];

    // The ranks wanted, and the bucket of each positive finite one.
    std::array<size_t, 10> ranks{};
    std::array<double, 10> found{};
    std::array<long, 10> bucketOf{};
    for (size_t k = 0; k < 5; ++k) {
        ranks[2 * k] = low[k];
        ranks[2 * k + 1] = std::min(low[k] + 1, n - 1);
    }
    std::vector<int> slot(buckets, -1);
    std::vector<std::vector<double>> gathered;
    for (size_t i = 0; i < ranks.size(); ++i) {
        bucketOf[i] = -1;
        if (ranks[i] < zeros) {
            found[i] = 0.0;
        } else if (ranks[i] >= zeros + finite) {
            found[i] = kInfinity;
        } else {
            const size_t r = ranks[i] - zeros;
            const size_t b = size_t(std::upper_bound(first.begin(), first.end(), r) - first.begin()) - 1;
            bucketOf[i] = long(b);
            if (slot[b] < 0) {
                slot[b] = int(gathered.size());
                gathered.emplace_back();
                gathered.back().reserve(first[b + 1] - first[b]);
            }
        }
    }
    for (const double v : values) {
        if (v > 0 && v <= std::numeric_limits<double>::max()) {
            const int s = slot[size_t((bits(v) >> shift) - base)];
            if (s >= 0)
                gathered[size_t(s)].push_back(v);
        }
    }
    for (size_t i = 0; i < ranks.size(); ++i) {
        if (bucketOf[i] < 0)
            continue;
        const size_t b = size_t(bucketOf[i]);
        std::vector<double> &bucket = gathered[size_t(slot[b])];
        const size_t within = ranks[i] - zeros - first[b];
        std::nth_element(bucket.begin(), bucket.begin() + long(within), bucket.end());
        found[i] = bucket[within];
    }
    std::array<double, 5> value{};
    std::array<double, 5> above{};
    for (size_t k = 0; k < 5; ++k) {
        value[k] = found[2 * k];
        above[k] = found[2 * k + 1];
    }
    return interpolated(value, above, fraction);
}

bool finiteAtLeast0(double a) { return a >= 0 && std::isfinite(a); }

// What is wrong with the settings themselves, whatever the model.
std::optional<std::string> settingsRefusal(const RiskSettings &settings)
{
    if (settings.replicates < 1 || settings.replicates > kMaxReplicates)
        return filledText(translatedText("Stochastic",
                                         "The number of replicates must be from 1 to %1."),
                          {std::to_string(kMaxReplicates)});
    if (settings.steps < 1 || settings.steps > kMaxRiskSteps)
        return filledText(translatedText("Stochastic", "The number of steps must be from 1 to %1."),
                          {std::to_string(kMaxRiskSteps)});
    if (settings.seed > kMaxSeed)
        return filledText(translatedText("Stochastic", "The seed must be from 0 to %1."),
                          {std::to_string(kMaxSeed)});
    if (settings.threads < 0 || settings.threads > kMaxThreads)
        return filledText(translatedText("Stochastic",
                                         "The number of threads must be from 1 to %1."),
                          {std::to_string(kMaxThreads)});
    if (!finiteAtLeast0(settings.cvSurvival))
        //: CV: coefficient of variation.
        return translatedText("Stochastic", "The survival CV must be a number of at least 0.");
    if (!(finiteAtLeast0(settings.cvFecundity) && settings.cvFecundity <= kMaxFecundityCv))
        return filledText(translatedText("Stochastic",
                                         "The fecundity CV must be a number from 0 to %1."),
                          {numberText(kMaxFecundityCv)});
    if (!finiteAtLeast0(settings.threshold))
        return translatedText("Stochastic", "The threshold must be a number of at least 0.");
    return std::nullopt;
}

StageModel asStageModel(const PopulationModel &model)
{
    LeslieModel leslie;
    leslie.M = model.M;
    leslie.n0 = model.N;
    leslie.harvest = model.H;
    return stageModelFromLeslie(leslie);
}

// Why the model cannot take the run's density dependence or way of harvesting, or nothing.
std::optional<std::string> riskDensityRefusal(const StageModel &model, const RiskSettings &settings)
{
    if (!settings.density)
        return std::nullopt;
    const RiskDensity &d = *settings.density;
    if (auto refusal = densityRefusal(model, d.settings))
        return refusal;
    if (!distinctStages(model.size(), d.harvested))
        return translatedText("Stochastic",
                              "The harvested stages must be stages of the model, each named once.");
    if (d.way && !finiteAtLeast0(d.level))
        return translatedText("Stochastic",
                              "The level of the harvest must be a number of at least 0.");
    if (d.way == HarvestWay::Rate && d.level > 1.0)
        return translatedText("Stochastic", "A harvest rate is a share from 0 to 1.");
    return std::nullopt;
}

// The sensitivities of A's Perron root, where it has one.
StageSensitivities dominantSensitivities(const Eigen::MatrixXd &a)
{
    const Spectrum values = spectrum(a);
    const double lambda = values.converged ? perronRoot(values) : 0.0;
    if (!(lambda > 0) || !std::isfinite(lambda))
        return {};
    return stageSensitivities(a, lambda);
}

// ln lambda - tau^2 / (2 lambda^2), tau^2 the variance of the year's change of lambda: the
// fates of a stage move together (their covariance is share x share x Var(s)), every entry of
// F and C on its own.
std::optional<double> approximation(const StageSensitivities &s, const YearlyRates &rates)
{
    if (s.status != SensitivityStatus::Ok)
        return std::nullopt;
    double sum = 0.0;
    for (int c = 0; c < rates.stages(); ++c) {
        double along = 0.0;
        for (int j = rates.fateBegin(c); j < rates.fateBegin(c + 1); ++j) {
            const YearlyRates::Fate &fate = rates.fates()[size_t(j)];
            along += s.sensitivity(fate.row, c) * fate.share;
        }
        sum += along * along * rates.survival()[size_t(c)].variance();
    }
    // F by rows, then C: the order of the draws.
    for (const bool clonal : {false, true}) {
        for (const YearlyRates::Entry &e : rates.entries()) {
            const int part = clonal ? e.clonal : e.sexual;
            if (part < 0)
                continue;
            const double sij = s.sensitivity(e.row, e.column);
            sum += sij * sij * rates.reproduction()[size_t(part)].variance();
        }
    }
    return std::log(s.lambda) - sum / (2.0 * s.lambda * s.lambda);
}

std::optional<double> approximation(const Eigen::MatrixXd &a, const YearlyRates &rates)
{
    return approximation(dominantSensitivities(a), rates);
}

RiskOutcome refusedRun(std::string why)
{
    RiskOutcome outcome;
    outcome.refusal = std::move(why);
    return outcome;
}

// The run of a model that riskRefusal() took.
RiskOutcome runChecked(const StageModel &model, const RiskSettings &settings,
                       const RiskControl &control, std::vector<std::string> survivalNames)
{
    const StageModel start = projectedModel(model, settings);
    const int replicates = settings.replicates;
    const int steps = settings.steps;
    const size_t R = size_t(replicates);
    const size_t n = size_t(start.size());
    const std::vector<double> cvs = survivalCvs(start, settings.cvSurvival);
    const Projection projection(start, cvs, settings);
    const YearlyRates &rates = projection.rates();

    RiskResult result;
    result.settings = settings;
    result.projected = start;
    result.survivalNames = std::move(survivalNames);
    result.deterministic.resize(size_t(steps) + 1);
    const double startTotal = total(start.n0.data(), n);
    {
        std::vector<double> mean;
        for (const YearlyRates::Entry &e : rates.entries())
            mean.push_back(e.mean);
        std::vector<double> now(start.n0.data(), start.n0.data() + n);
        std::vector<double> next(n);
        Eigen::VectorXd state = start.n0;
        result.deterministic[0] = startTotal;
        for (size_t t = 1; t <= size_t(steps); ++t) {
            double sum = 0.0;
            if (const auto &density = projection.density()) {
                state = projection.harvesting() ? harvestedStep(*density, *projection.harvesting(), state)
                                                : densityStep(*density, state);
                sum = state.sum();
            } else {
                projection.harvested(mean.data(), now.data(), next.data());
                now.swap(next);
                sum = total(now.data(), n);
            }
            result.deterministic[t] = sum <= std::numeric_limits<double>::max() ? sum : kInfinity;
        }
    }

    // The companion vectors start at the stable distribution, so that a short run measures
    // the long-run growth and not the way to it.
    const StageSensitivities dominant = dominantSensitivities(start.A());
    std::vector<double> shares(n, 1.0 / double(n));
    if (dominant.status == SensitivityStatus::Ok)
        shares.assign(dominant.w.data(), dominant.w.data() + n);
    std::vector<Replicate> states(R);
    std::vector<double> populations(R * n);
    std::vector<double> companions(R * n);
    for (size_t r = 0; r < R; ++r) {
        Replicate &x = states[r];
        x.rng = replicateStream(settings.seed, r);
        x.lostAt = isLost(startTotal, settings.threshold) ? 0 : -1;
        std::copy(start.n0.data(), start.n0.data() + n, populations.begin() + long(r * n));
        std::copy(shares.begin(), shares.end(), companions.begin() + long(r * n));
    }

    for (std::vector<double> &p : result.percentiles)
        p.assign(size_t(steps) + 1, startTotal);
    result.mean.assign(size_t(steps) + 1, startTotal);

    const int threads = settings.threads > 0
                            ? settings.threads
                            : std::clamp(int(std::thread::hardware_concurrency()), 1, kMaxThreads);
    const std::atomic<bool> notCancelled{false};
    const std::atomic<bool> &cancel = control.cancel ? *control.cancel : notCancelled;
    std::atomic<std::uint64_t> done{0};
    // A column of totals costs about a fifth of its replicates' steps to sum up.
    const std::uint64_t columnWork = std::max<std::uint64_t>(1, R / 5);
    const double work = double(R) * steps + double(columnWork) * steps;
    Workers workers(threads, cancel, control, done, work);
    const auto stopped = [&workers](Workers::End end) {
        RiskOutcome failed;
        failed.status = end == Workers::End::Cancelled ? RiskStatus::Cancelled : RiskStatus::Failed;
        if (end == Workers::End::NoThread)
            //: %1 is the system's reason, in English.
            failed.refusal = filledText(translatedText("Stochastic",
                                                       "The run could not start a worker thread "
                                                       "(%1); close other programs or ask for "
                                                       "fewer threads."),
                                        {workers.failure()});
        return failed;
    };

    const int block = int(std::min(std::max(kBlockCells / R, kMinBlock), size_t(steps)));
    std::vector<double> totals(R * size_t(block));
    std::vector<std::vector<double>> scratch(static_cast<size_t>(threads));
    const size_t chunks = (R + kChunk - 1) / kChunk;
    for (int first = 1; first <= steps; first += block) {
        const int last = std::min(steps, first + block - 1);
        const Workers::End simulated = workers.run(chunks, [&](size_t chunk, int) {
            const size_t begin = chunk * kChunk;
            const size_t end = std::min(R, begin + kChunk);
            Projection::Scratch work = projection.scratch();
            for (int t = first; t <= last; ++t) {
                if (workers.cancelled())
                    return;
                double *row = totals.data() + size_t(t - first) * R;
                for (size_t r = begin; r < end; ++r)
                    row[r] = projection.step(states[r], populations.data() + r * n,
                                             companions.data() + r * n, work, t);
                done.fetch_add(end - begin, std::memory_order_relaxed);
            }
        });
        if (simulated != Workers::End::Done)
            return stopped(simulated);
        const Workers::End summed = workers.run(size_t(last - first + 1), [&](size_t column, int worker) {
            const double *row = totals.data() + column * R;
            const size_t t = size_t(first) + column;
            double sum = 0.0;
            for (size_t r = 0; r < R; ++r)
                sum += row[r];
            double mean = sum / double(R);
            // Large finite totals can add up past the range; their shares cannot.
            if (std::isinf(sum)) {
                mean = 0.0;
                for (size_t r = 0; r < R; ++r)
                    mean += row[r] / double(R);
            }
            result.mean[t] = mean;
            std::vector<double> &values = scratch[size_t(worker)];
            values.assign(row, row + R);
            const std::array<double, 5> p = riskPercentiles(values);
            for (size_t k = 0; k < p.size(); ++k)
                result.percentiles[k][t] = p[k];
            done.fetch_add(columnWork, std::memory_order_relaxed);
        });
        if (summed != Workers::End::Done)
            return stopped(summed);
    }

    std::vector<long long> lostBy(size_t(steps) + 1, 0);
    double logGrowth = 0.0;
    for (size_t r = 0; r < R; ++r) {
        const Replicate &x = states[r];
        if (x.lostAt >= 0)
            ++lostBy[size_t(x.lostAt)];
        logGrowth += std::log(total(companions.data() + r * n, n)) + x.logScale;
    }
    result.risk.resize(size_t(steps) + 1);
    long long lost = 0;
    for (size_t t = 0; t <= size_t(steps); ++t) {
        lost += lostBy[t];
        result.risk[t] = double(lost) / double(R);
    }
    result.finalLost = lost;
    result.finalRisk = result.risk.back();
    result.finalRiskInterval = wilsonInterval(lost, replicates);
    const double simulated = (logGrowth / double(R) - std::log(total(shares.data(), n))) / steps;
    if (std::isfinite(simulated))
        result.logLambdaSimulated = simulated;
    result.logLambdaApproximation = approximation(dominant, rates);

    for (int c = 0; c < int(n); ++c) {
        const double s = rates.survival()[size_t(c)].mean();
        const double cv = cvs[size_t(c)];
        if (cv != settings.cvSurvival)
            result.cappedSurvival.push_back({c, s, cv});
        if (!(cv > 0))
            continue;
        if (s >= 1)
            result.fixedSurvival.push_back(c);
        else if (s > 0) {
            const BetaShape shape = survivalBeta(c, s, cv);
            if (shape.uShaped())
                result.uShapedSurvival.push_back(shape);
        }
    }

    if (control.progress)
        control.progress(1.0);
    RiskOutcome outcome;
    outcome.status = RiskStatus::Done;
    outcome.result = std::move(result);
    return outcome;
}

} // namespace

RiskSettings startingRiskSettings()
{
    RiskSettings settings;
    settings.cvSurvival = 0.1;
    settings.cvFecundity = 0.3;
    return settings;
}

PopulationModel projectedModel(const PopulationModel &model, const RiskSettings &settings)
{
    PopulationModel start = model;
    if (settings.demographic) {
        for (double &a : start.N)
            a = std::round(a);
        for (double &a : start.H)
            a = std::round(a);
    }
    return start;
}

StageModel projectedModel(const StageModel &model, const RiskSettings &settings)
{
    StageModel start = model;
    if (settings.demographic) {
        start.n0 = start.n0.array().round();
        start.harvest = start.harvest.array().round();
    }
    return start;
}

std::optional<std::string> riskRefusal(const PopulationModel &model, const RiskSettings &settings)
{
    if (auto refusal = settingsRefusal(settings))
        return refusal;
    for (size_t i = 0; i < 4; ++i) {
        const double f = model.M[size_t(kFecundityCells[i])];
        if (!finiteAtLeast0(f))
            //: %1 is the rate's symbol "f2", %2 its value.
            return filledText(translatedText("Stochastic",
                                             "The fecundity %1 = %2 must be a number of at least "
                                             "0."),
                              {rateName('f', i), numberText(f)});
    }
    for (size_t i = 0; i < 3; ++i) {
        const double s = model.M[size_t(kSurvivalCells[i])];
        if (!(s >= 0 && s <= 1))
            //: %1 is the rate's symbol "s0", %2 its value.
            return filledText(translatedText("Stochastic",
                                             "The survival rate %1 = %2 must be from 0 to 1."),
                              {rateName('s', i), numberText(s)});
    }
    if (!std::all_of(model.N.begin(), model.N.end(), finiteAtLeast0))
        return translatedText("Stochastic", "N(t) must hold numbers of at least 0.");
    if (!std::all_of(model.H.begin(), model.H.end(), finiteAtLeast0))
        return translatedText("Stochastic", "H must hold numbers of at least 0.");
    return riskDensityRefusal(asStageModel(model), settings);
}

std::optional<std::string> riskRefusal(const StageModel &model, const RiskSettings &settings)
{
    if (auto refusal = settingsRefusal(settings))
        return refusal;
    const StageModelCheck check = checkStageModel(model);
    if (check.ok())
        return riskDensityRefusal(model, settings);
    switch (check.problem) {
    case StageModelProblem::NoStages:
    case StageModelProblem::TooManyStages:
        return filledText(translatedText("Stochastic", "A life cycle has from 1 to %1 stages."),
                          {std::to_string(kMaxStages)});
    case StageModelProblem::SurvivalAboveOne:
        //: %1 is the name of a stage, as the user typed it.
        return filledText(translatedText("Stochastic",
                                         "The survival of stage %1 (its column of U) sums to more "
                                         "than 1."),
                          {model.stages[size_t(check.stage)]});
    case StageModelProblem::NotFinite:
    case StageModelProblem::NegativeEntry:
        return translatedText("Stochastic", "The life cycle must hold numbers of at least 0.");
    case StageModelProblem::SizeMismatch:
        return translatedText("Stochastic",
                              "Every matrix and vector of the life cycle must match its number "
                              "of stages.");
    default:
        return translatedText("Stochastic", "Every stage needs a name of its own.");
    }
}

double survivalCvTaken(double s, double asked)
{
    if (survivalCvRuns(s, asked))
        return asked;
    // A rate so near 0 that the beta's shapes underflow even there does not vary at all.
    const double cv = largestSurvivalCv(s);
    return survivalCvRuns(s, cv) ? cv : 0.0;
}

double survivalCvBound(double s)
{
    if (!(s > 0 && s < 1))
        return kInfinity;
    // The double where the check itself turns, about sqrt((1 - s) / s): bisection on the bits,
    // which order positive doubles as their values (a CV of 0 runs, an infinite one does not).
    const auto bits = [](double v) {
        std::uint64_t b;
        std::memcpy(&b, &v, sizeof b);
        return b;
    };
    const auto value = [](std::uint64_t b) {
        double v;
        std::memcpy(&v, &b, sizeof v);
        return v;
    };
    std::uint64_t runs = bits(0.0);
    std::uint64_t refused = bits(kInfinity);
    while (refused - runs > 1) {
        const std::uint64_t middle = runs + (refused - runs) / 2;
        (survivalCvRuns(s, value(middle)) ? runs : refused) = middle;
    }
    return value(refused);
}

BetaShape survivalBeta(int rate, double s, double cv)
{
    // Beta(a, b) has mean a / (a + b) and variance s (1 - s) / (a + b + 1) = (cv s)^2.
    const double k = (1.0 - s) / (s * cv * cv) - 1.0;
    return {rate, s * k, (1.0 - s) * k};
}

Interval wilsonInterval(long long successes, long long trials)
{
    const double n = double(trials);
    const double p = double(successes) / n;
    const double z2 = kZ95 * kZ95;
    const double denominator = 1.0 + z2 / n;
    const double centre = (p + z2 / (2.0 * n)) / denominator;
    const double half = kZ95 * std::sqrt(p * (1.0 - p) / n + z2 / (4.0 * n * n)) / denominator;
    // centre - half is 0 for no successes only in exact arithmetic; in doubles it can come out
    // a little above the share itself.
    return {successes == 0 ? 0.0 : std::min(p, centre - half),
            successes == trials ? 1.0 : std::max(p, centre + half)};
}

std::array<double, 5> riskPercentiles(std::vector<double> &values)
{
    return values.size() < kBucketedFrom ? selectedPercentiles(values)
                                         : bucketedPercentiles(values);
}

std::optional<double> approximateLogLambdaS(const StageModel &model, const RiskSettings &settings)
{
    return approximation(model.A(), YearlyRates(model, survivalCvs(model, settings.cvSurvival),
                                                settings.cvFecundity));
}

RiskOutcome runRisk(const StageModel &model, const RiskSettings &settings,
                    const RiskControl &control)
{
    if (auto refusal = riskRefusal(model, settings))
        return refusedRun(*refusal);
    std::vector<std::string> names;
    for (const std::string &stage : model.stages)
        names.push_back("s(" + stage + ")");
    return runChecked(model, settings, control, std::move(names));
}

RiskOutcome runRisk(const PopulationModel &model, const RiskSettings &settings,
                    const RiskControl &control)
{
    if (auto refusal = riskRefusal(model, settings))
        return refusedRun(*refusal);
    RiskOutcome outcome = runChecked(asStageModel(model), settings, control,
                                     {"s0", "s1", "s2", "s3"});
    if (outcome.status == RiskStatus::Done)
        outcome.result.start = projectedModel(model, settings);
    return outcome;
}

namespace {

// The first sentence of riskSentence: the risk and its interval, by threshold and steps.
std::string riskHead(const RiskResult &result)
{
    const int steps = result.settings.steps;
    const double threshold = result.settings.threshold;
    const std::string risk = percentText(result.finalRisk);
    const std::string low = percentText(result.finalRiskInterval.low);
    const std::string high = percentText(result.finalRiskInterval.high);
    if (threshold > 0 && steps == 1)
        //: %1 is a number of animals, %2 the risk in %, %3 - %4 its 95 % interval.
        return filledText(translatedText("Stochastic",
                                         "Risk of falling below %1 within 1 step: %2 % (95 % "
                                         "interval %3 - %4 %)"),
                          {numberText(threshold), risk, low, high});
    if (threshold > 0)
        //: %1 is a number of animals, %2 a number of steps, %3 the risk in %, %4 - %5 its
        //: 95 % interval.
        return filledText(translatedText("Stochastic",
                                         "Risk of falling below %1 within %2 steps: %3 % (95 % "
                                         "interval %4 - %5 %)"),
                          {numberText(threshold), std::to_string(steps), risk, low, high});
    if (steps == 1)
        //: %1 is the risk in %, %2 - %3 its 95 % interval.
        return filledText(translatedText("Stochastic",
                                         "Risk of dying out within 1 step: %1 % (95 % interval "
                                         "%2 - %3 %)"),
                          {risk, low, high});
    //: %1 is a number of steps, %2 the risk in %, %3 - %4 its 95 % interval.
    return filledText(translatedText("Stochastic",
                                     "Risk of dying out within %1 steps: %2 % (95 % interval %3 "
                                     "- %4 %)"),
                      {std::to_string(steps), risk, low, high});
}

} // namespace

std::string riskSentence(const RiskResult &result)
{
    std::string sentence = riskHead(result);
    if (result.cappedSurvival.empty() && result.fixedSurvival.empty()
        && result.uShapedSurvival.empty())
        return sentence;
    sentence += ".";
    const auto name = [&result](int stage) { return result.survivalNames[size_t(stage)]; };
    if (!result.cappedSurvival.empty()) {
        std::vector<std::string> rates;
        std::vector<std::string> cvs;
        for (const CappedSurvival &capped : result.cappedSurvival) {
            rates.push_back(name(capped.stage) + " = " + numberText(capped.survival));
            cvs.push_back(numberText(capped.cv));
        }
        const std::vector<std::string> values{numberText(result.settings.cvSurvival),
                                              listed(rates), listed(cvs)};
        sentence += " ";
        if (rates.size() == 1)
            //: %1 is the CV asked for, %2 a survival rate "s1 = 0.9", %3 the CV it takes.
            sentence += filledText(translatedText("Stochastic",
                                                  "A survival CV of %1 is too large for %2: it "
                                                  "varies with a CV of %3, the largest its beta "
                                                  "distribution allows."),
                                   values);
        else
            //: %1 is the CV asked for, %2 lists survival rates "s1 = 0.9 and s2 = 0.95", %3
            //: the CVs they take.
            sentence += filledText(translatedText("Stochastic",
                                                  "A survival CV of %1 is too large for %2: they "
                                                  "vary with CVs of %3, the largest their beta "
                                                  "distributions allow."),
                                   values);
    }
    if (!result.fixedSurvival.empty()) {
        std::vector<std::string> names;
        for (const int rate : result.fixedSurvival)
            names.push_back(name(rate));
        sentence += " ";
        if (names.size() == 1)
            //: %1 is a survival rate "s2".
            sentence += filledText(translatedText("Stochastic",
                                                  "%1 = 1 is held fixed whatever the CV."),
                                   {listed(names)});
        else
            //: %1 lists survival rates "s1 and s2".
            sentence += filledText(translatedText("Stochastic",
                                                  "%1 = 1 are held fixed whatever the CV."),
                                   {listed(names)});
    }
    if (!result.uShapedSurvival.empty()) {
        std::vector<std::string> shapes;
        for (const BetaShape &shape : result.uShapedSurvival)
            shapes.push_back(name(shape.rate) + " (a = " + shapeText(shape.a)
                             + ", b = " + shapeText(shape.b) + ")");
        sentence += " ";
        if (shapes.size() == 1)
            //: %1 is a survival rate with its beta's shape: "s0 (a = 0.5, b = 0.4)".
            sentence += filledText(translatedText("Stochastic",
                                                  "The beta of %1 is U-shaped: years in which "
                                                  "nearly none or nearly all survive are the "
                                                  "likeliest."),
                                   {listed(shapes)});
        else
            sentence += filledText(translatedText("Stochastic",
                                                  "The betas of %1 are U-shaped: years in which "
                                                  "nearly none or nearly all survive are the "
                                                  "likeliest."),
                                   {listed(shapes)});
    }
    return sentence;
}

std::string riskCsv(const RiskResult &result)
{
    std::string out = "t,risk,p5,p25,p50,p75,p95,mean,deterministic\r\n";
    for (size_t t = 0; t < result.risk.size(); ++t) {
        out += integerText(int(t));
        for (const double value :
             {result.risk[t], result.percentiles[0][t], result.percentiles[1][t],
              result.percentiles[2][t], result.percentiles[3][t], result.percentiles[4][t],
              result.mean[t], result.deterministic[t]})
            out += ',' + numberText(value);
        out += "\r\n";
    }
    return out;
}

} // namespace velmora
