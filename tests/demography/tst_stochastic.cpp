#include "tests/support/lesliematrix.h"
#include "demography/leslie.h"
#include "demography/sensitivity.h"
#include "demography/stochastic.h"
#include "demography/vitalrates.h"

#include <QtTest>

#include <atomic>
#include <chrono>
#include <clocale>
#include <functional>
#include <limits>
#include <random>
#include <system_error>
#include <cmath>
#include <thread>

using namespace velmora;

namespace {

PopulationModel model(const Matrix4 &m, const Vector4 &n, const Vector4 &h)
{
    PopulationModel p;
    p.M = m;
    p.N = n;
    p.H = h;
    return p;
}

PopulationModel defaultModel()
{
    return model(leslie({0, 1, 2, 1}, 0.5, 1, 0.5), {10, 10, 10, 10}, {5, 0, 0, 0});
}

RiskSettings settings(double cvSurvival, double cvFecundity, int replicates, int steps,
                      bool demographic = false)
{
    RiskSettings s;
    s.cvSurvival = cvSurvival;
    s.cvFecundity = cvFecundity;
    s.replicates = replicates;
    s.steps = steps;
    s.demographic = demographic;
    return s;
}

RiskResult run(const PopulationModel &m, const RiskSettings &s)
{
    RiskOutcome outcome = runRisk(m, s);
    if (outcome.status != RiskStatus::Done)
        qFatal("run not done: %s", outcome.refusal.c_str());
    return std::move(outcome.result);
}

// Total of M^steps N without harvest: what the mean of the replicates must approach.
double meanMatrixTotal(const Matrix4 &m, Vector4 n, int steps)
{
    for (int t = 0; t < steps; ++t) {
        Vector4 next{};
        for (size_t r = 0; r < 4; ++r)
            for (size_t c = 0; c < 4; ++c)
                next[r] += m[4 * r + c] * n[c];
        n = next;
    }
    return n[0] + n[1] + n[2] + n[3];
}

// Every figure of two runs alike (QCOMPARE ends this function only: check currentTestFailed()).
void compareRuns(const RiskResult &more, const RiskResult &one)
{
    QCOMPARE(more.risk, one.risk);
    QCOMPARE(more.mean, one.mean);
    for (size_t k = 0; k < 5; ++k)
        QCOMPARE(more.percentiles[k], one.percentiles[k]);
    QCOMPARE(more.logLambdaSimulated, one.logLambdaSimulated);
}

using Rows = std::vector<std::vector<double>>;

StageModel lifeCycle(const std::vector<std::string> &names, const Rows &u, const Rows &f,
                     const std::vector<double> &n0, const Rows &c = {})
{
    StageModel m = emptyStageModel(int(names.size()));
    m.stages = names;
    for (size_t r = 0; r < names.size(); ++r) {
        m.n0(long(r)) = n0[r];
        for (size_t k = 0; k < names.size(); ++k) {
            m.U(long(r), long(k)) = u[r][k];
            m.F(long(r), long(k)) = f[r][k];
            if (!c.empty())
                m.C(long(r), long(k)) = c[r][k];
        }
    }
    return m;
}

// Crouse, Crowder & Caswell (1987), Ecology 68: 1412, as in examples/loggerhead-turtle.velmora.
StageModel loggerhead()
{
    const Rows u{{0, 0, 0, 0, 0, 0, 0},
                 {0.6747, 0.737, 0, 0, 0, 0, 0},
                 {0, 0.0486, 0.661, 0, 0, 0, 0},
                 {0, 0, 0.0147, 0.6907, 0, 0, 0},
                 {0, 0, 0, 0.0518, 0, 0, 0},
                 {0, 0, 0, 0, 0.8091, 0, 0},
                 {0, 0, 0, 0, 0, 0.8091, 0.8089}};
    Rows f(7, std::vector<double>(7, 0.0));
    f[0] = {0, 0, 0, 0, 127, 4, 80};
    return lifeCycle({"eggs", "small", "large", "subadults", "novices", "remigrants", "mature"},
                     u, f, {2065, 6698, 1146, 66, 4, 3, 18});
}

// Brault & Caswell (1993), Ecology 74: 1444, as in examples/killer-whale.velmora.
StageModel killerWhale()
{
    return lifeCycle({"yearlings", "juveniles", "mature females", "post-reproductive females"},
                     {{0, 0, 0, 0}, {0.9775, 0.9111, 0, 0}, {0, 0.0736, 0.9534, 0},
                      {0, 0, 0.0452, 0.9804}},
                     {{0, 0.0043, 0.1132, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}},
                     {37, 316, 323, 324});
}

RiskResult run(const StageModel &m, const RiskSettings &s)
{
    RiskOutcome outcome = runRisk(m, s);
    if (outcome.status != RiskStatus::Done)
        qFatal("run not done: %s", outcome.refusal.c_str());
    return std::move(outcome.result);
}

} // namespace

Q_DECLARE_METATYPE(PopulationModel)
Q_DECLARE_METATYPE(RiskDensity)
Q_DECLARE_METATYPE(std::function<double(double)>)

class TestStochastic : public QObject {
    Q_OBJECT

private slots:
    void withoutVariationEveryReplicateIsDeterministic_data();
    void withoutVariationEveryReplicateIsDeterministic();
    void meanFollowsTheMeanMatrix_data();
    void meanFollowsTheMeanMatrix();
    void oneSeedSameResultOnAnyNumberOfThreads_data();
    void oneSeedSameResultOnAnyNumberOfThreads();
    void otherSeedOtherResult();
    void cancelStopsWithinATenthOfASecond();
    void progressRisesToTheEnd();
    void declineReachesRiskOne_data();
    void declineReachesRiskOne();
    void riskNeverFalls();
    void harvestLeavesStochasticGrowthRateAlone();
    void growthRatesAgree_data();
    void growthRatesAgree();
    void demographicRoundsToWholeAnimals();
    void fourClassResultsAreAsBefore_data();
    void fourClassResultsAreAsBefore();
    void stageRunSameOnAnyNumberOfThreads_data();
    void stageRunSameOnAnyNumberOfThreads();
    void tooLargeSurvivalCvTakesTheBetaBound_data();
    void tooLargeSurvivalCvTakesTheBetaBound();
    void everyCappedRateIsNamed();
    void cappedStagesOfTheKillerWhale_data();
    void cappedStagesOfTheKillerWhale();
    void drawnYearsKeepMeansAndFates();
    void wholeAnimalsSplitOverTheirFates();
    void approximationMovesFatesTogether();
    void brokenLifeCycleIsRefused_data();
    void brokenLifeCycleIsRefused();
    void sentenceSaysWhatTheCvDidNotDo_data();
    void sentenceSaysWhatTheCvDidNotDo();
    void failedThreadStartIsRefused_data();
    void failedThreadStartIsRefused();
    void refusesWhatCannotRun_data();
    void refusesWhatCannotRun();
    void densityRunFollowsTheScalarMap_data();
    void densityRunFollowsTheScalarMap();
    void wholeAnimalsStayUnderTheCeiling();
    void wilsonIntervalOnKnownCounts_data();
    void wilsonIntervalOnKnownCounts();
    void wilsonIntervalHoldsTheShare();
    void percentilesInterpolateAsNumPy_data();
    void percentilesInterpolateAsNumPy();
    void percentilesOfLargeColumnsMatchSorting_data();
    void percentilesOfLargeColumnsMatchSorting();
    void sentenceAndCsv_data();
    void sentenceAndCsv();
};

