#include "model/mainfields.h"

namespace velmora {

MainFields::MainFields()
    : m{"0", "1", "2", "1", "0.5", "0", "0", "0", "0", "1", "0", "0", "0", "0", "0.5", "0"},
      n1{"10", "10", "10", "10"},
      Harvest{"5", "0", "0", "0"},
      n2{" ", " ", " ", " "},
      total2(" "),
      growrate(" ")
{
}

CellRole cellRole(int index)
{
    if (index >= 0 && index < 4)
        return CellRole::Fecundity;
    if (index == 4 || index == 9 || index == 14)
        return CellRole::Survival;
    return CellRole::StructuralZero;
}

} // namespace velmora
