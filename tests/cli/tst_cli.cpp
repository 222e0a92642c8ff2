#include "tests/support/commandlinerun.h"
#include "tests/support/defaultrun.h"
#include "cli/commandline.h"
#include "model/editentries.h"
#include "tests/support/fakedialogs.h"
#include "ui/save/historysaver.h"
#include "model/simulation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <sstream>
#include <stdexcept>

using namespace velmora;

namespace {

using Result = CommandLineResult;

Result run(const QStringList &arguments)
{
    return runVelmoraCli(arguments);
}

// The lines of a run's step table, split into their cells.
QList<QStringList> tableRows(const QString &out)
{
    QList<QStringList> rows;
    for (const QString &line : out.split('\n', Qt::SkipEmptyParts))
        rows.append(line.split(' ', Qt::SkipEmptyParts));
    return rows;
}

const QStringList kEndings{"-age structure.txt", "-age distribution.txt",
                           "-total population and growth rate.txt",
                           "-growth-birth-death-survival-rate.txt"};

QStringList historyFiles(const QString &base)
{
    QStringList names;
    for (const QString &ending : kEndings)
        names << base + ending;
    names.sort();
    return names;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void helpOfEveryCommand_data();
    void helpOfEveryCommand();
    void badCommandLineIsRefusedWithOneLine_data();
    void badCommandLineIsRefusedWithOneLine();
    void acceptedValues_data();
    void acceptedValues();
    void runShowsTheMainWindowsTexts();
    void runSaysWhyItStopped_data();
    void runSaysWhyItStopped();
    void refusedStepEndsTheRunWithStatusOne();
    void analyseAsJson();
    void thresholdDecidesWhenThePopulationIsGone_data();
    void thresholdDecidesWhenThePopulationIsGone();
    void analyseAsTextShowsEveryFigure();
    void explainPrintsWhatEachFigureTells();
    void runWritesWhatSaveWrites_data();
    void runWritesWhatSaveWrites();
    void unwritableOutFailsNamingTheFile_data();
    void unwritableOutFailsNamingTheFile();
    void refusedCommandWritesNothing_data();
    void refusedCommandWritesNothing();
    void escapedErrorEndsWithOneLine_data();
    void escapedErrorEndsWithOneLine();
};

void TestCli::helpOfEveryCommand_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("usage");
    QTest::addRow("general") << QStringList{"--help"} << "Usage: velmora-cli [--lang CODE] COMMAND";
    QTest::addRow("general, short") << QStringList{"-h"} << "Usage: velmora-cli [--lang CODE] COMMAND";
    QTest::addRow("analyse") << QStringList{"analyse", "--help"} << "Usage: velmora-cli analyse";
    QTest::addRow("run") << QStringList{"run", "--help"} << "Usage: velmora-cli run";
    QTest::addRow("run, after a bad value") << QStringList{"run", "--steps", "x", "-h"}
                                            << "Usage: velmora-cli run";
    QTest::addRow("help COMMAND") << QStringList{"help", "save-model"}
                                  << "Usage: velmora-cli save-model";
    QTest::addRow("help alone") << QStringList{"help"} << "Usage: velmora-cli [--lang CODE] COMMAND";
    QTest::addRow("version") << QStringList{"--version"} << "velmora-cli 0.";
    QTest::addRow("version before a command") << QStringList{"--version", "run", "--speed"}
                                              << "velmora-cli 0.";
}

void TestCli::helpOfEveryCommand()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, usage);
    const Result r = run(arguments);
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.startsWith(usage));
    QCOMPARE(r.err, QString());
}

