#pragma once

#include "ui/common/colours.h"

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace velmora {

// Window flags of the secondary windows: a fixed single border with a title and a close box.
Qt::WindowFlags fixedSingleBorder();

// Gives a window its object name, caption, fixed client area (in twips) and background, and
// puts it in the middle of its screen.
void setUpWindow(QWidget *window, const QString &name, const QString &caption, double width,
                 double height, const QColor &background);

// A label or button at a place given in twips (left, top, width, height). The button is
// pressed by Space or Enter once it has the focus.
QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, double left,
                 double top, double width, double height, const QFont &font);
QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption,
                       double left, double top, double width, double height, const QFont &font,
                       bool handPointer);

// The thin sunken border of a bordered label.
void setSingleBorder(QLabel *label);

} // namespace velmora
