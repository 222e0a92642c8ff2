#include "ui/screens/yearclock.h"

#include <QDate>

namespace velmora {

int systemYear()
{
    return QDate::currentDate().year();
}

} // namespace velmora
