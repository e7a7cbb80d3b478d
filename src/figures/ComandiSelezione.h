#pragma once
// Commands of the lower toolbar and the Edit menu that act on the selection:
// step through figures and points, delete, replicate, colour, dotted outline.
#include "state/Programma.h"

namespace vellora {

void FiguraSuccessiva(Programma& p);  // FigAvanti
void FiguraPrecedente(Programma& p);  // FigIndietro
void VerticeSuccessivo(Programma& p); // VerticeAvanti
void VerticePrecedente(Programma& p); // VerticeIndietro

// Asks first unless a macro plays; false when cancelled or nothing to delete.
bool EliminaFiguraAttiva(Programma& p);
// Refused with a message when the table is full.
bool ReplicaFiguraAttiva(Programma& p);

// The toolbar buttons act only on a drawing with figures and while their
// menu is enabled (a playing macro disables the menus).
void CmdElimina_Click(Programma& p);
void CmdReplica_Click(Programma& p);

// Palette buttons 0..6 recolour the active figure, 7 toggles its dotted outline.
void ApplicaTavolozza(Programma& p, int indice);

} // namespace vellora
