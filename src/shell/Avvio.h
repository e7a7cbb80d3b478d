#pragma once
// Start-up and orderly shutdown of the program.
#include "state/Programma.h"

#include <string>

namespace vellora {

inline const std::string MessaggioSchermo =
    "Questo programma richiede dimensioni dello schermo non inferiori a 800x600";

bool SchermoSufficiente(int larghezza, int altezza);

// Program folder, working folder, recent.dat and every initial value, before
// the windows open. cartellaProgramma ends with '/'.
void Inizializza(Programma& p, const std::string& cartellaProgramma, const std::string& cartellaDati,
                 const std::string& rigaComando);

// With no drawing on the command line the title window shows at start-up.
bool MostraTitoloAllAvvio(const Programma& p);

// Last step of the start-up, once the plane window has its canvas.
void AvviaFinestra(Programma& p);

// The main window asks to close: the save question. The plane window then
// decides (ChiusuraPiano); the main window closes only if both agree.
// False when a save the user asked for did not happen.
bool ChiusuraPrincipale(Programma& p);

// The plane window asks to close: refused while a macro records or plays,
// and when only the plane window was closed (a new drawing starts instead).
bool ChiusuraPiano(Programma& p);

// Both steps in order; a refused close leaves InChiusura false, so that a
// later close of the plane window alone still starts a new drawing.
bool RichiestaChiusura(Programma& p);

// The main window closes: recent.dat is rewritten.
void Termina(Programma& p);

} // namespace vellora
