#include "ui/charts/chartdata.h"

#include "model/module1.h"

#include <QCoreApplication>

#include <algorithm>

namespace velmora {

namespace {

// The context of the charts' titles in the translations.
class ChartTexts {
    Q_DECLARE_TR_FUNCTIONS(ChartTexts)
};

// A chart over time; the symbols among the titles (N(t), dN(t)) come back untranslated.
ChartSettings overTime(const char *title, const char *yTitle, bool showLegend = false)
{
    ChartSettings settings{ChartTexts::tr(title), ChartTexts::tr(yTitle)};
    settings.showLegend = showLegend;
    return settings;
}

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
        //: A chart legend entry; %1 is the age class number.
        grid.setColumnLabel(2 * i + 1, ChartTexts::tr("age  %1").arg(i));
        for (int r = 1; r <= k + 1; ++r) {
            const int t = r - 1;
            grid.setData(r, 2 * i + 1, t);
            grid.setData(r, 2 * i + 2, values[std::size_t(i)][std::size_t(t)]);
        }
    }
    return grid;
}

} // namespace

QString timeAxisTitle()
{
    //: The x axis title of the charts of the history.
    return ChartTexts::tr("time");
}

ChartData populationSizeChart(const Module1 &history)
{
    const int k = lastTime(history);
    return {overTime(QT_TRANSLATE_NOOP("ChartTexts", "Total population size"), "N(t)"),
            timeSeriesGrid(k + 1, 0, history.Ntot)};
}

ChartData growthRateChart(const Module1 &history)
{
    // Grate is single precision; each value is widened to a double only here.
    return {overTime(QT_TRANSLATE_NOOP("ChartTexts", "Growth rate"), "N(t+1)/N(t)"),
            timeSeriesGrid(lastTime(history), 0, history.Grate)};
}

ChartData changeChart(const Module1 &history)
{
    // Ndiff(t - 1) is N(t) - N(t-1), so it is plotted at t from 1.
    return {overTime(QT_TRANSLATE_NOOP("ChartTexts", "Change rate dN(t)"), "dN(t)"),
            timeSeriesGrid(lastTime(history), 1, history.Ndiff)};
}

ChartData ageStructureChart(const Module1 &history)
{
    return {overTime(QT_TRANSLATE_NOOP("ChartTexts", "Age structure"),
                     QT_TRANSLATE_NOOP("ChartTexts", "age size"), true),
            ageClassGrid(history, history.Nhist)};
}

ChartData ageDistributionChart(const Module1 &history)
{
    // The same chart title as the age structure; only the axis title tells them apart.
    return {overTime(QT_TRANSLATE_NOOP("ChartTexts", "Age structure"),
                     QT_TRANSLATE_NOOP("ChartTexts", "age distribution"), true),
            ageClassGrid(history, history.Adist)};
}

} // namespace velmora
