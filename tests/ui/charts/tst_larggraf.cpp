#include "ui/common/appfonts.h"
#include "ui/charts/chartbuilder.h"
#include "ui/charts/chartdata.h"
#include "ui/common/dialogs.h"
#include "ui/charts/larggraf.h"
#include "tests/ui/charts/testhistories.h"
#include "ui/common/twips.h"

#include <QtTest>

#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLineSeries>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QValueAxis>

#include <memory>

using namespace velmora;

namespace {

// Answers every box with "No" and every save dialog with a cancel, and remembers the titles.
class FakeDialogs : public Dialogs {
public:
    QStringList titles;

    QMessageBox::StandardButton message(QWidget *, const QString &title, const QString &,
                                        QMessageBox::StandardButtons,
                                        QMessageBox::Icon) override
    {
        titles.append(title);
        return QMessageBox::No;
    }
    QString saveFileName(QWidget *, const QString &, const SaveDialogOptions &) override
    {
        return {};
    }
};

// A chart window around a history, as the navigation would create it.
struct Fixture {
    std::unique_ptr<Module1> history;
    FakeDialogs dialogs;
    std::unique_ptr<Larggraf> window;

    explicit Fixture(std::unique_ptr<Module1> h)
        : history(std::move(h))
        , window(std::make_unique<Larggraf>(*history, dialogs))
    {
    }

    QPushButton *button(const QString &name) const
    {
        return window->findChild<QPushButton *>(name);
    }
    QChart *chart() const { return window->findChild<QChartView *>("MSChart1")->chart(); }
    void click(const QString &name) const { QTest::mouseClick(button(name), Qt::LeftButton); }

    bool showActive() const
    {
        window->show();
        return QTest::qWaitForWindowActive(window.get());
    }
};

using ChartFunction = ChartData (*)(const Module1 &);

QValueAxis *axis(QChart *chart, Qt::Orientation orientation)
{
    const auto axes = chart->axes(orientation);
    return axes.size() == 1 ? qobject_cast<QValueAxis *>(axes.first()) : nullptr;
}

QList<QLineSeries *> lineSeries(QChart *chart)
{
    QList<QLineSeries *> result;
    for (QAbstractSeries *series : chart->series())
        result.append(qobject_cast<QLineSeries *>(series));
    return result;
}

// The chart shows exactly what `data` holds, with the set-up every chart shares.
void verifyChartShows(QChart *chart, const ChartData &data)
{
    QCOMPARE(chart->title(), data.settings.title);
    QCOMPARE(chart->titleFont().family(), QString("Arial"));
    QCOMPARE(chart->titleFont().pointSizeF(), 12.0);
    QCOMPARE(chart->legend()->isVisible(), data.settings.showLegend);
    QCOMPARE(chart->legend()->alignment(), Qt::AlignRight);

    QValueAxis *x = axis(chart, Qt::Horizontal);
    QValueAxis *y = axis(chart, Qt::Vertical);
    QVERIFY(x && y);
    QCOMPARE(x->titleText(), data.settings.xTitle);
    QCOMPARE(y->titleText(), data.settings.yTitle);
    for (QValueAxis *a : {x, y}) {
        QVERIFY(a->isTitleVisible());
        QCOMPARE(a->titleFont().family(), QString("Arial"));
        QCOMPARE(a->titleFont().pointSizeF(), 12.0);
    }
    QCOMPARE(y->gridLinePen().color(), QColor(Qt::black));
    QCOMPARE(y->gridLinePen().style(), Qt::SolidLine);
    QVERIFY(y->isGridLineVisible());

    const QList<QLineSeries *> series = lineSeries(chart);
    QCOMPARE(series.size(), data.grid.seriesCount());
    for (int s = 1; s <= data.grid.seriesCount(); ++s) {
        QLineSeries *line = series[s - 1];
        QVERIFY(line);
        QCOMPARE(line->name(), data.grid.seriesLabel(s));
        QCOMPARE(line->attachedAxes().size(), 2);
        const QList<QPointF> points = data.grid.seriesPoints(s);
        QCOMPARE(line->points(), points);
        for (const QPointF &p : points) {
            QVERIFY2(x->min() <= p.x() && p.x() <= x->max(), "x outside the axis");
            QVERIFY2(y->min() <= p.y() && p.y() <= y->max(), "y outside the axis");
        }
    }
    QVERIFY(x->min() < x->max());
    QVERIFY(y->min() < y->max());
}

} // namespace

