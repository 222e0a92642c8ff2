#include "bench/benchdata.h"
#include "ui/edit/changdat.h"
#include "ui/main/form1.h"
#include "ui/charts/larggraf.h"
#include "model/simulation.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QWindow>

#include <functional>
#include <memory>

using namespace velmora;

namespace {

// Until the window system has shown the window; its first paint happens on the way.
void waitUntilExposed(QWidget &window)
{
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
}

// A window created and shown for the first time, as on its first opening.
void firstShow(benchmark::State &state, const std::function<std::unique_ptr<QWidget>()> &create)
{
    for (auto _ : state) {
        std::unique_ptr<QWidget> window = create();
        window->show();
        waitUntilExposed(*window);
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_FirstShowForm1(benchmark::State &state)
{
    auto history = std::make_unique<Module1>();
    Simulation simulation(*history);
    QuietDialogs dialogs;
    simulation.startUp();
    firstShow(state, [&] { return std::make_unique<Form1>(simulation, dialogs); });
}
BENCHMARK(BM_FirstShowForm1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FirstShowLarggraf(benchmark::State &state)
{
    auto history = fullHistory();
    QuietDialogs dialogs;
    firstShow(state, [&] {
        auto window = std::make_unique<Larggraf>(*history, dialogs);
        window->drawAgeStructure(); // "Graph" draws before it shows the window
        return window;
    });
}
BENCHMARK(BM_FirstShowLarggraf)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FirstShowChangdat(benchmark::State &state)
{
    auto history = std::make_unique<Module1>();
    Simulation simulation(*history);
    firstShow(state, [&] { return std::make_unique<Changdat>(simulation); });
}
BENCHMARK(BM_FirstShowChangdat)->Unit(benchmark::kMillisecond)->UseRealTime();

// "Project" or "Transit" on the shown main window: the model's step, the fields updated and
// the window repainted. The other step of the pair runs outside the timing.
void mainWindowStep(benchmark::State &state, bool projection)
{
    auto history = std::make_unique<Module1>();
    Simulation simulation(*history);
    QuietDialogs dialogs;
    simulation.startUp();
    Form1 form(simulation, dialogs);
    form.show();
    waitUntilExposed(form);
    for (auto _ : state) {
        state.PauseTiming();
        if (history->tcount >= kLastTime) {
            simulation.Restart();
            form.showModel();
        }
        if (!projection) {
            form.Command1_Click();
            QCoreApplication::processEvents();
        }
        state.ResumeTiming();

        if (projection)
            form.Command1_Click();
        else
            form.Command2_Click();
        QCoreApplication::processEvents();

        if (projection) {
            state.PauseTiming();
            form.Command2_Click();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
    }
}

void BM_MainWindowProjection(benchmark::State &state)
{
    mainWindowStep(state, true);
}
BENCHMARK(BM_MainWindowProjection)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_MainWindowTransition(benchmark::State &state)
{
    mainWindowStep(state, false);
}
BENCHMARK(BM_MainWindowTransition)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
