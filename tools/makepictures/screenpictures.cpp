#include "tools/makepictures/pictures.h"

#include "ui/screens/pictures/screenpictures.h"

#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

namespace velmora {

namespace {

// The dedication: a lone tree on a hill above a still lake at dusk.
QImage eveningLake()
{
    QImage image(504, 559, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const double horizon = 330;
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(28, 40, 92));
    sky.setColorAt(0.55, QColor(150, 110, 150));
    sky.setColorAt(0.85, QColor(240, 170, 120));
    sky.setColorAt(1, QColor(252, 214, 150));
    p.fillRect(QRectF(0, 0, 504, horizon), sky);

    for (const QPointF star : {QPointF(90, 70), QPointF(160, 52), QPointF(330, 80),
                               QPointF(410, 60), QPointF(250, 96), QPointF(120, 120)}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 230, 200));
        p.drawEllipse(star, 1.6, 1.6);
    }

    const double sunX = 360;
    QRadialGradient glow(QPointF(sunX, horizon - 30), 90);
    glow.setColorAt(0, QColor(255, 240, 200));
    glow.setColorAt(0.3, QColor(255, 220, 160, 200));
    glow.setColorAt(1, QColor(255, 200, 140, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(sunX, horizon - 30), 90, 90);

    QLinearGradient water(0, horizon, 0, 559);
    water.setColorAt(0, QColor(236, 180, 140));
    water.setColorAt(0.4, QColor(120, 100, 140));
    water.setColorAt(1, QColor(30, 40, 80));
    p.fillRect(QRectF(0, horizon, 504, 559 - horizon), water);
    p.setPen(QPen(QColor(255, 230, 190, 150), 2));
    for (int i = 0; i < 7; ++i) {
        const double wy = horizon + 14 + 14 * i;
        const double half = 56 - 7 * i;
        p.drawLine(QPointF(sunX - half, wy), QPointF(sunX + half, wy));
    }

    QPainterPath farHills;
    farHills.moveTo(0, horizon);
    farHills.cubicTo(80, horizon - 60, 170, horizon - 30, 230, horizon - 42);
    farHills.cubicTo(300, horizon - 60, 420, horizon - 20, 504, horizon - 36);
    farHills.lineTo(504, horizon);
    farHills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 70, 110));
    p.drawPath(farHills);

    // The near bank: a low grassy knoll that runs down into the water.
    QPainterPath bank;
    bank.moveTo(0, horizon - 12);
    bank.cubicTo(60, horizon - 30, 150, horizon - 34, 210, horizon - 8);
    bank.cubicTo(260, horizon + 14, 280, horizon + 90, 380, horizon + 150);
    bank.cubicTo(430, horizon + 180, 470, horizon + 190, 504, horizon + 196);
    bank.lineTo(504, 559);
    bank.lineTo(0, 559);
    bank.closeSubpath();
    QLinearGradient grass(0, horizon - 34, 0, 559);
    grass.setColorAt(0, QColor(52, 58, 66));
    grass.setColorAt(1, QColor(22, 26, 36));
    p.setBrush(grass);
    p.drawPath(bank);

    // The tree: trunk and branches, crowned by overlapping rounds of leaves.
    const QColor bark(26, 28, 38);
    const double base = horizon - 28;
    p.setPen(QPen(bark, 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(140, base), QPointF(146, base - 92));
    p.setPen(QPen(bark, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(144, base - 58), QPointF(104, base - 112));
    p.drawLine(QPointF(146, base - 74), QPointF(192, base - 118));
    p.drawLine(QPointF(146, base - 88), QPointF(150, base - 150));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(32, 38, 48));
    const struct { double x, y, rx, ry; } crown[] = {
        {104, -118, 30, 22}, {134, -132, 34, 26}, {170, -128, 32, 24}, {198, -118, 26, 20},
        {118, -150, 28, 22}, {152, -160, 34, 26}, {186, -148, 26, 20}, {146, -178, 24, 18},
        {86, -108, 18, 14},  {214, -108, 18, 13}, {160, -110, 26, 16}, {126, -110, 24, 15},
    };
    for (const auto &leaf : crown)
        p.drawEllipse(QPointF(leaf.x, base + leaf.y), leaf.rx, leaf.ry);

    // Two birds heading home.
    p.setPen(QPen(QColor(40, 40, 60), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const QPointF bird : {QPointF(300, 140), QPointF(334, 158), QPointF(318, 120)}) {
        QPainterPath wings(bird - QPointF(12, 0));
        wings.quadTo(bird - QPointF(6, 7), bird);
        wings.quadTo(bird + QPointF(6, -7), bird + QPointF(12, 0));
        p.drawPath(wings);
    }
    return image;
}

bool save(const QImage &image, const QDir &out, const QString &name, bool progressive = false)
{
    QImageWriter writer(out.filePath(name));
    if (name.endsWith(QStringLiteral(".jpg"))) {
        writer.setQuality(90);
        writer.setProgressiveScanWrite(progressive);
    }
    if (writer.write(image))
        return true;
    QTextStream(stderr) << name << ": " << writer.errorString() << '\n';
    return false;
}

} // namespace

bool makeScreenPictures(const QDir &out)
{
    // Without their words: the windows paint those over the art in the reader's language.
    bool ok = save(lifeCycleArt(), out, QStringLiteral("prophecy.bmp"));
    ok = save(quizCardArt(), out, QStringLiteral("quizpicture.jpg")) && ok;
    ok = save(noticeEmblemArt(), out, QStringLiteral("notice.jpg"), true) && ok;
    ok = save(eveningLake(), out, QStringLiteral("dedication.jpg")) && ok;
    return ok;
}

} // namespace velmora