class TestLarggraf : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void windowHasFixedWhiteClientArea();
    void buttonsStandInOneRow_data();
    void buttonsStandInOneRow();
    void tabOrderRunsAlongTheRow();
    void buttonDrawsItsChart_data();
    void buttonDrawsItsChart();
    void anyGridBecomesChart_data();
    void anyGridBecomesChart();
    void focusAfterChartButtons_data();
    void focusAfterChartButtons();
    void graphDrawsAgeStructureWithoutFocusMove();
    void goBackAndQuitOnlyAsk();
    void closeBoxAsksForMainWindowAndDestroys();
    void printLeavesChartAsItWas();
    void thousandStepsRedrawQuickly();
};

void TestLarggraf::initTestCase()
{
    installFontSubstitutes();
}

void TestLarggraf::windowHasFixedWhiteClientArea()
{
    Fixture f(defaultHistory(4));
    Larggraf &w = *f.window;
    QCOMPARE(w.windowTitle(), QString("Graph"));
    QVERIFY(w.isWindow());
    QCOMPARE(w.minimumSize(), twipsSize(11544, 7584));
    QCOMPARE(w.maximumSize(), twipsSize(11544, 7584));
    QVERIFY(w.autoFillBackground());
    QCOMPARE(w.palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(w.testAttribute(Qt::WA_DeleteOnClose));
    auto *chart = w.findChild<QChartView *>("MSChart1");
    QVERIFY(chart);
    QCOMPARE(chart->geometry(), twipsRect(96, 96, 9708, 6636));
}

void TestLarggraf::buttonsStandInOneRow_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("hand");
    QTest::addRow("Command1") << "Command1" << "Population size" << 120 << 1575 << true;
    QTest::addRow("Command2") << "Command2" << "Growth rate" << 1800 << 1455 << true;
    QTest::addRow("Command3") << "Command3" << "Age structure" << 3360 << 1575 << true;
    QTest::addRow("Command4") << "Command4" << "N(t)-N(t-1)" << 5040 << 1335 << true;
    QTest::addRow("Command8") << "Command8" << "Age distribution" << 6432 << 1836 << false;
    QTest::addRow("Command7") << "Command7" << "Print" << 8304 << 780 << true;
    QTest::addRow("Command6") << "Command6" << "Go back" << 9192 << 1335 << true;
    QTest::addRow("Command5") << "Command5" << "Quit" << 10632 << 855 << true;
}

void TestLarggraf::buttonsStandInOneRow()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, left);
    QFETCH(int, width);
    QFETCH(bool, hand);

    Fixture f(defaultHistory(4));
    QPushButton *b = f.button(name);
    QVERIFY(b);
    QCOMPARE(b->text(), caption);
    QCOMPARE(b->geometry(), twipsRect(left, 7032, width, 495));
    QCOMPARE(b->font().family(), QString("Times New Roman"));
    QCOMPARE(b->font().pointSizeF(), 12.0);
    QVERIFY(!b->font().bold());
    QVERIFY(b->isEnabled());
    if (hand) {
        QCOMPARE(b->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(b->cursor().hotSpot(), QPoint(12, 1));
    } else {
        QVERIFY(!b->testAttribute(Qt::WA_SetCursor));
        QCOMPARE(b->cursor().shape(), Qt::ArrowCursor);
    }
}

void TestLarggraf::tabOrderRunsAlongTheRow()
{
    Fixture f(defaultHistory(4));
    QVERIFY(f.showActive());
    f.button("Command1")->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, QStringList({"Command1", "Command2", "Command3", "Command4", "Command5",
                                   "Command6", "Command7", "MSChart1", "Command8", "Command1"}));
}

