#pragma once
#include "state/Programma.h"

namespace vellora {

// Starts an empty drawing after the save question; false when the user
// cancelled and nothing changed.
bool NuovoDisegno(Programma& p);

} // namespace vellora
