#include "tests/support/commandlinerun.h"
#include "cli/commandline.h"
#include "demography/stochastic.h"
#include "tests/support/lesliematrix.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <sstream>

using namespace velmora;

namespace {

using Result = CommandLineResult;

Result run(const QStringList &arguments)
{
    return runVelmoraCli(QStringList{"risk"} + arguments);
}

// The default model's run with the settings the tests ask the command for.
RiskResult modelRun(bool demographic = false)
{
    PopulationModel model;
    model.M = defaultLeslie();
    model.N = {20, 20, 20, 20};
    model.H = {20, 0, 0, 0};
    RiskSettings s;
    s.cvSurvival = 0.1;
    s.cvFecundity = 0.3;
    s.replicates = 50;
    s.steps = 7;
    s.threshold = 70;
    s.seed = 9;
    s.demographic = demographic;
    return runRisk(model, s).result;
}

// A harvest that loses some replicates within the run, and not all.
const QStringList kRunOptions{"--cv-survival", "0.1", "--cv-fecundity", "0.3", "--replicates",
                              "50", "--steps", "7", "--threshold", "70", "--seed", "9",
                              "--n0", "20,20,20,20", "--harvest", "20,0,0,0"};

std::vector<double> numbers(const QJsonValue &value)
{
    std::vector<double> out;
    for (const QJsonValue &v : value.toArray())
        out.push_back(v.toDouble());
    return out;
}

// The JSON writes each double so that it reads back as the same double.
bool sameNumbers(const std::vector<double> &a, const std::vector<double> &b)
{
    return a == b;
}

} // namespace

class TestCliRisk : public QObject {
    Q_OBJECT

private slots:
    void jsonHoldsTheRunsResults_data();
    void jsonHoldsTheRunsResults();
    void textLeadsWithTheSentence();
    void tooLargeSurvivalCvIsTakenAtItsBound();
    void refusedOptionsExitWithOneLine_data();
    void refusedOptionsExitWithOneLine();
    void densityComesFromTheFileAndTheOptions();
    void outWritesTheCsv();
    void unwritableCsvExitsOne();
};

void TestCliRisk::jsonHoldsTheRunsResults_data()
{
    QTest::addColumn<bool>("demographic");
    QTest::addRow("environmental") << false;
    QTest::addRow("demographic") << true;
}

void TestCliRisk::jsonHoldsTheRunsResults()
{
    QFETCH(bool, demographic);
    QStringList options = kRunOptions;
    options << "--json" << "--threads" << "2";
    if (demographic)
        options << "--demographic";
    const Result r = run(options);
    QCOMPARE(r.status, kExitOk);
    QVERIFY(r.err.isEmpty());
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(json.keys(), QStringList({"deterministic", "finalRisk", "finalRiskInterval",
                                       "logLambdaS", "mean", "percentiles", "risk"}));

    const RiskResult expected = modelRun(demographic);
    QVERIFY(sameNumbers(numbers(json["risk"]), expected.risk));
    QVERIFY(sameNumbers(numbers(json["mean"]), expected.mean));
    QVERIFY(sameNumbers(numbers(json["deterministic"]), expected.deterministic));
    const QJsonObject percentiles = json["percentiles"].toObject();
    QCOMPARE(percentiles.keys(), QStringList({"25", "5", "50", "75", "95"}));
    for (size_t k = 0; k < kRiskPercentiles.size(); ++k)
        QVERIFY(sameNumbers(numbers(percentiles[QString::number(kRiskPercentiles[k])]),
                            expected.percentiles[k]));
    QCOMPARE(int(numbers(json["risk"]).size()), 8);
    QCOMPARE(json["finalRisk"].toDouble(), expected.finalRisk);
    const std::vector<double> interval = numbers(json["finalRiskInterval"]);
    QVERIFY(sameNumbers(interval, {expected.finalRiskInterval.low, expected.finalRiskInterval.high}));
    QVERIFY(expected.finalRisk > 0 && expected.finalRisk < 1);
    const QJsonObject growth = json["logLambdaS"].toObject();
    QVERIFY(sameNumbers({growth["simulated"].toDouble(), growth["approximation"].toDouble()},
                        {*expected.logLambdaSimulated, *expected.logLambdaApproximation}));
}