void TestCli::badCommandLineIsRefusedWithOneLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("line");
    const QString run = "velmora-cli run: ";
    QTest::addRow("no command") << QStringList{}
                                << "velmora-cli: no command given (see velmora-cli --help)";
    QTest::addRow("unknown command")
        << QStringList{"plot"} << "velmora-cli: unknown command plot (see velmora-cli --help)";
    QTest::addRow("unknown option") << QStringList{"run", "--speed", "3"}
                                    << run + "unknown option --speed (see velmora-cli run --help)";
    QTest::addRow("json belongs to analyse")
        << QStringList{"run", "--json"}
        << run + "unknown option --json (see velmora-cli run --help)";
    QTest::addRow("steps belong to run")
        << QStringList{"analyse", "--steps=3"}
        << "velmora-cli analyse: unknown option --steps=3 (see velmora-cli analyse --help)";
    QTest::addRow("missing value")
        << QStringList{"run", "--n0"}
        << run + "option --n0 needs a value (see velmora-cli run --help)";
    QTest::addRow("six matrix values")
        << QStringList{"run", "--matrix", "0,1,2,1,0.5,1"}
        << run + "--matrix needs 7 comma-separated values: f0,f1,f2,f3,s0,s1,s2 "
                 "(see velmora-cli run --help)";
    QTest::addRow("five harvest values")
        << QStringList{"run", "--harvest=1,2,3,4,5"}
        << run + "--harvest needs 4 comma-separated values (see velmora-cli run --help)";
    for (const char *steps : {"1001", "-1", "2.5", "", "12345"})
        QTest::addRow("steps '%s'", steps)
            << QStringList{"run", "--steps", steps}
            << run + "--steps needs a whole number from 0 to 1000 (see velmora-cli run --help)";
    // A script's typo is refused, not read as the number it starts with (or as 0).
    QTest::addRow("letter among the matrix values")
        << QStringList{"analyse", "--matrix", "0,1,2,x,0.5,1,0.5"}
        << "velmora-cli analyse: --matrix: \"x\" is not a number "
           "(see velmora-cli analyse --help)";
    QTest::addRow("number with a unit")
        << QStringList{"run", "--n0", "10,10,12abc,10"}
        << run + "--n0: \"12abc\" is not a number (see velmora-cli run --help)";
    QTest::addRow("empty value") << QStringList{"run", "--harvest=5,,0,0"}
                                 << run + "--harvest: \"\" is not a number "
                                          "(see velmora-cli run --help)";
    QTest::addRow("hexadecimal") << QStringList{"run", "--n0", "&HA,0,0,0"}
                                 << run + "--n0: \"&HA\" is not a number "
                                          "(see velmora-cli run --help)";
    QTest::addRow("inner blank") << QStringList{"run", "--n0", "1 5,0,0,0"}
                                 << run + "--n0: \"1 5\" is not a number "
                                          "(see velmora-cli run --help)";
    for (const char *threshold : {"-1", "abc", "1e999", "", "2 animals"})
        QTest::addRow("threshold '%s'", threshold)
            << QStringList{"analyse", "--threshold", threshold}
            << "velmora-cli analyse: --threshold needs a number of animals, 0 or more "
               "(see velmora-cli analyse --help)";
    QTest::addRow("threshold belongs to analyse")
        << QStringList{"run", "--threshold=2"}
        << run + "unknown option --threshold=2 (see velmora-cli run --help)";
    // A value against a rule names its option, the value and the rule; the first one given.
    QTest::addRow("survival above 1") << QStringList{"run", "--matrix", "0,1,2,1,0.5,1.0001,0.5"}
                                      << run + "--matrix: s1 = 1.0001: a survival rate must be "
                                               "from 0 to 1";
    QTest::addRow("negative survival, run")
        << QStringList{"run", "--matrix", "0,1,2,1,-0.5,1,0.5"}
        << run + "--matrix: s0 = -0.5: a survival rate must be from 0 to 1";
    QTest::addRow("negative survival, analyse")
        << QStringList{"analyse", "--matrix", "0,1,2,1,0.5,1, -1e-9 "}
        << "velmora-cli analyse: --matrix: s2 = -1e-9: a survival rate must be from 0 to 1";
    QTest::addRow("fecundity below 0") << QStringList{"run", "--matrix", "0,1,-0.1,1,0.5,1,0.5"}
                                       << run + "--matrix: f2 = -0.1: a fecundity must be 0 or more";
    QTest::addRow("the first option given")
        << QStringList{"run", "--harvest", "0,0,0,-5", "--matrix", "0,1,-2,1,0.5,1,0.5"}
        << run + "--harvest: H3 = -5: a harvest must be 0 or more";
    QTest::addRow("N(0) below 0") << QStringList{"analyse", "--n0", "10,10,-0.5,10"}
                                  << "velmora-cli analyse: --n0: N2 = -0.5: a number of animals "
                                     "must be 0 or more";
    QTest::addRow("beyond a double") << QStringList{"run", "--n0", "1e999,0,0,0"}
                                     << run + "--n0: N0 = 1e999: the number is beyond the range "
                                              "of a double";
    // The largest double reads, but its 15-digit text does not: the run could not carry it.
    QTest::addRow("text form beyond a double")
        << QStringList{"run", "--harvest", "1.7976931348623157e308,0,0,0"}
        << run + "--harvest: H0 = 1.7976931348623157e308: the number is beyond the range of a "
                 "double";
    QTest::addRow("N(0) whose total is too large")
        << QStringList{"analyse", "--n0", "1e308,1e308,0,0"}
        << "velmora-cli analyse: N(0) adds up to a total beyond the range of a double";
    // Slips of the command line.
    QTest::addRow("command near a known one")
        << QStringList{"analyze"}
        << "velmora-cli: unknown command analyze; did you mean analyse? (see velmora-cli --help)";
    QTest::addRow("help for a command near a known one")
        << QStringList{"help", "rn"}
        << "velmora-cli: unknown command rn; did you mean run? (see velmora-cli --help)";
    QTest::addRow("option near a known one")
        << QStringList{"analyse", "--treshold=2"}
        << "velmora-cli analyse: unknown option --treshold=2; did you mean --threshold? "
           "(see velmora-cli analyse --help)";
    QTest::addRow("single dash") << QStringList{"run", "-steps", "3"}
                                 << run + "unknown option -steps; did you mean --steps? "
                                          "(see velmora-cli run --help)";
    QTest::addRow("repeated option") << QStringList{"run", "--steps", "3", "--steps=4"}
                                     << run + "option --steps is given more than once "
                                              "(see velmora-cli run --help)";
    QTest::addRow("repeated switch") << QStringList{"analyse", "--json", "--json"}
                                     << "velmora-cli analyse: option --json is given more than "
                                        "once (see velmora-cli analyse --help)";
    QTest::addRow("switch with a value")
        << QStringList{"analyse", "--json=yes"}
        << "velmora-cli analyse: option --json takes no value (see velmora-cli analyse --help)";
    QTest::addRow("value without its option")
        << QStringList{"run", "--steps", "3", "4"}
        << run + "unexpected argument \"4\": every value follows its option "
                 "(see velmora-cli run --help)";
    QTest::addRow("command's option before the command")
        << QStringList{"--steps", "3", "run"}
        << "velmora-cli: unknown option --steps; options of a command come after its name "
           "(see velmora-cli --help)";
    QTest::addRow("empty --out") << QStringList{"run", "--out="}
                                 << run + "--out needs a base name (see velmora-cli run --help)";
    QTest::addRow("--out naming a folder")
        << QStringList{"run", "--out", "exercise/"}
        << run + "--out \"exercise/\" names a folder; give a base name in it, such as "
                 "\"exercise/run\" (see velmora-cli run --help)";
}

