#include "model/editentries.h"
#include "base/numbertext.h"
#include "model/simulation.h"
#include "tests/support/simulationfixture.h"

#include <QtTest>

#include <cmath>
#include <memory>

using namespace velmora;

Q_DECLARE_METATYPE(BrokenRule)

namespace {

QString q(const std::string &s) { return QString::fromStdString(s); }

// The text of a cell named as the window names its controls: "m1_4", "n0_0", "Harvest1_2".
std::string &cell(EditEntries &entries, const QString &name)
{
    const int index = name.section('_', 1).toInt();
    if (name.startsWith("m1_"))
        return entries.m1[size_t(index)];
    if (name.startsWith("n0_"))
        return entries.n0[size_t(index)];
    return entries.Harvest1[size_t(index)];
}

// "m1_4=2" sets cell m1_4 to "2"; everything after the first "=" is the typed text.
void type(EditEntries &entries, const QStringList &edits)
{
    for (const QString &edit : edits) {
        const int eq = edit.indexOf('=');
        cell(entries, edit.left(eq)) = edit.mid(eq + 1).toStdString();
    }
}

// The main window's simulation after its load, as the editing window finds it.
struct Fixture : SimulationFixture {
    EditEntries entries;
};

bool sameFields(const MainFields &a, const MainFields &b)
{
    return a.m == b.m && a.n1 == b.n1 && a.Harvest == b.Harvest && a.n2 == b.n2
           && a.total1 == b.total1 && a.total2 == b.total2 && a.growrate == b.growrate
           && a.simu0 == b.simu0 && a.simut == b.simut && a.projectEnabled == b.projectEnabled
           && a.transitEnabled == b.transitEnabled && a.graphEnabled == b.graphEnabled
           && a.projectShown == b.projectShown && a.transitShown == b.transitShown
           && a.focus == b.focus;
}

bool sameTexts(const EditEntries &a, const EditEntries &b)
{
    return a.m1 == b.m1 && a.n0 == b.n0 && a.Harvest1 == b.Harvest1;
}

MessageArea messageFor(BrokenRule rule)
{
    MessageArea area;
    area.shown = rule;
    area.tryAgainVisible = true;
    area.tryAgainEnabled = true;
    return area;
}

} // namespace

class TestEditEntries : public QObject {
    Q_OBJECT

private slots:
    void firstBrokenRuleWins_data();
    void firstBrokenRuleWins();
    void goBackFollowsCheck_data() { firstBrokenRuleWins_data(); }
    void goBackFollowsCheck();
    void newMessageReplacesOlder();
    void tryAgainRestoresMottoAndKeepsTexts();
    void successKeepsMessageShown();
    void mainWindowShownAfterTidyBeforeWrites();
    void appliedValuesRestartTheRun();
};

