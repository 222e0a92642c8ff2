#include "handcursor.h"

#include "picturefile.h"

QCursor handCursor()
{
    return QCursor(readPictureFile(QStringLiteral(":/cursors/hand.png")), 12, 1);
}
