#include "tests/support/commandlinerun.h"
#include "modelfile/modelfile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace velmora;

namespace {

using Result = CommandLineResult;

const QStringList kSeedsAndAdults{"--stages", "seeds,adults", "--transitions", "0,0;0.5,0.8",
                                  "--reproduction", "0,2;0,0"};

QString loggerhead() { return QFINDTESTDATA("../../examples/loggerhead-turtle.velmora"); }

// The cells of a printed table's line, or of a CSV line.
QStringList cells(const QString &line, const QString &separator)
{
    return line.split(QRegularExpression(separator), Qt::SkipEmptyParts);
}

} // namespace

class TestCliLifeCycle : public QObject {
    Q_OBJECT

private slots:
    void lifeCycleOptions_data();
    void lifeCycleOptions();
    void leslieLifeCycleGivesTheFourClassOutput_data();
    void leslieLifeCycleGivesTheFourClassOutput();
    void runOfTheLoggerheadFollowsTheHandWorkedFirstStep();
    void savedLifeCycleReadsBackAsGiven();
};

void TestCliLifeCycle::lifeCycleOptions_data()
{
    QTest::addColumn<QStringList>("arguments"); // LOGGERHEAD stands for the example's file
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said"); // a line of the table, or the line on standard error
    const QString run = "velmora-cli run: ";
    const QString help = " (see velmora-cli run --help)";
    const QStringList two = QStringList{"run", "--steps", "1"} + kSeedsAndAdults;
    // Seeds: 2 a year from 10 adults; adults: half of 10 seeds and 0.8 of 10 adults.
    QTest::addRow("N(0) 10 and no harvest by default") << two << 0 << "1 20 13 33 1.65";
    QTest::addRow("clonal growth of adults")
        << two + QStringList{"--clonal", "0,0;0,0.1"} << 0 << "1 20 14 34 1.7";
    QTest::addRow("N(0) and harvest given")
        << two + QStringList{"--n0", "4,6", "--harvest", "2,0.5"} << 0 << "1 10 6.3 16.3 1.63";
    QTest::addRow("options over a life cycle's file")
        << QStringList{"run", "--steps", "0", "--model", "LOGGERHEAD", "--n0", "1,0,0,0,0,0,1"}
        << 0 << "0 1 0 0 0 0 0 1 2";
    // Once nothing is left, a growth rate would be 0 / 0.
    QTest::addRow("a population that dies out")
        << QStringList{"run", "--stages", "a", "--transitions", "0", "--reproduction", "0"} << 0
        << "Population size = 0 at t = 1: nothing is left to project. Stopped after 1 of 10 steps.";
    QTest::addRow("matrix with stages")
        << two + QStringList{"--matrix", "0,1,2,1,0.5,1,0.5"} << 2
        << run + "--matrix \"0,1,2,1,0.5,1,0.5\": a 4-class Leslie matrix cannot be given with "
                 "--stages: give the life cycle's --transitions and --reproduction instead" + help;
    QTest::addRow("matrix over a life cycle's file")
        << QStringList{"run", "--model", "LOGGERHEAD", "--matrix", "0,1,2,1,0.5,1,0.5"} << 2
        << run + "--matrix \"0,1,2,1,0.5,1,0.5\": --model's file gives its model as a life cycle "
                 "of 7 stages: change it with --transitions and --reproduction" + help;
    QTest::addRow("rows without stages")
        << QStringList{"run", "--transitions", "0,0;0.5,0.8"} << 2
        << run + "--transitions needs --stages NAMES, or --model with a file: the stages its "
                 "values are read for" + help;
    QTest::addRow("stages without reproduction")
        << QStringList{"run", "--stages", "a,b", "--transitions", "0,0;0.5,0.8"} << 2
        << run + "--stages needs --reproduction ROWS as well: a life cycle has survival and "
                 "growth (U) and reproduction (F)" + help;
    QTest::addRow("two names the same")
        << QStringList{"run", "--stages", "a, a", "--transitions", "0", "--reproduction", "0"} << 2
        << run + "--stages \"a, a\": name 2 (\"a\") is an earlier name as well: each stage needs a "
                 "name of its own";
    QTest::addRow("stages other than the file's")
        << QStringList{"run", "--model", "LOGGERHEAD", "--stages", "a,b"} << 2
        << run + "--stages \"a,b\" names 2 stages, and --model's file has 7 stages: give one name "
                 "for each of them" + help;
    QTest::addRow("N(0) of another size")
        << two + QStringList{"--n0", "1,2,3"} << 2
        << run + "--n0 \"1,2,3\": 3 values for 2 stages: one for each stage, separated by \",\""
                 + help;
    QTest::addRow("one row short")
        << QStringList{"run", "--stages", "a,b", "--transitions", "0,0", "--reproduction", "0,0;0,0"}
        << 2
        << run + "--transitions \"0,0\": 1 row for 2 stages: one row for each stage, separated "
                 "by \";\"" + help;
    QTest::addRow("harvest below 0")
        << two + QStringList{"--harvest", "0,-1"} << 2
        << run + "--harvest \"0,-1\": value 2: -1 is below 0; rates and numbers of animals are at "
                 "least 0";
    QTest::addRow("more than all of a stage survives")
        << QStringList{"run", "--stages", "a,b", "--transitions", "0,0;0.5,1.2", "--reproduction",
                       "0,2;0,0"}
        << 2 << run + "--transitions: the column of \"b\" adds up to 1.2: at most all of a stage "
                      "can survive";
    QTest::addRow("history files of a life cycle")
        << two + QStringList{"--out", "run"} << 2
        << run + "--out \"run\": the four history files are those of a 4-class model, and this "
                 "model is a life cycle of 2 stages: write its table with --csv FILE" + help;
    // Crouse, Crowder & Caswell 1987 give lambda = 0.9450.
    QTest::addRow("analyse of a life cycle")
        << QStringList{"analyse", "--model", "LOGGERHEAD"} << 0
        << "Dominant eigenvalue lambda 0.945031";
    // The risk run starts from the life cycle's own N(0), not from a 4-class model.
    QTest::addRow("risk of a life cycle")
        << QStringList{"risk", "--model", "LOGGERHEAD", "--replicates", "10", "--steps", "5"} << 0
        << "Start: N(0) = 2065, 6698, 1146, 66, 4, 3, 18, H = 0, 0, 0, 0, 0, 0, 0.";
}

