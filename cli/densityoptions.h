#pragma once

#include "cli/options.h"
#include "demography/density.h"
#include "modelfile/modelfile.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora {

// --density, --capacity, --counted-stages and --harvest-stages, which yield, risk and run
// share; with `withWay`, --strategy and --level too (a way of harvesting in place of H).
std::vector<AcceptedOption> densityOptions(bool withWay);

// The density dependence and the way of harvesting a command line chose, over what --model's
// file holds.
struct DensityChoice {
    std::optional<DensitySettings> density; // nothing: the linear model
    std::vector<int> harvested;             // the stages a way takes from; empty: all
    std::optional<HarvestWay> way;
    double level = 0.0;
};

class DensityOptionsReader {
public:
    // Whether `option` is one of the density options; `refusal` receives a bad value's.
    bool take(const GivenOption &option, std::optional<std::string> &refusal);
    // The choice for `model`, once every option is taken, over `file` (the density and the
    // harvested stages of --model's file); or why it is refused (a broken rule of the values).
    std::optional<std::string> finish(const StageModel &model, const YieldBlocks &file,
                                      DensityChoice &choice) const;

private:
    std::optional<DensityForm> m_form;
    std::optional<double> m_capacity;
    std::optional<std::string> m_counted;
    std::optional<std::string> m_harvested;
    std::optional<HarvestWay> m_way;
    std::optional<double> m_level;
};

// The form as the text output names it: "Beverton-Holt", "Ricker", "a ceiling".
std::string densityFormShown(DensityForm form);

} // namespace velmora
