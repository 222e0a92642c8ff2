#include "tests/support/lesliematrix.h"
#include "demography/analysis.h"
#include "demography/harvestrule.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace velmora;

Q_DECLARE_METATYPE(Matrix4)
Q_DECLARE_METATYPE(Vector4)
Q_DECLARE_METATYPE(RuleVerdict)

namespace {

const Matrix4 kDefault = defaultLeslie();
const Matrix4 kThreeClass = leslie({0, 4, 3, 0}, 0.5, 0.25, 0);
const Matrix4 kReplacing = leslie({0, 1, 0.5, 1}, 0.5, 1, 0.5); // R0 = 1
const Matrix4 kDeclining = leslie({0, 0.5, 0.5, 0.5}, 0.5, 0.5, 0.5);
const Matrix4 kKillerWhale = {0,      0.0043, 0.1132, 0,      0.9775, 0.9111, 0,      0,
                              0,      0.0736, 0.9534, 0,      0,      0,      0.0452, 0.9804};
const Vector4 kTens{10, 10, 10, 10};
// N* of the default model under H = (5, 0, 0, 0), and of the 3-class one under (10, 0, 0, 0).
const Vector4 kDefaultEquilibrium{20.0 / 3, 10.0 / 3, 10.0 / 3, 5.0 / 3};
const Vector4 kThreeClassEquilibrium{80.0 / 11, 40.0 / 11, 10.0 / 11, 0};
const double kNone = std::numeric_limits<double>::quiet_NaN();

Vector4 times(const Vector4 &v, double s) { return {s * v[0], s * v[1], s * v[2], s * v[3]}; }

HarvestRule ruleFor(const Matrix4 &m, const Vector4 &n, const Vector4 &h)
{
    const GrowthAnalysis g = analyseGrowth(m);
    return harvestRule(g.lambda, g.reproductiveValues.value_or(Vector4{}), n, h);
}

bool close(double a, double b, double tolerance)
{
    return std::fabs(a - b) <= tolerance * std::max(1.0, std::fabs(b));
}

// The optional figure against an expected value; NaN expects none.
bool sameOptional(const std::optional<double> &value, double expected)
{
    return std::isnan(expected) ? !value : value && close(*value, expected, 1e-9);
}

} // namespace

class TestHarvestRule : public QObject {
    Q_OBJECT

private slots:
    void reproductiveValueDecidesNotTheTotal_data();
    void reproductiveValueDecidesNotTheTotal();
    void sustainableFactorIsTheProjectionsBoundary_data();
    void sustainableFactorIsTheProjectionsBoundary();
    void noHarvestIsSustainableForEverAtOrBelowOne_data();
    void noHarvestIsSustainableForEverAtOrBelowOne();
    void eachClassCostsItsReproductiveValue();
    void ratesBringLambdaDownToOne_data();
    void ratesBringLambdaDownToOne();
};

void TestHarvestRule::reproductiveValueDecidesNotTheTotal_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addColumn<Vector4>("h");
    QTest::addColumn<Vector4>("n");
    QTest::addColumn<RuleVerdict>("verdict");
    QTest::addColumn<bool>("survives");     // under the program's own projection
    QTest::addColumn<int>("firstEmptied"); // -1: any
    const Vector4 h5{5, 0, 0, 0};
    const Vector4 h10{10, 0, 0, 0};
    QTest::addRow("default, just above N*") << kDefault << h5 << times(kDefaultEquilibrium, 1.001)
                                            << RuleVerdict::Grows << true << 0;
    QTest::addRow("default, just below N*") << kDefault << h5 << times(kDefaultEquilibrium, 0.999)
                                            << RuleVerdict::Falls << false << -1;
    QTest::addRow("3-class, just above N*")
        << kThreeClass << h10 << times(kThreeClassEquilibrium, 1.001) << RuleVerdict::Grows
        << true << 0;
    QTest::addRow("3-class, just below N*")
        << kThreeClass << h10 << times(kThreeClassEquilibrium, 0.999) << RuleVerdict::Falls
        << false << -1;
    // N* totals 15; these totals say the opposite of what happens.
    QTest::addRow("total 10, yet above in value") << kDefault << h5 << Vector4{0, 10, 0, 0}
                                                  << RuleVerdict::Grows << true << 0;
    QTest::addRow("total 20, yet below in value") << kDefault << h5 << Vector4{0, 0, 0, 20}
                                                  << RuleVerdict::Falls << false << -1;
    // H takes all of class 3 every step, less than it asks: the clamp keeps the rest growing.
    QTest::addRow("class 3 emptied every step") << kDefault << Vector4{0, 0, 0, 100} << kTens
                                                << RuleVerdict::Falls << true << 1;
}

