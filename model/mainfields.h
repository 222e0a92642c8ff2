#pragma once

#include <array>
#include <string>

namespace velmora {

// The control of the main window that holds the keyboard focus after a step.
enum class FocusTarget {
    None,
    Project,
    Transit,
    Quit,
};

// Texts of the main window's fields and the state of its step commands.
// The model reads and writes these; the window only shows them.
struct MainFields {
    MainFields();

    std::array<std::string, 16> m;       // M row by row: M[r][c] is m[4r + c]
    std::array<std::string, 4> n1;       // N(t)
    std::array<std::string, 4> Harvest;  // H
    std::array<std::string, 4> n2;       // N(t+1)
    std::string total1;
    std::string total2;
    std::string growrate;
    std::string simu0; // t
    std::string simut; // t + 1

    bool projectEnabled = true;
    bool transitEnabled = false;
    bool quitEnabled = true;
    bool graphEnabled = false;
    bool projectShown = true;     // right arrow image
    bool transitShown = false;    // left arrow image
    bool extinctShown = false;    // "Population size = 0.  End of simulation."
    FocusTarget focus = FocusTarget::Project;
};

struct PopulationModel;

// Reads the model from the main window's fields the way the steps read them: M and N(t)
// strictly, H leniently, t from `simu0`. False when a field does not hold a number.
bool modelFromFields(const MainFields &fields, PopulationModel &model);

// Role of a matrix cell: which cells the user may set and how they are checked and coloured.
enum class CellRole { Fecundity, Survival, StructuralZero };
CellRole cellRole(int index);

} // namespace velmora
