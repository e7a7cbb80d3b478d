#pragma once
// Recording and playing macros: the commands of the Macro menu and of the
// side-toolbar button Macro. Playback stores each line's parameters and calls
// the very commands the toolbar, the plane buttons, replicate and delete call.
#include <string>

namespace vellora {

class Programma;

// Recording.
void IniziaRegistrazione(Programma& p);  // MnuMacroInizio
void TerminaRegistrazione(Programma& p); // MnuMacroFine: save dialog "Salva file macro"
void InserisciPausa(Programma& p);       // MnuMacroInserisciPausa: the line "Pausa"
void ApriMacro(Programma& p);            // MnuMacroApri: "Apri file macro"

// The second half of ApriMacro, for a file already chosen (the command-line
// mode): the file over the working copy, its name active, Esegui and Edita
// enabled. False, after a message, when the file cannot be copied.
bool AttivaFileMacro(Programma& p, const std::string& percorso);

// Playback.
void EseguiMacro(Programma& p);          // MnuMacroEsegui
void EseguiMacroInversa(Programma& p);   // Shift-click on Macro: the .inv.mcr partner
void InterrompiEsecuzione(Programma& p); // MnuMacroInterrompi (Ctrl+I)
// The space bar during playback: the teacher ends the current pause and the
// macro goes on with its next line.
void ContinuaMacro(Programma& p);

// EseguiMacro for a working copy made from `origine`, the file the user gave
// (the command-line mode plays a copy of its own): a copy that cannot be
// played at all (unreadable, empty, not text) is reported under that name.
void EseguiMacroCopiata(Programma& p, const std::string& origine);

// The side-toolbar button Macro: pulsante one of the codes of TastiMouse.h.
void PulsanteMacro(Programma& p, int pulsante, bool shift, bool altriModificatori);

// "x.inv.mcr" for "x.mcr" and back; empty when the name has neither ending
// (compared exactly: ".MCR" has no partner).
std::string NomeMacroInversa(const std::string& nomeMacro);

// The working copy: the program folder's (or data folder's) "Macro.tmp".
std::string PercorsoCopiaLavoro(const Programma& p);

} // namespace vellora
