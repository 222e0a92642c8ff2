#include "demography/harvestprojection.h"

#include "base/numbertext.h"
#include "demography/shownstep.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>
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
    ProjectionRun(const Eigen::MatrixXd &a, const Eigen::VectorXd &n, double threshold)
        : m_shownMatrix(a.rows(), a.cols()),
          m_matrix(a),
          m_threshold(threshold),
          m_start(n.size())
    {
        for (Eigen::Index r = 0; r < a.rows(); ++r)
            for (Eigen::Index c = 0; c < a.cols(); ++c)
                noteFirst(strictlyShown(a(r, c), m_shownMatrix(r, c)));
        double total = 0.0;
        for (Eigen::Index i = 0; i < n.size(); ++i) {
            noteFirst(strictlyShown(n(i), m_start(i)));
            total += m_start(i);
        }
        m_startTotal = total;
        noteFirst(strictlyShown(total, m_shownStartTotal));
    }

    // With `untilCertain`, the run stops as soon as survival is certain (see `certain`): only
    // survives() of such a verdict is meaningful.
    StageVerdict run(const Eigen::VectorXd &h, int steps, bool untilCertain = false)
    {
        const Eigen::Index size = m_start.size();
        steps = std::clamp(steps, 1, kLastTime);
        m_history.setZero(size, steps + 1);
        m_totals.assign(size_t(steps) + 1, 0.0);
        m_history.col(0) = m_start;
        m_totals[0] = m_startTotal;

        StageVerdict verdict;
        if (belowThreshold(0)) {
            verdict.verdict = Verdict::FallsBelowThreshold;
            recordLast(verdict);
            return verdict;
        }
        Unreadable unreadable = m_unreadable;
        Eigen::VectorXd harvest(size);
        for (Eigen::Index i = 0; i < size; ++i) {
            const ReadResult read = lenientValue(numberText(h(i)));
            if (!read.ok() && unreadable == Unreadable::None)
                unreadable = Unreadable::TooLarge;
            harvest(i) = read.value;
        }

        double shownTotal = m_shownStartTotal;
        for (int j = 1; j <= steps; ++j) {
            if (verdict.firstEmptied == 0 && empties(h, j - 1))
                verdict.firstEmptied = j;
            ShownStep step;
            if (unreadable == Unreadable::None)
                step = shownStep(m_shownMatrix, m_history.col(j - 1), harvest,
                                 m_totals[size_t(j - 1)], shownTotal);
            if (step.representable && !step.ended) {
                for (Eigen::Index i = 0; i < size; ++i)
                    m_history(i, j) = step.values[size_t(i)];
                m_totals[size_t(j)] = step.total;
                shownTotal = step.shownTotal;
            }
            if (step.representable && !step.ended && step.total > 0) {
                verdict.stepsRun = j;
                if (!belowThreshold(j)) {
                    if (untilCertain && certain(j)) {
                        verdict.verdict = Verdict::Grows;
                        recordLast(verdict);
                        return verdict;
                    }
                    continue;
                }
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

    // The shown step is monotone in N (non-negative cells; every product, sum, subtraction,
    // clamp and rounding to the shown digits keeps order). So once N(j) >= N(j - p) in every
    // stage, each later N(j + k) >= N(j - p + k): no later total falls below one already passed.
    bool certain(int j) const
    {
        for (int p = 1; p <= std::min(j, kCertainSpan); ++p)
            if ((m_history.col(j).array() >= m_history.col(j - p).array()).all())
                return true;
        return false;
    }

    // Whether the projection from time k takes more from some stage than A N(k) holds.
    bool empties(const Eigen::VectorXd &h, int k) const
    {
        for (Eigen::Index r = 0; r < m_matrix.rows(); ++r) {
            double next = 0.0;
            for (Eigen::Index c = 0; c < m_matrix.cols(); ++c)
                next += m_matrix(r, c) * m_history(c, k);
            if (next < h(r))
                return true;
        }
        return false;
    }

    void recordLast(StageVerdict &verdict) const
    {
        const auto k = static_cast<Eigen::Index>(verdict.stepsRun);
        verdict.last = m_history.col(k);
        verdict.lastTotal = m_totals[size_t(k)];
    }

    void classify(StageVerdict &verdict) const
    {
        const auto k = static_cast<Eigen::Index>(verdict.stepsRun);
        double change = 0.0;
        for (Eigen::Index i = 0; i < m_history.rows(); ++i)
            change = std::max(change, std::fabs(m_history(i, k) - m_history(i, k - 1)));
        if (change <= 1e-9 * m_totals[size_t(k)]) {
            verdict.verdict = Verdict::Settles;
            return;
        }
        // A span that every cycle length of the life cycle divides: 12 for four stages.
        const size_t span = std::min<size_t>(cycleSpan(m_history.rows()), size_t(k));
        const double ratio = m_totals[size_t(k)] / m_totals[size_t(k) - span];
        if (ratio > 1.0 + 1e-9)
            verdict.verdict = Verdict::Grows;
        else if (ratio < 1.0 - 1e-9)
            verdict.verdict = Verdict::Declines;
        else
            verdict.verdict = Verdict::Undecided;
    }

    // lcm(1, ..., max(n, 4)), or kLastTime where that is longer than any run.
    static size_t cycleSpan(Eigen::Index n)
    {
        size_t span = 1;
        for (size_t i = 2; i <= size_t(std::max<Eigen::Index>(n, 4)); ++i) {
            span = span / std::gcd(span, i) * i;
            if (span > size_t(kLastTime))
                return size_t(kLastTime);
        }
        return span;
    }

    static constexpr int kCertainSpan = 12;

    Eigen::MatrixXd m_shownMatrix;
    Eigen::MatrixXd m_matrix;
    double m_threshold;
    Eigen::VectorXd m_start;
    double m_startTotal = 0.0;
    double m_shownStartTotal = 0.0;
    Unreadable m_unreadable = Unreadable::None;
    Eigen::MatrixXd m_history; // N(k) in column k
    std::vector<double> m_totals;
};

} // namespace

bool survives(Verdict verdict)
{
    return verdict != Verdict::ReachesZero && verdict != Verdict::AlreadyEmpty
           && verdict != Verdict::FallsBelowThreshold;
}

StageVerdict stageHarvestVerdict(const Eigen::MatrixXd &a, const Eigen::VectorXd &h,
                                 const Eigen::VectorXd &n, double threshold, int steps)
{
    ProjectionRun run(a, n, threshold);
    return run.run(h, steps);
}

HarvestVerdict harvestVerdict(const Matrix4 &m, const Vector4 &h, const Vector4 &n,
                              double threshold, int steps)
{
    return fourClassVerdict(stageHarvestVerdict(toEigen(m), toEigen(h), toEigen(n), threshold, steps));
}

StageHarvestLimit stageLargestHarvest(const Eigen::MatrixXd &a, const Eigen::VectorXd &h,
                                      const Eigen::VectorXd &n, double threshold, int steps,
                                      double guess)
{
    StageHarvestLimit limit;
    limit.direction = h;
    if (h.size() > 0 && (h.array() == 0.0).all())
        limit.direction = Eigen::VectorXd::Unit(h.size(), 0);
    limit.harvest = Eigen::VectorXd::Zero(h.size());
    ProjectionRun run(a, n, threshold);
    auto alive = [&](double s) { return survives(run.run(s * limit.direction, steps, true)); };

    if (!alive(0.0))
        return limit;
    // The largest harvest a double holds without overflowing the subtraction.
    const double largest = limit.direction.size() > 0 ? limit.direction.maxCoeff() : 0.0;
    const double ceiling = 1e300 / std::max(largest, 1e-300);
    if (alive(ceiling)) {
        limit.status = HarvestLimitStatus::Unlimited;
        return limit;
    }

    // A guess (the rule's figure) is bracketed by projections of its own, a little above and
    // below it; without one, the decade is found by halving the exponent. Then bisect.
    double low = 1.0;
    double high = ceiling;
    bool bracketed = false;
    if (guess > 1e-300 && guess < ceiling / 2) {
        double below = guess * 0.999;
        double above = guess * 1.001;
        if (alive(below)) {
            while (above < ceiling && alive(above)) {
                below = above;
                above *= 1.25;
            }
            bracketed = above < ceiling;
        } else {
            above = below;
            below /= 1.25;
            while (below > 1e-300 && !alive(below)) {
                above = below;
                below /= 1.25;
            }
            bracketed = below > 1e-300;
        }
        if (bracketed) {
            low = below;
            high = above;
        }
    }
    if (!bracketed && !alive(1.0)) {
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
    limit.harvest = limit.factor * limit.direction;
    return limit;
}

HarvestLimit largestHarvest(const Matrix4 &m, const Vector4 &h, const Vector4 &n,
                            double threshold, int steps, double guess)
{
    return fourClassLimit(
        stageLargestHarvest(toEigen(m), toEigen(h), toEigen(n), threshold, steps, guess));
}

StageVerdict stageVerdictOf(const HarvestVerdict &v)
{
    return {v.verdict, v.step, v.overflow, v.stepsRun, toEigen(v.last), v.lastTotal, v.firstEmptied};
}

HarvestVerdict fourClassVerdict(const StageVerdict &v)
{
    return {v.verdict, v.step, v.overflow, v.stepsRun, toVector4(v.last), v.lastTotal, v.firstEmptied};
}

StageHarvestLimit stageLimitOf(const HarvestLimit &l)
{
    return {l.status, toEigen(l.direction), l.factor, toEigen(l.harvest)};
}

HarvestLimit fourClassLimit(const StageHarvestLimit &l)
{
    return {l.status, toVector4(l.direction), l.factor, toVector4(l.harvest)};
}

} // namespace velmora
