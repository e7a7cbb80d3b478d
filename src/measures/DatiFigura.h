#pragma once
// The measurements of the selected figure shown in the data panel.
#include "model/Disegno.h"

#include <string>

namespace vellora {

class Programma;

// The whole panel text of the active figure, CR LF line ends. Writes the
// closing copy of point 1 (slot n+1) before measuring.
std::string TestoDatiFigura(Disegno& m);

// Shoelace area of figure f, never negative; writes the closing copy first.
float AreaPoligono(Disegno& m, int f);

// The convex angle at Q between QP and QR: "90°", "33,6901°", or
// "non definito" when P or R coincides with Q.
std::string TestoAngolo(float px, float py, float qx, float qy, float rx, float ry);

// Length of a UTF-8 text in characters, as the text box counts its caret:
// a CR LF line end is one position.
int LunghezzaTesto(const std::string& testo);

// Refreshes the panel text of the active figure while the panel is shown.
void AggiornaDati(Programma& p);

// The menu item "Dati figura selezionata": shows or hides the panel.
void AlternaDati(Programma& p);

} // namespace vellora
