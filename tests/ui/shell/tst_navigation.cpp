#include "ui/analysis/analysiswindow.h"
#include "ui/lifecycle/lifecyclewindow.h"
#include "ui/yield/yieldwindow.h"
#include "ui/screens/backform.h"
#include "ui/edit/changdat.h"
#include "ui/screens/copyrigh.h"
#include "ui/screens/howto.h"
#include "ui/screens/introfrm.h"
#include "ui/screens/prophecy.h"
#include "ui/screens/quiz.h"
#include "ui/screens/referenc.h"
#include "ui/screens/titlform.h"
#include "ui/screens/vater.h"
#include "tests/support/fakedialogs.h"
#include "ui/main/form1.h"
#include "ui/charts/larggraf.h"
#include "ui/shell/navigation.h"
#include "tests/ui/shell/program.h"
#include "ui/common/programlook.h"
#include "model/simulation.h"

#include <QChart>
#include <QContextMenuEvent>
#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace velmora;

class TestNavigation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyProgramLook(); }
    void changeDefaultsHidesMainAndGoBackRestarts();
    void saveWritesTheRunOrNothingWhenCancelled();
    void closeBoxEndsTheProgram();
    void graphOpensOnAgeStructureAndGoesBack();
    void chartCloseBoxMakesANewWindowNextTime();
    void startUpPhasesColourTheBackdrop();
    void windowsKeepTheirColoursInTheWholeProgram();
    void doubleClickOnHintSkipsPictureScreen();
    void keyBeforeTitleIsDrawnStillShowsBackdrop();
    void informationWindowsReturnToMain_data();
    void informationWindowsReturnToMain();
    void referencesReturnToMainNotIntro();
    void closeBoxDestroysInformationWindow();
    void quitSequenceEndsTheProgram_data();
    void quitSequenceEndsTheProgram();
    void closingTheNoticeAbandonsTheQuit();
    void noticeShowsTheYearOfItsCreation();
    void menuKeyOpensAnalysisAndBack_data();
    void menuKeyOpensAnalysisAndBack();
    void lifeCycleTakesMainModelAndSendsItBack();
    void harvestAndYieldTakesMainModelAndGoesBack();
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
    // The dialog must not ask about replacing the chosen name: no file of that name is written.
    QVERIFY(!p.dialogs.saveOptions.last().confirmOverwrite);
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

void TestNavigation::startUpPhasesColourTheBackdrop()
{
    Program p(false);
    Backform *backdrop = p.navigation.backdrop();
    // The title screen comes first; the backdrop follows once the title has been drawn.
    QVERIFY(p.navigation.titleScreen()->isVisible());
    QVERIFY(!backdrop->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(p.navigation.titleScreen()));
    QTRY_VERIFY(backdrop->isVisible());
    QCOMPARE(backdrop->backgroundColour(), QColor(0, 0, 64));
    QVERIFY(p.navigation.titleScreen()->isVisible());
    QVERIFY(!p.form().isVisible());

    QTest::keyClick(p.navigation.titleScreen(), Qt::Key_Right); // no character: nothing happens
    QTest::keyClick(p.navigation.titleScreen(), Qt::Key_F1);
    QVERIFY(p.navigation.titleScreen()->isVisible());
    QVERIFY(!p.navigation.pictureScreen());

    QTest::mouseClick(p.navigation.titleScreen(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!p.navigation.titleScreen()->isVisible());
    QVERIFY(p.navigation.pictureScreen()->isVisible());
    QCOMPARE(backdrop->backgroundColour(), QColor(255, 255, 255));

    QTest::keyClick(p.navigation.pictureScreen(), Qt::Key_Shift);
    QVERIFY(p.navigation.pictureScreen()->isVisible());
    QTest::keyClick(p.navigation.pictureScreen(), Qt::Key_Space);
    QVERIFY(!p.navigation.pictureScreen()->isVisible());
    QVERIFY(p.form().isVisible());
    QCOMPARE(backdrop->backgroundColour(), QColor(0, 0, 0));

    // The backdrop takes no click and stays behind.
    QVERIFY(!backdrop->isEnabled());
    QTest::mouseClick(backdrop, Qt::LeftButton);
    QVERIFY(p.form().isVisible());
}

void TestNavigation::windowsKeepTheirColoursInTheWholeProgram()
{
    // Linked together, the windows' helpers must not take each other's place.
    Program p;
    auto colours = [](QWidget *w) {
        return qMakePair(w->palette().color(w->foregroundRole()), w->palette().color(w->backgroundRole()));
    };
    QCOMPARE(colours(p.form().findChild<QWidget *>("Harvest_0")),
             qMakePair(QColor(255, 255, 0), QColor(0, 128, 0)));
    QCOMPARE(colours(p.form().findChild<QWidget *>("Label4")),
             qMakePair(QColor(255, 255, 0), QColor(0, 0, 255)));
    p.clickMain("Command5");
    QCOMPARE(colours(p.navigation.changdat()->findChild<QWidget *>("Harvest1_0")),
             qMakePair(QColor(255, 255, 0), QColor(0, 128, 0)));
}

void TestNavigation::doubleClickOnHintSkipsPictureScreen()
{
    Program p(false);
    // Left before it was ever drawn: the backdrop is there all the same.
    emit p.navigation.titleScreen()->leaveForMain();
    QVERIFY(!p.navigation.titleScreen()->isVisible());
    QVERIFY(p.navigation.backdrop()->isVisible());
    QVERIFY(p.form().isVisible());
    QCOMPARE(p.navigation.backdrop()->backgroundColour(), QColor(255, 255, 255));
    // The backdrop stays white until the quit sequence.
    p.clickMain("Command6");
    Program::click(p.navigation.howto(), "Command1");
    QCOMPARE(p.navigation.backdrop()->backgroundColour(), QColor(255, 255, 255));
}

void TestNavigation::keyBeforeTitleIsDrawnStillShowsBackdrop()
{
    Program p(false);
    QTest::keyClick(p.navigation.titleScreen(), Qt::Key_A);
    QVERIFY(p.navigation.pictureScreen()->isVisible());
    QVERIFY(p.navigation.backdrop()->isVisible());
    QCOMPARE(p.navigation.backdrop()->backgroundColour(), QColor(255, 255, 255));
}

void TestNavigation::informationWindowsReturnToMain_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("back");
    QTest::addRow("how to") << "Command6" << "Howto" << "Command1";
    QTest::addRow("intro") << "Command8" << "Introfrm" << "Command1";
    QTest::addRow("heading") << "Label4" << "Introfrm" << "Command1";
    QTest::addRow("quiz") << "Command9" << "Quiz" << "Command1";
}

