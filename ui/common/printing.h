#pragma once

class QPainter;
class QPagedPaintDevice;
class QRect;
class QWidget;

namespace velmora {

class Dialogs;

// Paints an image of the window's client area into `target`, scaled to fit and centred.
void paintWindowImage(QWidget *window, QPainter &painter, const QRect &target);

// Renders the window on one page of any paged device (a printer or a PDF writer).
bool printWindowTo(QWidget *window, QPagedPaintDevice &device);

// "Print": one page on the default printer. Without a printer the user is told so and
// may save the page as a PDF instead. The window itself is left as it was.
void printWindow(QWidget *window, Dialogs &dialogs);

} // namespace velmora