void TestStochastic::withoutVariationEveryReplicateIsDeterministic_data()
{
    QTest::addColumn<PopulationModel>("population");
    QTest::addColumn<double>("threshold");
    QTest::addRow("default model grows")
        << defaultModel() << 1.0;
    QTest::addRow("harvest drives it out")
        << model(leslie({0, 1, 2, 1}, 0.5, 1, 0.5), {10, 10, 10, 10}, {40, 0, 0, 0}) << 1.0;
    QTest::addRow("threshold crossed on the way down")
        << model(leslie({0, 0.3, 0.3, 0.3}, 0.5, 0.5, 0.5), {100, 100, 100, 100}, {0, 0, 0, 0})
        << 50.0;
    QTest::addRow("below the threshold at the start")
        << defaultModel() << 100.0;
    QTest::addRow("empty at the start")
        << model(leslie({0, 1, 2, 1}, 0.5, 1, 0.5), {0, 0, 0, 0}, {5, 0, 0, 0}) << 1.0;
    // No total is below 0, yet a population harvested out is lost.
    QTest::addRow("threshold 0, harvested out")
        << model(leslie({0, 1, 2, 1}, 0.5, 1, 0.5), {10, 10, 10, 10}, {30, 0, 0, 0}) << 0.0;
    QTest::addRow("threshold 0, empty at the start")
        << model(leslie({0, 1, 2, 1}, 0.5, 1, 0.5), {0, 0, 0, 0}, {0, 0, 0, 0}) << 0.0;
}

void TestStochastic::withoutVariationEveryReplicateIsDeterministic()
{
    QFETCH(PopulationModel, population);
    QFETCH(double, threshold);
    RiskSettings s = settings(0, 0, 37, 60);
    s.threshold = threshold;
    const RiskResult r = run(population, s);
    QCOMPARE(int(r.risk.size()), 61);
    bool lost = false;
    for (size_t t = 0; t <= 60; ++t) {
        lost = lost || r.deterministic[t] < threshold || r.deterministic[t] == 0;
        for (const std::vector<double> &p : r.percentiles)
            QCOMPARE(p[t], r.deterministic[t]);
        QCOMPARE(r.mean[t], r.deterministic[t]);
        QCOMPARE(r.risk[t], lost ? 1.0 : 0.0);
    }
    if (threshold == 0)
        QCOMPARE(r.finalRisk, 1.0);
}

void TestStochastic::meanFollowsTheMeanMatrix_data()
{
    QTest::addColumn<double>("cvSurvival");
    QTest::addColumn<double>("cvFecundity");
    QTest::addColumn<bool>("demographic");
    QTest::addRow("environmental") << 0.1 << 0.3 << false;
    QTest::addRow("wide years") << 0.3 << 1.0 << false;
    QTest::addRow("environmental and demographic") << 0.1 << 0.3 << true;
    QTest::addRow("demographic alone") << 0.0 << 0.0 << true;
}

void TestStochastic::meanFollowsTheMeanMatrix()
{
    QFETCH(double, cvSurvival);
    QFETCH(double, cvFecundity);
    QFETCH(bool, demographic);
    // No harvest, so the clamp never acts and E N(t+1) = (mean M) E N(t) year by year.
    // 20 runs of 1000 replicates on different seeds: their spread gives the standard error.
    const PopulationModel population = model(leslie({0, 1, 2, 1}, 0.5, 0.9, 0.5),
                                             {10, 10, 10, 10}, {0, 0, 0, 0});
    constexpr int kRuns = 20;
    double sum = 0.0;
    double squares = 0.0;
    for (int k = 0; k < kRuns; ++k) {
        RiskSettings s = settings(cvSurvival, cvFecundity, 1000, 10, demographic);
        s.seed = std::uint32_t(100 + k);
        const double mean = run(population, s).mean[10];
        sum += mean;
        squares += mean * mean;
    }
    const double mean = sum / kRuns;
    const double standardError = std::sqrt((squares / kRuns - mean * mean) / (kRuns - 1));
    const double expected = meanMatrixTotal(population.M, population.N, 10);
    QVERIFY2(standardError > 0, "the replicates did not vary");
    QVERIFY2(std::abs(mean - expected) < 4 * standardError,
             qPrintable(QStringLiteral("mean %1, expected %2, standard error %3")
                            .arg(mean).arg(expected).arg(standardError)));
}

void TestStochastic::oneSeedSameResultOnAnyNumberOfThreads_data()
{
    QTest::addColumn<bool>("demographic");
    QTest::addRow("environmental") << false;
    QTest::addRow("demographic") << true;
}

void TestStochastic::oneSeedSameResultOnAnyNumberOfThreads()
{
    QFETCH(bool, demographic);
    // 9000 replicates and 20 steps: several chunks per worker and two blocks of steps.
    RiskSettings s = settings(0.2, 0.4, 9000, 20, demographic);
    s.threshold = 20;
    s.seed = 77;
    s.threads = 1;
    const RiskResult one = run(defaultModel(), s);
    for (const int threads : {2, 3}) {
        s.threads = threads;
        compareRuns(run(defaultModel(), s), one);
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY(one.risk.back() > 0 && one.risk.back() < 1);
}

void TestStochastic::otherSeedOtherResult()
{
    RiskSettings s = settings(0.2, 0.4, 200, 30);
    const RiskResult a = run(defaultModel(), s);
    s.seed = 2;
    const RiskResult b = run(defaultModel(), s);
    QVERIFY(a.mean != b.mean);
}

void TestStochastic::cancelStopsWithinATenthOfASecond()
{
    RiskSettings s = settings(0.1, 0.3, kMaxReplicates, kMaxRiskSteps, true);
    s.threads = 2;
    std::atomic<bool> cancel{false};
    std::atomic<bool> started{false};
    RiskControl control;
    control.cancel = &cancel;
    control.progress = [&](double share) {
        if (share > 0)
            started = true;
    };
    RiskOutcome outcome;
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        outcome = runRisk(defaultModel(), s, control);
        finished = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(started.load(), 20000);
    const auto asked = std::chrono::steady_clock::now();
    cancel = true;
    while (!finished)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - asked).count();
    worker.join();
    QVERIFY2(ms < 100, qPrintable(QStringLiteral("stopped after %1 ms").arg(ms)));
    QCOMPARE(outcome.status, RiskStatus::Cancelled);
    QVERIFY(outcome.result.risk.empty());
    QVERIFY(outcome.result.mean.empty());
}

