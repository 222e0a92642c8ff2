#include "bench/benchdata.h"

#include "model/simulation.h"

#include <QtGlobal>

namespace velmora {

std::unique_ptr<Module1> fullHistory()
{
    auto history = std::make_unique<Module1>();
    Simulation simulation(*history);
    simulation.startUp();
    for (int k = 1; k <= kLastTime; ++k) {
        if (simulation.Projection() != ProjectionOutcome::Counted)
            qFatal("default projection %d was not counted", k);
        simulation.Transition();
    }
    return history;
}

QMessageBox::StandardButton QuietDialogs::message(QWidget *, const QString &, const QString &,
                                                  QMessageBox::StandardButtons,
                                                  QMessageBox::Icon)
{
    return QMessageBox::Ok;
}

QString QuietDialogs::saveFileName(QWidget *, const QString &)
{
    return {};
}

} // namespace velmora
