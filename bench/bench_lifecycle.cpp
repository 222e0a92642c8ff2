#include "bench/benchdata.h"
#include "ui/analysis/reportview.h"
#include "ui/lifecycle/lifecyclewindow.h"
#include "ui/lifecycle/stagereport.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QWindow>

using namespace velmora;

namespace {

// n stages as a long published cycle has them: stasis and growth in every stage, some
// falling back, births from the last eight.
StageModel longCycle(int n)
{
    StageModel m = emptyStageModel(n);
    for (int i = 0; i < n; ++i) {
        m.stages[size_t(i)] = "stage number " + std::to_string(i + 1);
        m.U(i, i) = 0.55;
        if (i + 1 < n)
            m.U(i + 1, i) = 0.3;
        if (i > 0 && i % 3 == 0)
            m.U(i - 1, i) = 0.05;
        if (i >= n - 8)
            m.F(0, i) = 2.5 + i;
        m.n0(i) = 100;
    }
    return m;
}

// An edit of one cell of U on the shown window: the model checked, the grids, graph and chart
// made anew, then a run of 25 steps, and the window painted after each. With the analysis in
// front, its heat maps are made anew after the edit as well.
void redrawAfterEdits(benchmark::State &state, bool analysisInFront)
{
    QuietDialogs dialogs;
    LifeCycleWindow window(longCycle(20), dialogs);
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    if (analysisInFront) {
        auto *views = window.findChild<QTabWidget *>(QStringLiteral("views"));
        views->setCurrentWidget(window.findChild<QWidget *>(QStringLiteral("analysis")));
    }
    auto *u = window.findChild<QTableWidget *>(QStringLiteral("uGrid"));
    auto *run = window.findChild<QPushButton *>(QStringLiteral("cmdRun"));
    bool flip = false;
    for (auto _ : state) {
        u->item(5, 4)->setText(flip ? QStringLiteral("0.3") : QStringLiteral("0.25"));
        flip = !flip;
        window.repaint();
        run->click();
        window.repaint();
    }
}

void BM_LifeCycleRedraw20(benchmark::State &state)
{
    redrawAfterEdits(state, false);
}
BENCHMARK(BM_LifeCycleRedraw20)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LifeCycleAnalysis20(benchmark::State &state)
{
    redrawAfterEdits(state, true);
}
BENCHMARK(BM_LifeCycleAnalysis20)->Unit(benchmark::kMillisecond)->UseRealTime();

// The figures of the Analysis tab for 100 stages, without a widget.
void BM_StageReport100(benchmark::State &state)
{
    const StageModel model = longCycle(100);
    for (auto _ : state)
        benchmark::DoNotOptimize(stageReportLines(model).size());
}
BENCHMARK(BM_StageReport100)->Unit(benchmark::kMillisecond)->UseRealTime();

// Those figures shown the first time: the report view with its two 100 x 100 heat maps made,
// laid out and painted once.
void BM_ReportView100(benchmark::State &state)
{
    const std::vector<ReportLine> lines = stageReportLines(longCycle(100));
    for (auto _ : state) {
        ReportView view;
        view.resize(1200, 800);
        view.showReport(lines);
        view.show();
        while (!view.windowHandle() || !view.windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        view.repaint();
    }
}
BENCHMARK(BM_ReportView100)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// What a user waits for: the Analysis tab of a shown 100-stage window brought to the front,
// the analysis, the report view and its painting.
void BM_AnalysisTab100(benchmark::State &state)
{
    QuietDialogs dialogs;
    for (auto _ : state) {
        state.PauseTiming();
        LifeCycleWindow window(longCycle(100), dialogs);
        window.show();
        while (!window.windowHandle() || !window.windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        auto *views = window.findChild<QTabWidget *>(QStringLiteral("views"));
        state.ResumeTiming();
        views->setCurrentWidget(window.findChild<QWidget *>(QStringLiteral("analysis")));
        window.repaint();
    }
}
BENCHMARK(BM_AnalysisTab100)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

} // namespace
