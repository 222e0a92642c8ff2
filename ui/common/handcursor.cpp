#include "handcursor.h"

#include "picturefile.h"

QCursor handCursor()
{
    return QCursor(readPicture(QStringLiteral(":/cursors/hand.png")), 12, 1);
}
