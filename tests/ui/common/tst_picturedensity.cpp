#include "ui/common/picturefile.h"

#include <QGuiApplication>
#include <QTest>

using namespace velmora;

// Runs on a screen of twice the density, as a high-DPI display shows the program.
class PictureDensityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(qGuiApp->devicePixelRatio(), 2.0); }

    void sharperDrawingIsReadWhereThereIsOne()
    {
        const QPixmap plain = readPictureFile(QStringLiteral(":/pictures/arrow-right.png"));
        const QPixmap sharp = readPicture(QStringLiteral(":/pictures/arrow-right.png"));
        QCOMPARE(plain.devicePixelRatio(), 1.0);
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(sharp.size(), plain.size() * 2);
        // Laid out at the same size: only the number of pixels in it differs.
        QCOMPARE(sharp.deviceIndependentSize(), QSizeF(plain.size()));
    }

    void pictureWithoutSharperDrawingIsReadAsIs()
    {
        const QPixmap picture = readPicture(QStringLiteral(":/pictures/prophecy.bmp"));
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.devicePixelRatio(), 1.0);
        QCOMPARE(picture.size(), readPictureFile(QStringLiteral(":/pictures/prophecy.bmp")).size());
    }

    void missingPictureIsNullAtEveryDensity()
    {
        QVERIFY(readPicture(QStringLiteral(":/pictures/none.png")).isNull());
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QGuiApplication app(argc, argv);
    PictureDensityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_picturedensity.moc"
