#include "model/editentries.h"

#include "demography/defaultmodel.h"
#include "base/numbertext.h"
#include "base/texts.h"
#include "model/simulation.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

// A typed value, and whether the program can carry it: the number read, and the number text
// written for it, must both stay within the range of a double.
struct Entry {
    double value = 0.0;
    bool representable = false;
};

bool readsBackFinite(double value)
{
    return std::isfinite(value) && strictValue(numberText(value)).ok();
}

Entry entry(const std::string &text)
{
    const ReadResult typed = lenientValue(text);
    if (!typed.ok() || !readsBackFinite(typed.value))
        return {};
    return {typed.value, true};
}

std::string tidyText(const std::string &text)
{
    return numberText(lenientValue(text).value);
}

} // namespace

std::string brokenRuleMessage(BrokenRule rule)
{
    switch (rule) {
    case BrokenRule::None:
        break;
    //: "Try Again" / "Try again" is the editing window's button of that name.
    case BrokenRule::SurvivalAboveOne:
        return translatedText("EditEntries",
                              "Survival rate (the blue ones) must be <=1. Press Try Again to "
                              "enter new data.");
    case BrokenRule::SurvivalBelowZero:
        return translatedText("EditEntries",
                              "Survival rate (the blue ones) must be >=0. Press Try Again to "
                              "enter new data.");
    case BrokenRule::FecundityBelowZero:
        return translatedText("EditEntries",
                              "Fecundity (the red ones) must >=0. Click Try again to enter new "
                              "data.");
    case BrokenRule::HarvestBelowZero:
        return translatedText("EditEntries",
                              "The harvest rate (the green boxes) must be >=0. Click Try again to "
                              "enter new data.");
    case BrokenRule::PopulationBelowZero:
        return translatedText("EditEntries",
                              "The number of each age group of N(0) must be >=0. Press Try again "
                              "to retry.");
    case BrokenRule::TooLarge:
        return translatedText("EditEntries",
                              "The number is too large. Press Try again to enter new data.");
    }
    return {};
}

std::optional<double> entryValue(const std::string &text)
{
    const Entry e = entry(text);
    return e.representable ? std::optional<double>(e.value) : std::nullopt;
}

bool MessageArea::operator==(const MessageArea &other) const
{
    return shown == other.shown && tryAgainVisible == other.tryAgainVisible
           && tryAgainEnabled == other.tryAgainEnabled;
}

EditEntries::EditEntries()
{
    std::copy(kDefaultMatrix.begin(), kDefaultMatrix.end(), m1.begin());
    std::copy(kDefaultN0.begin(), kDefaultN0.end(), n0.begin());
    std::copy(kDefaultHarvest.begin(), kDefaultHarvest.end(), Harvest1.begin());
}

BrokenRule EditEntries::check() const
{
    // A number beyond the range of a double has no value to compare, so the four rules pass
    // over it and the rule of its own after them reports it.
    for (const int index : kSurvivalCells) {
        const Entry e = entry(m1[index]);
        if (e.representable && e.value > 1)
            return BrokenRule::SurvivalAboveOne;
    }
    // A negative share of survivors would project negative animals into the next class.
    for (const int index : kSurvivalCells) {
        const Entry e = entry(m1[index]);
        if (e.representable && e.value < 0)
            return BrokenRule::SurvivalBelowZero;
    }
    for (int i = 0; i < 4; ++i) {
        const Entry e = entry(m1[i]);
        if (e.representable && e.value < 0)
            return BrokenRule::FecundityBelowZero;
    }
    for (const std::string &text : Harvest1) {
        const Entry e = entry(text);
        if (e.representable && e.value < 0)
            return BrokenRule::HarvestBelowZero;
    }
    for (const std::string &text : n0) {
        const Entry e = entry(text);
        if (e.representable && e.value < 0)
            return BrokenRule::PopulationBelowZero;
    }

    for (const std::string &text : m1) {
        if (!entry(text).representable)
            return BrokenRule::TooLarge;
    }
    for (const std::string &text : Harvest1) {
        if (!entry(text).representable)
            return BrokenRule::TooLarge;
    }
    // The restart adds N(0) up as the main window shows it; that total must fit as well.
    double total = 0.0;
    for (const std::string &text : n0) {
        if (!entry(text).representable)
            return BrokenRule::TooLarge;
        total += strictValue(tidyText(text)).value;
    }
    if (!readsBackFinite(total))
        return BrokenRule::TooLarge;
    return BrokenRule::None;
}

BrokenRule EditEntries::goBack(Simulation &simulation, const std::function<void()> &mainWindowShown)
{
    const BrokenRule rule = check();
    if (rule != BrokenRule::None) {
        showMessage(rule);
        return rule;
    }
    tidy();
    if (mainWindowShown)
        mainWindowShown();
    applyTo(simulation);
    return BrokenRule::None;
}

void EditEntries::tryAgain()
{
    messages.shown = BrokenRule::None;
    messages.tryAgainEnabled = false;
    messages.tryAgainVisible = false;
}

void EditEntries::showMessage(BrokenRule rule)
{
    // The labels share one place: an older message left visible could cover the new one,
    // so only the newest is shown.
    messages.shown = rule;
    messages.tryAgainVisible = true;
    messages.tryAgainEnabled = true;
}

void EditEntries::tidy()
{
    for (std::string &text : m1)
        text = tidyText(text);
    for (std::string &text : n0)
        text = tidyText(text);
}

void EditEntries::applyTo(Simulation &simulation) const
{
    MainFields &fields = simulation.fields();
    for (int i = 0; i < 4; ++i) {
        simulation.setMatrixCell(i, tidyText(m1[i]));
        fields.n1[i] = tidyText(n0[i]);
        fields.n2[i].clear();
    }
    for (int i = 0; i < 4; ++i)
        fields.Harvest[i] = tidyText(Harvest1[i]);
    // The structural zeros of the main window keep their "0" for the whole run.
    for (const int index : kSurvivalCells)
        simulation.setMatrixCell(index, tidyText(m1[index]));
    simulation.Restart();
}

} // namespace velmora