void TestHarvestRule::reproductiveValueDecidesNotTheTotal()
{
    QFETCH(Matrix4, m);
    QFETCH(Vector4, h);
    QFETCH(Vector4, n);
    QFETCH(RuleVerdict, verdict);
    QFETCH(bool, survives);
    QFETCH(int, firstEmptied);
    QCOMPARE(ruleFor(m, n, h).verdict, verdict);
    const HarvestVerdict projected = harvestVerdict(m, h, n);
    QCOMPARE(velmora::survives(projected), survives);
    if (survives)
        QCOMPARE(projected.verdict, Verdict::Grows);
    if (firstEmptied >= 0)
        QCOMPARE(projected.firstEmptied, firstEmptied);
}

void TestHarvestRule::sustainableFactorIsTheProjectionsBoundary_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addColumn<Vector4>("h");
    QTest::addColumn<Vector4>("n");
    QTest::addColumn<double>("factor"); // NaN: judged by the projection alone
    // v = (1, 3, 2, 0), v.N = 22, v.H = 10, lambda = 3/2: s* = 0.5 x 22 / 10.
    QTest::addRow("3-class") << kThreeClass << Vector4{10, 0, 0, 0} << Vector4{8, 4, 1, 0} << 1.1;
    QTest::addRow("default") << kDefault << Vector4{5, 0, 0, 0} << kTens << kNone;
    QTest::addRow("default, only class 1") << kDefault << Vector4{5, 0, 0, 0}
                                           << Vector4{0, 10, 0, 0} << kNone;
    QTest::addRow("killer whale") << kKillerWhale << Vector4{1, 0, 0, 0}
                                  << Vector4{100, 200, 100, 50} << kNone;
}

void TestHarvestRule::sustainableFactorIsTheProjectionsBoundary()
{
    QFETCH(Matrix4, m);
    QFETCH(Vector4, h);
    QFETCH(Vector4, n);
    QFETCH(double, factor);
    const HarvestRule rule = ruleFor(m, n, h);
    QVERIFY(rule.sustainableFactor);
    const double star = *rule.sustainableFactor;
    if (!std::isnan(factor))
        QVERIFY(close(star, factor, 1e-12));
    // Just below s* the population grows with every class served in full; just above, it is lost.
    const HarvestVerdict below = harvestVerdict(m, times(h, star * 0.999), n);
    QCOMPARE(below.verdict, Verdict::Grows);
    QCOMPARE(below.firstEmptied, 0);
    QVERIFY(!survives(harvestVerdict(m, times(h, star * 1.001), n)));
}

void TestHarvestRule::noHarvestIsSustainableForEverAtOrBelowOne_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addColumn<Vector4>("h");
    QTest::addColumn<RuleVerdict>("verdict");
    QTest::addRow("lambda = 1") << kReplacing << Vector4{5, 0, 0, 0} << RuleVerdict::Falls;
    QTest::addRow("lambda = 1, no harvest") << kReplacing << Vector4{} << RuleVerdict::Holds;
    QTest::addRow("lambda < 1") << kDeclining << Vector4{1, 0, 0, 0} << RuleVerdict::Falls;
    QTest::addRow("lambda < 1, no harvest") << kDeclining << Vector4{} << RuleVerdict::Falls;
}

void TestHarvestRule::noHarvestIsSustainableForEverAtOrBelowOne()
{
    QFETCH(Matrix4, m);
    QFETCH(Vector4, h);
    QFETCH(RuleVerdict, verdict);
    const HarvestRule rule = ruleFor(m, kTens, h);
    QCOMPARE(rule.verdict, verdict);
    QVERIFY(!rule.sustainableFactor);
    QVERIFY(!rule.unlimited);
    // v.N* = v.H / (lambda - 1) does not exist at lambda = 1, and below it N* is no population.
    QVERIFY(!rule.valueOfNStar);
}

