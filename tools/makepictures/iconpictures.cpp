#include "tools/makepictures/pictures.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace velmora {

namespace {

// The icon is designed on a 256 x 256 grid; resources/icons/velmora.svg draws the same shapes.
constexpr qreal kGrid = 256.0;

const QColor kFrame(31, 84, 46);
const QColor kOutline(20, 40, 28);
const QColor kArrow(240, 140, 20);
const QColor kArrowDark(224, 112, 0);

// Four age classes, young to old, as a falling staircase of bars in one hue.
struct Bar {
    qreal x;
    qreal height;
    QColor colour;
};
const Bar kBars[] = {
    {44, 124, QColor(27, 94, 160)},
    {92, 96, QColor(52, 128, 196)},
    {140, 68, QColor(92, 160, 220)},
    {188, 42, QColor(146, 196, 236)},
};
constexpr qreal kBarWidth = 34;
constexpr qreal kBaseLine = 212;

// The arrow: one step forward in time, arching from the first class over the others.
QPainterPath arrowShaft()
{
    QPainterPath path;
    path.moveTo(62, 78);
    path.cubicTo(80, 22, 160, 18, 192, 70);
    return path;
}

QPolygonF arrowHead()
{
    return QPolygonF({{211, 100}, {168, 80}, {210, 50}});
}

QImage icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / kGrid;
    // Below 32 px outlines blur into the fills: small icons draw bars and arrow without them.
    const bool small = size < 32;

    QLinearGradient card(0, 16 * unit, 0, 240 * unit);
    card.setColorAt(0, QColor(246, 251, 246));
    card.setColorAt(1, QColor(204, 230, 208));
    p.setBrush(card);
    // Frame and bars sit on whole pixels at every size, so their edges stay sharp.
    const int framePen = std::max(1, qRound(10 * unit));
    const qreal frameEdge = qRound(16 * unit - framePen / 2.0) + framePen / 2.0;
    p.setPen(QPen(kFrame, framePen));
    p.drawRoundedRect(QRectF(frameEdge, frameEdge, size - 2 * frameEdge, size - 2 * frameEdge),
                      40 * unit, 40 * unit);

    const int barPen = small ? 0 : std::max(1, qRound(5 * unit));
    for (const Bar &bar : kBars) {
        const QRect box = QRectF(bar.x * unit, (kBaseLine - bar.height) * unit, kBarWidth * unit,
                                 bar.height * unit).toRect();
        if (barPen > 0)
            p.fillRect(box, kOutline);
        p.fillRect(box.adjusted(barPen, barPen, -barPen, -barPen), bar.colour);
    }

    p.save();
    p.scale(unit, unit);
    p.setBrush(Qt::NoBrush);
    if (!small) {
        p.setPen(QPen(kOutline, 26, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(arrowShaft());
    }
    p.setPen(QPen(small ? kArrowDark : kArrow, small ? 1.6 / unit : 16, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arrowShaft());
    if (small)
        p.setPen(Qt::NoPen);
    else
        p.setPen(QPen(kOutline, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(small ? kArrowDark : kArrow);
    p.drawPolygon(arrowHead());
    p.restore();
    return image;
}

// A model file: a sheet with a folded corner and the four age classes on it, so it is seen to
// belong to the program. resources/icons/application-x-velmora.svg draws the same shapes.
QImage fileIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / kGrid;
    const bool small = size < 32;

    QPainterPath sheet;
    sheet.moveTo(40, 12);
    sheet.lineTo(164, 12);
    sheet.lineTo(216, 64);
    sheet.lineTo(216, 244);
    sheet.lineTo(40, 244);
    sheet.closeSubpath();
    QPainterPath fold;
    fold.moveTo(164, 12);
    fold.lineTo(164, 64);
    fold.lineTo(216, 64);
    fold.closeSubpath();

    p.save();
    p.scale(unit, unit);
    p.setPen(QPen(kFrame, std::max(10.0, 1.0 / unit), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor(250, 253, 250));
    p.drawPath(sheet);
    p.setBrush(QColor(204, 230, 208));
    p.drawPath(fold);
    p.restore();

    // Bars on whole pixels at every size, so their edges stay sharp.
    const qreal left[] = {62, 100, 138, 176};
    const int barPen = small ? 0 : std::max(1, qRound(4 * unit));
    for (int i = 0; i < 4; ++i) {
        const Bar &bar = kBars[i];
        const qreal height = bar.height * 0.9;
        const QRect box = QRectF(left[i] * unit, (222 - height) * unit, 28 * unit, height * unit)
                              .toRect();
        if (barPen > 0)
            p.fillRect(box, kOutline);
        p.fillRect(box.adjusted(barPen, barPen, -barPen, -barPen), bar.colour);
    }
    return image;
}

} // namespace

void makeIconPictures(const QDir &out)
{
    const QDir icons(out.absoluteFilePath(QStringLiteral("../icons")));
    if (!icons.exists())
        QDir().mkpath(icons.path());
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon(size).save(icons.filePath(QStringLiteral("velmora-%1.png").arg(size)));
        fileIcon(size).save(icons.filePath(QStringLiteral("application-x-velmora-%1.png").arg(size)));
    }
}

} // namespace velmora
