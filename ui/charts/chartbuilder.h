#pragma once

#include <QtGlobal>


QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace velmora {

class ChartGrid;
struct ChartSettings;

// The set-up every chart shares: replaces whatever `chart` showed by one x-y line series
// per column pair of `grid`, with the title, axis titles, fonts, legend and grid lines of
// `settings`, both axes scaled to the values.
void buildChart(QChart &chart, const ChartGrid &grid, const ChartSettings &settings);

} // namespace velmora
