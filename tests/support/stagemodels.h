#pragma once

#include "demography/stagemodel.h"

namespace velmora {

// The main window's first model as a life cycle: F and U from its M (see defaultLeslie),
// stages named "1".."4", N(0) and H zero.
StageModel defaultStageModel();

// Twenty stages in a chain: stasis and growth in every stage, births from the last ten, N(0)
// and H zero. Long enough that a window's work on it runs for a while.
StageModel twentyStageChain();

} // namespace velmora
