#include "ui/common/picturefile.h"

#include <QFile>
#include <QTest>

using namespace velmora;

namespace {

bool mapped(const QByteArray &library)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

} // namespace

class PictureFileTest : public QObject {
    Q_OBJECT

private slots:
    // The start-up pictures are PNG: reading them must not pull in the image plugins.
    void builtInFormatsLoadNoImagePlugin()
    {
        if (mapped("/imageformats/"))
            QSKIP("an image plugin was loaded before this test");
        QVERIFY(!readPictureFile(QStringLiteral(":/icons/velmora-32.png")).isNull());
        QVERIFY(!readPictureFile(QStringLiteral(":/pictures/prophecy.bmp")).isNull());
        QVERIFY(!mapped("/imageformats/"));
    }

    void readsEveryFormatOfTheProgram_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::addRow("png") << QStringLiteral(":/cursors/hand.png") << QSize(32, 32);
        QTest::addRow("png, twice the density")
            << QStringLiteral(":/cursors/hand@2x.png") << QSize(64, 64);
        QTest::addRow("bmp") << QStringLiteral(":/pictures/prophecy.bmp") << QSize();
        QTest::addRow("jpg") << QStringLiteral(":/pictures/notice.jpg") << QSize();
    }

    void readsEveryFormatOfTheProgram()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QPixmap image = readPictureFile(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        if (size.isValid())
            QCOMPARE(image.size(), size);
        // At the ordinary density a picture to be shown is the named file itself.
        QCOMPARE(readPicture(path).size(), image.size());
    }

    void jpegLoadsOnlyItsOwnPlugin()
    {
        QVERIFY(!readPictureFile(QStringLiteral(":/pictures/notice.jpg")).isNull());
        QVERIFY(mapped("libqjpeg"));
        QVERIFY(!mapped("libqgif"));
        QVERIFY(!mapped("libqsvg"));
    }

    void missingPictureIsNull()
    {
        QVERIFY(readPictureFile(QStringLiteral(":/pictures/none.png")).isNull());
    }
};

QTEST_MAIN(PictureFileTest)
#include "tst_picturefile.moc"
