#include "model/mainfields.h"

#include "model/defaultmodel.h"

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

} // namespace velmora
