#include "demography/density.h"
#include "demography/yield.h"

#include <QtTest>

#include <cmath>

using namespace velmora;

namespace {

// One stage: U = s, F = f.
StageModel oneStage(double s, double f)
{
    StageModel m = emptyStageModel(1);
    m.U(0, 0) = s;
    m.F(0, 0) = f;
    return m;
}

DensityModel built(const StageModel &m, DensityForm form, double k)
{
    const DensityBuild build = makeDensityModel(m, DensitySettings{form, k, {}});
    if (!build.model)
        qFatal("no density model");
    return *build.model;
}

const char *wayName(HarvestWay way)
{
    return way == HarvestWay::Quota ? "quota" : way == HarvestWay::Rate ? "rate" : "escapement";
}

const YieldCurve &curveOf(const YieldAnalysis &a, HarvestWay way)
{
    return a.curves[static_cast<size_t>(way)];
}

} // namespace

class TestDensity : public QObject {
    Q_OBJECT

private slots:
    void refusals_data();
    void refusals();
    void oneStageMaximumSustainableYield_data();
    void oneStageMaximumSustainableYield();
    void quotaKnifeEdge();
    void leslieRestingStructure();
    void chaoticRickerIsReportedNotLoopedOver();
    void threeWaysShareOneMsy_data();
    void threeWaysShareOneMsy();
};

void TestDensity::refusals_data()
{
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("f");
    QTest::addColumn<double>("capacity");
    QTest::addColumn<QList<int>>("counted");
    QTest::addColumn<int>("problem");

    QTest::newRow("grows") << 0.5 << 1.5 << 100.0 << QList<int>{} << int(DensityProblem::None);
    QTest::newRow("replaces itself only") << 0.5 << 0.5 << 100.0 << QList<int>{}
                                          << int(DensityProblem::R0NotAboveOne);
    QTest::newRow("never dies") << 1.0 << 0.5 << 100.0 << QList<int>{} << int(DensityProblem::NoR0);
    QTest::newRow("K of 0") << 0.5 << 1.5 << 0.0 << QList<int>{}
                            << int(DensityProblem::CapacityNotPositive);
    QTest::newRow("K not a number") << 0.5 << 1.5 << std::nan("") << QList<int>{}
                                    << int(DensityProblem::CapacityNotPositive);
    QTest::newRow("stage out of range") << 0.5 << 1.5 << 100.0 << QList<int>{1}
                                        << int(DensityProblem::BadCountedStage);
    QTest::newRow("stage twice") << 0.5 << 1.5 << 100.0 << QList<int>{0, 0}
                                 << int(DensityProblem::BadCountedStage);
    QTest::newRow("survival above 1") << 1.5 << 1.5 << 100.0 << QList<int>{}
                                      << int(DensityProblem::NotAModel);
}

void TestDensity::refusals()
{
    QFETCH(double, s);
    QFETCH(double, f);
    QFETCH(double, capacity);
    QFETCH(QList<int>, counted);
    QFETCH(int, problem);
    const DensitySettings settings{DensityForm::Ricker, capacity, {counted.begin(), counted.end()}};
    const DensityBuild build = makeDensityModel(oneStage(s, f), settings);
    QCOMPARE(int(build.problem), problem);
    QCOMPARE(build.model.has_value(), problem == int(DensityProblem::None));
}

// In one stage every way's yield at rest is the surplus X(N) - N of the unharvested step, so
// the three share one MSY: the largest surplus. It is worked out here without the library.
void TestDensity::oneStageMaximumSustainableYield_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("f");
    QTest::addColumn<double>("msy");
    QTest::addColumn<double>("restAtMsy"); // N at rest under the escapement at MSY (= E)

    const double K = 100.0;
    // Beverton-Holt: R0 = f/(1 - s), b = (R0 - 1)/K; the surplus (s - 1)N + fN/(1 + bN) peaks
    // where (1 + bN)^2 = R0.
    {
        const double s = 0.5, f = 1.5, R0 = f / (1 - s), b = (R0 - 1) / K;
        const double n = (std::sqrt(R0) - 1) / b;
        QTest::newRow("Beverton-Holt") << int(DensityForm::BevertonHolt) << s << f
                                       << (s - 1) * n + f * n / std::sqrt(R0) << n;
    }
    // Ricker without survival, N' = N exp(r (1 - N/K)), r = 1.5: the surplus on a fine grid.
    {
        const double r = 1.5;
        double best = 0.0, at = 0.0;
        for (int i = 1; i <= 2000000; ++i) {
            const double n = K * i / 1000000.0;
            const double surplus = n * std::exp(r * (1 - n / K)) - n;
            if (surplus > best) {
                best = surplus;
                at = n;
            }
        }
        QTest::newRow("Ricker") << int(DensityForm::Ricker) << 0.0 << std::exp(r) << best << at;
    }
    // A ceiling: N' = min(lambda N, K); the rate 1 - 1/lambda keeps N = K/lambda and takes
    // K (1 - 1/lambda), the most any way can take.
    {
        const double s = 0.5, f = 0.7, lambda = s + f;
        QTest::newRow("ceiling") << int(DensityForm::Ceiling) << s << f << K * (1 - 1 / lambda)
                                 << K / lambda;
    }
}