void TestStochastic::progressRisesToTheEnd()
{
    RiskSettings s = settings(0.1, 0.3, 3000, 100);
    std::vector<double> shares;
    RiskControl control;
    const std::thread::id caller = std::this_thread::get_id();
    bool onCaller = true;
    control.progress = [&](double share) {
        shares.push_back(share);
        onCaller = onCaller && std::this_thread::get_id() == caller;
    };
    QCOMPARE(runRisk(defaultModel(), s, control).status, RiskStatus::Done);
    QVERIFY(onCaller);
    QVERIFY(std::is_sorted(shares.begin(), shares.end()));
    QVERIFY(!shares.empty());
    QVERIFY(shares.front() >= 0);
    QCOMPARE(shares.back(), 1.0);
}

void TestStochastic::declineReachesRiskOne_data()
{
    QTest::addColumn<PopulationModel>("population");
    QTest::addColumn<bool>("demographic");
    const PopulationModel declining = model(leslie({0, 0.2, 0.2, 0.1}, 0.5, 0.5, 0.5),
                                            {100, 100, 100, 100}, {0, 0, 0, 0});
    QTest::addRow("lambda < 1") << declining << false;
    QTest::addRow("lambda < 1, whole animals") << declining << true;
    QTest::addRow("harvest beyond the growth")
        << model(leslie({0, 1, 2, 1}, 0.5, 1, 0.5), {10, 10, 10, 10}, {30, 0, 0, 0}) << false;
}

void TestStochastic::declineReachesRiskOne()
{
    QFETCH(PopulationModel, population);
    QFETCH(bool, demographic);
    const RiskResult r = run(population, settings(0, 0, 50, 200, demographic));
    QCOMPARE(r.risk.front(), 0.0);
    QCOMPARE(r.risk.back(), 1.0);
    QCOMPARE(r.finalLost, 50LL);
    QCOMPARE(r.finalRiskInterval.high, 1.0);
}

void TestStochastic::riskNeverFalls()
{
    RiskSettings s = settings(0.3, 0.6, 500, 100, true);
    s.threshold = 30;
    const RiskResult r = run(defaultModel(), s);
    QVERIFY(std::is_sorted(r.risk.begin(), r.risk.end()));
    QVERIFY(r.risk.back() > 0);
    for (size_t t = 0; t < r.risk.size(); ++t) {
        for (size_t k = 1; k < 5; ++k)
            QVERIFY(r.percentiles[k - 1][t] <= r.percentiles[k][t]);
    }
}

void TestStochastic::harvestLeavesStochasticGrowthRateAlone()
{
    PopulationModel harvested = defaultModel();
    PopulationModel free = harvested;
    free.H = {0, 0, 0, 0};
    const RiskSettings s = settings(0.2, 0.3, 300, 80);
    const RiskResult a = run(harvested, s);
    const RiskResult b = run(free, s);
    QVERIFY(a.logLambdaSimulated.has_value());
    QCOMPARE(a.logLambdaSimulated, b.logLambdaSimulated);
    QVERIFY(a.mean.back() < b.mean.back());
}

void TestStochastic::growthRatesAgree_data()
{
    QTest::addColumn<double>("cvSurvival");
    QTest::addColumn<double>("cvFecundity");
    QTest::addColumn<double>("tolerance");
    QTest::addRow("no variation") << 0.0 << 0.0 << 1e-9;
    QTest::addRow("small noise") << 0.05 << 0.05 << 2e-3;
    QTest::addRow("survival only") << 0.1 << 0.0 << 3e-3;
}

void TestStochastic::growthRatesAgree()
{
    QFETCH(double, cvSurvival);
    QFETCH(double, cvFecundity);
    QFETCH(double, tolerance);
    const RiskResult r = run(defaultModel(), settings(cvSurvival, cvFecundity, 2000, 100));
    QVERIFY(r.logLambdaSimulated && r.logLambdaApproximation);
    QVERIFY2(std::abs(*r.logLambdaSimulated - *r.logLambdaApproximation) < tolerance,
             qPrintable(QStringLiteral("simulated %1, approximation %2")
                            .arg(*r.logLambdaSimulated).arg(*r.logLambdaApproximation)));
    // Variation lowers the stochastic growth rate below ln lambda.
    const double lnLambda = std::log(sensitivities(defaultModel().M).lambda);
    QVERIFY(*r.logLambdaApproximation <= lnLambda + 1e-6);
    if (cvSurvival > 0)
        QVERIFY(*r.logLambdaApproximation < lnLambda - 1e-5);
}

void TestStochastic::demographicRoundsToWholeAnimals()
{
    const PopulationModel typed = model(leslie({0, 1, 2, 1}, 0.5, 1, 0.5), {10.4, 0.6, 2.5, 0},
                                        {4.5, 0.2, 0, 0});
    const RiskResult r = run(typed, settings(0.1, 0.3, 40, 20, true));
    QCOMPARE(r.start.N, (Vector4{10, 1, 3, 0}));
    QCOMPARE(r.start.H, (Vector4{5, 0, 0, 0}));
    QCOMPARE(r.deterministic.front(), 14.0);
    for (const std::vector<double> &p : {r.percentiles[0], r.percentiles[2], r.percentiles[4]}) {
        for (const double total : p) {
            // 40 replicates: these percentiles sit between two whole totals at most.
            QCOMPARE(std::round(total * 20), total * 20);
        }
    }
    // Without the switch nothing is rounded.
    const RiskResult plain = run(typed, settings(0.1, 0.3, 40, 20));
    QCOMPARE(plain.start.N, typed.N);
}

void TestStochastic::fourClassResultsAreAsBefore_data()
{
    QTest::addColumn<bool>("demographic");
    QTest::addColumn<double>("risk");
    QTest::addColumn<double>("mean");
    QTest::addColumn<double>("median");
    // Taken from the 4-class engine before it became a case of the stage model's: the draws'
    // order and every sum must not move a bit.
    QTest::addRow("environmental") << false << 0.05 << 19834577.792567868 << 3815491.1600990901;
    QTest::addRow("demographic") << true << 0.13333333333333333 << 24766431.093333334 << 2881639.0;
}

void TestStochastic::fourClassResultsAreAsBefore()
{
    QFETCH(bool, demographic);
    QFETCH(double, risk);
    QFETCH(double, mean);
    QFETCH(double, median);
    RiskSettings s = settings(0.3, 0.8, 300, 60, demographic);
    s.threshold = 5;
    const RiskResult r = run(model(leslie({0.2, 1, 2, 1}, 0.5, 0.9, 0.5), {10.4, 10, 3.6, 10},
                                   {2.5, 1, 0, 0}),
                             s);
    // Bit for bit: QCOMPARE would forgive a change in the last digits.
    QVERIFY(r.finalRisk == risk);
    QVERIFY2(r.mean.back() == mean, qPrintable(QString::number(r.mean.back(), 'g', 17)));
    QVERIFY2(r.percentiles[2].back() == median,
             qPrintable(QString::number(r.percentiles[2].back(), 'g', 17)));
}

