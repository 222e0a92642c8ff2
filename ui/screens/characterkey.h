#pragma once

#include <QString>

class QKeyEvent;

namespace velmora {

// True for keys that type a character: letters, digits, punctuation, space, Enter, Escape
// and Backspace. Arrows, function keys, modifiers and Delete type none.
bool producesCharacter(int key, const QString &text);
bool producesCharacter(const QKeyEvent &event);

} // namespace velmora
