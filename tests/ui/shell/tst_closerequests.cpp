#include "tests/ui/shell/program.h"
#include "ui/common/programlook.h"
#include "ui/screens/backform.h"

#include <QApplication>
#include <QPointer>
#include <QWindow>

using namespace velmora;

namespace {

// What a window manager's close request (Alt+F4, the title bar's close box) does: the same
// path through the platform window, not a call on the widget.
void requestClose(QWidget *window)
{
    QVERIFY(window && window->isVisible() && window->windowHandle());
    window->windowHandle()->close();
}

QStringList visibleWindows(const Program &p)
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w != p.navigation.backdrop())
            names << w->objectName();
    }
    names.sort();
    return names;
}

// Where the run stands: the step counter and the texts of M, N(t), H and N(t+1).
QStringList run(const Program &p)
{
    const MainFields &f = p.simulation.fields();
    QStringList texts{QString::number(p.history->tcount)};
    for (const auto *column : {&f.n1, &f.Harvest, &f.n2})
        for (const std::string &text : *column)
            texts << QString::fromStdString(text);
    for (const std::string &text : f.m)
        texts << QString::fromStdString(text);
    return texts;
}

// Leads a program to a reachable state and returns the window a close request goes to.
QWidget *reach(Program &p, const QString &state)
{
    if (state == QLatin1String("title"))
        return p.navigation.titleScreen();
    if (state == QLatin1String("picture")) {
        QTest::keyClick(p.navigation.titleScreen(), Qt::Key_A);
        return p.navigation.pictureScreen();
    }
    if (state.startsWith(QLatin1String("backdrop"))) {
        if (!QTest::qWaitForWindowExposed(p.navigation.titleScreen()))
            return nullptr;
        if (state == QLatin1String("backdrop behind the title")) {
            // The backdrop follows the title's first drawing.
            if (!QTest::qWaitFor([&p] { return p.navigation.backdrop()->isVisible(); }))
                return nullptr;
        } else {
            QTest::keyClick(p.navigation.titleScreen(), Qt::Key_A);
            QTest::keyClick(p.navigation.pictureScreen(), Qt::Key_Return);
        }
        if (state == QLatin1String("backdrop behind the dedication"))
            p.open(QStringLiteral("dedication"));
        return p.navigation.backdrop();
    }

    QTest::keyClick(p.navigation.titleScreen(), Qt::Key_A);
    QTest::keyClick(p.navigation.pictureScreen(), Qt::Key_Return);
    if (state.startsWith(QLatin1String("editing"))) {
        QWidget *edit = p.open(QStringLiteral("editing"));
        edit->findChild<QLineEdit *>(QStringLiteral("n0_0"))->setText(QStringLiteral("25"));
        if (state == QLatin1String("editing, message shown")) {
            edit->findChild<QLineEdit *>(QStringLiteral("m1_4"))->setText(QStringLiteral("2"));
            Program::click(edit, QStringLiteral("Command1"));
        }
        return edit;
    }
    if (state == QLatin1String("how to, made afresh")) {
        p.open(QStringLiteral("how to"))->close();
        return p.open(QStringLiteral("how to"));
    }
    if (state == QLatin1String("notice, quit from the chart")) {
        Program::click(p.open(QStringLiteral("chart")), QStringLiteral("Command5"));
        return p.navigation.notice();
    }
    if (state == QLatin1String("notice, quit from editing")) {
        Program::click(p.open(QStringLiteral("editing")), QStringLiteral("Command2"));
        return p.navigation.notice();
    }
    if (state == QLatin1String("main, after a projection")) {
        p.clickMain(QStringLiteral("Command1"));
        return &p.form();
    }
    return p.open(state);
}

} // namespace

class TestCloseRequests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyProgramLook(); }
    void closeRequestNeverLeavesOnlyTheBackdrop_data();
    void closeRequestNeverLeavesOnlyTheBackdrop();
    void closeBoxHidesBeforeTheMainWindowShows_data();
    void closeBoxHidesBeforeTheMainWindowShows();
};

