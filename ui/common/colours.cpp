#include "ui/common/colours.h"

#include <QPalette>
#include <QWidget>

namespace velmora {

void setColours(QWidget *widget, const QColor &text, const QColor &background, ColourRoles roles)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    if (roles == ColourRoles::WindowAndFields) {
        palette.setColor(QPalette::Text, text);
        palette.setColor(QPalette::Base, background);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace velmora
