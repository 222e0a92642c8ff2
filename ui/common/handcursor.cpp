#include "handcursor.h"

#include <QPixmap>

QCursor handCursor()
{
    return QCursor(QPixmap(QStringLiteral(":/cursors/hand.png")), 12, 1);
}
