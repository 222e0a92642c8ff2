#include "demography/analysis.h"
#include "demography/stochastic.h"
#include "exercise/analysisoutput.h"
#include "exercise/exercise.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

#include <cmath>

using namespace velmora;

namespace {

ModelFileRead exampleFile(const char *name)
{
    ModelFileRead read = readModelFile(QFINDTESTDATA(QStringLiteral("../../examples/%1").arg(name)));
    read.fileName = name;
    return read;
}

// The JSON that "velmora-cli analyse --json" prints for the example.
QJsonObject printedReport(const ModelFileRead &read)
{
    if (read.stageDocument)
        return QJsonDocument::fromJson(QByteArray::fromStdString(analysisJson(read.stageDocument->model))).object();
    const ModelValues &v = read.document->values;
    PopulationModel model;
    model.M = {v.fecundities[0], v.fecundities[1], v.fecundities[2], v.fecundities[3],
               v.survival[0], 0, 0, 0, 0, v.survival[1], 0, 0, 0, 0, v.survival[2], 0};
    model.H = v.harvest;
    model.N = v.n0;
    return QJsonDocument::fromJson(QByteArray::fromStdString(analysisJson(analyseModel(model)))).object();
}

ExerciseQuestion asking(const QString &asks, double tolerance = 0.01, double absolute = 1e-9)
{
    ExerciseQuestion question;
    question.text = asks;
    question.asks = asks;
    question.tolerance = tolerance;
    question.absolute = absolute;
    return question;
}

Figure numbers(std::vector<double> values, bool exact = false)
{
    Figure figure;
    figure.kind = values.size() == 1 ? Figure::Kind::Number : Figure::Kind::Numbers;
    figure.numbers = std::move(values);
    figure.exact = exact;
    return figure;
}

// The default model with an exercise that varies the harvest of newborns from 0 to 20.
ModelFileRead harvestExercise()
{
    return parseModelFile(R"({"format": "velmora-model", "version": 2, "fecundities": [0, 1, 2, 1],
        "survival": [0.5, 1, 0.5], "n0": [10, 10, 10, 10], "harvest": [5, 0, 0, 0],
        "exercise": {"title": "Harvest", "questions": [{"text": "?", "asks": "growth.lambda"}],
                     "vary": [{"value": "harvest[0]", "from": 0, "to": 20, "step": 0.5},
                              {"value": "fecundities[2]", "from": 1, "to": 3, "step": 0.1}]}})");
}

} // namespace

Q_DECLARE_METATYPE(velmora::Figure)
Q_DECLARE_METATYPE(velmora::Mark)

class TestExercise : public QObject {
    Q_OBJECT

private slots:
    void reportKeysAreTheFiguresPrinted_data();
    void reportKeysAreTheFiguresPrinted();
    void defaultModelFiguresMeetTheirClosedForms();
    void firstBelowThresholdIsWhereTheProjectionFalls();
    void elasticityQuestionsOfTheLoggerhead();
    void finalRiskIsTheRiskCommands();
    void asksThatNameNoFigure_data();
    void asksThatNameNoFigure();
    void sameStudentDrawsTheSameNumbers();
    void marking_data();
    void marking();
};

