#include "ui/charts/chartdata.h"

#include "model/module1.h"

#include <algorithm>

namespace velmora {

namespace {

// tcount as a row count that stays inside the history, whatever the counter holds.
int lastTime(const Module1 &history)
{
    return std::clamp(int(history.tcount), 0, kLastTime);
}

// A one-series chart: row r holds (firstTime + r - 1, values[r - 1]).
template<typename Values>
ChartGrid timeSeriesGrid(int rows, int firstTime, const Values &values)
{
    ChartGrid grid(rows, 2);
    for (int r = 1; r <= rows; ++r) {
        grid.setData(r, 1, firstTime + r - 1);
        grid.setData(r, 2, double(values[std::size_t(r - 1)]));
    }
    return grid;
}

// Four series, one per age class, sharing the times 0 .. tcount; filled class by class.
ChartGrid ageClassGrid(const Module1 &history, const ClassSeries &values)
{
    const int k = lastTime(history);
    ChartGrid grid(k + 1, 2 * kClasses);
    for (int i = 0; i < kClasses; ++i) {
        // "age " and the class number with a blank where a plus sign would stand.
        grid.setColumnLabel(2 * i + 1, QStringLiteral("age  %1").arg(i));
        for (int r = 1; r <= k + 1; ++r) {
            const int t = r - 1;
            grid.setData(r, 2 * i + 1, t);
            grid.setData(r, 2 * i + 2, values[std::size_t(i)][std::size_t(t)]);
        }
    }
    return grid;
}

} // namespace

ChartData populationSizeChart(const Module1 &history)
{
    const int k = lastTime(history);
    return {{QStringLiteral("Total population size"), QStringLiteral("N(t)")},
            timeSeriesGrid(k + 1, 0, history.Ntot)};
}

ChartData growthRateChart(const Module1 &history)
{
    // Grate is single precision; each value is widened to a double only here.
    return {{QStringLiteral("Growth rate"), QStringLiteral("N(t+1)/N(t)")},
            timeSeriesGrid(lastTime(history), 0, history.Grate)};
}

ChartData changeChart(const Module1 &history)
{
    // Ndiff(t - 1) is N(t) - N(t-1), so it is plotted at t from 1.
    return {{QStringLiteral("Change rate dN(t)"), QStringLiteral("dN(t)")},
            timeSeriesGrid(lastTime(history), 1, history.Ndiff)};
}

ChartData ageStructureChart(const Module1 &history)
{
    ChartSettings settings{QStringLiteral("Age structure"), QStringLiteral("age size")};
    settings.showLegend = true;
    return {settings, ageClassGrid(history, history.Nhist)};
}

ChartData ageDistributionChart(const Module1 &history)
{
    // The same chart title as the age structure; only the axis title tells them apart.
    ChartSettings settings{QStringLiteral("Age structure"), QStringLiteral("age distribution")};
    settings.showLegend = true;
    return {settings, ageClassGrid(history, history.Adist)};
}

} // namespace velmora
