#include "model/simulation.h"
#include "tests/support/defaultrun.h"
#include "tests/support/simulationfixture.h"

#include <QtTest>

#include <memory>
#include <vector>

using namespace velmora;

namespace {

QString q(const std::string &s) { return QString::fromStdString(s); }

struct Fixture : SimulationFixture {
    const std::vector<std::string> defaultM{"0", "1", "2", "1", "0.5", "0", "0", "0",
                                            "0", "1", "0", "0", "0",   "0", "0.5", "0"};
};

} // namespace

class TestSimulation : public QObject {
    Q_OBJECT

private slots:
    void startUpShowsDefaults();
    void defaultRunMatchesTable_data();
    void defaultRunMatchesTable();
    void firstProjectionRecordsHistory();
    void transitionMovesTextsAndKeepsHistory();
    void negativeClassIsClampedToZero();
    void rejectedStepKeepsCounterAndRepeats();
    void emptyStartEndsSimulation();
    void graphEnabledAtFourthProjection();
    void graphEnabledWhenFourthProjectionRejected();
    void matrixChangeWithdrawsProjection();
    void restartKeepsOlderHistory();
    void historyFullRefusesProjection();
    void overflowRefusesAndChangesNothing();
    void growthRateBeyondFloatIsRefused();
};

void TestSimulation::startUpShowsDefaults()
{
    Fixture f;
    const MainFields &m = f.sim.fields();
    QCOMPARE(q(m.m[0]) + q(m.m[1]) + q(m.m[2]) + q(m.m[3]), QString("0121"));
    QCOMPARE(q(m.m[4]), QString("0.5"));
    QCOMPARE(q(m.m[9]), QString("1"));
    QCOMPARE(q(m.m[14]), QString("0.5"));
    QCOMPARE(q(m.n1[3]), QString("10"));
    QCOMPARE(q(m.Harvest[0]), QString("5"));
    QCOMPARE(q(m.Harvest[1]), QString("0"));
    QCOMPARE(q(m.total1), QString("40"));
    QCOMPARE(q(m.simu0), QString("0"));
    QCOMPARE(q(m.n2[0]), QString(" "));
    QCOMPARE(q(m.total2), QString(" "));
    QCOMPARE(q(m.growrate), QString(" "));
    QCOMPARE(q(m.simut), QString());
    QCOMPARE(f.history->Ntot[0], 40.0);
    QCOMPARE(f.history->tcount, int16_t(0));
    QVERIFY(m.projectEnabled && !m.transitEnabled && m.quitEnabled && !m.graphEnabled);
    QVERIFY(m.projectShown && !m.transitShown && !m.extinctShown);
    QCOMPARE(m.focus, FocusTarget::Project);
}

void TestSimulation::defaultRunMatchesTable_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QStringList>("n2");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("rate");
    const QList<QStringList> rows = defaultRunRows();
    for (int k = 1; k <= rows.size(); ++k) {
        const QStringList &row = rows[k - 1];
        QTest::addRow("%d", k) << k << row.mid(0, 4) << row[4] << row[5];
    }
}

void TestSimulation::defaultRunMatchesTable()
{
    QFETCH(int, k);
    QFETCH(QStringList, n2);
    QFETCH(QString, total);
    QFETCH(QString, rate);
    Fixture f;
    for (int step = 1; step < k; ++step) {
        QCOMPARE(f.sim.Projection(), ProjectionOutcome::Counted);
        f.sim.Transition();
    }
    QCOMPARE(f.sim.Projection(), ProjectionOutcome::Counted);
    const MainFields &m = f.sim.fields();
    QCOMPARE((QStringList{q(m.n2[0]), q(m.n2[1]), q(m.n2[2]), q(m.n2[3])}), n2);
    QCOMPARE(q(m.total2), total);
    QCOMPARE(q(m.growrate), rate);
    QCOMPARE(q(m.simut), QString::number(k));
    QCOMPARE(f.history->Grate[size_t(k - 1)], float(total.toDouble() / f.history->Ntot[size_t(k - 1)]));
    QVERIFY(f.messages.empty());
}

