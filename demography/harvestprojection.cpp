#include "demography/harvestprojection.h"

#include "base/numbertext.h"
#include "demography/shownstep.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace velmora {

namespace {

// A positive factor kept to 6 significant digits, digits x 10^exponent with
// 100000 <= digits < 1e6, so that a step of the last digit is exact.
struct SixDigits {
    double digits = 0.0;
    int exponent = 0;

    static SixDigits nearest(double x)
    {
        char text[48];
        std::snprintf(text, sizeof text, "%.5e", x);
        char *e = std::strchr(text, 'e');
        SixDigits s{0.0, std::atoi(e + 1) - 5};
        *e = '\0';
        s.digits = std::round(std::strtod(text, nullptr) * 1e5);
        return s;
    }
    double value() const
    {
        // The decimal digits, rounded to the nearest double once.
        char text[48];
        std::snprintf(text, sizeof text, "%.0fe%d", digits, exponent);
        return std::strtod(text, nullptr);
    }
    SixDigits step(int delta) const
    {
        SixDigits s{digits + delta, exponent};
        if (s.digits >= 1e6) {
            s.digits = 1e5;
            ++s.exponent;
        } else if (s.digits < 1e5) {
            s.digits = 999999.0;
            --s.exponent;
        }
        return s;
    }
};

// Why a first step is refused before anything is computed: a value of M, N or H whose
// shown text does not read back as a number, as the main window's step reads its fields.
enum class Unreadable { None, TooLarge, NotANumber };

Unreadable strictlyShown(double value, double &shown)
{
    const ReadResult read = strictValue(numberText(value));
    shown = read.value;
    if (read.ok())
        return Unreadable::None;
    return read.status == ReadStatus::OutOfRange ? Unreadable::TooLarge : Unreadable::NotANumber;
}

// The program's own step on a private history, reused for many harvests: every value enters
// in its shown text, as it would from the main window's fields.
class ProjectionRun {
public:
    ProjectionRun(const Matrix4 &m, const Vector4 &n, double threshold)
        : m_shownMatrix(4, 4),
          m_matrix(m),
          m_threshold(threshold)
    {
        for (size_t i = 0; i < 16; ++i)
            noteFirst(strictlyShown(m[i], m_shownMatrix(Eigen::Index(i / 4), Eigen::Index(i % 4))));
        double total = 0.0;
        for (size_t i = 0; i < 4; ++i) {
            noteFirst(strictlyShown(n[i], m_start[i]));
            total += m_start[i];
        }
        m_startTotal = total;
        noteFirst(strictlyShown(total, m_shownStartTotal));
    }

    HarvestVerdict run(const Vector4 &h, int steps)
    {
        steps = std::clamp(steps, 1, kLastTime);
        m_history.assign(size_t(steps) + 1, Vector4{});
        m_totals.assign(size_t(steps) + 1, 0.0);
        m_history[0] = m_start;
        m_totals[0] = m_startTotal;

        HarvestVerdict verdict;
        if (belowThreshold(0)) {
            verdict.verdict = Verdict::FallsBelowThreshold;
            recordLast(verdict);
            return verdict;
        }
        Unreadable unreadable = m_unreadable;
        Eigen::VectorXd harvest(4);
        for (size_t i = 0; i < 4; ++i) {
            const ReadResult read = lenientValue(numberText(h[i]));
            if (!read.ok() && unreadable == Unreadable::None)
                unreadable = Unreadable::TooLarge;
            harvest(Eigen::Index(i)) = read.value;
        }

        Eigen::VectorXd n(4);
        double shownTotal = m_shownStartTotal;
        for (int j = 1; j <= steps; ++j) {
            if (verdict.firstEmptied == 0 && empties(h, j - 1))
                verdict.firstEmptied = j;
            ShownStep step;
            if (unreadable == Unreadable::None) {
                for (size_t i = 0; i < 4; ++i)
                    n(Eigen::Index(i)) = m_history[size_t(j - 1)][i];
                step = shownStep(m_shownMatrix, n, harvest, m_totals[size_t(j - 1)], shownTotal);
            }
            if (step.representable && !step.ended) {
                for (size_t i = 0; i < 4; ++i)
                    m_history[size_t(j)][i] = step.values[i];
                m_totals[size_t(j)] = step.total;
                shownTotal = step.shownTotal;
            }
            if (step.representable && !step.ended && step.total > 0) {
                verdict.stepsRun = j;
                if (!belowThreshold(j))
                    continue;
                verdict.verdict = Verdict::FallsBelowThreshold;
            } else if (step.representable && !step.ended) {
                verdict.verdict = Verdict::ReachesZero;
            } else if (step.representable) {
                verdict.verdict = Verdict::AlreadyEmpty;
            } else {
                verdict.overflow = unreadable != Unreadable::NotANumber;
                verdict.verdict = verdict.overflow ? Verdict::Grows : Verdict::Undecided;
            }
            verdict.step = j;
            recordLast(verdict);
            return verdict;
        }
        recordLast(verdict);
        classify(verdict);
        return verdict;
    }

private:
    void noteFirst(Unreadable unreadable)
    {
        if (m_unreadable == Unreadable::None)
            m_unreadable = unreadable;
    }

