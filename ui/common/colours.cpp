#include "colours.h"

#include <QPalette>
#include <QWidget>

void setColours(QWidget *widget, const QColor &text, const QColor &background)
{
    QPalette palette = widget->palette();
    for (auto role : {QPalette::Text, QPalette::WindowText})
        palette.setColor(role, text);
    for (auto role : {QPalette::Base, QPalette::Window})
        palette.setColor(role, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
