#pragma once

namespace velmora {

// Highest time index a run reaches; a run counts at most this many projections, and every
// projection of the analysis stops there too.
constexpr int kLastTime = 1000;

} // namespace velmora
