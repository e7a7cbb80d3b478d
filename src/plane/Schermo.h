#pragma once
// The plane window's canvas as the commands refresh it: the full redraw at
// the window's size with the view options of the menus.
#include "plane/Ridisegno.h"
#include "state/Programma.h"

namespace vellora {

void Ridisegna(Programma& p);      // DisegnaPiano then DisegnaFigure
void RidisegnaPiano(Programma& p); // DisegnaPiano only

// The ruler and axes-through-O check marks, and the grid intensity.
OpzioniPiano Opzioni(const Programma& p);

// The view options "Righello" and "Assi per O": check mark, then redraw.
void AlternaOpzioneVista(Programma& p, Voce v);

} // namespace vellora
