#include "export/safewrite.h"

#include <QSaveFile>

namespace velmora {

std::optional<FileWriteFailure> writeFileSafely(const QString &fileName, const QByteArray &bytes)
{
    // QSaveFile writes beside the target and renames over it only on commit. Unbuffered: a
    // buffered QSaveFile whose last bytes fail only in the flush at commit (a full disk) still
    // renames the cut-off file over the earlier one and reports success.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return FileWriteFailure{fileName, file.errorString()};
    for (qint64 done = 0; done < bytes.size();) {
        // A short write carries no error; the next write of the rest gives the reason.
        const qint64 step = file.write(bytes.constData() + done, bytes.size() - done);
        if (step <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return FileWriteFailure{fileName, reason};
        }
        done += step;
    }
    if (!file.commit())
        return FileWriteFailure{fileName, file.errorString()};
    return std::nullopt;
}

} // namespace velmora
