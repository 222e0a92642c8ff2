#include "demography/stageanalysis.h"

#include <QtTest>

#include <cmath>
#include <initializer_list>
#include <random>

using namespace velmora;

Q_DECLARE_METATYPE(Eigen::MatrixXd)

namespace {

// An n x n matrix from its rows.
Eigen::MatrixXd rows(int n, std::initializer_list<double> values)
{
    Eigen::MatrixXd m(n, n);
    auto it = values.begin();
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            m(r, c) = *it++;
    return m;
}

struct LifeCycle {
    Eigen::MatrixXd U;
    Eigen::MatrixXd F;
    Eigen::MatrixXd C;
};

LifeCycle cycle(const Eigen::MatrixXd &U, const Eigen::MatrixXd &F)
{
    return {U, F, Eigen::MatrixXd::Zero(U.rows(), U.cols())};
}

// Loggerhead sea turtle, Crouse, Crowder & Caswell 1987, Ecology 68: 1412 (lambda 0.9450).
LifeCycle loggerhead()
{
    Eigen::MatrixXd U = Eigen::MatrixXd::Zero(7, 7);
    U(1, 0) = 0.6747;
    U(1, 1) = 0.7370;
    U(2, 1) = 0.0486;
    U(2, 2) = 0.6610;
    U(3, 2) = 0.0147;
    U(3, 3) = 0.6907;
    U(4, 3) = 0.0518;
    U(5, 4) = 0.8091;
    U(6, 5) = 0.8091;
    U(6, 6) = 0.8089;
    Eigen::MatrixXd F = Eigen::MatrixXd::Zero(7, 7);
    F(0, 4) = 127;
    F(0, 5) = 4;
    F(0, 6) = 80;
    return cycle(U, F);
}

// Killer whale, Brault & Caswell 1993, Ecology 74: 1444 (lambda 1.0254); the post-reproductive
// stage makes the matrix reducible.
LifeCycle killerWhale()
{
    return cycle(rows(4, {0, 0, 0, 0, 0.9775, 0.9111, 0, 0, 0, 0.0736, 0.9534, 0, 0, 0, 0.0452,
                          0.9804}),
                 rows(4, {0, 0.0043, 0.1132, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

// Teasel, Werner & Caswell 1977, as in Caswell 2001, Matrix Population Models, 2nd ed.
// (lambda 2.3339); the flowering plants' column is reproduction.
LifeCycle teasel()
{
    const Eigen::MatrixXd a = rows(6, {0, 0, 0, 0, 0, 322.388,      //
                                       0.966, 0, 0, 0, 0, 0,        //
                                       0.013, 0.01, 0.125, 0, 0, 3.448,
                                       0.007, 0, 0.125, 0.238, 0, 30.170,
                                       0.008, 0, 0.038, 0.245, 0.167, 0.862,
                                       0, 0, 0, 0.023, 0.750, 0});
    LifeCycle t = cycle(a, Eigen::MatrixXd::Zero(6, 6));
    t.F.col(5) = a.col(5);
    t.U.col(5).setZero();
    return t;
}

// A random stage model: U with columns summing below 1, births into the first stages.
LifeCycle randomCycle(int n, std::mt19937 &random)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    LifeCycle t = cycle(Eigen::MatrixXd::Zero(n, n), Eigen::MatrixXd::Zero(n, n));
    for (int c = 0; c < n; ++c) {
        double left = 0.95;
        for (int r = 0; r < n; ++r) {
            const double share = left * unit(random) * 0.6;
            t.U(r, c) = share;
            left -= share;
        }
        t.F(0, c) = 3 * unit(random);
        t.C(std::min(1, n - 1), c) = 0.2 * unit(random);
    }
    return t;
}

double lambdaOf(const Eigen::MatrixXd &a) { return perronRoot(spectrum(a)); }

} // namespace

class TestStageAnalysis : public QObject {
    Q_OBJECT

private slots:
    void publishedLambdas_data();
    void publishedLambdas();
    void sensitivitiesMatchCentralDifferences_data();
    void sensitivitiesMatchCentralDifferences();
    void twoStageLifeTableByHand();
    void stageThatNeverDiesHasNoLifeTable();
    void lambdaOneHasNoGenerationQuotient();
    void partitionSplitsSharedCells();
    void structureVerdicts_data();
    void structureVerdicts();
    void proportionalRateOfABadlyScaledChainBringsLambdaToOne();
};

void TestStageAnalysis::publishedLambdas_data()
{
    QTest::addColumn<double>("lambda");
    QTest::addColumn<bool>("reducible");
    QTest::addColumn<int>("stages");
    QTest::addRow("loggerhead turtle") << 0.9450 << false << 7;
    QTest::addRow("killer whale") << 1.0254 << true << 4;
    QTest::addRow("teasel") << 2.3339 << false << 6;
}

void TestStageAnalysis::publishedLambdas()
{
    QFETCH(double, lambda);
    QFETCH(bool, reducible);
    QFETCH(int, stages);
    const QByteArray name = QTest::currentDataTag();
    const LifeCycle t = name == "teasel" ? teasel() : name == "killer whale" ? killerWhale()
                                                                            : loggerhead();
    QCOMPARE(t.U.rows(), stages);
    const StageGrowth g = analyseStageGrowth(t.U, t.F, t.C);
    QCOMPARE(g.status, GrowthStatus::Ok);
    QVERIFY2(std::fabs(g.lambda - lambda) < 0.5e-4, qPrintable(QString::number(g.lambda, 'g', 8)));
    QCOMPARE(g.structure.reducible, reducible);
    QVERIFY(std::fabs(g.stableDistribution->sum() - 1) < 1e-12);
    // Elasticities of any model sum to 1, and so does their partition.
    QVERIFY(std::fabs(g.sensitivity.elasticity.sum() - 1) < 1e-9);
    const ElasticityPartition &p = *g.partition;
    QVERIFY(std::fabs(p.stasis + p.growth + p.retrogression + p.reproduction + p.clonal - 1)
            < 1e-9);
}

void TestStageAnalysis::sensitivitiesMatchCentralDifferences_data()
{
    QTest::addColumn<int>("n");
    for (int n = 2; n <= 12; ++n)
        QTest::addRow("%d stages", n) << n;
}

void TestStageAnalysis::sensitivitiesMatchCentralDifferences()
{
    QFETCH(int, n);
    std::mt19937 random(static_cast<unsigned>(n));
    const LifeCycle t = randomCycle(n, random);
    const Eigen::MatrixXd a = t.U + t.F + t.C;
    const StageGrowth g = analyseStageGrowth(t.U, t.F, t.C);
    QCOMPARE(g.status, GrowthStatus::Ok);
    const Eigen::MatrixXd &s = g.sensitivity.sensitivity;
    const double largest = s.cwiseAbs().maxCoeff();
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            const double h = 1e-5;
            Eigen::MatrixXd up = a;
            Eigen::MatrixXd down = a;
            up(r, c) += h;
            down(r, c) -= h;
            const double numeric = (lambdaOf(up) - lambdaOf(down)) / (2 * h);
            QVERIFY2(std::fabs(numeric - s(r, c)) <= 1e-6 * largest,
                     qPrintable(QStringLiteral("cell %1,%2: %3 against %4")
                                    .arg(r).arg(c).arg(s(r, c)).arg(numeric)));
        }
    }
    QVERIFY(std::fabs(g.sensitivity.elasticity.sum() - 1) < 1e-9);
    const ElasticityPartition &p = *g.partition;
    QVERIFY(std::fabs(p.stasis + p.growth + p.retrogression + p.reproduction + p.clonal - 1)
            < 1e-9);
}

void TestStageAnalysis::twoStageLifeTableByHand()
{
    // U = [0.5 0; 0.25 0.8], F = [0 2; 0 0].
    // I - U = [0.5 0; -0.25 0.2], det 0.1, so (I - U)^-1 = [2 0; 2.5 5]:
    // a newborn spends 2 steps as a juvenile and 2.5 as an adult, 4.5 in all; an adult 5.
    // (F)(I - U)^-1 = [5 10; 0 0], whose dominant eigenvalue is R0 = 5 (2.5 adult steps x 2).
    // A = [0.5 2; 0.25 0.8]: lambda^2 - 1.3 lambda - 0.1 = 0, lambda = (1.3 + sqrt 2.09) / 2.
    const LifeCycle t = cycle(rows(2, {0.5, 0, 0.25, 0.8}), rows(2, {0, 2, 0, 0}));
    const StageGrowth g = analyseStageGrowth(t.U, t.F, t.C);
    const double lambda = (1.3 + std::sqrt(2.09)) / 2;
    QVERIFY(std::fabs(g.lambda - lambda) < 1e-14);
    QCOMPARE(g.lifeTable, LifeTableStatus::Ok);
    QVERIFY(std::fabs((*g.lifeExpectancy)(0) - 4.5) < 1e-14);
    QVERIFY(std::fabs((*g.lifeExpectancy)(1) - 5.0) < 1e-14);
    QVERIFY(std::fabs(*g.R0 - 5.0) < 1e-14);
    QCOMPARE(g.generationTimeStatus, GenerationTimeStatus::Ok);
    QVERIFY(std::fabs(*g.generationTime - std::log(5.0) / std::log(lambda)) < 1e-12);

    // v A = lambda v gives v2 = 4 (lambda - 0.5) v1; A w = lambda w gives w2 = 0.25 w1 /
    // (lambda - 0.8). Inertia of a start of juveniles only: v1 / v.w with w summing to 1.
    const double v2 = 4 * (lambda - 0.5);
    const double w2 = 0.25 / (lambda - 0.8);
    QVERIFY(std::fabs((*g.reproductiveValues)(1) - v2) < 1e-12);
    const double vw = (1 + v2 * w2) / (1 + w2);
    const auto juveniles = inertia(*g.reproductiveValues, *g.stableDistribution,
                                   Eigen::Vector2d(7, 0));
    QVERIFY(std::fabs(*juveniles - 1 / vw) < 1e-12);
}

void TestStageAnalysis::stageThatNeverDiesHasNoLifeTable()
{
    // The adults survive for ever: I - U is singular, and nothing rests on its inverse.
    const LifeCycle t = cycle(rows(2, {0.5, 0, 0.25, 1}), rows(2, {0, 2, 0, 0}));
    const StageGrowth g = analyseStageGrowth(t.U, t.F, t.C);
    QCOMPARE(g.status, GrowthStatus::Ok);
    QCOMPARE(g.lifeTable, LifeTableStatus::NeverDies);
    QVERIFY(!g.lifeExpectancy);
    QVERIFY(!g.R0);
    QCOMPARE(g.generationTimeStatus, GenerationTimeStatus::NoR0);
    QVERIFY(!g.generationTime);
}

void TestStageAnalysis::lambdaOneHasNoGenerationQuotient()
{
    // A = [0.5 1; 0.5 0]: lambda^2 - 0.5 lambda - 0.5 = 0 has the root 1. (I - U)^-1 =
    // [2 0; 1 1], so R0 = 1 x 1 = 1, and ln R0 / ln lambda is 0 / 0.
    const LifeCycle t = cycle(rows(2, {0.5, 0, 0.5, 0}), rows(2, {0, 1, 0, 0}));
    const StageGrowth g = analyseStageGrowth(t.U, t.F, t.C);
    QVERIFY(std::fabs(g.lambda - 1) < 1e-14);
    QVERIFY(std::fabs(*g.R0 - 1) < 1e-14);
    QCOMPARE(g.generationTimeStatus, GenerationTimeStatus::LambdaIsOne);
}

void TestStageAnalysis::partitionSplitsSharedCells()
{
    // Adults stay by survival (0.4) and by budding (0.4) in one cell: its elasticity goes half
    // to stasis, half to clonality; juveniles growing up are growth, never retrogression.
    LifeCycle t = cycle(rows(2, {0.3, 0.1, 0.5, 0.4}), rows(2, {0, 2, 0, 0}));
    t.C(1, 1) = 0.4;
    const StageGrowth g = analyseStageGrowth(t.U, t.F, t.C);
    const Eigen::MatrixXd &e = g.sensitivity.elasticity;
    const ElasticityPartition &p = *g.partition;
    QVERIFY(std::fabs(p.stasis - (e(0, 0) + e(1, 1) / 2)) < 1e-15);
    QVERIFY(std::fabs(p.clonal - e(1, 1) / 2) < 1e-15);
    QVERIFY(std::fabs(p.growth - e(1, 0)) < 1e-15);
    QVERIFY(std::fabs(p.retrogression - e(0, 1) / 2.1 * 0.1) < 1e-15);
    QVERIFY(std::fabs(p.reproduction - e(0, 1) / 2.1 * 2) < 1e-15);
}

void TestStageAnalysis::structureVerdicts_data()
{
    QTest::addColumn<Eigen::MatrixXd>("U");
    QTest::addColumn<Eigen::MatrixXd>("F");
    QTest::addColumn<bool>("irreducible");
    QTest::addColumn<bool>("primitive");
    QTest::addColumn<bool>("ergodic");
    QTest::addColumn<int>("period");
    QTest::addColumn<std::vector<int>>("withoutReproduction");
    const LifeCycle whale = killerWhale();
    const LifeCycle turtle = loggerhead();
    // Only the third stage breeds: every cycle has length 3.
    const Eigen::MatrixXd semelparousU = rows(3, {0, 0, 0, 0.5, 0, 0, 0, 0.4, 0});
    const Eigen::MatrixXd semelparousF = rows(3, {0, 0, 5, 0, 0, 0, 0, 0, 0});
    QTest::addRow("reducible: killer whale") << whale.U << whale.F << false << false << false
                                             << 1 << std::vector<int>{3};
    QTest::addRow("imprimitive: semelparous") << semelparousU << semelparousF << true << false
                                              << true << 3 << std::vector<int>{};
    QTest::addRow("primitive: loggerhead") << turtle.U << turtle.F << true << true << true << 1
                                           << std::vector<int>{};
}

void TestStageAnalysis::structureVerdicts()
{
    QFETCH(Eigen::MatrixXd, U);
    QFETCH(Eigen::MatrixXd, F);
    QFETCH(bool, irreducible);
    QFETCH(bool, primitive);
    QFETCH(bool, ergodic);
    QFETCH(int, period);
    QFETCH(std::vector<int>, withoutReproduction);
    const StageGrowth g = analyseStageGrowth(U, F, Eigen::MatrixXd::Zero(U.rows(), U.cols()));
    QCOMPARE(!g.structure.reducible, irreducible);
    QCOMPARE(g.structure.primitive, primitive);
    QCOMPARE(g.structure.period, period);
    QCOMPARE(g.ergodic, ergodic);
    QCOMPARE(g.cannotReachReproduction, withoutReproduction);
    for (const int stage : withoutReproduction)
        QVERIFY(std::fabs((*g.reproductiveValues)(stage)) < 1e-12);
}

// Survival 0.3 along 50 stages, fecundities 1e10 in the last ten: A - I is too badly scaled
// for its pivots, and the rates came from sixty eigen-solves each. Whatever finds them, each
// rate must bring lambda of the harvested matrix to 1.
void TestStageAnalysis::proportionalRateOfABadlyScaledChainBringsLambdaToOne()
{
    Eigen::MatrixXd a = Eigen::MatrixXd::Zero(50, 50);
    for (Eigen::Index i = 0; i < 50; ++i) {
        a(i, i) = 0.5;
        if (i + 1 < 50)
            a(i + 1, i) = 0.3;
    }
    a.row(0).tail(10).setConstant(1e10);
    const double lambda = lambdaOf(a);
    QVERIFY(lambda > 1);
    const StageProportionalHarvest p = stageProportionalHarvest(a, lambda);
    QCOMPARE(p.byStage.size(), size_t(50));
    for (Eigen::Index i = 0; i < 50; ++i) {
        const double rate = p.byStage[size_t(i)].value_or(-1);
        QVERIFY2(rate > 0 && rate <= 1, qPrintable(QString::number(i)));
        if (rate == 1)
            continue;
        Eigen::MatrixXd harvested = a;
        harvested.row(i) *= 1 - rate;
        // Cells from 1e-26 to 1e10: the eigen-solver itself is good to about 1e-9 here.
        QVERIFY2(std::fabs(lambdaOf(harvested) - 1) < 1e-7, qPrintable(QString::number(i)));
    }
}

QTEST_APPLESS_MAIN(TestStageAnalysis)
#include "tst_stageanalysis.moc"