void TestCliLifeCycle::lifeCycleOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, said);
    const Result r = runVelmoraCli(arguments.replaceInStrings("LOGGERHEAD", loggerhead()));
    QCOMPARE(r.status, status);
    if (status != 0) {
        QCOMPARE(r.err, said + "\n");
        QCOMPARE(r.out, QString());
        return;
    }
    QCOMPARE(r.err, QString());
    const QStringList lines = r.out.split('\n');
    QVERIFY2(std::any_of(lines.begin(), lines.end(),
                         [&](const QString &line) { return cells(line, " +") == said.split(' '); }),
             qPrintable(r.out));
}

void TestCliLifeCycle::leslieLifeCycleGivesTheFourClassOutput_data()
{
    QTest::addColumn<QStringList>("command");
    // The default model, births in row 1 and survival below the diagonal, as a life cycle.
    const QStringList leslie{"--stages", "eggs,young,adults,old", "--transitions",
                             "0,0,0,0;0.5,0,0,0;0,1,0,0;0,0,0.5,0", "--reproduction",
                             "0,1,2,1;0,0,0,0;0,0,0,0;0,0,0,0", "--harvest", "5,0,0,0"};
    QTest::addRow("run") << QStringList{"run", "--steps", "12"} + leslie;
    QTest::addRow("analyse") << QStringList{"analyse", "--json"} + leslie;
    QTest::addRow("risk") << QStringList{"risk", "--cv-survival", "0.1", "--replicates", "20",
                                         "--steps", "5", "--threads", "1"}
                                 + leslie;
}

void TestCliLifeCycle::leslieLifeCycleGivesTheFourClassOutput()
{
    QFETCH(QStringList, command);
    const Result asLifeCycle = runVelmoraCli(command);
    const Result asDefault = runVelmoraCli(command.mid(0, command.indexOf("--stages")));
    QCOMPARE(asLifeCycle.err, QString());
    QCOMPARE(asLifeCycle.status, 0);
    QCOMPARE(asLifeCycle.out, asDefault.out);
}

