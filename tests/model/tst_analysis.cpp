#include "tests/support/lesliematrix.h"
#include "demography/analysis.h"
#include "model/analysisreport.h"
#include "demography/defaultmodel.h"
#include "model/mainfields.h"
#include "base/texts.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <map>

using namespace velmora;

Q_DECLARE_METATYPE(Matrix4)
Q_DECLARE_METATYPE(Vector4)
Q_DECLARE_METATYPE(GrowthStatus)
Q_DECLARE_METATYPE(EquilibriumStatus)
Q_DECLARE_METATYPE(Verdict)
Q_DECLARE_METATYPE(HarvestLimitStatus)

namespace {

const Matrix4 kDefault = defaultLeslie();
// The textbook 3-class matrix, fecundities (0, 4, 3), survivals (0.5, 0.25), in the 4-class
// program as a fourth class that nobody enters (survival into it 0) and that has no births.
const Matrix4 kThreeClass = leslie({0, 4, 3, 0}, 0.5, 0.25, 0);
// Killer whale, Brault & Caswell (1993): yearling, juvenile, mature and post-reproductive
// females; a stage matrix with stasis on the diagonal.
const Matrix4 kKillerWhale = {0,      0.0043, 0.1132, 0,      0.9775, 0.9111, 0,      0,
                              0,      0.0736, 0.9534, 0,      0,      0,      0.0452, 0.9804};
// Breeds once, in the last class: births and deaths balance and the age structure cycles.
const Matrix4 kSemelparous = leslie({0, 0, 0, 8}, 0.5, 0.5, 0.5);
// Fibonacci's rabbits in the first two classes.
const Matrix4 kFibonacci = leslie({1, 1, 0, 0}, 1, 0, 0);
// Only class 0 breeds, one for one: lambda 1 and nothing else.
const Matrix4 kSelfReplacing = leslie({1, 0, 0, 0}, 0.5, 0.5, 0.5);
const Matrix4 kDeclining = leslie({0, 0.5, 0.5, 0.5}, 0.5, 0.5, 0.5);
const Matrix4 kNoBirths = leslie({0, 0, 0, 0}, 0.5, 0.5, 0.5);
// lambda is f0 alone, beside a defective triple root 0 of the classes that never breed.
const Matrix4 kFirstClassAlone = leslie({0.002, 0, 0, 0}, 0.5, 1, 0.5);

// R0 = 1 exactly: lambda is 1 up to the rounding of the solver.
const Matrix4 kReplacing = leslie({0, 1, 0.5, 1}, 0.5, 1, 0.5);
// Fecundities of 1e14 beside survival rates of 1e-5: without balancing, the QR steps lost the
// small cells and gave no positive root at all.
const Matrix4 kBadlyScaled = leslie({0.00011001945831896959, 0, 466028688104117.44,
                                     129.00290686481179},
                                    0.0025993713875945832, 2.9859591373026452e-05, 1);

const Vector4 kThreeClassEquilibrium = {80.0 / 11, 40.0 / 11, 10.0 / 11, 0};

Vector4 times(const Vector4 &v, double s) { return {s * v[0], s * v[1], s * v[2], s * v[3]}; }

bool close(double a, double b, double tolerance = 1e-12)
{
    return std::fabs(a - b) <= tolerance * std::max(1.0, std::fabs(b));
}

bool closeVectors(const Vector4 &a, const Vector4 &b, double tolerance = 1e-12)
{
    for (size_t i = 0; i < 4; ++i)
        if (!close(a[i], b[i], tolerance))
            return false;
    return true;
}

std::complex<double> determinantShifted(const Matrix4 &m, std::complex<double> mu)
{
    std::complex<double> a[4][4];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            a[r][c] = m[size_t(4 * r + c)] - (r == c ? mu : 0.0);
    std::complex<double> det = 1.0;
    for (int k = 0; k < 4; ++k) {
        int p = k;
        for (int i = k + 1; i < 4; ++i)
            if (std::abs(a[i][k]) > std::abs(a[p][k]))
                p = i;
        if (p != k) {
            std::swap(a[p], a[k]);
            det = -det;
        }
        if (a[k][k] == 0.0)
            return 0.0;
        det *= a[k][k];
        for (int i = k + 1; i < 4; ++i) {
            const auto factor = a[i][k] / a[k][k];
            for (int j = k; j < 4; ++j)
                a[i][j] -= factor * a[k][j];
        }
    }
    return det;
}

const ReportLine *lineOf(const std::vector<ReportLine> &lines, const std::string &key)
{
    for (const ReportLine &line : lines)
        if (line.key == key)
            return &line;
    return nullptr;
}

} // namespace

class TestAnalysis : public QObject {
    Q_OBJECT

private slots:
    void dominantEigenvalueMatchesPublishedValue_data();
    void dominantEigenvalueMatchesPublishedValue();
    void eigenvaluesAreRootsOfTheCharacteristicPolynomial_data();
    void eigenvaluesAreRootsOfTheCharacteristicPolynomial();
    void perronRootSolvesEulerLotka_data();
    void perronRootSolvesEulerLotka();
    void vectorsMatchHandComputation_data();
    void vectorsMatchHandComputation();
    void dampingRatioAndGenerationTime_data();
    void dampingRatioAndGenerationTime();
    void structureIsRecognised_data();
    void structureIsRecognised();
    void untrustworthyMatrixGivesNoNumber_data();
    void untrustworthyMatrixGivesNoNumber();
    void failedEigenvectorStepKeepsLambda();
    void lambdaIsComparedWithOneWithinRounding_data();
    void lambdaIsComparedWithOneWithinRounding();
    void equilibriumUnderHarvest_data();
    void equilibriumUnderHarvest();
    void verdictFollowsTheProgramsSteps_data();
    void verdictFollowsTheProgramsSteps();
    void emptiedClassIsNoticed_data();
    void emptiedClassIsNoticed();
    void largestHarvestSurvivesAndFailsJustAbove_data();
    void largestHarvestSurvivesAndFailsJustAbove();
    void largestHarvestWithoutALimit_data();
    void largestHarvestWithoutALimit();
    void modelIsReadFromFieldsLikeTheSteps();
    void reportCountsStepsFromTheCurrentTime();
    void reportGivesTheSoundAnswer_data();
    void reportGivesTheSoundAnswer();
    void everyVerdictIsWordedTruly_data();
    void everyVerdictIsWordedTruly();
    void vitalRatesCarryTheirElasticities_data();
    void vitalRatesCarryTheirElasticities();
    void figureTextHasSixDigits_data();
    void figureTextHasSixDigits();
    void reportGoesThroughTheTranslator();
};

