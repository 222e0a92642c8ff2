#include "ui/common/appfonts.h"
#include "ui/edit/changdat.h"
#include "model/simulation.h"
#include "ui/common/twips.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace velmora;

namespace {

QString q(const std::string &s) { return QString::fromStdString(s); }

const QStringList kMessageLabels{"Label1", "Label11", "Label7", "Label8", "Label9", "Label10"};

QStringList allCells()
{
    QStringList names;
    for (int i = 0; i < 16; ++i)
        names << QString("m1_%1").arg(i);
    for (int i = 0; i < 4; ++i)
        names << QString("n0_%1").arg(i) << QString("Harvest1_%1").arg(i);
    return names;
}

// The main window's field that an editing cell is written into.
const std::string &mainField(const MainFields &fields, const QString &cell)
{
    const size_t index = size_t(cell.section('_', 1).toInt());
    if (cell.startsWith("m1_"))
        return fields.m[index];
    if (cell.startsWith("n0_"))
        return fields.n1[index];
    return fields.Harvest[index];
}

// The editing window around a started simulation, with the navigation played by the test:
// "Go Back" hides the window and shows a stand-in main window, "Quit" hides the window.
struct Harness {
    std::unique_ptr<Module1> history = std::make_unique<Module1>();
    Simulation sim{*history};
    QWidget mainWindow;
    Changdat window{sim};
    QStringList events;

    Harness()
    {
        sim.startUp();
        QObject::connect(&window, &Changdat::goBackAccepted, [this] {
            window.hide();
            mainWindow.show();
            events << "accepted m(0)=" + q(sim.fields().m[0]);
        });
        QObject::connect(&window, &Changdat::valuesApplied, [this] {
            events << QString("applied main %1").arg(mainWindow.isVisible() ? "shown" : "hidden");
        });
        QObject::connect(&window, &Changdat::quitRequested, [this] {
            window.hide();
            events << "quit";
        });
    }

    bool open()
    {
        mainWindow.hide();
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        T *child = window.findChild<T *>(name);
        if (!child)
            qFatal("no control %s", qPrintable(name));
        return child;
    }

    // Replaces a cell's text as a user does: click into it, select all, type.
    void type(const QString &cell, const QString &text) const
    {
        QLineEdit *edit = find<QLineEdit>(cell);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }

    void click(const QString &button) const
    {
        QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
    }

    QString text(const QString &cell) const { return find<QLineEdit>(cell)->text(); }

    QStringList texts() const
    {
        QStringList result;
        for (const QString &cell : allCells())
            result << text(cell);
        return result;
    }

    QStringList visibleMessages() const
    {
        QStringList result;
        for (const QString &label : kMessageLabels) {
            if (find(label)->isVisible())
                result << label;
        }
        return result;
    }

    QStringList mainTexts() const
    {
        const MainFields &f = sim.fields();
        QStringList result;
        for (const auto &list : {std::vector<std::string>(f.m.begin(), f.m.end()),
                                 std::vector<std::string>(f.n1.begin(), f.n1.end()),
                                 std::vector<std::string>(f.Harvest.begin(), f.Harvest.end()),
                                 std::vector<std::string>(f.n2.begin(), f.n2.end())}) {
            for (const std::string &s : list)
                result << q(s);
        }
        result << q(f.total1) << q(f.total2) << q(f.growrate) << q(f.simu0) << q(f.simut);
        return result;
    }
};

} // namespace

class TestChangdat : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutes(); }
    void firstOpeningShowsDesignValues();
    void mottoShowsInMingFace();
    void layoutFollowsDesign_data();
    void layoutFollowsDesign();
    void cellsShowTheirRoles();
    void defaultsAppliedAtFirstOpening();
    void goBackChecksAndTidies_data();
    void goBackChecksAndTidies();
    void onlyFirstBrokenRuleShown();
    void newMessageReplacesOlder();
    void messageSurvivesSuccessfulGoBack();
    void reopeningShowsTextsOfLastVisit();
    void newValuesRestartTheRun();
    void quitAppliesNothing();
    void tabOrder_data();
    void tabOrder();
};

