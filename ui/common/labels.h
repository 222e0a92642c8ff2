#pragma once

#include <QLabel>

class QColor;
class QFont;
class QString;

namespace velmora {

// Gives a label its object name, font and text colour; returns the same label.
QLabel *styleLabel(QLabel *label, const QString &name, const QFont &font, const QColor &colour);

// A new label (or a QLabel subclass) on `parent`, styled so.
template <typename Label = QLabel>
Label *makeLabel(QWidget *parent, const QString &name, const QFont &font, const QColor &colour)
{
    return static_cast<Label *>(styleLabel(new Label(parent), name, font, colour));
}

} // namespace velmora
