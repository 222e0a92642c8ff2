#include "ui/lifecycle/lifecyclegraph.h"

#include "base/numbertext.h"
#include "export/safewrite.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

constexpr double kMargin = 18;       // round the picture
constexpr double kPad = 6;           // inside a node, round its name
constexpr double kNameWidth = 96;   // a longer name wraps
constexpr double kMinNodeWidth = 64;
constexpr double kMinGap = 52;       // between the nodes of a row
constexpr double kLoopWidth = 26;
constexpr double kLoopHeight = 28;
constexpr double kLabelGap = 3;      // between a line and its label
constexpr double kArcBase = 26;      // the nearest arc's distance from the nodes
constexpr double kRowGap = 40;       // between the bands of two rows
constexpr double kLegendLine = 28;   // the length of a line in the key
constexpr int kLabelDigits = 4;      // a label as the literature prints it; the grids hold all

QString legendText(ArcKind kind)
{
    switch (kind) {
    case ArcKind::Reproduction:
        return QCoreApplication::translate("LifeCycleGraph", "reproduction (F)");
    case ArcKind::Clonal:
        return QCoreApplication::translate("LifeCycleGraph", "clonal reproduction (C)");
    default:
        break;
    }
    return QCoreApplication::translate("LifeCycleGraph", "survival and growth (U)");
}

std::vector<ArcKind> legendKinds(bool hasClonal)
{
    if (hasClonal)
        return {ArcKind::Growth, ArcKind::Reproduction, ArcKind::Clonal};
    return {ArcKind::Growth, ArcKind::Reproduction};
}

QStringList wrapName(const QString &name, const TextMeasure &measure)
{
    QStringList lines;
    QString line;
    for (const QString &word : name.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (line.isEmpty() || measure(longer).width() <= kNameWidth) {
            line = longer;
        } else {
            lines << line;
            line = word;
        }
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << line;
    return lines;
}

ArcKind kindOf(StagePart part, int to, int from)
{
    if (part == StagePart::F)
        return ArcKind::Reproduction;
    if (part == StagePart::C)
        return ArcKind::Clonal;
    if (to == from)
        return ArcKind::Stasis;
    return to > from ? ArcKind::Growth : ArcKind::Retrogression;
}

ArcShape shapeOf(ArcKind kind, int to, int from, int stagesPerRow)
{
    if (to / stagesPerRow != from / stagesPerRow)
        return ArcShape::Across;
    if (to == from)
        return kind == ArcKind::Stasis ? ArcShape::LoopAbove : ArcShape::LoopBelow;
    if (kind == ArcKind::Growth)
        return to == from + 1 ? ArcShape::Straight : ArcShape::Above;
    return ArcShape::Below;
}

// Arcs over (or under) one row whose spans overlap lie at different distances from the nodes,
// so that their lines and labels stay apart; short arcs lie nearest. Arcs that only meet at a
// node share a level, as they leave it on different sides.
void assignLevels(std::vector<GraphArc *> arcs)
{
    std::stable_sort(arcs.begin(), arcs.end(), [](const GraphArc *a, const GraphArc *b) {
        return std::abs(a->to - a->from) < std::abs(b->to - b->from);
    });
    for (size_t i = 0; i < arcs.size(); ++i) {
        const int lo = std::min(arcs[i]->from, arcs[i]->to);
        const int hi = std::max(arcs[i]->from, arcs[i]->to);
        std::vector<bool> taken;
        for (size_t j = 0; j < i; ++j) {
            const int otherLo = std::min(arcs[j]->from, arcs[j]->to);
            const int otherHi = std::max(arcs[j]->from, arcs[j]->to);
            if (lo < otherHi && otherLo < hi) {
                if (taken.size() <= size_t(arcs[j]->level))
                    taken.resize(size_t(arcs[j]->level) + 1, false);
                taken[size_t(arcs[j]->level)] = true;
            }
        }
        int level = 0;
        while (size_t(level) < taken.size() && taken[size_t(level)])
            ++level;
        arcs[i]->level = level;
    }
}

// One end of an arc on the top or bottom edge of a node.
struct Attachment {
    GraphArc *arc;
    bool atSource;
    int partner; // the stage at the other end
    int level;
};

QRectF labelAt(const QPointF &centre, const QSizeF &size)
{
    return QRectF(centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(),
                  size.height());
}

// An arc that leaves a node's edge at `a`, runs `depth` away from it (up for sign -1, down for
// +1) and comes back to the edge at `b`, with rounded corners.
QPainterPath arcPath(const QPointF &a, const QPointF &b, double depth, double sign)
{
    const double dir = b.x() > a.x() ? 1.0 : -1.0;
    const double r = std::min({depth * 0.5, std::abs(b.x() - a.x()) / 2, 24.0});
    const double y = a.y() + sign * depth;
    QPainterPath path(a);
    path.lineTo(a.x(), y - sign * r);
    path.quadTo(a.x(), y, a.x() + dir * r, y);
    path.lineTo(b.x() - dir * r, y);
    path.quadTo(b.x(), y, b.x(), y - sign * r);
    path.lineTo(b);
    return path;
}

QPainterPath loopPath(const QPointF &edge, double sign)
{
    const double x = edge.x();
    const double y = edge.y();
    QPainterPath path(QPointF(x - kLoopWidth * 0.35, y));
    path.cubicTo(x - kLoopWidth, y + sign * kLoopHeight * 1.33, x + kLoopWidth,
                 y + sign * kLoopHeight * 1.33, x + kLoopWidth * 0.35, y);
    return path;
}

} // namespace

