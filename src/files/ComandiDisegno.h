#pragma once
// The File menu commands that open and save drawings, and the start-up load.
#include "files/AccessoFile.h"
#include "files/FileDisegno.h"
#include "state/Programma.h"

#include <string>

namespace vellora {

inline const std::string FiltroDisegno = "Disegno di Vellora (*.geo)|*.geo";
inline const std::string NonEUnDisegno = "Non è un disegno di Vellora";
inline const std::string MessaggioDisegnoVuoto = "Il disegno è vuoto: non c'è nulla da salvare";

// Save as: a drawing without figures is refused with a message, before any
// file is asked for. True when the file was written; a file that cannot be
// written leaves names and Modificato as they were, after a message.
bool SalvaDisegnoConNome(Programma& p);

// Save under the current name, or Save as when there is none.
bool SalvaDisegno(Programma& p);

// "Salvare il disegno?" with Sì, No and Annulla, the exclamation icon. Esc
// and the close box answer Annulla: the user keeps the drawing.
Risposta DomandaSalvare(Programma& p);

// The question before the drawing is replaced, when it has changed.
// False when the user cancelled or the save failed: the drawing must stay.
// A cancelled Save-as dialog goes on, as the user chose not to keep it.
bool ChiediDiSalvare(Programma& p);

void ApriDisegno(Programma& p);
void ApriUltimoDisegno(Programma& p);

// The drawing named on the command line (quotes dropped): silent when there is
// no such file; its folder becomes the working folder; no circle check.
void CaricaDisegnoAvvio(Programma& p);

// Puts a drawing read from a file into the program and refreshes everything.
// With the circle check, circles under unequal scales empty the drawing and
// take its name away, so that a later Save cannot write the empty drawing
// over the file.
void LeggiDisegno(Programma& p, const Disegno& c, bool controllaCerchi);

// Shows the drawing the program holds: the fields of the active figure, the
// totals at rest, the data panel, the figure items, the plane.
void MostraDisegno(Programma& p);

} // namespace vellora
