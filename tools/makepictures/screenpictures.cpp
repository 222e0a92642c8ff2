#include "tools/makepictures/pictures.h"

#include <QFont>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <cmath>

namespace velmora {

namespace {

const QColor kFecundityRed(200, 0, 0);
const QColor kSurvivalBlue(0, 0, 220);
const QColor kHarvestGreen(0, 128, 0);

QFont serif(double pixelSize, bool bold = false, bool italic = false)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// A filled arrow head at `tip`, pointing along the direction from `from`.
void arrowHead(QPainter &p, QPointF from, QPointF tip, const QColor &colour, double size = 11)
{
    const double angle = std::atan2(tip.y() - from.y(), tip.x() - from.x());
    const double spread = 0.42;
    const QPointF a = tip - QPointF(std::cos(angle - spread), std::sin(angle - spread)) * size;
    const QPointF b = tip - QPointF(std::cos(angle + spread), std::sin(angle + spread)) * size;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({tip, a, b}));
    p.restore();
}

void labelAt(QPainter &p, QPointF centre, const QString &text, const QColor &colour,
             const QFont &font)
{
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRectF(centre.x() - 80, centre.y() - 14, 160, 28), Qt::AlignCenter, text);
    p.restore();
}

// The picture screen: the life cycle of the four age classes with the default rates,
// the harvest taken from the youngest class, and the equation the program steps.
QImage lifeCycle()
{
    QImage image(640, 480, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient band(0, 0, 0, 96);
    band.setColorAt(0, QColor(0, 0, 96));
    band.setColorAt(1, QColor(0, 0, 160));
    p.fillRect(QRectF(0, 0, 640, 96), band);
    p.setPen(QColor(255, 255, 0));
    p.setFont(serif(44, true));
    p.drawText(QRectF(0, 4, 640, 56), Qt::AlignCenter, QStringLiteral("Velmora (II)"));
    p.setPen(Qt::white);
    p.setFont(serif(19, false, true));
    p.drawText(QRectF(0, 58, 640, 30), Qt::AlignCenter,
               QStringLiteral("An age-structured population under a constant harvest"));

    const double y = 282;
    const double radius = 42;
    const double xs[4] = {92, 244, 396, 548};
    const QColor fills[4] = {QColor(255, 236, 179), QColor(255, 214, 153),
                             QColor(240, 190, 140), QColor(214, 170, 130)};
    const auto onCircle = [&](int i, double degrees) {
        const double a = degrees * 3.14159265358979323846 / 180;
        return QPointF(xs[i] + radius * std::cos(a), y - radius * std::sin(a));
    };

    // Fecundity: newborns of ages 1, 2 and 3 enter age class 0 (curves above the row).
    const QString fecundity[4] = {QString(), QStringLiteral("f1 = 1"), QStringLiteral("f2 = 2"),
                                  QStringLiteral("f3 = 1")};
    for (int i = 1; i < 4; ++i) {
        const double rise = 66 + 40 * (i - 1);
        const QPointF start = onCircle(i, 115);
        const QPointF end = onCircle(0, 10 + 25 * i);
        const QPointF c1(start.x() - 10, start.y() - rise);
        const QPointF c2(end.x() + 10 * (3 - i), end.y() - rise);
        QPainterPath curve(start);
        curve.cubicTo(c1, c2, end);
        p.setPen(QPen(kFecundityRed, 2.4));
        p.setBrush(Qt::NoBrush);
        p.drawPath(curve);
        arrowHead(p, c2, end, kFecundityRed, 13);
        const QPointF peak = curve.pointAtPercent(0.5);
        const QRectF tag(peak.x() - 30, peak.y() - 12, 60, 24);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(tag);
        labelAt(p, tag.center(), fecundity[i], kFecundityRed, serif(18, true));
    }

    // Survival: a share of each class reaches the next age.
    const QString survival[3] = {QStringLiteral("s0 = 0.5"), QStringLiteral("s1 = 1"),
                                 QStringLiteral("s2 = 0.5")};
    for (int i = 0; i < 3; ++i) {
        const QPointF from(xs[i] + radius + 4, y);
        const QPointF to(xs[i + 1] - radius - 4, y);
        p.setPen(QPen(kSurvivalBlue, 3));
        p.drawLine(from, to - QPointF(8, 0));
        arrowHead(p, from, to, kSurvivalBlue, 14);
        labelAt(p, QPointF((from.x() + to.x()) / 2, y + 22), survival[i], kSurvivalBlue,
                serif(17, true));
    }

    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(QColor(90, 60, 30), 2.5));
        p.setBrush(fills[i]);
        p.drawEllipse(QPointF(xs[i], y), radius, radius);
        p.setPen(Qt::black);
        p.setFont(serif(20, true));
        p.drawText(QRectF(xs[i] - radius, y - 24, 2 * radius, 26), Qt::AlignCenter,
                   QStringLiteral("Age %1").arg(i));
        p.setFont(serif(18, false, true));
        p.drawText(QRectF(xs[i] - radius, y + 2, 2 * radius, 24), Qt::AlignCenter,
                   QStringLiteral("N%1").arg(i));
    }

    // The harvest leaves the youngest class at every step.
    const QPointF harvestFrom(xs[0], y + radius + 4);
    const QPointF harvestTo(xs[0], y + radius + 62);
    p.setPen(QPen(kHarvestGreen, 3));
    p.drawLine(harvestFrom, harvestTo - QPointF(0, 8));
    arrowHead(p, harvestFrom, harvestTo, kHarvestGreen, 14);
    p.setPen(QPen(kHarvestGreen.darker(130), 1.5));
    p.setBrush(QColor(0, 128, 0));
    p.drawRoundedRect(QRectF(xs[0] - 50, y + radius + 66, 100, 30), 6, 6);
    p.setPen(QColor(255, 255, 0));
    p.setFont(serif(18, true));
    p.drawText(QRectF(xs[0] - 50, y + radius + 66, 100, 30), Qt::AlignCenter,
               QStringLiteral("H0 = 5"));

    p.setPen(Qt::black);
    p.setFont(serif(26, true));
    p.drawText(QRectF(170, 370, 450, 40), Qt::AlignCenter,
               QStringLiteral("N(t+1) = M \u00b7 N(t) \u2212 H"));
    p.setFont(serif(16, false, true));
    p.setPen(QColor(60, 60, 60));
    p.drawText(QRectF(170, 408, 450, 26), Qt::AlignCenter,
               QStringLiteral("classes that would fall below zero are set to 0"));
    p.setPen(QColor(0, 0, 128));
    p.setFont(serif(17));
    p.drawText(QRectF(0, 446, 640, 28), Qt::AlignCenter,
               QStringLiteral("Click or press a key to begin"));
    return image;
}