void TestSimulation::firstProjectionRecordsHistory()
{
    Fixture f;
    f.sim.Projection();
    const Module1 &h = *f.history;
    QCOMPARE(h.tcount, int16_t(1));
    QCOMPARE(h.Ntot[1], 55.0);
    QCOMPARE(h.Ndiff[0], 15.0);
    QCOMPARE(h.Grate[0], 1.375f);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(h.Adist[size_t(i)][0], 0.25);
    QCOMPARE(h.Adist[0][1], 35.0 / 55);
    QCOMPARE(h.Nhist[1][1], 5.0);
    const MainFields &m = f.sim.fields();
    QVERIFY(!m.projectEnabled && m.transitEnabled && !m.projectShown && m.transitShown);
    QCOMPARE(m.focus, FocusTarget::Transit);
    // The second growth rate is kept in single precision, not as the double ratio.
    f.sim.Transition();
    f.sim.Projection();
    QCOMPARE(h.Grate[1], float(52.5 / 55));
    QVERIFY(double(h.Grate[1]) != 52.5 / 55);
}

void TestSimulation::transitionMovesTextsAndKeepsHistory()
{
    Fixture f;
    f.sim.Projection();
    f.sim.Transition();
    f.sim.Projection();
    const Module1 before = *f.history;
    f.sim.Transition();
    const MainFields &m = f.sim.fields();
    QCOMPARE(q(m.n1[0]) + "|" + q(m.n1[1]) + "|" + q(m.n1[2]) + "|" + q(m.n1[3]),
             QString("25|17.5|5|5"));
    QCOMPARE(q(m.total1), QString("52.5"));
    QCOMPARE(q(m.simu0), QString("2"));
    QVERIFY(m.n2[0].empty() && m.n2[3].empty() && m.total2.empty() && m.growrate.empty()
            && m.simut.empty());
    QVERIFY(m.projectEnabled && !m.transitEnabled && m.projectShown && !m.transitShown);
    QCOMPARE(m.focus, FocusTarget::Project);
    QVERIFY(std::memcmp(&before.Nhist, &f.history->Nhist, sizeof before.Nhist) == 0);
    QVERIFY(before.Grate == f.history->Grate && before.Ntot == f.history->Ntot);
    QCOMPARE(q(m.total1).toDouble(), f.history->Ntot[size_t(f.history->tcount)]);
}

void TestSimulation::negativeClassIsClampedToZero()
{
    Fixture f;
    f.apply(f.defaultM, {"10", "10", "10", "10"}, {"100", "0", "0", "0"});
    QCOMPARE(f.sim.Projection(), ProjectionOutcome::Counted);
    const MainFields &m = f.sim.fields();
    QCOMPARE(q(m.n2[0]), QString("0"));
    QCOMPARE(q(m.total2), QString("20"));
    QCOMPARE(f.history->Nhist[0][1], 0.0);
    f.sim.Transition();
    QCOMPARE(q(m.n1[0]), QString("0"));
}

void TestSimulation::rejectedStepKeepsCounterAndRepeats()
{
    Fixture f;
    f.apply(f.defaultM, {"10", "10", "10", "10"}, {"100", "100", "100", "100"});
    for (int attempt = 0; attempt < 2; ++attempt) {
        QCOMPARE(f.sim.Projection(), ProjectionOutcome::Rejected);
        QCOMPARE(f.messages.size(), size_t(attempt + 1));
        QCOMPARE(q(f.messages.back().text), QString("Population size = 0"));
        QCOMPARE(q(f.messages.back().title), QString("N = 0"));
        QCOMPARE(f.messages.back().kind, ModelMessage::Kind::RejectedStep);
        const MainFields &m = f.sim.fields();
        QCOMPARE(q(m.n2[0]) + q(m.n2[1]) + q(m.n2[2]) + q(m.n2[3]), QString("0000"));
        QCOMPARE(q(m.total2), QString("0"));
        QCOMPARE(q(m.growrate), QString("0"));
        QCOMPARE(q(m.simut), QString("1"));
        QCOMPARE(f.history->tcount, int16_t(0));
        QVERIFY(m.projectEnabled && !m.transitEnabled && m.projectShown && !m.transitShown);
    }
}

