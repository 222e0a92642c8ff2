// The editing window's "Go Back" / "Try again" through the model, with arbitrary texts in all
// 24 entries, followed by a few steps. A refused entry changes no text; an applied one leaves
// every field of the main window blank or a finite number, and so do the steps after it.
#include "model/editentries.h"
#include "fuzz/fuzzcheck.h"
#include "base/numbertext.h"
#include "fuzz/fuzzinput.h"
#include "model/simulation.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

using namespace velmora;

namespace {

std::vector<const std::string *> mainTexts(const MainFields &f)
{
    std::vector<const std::string *> texts;
    for (const auto &t : f.m)
        texts.push_back(&t);
    for (const auto *group : {&f.n1, &f.Harvest, &f.n2}) {
        for (const auto &t : *group)
            texts.push_back(&t);
    }
    for (const auto *t : {&f.total1, &f.total2, &f.growrate, &f.simu0, &f.simut})
        texts.push_back(t);
    return texts;
}

std::vector<std::string *> entryTexts(EditEntries &e)
{
    std::vector<std::string *> texts;
    for (auto &t : e.m1)
        texts.push_back(&t);
    for (auto &t : e.n0)
        texts.push_back(&t);
    for (auto &t : e.Harvest1)
        texts.push_back(&t);
    return texts;
}

bool sameTexts(const MainFields &a, const MainFields &b)
{
    const auto x = mainTexts(a);
    const auto y = mainTexts(b);
    for (size_t i = 0; i < x.size(); ++i) {
        if (*x[i] != *y[i])
            return false;
    }
    return true;
}

std::string describe(EditEntries &e)
{
    std::string all;
    for (const std::string *t : entryTexts(e))
        all += *t + '|';
    return all;
}

void requireFiniteFields(const MainFields &f, const std::string &input, const char *when)
{
    for (const std::string *text : mainTexts(f))
        require(finiteOrBlank(*text), when, input + " field=" + *text);
}

void requireFiniteHistory(const Module1 &h, const std::string &input)
{
    for (int t = 0; t <= h.tcount; ++t) {
        require(std::isfinite(h.Ntot[t]), "non-finite total in the history", input);
        for (int i = 0; i < kClasses; ++i)
            require(std::isfinite(h.Nhist[i][t]), "non-finite class in the history", input);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    auto history = std::make_unique<Module1>();
    Simulation simulation(*history);
    size_t messageCount = 0;
    simulation.onMessage = [&](const ModelMessage &) { ++messageCount; };
    simulation.startUp();
    EditEntries entries;

    const int rounds = in.intInRange(1, 3);
    for (int round = 0; round < rounds; ++round) {
        for (std::string *text : entryTexts(entries))
            *text = in.text(48);
        const std::string typed = describe(entries);
        const MainFields before = simulation.fields();
        const int16_t tcountBefore = history->tcount;
        bool mainShown = false;

        const BrokenRule rule = entries.goBack(simulation, [&] { mainShown = true; });
        if (rule != BrokenRule::None) {
            const MessageArea &m = entries.messages;
            require(!mainShown, "a refused entry showed the main window", typed);
            require(sameTexts(simulation.fields(), before) && history->tcount == tcountBefore,
                    "a refused entry changed the main window", typed);
            require(describe(entries) == typed, "a refused entry changed its own texts", typed);
            require(m.shown != BrokenRule::None && !m.mottoShown()
                        && m.tryAgainVisible && m.tryAgainEnabled,
                    "a refused entry shows not exactly one message", typed);
            require(entries.check() == rule, "the check changed its mind", typed);
            entries.tryAgain();
            require(entries.messages == MessageArea{}, "Try again left a message", typed);
            continue;
        }

        require(mainShown, "the main window was not shown before the values", typed);
        require(history->tcount == 0, "an applied entry did not restart the run", typed);
        for (std::string *text : entryTexts(entries))
            require(lenientValue(*text).ok(), "a tidied entry does not read back", typed);
        requireFiniteFields(simulation.fields(), typed, "an applied entry left a non-finite field");
        requireFiniteHistory(*history, typed);

        const int steps = in.intInRange(0, 6);
        for (int step = 0; step < steps; ++step) {
            MainFields &f = simulation.fields();
            if (f.projectEnabled) {
                const size_t messagesBefore = messageCount;
                const ProjectionOutcome outcome = simulation.Projection();
                if (outcome == ProjectionOutcome::Refused || outcome == ProjectionOutcome::Rejected)
                    require(messageCount > messagesBefore, "a refused step said nothing", typed);
            }
            if (f.transitEnabled)
                simulation.Transition();
            requireFiniteFields(f, typed, "a step left a non-finite field");
            requireFiniteHistory(*history, typed);
        }
    }
    return 0;
}