QString stageCaption(const StageModel &model, int stage)
{
    // A name that is a number already (the main window's age classes 0..3) would be confused
    // by a second one.
    const QString name = QString::fromStdString(model.stages[size_t(stage)]);
    bool numeric = false;
    name.toInt(&numeric);
    return numeric ? name : QStringLiteral("%1. %2").arg(stage + 1).arg(name);
}

LifeCycleLayout layoutLifeCycle(const StageModel &model, const TextMeasure &measure,
                                int stagesPerRow)
{
    LifeCycleLayout layout;
    const int n = model.size();
    stagesPerRow = std::max(1, stagesPerRow);
    layout.lineHeight = measure(QStringLiteral("Ag")).height();
    const double labelHeight = layout.lineHeight;
    const double step = labelHeight + 10;
    layout.rows = n == 0 ? 0 : (n + stagesPerRow - 1) / stagesPerRow;

    // The nodes' size: one for all, so the rows line up.
    int maxLines = 1;
    double maxLine = 0;
    for (int i = 0; i < n; ++i) {
        GraphNode node;
        node.stage = i;
        node.row = i / stagesPerRow;
        node.lines = wrapName(stageCaption(model, i), measure);
        for (const QString &line : node.lines)
            maxLine = std::max(maxLine, measure(line).width());
        maxLines = std::max(maxLines, int(node.lines.size()));
        layout.nodes.push_back(node);
    }
    const double nodeWidth = std::max(kMinNodeWidth, maxLine + 2 * kPad);
    const double nodeHeight = maxLines * layout.lineHeight + 2 * kPad;

    // An arrow for each non-zero entry, matrix by matrix, column by column.
    const std::pair<const Eigen::MatrixXd *, StagePart> matrices[] = {
        {&model.U, StagePart::U}, {&model.F, StagePart::F}, {&model.C, StagePart::C}};
    for (const auto &[m, part] : matrices) {
        if (m->rows() != n || m->cols() != n)
            continue;
        for (int from = 0; from < n; ++from) {
            for (int to = 0; to < n; ++to) {
                const double value = (*m)(to, from);
                if (value == 0.0)
                    continue;
                GraphArc arc;
                arc.from = from;
                arc.to = to;
                arc.kind = kindOf(part, to, from);
                arc.shape = shapeOf(arc.kind, to, from, stagesPerRow);
                arc.value = value;
                arc.label = QString::fromStdString(numberText(value, kLabelDigits));
                layout.hasClonal = layout.hasClonal || part == StagePart::C;
                layout.arcs.push_back(arc);
            }
        }
    }

    // The gap between neighbours holds the label of the growth arrow between them.
    double gap = kMinGap;
    for (const GraphArc &arc : layout.arcs) {
        if (arc.shape == ArcShape::Straight)
            gap = std::max(gap, measure(arc.label).width() + 24);
    }

    for (int row = 0; row < layout.rows; ++row) {
        std::vector<GraphArc *> above;
        std::vector<GraphArc *> below;
        for (GraphArc &arc : layout.arcs) {
            if (arc.from / stagesPerRow != row)
                continue;
            if (arc.shape == ArcShape::Above)
                above.push_back(&arc);
            else if (arc.shape == ArcShape::Below)
                below.push_back(&arc);
        }
        assignLevels(above);
        assignLevels(below);
    }

    // How far each row's loops, arcs and their labels reach over and under its nodes.
    struct Band {
        double above = 0, below = 0, baseAbove = kArcBase, baseBelow = kArcBase;
        bool across = false;
    };
    std::vector<Band> bands(size_t(layout.rows));
    const double loopReach = kLoopHeight + kLabelGap + labelHeight + 4;
    for (const GraphArc &arc : layout.arcs) {
        Band &band = bands[size_t(arc.from / stagesPerRow)];
        if (arc.shape == ArcShape::LoopAbove)
            band.baseAbove = std::max(band.baseAbove, loopReach + 8);
        else if (arc.shape == ArcShape::LoopBelow)
            band.baseBelow = std::max(band.baseBelow, loopReach + 8);
        else if (arc.shape == ArcShape::Across)
            band.across = true;
    }
    for (const GraphArc &arc : layout.arcs) {
        Band &band = bands[size_t(arc.from / stagesPerRow)];
        const double arcReach = kLabelGap + labelHeight + 4;
        switch (arc.shape) {
        case ArcShape::LoopAbove:
            band.above = std::max(band.above, loopReach);
            break;
        case ArcShape::LoopBelow:
            band.below = std::max(band.below, loopReach);
            break;
        case ArcShape::Above:
            band.above = std::max(band.above, band.baseAbove + arc.level * step + arcReach);
            break;
        case ArcShape::Below:
            band.below = std::max(band.below, band.baseBelow + arc.level * step + arcReach);
            break;
        default:
            break;
        }
    }

    // The nodes, row by row.
    double top = kMargin;
    double width = 0;
    std::vector<double> rowTops(size_t(layout.rows));
    for (int row = 0; row < layout.rows; ++row) {
        const Band &band = bands[size_t(row)];
        rowTops[size_t(row)] = top + band.above;
        top = rowTops[size_t(row)] + nodeHeight + band.below + kRowGap;
        // Arrows to other rows bend through the gap below: room for their labels.
        if (band.across)
            top += labelHeight;
    }
    for (GraphNode &node : layout.nodes) {
        const int column = node.stage % stagesPerRow;
        node.box = QRectF(kMargin + column * (nodeWidth + gap), rowTops[size_t(node.row)],
                          nodeWidth, nodeHeight);
        width = std::max(width, node.box.right() + kMargin);
    }

    // Where each arc meets the top or bottom edge of its nodes: a loop in the middle, arcs to
    // stages on the left on the left half, the others on the right, the farthest (outermost)
    // arcs nearest the middle so that no leg crosses a nearer arc.
    std::vector<std::vector<Attachment>> tops(static_cast<size_t>(n));
    std::vector<std::vector<Attachment>> bottoms(static_cast<size_t>(n));
    std::vector<double> loopClearAbove(size_t(n), 6.0);
    std::vector<double> loopClearBelow(size_t(n), 6.0);
    constexpr int kAcrossLevel = 1 << 20; // arrows to other rows leave nearest the middle
    for (GraphArc &arc : layout.arcs) {
        const double clear = std::max(kLoopWidth / 2, measure(arc.label).width() / 2) + 4;
        switch (arc.shape) {
        case ArcShape::LoopAbove:
            loopClearAbove[size_t(arc.from)] = clear;
            break;
        case ArcShape::LoopBelow:
            loopClearBelow[size_t(arc.from)] = clear;
            break;
        case ArcShape::Above:
            tops[size_t(arc.from)].push_back({&arc, true, arc.to, arc.level});
            tops[size_t(arc.to)].push_back({&arc, false, arc.from, arc.level});
            break;
        case ArcShape::Below:
            bottoms[size_t(arc.from)].push_back({&arc, true, arc.to, arc.level});
            bottoms[size_t(arc.to)].push_back({&arc, false, arc.from, arc.level});
            break;
        case ArcShape::Across: {
            const bool down = arc.to > arc.from;
            (down ? bottoms : tops)[size_t(arc.from)].push_back({&arc, true, arc.to, kAcrossLevel});
            (down ? tops : bottoms)[size_t(arc.to)].push_back({&arc, false, arc.from, kAcrossLevel});
            break;
        }
        default:
            break;
        }
    }
    std::vector<QPointF> sourceEnd(layout.arcs.size());
    std::vector<QPointF> targetEnd(layout.arcs.size());
    const auto place = [&](std::vector<Attachment> &ends, const QRectF &box, double edgeY,
                           double clear, int stage) {
        for (const bool right : {false, true}) {
            std::vector<Attachment> side;
            for (const Attachment &a : ends) {
                if ((a.partner > stage) == right)
                    side.push_back(a);
            }
            std::stable_sort(side.begin(), side.end(),
                             [stage](const Attachment &a, const Attachment &b) {
                                 if (a.level != b.level)
                                     return a.level > b.level;
                                 return std::abs(a.partner - stage) > std::abs(b.partner - stage);
                             });
            const double half = box.width() / 2;
            const double room = std::max(half - 4 - clear, 8.0);
            for (size_t i = 0; i < side.size(); ++i) {
                const double offset = std::min(clear + (double(i) + 0.5) * room / double(side.size()),
                                               half - 2);
                const QPointF at(box.center().x() + (right ? offset : -offset), edgeY);
                const size_t index = size_t(side[i].arc - layout.arcs.data());
                (side[i].atSource ? sourceEnd : targetEnd)[index] = at;
            }
        }
    };
    for (int i = 0; i < n; ++i) {
        const QRectF &box = layout.nodes[size_t(i)].box;
        place(tops[size_t(i)], box, box.top(), loopClearAbove[size_t(i)], i);
        place(bottoms[size_t(i)], box, box.bottom(), loopClearBelow[size_t(i)], i);
    }

    for (size_t index = 0; index < layout.arcs.size(); ++index) {
        GraphArc &arc = layout.arcs[index];
        const QRectF &from = layout.nodes[size_t(arc.from)].box;
        const QRectF &to = layout.nodes[size_t(arc.to)].box;
        const QSizeF label = measure(arc.label);
        const Band &band = bands[size_t(arc.from / stagesPerRow)];
        switch (arc.shape) {
        case ArcShape::LoopAbove:
            arc.path = loopPath(QPointF(from.center().x(), from.top()), -1);
            arc.labelBox = labelAt(QPointF(from.center().x(), from.top() - kLoopHeight - kLabelGap
                                                                  - label.height() / 2),
                                   label);
            break;
        case ArcShape::LoopBelow:
            arc.path = loopPath(QPointF(from.center().x(), from.bottom()), 1);
            arc.labelBox = labelAt(QPointF(from.center().x(), from.bottom() + kLoopHeight
                                                                  + kLabelGap + label.height() / 2),
                                   label);
            break;
        case ArcShape::Straight: {
            const QPointF a(from.right(), from.center().y());
            const QPointF b(to.left(), to.center().y());
            arc.path = QPainterPath(a);
            arc.path.lineTo(b);
            arc.labelBox = labelAt(QPointF((a.x() + b.x()) / 2,
                                           a.y() - kLabelGap - label.height() / 2),
                                   label);
            break;
        }
        case ArcShape::Above:
        case ArcShape::Below: {
            const double sign = arc.shape == ArcShape::Above ? -1.0 : 1.0;
            const double depth =
                (arc.shape == ArcShape::Above ? band.baseAbove : band.baseBelow) + arc.level * step;
            const QPointF a = sourceEnd[index];
            const QPointF b = targetEnd[index];
            arc.path = arcPath(a, b, depth, sign);
            arc.labelBox = labelAt(QPointF((a.x() + b.x()) / 2,
                                           a.y() + sign * (depth + kLabelGap + label.height() / 2)),
                                   label);
            break;
        }
        case ArcShape::Across: {
            const QPointF a = sourceEnd[index];
            const QPointF b = targetEnd[index];
            const double sign = b.y() > a.y() ? 1.0 : -1.0;
            const double bend = kRowGap + 30;
            arc.path = QPainterPath(a);
            arc.path.cubicTo(a.x(), a.y() + sign * bend, b.x(), b.y() - sign * bend, b.x(), b.y());
            break;
        }
        }
    }

    // An arrow between rows crosses other rows' lines; its label slides along it to the first
    // place clear of every node and every label placed before it.
    for (GraphArc &arc : layout.arcs) {
        if (arc.shape != ArcShape::Across)
            continue;
        const QSizeF label = measure(arc.label);
        const auto clear = [&layout, &arc](const QRectF &box) {
            for (const GraphNode &node : layout.nodes) {
                if (box.intersects(node.box.adjusted(-2, -2, 2, 2)))
                    return false;
            }
            for (const GraphArc &other : layout.arcs) {
                if (&other != &arc && !other.labelBox.isNull()
                    && box.intersects(other.labelBox.adjusted(-2, 0, 2, 0)))
                    return false;
            }
            return true;
        };
        arc.labelBox = labelAt(arc.path.pointAtPercent(0.5), label);
        for (int k = 1; k < 50 && !clear(arc.labelBox); ++k) {
            // 0.5, 0.49, 0.51, 0.48, ...: the middle first, then outwards on both sides.
            const double t = 0.5 + (k % 2 ? -1 : 1) * ((k + 1) / 2) * 0.01;
            arc.labelBox = labelAt(arc.path.pointAtPercent(t), label);
        }
    }

    // The key of the colours under the last row.
    double legendWidth = 0;
    for (const ArcKind kind : legendKinds(layout.hasClonal))
        legendWidth += kLegendLine + 6 + measure(legendText(kind)).width() + 24;
    const double legendTop = layout.rows == 0 ? kMargin : top - kRowGap + 12;
    layout.legendBox = QRectF(kMargin, legendTop, legendWidth, layout.lineHeight);
    width = std::max(width, layout.legendBox.right() + kMargin);

    // Labels and arcs may reach past the nodes at the ends of a row.
    QRectF extent(0, 0, width, layout.legendBox.bottom() + kMargin);
    for (const GraphArc &arc : layout.arcs)
        extent = extent.united(arc.labelBox.adjusted(-kMargin, -kMargin, kMargin, kMargin))
                     .united(arc.path.boundingRect().adjusted(-kMargin, -kMargin, kMargin, kMargin));
    layout.size = QSizeF(extent.right(), extent.bottom());
    return layout;
}

