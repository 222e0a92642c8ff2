#include "yearclock.h"

#include <QDate>

int systemYear()
{
    return QDate::currentDate().year();
}