void TestLarggraf::buttonDrawsItsChart_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("button");
    QTest::addColumn<void *>("chart");
    const auto fn = [](ChartFunction function) { return reinterpret_cast<void *>(function); };
    QTest::addRow("population size after age structure")
        << "Command3" << "Command1" << fn(populationSizeChart);
    QTest::addRow("growth rate after age distribution")
        << "Command8" << "Command2" << fn(growthRateChart);
    QTest::addRow("change after age structure") << "Command3" << "Command4" << fn(changeChart);
    QTest::addRow("age structure after population size")
        << "Command1" << "Command3" << fn(ageStructureChart);
    QTest::addRow("age distribution after change")
        << "Command4" << "Command8" << fn(ageDistributionChart);
    QTest::addRow("age distribution after age structure")
        << "Command3" << "Command8" << fn(ageDistributionChart);
    QTest::addRow("population size twice") << "Command1" << "Command1" << fn(populationSizeChart);
    QTest::addRow("age structure twice") << "Command3" << "Command3" << fn(ageStructureChart);
}

void TestLarggraf::buttonDrawsItsChart()
{
    QFETCH(QString, before);
    QFETCH(QString, button);
    QFETCH(void *, chart);

    Fixture f(defaultHistory(4));
    QVERIFY(f.showActive());
    f.click(before);
    f.click(button);
    const ChartData expected = reinterpret_cast<ChartFunction>(chart)(*f.history);
    verifyChartShows(f.chart(), expected);
    // An age chart is the only one with a legend, and it has the four class series.
    const bool ageChart = expected.settings.showLegend;
    QCOMPARE(f.chart()->series().size(), ageChart ? 4 : 1);
    if (ageChart) {
        const auto series = lineSeries(f.chart());
        for (int i = 0; i < 4; ++i)
            QCOMPARE(series[i]->name(), QString("age  %1").arg(i));
    }
}

void TestLarggraf::anyGridBecomesChart_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QList<double>>("cells"); // row by row
    QTest::addColumn<bool>("legend");
    QTest::addRow("flat values") << 3 << 2 << QList<double>{0, 5, 1, 5, 2, 5} << false;
    QTest::addRow("all zero") << 2 << 2 << QList<double>{0, 0, 1, 0} << true;
    QTest::addRow("negative and tiny")
        << 2 << 4 << QList<double>{0, -3e-7, 0, 1e-7, 1, -1e-7, 1, 2e-7} << true;
    QTest::addRow("huge") << 2 << 2 << QList<double>{0, 1e124, 1, 3e124} << false;
    QTest::addRow("single point") << 1 << 2 << QList<double>{4, 2.5} << false;
    QTest::addRow("near the double limit")
        << 2 << 2 << QList<double>{0, 1.7e308, 1, 1.7e308} << false;
    QTest::addRow("no points") << 0 << 2 << QList<double>{} << false;
}

void TestLarggraf::anyGridBecomesChart()
{
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(QList<double>, cells);
    QFETCH(bool, legend);

    ChartData data{{"Some title", "some values"}, ChartGrid(rows, columns)};
    data.settings.showLegend = legend;
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            data.grid.setData(r, c, cells[(r - 1) * columns + c - 1]);
    for (int s = 1; s <= data.grid.seriesCount(); ++s)
        data.grid.setColumnLabel(2 * s - 1, QString("series %1").arg(s));

    QChart chart;
    // A chart drawn before must leave nothing behind.
    const ChartData earlier = ageStructureChart(*defaultHistory(4));
    buildChart(chart, earlier.grid, earlier.settings);
    buildChart(chart, data.grid, data.settings);
    verifyChartShows(&chart, data);
    QCOMPARE(chart.axes().size(), 2);
}

void TestLarggraf::focusAfterChartButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("focus");
    QTest::addRow("age structure") << "Command3" << "Command4";
    QTest::addRow("age distribution") << "Command8" << "Command8";
    QTest::addRow("population size") << "Command1" << "Command1";
    QTest::addRow("growth rate") << "Command2" << "Command2";
    QTest::addRow("change") << "Command4" << "Command4";
}

