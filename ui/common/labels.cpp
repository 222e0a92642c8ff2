#include "ui/common/labels.h"

#include <QColor>
#include <QFont>
#include <QPalette>

namespace velmora {

QLabel *styleLabel(QLabel *label, const QString &name, const QFont &font, const QColor &colour)
{
    label->setObjectName(name);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace velmora