    // An empty N is the projection's own case (the end of the simulation), not this one.
    bool belowThreshold(int k) const
    {
        const double total = m_totals[static_cast<size_t>(k)];
        return total > 0 && total < m_threshold;
    }

    // Whether the projection from time k takes more from some class than M N(k) holds.
    bool empties(const Vector4 &h, int k) const
    {
        for (size_t r = 0; r < 4; ++r) {
            double next = 0.0;
            for (size_t c = 0; c < 4; ++c)
                next += m_matrix[4 * r + c] * m_history[static_cast<size_t>(k)][c];
            if (next < h[r])
                return true;
        }
        return false;
    }

    void recordLast(HarvestVerdict &verdict) const
    {
        const size_t k = static_cast<size_t>(verdict.stepsRun);
        verdict.last = m_history[k];
        verdict.lastTotal = m_totals[k];
    }

    void classify(HarvestVerdict &verdict) const
    {
        const size_t k = static_cast<size_t>(verdict.stepsRun);
        double change = 0.0;
        for (size_t i = 0; i < 4; ++i)
            change = std::max(change, std::fabs(m_history[k][i] - m_history[k - 1][i]));
        if (change <= 1e-9 * m_totals[k]) {
            verdict.verdict = Verdict::Settles;
            return;
        }
        // Twelve steps span every cycle length a 4-class matrix can have.
        const size_t span = std::min<size_t>(12, k);
        const double ratio = m_totals[k] / m_totals[k - span];
        if (ratio > 1.0 + 1e-9)
            verdict.verdict = Verdict::Grows;
        else if (ratio < 1.0 - 1e-9)
            verdict.verdict = Verdict::Declines;
        else
            verdict.verdict = Verdict::Undecided;
    }

    Eigen::MatrixXd m_shownMatrix;
    Matrix4 m_matrix;
    double m_threshold;
    Vector4 m_start{};
    double m_startTotal = 0.0;
    double m_shownStartTotal = 0.0;
    Unreadable m_unreadable = Unreadable::None;
    std::vector<Vector4> m_history;
    std::vector<double> m_totals;
};

Vector4 scaled(const Vector4 &v, double s)
{
    Vector4 out{};
    for (size_t i = 0; i < 4; ++i)
        out[i] = s * v[i];
    return out;
}

} // namespace

bool survives(const HarvestVerdict &v)
{
    return v.verdict != Verdict::ReachesZero && v.verdict != Verdict::AlreadyEmpty
           && v.verdict != Verdict::FallsBelowThreshold;
}

HarvestVerdict harvestVerdict(const Matrix4 &m, const Vector4 &h, const Vector4 &n,
                              double threshold, int steps)
{
    ProjectionRun run(m, n, threshold);
    return run.run(h, steps);
}

HarvestLimit largestHarvest(const Matrix4 &m, const Vector4 &h, const Vector4 &n,
                            double threshold, int steps)
{
    HarvestLimit limit;
    limit.direction = h;
    if (std::all_of(h.begin(), h.end(), [](double x) { return x == 0.0; }))
        limit.direction = {1.0, 0.0, 0.0, 0.0};
    ProjectionRun run(m, n, threshold);
    auto alive = [&](double s) { return survives(run.run(scaled(limit.direction, s), steps)); };

    if (!alive(0.0))
        return limit;
    // The largest harvest a double holds without overflowing the subtraction.
    const double largest = *std::max_element(limit.direction.begin(), limit.direction.end());
    const double ceiling = 1e300 / std::max(largest, 1e-300);
    if (alive(ceiling)) {
        limit.status = HarvestLimitStatus::Unlimited;
        return limit;
    }

    // Find the decade by halving the exponent, then bisect within it.
    double low = 1.0;
    double high = ceiling;
    if (!alive(1.0)) {
        low = 1e-300;
        high = 1.0;
        if (!alive(low)) {
            limit.status = HarvestLimitStatus::Ok; // alive only without any harvest
            return limit;
        }
    }
    while (high > 10.0 * low) {
        const double middle = std::sqrt(low) * std::sqrt(high);
        (alive(middle) ? low : high) = middle;
    }
    while (high - low > 1e-8 * high) {
        const double middle = 0.5 * (low + high);
        (alive(middle) ? low : high) = middle;
    }

    // The checks guard against rounding up to 6 digits and against a survival boundary that
    // is not quite monotone at the last digit.
    SixDigits s = SixDigits::nearest(low);
    for (int tries = 0; tries < 10 && !alive(s.value()); ++tries)
        s = s.step(-1);
    if (alive(s.step(1).value()))
        s = s.step(1);
    limit.status = HarvestLimitStatus::Ok;
    limit.factor = s.value();
    limit.harvest = scaled(limit.direction, limit.factor);
    return limit;
}

} // namespace velmora
