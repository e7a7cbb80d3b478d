#include "shell/NuovoDisegno.h"

#include "files/ComandiDisegno.h"

namespace vellora {

bool NuovoDisegno(Programma& p)
{
    if (!ChiediDiSalvare(p))
        return false;
    AzzeraDisegno(p.m);
    p.testi.CampoFigura = NonCiSonoFigure;
    p.testi.CampoVertice.clear();
    p.AzzeraTotali();
    p.testi.DatiVisibili = false;
    p.voci.Spunta(Voce::MnuVisualizzaDati, false);
    p.AbilitaVociFigure(false);
    p.testi.DidascaliaPiano = SenzaNome;
    p.RidisegnaPiano();
    p.Mostra();
    return true;
}

} // namespace vellora
