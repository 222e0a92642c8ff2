#include "tests/support/lesliematrix.h"
#include "exercise/analysisoutput.h"
#include "model/analysisreport.h"
#include "demography/defaultmodel.h"
#include "modelfile/modelfile.h"
#include "base/texts.h"
#include "tests/support/stagemodels.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <optional>

using namespace velmora;

Q_DECLARE_METATYPE(Matrix4)
Q_DECLARE_METATYPE(Vector4)

namespace {

QJsonObject readBack(const ModelAnalysis &a)
{
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(analysisJson(a)), &error);
    if (error.error != QJsonParseError::NoError)
        qWarning() << error.errorString();
    return document.object();
}

// The figure itself, bit for bit, or null where it does not exist.
bool sameNumber(const QJsonValue &value, std::optional<double> expected)
{
    if (!expected || !std::isfinite(*expected))
        return value.isNull();
    return value.isDouble() && value.toDouble() == *expected;
}

bool sameNumbers(const QJsonValue &value, const double *expected, size_t count)
{
    const QJsonArray array = value.toArray();
    if (!value.isArray() || size_t(array.size()) != count)
        return false;
    for (size_t i = 0; i < count; ++i)
        if (!sameNumber(array.at(qsizetype(i)), expected[i]))
            return false;
    return true;
}

bool sameNumbers(const QJsonValue &value, const std::optional<Vector4> &expected)
{
    return expected ? sameNumbers(value, expected->data(), 4) : value.isNull();
}

} // namespace

class TestAnalysisOutput : public QObject {
    Q_OBJECT

private slots:
    void jsonReadsBackAsTheFigures_data();
    void jsonReadsBackAsTheFigures();
    void textKeepsFiguresApartAndNoiseAtZero();
    void stageModelJsonIsSizedByItsStages_data();
    void stageModelJsonIsSizedByItsStages();
    void largeLifeCycleIsNotSearchedAndSaysSo();
    void reportLinesStayEnglishUnderATranslator();
};

void TestAnalysisOutput::jsonReadsBackAsTheFigures_data()
{
    QTest::addColumn<Matrix4>("m");
    QTest::addColumn<Vector4>("h");
    QTest::addColumn<Vector4>("n");
    const Vector4 tens{10, 10, 10, 10};
    QTest::addRow("default") << defaultLeslie() << Vector4{5, 0, 0, 0} << tens;
    QTest::addRow("3-class, above N*") << leslie({0, 4, 3, 0}, 0.5, 0.25, 0)
                                       << Vector4{10, 0, 0, 0} << Vector4{8, 4, 1, 0};
    // lambda = 1: M - I is singular, so N* is null.
    QTest::addRow("lambda 1") << leslie({0, 0, 0, 8}, 0.5, 0.5, 0.5) << Vector4{1, 0, 0, 0}
                              << tens;
    // Every other root 0: an infinite damping ratio is null beside its flag.
    QTest::addRow("f0 alone") << leslie({0.002, 0, 0, 0}, 0.5, 1, 0.5) << Vector4{5, 0, 0, 0}
                              << tens;
    QTest::addRow("no births") << leslie({0, 0, 0, 0}, 0.5, 0.5, 0.5) << Vector4{1, 0, 0, 0}
                               << tens;
    QTest::addRow("harvest without limit") << defaultLeslie() << Vector4{0, 0, 0, 1} << tens;
    QTest::addRow("eigenvector step failed")
        << leslie({2.0897699519324679e-15, 353831773396.323, 0.00013910924124395298,
                   0.37498589116916126},
                  0, 1, 1)
        << Vector4{5, 0, 0, 0} << tens;
    QTest::addRow("huge and tiny numbers") << leslie({0, 1e12, 3e12, 1}, 0.5, 0.25, 1e-6)
                                           << Vector4{1e-300, 0, 0, 0} << Vector4{1e300, 0, 0, 1};
}