void TestChangdat::firstOpeningShowsDesignValues()
{
    Harness h;
    QVERIFY(h.open());
    QCOMPARE(h.texts(), (QStringList{"0", "1", "2", "1", "0.5", "0", "0", "0", "0", "1", "0", "0",
                                     "0", "0", "0.5", "0", "10", "5", "10", "0", "10", "0", "10",
                                     "0"}));
    QVERIFY(h.find<QPushButton>("Command1")->hasFocus());
    QVERIFY(h.find("Label2")->isVisible());
    QVERIFY(h.visibleMessages().isEmpty());
    QVERIFY(!h.find("Command3")->isVisible());
    QVERIFY(!h.find("Command3")->isEnabled());
    QVERIFY(h.find<QLabel>("Label6")->text().contains("matrix H.  In matrix M,"));
    QVERIFY(h.window.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(h.window.size(), twipsSize(9210, 6855));
    QCOMPARE(h.window.geometry().center(), h.window.screen()->availableGeometry().center());
}

void TestChangdat::mottoShowsInMingFace()
{
    Harness h;
    const QLabel *motto = h.find<QLabel>("Label2");
    QVERIFY2(QFontInfo(motto->font()).family().startsWith("AR PL UMing"),
             qPrintable(QFontInfo(motto->font()).family()));
    const QFontMetrics metrics(motto->font());
    for (const QChar c : motto->text())
        QVERIFY(metrics.inFont(c));
}

void TestChangdat::layoutFollowsDesign_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twipsGeometry");
    auto row = [](const char *name, int l, int t, int w, int hgt) {
        QTest::addRow("%s", name) << QString(name) << QRect(l, t, w, hgt);
    };
    row("Label2", 1560, 120, 6375, 615);
    row("Label1", 1920, 120, 3975, 615);
    row("Label11", 1920, 120, 3975, 615);
    row("Label9", 1800, 120, 3975, 615);
    row("Label10", 1920, 120, 3975, 615);
    row("Command3", 6360, 120, 1452, 612);
    row("Frame1", 240, 840, 8775, 1575);
    row("Label6", 240, 240, 8415, 1215);
    row("Label3", 2160, 2520, 735, 615);
    row("Label4", 5280, 2520, 1095, 495);
    row("m1_3", 3600, 3240, 975, 495);
    row("m1_4", 360, 3960, 975, 495);
    row("m1_5", 1560, 3960, 495, 495);
    row("m1_8", 480, 4680, 495, 495);
    row("m1_9", 1440, 4680, 975, 495);
    row("m1_14", 2520, 5400, 975, 495);
    row("m1_15", 3720, 5400, 495, 495);
    row("n0_2", 5160, 4680, 1335, 495);
    row("Harvest1_3", 7320, 5400, 1215, 495);
    row("Command1", 2040, 6240, 1815, 495);
    row("Command2", 5640, 6240, 1815, 495);
    row("Line1", 240, 3120, 0, 2880);  // matrix, left vertical
    row("Line5", 4560, 3000, 120, 120); // matrix, right top stroke
    row("Line18", 8520, 6000, 120, 120); // H, right bottom stroke
}

void TestChangdat::layoutFollowsDesign()
{
    QFETCH(QString, control);
    QFETCH(QRect, twipsGeometry);
    Harness h;
    const QRect expected = twipsRect(twipsGeometry.x(), twipsGeometry.y(), twipsGeometry.width(),
                                     twipsGeometry.height());
    QRect actual = h.find(control)->geometry();
    if (control.startsWith("Line")) // a line's box holds both end pixels
        actual.adjust(0, 0, -1, -1);
    QCOMPARE(actual, expected);
}

