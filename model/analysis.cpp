#include "model/analysis.h"

#include "model/numbertext.h"
#include "model/simulation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <numeric>

namespace velmora {

namespace {

using Complex = std::complex<double>;
constexpr double kEpsilon = std::numeric_limits<double>::epsilon();

double at(const Matrix4 &m, int r, int c) { return m[static_cast<size_t>(4 * r + c)]; }

double normInf(const Matrix4 &m)
{
    double norm = 0.0;
    for (int r = 0; r < 4; ++r) {
        double row = 0.0;
        for (int c = 0; c < 4; ++c)
            row += std::fabs(at(m, r, c));
        norm = std::max(norm, row);
    }
    return norm;
}

bool allFinite(const Matrix4 &m)
{
    return std::all_of(m.begin(), m.end(), [](double x) { return std::isfinite(x); });
}

// reach[i][j]: a path of at least one step leads from class i to class j.
using Reach = std::array<std::array<bool, 4>, 4>;

Reach reachability(const Matrix4 &m)
{
    Reach reach{};
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            reach[c][r] = at(m, r, c) != 0.0;
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                reach[i][j] = reach[i][j] || (reach[i][k] && reach[k][j]);
    return reach;
}

// Plane rotation that turns (x, y) into (r, 0); c is real.
struct Rotation {
    double c = 1.0;
    Complex s = 0.0;
};

Rotation rotationFor(Complex x, Complex y)
{
    const double ax = std::abs(x);
    const double r = std::hypot(ax, std::abs(y));
    if (r == 0.0)
        return {};
    if (ax == 0.0)
        return {0.0, 1.0};
    return {ax / r, (x / ax) * std::conj(y) / r};
}

// Eigenvalues of the leading n x n part of a complex upper Hessenberg matrix by single-shift
// QR with deflation. False when some eigenvalue needs more than `limit` iterations.
bool hessenbergEigenvalues(Complex h[4][4], int n, int limit, Complex *out)
{
    double scale = 0.0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            scale = std::max(scale, std::abs(h[i][j]));

    int hi = n - 1;
    int iterations = 0;
    while (hi >= 0) {
        int l = hi;
        for (; l > 0; --l) {
            double near = std::abs(h[l - 1][l - 1]) + std::abs(h[l][l]);
            if (near == 0.0)
                near = scale;
            if (std::abs(h[l][l - 1]) <= kEpsilon * near) {
                h[l][l - 1] = 0.0;
                break;
            }
        }
        if (l == hi) {
            out[hi] = h[hi][hi];
            --hi;
            iterations = 0;
            continue;
        }
        if (iterations >= limit)
            return false;
        ++iterations;

        // Wilkinson shift from the trailing 2 x 2 block; every tenth iteration an
        // exceptional shift breaks the cycles that unshifted QR falls into on rotations.
        const Complex a = h[hi - 1][hi - 1];
        const Complex b = h[hi - 1][hi];
        const Complex c = h[hi][hi - 1];
        const Complex d = h[hi][hi];
        Complex mu;
        if (iterations % 10 == 0) {
            mu = d + 0.75 * std::fabs(c.real()) + 0.5 * std::fabs(c.imag());
        } else {
            const Complex half = 0.5 * (a - d);
            const Complex root = std::sqrt(half * half + b * c);
            const Complex mu1 = 0.5 * (a + d) + root;
            const Complex mu2 = 0.5 * (a + d) - root;
            mu = std::abs(mu1 - d) < std::abs(mu2 - d) ? mu1 : mu2;
        }

        Rotation rotations[4];
        for (int k = l; k <= hi; ++k)
            h[k][k] -= mu;
        for (int k = l; k < hi; ++k) {
            const Rotation g = rotationFor(h[k][k], h[k + 1][k]);
            rotations[k] = g;
            for (int j = k; j <= hi; ++j) {
                const Complex t1 = h[k][j];
                const Complex t2 = h[k + 1][j];
                h[k][j] = g.c * t1 + g.s * t2;
                h[k + 1][j] = -std::conj(g.s) * t1 + g.c * t2;
            }
        }
        for (int k = l; k < hi; ++k) {
            const Rotation &g = rotations[k];
            for (int i = l; i <= std::min(k + 2, hi); ++i) {
                const Complex t1 = h[i][k];
                const Complex t2 = h[i][k + 1];
                h[i][k] = t1 * g.c + t2 * std::conj(g.s);
                h[i][k + 1] = -t1 * g.s + t2 * g.c;
            }
        }
        for (int k = l; k <= hi; ++k)
            h[k][k] += mu;
    }
    return true;
}

// Eigenvalues of a real n x n block: Hessenberg form by Givens similarity rotations, then QR.
bool blockEigenvalues(double a[4][4], int n, int limit, Complex *out)
{
    for (int j = 0; j + 2 < n; ++j) {
        for (int i = n - 1; i >= j + 2; --i) {
            const double x = a[i - 1][j];
            const double y = a[i][j];
            if (y == 0.0)
                continue;
            const double r = std::hypot(x, y);
            const double c = x / r;
            const double s = y / r;
            for (int k = 0; k < n; ++k) {
                const double t1 = a[i - 1][k];
                const double t2 = a[i][k];
                a[i - 1][k] = c * t1 + s * t2;
                a[i][k] = -s * t1 + c * t2;
            }
            for (int k = 0; k < n; ++k) {
                const double t1 = a[k][i - 1];
                const double t2 = a[k][i];
                a[k][i - 1] = c * t1 + s * t2;
                a[k][i] = -s * t1 + c * t2;
            }
        }
    }
    Complex h[4][4];
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            h[i][j] = a[i][j];
    return hessenbergEigenvalues(h, n, limit, out);
}

// Solves a x = b by Gaussian elimination with partial pivoting. A pivot at or below
// `tiny` makes the system singular (false), unless `perturb` is set: then the pivot is
// replaced by `tiny`, as inverse iteration wants.
bool solve(const Matrix4 &matrix, const Vector4 &rhs, Vector4 &x, double tiny, bool perturb)
{
    double a[4][4];
    double b[4];
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c)
            a[r][c] = at(matrix, r, c);
        b[r] = rhs[static_cast<size_t>(r)];
    }
    for (int k = 0; k < 4; ++k) {
        int p = k;
        for (int i = k + 1; i < 4; ++i)
            if (std::fabs(a[i][k]) > std::fabs(a[p][k]))
                p = i;
        std::swap(a[k], a[p]);
        std::swap(b[k], b[p]);
        if (std::fabs(a[k][k]) <= tiny) {
            if (!perturb)
                return false;
            a[k][k] = a[k][k] < 0 ? -tiny : tiny;
        }
        for (int i = k + 1; i < 4; ++i) {
            const double factor = a[i][k] / a[k][k];
            for (int j = k; j < 4; ++j)
                a[i][j] -= factor * a[k][j];
            b[i] -= factor * b[k];
        }
    }
    for (int k = 3; k >= 0; --k) {
        double sum = b[k];
        for (int j = k + 1; j < 4; ++j)
            sum -= a[k][j] * x[static_cast<size_t>(j)];
        x[static_cast<size_t>(k)] = sum / a[k][k];
    }
    return true;
}