QFont graphFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.5);
    return font;
}

TextMeasure fontMeasure(const QFont &font)
{
    return [metrics = QFontMetricsF(font)](const QString &text) {
        return QSizeF(metrics.horizontalAdvance(text), metrics.height());
    };
}

namespace {

QColor arcColour(ArcKind kind)
{
    switch (kind) {
    case ArcKind::Reproduction:
        return QColor(192, 32, 32);
    case ArcKind::Clonal:
        return QColor(0, 120, 60);
    default:
        break;
    }
    return QColor(20, 40, 110);
}

void paintArrowHead(QPainter &painter, const QPainterPath &path, const QColor &colour)
{
    const QPointF tip = path.pointAtPercent(1.0);
    const double angle = qDegreesToRadians(path.angleAtPercent(1.0));
    // angleAtPercent counts counter-clockwise with y up; the screen's y points down.
    const QPointF back(-std::cos(angle), std::sin(angle));
    const QPointF side(-back.y(), back.x());
    constexpr double kLength = 9;
    constexpr double kHalfWidth = 4;
    const QPointF base = tip + back * kLength;
    const QPointF head[] = {tip, base + side * kHalfWidth, base - side * kHalfWidth};
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(head, 3);
}

} // namespace

void paintLifeCycle(QPainter &painter, const LifeCycleLayout &layout, const QFont &font)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    painter.fillRect(QRectF(QPointF(), layout.size), Qt::white);

    for (const GraphArc &arc : layout.arcs) {
        const QColor colour = arcColour(arc.kind);
        QPen pen(colour, 1.6);
        if (arc.kind == ArcKind::Clonal)
            pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(arc.path);
        paintArrowHead(painter, arc.path, colour);
    }
    // Labels over the lines, each on white so that a crossing line never hides a digit.
    for (const GraphArc &arc : layout.arcs) {
        painter.fillRect(arc.labelBox.adjusted(-2, 0, 2, 0), Qt::white);
        painter.setPen(arcColour(arc.kind));
        painter.drawText(arc.labelBox, Qt::AlignCenter, arc.label);
    }
    for (const GraphNode &node : layout.nodes) {
        painter.setPen(QPen(QColor(20, 40, 110), 1.4));
        painter.setBrush(QColor(228, 236, 250));
        painter.drawRoundedRect(node.box, 8, 8);
        painter.setPen(Qt::black);
        painter.drawText(node.box, Qt::AlignCenter, node.lines.join(QLatin1Char('\n')));
    }

    double x = layout.legendBox.left();
    const double y = layout.legendBox.center().y();
    for (const ArcKind kind : legendKinds(layout.hasClonal)) {
        QPen pen(arcColour(kind), 1.6);
        if (kind == ArcKind::Clonal)
            pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
        painter.drawLine(QPointF(x, y), QPointF(x + kLegendLine, y));
        const QString text = legendText(kind);
        const double textWidth = QFontMetricsF(font, painter.device()).horizontalAdvance(text);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x + kLegendLine + 6, layout.legendBox.top(), textWidth + 4,
                                layout.legendBox.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
        x += kLegendLine + 6 + textWidth + 24;
    }
    painter.restore();
}

