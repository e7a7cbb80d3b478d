#include "transform/PuntiQR.h"

#include "model/Nomi.h"
#include "plane/Schermo.h"
#include "state/Programma.h"
#include "state/Selettori.h"

namespace vellora {

ModuloPuntiQR::ModuloPuntiQR(Programma& p) : p_(p) {}

void ModuloPuntiQR::Seleziona(bool r, int k)
{
    const Disegno& d = p_.d;
    PuntoF& punto = r ? R : Q;
    if (!PuntoSelezionabile(d, k, punto.x, punto.y))
        return;
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
