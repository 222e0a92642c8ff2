#include "ui/analysis/analysiswindow.h"

#include "demography/analysis.h"
#include "model/analysisreport.h"
#include "model/simulation.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace velmora;

namespace {

// A simulation as the main window holds it, with the editing window's way of setting values.
struct Fixture {
    std::unique_ptr<Module1> history = std::make_unique<Module1>();
    Simulation sim{*history};

    Fixture() { sim.startUp(); }

    void apply(const std::array<std::string, 7> &roles, const std::array<std::string, 4> &n0,
               const std::array<std::string, 4> &harvest)
    {
        const int cells[] = {0, 1, 2, 3, 4, 9, 14};
        for (size_t i = 0; i < 7; ++i)
            sim.setMatrixCell(cells[i], roles[i]);
        for (size_t i = 0; i < 4; ++i) {
            sim.fields().n1[i] = n0[i];
            sim.fields().n2[i].clear();
            sim.fields().Harvest[i] = harvest[i];
        }
        sim.Restart();
    }

    // The 3-class textbook matrix in 4 classes: no survival into class 3, no births from it.
    void applyThreeClass()
    {
        apply({"0", "4", "3", "0", "0.5", "0.25", "0"}, {"8", "4", "1", "0"},
              {"10", "0", "0", "0"});
    }
};

QString text(const QWidget &window, const QString &name)
{
    const auto *label = window.findChild<QLabel *>(name);
    return label ? label->text() : QStringLiteral("<no %1>").arg(name);
}

// The cells of a figure: five in a row, or the sixteen of a grid laid out like M.
QStringList cellTexts(const QWidget &window, const QString &key, int count = 5)
{
    QStringList cells;
    for (int c = 0; c < count; ++c)
        cells << text(window, key + QStringLiteral("Value%1").arg(c));
    while (!cells.isEmpty() && cells.last().isEmpty())
        cells.removeLast();
    return cells;
}

// The window shows every line of the model's report, word for word.
void compareWithReport(const QWidget &window, const Simulation &sim)
{
    PopulationModel model;
    QVERIFY(modelFromFields(sim.fields(), model));
    for (const ReportLine &line : analysisReport(analyseModel(model))) {
        const QString key = QString::fromStdString(line.key);
        QCOMPARE(text(window, key + "Name"), QString::fromStdString(line.label));
        QStringList cells;
        for (const std::string &cell : line.cells)
            cells << QString::fromStdString(cell);
        QCOMPARE(cellTexts(window, key, line.isGrid() ? 16 : 5), cells);
        QCOMPARE(text(window, key + "Text"), QString::fromStdString(line.text));
    }
}

} // namespace

class TestAnalysisWindow : public QObject {
    Q_OBJECT

private slots:
    void opensWithEveryFigureOfTheModel();
    void threeClassExampleShowsTextbookValues();
    void recomputeReadsTheFieldsAgain();
    void showingAgainRecomputes();
    void sentenceStandsInForMissingFigures();
    void unreadableFieldsAreSaidSo();
    void rowsComeFromTheReport();
    void gridsAreShadedBySize();
    void goBackAsksTheNavigation_data();
    void goBackAsksTheNavigation();
    void closeBoxIsReportedAndDestroysTheWindow();
};

void TestAnalysisWindow::opensWithEveryFigureOfTheModel()
{
    Fixture f;
    AnalysisWindow window(f.sim);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QString("Analysis"));
    QCOMPARE(text(window, "modelLabel"),
             QString("M: fecundities 0, 1, 2, 1; survival rates 0.5, 1, 0.5.   H = (5, 0, 0, 0).   "
                     "N(t) = (10, 10, 10, 10) at t = 0."));
    compareWithReport(window, f.sim);
    // N* of the default model is (20/3, 10/3, 10/3, 5/3), total 15.
    QCOMPARE(cellTexts(window, "equilibrium"),
             QStringList({"6.66667", "3.33333", "3.33333", "1.66667", "15"}));
}

void TestAnalysisWindow::threeClassExampleShowsTextbookValues()
{
    Fixture f;
    f.applyThreeClass();
    AnalysisWindow window(f.sim);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    compareWithReport(window, f.sim);
    QCOMPARE(cellTexts(window, "lambda"), QStringList({"1.5"}));
    QCOMPARE(cellTexts(window, "stableDistribution"), QStringList({"0.72", "0.24", "0.04", "0"}));
    QCOMPARE(cellTexts(window, "reproductiveValues"), QStringList({"1", "3", "2", "0"}));
    QCOMPARE(cellTexts(window, "equilibrium"),
             QStringList({"7.27273", "3.63636", "0.909091", "0", "11.8182"}));
    QVERIFY(text(window, "notesText").contains("reducible"));
}

void TestAnalysisWindow::recomputeReadsTheFieldsAgain()
{
    Fixture f;
    AnalysisWindow window(f.sim);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(cellTexts(window, "lambda"), QStringList({"1.21977"}));

    f.applyThreeClass();
    QCOMPARE(cellTexts(window, "lambda"), QStringList({"1.21977"})); // nothing changes by itself
    QTest::mouseClick(window.findChild<QPushButton *>("cmdRecompute"), Qt::LeftButton);
    QCOMPARE(cellTexts(window, "lambda"), QStringList({"1.5"}));
    compareWithReport(window, f.sim);
}

void TestAnalysisWindow::showingAgainRecomputes()
{
    Fixture f;
    AnalysisWindow window(f.sim);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.hide();
    // Two steps on the main window move N(t) on to t = 2.
    for (int i = 0; i < 2; ++i) {
        f.sim.Projection();
        f.sim.Transition();
    }
    window.show();
    QVERIFY(text(window, "modelLabel").endsWith("N(t) = (25, 17.5, 5, 5) at t = 2."));
    compareWithReport(window, f.sim);
}

