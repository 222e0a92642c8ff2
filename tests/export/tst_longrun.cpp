#include "demography/defaultmodel.h"
#include "model/editentries.h"
#include "export/historyfiles.h"
#include "export/historywriter.h"
#include "base/numbertext.h"
#include "model/simulation.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>
#include <vector>

using namespace velmora;

namespace {

// A whole run driven as a student would: the model typed into the editing window, then
// "Project" pressed 1001 times, "Transit" after every counted step.
struct LongRun {
    std::unique_ptr<Module1> history = std::make_unique<Module1>();
    Simulation sim{*history};
    std::vector<ModelMessage> messages;
    int counted = 0;
    int refused = 0;
    bool refusalChangedFields = false;

    LongRun(const QStringList &fecundities, const QStringList &survival)
    {
        sim.onMessage = [this](const ModelMessage &m) { messages.push_back(m); };
        sim.startUp();
        EditEntries entries;
        for (int i = 0; i < 4; ++i) {
            entries.m1[size_t(i)] = fecundities[i].toStdString();
            entries.Harvest1[size_t(i)] = "0";
        }
        for (size_t i = 0; i < kSurvivalCells.size(); ++i)
            entries.m1[size_t(kSurvivalCells[i])] = survival[int(i)].toStdString();
        if (entries.goBack(sim) != BrokenRule::None)
            qFatal("the long-run model was refused by the editing window");

        for (int click = 0; click < kLastTime + 1; ++click) {
            const MainFields before = sim.fields();
            const ProjectionOutcome outcome = sim.Projection();
            if (outcome == ProjectionOutcome::Counted) {
                ++counted;
                sim.Transition();
                continue;
            }
            ++refused;
            const MainFields &after = sim.fields();
            refusalChangedFields = refusalChangedFields || after.n1 != before.n1
                                   || after.n2 != before.n2 || after.total1 != before.total1
                                   || after.total2 != before.total2 || after.simu0 != before.simu0
                                   || after.projectEnabled != before.projectEnabled;
        }
    }
};

double cell(const QList<QByteArray> &cells, int column)
{
    const ReadResult read = strictValue(cells.value(column).toStdString());
    return read.ok() ? read.value : std::nan("");
}

bool near(double actual, double expected, double relative)
{
    return std::fabs(actual - expected) <= relative * std::max(std::fabs(expected), 1.0);
}

} // namespace

class TestLongRun : public QObject {
    Q_OBJECT

private slots:
    void refusalsComeWithTheirMessage_data();
    void refusalsComeWithTheirMessage();
    void exportOfALongRunIsComplete_data();
    void exportOfALongRunIsComplete();
};

static void addRuns()
{
    QTest::addColumn<QStringList>("fecundities");
    QTest::addColumn<QStringList>("survival");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    // Multiplies by about a million per step: past the range of a double after some fifty.
    QTest::addRow("overflow") << QStringList{"1e6", "1e6", "1e6", "1e6"}
                              << QStringList{"0.5", "1", "0.5"}
                              << int(ModelMessage::Kind::Overflow) << "Numbers too large";
    // Newborns barely survive, so the growth rate is about 1.47: 1000 steps stay near 1E+166.
    QTest::addRow("capacity") << QStringList{"0", "1e6", "1e6", "1e6"}
                              << QStringList{"1e-6", "1", "1"}
                              << int(ModelMessage::Kind::HistoryFull) << "History full";
}

void TestLongRun::refusalsComeWithTheirMessage_data()
{
    addRuns();
}

void TestLongRun::refusalsComeWithTheirMessage()
{
    QFETCH(QStringList, fecundities);
    QFETCH(QStringList, survival);
    QFETCH(int, kind);
    QFETCH(QString, title);
    const LongRun run(fecundities, survival);

    QVERIFY(run.refused > 0);
    QCOMPARE(run.counted + run.refused, kLastTime + 1);
    QCOMPARE(int(run.history->tcount), run.counted);
    if (ModelMessage::Kind(kind) == ModelMessage::Kind::HistoryFull)
        QCOMPARE(run.counted, kLastTime);
    else
        QVERIFY(run.counted > 40 && run.counted < 60);
    // One box per refused click, each of the expected kind, and nothing else.
    QCOMPARE(int(run.messages.size()), run.refused);
    for (const ModelMessage &m : run.messages) {
        QCOMPARE(int(m.kind), kind);
        QCOMPARE(QString::fromStdString(m.title), title);
        QVERIFY(!m.text.empty());
    }
    QVERIFY(!run.refusalChangedFields);
    const MainFields &f = run.sim.fields();
    QVERIFY(f.projectEnabled);
    QCOMPARE(QString::fromStdString(f.simu0), QString::number(run.counted));
    for (const std::string &text : f.n1)
        QVERIFY2(strictValue(text).ok(), text.c_str());
}

void TestLongRun::exportOfALongRunIsComplete_data()
{
    addRuns();
}

void TestLongRun::exportOfALongRunIsComplete()
{
    QFETCH(QStringList, fecundities);
    QFETCH(QStringList, survival);
    LongRun run(fecundities, survival);
    Module1 &h = *run.history;
    const int last = h.tcount;

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString base = dir.filePath("long");
    QVERIFY(writeHistoryFiles(h, base).ok());

    QList<QList<QList<QByteArray>>> files;
    for (const HistoryFile file : kHistoryFiles) {
        QFile in(historyFileName(base, file));
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QByteArray bytes = in.readAll();
        QVERIFY(!bytes.toLower().contains("inf"));
        QVERIFY(!bytes.toLower().contains("nan"));
        QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.takeLast(), QByteArray());
        QCOMPARE(lines.size(), last + 2); // the titles, then t = 0 .. tcount
        QList<QList<QByteArray>> rows;
        for (int t = 0; t <= last; ++t) {
            const QList<QByteArray> cells = lines[t + 1].chopped(1).split(',');
            QCOMPARE(cells.value(0), QByteArray::number(t));
            rows.append(cells);
        }
        files.append(rows);
    }
    const auto &structure = files[0];
    const auto &distribution = files[1];
    const auto &totals = files[2];
    const auto &rates = files[3];

    for (const int t : {0, 1, last / 2, last - 1, last}) {
        for (int i = 0; i < kClasses; ++i) {
            QVERIFY(near(cell(structure[t], i + 1), h.Nhist[i][t], 1e-14));
            QVERIFY(near(cell(distribution[t], i + 1), h.Nhist[i][t] / h.Ntot[t], 1e-13));
        }
        QVERIFY(near(cell(totals[t], 1), h.Ntot[t], 1e-14));
        if (t == last) {
            QCOMPARE(totals[t].value(2), QByteArray());
            QCOMPARE(rates[t].value(2), QByteArray());
            continue;
        }
        const double growth = h.Ntot[t + 1] / h.Ntot[t];
        const double birth = h.Nhist[0][t + 1] / h.Ntot[t];
        const double survived = (h.Nhist[1][t + 1] + h.Nhist[2][t + 1] + h.Nhist[3][t + 1]) / h.Ntot[t];
        QVERIFY(near(cell(totals[t], 2), growth, 1e-6));
        QVERIFY(near(cell(rates[t], 1), growth, 1e-6));
        QVERIFY(near(cell(rates[t], 2), birth, 1e-13));
        QVERIFY(near(cell(rates[t], 3), 1 - survived, 1e-13));
        QVERIFY(near(cell(rates[t], 4), survived, 1e-13));
    }
}

QTEST_APPLESS_MAIN(TestLongRun)
#include "tst_longrun.moc"