void TestAnalysis::dominantEigenvalueMatchesPublishedValue_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addColumn<double>("lambda");
    QTest::addColumn<int>("decimals");
    QTest::addRow("killer whale 1.0254") << kKillerWhale << 1.0254 << 4;
    QTest::addRow("3-class 3/2") << kThreeClass << 1.5 << 12;
    QTest::addRow("Fibonacci golden ratio") << kFibonacci << (1 + std::sqrt(5.0)) / 2 << 12;
    QTest::addRow("semelparous 1") << kSemelparous << 1.0 << 12;
    QTest::addRow("self-replacing 1") << kSelfReplacing << 1.0 << 12;
    QTest::addRow("f0 alone") << kFirstClassAlone << 0.002 << 15;
}

void TestAnalysis::dominantEigenvalueMatchesPublishedValue()
{
    QFETCH(Matrix4, m);
    QFETCH(double, lambda);
    QFETCH(int, decimals);
    const GrowthAnalysis g = analyseGrowth(m);
    QCOMPARE(g.status, GrowthStatus::Ok);
    const double scale = std::pow(10.0, decimals);
    QCOMPARE(std::round(g.lambda * scale) / scale, lambda);
}

void TestAnalysis::eigenvaluesAreRootsOfTheCharacteristicPolynomial_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addRow("default") << kDefault;
    QTest::addRow("killer whale") << kKillerWhale;
    QTest::addRow("semelparous, all on one circle") << kSemelparous;
    QTest::addRow("rotation, complex pair")
        << Matrix4{0, -1, 0, 0, 1, 0, 0, 0, 0, 0, 2, 1, 0, 0, 0, 2};
    QTest::addRow("dense general") << Matrix4{4, -2, 1, 3, 1, 5, -1, 2, 0.5, 2, 3, -4, 1, 1, 1, 1};
    QTest::addRow("huge fecundity") << leslie({0, 1e12, 3e12, 1}, 0.5, 0.25, 1e-6);
}

void TestAnalysis::eigenvaluesAreRootsOfTheCharacteristicPolynomial()
{
    QFETCH(Matrix4, m);
    const Eigenvalues e = eigenvalues(m);
    QVERIFY(e.converged);
    std::complex<double> sum = 0.0;
    double norm = 0.0;
    for (const double x : m)
        norm = std::max(norm, std::fabs(x));
    for (int i = 0; i < 4; ++i) {
        sum += e.values[size_t(i)];
        if (i > 0)
            QVERIFY(std::abs(e.values[size_t(i)]) <= std::abs(e.values[size_t(i - 1)]));
        // det(M - mu I) is tiny against the size of its terms.
        const double terms = std::pow(norm + std::abs(e.values[size_t(i)]), 4);
        QVERIFY2(std::abs(determinantShifted(m, e.values[size_t(i)])) <= 1e-10 * terms,
                 qPrintable(QString::number(i)));
    }
    const double trace = m[0] + m[5] + m[10] + m[15];
    QVERIFY(std::abs(sum - trace) <= 1e-10 * std::max(1.0, norm));
}

void TestAnalysis::perronRootSolvesEulerLotka_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addRow("default") << kDefault;
    QTest::addRow("3-class") << kThreeClass;
    QTest::addRow("lambda 1") << kReplacing;
    QTest::addRow("f0 alone") << kFirstClassAlone;
    QTest::addRow("badly scaled") << kBadlyScaled;
    QTest::addRow("huge fecundity") << leslie({0, 1e12, 3e12, 1}, 0.5, 0.25, 1e-6);
}

// For a Leslie matrix lambda is the one positive root of sum_j f_j l_j lambda^-(j+1) = 1,
// l_j the survival to class j: a check that shares nothing with the eigen-solver.
void TestAnalysis::perronRootSolvesEulerLotka()
{
    QFETCH(Matrix4, m);
    const GrowthAnalysis g = analyseGrowth(m);
    QCOMPARE(g.status, GrowthStatus::Ok);
    double sum = 0.0;
    double survival = 1.0;
    for (int j = 0; j < 4; ++j) {
        sum += m[size_t(j)] * survival * std::pow(g.lambda, -(j + 1));
        if (j < 3)
            survival *= m[size_t(4 * (j + 1) + j)];
    }
    QVERIFY2(std::fabs(sum - 1) < 1e-9, qPrintable(QString::number(sum, 'g', 17)));
}

void TestAnalysis::vectorsMatchHandComputation_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addColumn<Vector4>("w");
    QTest::addColumn<Vector4>("v");
    QTest::addColumn<double>("r0");
    // R0 = 4 x 0.5 + 3 x 0.5 x 0.25.
    QTest::addRow("3-class textbook") << kThreeClass << Vector4{18.0 / 25, 6.0 / 25, 1.0 / 25, 0}
                                      << Vector4{1, 3, 2, 0} << 19.0 / 8;
    // w_(i+1) = s_i w_i / lambda: the few newborns of a slow population are old animals' young.
    const double sum = 1 + 250 + 125000 + 31250000;
    QTest::addRow("f0 alone") << kFirstClassAlone
                              << Vector4{1 / sum, 250 / sum, 125000 / sum, 31250000 / sum}
                              << Vector4{1, 0, 0, 0} << 0.002;
}

void TestAnalysis::vectorsMatchHandComputation()
{
    QFETCH(Matrix4, m);
    QFETCH(Vector4, w);
    QFETCH(Vector4, v);
    QFETCH(double, r0);
    const GrowthAnalysis g = analyseGrowth(m);
    QCOMPARE(g.status, GrowthStatus::Ok);
    QVERIFY(g.stableDistribution);
    QVERIFY(closeVectors(*g.stableDistribution, w));
    QVERIFY(g.reproductiveValues);
    QVERIFY(closeVectors(*g.reproductiveValues, v));
    QVERIFY(g.R0);
    QVERIFY(close(*g.R0, r0));
}

