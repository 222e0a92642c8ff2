#include "base/numbertext.h"
#include "exercise/answersfile.h"
#include "exercise/exercise.h"
#include "tests/ui/shell/program.h"
#include "ui/exercise/exercisewindow.h"
#include "ui/lifecycle/lifecyclewindow.h"
#include "ui/risk/riskwindow.h"
#include "ui/yield/yieldwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace velmora;

namespace {

const QString kExample = QStringLiteral(":/examples/growth-and-harvest-exercise.velmora");
const QString kStudent = QStringLiteral("Ada Lovelace");

// Opens the example exercise and starts it under `student`.
ExerciseWindow *startExercise(Program &p, const QString &fileName = kExample)
{
    p.navigation.modelFiles().open(fileName, &p.form());
    ExerciseWindow *window = p.navigation.exercise();
    if (!window)
        return nullptr;
    QTest::keyClicks(window->findChild<QLineEdit *>("studentName"), kStudent);
    Program::click(window, "start");
    return window;
}

QLineEdit *answerField(ExerciseWindow *window, int question)
{
    return window->findChild<QLineEdit *>("answer_" + QString::number(question));
}

QString markOf(ExerciseWindow *window, int question)
{
    return window->findChild<QLabel *>("mark_" + QString::number(question))->text();
}

void answer(ExerciseWindow *window, int question, const QString &text)
{
    answerField(window, question)->setText(text);
    Program::click(window, "check");
}

} // namespace

class TestExerciseWindow : public QObject {
    Q_OBJECT

private slots:
    void typedNameGivesStudentsNumbers();
    void answersMarked_data();
    void answersMarked();
    void triesLimitLocksField();
    void savedAnswersPassTeachersCheck();
    void exerciseWithoutAnalysisKeepsWindowsClosed_data();
    void exerciseWithoutAnalysisKeepsWindowsClosed();
    void badExerciseOpensModelAlone();
    void saveAsExerciseWritesExercise();
};

void TestExerciseWindow::typedNameGivesStudentsNumbers()
{
    Program p;
    ExerciseWindow *window = startExercise(p);
    QVERIFY(window);
    QVERIFY(window->started());
    const ModelFileRead read = readModelFile(kExample);
    const std::vector<double> drawn = drawStudentValues(*read.exercise, kStudent);
    // The main window holds the student's harvest, not the file's 5 shown until the name.
    QCOMPARE_NE(drawn.at(0), 5.0);
    QCOMPARE(p.mainText("Harvest_0"), QString::fromStdString(numberText(drawn.at(0))));
    QVERIFY(p.form().isVisible());
    QVERIFY(window->findChild<QLineEdit *>("studentName")->isReadOnly());
}

void TestExerciseWindow::answersMarked_data()
{
    // A factor on lambda (question 0, tolerance 0.001): close within ten times the tolerance.
    QTest::addColumn<double>("factor");
    QTest::addColumn<QString>("mark");
    QTest::addRow("right") << 1.0 << "Right.";
    QTest::addRow("close") << 1.005 << "Close: check your rounding.";
    QTest::addRow("wrong, with the hint") << 2.0 << "Wrong. Hint: Press Project";
}

void TestExerciseWindow::answersMarked()
{
    QFETCH(double, factor);
    QFETCH(QString, mark);
    Program p;
    ExerciseWindow *window = startExercise(p);
    const double lambda =
        exerciseSheet(readModelFile(kExample), kStudent).answers.at(0).numbers.at(0);
    answer(window, 0, QString::fromStdString(numberText(lambda * factor)));
    QVERIFY2(markOf(window, 0).startsWith(mark), qPrintable(markOf(window, 0)));
    QCOMPARE(window->findChild<QLabel *>("score")->text(),
             factor == 1.0 ? QString("Score: 1 of 6") : QString("Score: 0 of 6"));
}

void TestExerciseWindow::triesLimitLocksField()
{
    Program p;
    ExerciseWindow *window = startExercise(p);
    QCOMPARE(window->block().maxTries, 3);
    answer(window, 1, "100");
    // Check again with the same answer: not another try.
    Program::click(window, "check");
    QVERIFY(markOf(window, 1).endsWith("Try 1 of 3."));
    answer(window, 1, "200");
    QVERIFY(answerField(window, 1)->isEnabled());
    answer(window, 1, "300");
    QVERIFY(!answerField(window, 1)->isEnabled());
    QVERIFY(markOf(window, 1).contains("No tries left"));
    // A locked field's answer, changed behind its back, is not marked again.
    answerField(window, 1)->setText("3");
    Program::click(window, "check");
    QVERIFY(markOf(window, 1).contains("No tries left"));
}

