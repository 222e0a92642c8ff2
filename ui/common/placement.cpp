#include "ui/common/placement.h"

#include <QScreen>
#include <QWidget>

namespace velmora {

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    QRect placed(QPoint(0, 0), window->size());
    placed.moveCenter(screen->availableGeometry().center());
    window->move(placed.topLeft());
}

} // namespace velmora
