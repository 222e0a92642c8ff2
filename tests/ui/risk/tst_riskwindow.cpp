#include "ui/risk/riskwindow.h"

#include "ui/risk/riskcharts.h"

#include "tests/ui/shell/program.h"
#include "ui/common/appfonts.h"

#include <QAbstractSeries>
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QtTest>

#include <memory>

using namespace velmora;

namespace {

// A shown risk window on the default model, with the editing window's start.
struct Fixture {
    std::unique_ptr<Module1> history = std::make_unique<Module1>();
    Simulation sim{*history};
    FakeDialogs dialogs;
    std::unique_ptr<RiskWindow> window;

    Fixture()
    {
        sim.startUp();
        window = std::make_unique<RiskWindow>(sim, dialogs);
        window->show();
    }

    template <typename T>
    T *find(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    QString sentence() const { return find<QLabel>("sentence")->text(); }
    void set(double cvSurvival, double cvFecundity, int replicates, int steps)
    {
        find<QDoubleSpinBox>("cvSurvival")->setValue(cvSurvival);
        find<QDoubleSpinBox>("cvFecundity")->setValue(cvFecundity);
        find<QSpinBox>("replicates")->setValue(replicates);
        find<QSpinBox>("steps")->setValue(steps);
    }
    void click(const char *name) const
    {
        QPushButton *button = find<QPushButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    // Runs with the inputs as they stand and waits for the end.
    bool runToEnd() const
    {
        QSignalSpy finished(window.get(), &RiskWindow::runFinished);
        click("cmdRun");
        return finished.wait(20000);
    }
    // The points of the chart's series, by name (an area by its upper line).
    qsizetype points(const char *chart) const
    {
        qsizetype count = 0;
        for (QAbstractSeries *s : find<QChartView>(chart)->chart()->series()) {
            if (auto *line = qobject_cast<QLineSeries *>(s))
                count += line->count();
            else if (auto *area = qobject_cast<QAreaSeries *>(s))
                count += area->upperSeries()->count();
        }
        return count;
    }
    QStringList seriesNames(const char *chart) const
    {
        QStringList names;
        for (QAbstractSeries *s : find<QChartView>(chart)->chart()->series())
            names << s->name();
        return names;
    }
};

PopulationModel fieldsModel(const Simulation &sim)
{
    PopulationModel model;
    modelFromFields(sim.fields(), model);
    return model;
}

} // namespace

class TestRiskWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void runShowsTheModelsResult();
    void cancelStopsAtOnceAndShowsNoResult();
    void closingDuringARunStopsIt();
    void tooLargeCvRunsWithTheLargestItsBetaAllows();
    void returnInAnInputRuns();
    void inputsKeepThePointInACommaLanguage();
    void saveAsCsv_data();
    void saveAsCsv();
    void chartMenuActsOnTheChartClicked();
    void changedModelDropsTheOldResult();
    void demographicSwitchShowsRounding();
    void smallRiskAxisReadsAsPercent();
    void contextMenuOfMainWindowOpensIt();
};

void TestRiskWindow::initTestCase()
{
    installFontSubstitutes();
}

void TestRiskWindow::runShowsTheModelsResult()
{
    Fixture f;
    // The window opens with some variation, so a first Run shows a spread and not a line.
    f.find<QSpinBox>("replicates")->setValue(200);
    f.find<QSpinBox>("steps")->setValue(30);
    QVERIFY(f.runToEnd());
    QVERIFY(!f.window->running());
    QCOMPARE(f.window->result()->settings.cvSurvival, 0.1);
    QCOMPARE(f.window->result()->settings.cvFecundity, 0.3);
    const RiskOutcome expected = runRisk(fieldsModel(f.sim), f.window->settings());
    QVERIFY(f.window->result());
    QCOMPARE(f.window->result()->mean, expected.result.mean);
    QCOMPARE(f.sentence(), QString::fromStdString(riskSentence(expected.result)));
    QVERIFY(f.sentence().startsWith("Risk of falling below 1 within 30 steps: "));
    QVERIFY(f.find<QLabel>("growthRates")->text().contains("Tuljapurkar"));
    QCOMPARE(f.points("riskChart"), 31);
    QCOMPARE(f.seriesNames("fanChart"),
             QStringList({"5 - 95 %", "25 - 75 %", "median", "mean", "deterministic", "Q = 1"}));
    QCOMPARE(f.find<QProgressBar>("progress")->value(), 1000);
    QVERIFY(f.find<QPushButton>("cmdSaveCsv")->isEnabled());
    QVERIFY(f.find<QPushButton>("cmdRun")->isEnabled());
    QVERIFY(!f.find<QPushButton>("cmdCancel")->isEnabled());
}

void TestRiskWindow::cancelStopsAtOnceAndShowsNoResult()
{
    Fixture f;
    // A result first: Run must clear it, so a cancelled run leaves nothing of either.
    f.set(0.1, 0.3, 100, 10);
    QVERIFY(f.runToEnd());
    f.set(0.1, 0.3, kMaxReplicates, kMaxRiskSteps);
    QElapsedTimer clock;
    clock.start();
    f.click("cmdRun");
    // The run is on another thread: the click came back at once and the window still works.
    QVERIFY(clock.elapsed() < 1000);
    QVERIFY(f.window->running());
    QVERIFY(!f.find<QPushButton>("cmdRun")->isEnabled());
    QVERIFY(!f.find<QSpinBox>("replicates")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(f.find<QProgressBar>("progress")->value() > 0, 20000);
    QCOMPARE(f.points("riskChart"), 0);

    QSignalSpy finished(f.window.get(), &RiskWindow::runFinished);
    clock.restart();
    f.click("cmdCancel");
    QVERIFY(finished.wait(5000));
    QVERIFY2(clock.elapsed() < 100, qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));
    QVERIFY(!f.window->running());
    QVERIFY(!f.window->result());
    QCOMPARE(f.sentence(), QStringLiteral("Cancelled: no result."));
    QCOMPARE(f.points("riskChart"), 0);
    QCOMPARE(f.points("fanChart"), 0);
    QVERIFY(!f.find<QPushButton>("cmdSaveCsv")->isEnabled());
    QVERIFY(f.find<QPushButton>("cmdRun")->isEnabled());
}

void TestRiskWindow::closingDuringARunStopsIt()
{
    Fixture f;
    f.set(0.1, 0.3, kMaxReplicates, kMaxRiskSteps);
    QSignalSpy closed(f.window.get(), &RiskWindow::closedByCloseBox);
    f.click("cmdRun");
    QVERIFY(f.window->running());
    QElapsedTimer clock;
    clock.start();
    f.window->setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(f.window->close());
    QCOMPARE(closed.count(), 1);
    QVERIFY(clock.elapsed() < 1000);
}

void TestRiskWindow::tooLargeCvRunsWithTheLargestItsBetaAllows()
{
    Fixture f;
    f.set(1.5, 0.3, 100, 10);
    QVERIFY(f.runToEnd());
    QVERIFY2(f.sentence().contains("A survival CV of 1.5 is too large for s0 = 0.5 and s2 = 0.5: "
                                   "they vary with CVs of 0.9999 and 0.9999, the largest their "
                                   "beta distributions allow."),
             qPrintable(f.sentence()));
    QCOMPARE(f.points("riskChart"), 11);
    QVERIFY(f.find<QPushButton>("cmdSaveCsv")->isEnabled());
}

void TestRiskWindow::inputsKeepThePointInACommaLanguage()
{
    // A German default locale would show and read "0,1000" in a box that follows it.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Fixture f;
    QLocale::setDefault(before);
    auto *cv = f.find<QDoubleSpinBox>("cvSurvival");
    QCOMPARE(cv->text(), QStringLiteral("0.1000"));
    cv->selectAll();
    QTest::keyClicks(cv, QStringLiteral("0.25"));
    QCOMPARE(cv->value(), 0.25);
    QCOMPARE(f.find<QSpinBox>("replicates")->locale(), QLocale::c());
}

void TestRiskWindow::returnInAnInputRuns()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.set(0.1, 0.3, 60, 8);
    QDoubleSpinBox *cv = f.find<QDoubleSpinBox>("cvSurvival");
    cv->setFocus();
    // The typed value counts, not the one the box held before.
    cv->selectAll();
    QTest::keyClicks(cv, "0.2");
    QSignalSpy finished(f.window.get(), &RiskWindow::runFinished);
    QTest::keyClick(cv, Qt::Key_Return);
    QVERIFY(finished.wait(20000));
    QVERIFY(f.window->result());
    QCOMPARE(f.window->result()->settings.cvSurvival, 0.2);
}