// The quiz: questions a student answers by stepping the default model.
QImage quizCard()
{
    QImage image(544, 260, QImage::Format_RGB888);
    image.fill(QColor(255, 253, 231));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(QColor(0, 128, 0), 6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3, 3, 538, 254));

    p.setPen(QPen(QColor(0, 80, 0), 1.5));
    p.setBrush(QColor(0, 160, 0));
    p.drawEllipse(QRectF(20, 18, 52, 52));
    p.setPen(Qt::white);
    p.setFont(serif(40, true));
    p.drawText(QRectF(20, 18, 52, 52), Qt::AlignCenter, QStringLiteral("?"));

    p.setPen(QColor(0, 100, 0));
    p.setFont(serif(30, true));
    p.drawText(QRectF(86, 18, 440, 52), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Quiz: step the default model"));

    p.setPen(Qt::black);
    p.setFont(serif(17));
    p.drawText(QRectF(24, 80, 500, 46), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Start with the default values: N(0) = 10, 10, 10, 10 and "
                              "H = 5, 0, 0, 0. Use Project and Transit to answer:"));
    const QString questions[3] = {
        QStringLiteral("1.  What is the total population size at t = 2?"),
        QStringLiteral("2.  Which age class holds the most individuals at t = 4?"),
        QStringLiteral("3.  Does the growth rate settle down as t grows? Look at the graphs."),
    };
    p.setFont(serif(17, true));
    for (int i = 0; i < 3; ++i) {
        p.setPen(i == 0 ? kFecundityRed : (i == 1 ? kSurvivalBlue : kHarvestGreen));
        p.drawText(QRectF(36, 132 + 36 * i, 490, 30), Qt::AlignLeft | Qt::AlignVCenter,
                   questions[i]);
    }
    return image;
}

// The notice: an age pyramid of the four classes as the program's emblem.
QImage noticeEmblem()
{
    QImage image(136, 180, QImage::Format_RGB888);
    image.fill(QColor(192, 192, 192));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, 180);
    sky.setColorAt(0, QColor(0, 0, 128));
    sky.setColorAt(1, QColor(0, 0, 64));
    p.setPen(QPen(QColor(255, 255, 0), 3));
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(4, 4, 128, 172), 10, 10);

    const double widths[4] = {100, 76, 56, 30};
    const QColor bars[4] = {QColor(255, 90, 90), QColor(255, 160, 60), QColor(120, 170, 255),
                            QColor(150, 230, 150)};
    for (int i = 0; i < 4; ++i) {
        const double top = 104 - 20 * i;
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(bars[i]);
        p.drawRect(QRectF(68 - widths[i] / 2, top, widths[i], 17));
        p.setPen(Qt::black);
        p.setFont(serif(12, true));
        p.drawText(QRectF(68 - widths[i] / 2, top, widths[i], 17), Qt::AlignCenter,
                   QString::number(i));
    }
    p.setPen(QColor(255, 255, 0));
    p.setFont(serif(22, true));
    p.drawText(QRectF(4, 10, 128, 32), Qt::AlignCenter, QStringLiteral("Velmora"));
    p.setFont(serif(14, false, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(4, 128, 128, 20), Qt::AlignCenter, QStringLiteral("age classes"));
    p.drawText(QRectF(4, 148, 128, 20), Qt::AlignCenter, QStringLiteral("since 1997"));
    return image;
}

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
    bool ok = save(lifeCycle(), out, QStringLiteral("prophecy.bmp"));
    ok = save(quizCard(), out, QStringLiteral("quizpicture.jpg")) && ok;
    ok = save(noticeEmblem(), out, QStringLiteral("notice.jpg"), true) && ok;
    ok = save(eveningLake(), out, QStringLiteral("dedication.jpg")) && ok;
    return ok;
}

} // namespace velmora