void TestChangdat::cellsShowTheirRoles()
{
    Harness h;
    QVERIFY(h.open());
    QCOMPARE(h.window.findChildren<QWidget *>(QRegularExpression("^Line\\d+$")).size(), 18);
    auto colours = [&](const QString &name) {
        const QPalette p = h.find(name)->palette();
        return p.color(QPalette::Text).name() + " on " + p.color(QPalette::Base).name();
    };
    QCOMPARE(colours("m1_0"), QString("#ff0000 on #ffffff"));
    QCOMPARE(colours("m1_14"), QString("#0000ff on #ffffff"));
    QCOMPARE(colours("m1_6"), QString("#000000 on #c0c0c0"));
    QCOMPARE(colours("n0_1"), QString("#000000 on #ffffff"));
    QCOMPARE(colours("Harvest1_2"), QString("#ffff00 on #008000"));
    for (const char *zero : {"m1_5", "m1_6", "m1_7", "m1_8", "m1_10", "m1_11", "m1_12", "m1_13",
                             "m1_15"}) {
        QVERIFY(h.find<QLineEdit>(zero)->isReadOnly());
        h.type(zero, "7");
        QCOMPARE(h.text(zero), QString("0"));
    }
    QVERIFY(!h.find<QLineEdit>("m1_4")->isReadOnly());
    for (const char *button : {"Command1", "Command2", "Command3"}) {
        const QCursor cursor = h.find(button)->cursor();
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), QPoint(12, 1));
    }
}

void TestChangdat::defaultsAppliedAtFirstOpening()
{
    Harness h;
    QVERIFY(h.open());
    h.sim.Projection(); // the main window had moved on before the window was opened
    h.click("Command1");
    QCOMPARE(h.events, (QStringList{"accepted m(0)=0", "applied main shown"}));
    QVERIFY(!h.window.isVisible());
    const MainFields &m = h.sim.fields();
    QCOMPARE(h.mainTexts(),
             (QStringList{"0", "1", "2", "1", "0.5", "0", "0", "0", "0", "1", "0", "0", "0", "0",
                          "0.5", "0", "10", "10", "10", "10", "5", "0", "0", "0", "", "", "", "",
                          "40", "", "", "0", ""}));
    QVERIFY(m.projectEnabled && !m.transitEnabled && m.quitEnabled && !m.graphEnabled);
    QVERIFY(m.projectShown && !m.transitShown && !m.extinctShown);
    QCOMPARE(m.focus, FocusTarget::Project);
    QCOMPARE(h.history->tcount, int16_t(0));
    QCOMPARE(h.history->Ntot[0], 40.0);
}

void TestChangdat::goBackChecksAndTidies_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: the values are applied
    QTest::addColumn<QString>("here");    // the cell's text afterwards
    QTest::addColumn<QString>("there");   // the main window's field afterwards

    QTest::addRow("survival 1 passes") << "m1_14" << "1" << "" << "1" << "1";
    QTest::addRow("survival 1.0001") << "m1_14" << "1.0001" << "Label1" << "" << "";
    QTest::addRow("survival -0.5") << "m1_4" << "-0.5" << "Label11" << "" << "";
    QTest::addRow("fecundity -0.1") << "m1_2" << "-0.1" << "Label7" << "" << "";
    QTest::addRow("harvest -1") << "Harvest1_1" << "-1" << "Label8" << "" << "";
    QTest::addRow("N(0) -2") << "n0_3" << "-2" << "Label9" << "" << "";
    QTest::addRow("abc reads 0") << "n0_2" << "abc" << "" << "0" << "0";
    QTest::addRow("empty reads 0") << "m1_3" << "" << "" << "0" << "0";
    QTest::addRow("blanks inside") << "m1_1" << " 1 5" << "" << "15" << "15";
    QTest::addRow("trailing zero") << "m1_3" << "2.50" << "" << "2.5" << "2.5";
    QTest::addRow("no leading zero") << "m1_0" << ".5" << "" << "0.5" << "0.5";
    QTest::addRow("harvest kept as typed") << "Harvest1_0" << "5kg" << "" << "5kg" << "5";
    QTest::addRow("harvest fraction") << "Harvest1_3" << "0.25" << "" << "0.25" << "0.25";
    QTest::addRow("1e999 survival") << "m1_9" << "1e999" << "Label10" << "" << "";
    QTest::addRow("1e999 N(0)") << "n0_0" << "1e999" << "Label10" << "" << "";
    QTest::addRow("1e999 harvest") << "Harvest1_2" << "1e999" << "Label10" << "" << "";
    QTest::addRow("largest double") << "m1_0" << "1.7976931348623157e308" << "Label10" << ""
                                    << "";
}