void TestAnalysisOutput::jsonReadsBackAsTheFigures()
{
    QFETCH(Matrix4, m);
    QFETCH(Vector4, h);
    QFETCH(Vector4, n);
    const ModelAnalysis a = analyseModel({m, h, n, 3});
    const QJsonObject json = readBack(a);
    QVERIFY(!json.isEmpty());

    const QJsonObject model = json["model"].toObject();
    for (size_t r = 0; r < 4; ++r)
        QVERIFY(sameNumbers(model["M"].toArray().at(qsizetype(r)), &m[4 * r], 4));
    QVERIFY(sameNumbers(model["H"], h.data(), 4));
    QVERIFY(sameNumbers(model["N"], n.data(), 4));
    QCOMPARE(model["t"].toInt(), 3);
    QVERIFY(sameNumber(model["extinctionThreshold"], a.model.extinctionThreshold));

    const GrowthAnalysis &g = a.growth;
    const QJsonObject growth = json["growth"].toObject();
    const bool ok = g.status == GrowthStatus::Ok || g.status == GrowthStatus::NoEigenvector;
    const bool hasLambda = ok || g.status == GrowthStatus::NoGrowth;
    QVERIFY(sameNumber(growth["lambda"], hasLambda ? std::optional(g.lambda) : std::nullopt));
    const QJsonArray eigenvalues = growth["eigenvalues"].toArray();
    QCOMPARE(eigenvalues.size(), 4);
    for (qsizetype i = 0; i < 4; ++i) {
        QVERIFY(sameNumber(eigenvalues[i].toObject()["re"], g.spectrum.values[size_t(i)].real()));
        QVERIFY(sameNumber(eigenvalues[i].toObject()["im"], g.spectrum.values[size_t(i)].imag()));
    }
    QVERIFY(sameNumbers(growth["stableDistribution"], g.stableDistribution));
    QVERIFY(sameNumbers(growth["reproductiveValues"], g.reproductiveValues));
    QVERIFY(sameNumber(growth["R0"], g.R0));
    QVERIFY(sameNumber(growth["dampingRatio"], ok ? std::optional(g.dampingRatio) : std::nullopt));
    QCOMPARE(growth["dampingRatioInfinite"].toBool(), ok && std::isinf(g.dampingRatio));
    QVERIFY(sameNumber(growth["generationTime"], g.generationTime));
    QCOMPARE(growth["period"].toInt(), g.structure.period);
    QVERIFY(sameNumbers(growth["lifeExpectancy"], g.lifeExpectancy));
    const QJsonObject structure = json["structure"].toObject();
    QCOMPARE(structure["irreducible"].toBool(), !g.structure.reducible);
    QCOMPARE(structure["primitive"].toBool(), g.structure.primitive);
    QCOMPARE(structure["ergodic"].toBool(), g.ergodic);
    const QJsonValue partition = json["elasticityPartition"];
    QCOMPARE(partition.isNull(), !g.partition);
    if (g.partition)
        QVERIFY(sameNumber(partition.toObject()["retrogression"], g.partition->retrogression));

    const QJsonObject equilibrium = json["equilibrium"].toObject();
    if (a.equilibrium.status == EquilibriumStatus::Singular) {
        QVERIFY(equilibrium["N"].isNull());
        QVERIFY(equilibrium["total"].isNull());
    } else {
        QVERIFY(sameNumbers(equilibrium["N"], a.equilibrium.N.data(), 4));
        QVERIFY(sameNumber(equilibrium["total"], a.equilibrium.total));
    }

    const QJsonObject verdict = json["verdict"].toObject();
    QCOMPARE(verdict["outcome"].toString(), QString(verdictName(a.verdict.verdict)));
    QCOMPARE(verdict["stepsRun"].toInt(), a.verdict.stepsRun);
    QVERIFY(sameNumber(verdict["firstEmptied"], a.verdict.firstEmptied > 0
                                                    ? std::optional<double>(a.verdict.firstEmptied)
                                                    : std::nullopt));
    QVERIFY(sameNumbers(verdict["last"], a.verdict.last.data(), 4));
    QVERIFY(sameNumber(verdict["lastTotal"], a.verdict.lastTotal));

    const QJsonObject limit = json["largestHarvest"].toObject();
    QVERIFY(sameNumbers(limit["direction"], a.limit.direction.data(), 4));
    if (a.limit.status == HarvestLimitStatus::Ok) {
        QVERIFY(sameNumber(limit["factor"], a.limit.factor));
        QVERIFY(sameNumbers(limit["harvest"], a.limit.harvest.data(), 4));
    } else {
        QVERIFY(limit["factor"].isNull());
        QVERIFY(limit["harvest"].isNull());
    }

    const Sensitivities &sensitivity = g.sensitivity;
    if (sensitivity.status == SensitivityStatus::Ok) {
        for (size_t r = 0; r < 4; ++r) {
            const qsizetype row = qsizetype(r);
            QVERIFY(sameNumbers(json["sensitivity"].toArray()[row],
                                &sensitivity.sensitivity[4 * r], 4));
            QVERIFY(sameNumbers(json["elasticity"].toArray()[row],
                                &sensitivity.elasticity[4 * r], 4));
        }
    } else {
        QVERIFY(json["sensitivity"].isNull());
        QVERIFY(json["elasticity"].isNull());
    }
    const QJsonArray rates = json["vitalRates"].toArray();
    QCOMPARE(rates.size(), 7);
    for (qsizetype i = 0; i < 7; ++i) {
        const QJsonObject rate = rates[i].toObject();
        const auto cell = size_t(kVitalRateCells[size_t(i)]);
        const bool ok = sensitivity.status == SensitivityStatus::Ok;
        QCOMPARE(rate["name"].toString(), QString(kVitalRateNames[size_t(i)]));
        QVERIFY(sameNumber(rate["value"], m[cell]));
        QVERIFY(sameNumber(rate["sensitivity"],
                           ok ? std::optional(sensitivity.sensitivity[cell]) : std::nullopt));
        QVERIFY(sameNumber(rate["elasticity"],
                           ok ? std::optional(sensitivity.elasticity[cell]) : std::nullopt));
    }

    const HarvestRule &rule = a.rule;
    const bool known = rule.verdict != RuleVerdict::Unknown;
    const QJsonObject threshold = json["harvestThreshold"].toObject();
    QVERIFY(sameNumber(threshold["reproductiveValueOfN"],
                       known ? std::optional(rule.valueOfN) : std::nullopt));
    QVERIFY(sameNumber(threshold["reproductiveValueOfNStar"],
                       known ? rule.valueOfNStar : std::nullopt));
    QVERIFY(sameNumber(threshold["sustainableFactor"], rule.sustainableFactor));
    QCOMPARE(threshold["unlimited"].toBool(), rule.unlimited);

    const QJsonArray costs = json["harvestCost"].toArray();
    QCOMPARE(costs.size(), 4);
    for (qsizetype i = 0; i < 4; ++i) {
        const QJsonObject cost = costs[i].toObject();
        const ClassCost &expected = a.costs[size_t(i)];
        QCOMPARE(cost["class"].toInt(), int(i));
        QVERIFY(sameNumber(cost["reproductiveValue"],
                           known ? std::optional(expected.reproductiveValue) : std::nullopt));
        QVERIFY(sameNumber(cost["largestHarvestFormula"], expected.largestForEver));
        const bool projected = expected.projected.status == HarvestLimitStatus::Ok;
        QVERIFY(sameNumber(cost["largestHarvestProjected"],
                           projected ? std::optional(expected.projected.factor) : std::nullopt));
    }

    const QJsonObject proportional = json["proportionalHarvest"].toObject();
    QVERIFY(sameNumber(proportional["uniformRate"], a.proportional.uniformRate));
    for (qsizetype i = 0; i < 4; ++i)
        QVERIFY(sameNumber(proportional["byClass"].toArray()[i],
                           a.proportional.byClass[size_t(i)]));

    const QJsonObject transient = json["transient"].toObject();
    QVERIFY(sameNumber(transient["reactivity"], a.transients.reactivity));
    QVERIFY(sameNumber(transient["inertia"], a.transients.inertia));
    const std::optional<int> time = a.transients.convergenceTime;
    QVERIFY(sameNumber(transient["convergenceTime"],
                       time ? std::optional<double>(*time) : std::nullopt));

    // The report lines as the window shows them, in their order.
    const std::vector<ReportLine> lines = analysisReport(a);
    const QJsonArray report = json["report"].toArray();
    QCOMPARE(size_t(report.size()), lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        const QJsonObject line = report[qsizetype(i)].toObject();
        QCOMPARE(line["key"].toString().toStdString(), lines[i].key);
        QCOMPARE(line["text"].toString().toStdString(), lines[i].text);
        QCOMPARE(line["section"].toString().toStdString(), lines[i].section);
        QCOMPARE(size_t(line["cells"].toArray().size()), lines[i].cells.size());
    }
}

