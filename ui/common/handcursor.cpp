#include "handcursor.h"

#include "picturefile.h"

QCursor handCursor()
{
    // Made once: every clickable control of every window asks for it, the title screen alone
    // nine times while the student waits for it.
    static const QCursor hand(readPictureFile(QStringLiteral(":/cursors/hand.png")), 12, 1);
    return hand;
}
