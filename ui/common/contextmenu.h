#pragma once

class QMenu;
class QWidget;

namespace velmora {

// Makes `menu` the context menu of `window` and of every control on it. A right click opens it
// at the pointer; the Menu key and Shift+F10 open it at the control with the focus, with the
// first entry chosen so that Return acts on it.
void attachContextMenu(QWidget *window, QMenu *menu);

} // namespace velmora
