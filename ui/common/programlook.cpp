#include "programlook.h"

#include "appfonts.h"

#include <QApplication>
#include <QStyleFactory>

void applyProgramLook()
{
    // Colours set through palettes must look the same whatever the desktop's own style is.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installFontSubstitutes();
}
