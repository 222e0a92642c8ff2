#pragma once

#include "demography/stagemodel.h"

#include <initializer_list>

namespace velmora {

// One non-zero entry of a published matrix: row (moved to), column (moved from), value.
struct MatrixEntry {
    int row;
    int column;
    double value;
};

inline void setEntries(Eigen::MatrixXd &m, std::initializer_list<MatrixEntry> entries)
{
    for (const MatrixEntry &e : entries)
        m(e.row, e.column) = e.value;
}

// The loggerhead sea turtle, Crouse, Crowder & Caswell 1987 (Ecology 68: 1412): seven stages,
// eggs from the last three.
inline StageModel loggerheadTurtle()
{
    StageModel m = emptyStageModel(7);
    m.stages = {"eggs/hatchlings", "small juveniles", "large juveniles", "subadults",
                "novice breeders", "first-year remigrants", "mature breeders"};
    setEntries(m.F, {{0, 4, 127}, {0, 5, 4}, {0, 6, 80}});
    setEntries(m.U, {{1, 0, 0.6747}, {1, 1, 0.7370}, {2, 1, 0.0486}, {2, 2, 0.6610},
                     {3, 2, 0.0147}, {3, 3, 0.6907}, {4, 3, 0.0518}, {5, 4, 0.8091},
                     {6, 5, 0.8091}, {6, 6, 0.8089}});
    m.n0.setConstant(100);
    return m;
}

// Teasel, Werner & Caswell 1977 as in Caswell (2001): births into four stages, growth that
// skips stages.
inline StageModel teasel()
{
    StageModel m = emptyStageModel(6);
    m.stages = {"dormant seeds 1st year", "dormant seeds 2nd year", "small rosettes",
                "medium rosettes", "large rosettes", "flowering plants"};
    setEntries(m.F, {{0, 5, 322.388}, {2, 5, 3.448}, {3, 5, 30.170}, {4, 5, 0.862}});
    setEntries(m.U, {{1, 0, 0.966}, {2, 0, 0.013}, {2, 1, 0.01}, {2, 2, 0.125}, {3, 0, 0.007},
                     {3, 2, 0.125}, {3, 3, 0.238}, {4, 0, 0.008}, {4, 2, 0.038}, {4, 3, 0.245},
                     {4, 4, 0.167}, {5, 3, 0.023}, {5, 4, 0.750}});
    m.n0.setConstant(100);
    return m;
}

} // namespace velmora
