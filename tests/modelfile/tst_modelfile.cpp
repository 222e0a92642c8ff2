#include "demography/analysis.h"
#include "model/editentries.h"
#include "model/simulation.h"
#include "modelfile/modelexamples.h"
#include "modelfile/modelfile.h"
#include "tests/modelfile/badmodelfiles.h"
#include "tests/support/filesizelimit.h"

#include <Eigen/Eigenvalues>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <numeric>

using namespace velmora;

Q_DECLARE_METATYPE(velmora::ModelDocument)
Q_DECLARE_METATYPE(velmora::StageModelDocument)

namespace {

// A run of the program: the history and the simulation, as the main window holds them.
struct Run {
    std::unique_ptr<Module1> history = std::make_unique<Module1>();
    Simulation simulation{*history};
    Run() { simulation.startUp(); }
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The README's json blocks after the heading of the model files, in their order.
QStringList readmeModelFiles()
{
    const QString readme = QString::fromUtf8(contents(QFINDTESTDATA("../../README.md")));
    const QRegularExpression block("```json\\n(.*?)```", QRegularExpression::DotMatchesEverythingOption);
    QStringList files;
    for (auto it = block.globalMatch(readme, readme.indexOf("## Model files")); it.hasNext();)
        files << it.next().captured(1);
    return files;
}

// The 2-stage model the README shows: seeds that become adults, adults that stay and breed.
StageModelDocument seedsAndAdults()
{
    StageModel model = emptyStageModel(2);
    model.stages = {"seeds", "adults"};
    model.U << 0, 0, 0.5, 0.8;
    model.F << 0, 2, 0, 0;
    model.n0 << 100, 10;
    return {"Exercise 4: seeds and adults",
            "Half of the seeds grow up within a year; an adult lives on with 0.8 and has 2 seeds a "
            "year.\nIs lambda above 1?",
            "A made-up life cycle for a first exercise", model};
}

bool sameModel(const StageModel &a, const StageModel &b)
{
    return a.stages == b.stages && a.U == b.U && a.F == b.F && a.C == b.C && a.n0 == b.n0
           && a.harvest == b.harvest;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

double dot(const Vector4 &a, const std::array<double, 4> &b)
{
    return std::inner_product(a.begin(), a.end(), b.begin(), 0.0);
}

Matrix4 matrixOf(const ModelValues &values)
{
    Matrix4 m{};
    for (size_t c = 0; c < 4; ++c)
        m[c] = values.fecundities[c];
    m[4] = values.survival[0];
    m[9] = values.survival[1];
    m[14] = values.survival[2];
    return m;
}

} // namespace

class TestModelFile : public QObject {
    Q_OBJECT

private slots:
    void roundTripKeepsTheModel_data();
    void roundTripKeepsTheModel();
    void fileIsWrittenInTheDocumentedOrder();
    void readmeFileOpens();
    void acceptedFiles_data();
    void acceptedFiles();
    void badFileIsRefusedNamingTheProblem_data();
    void badFileIsRefusedNamingTheProblem();
    void unreadableFileIsRefused_data();
    void unreadableFileIsRefused();
    void modelThatCannotBeOpenedIsNotWritten_data();
    void modelThatCannotBeOpenedIsNotWritten();
    void failedWriteLeavesTheOldFileWhole();
    void writeIntoMissingFolderNamesTheFile();
    void stageModelRoundTripKeepsTheModel_data();
    void stageModelRoundTripKeepsTheModel();
    void stageModelIsWrittenAsTheReadmeShowsIt();
    void leslieModelWithDensityIsVersionTwo();
    void versionTwoFilesOpen_data();
    void versionTwoFilesOpen();
    void stageModelThatCannotBeOpenedIsNotWritten_data();
    void stageModelThatCannotBeOpenedIsNotWritten();
    void lifeCycleExamplesHaveTheirPublishedLambda_data();
    void lifeCycleExamplesHaveTheirPublishedLambda();
    void everyExampleOpensWithTitleAndNotes();
    void examplesShowWhatTheirNotesPromise();
    void harvestExamplesBracketTheLargestHarvest();
    void exerciseBlockIsReadWithItsDefaults();
    void badExerciseLeavesTheModelOpen_data();
    void badExerciseLeavesTheModelOpen();
    void exerciseIsWrittenAsVersionTwo();
};

void TestModelFile::roundTripKeepsTheModel_data()
{
    QTest::addColumn<QStringList>("matrix"); // f0..f3, s0..s2
    QTest::addColumn<QStringList>("n0");
    QTest::addColumn<QStringList>("harvest");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("notes");

    QTest::addRow("default model") << QStringList{"0", "1", "2", "1", "0.5", "1", "0.5"}
                                   << QStringList{"10", "10", "10", "10"}
                                   << QStringList{"5", "0", "0", "0"} << QString() << QString();
    QTest::addRow("survival at 1 and 0, all else 0")
        << QStringList{"0", "0", "0", "0", "1", "0", "1"} << QStringList{"0", "0", "0", "0"}
        << QStringList{"0", "0", "0", "0"} << "Nothing at all" << QString();
    QTest::addRow("largest number the program holds")
        << QStringList{"1.79769313486231E+308", "0", "0", "0", "0.5", "1", "0.5"}
        << QStringList{"1.79769313486231E+308", "0", "0", "0"}
        << QStringList{"0", "0", "0", "1.79769313486231E+308"} << "Huge" << "Big numbers";
    QTest::addRow("total of N(0) just fits")
        << QStringList{"0", "1", "2", "1", "0.5", "1", "0.5"}
        << QStringList{"4.4E+307", "4.4E+307", "4.4E+307", "4.4E+307"}
        << QStringList{"5", "0", "0", "0"} << QString() << QString();
    QTest::addRow("smallest numbers")
        << QStringList{"4.94065645841247E-324", "1E-300", "0.0001", "1", "1E-300", "0.999999999999999", "4.94065645841247E-324"}
        << QStringList{"4.94065645841247E-324", "0.1", "0.2", "0.3"}
        << QStringList{"1E-15", "0", "0", "0"} << QString() << QString();
    QTest::addRow("fifteen digits")
        << QStringList{"0.123456789012345", "1.5E+15", "123456789012345", "1", "0.333333333333333", "1", "0.5"}
        << QStringList{"10", "10", "10", "10"} << QStringList{"5", "0", "0", "0"}
        << QString(100, QChar(0x00e9)) << "Line \"one\"\n\tback\\slash\nπ ≈ 3.14159 and 細明體";
}

void TestModelFile::roundTripKeepsTheModel()
{
    QFETCH(QStringList, matrix);
    QFETCH(QStringList, n0);
    QFETCH(QStringList, harvest);
    QFETCH(QString, title);
    QFETCH(QString, notes);

    EditEntries typed;
    const int cells[] = {0, 1, 2, 3, 4, 9, 14};
    for (int i = 0; i < 7; ++i)
        typed.m1[size_t(cells[i])] = matrix[i].toStdString();
    for (int i = 0; i < 4; ++i) {
        typed.n0[size_t(i)] = n0[i].toStdString();
        typed.Harvest1[size_t(i)] = harvest[i].toStdString();
    }
    Run saved;
    QCOMPARE(typed.goBack(saved.simulation), BrokenRule::None);
    const std::optional<ModelValues> values = currentModelValues(saved.simulation);
    QVERIFY(values);

    QTemporaryDir dir;
    const QString path = dir.filePath("model.velmora");
    const ModelFileWrite written = writeModelFile(path, {title, notes, *values});
    QVERIFY2(written.ok, qPrintable(written.message));

    const ModelFileRead read = readModelFile(path);
    QVERIFY2(read.ok(), qPrintable(read.message()));
    QCOMPARE(read.document->title, title);
    QCOMPARE(read.document->notes, notes);
    QVERIFY(read.document->values == *values);

    // Opened, the model shows exactly the texts and N(0) of the run it was saved from.
    Run opened;
    EditEntries entries = modelEntries(read.document->values);
    QCOMPARE(entries.goBack(opened.simulation), BrokenRule::None);
    QCOMPARE(opened.simulation.fields().m, saved.simulation.fields().m);
    QCOMPARE(opened.simulation.fields().n1, saved.simulation.fields().n1);
    QCOMPARE(opened.simulation.fields().Harvest, saved.simulation.fields().Harvest);
    QCOMPARE(opened.simulation.fields().total1, saved.simulation.fields().total1);
    QCOMPARE(entries.m1, typed.m1);
    QCOMPARE(entries.n0, typed.n0);

    // Saved again, the file is the same to the byte.
    const QString again = dir.filePath("again.velmora");
    QVERIFY(writeModelFile(again, {title, notes, *currentModelValues(opened.simulation)}).ok);
    QCOMPARE(contents(again), contents(path));
}

void TestModelFile::fileIsWrittenInTheDocumentedOrder()
{
    ModelDocument document;
    document.title = "Exercise 3";
    document.notes = "Look at\nthe growth rate.";
    document.values = {{0, 1, 2, 1}, {0.5, 1, 0.5}, {10, 10, 10, 10}, {5, 0, 0, 0}};
    QCOMPARE(modelFileBytes(document), QByteArray("{\n"
                                                  "    \"format\": \"velmora-model\",\n"
                                                  "    \"version\": 1,\n"
                                                  "    \"title\": \"Exercise 3\",\n"
                                                  "    \"notes\": \"Look at\\nthe growth rate.\",\n"
                                                  "    \"fecundities\": [0, 1, 2, 1],\n"
                                                  "    \"survival\": [0.5, 1, 0.5],\n"
                                                  "    \"n0\": [10, 10, 10, 10],\n"
                                                  "    \"harvest\": [5, 0, 0, 0]\n"
                                                  "}\n"));
    // Without a title and notes those keys are left out.
    document.title.clear();
    document.notes.clear();
    QVERIFY(!modelFileBytes(document).contains("title"));
    QVERIFY(!modelFileBytes(document).contains("notes"));
    // Only a source makes a Leslie model a file of version 2, which older programs refuse.
    document.source = "Caswell 2001, p. 12";
    QVERIFY(modelFileBytes(document).startsWith("{\n"
                                                "    \"format\": \"velmora-model\",\n"
                                                "    \"version\": 2,\n"
                                                "    \"source\": \"Caswell 2001, p. 12\",\n"
                                                "    \"fecundities\": [0, 1, 2, 1],\n"));
    const ModelFileRead read = parseModelFile(modelFileBytes(document));
    QVERIFY2(read.document, qPrintable(read.problem));
    QCOMPARE(read.document->source, document.source);
}

void TestModelFile::readmeFileOpens()
{
    // The README shows the file a teacher writes by hand: the first json block after the
    // heading of the model files.
    const QStringList files = readmeModelFiles();
    QVERIFY(!files.isEmpty());
    const ModelFileRead read = parseModelFile(files.first().toUtf8());
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QVERIFY(!read.document->title.isEmpty());
    Run run;
    EditEntries entries = modelEntries(read.document->values);
    QCOMPARE(entries.goBack(run.simulation), BrokenRule::None);
}

void TestModelFile::acceptedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<double>("survival1");

