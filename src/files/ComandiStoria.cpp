#include "files/ComandiStoria.h"

#include "files/ComandiDisegno.h"
#include "model/NumeriTesto.h"
#include "plane/Mappatura.h"

namespace vellora {

namespace {

void Mostra(Programma& p)
{
    // The range may have changed: the scale of the plane with it.
    p.mappa.PassoPixel = Arrotonda(p.mappa.SemiAmpiezza / static_cast<float>(RangeGriglia(p.d)));
    p.sessione.Modificato = !p.storia.AlSalvato();
    MostraDisegno(p);
}

} // namespace

void AnnullaPasso(Programma& p)
{
    if (!p.voci.Abilitata(Voce::MnuModificaAnnulla) || !p.storia.PuoAnnullare())
        return;
    p.storia.Annulla(p.d);
    Mostra(p);
}

void RipetiPasso(Programma& p)
{
    if (!p.voci.Abilitata(Voce::MnuModificaRipeti) || !p.storia.PuoRipetere())
        return;
    p.storia.Ripeti(p.d);
    Mostra(p);
}

} // namespace vellora
