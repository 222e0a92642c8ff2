#include "export/riskfile.h"

#include "export/safewrite.h"

namespace velmora {

std::optional<QString> saveRiskCsv(const RiskResult &result, const QString &fileName)
{
    if (const auto failure = writeFileSafely(fileName, QByteArray::fromStdString(riskCsv(result))))
        return failure->reason;
    return std::nullopt;
}

} // namespace velmora
