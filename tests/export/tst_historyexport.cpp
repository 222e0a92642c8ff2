#include "export/historyfiles.h"
#include "export/historywriter.h"
#include "model/simulation.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/simulationfixture.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

#include <clocale>
#include <cmath>
#include <memory>

using namespace velmora;

namespace {

const QStringList kEndings{"-age structure.txt", "-age distribution.txt",
                           "-total population and growth rate.txt",
                           "-growth-birth-death-survival-rate.txt"};

// A run of the model as the main window drives it.
struct Run : SimulationFixture {
    // What the editing window does: new N(0) and H, then a restart at t = 0.
    void restart(const std::vector<std::string> &n0, const std::vector<std::string> &harvest)
    {
        apply({sim.fields().m.begin(), sim.fields().m.end()}, n0, harvest);
    }
};

// The runs behind the expected files in expected/<name>/.
std::unique_ptr<Run> scenario(const QString &name)
{
    auto run = std::make_unique<Run>();
    if (name == "oneprojection") {
        run->project(1);
    } else if (name == "growth43") {
        run->restart({"1", "2", "3", "0"}, {"4", "0", "0", "0"});
        run->project(1);
    } else if (name == "emptystart") {
        run->project(3); // leaves rates and shares at times 0 and 1 that must not show
        run->restart({"0", "0", "0", "0"}, {"5", "0", "0", "0"});
        run->project(1);
    } else if (name == "rejectedstep") {
        run->restart({"0", "0", "0", "1"}, {"5", "0", "0", "0"});
        run->project(1);
    }
    return run;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList namesWith(const QString &prefix)
{
    QStringList names;
    for (const QString &ending : kEndings)
        names << prefix + ending;
    return names;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

// Compares what an export wrote under `base` with expected/<name>/run-*.txt, byte for byte.
void compareWithExpected(const QString &base, const QString &name)
{
    for (const QString &ending : kEndings) {
        const QString expected = QFINDTESTDATA("expected/" + name + "/run" + ending);
        QVERIFY2(!expected.isEmpty(), qPrintable(name + ending));
        QCOMPARE(contents(base + ending), contents(expected));
    }
}

} // namespace

class TestHistoryExport : public QObject {
    Q_OBJECT

private slots:
    void examplesMatchByteForByte_data();
    void examplesMatchByteForByte();
    void growthRateKeepsSevenDigits_data();
    void growthRateKeepsSevenDigits();
    void baseNameDropsLastFourCharacters_data();
    void baseNameDropsLastFourCharacters();
    void filesAppearBesideChosenName_data();
    void filesAppearBesideChosenName();
    void secondExportReplacesAllFiles();
    void failingFileStopsExport();
    void fullDiskKeepsTheEarlierFile();
    void unwritableFolderKeepsEarlierFiles_data();
    void unwritableFolderKeepsEarlierFiles();
    void fullHistoryEndsAtLastTimeIndex();
    void commaLocaleStillWritesPoints();
};

void TestHistoryExport::examplesMatchByteForByte_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("right after start-up") << "startup";
    QTest::addRow("one projection from the defaults") << "oneprojection";
    QTest::addRow("growth rate 4/3 beside 15-digit rates") << "growth43";
    QTest::addRow("run from N(0) = 0 after an earlier run") << "emptystart";
    QTest::addRow("first step rejected") << "rejectedstep";
}

void TestHistoryExport::examplesMatchByteForByte()
{
    QFETCH(QString, name);
    const auto run = scenario(name);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const ExportResult result = writeHistoryFiles(*run->history, dir.filePath("run"));
    QVERIFY2(result.ok(), qPrintable(result.reason));
    compareWithExpected(dir.filePath("run"), name);
}

void TestHistoryExport::growthRateKeepsSevenDigits_data()
{
    QTest::addColumn<float>("grate");
    QTest::addColumn<QByteArray>("row");
    QTest::addRow("4/3") << 4.0f / 3.0f << QByteArray("0,3,1.333333");
    QTest::addRow("tenth, not its float error") << 0.1f << QByteArray("0,3,0.1");
    QTest::addRow("exact") << 1.375f << QByteArray("0,3,1.375");
    QTest::addRow("rounded to 7 digits") << 1234567.89f << QByteArray("0,3,1234568");
    QTest::addRow("smallest plain") << 0.00012345678f << QByteArray("0,3,0.0001234568");
    QTest::addRow("exponent below 0.0001") << 0.00002f << QByteArray("0,3,2E-05");
    QTest::addRow("exponent from 1E15") << 2.5e15f << QByteArray("0,3,2.5E+15");
    QTest::addRow("zero growth") << 0.0f << QByteArray("0,3,0");
}

void TestHistoryExport::growthRateKeepsSevenDigits()
{
    QFETCH(float, grate);
    QFETCH(QByteArray, row);
    auto history = std::make_unique<Module1>();
    history->tcount = 1;
    history->Ntot[0] = 3;
    history->Grate[0] = grate;
    const QList<QByteArray> lines = historyFileBytes(*history, HistoryFile::TotalPopulation)
                                        .split('\n');
    QCOMPARE(lines.value(1), row + "\r");
    QCOMPARE(historyFileBytes(*history, HistoryFile::Rates).split('\n').value(1).split(',').value(1),
             row.split(',').value(2));
}

void TestHistoryExport::baseNameDropsLastFourCharacters_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("base");
    QTest::addRow("extension") << R"(C:\data\results.csv)" << R"(C:\data\results)";
    QTest::addRow("no extension") << R"(C:\data\run1)" << R"(C:\data\)";
    QTest::addRow("unix path") << "/home/ana/run1.txt"
                               << "/home/ana/run1";
    QTest::addRow("long extension") << "/home/ana/run.html"
                                    << "/home/ana/run.";
    QTest::addRow("five characters") << "abcde"
                                     << "a";
    QTest::addRow("four characters") << "abcd" << QString();
    QTest::addRow("three characters") << "abc" << QString();
    QTest::addRow("empty") << QString() << QString();
    QTest::addRow("would cut into the folder") << "/home/ana/abc" << QString();
    QTest::addRow("would cut into a windows folder") << R"(C:\data\abc)" << QString();
    QTest::addRow("accented") << QString::fromUtf8("/home/ana/\xc3\xbc" "ber.csv")
                              << QString::fromUtf8("/home/ana/\xc3\xbc" "ber");
    QTest::addRow("characters outside the BMP count once")
        << QString::fromUtf8("/home/ana/x\xf0\x9f\x90\x9f\xf0\x9f\x90\x9f\xf0\x9f\x90\x9f"
                             "\xf0\x9f\x90\x9f")
        << "/home/ana/x";
}

