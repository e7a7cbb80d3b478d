#pragma once
// The two auxiliary dialogs of the settings, without their windows: the
// midpoint of a segment QR and the translation from Q to R. Q and R start
// at the origin and are taken from the active figure's points.
#include "transform/Formule.h"

namespace vellora {

class Programma;

class ModuloPuntiQR {
public:
    explicit ModuloPuntiQR(Programma& p);

    PuntoF Q{0.0f, 0.0f};
    PuntoF R{0.0f, 0.0f};

    // Picker k (1..8) of Q (r false) or of R: the point of the active
    // figure, then the plane shows Q and R; beyond its points, nothing.
    void Seleziona(bool r, int k);
    // OK of the midpoint dialog: point O := the midpoint of QR.
    void PuntoMedio();
    // OK of the translation dialog: the vector from Q to R.
    PuntoF Vettore() const;

private:
    Programma& p_;
};

} // namespace vellora