void TestHarvestRule::eachClassCostsItsReproductiveValue()
{
    // 3-class: v = (1, 3, 2, 0), surplus (lambda - 1) v.N = 11.
    const Vector4 n{8, 4, 1, 0};
    const HarvestRule rule = ruleFor(kThreeClass, n, {10, 0, 0, 0});
    const auto costs = harvestCosts(rule, {1, 3, 2, 0}, kThreeClass, n, kQuasiExtinction);
    const double forEver[] = {11, 11.0 / 3, 5.5};
    for (size_t i = 0; i < 3; ++i) {
        QVERIFY(costs[i].largestForEver);
        QVERIFY(close(*costs[i].largestForEver, forEver[i], 1e-12));
        QVERIFY(!costs[i].unlimited);
        // Below h_i, v.N grows and the projection can only carry more, never less.
        const HarvestLimit &projected = costs[i].projected;
        QVERIFY(projected.status == HarvestLimitStatus::Unlimited
                || projected.factor >= forEver[i] * (1 - 1e-5));
    }
    // Nobody enters class 3 and its animals never breed: taking them is free.
    QVERIFY(costs[3].unlimited);
    QVERIFY(!costs[3].largestForEver);
    QCOMPARE(costs[3].projected.status, HarvestLimitStatus::Unlimited);
    // Class 0 is never emptied on the way, so there the two agree to the projection's 6 digits.
    QVERIFY(close(costs[0].projected.factor, 11, 1e-5));
}

void TestHarvestRule::ratesBringLambdaDownToOne_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addColumn<double>("uniform");
    QTest::addColumn<Vector4>("byClass"); // NaN: only checked against lambda = 1
    const double lambda = analyseGrowth(kDefault).lambda;
    // For a Leslie matrix, taking h of the newborns scales R0: the rate is 1 - 1/R0. Without
    // class 3 the default still grows, so all of it may be taken.
    QTest::addRow("default") << kDefault << 1 - 1 / lambda << Vector4{3.0 / 7, 3.0 / 7, 0.6, 1};
    QTest::addRow("3-class") << kThreeClass << 1.0 / 3 << Vector4{11.0 / 19, 11.0 / 19, 1, 1};
    QTest::addRow("lambda = 1") << kReplacing << 0.0 << Vector4{0, 0, 0, 0};
    QTest::addRow("lambda < 1") << kDeclining << kNone << Vector4{kNone, kNone, kNone, kNone};
    QTest::addRow("killer whale") << kKillerWhale << 1 - 1 / analyseGrowth(kKillerWhale).lambda
                                  << Vector4{kNone, kNone, kNone, 1};
}

void TestHarvestRule::ratesBringLambdaDownToOne()
{
    QFETCH(Matrix4, m);
    QFETCH(double, uniform);
    QFETCH(Vector4, byClass);
    const GrowthAnalysis g = analyseGrowth(m);
    const ProportionalHarvest p = proportionalHarvest(m, g.lambda);
    QVERIFY(sameOptional(p.uniformRate, uniform));
    for (size_t i = 0; i < 4; ++i) {
        if (!std::isnan(byClass[i]) || !p.uniformRate) {
            QVERIFY2(sameOptional(p.byClass[i], byClass[i]), qPrintable(QString::number(i)));
            continue;
        }
        // A rate strictly between 0 and 1 leaves the harvested matrix with lambda = 1.
        QVERIFY(p.byClass[i] && *p.byClass[i] > 0 && *p.byClass[i] < 1);
        Matrix4 harvested = m;
        for (size_t c = 0; c < 4; ++c)
            harvested[4 * i + c] *= 1 - *p.byClass[i];
        QVERIFY(close(analyseGrowth(harvested).lambda, 1, 1e-9));
    }
}

QTEST_APPLESS_MAIN(TestHarvestRule)
#include "tst_harvestrule.moc"
