#include "tests/support/lesliematrix.h"
#include "demography/sensitivity.h"

#include <Eigen/Eigenvalues>
#include <QtTest>

#include <cmath>
#include <numeric>

using namespace velmora;

Q_DECLARE_METATYPE(SensitivityStatus)

namespace {

// The root of largest real part, also of a matrix that a step below a zero cell has made
// negative there.
double dominantRoot(const Matrix4 &m)
{
    Eigen::Matrix4d a;
    for (int k = 0; k < 16; ++k)
        a(k / 4, k % 4) = m[static_cast<size_t>(k)];
    return Eigen::EigenSolver<Eigen::Matrix4d>(a, false).eigenvalues().real().maxCoeff();
}

double centralDifference(Matrix4 m, size_t k, double h)
{
    const double a = m[k];
    m[k] = a + h;
    const double up = dominantRoot(m);
    m[k] = a - h;
    const double down = dominantRoot(m);
    return (up - down) / (2 * h);
}

} // namespace

class TestSensitivity : public QObject {
    Q_OBJECT

private slots:
    void agreesWithFiniteDifferences_data();
    void agreesWithFiniteDifferences();
    void imprimitiveMatrixIsSolved();
    void lambdaOfTheFirstClassAloneIsSolved();
    void refusesWhatIsNoPopulationMatrix_data();
    void refusesWhatIsNoPopulationMatrix();
};

void TestSensitivity::agreesWithFiniteDifferences_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addColumn<double>("lambda");
    QTest::addRow("default model") << defaultLeslie() << 1.2198;
    QTest::addRow("3-class, empty fourth class")
        << leslie({0, 4, 3, 0}, 0.5, 0.25, 0) << 1.5;
    // Two real roots 1.0 and 0.999 close together: a solver that mixes their vectors fails.
    QTest::addRow("two close roots")
        << Matrix4{1.0, 0.001, 0, 0, 0, 0.999, 0, 0, 0, 0.01, 0.5, 0, 0, 0, 0.2, 0.1} << 1.0
       ;

}

void TestSensitivity::agreesWithFiniteDifferences()
{
    QFETCH(Matrix4, m);
    QFETCH(double, lambda);
    const Sensitivities s = sensitivities(m);
    QCOMPARE(s.status, SensitivityStatus::Ok);
    QVERIFY(std::abs(s.lambda - lambda) < 1e-4 * lambda);
    for (size_t k = 0; k < 16; ++k) {
        const double expected = centralDifference(m, k, 1e-7);
        const double error = std::abs(s.sensitivity[k] - expected);
        // Relative to each cell's own size: the small sensitivities are the ones that go wrong.
        QVERIFY2(error <= 1e-6 * std::abs(expected) + 1e-12,
                 qPrintable(QString("cell %1: %2 against %3")
                                .arg(k)
                                .arg(s.sensitivity[k])
                                .arg(expected)));
    }
    const double total = std::accumulate(s.elasticity.begin(), s.elasticity.end(), 0.0);
    QVERIFY(std::abs(total - 1) < 1e-9);
    QVERIFY(std::abs(std::accumulate(s.w.begin(), s.w.end(), 0.0) - 1) < 1e-12);
}

void TestSensitivity::imprimitiveMatrixIsSolved()
{
    // Only the last class breeds: four roots of equal modulus, the Perron root among them.
    const Matrix4 m = leslie({0, 0, 0, 8}, 0.5, 0.5, 0.5);
    const Sensitivities s = sensitivities(m);
    QCOMPARE(s.status, SensitivityStatus::Ok);
    QVERIFY(std::abs(s.lambda - 1) < 1e-9);
    // Each of the four rates on the cycle carries a quarter of lambda's elasticity.
    for (size_t k : {3, 4, 9, 14})
        QVERIFY(std::abs(s.elasticity[k] - 0.25) < 1e-9);
}

void TestSensitivity::lambdaOfTheFirstClassAloneIsSolved()
{
    // lambda = f0 beside a defective triple root 0; no class after the first breeds, so
    // lambda answers f0 alone, one for one.
    const Sensitivities s = sensitivities(leslie({0.002, 0, 0, 0}, 0.5, 1, 0.5));
    QCOMPARE(s.status, SensitivityStatus::Ok);
    QVERIFY(std::abs(s.lambda - 0.002) < 1e-12);
    QVERIFY(std::abs(s.sensitivity[0] - 1) < 1e-9);
    QVERIFY(std::abs(s.elasticity[0] - 1) < 1e-9);
}

void TestSensitivity::refusesWhatIsNoPopulationMatrix_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addColumn<SensitivityStatus>("status");
    QTest::addRow("no births") << leslie({0, 0, 0, 0}, 0.5, 0.5, 0.5)
                               << SensitivityStatus::NoDominantRoot;
    QTest::addRow("negative survival") << leslie({0, 1, 2, 1}, -0.5, 1, 0.5)
                                       << SensitivityStatus::NoDominantRoot;
    QTest::addRow("not finite") << leslie({0, INFINITY, 2, 1}, 0.5, 1, 0.5)
                                << SensitivityStatus::NoDominantRoot;
}

void TestSensitivity::refusesWhatIsNoPopulationMatrix()
{
    QFETCH(Matrix4, m);
    QFETCH(SensitivityStatus, status);
    QCOMPARE(sensitivities(m).status, status);
}

QTEST_APPLESS_MAIN(TestSensitivity)
#include "tst_sensitivity.moc"
