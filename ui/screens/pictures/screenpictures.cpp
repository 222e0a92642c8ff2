#include "ui/screens/pictures/screenpictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

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

void beginPainting(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

// Draws `text` in `box`; where a language needs more room than the English, the face is set
// smaller until the text fits, so no word is cut at the picture's fixed places.
void drawFitted(QPainter &p, const QRectF &box, int flags, const QString &text, QFont font)
{
    while (font.pixelSize() > 6) {
        const QRectF needed = QFontMetricsF(font).boundingRect(box, flags, text);
        if (needed.width() <= box.width() + 0.5 && needed.height() <= box.height() + 0.5)
            break;
        font.setPixelSize(font.pixelSize() - 1);
    }
    p.setFont(font);
    p.drawText(box, flags, text);
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

// The life cycle's row of age classes.
constexpr double kRowY = 282;
constexpr double kRadius = 42;
constexpr double kClassX[4] = {92, 244, 396, 548};

// The quiz card's places.
const QRectF kQuizTitle(86, 18, 440, 52);
const QRectF kQuizTask(24, 80, 500, 46);
QRectF quizQuestion(int i) { return QRectF(36, 132 + 36 * i, 490, 30); }
const QColor kQuestionColours[3] = {kFecundityRed, kSurvivalBlue, kHarvestGreen};

} // namespace

QImage lifeCycleArt()
{
    QImage image(640, 480, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    beginPainting(p);

    QLinearGradient band(0, 0, 0, 96);
    band.setColorAt(0, QColor(0, 0, 96));
    band.setColorAt(1, QColor(0, 0, 160));
    p.fillRect(QRectF(0, 0, 640, 96), band);
    p.setPen(QColor(255, 255, 0));
    p.setFont(serif(44, true));
    p.drawText(QRectF(0, 4, 640, 56), Qt::AlignCenter, QStringLiteral("Velmora (II)"));

    const QColor fills[4] = {QColor(255, 236, 179), QColor(255, 214, 153),
                             QColor(240, 190, 140), QColor(214, 170, 130)};
    const auto onCircle = [&](int i, double degrees) {
        const double a = degrees * 3.14159265358979323846 / 180;
        return QPointF(kClassX[i] + kRadius * std::cos(a), kRowY - kRadius * std::sin(a));
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
        const QPointF from(kClassX[i] + kRadius + 4, kRowY);
        const QPointF to(kClassX[i + 1] - kRadius - 4, kRowY);
        p.setPen(QPen(kSurvivalBlue, 3));
        p.drawLine(from, to - QPointF(8, 0));
        arrowHead(p, from, to, kSurvivalBlue, 14);
        labelAt(p, QPointF((from.x() + to.x()) / 2, kRowY + 22), survival[i], kSurvivalBlue,
                serif(17, true));
    }

    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(QColor(90, 60, 30), 2.5));
        p.setBrush(fills[i]);
        p.drawEllipse(QPointF(kClassX[i], kRowY), kRadius, kRadius);
        p.setPen(Qt::black);
        p.setFont(serif(18, false, true));
        p.drawText(QRectF(kClassX[i] - kRadius, kRowY + 2, 2 * kRadius, 24), Qt::AlignCenter,
                   QStringLiteral("N%1").arg(i));
    }

    // The harvest leaves the youngest class at every step.
    const QPointF harvestFrom(kClassX[0], kRowY + kRadius + 4);
    const QPointF harvestTo(kClassX[0], kRowY + kRadius + 62);
    p.setPen(QPen(kHarvestGreen, 3));
    p.drawLine(harvestFrom, harvestTo - QPointF(0, 8));
    arrowHead(p, harvestFrom, harvestTo, kHarvestGreen, 14);
    p.setPen(QPen(kHarvestGreen.darker(130), 1.5));
    p.setBrush(QColor(0, 128, 0));
    p.drawRoundedRect(QRectF(kClassX[0] - 50, kRowY + kRadius + 66, 100, 30), 6, 6);
    p.setPen(QColor(255, 255, 0));
    p.setFont(serif(18, true));
    p.drawText(QRectF(kClassX[0] - 50, kRowY + kRadius + 66, 100, 30), Qt::AlignCenter,
               QStringLiteral("H0 = 5"));

    p.setPen(Qt::black);
    p.setFont(serif(26, true));
    p.drawText(QRectF(170, 370, 450, 40), Qt::AlignCenter,
               QStringLiteral("N(t+1) = M \u00b7 N(t) \u2212 H"));
    return image;
}

void paintLifeCycleWords(QImage &picture, const LifeCycleWords &words)
{
    QPainter p(&picture);
    beginPainting(p);
    p.setPen(Qt::white);
    drawFitted(p, QRectF(0, 58, 640, 30), Qt::AlignCenter, words.subtitle, serif(19, false, true));
    p.setPen(Qt::black);
    // Narrower than the circle, so a longer word stays inside its curve.
    for (int i = 0; i < 4; ++i)
        drawFitted(p, QRectF(kClassX[i] - 34, kRowY - 24, 68, 26), Qt::AlignCenter,
                   words.ageClass.arg(i), serif(20, true));
    p.setPen(QColor(60, 60, 60));
    drawFitted(p, QRectF(170, 408, 450, 26), Qt::AlignCenter, words.belowZero,
               serif(16, false, true));
    p.setPen(QColor(0, 0, 128));
    drawFitted(p, QRectF(0, 446, 640, 28), Qt::AlignCenter, words.begin, serif(17));
}

QImage quizCardArt()
{
    QImage image(544, 260, QImage::Format_RGB888);
    image.fill(QColor(255, 253, 231));
    QPainter p(&image);
    beginPainting(p);
    p.setPen(QPen(QColor(0, 128, 0), 6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3, 3, 538, 254));

    p.setPen(QPen(QColor(0, 80, 0), 1.5));
    p.setBrush(QColor(0, 160, 0));
    p.drawEllipse(QRectF(20, 18, 52, 52));
    p.setPen(Qt::white);
    p.setFont(serif(40, true));
    p.drawText(QRectF(20, 18, 52, 52), Qt::AlignCenter, QStringLiteral("?"));
    return image;
}

void paintQuizCardWords(QImage &picture, const QuizWords &words)
{
    QPainter p(&picture);
    beginPainting(p);
    p.setPen(QColor(0, 100, 0));
    drawFitted(p, kQuizTitle, Qt::AlignVCenter | Qt::AlignLeft, words.title, serif(30, true));
    p.setPen(Qt::black);
    drawFitted(p, kQuizTask, Qt::AlignLeft | Qt::TextWordWrap, words.task, serif(17));
    for (int i = 0; i < 3 && i < words.questions.size(); ++i) {
        p.setPen(kQuestionColours[i]);
        drawFitted(p, quizQuestion(i), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("%1.  %2").arg(i + 1).arg(words.questions.at(i)),
                   serif(17, true));
    }
}

QImage noticeEmblemArt()
{
    QImage image(136, 180, QImage::Format_RGB888);
    image.fill(QColor(192, 192, 192));
    QPainter p(&image);
    beginPainting(p);

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
    return image;
}

void paintNoticeEmblemWords(QImage &picture, const EmblemWords &words)
{
    QPainter p(&picture);
    beginPainting(p);
    p.setPen(Qt::white);
    // Inside the yellow border, centred where the English always was.
    drawFitted(p, QRectF(8, 128, 120, 20), Qt::AlignCenter, words.ageClasses,
               serif(14, false, true));
    drawFitted(p, QRectF(8, 148, 120, 20), Qt::AlignCenter, words.since, serif(14, false, true));
}

} // namespace velmora