void TestStochastic::stageRunSameOnAnyNumberOfThreads_data()
{
    QTest::addColumn<bool>("demographic");
    QTest::addRow("environmental") << false;
    QTest::addRow("demographic") << true;
}

void TestStochastic::stageRunSameOnAnyNumberOfThreads()
{
    QFETCH(bool, demographic);
    StageModel turtle = loggerhead();
    turtle.harvest(2) = 5;
    // 9000 replicates and 20 steps: several chunks per worker and two blocks of steps.
    RiskSettings s = settings(0.1, 0.3, 9000, 20, demographic);
    s.threshold = 3000;
    s.seed = 4242;
    s.threads = 1;
    const RiskResult one = run(turtle, s);
    s.threads = 3;
    compareRuns(run(turtle, s), one);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(one.risk.back() > 0 && one.risk.back() < 1);
    s.seed = 4243;
    QVERIFY(run(turtle, s).mean != one.mean);
}

void TestStochastic::tooLargeSurvivalCvTakesTheBetaBound_data()
{
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("cv");
    QTest::addRow("s = 0.5, bound 1 exactly") << 0.5 << 1.0;
    QTest::addRow("s = 0.75, bound 0.57735") << 0.75 << 0.6;
    QTest::addRow("s = 0.9, bound 1/3") << 0.9 << 2.0;
    QTest::addRow("s = 0.2, bound 2") << 0.2 << 3.0;
    QTest::addRow("s = 0.01, bound 9.95") << 0.01 << 10.0;
    QTest::addRow("s = 1e-300, bound 1e150") << 1e-300 << 1e151;
    // (1 - s) / s overflows: the search for the largest CV once ran on without end.
    QTest::addRow("s = 1e-310, bound 1e155") << 1e-310 << 1e156;
}

void TestStochastic::tooLargeSurvivalCvTakesTheBetaBound()
{
    QFETCH(double, s);
    QFETCH(double, cv);
    const PopulationModel population = model(leslie({0, 1, 2, 1}, s, 1, 0), {10, 10, 10, 10},
                                             {0, 0, 0, 0});
    QVERIFY(!riskRefusal(population, settings(cv, 0, 10, 10)));
    const RiskResult r = run(population, settings(cv, 0, 200, 20));
    // Beta(a, b) with mean s has variance s (1 - s) / (a + b + 1), below s (1 - s): the CV
    // stays below sqrt((1 - s) / s) (Johnson, Kotz & Balakrishnan, Continuous Univariate
    // Distributions 2, ch. 25).
    const double bound = std::sqrt(1 - s) / std::sqrt(s);
    // A subnormal s carries fewer digits, and so does its bound.
    const double digits = std::max(4e-16, std::numeric_limits<double>::denorm_min() / s);
    QVERIFY2(std::abs(survivalCvBound(s) - bound) <= digits * bound,
             qPrintable(QString::number(survivalCvBound(s) / bound - 1)));
    QCOMPARE(r.cappedSurvival.size(), size_t(1));
    const CappedSurvival capped = r.cappedSurvival[0];
    QCOMPARE(capped.stage, 0);
    QCOMPARE(capped.survival, s);
    // Four significant digits, the largest below the bound.
    QVERIFY(capped.cv < bound && capped.cv > bound * (1 - 1e-3));
    QVERIFY(survivalCvAllowed(s, capped.cv));
    const QString text = QString::fromStdString(riskSentence(r));
    QVERIFY2(text.contains("is too large for s0 = ") && text.contains("it varies with a CV of "),
             qPrintable(text));
    for (const double mean : r.mean)
        QVERIFY(std::isfinite(mean));
    // A CV far below the bound, whose variance is below the smallest double, runs as it is.
    const RiskResult small = run(population, settings(1e-3, 0, 20, 20));
    QVERIFY(small.cappedSurvival.empty());
    for (const double mean : small.mean)
        QVERIFY(std::isfinite(mean));
}

void TestStochastic::everyCappedRateIsNamed()
{
    const PopulationModel population = model(leslie({0, 1, 2, 1}, 0.5, 0.9, 0.75),
                                             {10, 10, 10, 10}, {0, 0, 0, 0});
    const std::string sentence = riskSentence(run(population, settings(1.2, 0, 10, 10)));
    QVERIFY2(QString::fromStdString(sentence).contains(
                 "A survival CV of 1.2 is too large for s0 = 0.5, s1 = 0.9 and s2 = 0.75: they "
                 "vary with CVs of 0.9999, 0.3333 and 0.5773, the largest their beta "
                 "distributions allow."),
             sentence.c_str());
    // Rates of 1 and 0 do not vary: any CV suits them.
    const PopulationModel fixedRates = model(leslie({0, 1, 2, 1}, 1, 0, 1), {10, 10, 10, 10},
                                             {0, 0, 0, 0});
    QVERIFY(run(fixedRates, settings(1000, 0, 10, 10)).cappedSurvival.empty());
}

void TestStochastic::cappedStagesOfTheKillerWhale_data()
{
    QTest::addColumn<double>("cv");
    QTest::addColumn<QList<int>>("capped");
    // Bounds sqrt((1 - s) / s): yearlings 0.1517, juveniles 0.1246, mature females 0.03744,
    // post-reproductive females 0.1414.
    QTest::addRow("below every bound") << 0.03 << QList<int>{};
    QTest::addRow("above the mature females' bound") << 0.1 << QList<int>{2};
    QTest::addRow("above the juveniles' bound too") << 0.13 << QList<int>{1, 2};
}

void TestStochastic::cappedStagesOfTheKillerWhale()
{
    QFETCH(double, cv);
    QFETCH(QList<int>, capped);
    const StageModel whale = killerWhale();
    const RiskResult r = run(whale, settings(cv, 0.2, 100, 20));
    QCOMPARE(int(r.cappedSurvival.size()), capped.size());
    for (size_t i = 0; i < r.cappedSurvival.size(); ++i) {
        const CappedSurvival &c = r.cappedSurvival[i];
        QCOMPARE(c.stage, capped[int(i)]);
        const double s = whale.U.col(c.stage).sum();
        const double bound = std::sqrt((1 - s) / s);
        QVERIFY(c.cv < bound && c.cv > bound * (1 - 1e-3));
    }
    const QString sentence = QString::fromStdString(riskSentence(r));
    QCOMPARE(sentence.contains("s(mature females) = 0.9986"), capped.contains(2));
    if (cv == 0.1)
        QVERIFY2(sentence.contains("it varies with a CV of 0.03744"), qPrintable(sentence));
}