void TestAnalysis::dampingRatioAndGenerationTime_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addColumn<double>("damping");
    QTest::addColumn<double>("generation");
    QTest::addColumn<bool>("limit");
    const double infinite = std::numeric_limits<double>::infinity();
    // Other roots of l^3 = 2 l + 3/8: -(3 + sqrt 5) / 4 and -(3 - sqrt 5) / 4.
    QTest::addRow("3-class") << kThreeClass << 6 / (3 + std::sqrt(5.0))
                             << std::log(19.0 / 8) / std::log(1.5) << false;
    QTest::addRow("Fibonacci") << kFibonacci << std::pow((1 + std::sqrt(5.0)) / 2, 2)
                               << std::log(2.0) / std::log((1 + std::sqrt(5.0)) / 2) << false;
    // lambda = 1: births all come from the fourth class, so parents are 4 steps old.
    QTest::addRow("semelparous") << kSemelparous << 1.0 << 4.0 << true;
    QTest::addRow("self-replacing") << kSelfReplacing << infinite << 1.0 << true;
    // R0 = lambda = f0: ln R0 / ln lambda is exactly 1; the roots 0 stay exact.
    QTest::addRow("f0 alone") << kFirstClassAlone << infinite << 1.0 << false;
}

void TestAnalysis::dampingRatioAndGenerationTime()
{
    QFETCH(Matrix4, m);
    QFETCH(double, damping);
    QFETCH(double, generation);
    QFETCH(bool, limit);
    const GrowthAnalysis g = analyseGrowth(m);
    QCOMPARE(g.status, GrowthStatus::Ok);
    if (std::isinf(damping))
        QVERIFY(std::isinf(g.dampingRatio));
    else
        QVERIFY2(close(g.dampingRatio, damping, 1e-10),
                 qPrintable(QString::number(g.dampingRatio)));
    QVERIFY(g.generationTime);
    QVERIFY2(close(*g.generationTime, generation, 1e-9),
             qPrintable(QString::number(*g.generationTime, 'g', 15)));
    QCOMPARE(g.generationTimeIsLimit, limit);
}

void TestAnalysis::structureIsRecognised_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addColumn<bool>("reducible");
    QTest::addColumn<int>("period");
    QTest::addColumn<QString>("note");
    QTest::addRow("default primitive") << kDefault << false << 1 << "primitive";
    QTest::addRow("3-class, empty fourth class") << kThreeClass << true << 1 << "class 3";
    QTest::addRow("killer whale, post-reproductive") << kKillerWhale << true << 1 << "reducible";
    QTest::addRow("semelparous period 4") << kSemelparous << false << 4 << "imprimitive (period 4)";
    QTest::addRow("breeding at 2 and 4, period 2")
        << leslie({0, 1, 0, 1}, 0.5, 0.5, 0.5) << false << 2 << "imprimitive (period 2)";
}

void TestAnalysis::structureIsRecognised()
{
    QFETCH(Matrix4, m);
    QFETCH(bool, reducible);
    QFETCH(int, period);
    QFETCH(QString, note);
    const MatrixStructure s = matrixStructure(m);
    QCOMPARE(s.reducible, reducible);
    QCOMPARE(s.period, period);
    ModelAnalysis a;
    a.growth = analyseGrowth(m);
    const std::string notes = lineOf(analysisReport(a), "notes")->text;
    QVERIFY2(notes.find(note.toStdString()) != std::string::npos, notes.c_str());
}

void TestAnalysis::untrustworthyMatrixGivesNoNumber_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addColumn<int>("iterationLimit");
    QTest::addColumn<GrowthStatus>("status");
    QTest::addColumn<QString>("sentence");
    Matrix4 notANumber = kDefault;
    notANumber[1] = std::nan("");
    QTest::addRow("solver stopped early") << kDefault << 1 << GrowthStatus::NotConverged
                                          << "did not converge";
    QTest::addRow("not a number") << notANumber << kEigenIterationLimit
                                  << GrowthStatus::NotConverged << "did not converge";
    QTest::addRow("negative survival") << leslie({0, 1, 2, 1}, -0.5, 1, 0.5) << kEigenIterationLimit
                                       << GrowthStatus::NegativeEntry << "not a population matrix";
    QTest::addRow("no births") << kNoBirths << kEigenIterationLimit << GrowthStatus::NoGrowth
                               << "within four steps";
}

void TestAnalysis::untrustworthyMatrixGivesNoNumber()
{
    QFETCH(Matrix4, m);
    QFETCH(int, iterationLimit);
    QFETCH(GrowthStatus, status);
    QFETCH(QString, sentence);
    ModelAnalysis a;
    a.growth = analyseGrowth(m, iterationLimit);
    QCOMPARE(a.growth.status, status);
    QVERIFY(!a.growth.stableDistribution);
    QVERIFY(!a.growth.reproductiveValues);
    const auto lines = analysisReport(a);
    const ReportLine *lambda = lineOf(lines, "lambda");
    QVERIFY(lambda->text.find(sentence.toStdString()) != std::string::npos);
    // Only a population without births has a lambda to show: 0.
    QCOMPARE(lambda->cells.empty(), status != GrowthStatus::NoGrowth);
    for (const char *key : {"stableDistribution", "reproductiveValues", "R0", "dampingRatio",
                            "generationTime"})
        QVERIFY2(lineOf(lines, key)->cells.empty(), key);
}

