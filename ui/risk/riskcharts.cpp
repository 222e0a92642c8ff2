#include "ui/risk/riskcharts.h"

#include "base/numbertext.h"
#include "ui/common/appfonts.h"

#include <QAreaSeries>
#include <QChart>
#include <QCoreApplication>
#include <QLegend>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace velmora {

namespace {

// The charts' titles and names, translated in one context of their own.
class RiskCharts {
    Q_DECLARE_TR_FUNCTIONS(RiskCharts)
};

// More than two decades between the smallest positive total and the largest: log axis.
constexpr double kLinearSpan = 100.0;

const QColor kRiskColour(160, 0, 0);
const QColor kOuterBand(180, 205, 235);
const QColor kInnerBand(110, 155, 215);
const QColor kMedianColour(0, 40, 120);
const QColor kMeanColour(220, 120, 0);
const QColor kThresholdColour(200, 0, 0);

void setUpChart(QChart &chart, const QString &title)
{
    chart.removeAllSeries();
    for (QAbstractAxis *axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    chart.setTitleFont(appFont(QStringLiteral("Arial"), 11, true));
    chart.setTitle(title);
    chart.legend()->setFont(appFont(QStringLiteral("Arial"), 8));
    chart.legend()->setAlignment(Qt::AlignBottom);
    chart.setMargins(QMargins(4, 4, 4, 4));
}

template <typename Axis>
Axis *addAxis(QChart &chart, Qt::Alignment alignment, const QString &title)
{
    auto *axis = new Axis;
    axis->setTitleFont(appFont(QStringLiteral("Arial"), 9));
    axis->setTitleText(title);
    axis->setLabelsFont(appFont(QStringLiteral("Arial"), 8));
    axis->setLabelFormat(QStringLiteral("%g"));
    chart.addAxis(axis, alignment);
    return axis;
}

QValueAxis *stepAxis(QChart &chart, const RiskResult *result)
{
    QValueAxis *x =
        addAxis<QValueAxis>(chart, Qt::AlignBottom, RiskCharts::tr("steps from N(t)"));
    x->setRange(0, result ? double(result->risk.size() - 1) : double(kDefaultRiskSteps));
    x->applyNiceNumbers();
    return x;
}

void attach(QChart &chart, QAbstractSeries *series, QAbstractAxis *x, QAbstractAxis *y)
{
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

QLineSeries *line(const QString &name, const QPen &pen)
{
    auto *series = new QLineSeries;
    series->setName(name);
    series->setPen(pen);
    return series;
}

} // namespace

double riskAxisTop(const RiskResult *result)
{
    const double largest = result && !result->risk.empty()
                               ? 100.0 * *std::max_element(result->risk.begin(), result->risk.end())
                               : 100.0;
    // A small risk gets the height of the chart; from one half up the axis is the whole scale.
    // Below 5 % the axis stays at 5 %: 0 to 1 would read like a share, and noise like a trend.
    if (largest >= 50)
        return 100.0;
    return std::max(5.0, 1.2 * largest);
}

FanScale fanScale(const RiskResult &result)
{
    double smallest = std::numeric_limits<double>::infinity();
    double largest = 0.0;
    const auto look = [&](const std::vector<double> &values) {
        for (const double v : values) {
            if (!std::isfinite(v))
                continue;
            largest = std::max(largest, v);
            if (v > 0)
                smallest = std::min(smallest, v);
        }
    };
    for (const std::vector<double> &p : result.percentiles)
        look(p);
    look(result.mean);
    look(result.deterministic);
    FanScale scale;
    const double threshold = result.settings.threshold;
    if (largest <= 0) {
        scale.high = std::max(1.0, 2 * threshold);
        return scale;
    }
    const double top = std::max(largest, threshold);
    const double bottom = threshold > 0 ? std::min(smallest, threshold) : smallest;
    if (!(top / bottom > kLinearSpan)) {
        scale.high = top * 1.05;
        return scale;
    }
    scale.logarithmic = true;
    // A decade below the smallest positive total or Q: room for the foot of the fan.
    scale.low = std::pow(10.0, std::floor(std::log10(bottom)) - 1);
    scale.high = std::pow(10.0, std::ceil(std::log10(top)));
    return scale;
}

void buildRiskChart(QChart &chart, const RiskResult *result)
{
    const QString q = result ? QString::fromStdString(numberText(result->settings.threshold))
                             : QStringLiteral("Q");
    //: %1 is the threshold, a figure or Q.
    setUpChart(chart, RiskCharts::tr("Risk of falling below %1 by step t").arg(q));
    chart.legend()->setVisible(false);
    QValueAxis *x = stepAxis(chart, result);
    QValueAxis *y = addAxis<QValueAxis>(chart, Qt::AlignLeft, RiskCharts::tr("risk"));
    y->setRange(0, riskAxisTop(result));
    y->applyNiceNumbers();
    // Every tick says it is a percentage, so no one reads 1 as certainty.
    y->setLabelFormat(QStringLiteral("%g %%"));
    QLineSeries *risk = line(RiskCharts::tr("risk"), QPen(kRiskColour, 2));
    if (result) {
        QList<QPointF> points;
        points.reserve(qsizetype(result->risk.size()));
        for (size_t t = 0; t < result->risk.size(); ++t)
            points.append(QPointF(double(t), 100.0 * result->risk[t]));
        risk->replace(points);
    }
    attach(chart, risk, x, y);
}

void buildFanChart(QChart &chart, const RiskResult *result)
{
    setUpChart(chart, RiskCharts::tr("Total population: percentiles, mean, deterministic"));
    chart.legend()->setVisible(true);
    QValueAxis *x = stepAxis(chart, result);
    const FanScale scale = result ? fanScale(*result) : FanScale{false, 0, 100};
    QAbstractAxis *y = nullptr;
    if (scale.logarithmic) {
        auto *axis = addAxis<QLogValueAxis>(chart, Qt::AlignLeft,
                                            RiskCharts::tr("total (log scale; 0 at the foot)"));
        axis->setBase(10);
        axis->setRange(scale.low, scale.high);
        y = axis;
    } else {
        auto *axis = addAxis<QValueAxis>(chart, Qt::AlignLeft, RiskCharts::tr("total"));
        axis->setRange(scale.low, scale.high);
        axis->applyNiceNumbers();
        y = axis;
    }
    if (!result)
        return;

    // What a log axis cannot show is drawn at its foot; beyond range at its top.
    const auto shown = [&scale](double v) {
        if (!std::isfinite(v))
            return scale.high;
        return scale.logarithmic ? std::clamp(v, scale.low, scale.high) : v;
    };
    const auto points = [&](const std::vector<double> &values) {
        QList<QPointF> list;
        list.reserve(qsizetype(values.size()));
        for (size_t t = 0; t < values.size(); ++t)
            list.append(QPointF(double(t), shown(values[t])));
        return list;
    };
    const auto band = [&](const QString &name, size_t low, size_t high, const QColor &colour) {
        auto *lower = new QLineSeries;
        auto *upper = new QLineSeries;
        lower->replace(points(result->percentiles[low]));
        upper->replace(points(result->percentiles[high]));
        auto *area = new QAreaSeries(upper, lower);
        // The area does not own its lines; removing the area from the chart must free them.
        upper->setParent(area);
        lower->setParent(area);
        area->setName(name);
        area->setBrush(colour);
        area->setPen(Qt::NoPen);
        attach(chart, area, x, y);
    };
    band(QStringLiteral("5 - 95 %"), 0, 4, kOuterBand);
    band(QStringLiteral("25 - 75 %"), 1, 3, kInnerBand);

    QLineSeries *median = line(RiskCharts::tr("median"), QPen(kMedianColour, 2));
    median->replace(points(result->percentiles[2]));
    attach(chart, median, x, y);
    QLineSeries *mean = line(RiskCharts::tr("mean"), QPen(kMeanColour, 2, Qt::DashLine));
    mean->replace(points(result->mean));
    attach(chart, mean, x, y);
    QLineSeries *deterministic = line(RiskCharts::tr("deterministic"), QPen(Qt::black, 1.5));
    deterministic->replace(points(result->deterministic));
    attach(chart, deterministic, x, y);
    const double q = result->settings.threshold;
    if (q > 0) {
        QLineSeries *threshold =
            line(QStringLiteral("Q = %1").arg(QString::fromStdString(numberText(q))),
                 QPen(kThresholdColour, 1, Qt::DotLine));
        const double last = double(result->risk.size() - 1);
        threshold->replace(QList<QPointF>{QPointF(0, shown(q)), QPointF(last, shown(q))});
        attach(chart, threshold, x, y);
    }
}

} // namespace velmora