void TestCloseRequests::closeRequestNeverLeavesOnlyTheBackdrop_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("front"); // the window in front afterwards; empty: the program ended
    QTest::addRow("title screen") << "title" << "Prophecy";
    QTest::addRow("picture screen") << "picture" << "Form1";
    QTest::addRow("backdrop behind the title") << "backdrop behind the title" << "titlform";
    QTest::addRow("backdrop behind the main window") << "backdrop behind the main window"
                                                     << "Form1";
    QTest::addRow("backdrop behind the dedication") << "backdrop behind the dedication"
                                                    << "Vater";
    QTest::addRow("main window") << "main" << "";
    QTest::addRow("main window after a projection") << "main, after a projection" << "";
    QTest::addRow("editing window") << "editing" << "Changdat";
    QTest::addRow("editing window with a message") << "editing, message shown" << "Changdat";
    QTest::addRow("chart window") << "chart" << "Form1";
    QTest::addRow("how to") << "how to" << "Form1";
    QTest::addRow("how to, made afresh") << "how to, made afresh" << "Form1";
    QTest::addRow("introduction") << "intro" << "Form1";
    QTest::addRow("references") << "references" << "Form1";
    QTest::addRow("quiz") << "quiz" << "Form1";
    QTest::addRow("analysis") << "analysis" << "Form1";
    QTest::addRow("notice, quit from the main window") << "notice" << "Form1";
    QTest::addRow("notice, quit from the chart window") << "notice, quit from the chart"
                                                        << "Form1";
    QTest::addRow("notice, quit from the editing window") << "notice, quit from editing"
                                                          << "Form1";
    QTest::addRow("dedication") << "dedication" << "";
}

void TestCloseRequests::closeRequestNeverLeavesOnlyTheBackdrop()
{
    QFETCH(QString, state);
    QFETCH(QString, front);
    Program p(false);
    QPointer<QWidget> closed = reach(p, state);
    QVERIFY2(closed, qPrintable(state));
    const QStringList before = run(p);
    requestClose(closed);

    if (front.isEmpty()) {
        QCOMPARE(p.ended.count(), 1);
        return;
    }
    QCOMPARE(p.ended.count(), 0);
    // One window of the program stands in front of the backdrop, and it has the keyboard.
    QCOMPARE(visibleWindows(p), QStringList{front});
    QTRY_VERIFY(QApplication::activeWindow());
    QTRY_COMPARE(QApplication::activeWindow()->objectName(), front);
    QVERIFY(p.navigation.backdrop()->isVisible());
    // The run goes on as it was, and the editing window keeps what was typed in it.
    QCOMPARE(run(p), before);
    if (state.startsWith(QLatin1String("editing"))) {
        auto *typed = p.navigation.changdat()->findChild<QLineEdit *>(QStringLiteral("n0_0"));
        QCOMPARE(typed->text(), QStringLiteral("25"));
    }
}

void TestCloseRequests::closeBoxHidesBeforeTheMainWindowShows_data()
{
    QTest::addColumn<QString>("window");
    for (const char *window :
         {"how to", "intro", "references", "quiz", "notice", "chart", "analysis"})
        QTest::addRow("%s", window) << window;
}

void TestCloseRequests::closeBoxHidesBeforeTheMainWindowShows()
{
    QFETCH(QString, window);
    Program p;
    QWidget *closing = p.open(window);
    QVERIFY(closing && !p.form().isVisible());

    // Records, at the moment the main window shows, whether the closing window still shows.
    struct ShowWatch : QObject {
        QPointer<QWidget> closing;
        int shows = 0;
        bool closingStillVisible = false;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Show) {
                ++shows;
                closingStillVisible = closing && closing->isVisible();
            }
            return false;
        }
    } watch;
    watch.closing = closing;
    p.form().installEventFilter(&watch);
    requestClose(closing);
    p.form().removeEventFilter(&watch);

    QCOMPARE(watch.shows, 1);
    QVERIFY(!watch.closingStillVisible);
    QVERIFY(p.form().isVisible());
}

QTEST_MAIN(TestCloseRequests)
#include "tst_closerequests.moc"
