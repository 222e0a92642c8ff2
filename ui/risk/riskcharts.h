#pragma once

#include "demography/stochastic.h"

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace velmora {

// The vertical axis of the percentile fan: logarithmic where the totals span more than two
// decades, so that the early years stay visible beside a grown population; totals below
// `low` (extinct ones among them) are drawn at `low` then.
struct FanScale {
    bool logarithmic = false;
    double low = 0.0;
    double high = 1.0;
};
FanScale fanScale(const RiskResult &result);

// The top of the risk axis in percent: 100 where the risk reaches one half, else a little above
// the largest risk (at least 5 %), so that a small risk is not a line along the foot.
double riskAxisTop(const RiskResult *result);

// The risk P(t) in percent over t. With no result, the empty chart with its titles.
void buildRiskChart(QChart &chart, const RiskResult *result);

// The percentile fan of the total (5 - 95 % and 25 - 75 % bands, the median), the mean, the
// deterministic total and the threshold Q. With no result, the empty chart with its titles.
void buildFanChart(QChart &chart, const RiskResult *result);

} // namespace velmora