void TestLarggraf::focusAfterChartButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, focus);
    Fixture f(defaultHistory(4));
    QVERIFY(f.showActive());
    f.click(button);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    // The same press from the keyboard: the focus is already on the button.
    f.button(button)->setFocus();
    QTest::keyClick(f.button(button), Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void TestLarggraf::graphDrawsAgeStructureWithoutFocusMove()
{
    Fixture f(defaultHistory(4));
    QVERIFY(f.showActive());
    f.click("Command2");
    QCOMPARE(QApplication::focusWidget(), f.button("Command2"));
    f.window->drawAgeStructure();
    verifyChartShows(f.chart(), ageStructureChart(*f.history));
    QCOMPARE(QApplication::focusWidget(), f.button("Command2"));
}

void TestLarggraf::goBackAndQuitOnlyAsk()
{
    Fixture f(defaultHistory(4));
    QVERIFY(f.showActive());
    f.click("Command1");
    QSignalSpy back(f.window.get(), &Larggraf::goBackRequested);
    QSignalSpy quit(f.window.get(), &Larggraf::quitRequested);
    QSignalSpy closed(f.window.get(), &Larggraf::closedByCloseBox);

    f.click("Command6");
    QCOMPARE(back.size(), 1);
    QCOMPARE(quit.size(), 0);
    f.click("Command5");
    QCOMPARE(back.size(), 1);
    QCOMPARE(quit.size(), 1);
    QCOMPARE(closed.size(), 0);
    // Hiding and showing belong to the navigation; the window keeps its chart meanwhile.
    QVERIFY(f.window->isVisible());
    verifyChartShows(f.chart(), populationSizeChart(*f.history));
}

void TestLarggraf::closeBoxAsksForMainWindowAndDestroys()
{
    Fixture f(defaultHistory(4));
    QVERIFY(f.showActive());
    QPointer<Larggraf> window = f.window.release();
    bool hiddenWhenAsked = false;
    connect(window, &Larggraf::closedByCloseBox, this,
            [&] { hiddenWhenAsked = !window->isVisible(); });
    QSignalSpy closed(window.data(), &Larggraf::closedByCloseBox);
    QSignalSpy back(window.data(), &Larggraf::goBackRequested);

    QVERIFY(window->close());
    QCOMPARE(closed.size(), 1);
    QCOMPARE(back.size(), 0);
    QVERIFY(hiddenWhenAsked);
    QTRY_VERIFY(window.isNull());
}

void TestLarggraf::printLeavesChartAsItWas()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a real printer is set up here; this test must not print");
    Fixture f(defaultHistory(4));
    QVERIFY(f.showActive());
    f.click("Command8");
    f.click("Command7");
    // Without a printer the user is asked about a PDF; the fake declines.
    QCOMPARE(f.dialogs.titles, QStringList{"Print"});
    QVERIFY(f.window->isVisible());
    verifyChartShows(f.chart(), ageDistributionChart(*f.history));
}

void TestLarggraf::thousandStepsRedrawQuickly()
{
    Fixture f(defaultHistory(kLastTime));
    QCOMPARE(int(f.history->tcount), kLastTime);
    QVERIFY(f.showActive());
    f.window->drawAgeStructure();
    QCoreApplication::processEvents();

    qint64 slowest = 0;
    for (int round = 0; round < 3; ++round) {
        for (const char *name :
             {"Command1", "Command2", "Command3", "Command4", "Command8"}) {
            QElapsedTimer timer;
            timer.start();
            f.click(name);
            // Lets the chart lay itself out, then paints the whole window.
            QCoreApplication::processEvents();
            f.window->repaint();
            slowest = std::max(slowest, timer.elapsed());
        }
    }
    qInfo("slowest rebuild and repaint with 1001 points per series: %lld ms", slowest);
    QCOMPARE(f.chart()->series().size(), 4);
    QCOMPARE(lineSeries(f.chart()).first()->count(), kTimeSlots);
    // Only catches a pathology; the real target is a tenth of this.
    QVERIFY2(slowest < 1000, qPrintable(QString("%1 ms").arg(slowest)));
}

QTEST_MAIN(TestLarggraf)
#include "tst_larggraf.moc"
