#include "tests/support/commandlinerun.h"
#include "cli/commandline.h"
#include "modelfile/modelfile.h"
#include "tests/modelfile/badmodelfiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <sstream>

using namespace velmora;

namespace {

using Result = CommandLineResult;

Result run(const QStringList &arguments)
{
    return runVelmoraCli(arguments);
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The model "analyse --json" analysed: M's vital rates f0..f3, s0..s2, then N(0) and H.
QString analysedModel(const QStringList &arguments)
{
    const Result r = run(QStringList{"analyse", "--json"} + arguments);
    if (r.status != 0)
        return "status " + QString::number(r.status) + ": " + r.err;
    const QJsonObject model = QJsonDocument::fromJson(r.out.toUtf8()).object()["model"].toObject();
    const QJsonArray m = model["M"].toArray();
    QStringList values;
    for (int c = 0; c < 4; ++c)
        values << QString::number(m[0].toArray()[c].toDouble());
    for (int r = 1; r < 4; ++r)
        values << QString::number(m[r].toArray()[r - 1].toDouble());
    for (const char *key : {"N", "H"}) {
        QStringList vector;
        for (const QJsonValue &v : model[key].toArray())
            vector << QString::number(v.toDouble());
        values << vector.join(',');
    }
    return values.join(' ');
}

const QByteArray kFile = "{\"format\": \"velmora-model\", \"version\": 1, \"title\": \"Exercise 3\","
                         " \"notes\": \"Watch the total.\", \"fecundities\": [0, 0.4, 0.8, 0.4],"
                         " \"survival\": [0.5, 0.8, 0.5], \"n0\": [100, 90, 80, 70],"
                         " \"harvest\": [1, 2, 3, 4]}";

} // namespace

class TestCliModelFile : public QObject {
    Q_OBJECT

private slots:
    void helpOffersTheModelFile_data();
    void helpOffersTheModelFile();
    void modelOptionsOverrideTheFileWhereverTheyStand_data();
    void modelOptionsOverrideTheFileWhereverTheyStand();
    void runStepsTheFilesModel();
    void analyseShowsTheTitleFirst();
    void badModelFileIsRefusedAndNothingDone_data();
    void badModelFileIsRefusedAndNothingDone();
    void savedModelOpensAsTheOptionsGaveIt_data();
    void savedModelOpensAsTheOptionsGaveIt();
    void saveModelKeepsOrReplacesTitleAndNotes_data();
    void saveModelKeepsOrReplacesTitleAndNotes();
    void saveModelRefusesWithoutWriting_data();
    void saveModelRefusesWithoutWriting();
    void saveModelIntoMissingFolderFailsNamingTheFile();
    void saveModelReplacesAFileOnlyWithForce();
};

void TestCliModelFile::helpOffersTheModelFile_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("usage");
    QTest::addRow("general") << QStringList{"--help"} << "\n  save-model  write a model file";
    for (const char *command : {"run", "analyse", "save-model"})
        QTest::addRow("%s", command) << QStringList{command, "--help"}
                                     << QString("Usage: velmora-cli %1 [--model FILE]").arg(command);
}

void TestCliModelFile::helpOffersTheModelFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, usage);
    const Result r = run(arguments);
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.contains(usage), qPrintable(r.out));
    if (arguments.size() > 1)
        QVERIFY(r.out.contains("  --model FILE     the values of a model file (.velmora)"));
}

void TestCliModelFile::modelOptionsOverrideTheFileWhereverTheyStand_data()
{
    QTest::addColumn<QStringList>("arguments"); // "FILE" stands for the model file
    QTest::addColumn<QString>("model");
    const QString fromFile = "0 0.4 0.8 0.4 0.5 0.8 0.5 100,90,80,70 1,2,3,4";
    QTest::addRow("file alone") << QStringList{"--model", "FILE"} << fromFile;
    QTest::addRow("file, given with =") << QStringList{"--model=FILE"} << fromFile;
    QTest::addRow("harvest after the file")
        << QStringList{"--model", "FILE", "--harvest", "0,0,0,0"}
        << "0 0.4 0.8 0.4 0.5 0.8 0.5 100,90,80,70 0,0,0,0";
    QTest::addRow("harvest before the file")
        << QStringList{"--harvest", "0,0,0,0", "--model", "FILE"}
        << "0 0.4 0.8 0.4 0.5 0.8 0.5 100,90,80,70 0,0,0,0";
    QTest::addRow("matrix before, N(0) after")
        << QStringList{"--matrix", "0,1,2,1,0.5,1,0.5", "--model", "FILE", "--n0", "1,2,3,4"}
        << "0 1 2 1 0.5 1 0.5 1,2,3,4 1,2,3,4";
    QTest::addRow("no file: the default model")
        << QStringList{} << "0 1 2 1 0.5 1 0.5 10,10,10,10 5,0,0,0";
}

