#include "tests/ui/shell/program.h"
#include "ui/common/programlook.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

using namespace velmora;

namespace {

QWidget *focus() { return QApplication::focusWidget(); }

QString focusName()
{
    return focus() ? focus()->objectName() : QStringLiteral("(nothing)");
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QVERIFY2(focus(), "no widget has the keyboard focus");
    QTest::keyClick(focus(), key, modifiers);
}

// Presses Tab until `name` has the focus; a failure lists where the focus went.
void tabTo(const QString &name)
{
    QStringList path{focusName()};
    for (int k = 0; k < 30 && focusName() != name; ++k) {
        press(Qt::Key_Tab);
        path << focusName();
    }
    QVERIFY2(focusName() == name, qPrintable(path.join(QStringLiteral(" -> "))));
}

// A window the program has just shown takes the keys, as a window manager would see to.
void arriveIn(QWidget *window)
{
    QVERIFY(window && window->isVisible());
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(focus() && focus()->window() == window);
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyProgramLook(); }
    void mainLoopWithoutAMouse();
    void everyButtonIsReachedByTab_data();
    void everyButtonIsReachedByTab();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
};

void TestKeyboard::mainLoopWithoutAMouse()
{
    Program p(false);
    arriveIn(p.navigation.titleScreen());
    press(Qt::Key_V);
    arriveIn(p.navigation.pictureScreen());
    press(Qt::Key_Return);
    arriveIn(&p.form());

    // Each step hands the focus to the next one.
    for (int step = 1; step <= 4; ++step) {
        QCOMPARE(focusName(), QString("Command1"));
        press(Qt::Key_Space); // Project
        QCOMPARE(p.mainText("simut"), QString::number(step));
        QCOMPARE(focusName(), QString("Command2"));
        press(Qt::Key_Space); // Transit
        QCOMPARE(p.mainText("simu0"), QString::number(step));
    }
    const QString total = p.mainText("total1");

    tabTo("Command4");
    press(Qt::Key_Space); // Graph
    Larggraf *chart = p.navigation.larggraf();
    arriveIn(chart);
    QVERIFY(!p.form().isVisible());
    tabTo("Command6");
    press(Qt::Key_Space); // Go back
    QVERIFY(!chart->isVisible());
    arriveIn(&p.form());
    QCOMPARE(p.mainText("total1"), total);

    tabTo("cmdSave");
    press(Qt::Key_Space); // the save dialog is cancelled
    QCOMPARE(p.dialogs.proposals.size(), 1);
    QVERIFY(p.history->SaveName.empty());
    arriveIn(&p.form());
    QCOMPARE(focusName(), QString("cmdSave"));

    tabTo("Command5");
    press(Qt::Key_Space); // Change default values
    Changdat *edit = p.navigation.changdat();
    arriveIn(edit);
    QCOMPARE(focusName(), QString("Command1"));
    tabTo("n0_0");
    QTest::keyClicks(focus(), "25"); // Tab selected the old value, typing replaces it
    QCOMPARE(edit->findChild<QLineEdit *>("n0_0")->text(), QString("25"));
    tabTo("Command1");
    press(Qt::Key_Space); // Go Back
    QVERIFY(!edit->isVisible());
    arriveIn(&p.form());
    QCOMPARE(p.mainText("n1_0"), QString("25"));
    QCOMPARE(p.mainText("total1"), QString("55"));
    QCOMPARE(p.mainText("simu0"), QString("0"));
    QCOMPARE(focusName(), QString("Command1"));

    press(Qt::Key_Space); // the run goes on from the new values
    QCOMPARE(p.mainText("simut"), QString("1"));
}

void TestKeyboard::everyButtonIsReachedByTab_data()
{
    QTest::addColumn<QString>("window");
    for (const char *window : {"main", "chart", "editing", "how to", "intro", "references",
                               "quiz", "analysis", "notice", "dedication"})
        QTest::addRow("%s", window) << window;
}

void TestKeyboard::everyButtonIsReachedByTab()
{
    QFETCH(QString, window);
    Program p;
    p.clickMain("Command1"); // "Transit" enabled too
    QWidget *shown = p.open(window);
    arriveIn(shown);

    QList<QAbstractButton *> buttons;
    for (QAbstractButton *button : shown->findChildren<QAbstractButton *>()) {
        if (button->isVisible() && button->isEnabled())
            buttons << button;
    }
    QVERIFY(!buttons.isEmpty());
    QSet<QWidget *> reached{focus()};
    for (int k = 0; k < 2 * buttons.size() + 40; ++k) {
        press(Qt::Key_Tab);
        QVERIFY2(focus()->window() == shown, qPrintable(focusName()));
        reached << focus();
    }
    for (QAbstractButton *button : buttons)
        QVERIFY2(reached.contains(button), qPrintable(button->objectName()));
}

void TestKeyboard::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("next");
    QTest::addRow("main, change") << "main" << "Command5" << "editing";
    QTest::addRow("chart, go back") << "chart" << "Command6" << "main";
    QTest::addRow("how to") << "how to" << "Command1" << "main";
    QTest::addRow("intro, references") << "intro" << "Command2" << "references";
    QTest::addRow("intro") << "intro" << "Command1" << "main";
    QTest::addRow("references") << "references" << "Command1" << "main";
    QTest::addRow("quiz") << "quiz" << "Command1" << "main";
    QTest::addRow("analysis") << "analysis" << "cmdBack" << "main";
    QTest::addRow("editing") << "editing" << "Command1" << "main";
    QTest::addRow("notice") << "notice" << "Command1" << "dedication";
    QTest::addRow("dedication") << "dedication" << "Command1" << "end";
}

void TestKeyboard::enterPressesTheFocusedButton()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(QString, next);
    Program p;
    QWidget *shown = p.open(window);
    arriveIn(shown);
    tabTo(button);
    press(Qt::Key_Return);
    if (next == "end") {
        QCOMPARE(p.ended.count(), 1);
        return;
    }
    QVERIFY(!shown->isVisible());
    QWidget *following = &p.form();
    if (next == "references")
        following = p.navigation.referenc();
    else if (next == "dedication")
        following = p.navigation.dedication();
    else if (next == "editing")
        following = p.navigation.changdat();
    QVERIFY(following && following->isVisible());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
