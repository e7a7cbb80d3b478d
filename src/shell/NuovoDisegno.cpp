#include "shell/NuovoDisegno.h"

#include "files/ComandiDisegno.h"
#include "files/Commento.h"
#include "plane/Schermo.h"

namespace vellora {

bool NuovoDisegno(Programma& p)
{
    if (!ChiudiCommento(p) || !ChiediDiSalvare(p))
        return false;
    AzzeraDisegno(p.d);
    p.sessione.NomeDisegno.clear();
    p.sessione.Modificato = false;
    p.storia.Svuota();
    p.TestiSenzaFigure();
    p.AzzeraTotali();
    p.testi.DidascaliaPiano = SenzaNome;
    RidisegnaPiano(p);
    p.Mostra();
    return true;
}

} // namespace vellora
