#include "state/Programma.h"

#include "model/Nomi.h"

namespace vellora {

Programma::Programma(Dialoghi& dd, Vista& v) : dialoghi(dd), vista(v)
{
    testi.Pannelli = TestiPannelli(totali);
}

void Programma::ImpostaSchermo(Superficie* schermo, int larghezza, int altezza)
{
    schermo_ = schermo;
    larghezza_ = larghezza;
    altezza_ = altezza;
}

void Programma::TestiFigura()
{
    const int f = d.FiguraAttiva;
    // A point figure has no vertex to choose: its field stays empty.
    testi.CampoVertice = NumeroPunti(d, f) == 1 && !IsCerchio(d, f) ? "" : "Figura";
    testi.CampoFigura = DescrizioneFigura(d, f);
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

void Programma::AbilitaVociFigure(bool si)
{
    voci.Abilita(Voce::MnuVisualizzaDati, si);
    voci.Abilita(Voce::MnuModificaElimina, si);
    voci.Abilita(Voce::MnuFiguraReplica, si);
}

void Programma::AccodaRigaMacro(const std::string& riga)
{
    if (sessione.RegistraMacro && registratore)
        registratore->Accoda(riga);
}

void Programma::SegnaModifiche(const Disegno& prima)
{
    if (!sessione.Modificato && d != prima)
        sessione.Modificato = true;
}

void Programma::Mostra()
{
    AggiornaVociStoria(*this);
    vista.Aggiorna();
}

} // namespace vellora