void TestHistoryExport::baseNameDropsLastFourCharacters()
{
    QFETCH(QString, chosen);
    QFETCH(QString, base);
    QCOMPARE(exportBaseName(chosen), base);
}

void TestHistoryExport::filesAppearBesideChosenName_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("files");
    QTest::addRow("extension") << "results.csv" << namesWith("results");
    QTest::addRow("no extension") << "run1" << namesWith("");
    QTest::addRow("blanks and dots") << "my run.v2.txt" << namesWith("my run.v2");
}

void TestHistoryExport::filesAppearBesideChosenName()
{
    QFETCH(QString, chosen);
    QFETCH(QStringList, files);
    QTemporaryDir dir;
    const auto run = scenario("oneprojection");
    QVERIFY(writeHistoryFiles(*run->history, exportBaseName(dir.filePath(chosen))).ok());
    files.sort();
    QCOMPARE(filesIn(dir.path()), files);
    QCOMPARE(historyFileName(exportBaseName(R"(C:\data\results.csv)"), HistoryFile::Rates),
             QString(R"(C:\data\results-growth-birth-death-survival-rate.txt)"));
}

void TestHistoryExport::secondExportReplacesAllFiles()
{
    QTemporaryDir dir;
    Run run;
    const QString base = dir.filePath("run");
    QVERIFY(writeHistoryFiles(*run.history, base).ok());
    compareWithExpected(base, "startup");
    run.project(1);
    QVERIFY(writeHistoryFiles(*run.history, base).ok());
    compareWithExpected(base, "oneprojection");
    QCOMPARE(filesIn(dir.path()).size(), 4); // no temporary file left behind
}

void TestHistoryExport::failingFileStopsExport()
{
    QTemporaryDir dir;
    const auto run = scenario("oneprojection");
    run->history->Brate[0] = 42; // the rates are formed only after file 3 is on disk
    const QString base = dir.filePath("run");
    QVERIFY(QDir(dir.path()).mkdir("run" + kEndings[2]));

    const ExportResult result = writeHistoryFiles(*run->history, base);
    QCOMPARE(result.status, ExportResult::Status::FileFailed);
    QCOMPARE(result.fileName, base + kEndings[2]);
    QVERIFY(!result.reason.isEmpty());
    QCOMPARE(contents(base + kEndings[0]),
             contents(QFINDTESTDATA("expected/oneprojection/run" + kEndings[0])));
    QCOMPARE(contents(base + kEndings[1]),
             contents(QFINDTESTDATA("expected/oneprojection/run" + kEndings[1])));
    QVERIFY(!QFile::exists(base + kEndings[3]));
    QCOMPARE(run->history->Brate[0], 42.0);
    QCOMPARE(filesIn(dir.path()).size(), 3);
}