void TestEditEntries::firstBrokenRuleWins_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<BrokenRule>("rule");
    const QString huge = "&H" + QString(300, 'F');

    QTest::addRow("defaults") << QStringList{} << BrokenRule::None;
    QTest::addRow("survival 1 passes") << QStringList{"m1_14=1"} << BrokenRule::None;
    QTest::addRow("survival 1.0001") << QStringList{"m1_14=1.0001"} << BrokenRule::SurvivalAboveOne;
    QTest::addRow("survival next double above 1")
        << QStringList{"m1_4=1.0000000000000003"} << BrokenRule::SurvivalAboveOne;
    QTest::addRow("survival -0.5") << QStringList{"m1_9=-0.5"} << BrokenRule::SurvivalBelowZero;
    QTest::addRow("survival -0 passes") << QStringList{"m1_4=-0"} << BrokenRule::None;
    QTest::addRow("survival above 1 before below 0")
        << QStringList{"m1_4=-1", "m1_14=2"} << BrokenRule::SurvivalAboveOne;
    QTest::addRow("survival below 0 before fecundity")
        << QStringList{"m1_0=-1", "m1_14=-1"} << BrokenRule::SurvivalBelowZero;
    QTest::addRow("survival before fecundity")
        << QStringList{"m1_3=-1", "m1_9=2"} << BrokenRule::SurvivalAboveOne;
    QTest::addRow("fecundity -0.1") << QStringList{"m1_2=-0.1"} << BrokenRule::FecundityBelowZero;
    QTest::addRow("fecundity before harvest")
        << QStringList{"Harvest1_0=-1", "m1_0=-1"} << BrokenRule::FecundityBelowZero;
    QTest::addRow("harvest before N(0)")
        << QStringList{"n0_0=-1", "Harvest1_3=-2"} << BrokenRule::HarvestBelowZero;
    QTest::addRow("N(0) -1") << QStringList{"n0_3=-1"} << BrokenRule::PopulationBelowZero;
    QTest::addRow("N(0) before too large")
        << QStringList{"m1_0=1e999", "n0_1=-1"} << BrokenRule::PopulationBelowZero;
    QTest::addRow("survival before too large")
        << QStringList{"Harvest1_0=1e999", "m1_14=2"} << BrokenRule::SurvivalAboveOne;
    QTest::addRow("structural zeros unchecked") << QStringList{"m1_7=-5", "m1_15=9"} << BrokenRule::None;
    QTest::addRow("abc reads 0") << QStringList{"n0_0=abc", "m1_4=abc"} << BrokenRule::None;
    QTest::addRow("5kg reads 5") << QStringList{"Harvest1_0=5kg"} << BrokenRule::None;
    QTest::addRow("underflow reads 0") << QStringList{"m1_0=-1e-999"} << BrokenRule::None;

    QTest::addRow("1e999 survival") << QStringList{"m1_4=1e999"} << BrokenRule::TooLarge;
    QTest::addRow("-1e999 survival") << QStringList{"m1_9=-1e999"} << BrokenRule::TooLarge;
    QTest::addRow("1e999 fecundity") << QStringList{"m1_1=1e999"} << BrokenRule::TooLarge;
    QTest::addRow("1e999 structural zero") << QStringList{"m1_11=1e999"} << BrokenRule::TooLarge;
    QTest::addRow("1e999 harvest") << QStringList{"Harvest1_3=1e999"} << BrokenRule::TooLarge;
    QTest::addRow("1D999 N(0)") << QStringList{"n0_2=1D999"} << BrokenRule::TooLarge;
    QTest::addRow("-1e999 N(0)") << QStringList{"n0_2=-1e999"} << BrokenRule::TooLarge;
    QTest::addRow("hex beyond double") << QStringList{"Harvest1_1=" + huge} << BrokenRule::TooLarge;
    QTest::addRow("largest double: text overflows")
        << QStringList{"n0_0=1.7976931348623157e308"} << BrokenRule::TooLarge;
    QTest::addRow("largest 15-digit text passes")
        << QStringList{"n0_0=1.79769313486231e308"} << BrokenRule::None;
    QTest::addRow("N(0) total beyond double")
        << QStringList{"n0_0=1e308", "n0_1=1e308"} << BrokenRule::TooLarge;
    QTest::addRow("N(0) total within double")
        << QStringList{"n0_0=8e307", "n0_1=8e307"} << BrokenRule::None;
}

void TestEditEntries::firstBrokenRuleWins()
{
    QFETCH(QStringList, edits);
    QFETCH(BrokenRule, rule);
    EditEntries entries;
    type(entries, edits);
    const EditEntries before = entries;
    QCOMPARE(entries.check(), rule);
    QVERIFY(sameTexts(entries, before));
    QVERIFY(entries.messages == MessageArea());
}

void TestEditEntries::goBackFollowsCheck()
{
    QFETCH(QStringList, edits);
    QFETCH(BrokenRule, rule);
    Fixture f;
    f.sim.Projection(); // a run in progress, so a refusal visibly keeps it
    type(f.entries, edits);
    const EditEntries before = f.entries;
    const MainFields fieldsBefore = f.sim.fields();
    const int16_t tcountBefore = f.history->tcount;

    QCOMPARE(f.entries.goBack(f.sim), rule);

    if (rule != BrokenRule::None) {
        QVERIFY(sameTexts(f.entries, before));
        QVERIFY(sameFields(f.sim.fields(), fieldsBefore));
        QCOMPARE(f.history->tcount, tcountBefore);
        QVERIFY(f.entries.messages == messageFor(rule));
        return;
    }
    // Whatever was typed, every field the steps read holds a finite number afterwards.
    const MainFields &m = f.sim.fields();
    for (const std::string &text : m.m)
        QVERIFY2(strictValue(text).ok() && std::isfinite(strictValue(text).value), text.c_str());
    for (const std::string &text : m.n1)
        QVERIFY2(strictValue(text).ok(), text.c_str());
    for (const std::string &text : m.Harvest)
        QVERIFY2(lenientValue(text).ok(), text.c_str());
    QVERIFY2(strictValue(m.total1).ok(), m.total1.c_str());
    QVERIFY(std::isfinite(f.history->Ntot[0]));
    QCOMPARE(f.history->tcount, int16_t(0));
    QVERIFY(f.entries.messages == MessageArea());
}

void TestEditEntries::newMessageReplacesOlder()
{
    Fixture f;
    f.entries.m1[4] = "2";
    QCOMPARE(f.entries.goBack(f.sim), BrokenRule::SurvivalAboveOne);
    f.entries.m1[4] = "0.5";
    f.entries.m1[0] = "-3";
    QCOMPARE(f.entries.goBack(f.sim), BrokenRule::FecundityBelowZero);
    QVERIFY(f.entries.messages == messageFor(BrokenRule::FecundityBelowZero));
}

