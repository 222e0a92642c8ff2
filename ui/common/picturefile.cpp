#include "ui/common/picturefile.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

namespace velmora {

QPixmap readPictureFile(const QString &path)
{
    QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    // "@2x" in the name sets a pixel ratio of 2: the picture is laid out at half its pixels.
    return QPixmap::fromImage(reader.read());
}

QPixmap readPicture(const QString &path)
{
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1) {
        const QFileInfo info(path);
        const QString sharper = info.path() + QLatin1Char('/') + info.completeBaseName()
                                + QLatin1String("@2x.") + info.suffix();
        if (QFile::exists(sharper))
            return readPictureFile(sharper);
    }
    return readPictureFile(path);
}

} // namespace velmora
