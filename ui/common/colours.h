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

// The grey of the tool windows (Life cycle, Analysis, Risk, Harvest and yield, Notes).
QColor windowGrey();
// The dark blue of those windows' titles and sentences.
QColor titleBlue();

// Fills a tool window's background with the window grey; its children inherit it.
void setWindowBackground(QWidget *window);

// Sets only the colour of a label's text, the rest of its palette kept.
void setTextColour(QWidget *widget, const QColor &colour);

// Paints a widget's own background and text in these colours.
void setColours(QWidget *widget, const QColor &text, const QColor &background,
                ColourRoles roles = ColourRoles::WindowAndFields);

} // namespace velmora
