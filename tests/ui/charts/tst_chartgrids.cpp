#include "ui/charts/chartdata.h"
#include "tests/ui/charts/testhistories.h"

#include <QtTest>

#include <memory>
#include <stdexcept>

using namespace velmora;

namespace {

using ChartFunction = ChartData (*)(const Module1 &);
const ChartFunction kCharts[] = {populationSizeChart, growthRateChart, changeChart,
                                 ageStructureChart, ageDistributionChart};
enum Chart { PopulationSize, GrowthRate, Change, AgeStructure, AgeDistribution };

enum class Run {
    DefaultFour,    // default model, four counted projections with "Transit" between them
    RejectedFourth, // the fourth projection would empty the population: tcount = 3
};

std::unique_ptr<Module1> historyAfter(Run run)
{
    return run == Run::DefaultFour ? defaultHistory(4) : rejectedFourthHistory();
}

// The growth rate as the history keeps it: rounded to single precision, then widened.
double single(double ratio) { return double(float(ratio)); }

void comparePoints(const QList<QPointF> &actual, const QList<QPointF> &expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype r = 0; r < actual.size(); ++r) {
        QCOMPARE(actual[r].x(), expected[r].x());
        QCOMPARE(actual[r].y(), expected[r].y());
    }
}

} // namespace

Q_DECLARE_METATYPE(Run)

class TestChartGrids : public QObject {
    Q_OBJECT

private slots:
    void cellOutsideGridThrows_data();
    void cellOutsideGridThrows();
    void seriesReadFromColumnPairs();
    void timeSeriesCharts_data();
    void timeSeriesCharts();
    void ageClassCharts_data();
    void ageClassCharts();
    void growthRateKeepsSinglePrecision();
    void counterOutsideHistoryStaysInside_data();
    void counterOutsideHistoryStaysInside();
};

void TestChartGrids::cellOutsideGridThrows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addRow("row 0") << 0 << 1;
    QTest::addRow("column 0") << 1 << 0;
    QTest::addRow("row past the end") << 4 << 1;
    QTest::addRow("column past the end") << 3 << 5;
    QTest::addRow("negative row") << -1 << 2;
}

void TestChartGrids::cellOutsideGridThrows()
{
    QFETCH(int, row);
    QFETCH(int, column);
    ChartGrid grid(3, 4);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, grid.setData(row, column, 1.0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, grid.data(row, column));
    if (row >= 1 && row <= 3)
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, grid.setColumnLabel(column, "x"));
}

void TestChartGrids::seriesReadFromColumnPairs()
{
    ChartGrid grid(2, 4);
    grid.setColumnLabel(1, "first");
    grid.setColumnLabel(3, "second");
    const double cells[2][4] = {{0, 10, 5, 50}, {1, 11, 6, 60}};
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 4; ++c)
            grid.setData(r, c, cells[r - 1][c - 1]);

    QCOMPARE(grid.seriesCount(), 2);
    comparePoints(grid.seriesPoints(1), {{0, 10}, {1, 11}});
    comparePoints(grid.seriesPoints(2), {{5, 50}, {6, 60}});
    QCOMPARE(grid.seriesLabel(2), QString("second"));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, grid.seriesPoints(0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, grid.seriesPoints(3));
}

void TestChartGrids::timeSeriesCharts_data()
{
    QTest::addColumn<Run>("run");
    QTest::addColumn<int>("chart");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("yTitle");
    QTest::addColumn<QList<QPointF>>("points");

    const QString size = "Total population size";
    const QString rate = "Growth rate";
    const QString change = "Change rate dN(t)";
    QTest::addRow("population size, default")
        << Run::DefaultFour << int(PopulationSize) << size << "N(t)"
        << QList<QPointF>{{0, 40}, {1, 55}, {2, 52.5}, {3, 60}, {4, 80}};
    QTest::addRow("growth rate, default")
        << Run::DefaultFour << int(GrowthRate) << rate << "N(t+1)/N(t)"
        << QList<QPointF>{{0, single(55.0 / 40)},
                          {1, single(52.5 / 55)},
                          {2, single(60 / 52.5)},
                          {3, single(80.0 / 60)}};
    QTest::addRow("change, default") << Run::DefaultFour << int(Change) << change << "dN(t)"
                                     << QList<QPointF>{{1, 15}, {2, -2.5}, {3, 7.5}, {4, 20}};
    // The rejected step wrote time 4 (total 0, change -10): outside the range the charts read.
    QTest::addRow("population size, fourth rejected")
        << Run::RejectedFourth << int(PopulationSize) << size << "N(t)"
        << QList<QPointF>{{0, 10}, {1, 10}, {2, 10}, {3, 10}};
    QTest::addRow("growth rate, fourth rejected")
        << Run::RejectedFourth << int(GrowthRate) << rate << "N(t+1)/N(t)"
        << QList<QPointF>{{0, 1}, {1, 1}, {2, 1}};
    QTest::addRow("change, fourth rejected") << Run::RejectedFourth << int(Change) << change
                                             << "dN(t)" << QList<QPointF>{{1, 0}, {2, 0}, {3, 0}};
}

