#include "tools/makepictures/pictures.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace velmora {

namespace {

QImage canvas(int width, int height, int scale, const QColor &background)
{
    QImage image(width * scale, height * scale, QImage::Format_ARGB32);
    image.fill(background);
    return image;
}

// An outlined block arrow, pointing right unless mirrored.
QImage arrow(bool pointsRight, int scale)
{
    QImage image = canvas(65, 53, scale, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    if (!pointsRight) {
        p.translate(65, 0);
        p.scale(-1, 1);
    }
    const QPolygonF shape({{3, 17}, {36, 17}, {36, 4}, {62, 26.5}, {36, 49}, {36, 36}, {3, 36}});
    p.setPen(QPen(Qt::black, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(shape);
    return image;
}

// A hand whose index finger points up; the fingertip sits at (12, 1).
QImage hand(int scale)
{
    QImage image = canvas(32, 32, scale, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    QPainterPath path;
    path.moveTo(10, 3);
    path.quadTo(12, 0.5, 14, 3);
    path.lineTo(14, 12);
    path.quadTo(16, 10.5, 18, 12.5);
    path.quadTo(20, 11, 22, 13.5);
    path.quadTo(24.5, 12.5, 25.5, 15);
    path.lineTo(25.5, 22);
    path.quadTo(25, 25, 23, 26);
    path.lineTo(12, 26);
    path.quadTo(8, 23, 4, 17);
    path.quadTo(4.5, 14.5, 7, 15.5);
    path.lineTo(10, 18);
    path.closeSubpath();
    p.setPen(QPen(QColor(96, 96, 96), 1.2));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.setPen(QPen(QColor(96, 96, 96), 0.8));
    p.drawLine(QPointF(14, 12), QPointF(14, 17));
    p.drawLine(QPointF(18, 12.5), QPointF(18, 17));
    p.drawLine(QPointF(22, 13.5), QPointF(22, 17.5));
    p.setPen(QPen(QColor(0, 0, 96), 1.0));
    p.setBrush(QColor(0, 0, 255));
    p.drawRect(QRectF(11.5, 26.5, 13, 4.5));
    return image;
}

// The quiz button: a white question mark on a green disc.
QImage quizIcon(int scale)
{
    QImage image = canvas(32, 32, scale, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.setPen(QPen(QColor(0, 80, 0), 1.0));
    p.setBrush(QColor(0, 160, 0));
    p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(24);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("?"));
    return image;
}

void save(const QImage &image, const QDir &out, const QString &name)
{
    image.save(out.filePath(name));
}

} // namespace

void makeMainPictures(const QDir &out)
{
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
        save(arrow(true, scale), out, QStringLiteral("arrow-right%1.png").arg(suffix));
        save(arrow(false, scale), out, QStringLiteral("arrow-left%1.png").arg(suffix));
        save(hand(scale), out, QStringLiteral("hand%1.png").arg(suffix));
        save(quizIcon(scale), out, QStringLiteral("quiz%1.png").arg(suffix));
    }
}

} // namespace velmora
