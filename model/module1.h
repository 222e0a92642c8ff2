#pragma once

#include "demography/horizon.h"

#include <array>
#include <cstdint>
#include <string>

namespace velmora {

constexpr int kTimeSlots = kLastTime + 1;
// Age classes 0..3 plus the fifth slot that the history arrays carry and never write.
constexpr int kClassSlots = 5;
constexpr int kClasses = 4;

using TimeSeries = std::array<double, kTimeSlots>;
using ClassSeries = std::array<TimeSeries, kClassSlots>;

// The run's step counter and history, shared by the steps, the charts and the export.
// Fixed size for the whole run: entries are overwritten, never cleared or reallocated,
// so only the valid range (see validRange helpers) may be trusted.
struct Module1 {
    int16_t tcount = 0;
    ClassSeries Nhist{};            // Nhist[i][k]: age class i at time k
    TimeSeries Ntot{};              // total at time k
    TimeSeries Ndiff{};             // Ntot[k+1] - Ntot[k]
    std::array<float, kTimeSlots> Grate{}; // Ntot[k+1] / Ntot[k], single precision on purpose
    ClassSeries Adist{};            // Nhist[i][k] / Ntot[k]

    // Written only by the history export.
    std::string SaveName;
    TimeSeries Brate{};
    TimeSeries Drate{};
    TimeSeries Srate{};
};

} // namespace velmora