void TestAnalysis::failedEigenvectorStepKeepsLambda()
{
    // lambda = f0 = 2e-15 beside cells of 1e11: the reproductive values of the later classes
    // span some 55 powers of ten, and the null vector of M - lambda I fails its residual.
    const Matrix4 m = leslie({2.0897699519324679e-15, 353831773396.323, 0.00013910924124395298,
                              0.37498589116916126},
                             0, 1, 1);
    ModelAnalysis a;
    a.growth = analyseGrowth(m);
    QCOMPARE(a.growth.status, GrowthStatus::NoEigenvector);
    QCOMPARE(a.growth.lambda, m[0]);
    QVERIFY(a.growth.spectrum.converged);
    QVERIFY(!a.growth.stableDistribution);
    QCOMPARE(a.growth.sensitivity.status, SensitivityStatus::NoDominantRoot);
    const auto lines = analysisReport(a);
    const ReportLine *lambda = lineOf(lines, "lambda");
    QCOMPARE(lambda->cells, std::vector<std::string>{"2.08977E-15"});
    QVERIFY2(lambda->text.find("the eigenvector step failed") != std::string::npos,
             lambda->text.c_str());
    QVERIFY(lambda->text.find("converge") == std::string::npos);
    QVERIFY(lineOf(lines, "stableDistribution")->cells.empty());
}

void TestAnalysis::lambdaIsComparedWithOneWithinRounding_data()
{
    QTest::addColumn<double>("lambda");
    QTest::addColumn<int>("comparison");
    QTest::addRow("exactly 1") << 1.0 << 0;
    QTest::addRow("a rounding above") << 1 + 4e-16 << 0;
    QTest::addRow("a rounding below") << 1 - 2e-16 << 0;
    QTest::addRow("within the tolerance") << 1 + 0.5 * kUnitTolerance << 0;
    QTest::addRow("just above it") << 1 + 2 * kUnitTolerance << 1;
    QTest::addRow("just below it") << 1 - 2 * kUnitTolerance << -1;
    QTest::addRow("growing") << 1.00091 << 1;
    QTest::addRow("declining") << 0.732786 << -1;
}

void TestAnalysis::lambdaIsComparedWithOneWithinRounding()
{
    QFETCH(double, lambda);
    QFETCH(int, comparison);
    QCOMPARE(compareWithOne(lambda), comparison);
}

void TestAnalysis::equilibriumUnderHarvest_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addColumn<Vector4>("h");
    QTest::addColumn<EquilibriumStatus>("status");
    QTest::addColumn<Vector4>("expected");
    QTest::addRow("3-class, H = (10, 0, 0)") << kThreeClass << Vector4{10, 0, 0, 0}
                                             << EquilibriumStatus::Ok << kThreeClassEquilibrium;
    QTest::addRow("default") << kDefault << Vector4{5, 0, 0, 0} << EquilibriumStatus::Ok
                             << Vector4{20.0 / 3, 10.0 / 3, 10.0 / 3, 5.0 / 3};
    QTest::addRow("no harvest") << kDefault << Vector4{0, 0, 0, 0} << EquilibriumStatus::Ok
                                << Vector4{0, 0, 0, 0};
    QTest::addRow("lambda 1, singular") << kSemelparous << Vector4{1, 0, 0, 0}
                                        << EquilibriumStatus::Singular << Vector4{};
    QTest::addRow("lambda < 1, negative") << kDeclining << Vector4{1, 0, 0, 0}
                                          << EquilibriumStatus::NotBiological
                                          << Vector4{-16.0 / 9, -8.0 / 9, -4.0 / 9, -2.0 / 9};
}

void TestAnalysis::equilibriumUnderHarvest()
{
    QFETCH(Matrix4, m);
    QFETCH(Vector4, h);
    QFETCH(EquilibriumStatus, status);
    QFETCH(Vector4, expected);
    const HarvestEquilibrium e = harvestEquilibrium(m, h);
    QCOMPARE(e.status, status);
    if (status == EquilibriumStatus::Singular)
        return;
    QVERIFY(closeVectors(e.N, expected));
    QVERIFY(close(e.total, expected[0] + expected[1] + expected[2] + expected[3]));
}

void TestAnalysis::verdictFollowsTheProgramsSteps_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addColumn<Vector4>("h");
    QTest::addColumn<Vector4>("n");
    QTest::addColumn<double>("threshold");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<int>("step"); // -1: any step
    const Vector4 tens{10, 10, 10, 10};
    const Vector4 ones{1, 1, 1, 1};
    QTest::addRow("3-class 1 percent above N*")
        << kThreeClass << Vector4{10, 0, 0, 0} << times(kThreeClassEquilibrium, 1.01) << 1.0
        << Verdict::Grows << 0;
    // The population dwindles through the last animal before a projection is rejected.
    QTest::addRow("3-class 1 percent below N*")
        << kThreeClass << Vector4{10, 0, 0, 0} << times(kThreeClassEquilibrium, 0.99) << 1.0
        << Verdict::FallsBelowThreshold << -1;
    QTest::addRow("3-class below N*, no threshold")
        << kThreeClass << Vector4{10, 0, 0, 0} << times(kThreeClassEquilibrium, 0.99) << 0.0
        << Verdict::ReachesZero << -1;
    // By hand: totals 40, 40, 30, 22.5, 20, 8.75, 5, 1.875 at t = 0..7, then nothing is left.
    QTest::addRow("default, H0 = 20") << kDefault << Vector4{20, 0, 0, 0} << tens << 1.0
                                      << Verdict::ReachesZero << 8;
    QTest::addRow("default, H0 = 20, threshold 2") << kDefault << Vector4{20, 0, 0, 0} << tens
                                                   << 2.0 << Verdict::FallsBelowThreshold << 7;
    QTest::addRow("default, H = 100 each") << kDefault << Vector4{100, 100, 100, 100} << tens
                                           << 1.0 << Verdict::ReachesZero << 1;
    QTest::addRow("empty N(t)") << kDefault << Vector4{5, 0, 0, 0} << Vector4{0, 0, 0, 0} << 1.0
                                << Verdict::AlreadyEmpty << 1;
    QTest::addRow("N(t) below the threshold") << kDefault << Vector4{} << Vector4{0.5, 0, 0, 0}
                                              << 1.0 << Verdict::FallsBelowThreshold << 0;
    QTest::addRow("self-replacing settles") << kSelfReplacing << Vector4{} << ones << 1.0
                                            << Verdict::Settles << 0;
    QTest::addRow("semelparous cycles") << kSemelparous << Vector4{} << ones << 1.0
                                        << Verdict::Undecided << 0;
    // Declining by about 0.73 a step, 40 animals are fewer than one within 13 steps.
    QTest::addRow("lambda < 1 without harvest") << kDeclining << Vector4{} << tens << 1.0
                                                << Verdict::FallsBelowThreshold << -1;
    QTest::addRow("lambda < 1, no threshold") << kDeclining << Vector4{} << tens << 0.0
                                              << Verdict::Declines << 0;
    // Class 0 holds 10 x 1e30^k at step k: 1e301 at step 10, beyond a double at step 11.
    QTest::addRow("beyond the range of numbers") << leslie({1e30, 0, 0, 0}, 0.5, 0.5, 0.5)
                                                 << Vector4{} << tens << 1.0 << Verdict::Grows
                                                 << 11;
}