// The oscillating example: R0 = 0.5^3 x 8 = 1, so lambda = 1 and (lambda - 1) v.N(t) = 0,
// which the eigenvalue solver leaves as about -2E-14.
void TestAnalysisOutput::textKeepsFiguresApartAndNoiseAtZero()
{
    const ModelAnalysis a = analyseModel({leslie({0, 0, 0, 8}, 0.5, 0.5, 0.5),
                                          Vector4{0, 0, 0, 0}, Vector4{50, 10, 10, 10}, 0});
    const QString text = QString::fromStdString(analysisText(a));
    const QString label = "v.H against (lambda - 1) v.N(t)";
    const qsizetype at = text.indexOf(label);
    QVERIFY(at >= 0);
    const QString line = text.mid(at + label.size(), text.indexOf('\n', at) - at - label.size());
    QCOMPARE(line.split(' ', Qt::SkipEmptyParts), QStringList({"0", "0"}));
    // A figure as wide as its column still stands apart from the one before it.
    const ModelAnalysis wide = analyseModel(
        {defaultLeslie(), Vector4{0, 0, 0, 0}, Vector4{-1.23456789e-14, 0, 0, 0}, 0});
    const QString wideText = QString::fromStdString(analysisText(wide));
    const qsizetype n = wideText.indexOf("N(t) at t = 0");
    QVERIFY(n >= 0);
    QCOMPARE(wideText.mid(n, wideText.indexOf('\n', n) - n).split(' ', Qt::SkipEmptyParts).mid(5),
             QStringList({"-1.23456789E-14", "0", "0", "0"}));
}