void TestCliLifeCycle::runOfTheLoggerheadFollowsTheHandWorkedFirstStep()
{
    QTemporaryDir dir;
    const QString csv = dir.filePath("loggerhead.csv");
    const Result r = runVelmoraCli({"run", "--model", loggerhead(), "--steps", "1", "--csv", csv});
    QCOMPARE(r.status, 0);
    const QStringList lines = r.out.split('\n');
    // Crouse, Crowder & Caswell 1987 (Ecology 68: 1412), N(0) = 2065, 6698, 1146, 66, 4, 3, 18:
    // eggs 127 * 4 + 4 * 3 + 80 * 18 = 1960; small juveniles 0.6747 * 2065 + 0.737 * 6698
    // = 6329.6815; large 0.0486 * 6698 + 0.661 * 1146 = 1083.0288; subadults 0.0147 * 1146
    // + 0.6907 * 66 = 62.4324; novices 0.0518 * 66 = 3.4188; remigrants 0.8091 * 4 = 3.2364;
    // mature 0.8091 * 3 + 0.8089 * 18 = 16.9875; total 9458.7854 of 10000.
    const QStringList first{"1",      "1960",   "6329.6815", "1083.0288", "62.4324",
                            "3.4188", "3.2364", "16.9875",   "9458.7854", "0.94587854"};
    QCOMPARE(cells(lines.value(2), " +"), first);
    QCOMPARE(lines.value(3), QString("Ran 1 step."));
    QCOMPARE(fileContents(csv),
             QByteArray("t,eggs/hatchlings,small juveniles,large juveniles,subadults,novice "
                        "breeders,first-year remigrants,mature breeders,total,growth rate\r\n"
                        "0,2065,6698,1146,66,4,3,18,10000,\r\n")
                 + first.join(',').toLatin1() + "\r\n");
}

void TestCliLifeCycle::savedLifeCycleReadsBackAsGiven()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("cycle.velmora");
    const QStringList options = kSeedsAndAdults
                                + QStringList{"--clonal", "0,0;0,0.1", "--n0", "100,10",
                                              "--harvest", "0,1"};
    const Result saved = runVelmoraCli(QStringList{"save-model", "--title", "Two stages"} + options
                                       + QStringList{path});
    QCOMPARE(saved.status, 0);
    const ModelFileRead read = readModelFile(path);
    QVERIFY2(read.stageDocument, qPrintable(read.message()));
    const StageModel &model = read.stageDocument->model;
    QCOMPARE(read.stageDocument->title, QString("Two stages"));
    QCOMPARE(model.stages, (std::vector<std::string>{"seeds", "adults"}));
    QCOMPARE(model.C(1, 1), 0.1);
    QCOMPARE(model.harvest(1), 1.0);
    QCOMPARE(runVelmoraCli({"run", "--model", path}).out,
             runVelmoraCli(QStringList{"run"} + options).out);

    // The example's source stays with a copy that changes its harvest.
    const QString copy = dir.filePath("copy.velmora");
    QCOMPARE(runVelmoraCli({"save-model", "--model", loggerhead(), "--harvest", "0,0,0,0,0,0,1",
                            copy})
                 .status,
             0);
    QCOMPARE(readModelFile(copy).stageDocument->source, readModelFile(loggerhead()).stageDocument->source);
    QCOMPARE(readModelFile(copy).stageDocument->model.harvest(6), 1.0);

    // So does the source of a 4-class model, which save-model once left behind.
    const QString leslie = dir.filePath("leslie.velmora");
    const ModelValues values{{0, 1, 2, 1}, {0.5, 1, 0.5}, {10, 10, 10, 10}, {5, 0, 0, 0}};
    QVERIFY(writeModelFile(leslie, ModelDocument{"Default", {}, values, "A source"}).ok);
    QCOMPARE(runVelmoraCli({"save-model", "--model", leslie, "--harvest", "1,0,0,0", copy, "--force"})
                 .status,
             0);
    QCOMPARE(readModelFile(copy).document->source, QString("A source"));
}

QTEST_APPLESS_MAIN(TestCliLifeCycle)
#include "tst_clilifecycle.moc"