void TestExerciseWindow::savedAnswersPassTeachersCheck()
{
    QTemporaryDir dir;
    Program p;
    ExerciseWindow *window = startExercise(p);
    answer(window, 1, "1.75");
    window->findChild<QComboBox *>("answer_3")->setCurrentIndex(0);
    Program::click(window, "check");
    p.dialogs.fileName = dir.filePath("ada");
    Program::click(window, "saveAnswers");
    QVERIFY(p.dialogs.messages.isEmpty());
    const AnswersFileRead read = readAnswersFile(dir.filePath("ada.velmora-answers"));
    QVERIFY2(read.document, qPrintable(read.problem));
    QCOMPARE(read.document->student, kStudent);
    QCOMPARE(read.document->answers.at(1).answer, QString("1.75"));
    QCOMPARE(read.document->answers.at(3).tries, 1);
    const AnswersCheck check = checkAnswers(readModelFile(kExample), *read.document);
    QVERIFY(!check.numbersDiffer);
    QVERIFY(!check.marksDiffer);
}

void TestExerciseWindow::exerciseWithoutAnalysisKeepsWindowsClosed_data()
{
    QTest::addColumn<QString>("window");
    QTest::addRow("analysis") << "analysis";
    QTest::addRow("risk") << "risk";
    QTest::addRow("harvest and yield") << "yield";
    QTest::addRow("life cycle's analysis tab") << "life cycle";
}

void TestExerciseWindow::exerciseWithoutAnalysisKeepsWindowsClosed()
{
    QFETCH(QString, window);
    QTemporaryDir dir;
    ModelFileRead read = readModelFile(kExample);
    read.exercise->analysis = false;
    const QString fileName = dir.filePath("closed.velmora");
    QVERIFY(writeExerciseFile(fileName, read, *read.exercise).ok);
    Program p;
    ExerciseWindow *exercise = startExercise(p, fileName);
    QVERIFY(exercise);
    // Whether the window (or the tab) opened.
    const auto request = [&]() -> bool {
        if (window == "analysis") {
            emit p.form().analysisRequested();
            return p.navigation.analysis();
        }
        if (window == "risk") {
            emit p.form().riskRequested();
            return p.navigation.risk();
        }
        if (window == "yield") {
            emit p.form().yieldRequested();
            return p.navigation.harvestAndYield();
        }
        emit p.form().lifeCycleRequested();
        auto *views = p.navigation.lifeCycle()->findChild<QTabWidget *>("views");
        return views->isTabEnabled(views->indexOf(p.navigation.lifeCycle()->findChild<QWidget *>("analysis")));
    };
    QVERIFY(!request());
    if (window != "life cycle")
        QCOMPARE(p.dialogs.titles(), QStringList{"Exercise"});
    // Closed exercise, open windows.
    exercise->close();
    QTRY_VERIFY(!p.navigation.exercise());
    QVERIFY(request());
}

void TestExerciseWindow::badExerciseOpensModelAlone()
{
    QTemporaryDir dir;
    QFile source(kExample);
    QVERIFY(source.open(QIODevice::ReadOnly));
    QByteArray bytes = source.readAll();
    bytes.replace("\"asks\": \"growth.R0\"", "\"asks\": \"\"");
    const QString fileName = dir.filePath("bad.velmora");
    QFile bad(fileName);
    QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write(bytes) == bytes.size());
    bad.close();
    Program p;
    QVERIFY(p.navigation.modelFiles().open(fileName, &p.form()));
    QVERIFY(!p.navigation.exercise());
    QCOMPARE(p.dialogs.texts(), QStringList{readModelFile(fileName).exerciseMessage()});
    // The file's own harvest of newborns, 5.
    QCOMPARE(p.mainText("Harvest_0"), QString("5"));
}

void TestExerciseWindow::saveAsExerciseWritesExercise()
{
    QTemporaryDir dir;
    Program p;
    p.dialogs.fileName = dir.filePath("mine");
    p.form().findChild<QAction *>("saveExercise")->trigger();
    const ModelFileRead read = readModelFile(dir.filePath("mine.velmora"));
    QVERIFY2(read.exercise, qPrintable(read.message() + read.exerciseProblem));
    QCOMPARE(read.document->values.fecundities[2], 2.0);
}

QTEST_MAIN(TestExerciseWindow)
#include "tst_exercisewindow.moc"
