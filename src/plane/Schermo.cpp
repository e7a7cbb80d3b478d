#include "plane/Schermo.h"

namespace vellora {

OpzioniPiano Opzioni(const Programma& p)
{
    return {p.voci.Spuntata(Voce::MnuVisualizzaRighello), p.voci.Spuntata(Voce::MnuVisualizzaAssiSimm),
            p.sessione.IntensitaGriglia, p.voci.Spuntata(Voce::MnuVisualizzaTrattoSpesso) ? TrattoSpesso : 1};
}

void RidisegnaPiano(Programma& p)
{
    if (p.Schermo() && p.Larghezza() > 0 && p.Altezza() > 0)
        DisegnaPiano(p.d, p.mappa, p.Larghezza(), p.Altezza(), Opzioni(p), *p.Schermo());
}

void Ridisegna(Programma& p)
{
    RidisegnaPiano(p);
    if (p.Schermo() && p.Larghezza() > 0 && p.Altezza() > 0)
        DisegnaFigure(p.d, p.mappa, *p.Schermo());
}

void AlternaOpzioneVista(Programma& p, Voce v)
{
    p.voci.Spunta(v, !p.voci.Spuntata(v));
    Ridisegna(p);
    p.Mostra();
}

} // namespace vellora
