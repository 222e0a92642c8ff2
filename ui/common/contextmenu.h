#pragma once

#include <functional>

class QMenu;
class QPoint;
class QWidget;

namespace velmora {

// Asked before the menu opens, with where and how it was asked for; false keeps it closed.
using MenuRequest = std::function<bool(const QPoint &globalPos, bool fromKeyboard)>;

// Makes `menu` the context menu of `window` and of every control on it. A right click opens it
// at the pointer; the Menu key and Shift+F10 open it at the control with the focus, with the
// first entry chosen so that Return acts on it.
void attachContextMenu(QWidget *window, QMenu *menu, MenuRequest request = {});

} // namespace velmora
