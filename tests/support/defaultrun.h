#pragma once

#include <QList>
#include <QStringList>

namespace velmora {

// The main window's texts after each of the first eight "Project" presses of the default
// model, each followed by "Transit": N(t+1) of the four classes, the total and the growth
// rate, as the fields, velmora-cli's table and the simulation all show them.
QList<QStringList> defaultRunRows();

} // namespace velmora