void TestNavigation::informationWindowsReturnToMain()
{
    QFETCH(QString, opener);
    QFETCH(QString, window);
    QFETCH(QString, back);
    Program p;
    p.clickMain("Command1");
    p.clickMain(opener);
    QWidget *shown = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == window && w->isVisible())
            shown = w;
    }
    QVERIFY(shown);
    QVERIFY(!p.form().isVisible());
    Program::click(shown, back);
    QVERIFY(!shown->isVisible());
    QVERIFY(p.form().isVisible());
    QCOMPARE(p.mainText("n2_0"), QString("35")); // the simulation is as it was left
}

void TestNavigation::referencesReturnToMainNotIntro()
{
    Program p;
    p.clickMain("Command8");
    Program::click(p.navigation.introfrm(), "Command2");
    QVERIFY(!p.navigation.introfrm()->isVisible());
    QVERIFY(p.navigation.referenc()->isVisible());
    Program::click(p.navigation.referenc(), "Command1");
    QVERIFY(p.form().isVisible());
    QVERIFY(!p.navigation.introfrm()->isVisible());

    p.clickMain("Label4");
    Program::click(p.navigation.introfrm(), "Command2");
    Referenc *references = p.navigation.referenc();
    QTest::mouseClick(references->findChild<QWidget *>("Label2"), Qt::LeftButton);
    QVERIFY(references->isVisible()); // a click on the text is no click on the background
    QTest::mouseClick(references, Qt::LeftButton, {}, QPoint(3, references->height() - 3));
    QVERIFY(!references->isVisible());
    QVERIFY(p.form().isVisible());
}

void TestNavigation::closeBoxDestroysInformationWindow()
{
    Program p;
    p.clickMain("Command6");
    QPointer<Howto> first = p.navigation.howto();
    first->close();
    QVERIFY(p.form().isVisible());
    QTRY_VERIFY(first.isNull());
    p.clickMain("Command6");
    QVERIFY(p.navigation.howto() && p.navigation.howto()->isVisible());
}

void TestNavigation::quitSequenceEndsTheProgram_data()
{
    QTest::addColumn<QString>("from");
    QTest::addRow("main window") << "main";
    QTest::addRow("chart window") << "chart";
    QTest::addRow("editing window") << "edit";
}

void TestNavigation::quitSequenceEndsTheProgram()
{
    QFETCH(QString, from);
    Program p;
    runSteps(p, 4);
    QWidget *left = &p.form();
    if (from == "chart") {
        p.clickMain("Command4");
        left = p.navigation.larggraf();
        Program::click(left, "Command5");
    } else if (from == "edit") {
        p.clickMain("Command5");
        left = p.navigation.changdat();
        Program::click(left, "Command2");
    } else {
        p.clickMain("Command3");
    }
    QVERIFY(!left->isVisible());
    QVERIFY(!p.form().isVisible());
    copyrigh *notice = p.navigation.notice();
    QVERIFY(notice && notice->isVisible());
    QCOMPARE(p.navigation.backdrop()->backgroundColour(), QColor(0, 0, 0));

    Program::click(notice, "Command1");
    QVERIFY(!notice->isVisible());
    QVERIFY(p.navigation.dedication()->isVisible());
    QCOMPARE(p.navigation.backdrop()->backgroundColour(), QColor(255, 255, 255));
    QCOMPARE(p.ended.count(), 0);
    Program::click(p.navigation.dedication(), "Command1");
    QCOMPARE(p.ended.count(), 1);
}

