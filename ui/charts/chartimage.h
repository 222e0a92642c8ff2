#pragma once

#include <QImage>
#include <QString>

#include <optional>

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace velmora {

// The picture formats a chart is saved in.
enum class ChartImageFormat { Png, Svg, Pdf };

// Where and how a chart is saved.
struct ChartImageFile {
    QString fileName; // the name written: the chosen one, or the chosen one with ".png" added
    ChartImageFormat format = ChartImageFormat::Png;
};

// The file for a chosen name: an ending of ".png", ".svg" or ".pdf" (in any case) picks the
// format; with any other ending, or none, the chart is saved as PNG with ".png" added.
ChartImageFile chartImageFile(const QString &chosen);

// The chart as the window shows it, at its size in the window.
QImage chartImage(QChartView &view);

// Writes the chart into the file whole or not at all: an earlier file of that name stays as
// it was when writing fails. Returns the reason of a failure, nothing on success.
std::optional<QString> saveChartImage(QChartView &view, const ChartImageFile &file);

} // namespace velmora
