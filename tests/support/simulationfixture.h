#pragma once

#include "model/module1.h"
#include "model/simulation.h"

#include <memory>
#include <string>
#include <vector>

namespace velmora {

// A simulation after the main window's load, recording every message it raises.
struct SimulationFixture {
    std::unique_ptr<Module1> history = std::make_unique<Module1>();
    Simulation sim{*history};
    std::vector<ModelMessage> messages;

    SimulationFixture();

    // What the editing window does before its Restart: the 16 cells of M (or only the seven
    // rates f0..f3, s0..s2), N(0) and H written into the fields, then a new run at t = 0.
    void apply(const std::vector<std::string> &m, const std::vector<std::string> &n0,
               const std::vector<std::string> &harvest);

    // "Project", and "Transit" after every counted step, `steps` times; returns how many
    // steps were counted.
    int project(int steps);
};

} // namespace velmora