void TestCli::badCommandLineIsRefusedWithOneLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, line);
    const Result r = run(arguments);
    QCOMPARE(r.status, 2);
    QCOMPARE(r.err, line + "\n");
    QCOMPARE(r.out, QString());
}

void TestCli::acceptedValues_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("firstRow");
    const QStringList defaults{"0", "10", "10", "10", "10", "40"};
    QTest::addRow("no options: default model") << QStringList{"run"} << defaults;
    QTest::addRow("survival of exactly 1") << QStringList{"run", "--matrix", "0,1,2,1,1,1,1"}
                                           << defaults;
    QTest::addRow("a value that starts with a dash")
        << QStringList{"run", "--harvest", "-0,0,0,0", "--n0=1,1,1,1"}
        << QStringList{"0", "1", "1", "1", "1", "4"};
    QTest::addRow("plain numbers in other spellings")
        << QStringList{"run", "--n0", " 15 ,+12,1.2e1,.5"}
        << QStringList{"0", "15", "12", "12", "0.5", "39.5"};
    QTest::addRow("option=value") << QStringList{"run", "--n0=2.50,.5,0,0"}
                                  << QStringList{"0", "2.5", "0.5", "0", "0", "3"};
}

void TestCli::acceptedValues()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, firstRow);
    const Result r = run(arguments);
    QCOMPARE(r.status, 0);
    QCOMPARE(r.err, QString());
    QCOMPARE(tableRows(r.out).value(1), firstRow);
}

