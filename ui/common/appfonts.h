#pragma once

#include <QFont>
#include <QString>

namespace velmora {

// Maps the face names the windows ask for to faces installed here; call once at start.
void installFontSubstitutes();

// A font of the given family and point size (fractional sizes such as 14.4 are kept).
QFont appFont(const QString &family, double pointSize, bool bold = false);
QFont timesFont(double pointSize, bool bold = false);

} // namespace velmora