    QTest::addRow("title and notes left out")
        << modelFileWith("title", "").replace("    \"notes\": \"Look at the growth rate.\",\n", "")
        << QString() << QString() << 1.0;
    QTest::addRow("keys in another order, on one line")
        << QByteArray("{\"harvest\":[5,0,0,0],\"n0\":[10,10,10,10],\"survival\":[0.5,1,0.5],"
                      "\"fecundities\":[0,1,2,1],\"version\":1,\"format\":\"velmora-model\"}")
        << QString() << QString() << 1.0;
    QTest::addRow("byte order mark of a Windows editor")
        << QByteArray("\xEF\xBB\xBF") + modelFileWith("", "") << "Exercise 3"
        << "Look at the growth rate." << 1.0;
    QTest::addRow("CR LF line ends, also in the notes")
        << modelFileWith("notes", "\"notes\": \"one\\r\\ntwo\"").replace("\n", "\r\n")
        << "Exercise 3" << "one\ntwo" << 1.0;
    QTest::addRow("version written 1.0, numbers with exponents")
        << modelFileWith("version", "\"version\": 1.0").replace("[0.5, 1, 0.5]", "[5e-1, 1E0, 0.5]")
        << "Exercise 3" << "Look at the growth rate." << 1.0;
    QTest::addRow("survival of exactly 1 and 0")
        << modelFileWith("survival", "\"survival\": [1, 0, 1]") << "Exercise 3"
        << "Look at the growth rate." << 0.0;
    QTest::addRow("empty title")
        << modelFileWith("title", "\"title\": \"\"") << QString() << "Look at the growth rate."
        << 1.0;
}

void TestModelFile::acceptedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, title);
    QFETCH(QString, notes);
    QFETCH(double, survival1);
    const ModelFileRead read = parseModelFile(bytes);
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QCOMPARE(read.document->title, title);
    QCOMPARE(read.document->notes, notes);
    QCOMPARE(read.document->values.survival[1], survival1);
    QCOMPARE(read.document->values.harvest[0], 5.0);
}