void TestExercise::reportKeysAreTheFiguresPrinted_data()
{
    QTest::addColumn<QString>("example");
    QTest::addColumn<QString>("asks");
    QTest::addColumn<QString>("printedPath"); // the same figure found by hand in the printed JSON
    for (const char *example : {"default.velmora", "loggerhead-turtle.velmora"}) {
        QTest::addRow("%s lambda", example) << example << "growth.lambda" << "growth/lambda";
        QTest::addRow("%s stable distribution", example)
            << example << "growth.stableDistribution" << "growth/stableDistribution";
        QTest::addRow("%s one stage's share", example)
            << example << "growth.stableDistribution[2]" << "growth/stableDistribution/2";
        QTest::addRow("%s sustainable factor", example)
            << example << "harvestThreshold.sustainableFactor" << "harvestThreshold/sustainableFactor";
        QTest::addRow("%s verdict", example)
            << example << "harvestThreshold.verdict" << "harvestThreshold/verdict";
        QTest::addRow("%s elasticity cell", example) << example << "elasticity[1][0]" << "elasticity/1/0";
        // Figures of the searches for the largest harvest, which most questions do without.
        QTest::addRow("%s largest harvest", example)
            << example << "largestHarvest.factor" << "largestHarvest/factor";
        QTest::addRow("%s projected cost", example) << example << "harvestCost[0].largestHarvestProjected"
                                                    << "harvestCost/0/largestHarvestProjected";
        QTest::addRow("%s outcome", example) << example << "verdict.outcome" << "verdict/outcome";
    }
}

void TestExercise::reportKeysAreTheFiguresPrinted()
{
    QFETCH(QString, example);
    QFETCH(QString, asks);
    QFETCH(QString, printedPath);
    const ModelFileRead read = exampleFile(qPrintable(example));
    QVERIFY2(read.ok(), qPrintable(read.message()));
    QVERIFY(asksNamesFigure(asks));
    const Figure figure = ExerciseFigures(read).figure(asking(asks));
    QJsonValue printed = printedReport(read);
    for (const QString &step : printedPath.split('/'))
        printed = printed.isArray() ? printed.toArray().at(step.toInt()) : printed.toObject().value(step);
    if (printed.isNull()) {
        // A figure this model lacks (the turtle's sustainable factor without a harvest).
        QCOMPARE(figure.kind, Figure::Kind::None);
    } else if (printed.isString()) {
        QCOMPARE(figure.kind, Figure::Kind::Word);
        QCOMPARE(figure.word, printed.toString());
    } else if (printed.isArray()) {
        QCOMPARE(figure.kind, Figure::Kind::Numbers);
        QCOMPARE(qsizetype(figure.numbers.size()), printed.toArray().size());
        for (size_t i = 0; i < figure.numbers.size(); ++i)
            QCOMPARE(figure.numbers[i], printed.toArray().at(qsizetype(i)).toDouble());
    } else {
        QCOMPARE(figure.kind, Figure::Kind::Number);
        QCOMPARE(figure.numbers.front(), printed.toDouble());
    }
}

void TestExercise::defaultModelFiguresMeetTheirClosedForms()
{
    const ExerciseFigures figures(exampleFile("default.velmora"));
    // The Euler-Lotka equation of the Leslie matrix: lambda^4 = f1 s0 lambda^2 + f2 s0 s1 lambda
    // + f3 s0 s1 s2 = 0.5 lambda^2 + lambda + 0.25 (Caswell 2001, eq. 2.23 for age classes).
    const double lambda = figures.figure(asking("growth.lambda")).numbers.front();
    QVERIFY(std::abs(std::pow(lambda, 4) - (0.5 * lambda * lambda + lambda + 0.25)) < 1e-12);
    // One step by hand: M N(0) - H = (40, 5, 10, 5) - (5, 0, 0, 0), a total of 55.
    QCOMPARE(figures.figure(asking("projection.total[0]")).numbers, std::vector<double>{40});
    QCOMPARE(figures.figure(asking("projection.total[1]")).numbers, std::vector<double>{55});
    // The default model outgrows its harvest: it never falls below one animal.
    QCOMPARE(figures.figure(asking("projection.firstBelowThreshold")).word, QString("never"));
}

