#pragma once

#include "model/simulation.h"

#include <QtGlobal>

#include <memory>

namespace velmora {

// Histories as the main window leaves them, for the chart tests.

// Default model: `projections` counted projections with "Transit" after each.
inline std::unique_ptr<Module1> defaultHistory(int projections)
{
    auto history = std::make_unique<Module1>();
    Simulation sim(*history);
    sim.startUp();
    for (int p = 1; p <= projections; ++p) {
        if (sim.Projection() != ProjectionOutcome::Counted)
            qFatal("default projection %d was not counted", p);
        sim.Transition();
    }
    return history;
}

// One cohort of 10 ageing through the classes without offspring or harvest: three
// projections are counted and the fourth is rejected, so tcount stays 3.
inline std::unique_ptr<Module1> rejectedFourthHistory()
{
    auto history = std::make_unique<Module1>();
    Simulation sim(*history);
    sim.startUp();
    const char *cells[16] = {"0", "0", "0", "0", "1", "0", "0", "0",
                             "0", "1", "0", "0", "0", "0", "1", "0"};
    for (int i = 0; i < 16; ++i)
        sim.setMatrixCell(i, cells[i]);
    sim.fields().n1 = {"10", "0", "0", "0"};
    sim.fields().n2 = {"", "", "", ""};
    sim.fields().Harvest = {"0", "0", "0", "0"};
    sim.Restart();
    for (int p = 1; p <= 3; ++p) {
        if (sim.Projection() != ProjectionOutcome::Counted)
            qFatal("cohort projection %d was not counted", p);
        sim.Transition();
    }
    if (sim.Projection() != ProjectionOutcome::Rejected)
        qFatal("the fourth cohort projection was not rejected");
    return history;
}

} // namespace velmora