void TestSimulation::emptyStartEndsSimulation()
{
    Fixture f;
    f.apply(f.defaultM, {"0", "0", "0", "0"}, {"5", "0", "0", "0"});
    QCOMPARE(f.history->Ntot[0], 0.0);
    QCOMPARE(q(f.sim.fields().total1), QString("0"));
    QCOMPARE(f.sim.Projection(), ProjectionOutcome::Ended);
    const MainFields &m = f.sim.fields();
    QVERIFY(!m.projectEnabled && !m.transitEnabled && !m.projectShown && m.extinctShown);
    QCOMPARE(m.focus, FocusTarget::Quit);
    QCOMPARE(q(m.simut), QString("1"));
    QCOMPARE(q(m.growrate), QString()); // left as Restart left it
    QCOMPARE(f.history->tcount, int16_t(1));
    QVERIFY(f.messages.empty());
}

void TestSimulation::graphEnabledAtFourthProjection()
{
    Fixture f;
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(f.sim.fields().graphEnabled, false);
        f.sim.Projection();
        f.sim.Transition();
    }
    QVERIFY(f.sim.fields().graphEnabled);
    f.apply(f.defaultM, {"10", "10", "10", "10"}, {"5", "0", "0", "0"});
    QVERIFY(!f.sim.fields().graphEnabled);
}

void TestSimulation::graphEnabledWhenFourthProjectionRejected()
{
    Fixture f;
    // Births die out: only the survivors move on, so the population empties at the fourth step.
    const std::vector<std::string> m{"0", "0", "0", "0", "1", "0", "0", "0",
                                     "0", "1", "0", "0", "0", "0", "1", "0"};
    f.apply(m, {"10", "0", "0", "0"}, {"0", "0", "0", "0"});
    for (int k = 1; k <= 3; ++k) {
        QCOMPARE(f.sim.Projection(), ProjectionOutcome::Counted);
        f.sim.Transition();
    }
    QVERIFY(!f.sim.fields().graphEnabled);
    QCOMPARE(f.sim.Projection(), ProjectionOutcome::Rejected);
    QVERIFY(f.sim.fields().graphEnabled);
    QCOMPARE(f.history->tcount, int16_t(3));
}

void TestSimulation::matrixChangeWithdrawsProjection()
{
    Fixture f;
    f.sim.Projection();
    const Module1 before = *f.history;
    f.sim.setMatrixCell(1, "2");
    const MainFields &m = f.sim.fields();
    QVERIFY(m.n2[0].empty() && m.total2.empty() && m.growrate.empty());
    QVERIFY(m.projectEnabled && !m.transitEnabled);
    QVERIFY(m.transitShown && !m.projectShown); // the arrows wait for the Restart that follows
    QCOMPARE(f.history->tcount, before.tcount);
    QVERIFY(f.history->Ntot == before.Ntot);
    f.sim.Projection();
    QCOMPARE(q(m.n2[0]), QString("45")); // 10 * 2 + 20 + 10 - 5 from the new matrix
}

void TestSimulation::restartKeepsOlderHistory()
{
    Fixture f;
    for (int k = 0; k < 5; ++k) {
        f.sim.Projection();
        f.sim.Transition();
    }
    f.apply(f.defaultM, {"1", "2", "3", "4"}, {"0", "0", "0", "0"});
    const Module1 &h = *f.history;
    QCOMPARE(h.tcount, int16_t(0));
    QCOMPARE(h.Ntot[0], 10.0);
    QCOMPARE(h.Nhist[3][0], 4.0);
    QCOMPARE(h.Ntot[5], 85.0); // the earlier run is still there, outside the valid range
    QCOMPARE(h.Grate[4], 1.0625f);
    const MainFields &m = f.sim.fields();
    QCOMPARE(q(m.total1), QString("10"));
    QCOMPARE(q(m.simu0), QString("0"));
    QVERIFY(m.total2.empty() && m.growrate.empty() && m.simut.empty());
    QVERIFY(m.projectEnabled && !m.transitEnabled && !m.graphEnabled && m.projectShown
            && !m.transitShown && !m.extinctShown);
}

