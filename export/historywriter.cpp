#include "export/historywriter.h"

#include "export/historyfiles.h"
#include "export/safewrite.h"

namespace velmora {

ExportResult writeHistoryFiles(Module1 &history, const QString &baseName)
{
    if (baseName.isEmpty())
        return {ExportResult::Status::NameKeepsNothing, {}, {}};
    for (const HistoryFile file : kHistoryFiles) {
        // The rates are formed only once the first three files are complete on disk.
        if (file == HistoryFile::Rates)
            computeRates(history);
        const QString name = historyFileName(baseName, file);
        if (const auto failure = writeFileSafely(name, historyFileBytes(history, file)))
            return {ExportResult::Status::FileFailed, failure->fileName, failure->reason};
    }
    return {};
}

} // namespace velmora