void TestModelFile::badFileIsRefusedNamingTheProblem_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    for (const BadModelFile &bad : badModelFiles())
        QTest::addRow("%s", bad.name) << bad.bytes << bad.problem;
    QTest::addRow("larger than 1 MiB")
        << modelFileWith("notes", "\"notes\": \"" + QByteArray(kModelFileMaxBytes, 'x') + "\"")
        << "it is larger than 1 MiB, far more than a model needs";
}

void TestModelFile::badFileIsRefusedNamingTheProblem()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath("exercise 3.velmora");
    QVERIFY(writeBytes(path, bytes));

    const ModelFileRead read = readModelFile(path);
    QVERIFY(!read.ok());
    QCOMPARE(read.problem, problem);
    QCOMPARE(read.message(), "\"" + path + "\": " + problem);
}

void TestModelFile::unreadableFileIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("problem");
    QTest::addRow("no such file") << "missing.velmora"
                                  << "it cannot be read: No such file or directory";
    QTest::addRow("a folder") << "folder.velmora"
                              << "it cannot be read: file to open is a directory";
}

void TestModelFile::unreadableFileIsRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder.velmora"));
    const ModelFileRead read = readModelFile(dir.filePath(name));
    QVERIFY(!read.ok());
    QCOMPARE(read.problem, problem);
    QVERIFY(read.message().contains(name));
}

