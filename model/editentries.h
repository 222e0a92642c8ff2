#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace velmora {

class Simulation;

// The first rule that "Go Back" finds broken, in the order the checks run.
enum class BrokenRule {
    None,
    SurvivalAboveOne,    // a blue cell above 1: Label1
    SurvivalBelowZero,   // a blue cell below 0: Label11
    FecundityBelowZero,  // a red cell below 0: Label7
    HarvestBelowZero,    // a green cell below 0: Label8
    PopulationBelowZero, // an N(0) entry below 0: Label9
    TooLarge,            // a number beyond the range of a double: Label10
};

// The editing window's message for a broken rule, as its label shows it; empty for None.
std::string brokenRuleMessage(BrokenRule rule);

// The value of a typed text as the checks read it, or nothing where the program cannot carry
// it (not a number, or beyond the range of a double, also once written as a number text).
std::optional<double> entryValue(const std::string &text);

// What the message strip of the editing window shows. The motto and a message share one place.
struct MessageArea {
    BrokenRule shown = BrokenRule::None; // the message on show; None while the motto is
    bool tryAgainVisible = false;
    bool tryAgainEnabled = false;

    bool mottoShown() const { return shown == BrokenRule::None; }

    bool operator==(const MessageArea &other) const;
    bool operator!=(const MessageArea &other) const { return !(*this == other); }
};

// The texts of the window in which M, N(0) and H are typed, and its message strip.
// The window keeps no numbers: every value is read from these texts when it is needed.
struct EditEntries {
    EditEntries();

    std::array<std::string, 16> m1;      // M row by row: M[r][c] is m1[4r + c]
    std::array<std::string, 4> n0;       // N(0)
    std::array<std::string, 4> Harvest1; // H
    MessageArea messages;

    // The checks of "Go Back" on the current texts: the first broken rule, or None.
    // Nothing is changed.
    BrokenRule check() const;

    // "Go Back". On a broken rule, shows its message and changes no text of either window.
    // Otherwise tidies these texts, calls `mainWindowShown` (the main window must be visible
    // before it gets its new values), writes M, N(0) and H into the simulation and restarts it.
    BrokenRule goBack(Simulation &simulation, const std::function<void()> &mainWindowShown = {});

    // "Try again": back to the motto; the texts stay as they are.
    void tryAgain();

private:
    void showMessage(BrokenRule rule);
    void tidy();
    void applyTo(Simulation &simulation) const;
};

} // namespace velmora
