#pragma once

#include <QCursor>

// The pointing-hand cursor over clickable elements; its hot spot is the fingertip (12, 1).
QCursor handCursor();
