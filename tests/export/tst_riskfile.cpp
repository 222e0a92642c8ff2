#include "export/riskfile.h"
#include "demography/stochastic.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/lesliematrix.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A risk run whose CSV (about 7 KB) is larger than the limit the test sets.
RiskResult longRiskRun()
{
    PopulationModel model;
    model.M = defaultLeslie();
    model.N = {20, 20, 20, 20};
    RiskSettings settings;
    settings.cvSurvival = 0.1;
    settings.cvFecundity = 0.3;
    settings.replicates = 20;
    settings.steps = 100;
    settings.seed = 3;
    return runRisk(model, settings).result;
}

} // namespace

// The history and model files have their own full-disk tests beside their formats.
class TestRiskFile : public QObject {
    Q_OBJECT

private slots:
    void fullDiskKeepsTheEarlierRiskCsv();
};

void TestRiskFile::fullDiskKeepsTheEarlierRiskCsv()
{
    const RiskResult run = longRiskRun();
    QTemporaryDir dir;
    const QString path = dir.filePath("risk.csv");
    QVERIFY(!saveRiskCsv(run, path));
    const QByteArray earlier = contents(path);
    QVERIFY(earlier.size() > 4096); // the limit below cuts through a new copy

    std::optional<QString> failure;
    {
        // A disk that fills up after 4 KiB, as in a shell with "ulimit -f 4".
        const FileSizeLimit limit(4096);
        QVERIFY(limit.isSet());
        failure = saveRiskCsv(run, path);
    }
    QVERIFY(failure);
    QVERIFY2(failure->contains("File too large"), qPrintable(*failure));
    QCOMPARE(contents(path), earlier);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"risk.csv"});
}

QTEST_APPLESS_MAIN(TestRiskFile)
#include "tst_riskfile.moc"