void TestCliRisk::textLeadsWithTheSentence()
{
    const Result r = run(kRunOptions + QStringList{"--demographic"});
    QCOMPARE(r.status, kExitOk);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.front(), QString::fromStdString(riskSentence(modelRun(true))));
    QVERIFY(r.out.contains("rounded to whole animals"));
    QVERIFY(r.out.contains("log lambda_s"));
}

void TestCliRisk::tooLargeSurvivalCvIsTakenAtItsBound()
{
    const QStringList options{"--cv-survival", "1.5", "--replicates", "20", "--steps", "5"};
    const Result text = run(options);
    QCOMPARE(text.status, kExitOk);
    QVERIFY2(text.out.contains("A survival CV of 1.5 is too large for s0 = 0.5 and s2 = 0.5: "
                               "they vary with CVs of 0.9999 and 0.9999, the largest their beta "
                               "distributions allow."),
             qPrintable(text.out));
    const Result json = run(options + QStringList{"--json"});
    const QJsonArray capped = QJsonDocument::fromJson(json.out.toUtf8())["cappedSurvival"].toArray();
    QCOMPARE(capped.size(), 2);
    QCOMPARE(capped[1]["rate"].toString(), QStringLiteral("s2"));
    QCOMPARE(capped[1]["survival"].toDouble(), 0.5);
    QCOMPARE(capped[1]["cv"].toDouble(), 0.9999);
}

void TestCliRisk::refusedOptionsExitWithOneLine_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("words");
    QTest::addColumn<bool>("seeHelp");
    QTest::addRow("CV with a typo") << QStringList{"--cv-survival", "0.1x"}
                                    << "--cv-survival: \"0.1x\" is not a number" << true;
    QTest::addRow("negative CV") << QStringList{"--cv-survival=-1"}
                                 << "--cv-survival \"-1\": needs a number from 0 up" << true;
    QTest::addRow("fecundity CV above 10") << QStringList{"--cv-fecundity", "11"}
                                           << "--cv-fecundity \"11\": needs a number from 0 to 10"
                                           << true;
    QTest::addRow("threshold beyond a double")
        << QStringList{"--threshold", "1e400"}
        << "--threshold \"1e400\": the number is beyond the range of a double" << true;
    QTest::addRow("threshold a word") << QStringList{"--threshold", "one"}
                                      << "--threshold: \"one\" is not a number" << true;
    QTest::addRow("too many replicates")
        << QStringList{"--replicates", "100001"}
        << "--replicates \"100001\": needs a whole number from 1 to 100000" << true;
    QTest::addRow("fractional replicates") << QStringList{"--replicates", "1.5"}
                                           << "--replicates \"1.5\"" << true;
    QTest::addRow("no steps") << QStringList{"--steps", "0"}
                              << "--steps \"0\": needs a whole number from 1 to 1000" << true;
    QTest::addRow("negative seed") << QStringList{"--seed", "-1"} << "--seed \"-1\"" << true;
    QTest::addRow("seed beyond the largest")
        << QStringList{"--seed", "1000000000"}
        << "--seed \"1000000000\": needs a whole number from 0 to 999999999" << true;
    QTest::addRow("no threads") << QStringList{"--threads", "0"} << "--threads \"0\"" << true;
    QTest::addRow("unknown option") << QStringList{"--cv"} << "unknown option --cv" << true;
    QTest::addRow("switch with a value") << QStringList{"--demographic=1"}
                                         << "option --demographic takes no value" << true;
    QTest::addRow("repeated option") << QStringList{"--seed", "1", "--seed", "2"}
                                     << "option --seed is given more than once" << true;
    QTest::addRow("value missing") << QStringList{"--out"} << "option --out needs a value" << true;
    QTest::addRow("empty file name") << QStringList{"--out="} << "--out needs a file name" << true;
    QTest::addRow("negative survival rate")
        << QStringList{"--matrix", "0,1,2,1,0.5,-1,0.5"}
        << "--matrix: s1 = -1: a survival rate must be from 0 to 1" << false;
    const QStringList density{"--density", "ricker", "--capacity", "100"};
    QTest::addRow("unknown way") << density + QStringList{"--strategy", "tax", "--level", "1"}
                                 << "--strategy is \"tax\"" << true;
    QTest::addRow("way without level") << density + QStringList{"--strategy", "quota"}
                                       << "--strategy needs --level" << false;
    QTest::addRow("way without density") << QStringList{"--strategy", "quota", "--level", "5"}
                                         << "--strategy needs density dependence" << false;
    QTest::addRow("rate above 1") << density + QStringList{"--strategy", "rate", "--level", "2"}
                                  << "--level of a rate" << false;
    QTest::addRow("capacity without form") << QStringList{"--capacity", "100"}
                                           << "--density is missing" << false;
    QTest::addRow("counted stage unknown") << density + QStringList{"--counted-stages", "9"}
                                           << "--counted-stages names" << false;
}

