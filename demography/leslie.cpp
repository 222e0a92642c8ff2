#include "demography/leslie.h"

namespace velmora {

StageModel stageModelFromLeslie(const LeslieModel &leslie)
{
    StageModel model = emptyStageModel(4);
    for (int i = 0; i < 4; ++i) {
        model.stages[size_t(i)] = std::to_string(i);
        model.F(0, i) = leslie.M[size_t(i)];
        model.n0(i) = leslie.n0[size_t(i)];
        model.harvest(i) = leslie.harvest[size_t(i)];
    }
    for (int i = 0; i < 3; ++i)
        model.U(i + 1, i) = leslie.M[size_t(4 * (i + 1) + i)];
    return model;
}

std::optional<LeslieModel> leslieFromStageModel(const StageModel &model)
{
    if (model.size() != 4 || model.U.rows() != 4 || model.F.rows() != 4 || model.C.rows() != 4
        || model.n0.size() != 4 || model.harvest.size() != 4)
        return std::nullopt;
    if (!model.C.isZero(0.0))
        return std::nullopt;
    LeslieModel leslie;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            const bool fecundity = r == 0;
            const bool survival = r == c + 1;
            if (!fecundity && model.F(r, c) != 0.0)
                return std::nullopt;
            if (!survival && model.U(r, c) != 0.0)
                return std::nullopt;
            leslie.M[size_t(4 * r + c)] = fecundity ? model.F(r, c) : model.U(r, c);
        }
    }
    for (int i = 0; i < 4; ++i) {
        leslie.n0[size_t(i)] = model.n0(i);
        leslie.harvest[size_t(i)] = model.harvest(i);
    }
    return leslie;
}

} // namespace velmora