void TestAnalysisWindow::sentenceStandsInForMissingFigures()
{
    Fixture f;
    f.apply({"0", "1", "2", "1", "-0.5", "1", "0.5"}, {"10", "10", "10", "10"},
            {"5", "0", "0", "0"});
    AnalysisWindow window(f.sim);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(cellTexts(window, "lambda"), QStringList());
    const auto *sentence = window.findChild<QLabel *>("lambdaText");
    QVERIFY(sentence->isVisible());
    QVERIFY(sentence->text().contains("not a population matrix"));
    QCOMPARE(cellTexts(window, "stableDistribution"), QStringList());
}

void TestAnalysisWindow::unreadableFieldsAreSaidSo()
{
    Fixture f;
    AnalysisWindow window(f.sim);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    f.sim.fields().n1[2] = "ten";
    QTest::mouseClick(window.findChild<QPushButton *>("cmdRecompute"), Qt::LeftButton);
    QVERIFY(text(window, "modelLabel").contains("do not all hold numbers"));
    QCOMPARE(cellTexts(window, "lambda"), QStringList());
    QCOMPARE(text(window, "verdictText"), QString());
}

void TestAnalysisWindow::rowsComeFromTheReport()
{
    Fixture f;
    AnalysisWindow window(f.sim);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    PopulationModel model;
    QVERIFY(modelFromFields(f.sim.fields(), model));
    std::vector<ReportLine> lines = analysisReport(analyseModel(model));
    lines.insert(lines.begin() + 2, {"testFigure", "A figure only this test knows",
                                     {"1", "2", "3", "4", "10"}, "Its sentence.",
                                     lines[2].section});
    lines.push_back({"lastFigure", "A figure in a section of its own", {}, "Only words.",
                     "A section only this test knows"});
    window.showReport(lines);

    QCOMPARE(text(window, "testFigureName"), QString("A figure only this test knows"));
    QCOMPARE(cellTexts(window, "testFigure"), QStringList({"1", "2", "3", "4", "10"}));
    QCOMPARE(text(window, "testFigureText"), QString("Its sentence."));
    QCOMPARE(text(window, "lastFigureText"), QString("Only words."));
    QStringList headings;
    for (const QLabel *label : window.findChildren<QLabel *>(QRegularExpression("^heading\\d$")))
        headings << label->text();
    QCOMPARE(headings.last(), QString("A section only this test knows"));

    // A figure the report no longer has leaves the window with it.
    lines.erase(lines.begin() + 2);
    window.showReport(lines);
    QVERIFY(!window.findChild<QLabel *>("testFigureName"));
    QCOMPARE(window.findChildren<QLabel *>("lambdaName").size(), 1);
}

void TestAnalysisWindow::gridsAreShadedBySize()
{
    Fixture f;
    AnalysisWindow window(f.sim);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const QString key : {"sensitivity", "elasticity"}) {
        QList<double> values;
        QList<int> lightness;
        for (int k = 0; k < 16; ++k) {
            const auto *cell = window.findChild<QLabel *>(key + QStringLiteral("Value%1").arg(k));
            QVERIFY(cell);
            QVERIFY(cell->autoFillBackground());
            values << cell->text().toDouble();
            lightness << cell->palette().color(QPalette::Window).lightness();
            // The figure stays readable on its shade.
            const int text = cell->palette().color(QPalette::WindowText).lightness();
            QVERIFY2(std::abs(text - lightness.last()) > 100, qPrintable(key + cell->text()));
        }
        // The larger a cell, the darker it is.
        for (int i = 0; i < 16; ++i)
            for (int j = 0; j < 16; ++j)
                if (values[i] > values[j])
                    QVERIFY2(lightness[i] < lightness[j], qPrintable(key));
    }
    // The default model's s0 (M[1][0]) carries the largest elasticity, and the sentence says so.
    QCOMPARE(text(window, "elasticityValue4"), QString("0.360117"));
    QVERIFY(text(window, "largestElasticityText").startsWith("lambda answers most to s0"));
}

void TestAnalysisWindow::goBackAsksTheNavigation_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::addRow("Go back clicked") << false;
    QTest::addRow("Escape on the focused button") << true;
}

void TestAnalysisWindow::goBackAsksTheNavigation()
{
    QFETCH(bool, byEscape);
    Fixture f;
    AnalysisWindow window(f.sim);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QSignalSpy back(&window, &AnalysisWindow::backRequested);
    QSignalSpy closed(&window, &AnalysisWindow::closedByCloseBox);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (byEscape) {
        auto *recompute = window.findChild<QPushButton *>("cmdRecompute");
        QVERIFY(recompute);
        recompute->setFocus();
        QTest::keyClick(recompute, Qt::Key_Escape);
    } else {
        QTest::mouseClick(window.findChild<QPushButton *>("cmdBack"), Qt::LeftButton);
    }
    QCOMPARE(back.count(), 1);
    QCOMPARE(closed.count(), 0);
    QVERIFY(window.isVisible()); // hiding is the navigation's part
}

void TestAnalysisWindow::closeBoxIsReportedAndDestroysTheWindow()
{
    Fixture f;
    QPointer<AnalysisWindow> window = new AnalysisWindow(f.sim);
    QSignalSpy closed(window.data(), &AnalysisWindow::closedByCloseBox);
    QSignalSpy back(window.data(), &AnalysisWindow::backRequested);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(window->close());
    QCOMPARE(closed.count(), 1);
    QCOMPARE(back.count(), 0);
    QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(TestAnalysisWindow)
#include "tst_analysiswindow.moc"
