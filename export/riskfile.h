#pragma once

#include "demography/stochastic.h"

#include <QString>

#include <optional>

namespace velmora {

// Writes the results of a risk run as CSV (riskCsv()) into `fileName`, whole or not at all: an
// earlier file of that name stays as it was when writing fails. Returns the system's reason
// of a failure, nothing on success.
std::optional<QString> saveRiskCsv(const RiskResult &result, const QString &fileName);

} // namespace velmora
