#include "model/harvestprojection.h"

#include "model/numbertext.h"
#include "model/simulation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

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

// The program's own simulation on a private history, reused for many harvests.
class ProjectionRun {
public:
    ProjectionRun(const Matrix4 &m, const Vector4 &n, double threshold)
        : m_history(std::make_unique<Module1>()),
          m_simulation(*m_history),
          m_matrix(m),
          m_threshold(threshold)
    {
        MainFields &f = m_simulation.fields();
        for (size_t i = 0; i < 16; ++i)
            f.m[i] = numberText(m[i]);
        for (size_t i = 0; i < 4; ++i)
            m_start[i] = numberText(n[i]);
        m_simulation.onMessage = [this](const ModelMessage &message) { m_message = message.kind; };
    }

    HarvestVerdict run(const Vector4 &h, int steps)
    {
        MainFields &f = m_simulation.fields();
        for (size_t i = 0; i < 4; ++i) {
            f.n1[i] = m_start[i];
            f.n2[i].clear();
            f.Harvest[i] = numberText(h[i]);
        }
        m_simulation.Restart();
        steps = std::clamp(steps, 1, kLastTime);

        HarvestVerdict verdict;
        if (belowThreshold(0)) {
            verdict.verdict = Verdict::FallsBelowThreshold;
            recordLast(verdict);
            return verdict;
        }
        for (int j = 1; j <= steps; ++j) {
            if (verdict.firstEmptied == 0 && empties(h, j - 1))
                verdict.firstEmptied = j;
            switch (m_simulation.Projection()) {
            case ProjectionOutcome::Counted:
                verdict.stepsRun = j;
                m_simulation.Transition();
                if (!belowThreshold(j))
                    continue;
                verdict.verdict = Verdict::FallsBelowThreshold;
                break;
            case ProjectionOutcome::Rejected:
                verdict.verdict = Verdict::ReachesZero;
                break;
            case ProjectionOutcome::Ended:
                verdict.verdict = Verdict::AlreadyEmpty;
                break;
            case ProjectionOutcome::Refused:
                verdict.overflow = m_message == ModelMessage::Kind::Overflow;
                verdict.verdict = verdict.overflow ? Verdict::Grows : Verdict::Undecided;
                break;
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
    // An empty N is the projection's own case (the end of the simulation), not this one.
    bool belowThreshold(int k) const
    {
        const double total = m_history->Ntot[static_cast<size_t>(k)];
        return total > 0 && total < m_threshold;
    }

    // Whether the projection from time k takes more from some class than M N(k) holds.
    bool empties(const Vector4 &h, int k) const
    {
        for (size_t r = 0; r < 4; ++r) {
            double next = 0.0;
            for (size_t c = 0; c < 4; ++c)
                next += m_matrix[4 * r + c] * m_history->Nhist[c][static_cast<size_t>(k)];
            if (next < h[r])
                return true;
        }
        return false;
    }

    void recordLast(HarvestVerdict &verdict) const
    {
        const size_t k = static_cast<size_t>(verdict.stepsRun);
        for (size_t i = 0; i < 4; ++i)
            verdict.last[i] = m_history->Nhist[i][k];
        verdict.lastTotal = m_history->Ntot[k];
    }

    void classify(HarvestVerdict &verdict) const
    {
        const Module1 &h = *m_history;
        const size_t k = static_cast<size_t>(verdict.stepsRun);
        double change = 0.0;
        for (size_t i = 0; i < 4; ++i)
            change = std::max(change, std::fabs(h.Nhist[i][k] - h.Nhist[i][k - 1]));
        if (change <= 1e-9 * h.Ntot[k]) {
            verdict.verdict = Verdict::Settles;
            return;
        }
        // Twelve steps span every cycle length a 4-class matrix can have.
        const size_t span = std::min<size_t>(12, k);
        const double ratio = h.Ntot[k] / h.Ntot[k - span];
        if (ratio > 1.0 + 1e-9)
            verdict.verdict = Verdict::Grows;
        else if (ratio < 1.0 - 1e-9)
            verdict.verdict = Verdict::Declines;
        else
            verdict.verdict = Verdict::Undecided;
    }

    std::unique_ptr<Module1> m_history;
    Simulation m_simulation;
    Matrix4 m_matrix;
    double m_threshold;
    std::array<std::string, 4> m_start;
    ModelMessage::Kind m_message = ModelMessage::Kind::NotANumber;
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
