#include "ui/common/handcursor.h"

#include "ui/common/picturefile.h"

namespace velmora {

QCursor handCursor()
{
    // Made once: every clickable control of every window asks for it, the title screen alone
    // nine times while the student waits for it.
    static const QCursor hand(readPictureFile(QStringLiteral(":/cursors/hand.png")), 12, 1);
    return hand;
}

} // namespace velmora