void TestCli::runShowsTheMainWindowsTexts()
{
    const Result r = run({"run", "--steps", "8"});
    QCOMPARE(r.status, 0);
    const QList<QStringList> rows = tableRows(r.out);
    QCOMPARE(rows.size(), 11); // heading, t = 0 .. 8, the closing line
    const QList<QStringList> expected = defaultRunRows();
    for (int k = 1; k <= expected.size(); ++k)
        QCOMPARE(rows[k + 1], QStringList{QString::number(k)} + expected[k - 1]);
    QVERIFY(r.out.endsWith("Ran 8 Project/Transit pairs.\n"));
}

void TestCli::runSaysWhyItStopped_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("counted");
    QTest::addColumn<QString>("ending");
    QTest::addRow("rejected at once")
        << QStringList{"run", "--harvest", "100,100,100,100"} << 0
        << "The projection to t = 1 was rejected: Population size = 0. "
           "Stopped after 0 of 10 Project/Transit pairs.";
    // Totals 40, 40, 30, 22.5, 20, 8.75, 5, 1.875, then nothing is left at t = 8.
    QTest::addRow("rejected at t = 8")
        << QStringList{"run", "--harvest", "20,0,0,0", "--steps", "20"} << 7
        << "The projection to t = 8 was rejected: Population size = 0. "
           "Stopped after 7 of 20 Project/Transit pairs.";
    QTest::addRow("empty start") << QStringList{"run", "--n0", "0,0,0,0"} << 0
                                 << "Population size = 0.  End of simulation.";
    QTest::addRow("no steps") << QStringList{"run", "--steps", "0"} << 0
                              << "Ran 0 Project/Transit pairs.";
}

void TestCli::refusedStepEndsTheRunWithStatusOne()
{
    // f0 N0 = 1E+400 is beyond a double: the first projection is refused.
    QTemporaryDir dir;
    const QString base = dir.filePath("overflow");
    const Result r = run({"run", "--matrix", "1e200,0,0,0,0.5,1,0.5", "--n0", "1e200,0,0,0",
                          "--steps", "3", "--out", base});
    QCOMPARE(r.status, 1);
    QVERIFY(r.err.startsWith("velmora-cli run: The numbers have grown beyond"));
    QVERIFY(r.err.endsWith("Stopped after 0 of 3 Project/Transit pairs.\n"));
    QCOMPARE(r.err.count('\n'), 1);
    // The table and the files hold the one time point that was run.
    QCOMPARE(tableRows(r.out).size(), 2 + 1 + 4);
    QFile totals(base + "-total population and growth rate.txt");
    QVERIFY(totals.open(QIODevice::ReadOnly));
    QCOMPARE(totals.readAll(),
             QByteArray("\"time\",\"total population\",\"growth rate\"\r\n0,1E+200,\r\n"));
}

void TestCli::runSaysWhyItStopped()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, counted);
    QFETCH(QString, ending);
    const Result r = run(arguments);
    QCOMPARE(r.status, 0);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), counted + 3);
    QCOMPARE(lines.last(), ending);
}