void TestAnalysis::verdictFollowsTheProgramsSteps()
{
    QFETCH(Matrix4, m);
    QFETCH(Vector4, h);
    QFETCH(Vector4, n);
    QFETCH(double, threshold);
    QFETCH(Verdict, verdict);
    QFETCH(int, step);
    const HarvestVerdict v = harvestVerdict(m, h, n, threshold);
    QCOMPARE(v.verdict, verdict);
    if (step >= 0)
        QCOMPARE(v.step, step);
    if (verdict == Verdict::ReachesZero) {
        QVERIFY(v.step > 0);
        QCOMPARE(v.stepsRun, v.step - 1);
    }
    if (verdict == Verdict::FallsBelowThreshold) {
        QCOMPARE(v.stepsRun, v.step);
        QVERIFY(v.lastTotal < threshold && v.lastTotal > 0);
    }
    if (verdict == Verdict::Grows && step > 0)
        QVERIFY(v.overflow);
    if (verdict == Verdict::Settles)
        QVERIFY(closeVectors(v.last, {1, 0.5, 0.25, 0.125}));
}

void TestAnalysis::emptiedClassIsNoticed_data()
{
    QTest::addColumn<Vector4>("h");
    QTest::addColumn<int>("firstEmptied");
    QTest::addRow("default harvest, never") << Vector4{5, 0, 0, 0} << 0;
    QTest::addRow("more than class 3 holds") << Vector4{0, 0, 0, 100} << 1;
    // Class 3 gets 5, 5, then 2.5 animals from N(0) = (10, 10, 10, 10): the third step.
    QTest::addRow("3 from class 3") << Vector4{0, 0, 0, 3} << 3;
    QTest::addRow("exactly what class 3 gets") << Vector4{0, 0, 0, 5} << 3;
}

void TestAnalysis::emptiedClassIsNoticed()
{
    QFETCH(Vector4, h);
    QFETCH(int, firstEmptied);
    QCOMPARE(harvestVerdict(kDefault, h, {10, 10, 10, 10}).firstEmptied, firstEmptied);
}

void TestAnalysis::largestHarvestSurvivesAndFailsJustAbove_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addColumn<Vector4>("h");
    QTest::addColumn<Vector4>("n");
    QTest::addColumn<double>("threshold");
    const Vector4 tens{10, 10, 10, 10};
    QTest::addRow("default") << kDefault << Vector4{5, 0, 0, 0} << tens << 1.0;
    QTest::addRow("default, no threshold") << kDefault << Vector4{5, 0, 0, 0} << tens << 0.0;
    QTest::addRow("3-class above N*") << kThreeClass << Vector4{10, 0, 0, 0}
                                      << times(kThreeClassEquilibrium, 1.01) << 1.0;
    QTest::addRow("3-class below N*") << kThreeClass << Vector4{10, 0, 0, 0}
                                      << times(kThreeClassEquilibrium, 0.99) << 1.0;
    QTest::addRow("no harvest: class 0") << kDefault << Vector4{} << tens << 1.0;
    QTest::addRow("harvest on every class") << kDefault << Vector4{1, 2, 3, 4} << tens << 1.0;
    QTest::addRow("lambda < 1, no threshold, tiny limit")
        << kDeclining << Vector4{1, 0, 0, 0} << tens << 0.0;
}

void TestAnalysis::largestHarvestSurvivesAndFailsJustAbove()
{
    QFETCH(Matrix4, m);
    QFETCH(Vector4, h);
    QFETCH(Vector4, n);
    QFETCH(double, threshold);
    const HarvestLimit limit = largestHarvest(m, h, n, threshold);
    QCOMPARE(limit.status, HarvestLimitStatus::Ok);
    QVERIFY(limit.factor > 0);
    char digits[40];
    std::snprintf(digits, sizeof digits, "%.5e", limit.factor);
    QCOMPARE(std::strtod(digits, nullptr), limit.factor); // 6 significant digits
    QVERIFY(survives(harvestVerdict(m, times(limit.direction, limit.factor), n, threshold)));
    const Vector4 above = times(limit.direction, limit.factor * 1.001);
    QVERIFY(!survives(harvestVerdict(m, above, n, threshold)));
    if (h == Vector4{})
        QCOMPARE(limit.direction, (Vector4{1, 0, 0, 0}));
    else
        QCOMPARE(limit.direction, h);
}

void TestAnalysis::largestHarvestWithoutALimit_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addColumn<Vector4>("h");
    QTest::addColumn<HarvestLimitStatus>("status");
    // Without class 3 the default still grows (l^3 = l/2 + 1), so its harvest is never fatal.
    QTest::addRow("harvesting the last class only") << kDefault << Vector4{0, 0, 0, 1}
                                                    << HarvestLimitStatus::Unlimited;
    QTest::addRow("no births") << kNoBirths << Vector4{1, 0, 0, 0}
                               << HarvestLimitStatus::DiesWithoutHarvest;
    // lambda < 1: fewer than one animal is left before the 1000 steps are up, harvest or not.
    QTest::addRow("lambda < 1") << kDeclining << Vector4{1, 0, 0, 0}
                                << HarvestLimitStatus::DiesWithoutHarvest;
    QTest::addRow("lambda < 1, class 2 emptied") << kDeclining << Vector4{0, 0, 1000, 0}
                                                 << HarvestLimitStatus::DiesWithoutHarvest;
}

