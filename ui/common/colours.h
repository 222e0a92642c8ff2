#pragma once

class QColor;
class QWidget;

namespace velmora {

// Which of a widget's colour roles are set. Children inherit the roles a window sets, so a
// window or a plain label sets only its own; a field also sets the colours of its text box.
enum class ColourRoles {
    WindowOnly,      // Window and WindowText
    WindowAndFields, // also Base and Text
};

// Paints a widget's own background and text in these colours.
void setColours(QWidget *widget, const QColor &text, const QColor &background,
                ColourRoles roles = ColourRoles::WindowAndFields);

} // namespace velmora
