#pragma once
// The mapping between plane units and pixels of the drawing area.
#include "model/Modello.h"

namespace vellora {

struct PuntoPixel {
    double x;
    double y;
};

struct PuntoPiano {
    double x;
    double y;
};

// Grid frame of the last mapping, in pixels.
struct CorniceGriglia {
    int xSinistra, xDestra, yAlto, yBasso;
};

// Recomputes SemiAmpiezza, PassoPixel, OrigineX and OrigineY for a drawing
// area of w x h pixels.
void CalcolaMappatura(Modello& m, int w, int h);

CorniceGriglia Cornice(const Modello& m);

// The range the mapping and the grid use: Range kept within 1..30, so that a
// damaged drawing can neither divide by zero nor ask for millions of grid dots.
int RangeGriglia(const Modello& m);

PuntoPixel PianoInPixel(const Modello& m, float x, float y);
PuntoPiano PixelInPiano(const Modello& m, double px, double py);

} // namespace vellora
