#pragma once
// The mouse on the plane window. Hovering names the object under the pointer
// and leaves it in the program's StatoMouse; a left click selects that object
// (Shift: places O there); a right press prepares moving the selection to the
// pointer and previews it, the right release applies the move. The window
// only forwards its events here and shows what comes back.
#include "model/Disegno.h"
#include "state/Mappa.h"
#include "state/StatoMouse.h"
#include "state/Superficie.h"
#include "state/TastiMouse.h"

#include <string>

namespace vellora {

class Programma;

// Hover tolerances in plane units: one tick is ScalaX units, so they grow
// with the scale and stay the same on screen.
struct Tolleranze {
    float punto;   // a point figure, a circle's centre and point
    float lato;    // an edge: excess of the two distances over its length
    float vertice; // a vertex of a figure whose edge is under the pointer
};
Tolleranze TolleranzeDi(float scalaX);

// The hover test at the plane point (x, y); it only reads the drawing. A hit on the active figure lets the scan go on,
// so that another figure under the pointer wins and a click can reach it.
void TestPassaggio(const Disegno& m, float x, float y, StatoMouse& presa);

// The hover label for figure f and its point k (0: the whole figure).
std::string TestoPassaggio(const Disegno& m, int f, int k);
// The label of a Shift move: " 1,5;   -2 ".
std::string TestoCoordinate(float x, float y);

// What the window does with its floating label and pointer after a move.
struct Servizio {
    enum class Etichetta { Invariata, Nascosta, Visibile } etichetta = Etichetta::Invariata;
    enum class Puntatore { Invariato, Freccia, Proprio } puntatore = Puntatore::Invariato;
    int x = 0; // top-left corner of the label, window pixels
    int y = 0;
    std::string testo;
};

// Pointer moved to pixel (px, py) with the modifier bits `tasti`.
Servizio MouseMosso(Programma& p, int tasti, double px, double py);
// A button went down or up at pixel (px, py).
void MousePremuto(Programma& p, int pulsante, int tasti, double px, double py);
void MouseRilasciato(Programma& p, int pulsante, int tasti);

// The commands the events dispatch to, in plane units.
void SelezionaPresa(Programma& p);                       // left click
void PosizionaO(Programma& p, float x, float y);         // Shift + left click
void PreparaSpostamento(Programma& p, float x, float y); // right press
void ApplicaSpostamento(Programma& p);                   // right release

// The white preview of a move from anchor (ax, ay) to (x, y): an horizontal
// then a vertical dotted leg, each with an arrowhead six pixels long.
void DisegnaAnteprima(const Disegno& m, const Mappa& mp, float ax, float ay, float x, float y, Superficie& s);

// A click in the data panel: where the caret landed (s of a text of length
// L) becomes 0, 2/3 or 1, so that the panel keeps showing that part.
float PosizioneDaClic(double s, double lunghezza);
void ClicDati(Programma& p, int posizione, int lunghezza);

} // namespace vellora
