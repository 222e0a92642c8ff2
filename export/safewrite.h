#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace velmora {

// Why a file was not written: its name as the caller gave it and the system's reason.
struct FileWriteFailure {
    QString fileName;
    QString reason;
};

// The one way the program and velmora-cli put a file on disk: `bytes` replace `fileName` whole
// or not at all. On any failure (no folder, no permission, a full disk, a file-size limit) an
// earlier file of that name stays as it was, no temporary file is left beside it, and the
// failure is returned; nothing on success. Anything drawn (pictures, PDF) is rendered into
// memory first and handed over as bytes.
std::optional<FileWriteFailure> writeFileSafely(const QString &fileName, const QByteArray &bytes);

} // namespace velmora
