#include "ui/common/colours.h"

#include <QPalette>
#include <QWidget>

namespace velmora {

QColor windowGrey()
{
    return {192, 192, 192};
}

QColor titleBlue()
{
    return {0, 0, 128};
}

void setWindowBackground(QWidget *window)
{
    window->setAutoFillBackground(true);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, windowGrey());
    window->setPalette(palette);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

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
