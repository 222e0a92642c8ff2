#include "ui/charts/chartbuilder.h"

#include "ui/common/appfonts.h"
#include "ui/charts/chartdata.h"

#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace velmora {

namespace {

// Smallest and largest finite value seen; an empty or flat range is widened so the axis
// still has a span to draw.
struct Span {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();

    void include(double value)
    {
        if (!std::isfinite(value))
            return;
        low = std::min(low, value);
        high = std::max(high, value);
    }

    void applyTo(QValueAxis &axis) const
    {
        double from = low;
        double to = high;
        if (from > to) {
            from = 0.0;
            to = 1.0;
        } else if (from == to) {
            const double pad = from == 0.0 ? 1.0 : std::fabs(from) * 0.5;
            from = std::max(from - pad, std::numeric_limits<double>::lowest());
            to = std::min(to + pad, std::numeric_limits<double>::max());
        }
        // Nice numbers change the tick count, and the axis is reused: start from the default.
        axis.setTickCount(5);
        axis.setRange(from, to);
        axis.applyNiceNumbers();
        // Rounding outwards can pass the largest double; keep the plain range then.
        if (!std::isfinite(axis.min()) || !std::isfinite(axis.max())) {
            axis.setTickCount(5);
            axis.setRange(from, to);
        }
    }
};

// The chart's one axis along `alignment`, made on first use. Axes are kept between
// charts: an axis removed from a shown chart leaves its labels painted behind.
QValueAxis *axisAt(QChart &chart, Qt::Alignment alignment)
{
    const Qt::Orientation orientation =
        alignment == Qt::AlignBottom ? Qt::Horizontal : Qt::Vertical;
    const auto axes = chart.axes(orientation);
    if (axes.size() == 1) {
        if (auto *axis = qobject_cast<QValueAxis *>(axes.first()))
            return axis;
    }
    for (QAbstractAxis *axis : axes) {
        chart.removeAxis(axis);
        delete axis;
    }
    auto *axis = new QValueAxis;
    chart.addAxis(axis, alignment);
    return axis;
}

void setUpAxis(QValueAxis &axis, const QString &title)
{
    axis.setTitleFont(appFont(QStringLiteral("Arial"), 12));
    axis.setTitleVisible(true);
    axis.setTitleText(title);
    axis.setLabelFormat(QStringLiteral("%g"));
}

} // namespace

void buildChart(QChart &chart, const ChartGrid &grid, const ChartSettings &settings)
{
    chart.removeAllSeries();

    chart.legend()->setVisible(settings.showLegend);
    chart.setTitleFont(appFont(QStringLiteral("Arial"), 12));
    chart.setTitle(settings.title);
    chart.legend()->setAlignment(Qt::AlignRight);

    QValueAxis *yAxis = axisAt(chart, Qt::AlignLeft);
    yAxis->setGridLinePen(QPen(Qt::black, 1, Qt::SolidLine));
    setUpAxis(*yAxis, settings.yTitle);
    QValueAxis *xAxis = axisAt(chart, Qt::AlignBottom);
    setUpAxis(*xAxis, settings.xTitle);

    Span xSpan;
    Span ySpan;
    for (int s = 1; s <= grid.seriesCount(); ++s) {
        const QList<QPointF> points = grid.seriesPoints(s);
        for (const QPointF &p : points) {
            xSpan.include(p.x());
            ySpan.include(p.y());
        }
        auto *series = new QLineSeries;
        series->setName(grid.seriesLabel(s));
        series->replace(points);
        chart.addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    }
    xSpan.applyTo(*xAxis);
    ySpan.applyTo(*yAxis);
}

} // namespace velmora
