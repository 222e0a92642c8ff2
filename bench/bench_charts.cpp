#include "bench/benchdata.h"
#include "ui/charts/larggraf.h"

#include <benchmark/benchmark.h>

#include <QChartView>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>

using namespace velmora;

namespace {

// One chart button of the chart window pressed with tcount = 1000: the grid filled from the
// history, the chart rebuilt, and the chart drawn into an image of its own size.
void BM_Chart(benchmark::State &state, const char *button)
{
    auto history = fullHistory();
    QuietDialogs dialogs;
    Larggraf window(*history, dialogs);
    auto *view = window.findChild<QChartView *>(QStringLiteral("MSChart1"));
    auto *command = window.findChild<QPushButton *>(QString::fromLatin1(button));
    if (!view || !command) {
        state.SkipWithError("the chart window has no chart or no such button");
        return;
    }
    QImage image(view->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        command->click();
        // The chart lays itself out through posted events, as it would before a paint.
        QCoreApplication::sendPostedEvents();
        image.fill(Qt::white);
        QPainter painter(&image);
        view->render(&painter);
    }
}
BENCHMARK_CAPTURE(BM_Chart, population_size, "Command1")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Chart, growth_rate, "Command2")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Chart, age_structure, "Command3")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Chart, change, "Command4")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Chart, age_distribution, "Command8")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