void TestCliRisk::refusedOptionsExitWithOneLine()
{
    QFETCH(QStringList, options);
    QFETCH(QString, words);
    QFETCH(bool, seeHelp);
    const Result r = run(options);
    QCOMPARE(r.status, kExitUsage);
    QVERIFY(r.out.isEmpty());
    QVERIFY2(r.err.startsWith("velmora-cli risk: "), qPrintable(r.err));
    QVERIFY2(r.err.contains(words), qPrintable(r.err));
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY(r.err.endsWith('\n'));
    QCOMPARE(r.err.contains("(see velmora-cli risk --help)"), seeHelp);
}

// A file's density block is used, and the options override its parts.
void TestCliRisk::densityComesFromTheFileAndTheOptions()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("dense.velmora");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(R"({"format": "velmora-model", "version": 2,
        "fecundities": [0, 1, 2, 1], "survival": [0.5, 1, 0.5],
        "n0": [100, 100, 100, 100], "harvest": [0, 0, 0, 0],
        "density": {"form": "ricker", "capacity": 500, "countedStages": ["1", "2"]},
        "harvestStages": ["2", "3"]})");
    out.close();
    const Result r = run({"--model", file, "--capacity", "800", "--strategy", "quota", "--level",
                          "20", "--cv-survival", "0.1", "--replicates", "40", "--steps", "30",
                          "--json"});
    QCOMPARE(r.status, kExitOk);
    const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8()).object();
    const QJsonObject density = json["density"].toObject();
    QCOMPARE(density["form"].toString(), QStringLiteral("ricker"));
    QCOMPARE(density["capacity"].toDouble(), 800.0);
    QCOMPARE(density["countedStages"].toArray(), (QJsonArray{"1", "2"}));
    QCOMPARE(density["harvestStages"].toArray(), (QJsonArray{"2", "3"}));
    QCOMPARE(density["strategy"].toString(), QStringLiteral("quota"));

    PopulationModel model;
    model.M = {0, 1, 2, 1, 0.5, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0.5, 0};
    model.N = {100, 100, 100, 100};
    model.H = {0, 0, 0, 0};
    RiskSettings s;
    s.cvSurvival = 0.1;
    s.replicates = 40;
    s.steps = 30;
    s.density = RiskDensity{{DensityForm::Ricker, 800, {1, 2}}, HarvestWay::Quota, 20, {2, 3}};
    const RiskResult expected = runRisk(model, s).result;
    QVERIFY(sameNumbers(numbers(json["mean"]), expected.mean));
    QVERIFY(sameNumbers(numbers(json["deterministic"]), expected.deterministic));
}

void TestCliRisk::outWritesTheCsv()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("risk.csv");
    const Result r = run(kRunOptions + QStringList{"--out", path});
    QCOMPARE(r.status, kExitOk);
    QVERIFY(r.out.endsWith("Wrote " + path + "\n"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray::fromStdString(riskCsv(modelRun())));
}

void TestCliRisk::unwritableCsvExitsOne()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("no folder/risk.csv");
    const Result r = run(kRunOptions + QStringList{"--out", path});
    QCOMPARE(r.status, kExitFailed);
    QVERIFY(r.out.startsWith("Risk of falling below 70 within 7 steps: "));
    QVERIFY(r.err.startsWith("velmora-cli risk: the file \"" + path + "\" could not be written: "));
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY(!QFileInfo::exists(path));
}

QTEST_APPLESS_MAIN(TestCliRisk)
#include "tst_clirisk.moc"
