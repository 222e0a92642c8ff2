#pragma once

#include <QCursor>

namespace velmora {

// The pointing-hand cursor over clickable elements; its hot spot is the fingertip (12, 1).
QCursor handCursor();

} // namespace velmora
