#pragma once
// The full redraw: DisegnaPiano (clear, mapping, grid, axes, O, tick values,
// axes through O) then DisegnaFigure (every figure, the active one again on
// top, the selection marks). Nothing is ever drawn incrementally.
#include "model/Modello.h"
#include "plane/Superficie.h"

#include <string>

namespace vellora {

// Background of the plane window: dark blue.
inline constexpr ColoreRgb SfondoPiano{0, 0, 192};

struct OpzioniPiano {
    bool Righello = true;  // MnuVisualizzaRighello checked
    bool AssiPerO = false; // MnuVisualizzaAssiSimm checked
};

void DisegnaPiano(Modello& m, int w, int h, const OpzioniPiano& opzioni, Superficie& s);
void DisegnaFigure(const Modello& m, Superficie& s);
void DisegnaFigura(const Modello& m, int f, Superficie& s);

// Vertex marker: radius 2 pixels, solid when pieno == 0, hollow when 1; the
// label stands 10 pixels left of the point.
void SegnaVertice(const Modello& m, float x, float y, int colore, const std::string& etichetta, int pieno,
                  Superficie& s);
// The same marker with the label 5 pixels right of the point (point O, pickers).
void SegnaPunto(const Modello& m, float x, float y, int colore, const std::string& etichetta, int pieno, Superficie& s);

} // namespace vellora
