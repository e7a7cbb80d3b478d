#pragma once
// The selection as the plane, the macro player and the files describe it.
#include "state/Programma.h"

#include <string>

namespace vellora {

// The macro line of the current selection: "Figura attiva" or "Vertice attivo".
void RegistraSelezione(Programma& p);

// "Vertice B" / "Punto B" / "Figura" / "" for the current selection.
std::string TestoVertice(const Programma& p);

} // namespace vellora
