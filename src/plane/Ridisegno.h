#pragma once
// The full redraw: DisegnaPiano (clear, mapping, grid, axes, O, tick values,
// axes through O) then DisegnaFigure (every figure, the active one again on
// top, the selection marks). Nothing is ever drawn incrementally.
#include "model/Disegno.h"
#include "state/Mappa.h"
#include "state/Superficie.h"

#include <cstdint>
#include <string>

namespace vellora {

// Background of the plane window: dark blue.
inline constexpr ColoreRgb SfondoPiano{0, 0, 192};

struct OpzioniPiano {
    bool Righello = true;  // MnuVisualizzaRighello checked
    bool AssiPerO = false; // MnuVisualizzaAssiSimm checked
    uint8_t IntensitaGriglia = 100;
    int Tratto = 1; // MnuVisualizzaTrattoSpesso checked: TrattoSpesso
};

// Lines and markers this many times thicker, texts larger, for a projector.
inline constexpr int TrattoSpesso = 3;
// Texts of a thick stroke: larger, not three times as large, so that the
// tick values still fit between the ticks.
inline constexpr double TestoSpesso = 1.6;

// The plane computes its mapping into `mp`; the drawing is only read.
void DisegnaPiano(const Disegno& m, Mappa& mp, int w, int h, const OpzioniPiano& opzioni, Superficie& s);
void DisegnaFigure(const Disegno& m, const Mappa& mp, Superficie& s);
void DisegnaFigura(const Disegno& m, const Mappa& mp, int f, Superficie& s);

// Vertex marker: radius 2 pixels, solid when pieno == 0, hollow when 1; the
// label stands 10 pixels left of the point. A thick stroke (the surface's
// Tratto) makes the marker that much larger and the label stand further.
void SegnaVertice(const Disegno& m, const Mappa& mp, float x, float y, int colore, const std::string& etichetta,
                  int pieno, Superficie& s);
// The same marker with the label 5 pixels right of the point (point O, pickers).
void SegnaPunto(const Disegno& m, const Mappa& mp, float x, float y, int colore, const std::string& etichetta,
                int pieno, Superficie& s);

// The dotted light-green line x = CentroX (y = CentroY) across the grid,
// whatever the view options; nothing when it would lie on the axis.
void DisegnaAsseVerticale(const Disegno& m, const Mappa& mp, Superficie& s);
void DisegnaAsseOrizzontale(const Disegno& m, const Mappa& mp, Superficie& s);

} // namespace vellora
