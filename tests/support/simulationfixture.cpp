#include "tests/support/simulationfixture.h"

#include "demography/defaultmodel.h"

namespace velmora {

SimulationFixture::SimulationFixture()
{
    sim.onMessage = [this](const ModelMessage &m) { messages.push_back(m); };
    sim.startUp();
}

void SimulationFixture::apply(const std::vector<std::string> &m,
                              const std::vector<std::string> &n0,
                              const std::vector<std::string> &harvest)
{
    if (m.size() == kVitalRateCells.size()) {
        for (size_t i = 0; i < m.size(); ++i)
            sim.setMatrixCell(kVitalRateCells[i], m[i]);
    } else {
        for (size_t i = 0; i < m.size() && i < 16; ++i)
            sim.setMatrixCell(static_cast<int>(i), m[i]);
    }
    for (size_t i = 0; i < 4; ++i) {
        sim.fields().n1[i] = n0.at(i);
        sim.fields().n2[i].clear();
        sim.fields().Harvest[i] = harvest.at(i);
    }
    sim.Restart();
}

int SimulationFixture::project(int steps)
{
    int counted = 0;
    for (int k = 0; k < steps; ++k) {
        if (sim.Projection() == ProjectionOutcome::Counted) {
            sim.Transition();
            ++counted;
        }
    }
    return counted;
}

} // namespace velmora