void TestModelFile::modelThatCannotBeOpenedIsNotWritten_data()
{
    QTest::addColumn<ModelDocument>("document");
    QTest::addColumn<QString>("problem");
    const ModelValues fine{{0, 1, 2, 1}, {0.5, 1, 0.5}, {10, 10, 10, 10}, {5, 0, 0, 0}};
    // The editing window lets a negative survival rate through; a file may not hold one.
    ModelValues negative = fine;
    negative.survival[1] = -0.5;
    ModelValues huge = fine;
    huge.harvest[2] = 1.7976931348623157e308;
    QTest::addRow("negative survival rate")
        << ModelDocument{{}, {}, negative}
        << "\"survival\"[1] is -0.5: a survival rate must be at least 0";
    QTest::addRow("number the program cannot hold")
        << ModelDocument{{}, {}, huge}
        << "\"harvest\"[2] is 1.7976931348623157e+308: too large for the program";
    QTest::addRow("title of two lines")
        << ModelDocument{"a\nb", {}, fine} << "\"title\" must be one line of at most 100 characters";
}

void TestModelFile::modelThatCannotBeOpenedIsNotWritten()
{
    QFETCH(ModelDocument, document);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath("exercise.velmora");
    QVERIFY(writeBytes(path, "old"));
    const ModelFileWrite written = writeModelFile(path, document);
    QVERIFY(!written.ok);
    QCOMPARE(written.message, "\"" + path + "\" was not written: " + problem);
    QCOMPARE(contents(path), QByteArray("old"));
}

void TestModelFile::failedWriteLeavesTheOldFileWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("exercise.velmora");
    const QByteArray old = modelFileWith("", "");
    QVERIFY(writeBytes(path, old));

    ModelDocument document;
    document.values = {{0, 1, 2, 1}, {0.5, 1, 0.5}, {10, 10, 10, 10}, {5, 0, 0, 0}};
    document.notes = QString(4000, 'n');
    ModelFileWrite written;
    {
        // A disk that fills up in the middle of the file: writes beyond 1000 bytes fail.
        const FileSizeLimit limit(1000);
        QVERIFY(limit.isSet());
        written = writeModelFile(path, document);
    }

    QVERIFY(!written.ok);
    QVERIFY2(written.message.startsWith("\"" + path + "\" could not be written: "),
             qPrintable(written.message));
    QVERIFY2(written.message.contains("File too large"), qPrintable(written.message));
    QCOMPARE(contents(path), old);
    // No half-written temporary file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"exercise.velmora"});
}

void TestModelFile::writeIntoMissingFolderNamesTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("no folder/exercise.velmora");
    ModelDocument document;
    document.values = {{0, 1, 2, 1}, {0.5, 1, 0.5}, {10, 10, 10, 10}, {5, 0, 0, 0}};
    const ModelFileWrite written = writeModelFile(path, document);
    QVERIFY(!written.ok);
    QCOMPARE(written.message, "\"" + path + "\" could not be written: No such file or directory");
}

void TestModelFile::stageModelRoundTripKeepsTheModel_data()
{
    QTest::addColumn<StageModelDocument>("document");
    QTest::addRow("seeds and adults") << seedsAndAdults();

    StageModelDocument largest = seedsAndAdults();
    StageModel &model = largest.model;
    model = emptyStageModel(kMaxStages);
    model.stages[0] = "graines dormantes, 1re année";
    model.stages[1] = "細明體 " + std::string(40, 'x');
    std::srand(7);
    for (int c = 0; c < kMaxStages; ++c) {
        // Fates that add up to 1 within a rounding, as a published column does.
        model.U.col(c).setRandom();
        model.U.col(c) = model.U.col(c).cwiseAbs() / model.U.col(c).cwiseAbs().sum();
        model.F(0, c) = c * 1.1;
        model.C(c, c) = 1.0 / 3.0;
        model.n0(c) = 4.94065645841247E-324 * c;
    }
    model.harvest(kMaxStages - 1) = 1.79769313486231E+308;
    largest.source = QString(kModelSourceMaxLength, QChar(0x00e9));
    largest.notes = "Line \"one\"\n\tback\\slash";
    QTest::addRow("100 stages, clonal, extreme numbers") << largest;

    StageModelDocument bare;
    bare.model = emptyStageModel(1);
    QTest::addRow("one stage without texts") << bare;

    StageModelDocument density = seedsAndAdults();
    density.yield.density = DensityBlock{DensityForm::Ricker, 2.5E+15, {"adults"}};
    density.yield.harvestStages = {"adults", "seeds"};
    QTest::addRow("density and harvested stages") << density;
}