void TestAnalysis::largestHarvestWithoutALimit()
{
    QFETCH(Matrix4, m);
    QFETCH(Vector4, h);
    QFETCH(HarvestLimitStatus, status);
    QCOMPARE(largestHarvest(m, h, {10, 10, 10, 10}).status, status);
}

void TestAnalysis::modelIsReadFromFieldsLikeTheSteps()
{
    MainFields fields;
    fields.Harvest = {"5kg", " 1 5", "abc", "&H10"};
    fields.n1 = {"35", "5", "10", "2.5"};
    fields.simu0 = "7";
    PopulationModel model;
    QVERIFY(modelFromFields(fields, model));
    QCOMPARE(model.M, kDefault);
    QCOMPARE(model.H, (Vector4{5, 15, 0, 16}));
    QCOMPARE(model.N, (Vector4{35, 5, 10, 2.5}));
    QCOMPARE(model.t, 7);

    fields.n1[2] = "ten";
    QVERIFY(!modelFromFields(fields, model));
    QCOMPARE(model.t, 7); // left as it was
}

void TestAnalysis::reportCountsStepsFromTheCurrentTime()
{
    PopulationModel model;
    model.M = kDefault;
    model.H = {20, 0, 0, 0};
    model.N = {10, 10, 10, 10};
    model.t = 5;
    const ModelAnalysis a = analyseModel(model);
    const std::string verdict = lineOf(analysisReport(a), "verdict")->text;
    QVERIFY2(verdict.find("t = 13 (step 8 from now)") != std::string::npos, verdict.c_str());
}

void TestAnalysis::reportGivesTheSoundAnswer_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addColumn<Vector4>("n");
    QTest::addColumn<Vector4>("h");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("cell");    // the line's first cell; "-" for none
    QTest::addColumn<QString>("says");    // the line's text holds this
    QTest::addColumn<QString>("saysNot"); // and not this; empty: no check
    const Vector4 hundreds{100, 100, 100, 100};
    const Vector4 tens{10, 10, 10, 10};
    const Matrix4 slow = leslie({0, 1, 0.5, 1.01}, 0.5, 1, 0.5); // lambda = 1.00091
    // v.N(0) / v.N* = 0.455: the projection's 0.76 only lasts the 1000 steps it runs.
    QTest::addRow("slow growth: s* for ever") << slow << hundreds << Vector4{1, 0, 0, 0}
                                              << "sustainableFactor" << "0.45504"
                                              << "for ever" << "";
    QTest::addRow("slow growth: the projection's factor is labelled")
        << slow << hundreds << Vector4{1, 0, 0, 0} << "largestHarvest" << "0.762379"
        << "stays at 1 animal or more for 1000 steps up to s = 0.762379" << "";
    QTest::addRow("slow growth: why the two differ")
        << slow << hundreds << Vector4{1, 0, 0, 0} << "largestHarvest" << "0.762379"
        << "lost only later" << "agrees";
    // lambda < 1: no harvest lasts, and the horizon's 2.1E-133 is no answer.
    QTest::addRow("lambda < 1: none for ever")
        << kDeclining << hundreds << Vector4{1, 0, 0, 0} << "sustainableFactor" << "-"
        << "no constant harvest is sustainable for ever" << "";
    QTest::addRow("lambda < 1: the projection's factor")
        << kDeclining << hundreds << Vector4{1, 0, 0, 0} << "largestHarvest" << "-"
        << "even without harvest N(t) falls below 1 animal" << "E-133";
    QTest::addRow("lambda < 1, class 2 emptied: gone, not declining")
        << kDeclining << hundreds << Vector4{0, 0, 1000, 0} << "verdict" << "-"
        << "falls below 1 animal at t = " << "declines towards 0";
    QTest::addRow("lambda < 1, class 2 emptied: a limit")
        << kDeclining << hundreds << Vector4{0, 0, 1000, 0} << "largestHarvest" << "-"
        << "none" << "however large";
    // N* totals 15: the total of N(0) says nothing, its reproductive value everything.
    QTest::addRow("total 20, lost") << kDefault << Vector4{0, 0, 0, 20} << Vector4{5, 0, 0, 0}
                                    << "harvestRule" << "-" << "lies below v.N*" << "";
    QTest::addRow("total 10, grows") << kDefault << Vector4{0, 10, 0, 0} << Vector4{5, 0, 0, 0}
                                     << "harvestRule" << "-" << "grows for ever" << "";
    QTest::addRow("the equilibrium is judged by value")
        << kDefault << tens << Vector4{5, 0, 0, 0} << "equilibrium" << "6.66667"
        << "reproductive value" << "above it a population grows, below it";
    QTest::addRow("lambda = 1 is 1") << kReplacing << tens << Vector4{5, 0, 0, 0} << "lambda"
                                     << "1" << "lambda = 1" << "";
    QTest::addRow("lambda = 1 is not below 1")
        << kReplacing << tens << Vector4{5, 0, 0, 0} << "largestHarvest" << "0.00975555"
        << "no constant harvest is sustainable for ever" << "lambda below 1";
    QTest::addRow("lambda = 1 is not declining")
        << kReplacing << tens << Vector4{5, 0, 0, 0} << "harvestRule" << "-" << "lambda = 1"
        << "lambda is below 1";
    QTest::addRow("lambda = 1: every harvest empties it in the end")
        << kReplacing << tens << Vector4{5, 0, 0, 0} << "harvestRule" << "-"
        << "after about v.N(t) / v.H = 10 steps" << "";
    QTest::addRow("lambda is f0 alone") << kFirstClassAlone << tens << Vector4{5, 0, 0, 0}
                                        << "lambda" << "0.002" << "" << "converge";
    QTest::addRow("default: s0 matters most") << kDefault << tens << Vector4{5, 0, 0, 0}
                                              << "largestElasticity" << "-"
                                              << "lambda answers most to s0, the survival from "
                                                 "class 0 to 1: an elasticity of 0.360117"
                                              << "";
    // Only f3 > 0: four roots on one circle; lambda is still solved and the cycle said so.
    QTest::addRow("imprimitive: said so")
        << kSemelparous << tens << Vector4{} << "largestElasticity" << "-"
        << "M is imprimitive (period 4)" << "";
    QTest::addRow("imprimitive: four rates share lambda")
        << kSemelparous << tens << Vector4{} << "largestElasticity" << "-"
        << "f3, the fecundity of class 3; s0, the survival from class 0 to 1; s1, the survival "
           "from class 1 to 2 and s2, the survival from class 2 to 3: an elasticity of 0.25"
        << "";
    // The clamp keeps the rest growing: the projection disagrees with the rule, and says why.
    QTest::addRow("a class emptied on the way")
        << kDefault << tens << Vector4{0, 0, 0, 100} << "verdict" << "-"
        << "in step 1 H takes more than a class holds" << "";
}

