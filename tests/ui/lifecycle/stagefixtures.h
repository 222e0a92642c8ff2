#pragma once

#include "demography/stagemodel.h"

namespace velmora {

// The loggerhead sea turtle, Crouse, Crowder & Caswell 1987 (Ecology 68: 1412): seven stages,
// eggs from the last three.
inline StageModel loggerheadTurtle()
{
    StageModel m = emptyStageModel(7);
    m.stages = {"eggs/hatchlings", "small juveniles", "large juveniles", "subadults",
                "novice breeders", "first-year remigrants", "mature breeders"};
    m.F(0, 4) = 127;
    m.F(0, 5) = 4;
    m.F(0, 6) = 80;
    m.U(1, 0) = 0.6747;
    m.U(1, 1) = 0.7370;
    m.U(2, 1) = 0.0486;
    m.U(2, 2) = 0.6610;
    m.U(3, 2) = 0.0147;
    m.U(3, 3) = 0.6907;
    m.U(4, 3) = 0.0518;
    m.U(5, 4) = 0.8091;
    m.U(6, 5) = 0.8091;
    m.U(6, 6) = 0.8089;
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
    m.F(0, 5) = 322.388;
    m.U(1, 0) = 0.966;
    m.U(2, 0) = 0.013;
    m.U(2, 1) = 0.01;
    m.U(2, 2) = 0.125;
    m.F(2, 5) = 3.448;
    m.U(3, 0) = 0.007;
    m.U(3, 2) = 0.125;
    m.U(3, 3) = 0.238;
    m.F(3, 5) = 30.170;
    m.U(4, 0) = 0.008;
    m.U(4, 2) = 0.038;
    m.U(4, 3) = 0.245;
    m.U(4, 4) = 0.167;
    m.F(4, 5) = 0.862;
    m.U(5, 3) = 0.023;
    m.U(5, 4) = 0.750;
    m.n0.setConstant(100);
    return m;
}

} // namespace velmora