void TestModelFile::stageModelRoundTripKeepsTheModel()
{
    QFETCH(StageModelDocument, document);
    QTemporaryDir dir;
    const QString path = dir.filePath("life cycle.velmora");
    const ModelFileWrite written = writeModelFile(path, document);
    QVERIFY2(written.ok, qPrintable(written.message));

    const ModelFileRead read = readModelFile(path);
    QVERIFY2(read.stageDocument, qPrintable(read.message()));
    QVERIFY(!read.document);
    QCOMPARE(read.stageDocument->title, document.title);
    QCOMPARE(read.stageDocument->notes, document.notes);
    QCOMPARE(read.stageDocument->source, document.source);
    QVERIFY(sameModel(read.stageDocument->model, document.model));
    QCOMPARE(read.stageDocument->yield.density, document.yield.density);
    QCOMPARE(read.stageDocument->yield.harvestStages, document.yield.harvestStages);
    // A clonal matrix of zeros is left out of the file.
    QCOMPARE(contents(path).contains("\"clonal\""), !document.model.C.isZero(0.0));

    const QString again = dir.filePath("again.velmora");
    QVERIFY(writeModelFile(again, *read.stageDocument).ok);
    QCOMPARE(contents(again), contents(path));
}

// Density makes a Leslie file version 2: a version 1 program must refuse it, not drop it.
void TestModelFile::leslieModelWithDensityIsVersionTwo()
{
    ModelDocument document{QString(), QString(), {{0, 1, 2, 1}, {0.5, 1, 0.5}, {10, 10, 10, 10}, {5, 0, 0, 0}}};
    document.yield.density = DensityBlock{DensityForm::Ceiling, 1000, {}};
    const QByteArray bytes = modelFileBytes(document);
    QVERIFY(bytes.contains("\"version\": 2,"));
    QVERIFY(bytes.contains("\"density\": {\"form\": \"ceiling\", \"capacity\": 1000}"));
    const ModelFileRead read = parseModelFile(bytes);
    QVERIFY2(read.document, qPrintable(read.problem));
    QCOMPARE(read.document->yield.density, document.yield.density);
    QCOMPARE(read.asStageModel().yield.density, document.yield.density);
    document.yield.density.reset();
    QVERIFY(modelFileBytes(document).contains("\"version\": 1,"));
}

void TestModelFile::stageModelIsWrittenAsTheReadmeShowsIt()
{
    // The README's second file is the one the program writes for this model, to the byte.
    const QStringList files = readmeModelFiles();
    QVERIFY(files.size() >= 2);
    QCOMPARE(QString::fromUtf8(stageModelFileBytes(seedsAndAdults())), files[1]);
}

void TestModelFile::versionTwoFilesOpen_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("matrix"); // A = U + F + C by rows, empty for a Leslie model

    QTest::addRow("two stages") << stageModelFileWith("", "") << "Exercise sheet 4"
                                << "0 2 / 0.5 0.8";
    QTest::addRow("clonal births, no source")
        << stageModelFileWith("source", "\"clonal\": [[0, 0.25], [0, 0]]") << QString()
        << "0 2.25 / 0.5 0.8";
    QTest::addRow("one stage, version written 2.0")
        << QByteArray("{\"format\": \"velmora-model\", \"version\": 2.0, \"stages\": [\"all\"],"
                      "\"transitions\": [[1]], \"reproduction\": [[0.5]], \"n0\": [1], \"harvest\": [0]}")
        << QString() << "1.5";
    // Published columns are rounded: a sum a hair above 1 is taken as 1.
    QTest::addRow("column of transitions 1 by rounding")
        << stageModelFileWith("transitions", "\"transitions\": [[0, 0.2], [0.5, 0.8000000001]]")
        << "Exercise sheet 4" << "0 2.2 / 0.5 0.8000000001";
    QTest::addRow("Leslie model with a source")
        << modelFileWith("version", "\"version\": 2, \"source\": \"Leslie 1945\"")
        << "Leslie 1945" << QString();
}

void TestModelFile::versionTwoFilesOpen()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, source);
    QFETCH(QString, matrix);
    const ModelFileRead read = parseModelFile(bytes);
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QCOMPARE(read.stageDocument.has_value(), !matrix.isEmpty());
    QCOMPARE(read.document.has_value(), matrix.isEmpty());
    const StageModelDocument document = read.asStageModel();
    QCOMPARE(document.source, source);
    if (matrix.isEmpty()) {
        // A Leslie model opens as a life cycle too: births in row 0, survival below the diagonal.
        QCOMPARE(document.model.A().row(0).sum(), 4.0);
        QCOMPARE(document.model.A()(2, 1), 1.0);
        return;
    }
    QStringList rows;
    const Eigen::MatrixXd a = document.model.A();
    for (Eigen::Index r = 0; r < a.rows(); ++r) {
        QStringList values;
        for (Eigen::Index c = 0; c < a.cols(); ++c)
            values << QString::number(a(r, c), 'g', 12);
        rows << values.join(' ');
    }
    QCOMPARE(rows.join(" / "), matrix);
}

