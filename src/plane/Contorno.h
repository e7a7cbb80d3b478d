#pragma once
// The outline of a figure through a plane-to-device mapping: the window draws
// it in pixels and the printed page in twips, from this one piece of code.
#include "model/Disegno.h"
#include "plane/Mappatura.h"
#include "state/Superficie.h"

namespace vellora {

// passo device units per tick, the plane's origin at (origineX, origineY);
// y grows upwards on the plane and downwards on the device.
struct Proiezione {
    double passo;
    double origineX;
    double origineY;
    double scalaX;
    double scalaY;

    PuntoPixel operator()(float x, float y) const
    {
        return {origineX + static_cast<double>(x) * passo / scalaX, origineY - static_cast<double>(y) * passo / scalaY};
    }
};

// The window's mapping as the last redraw computed it.
Proiezione ProiezioneSchermo(const Disegno& m, const Mappa& mp);

// Whether a two-point figure gets its closing edge too. The window leaves it
// out; the page retraces the segment, which changes nothing on paper.
enum class Chiusura { SoloPoligoni, Sempre };

// A circle figure: the hollow circle centred on point 1 through point 2.
// Any other figure: the edges 1-2 .. (n-1)-n, then the closing edge n-1.
void TracciaContorno(const Disegno& m, int f, const Proiezione& pr, ColoreRgb colore, StileLinea stile,
                     Chiusura chiusura, Superficie& s);

} // namespace vellora
