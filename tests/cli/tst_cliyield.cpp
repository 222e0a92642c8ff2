#include "tests/support/commandlinerun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace velmora;

class TestCliYield : public QObject {
    Q_OBJECT

private slots:
    void jsonOfTheDefaultModel();
    void refusals_data();
    void refusals();
    void runTakesTheWayInPlaceOfH();
};

// The JSON a teacher scripts against: every key, sized by the stages, and the knife edge of
// the quota next to the recovery of the other two ways.
void TestCliYield::jsonOfTheDefaultModel()
{
    const CommandLineResult result = runVelmoraCli(
        {"yield", "--density", "beverton-holt", "--capacity", "1000", "--points", "7", "--json"});
    QCOMPARE(result.status, 0);
    QVERIFY(result.err.isEmpty());
    const QJsonObject root = QJsonDocument::fromJson(result.out.toUtf8()).object();
    // b = (R0 - 1)/K with R0 = 0 + 1(0.5) + 2(0.5) + 1(0.25) = 1.75.
    QCOMPARE(root["R0"].toDouble(), 1.75);
    QCOMPARE(root["b"].toDouble(), 0.75 / 1000);
    QCOMPARE(root["density"]["form"].toString(), QStringLiteral("beverton-holt"));
    QCOMPARE(root["density"]["countedStages"].toArray().size(), 4);
    QCOMPARE(root["restingPopulation"].toArray().size(), 4);
    const QJsonObject ways = root["strategies"].toObject();
    QCOMPARE(ways.keys(), (QStringList{"escapement", "quota", "rate"}));
    for (const QString &way : ways.keys()) {
        const QJsonObject s = ways[way].toObject();
        QCOMPARE(s["curve"].toArray().size(), 7);
        QCOMPARE(s["settled"].toArray().size(), 4);
        QVERIFY(std::abs(s["msy"].toDouble() - ways["rate"]["msy"].toDouble()) < 1e-6);
        QCOMPARE(s["smallestFatalShock"].isNull(), way != QLatin1String("quota"));
    }
    QCOMPARE(ways["quota"]["unstableRestPoint"].toArray().size(), 4);
}

void TestCliYield::refusals_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    const QStringList bh{"yield", "--density", "beverton-holt"};
    QTest::newRow("no density") << QStringList{"yield", "--capacity", "5"}
                                << "--density is missing: give beverton-holt, ricker or ceiling";
    QTest::newRow("no capacity") << bh << "--capacity is missing: give K, the density at rest";
    QTest::newRow("unknown form")
        << QStringList{"yield", "--density", "logistic", "--capacity", "5"}
        << "--density is \"logistic\": it takes beverton-holt, ricker or ceiling";
    QTest::newRow("capacity 0") << bh + QStringList{"--capacity", "0"}
                                << "--capacity needs a number above 0";
    QTest::newRow("stage unknown") << bh + QStringList{"--capacity", "5", "--harvest-stages", "4"}
                                   << "--harvest-stages names a stage twice or one the model "
                                      "does not have";
    QTest::newRow("shock above 1") << bh + QStringList{"--capacity", "5", "--shock", "1.5"}
                                   << "--shock needs a share from 0 to 1";
    // R0 = sum of f_i l_i = 0.5(0.5) + 0.5(0.25) + 0.5(0.125).
    QTest::newRow("no growth")
        << bh + QStringList{"--capacity", "5", "--matrix", "0,0.5,0.5,0.5,0.5,0.5,0.5"}
        << "R0 is 0.4375: a population that cannot more than replace itself when sparse never "
           "settles at K";
}

void TestCliYield::refusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const CommandLineResult result = runVelmoraCli(arguments);
    QCOMPARE(result.status, 2);
    QVERIFY(result.out.isEmpty());
    QVERIFY2(result.err.contains(error), qPrintable(result.err));
}

// The default model steps to A N(0) = (40, 5, 10, 5), under the ceiling of 100; the quota of 10
// leaves 50 of those 60, taken in proportion to each stage. H = 5 is not taken as well.
void TestCliYield::runTakesTheWayInPlaceOfH()
{
    const CommandLineResult result =
        runVelmoraCli({"run", "--density", "ceiling", "--capacity", "100", "--strategy", "quota",
                       "--level", "10", "--steps", "2"});
    QCOMPARE(result.status, 0);
    const QStringList lines = result.out.split('\n');
    QCOMPARE(lines[0].simplified(), QStringLiteral("t 0 1 2 3 total growth rate yield"));
    QCOMPARE(lines[2].simplified(),
             QStringLiteral("1 33.3333333333333 4.16666666666667 8.33333333333333 "
                            "4.16666666666667 50 1.25 10"));
    const CommandLineResult files = runVelmoraCli({"run", "--density", "ceiling", "--capacity",
                                                   "100", "--out", "x"});
    QCOMPARE(files.status, 2);
    QVERIFY(files.err.contains("this run has density dependence"));
}

QTEST_APPLESS_MAIN(TestCliYield)
#include "tst_cliyield.moc"
