#include "demography/vitalrates.h"

#include <boost/math/distributions/beta.hpp>
#include <boost/math/distributions/gamma.hpp>
#include <boost/math/distributions/lognormal.hpp>

#include <QtTest>

#include <algorithm>
#include <functional>
#include <vector>

using namespace velmora;

namespace {

// The largest distance between the empirical distribution of `draws` and `cdf`.
double kolmogorovSmirnov(std::vector<double> draws, const std::function<double(double)> &cdf)
{
    std::sort(draws.begin(), draws.end());
    const double n = double(draws.size());
    double distance = 0.0;
    for (size_t i = 0; i < draws.size(); ++i) {
        const double f = cdf(draws[i]);
        distance = std::max({distance, f - double(i) / n, double(i + 1) / n - f});
    }
    return distance;
}

struct Moments {
    double mean = 0.0;
    double variance = 0.0;
    double fourth = 0.0; // fourth central moment, for the standard error of the variance
};

Moments moments(const std::vector<double> &x)
{
    Moments m;
    for (const double v : x)
        m.mean += v;
    m.mean /= double(x.size());
    for (const double v : x) {
        const double d = (v - m.mean) * (v - m.mean);
        m.variance += d;
        m.fourth += d * d;
    }
    m.variance /= double(x.size() - 1);
    m.fourth /= double(x.size());
    return m;
}

using Sampler = std::function<double(ReplicateRng &)>;
using Cdf = std::function<double(double)>;

} // namespace

Q_DECLARE_METATYPE(Sampler)
Q_DECLARE_METATYPE(Cdf)

class TestVitalRates : public QObject {
    Q_OBJECT

private slots:
    void survivalDrawsHaveAskedMeanAndVariance_data();
    void survivalDrawsHaveAskedMeanAndVariance();
    void ratesThatCannotVaryAreDrawnAsThemselves_data();
    void ratesThatCannotVaryAreDrawnAsThemselves();
    void drawsFollowTheirDistribution_data();
    void drawsFollowTheirDistribution();
    void streamsAreOwnedByReplicates();
};

void TestVitalRates::survivalDrawsHaveAskedMeanAndVariance_data()
{
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("cv");
    QTest::addRow("the run's rate") << 0.5 << 0.1;
    QTest::addRow("high rate") << 0.9 << 0.3;
    QTest::addRow("low rate, wide") << 0.05 << 2.0;
    QTest::addRow("near the largest CV") << 0.3 << largestSurvivalCv(0.3);
    QTest::addRow("shape just below 1") << 0.5 << 0.6;
}

void TestVitalRates::survivalDrawsHaveAskedMeanAndVariance()
{
    QFETCH(double, s);
    QFETCH(double, cv);
    const SurvivalDraw draw(s, cv);
    QVERIFY(draw.varies());
    ReplicateRng rng = replicateStream(11, 3);
    std::vector<double> x(200000);
    for (double &v : x) {
        v = draw.draw(rng);
        QVERIFY(v >= 0 && v <= 1);
    }
    const Moments m = moments(x);
    const double variance = cv * s * cv * s;
    QCOMPARE(draw.variance(), variance);
    const double n = double(x.size());
    const double meanError = std::sqrt(m.variance / n);
    const double varianceError = std::sqrt((m.fourth - m.variance * m.variance) / n);
    QVERIFY2(std::abs(m.mean - s) < 5 * meanError,
             qPrintable(QStringLiteral("mean %1 asked %2").arg(m.mean).arg(s)));
    QVERIFY2(std::abs(m.variance - variance) < 5 * varianceError,
             qPrintable(QStringLiteral("variance %1 asked %2").arg(m.variance).arg(variance)));
}

void TestVitalRates::ratesThatCannotVaryAreDrawnAsThemselves_data()
{
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("cv");
    QTest::addRow("rate 0") << 0.0 << 0.5;
    QTest::addRow("rate 1") << 1.0 << 0.5;
    QTest::addRow("CV 0") << 0.37 << 0.0;
}

