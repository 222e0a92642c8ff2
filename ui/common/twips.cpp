#include "ui/common/twips.h"

#include <cmath>

namespace velmora {

int twips(double value)
{
    return static_cast<int>(std::lround(value / kTwipsPerPixel));
}

QPoint twipsPoint(double x, double y)
{
    return {twips(x), twips(y)};
}

QSize twipsSize(double width, double height)
{
    return {twips(width), twips(height)};
}

QRect twipsRect(double left, double top, double width, double height)
{
    const int x = twips(left);
    const int y = twips(top);
    return {x, y, twips(left + width) - x, twips(top + height) - y};
}

} // namespace velmora
