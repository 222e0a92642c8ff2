#pragma once

#include "ui/charts/chartgrid.h"

#include <QString>

namespace velmora {

struct Module1;

// "time" in the reader's language: the x axis of a chart unless it says otherwise.
QString timeAxisTitle();

// What a chart shows besides its values.
struct ChartSettings {
    QString title;
    QString yTitle;
    QString xTitle = timeAxisTitle();
    bool showLegend = false;
};

// One chart of the history, ready to be drawn.
struct ChartData {
    ChartSettings settings;
    ChartGrid grid;
};

// The five views of the history, their titles in the reader's language. Each reads only the valid range 0 .. tcount
// (tcount - 1 for the growth rate and the change) and leaves the history as it is.
ChartData populationSizeChart(const Module1 &history);
ChartData growthRateChart(const Module1 &history);
ChartData changeChart(const Module1 &history);
ChartData ageStructureChart(const Module1 &history);
ChartData ageDistributionChart(const Module1 &history);

} // namespace velmora