GraphFormat graphFormat(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) ? GraphFormat::Svg
                                                                         : GraphFormat::Png;
}

QByteArray graphFileBytes(const LifeCycleLayout &layout, const QFont &font, GraphFormat format)
{
    const QSize size = layout.size.toSize();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == GraphFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(), size));
        svg.setTitle(QCoreApplication::translate("LifeCycleGraph", "Life cycle"));
        QPainter painter;
        if (!painter.begin(&svg))
            return {};
        paintLifeCycle(painter, layout, font);
        painter.end();
        return bytes;
    }
    // Twice the screen's pixels, so that the picture stays sharp in a printed handout.
    QImage image(size * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2.0);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintLifeCycle(painter, layout, font);
    }
    if (!image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

namespace {

} // namespace

std::optional<QString> saveLifeCycleGraph(const LifeCycleLayout &layout, const QFont &font,
                                          const QString &fileName)
{
    const QByteArray bytes = graphFileBytes(layout, font, graphFormat(fileName));
    if (bytes.isEmpty())
        return QCoreApplication::translate("LifeCycleGraph",
                                           "\"%1\" was not written: the picture could not be drawn.")
            .arg(QDir::toNativeSeparators(fileName));
    if (const auto failure = writeFileSafely(fileName, bytes))
        return QCoreApplication::translate("LifeCycleGraph", "\"%1\" could not be written: %2")
            .arg(QDir::toNativeSeparators(fileName), failure->reason);
    return std::nullopt;
}

} // namespace velmora
