#include "ui/screens/characterkey.h"

#include <QKeyEvent>

namespace velmora {

bool producesCharacter(int key, const QString &text)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
        return true;
    case Qt::Key_Delete:
        return false;
    default:
        // Some platforms attach control codes to keys that type nothing; only printable text counts.
        return !text.isEmpty() && text.at(0).isPrint();
    }
}

bool producesCharacter(const QKeyEvent &event)
{
    return producesCharacter(event.key(), event.text());
}

} // namespace velmora
