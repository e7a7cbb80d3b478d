#include "shell/Selezione.h"

#include "macro/RigaMacro.h"
#include "model/Nomi.h"

namespace vellora {

namespace {

const int ColoriTavolozza[7] = {CodiceBianco,  CodiceRosso, CodiceGiallo, CodiceVerdeChiaro,
                                CodiceAzzurro, CodiceViola, CodiceGrigio};

} // namespace

void RegistraSelezione(Programma& p)
{
    const auto f = static_cast<float>(p.m.FiguraAttiva);
    if (p.m.VerticeAttivo > 0)
        AccodaRigaMacro(p, RigaMacro("Vertice attivo", {f, static_cast<float>(p.m.VerticeAttivo)}));
    else
        AccodaRigaMacro(p, RigaMacro("Figura attiva", {f}));
}

namespace {

void SelezionaFigura(Programma& p, int f)
{
    p.m.VerticeAttivo = 0;
    p.m.FiguraAttiva = static_cast<uint8_t>(f);
    p.Ridisegna();
    p.TestiFigura();
    RegistraSelezione(p);
    p.AzzeraTotali();
    p.AggiornaDati();
    p.Mostra();
}

void SelezionaVertice(Programma& p, int passo)
{
    if (p.m.NumeroFigure == 0)
        return;
    const int n = NumeroPunti(p.m, p.m.FiguraAttiva);
    if (n <= 1) {
        p.testi.CampoVertice.clear();
        p.Mostra();
        return;
    }
    const int v = p.m.VerticeAttivo;
    p.m.VerticeAttivo = static_cast<uint8_t>(passo > 0 ? (v < n ? v + 1 : 0) : (v > 0 ? v - 1 : n));
    p.Ridisegna();
    p.testi.CampoVertice = TestoVertice(p);
    RegistraSelezione(p);
    p.AggiornaDati();
    p.Mostra();
}

// The texts after a colour or dash change depend on the kind of figure.
void DopoColore(Programma& p)
{
    p.Ridisegna();
    const int f = p.m.FiguraAttiva;
    if (IsCerchio(p.m, f) || NumeroPunti(p.m, f) != 1)
        p.TestiFigura();
    p.AggiornaDati();
    p.m.Modificato = true;
    p.Mostra();
}

} // namespace

std::string TestoVertice(const Programma& p)
{
    if (p.m.NumeroFigure == 0)
        return "";
    const int f = p.m.FiguraAttiva;
    if (NumeroPunti(p.m, f) == 1 && !IsCerchio(p.m, f))
        return "";
    if (p.m.VerticeAttivo == 0)
        return "Figura";
    return (IsCerchio(p.m, f) ? "Punto " : "Vertice ") + LetteraPunto(p.m.VerticeAttivo);
}

void FiguraSuccessiva(Programma& p)
{
    if (p.m.NumeroFigure == 0)
        return;
    SelezionaFigura(p, p.m.FiguraAttiva >= p.m.NumeroFigure ? 1 : p.m.FiguraAttiva + 1);
}

void FiguraPrecedente(Programma& p)
{
    if (p.m.NumeroFigure == 0)
        return;
    SelezionaFigura(p, p.m.FiguraAttiva <= 1 ? p.m.NumeroFigure : p.m.FiguraAttiva - 1);
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
    if (p.m.NumeroFigure == 0)
        return false;
    if (!p.m.EsecuzioneMacro && p.Messaggio("Sarà eliminata la figura selezionata. " + p.testi.CampoFigura,
                                            Icona::Esclamazione, Pulsanti::OkAnnulla) != Risposta::Ok)
        return false;
    EliminaFigura(p.m, p.m.FiguraAttiva);
    p.m.Modificato = true;
    if (p.m.NumeroFigure > 0) {
        p.m.FiguraAttiva = p.m.NumeroFigure;
        p.m.VerticeAttivo = 0;
        p.TestiFigura();
        p.AggiornaDati();
    } else {
        p.m.FiguraAttiva = 1;
        p.TestiSenzaFigure();
    }
    p.AzzeraTotali();
    p.m.VerticeAttivo = 0;
    p.Ridisegna();
    AccodaRigaMacro(p, "Elimina");
    p.Mostra();
    return true;
}

bool ReplicaFiguraAttiva(Programma& p)
{
    if (p.m.NumeroFigure == 0)
        return false;
    if (p.m.NumeroFigure >= MaxFigure) {
        p.Messaggio("Non è possibile inserire altre figure");
        return false;
    }
    const int nuova = ++p.m.NumeroFigure;
    p.m.Figure.CopiaRecord(p.m.FiguraAttiva, nuova);
    p.m.VerticeAttivo = 0;
    p.m.FiguraAttiva = static_cast<uint8_t>(nuova);
    p.Ridisegna();
    p.TestiFigura();
    p.m.Modificato = true;
    p.AzzeraTotali();
    p.AggiornaDati();
    AccodaRigaMacro(p, "Replica");
    p.Mostra();
    return true;
}

void CmdElimina_Click(Programma& p)
{
    if (p.m.NumeroFigure > 0 && p.voci.Abilitata(Voce::MnuModifica))
        EliminaFiguraAttiva(p);
}

void CmdReplica_Click(Programma& p)
{
    if (p.m.NumeroFigure > 0 && p.voci.Abilitata(Voce::MnuFigura))
        ReplicaFiguraAttiva(p);
}

void ApplicaTavolozza(Programma& p, int indice)
{
    // On an empty drawing the palette does nothing: there is no figure to
    // colour, and a stale record must not come back into the fields.
    if (p.m.NumeroFigure == 0 || indice < 0 || indice > 7)
        return;
    const int f = p.m.FiguraAttiva;
    if (indice == 7)
        p.m.Figure.Y(f, SlotColore) = p.m.Figure.Y(f, SlotColore) == TrattoPieno ? TrattoPunteggiato : TrattoPieno;
    else
        p.m.Figure.X(f, SlotColore) = static_cast<float>(ColoriTavolozza[indice]);
    DopoColore(p);
}

} // namespace vellora