void TestStochastic::drawnYearsKeepMeansAndFates()
{
    // Three stages with two fates in a column, births into two stages and a clonal entry.
    const StageModel m = lifeCycle({"a", "b", "c"}, {{0.2, 0, 0}, {0.5, 0.3, 0}, {0, 0.4, 0.85}},
                                   {{0, 1.5, 4}, {0, 0, 0.5}, {0, 0, 0}}, {1, 1, 1},
                                   {{0, 0, 0}, {0, 0, 0}, {0, 0, 0.7}});
    const double cvSurvival = 0.2;
    const double cvFecundity = 0.5;
    const YearlyRates rates(m, std::vector<double>(3, cvSurvival), cvFecundity);
    QCOMPARE(rates.reproduction().size(), size_t(4)); // F by rows (1.5, 4, 0.5), then C (0.7)
    ReplicateRng rng = replicateStream(3, 1);
    YearlyRates::Year year = rates.year();
    const int years = 100000;
    std::vector<double> sum(rates.entries().size(), 0.0);
    std::vector<double> values(sum.size());
    for (int y = 0; y < years; ++y) {
        rates.draw(rng, year);
        rates.values(year, values.data());
        for (size_t k = 0; k < sum.size(); ++k) {
            const YearlyRates::Entry &e = rates.entries()[k];
            const double a = values[k];
            sum[k] += a;
            // Fates keep U's proportions in every year: U(r, c) / s(c) as given.
            if (e.fate >= 0 && e.sexual < 0 && e.clonal < 0) {
                const double share = m.U(e.row, e.column) / m.U.col(e.column).sum();
                QVERIFY(std::abs(a / year.survival[size_t(e.column)] - share) < 1e-15);
            }
        }
    }
    // The beta's mean is s, the lognormal's exp(mu + sigma^2 / 2) = the entry itself: within
    // 5 standard errors, from each part's variance (cv x mean)^2.
    for (size_t k = 0; k < sum.size(); ++k) {
        const YearlyRates::Entry &e = rates.entries()[k];
        const double mean = sum[k] / years;
        const double u = m.U(e.row, e.column);
        const double f = m.F(e.row, e.column);
        const double c = m.C(e.row, e.column);
        const double expected = (cvSurvival * u) * (cvSurvival * u) + (cvFecundity * f) * (cvFecundity * f)
                                + (cvFecundity * c) * (cvFecundity * c);
        QVERIFY2(std::abs(mean - e.mean) < 5 * std::sqrt(expected / years),
                 qPrintable(QStringLiteral("entry (%1, %2): mean %3, given %4")
                                .arg(e.row).arg(e.column).arg(mean).arg(e.mean)));
    }
}

void TestStochastic::wholeAnimalsSplitOverTheirFates()
{
    // All of stage a survive, 0.3 to stay and 0.7 to b; b dies. At t = 1 every replicate
    // holds its 1000 animals, at t = 2 the Binomial(1000, 0.3) that stayed (mean 300, sd 14.5).
    const StageModel m = lifeCycle({"a", "b"}, {{0.3, 0}, {0.7, 0}}, {{0, 0}, {0, 0}},
                                   {1000, 0});
    const RiskResult r = run(m, settings(0.2, 0, 2000, 2, true));
    for (size_t k = 0; k < 5; ++k)
        QCOMPARE(r.percentiles[k][1], 1000.0);
    const double sd = std::sqrt(1000 * 0.3 * 0.7);
    QVERIFY2(std::abs(r.mean[2] - 300) < 5 * sd / std::sqrt(2000.0),
             qPrintable(QString::number(r.mean[2])));
    QVERIFY(r.percentiles[0][2] < r.percentiles[4][2]);
}

void TestStochastic::approximationMovesFatesTogether()
{
    // Tuljapurkar's log lambda_s = ln lambda - tau^2 / (2 lambda^2) (Caswell 2001, Matrix
    // Population Models, eq. 14.69), tau^2 with the covariances of the fates of a stage: here
    // -0.05745, this simulation -0.05755 (standard error about 5e-5). Fates drawn as if on their
    // own would give -0.05723.
    RiskSettings s = settings(0.1, 0.2, 4000, 200);
    s.seed = 11;
    const RiskResult r = run(loggerhead(), s);
    QVERIFY(r.logLambdaApproximation && r.logLambdaSimulated);
    QVERIFY2(std::abs(*r.logLambdaApproximation - *r.logLambdaSimulated) < 1.5e-4,
             qPrintable(QStringLiteral("%1 against %2")
                            .arg(*r.logLambdaApproximation).arg(*r.logLambdaSimulated)));
    QCOMPARE(*approximateLogLambdaS(loggerhead(), s), *r.logLambdaApproximation);
}

void TestStochastic::brokenLifeCycleIsRefused_data()
{
    QTest::addColumn<int>("broken");
    QTest::addColumn<QString>("words");
    QTest::addRow("more than all survive") << 0 << "stage mature females (its column of U)";
    QTest::addRow("a negative fecundity") << 1 << "numbers of at least 0";
    QTest::addRow("N(0) of another size") << 2 << "must match its number of stages";
}

void TestStochastic::brokenLifeCycleIsRefused()
{
    QFETCH(int, broken);
    QFETCH(QString, words);
    StageModel whale = killerWhale();
    if (broken == 0)
        whale.U(3, 2) = 0.05;
    else if (broken == 1)
        whale.F(0, 1) = -0.1;
    else
        whale.n0.resize(3);
    const RiskOutcome outcome = runRisk(whale, settings(0.1, 0.1, 10, 10));
    QCOMPARE(outcome.status, RiskStatus::Refused);
    QVERIFY2(QString::fromStdString(outcome.refusal).contains(words), outcome.refusal.c_str());
}

void TestStochastic::sentenceSaysWhatTheCvDidNotDo_data()
{
    QTest::addColumn<double>("s0");
    QTest::addColumn<double>("s1");
    QTest::addColumn<double>("cv");
    QTest::addColumn<QString>("added"); // after the risk's sentence
    QTest::addRow("no CV: nothing to say") << 0.5 << 1.0 << 0.0 << "";
    QTest::addRow("a rate of 1 stays") << 0.5 << 1.0 << 0.1 << " s1 = 1 is held fixed whatever the CV.";
    // a = b = s k with k = (1 - s) / (s cv^2) - 1: 1 at cv = 1 / sqrt(3) = 0.57735.
    QTest::addRow("just bell-shaped") << 0.5 << 0.5 << 0.57 << "";
    QTest::addRow("just U-shaped")
        << 0.5 << 0.5 << 0.58
        << " The betas of s0 (a = 0.99, b = 0.99) and s1 (a = 0.99, b = 0.99) are U-shaped: "
           "years in which nearly none or nearly all survive are the likeliest.";
    // s = 0.9, cv = 0.3: k = 0.1 / 0.081 - 1 = 0.2346, a = 0.21, b = 0.023.
    QTest::addRow("both")
        << 0.9 << 1.0 << 0.3
        << " s1 = 1 is held fixed whatever the CV. The beta of s0 (a = 0.21, b = 0.023) is "
           "U-shaped: years in which nearly none or nearly all survive are the likeliest.";
}

