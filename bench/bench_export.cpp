#include "bench/benchdata.h"
#include "export/historyfiles.h"
#include "export/historywriter.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

using namespace velmora;

namespace {

// The four files of a 1000-step history written as "Save" does, again over the same names.
void exportInto(benchmark::State &state, const QTemporaryDir &dir)
{
    if (!dir.isValid()) {
        state.SkipWithError("no folder to write into");
        return;
    }
    auto history = fullHistory();
    const QString base = dir.filePath(QStringLiteral("run"));
    for (auto _ : state) {
        if (!writeHistoryFiles(*history, base).ok())
            state.SkipWithError("the export failed");
    }
}

// Onto the disk: each file is flushed to it before it replaces the earlier one.
void BM_ExportWrite(benchmark::State &state)
{
    exportInto(state, QTemporaryDir());
}
BENCHMARK(BM_ExportWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

// Into memory (tmpfs), where a flush costs nothing: the program's own share of the export.
void BM_ExportWriteMemory(benchmark::State &state)
{
    exportInto(state, QTemporaryDir(QStringLiteral("/dev/shm/velmora-bench-XXXXXX")));
}
BENCHMARK(BM_ExportWriteMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

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
