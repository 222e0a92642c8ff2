#pragma once

#include "demography/stagemodel.h"

#include <QPainterPath>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QFont;
class QPainter;

namespace velmora {

// How wide and high a text is drawn; the layout asks it for every name and label.
using TextMeasure = std::function<QSizeF(const QString &text)>;

// Stages in one row before the graph wraps to the next.
constexpr int kStagesPerRow = 8;

// What an arrow of the life-cycle graph stands for.
enum class ArcKind {
    Stasis,        // U on the diagonal: staying in the stage
    Growth,        // U below the diagonal: moving on to a later stage
    Retrogression, // U above the diagonal: falling back to an earlier stage
    Reproduction,  // F
    Clonal,        // C
};

// How an arrow is drawn.
enum class ArcShape {
    LoopAbove, // stasis: a loop over the node
    LoopBelow, // reproduction or clonality into the stage itself: a loop under the node
    Straight,  // growth to the next stage in the same row
    Above,     // growth past the next stage: an arc over the row
    Below,     // reproduction, clonality and retrogression: an arc under the row
    Across,    // between stages in different rows
};

struct GraphNode {
    int stage = 0;
    int row = 0;
    QRectF box;
    QStringList lines; // the stage's name, wrapped
};

struct GraphArc {
    int from = 0; // the stage moved from (the column of the matrix)
    int to = 0;   // the stage moved to (the row)
    ArcKind kind = ArcKind::Growth;
    ArcShape shape = ArcShape::Straight;
    double value = 0.0;
    QString label;      // the value as the graph shows it
    QPainterPath path;  // from the source node to the target node; the head goes at its end
    QRectF labelBox;
    int level = 0;      // arcs over or under a row: 0 lies nearest the nodes
};

struct LifeCycleLayout {
    std::vector<GraphNode> nodes;
    std::vector<GraphArc> arcs;
    int rows = 0;
    bool hasClonal = false;
    double lineHeight = 0.0;
    QRectF legendBox; // where the key of the colours goes, under the last row
    QSizeF size;      // the whole picture, margins included
};

// A stage as the graph and the chart name it: numbered as the grids number their rows and
// columns ("3. large juveniles").
QString stageCaption(const StageModel &model, int stage);

// The life-cycle graph of `model` as it is drawn in the literature: one node a stage, stages in
// a row in their order (wrapping after `stagesPerRow`), stasis loops above, growth arrows
// between neighbours, reproduction and retrogression arcs curving back below, an arrow for each
// non-zero entry of U, F and C labelled with its value.
LifeCycleLayout layoutLifeCycle(const StageModel &model, const TextMeasure &measure,
                                int stagesPerRow = kStagesPerRow);

// The font the graph is drawn in, and its measure on a screen of the program's resolution.
QFont graphFont();
TextMeasure fontMeasure(const QFont &font);

// Draws the layout with its top left corner at the painter's origin, on any paint device.
void paintLifeCycle(QPainter &painter, const LifeCycleLayout &layout, const QFont &font);

// The picture formats the graph is saved in, by the name's ending: ".svg" is SVG, anything
// else PNG.
enum class GraphFormat { Png, Svg };
GraphFormat graphFormat(const QString &fileName);

// The graph as the bytes of an SVG or PNG file.
QByteArray graphFileBytes(const LifeCycleLayout &layout, const QFont &font, GraphFormat format);

// Writes the picture into `fileName` whole or not at all; on failure the earlier file stays and
// the message names the file and the reason.
std::optional<QString> saveLifeCycleGraph(const LifeCycleLayout &layout, const QFont &font,
                                          const QString &fileName);

} // namespace velmora