void TestChangdat::goBackChecksAndTidies()
{
    QFETCH(QString, cell);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, here);
    QFETCH(QString, there);
    Harness h;
    QVERIFY(h.open());
    h.type(cell, typed);
    const QStringList textsBefore = h.texts();
    const QStringList mainBefore = h.mainTexts();
    h.click("Command1");

    if (!message.isEmpty()) {
        QCOMPARE(h.visibleMessages(), QStringList{message});
        QVERIFY(!h.find("Label2")->isVisible());
        QVERIFY(h.find("Command3")->isVisible() && h.find("Command3")->isEnabled());
        QVERIFY(h.find("Command3")->hasFocus());
        QVERIFY(h.events.isEmpty());
        QVERIFY(h.window.isVisible());
        QCOMPARE(h.texts(), textsBefore);
        QCOMPARE(h.mainTexts(), mainBefore);
        return;
    }
    QCOMPARE(h.events.size(), 2);
    QCOMPARE(h.text(cell), here);
    QCOMPARE(q(mainField(h.sim.fields(), cell)), there);
    QVERIFY(h.open());
    QCOMPARE(h.text(cell), here);
    QVERIFY(h.find("Label2")->isVisible());
}

void TestChangdat::onlyFirstBrokenRuleShown()
{
    Harness h;
    QVERIFY(h.open());
    h.type("m1_0", "-1");
    h.type("n0_1", "-1");
    h.type("m1_4", "2");
    h.type("Harvest1_0", "1e999");
    h.click("Command1");
    QCOMPARE(h.visibleMessages(), QStringList{"Label1"});
}

void TestChangdat::newMessageReplacesOlder()
{
    Harness h;
    QVERIFY(h.open());
    h.type("m1_4", "2");
    h.click("Command1");
    h.type("m1_4", "1");
    h.type("n0_1", "-1");
    h.click("Command1");
    QCOMPARE(h.visibleMessages(), QStringList{"Label9"});
}

void TestChangdat::messageSurvivesSuccessfulGoBack()
{
    Harness h;
    QVERIFY(h.open());
    h.type("m1_9", "3");
    h.click("Command1");
    h.type("m1_9", "1");
    h.click("Command1");
    QCOMPARE(h.events.size(), 2);
    QCOMPARE(q(h.sim.fields().m[9]), QString("1"));

    QVERIFY(h.open());
    QCOMPARE(h.visibleMessages(), QStringList{"Label1"});
    QVERIFY(!h.find("Label2")->isVisible());
    QVERIFY(h.find("Command3")->isVisible() && h.find("Command3")->isEnabled());

    const QStringList texts = h.texts();
    h.click("Command3");
    QVERIFY(h.visibleMessages().isEmpty());
    QVERIFY(h.find("Label2")->isVisible());
    QVERIFY(!h.find("Command3")->isVisible() && !h.find("Command3")->isEnabled());
    QCOMPARE(h.texts(), texts);
}

