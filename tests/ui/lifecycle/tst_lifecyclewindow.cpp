#include "ui/lifecycle/lifecyclewindow.h"

#include "tests/support/fakedialogs.h"
#include "tests/ui/lifecycle/stagefixtures.h"
#include "ui/analysis/reportview.h"
#include "ui/common/numberfield.h"
#include "ui/lifecycle/stagereport.h"

#include <QAccessible>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QFile>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace velmora;

Q_DECLARE_METATYPE(velmora::LeslieModel)

namespace {

bool sameModel(const StageModel &a, const StageModel &b)
{
    return a.stages == b.stages && a.U == b.U && a.F == b.F && a.C == b.C && a.n0 == b.n0
           && a.harvest == b.harvest;
}

// A shown Life cycle window on the loggerhead turtle.
struct Fixture {
    FakeDialogs dialogs;
    std::unique_ptr<LifeCycleWindow> window;

    explicit Fixture(const StageModel &model = loggerheadTurtle())
    {
        window = std::make_unique<LifeCycleWindow>(model, dialogs);
        window->show();
    }
    template <typename T>
    T *find(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no %s", name);
        return found;
    }
    // Types a text into a cell as an editor's commit does.
    void type(const char *grid, int row, int column, const QString &text) const
    {
        find<QTableWidget>(grid)->item(row, column)->setText(text);
    }
    QString cell(const char *grid, int row, int column) const
    {
        return find<QTableWidget>(grid)->item(row, column)->text();
    }
    void click(const char *name) const
    {
        auto *button = find<QPushButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    QString label(const QString &name) const
    {
        const auto *found = window->findChild<QLabel *>(name);
        return found ? found->text() : QStringLiteral("<no %1>").arg(name);
    }
    void showAnalysis() const
    {
        find<QTabWidget>("views")->setCurrentWidget(find<QWidget>("analysis"));
    }
    int arcsFrom(int from, int to) const
    {
        int count = 0;
        for (const GraphArc &arc : window->graphLayout().arcs)
            count += arc.from == from && arc.to == to;
        return count;
    }
};

// n stages in a chain, each staying or growing on, births from the last: a long cycle.
StageModel chain(int n)
{
    StageModel m = emptyStageModel(n);
    for (int i = 0; i < n; ++i) {
        m.stages[size_t(i)] = "stage number " + std::to_string(i + 1);
        m.U(i, i) = 0.5;
        if (i + 1 < n)
            m.U(i + 1, i) = 0.3;
    }
    m.F(0, n - 1) = 40;
    return m;
}

} // namespace

class TestLifeCycleWindow : public QObject {
    Q_OBJECT

private slots:
    void editedCellChangesModelAndGraph();
    void badValueRefusedWithMessage_data();
    void badValueRefusedWithMessage();
    void addedStageShiftsLaterOnes();
    void stepAndRunAdvanceChart();
    void chartFollowsStagesAndScale();
    void saveGraphWritesFile();
    void onlyLeslieModelSentToMainWindow();
    void analysisFollowsAnEdit_data();
    void analysisFollowsAnEdit();
    void heatMapCellsWholeAndNamed_data();
    void heatMapCellsWholeAndNamed();
    void hoverShowsExplanation();
    void largeHeatMapPaintedAndNamedUnderPointer();
    void densityLevelsTheRunOff();
};

void TestLifeCycleWindow::editedCellChangesModelAndGraph()
{
    Fixture f;
    QSignalSpy changed(f.window.get(), &LifeCycleWindow::modelChanged);
    QCOMPARE(f.arcsFrom(4, 3), 0);
    // Retrogression from subadults back to large juveniles: U row 3, column 4.
    f.type("uGrid", 2, 3, QStringLiteral("  .05 "));
    QCOMPARE(f.window->stageModel().U(2, 3), 0.05);
    QCOMPARE(f.cell("uGrid", 2, 3), QStringLiteral("0.05"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(f.arcsFrom(3, 2), 1);
    f.type("stagesGrid", 6, 0, QStringLiteral("adults"));
    QCOMPARE(f.window->stageModel().stages[6], std::string("adults"));
    QVERIFY(f.window->graphLayout().nodes[6].lines.join(' ').contains("adults"));
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestLifeCycleWindow::badValueRefusedWithMessage_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("said");
    QTest::addRow("not a number") << "uGrid" << 1 << 0 << "0,5" << "\"0,5\" is not a number";
    QTest::addRow("beyond a double") << "fGrid" << 0 << 4 << "1E999" << "too large";
    // 0.737 stay + 0.0486 grow + 0.3 = 1.0856 for small juveniles.
    QTest::addRow("column of U above 1")
        << "uGrid" << 0 << 1 << "0.3" << "\"small juveniles\" (column 2 of U) adds up to 1.0856";
    QTest::addRow("negative birth") << "fGrid" << 0 << 6 << "-1" << "(the F grid) must be >=0";
    QTest::addRow("negative N(0)") << "stagesGrid" << 2 << 1 << "-3" << "N(0) must be >=0";
    QTest::addRow("negative harvest") << "stagesGrid" << 2 << 2 << "-3" << "(H) must be >=0";
    QTest::addRow("blank name") << "stagesGrid" << 2 << 0 << "  " << "Stage 3 must have a name";
    QTest::addRow("name taken") << "stagesGrid" << 2 << 0 << "subadults"
                                << "Two stages are called \"subadults\"";
}

void TestLifeCycleWindow::badValueRefusedWithMessage()
{
    QFETCH(QString, grid);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, said);
    Fixture f;
    const QByteArray name = grid.toLatin1();
    const QString before = f.cell(name, row, column);
    QSignalSpy changed(f.window.get(), &LifeCycleWindow::modelChanged);
    f.type(name, row, column, typed);
    QCOMPARE(f.dialogs.messages.size(), 1);
    QVERIFY2(f.dialogs.messages[0].text.contains(said), qPrintable(f.dialogs.messages[0].text));
    QCOMPARE(f.dialogs.messages[0].icon, QMessageBox::Warning);
    QVERIFY(sameModel(f.window->stageModel(), loggerheadTurtle()));
    QCOMPARE(f.cell(name, row, column), before);
    QCOMPARE(changed.count(), 0);
}

void TestLifeCycleWindow::addedStageShiftsLaterOnes()
{
    Fixture f;
    // After large juveniles (stage 3) a new stage 4: growth 3 -> 4 becomes 3 -> 5.
    f.find<QTableWidget>("stagesGrid")->setCurrentCell(2, 0);
    f.click("cmdAddStage");
    const StageModel &added = f.window->stageModel();
    QCOMPARE(added.size(), 8);
    QCOMPARE(added.U(4, 2), 0.0147);
    QVERIFY(added.U.row(3).isZero() && added.U.col(3).isZero());
    QCOMPARE(added.F(0, 7), 80.0);
    QCOMPARE(f.find<QTableWidget>("uGrid")->columnCount(), 8);
    QCOMPARE(f.cell("fGrid", 0, 7), QStringLiteral("80"));
    QCOMPARE(int(f.window->graphLayout().nodes.size()), 8);
    f.find<QTableWidget>("stagesGrid")->setCurrentCell(3, 0);
    f.click("cmdRemoveStage");
    QVERIFY(sameModel(f.window->stageModel(), loggerheadTurtle()));
    QCOMPARE(f.find<QTableWidget>("fGrid")->rowCount(), 7);
}

void TestLifeCycleWindow::stepAndRunAdvanceChart()
{
    Fixture f;
    const StageModel turtle = loggerheadTurtle();
    f.click("cmdStep");
    QCOMPARE(int(f.window->history().size()), 2);
    QVERIFY(f.window->history()[1].isApprox(stageStep(turtle, turtle.n0)));
    f.click("cmdRun");
    QCOMPARE(int(f.window->history().size()), 2 + 25);
    const auto series = f.find<QChartView>("chart")->chart()->series();
    QCOMPARE(series.size(), 8); // seven stages and the total
    const auto *total = qobject_cast<QLineSeries *>(series.last());
    QCOMPARE(total->count(), 27);
    QCOMPARE(total->at(26).y(), f.window->history()[26].sum());
    // An edit starts the run again at t = 0.
    f.type("stagesGrid", 0, 1, QStringLiteral("50"));
    QCOMPARE(int(f.window->history().size()), 1);
}

void TestLifeCycleWindow::chartFollowsStagesAndScale()
{
    Fixture f;
    QChart *chart = f.find<QChartView>("chart")->chart();
    f.click("cmdRun");
    // The series are kept from run to run; a renamed or added stage and the log scale are not.
    f.type("stagesGrid", 6, 0, QStringLiteral("adults"));
    QCOMPARE(chart->series().at(6)->name(), QStringLiteral("7. adults"));
    f.click("cmdAddStage");
    QCOMPARE(chart->series().size(), 9);
    QCOMPARE(chart->series().at(7)->name(), QStringLiteral("8. stage 8"));
    f.find<QCheckBox>("logScale")->setChecked(true);
    QCOMPARE(chart->axes(Qt::Vertical).size(), 1);
    QCOMPARE(chart->axes(Qt::Vertical).front()->type(), QAbstractAxis::AxisTypeLogValue);
    QCOMPARE(chart->series().last()->attachedAxes().size(), 2);
}

void TestLifeCycleWindow::saveGraphWritesFile()
{
    Fixture f;
    QTemporaryDir dir;
    f.dialogs.fileName = dir.filePath(QStringLiteral("turtle.svg"));
    f.click("cmdSaveGraph");
    QVERIFY(f.dialogs.messages.isEmpty());
    QFile file(f.dialogs.fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("<?xml"));
    // A folder that is not there: the reason, with the file's name.
    f.dialogs.fileName = dir.filePath(QStringLiteral("gone/turtle.png"));
    f.click("cmdSaveGraph");
    QCOMPARE(f.dialogs.messages.size(), 1);
    QVERIFY(f.dialogs.messages[0].text.contains(QStringLiteral("gone")));
}

void TestLifeCycleWindow::onlyLeslieModelSentToMainWindow()
{
    Fixture turtle;
    QVERIFY(!turtle.find<QPushButton>("cmdSendToMain")->isEnabled());

    LeslieModel leslie;
    leslie.M = {0, 1, 2, 1, 0.5, 0, 0, 0, 0, 0.8, 0, 0, 0, 0, 0.3, 0};
    leslie.n0 = {10, 10, 10, 10};
    Fixture f(stageModelFromLeslie(leslie));
    QSignalSpy sent(f.window.get(), &LifeCycleWindow::leslieModelSent);
    QSignalSpy back(f.window.get(), &LifeCycleWindow::backRequested);
    f.click("cmdSendToMain");
    QCOMPARE(sent.count(), 1);
    QVERIFY(sent[0][0].value<LeslieModel>().M == leslie.M);
    // Births into a second stage make it a life cycle the main window cannot show.
    f.type("fGrid", 1, 2, QStringLiteral("0.5"));
    QVERIFY(!f.find<QPushButton>("cmdSendToMain")->isEnabled());
    QTest::keyClick(f.window.get(), Qt::Key_Escape);
    QCOMPARE(back.count(), 1);
}

void TestLifeCycleWindow::analysisFollowsAnEdit_data()
{
    QTest::addColumn<bool>("inFront");
    QTest::addRow("analysis in front while editing") << true;
    QTest::addRow("graph in front, analysis looked at later") << false;
}

void TestLifeCycleWindow::analysisFollowsAnEdit()
{
    QFETCH(bool, inFront);
    Fixture f;
    f.showAnalysis();
    const QString before = f.label("lambdaValue0");
    if (!inFront)
        f.find<QTabWidget>("views")->setCurrentWidget(f.find<QWidget>("graphArea"));
    // Mature breeders lay no more eggs: lambda falls and their fecundity carries no elasticity.
    f.type("fGrid", 0, 6, QStringLiteral("0"));
    f.showAnalysis();
    const ReportLine lambda = stageReportLines(f.window->stageModel()).front();
    QCOMPARE(f.label("lambdaValue0"), QString::fromStdString(lambda.cells.at(0)));
    QVERIFY(f.label("lambdaValue0") != before);
    QCOMPARE(f.label("elasticityValue6"), QStringLiteral("0"));
    // A row of figures has a cell for each of the seven stages, not five as for four classes.
    const std::vector<ReportLine> lines = stageReportLines(f.window->stageModel());
    const auto stable = std::find_if(lines.begin(), lines.end(), [](const ReportLine &l) {
        return l.key == "stableDistribution";
    });
    QVERIFY(stable != lines.end() && stable->cells.size() == 7);
    QCOMPARE(f.label("stableDistributionValue6"), QString::fromStdString(stable->cells[6]));
}

void TestLifeCycleWindow::heatMapCellsWholeAndNamed_data()
{
    QTest::addColumn<int>("stages");
    QTest::addRow("loggerhead turtle, 7 stages") << 7;
    QTest::addRow("20 stages, wider than the window") << 20;
}

void TestLifeCycleWindow::heatMapCellsWholeAndNamed()
{
    QFETCH(int, stages);
    Fixture f(stages == 7 ? loggerheadTurtle() : chain(stages));
    f.showAnalysis();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    const StageModel &model = f.window->stageModel();
    auto *map = f.find<QScrollArea>("elasticityMap");
    for (int k = 0; k < stages * stages; ++k) {
        const auto *cell = map->findChild<NumberLabel *>(QStringLiteral("elasticityValue%1").arg(k));
        QVERIFY(cell);
        // The whole figure is painted, not a rounded one, and the map can be scrolled to it.
        QCOMPARE(cell->shown().text, cell->text());
        QVERIFY(map->widget()->rect().contains(cell->geometry()));
        const QString spoken = QStringLiteral("Elasticities (a_ij / lambda) d lambda / d a_ij, "
                                              "row %1, column %2: %3")
                                   .arg(QString::fromStdString(model.stages[size_t(k / stages)]),
                                        QString::fromStdString(model.stages[size_t(k % stages)]),
                                        cell->text());
        QCOMPARE(cell->accessibleName(), spoken);
    }
    QVERIFY(!map->findChild<QLabel *>(QStringLiteral("elasticityValue%1").arg(stages * stages)));
    QVERIFY(map->widget()->width()
            <= map->viewport()->width() + map->horizontalScrollBar()->maximum());
}

void TestLifeCycleWindow::hoverShowsExplanation()
{
    Fixture f;
    f.showAnalysis();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    const std::vector<ReportLine> lines = stageReportLines(f.window->stageModel());
    const auto elasticity = std::find_if(lines.begin(), lines.end(),
                                         [](const ReportLine &l) { return l.key == "elasticity"; });
    QVERIFY(elasticity != lines.end());
    const QString explanation = QString::fromStdString(elasticity->explanation);
    QVERIFY(!explanation.isEmpty());
    auto *name = f.find<QLabel>("elasticityName");
    QHelpEvent hover(QEvent::ToolTip, name->rect().center(),
                     name->mapToGlobal(name->rect().center()));
    QCoreApplication::sendEvent(name, &hover);
    QTRY_COMPARE(QToolTip::text(), explanation);
    // A screen reader hears it with every cell of the figure.
    QAccessibleInterface *cell = QAccessible::queryAccessibleInterface(
        f.find<QLabel>("elasticityValue9"));
    QCOMPARE(cell->text(QAccessible::Description), explanation);
}

// Beyond kLargestLabelledMap stages a map is one painted picture: its cells must still be
// shaded by their size and named by their row and column under the pointer.
void TestLifeCycleWindow::largeHeatMapPaintedAndNamedUnderPointer()
{
    const int stages = kLargestLabelledMap + 1;
    Fixture f(chain(stages));
    f.showAnalysis();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    auto *map = f.find<QScrollArea>("elasticityMap");
    QVERIFY(!map->findChild<NumberLabel *>());
    auto *picture = static_cast<HeatMapPicture *>(map->widget());
    QCOMPARE(picture->objectName(), QStringLiteral("elasticityPicture"));
    const std::vector<ReportLine> lines = stageReportLines(f.window->stageModel());
    const auto elasticity = std::find_if(lines.begin(), lines.end(),
                                         [](const ReportLine &l) { return l.key == "elasticity"; });
    QVERIFY(elasticity != lines.end());
    const auto largest = std::max_element(elasticity->shades.begin(), elasticity->shades.end());
    const int dark = int(largest - elasticity->shades.begin());
    const int pale = 1; // row 0, column 1: no stage goes back to the first
    QCOMPARE(elasticity->shades[pale], 0.0);
    const QImage image = picture->grab().toImage();
    QCOMPARE(image.pixelColor(picture->cellRect(pale).topLeft() + QPoint(1, 1)),
             QColor(255, 248, 230));
    QCOMPARE(image.pixelColor(picture->cellRect(dark).topLeft() + QPoint(1, 1)),
             QColor(170, 20, 10));
    // Growth from the first stage into the second: row 1, column 0.
    const int k = stages;
    const QPoint at = picture->cellRect(k).center();
    QHelpEvent hover(QEvent::ToolTip, at, picture->mapToGlobal(at));
    QCoreApplication::sendEvent(picture, &hover);
    QTRY_COMPARE(QToolTip::text(),
                 QStringLiteral("Elasticities (a_ij / lambda) d lambda / d a_ij, row stage number "
                                "2, column stage number 1: ")
                     + QString::fromStdString(elasticity->cells[size_t(k)]));
}

// Teasel grows by 2.33 a year; under Beverton-Holt density dependence with K = 1000 its run
// settles where every stage together numbers K, and with density off it grows again.
void TestLifeCycleWindow::densityLevelsTheRunOff()
{
    Fixture f(teasel());
    f.window->setDensity(DensitySettings{DensityForm::BevertonHolt, 1000.0, {}});
    auto *useDensity = f.find<QCheckBox>("useDensity");
    QVERIFY(useDensity->isVisible() && useDensity->isChecked());
    f.find<QSpinBox>("steps")->setValue(400);
    f.click("cmdRun");
    const double settled = f.window->history().back().sum();
    QVERIFY2(std::abs(settled - 1000.0) < 1e-6, qPrintable(QString::number(settled, 'g', 17)));
    useDensity->setChecked(false);
    f.click("cmdStep");
    QVERIFY(f.window->history().back().sum() > 1.5 * settled);

    // The turtle cannot replace itself (R0 below 1): no population of it settles at K.
    f.window->setStageModel(loggerheadTurtle());
    f.window->setDensity(DensitySettings{DensityForm::Ricker, 1000.0, {}});
    f.click("cmdStep");
    QCOMPARE(int(f.window->history().size()), 1);
    QCOMPARE(f.dialogs.messages.size(), 1);
    QVERIFY(f.dialogs.messages.front().text.contains(QStringLiteral("Switch density off")));
}

QTEST_MAIN(TestLifeCycleWindow)
#include "tst_lifecyclewindow.moc"
