#include "tests/support/lesliematrix.h"
#include "demography/analysis.h"
#include "demography/transients.h"

#include <QtTest>

#include <cmath>

using namespace velmora;

Q_DECLARE_METATYPE(Matrix4)
Q_DECLARE_METATYPE(Vector4)

namespace {

const Matrix4 kDefault = defaultLeslie();
const double kGolden = (1 + std::sqrt(5.0)) / 2;

} // namespace

class TestTransients : public QObject {
    Q_OBJECT

private slots:
    void firstStepAndSettling_data();
    void firstStepAndSettling();
    void stableStartIsSettledAtOnce();
};

void TestTransients::firstStepAndSettling_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addColumn<Vector4>("n");
    QTest::addColumn<double>("reactivity"); // NaN: none
    QTest::addColumn<int>("steps");         // -1: none
    QTest::addColumn<bool>("diesOut");
    const double none = std::nan("");
    // Fibonacci's rabbits from one newborn: shares 1, 1/2, 2/3, 3/5, 5/8 of newborns against
    // the stable 0.618: 0.382, 0.118, 0.049, 0.018, then 0.007 and below for good.
    QTest::addRow("Fibonacci") << leslie({1, 1, 0, 0}, 1, 0, 0) << Vector4{1, 0, 0, 0}
                               << 2 / kGolden << 4 << false;
    // M N(0) = (40, 5, 10, 5): 60 animals from 40. Recomputed apart: the distance is 0.0141
    // after 8 steps and 0.00995 after 9, and falls from there.
    QTest::addRow("default") << kDefault << Vector4{10, 10, 10, 10}
                             << 1.5 / analyseGrowth(kDefault).lambda << 9 << false;
    // Only the last class breeds: the age distribution cycles for ever with period 4.
    QTest::addRow("imprimitive") << leslie({0, 0, 0, 8}, 0.5, 0.5, 0.5) << Vector4{1, 0, 0, 0}
                                 << 0.5 << -1 << false;
    // Class 3 of the 3-class example neither breeds nor survives.
    QTest::addRow("nothing that breeds") << leslie({0, 4, 3, 0}, 0.5, 0.25, 0)
                                         << Vector4{0, 0, 0, 5} << 0.0 << -1 << true;
    QTest::addRow("empty") << kDefault << Vector4{} << none << -1 << false;
}

void TestTransients::firstStepAndSettling()
{
    QFETCH(Matrix4, m);
    QFETCH(Vector4, n);
    QFETCH(double, reactivity);
    QFETCH(int, steps);
    QFETCH(bool, diesOut);
    const GrowthAnalysis g = analyseGrowth(m);
    QVERIFY(g.stableDistribution);
    const Transients t = transients(m, g.lambda, *g.stableDistribution, n);
    if (std::isnan(reactivity)) {
        QVERIFY(!t.reactivity);
    } else {
        QVERIFY(t.reactivity);
        QVERIFY2(std::fabs(*t.reactivity - reactivity) < 1e-12,
                 qPrintable(QString::number(*t.reactivity, 'g', 17)));
    }
    QCOMPARE(t.convergenceTime.value_or(-1), steps);
    QCOMPARE(t.diesOut, diesOut);
}

void TestTransients::stableStartIsSettledAtOnce()
{
    const GrowthAnalysis g = analyseGrowth(kDefault);
    Vector4 n = *g.stableDistribution;
    for (double &x : n)
        x *= 1000;
    const Transients t = transients(kDefault, g.lambda, *g.stableDistribution, n);
    QVERIFY(std::fabs(*t.reactivity - 1) < 1e-12);
    QCOMPARE(t.convergenceTime, std::optional<int>(0));
}

QTEST_APPLESS_MAIN(TestTransients)
#include "tst_transients.moc"