void TestExercise::firstBelowThresholdIsWhereTheProjectionFalls()
{
    const ModelFileRead read = exampleFile("harvest-above-limit.velmora");
    const ExerciseFigures figures(read);
    const Figure first = figures.figure(asking("projection.firstBelowThreshold"));
    QCOMPARE(first.kind, Figure::Kind::Number);
    const int t = int(first.numbers.front());
    QCOMPARE(double(t), printedReport(read)["verdict"].toObject()["t"].toDouble());
    const auto total = [&figures](int step) {
        return figures.figure(asking(QStringLiteral("projection.total[%1]").arg(step))).numbers.front();
    };
    QVERIFY2(total(t) < 1 && total(t - 1) >= 1, qPrintable(QString::number(t)));
}

void TestExercise::elasticityQuestionsOfTheLoggerhead()
{
    // Crouse, Crowder and Caswell (1987), Fig. 3: the largest single elasticity is the stasis of
    // mature breeders (0.230); small juveniles' stasis and growth add up to 0.232, but the
    // mature breeders' column also holds their fecundity (0.039): 0.268, the largest column.
    const ExerciseFigures figures(exampleFile("loggerhead-turtle.velmora"));
    QCOMPARE(figures.figure(asking("largestElasticity.stage")).word, QString("mature breeders"));
    const Figure cell = figures.figure(asking("largestElasticity.cell"));
    QCOMPARE(cell.numbers, (std::vector<double>{6, 6}));
    QVERIFY(cell.exact);
    QVERIFY(!cell.nearTie);

    // A two-stage cycle (adults have 2 young, half of which grow up) puts an elasticity of 1/2
    // in each of its two cells (loop analysis, van Groenendael et al. 1994, Ecology 75: 2410:
    // every transition of a loop has the loop's elasticity, and one loop carries all of it):
    // neither stage nor cell can be asked for.
    const ModelFileRead cycle = parseModelFile(R"({"format": "velmora-model", "version": 2,
        "stages": ["young", "adults"], "transitions": [[0, 0], [0.5, 0]],
        "reproduction": [[0, 2], [0, 0]], "n0": [1, 1], "harvest": [0, 0]})");
    const ExerciseFigures tied(cycle);
    QVERIFY(tied.figure(asking("largestElasticity.stage")).nearTie);
    QVERIFY(tied.figure(asking("largestElasticity.cell")).nearTie);
}

void TestExercise::finalRiskIsTheRiskCommands()
{
    const ModelFileRead read = exampleFile("loggerhead-turtle.velmora");
    ExerciseQuestion question = asking("risk.finalRisk");
    RiskSettings settings;
    settings.cvSurvival = 0.2;
    settings.threshold = 5000;
    settings.replicates = 200;
    settings.steps = 20;
    settings.seed = 11;
    question.risk = settings;
    const Figure figure = ExerciseFigures(read).figure(question);
    const RiskOutcome outcome = runRisk(read.stageDocument->model, settings);
    QCOMPARE(outcome.status, RiskStatus::Done);
    QCOMPARE(figure.numbers, std::vector<double>{outcome.result.finalRisk});
    // Without variation a declining population below the threshold within 20 years is lost
    // in every replicate: 9999 animals shrink by 5.5 % a year to about 3200.
    question.risk->cvSurvival = 0;
    QCOMPARE(ExerciseFigures(read).figure(question).numbers, std::vector<double>{1.0});
}

void TestExercise::asksThatNameNoFigure_data()
{
    QTest::addColumn<QString>("asks");
    QTest::addRow("unknown section") << "growht.lambda";
    QTest::addRow("a section, not a figure") << "growth";
    QTest::addRow("index of a number") << "growth.lambda[0]";
    QTest::addRow("projection without a step") << "projection.total";
    QTest::addRow("not a key path") << "growth lambda";
}

void TestExercise::asksThatNameNoFigure()
{
    QFETCH(QString, asks);
    QVERIFY(!asksNamesFigure(asks));
    QCOMPARE(ExerciseFigures(exampleFile("default.velmora")).figure(asking(asks)).kind, Figure::Kind::None);
}

