#include "export/riskfile.h"

#include <QSaveFile>

namespace velmora {

std::optional<QString> saveRiskCsv(const RiskResult &result, const QString &fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const std::string bytes = riskCsv(result);
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace velmora