void TestRiskWindow::saveAsCsv_data()
{
    QTest::addColumn<QString>("name"); // in the temporary folder; empty: the dialog was cancelled
    QTest::addColumn<bool>("written");
    QTest::addRow("written") << "risk.csv" << true;
    QTest::addRow("dialog cancelled") << "" << false;
    QTest::addRow("folder missing") << "no folder/risk.csv" << false;
}

void TestRiskWindow::saveAsCsv()
{
    QFETCH(QString, name);
    QFETCH(bool, written);
    QTemporaryDir dir;
    Fixture f;
    f.set(0.1, 0.3, 50, 12);
    QVERIFY(f.runToEnd());
    f.dialogs.fileName = name.isEmpty() ? QString() : dir.filePath(name);
    f.click("cmdSaveCsv");
    QCOMPARE(f.dialogs.proposals.size(), 1);
    QFile file(dir.filePath(name));
    QCOMPARE(!name.isEmpty() && file.open(QIODevice::ReadOnly), written);
    if (written)
        QCOMPARE(file.readAll(), QByteArray::fromStdString(riskCsv(*f.window->result())));
    // A file that cannot be written is said in a box; a cancelled dialog says nothing.
    const bool failed = !written && !name.isEmpty();
    QCOMPARE(f.dialogs.messages.size(), failed ? 1 : 0);
    if (failed)
        QVERIFY(f.dialogs.messages.front().text.contains(dir.filePath(name)));
}

