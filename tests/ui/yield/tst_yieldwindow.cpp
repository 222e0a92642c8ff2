#include "ui/yield/yieldwindow.h"

#include "demography/leslie.h"
#include "tests/support/fakedialogs.h"
#include "tests/support/stagemodels.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace velmora;

namespace {

// The main window's first model, its fecundities scaled.
StageModel defaultModel(double fecundityScale = 1.0)
{
    StageModel m = defaultStageModel();
    m.F *= fecundityScale;
    return m;
}

struct Fixture {
    FakeDialogs dialogs;
    std::unique_ptr<YieldWindow> window;

    explicit Fixture(const StageModel &model)
    {
        window = std::make_unique<YieldWindow>(model, dialogs);
        window->show();
    }
    template <typename T>
    T *child(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    bool computed()
    {
        QSignalSpy finished(window.get(), &YieldWindow::computeFinished);
        child<QPushButton>("cmdCompute")->click();
        return finished.count() > 0 || finished.wait(60000);
    }
    QList<QPointF> shockLine(int way) const
    {
        const auto series = child<QChartView>("shockChart")->chart()->series();
        return static_cast<QLineSeries *>(series.at(way))->points();
    }
};

} // namespace

class TestYieldWindow : public QObject {
    Q_OBJECT

private slots:
    void quotaFallsWhereRateAndEscapementRecover();
    void refusesWithASentence_data();
    void refusesWithASentence();
    void cancelShowsNothingHalfTraced();
};

// The lesson of the window: after the same bad year at 90 % of MSY the quota's line falls to 0
// and the other two come back.
void TestYieldWindow::quotaFallsWhereRateAndEscapementRecover()
{
    Fixture f(defaultModel());
    RiskSettings variation = startingRiskSettings();
    variation.replicates = 300;
    variation.seed = 7;
    f.window->setRiskSettings(variation);
    QVERIFY(f.computed());
    QVERIFY(f.window->analysis());
    // Three curves and three MSY marks.
    QCOMPARE(f.child<QChartView>("yieldChart")->chart()->series().size(), 6);
    const QList<QPointF> quota = f.shockLine(0);
    QCOMPARE(quota.size(), 61);
    QCOMPARE(quota.last().y(), 0.0);
    for (const int way : {1, 2})
        QVERIFY(f.shockLine(way).last().y() > 0.5 * f.shockLine(way).first().y());
    QVERIFY(f.child<QLabel>("message")->text().contains(QStringLiteral("the quota after a loss of")));
    // Under the same variation the quota is the riskiest way, and the table says so.
    const auto &risks = f.window->risks();
    for (const auto &risk : risks)
        QVERIFY(risk && risk->settings.seed == 7 && risk->settings.replicates == 300);
    QVERIFY(risks[0]->finalRisk > 0.05);
    QVERIFY(risks[0]->finalRisk > 2 * std::max(risks[1]->finalRisk, risks[2]->finalRisk));
    QVERIFY(f.child<QTableWidget>("yieldTable")->item(0, 8)->text().endsWith(QStringLiteral(" %")));

    // A loss the quota survives keeps its line up; the chart follows the loss field.
    auto *loss = f.child<QLineEdit>("loss");
    loss->setText(QStringLiteral("1"));
    emit loss->editingFinished();
    QVERIFY(f.shockLine(0).last().y() > 0);
}

void TestYieldWindow::refusesWithASentence_data()
{
    QTest::addColumn<double>("fecundityScale");
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("R0 below 1") << 0.2 << "1000" << "R0 = 0.35: a population that cannot";
    QTest::newRow("K of 0") << 1.0 << "0" << "K must be a number above 0";
    QTest::newRow("K not a number") << 1.0 << "1e3x" << "K must be a number above 0";
}

void TestYieldWindow::refusesWithASentence()
{
    QFETCH(double, fecundityScale);
    QFETCH(QString, capacity);
    QFETCH(QString, sentence);
    Fixture f(defaultModel(fecundityScale));
    f.child<QLineEdit>("capacity")->setText(capacity);
    QVERIFY(f.computed());
    QVERIFY(!f.window->running());
    QVERIFY(!f.window->analysis());
    QVERIFY2(f.child<QLabel>("message")->text().startsWith(sentence),
             qPrintable(f.child<QLabel>("message")->text()));
}

void TestYieldWindow::cancelShowsNothingHalfTraced()
{
    // Twenty stages keep the work going long enough to be cancelled.
    Fixture f(twentyStageChain());
    QSignalSpy finished(f.window.get(), &YieldWindow::computeFinished);
    f.window->compute();
    QVERIFY(f.window->running());
    f.window->cancel();
    QVERIFY(finished.wait(60000));
    QVERIFY(!f.window->running());
    QVERIFY(!f.window->analysis());
    QCOMPARE(f.child<QLabel>("message")->text(), QStringLiteral("Cancelled: no curve is shown."));
    QVERIFY(f.child<QChartView>("yieldChart")->chart()->series().isEmpty());
}

QTEST_MAIN(TestYieldWindow)
#include "tst_yieldwindow.moc"
