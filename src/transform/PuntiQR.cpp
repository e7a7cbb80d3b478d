#include "transform/PuntiQR.h"

#include "model/Nomi.h"
#include "plane/Schermo.h"
#include "state/Programma.h"

namespace vellora {

ModuloPuntiQR::ModuloPuntiQR(Programma& p) : p_(p) {}

void ModuloPuntiQR::Seleziona(bool r, int k)
{
    const Disegno& d = p_.d;
    if (d.NumeroFigure < 1 || k < 1 || k > PuntiValidi(d, d.FiguraAttiva))
        return;
    (r ? R : Q) = {d.Figure.X(d.FiguraAttiva, k), d.Figure.Y(d.FiguraAttiva, k)};
    Ridisegna(p_);
    if (Superficie* s = p_.Schermo(); s && p_.Larghezza() > 0 && p_.Altezza() > 0) {
        SegnaPunto(d, p_.mappa, Q.x, Q.y, CodiceBianco, "Q", 0, *s);
        SegnaPunto(d, p_.mappa, R.x, R.y, CodiceBianco, "R", 0, *s);
    }
    p_.Mostra();
}

void ModuloPuntiQR::PuntoMedio()
{
    p_.d.CentroX = (Q.x + R.x) / 2.0f;
    p_.d.CentroY = (Q.y + R.y) / 2.0f;
}

PuntoF ModuloPuntiQR::Vettore() const
{
    return {R.x - Q.x, R.y - Q.y};
}

} // namespace vellora