void TestAnalysisOutput::stageModelJsonIsSizedByItsStages_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("stages");
    QTest::addColumn<bool>("irreducible");
    QTest::addColumn<bool>("ergodic");
    QTest::addColumn<QString>("named"); // a stage as the report names it
    QTest::addRow("loggerhead") << "loggerhead-turtle.velmora" << 7 << true << true
                                << "stage \"mature breeders\"";
    // The post-reproductive stage never leads back to births: reducible and not ergodic.
    QTest::addRow("killer whale") << "killer-whale.velmora" << 4 << false << false
                                  << "stage \"post-reproductive females\" never lead";
    QTest::addRow("teasel") << "teasel.velmora" << 6 << true << true << "stage \"flowering";
}

void TestAnalysisOutput::stageModelJsonIsSizedByItsStages()
{
    QFETCH(QString, file);
    QFETCH(int, stages);
    QFETCH(bool, irreducible);
    QFETCH(bool, ergodic);
    QFETCH(QString, named);
    const ModelFileRead read = readModelFile(QFINDTESTDATA("../../examples/" + file));
    QVERIFY2(read.ok(), qPrintable(read.message()));
    const StageModel model = read.asStageModel().model;
    const QJsonObject json =
        QJsonDocument::fromJson(QByteArray::fromStdString(analysisJson(model))).object();
    QCOMPARE(json["stages"].toArray().size(), stages);
    const QJsonObject growth = json["growth"].toObject();
    QCOMPARE(growth["lifeExpectancy"].toArray().size(), stages);
    QCOMPARE(growth["stableDistribution"].toArray().size(), stages);
    QCOMPARE(json["model"].toObject()["U"].toArray().size(), stages);
    QCOMPARE(json["sensitivity"].toArray().size(), stages);
    QCOMPARE(json["harvestCost"].toArray().size(), stages);
    QCOMPARE(json["proportionalHarvest"].toObject()["byClass"].toArray().size(), stages);
    QCOMPARE(json["structure"].toObject()["irreducible"].toBool(), irreducible);
    QCOMPARE(json["structure"].toObject()["ergodic"].toBool(), ergodic);
    QVERIFY(json["vitalRates"].isNull());
    double sum = 0.0;
    for (const QJsonValue &share : json["elasticityPartition"].toObject())
        sum += share.toDouble();
    QVERIFY(std::fabs(sum - 1.0) < 1e-12);
    QVERIFY(json["transient"].toObject()["inertia"].isDouble());
    QString words; // the report's sentences, unwrapped
    for (const QJsonValue &line : json["report"].toArray())
        words += line.toObject()["label"].toString() + ' ' + line.toObject()["text"].toString() + ' ';
    QVERIFY2(words.contains(named), qPrintable(words));
    // "classes" too: the main window's word must not slip into a life cycle's sentences.
    QVERIFY2(!words.contains(QRegularExpression("\\bclass(es)?\\b")), qPrintable(words));
}

