#include "tests/support/stagemodels.h"

#include "tests/support/lesliematrix.h"

namespace velmora {

StageModel defaultStageModel()
{
    const Matrix4 M = defaultLeslie();
    StageModel m = emptyStageModel(4);
    for (int i = 0; i < 4; ++i)
        m.F(0, i) = M[size_t(i)];
    for (int i = 0; i < 3; ++i)
        m.U(i + 1, i) = M[size_t(4 * (i + 1) + i)];
    return m;
}

StageModel twentyStageChain()
{
    StageModel m = emptyStageModel(20);
    for (int i = 0; i < 20; ++i) {
        m.U(i, i) = i + 1 < 20 ? 0.5 : 0.8;
        if (i + 1 < 20)
            m.U(i + 1, i) = 0.45;
        if (i >= 10)
            m.F(0, i) = 5.0;
    }
    return m;
}

} // namespace velmora
