#pragma once

#include "demography/stagemodel.h"

#include <array>
#include <optional>

namespace velmora {

// The main window's 4-class Leslie model as plain values: M row by row (M[r][c] is element
// 4r + c), fecundities in row 0, survival rates on the sub-diagonal.
struct LeslieModel {
    std::array<double, 16> M{};
    std::array<double, 4> n0{};
    std::array<double, 4> harvest{};
};

// The Leslie model as a life cycle: row 0 is reproduction (F), the sub-diagonal survival (U),
// stages named "0".."3" as the main window counts its age classes.
StageModel stageModelFromLeslie(const LeslieModel &leslie);

// The same model back in the main window's shape, when it has it: four stages, births only
// into stage 0 and by F, survival only from stage i to i + 1, no clonal reproduction.
std::optional<LeslieModel> leslieFromStageModel(const StageModel &model);

} // namespace velmora