void TestNavigation::closingTheNoticeAbandonsTheQuit()
{
    Program p;
    runSteps(p, 4);
    p.clickMain("Command1");
    p.clickMain("Command4");
    Program::click(p.navigation.larggraf(), "Command5");
    QPointer<copyrigh> notice = p.navigation.notice();
    notice->close();
    QVERIFY(p.form().isVisible());
    QVERIFY(!p.navigation.larggraf()->isVisible());
    QCOMPARE(p.navigation.backdrop()->backgroundColour(), QColor(0, 0, 0));
    QCOMPARE(p.mainText("n2_0"), QString("42.5"));
    QCOMPARE(p.ended.count(), 0);
    QTRY_VERIFY(notice.isNull());
}

void TestNavigation::noticeShowsTheYearOfItsCreation()
{
    Program p;
    p.year = 2026;
    p.clickMain("Command3");
    auto holder = [&p] {
        return p.navigation.notice()->findChild<QLabel *>("Label5")->text();
    };
    QVERIFY(holder().contains("1997-2026"));
    p.navigation.notice()->close();
    p.year = 2027; // the run goes on into a new year
    p.clickMain("Command3");
    QTRY_VERIFY(holder().contains("1997-2027"));
}

void TestNavigation::menuKeyOpensAnalysisAndBack_data()
{
    QTest::addColumn<bool>("shiftF10");
    QTest::addRow("Menu key") << false;
    QTest::addRow("Shift+F10") << true;
}

void TestNavigation::menuKeyOpensAnalysisAndBack()
{
    QFETCH(bool, shiftF10);
    Program p;
    QVERIFY(QTest::qWaitForWindowActive(&p.form()));
    QWidget *focus = QApplication::focusWidget();
    if (shiftF10) {
        QTest::keyClick(focus, Qt::Key_F10, Qt::ShiftModifier);
    } else {
        // What the X11 platform sends for the Menu key; the offscreen one sends nothing.
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, focus->rect().center(),
                                   focus->mapToGlobal(focus->rect().center()));
        QApplication::sendEvent(focus, &menuKey);
    }
    // From the keyboard the menu opens with its first entry chosen: Return takes it.
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
    QTRY_VERIFY(p.navigation.analysis() && p.navigation.analysis()->isVisible());
    AnalysisWindow *analysis = p.navigation.analysis();
    QVERIFY(!p.form().isVisible());
    Program::click(analysis, "cmdBack");
    QVERIFY(!analysis->isVisible());
    QVERIFY(p.form().isVisible());
}

void TestNavigation::lifeCycleTakesMainModelAndSendsItBack()
{
    Program p;
    QVERIFY(QTest::qWaitForWindowActive(&p.form()));
    p.form().findChild<QAction *>("lifeCycle")->trigger();
    LifeCycleWindow *window = p.navigation.lifeCycle();
    QVERIFY(window && window->isVisible());
    QVERIFY(!p.form().isVisible());
    // The main window's model, N(t) as N(0): its first fecundity and first survival rate.
    QCOMPARE(QString::number(window->stageModel().F(0, 0)), p.mainText("m_0"));
    QCOMPARE(QString::number(window->stageModel().U(1, 0)), p.mainText("m_4"));
    QCOMPARE(QString::number(window->stageModel().n0(0)), p.mainText("n1_0"));

    window->findChild<QTableWidget *>("fGrid")->item(0, 3)->setText("0.75");
    window->findChild<QTableWidget *>("stagesGrid")->item(1, 1)->setText("7");
    Program::click(window, "cmdSendToMain");
    QVERIFY(!window->isVisible());
    QVERIFY(p.form().isVisible());
    QCOMPARE(p.mainText("m_3"), QString("0.75"));
    QCOMPARE(p.mainText("n1_1"), QString("7"));
    QCOMPARE(p.mainText("simu0"), QString("0"));
}

void TestNavigation::harvestAndYieldTakesMainModelAndGoesBack()
{
    Program p;
    QVERIFY(QTest::qWaitForWindowActive(&p.form()));
    p.form().findChild<QAction *>("harvestAndYield")->trigger();
    YieldWindow *window = p.navigation.harvestAndYield();
    QVERIFY(window && window->isVisible());
    QVERIFY(!p.form().isVisible());
    QSignalSpy finished(window, &YieldWindow::computeFinished);
    Program::click(window, "cmdCompute");
    QVERIFY(finished.wait(60000));
    // The main window's model: R0 = 0 + 1(0.5) + 2(0.5) + 1(0.25).
    QVERIFY(window->densityModel());
    QCOMPARE(window->densityModel()->R0, 1.75);
    Program::click(window, "cmdBack");
    QVERIFY(!window->isVisible());
    QVERIFY(p.form().isVisible());

    // From the Life cycle window: its own model, and Go back returns there.
    p.form().findChild<QAction *>("lifeCycle")->trigger();
    LifeCycleWindow *cycle = p.navigation.lifeCycle();
    cycle->findChild<QAction *>("harvestAndYield")->trigger();
    QVERIFY(window->isVisible());
    QVERIFY(!cycle->isVisible());
    Program::click(window, "cmdBack");
    QVERIFY(cycle->isVisible());
    QVERIFY(!p.form().isVisible());
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
