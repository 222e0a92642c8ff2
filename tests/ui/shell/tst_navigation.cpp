#include "changdat.h"
#include "fakedialogs.h"
#include "form1.h"
#include "larggraf.h"
#include "navigation.h"
#include "programlook.h"
#include "simulation.h"

#include <QChart>
#include <QChartView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// The whole program's windows around one history, started as the program starts them.
struct Program {
    std::unique_ptr<Module1> history = std::make_unique<Module1>();
    Simulation simulation{*history};
    FakeDialogs dialogs;
    Navigation navigation{*history, simulation, dialogs};
    QSignalSpy ended{&navigation, &Navigation::endRequested};

    Program() { navigation.start(); }

    Form1 &form() { return navigation.mainWindow(); }

    static void click(QWidget *window, const QString &name)
    {
        auto *button = window->findChild<QWidget *>(name);
        QVERIFY2(button, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    void clickMain(const QString &name) { click(&form(), name); }
    QString mainText(const QString &name)
    {
        return form().findChild<QLineEdit *>(name)->text();
    }
};

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyProgramLook(); }
    void changeDefaultsHidesMainAndGoBackRestarts();
    void saveWritesTheRunOrNothingWhenCancelled();
    void closeBoxEndsTheProgram();
    void graphOpensOnAgeStructureAndGoesBack();
    void chartCloseBoxMakesANewWindowNextTime();
};

void TestNavigation::changeDefaultsHidesMainAndGoBackRestarts()
{
    Program p;
    QVERIFY(p.form().isVisible());
    p.clickMain("Command1");
    p.clickMain("Command5");
    Changdat *edit = p.navigation.changdat();
    QVERIFY(edit && edit->isVisible());
    QVERIFY(!p.form().isVisible());

    auto *n0 = edit->findChild<QLineEdit *>("n0_0");
    n0->selectAll();
    QTest::keyClicks(n0, "20");
    Program::click(edit, "Command1");
    QVERIFY(!edit->isVisible());
    QVERIFY(p.form().isVisible());
    QCOMPARE(p.mainText("n1_0"), QString("20"));
    QCOMPARE(p.mainText("total1"), QString("50"));
    QCOMPARE(p.mainText("simu0"), QString("0"));
    QCOMPARE(p.mainText("n2_0"), QString());
    QVERIFY(QTest::qWaitForWindowActive(&p.form()));
    QCOMPARE(QApplication::focusWidget(), p.form().findChild<QPushButton *>("Command1"));

    // The second opening shows the same window with the texts left there.
    p.clickMain("Command5");
    QCOMPARE(p.navigation.changdat(), edit);
    QCOMPARE(edit->findChild<QLineEdit *>("n0_0")->text(), QString("20"));
}

void TestNavigation::saveWritesTheRunOrNothingWhenCancelled()
{
    Program p;
    p.clickMain("Command1");
    p.clickMain("cmdSave");
    QCOMPARE(p.dialogs.proposals.size(), 1);
    QVERIFY(p.history->SaveName.empty());

    QTemporaryDir dir;
    p.dialogs.fileName = dir.filePath("run.txt");
    p.clickMain("cmdSave");
    QFile structure(dir.filePath("run-age structure.txt"));
    QVERIFY(structure.open(QIODevice::ReadOnly));
    QCOMPARE(structure.readAll(),
             QByteArray("\"time\",\"age 0\",\"age 1\",\"age 2\",\"age 3\"\r\n0,10,10,10,10\r\n"
                        "1,35,5,10,5\r\n"));
    QVERIFY(p.form().isVisible());
}

void TestNavigation::closeBoxEndsTheProgram()
{
    Program p;
    p.form().close();
    QCOMPARE(p.ended.count(), 1);
}

namespace {

QString chartTitle(Larggraf *chart)
{
    return chart->findChild<QChartView *>()->chart()->title();
}

QString axisTitle(Larggraf *chart)
{
    return chart->findChild<QChartView *>()->chart()->axes(Qt::Vertical).constFirst()->titleText();
}

void runSteps(Program &p, int count)
{
    for (int k = 0; k < count; ++k) {
        p.clickMain("Command1");
        p.clickMain("Command2");
    }
}

} // namespace

void TestNavigation::graphOpensOnAgeStructureAndGoesBack()
{
    Program p;
    runSteps(p, 8);
    const QString before = p.mainText("total1") + p.mainText("simu0") + p.mainText("n1_3");
    p.clickMain("Command4");
    Larggraf *chart = p.navigation.larggraf();
    QVERIFY(chart && chart->isVisible());
    QVERIFY(!p.form().isVisible());
    QCOMPARE(axisTitle(chart), QString("age size"));

    for (const char *button : {"Command1", "Command2", "Command4", "Command8", "Command3"})
        Program::click(chart, button);
    Program::click(chart, "Command1"); // population size is shown when leaving
    Program::click(chart, "Command6");
    QVERIFY(!chart->isVisible());
    QVERIFY(p.form().isVisible());
    QCOMPARE(p.mainText("total1") + p.mainText("simu0") + p.mainText("n1_3"), before);
    QVERIFY(p.form().findChild<QPushButton *>("Command1")->isEnabled());

    p.clickMain("Command4");
    QCOMPARE(p.navigation.larggraf(), chart);
    QCOMPARE(chartTitle(chart), QString("Age structure"));
    QCOMPARE(axisTitle(chart), QString("age size"));
}

void TestNavigation::chartCloseBoxMakesANewWindowNextTime()
{
    Program p;
    runSteps(p, 4);
    p.clickMain("Command4");
    QPointer<Larggraf> first = p.navigation.larggraf();
    Program::click(first, "Command2");
    first->close();
    QVERIFY(p.form().isVisible());
    QTRY_VERIFY(first.isNull()); // deleted once control returns to the event loop
    p.clickMain("Command4");
    QVERIFY(p.navigation.larggraf());
    QCOMPARE(axisTitle(p.navigation.larggraf()), QString("age size"));
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