void TestModelFile::stageModelThatCannotBeOpenedIsNotWritten_data()
{
    QTest::addColumn<StageModelDocument>("document");
    QTest::addColumn<QString>("problem");
    StageModelDocument survivalAboveOne = seedsAndAdults();
    survivalAboveOne.model.U(0, 1) = 0.25;
    StageModelDocument negative = seedsAndAdults();
    negative.model.C(1, 0) = -0.5;
    StageModelDocument shortHarvest = seedsAndAdults();
    shortHarvest.model.harvest.resize(1);
    StageModelDocument wideF = seedsAndAdults();
    wideF.model.F.conservativeResize(2, 3);
    QTest::addRow("column of transitions above 1")
        << survivalAboveOne
        << "\"transitions\": the column of \"adults\" adds up to 1.05: at most all of a stage can survive";
    QTest::addRow("negative clonal rate")
        << negative << "\"clonal\"[1][0], from \"seeds\" to \"adults\", is -0.5: a clonal rate must be at least 0";
    QTest::addRow("harvest of one stage for two")
        << shortHarvest << "\"harvest\" holds 1 number: it must hold one for each of the 2 stages";
    QTest::addRow("reproduction of three columns")
        << wideF << "\"reproduction\" is 2 x 3: it must have a row and a column for each of the 2 stages";
    QTest::addRow("no stages") << StageModelDocument{} << "\"stages\" is []: a model needs at least 1 stage";
}

void TestModelFile::stageModelThatCannotBeOpenedIsNotWritten()
{
    QFETCH(StageModelDocument, document);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath("life cycle.velmora");
    QVERIFY(writeBytes(path, "old"));
    const ModelFileWrite written = writeModelFile(path, document);
    QCOMPARE(written.message, "\"" + path + "\" was not written: " + problem);
    QCOMPARE(contents(path), QByteArray("old"));
}

void TestModelFile::lifeCycleExamplesHaveTheirPublishedLambda_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("stages");
    QTest::addColumn<double>("lambda");
    // Crouse, Crowder & Caswell 1987, Ecology 68: 1412 (lambda = 0.9450).
    QTest::addRow("loggerhead sea turtle") << ":/examples/loggerhead-turtle.velmora" << 7 << 0.9450;
    // Brault & Caswell 1993, Ecology 74: 1444, as tabulated in Caswell 2001, Matrix Population
    // Models (lambda = 1.0254).
    QTest::addRow("killer whale") << ":/examples/killer-whale.velmora" << 4 << 1.0254;
    // Werner & Caswell 1977, Ecology 58: 1103, as tabulated in Caswell 2001 (lambda = 2.3339).
    QTest::addRow("teasel") << ":/examples/teasel.velmora" << 6 << 2.3339;
}

void TestModelFile::lifeCycleExamplesHaveTheirPublishedLambda()
{
    QFETCH(QString, path);
    QFETCH(int, stages);
    QFETCH(double, lambda);
    const ModelFileRead read = readModelFile(path);
    QVERIFY2(read.stageDocument, qPrintable(read.message()));
    const StageModel &model = read.stageDocument->model;
    QCOMPARE(model.size(), stages);
    QVERIFY(read.stageDocument->source.contains("Ecology"));
    // The dominant eigenvalue of a non-negative matrix is real and the largest in modulus.
    const Eigen::VectorXcd eigenvalues = Eigen::EigenSolver<Eigen::MatrixXd>(model.A()).eigenvalues();
    Eigen::Index dominant = 0;
    eigenvalues.cwiseAbs().maxCoeff(&dominant);
    QCOMPARE(eigenvalues(dominant).imag(), 0.0);
    QCOMPARE(std::round(eigenvalues(dominant).real() * 1e4) / 1e4, lambda);
    QVERIFY(read.stageDocument->notes.contains(QString::number(lambda, 'f', 4)));
}

void TestModelFile::everyExampleOpensWithTitleAndNotes()
{
    const QList<ModelExample> examples = modelExamples();
    QCOMPARE(examples.size(), 10);
    QStringList titles;
    for (const ModelExample &example : examples) {
        const ModelFileRead read = readModelFile(example.path);
        QVERIFY2(read.ok(), qPrintable(read.message()));
        QCOMPARE(example.stageModel, read.stageDocument.has_value());
        const StageModelDocument document = read.asStageModel();
        QVERIFY(!document.title.isEmpty());
        QVERIFY(document.notes.contains("What to look for"));
        QCOMPARE(example.title, document.title);
        titles << example.title;
        // The copy built into the program is the file that is installed.
        QCOMPARE(contents(example.path),
                 contents(QFINDTESTDATA("../../examples/" + example.fileName)));
    }
    titles.removeDuplicates();
    QCOMPARE(titles.size(), examples.size());
    // The first is the model the program starts with.
    Run fresh;
    QVERIFY(readModelFile(examples.first().path).document->values
            == *currentModelValues(fresh.simulation));
}

