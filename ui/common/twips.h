#pragma once

#include <QRect>

namespace velmora {

// Window layouts are given in twips (1440 per inch); at 96 dpi a pixel is 15 twips.
// Every position and size on a window goes through these, never through a hand-made division.
constexpr double kTwipsPerPixel = 15.0;

int twips(double value);
QPoint twipsPoint(double x, double y);
QSize twipsSize(double width, double height);
// Rounds both edges, so neighbouring controls keep their gaps exactly.
QRect twipsRect(double left, double top, double width, double height);

} // namespace velmora
