#include "figures/ModuloCoordinate.h"

#include "figures/Catalogo.h"
#include "model/NumeriTesto.h"
#include "plane/Mappatura.h"
#include "plane/Schermo.h"
#include "state/LeggiNumero.h"
#include "state/Selettori.h"
#include "state/Storia.h"

namespace vellora {

namespace {

// What the window takes from the main window while it is open: the commands
// that would change the drawing behind the figure being built, or replace it.
const Voce VociPrese[] = {
    Voce::MnuFile,
    Voce::MnuFigura,
    Voce::MnuModifica,
    Voce::MnuImpostazioniTrasf,
    Voce::MnuVisualizzaCommento,
    Voce::MnuMacro,
    Voce::trasla1,
    Voce::trasla2,
    Voce::trasla3,
    Voce::ruota1,
    Voce::simm1,
    Voce::simm2,
    Voce::simm3,
    Voce::simm4,
    Voce::Omotetia,
    Voce::Stir1,
    Voce::Stir2,
    Voce::Macro,
};

bool IsVuoto(const std::string& testo)
{
    return testo.find_first_not_of(' ') == std::string::npos;
}

} // namespace

std::unique_ptr<ModuloCoordinate> ModuloCoordinate::Apri(Programma& p)
{
    // Opened twice, the window would take the items it had already taken
    // and give them back disabled.
    if (!p.voci.Abilitata(Voce::MnuFigura) || !p.voci.Abilitata(Voce::MnuFiguraCoordinate))
        return nullptr;
    if (p.voci.Spuntata(Voce::MnuVisualizzaCommento)) {
        p.Messaggio(MessaggioCommentoAperto, Icona::Stop);
        return nullptr;
    }
    return std::unique_ptr<ModuloCoordinate>(new ModuloCoordinate(p));
}

ModuloCoordinate::ModuloCoordinate(Programma& p) : p_(p)
{
    for (int k = 1; k <= RigheCoordinate; ++k) {
        TestoX[static_cast<size_t>(k - 1)] = p.sessione.TestiX[static_cast<size_t>(k)];
        TestoY[static_cast<size_t>(k - 1)] = p.sessione.TestiY[static_cast<size_t>(k)];
    }
    for (Voce v : VociPrese) {
        prese_.emplace_back(v, p.voci.Abilitata(v));
        p.voci.Abilita(v, false);
    }
    // The ruler lets the user read the coordinates to type.
    p.voci.Spunta(Voce::MnuVisualizzaRighello, true);
    Ridisegna(p);
    p.Mostra();
}

ModuloCoordinate::Esito ModuloCoordinate::Costruisci()
{
    Errata = -1;
    Sessione& s = p_.sessione;
    for (int k = 1; k <= RigheCoordinate; ++k) {
        s.TestiX[static_cast<size_t>(k)] = TestoX[static_cast<size_t>(k - 1)];
        s.TestiY[static_cast<size_t>(k)] = TestoY[static_cast<size_t>(k - 1)];
    }
    int n = 0;
    while (n < RigheCoordinate && !IsVuoto(s.TestiX[static_cast<size_t>(n + 1)]) &&
           !IsVuoto(s.TestiY[static_cast<size_t>(n + 1)]))
        ++n;
    if (n == 0)
        return Esito::Nulla;

    Disegno& d = p_.d;
    // Only the figure this window built may be rewritten, and only while it
    // is still the last of the table: had figures been deleted since, the
    // last one could be another, or there could be none.
    const bool riscrivi = !NuovaFigura && figura_ >= 1 && figura_ == d.NumeroFigure;
    if (!riscrivi && d.NumeroFigure >= MaxFigure) {
        p_.Messaggio(MessaggioTabellaPiena, Icona::Stop);
        return Esito::Rifiutata;
    }

    // The reader rewrites the kept texts in place: the next opening shows
    // them trimmed, with the decimal point.
    s.ErroreInput = false;
    float xs[RigheCoordinate];
    float ys[RigheCoordinate];
    for (int k = 1; k <= n; ++k) {
        xs[k - 1] = LeggiNumero(s.TestiX[static_cast<size_t>(k)], s.ErroreInput, p_.dialoghi);
        if (s.ErroreInput) {
            Errata = 2 * (k - 1);
            return Esito::Rifiutata;
        }
        ys[k - 1] = LeggiNumero(s.TestiY[static_cast<size_t>(k)], s.ErroreInput, p_.dialoghi);
        if (s.ErroreInput) {
            Errata = 2 * (k - 1) + 1;
            return Esito::Rifiutata;
        }
    }
    // A vertex the plane cannot draw would also stop every transformation
    // of the figure at once.
    for (int k = 0; k < n; ++k) {
        const bool x = EntroLimiti(d, p_.mappa, xs[k], 0.0f);
        if (!x || !EntroLimiti(d, p_.mappa, 0.0f, ys[k])) {
            p_.Messaggio(MessaggioVerticiLontani, Icona::Stop);
            Errata = 2 * k + (x ? 1 : 0);
            return Esito::Rifiutata;
        }
    }

    const Disegno prima = d;
    // A rewrite puts a new record in the last place: the same slots as an
    // insertion, colour and outline of a new figure included.
    if (riscrivi)
        --d.NumeroFigure;
    AggiungiFigura(d, n, xs, ys);
    figura_ = d.NumeroFigure;
    p_.SegnaModifiche(prima);
    return Esito::Costruita;
}

void ModuloCoordinate::Applica()
{
    // Each build is a step of the history, as a menu command is.
    EseguiPasso(p_, NomePasso(Voce::MnuFiguraCoordinate), [this] {
        if (Costruisci() != Esito::Costruita)
            return;
        NuovaFigura = false;
        MostraFiguraInserita(p_);
    });
}

bool ModuloCoordinate::Ok()
{
    Esito esito = Esito::Nulla;
    EseguiPasso(p_, NomePasso(Voce::MnuFiguraCoordinate), [this, &esito] { esito = Costruisci(); });
    switch (esito) {
    case Esito::Rifiutata:
        return false;
    case Esito::Nulla:
        Chiudi();
        return true;
    case Esito::Costruita:
        break;
    }
    Chiudi();
    MostraFiguraInserita(p_);
    return true;
}

void ModuloCoordinate::Cancella()
{
    TestoX.fill({});
    TestoY.fill({});
}

void ModuloCoordinate::DoppioClic(int riga)
{
    const Disegno& d = p_.d;
    float x = 0.0f;
    float y = 0.0f;
    const bool trovato =
        d.VerticeAttivo != 0 ? PuntoSelezionabile(d, d.VerticeAttivo, x, y) : PuntoPredefinito(d, true, x, y);
    if (trovato)
        Scrivi(riga, x, y);
}

void ModuloCoordinate::PuntoMedio()
{
    const Disegno& d = p_.d;
    const int v = d.VerticeAttivo;
    const int f = d.FiguraAttiva;
    if (d.NumeroFigure < 1 || v < 1 || v > PuntiValidi(d, f))
        return;
    const int w = v == PuntiValidi(d, f) ? 1 : v + 1;
    Scrivi(RigaAttiva, (d.Figure.X(f, v) + d.Figure.X(f, w)) / 2.0f, (d.Figure.Y(f, v) + d.Figure.Y(f, w)) / 2.0f);
}

void ModuloCoordinate::Chiudi()
{
    if (chiuso_)
        return;
    chiuso_ = true;
    for (const auto& [v, abilitata] : prese_)
        p_.voci.Abilita(v, abilitata);
    p_.Mostra();
}

void ModuloCoordinate::Scrivi(int riga, float x, float y)
{
    if (riga < 0 || riga >= RigheCoordinate)
        return;
    TestoX[static_cast<size_t>(riga)] = TestoCasella(x);
    TestoY[static_cast<size_t>(riga)] = TestoCasella(y);
}

} // namespace vellora