void TestModelFile::examplesShowWhatTheirNotesPromise()
{
    const auto values = [](const char *name) {
        return readModelFile(QStringLiteral(":/examples/%1.velmora").arg(QLatin1String(name)))
            .document->values;
    };
    const GrowthAnalysis declining = analyseGrowth(matrixOf(values("declining")));
    QCOMPARE(declining.status, GrowthStatus::Ok);
    QVERIFY(declining.lambda < 1);
    QCOMPARE(*declining.R0, 0.6);

    const ModelValues oscillating = values("oscillating");
    const GrowthAnalysis cycle = analyseGrowth(matrixOf(oscillating));
    QCOMPARE(cycle.structure.period, 4);
    QCOMPARE(cycle.lambda, 1.0);
    QCOMPARE(oscillating.fecundities[0] + oscillating.fecundities[1] + oscillating.fecundities[2], 0.0);
    // The program's own steps bring N(0) back after four of them, and never before.
    Run run;
    EditEntries entries = modelEntries(oscillating);
    entries.goBack(run.simulation);
    const auto n0 = run.simulation.fields().n1;
    for (int step = 1; step <= 4; ++step) {
        QCOMPARE(run.simulation.Projection(), ProjectionOutcome::Counted);
        run.simulation.Transition();
        QCOMPARE(run.simulation.fields().n1 == n0, step == 4);
    }
}

void TestModelFile::harvestExamplesBracketTheLargestHarvest()
{
    // With lambda > 1 a constant harvest H is carried for ever exactly when
    // v.N(0) > v.H / (lambda - 1), v the reproductive values.
    for (const auto &[name, persists] : {std::pair{"harvest-below-limit", true},
                                         std::pair{"harvest-above-limit", false}}) {
        const ModelValues model =
            readModelFile(QStringLiteral(":/examples/%1.velmora").arg(QLatin1String(name)))
                .document->values;
        const GrowthAnalysis growth = analyseGrowth(matrixOf(model));
        QVERIFY(growth.lambda > 1);
        const Vector4 &v = *growth.reproductiveValues;
        const double carried = dot(v, model.n0) * (growth.lambda - 1);
        QCOMPARE(dot(v, model.harvest) < carried, persists);
        // Within 3 % of the limit: "just" below and above.
        QVERIFY2(std::abs(dot(v, model.harvest) / carried - 1) < 0.03, name);

        // The program's own projection agrees over the whole history: the one grows, the
        // other is emptied (a rejected projection, not only a total below one animal).
        const Vector4 n{model.n0[0], model.n0[1], model.n0[2], model.n0[3]};
        const Vector4 h{model.harvest[0], model.harvest[1], model.harvest[2], model.harvest[3]};
        const HarvestVerdict verdict = harvestVerdict(matrixOf(model), h, n, 0.0, kLastTime);
        QCOMPARE(verdict.verdict, persists ? Verdict::Grows : Verdict::ReachesZero);
    }
}

namespace {

// The default model as a version 2 file with `exercise` as its block.
QByteArray defaultWithExercise(const QByteArray &exercise)
{
    return R"({"format": "velmora-model", "version": 2, "fecundities": [0, 1, 2, 1],
               "survival": [0.5, 1, 0.5], "n0": [10, 10, 10, 10], "harvest": [5, 0, 0, 0],
               "exercise": )" + exercise + "}";
}

} // namespace

void TestModelFile::exerciseBlockIsReadWithItsDefaults()
{
    const ModelFileRead read = parseModelFile(defaultWithExercise(R"({"title": "Sheet 1",
        "questions": [{"text": "lambda?", "asks": "growth.lambda"},
                      {"text": "Risk?", "asks": "risk.finalRisk", "tolerance": 0.1, "points": 2,
                       "risk": {"cvSurvival": 0.2, "seed": 7}}],
        "vary": [{"value": "harvest[0]", "from": 4, "to": 6, "step": 0.5}],
        "analysis": false})"));
    QVERIFY2(read.ok() && read.exercise, qPrintable(read.problem + read.exerciseProblem));
    const ExerciseBlock &block = *read.exercise;
    QCOMPARE(block.questions.size(), size_t(2));
    QCOMPARE(block.questions[0].tolerance, 0.01);
    QCOMPARE(block.questions[0].absolute, 1e-9);
    QCOMPARE(block.questions[0].points, 1.0);
    QVERIFY(!block.questions[0].risk);
    QCOMPARE(block.questions[1].risk->seed, 7u);
    QCOMPARE(block.questions[1].risk->replicates, kDefaultReplicates);
    QCOMPARE(block.maxTries, 3);
    QVERIFY(!block.analysis);
    QCOMPARE(varyChoices(block.vary[0]), (std::vector<double>{4, 4.5, 5, 5.5, 6}));
    // A step that does not add up exactly still ends at the teacher's own "to".
    QCOMPARE(varyChoices({"n0[0]", 0.1, 0.3, 0.1}), (std::vector<double>{0.1, 0.2, 0.3}));
}