void TestDensity::oneStageMaximumSustainableYield()
{
    QFETCH(int, form);
    QFETCH(double, s);
    QFETCH(double, f);
    QFETCH(double, msy);
    QFETCH(double, restAtMsy);
    const DensityModel model = built(oneStage(s, f), DensityForm(form), 100.0);
    QCOMPARE(restingPopulation(model)->sum(), 100.0);
    const YieldOutcome outcome = analyseYield(model, YieldSettings{50, {}});
    QCOMPARE(outcome.status, YieldStatus::Done);
    const std::optional<YieldAnalysis> analysis = outcome.analysis;
    for (const YieldCurve &curve : analysis->curves) {
        const QByteArray way = QByteArray::number(int(curve.way));
        QVERIFY2(std::abs(curve.best.yield - msy) <= 1e-6 * msy, way);
        QCOMPARE(curve.best.settling, Settling::Rest);
        QVERIFY2(std::abs(curve.cautious.yield - kCautiousShare * msy) <= 1e-6 * msy, way);
        QCOMPARE(curve.points.front().level, 0.0);
        QCOMPARE(curve.points.size(), size_t(50));
    }
    const YieldCurve &escapement = curveOf(*analysis, HarvestWay::Escapement);
    QVERIFY(std::abs(escapement.best.level - restAtMsy) <= 1e-4 * restAtMsy);
    // Cautious: the lower rate, the higher escapement.
    QVERIFY(curveOf(*analysis, HarvestWay::Rate).cautious.level
            < curveOf(*analysis, HarvestWay::Rate).best.level);
    QVERIFY(escapement.cautious.level > escapement.best.level);
    // A rate or an escapement comes back from any loss short of all; a quota does not.
    QVERIFY(!curveOf(*analysis, HarvestWay::Rate).smallestFatalShock);
    QVERIFY(!escapement.smallestFatalShock);
    QVERIFY(curveOf(*analysis, HarvestWay::Quota).smallestFatalShock);
}

// Beverton-Holt in one stage: under a quota Q the rest points solve the quadratic
// (s - 1) b N^2 + (s - 1 + f - Q b) N - Q = 0; the smaller is the unstable one, and a loss that
// takes N below it is fatal.
void TestDensity::quotaKnifeEdge()
{
    const double s = 0.5, f = 1.5, K = 100.0, b = (f / (1 - s) - 1) / K;
    const DensityModel model = built(oneStage(s, f), DensityForm::BevertonHolt, K);
    const YieldAnalysis analysis = analyseYield(model, YieldSettings{20, {}}).analysis;
    const YieldCurve &quota = curveOf(analysis, HarvestWay::Quota);
    const double q = quota.cautious.level;
    const double A = (s - 1) * b, B = s - 1 + f - q * b, C = -q;
    const double root = std::sqrt(B * B - 4 * A * C);
    const double upper = (-B - root) / (2 * A), lower = (-B + root) / (2 * A);
    QVERIFY(std::abs(quota.cautious.settled(0) - upper) <= 1e-8 * upper);
    QVERIFY(quota.unstableRestPoint);
    QVERIFY(std::abs(quota.unstableRestPoint->n(0) - lower) <= 1e-8 * upper);
    QVERIFY(!quota.unstableRestPoint->stable());
    QVERIFY(std::abs(*quota.smallestFatalShock - (1 - lower / upper)) <= 1e-6);

    // At MSY the two rest points have met; above it no positive rest point is left.
    const double msy = quota.best.level;
    const Harvesting above{HarvestWay::Quota, msy * 1.001, Eigen::VectorXd::Ones(1)};
    std::vector<Eigen::VectorXd> starts;
    for (double n = 1; n <= 2 * K; n *= 1.5)
        starts.push_back(Eigen::VectorXd::Constant(1, n));
    QVERIFY(restPoints(model, above, starts).empty());
    const Harvesting atMsy{HarvestWay::Quota, msy, Eigen::VectorXd::Ones(1)};
    const std::vector<RestPoint> met = restPoints(model, atMsy, starts);
    QVERIFY(!met.empty());
    for (const RestPoint &rest : met)
        QVERIFY(std::abs(rest.n(0) - quota.best.settled(0)) <= 1e-3 * quota.best.settled(0));
}