void TestStochastic::sentenceSaysWhatTheCvDidNotDo()
{
    QFETCH(double, s0);
    QFETCH(double, s1);
    QFETCH(double, cv);
    QFETCH(QString, added);
    const RiskResult r = run(model(leslie({0, 1, 2, 1}, s0, s1, 0), {10, 10, 10, 10}, {0, 0, 0, 0}),
                             settings(cv, 0, 20, 5));
    const QString sentence = QString::fromStdString(riskSentence(r));
    const int end = sentence.indexOf(" %)");
    QVERIFY(end > 0);
    QCOMPARE(sentence.mid(end + 3), added.isEmpty() ? QString() : "." + added);
    // The shapes give the beta the mean and CV asked for: a / (a + b) = s and
    // ab / ((a + b)^2 (a + b + 1)) = (cv s)^2.
    for (const BetaShape &shape : r.uShapedSurvival) {
        const double s = shape.rate == 0 ? s0 : s1;
        const double n = shape.a + shape.b;
        QVERIFY(std::abs(shape.a / n - s) < 1e-14);
        QVERIFY(std::abs(shape.a * shape.b / (n * n * (n + 1)) - cv * cv * s * s) < 1e-14);
    }
}

void TestStochastic::failedThreadStartIsRefused_data()
{
    QTest::addColumn<int>("startable"); // threads that start before one fails
    QTest::addRow("the first") << 0;
    QTest::addRow("the third") << 2;
}

void TestStochastic::failedThreadStartIsRefused()
{
    QFETCH(int, startable);
    std::atomic<int> started{0};
    RiskControl control;
    control.startThread = [&](std::function<void()> body) {
        if (started >= startable)
            throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
        ++started;
        return std::thread(std::move(body));
    };
    RiskSettings s = settings(0.1, 0.3, 5000, 50);
    s.threads = 4;
    const RiskOutcome outcome = runRisk(defaultModel(), s, control);
    QCOMPARE(outcome.status, RiskStatus::Failed);
    QVERIFY2(QString::fromStdString(outcome.refusal).contains("could not start a worker thread"),
             outcome.refusal.c_str());
    QCOMPARE(started.load(), startable);
}

void TestStochastic::refusesWhatCannotRun_data()
{
    QTest::addColumn<PopulationModel>("population");
    QTest::addColumn<RiskSettings>("asked");
    QTest::addColumn<QString>("words");
    const PopulationModel ok = defaultModel();
    RiskSettings s = settings(0.1, 0.3, 10, 10);
    const auto with = [&](auto change) {
        RiskSettings changed = s;
        change(changed);
        return changed;
    };
    QTest::addRow("no replicates") << ok << with([](RiskSettings &x) { x.replicates = 0; })
                                   << "replicates";
    QTest::addRow("too many replicates")
        << ok << with([](RiskSettings &x) { x.replicates = kMaxReplicates + 1; }) << "replicates";
    QTest::addRow("no steps") << ok << with([](RiskSettings &x) { x.steps = 0; }) << "steps";
    QTest::addRow("too many steps") << ok << with([](RiskSettings &x) { x.steps = 1001; })
                                    << "steps";
    QTest::addRow("seed too large") << ok << with([](RiskSettings &x) { x.seed = kMaxSeed + 1; })
                                    << "seed";
    QTest::addRow("negative survival CV")
        << ok << with([](RiskSettings &x) { x.cvSurvival = -0.1; }) << "survival CV";
    QTest::addRow("survival CV not a number")
        << ok << with([](RiskSettings &x) { x.cvSurvival = std::nan(""); }) << "survival CV";
    QTest::addRow("fecundity CV above 10")
        << ok << with([](RiskSettings &x) { x.cvFecundity = 10.5; }) << "fecundity CV";
    QTest::addRow("infinite threshold")
        << ok << with([](RiskSettings &x) { x.threshold = HUGE_VAL; }) << "threshold";
    QTest::addRow("negative survival rate")
        << model(leslie({0, 1, 2, 1}, 0.5, -0.2, 0.5), {1, 1, 1, 1}, {0, 0, 0, 0}) << s
        << "s1 = -0.2";
    QTest::addRow("negative fecundity")
        << model(leslie({0, -1, 2, 1}, 0.5, 1, 0.5), {1, 1, 1, 1}, {0, 0, 0, 0}) << s
        << "f1 = -1";
    QTest::addRow("infinite N")
        << model(leslie({0, 1, 2, 1}, 0.5, 1, 0.5), {HUGE_VAL, 1, 1, 1}, {0, 0, 0, 0}) << s
        << "N(t)";
    const auto density = [&](std::optional<HarvestWay> way, double level, std::vector<int> stages) {
        return with([=](RiskSettings &x) {
            x.density = RiskDensity{{DensityForm::BevertonHolt, 100.0, {}}, way, level, stages};
        });
    };
    QTest::addRow("rate above 1") << ok << density(HarvestWay::Rate, 1.2, {}) << "share from 0 to 1";
    QTest::addRow("harvested stage beyond the model")
        << ok << density(HarvestWay::Quota, 5, {4}) << "harvested stages";
    QTest::addRow("harvested stage twice")
        << ok << density(HarvestWay::Quota, 5, {1, 1}) << "harvested stages";
    QTest::addRow("negative quota") << ok << density(HarvestWay::Quota, -1, {}) << "level";
    // R0 = 0.3 (0.5 + 0.25 + 0.125) = 0.2625: no rest at K.
    QTest::addRow("R0 below 1")
        << model(leslie({0, 0.3, 0.3, 0.3}, 0.5, 0.5, 0.5), {1, 1, 1, 1}, {0, 0, 0, 0})
        << density(std::nullopt, 0, {}) << "R0 is 0.2625";
}

void TestStochastic::refusesWhatCannotRun()
{
    QFETCH(PopulationModel, population);
    QFETCH(RiskSettings, asked);
    QFETCH(QString, words);
    const RiskOutcome outcome = runRisk(population, asked);
    QCOMPARE(outcome.status, RiskStatus::Refused);
    QVERIFY2(QString::fromStdString(outcome.refusal).contains(words),
             outcome.refusal.c_str());
    QVERIFY(outcome.result.risk.empty());
}

