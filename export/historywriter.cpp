#include "export/historywriter.h"

#include "export/historyfiles.h"

#include <QSaveFile>

namespace velmora {

namespace {

ExportResult failed(const QString &fileName, const QString &reason)
{
    return {ExportResult::Status::FileFailed, fileName, reason};
}

// QSaveFile writes beside the target and renames over it only on commit, so a failure
// leaves the earlier file as it was and no partial file behind. Unbuffered: a buffered
// QSaveFile whose last bytes fail only in the flush at commit (a full disk) still renames
// the cut-off file over the earlier one and reports success.
ExportResult writeWhole(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(fileName, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failed(fileName, reason);
    }
    if (!file.commit())
        return failed(fileName, file.errorString());
    return {};
}

} // namespace

ExportResult writeHistoryFiles(Module1 &history, const QString &baseName)
{
    if (baseName.isEmpty())
        return {ExportResult::Status::NameKeepsNothing, {}, {}};
    for (const HistoryFile file : kHistoryFiles) {
        // The rates are formed only once the first three files are complete on disk.
        if (file == HistoryFile::Rates)
            computeRates(history);
        const QString name = historyFileName(baseName, file);
        const ExportResult result = writeWhole(name, historyFileBytes(history, file));
        if (!result.ok())
            return result;
    }
    return {};
}

} // namespace velmora