void TestCli::analyseAsJson()
{
    const Result r = run({"analyse", "--json", "--matrix", "0,4,3,0,0.5,0.25,0", "--harvest",
                          "10,0,0,0", "--n0", "8,4,1,0"});
    QCOMPARE(r.status, 0);
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject growth = json["growth"].toObject();
    QCOMPARE(growth["status"].toString(), QString("ok"));
    QCOMPARE(growth["lambda"].toDouble(), 1.5);
    QCOMPARE(growth["reducible"].toBool(), true);
    QCOMPARE(growth["reproductiveValues"].toArray().at(1).toDouble(), 3.0);
    const QJsonObject equilibrium = json["equilibrium"].toObject();
    QCOMPARE(equilibrium["status"].toString(), QString("ok"));
    QCOMPARE(equilibrium["N"].toArray().at(0).toDouble(), 80.0 / 11);
    // (8, 4, 1) lies above N* = (7.27, 3.64, 0.91).
    QCOMPARE(json["verdict"].toObject()["outcome"].toString(), QString("grows"));
    QCOMPARE(json["verdict"].toObject()["step"].type(), QJsonValue::Null);
    const QJsonObject limit = json["largestHarvest"].toObject();
    QCOMPARE(limit["status"].toString(), QString("ok"));
    QVERIFY(limit["factor"].toDouble() > 1.0);
    QStringList keys;
    for (const QJsonValue &line : json["report"].toArray())
        keys << line.toObject()["key"].toString();
    for (const char *key : {"lambda", "equilibrium", "harvestRule", "sustainableFactor", "verdict",
                            "largestHarvest", "harvestCostForEver", "rateByClass"})
        QVERIFY2(keys.count(key) == 1, key);
}

void TestCli::thresholdDecidesWhenThePopulationIsGone_data()
{
    QTest::addColumn<QStringList>("threshold");
    QTest::addColumn<double>("animals");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<int>("step");
    // Default model, H0 = 20: totals 40, 40, 30, 22.5, 20, 8.75, 5, 1.875, then rejected.
    QTest::addRow("default 1") << QStringList{} << 1.0 << "reachesZero" << 8;
    QTest::addRow("2 animals") << QStringList{"--threshold", "2"} << 2.0 << "fallsBelowThreshold"
                               << 7;
    QTest::addRow("0: rejection only") << QStringList{"--threshold=0"} << 0.0 << "reachesZero"
                                       << 8;
    QTest::addRow("5.5 animals") << QStringList{"--threshold", "5.5"} << 5.5
                                 << "fallsBelowThreshold" << 6;
}

void TestCli::thresholdDecidesWhenThePopulationIsGone()
{
    QFETCH(QStringList, threshold);
    QFETCH(double, animals);
    QFETCH(QString, outcome);
    QFETCH(int, step);
    const Result r = run(QStringList{"analyse", "--json", "--harvest", "20,0,0,0"} + threshold);
    QCOMPARE(r.status, 0);
    const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8()).object();
    QCOMPARE(json["model"].toObject()["extinctionThreshold"].toDouble(), animals);
    const QJsonObject verdict = json["verdict"].toObject();
    QCOMPARE(verdict["outcome"].toString(), outcome);
    QCOMPARE(verdict["step"].toInt(), step);
}

void TestCli::explainPrintsWhatEachFigureTells()
{
    const QString said = "(How many times larger the population gets each step";
    const Result explained = run({"analyse", "--explain"});
    QCOMPARE(explained.status, 0);
    QVERIFY2(explained.out.contains(said), qPrintable(explained.out));
    QVERIFY(!run({"analyse"}).out.contains(said));
}

