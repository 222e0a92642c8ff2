#include "ui/charts/chartimage.h"

#include "export/safewrite.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace velmora {

namespace {

constexpr double kPointsPerInch = 72.0;

// One drawing for every target: the chart scaled into `target`, with the window's hints.
void paintChart(QChartView &view, QPainter &painter, const QRectF &target)
{
    painter.setRenderHints(view.renderHints());
    view.render(&painter, target, view.viewport()->rect());
}

QRectF chartRect(const QChartView &view)
{
    return QRectF(QPointF(), view.viewport()->size());
}

// Paints into a vector device; false when the device refused.
template <typename Device>
bool paintOn(QChartView &view, Device &device, const QRectF &target)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    paintChart(view, painter, target);
    return painter.end();
}

bool writeSvg(QChartView &view, QIODevice &out)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(view.viewport()->size());
    svg.setViewBox(chartRect(view));
    svg.setResolution(view.logicalDpiX());
    svg.setTitle(view.chart()->title());
    return paintOn(view, svg, chartRect(view));
}

bool writePdf(QChartView &view, QIODevice &out)
{
    QPdfWriter pdf(&out);
    // One page the size of the chart, so the picture keeps its proportions and has no margin.
    pdf.setResolution(view.logicalDpiX());
    const QSizeF points = QSizeF(view.viewport()->size()) * kPointsPerInch / view.logicalDpiX();
    pdf.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(view.chart()->title());
    pdf.setCreator(QStringLiteral("Velmora"));
    return paintOn(view, pdf, QRectF(0, 0, pdf.width(), pdf.height()));
}

} // namespace

ChartImageFile chartImageFile(const QString &chosen)
{
    if (chosen.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return {chosen, ChartImageFormat::Svg};
    if (chosen.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return {chosen, ChartImageFormat::Pdf};
    if (chosen.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return {chosen, ChartImageFormat::Png};
    return {chosen + QStringLiteral(".png"), ChartImageFormat::Png};
}

QImage chartImage(QChartView &view)
{
    QImage image(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintChart(view, painter, chartRect(view));
    return image;
}

std::optional<QString> saveChartImage(QChartView &view, const ChartImageFile &file)
{
    // Drawn into memory first, so the file on disk is written in one checked piece.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    bool painted = false;
    switch (file.format) {
    case ChartImageFormat::Png:
        painted = chartImage(view).save(&bytes, "PNG");
        break;
    case ChartImageFormat::Svg:
        painted = writeSvg(view, bytes);
        break;
    case ChartImageFormat::Pdf:
        painted = writePdf(view, bytes);
        break;
    }
    if (!painted)
        return QCoreApplication::translate("ChartImage", "The picture could not be drawn.");
    if (const auto failure = writeFileSafely(file.fileName, bytes.data()))
        return failure->reason;
    return std::nullopt;
}

} // namespace velmora