void TestRiskWindow::chartMenuActsOnTheChartClicked()
{
    QTemporaryDir dir;
    Fixture f;
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.set(0.1, 0.3, 50, 12);
    QVERIFY(f.runToEnd());
    QMenu *menu = f.find<QMenu>("chartMenu");
    QWindow *window = f.window->windowHandle();
    const auto rightClick = [&](QWidget *target) {
        QTest::mouseClick(window, Qt::RightButton, {},
                          target->mapTo(f.window.get(), target->rect().center()));
    };
    // Away from the charts a right click opens no chart menu.
    rightClick(f.find<QLabel>("sentence"));
    QVERIFY(!menu->isVisible());

    for (const char *chart : {"fanChart", "riskChart"}) {
        auto *view = f.find<QChartView>(chart);
        rightClick(view);
        QTRY_VERIFY(menu->isVisible());
        const QString path = dir.filePath(QStringLiteral("%1.svg").arg(chart));
        f.dialogs.fileName = path;
        f.find<QAction>("saveChartAsImage")->trigger();
        menu->hide();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // The picture written is the chart that was clicked: its title is the SVG's.
        QVERIFY(QString::fromUtf8(file.readAll())
                    .contains("<title>" + view->chart()->title().toHtmlEscaped() + "</title>"));
    }
}

void TestRiskWindow::changedModelDropsTheOldResult()
{
    Fixture f;
    f.set(0.1, 0.3, 50, 12);
    QVERIFY(f.runToEnd());
    f.window->hide();
    f.window->show();
    QVERIFY(f.window->result());
    f.window->hide();
    f.sim.Projection();
    f.sim.Transition();
    f.window->show();
    QVERIFY(!f.window->result());
    QVERIFY(f.sentence().contains("changed"));
    QVERIFY(f.find<QLabel>("modelLabel")->text().contains("at t = 1"));
}

void TestRiskWindow::demographicSwitchShowsRounding()
{
    Fixture f;
    f.sim.fields().n1 = {"10.4", "0.6", "2.5", "0"};
    f.window->hide();
    f.window->show();
    QVERIFY(!f.find<QLabel>("modelLabel")->text().contains("rounded"));
    f.find<QCheckBox>("demographic")->setChecked(true);
    QVERIFY(f.find<QLabel>("modelLabel")->text().contains("rounded to (10, 1, 3, 0)"));
}

void TestRiskWindow::smallRiskAxisReadsAsPercent()
{
    RiskResult result;
    result.risk = {0.0, 0.001, 0.004};
    QChart chart;
    buildRiskChart(chart, &result);
    auto *y = qobject_cast<QValueAxis *>(chart.axes(Qt::Vertical).value(0));
    QVERIFY(y);
    // A risk of 0.4 % on an axis of 0 to 1 reads like a share near one half.
    QCOMPARE(y->min(), 0.0);
    QVERIFY(y->max() >= 5);
    QCOMPARE(QString::asprintf(qPrintable(y->labelFormat()), 2.0), QString("2 %"));
}

void TestRiskWindow::contextMenuOfMainWindowOpensIt()
{
    Program p;
    QVERIFY(QTest::qWaitForWindowActive(&p.form()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(popup);
    QStringList entries;
    for (const QAction *action : popup->actions())
        entries << action->text();
    QVERIFY(entries.contains("&Risk under variability..."));
    QTest::keyClick(popup, Qt::Key_R);
    RiskWindow *risk = p.navigation.risk();
    QVERIFY(risk && risk->isVisible());
    QVERIFY(!p.form().isVisible());
    Program::click(risk, "cmdBack");
    QVERIFY(!risk->isVisible());
    QVERIFY(p.form().isVisible());

    // The close box destroys it; the next opening makes it afresh.
    emit p.form().riskRequested();
    QPointer<RiskWindow> closed = p.navigation.risk();
    QVERIFY(closed->close());
    QTRY_VERIFY(!closed);
    QVERIFY(p.form().isVisible());
    emit p.form().riskRequested();
    QVERIFY(p.navigation.risk() && p.navigation.risk()->isVisible());

    // Escape in an input does what "Go back" does.
    risk = p.navigation.risk();
    QVERIFY(QTest::qWaitForWindowActive(risk));
    auto *steps = risk->findChild<QSpinBox *>("steps");
    steps->setFocus();
    QTest::keyClick(steps, Qt::Key_Escape);
    QVERIFY(!risk->isVisible());
    QVERIFY(p.form().isVisible());
}

QTEST_MAIN(TestRiskWindow)
#include "tst_riskwindow.moc"
