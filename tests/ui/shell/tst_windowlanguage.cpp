#include "exercise/answersfile.h"
#include "language/languagechoice.h"
#include "tests/ui/shell/program.h"
#include "ui/exercise/exercisewindow.h"
#include "ui/lifecycle/lifecyclewindow.h"
#include "ui/lifecycle/stageedit.h"
#include "ui/risk/riskwindow.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>

using namespace velmora;

namespace {

// What the student reads at `where`, in a program started in the language installed.
QString shownText(Program &p, const QString &where)
{
    if (where.startsWith(QLatin1String("risk"))) {
        emit p.form().riskRequested();
        RiskWindow *risk = p.navigation.risk();
        return where == QLatin1String("risk window")
                   ? risk->windowTitle()
                   : risk->findChild<QChartView *>("riskChart")->chart()->title();
    }
    if (where == QLatin1String("analysis window"))
        return p.open("analysis")->findChild<QLabel *>("titleLabel")->text();
    if (where == QLatin1String("life-cycle window")) {
        emit p.form().lifeCycleRequested();
        return p.navigation.lifeCycle()->windowTitle();
    }
    // A word that is no number is refused before the model is looked at.
    StageModel model;
    return setStageValue(model, StagePart::U, 0, 0, QStringLiteral("abc")).value_or(QString());
}

} // namespace

// The windows in the language chosen at start: their texts are found under the context each
// asks for, and what they save stays the same in every language.
class TestWindowLanguage : public QObject {
    Q_OBJECT

private slots:
    void windowTextFoundInTranslation_data();
    void windowTextFoundInTranslation();
    void verdictShownTranslatedSavedInEnglish();
};

void TestWindowLanguage::windowTextFoundInTranslation_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("english");
    // A QObject window asks under "velmora::Name"; helpers ask under contexts of their own.
    QTest::addRow("window of a QObject class") << "risk window" << "Risk under variability";
    QTest::addRow("chart drawn by a free function") << "risk chart"
                                                    << "Risk of falling below Q by step t";
    QTest::addRow("label set after building") << "analysis window" << "Model analysis";
    QTest::addRow("window made on demand") << "life-cycle window" << "Life cycle";
    QTest::addRow("refusal of a plain function")
        << "stage refusal"
        << "\"abc\" is not a number. Type a number such as 0.25 or 1E-3 to try again.";
}

void TestWindowLanguage::windowTextFoundInTranslation()
{
    QFETCH(QString, where);
    QFETCH(QString, english);
    InstalledLanguage german(QStringLiteral("de"));
    Program p;
    const QString shown = shownText(p, where);
    QVERIFY(!shown.isEmpty());
    QVERIFY2(shown != english, qPrintable(shown));
}

void TestWindowLanguage::verdictShownTranslatedSavedInEnglish()
{
    InstalledLanguage german(QStringLiteral("de"));
    QTemporaryDir dir;
    Program p;
    p.navigation.modelFiles().open(QStringLiteral(":/examples/growth-and-harvest-exercise.velmora"),
                                   &p.form());
    ExerciseWindow *window = p.navigation.exercise();
    QVERIFY(window);
    QTest::keyClicks(window->findChild<QLineEdit *>("studentName"), QStringLiteral("Ada"));
    Program::click(window, "start");
    auto *verdict = window->findChild<QComboBox *>("answer_3");
    verdict->setCurrentIndex(0);
    QVERIFY(verdict->currentText() != QLatin1String("grows"));
    Program::click(window, "check");
    p.dialogs.fileName = dir.filePath("ada");
    Program::click(window, "saveAnswers");
    const AnswersFileRead read = readAnswersFile(dir.filePath("ada.velmora-answers"));
    QVERIFY2(read.document, qPrintable(read.problem));
    QCOMPARE(read.document->answers.at(3).answer, QStringLiteral("grows"));
}

QTEST_MAIN(TestWindowLanguage)
#include "tst_windowlanguage.moc"
