#pragma once
// The event pump port: one turn of the user interface's pending events.
// Macro pauses are counted in turns, so that the window stays responsive and
// the stop command can arrive while a macro plays. Tests count the turns.

namespace vellora {

class Pompa {
public:
    virtual ~Pompa() = default;
    // Handles whatever events are waiting and returns at once.
    virtual void Turno() = 0;
};

} // namespace vellora