void TestChartGrids::timeSeriesCharts()
{
    QFETCH(Run, run);
    QFETCH(int, chart);
    QFETCH(QString, title);
    QFETCH(QString, yTitle);
    QFETCH(QList<QPointF>, points);

    const auto history = historyAfter(run);
    const ChartData data = kCharts[chart](*history);
    QCOMPARE(data.settings.title, title);
    QCOMPARE(data.settings.yTitle, yTitle);
    QCOMPARE(data.settings.xTitle, QString("time"));
    QVERIFY(!data.settings.showLegend);
    QCOMPARE(data.grid.columnCount(), 2);
    QCOMPARE(data.grid.rowCount(), points.size());
    comparePoints(data.grid.seriesPoints(1), points);
}

void TestChartGrids::ageClassCharts_data()
{
    QTest::addColumn<Run>("run");
    QTest::addColumn<int>("chart");
    QTest::addColumn<QString>("yTitle");
    QTest::addColumn<QList<QList<double>>>("classes"); // [class][t]

    const QList<QList<double>> structure{{10, 35, 25, 27.5, 45},
                                         {10, 5, 17.5, 12.5, 13.75},
                                         {10, 10, 5, 17.5, 12.5},
                                         {10, 5, 5, 2.5, 8.75}};
    const double totals[] = {40, 55, 52.5, 60, 80};
    QList<QList<double>> shares = structure;
    for (auto &series : shares)
        for (int t = 0; t < 5; ++t)
            series[t] /= totals[t];
    // The shares the edge cases name outright at t = 0 and t = 4.
    QCOMPARE(shares[1][0], 0.25);
    QCOMPARE(shares[0][4], 0.5625);
    QCOMPARE(shares[1][4], 0.171875);
    QCOMPARE(shares[2][4], 0.15625);
    QCOMPARE(shares[3][4], 0.109375);

    const QList<QList<double>> cohort{{10, 0, 0, 0}, {0, 10, 0, 0}, {0, 0, 10, 0}, {0, 0, 0, 10}};
    const QList<QList<double>> cohortShares{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};

    QTest::addRow("age structure, default")
        << Run::DefaultFour << int(AgeStructure) << "age size" << structure;
    QTest::addRow("age distribution, default")
        << Run::DefaultFour << int(AgeDistribution) << "age distribution" << shares;
    QTest::addRow("age structure, fourth rejected")
        << Run::RejectedFourth << int(AgeStructure) << "age size" << cohort;
    QTest::addRow("age distribution, fourth rejected")
        << Run::RejectedFourth << int(AgeDistribution) << "age distribution" << cohortShares;
}

void TestChartGrids::ageClassCharts()
{
    QFETCH(Run, run);
    QFETCH(int, chart);
    QFETCH(QString, yTitle);
    QFETCH(QList<QList<double>>, classes);

    const auto history = historyAfter(run);
    const ChartData data = kCharts[chart](*history);
    // Both age charts carry the title "Age structure"; the axis title tells them apart.
    QCOMPARE(data.settings.title, QString("Age structure"));
    QCOMPARE(data.settings.yTitle, yTitle);
    QCOMPARE(data.settings.xTitle, QString("time"));
    QVERIFY(data.settings.showLegend);
    QCOMPARE(data.grid.columnCount(), 8);
    QCOMPARE(data.grid.rowCount(), classes[0].size());
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(data.grid.columnLabel(2 * i + 1), QString("age  ") + QString::number(i));
        QList<QPointF> expected;
        for (int t = 0; t < classes[i].size(); ++t)
            expected.append({double(t), classes[i][t]});
        comparePoints(data.grid.seriesPoints(i + 1), expected);
    }
}

void TestChartGrids::growthRateKeepsSinglePrecision()
{
    const auto history = historyAfter(Run::DefaultFour);
    const double plotted = growthRateChart(*history).grid.data(2, 2);
    QCOMPARE(plotted, single(52.5 / 55));
    QVERIFY(plotted != 52.5 / 55);
}

void TestChartGrids::counterOutsideHistoryStaysInside_data()
{
    QTest::addColumn<int>("tcount");
    QTest::addColumn<int>("rows"); // of the population-size and age charts
    QTest::addRow("negative") << -5 << 1;
    QTest::addRow("zero") << 0 << 1;
    QTest::addRow("full history") << 1000 << 1001;
    QTest::addRow("beyond the history") << 1500 << 1001;
}

void TestChartGrids::counterOutsideHistoryStaysInside()
{
    QFETCH(int, tcount);
    QFETCH(int, rows);
    auto history = std::make_unique<Module1>();
    history->tcount = int16_t(tcount);
    history->Ntot[kLastTime] = 7;
    history->Nhist[3][kLastTime] = 9;
    QCOMPARE(populationSizeChart(*history).grid.rowCount(), rows);
    QCOMPARE(growthRateChart(*history).grid.rowCount(), rows - 1);
    QCOMPARE(changeChart(*history).grid.rowCount(), rows - 1);
    const ChartData ages = ageStructureChart(*history);
    QCOMPARE(ages.grid.rowCount(), rows);
    QCOMPARE(ageDistributionChart(*history).grid.rowCount(), rows);
    if (rows == kTimeSlots) {
        QCOMPARE(populationSizeChart(*history).grid.data(rows, 2), 7.0);
        QCOMPARE(ages.grid.data(rows, 7), double(kLastTime));
        QCOMPARE(ages.grid.data(rows, 8), 9.0);
    }
}

QTEST_APPLESS_MAIN(TestChartGrids)
#include "tst_chartgrids.moc"
