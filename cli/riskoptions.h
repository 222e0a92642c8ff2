#pragma once

#include "cli/options.h"
#include "demography/analysis.h"
#include "model/editentries.h"
#include "demography/stagemodel.h"
#include "demography/stochastic.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora {

// What "velmora-cli risk" was asked to do.
struct RiskCommandLine {
    PopulationModel model; // read from the main window's fields after "Go Back" with the values
    // A life cycle that is not a 4-class Leslie model, in place of `model`; `settings` are not
    // yet checked against it.
    std::optional<StageModel> lifeCycle;
    RiskSettings settings;
    bool json = false;
    std::optional<std::string> out; // the CSV file to write
};

// How reading the arguments after "risk" ended: the command line, or one line saying why not.
struct RiskOptionsRead {
    std::optional<RiskCommandLine> commandLine;
    std::string refusal;
    // The options were understood, but the values break a rule of the editing window or of
    // the run (a survival CV too large for a rate, for one): no "see --help" after the line.
    bool valuesRefused = false;
};

// The options of the risk command, for reading and for its help.
std::vector<AcceptedOption> riskOptions();

// Reads the risk command's options: the model options of "run" and the settings of the run.
// Every value must be a plain number in its range; an option given twice is refused.
RiskOptionsRead readRiskOptions(const std::vector<std::string> &arguments);

} // namespace velmora