void TestStochastic::densityRunFollowsTheScalarMap_data()
{
    QTest::addColumn<RiskDensity>("density");
    QTest::addColumn<double>("harvest"); // H, where no way is chosen
    // One stage, s = 0.5 and f = 1, so R0 = f / (1 - s) = 2, with K = 100; each row's map is
    // written out here, apart from the library's step.
    using Map = std::function<double(double)>;
    QTest::addColumn<Map>("map");
    const double s = 0.5;
    const double f = 1.0;
    const double bBh = (2.0 - 1.0) / 100.0;
    const double bRicker = std::log(2.0) / 100.0;
    QTest::addRow("Beverton-Holt, H = 3")
        << RiskDensity{{DensityForm::BevertonHolt, 100, {}}, std::nullopt, 0, {}} << 3.0
        << Map([=](double n) { return std::max(s * n + f * n / (1 + bBh * n) - 3, 0.0); });
    QTest::addRow("Ricker, rate 0.2")
        << RiskDensity{{DensityForm::Ricker, 100, {}}, HarvestWay::Rate, 0.2, {}} << 0.0
        << Map([=](double n) { return 0.8 * (s * n + f * n * std::exp(-bRicker * n)); });
    QTest::addRow("ceiling, quota 30")
        << RiskDensity{{DensityForm::Ceiling, 100, {}}, HarvestWay::Quota, 30, {}} << 0.0
        << Map([=](double n) { return std::max(std::min(1.5 * n, 100.0) - 30, 0.0); });
    QTest::addRow("Beverton-Holt, escapement 60")
        << RiskDensity{{DensityForm::BevertonHolt, 100, {}}, HarvestWay::Escapement, 60, {}} << 0.0
        << Map([=](double n) { return std::min(s * n + f * n / (1 + bBh * n), 60.0); });
    // Above the quota's MSY the population is lost: the risk reaches 1.
    QTest::addRow("Beverton-Holt, quota 40")
        << RiskDensity{{DensityForm::BevertonHolt, 100, {}}, HarvestWay::Quota, 40, {}} << 0.0
        << Map([=](double n) { return std::max(s * n + f * n / (1 + bBh * n) - 40, 0.0); });
}

// Without variation every replicate takes the deterministic path, so the engine's yearly loop
// must give the same totals as the map.
void TestStochastic::densityRunFollowsTheScalarMap()
{
    QFETCH(RiskDensity, density);
    QFETCH(double, harvest);
    QFETCH(std::function<double(double)>, map);
    StageModel one = lifeCycle({"adults"}, {{0.5}}, {{1.0}}, {50});
    one.harvest(0) = harvest;
    RiskSettings s = settings(0, 0, 5, 80);
    s.density = density;
    const RiskResult r = run(one, s);
    double n = 50;
    bool lost = false;
    for (size_t t = 1; t <= 80; ++t) {
        n = map(n);
        lost = lost || n < 1;
        QVERIFY2(std::abs(r.deterministic[t] - n) <= 1e-9 * std::max(1.0, n),
                 qPrintable(QStringLiteral("t = %1: %2, not %3").arg(t).arg(r.deterministic[t]).arg(n)));
        QVERIFY(std::abs(r.mean[t] - n) <= 1e-9 * std::max(1.0, n));
        QCOMPARE(r.risk[t], lost ? 1.0 : 0.0);
    }
    // The growth rate is still that of the model without density dependence: s + f.
    QVERIFY(std::abs(*r.logLambdaSimulated - std::log(1.5)) < 1e-12);
}

// Binomial survivors and Poisson births are whole, and the ceiling rounds down to stay at K.
void TestStochastic::wholeAnimalsStayUnderTheCeiling()
{
    StageModel m = lifeCycle({"young", "old"}, {{0, 0}, {0.6, 0.8}}, {{0, 3}, {0, 0}}, {40, 40});
    RiskSettings s = settings(0.1, 0.3, 200, 50, true);
    s.density = RiskDensity{{DensityForm::Ceiling, 150, {}}, HarvestWay::Rate, 0.1, {}};
    const RiskResult r = run(m, s);
    for (size_t t = 1; t <= 50; ++t) {
        QVERIFY2(r.percentiles[4][t] <= 150, qPrintable(QString::number(t)));
        QCOMPARE(r.percentiles[2][t], std::round(r.percentiles[2][t]));
    }
    QVERIFY(r.percentiles[2][50] > 100);
}

void TestStochastic::wilsonIntervalOnKnownCounts_data()
{
    QTest::addColumn<int>("successes");
    QTest::addColumn<int>("trials");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    // Newcombe (1998), Statistics in Medicine 17, 857-872, table I, method 3.
    QTest::addRow("81 of 263") << 81 << 263 << 0.2553 << 0.3662;
    QTest::addRow("15 of 148") << 15 << 148 << 0.0624 << 0.1605;
    QTest::addRow("0 of 20") << 0 << 20 << 0.0 << 0.1611;
    QTest::addRow("1 of 29") << 1 << 29 << 0.0061 << 0.1718;
    QTest::addRow("10 of 10") << 10 << 10 << 0.7225 << 1.0;
    QTest::addRow("1 of 1") << 1 << 1 << 0.2065 << 1.0;
}

void TestStochastic::wilsonIntervalOnKnownCounts()
{
    QFETCH(int, successes);
    QFETCH(int, trials);
    QFETCH(double, low);
    QFETCH(double, high);
    const Interval interval = wilsonInterval(successes, trials);
    QVERIFY2(std::abs(interval.low - low) < 5e-5, qPrintable(QString::number(interval.low)));
    QVERIFY2(std::abs(interval.high - high) < 5e-5, qPrintable(QString::number(interval.high)));
    QVERIFY(interval.low >= 0 && interval.high <= 1);
}

void TestStochastic::wilsonIntervalHoldsTheShare()
{
    // Rounding put the lower end of 0 of 1000 just above 0 once: the share fell outside.
    for (const long long n : {1LL, 2LL, 3LL, 7LL, 50LL, 1000LL, 99999LL, 100000LL}) {
        for (const long long k : {0LL, 1LL, n / 3, n / 2, n - 1, n}) {
            const Interval interval = wilsonInterval(k, n);
            const double p = double(k) / double(n);
            QVERIFY2(interval.low <= p && p <= interval.high,
                     qPrintable(QStringLiteral("%1 of %2").arg(k).arg(n)));
        }
        QCOMPARE(wilsonInterval(0, n).low, 0.0);
        QCOMPARE(wilsonInterval(n, n).high, 1.0);
    }
}

void TestStochastic::percentilesInterpolateAsNumPy_data()
{
    QTest::addColumn<std::vector<double>>("values");
    QTest::addColumn<std::vector<double>>("expected");
    const double inf = HUGE_VAL;
    // numpy.percentile(values, [5, 25, 50, 75, 95]) with its default linear method.
    QTest::addRow("1 to 10") << std::vector<double>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}
                             << std::vector<double>{1.45, 3.25, 5.5, 7.75, 9.55};
    QTest::addRow("one value") << std::vector<double>{7} << std::vector<double>{7, 7, 7, 7, 7};
    QTest::addRow("two values") << std::vector<double>{3, 1}
                                << std::vector<double>{1.1, 1.5, 2, 2.5, 2.9};
    QTest::addRow("ties") << std::vector<double>{0, 5, 0, 5, 0}
                          << std::vector<double>{0, 0, 0, 5, 5};
    QTest::addRow("exact positions") << std::vector<double>{4, 1, 3, 2, 0, 9, 8, 7, 6, 5, 10}
                                     << std::vector<double>{0.5, 2.5, 5, 7.5, 9.5};
    // NumPy gives nan beside an infinite total; the totals beyond range are infinite.
    QTest::addRow("beyond range") << std::vector<double>{inf, 2, inf, 1}
                                  << std::vector<double>{1.15, 1.75, inf, inf, inf};
    QTest::addRow("median beside a total beyond range")
        << std::vector<double>{inf, 1, 2} << std::vector<double>{1.1, 1.5, 2, inf, inf};
}