void TestCli::analyseAsTextShowsEveryFigure()
{
    const Result r = run({"analyse"});
    QCOMPARE(r.status, 0);
    for (const char *label : {"Dominant eigenvalue lambda", "Stable age distribution",
                              "Reproductive values (class 0 = 1)", "Net reproductive rate R0",
                              "Damping ratio", "Generation time T = ln R0 / ln lambda", "Notes",
                              "Harvest equilibrium N*", "The rule of v.N(t)",
                              "Largest factor s* = (lambda - 1) v.N(t) / v.H",
                              "N(t) under H, by the projection",
                              "Largest factor s, by the projection",
                              "Cost of an animal of class i", "Rate of every class"})
        QVERIFY2(r.out.contains(QString("\n") + label), label);
    // N* of the default model is (20/3, 10/3, 10/3, 5/3), total 15.
    QVERIFY(r.out.contains(QRegularExpression(
        "N\\* = \\(M - I\\)\\^-1 H +6.66667 +3.33333 +3.33333 +1.66667 +15\n")));
}

void TestCli::runWritesWhatSaveWrites_data()
{
    QTest::addColumn<QStringList>("matrix");
    QTest::addColumn<QStringList>("n0");
    QTest::addColumn<QStringList>("harvest");
    QTest::addColumn<int>("steps");
    const QStringList matrix{"0", "1", "2", "1", "0.5", "1", "0.5"};
    const QStringList n0{"10", "10", "10", "10"};
    const QStringList harvest{"5", "0", "0", "0"};
    QTest::addRow("default model, 3 steps") << matrix << n0 << harvest << 3;
    QTest::addRow("no step") << matrix << n0 << harvest << 0;
    QTest::addRow("rejected at t = 8") << matrix << n0 << QStringList{"20", "0", "0", "0"} << 20;
    QTest::addRow("empty start") << matrix << QStringList{"0", "0", "0", "0"} << harvest << 5;
    QTest::addRow("values in other spellings")
        << QStringList{"0", "1.50", "2", "+1", "0.5", " 1", ".25"}
        << QStringList{" 15 ", "1.2e1", "0", "7"} << QStringList{"0", "0", "0.125", "-0"} << 12;
    QTest::addRow("full history") << matrix << n0 << harvest << 1000;
}

// "Save" after the same run in the main window and velmora-cli run --out give the same files.
void TestCli::runWritesWhatSaveWrites()
{
    QFETCH(QStringList, matrix);
    QFETCH(QStringList, n0);
    QFETCH(QStringList, harvest);
    QFETCH(int, steps);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath("save") && QDir(dir.path()).mkpath("cli"));

    // The main window: loaded, the editing window's "Go Back", then Project/Transit pairs.
    const auto history = std::make_unique<Module1>();
    Simulation simulation(*history);
    simulation.startUp();
    EditEntries entries;
    const int matrixCells[] = {0, 1, 2, 3, 4, 9, 14};
    for (int i = 0; i < 7; ++i)
        entries.m1[matrixCells[i]] = matrix[i].toStdString();
    for (int i = 0; i < 4; ++i) {
        entries.n0[i] = n0[i].toStdString();
        entries.Harvest1[i] = harvest[i].toStdString();
    }
    QCOMPARE(entries.goBack(simulation), BrokenRule::None);
    for (int k = 0; k < steps && simulation.Projection() == ProjectionOutcome::Counted; ++k)
        simulation.Transition();
    FakeDialogs dialogs;
    dialogs.fileName = dir.filePath("save/run.txt");
    HistorySaver saver(*history, dialogs);
    saver.SaveGraphicData(nullptr);
    QCOMPARE(dialogs.messages.size(), 0);

    const Result r = run({"run", "--matrix", matrix.join(','), "--n0", n0.join(','), "--harvest",
                          harvest.join(','), "--steps", QString::number(steps), "--out",
                          dir.filePath("cli/run")});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.err, QString());
    for (const QString &ending : kEndings)
        QVERIFY(r.out.contains("\nWrote " + dir.filePath("cli/run") + ending + "\n"));

    QCOMPARE(filesIn(dir.filePath("save")), historyFiles("run"));
    QCOMPARE(filesIn(dir.filePath("cli")), historyFiles("run"));
    for (const QString &ending : kEndings) {
        const QByteArray saved = fileContents(dir.filePath("save/run" + ending));
        QVERIFY(saved.count("\r\n") >= 2);
        QCOMPARE(fileContents(dir.filePath("cli/run" + ending)), saved);
    }
}

