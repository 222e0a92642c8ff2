#pragma once

#include "model/mainfields.h"
#include "model/module1.h"

#include <functional>
#include <string>

namespace velmora {

// A message the model wants shown in a modal box before it goes on.
struct ModelMessage {
    enum class Kind {
        RejectedStep, // "Population size = 0": OK and Cancel, no icon
        HistoryFull,  // time index 1000 reached
        Overflow,     // a result beyond what a double (or the float growth rate) holds
        NotANumber,   // a field the steps read does not hold a number
    };
    Kind kind;
    std::string title;
    std::string text;
};

// How a click on "Project" ended.
enum class ProjectionOutcome {
    Counted,   // N(t+1) shown and recorded, "Transit" offered
    Rejected,  // the step would empty the population; not counted
    Ended,     // the run started from an empty population: end of simulation
    Refused,   // nothing changed: history full, overflow or unreadable field
};

// The simulation behind the main window: its fields, the steps and the shared history.
class Simulation {
public:
    explicit Simulation(Module1 &history);

    MainFields &fields() { return m_fields; }
    const MainFields &fields() const { return m_fields; }
    const Module1 &history() const { return m_history; }

    // Called with every message box the steps raise, at the moment the box is due;
    // returns when the box has been answered.
    std::function<void(const ModelMessage &)> onMessage;

    // Load of the main window: records N(0) at time 0 and shows its total.
    void startUp();
    // New run at t = 0 from the texts now in the fields.
    void Restart();
    ProjectionOutcome Projection();
    void Transition();

    // A matrix cell's text changed: withdraw a shown N(t+1) and offer "Project" again.
    void m_Change(int index);
    // Writes a matrix cell and raises m_Change when the text differs.
    void setMatrixCell(int index, const std::string &text);

private:
    void post(ModelMessage::Kind kind) const;

    MainFields m_fields;
    Module1 &m_history;
};

} // namespace velmora