void TestStochastic::percentilesInterpolateAsNumPy()
{
    QFETCH(std::vector<double>, values);
    QFETCH(std::vector<double>, expected);
    const std::array<double, 5> p = riskPercentiles(values);
    for (size_t k = 0; k < 5; ++k)
        QVERIFY2(p[k] == expected[k] || std::abs(p[k] - expected[k]) < 1e-12,
                 qPrintable(QStringLiteral("%1 %: %2").arg(kRiskPercentiles[k]).arg(p[k])));
}

void TestStochastic::percentilesOfLargeColumnsMatchSorting_data()
{
    QTest::addColumn<std::vector<double>>("values");
    std::mt19937 random(5);
    const auto column = [&random](size_t n, const std::function<double()> &draw) {
        std::vector<double> values(n);
        for (double &v : values)
            v = draw();
        return values;
    };
    const auto ties = [&random] { return double(random() % 50); };
    std::lognormal_distribution<double> wide(0.0, 40.0);
    const double inf = HUGE_VAL;
    // Around the size where the search changes from nth_element to buckets, and beyond.
    for (const size_t n : {3u, 19u, 20u, 21u, 100u, 2047u, 2048u, 4097u, 10001u})
        QTest::addRow("%zu values, many ties", n) << column(n, ties);
    QTest::addRow("extinct and beyond range among them")
        << column(10000, [&] {
               const unsigned r = random() % 10;
               return r == 0 ? 0.0 : r == 1 ? inf : 1 + double(random() % 1000) / 7;
           });
    QTest::addRow("a spread over hundreds of decades")
        << column(10000, [&] { return std::min(wide(random), 1e300); });
    QTest::addRow("all alike") << std::vector<double>(5000, 123.25);
    QTest::addRow("all extinct") << std::vector<double>(5000, 0.0);
    QTest::addRow("all beyond range") << std::vector<double>(5000, inf);
    QTest::addRow("two neighbouring doubles")
        << column(6000, [&] { return random() % 2 ? 1.0 : std::nextafter(1.0, 2.0); });
}

void TestStochastic::percentilesOfLargeColumnsMatchSorting()
{
    QFETCH(std::vector<double>, values);
    const size_t n = values.size();
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const std::array<double, 5> p = riskPercentiles(values);
    for (size_t k = 0; k < 5; ++k) {
        const double h = double(n - 1) * kRiskPercentiles[k] / 100.0;
        const size_t low = size_t(h);
        const double a = sorted[low];
        const double b = sorted[std::min(low + 1, n - 1)];
        const double expected = h == double(low) || a == b ? a : a + (h - double(low)) * (b - a);
        QVERIFY2(p[k] == expected,
                 qPrintable(QStringLiteral("%1 %: %2, expected %3")
                                .arg(kRiskPercentiles[k]).arg(p[k]).arg(expected)));
    }
}

void TestStochastic::sentenceAndCsv_data()
{
    QTest::addColumn<double>("threshold");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("lost");
    QTest::addColumn<int>("replicates");
    QTest::addColumn<QString>("sentence");
    QTest::addRow("the usual case")
        << 1.0 << 100 << 372 << 1000
        << "Risk of falling below 1 within 100 steps: 37.2 % (95 % interval 34.3 - 40.2 %)";
    QTest::addRow("one step, fractional threshold")
        << 0.5 << 1 << 0 << 1000
        << "Risk of falling below 0.5 within 1 step: 0.0 % (95 % interval 0.0 - 0.4 %)";
    QTest::addRow("all lost")
        << 250.0 << 7 << 1000 << 1000
        << "Risk of falling below 250 within 7 steps: 100.0 % (95 % interval 99.6 - 100.0 %)";
    // Wilson's bounds at 0 and n of n are z^2 / (n + z^2) and n / (n + z^2): 0.0192 % from the
    // edge for n = 20000, which one decimal would write as the edge itself.
    QTest::addRow("none of many lost")
        << 1.0 << 50 << 0 << 20000
        << "Risk of falling below 1 within 50 steps: 0.0 % (95 % interval 0.0 - 0.019 %)";
    QTest::addRow("all of many lost")
        << 1.0 << 50 << 20000 << 20000
        << "Risk of falling below 1 within 50 steps: 100.0 % (95 % interval 99.981 - 100.0 %)";
    // 1 of 100000: 0.001 %, interval 0.000177 - 0.00566 % (Wilson, z = 1.96).
    QTest::addRow("one of very many lost")
        << 1.0 << 50 << 1 << 100000
        << "Risk of falling below 1 within 50 steps: 0.001 % (95 % interval 0.00018 - 0.0057 %)";
    QTest::addRow("threshold 0")
        << 0.0 << 10 << 500 << 1000
        << "Risk of dying out within 10 steps: 50.0 % (95 % interval 46.9 - 53.1 %)";
}

void TestStochastic::sentenceAndCsv()
{
    QFETCH(double, threshold);
    QFETCH(int, steps);
    QFETCH(int, lost);
    QFETCH(int, replicates);
    QFETCH(QString, sentence);
    // Numbers keep their "." whatever the locale says.
    const std::string before = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    RiskResult r;
    r.settings.threshold = threshold;
    r.settings.steps = steps;
    r.finalLost = lost;
    r.finalRisk = double(lost) / replicates;
    r.finalRiskInterval = wilsonInterval(lost, replicates);
    const QString written = QString::fromStdString(riskSentence(r));

    r.risk.assign(size_t(steps) + 1, 0.25);
    for (std::vector<double> &p : r.percentiles)
        p.assign(size_t(steps) + 1, 1.5);
    r.mean.assign(size_t(steps) + 1, 1234.5);
    r.deterministic.assign(size_t(steps) + 1, 1e20);
    const QString csv = QString::fromStdString(riskCsv(r));
    std::setlocale(LC_ALL, before.c_str());

    QCOMPARE(written, sentence);
    const QStringList lines = csv.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), steps + 3); // header, t = 0..steps, and the empty rest after the last
    QCOMPARE(lines.front(), QStringLiteral("t,risk,p5,p25,p50,p75,p95,mean,deterministic"));
    QCOMPARE(lines[1], QStringLiteral("0,0.25,1.5,1.5,1.5,1.5,1.5,1234.5,1E+20"));
    QCOMPARE(lines[steps + 1].section(u',', 0, 0), QString::number(steps));
    QVERIFY(lines.back().isEmpty());
}

QTEST_APPLESS_MAIN(TestStochastic)
#include "tst_stochastic.moc"