void TestExercise::sameStudentDrawsTheSameNumbers()
{
    const ModelFileRead read = harvestExercise();
    QVERIFY2(read.exercise, qPrintable(read.exerciseProblem));
    const ExerciseBlock &block = *read.exercise;
    const std::vector<double> ada = drawStudentValues(block, "Ada Lovelace");
    QCOMPARE(drawStudentValues(block, "  ada   LOVELACE "), ada);
    QVERIFY(drawStudentValues(block, "Alan Turing") != ada);
    // Handed-out sheets must keep their numbers in every later version: a change of the hash,
    // the stream or the choice shows here.
    QCOMPARE(ada, (std::vector<double>{5, 3}));
    const ExerciseSheet sheet = exerciseSheet(read, "Ada Lovelace");
    QCOMPARE(sheet.model.document->values.harvest[0], ada[0]);
    QCOMPARE(sheet.model.document->values.fecundities[2], ada[1]);
}

void TestExercise::marking_data()
{
    QTest::addColumn<Figure>("figure");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<double>("absolute");
    QTest::addColumn<Mark>("mark");
    const Figure two = numbers({2});
    QTest::addRow("right at the edge") << two << "2.02" << 0.01 << 0.0 << Mark::Right;
    QTest::addRow("right at the lower edge") << two << "1.98" << 0.01 << 0.0 << Mark::Right;
    QTest::addRow("close just beyond") << two << "2.0201" << 0.01 << 0.0 << Mark::Close;
    QTest::addRow("close at ten times") << two << "2.2" << 0.01 << 0.0 << Mark::Close;
    QTest::addRow("wrong beyond ten times") << two << "2.2001" << 0.01 << 0.0 << Mark::Wrong;
    QTest::addRow("0 met by the absolute") << numbers({0}) << "1e-9" << 0.01 << 1e-9 << Mark::Right;
    QTest::addRow("0 close within ten absolutes") << numbers({0}) << "1e-8" << 0.01 << 1e-9 << Mark::Close;
    QTest::addRow("no number") << two << "two" << 0.01 << 0.0 << Mark::Wrong;
    QTest::addRow("two numbers for one") << two << "2 2" << 0.01 << 0.0 << Mark::Wrong;
    const Figure shares = numbers({0.5, 0.25, 0.25});
    QTest::addRow("vector right") << shares << "[0.5, 0.25, 0.25]" << 0.01 << 0.0 << Mark::Right;
    QTest::addRow("vector worst element close") << shares << "0.5; 0.26 0.25" << 0.01 << 0.0 << Mark::Close;
    QTest::addRow("vector one element short") << shares << "0.5 0.25" << 0.01 << 0.0 << Mark::Wrong;
    QTest::addRow("cell exactly") << numbers({6, 6}, true) << "6, 6" << 0.5 << 0.5 << Mark::Right;
    QTest::addRow("cell as the file writes it") << numbers({6, 6}, true) << "[6][6]" << 0.0 << 0.0 << Mark::Right;
    QTest::addRow("cell near is wrong") << numbers({6, 6}, true) << "6, 5.9" << 0.5 << 0.5 << Mark::Wrong;
    Figure stage;
    stage.kind = Figure::Kind::Word;
    stage.word = "small juveniles";
    QTest::addRow("stage in other case") << stage << " Small  Juveniles " << 0.01 << 0.0 << Mark::Right;
    QTest::addRow("other stage") << stage << "large juveniles" << 0.01 << 0.0 << Mark::Wrong;
    QTest::addRow("no figure") << Figure{} << "0" << 0.01 << 0.0 << Mark::Wrong;
}

void TestExercise::marking()
{
    QFETCH(Figure, figure);
    QFETCH(QString, answer);
    QFETCH(double, tolerance);
    QFETCH(double, absolute);
    QFETCH(Mark, mark);
    QCOMPARE(markAnswer(figure, answer, asking("x", tolerance, absolute)), mark);
}

QTEST_APPLESS_MAIN(TestExercise)
#include "tst_exercise.moc"
