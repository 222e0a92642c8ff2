#include "model/mainfields.h"

#include "demography/analysis.h"
#include "demography/defaultmodel.h"
#include "base/numbertext.h"

#include <algorithm>

namespace velmora {

MainFields::MainFields()
    : n2{" ", " ", " ", " "},
      total2(" "),
      growrate(" ")
{
    std::copy(kDefaultMatrix.begin(), kDefaultMatrix.end(), m.begin());
    std::copy(kDefaultN0.begin(), kDefaultN0.end(), n1.begin());
    std::copy(kDefaultHarvest.begin(), kDefaultHarvest.end(), Harvest.begin());
}

CellRole cellRole(int index)
{
    if (std::find(kFecundityCells.begin(), kFecundityCells.end(), index) != kFecundityCells.end())
        return CellRole::Fecundity;
    if (std::find(kSurvivalCells.begin(), kSurvivalCells.end(), index) != kSurvivalCells.end())
        return CellRole::Survival;
    return CellRole::StructuralZero;
}

bool modelFromFields(const MainFields &fields, PopulationModel &model)
{
    PopulationModel read;
    for (size_t i = 0; i < 16; ++i) {
        const ReadResult r = strictValue(fields.m[i]);
        if (!r.ok())
            return false;
        read.M[i] = r.value;
    }
    for (size_t i = 0; i < 4; ++i) {
        const ReadResult n = strictValue(fields.n1[i]);
        const ReadResult h = lenientValue(fields.Harvest[i]);
        if (!n.ok() || !h.ok())
            return false;
        read.N[i] = n.value;
        read.H[i] = h.value;
    }
    const ReadResult t = strictValue(fields.simu0);
    read.t = t.ok() ? static_cast<int>(t.value) : 0;
    model = read;
    return true;
}

} // namespace velmora
