#pragma once

class QWidget;

namespace velmora {

// Moves a top-level window so that its middle is the middle of its screen's free area (the
// screen without task bars and panels). Every window but the backdrop opens this way.
void centreOnScreen(QWidget *window);

} // namespace velmora
