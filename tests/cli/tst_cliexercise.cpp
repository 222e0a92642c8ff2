#include "exercise/answersfile.h"
#include "tests/support/commandlinerun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;

namespace {

QString example(const char *name)
{
    return QFINDTESTDATA(QStringLiteral("../../examples/%1").arg(name));
}

QString written(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

// The default model with `exercise` as its block.
QByteArray defaultWith(const QByteArray &exercise)
{
    return R"({"format": "velmora-model", "version": 2, "fecundities": [0, 1, 2, 1],
               "survival": [0.5, 1, 0.5], "n0": [10, 10, 10, 10], "harvest": [5, 0, 0, 0],
               "exercise": )" + exercise + "}";
}

} // namespace

class TestCliExercise : public QObject {
    Q_OBJECT

private slots:
    void keyGivesEachStudentOwnModel();
    void checkRefusals_data();
    void checkRefusals();
    void checkFindsAStudentWithoutAnswer();
    void markFlagsEditedFiles();
};

// The key's model is the student's: analysed on its own it gives the key's answers.
void TestCliExercise::keyGivesEachStudentOwnModel()
{
    const QString file = example("growth-and-harvest-exercise.velmora");
    QStringList harvests;
    for (const QString student : {"Ada Lovelace", "Alan Turing"}) {
        const CommandLineResult key = runVelmoraCli({"exercise", "key", file, "--student", student, "--json"});
        QCOMPARE(key.status, 0);
        const QJsonObject json = QJsonDocument::fromJson(key.out.toUtf8()).object();
        QCOMPARE(json["student"].toString(), student);
        const QJsonObject model = json["model"].toObject();
        harvests << QString::number(model["harvest"].toArray().at(0).toDouble());
        const QJsonArray questions = json["questions"].toArray();
        QCOMPARE(questions.size(), 6);

        QTemporaryDir dir;
        const QString modelFile = written(dir, "student.velmora", QJsonDocument(model).toJson());
        const CommandLineResult analysed = runVelmoraCli({"analyse", "--model", modelFile, "--json"});
        QCOMPARE(analysed.status, 0);
        const QJsonObject report = QJsonDocument::fromJson(analysed.out.toUtf8()).object();
        QCOMPARE(questions[0].toObject()["answer"].toDouble(), report["growth"]["lambda"].toDouble());
        QCOMPARE(questions[3].toObject()["answer"].toString(),
                 report["harvestThreshold"]["verdict"].toString());
        QCOMPARE(questions[4].toObject()["answer"].toDouble(),
                 report["harvestThreshold"]["sustainableFactor"].toDouble());
    }
    QCOMPARE(harvests, (QStringList{"13", "10"}));
    // The same name typed otherwise is the same student.
    const CommandLineResult again = runVelmoraCli({"exercise", "key", file, "--student", " ADA lovelace"});
    QVERIFY2(again.out.contains("harvest[0] = 13"), qPrintable(again.out));
}

void TestCliExercise::checkRefusals_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("error");
    QTest::addRow("asks naming no figure")
        << defaultWith(R"({"title": "T", "questions": [{"text": "a", "asks": "growth.lambda"},
                           {"text": "b", "asks": "growth.lambada"}]})")
        << "question 2: \"asks\" is \"growth.lambada\", which names no figure of the report";
    QTest::addRow("bad block") << defaultWith(R"({"title": "T", "questions": [{"text": "a"}]})")
                               << "\"exercise\", question 1: \"asks\" is missing";
    QTest::addRow("no exercise")
        << QByteArray(R"({"format": "velmora-model", "version": 1, "fecundities": [0, 1, 2, 1],
                          "survival": [0.5, 1, 0.5], "n0": [10, 10, 10, 10], "harvest": [5, 0, 0, 0]})")
        << "holds a model but no \"exercise\"";
}

void TestCliExercise::checkRefusals()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const CommandLineResult result = runVelmoraCli({"exercise", "check", written(dir, "e.velmora", file)});
    QCOMPARE(result.status, 2);
    QVERIFY(result.out.isEmpty());
    QVERIFY2(result.err.contains(error), qPrintable(result.err));
}

// Adults that never die have no R0 (I - U has no inverse): the student drawn a survival of 1
// would meet a question without answer.
void TestCliExercise::checkFindsAStudentWithoutAnswer()
{
    QTemporaryDir dir;
    const QString file = written(dir, "e.velmora", R"({"format": "velmora-model", "version": 2,
        "stages": ["seeds", "adults"], "transitions": [[0, 0], [0.5, 0.8]],
        "reproduction": [[0, 2], [0, 0]], "n0": [100, 10], "harvest": [0, 0],
        "exercise": {"title": "T", "questions": [{"text": "R0?", "asks": "growth.R0"}],
                     "vary": [{"value": "transitions[1][1]", "from": 0.8, "to": 1, "step": 0.1}]}})");
    const CommandLineResult result = runVelmoraCli({"exercise", "check", file});
    QCOMPARE(result.status, 1);
    QCOMPARE(result.out, QString("question 1 has no answer with transitions[1][1] = 1\n"
                                 "1 problem in all 3 combinations of the varied values\n"));
}

void TestCliExercise::markFlagsEditedFiles()
{
    const QString file = example("growth-and-harvest-exercise.velmora");
    const ModelFileRead read = readModelFile(file);
    QVERIFY(read.exercise);
    QTemporaryDir dir;
    // Ada answers everything from her key; Alan's file claims a right answer that is wrong.
    const ExerciseSheet ada = exerciseSheet(read, "Ada Lovelace");
    std::vector<StoredAnswer> right;
    for (const Figure &answer : ada.answers)
        right.push_back({answer.text(), Mark::Right, 1});
    const ExerciseSheet alan = exerciseSheet(read, "Alan Turing");
    std::vector<StoredAnswer> claimed(6, StoredAnswer{"1", Mark::Wrong, 3});
    claimed[2].mark = Mark::Right;
    AnswersDocument alanDocument = answersDocument(alan, claimed);
    const QStringList answers{
        written(dir, "ada.velmora-answers", answersFileBytes(answersDocument(ada, right))),
        written(dir, "alan.velmora-answers", answersFileBytes(alanDocument)),
        written(dir, "broken.velmora-answers", "{\"format\": \"velmora-answers\"")};
    const QString csv = dir.filePath("class.csv");
    const CommandLineResult result = runVelmoraCli(QStringList{"exercise", "mark", file} + answers
                                                   + QStringList{"--out", csv});
    // One file could not be read: a script must notice.
    QCOMPARE(result.status, 1);
    const QStringList lines = result.out.split('\n');
    QVERIFY2(lines[1].contains("Ada Lovelace") && lines[1].contains(" 6 ") && !lines[1].contains("DIFFER"),
             qPrintable(lines[1]));
    QVERIFY2(lines[2].contains("Alan Turing") && lines[2].contains("DIFFER"), qPrintable(lines[2]));
    QVERIFY2(lines[3].contains(" unread ") && lines[3].endsWith("this is not a Velmora answers file: it "
                                                                 "holds no {...} object"),
             qPrintable(lines[3]));
    QVERIFY(result.out.contains("cannot be verified"));
    const QByteArray table = fileContents(csv);
    QVERIFY2(table.startsWith("file,student,score,outOf,storedScore,numbers,marks,q1,q2,q3,q4,q5,q6,"
                              "triesUnverified,problem\r\n"),
             table.constData());
    QCOMPARE(table.count("\r\n"), 4);
}

QTEST_APPLESS_MAIN(TestCliExercise)
#include "tst_cliexercise.moc"