void TestChangdat::reopeningShowsTextsOfLastVisit()
{
    Harness h;
    QVERIFY(h.open());
    h.type("n0_0", "0012.50");
    h.type("m1_14", " .25 ");
    h.click("Command1");
    // The main window moves on; the editing window must not pick up its values.
    h.sim.Projection();
    h.sim.Transition();
    QVERIFY(h.open());
    QCOMPARE(h.text("n0_0"), QString("12.5"));
    QCOMPARE(h.text("m1_14"), QString("0.25"));
    QCOMPARE(h.text("n0_1"), QString("10"));

    // Texts typed and left through "Quit" are kept as typed.
    h.type("Harvest1_1", "2 birds");
    h.click("Command2");
    QVERIFY(h.open());
    QCOMPARE(h.text("Harvest1_1"), QString("2 birds"));
}

void TestChangdat::newValuesRestartTheRun()
{
    Harness h;
    for (int k = 0; k < 4; ++k) {
        h.sim.Projection();
        h.sim.Transition();
    }
    QVERIFY(h.open());
    h.type("m1_0", "1");
    h.type("m1_2", "2.5");
    h.type("m1_3", "0.5");
    h.type("m1_14", "0.25");
    h.type("Harvest1_3", "10");
    h.type("n0_1", "20");
    h.type("n0_2", "30");
    h.type("n0_3", "40");
    h.click("Command1");
    // The main window was shown while it still held the old first fecundity.
    QCOMPARE(h.events, (QStringList{"accepted m(0)=0", "applied main shown"}));

    const MainFields &m = h.sim.fields();
    QCOMPARE(q(m.total1), QString("100"));
    QCOMPARE(q(m.simu0), QString("0"));
    QVERIFY(m.n2[0].empty() && m.total2.empty() && m.growrate.empty() && m.simut.empty());
    QVERIFY(m.projectEnabled && !m.transitEnabled && !m.graphEnabled && m.projectShown);
    QCOMPARE(m.focus, FocusTarget::Project);
    QCOMPARE(h.history->tcount, int16_t(0));
    QCOMPARE(h.history->Nhist[2][0], 30.0);

    // N(1) = M N(0) - H = (10 + 20 + 75 + 20 - 5, 0.5 * 10, 1 * 20, 0.25 * 30 - 10 clamped to 0).
    QCOMPARE(h.sim.Projection(), ProjectionOutcome::Counted);
    QCOMPARE(q(m.n2[0]) + "|" + q(m.n2[1]) + "|" + q(m.n2[2]) + "|" + q(m.n2[3]),
             QString("120|5|20|0"));
    QCOMPARE(q(m.total2), QString("145"));
    QCOMPARE(q(m.growrate), QString("1.45"));
    QCOMPARE(h.history->Ntot[1], 145.0);
}

void TestChangdat::quitAppliesNothing()
{
    Harness h;
    h.sim.Projection();
    const QStringList mainBefore = h.mainTexts();
    QVERIFY(h.open());
    h.type("m1_0", "9");
    h.click("Command2");
    QCOMPARE(h.events, QStringList{"quit"});
    QCOMPARE(h.mainTexts(), mainBefore);
    QCOMPARE(h.history->tcount, int16_t(1));
    QVERIFY(!h.window.isVisible());
}

void TestChangdat::tabOrder_data()
{
    QTest::addColumn<bool>("messageShown");
    QTest::addRow("editing") << false;
    QTest::addRow("message shown") << true;
}

void TestChangdat::tabOrder()
{
    QFETCH(bool, messageShown);
    Harness h;
    QVERIFY(h.open());
    if (messageShown) {
        h.type("Harvest1_3", "-1");
        h.click("Command1");
        h.find("Command1")->setFocus();
    }
    QStringList expected{"Command1", "n0_3", "n0_2",  "n0_1", "n0_0", "m1_14", "m1_9",
                         "m1_4",     "m1_3", "m1_2",  "m1_1", "m1_0", "Command2"};
    if (messageShown)
        expected << "Command3";
    expected << "Harvest1_0" << "Harvest1_1" << "Harvest1_2" << "Harvest1_3" << "Command1";

    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

QTEST_MAIN(TestChangdat)
#include "tst_changdat.moc"