// Beyond kLargestSearchedCycle stages no search runs: no status may read as a found answer.
void TestAnalysisOutput::largeLifeCycleIsNotSearchedAndSaysSo()
{
    const int n = kLargestSearchedCycle + 1;
    StageModel model = emptyStageModel(n);
    for (int i = 0; i + 1 < n; ++i)
        model.U(i + 1, i) = 0.9;
    model.F(0, n - 1) = 100;
    model.n0.setConstant(10);
    const QJsonObject json =
        QJsonDocument::fromJson(QByteArray::fromStdString(analysisJson(model))).object();
    QCOMPARE(json["largestHarvest"].toObject()["status"].toString(), QString("notSearched"));
    for (const QJsonValue &cost : json["harvestCost"].toArray())
        QCOMPARE(cost.toObject()["largestHarvestProjectedStatus"].toString(),
                 QString("notSearched"));
    for (const QJsonValue &line : json["report"].toArray())
        if (line.toObject()["key"].toString() == "largestHarvest")
            QVERIFY(line.toObject()["text"].toString().startsWith("not searched"));
}

// The window computes an exercise's figures in the student's language, velmora-cli its key in
// English: the report lines of the JSON must not follow the translator, or a word answer
// read from them would differ between the two.
void TestAnalysisOutput::reportLinesStayEnglishUnderATranslator()
{
    const std::string english = analysisJson(defaultStageModel());
    setTextTranslator([](const char *, const char *source) { return "<" + std::string(source) + ">"; });
    const std::string underTranslator = analysisJson(defaultStageModel());
    const std::vector<ReportLine> lines = analysisReport(analyseLifeCycle(defaultStageModel()));
    QVERIFY(std::any_of(lines.begin(), lines.end(),
                        [](const ReportLine &line) { return line.label.rfind('<', 0) == 0; }));
    setTextTranslator({});
    QCOMPARE(underTranslator, english);
}

QTEST_APPLESS_MAIN(TestAnalysisOutput)
#include "tst_analysisoutput.moc"