void TestSimulation::historyFullRefusesProjection()
{
    Fixture f;
    // A population that stays at 40 for ever.
    const std::vector<std::string> m{"1", "0", "0", "0", "0", "0", "0", "0",
                                     "0", "0", "0", "0", "0", "0", "0", "0"};
    f.apply(m, {"40", "0", "0", "0"}, {"0", "0", "0", "0"});
    for (int k = 1; k <= 1000; ++k) {
        QCOMPARE(f.sim.Projection(), ProjectionOutcome::Counted);
        f.sim.Transition();
    }
    QCOMPARE(f.history->tcount, int16_t(1000));
    const MainFields before = f.sim.fields();
    QCOMPARE(f.sim.Projection(), ProjectionOutcome::Refused);
    QCOMPARE(f.messages.size(), size_t(1));
    QCOMPARE(f.messages[0].kind, ModelMessage::Kind::HistoryFull);
    QVERIFY(q(f.messages[0].text).contains("Change default values"));
    QCOMPARE(f.history->tcount, int16_t(1000));
    QCOMPARE(f.sim.fields().simut, before.simut);
    QCOMPARE(f.sim.fields().projectEnabled, true);
}

void TestSimulation::overflowRefusesAndChangesNothing()
{
    Fixture f;
    const std::vector<std::string> m{"1E+300", "0", "0", "0", "0", "0", "0", "0",
                                     "0",      "0", "0", "0", "0", "0", "0", "0"};
    f.apply(m, {"1E+10", "0", "0", "0"}, {"0", "0", "0", "0"});
    QCOMPARE(f.sim.Projection(), ProjectionOutcome::Refused);
    QCOMPARE(f.messages.size(), size_t(1));
    QCOMPARE(f.messages[0].kind, ModelMessage::Kind::Overflow);
    const MainFields &mf = f.sim.fields();
    QCOMPARE(f.history->tcount, int16_t(0));
    QVERIFY(mf.n2[0].empty() && mf.total2.empty() && mf.simut.empty());
    QVERIFY(mf.projectEnabled && !mf.transitEnabled);
    QCOMPARE(f.history->Ntot[1], 0.0);

    // A sum that rounds past the largest double in its 15-digit text is refused too.
    const std::vector<std::string> near{"1.7976931348623E+308", "0", "0", "0", "0", "0", "0", "0",
                                        "0", "0", "0", "0", "0", "0", "0", "0"};
    f.apply(near, {"1", "0", "0", "0"}, {"-1E+295", "0", "0", "0"});
    QCOMPARE(f.sim.Projection(), ProjectionOutcome::Refused);
    QCOMPARE(f.messages.back().kind, ModelMessage::Kind::Overflow);
}

void TestSimulation::growthRateBeyondFloatIsRefused()
{
    Fixture f;
    const std::vector<std::string> m{"1E+50", "0", "0", "0", "0", "0", "0", "0",
                                     "0",     "0", "0", "0", "0", "0", "0", "0"};
    f.apply(m, {"1", "0", "0", "0"}, {"0", "0", "0", "0"});
    QCOMPARE(f.sim.Projection(), ProjectionOutcome::Refused);
    QCOMPARE(f.messages.back().kind, ModelMessage::Kind::Overflow);
    QCOMPARE(f.history->tcount, int16_t(0));
}

QTEST_APPLESS_MAIN(TestSimulation)
#include "tst_simulation.moc"