void TestAnalysis::reportGivesTheSoundAnswer()
{
    QFETCH(Matrix4, m);
    QFETCH(Vector4, n);
    QFETCH(Vector4, h);
    QFETCH(QString, key);
    QFETCH(QString, cell);
    QFETCH(QString, says);
    QFETCH(QString, saysNot);
    // Several rows read one model: each is analysed once.
    static std::map<QString, std::vector<ReportLine>> reports;
    QString name;
    for (const double x : m)
        name += QString::number(x) + ',';
    for (const double x : n)
        name += QString::number(x) + ',';
    for (const double x : h)
        name += QString::number(x) + ',';
    if (reports.find(name) == reports.end()) {
        PopulationModel model;
        model.M = m;
        model.N = n;
        model.H = h;
        reports[name] = analysisReport(analyseModel(model));
    }
    const std::vector<ReportLine> &lines = reports[name];
    const ReportLine *line = lineOf(lines, key.toStdString());
    QVERIFY(line);
    QCOMPARE(QString::fromStdString(line->cells.empty() ? "-" : line->cells.front()), cell);
    const QString text = QString::fromStdString(line->text);
    QVERIFY2(text.contains(says), qPrintable(text));
    if (!saysNot.isEmpty())
        for (const ReportLine &other : lines)
            QVERIFY2(!QString::fromStdString(other.text).contains(saysNot),
                     qPrintable(QString::fromStdString(other.key + ": " + other.text)));
}

void TestAnalysis::vitalRatesCarryTheirElasticities_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addColumn<QStringList>("elasticities"); // f0..f3, s0..s2; empty: sum only
    // By hand: w = (18, 6, 1)/25, v = (1, 3, 2), lambda v.w = 57/25; e_ij = a_ij v_i w_j / 57 x 25.
    QTest::addRow("3-class") << kThreeClass
                             << QStringList{"0", "0.421053", "0.0526316", "0", "0.473684",
                                            "0.0526316", "0"};
    QTest::addRow("default") << kDefault << QStringList{};
    QTest::addRow("semelparous") << kSemelparous
                                 << QStringList{"0", "0", "0", "0.25", "0.25", "0.25", "0.25"};
}

void TestAnalysis::vitalRatesCarryTheirElasticities()
{
    QFETCH(Matrix4, m);
    QFETCH(QStringList, elasticities);
    ModelAnalysis a;
    a.model.M = m;
    a.growth = analyseGrowth(m);
    const std::vector<ReportLine> lines = analysisReport(a);
    QStringList shown;
    double sum = 0.0;
    for (const char *name : kVitalRateNames) {
        const ReportLine *rate = lineOf(lines, std::string("rate_") + name);
        QVERIFY(rate);
        QCOMPARE(rate->cells.size(), size_t(3));
        shown << QString::fromStdString(rate->cells[2]);
        sum += std::stod(rate->cells[2]);
    }
    if (!elasticities.isEmpty())
        QCOMPARE(shown, elasticities);
    // A Leslie matrix has no other cells: the seven rates carry all of lambda, to 6 digits each.
    QVERIFY2(std::fabs(sum - 1) < 1e-5, qPrintable(QString::number(sum, 'g', 10)));
    // The grids: laid out like M, the largest cell shaded fully.
    const ReportLine *grid = lineOf(lines, "elasticity");
    QVERIFY(grid->isGrid());
    QCOMPARE(*std::max_element(grid->shades.begin(), grid->shades.end()), 1.0);
    QCOMPARE(grid->cells[4], shown[4].toStdString()); // s0 is M[1][0]
}

void TestAnalysis::figureTextHasSixDigits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addRow("rounds") << 1.2197749556 << "1.21977";
    QTest::addRow("keeps short") << 1.5 << "1.5";
    QTest::addRow("zero") << 0.0 << "0";
    QTest::addRow("small") << 2.5e-5 << "2.5E-05";
    QTest::addRow("large") << 123456789.0 << "123457000";
    QTest::addRow("negative") << -16.0 / 9 << "-1.77778";
    QTest::addRow("infinite") << std::numeric_limits<double>::infinity() << "infinite";
}

void TestAnalysis::figureTextHasSixDigits()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(figureText(value)), text);
}

