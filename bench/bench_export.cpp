#include "benchdata.h"
#include "historyfiles.h"
#include "historywriter.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace {

// The four files of a 1000-step history written to disk, as "Save" does.
void BM_ExportWrite(benchmark::State &state)
{
    auto history = fullHistory();
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("run"));
    for (auto _ : state) {
        if (!writeHistoryFiles(*history, base).ok())
            state.SkipWithError("the export failed");
    }
}
BENCHMARK(BM_ExportWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

// Only the bytes of the four files, to tell formatting from writing.
void BM_ExportFormat(benchmark::State &state)
{
    auto history = fullHistory();
    for (auto _ : state) {
        computeRates(*history);
        for (const HistoryFile file : kHistoryFiles)
            benchmark::DoNotOptimize(historyFileBytes(*history, file));
    }
}
BENCHMARK(BM_ExportFormat)->Unit(benchmark::kMillisecond);

} // namespace