void TestCliModelFile::modelOptionsOverrideTheFileWhereverTheyStand()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, model);
    QTemporaryDir dir;
    const QString path = dir.filePath("exercise 3.velmora");
    QVERIFY(writeBytes(path, kFile));
    arguments.replaceInStrings("FILE", path);
    QCOMPARE(analysedModel(arguments), model);
}

void TestCliModelFile::runStepsTheFilesModel()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("exercise.velmora");
    QVERIFY(writeBytes(path, kFile));
    const Result fromFile = run({"run", "--model", path, "--steps", "5"});
    const Result fromOptions = run({"run", "--matrix", "0,0.4,0.8,0.4,0.5,0.8,0.5", "--n0",
                                    "100,90,80,70", "--harvest", "1,2,3,4", "--steps", "5"});
    QCOMPARE(fromFile.status, 0);
    QCOMPARE(fromFile.out, fromOptions.out);
    QCOMPARE(fromFile.out.split('\n').value(1).split(' ', Qt::SkipEmptyParts),
             QStringList({"0", "100", "90", "80", "70", "340"}));
}

void TestCliModelFile::analyseShowsTheTitleFirst()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("exercise.velmora");
    QVERIFY(writeBytes(path, kFile));
    const Result text = run({"analyse", "--model", path});
    QCOMPARE(text.status, 0);
    QVERIFY(text.out.startsWith("Model: Exercise 3\n\nM "));
    // The JSON output is the same with or without a file.
    const Result json = run({"analyse", "--json", "--model", path});
    QVERIFY(json.out.startsWith("{\n"));
    QVERIFY(!QJsonDocument::fromJson(json.out.toUtf8()).isNull());
}

void TestCliModelFile::badModelFileIsRefusedAndNothingDone_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    for (const char *command : {"run", "analyse"}) {
        for (const BadModelFile &bad : badModelFiles())
            QTest::newRow(QByteArray(command).append(": ").append(bad.name).constData())
                << command << bad.bytes << bad.problem;
    }
    QTest::addRow("save-model: newer version")
        << "save-model" << modelFileWith("version", "\"version\": 7")
        << "\"version\" is 7: the file was written by a newer Velmora; this one reads versions up to 2";
}

void TestCliModelFile::badModelFileIsRefusedAndNothingDone()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.velmora");
    QVERIFY(writeBytes(path, bytes));
    QStringList arguments{command, "--model", path, "--harvest", "0,0,0,0"};
    if (command == "run")
        arguments << "--out" << dir.filePath("run");
    if (command == "save-model")
        arguments << dir.filePath("copy.velmora");

    const Result r = run(arguments);
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QString());
    QVERIFY2(r.err.startsWith("velmora-cli " + command + ": --model \"" + path + "\": " + problem),
             qPrintable(r.err));
    QCOMPARE(r.err.count('\n'), 1);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"bad.velmora"});
}

void TestCliModelFile::savedModelOpensAsTheOptionsGaveIt_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addRow("default model") << QStringList{};
    QTest::addRow("every option") << QStringList{"--matrix", "0,0.4,0.8,0.4,0.5,0.8,0.5",
                                                 "--n0", "100,90,80,70", "--harvest", "1,2,3,4"};
    QTest::addRow("limits of the rules")
        << QStringList{"--matrix", "0,0,0,1.79769313486231e308,1,0,1", "--n0", "0,0,0,0",
                       "--harvest", "0,0,0,4.94065645841247E-324"};
    QTest::addRow("more digits than the program keeps")
        << QStringList{"--matrix", "0.12345678901234567,1,2,1,0.5,1,0.5"};
}

void TestCliModelFile::savedModelOpensAsTheOptionsGaveIt()
{
    QFETCH(QStringList, options);
    QTemporaryDir dir;
    const QString path = dir.filePath("saved.velmora");
    const Result saved = run(QStringList{"save-model"} + options + QStringList{path});
    QCOMPARE(saved.status, 0);
    QCOMPARE(saved.out, "Wrote " + path + "\n");
    QCOMPARE(saved.err, QString());
    QVERIFY(readModelFile(path).ok());
    QCOMPARE(analysedModel({"--model", path}), analysedModel(options));
    QCOMPARE(run({"run", "--model", path, "--steps", "3"}).out,
             run(QStringList{"run", "--steps", "3"} + options).out);
}

void TestCliModelFile::saveModelKeepsOrReplacesTitleAndNotes_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("notes");
    QTest::addRow("neither") << QStringList{} << QString() << QString();
    QTest::addRow("title and notes given")
        << QStringList{"--title", "Exercise 4", "--notes", "one\ntwo"} << "Exercise 4"
        << "one\ntwo";
    QTest::addRow("from the file") << QStringList{"--model", "FILE"} << "Exercise 3"
                                   << "Watch the total.";
    QTest::addRow("title over the file's")
        << QStringList{"--title", "Exercise 4", "--model", "FILE"} << "Exercise 4"
        << "Watch the total.";
    QTest::addRow("notes emptied") << QStringList{"--model", "FILE", "--notes", ""}
                                   << "Exercise 3" << QString();
}

