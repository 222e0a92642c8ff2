#include "exercise/answersfile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace velmora;

namespace {

// The default model with two questions and a varied harvest of newborns.
ModelFileRead harvestExercise()
{
    return parseModelFile(R"({"format": "velmora-model", "version": 2, "fecundities": [0, 1, 2, 1],
        "survival": [0.5, 1, 0.5], "n0": [10, 10, 10, 10], "harvest": [5, 0, 0, 0],
        "exercise": {"title": "Harvest", "questions": [
            {"text": "lambda?", "asks": "growth.lambda"},
            {"text": "Total after one step?", "asks": "projection.total[1]", "points": 2}],
            "vary": [{"value": "harvest[0]", "from": 0, "to": 20, "step": 1}]}})");
}

// Grace's answers as the window hands them in: lambda right, the total wrong, each tried once.
AnswersDocument handedIn(const ModelFileRead &read)
{
    const ExerciseSheet sheet = exerciseSheet(read, "Grace Hopper");
    const QString lambda = sheet.answers[0].text();
    return answersDocument(sheet, {{lambda, Mark::Right, 1}, {"1", Mark::Wrong, 2}});
}

using Edit = std::function<void(AnswersDocument &)>;

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestAnswersFile : public QObject {
    Q_OBJECT

private slots:
    void writtenFileReadsBack();
    void badFileIsRefused_data();
    void badFileIsRefused();
    void editedFileIsCaught_data();
    void editedFileIsCaught();
};

void TestAnswersFile::writtenFileReadsBack()
{
    const AnswersDocument document = handedIn(harvestExercise());
    QCOMPARE(document.score, 1.0);
    QCOMPARE(document.outOf, 3.0);
    QTemporaryDir dir;
    const QString name = dir.filePath("grace.velmora-answers");
    QVERIFY(!writeAnswersFile(name, document));
    const AnswersFileRead read = readAnswersFile(name);
    QVERIFY2(read.document, qPrintable(read.message()));
    QVERIFY(*read.document == document);
}

void TestAnswersFile::badFileIsRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    const QByteArray good = answersFileBytes(handedIn(harvestExercise()));
    const auto edited = [&good](const char *from, const char *to) {
        return QByteArray(good).replace(from, to);
    };
    QTest::addRow("not JSON") << QByteArray("{\"format\": ") << "this is not a Velmora answers file";
    QTest::addRow("a model file") << QByteArray(R"({"format": "velmora-model"})")
                                  << "\"format\" is \"velmora-model\", not \"velmora-answers\"";
    QTest::addRow("newer version") << edited("\"version\": 1", "\"version\": 2")
                                   << "written by a newer Velmora";
    QTest::addRow("unknown key") << edited("\"score\"", "\"grade\"") << "unknown key \"grade\"";
    QTest::addRow("student of no name") << edited("\"Grace Hopper\"", "\"  \"")
                                        << "\"student\" is \"  \": a student's name";
    QTest::addRow("tries below 0") << edited("\"tries\": 2", "\"tries\": -2")
                                   << "answer 2: \"tries\" is -2";
    QTest::addRow("mark of no kind") << edited("\"wrong\"", "\"half\"")
                                     << "answer 2: \"mark\" is \"half\"";
    QTest::addRow("model value as text") << edited("\"harvest[0]\": ", "\"harvest[0]\": \"1\", \"x\": ")
                                         << "\"harvest[0]\" in \"model\" is \"1\"";
    QTest::addRow("larger than the limit") << QByteArray(kAnswersFileMaxBytes + 1, ' ')
                                           << "larger than 256 KiB";
}

void TestAnswersFile::badFileIsRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    const AnswersFileRead read = parseAnswersFile(bytes);
    QVERIFY(!read.document);
    QVERIFY2(read.problem.contains(problem), qPrintable(read.problem));
}

void TestAnswersFile::editedFileIsCaught_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<bool>("numbersDiffer");
    QTest::addColumn<bool>("marksDiffer");
    QTest::addRow("as handed in") << Edit([](AnswersDocument &) {}) << false << false;
    QTest::addRow("wrong mark turned right")
        << Edit([](AnswersDocument &d) { d.answers[1].mark = Mark::Right; }) << false << true;
    QTest::addRow("score raised") << Edit([](AnswersDocument &d) { d.score = 3; }) << false << true;
    QTest::addRow("easier harvest") << Edit([](AnswersDocument &d) { d.model[0].second += 1; })
                                    << true << false;
    QTest::addRow("another student's name")
        << Edit([](AnswersDocument &d) { d.student = "Alan Turing"; }) << true << false;
    QTest::addRow("answer copied in after marking")
        << Edit([](AnswersDocument &d) { d.answers[1].answer = "1e9"; d.answers[0].answer = "0"; })
        << false << true;
    QTest::addRow("fewer questions' points") << Edit([](AnswersDocument &d) { d.outOf = 1; })
                                             << false << true;
}

void TestAnswersFile::editedFileIsCaught()
{
    QFETCH(Edit, edit);
    QFETCH(bool, numbersDiffer);
    QFETCH(bool, marksDiffer);
    const ModelFileRead read = harvestExercise();
    AnswersDocument document = handedIn(read);
    edit(document);
    const AnswersCheck check = checkAnswers(read, document);
    QVERIFY2(check.problem.isEmpty(), qPrintable(check.problem));
    QCOMPARE(check.numbersDiffer, numbersDiffer);
    QCOMPARE(check.marksDiffer, marksDiffer);
}

QTEST_APPLESS_MAIN(TestAnswersFile)
#include "tst_exerciseanswers.moc"
