#include "ui/common/labels.h"

#include "ui/common/colours.h"

#include <QColor>
#include <QFont>

namespace velmora {

QLabel *styleLabel(QLabel *label, const QString &name, const QFont &font, const QColor &colour)
{
    label->setObjectName(name);
    label->setFont(font);
    setTextColour(label, colour);
    return label;
}

} // namespace velmora
