#pragma once

#include "model/module1.h"

#include <QString>

namespace velmora {

// How an export ended; on failure, which file failed and the system's reason.
struct ExportResult {
    enum class Status {
        Written,          // all four files are on disk
        NameKeepsNothing, // empty base name: nothing was written
        FileFailed,       // `fileName` could not be written; later files were not attempted
    };
    Status status = Status::Written;
    QString fileName;
    QString reason;

    bool ok() const { return status == Status::Written; }
};

// Writes the four files of the history under `baseName`, in order, each one whole or not at
// all (an earlier version of a file that fails stays as it was). Stops at the first failure;
// files already written stay. Recomputes the rate series between the third and fourth file.
ExportResult writeHistoryFiles(Module1 &history, const QString &baseName);

} // namespace velmora
