#include "figures/ComandiSelezione.h"

#include "measures/DatiFigura.h"
#include "model/Nomi.h"
#include "plane/Schermo.h"
#include "state/Selezione.h"

namespace vellora {

namespace {

const int ColoriTavolozza[7] = {CodiceBianco,  CodiceRosso, CodiceGiallo, CodiceVerdeChiaro,
                                CodiceAzzurro, CodiceViola, CodiceGrigio};

} // namespace

namespace {

void SelezionaFigura(Programma& p, int f)
{
    p.d.VerticeAttivo = 0;
    p.d.FiguraAttiva = static_cast<uint8_t>(f);
    Ridisegna(p);
    p.TestiFigura();
    RegistraSelezione(p);
    p.AzzeraTotali();
    AggiornaDati(p);
    p.Mostra();
}

void SelezionaVertice(Programma& p, int passo)
{
    if (p.d.NumeroFigure == 0)
        return;
    const int n = NumeroPunti(p.d, p.d.FiguraAttiva);
    if (n <= 1) {
        p.testi.CampoVertice.clear();
        p.Mostra();
        return;
    }
    const int v = p.d.VerticeAttivo;
    p.d.VerticeAttivo = static_cast<uint8_t>(passo > 0 ? (v < n ? v + 1 : 0) : (v > 0 ? v - 1 : n));
    Ridisegna(p);
    p.testi.CampoVertice = TestoVertice(p);
    RegistraSelezione(p);
    AggiornaDati(p);
    p.Mostra();
}

// The texts after a colour or dash change depend on the kind of figure; the
// selected point stays selected, and its field keeps naming it.
void DopoColore(Programma& p, const Disegno& prima)
{
    Ridisegna(p);
    const int f = p.d.FiguraAttiva;
    if (IsCerchio(p.d, f) || NumeroPunti(p.d, f) != 1) {
        p.TestiFigura();
        p.testi.CampoVertice = TestoVertice(p);
    }
    AggiornaDati(p);
    p.SegnaModifiche(prima);
    p.Mostra();
}

} // namespace

void FiguraSuccessiva(Programma& p)
{
    if (p.d.NumeroFigure == 0)
        return;
    SelezionaFigura(p, p.d.FiguraAttiva >= p.d.NumeroFigure ? 1 : p.d.FiguraAttiva + 1);
}

void FiguraPrecedente(Programma& p)
{
    if (p.d.NumeroFigure == 0)
        return;
    SelezionaFigura(p, p.d.FiguraAttiva <= 1 ? p.d.NumeroFigure : p.d.FiguraAttiva - 1);
}

void VerticeSuccessivo(Programma& p)
{
    SelezionaVertice(p, +1);
}

void VerticePrecedente(Programma& p)
{
    SelezionaVertice(p, -1);
}

bool EliminaFiguraAttiva(Programma& p)
{
    if (p.d.NumeroFigure == 0)
        return false;
    if (!p.sessione.EsecuzioneMacro && p.Messaggio("Sarà eliminata la figura selezionata. " + p.testi.CampoFigura,
                                                   Icona::Esclamazione, Pulsanti::OkAnnulla) != Risposta::Ok)
        return false;
    EliminaFigura(p.d, p.d.FiguraAttiva);
    p.sessione.Modificato = true;
    if (p.d.NumeroFigure > 0) {
        p.d.FiguraAttiva = p.d.NumeroFigure;
        p.d.VerticeAttivo = 0;
        p.TestiFigura();
        AggiornaDati(p);
    } else {
        p.d.FiguraAttiva = 1;
        p.TestiSenzaFigure();
    }
    p.AzzeraTotali();
    p.d.VerticeAttivo = 0;
    Ridisegna(p);
    p.AccodaRigaMacro("Elimina");
    p.Mostra();
    return true;
}

bool ReplicaFiguraAttiva(Programma& p)
{
    if (p.d.NumeroFigure == 0)
        return false;
    if (p.d.NumeroFigure >= MaxFigure) {
        p.Messaggio("Non è possibile inserire altre figure");
        return false;
    }
    const int nuova = ++p.d.NumeroFigure;
    p.d.Figure.CopiaRecord(p.d.FiguraAttiva, nuova);
    p.d.VerticeAttivo = 0;
    p.d.FiguraAttiva = static_cast<uint8_t>(nuova);
    Ridisegna(p);
    p.TestiFigura();
    p.sessione.Modificato = true;
    p.AzzeraTotali();
    AggiornaDati(p);
    p.AccodaRigaMacro("Replica");
    p.Mostra();
    return true;
}

void CmdElimina_Click(Programma& p)
{
    if (p.d.NumeroFigure > 0 && p.voci.Abilitata(Voce::MnuModifica))
        EliminaFiguraAttiva(p);
}

void CmdReplica_Click(Programma& p)
{
    if (p.d.NumeroFigure > 0 && p.voci.Abilitata(Voce::MnuFigura))
        ReplicaFiguraAttiva(p);
}

void ApplicaTavolozza(Programma& p, int indice)
{
    // On an empty drawing the palette does nothing: there is no figure to
    // colour, and a stale record must not come back into the fields.
    if (p.d.NumeroFigure == 0 || indice < 0 || indice > 7)
        return;
    const Disegno prima = p.d;
    const int f = p.d.FiguraAttiva;
    if (indice == 7)
        p.d.Figure.Y(f, SlotColore) = p.d.Figure.Y(f, SlotColore) == TrattoPieno ? TrattoPunteggiato : TrattoPieno;
    else
        p.d.Figure.X(f, SlotColore) = static_cast<float>(ColoriTavolozza[indice]);
    DopoColore(p, prima);
}

} // namespace vellora