// A 4-class Leslie model: at rest the structure is the stable
// distribution of U + F/R0, with R0 = sum of f_i l_i.
void TestDensity::leslieRestingStructure()
{
    StageModel m = emptyStageModel(4);
    const double f[4] = {0, 1, 2, 1}, s[3] = {0.5, 0.8, 0.5};
    for (int i = 0; i < 4; ++i)
        m.F(0, i) = f[i];
    for (int i = 0; i < 3; ++i)
        m.U(i + 1, i) = s[i];
    double R0 = 0, l = 1;
    for (int i = 0; i < 4; ++i) {
        R0 += f[i] * l;
        l *= i < 3 ? s[i] : 0;
    }
    // The stable distribution of U + F/R0 (lambda 1): w_{i+1} = s_i w_i.
    Eigen::VectorXd w(4);
    w << 1, s[0], s[0] * s[1], s[0] * s[1] * s[2];
    w /= w.sum();
    for (const DensityForm form : {DensityForm::BevertonHolt, DensityForm::Ricker}) {
        const DensityModel model = built(m, form, 1000.0);
        QCOMPARE(model.R0, R0);
        const Eigen::VectorXd rest = *restingPopulation(model);
        QVERIFY((rest / rest.sum() - w).cwiseAbs().maxCoeff() < 1e-12);
        QVERIFY((unharvestedStep(model, rest) - rest).cwiseAbs().maxCoeff() < 1e-9);
        const YieldAnalysis analysis = analyseYield(model, YieldSettings{40, {}}).analysis;
        const YieldCurve &quota = curveOf(analysis, HarvestWay::Quota);
        QVERIFY(quota.unstableRestPoint);
        QVERIFY(quota.unstableRestPoint->n.sum() < quota.cautious.settled.sum());
        for (const YieldCurve &curve : analysis.curves)
            QVERIFY(curve.best.yield > 0 && curve.best.settling == Settling::Rest);
    }
}

// N' = N exp(r (1 - N/K)) is chaotic for r = 3: no stable rest point, the mean yield of the
// projection instead, and the search still ends.
void TestDensity::chaoticRickerIsReportedNotLoopedOver()
{
    const DensityModel model = built(oneStage(0.0, std::exp(3.0)), DensityForm::Ricker, 100.0);
    const YieldAnalysis analysis = analyseYield(model, YieldSettings{20, {}}).analysis;
    const YieldPoint &unharvested = curveOf(analysis, HarvestWay::Rate).points.front();
    QCOMPARE(unharvested.settling, Settling::Irregular);
    QCOMPARE(unharvested.yield, 0.0);
    // A rate of 0.5 halves r's effect: N' = 0.5 e^3 N exp(-3N/K) rests where it is stable.
    const YieldPoint calmer =
        curveOf(analysis, HarvestWay::Rate).best;
    QVERIFY(calmer.yield > 0);
}

// At rest a quota or an escapement taken in proportion leaves each harvested stage the same
// share, as a rate does: the three share one MSY, whichever stages are harvested.
void TestDensity::threeWaysShareOneMsy_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QList<int>>("harvested");
    QTest::newRow("killer whale, young only, Ricker") << int(DensityForm::Ricker) << QList<int>{0, 1};
    QTest::newRow("killer whale, every stage, ceiling") << int(DensityForm::Ceiling) << QList<int>{};
}

void TestDensity::threeWaysShareOneMsy()
{
    QFETCH(int, form);
    QFETCH(QList<int>, harvested);
    // Killer whale, Brault & Caswell 1993 (lambda 1.0254).
    StageModel m = emptyStageModel(4);
    m.F(0, 1) = 0.0043;
    m.F(0, 2) = 0.1132;
    m.U(1, 0) = 0.9775;
    m.U(1, 1) = 0.9111;
    m.U(2, 1) = 0.0736;
    m.U(2, 2) = 0.9534;
    m.U(3, 2) = 0.0452;
    m.U(3, 3) = 0.9804;
    const DensityModel model = built(m, DensityForm(form), 100.0);
    const YieldAnalysis analysis =
        analyseYield(model, YieldSettings{30, {harvested.begin(), harvested.end()}}).analysis;
    const double msy = curveOf(analysis, HarvestWay::Rate).best.yield;
    QVERIFY(msy > 0);
    for (const YieldCurve &curve : analysis.curves) {
        QVERIFY2(std::abs(curve.best.yield - msy) <= 1e-6 * msy, wayName(curve.way));
        QCOMPARE(curve.best.settling, Settling::Rest);
        QVERIFY(curve.best.settled.sum() > 1);
    }
}

QTEST_APPLESS_MAIN(TestDensity)
#include "tst_density.moc"