void TestEditEntries::tryAgainRestoresMottoAndKeepsTexts()
{
    Fixture f;
    f.entries.n0[1] = "1e999";
    f.entries.goBack(f.sim);
    const EditEntries before = f.entries;
    f.entries.tryAgain();
    QVERIFY(f.entries.messages == MessageArea());
    QVERIFY(sameTexts(f.entries, before));
}

void TestEditEntries::successKeepsMessageShown()
{
    Fixture f;
    f.entries.Harvest1[2] = "-4";
    f.entries.goBack(f.sim);
    f.entries.Harvest1[2] = "4";
    QCOMPARE(f.entries.goBack(f.sim), BrokenRule::None);
    QVERIFY(f.entries.messages == messageFor(BrokenRule::HarvestBelowZero));
    QCOMPARE(q(f.sim.fields().Harvest[2]), QString("4"));
}

void TestEditEntries::mainWindowShownAfterTidyBeforeWrites()
{
    Fixture f;
    f.entries.m1[1] = " 1 5";
    f.entries.n0[0] = "abc";
    int calls = 0;
    const auto shown = [&] {
        ++calls;
        QCOMPARE(q(f.entries.m1[1]), QString("15"));
        QCOMPARE(q(f.entries.n0[0]), QString("0"));
        QCOMPARE(q(f.sim.fields().m[1]), QString("1"));
        QCOMPARE(q(f.sim.fields().n1[0]), QString("10"));
    };
    f.entries.m1[0] = "-1";
    f.entries.goBack(f.sim, shown);
    QCOMPARE(calls, 0);
    f.entries.m1[0] = "0";
    f.entries.goBack(f.sim, shown);
    QCOMPARE(calls, 1);
    QCOMPARE(q(f.sim.fields().m[1]), QString("15"));
}

void TestEditEntries::appliedValuesRestartTheRun()
{
    Fixture f;
    for (int k = 0; k < 4; ++k) {
        f.sim.Projection();
        f.sim.Transition();
    }
    f.sim.Projection();
    type(f.entries, {"m1_0=1", "m1_1=1", "m1_2=2.50", "m1_3=.5", "m1_4=0.5", "m1_9=0.5",
                     "m1_14=.25", "m1_7=7", "n0_0=10", "n0_1=20", "n0_2=30", "n0_3=40",
                     "Harvest1_0=5kg", "Harvest1_1=0", "Harvest1_2=0", "Harvest1_3=10"});
    QCOMPARE(f.entries.goBack(f.sim), BrokenRule::None);

    const MainFields &m = f.sim.fields();
    QCOMPARE(q(m.m[2]), QString("2.5"));
    QCOMPARE(q(m.m[3]), QString("0.5"));
    QCOMPARE(q(m.m[14]), QString("0.25"));
    QCOMPARE(q(m.m[7]), QString("0")); // structural zeros of the main window are never written
    QCOMPARE(q(f.entries.m1[7]), QString("7"));
    QCOMPARE(q(m.Harvest[0]), QString("5"));
    QCOMPARE(q(f.entries.Harvest1[0]), QString("5kg"));
    QCOMPARE(q(m.total1), QString("100"));
    QCOMPARE(q(m.simu0), QString("0"));
    QVERIFY(m.n2[0].empty() && m.total2.empty() && m.growrate.empty() && m.simut.empty());
    QVERIFY(m.projectEnabled && !m.transitEnabled && !m.graphEnabled && m.projectShown
            && !m.transitShown && !m.extinctShown);
    QCOMPARE(m.focus, FocusTarget::Project);
    QCOMPARE(f.history->tcount, int16_t(0));
    QCOMPARE(f.history->Ntot[0], 100.0);
    QCOMPARE(f.history->Nhist[3][0], 40.0);

    // N(1) = M N(0) - H: 10 + 20 + 75 + 20 - 5, 5, 10, 7.5 - 10 clamped to 0.
    QCOMPARE(f.sim.Projection(), ProjectionOutcome::Counted);
    QCOMPARE(q(m.n2[0]) + "|" + q(m.n2[1]) + "|" + q(m.n2[2]) + "|" + q(m.n2[3]),
             QString("120|5|10|0"));
    QCOMPARE(q(m.total2), QString("135"));
    QCOMPARE(q(m.growrate), QString("1.35"));
    QCOMPARE(f.history->tcount, int16_t(1));
}

QTEST_APPLESS_MAIN(TestEditEntries)
#include "tst_editentries.moc"
