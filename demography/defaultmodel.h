#pragma once

#include <array>

namespace velmora {

// The model every run starts with (fecundities 0, 1, 2, 1; survival rates 0.5, 1, 0.5;
// N(0) = 10 each; H = 5, 0, 0, 0), as its texts first stand in the fields.
inline constexpr std::array<const char *, 16> kDefaultMatrix{
    "0", "1", "2", "1", "0.5", "0", "0", "0", "0", "1", "0", "0", "0", "0", "0.5", "0"};
inline constexpr std::array<const char *, 4> kDefaultN0{"10", "10", "10", "10"};
inline constexpr std::array<const char *, 4> kDefaultHarvest{"5", "0", "0", "0"};

// A population counts as gone below this many animals, not only at exactly 0: the analysis
// judges every projection against it unless told otherwise.
inline constexpr double kQuasiExtinction = 1.0;

// Where the vital rates sit in M, row by row (M[r][c] is element 4r + c): the fecundities
// f0..f3 in row 0, the survival rates s0..s2 on the sub-diagonal.
inline constexpr std::array<int, 4> kFecundityCells{0, 1, 2, 3};
inline constexpr std::array<int, 3> kSurvivalCells{4, 9, 14};
// The seven rates in the order f0, f1, f2, f3, s0, s1, s2.
inline constexpr std::array<int, 7> kVitalRateCells{0, 1, 2, 3, 4, 9, 14};
inline constexpr std::array<const char *, 7> kVitalRateNames{"f0", "f1", "f2", "f3",
                                                             "s0", "s1", "s2"};

} // namespace velmora