void TestAnalysis::everyVerdictIsWordedTruly_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addColumn<Vector4>("n");
    QTest::addColumn<Vector4>("h");
    QTest::addColumn<double>("threshold");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text"); // the whole sentence of the line
    const Vector4 tens{10, 10, 10, 10};
    const Vector4 none{0, 0, 0, 0};
    const double one = kQuasiExtinction;
    // The projection's seven outcomes.
    QTest::addRow("grows") << kDefault << tens << Vector4{5, 0, 0, 0} << one << "verdict"
                           << "grows without bound: total 5.11528E+87 at t = 1000 and still "
                              "growing.";
    // The first step's growth rate already leaves the range of the shown numbers.
    QTest::addRow("beyond the numbers") << leslie({0, 1e100, 0, 0}, 1, 0, 0) << tens << none
                                        << one << "verdict"
                                        << "grows without bound: beyond the range of numbers at "
                                           "t = 1 (step 1).";
    // Class 0 replaces itself: (10, 5, 2.5, 1.25) from step 3 on.
    QTest::addRow("settles") << kSelfReplacing << tens << none << one << "verdict"
                             << "settles at (10, 5, 2.5, 1.25), total 18.75.";
    // Totals 40, 40, 30, 22.5, 20, 8.75, 5, 1.875, then rejected.
    QTest::addRow("reaches 0") << kDefault << tens << Vector4{20, 0, 0, 0} << one << "verdict"
                               << "reaches 0: the projection to t = 8 (step 8 from now) is "
                                  "rejected.";
    QTest::addRow("already empty") << kDefault << none << none << one << "verdict"
                                   << "N(t) is already 0: the next projection ends the "
                                      "simulation.";
    QTest::addRow("below the threshold") << kDeclining << tens << none << one << "verdict"
                                         << "falls below 1 animal at t = 12 (step 12 from now): "
                                            "the population counts as gone.";
    QTest::addRow("declines") << kDeclining << tens << none << 0.0 << "verdict"
                              << "declines towards 0 without reaching it within 1000 steps "
                                 "(total 3.65071E-134 at t = 1000).";
    // lambda = 1 and a start off the cycle: the total returns every four steps.
    QTest::addRow("undecided") << kSemelparous << Vector4{0, 10, 0, 0} << none << one
                               << "verdict"
                               << "neither grows, settles nor reaches 0 within 1000 steps.";
    // The first step against the long run: lambda 0.73 for kDeclining, 1.22 for kDefault.
    const QString first = "In the first step the total of N(t) is multiplied by ";
    QTest::addRow("declines more slowly at first")
        << kDeclining << tens << none << one << "reactivity"
        << first + "0.75, 1.02349 times lambda: with this age structure the population "
                   "declines more slowly in the first step than in the long run.";
    QTest::addRow("declines faster at first")
        << kDeclining << Vector4{100, 0, 0, 0} << none << one << "reactivity"
        << first + "0.5, 0.682328 times lambda: with this age structure the population "
                   "declines faster in the first step than in the long run.";
    QTest::addRow("grows faster at first")
        << kDefault << tens << none << one << "reactivity"
        << first + "1.5, 1.22974 times lambda: with this age structure the population grows "
                   "faster in the first step than in the long run.";
    QTest::addRow("declines at first, grows later")
        << kDefault << Vector4{10, 0, 0, 0} << none << one << "reactivity"
        << first + "0.5, 0.409912 times lambda: with this age structure the population "
                   "declines in the first step, though in the long run it grows.";
    QTest::addRow("keeps its total at first, declines later")
        << kDeclining << Vector4{0, 0, 100, 0} << none << one << "reactivity"
        << first + "1, 1.36466 times lambda: with this age structure the population keeps its "
                   "total in the first step, though in the long run it declines.";
    QTest::addRow("cycles at lambda 1")
        << kSemelparous << Vector4{0, 10, 0, 0} << none << one << "reactivity"
        << first + "0.5, 0.5 times lambda: with this age structure the population declines "
                   "in the first step, though in the long run it neither grows nor declines.";
    // The rule's verdicts not read elsewhere.
    QTest::addRow("rule holds at lambda 1") << kSemelparous << tens << none << one
                                            << "harvestRule"
                                            << "lambda = 1 and H takes nothing of v.N(t): it "
                                               "stays at 150.";
    QTest::addRow("rule: nothing that breeds") << kThreeClass << Vector4{0, 0, 0, 10}
                                               << Vector4{1, 0, 0, 0} << one << "harvestRule"
                                               << "v.N(t) = 0: N(t) holds no animal that will "
                                                  "still breed, so it dies out.";
}

// Every outcome the report can state, checked as a teacher reads it: the whole sentence.
void TestAnalysis::everyVerdictIsWordedTruly()
{
    QFETCH(Matrix4, m);
    QFETCH(Vector4, n);
    QFETCH(Vector4, h);
    QFETCH(double, threshold);
    QFETCH(QString, key);
    QFETCH(QString, text);
    const ModelAnalysis a = analyseModel({m, h, n, 0, threshold});
    const std::vector<ReportLine> lines = analysisReport(a);
    const ReportLine *line = lineOf(lines, key.toStdString());
    QVERIFY(line);
    QCOMPARE(QString::fromStdString(line->text), text);
    QVERIFY(!line->explanation.empty());
}

// A language reorders a pattern's placeholders; the figures must reach the translated line
// unchanged, and without a translator (or under EnglishTexts) the report is the English one.
void TestAnalysis::reportGoesThroughTheTranslator()
{
    struct Uninstall {
        ~Uninstall() { setTextTranslator({}); }
    } uninstall;
    const ModelAnalysis a = analyseModel({kDefault, {20, 0, 0, 0}, {10, 10, 10, 10}, 0, 1});
    const std::vector<ReportLine> english = analysisReport(a);
    setTextTranslator([](const char *context, const char *source) {
        const std::string text = source;
        if (std::string(context) != "AnalysisReport")
            return text;
        if (text == "%1, the fecundity of class %2")
            return std::string("Fruchtbarkeit der Klasse %2 (%1)");
        return text == "Dominant eigenvalue lambda" ? std::string("Dominanter Eigenwert") : text;
    });
    const std::vector<ReportLine> german = analysisReport(a);
    QCOMPARE(german.size(), english.size());
    for (size_t i = 0; i < german.size(); ++i) {
        QCOMPARE(german[i].key, english[i].key);
        QCOMPARE(german[i].cells, english[i].cells);
    }
    QCOMPARE(lineOf(german, "lambda")->label, std::string("Dominanter Eigenwert"));
    QCOMPARE(lineOf(german, "rate_f2")->label, std::string("Fruchtbarkeit der Klasse 2 (f2)"));
    QCOMPARE(lineOf(english, "rate_f2")->label, std::string("f2, the fecundity of class 2"));
    {
        const EnglishTexts data;
        QCOMPARE(lineOf(analysisReport(a), "rate_f2")->label, lineOf(english, "rate_f2")->label);
    }
    setTextTranslator({});
    QCOMPARE(lineOf(analysisReport(a), "lambda")->label, lineOf(english, "lambda")->label);
}

QTEST_APPLESS_MAIN(TestAnalysis)
#include "tst_analysis.moc"