void TestModelFile::badExerciseLeavesTheModelOpen_data()
{
    QTest::addColumn<QByteArray>("exercise");
    QTest::addColumn<QString>("problem");
    const QByteArray lambda = R"({"text": "lambda?", "asks": "growth.lambda"})";
    QTest::addRow("not an object") << QByteArray("[]") << "\"exercise\", it is []";
    QTest::addRow("no title") << "{\"questions\": [" + lambda + "]}" << "\"title\" is missing";
    QTest::addRow("no questions") << QByteArray(R"({"title": "T", "questions": []})")
                                  << "\"questions\" is []: it must be a list of 1 to 100";
    QTest::addRow("second question without asks")
        << R"({"title": "T", "questions": [)" + lambda + R"(, {"text": "R0?"}]})"
        << "question 2: \"asks\" is missing";
    QTest::addRow("asks that is no key path")
        << QByteArray(R"({"title": "T", "questions": [{"text": "?", "asks": "growth..lambda"}]})")
        << "question 1: \"asks\" is \"growth..lambda\"";
    QTest::addRow("negative tolerance")
        << QByteArray(R"({"title": "T", "questions": [{"text": "?", "asks": "growth.R0", "tolerance": -0.1}]})")
        << "question 1: \"tolerance\" is -0.1";
    QTest::addRow("risk without settings")
        << QByteArray(R"({"title": "T", "questions": [{"text": "?", "asks": "risk.finalRisk"}]})")
        << "question 1: \"risk\" is missing";
    QTest::addRow("seed beyond the risk command's")
        << QByteArray(R"({"title": "T", "questions": [{"text": "?", "asks": "risk.finalRisk",
                          "risk": {"seed": 1e10}}]})")
        << "question 1: \"seed\" in \"risk\" is 10000000000";
    QTest::addRow("varied key the Leslie model lacks")
        << "{\"title\": \"T\", \"questions\": [" + lambda
               + R"(], "vary": [{"value": "survival[3]", "from": 0, "to": 1, "step": 0.1}]})"
        << "varied value 1: \"value\" is \"survival[3]\", which names no value";
    QTest::addRow("varied survival above 1 at its end")
        << "{\"title\": \"T\", \"questions\": [" + lambda
               + R"(], "vary": [{"value": "survival[0]", "from": 0.5, "to": 1.5, "step": 0.5}]})"
        << "with survival[0] at 1.5, \"survival\"[0] is 1.5";
    QTest::addRow("step of 0")
        << "{\"title\": \"T\", \"questions\": [" + lambda
               + R"(], "vary": [{"value": "n0[0]", "from": 1, "to": 2, "step": 0}]})"
        << "the values must rise";
    QTest::addRow("too many values to draw from")
        << "{\"title\": \"T\", \"questions\": [" + lambda
               + R"(], "vary": [{"value": "n0[0]", "from": 0, "to": 1e6, "step": 1}]})"
        << "more than 1000 values";
    QTest::addRow("maxTries of 0")
        << "{\"title\": \"T\", \"maxTries\": 0, \"questions\": [" + lambda + "]}"
        << "\"maxTries\" is 0";
}

void TestModelFile::badExerciseLeavesTheModelOpen()
{
    QFETCH(QByteArray, exercise);
    QFETCH(QString, problem);
    ModelFileRead read = parseModelFile(defaultWithExercise(exercise));
    read.fileName = "sheet.velmora";
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QVERIFY(!read.exercise);
    QVERIFY2(read.exerciseMessage().startsWith("\"sheet.velmora\": \"exercise\", "),
             qPrintable(read.exerciseMessage()));
    QVERIFY2(read.exerciseProblem.contains(problem), qPrintable(read.exerciseProblem));
    QVERIFY(read.exerciseMessage().endsWith("the model opened without its exercise"));
}

// "Save as exercise..." on a version 1 model: an older program must refuse the file by its
// version, and the exercise must read back whole.
void TestModelFile::exerciseIsWrittenAsVersionTwo()
{
    QTemporaryDir dir;
    const QString name = dir.filePath("exercise.velmora");
    const ModelFileRead model = readModelFile(QFINDTESTDATA("../../examples/default.velmora"));
    ExerciseBlock block = exampleExercise("Sheet 2");
    block.vary = {{"harvest[0]", 4, 16, 1}};
    block.maxTries = 5;
    QVERIFY(writeExerciseFile(name, model, block).ok);
    const ModelFileRead read = readModelFile(name);
    QVERIFY2(read.exercise, qPrintable(read.problem + read.exerciseProblem));
    QVERIFY(contents(name).contains("\"version\": 2,"));
    QCOMPARE(read.document->values, model.document->values);
    QCOMPARE(exerciseBlockJson(*read.exercise), exerciseBlockJson(block));
    // A block the reader would refuse is not written.
    block.vary = {{"survival[0]", 0.5, 2, 0.5}};
    const ModelFileWrite refused = writeExerciseFile(dir.filePath("bad.velmora"), model, block);
    QVERIFY(!refused.ok);
    QVERIFY2(refused.message.contains("with survival[0] at 2"), qPrintable(refused.message));
    QVERIFY(!QFile::exists(dir.filePath("bad.velmora")));
}

QTEST_APPLESS_MAIN(TestModelFile)
#include "tst_modelfile.moc"
