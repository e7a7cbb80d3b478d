#pragma once
// The event pump on screen: one turn handles the pending events of the
// application. A turn lasts at least 0,1 ms, so that a pause of length L
// (L x 100 turns) lasts about L hundredths of a second on any machine.
#include "state/Pompa.h"

#include <chrono>

namespace vellora {

class PompaQt : public Pompa {
public:
    static constexpr std::chrono::microseconds DurataTurno{100};

    void Turno() override;

private:
    // When the current turn may end. Turns of one pause follow each other
    // from this instant, so that a sleep that wakes late is made up by the
    // next one and the pause as a whole keeps its length.
    std::chrono::steady_clock::time_point fine_{};
};

} // namespace vellora
