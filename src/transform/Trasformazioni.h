#pragma once
// The eleven buttons of the side toolbar: which gesture does what, the click
// procedure shared by the toolbar, the settings menu and the macro player,
// and the line each application leaves in a recorded macro.
#include "model/Disegno.h"
#include "transform/Formule.h"

#include <functional>
#include <optional>
#include <string>

namespace vellora {

class Programma;

enum class Gesto { Applica, Inversa, Impostazioni, Altro };

// pulsante: a code of TastiMouse.h, as the button reports it on release.
// A symmetry applies itself on any left click, whatever the modifiers; the
// others apply on a plain left click and invert on Shift alone. The right
// click opens the settings; everything else only refreshes.
Gesto GestoDaMouse(Trasformazione t, int pulsante, bool shift, bool altriModificatori);

// The application a click would make now with the program's parameters.
// Shift on a symmetry is the symmetry itself.
Applicazione ApplicazioneCorrente(const Programma& p, Trasformazione t, bool inversa);

// The macro line of an application: an inverse is written as the forward
// transformation with the opposite or reciprocal value (in single
// precision), so that playback needs forward actions only. Empty when that
// reciprocal is not a finite float (a zero coefficient).
std::optional<std::string> RigaMacroDi(const Applicazione& a);

// Shows the settings dialog of a transformation and returns when it has
// closed (the GUI's window over ModuloImpostazioni).
using FinestraImpostazioni = std::function<void(Programma&, Trasformazione)>;

// A click on a transformation button with its gesture: transforms the active
// figure (or its active vertex), updates the totals and their panels, records
// the macro line, refreshes. A refused click leaves the figure as it was.
// The settings gesture opens `impostazioni` first, except while a macro
// plays, whose lines set the parameters themselves.
void ClicTrasformazione(Programma& p, Trasformazione t, Gesto g, const FinestraImpostazioni& impostazioni = {});

} // namespace vellora
