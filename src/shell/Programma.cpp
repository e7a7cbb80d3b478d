#include "shell/Programma.h"

#include "figures/DatiFigura.h"
#include "model/Nomi.h"

#include <cmath>

namespace vellora {

Programma::Programma(Dialoghi& d, Vista& v) : dialoghi(d), vista(v)
{
    testi.Pannelli = TestiPannelli(totali);
}

void Programma::ImpostaSchermo(Superficie* schermo, int larghezza, int altezza)
{
    schermo_ = schermo;
    larghezza_ = larghezza;
    altezza_ = altezza;
}

OpzioniPiano Programma::Opzioni() const
{
    return {voci.Spuntata(Voce::MnuVisualizzaRighello), voci.Spuntata(Voce::MnuVisualizzaAssiSimm)};
}

void Programma::RidisegnaPiano()
{
    if (schermo_ && larghezza_ > 0 && altezza_ > 0)
        DisegnaPiano(m, larghezza_, altezza_, Opzioni(), *schermo_);
}

void Programma::Ridisegna()
{
    RidisegnaPiano();
    if (schermo_ && larghezza_ > 0 && altezza_ > 0)
        DisegnaFigure(m, *schermo_);
}

void Programma::TestiFigura()
{
    const int f = m.FiguraAttiva;
    // A point figure has no vertex to choose: its field stays empty.
    testi.CampoVertice = NumeroPunti(m, f) == 1 && !IsCerchio(m, f) ? "" : "Figura";
    testi.CampoFigura = DescrizioneFigura(m, f);
}

void Programma::TestiSenzaFigure()
{
    testi.CampoFigura = NonCiSonoFigure;
    testi.CampoVertice.clear();
    testi.DatiVisibili = false;
    voci.Spunta(Voce::MnuVisualizzaDati, false);
    AbilitaVociFigure(false);
}

void Programma::AzzeraTotali()
{
    totali = Totali{};
    testi.Pannelli = TestiPannelli(totali);
}

void Programma::AggiornaDati()
{
    if (!voci.Spuntata(Voce::MnuVisualizzaDati) || m.NumeroFigure == 0)
        return;
    testi.TestoDati = TestoDatiFigura(m);
    // A circle's text leaves the caret alone; otherwise the caret goes back to
    // where the user last clicked, as a fraction of the text.
    testi.CursoreDati = IsCerchio(m, m.FiguraAttiva)
                            ? -1
                            : static_cast<int>(std::lround(m.PosizioneDati * LunghezzaTesto(testi.TestoDati)));
}

void Programma::AlternaOpzioneVista(Voce v)
{
    voci.Spunta(v, !voci.Spuntata(v));
    Ridisegna();
    Mostra();
}

void Programma::AbilitaVociFigure(bool si)
{
    voci.Abilita(Voce::MnuVisualizzaDati, si);
    voci.Abilita(Voce::MnuModificaElimina, si);
    voci.Abilita(Voce::MnuFiguraReplica, si);
}

} // namespace vellora
