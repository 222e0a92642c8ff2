#include "modelentries.h"

#include "numbertext.h"
#include "simulation.h"

namespace {

// Where the seven entries of the matrix option sit in M (row by row).
constexpr std::array<size_t, 7> kMatrixCell{0, 1, 2, 3, 4, 9, 14};

} // namespace

EntryCheck checkEntries(const ModelEntries &entries)
{
    struct Group {
        const std::string *texts;
        size_t count;
        EntryRule rule;
        bool (*breaks)(double);
        const char *message;
    };
    const Group groups[] = {
        {&entries.matrix[4], 3, EntryRule::SurvivalAboveOne, [](double x) { return x > 1; },
         "Survival rate (the blue ones) must be <=1. Press Try Again to enter new data."},
        {&entries.matrix[0], 4, EntryRule::FecundityBelowZero, [](double x) { return x < 0; },
         "Fecundity (the red ones) must >=0. Click Try again to enter new data."},
        {entries.harvest.data(), 4, EntryRule::HarvestBelowZero, [](double x) { return x < 0; },
         "The harvest rate (the green boxes) must be >=0. Click Try again to enter new data."},
        {entries.n0.data(), 4, EntryRule::PopulationBelowZero, [](double x) { return x < 0; },
         "The number of each age group of N(0) must be >=0. Press Try again to retry."},
    };
    for (const Group &group : groups) {
        for (size_t i = 0; i < group.count; ++i) {
            const ReadResult read = lenientValue(group.texts[i]);
            if (!read.ok())
                return {EntryRule::TooLarge, "The number \"" + group.texts[i] + "\" is too large."};
            if (group.breaks(read.value))
                return {group.rule, group.message};
        }
    }
    return {};
}

void applyEntries(const ModelEntries &entries, Simulation &simulation)
{
    MainFields &f = simulation.fields();
    for (size_t i = 0; i < 4; ++i) {
        f.n1[i] = numberText(lenientValue(entries.n0[i]).value);
        f.n2[i].clear();
        f.Harvest[i] = numberText(lenientValue(entries.harvest[i]).value);
    }
    for (size_t i = 0; i < kMatrixCell.size(); ++i)
        simulation.setMatrixCell(static_cast<int>(kMatrixCell[i]),
                                 numberText(lenientValue(entries.matrix[i]).value));
    simulation.Restart();
}
