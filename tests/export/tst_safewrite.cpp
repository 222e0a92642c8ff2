#include "export/riskfile.h"
#include "export/safewrite.h"
#include "model/stochastic.h"
#include "tests/support/filesizelimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;

namespace {

enum class Written { Bytes, RiskCsv };

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A risk run whose CSV (about 7 KB) is larger than the limit the tests set.
RiskResult longRiskRun()
{
    PopulationModel model;
    model.M = {0, 1, 2, 1, 0.5, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0.5, 0};
    model.N = {20, 20, 20, 20};
    RiskSettings settings;
    settings.cvSurvival = 0.1;
    settings.cvFecundity = 0.3;
    settings.replicates = 20;
    settings.steps = 100;
    settings.seed = 3;
    return runRisk(model, settings).result;
}

// Writes as the program does for `what`; the reason of a failure, empty on success.
QString write(Written what, const QString &path)
{
    if (what == Written::RiskCsv) {
        static const RiskResult run = longRiskRun();
        return saveRiskCsv(run, path).value_or(QString());
    }
    const auto failure = writeFileSafely(path, QByteArray(10000, 'x'));
    if (failure && failure->fileName != path)
        return QStringLiteral("failure names %1").arg(failure->fileName);
    return failure ? failure->reason : QString();
}

} // namespace

Q_DECLARE_METATYPE(Written)

class TestSafeWrite : public QObject {
    Q_OBJECT

private slots:
    void failedWriteKeepsTheEarlierFile_data();
    void failedWriteKeepsTheEarlierFile();
};

void TestSafeWrite::failedWriteKeepsTheEarlierFile_data()
{
    QTest::addColumn<Written>("what");
    QTest::addRow("bytes") << Written::Bytes;
    QTest::addRow("risk CSV") << Written::RiskCsv;
}

void TestSafeWrite::failedWriteKeepsTheEarlierFile()
{
    QFETCH(Written, what);
    QTemporaryDir dir;
    const QString path = dir.filePath("result.csv");
    QVERIFY(write(what, path).isEmpty());
    const QByteArray earlier = contents(path);
    QVERIFY(earlier.size() > 4096); // the limit below cuts through a new copy

    QString failure;
    {
        // A disk that fills up after 4 KiB, as in a shell with "ulimit -f 4".
        const FileSizeLimit limit(4096);
        QVERIFY(limit.isSet());
        failure = write(what, path);
    }
    QVERIFY2(failure.contains("File too large"), qPrintable(failure));
    QCOMPARE(contents(path), earlier);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"result.csv"});
}

QTEST_APPLESS_MAIN(TestSafeWrite)
#include "tst_safewrite.moc"