void TestCliModelFile::saveModelKeepsOrReplacesTitleAndNotes()
{
    QFETCH(QStringList, options);
    QFETCH(QString, title);
    QFETCH(QString, notes);
    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath("given.velmora"), kFile));
    options.replaceInStrings("FILE", dir.filePath("given.velmora"));
    // A name without an ending gets the model file's.
    const Result r = run(QStringList{"save-model"} + options + QStringList{dir.filePath("out")});
    QCOMPARE(r.status, 0);
    const ModelFileRead read = readModelFile(dir.filePath("out.velmora"));
    QVERIFY2(read.ok(), qPrintable(read.message()));
    QCOMPARE(read.document->title, title);
    QCOMPARE(read.document->notes, notes);
}

void TestCliModelFile::saveModelRefusesWithoutWriting_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::addRow("no file") << QStringList{"--harvest", "1,0,0,0"}
                             << "no FILE given: the model file to write comes last "
                                "(see velmora-cli save-model --help)";
    QTest::addRow("two files") << QStringList{"OUT", "second.velmora"}
                               << "more than one FILE given: \"OUT\" and \"second.velmora\" "
                                  "(see velmora-cli save-model --help)";
    QTest::addRow("nothing at all") << QStringList{}
                                    << "no FILE given: the model file to write comes last "
                                       "(see velmora-cli save-model --help)";
    QTest::addRow("file taken as the title") << QStringList{"--title", "OUT"}
                                             << "no FILE given: the model file to write comes "
                                                "last (see velmora-cli save-model --help)";
    QTest::addRow("option without its value") << QStringList{"OUT", "--title"}
                                              << "option --title needs a value "
                                                 "(see velmora-cli save-model --help)";
    QTest::addRow("a folder") << QStringList{"DIR/"} << "FILE \"DIR/\" names a folder "
                                                        "(see velmora-cli save-model --help)";
    QTest::addRow("title of two lines")
        << QStringList{"--title", "a\nb", "OUT"}
        << "\"title\" must be one line of at most 100 characters";
    QTest::addRow("survival above 1")
        << QStringList{"--matrix", "0,1,2,1,0.5,1.5,0.5", "OUT"}
        << "--matrix: s1 = 1.5: a survival rate must be from 0 to 1";
    QTest::addRow("negative survival")
        << QStringList{"--matrix", "0,1,2,1,0.5,-1,0.5", "OUT"}
        << "--matrix: s1 = -1: a survival rate must be from 0 to 1";
    QTest::addRow("two FILEs") << QStringList{"OUT", "OUT2"}
                               << "more than one FILE given: \"OUT\" and \"OUT2\" "
                                  "(see velmora-cli save-model --help)";
    QTest::addRow("unknown option") << QStringList{"--steps", "4", "OUT"}
                                    << "unknown option --steps (see velmora-cli save-model --help)";
}

void TestCliModelFile::saveModelRefusesWithoutWriting()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QTemporaryDir dir;
    arguments.replaceInStrings("OUT", dir.filePath("out.velmora"));
    message.replace("OUT", dir.filePath("out.velmora"));
    arguments.replaceInStrings("DIR", dir.path());
    message.replace("DIR", dir.path());
    const Result r = run(QStringList{"save-model"} + arguments);
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QString());
    QCOMPARE(r.err, "velmora-cli save-model: " + message + "\n");
    QVERIFY(QDir(dir.path()).isEmpty());
}

void TestCliModelFile::saveModelIntoMissingFolderFailsNamingTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("missing/out.velmora");
    const Result r = run({"save-model", path});
    QCOMPARE(r.status, 1);
    QCOMPARE(r.err, "velmora-cli save-model: \"" + path
                        + "\" could not be written: No such file or directory\n");
    QCOMPARE(r.out, QString());
}

void TestCliModelFile::saveModelReplacesAFileOnlyWithForce()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("exercise.velmora");
    QVERIFY(writeBytes(path, kFile));
    const Result kept = run({"save-model", "--harvest", "0,0,0,0", path});
    QCOMPARE(kept.status, 2);
    QCOMPARE(kept.err, "velmora-cli save-model: the file \"" + path
                           + "\" is there already; give --force to replace it\n");
    QCOMPARE(kept.out, QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), kFile);
    file.close();

    const Result replaced = run({"save-model", "--harvest", "0,0,0,0", "--force", path});
    QCOMPARE(replaced.status, 0);
    QCOMPARE(analysedModel({"--model", path}), analysedModel({"--harvest", "0,0,0,0"}));
}

QTEST_APPLESS_MAIN(TestCliModelFile)
#include "tst_climodelfile.moc"