void TestCli::unwritableOutFailsNamingTheFile_data()
{
    QTest::addColumn<QString>("base");    // below the temporary folder
    QTest::addColumn<QString>("blocked"); // the file that cannot be written
    QTest::addColumn<QStringList>("left");
    const QStringList untouched{"plain", "run-growth-birth-death-survival-rate.txt"};
    QTest::addRow("missing folder") << "missing/run" << "missing/run-age structure.txt"
                                    << untouched;
    QTest::addRow("a file in place of the folder")
        << "plain/run" << "plain/run-age structure.txt" << untouched;
    // The first three files are written; the fourth cannot replace a folder.
    QTest::addRow("a folder in place of the last file")
        << "run" << "run-growth-birth-death-survival-rate.txt"
        << QStringList{"plain"} + historyFiles("run");
}

void TestCli::unwritableOutFailsNamingTheFile()
{
    QFETCH(QString, base);
    QFETCH(QString, blocked);
    QFETCH(QStringList, left);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile plain(dir.filePath("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QVERIFY(QDir(dir.path()).mkdir("run-growth-birth-death-survival-rate.txt"));

    const Result r = run({"run", "--out", dir.filePath(base)});
    QCOMPARE(r.status, 1);
    // The run itself was done and shown.
    QVERIFY(r.out.endsWith("Ran 10 Project/Transit pairs.\n"));
    const QString start = "velmora-cli run: the file \"" + dir.filePath(blocked)
                          + "\" could not be written: ";
    QVERIFY2(r.err.startsWith(start), qPrintable(r.err));
    QCOMPARE(r.err.count('\n'), 1);
    QString reason = r.err.mid(start.size()).chopped(1);
    const QString after = "; the files after it were not written";
    QCOMPARE(reason.endsWith(after), !blocked.endsWith(kEndings.last()));
    reason.remove(after);
    QVERIFY2(!reason.trimmed().isEmpty(), "no reason given");
    left.sort();
    QCOMPARE(filesIn(dir.path()), left);
}

void TestCli::refusedCommandWritesNothing_data()
{
    QTest::addColumn<QStringList>("arguments"); // "--out" and its base follow
    QTest::addColumn<QString>("base");
    QTest::addRow("broken rule") << QStringList{"run", "--harvest", "-1,0,0,0"} << "run";
    QTest::addRow("bad steps") << QStringList{"run", "--steps", "1001"} << "run";
    QTest::addRow("base naming a folder") << QStringList{"run"} << "sub/";
}

void TestCli::refusedCommandWritesNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, base);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    const Result r = run(arguments + QStringList{"--out", dir.filePath(base)});
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QString());
    QCOMPARE(filesIn(dir.path()), QStringList{"sub"});
    QCOMPARE(filesIn(dir.filePath("sub")), QStringList());
}

void TestCli::escapedErrorEndsWithOneLine_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("line");
    QTest::addRow("no thread") << 0
                               << "velmora-cli: the command stopped on an error: no thread\n";
    QTest::addRow("out of memory") << 1
                                   << "velmora-cli: the command stopped on an error: "
                                      "std::bad_alloc\n";
    QTest::addRow("not an exception") << 2
                                      << "velmora-cli: the command stopped on an unknown error\n";
}

// What escapes a command ends velmora-cli with a sentence and status 1, never an abort.
void TestCli::escapedErrorEndsWithOneLine()
{
    QFETCH(int, kind);
    QFETCH(QString, line);
    std::ostringstream err;
    const int status = runCaught(
        [kind]() -> int {
            if (kind == 0)
                throw std::runtime_error("no thread");
            if (kind == 1)
                throw std::bad_alloc();
            throw 42;
        },
        err);
    QCOMPARE(status, kExitFailed);
    QCOMPARE(QString::fromStdString(err.str()), line);
}

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
