#pragma once
// The mapping between plane units and pixels of the drawing area.
#include "model/Disegno.h"
#include "state/Mappa.h"

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
void CalcolaMappatura(const Disegno& m, Mappa& mp, int w, int h);

CorniceGriglia Cornice(const Disegno& m, const Mappa& mp);

// The range the mapping and the grid use: Range kept within 1..30, so that a
// damaged drawing can neither divide by zero nor ask for millions of grid dots.
int RangeGriglia(const Disegno& m);

PuntoPixel PianoInPixel(const Disegno& m, const Mappa& mp, float x, float y);
PuntoPiano PixelInPiano(const Disegno& m, const Mappa& mp, double px, double py);

// A point may stand at most this many pixels from the origin on either axis:
// the transformations, the scale and the drag refuse to go further.
inline constexpr float LimitePixel = 16000.0f;

// True when (x, y) lies within the pixel limit at the current mapping; a NaN
// coordinate is outside.
bool EntroLimiti(const Disegno& m, const Mappa& mp, float x, float y);

} // namespace vellora
