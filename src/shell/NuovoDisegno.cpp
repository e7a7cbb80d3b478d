#include "shell/NuovoDisegno.h"

#include "files/ComandiDisegno.h"

namespace vellora {

bool NuovoDisegno(Programma& p)
{
    if (!ChiediDiSalvare(p))
        return false;
    AzzeraDisegno(p.m);
    p.TestiSenzaFigure();
    p.AzzeraTotali();
    p.testi.DidascaliaPiano = SenzaNome;
    p.RidisegnaPiano();
    p.Mostra();
    return true;
}

} // namespace vellora
