#pragma once

#include <array>
#include <string>

class Simulation;

// The values of a model as the user typed them: the seven cells of M that may be set
// (fecundities f0..f3, then survival rates s0..s2), N(0) and H. Defaults are the program's.
struct ModelEntries {
    std::array<std::string, 7> matrix{"0", "1", "2", "1", "0.5", "1", "0.5"};
    std::array<std::string, 4> n0{"10", "10", "10", "10"};
    std::array<std::string, 4> harvest{"5", "0", "0", "0"};
};

// The first rule the entries break, checked as the editing window checks them: every value
// read leniently, survival rates (<= 1), then fecundities (>= 0), harvest (>= 0), N(0) (>= 0).
enum class EntryRule {
    None,
    SurvivalAboveOne,
    FecundityBelowZero,
    HarvestBelowZero,
    PopulationBelowZero,
    TooLarge, // a number beyond the range of a double
};

struct EntryCheck {
    EntryRule rule = EntryRule::None;
    std::string message; // the editing window's message for the rule
};

EntryCheck checkEntries(const ModelEntries &entries);

// Writes the entries into the simulation's fields the way the editing window applies them
// (number text form of each lenient value; structural zeros untouched) and restarts at t = 0.
// Only for entries that pass checkEntries.
void applyEntries(const ModelEntries &entries, Simulation &simulation);
