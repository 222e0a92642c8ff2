#include "bench/benchdata.h"
#include "ui/lifecycle/lifecyclewindow.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QWindow>

using namespace velmora;

namespace {

// Twenty stages as a long published cycle has them: stasis and growth in every stage, some
// falling back, births from the last eight.
StageModel twentyStages()
{
    StageModel m = emptyStageModel(20);
    for (int i = 0; i < 20; ++i) {
        m.stages[size_t(i)] = "stage number " + std::to_string(i + 1);
        m.U(i, i) = 0.55;
        if (i + 1 < 20)
            m.U(i + 1, i) = 0.3;
        if (i > 0 && i % 3 == 0)
            m.U(i - 1, i) = 0.05;
        if (i >= 12)
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
    LifeCycleWindow window(twentyStages(), dialogs);
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

} // namespace
