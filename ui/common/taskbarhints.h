#pragma once

class QWidget;

namespace velmora {

// Asks the window manager to leave `window` out of the task bar and the pager, each time it
// is shown. The start-up screens and the backdrop are not places a student switches to.
// Only X11 window managers read the request; elsewhere the window is left as it is.
void keepOutOfTaskBar(QWidget *window);

} // namespace velmora