void TestHistoryExport::fullDiskKeepsTheEarlierFile()
{
    QTemporaryDir dir;
    Run run;
    const QString base = dir.filePath("run");
    QVERIFY(writeHistoryFiles(*run.history, base).ok());
    const QByteArray earlier = contents(base + kEndings[0]);
    QCOMPARE(run.project(40), 40);

    // A disk that fills up while the new file is written: writes beyond 100 bytes fail. The
    // failure must be reported, and the file written before stay whole.
    ExportResult result;
    {
        const FileSizeLimit limit(100);
        QVERIFY(limit.isSet());
        result = writeHistoryFiles(*run.history, base);
    }

    QCOMPARE(result.status, ExportResult::Status::FileFailed);
    QCOMPARE(result.fileName, base + kEndings[0]);
    QCOMPARE(contents(base + kEndings[0]), earlier);
    QCOMPARE(filesIn(dir.path()).size(), 4); // no temporary file left behind
}

void TestHistoryExport::unwritableFolderKeepsEarlierFiles_data()
{
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::addRow("read-only folder") << true;
    QTest::addRow("a file used as folder") << false;
}

void TestHistoryExport::unwritableFolderKeepsEarlierFiles()
{
    QFETCH(bool, readOnlyFolder);
    QTemporaryDir dir;
    Run run;
    QString base;
    if (readOnlyFolder) {
        QVERIFY(QDir(dir.path()).mkdir("out"));
        base = dir.filePath("out/run");
        QVERIFY(writeHistoryFiles(*run.history, base).ok());
        QVERIFY(QFile::setPermissions(dir.filePath("out"), QFile::ReadOwner | QFile::ExeOwner));
        QFile probe(dir.filePath("out/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(dir.filePath("out"), QFile::ReadOwner | QFile::WriteOwner
                                                           | QFile::ExeOwner);
            QSKIP("This user writes into read-only folders; the next row covers the failure.");
        }
    } else {
        QFile plain(dir.filePath("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.write("keep");
        plain.close();
        base = dir.filePath("plain/run");
    }

    run.project(1);
    const ExportResult result = writeHistoryFiles(*run.history, base);
    if (readOnlyFolder)
        QFile::setPermissions(dir.filePath("out"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(result.status, ExportResult::Status::FileFailed);
    QCOMPARE(result.fileName, base + kEndings[0]);
    QVERIFY(!result.reason.isEmpty());
    if (readOnlyFolder) {
        compareWithExpected(base, "startup");
        QCOMPARE(filesIn(dir.filePath("out")).size(), 4);
    } else {
        QCOMPARE(contents(dir.filePath("plain")), QByteArray("keep"));
        QCOMPARE(filesIn(dir.path()), QStringList{"plain"});
    }
}

void TestHistoryExport::fullHistoryEndsAtLastTimeIndex()
{
    Run run;
    run.project(kLastTime + 1); // the last one is refused: the history is full
    Module1 &h = *run.history;
    QCOMPARE(h.tcount, kLastTime);
    computeRates(h);

    const QList<QByteArray> structure = historyFileBytes(h, HistoryFile::AgeStructure).split('\n');
    QCOMPARE(structure.size(), kLastTime + 3); // header, rows 0..1000, nothing after the last CRLF
    QVERIFY(structure.value(kLastTime + 1).startsWith("1000,"));
    const QList<QByteArray> rates = historyFileBytes(h, HistoryFile::Rates).split('\n');
    QCOMPARE(rates.value(kLastTime + 1), QByteArray("1000,,,,\r"));
    const QList<QByteArray> row999 = rates.value(kLastTime).split(',');
    QCOMPARE(row999.size(), 5);
    QVERIFY(std::fabs(row999.value(1).toDouble() / h.Grate[kLastTime - 1] - 1) < 5e-7);
    // Birth and survival of the last step come from time 1000 itself.
    QCOMPARE(row999.value(2).toDouble(), h.Nhist[0][kLastTime] / h.Ntot[kLastTime - 1]);
    const QList<QByteArray> totals =
        historyFileBytes(h, HistoryFile::TotalPopulation).split('\n');
    QVERIFY(totals.value(kLastTime + 1).endsWith(",\r"));

    // A counter beyond the history still ends the rows at 1000.
    h.tcount = 1500;
    QCOMPARE(historyFileBytes(h, HistoryFile::AgeDistribution).count('\n'), kLastTime + 2);
}

void TestHistoryExport::commaLocaleStillWritesPoints()
{
    const QLocale previous;
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8"))
        QSKIP("no comma-decimal locale installed");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTemporaryDir dir;
    const auto run = scenario("growth43");
    const ExportResult result = writeHistoryFiles(*run->history, dir.filePath("run"));
    std::setlocale(LC_ALL, "C.UTF-8");
    QLocale::setDefault(previous);
    QVERIFY(result.ok());
    compareWithExpected(dir.filePath("run"), "growth43");
}

QTEST_APPLESS_MAIN(TestHistoryExport)
#include "tst_historyexport.moc"