void TestVitalRates::ratesThatCannotVaryAreDrawnAsThemselves()
{
    QFETCH(double, s);
    QFETCH(double, cv);
    const SurvivalDraw survival(s, cv);
    const FecundityDraw fecundity(s, cv);
    ReplicateRng rng = replicateStream(1, 0);
    const ReplicateRng before = rng;
    for (int i = 0; i < 100; ++i) {
        QCOMPARE(survival.draw(rng), s);
        if (s < 1)
            QCOMPARE(fecundity.draw(rng), s);
    }
    QCOMPARE(survival.variance(), 0.0);
    // Nothing is drawn from the stream, so the other rates of the year stay as they were.
    if (s < 1 || cv == 0)
        QVERIFY(rng == before);
}

void TestVitalRates::drawsFollowTheirDistribution_data()
{
    using namespace boost::math;
    QTest::addColumn<Sampler>("sampler");
    QTest::addColumn<Cdf>("cdf");
    for (const double shape : {0.3, 1.0, 2.5, 49.5}) {
        const GammaDraw g(shape);
        const Sampler sampler = shape < 1 ? Sampler([g](ReplicateRng &r) { return std::exp(g.logDraw(r)); })
                                          : Sampler([g](ReplicateRng &r) { return g.draw(r); });
        QTest::addRow("gamma %g", shape)
            << sampler << Cdf([shape](double x) { return cdf(gamma_distribution<>(shape), x); });
    }
    // Beta(49.5, 49.5) by the ratio of draws; Beta(0.057, 0.133) from their logarithms.
    for (const auto &[s, cv] : {std::pair{0.5, 0.1}, std::pair{0.3, 1.4}}) {
        const SurvivalDraw d(s, cv);
        const double k = s * (1 - s) / (cv * s * cv * s) - 1;
        QTest::addRow("survival %g, CV %g", s, cv)
            << Sampler([d](ReplicateRng &r) { return d.draw(r); })
            << Cdf([a = s * k, b = (1 - s) * k](double x) {
                   return cdf(beta_distribution<>(a, b), x);
               });
    }
    const FecundityDraw f(2.0, 0.3);
    const double sigma = std::sqrt(std::log1p(0.09));
    QTest::addRow("fecundity 2, CV 0.3")
        << Sampler([f](ReplicateRng &r) { return f.draw(r); })
        << Cdf([sigma](double x) {
               return cdf(lognormal_distribution<>(std::log(2.0) - sigma * sigma / 2, sigma), x);
           });
    QTest::addRow("uniform on (0, 1]")
        << Sampler([](ReplicateRng &r) {
               const double u = openUniform(r);
               return u > 0 && u <= 1 ? u : -1.0;
           })
        << Cdf([](double x) { return std::clamp(x, 0.0, 1.0); });
}

void TestVitalRates::drawsFollowTheirDistribution()
{
    QFETCH(Sampler, sampler);
    QFETCH(Cdf, cdf);
    ReplicateRng rng = replicateStream(2024, 9);
    std::vector<double> x(20000);
    for (double &v : x)
        v = sampler(rng);
    // Kolmogorov-Smirnov at the 0.1 % level.
    const double distance = kolmogorovSmirnov(x, cdf);
    QVERIFY2(distance < 1.95 / std::sqrt(double(x.size())),
             qPrintable(QStringLiteral("distance %1").arg(distance)));
}

void TestVitalRates::streamsAreOwnedByReplicates()
{
    ReplicateRng a = replicateStream(5, 0);
    ReplicateRng again = replicateStream(5, 0);
    ReplicateRng b = replicateStream(5, 1);
    ReplicateRng c = replicateStream(6, 0);
    QVERIFY(a == again);
    // Neighbouring streams and seeds share nothing visible: their uniforms do not correlate.
    std::vector<double> x(20000), y(20000), z(20000);
    for (size_t i = 0; i < x.size(); ++i) {
        x[i] = openUniform(a) - 0.5;
        y[i] = openUniform(b) - 0.5;
        z[i] = openUniform(c) - 0.5;
    }
    double xy = 0, xz = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        xy += x[i] * y[i];
        xz += x[i] * z[i];
    }
    // The correlation of independent uniforms has a standard error of 1/sqrt(n).
    const double bound = 4 / std::sqrt(double(x.size())) * double(x.size()) / 12;
    QVERIFY(std::abs(xy) < bound);
    QVERIFY(std::abs(xz) < bound);
}

QTEST_APPLESS_MAIN(TestVitalRates)
#include "tst_vitalrates.moc"