double maxAbs(const Vector4 &v)
{
    double m = 0.0;
    for (const double x : v)
        m = std::max(m, std::fabs(x));
    return m;
}

Matrix4 transposed(const Matrix4 &m)
{
    Matrix4 t{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            t[static_cast<size_t>(4 * c + r)] = at(m, r, c);
    return t;
}

// Eigenvector of `lambda` by inverse iteration; false unless the residual is that of an
// eigenvector to working precision.
bool eigenvectorFor(const Matrix4 &m, double lambda, Vector4 &x)
{
    const double norm = normInf(m) + std::fabs(lambda);
    Matrix4 shifted = m;
    for (int i = 0; i < 4; ++i)
        shifted[static_cast<size_t>(5 * i)] -= lambda;
    x = {1.0, 1.0, 1.0, 1.0};
    for (int round = 0; round < 4; ++round) {
        Vector4 y{};
        solve(shifted, x, y, kEpsilon * norm, true);
        const double size = maxAbs(y);
        if (!std::isfinite(size) || size == 0.0)
            return false;
        for (int i = 0; i < 4; ++i)
            x[static_cast<size_t>(i)] = y[static_cast<size_t>(i)] / size;
    }
    double residual = 0.0;
    for (int r = 0; r < 4; ++r) {
        double sum = -lambda * x[static_cast<size_t>(r)];
        for (int c = 0; c < 4; ++c)
            sum += at(m, r, c) * x[static_cast<size_t>(c)];
        residual = std::max(residual, std::fabs(sum));
    }
    return residual <= 1e-9 * norm * maxAbs(x);
}

// Gives the vector a positive sum and sets rounding noise around 0 to 0. False when a
// component stays clearly negative, which a non-negative eigenvector cannot have.
bool makeNonNegative(Vector4 &v)
{
    const double sum = std::accumulate(v.begin(), v.end(), 0.0);
    if (sum < 0)
        for (double &x : v)
            x = -x;
    const double noise = 1e-12 * maxAbs(v);
    for (double &x : v) {
        if (std::fabs(x) <= noise)
            x = 0.0;
        if (x < 0)
            return false;
    }
    return true;
}

double spectralRadius(const Eigenvalues &e) { return std::abs(e.values[0]); }

// A positive number kept as 6 significant digits: digits x 10^exponent, 100000 <= digits < 1e6.
struct SixDigits {
    double digits = 0.0;
    int exponent = 0;

    static SixDigits below(double x)
    {
        SixDigits s;
        s.exponent = static_cast<int>(std::floor(std::log10(x))) - 5;
        s.digits = std::floor(x / std::pow(10.0, s.exponent));
        // log10 and the division may land one digit off near a power of ten.
        if (s.digits >= 1e6) {
            ++s.exponent;
            s.digits = std::floor(s.digits / 10.0);
        } else if (s.digits < 1e5) {
            --s.exponent;
            s.digits = std::floor(x / std::pow(10.0, s.exponent));
        }
        return s;
    }
    double value() const
    {
        // The decimal digits, rounded to the nearest double once.
        char text[48];
        std::snprintf(text, sizeof text, "%.0fe%d", digits, exponent);
        return std::strtod(text, nullptr);
    }
    SixDigits next() const
    {
        SixDigits s = *this;
        s.digits += 1.0;
        if (s.digits >= 1e6) {
            s.digits = 1e5;
            ++s.exponent;
        }
        return s;
    }
    SixDigits previous() const
    {
        SixDigits s = *this;
        s.digits -= 1.0;
        if (s.digits < 1e5) {
            s.digits = 999999.0;
            --s.exponent;
        }
        return s;
    }
};

// The program's own simulation on a private history, reused for many harvests.
class ProjectionRun {
public:
    ProjectionRun(const Matrix4 &m, const Vector4 &n)
        : m_history(std::make_unique<Module1>()),
          m_simulation(*m_history)
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
        for (int j = 1; j <= steps; ++j) {
            switch (m_simulation.Projection()) {
            case ProjectionOutcome::Counted:
                verdict.stepsRun = j;
                m_simulation.Transition();
                continue;
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
    std::array<std::string, 4> m_start;
    ModelMessage::Kind m_message = ModelMessage::Kind::NotANumber;
};

bool survives(const HarvestVerdict &v)
{
    return v.verdict != Verdict::ReachesZero && v.verdict != Verdict::AlreadyEmpty;
}

Vector4 scaled(const Vector4 &v, double s)
{
    Vector4 out{};
    for (size_t i = 0; i < 4; ++i)
        out[i] = s * v[i];
    return out;
}

} // namespace

bool modelFromFields(const MainFields &fields, PopulationModel &model)
{
    PopulationModel read;
    for (size_t i = 0; i < 16; ++i) {
        const ReadResult r = strictValue(fields.m[i]);
        if (!r.ok())
            return false;
        read.M[i] = r.value;
    }
    for (size_t i = 0; i < 4; ++i) {
        const ReadResult n = strictValue(fields.n1[i]);
        const ReadResult h = lenientValue(fields.Harvest[i]);
        if (!n.ok() || !h.ok())
            return false;
        read.N[i] = n.value;
        read.H[i] = h.value;
    }
    const ReadResult t = strictValue(fields.simu0);
    read.t = t.ok() ? static_cast<int>(t.value) : 0;
    model = read;
    return true;
}

MatrixStructure matrixStructure(const Matrix4 &m)
{
    const Reach reach = reachability(m);
    MatrixStructure s;
    s.acyclic = true;
    for (int i = 0; i < 4; ++i) {
        s.acyclic = s.acyclic && !reach[i][i];
        for (int j = 0; j < 4; ++j)
            s.reducible = s.reducible || (i != j && !reach[i][j]);
    }
    for (int j = 1; j < 4; ++j) {
        if (!reach[0][j])
            s.neverReached.push_back(j);
        if (!reach[j][0])
            s.neverBreeding.push_back(j);
    }
    if (!s.reducible) {
        // Closed walks of length 1..4 contain every simple cycle of four classes, so their
        // lengths have the same gcd as all cycles: the period.
        Reach walk{};
        for (int i = 0; i < 4; ++i)
            walk[i][i] = true;
        int period = 0;
        for (int length = 1; length <= 4; ++length) {
            Reach longer{};
            for (int i = 0; i < 4; ++i)
                for (int j = 0; j < 4; ++j)
                    for (int k = 0; k < 4; ++k)
                        longer[i][j] = longer[i][j] || (walk[i][k] && at(m, j, k) != 0.0);
            walk = longer;
            bool closed = false;
            for (int i = 0; i < 4; ++i)
                closed = closed || walk[i][i];
            if (closed)
                period = std::gcd(period, length);
        }
        s.period = period;
    }
    return s;
}

Eigenvalues eigenvalues(const Matrix4 &m, int iterationLimit)
{
    Eigenvalues result;
    if (!allFinite(m))
        return result;
    const Reach reach = reachability(m);
    std::array<bool, 4> done{};
    size_t found = 0;
    for (int i = 0; i < 4; ++i) {
        if (done[static_cast<size_t>(i)])
            continue;
        int members[4];
        int n = 0;
        for (int j = i; j < 4; ++j) {
            if (j == i || (reach[i][j] && reach[j][i])) {
                members[n++] = j;
                done[static_cast<size_t>(j)] = true;
            }
        }
        if (n == 1) {
            result.values[found++] = at(m, i, i);
            continue;
        }
        double block[4][4];
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c)
                block[r][c] = at(m, members[r], members[c]);
        Complex values[4];
        if (!blockEigenvalues(block, n, iterationLimit, values))
            return Eigenvalues{};
        for (int k = 0; k < n; ++k)
            result.values[found++] = values[k];
    }
    std::stable_sort(result.values.begin(), result.values.end(), [](Complex a, Complex b) {
        if (std::abs(a) != std::abs(b))
            return std::abs(a) > std::abs(b);
        return a.real() > b.real();
    });
    result.converged = true;
    return result;
}

GrowthAnalysis analyseGrowth(const Matrix4 &m, int iterationLimit)
{
    GrowthAnalysis g;
    if (!allFinite(m))
        return g;
    g.structure = matrixStructure(m);
    if (std::any_of(m.begin(), m.end(), [](double x) { return x < 0; })) {
        g.status = GrowthStatus::NegativeEntry;
        return g;
    }
    g.spectrum = eigenvalues(m, iterationLimit);
    if (!g.spectrum.converged)
        return g;
    if (g.structure.acyclic) {
        g.status = GrowthStatus::NoGrowth;
        return g;
    }

    // A non-negative matrix has its spectral radius as an eigenvalue; a solver result
    // without one is not trusted.
    const double rho = spectralRadius(g.spectrum);
    size_t dominant = 4;
    for (size_t i = 0; i < 4; ++i) {
        if (std::abs(g.spectrum.values[i] - rho) <= 1e-9 * rho) {
            dominant = i;
            break;
        }
    }
    if (dominant == 4 || rho <= 0)
        return g;
    g.lambda = g.spectrum.values[dominant].real();

    double second = 0.0;
    for (size_t i = 0; i < 4; ++i) {
        if (i == dominant)
            continue;
        const Complex other = g.spectrum.values[i];
        second = std::max(second, std::abs(other));
        g.dominantRepeated = g.dominantRepeated || std::abs(other - g.lambda) <= 1e-9 * g.lambda;
    }
    if (second == 0.0)
        g.dampingRatio = std::numeric_limits<double>::infinity();
    else
        g.dampingRatio = std::max(1.0, g.lambda / second);
    if (g.dampingRatio < 1.0 + 1e-12)
        g.dampingRatio = 1.0;

    Vector4 w{};
    Vector4 v{};
    if (!g.dominantRepeated) {
        if (!eigenvectorFor(m, g.lambda, w) || !eigenvectorFor(transposed(m), g.lambda, v)
            || !makeNonNegative(w) || !makeNonNegative(v)) {
            g.status = GrowthStatus::NotConverged;
            return g;
        }
        const double sum = std::accumulate(w.begin(), w.end(), 0.0);
        for (double &x : w)
            x /= sum;
        g.stableDistribution = w;
        if (v[0] > 1e-12 * maxAbs(v)) {
            const double v0 = v[0];
            for (double &x : v)
                x /= v0;
            g.reproductiveValues = v;
        }
    }

    // R0: the dominant eigenvalue of F (I - T)^-1 with F = row 0 (births) and T = rows 1..3
    // (survival). F has rank one, so R0 = f . y with (I - T) y = e0; it exists only while
    // survival alone lets every cohort die out.
    Matrix4 t = m;
    for (size_t c = 0; c < 4; ++c)
        t[c] = 0.0;
    const Eigenvalues survival = eigenvalues(t, iterationLimit);
    if (survival.converged && spectralRadius(survival) < 1.0 - 1e-12) {
        Matrix4 identityMinusT{};
        for (size_t i = 0; i < 16; ++i)
            identityMinusT[i] = (i % 5 == 0 ? 1.0 : 0.0) - t[i];
        Vector4 y{};
        if (solve(identityMinusT, {1.0, 0.0, 0.0, 0.0}, y, kEpsilon * 16, false)) {
            double r0 = 0.0;
            for (size_t c = 0; c < 4; ++c)
                r0 += m[c] * y[c];
            g.R0 = r0;
        }
    }

    if (g.R0 && *g.R0 > 0 && g.lambda > 0) {
        const double logLambda = std::log(g.lambda);
        if (std::fabs(logLambda) < 1e-7) {
            if (g.stableDistribution && g.reproductiveValues) {
                double vw = 0.0;
                double fw = 0.0;
                for (size_t i = 0; i < 4; ++i) {
                    vw += (*g.reproductiveValues)[i] * w[i];
                    fw += m[i] * w[i];
                }
                if (fw > 0) {
                    g.generationTime = g.lambda * vw / fw;
                    g.generationTimeIsLimit = true;
                }
            }
        } else {
            const double time = std::log(*g.R0) / logLambda;
            if (std::isfinite(time) && time > 0)
                g.generationTime = time;
        }
    }
    g.status = GrowthStatus::Ok;
    return g;
}

HarvestEquilibrium harvestEquilibrium(const Matrix4 &m, const Vector4 &h)
{
    HarvestEquilibrium e;
    Matrix4 a = m;
    for (size_t i = 0; i < 4; ++i)
        a[5 * i] -= 1.0;
    const double norm = normInf(a);
    if (!allFinite(a) || norm == 0.0 || !solve(a, h, e.N, 1e-12 * norm, false))
        return e;
    const double noise = 1e-12 * maxAbs(e.N);
    e.status = EquilibriumStatus::Ok;
    e.total = 0.0;
    for (double &x : e.N) {
        if (std::fabs(x) <= noise)
            x = 0.0;
        if (x < 0)
            e.status = EquilibriumStatus::NotBiological;
        e.total += x;
    }
    return e;
}

HarvestVerdict harvestVerdict(const Matrix4 &m, const Vector4 &h, const Vector4 &n, int steps)
{
    ProjectionRun run(m, n);
    return run.run(h, steps);
}

HarvestLimit largestHarvest(const Matrix4 &m, const Vector4 &h, const Vector4 &n, int steps)
{
    HarvestLimit limit;
    limit.direction = h;
    if (std::all_of(h.begin(), h.end(), [](double x) { return x == 0.0; }))
        limit.direction = {1.0, 0.0, 0.0, 0.0};
    ProjectionRun run(m, n);
    auto alive = [&](double s) { return survives(run.run(scaled(limit.direction, s), steps)); };

    if (!alive(0.0))
        return limit;
    // The largest harvest a double holds without overflowing the subtraction.
    const double ceiling = 1e300 / std::max(maxAbs(limit.direction), 1e-300);
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
        if (alive(middle))
            low = middle;
        else
            high = middle;
    }
    while (high - low > 1e-8 * high) {
        const double middle = 0.5 * (low + high);
        if (alive(middle))
            low = middle;
        else
            high = middle;
    }

    // Rounding down to 6 digits keeps a surviving factor; the checks guard against a
    // survival boundary that is not quite monotone at the last digit.
    SixDigits s = SixDigits::below(low);
    for (int tries = 0; tries < 10 && !alive(s.value()); ++tries)
        s = s.previous();
    if (alive(s.next().value()))
        s = s.next();
    limit.status = HarvestLimitStatus::Ok;
    limit.factor = s.value();
    limit.harvest = scaled(limit.direction, limit.factor);
    return limit;
}

ModelAnalysis analyseModel(const PopulationModel &model)
{
    ModelAnalysis a;
    a.model = model;
    a.growth = analyseGrowth(model.M);
    a.equilibrium = harvestEquilibrium(model.M, model.H);
    a.verdict = harvestVerdict(model.M, model.H, model.N);
    a.limit = largestHarvest(model.M, model.H, model.N);
    return a;
}

} // namespace velmora
