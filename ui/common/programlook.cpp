#include "ui/common/programlook.h"

#include "ui/common/appfonts.h"

#include <QApplication>
#include <QStyleFactory>

namespace velmora {

void applyProgramLook()
{
    // Colours set through palettes must look the same whatever the desktop's own style is.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installFontSubstitutes();
}

} // namespace velmora
