#include "macro/ParoleMacro.h"

#include "figures/ComandiSelezione.h"
#include "measures/DatiFigura.h"
#include "plane/Quadranti.h"
#include "plane/Schermo.h"
#include "state/Programma.h"
#include "state/Selezione.h"
#include "transform/Descrittori.h"
#include "transform/Trasformazioni.h"

#include <algorithm>
#include <utility>

namespace vellora {

namespace {

using Tipo = TipoParametro;

const std::string NonCompatibile = "Macro non compatibile con l'attuale disegno";

EsitoComando Fine(Programma& p, const std::string& messaggio)
{
    p.Messaggio(messaggio, Icona::Stop);
    return {EsitoComando::Fine, {}};
}

// Figure 0 names no figure: the table has no row for it.
EsitoComando FiguraZero()
{
    return {EsitoComando::Errore, "la figura 0 non esiste"};
}

// A new selection as a click on the plane makes it, without a macro line.
void Seleziona(Programma& p, int f, int v)
{
    p.d.FiguraAttiva = static_cast<uint8_t>(f);
    p.d.VerticeAttivo = static_cast<uint8_t>(v);
    p.AzzeraTotali();
    Ridisegna(p);
    p.TestiFigura();
    p.testi.CampoVertice = TestoVertice(p);
    AggiornaDati(p);
    p.Mostra();
}

EsitoComando FiguraAttiva(Programma& p, const ValoriRiga& v)
{
    const int f = static_cast<int>(v[0]);
    if (f == 0)
        return FiguraZero();
    if (f > p.d.NumeroFigure)
        return Fine(p, NonCompatibile);
    Seleziona(p, f, 0);
    return {};
}

EsitoComando VerticeAttivo(Programma& p, const ValoriRiga& v)
{
    const int f = static_cast<int>(v[0]);
    const int k = static_cast<int>(v[1]);
    if (f == 0)
        return FiguraZero();
    if (f > p.d.NumeroFigure)
        return Fine(p, NonCompatibile);
    if (k > NumeroPunti(p.d, f)) {
        // The figure stays selected, as a whole: the vertex of another
        // figure would name a point this one may not have.
        if (f != p.d.FiguraAttiva)
            Seleziona(p, f, 0);
        return Fine(p, NonCompatibile);
    }
    Seleziona(p, f, k);
    return {};
}

EsitoComando Pausa(Programma& p, const ValoriRiga&)
{
    if (!p.PausaAutomatica)
        Attendi(p, p.PausaMacro);
    return {};
}

EsitoComando PausaLunga(Programma& p, const ValoriRiga& v)
{
    const auto n = static_cast<int64_t>(v[0]);
    if (n < 0 || n > 200)
        return Fine(p, "Impossibile eseguire la macro: errore di parametro in PausaLunga");
    Attendi(p, n * 250);
    return {};
}

EsitoComando Replica(Programma& p, const ValoriRiga&)
{
    if (p.d.NumeroFigure >= MaxFigure)
        return Fine(p, "Impossibile eseguire la macro: non si possono inserire altre figure");
    ReplicaFiguraAttiva(p);
    return {};
}

EsitoComando Elimina(Programma& p, const ValoriRiga&)
{
    if (p.d.NumeroFigure == 0)
        return Fine(p, "Impossibile eseguire la macro: non ci sono figure da eliminare");
    EliminaFiguraAttiva(p);
    return {};
}

EsitoComando Trasforma(Programma& p, const Descrittore& d, const ValoriRiga& v)
{
    // The line's parameters belong to the drawing too: a line that moves no
    // point, or that ends the playback, may still have moved O.
    const Disegno prima = p.d;
    ParametriDaRiga(p, d.tipo, v);
    const std::string_view nullo = d.rifiuti.coefficienteNullo;
    const bool rifiutata = !nullo.empty() && ValoreDi(p.d, Coefficiente(d)) == 0.0f;
    if (!rifiutata)
        ClicTrasformazione(p, d.tipo, Gesto::Applica);
    p.SegnaModifiche(prima);
    if (rifiutata)
        return Fine(p, "Impossibile eseguire la macro: " + std::string(nullo));
    return {};
}

std::vector<ComandoMacro> CreaTabella()
{
    std::vector<ComandoMacro> tabella = {
        {"Figura attiva", {Tipo::Byte}, false, FiguraAttiva},
        {"Vertice attivo", {Tipo::Byte, Tipo::Byte}, false, VerticeAttivo},
        {"Pausa", {}, false, Pausa},
        {"PausaLunga", {Tipo::Long}, false, PausaLunga},
        {"Replica", {}, false, Replica},
        {"Elimina", {}, false, Elimina},
    };
    for (const Descrittore& d : Descrittori()) {
        std::vector<Tipo> tipi;
        for (const ParametroRiga& r : d.riga)
            tipi.push_back(r.tipo);
        tabella.push_back({std::string(d.parola), std::move(tipi), true,
                           [&d](Programma& p, const ValoriRiga& v) { return Trasforma(p, d, v); }});
    }
    for (DirezionePiano d :
         {DirezionePiano::Destra, DirezionePiano::Sinistra, DirezionePiano::Alto, DirezionePiano::Basso})
        tabella.push_back({ParolaTraslaPiano(d), {}, true, [d](Programma& p, const ValoriRiga&) {
                               TraslaPiano(p, d);
                               return EsitoComando{};
                           }});
    std::sort(tabella.begin(), tabella.end(),
              [](const ComandoMacro& a, const ComandoMacro& b) { return a.parola < b.parola; });
    return tabella;
}

} // namespace

const ComandoMacro* CercaComando(std::string_view parola)
{
    static const std::vector<ComandoMacro> tabella = CreaTabella();
    const auto it = std::lower_bound(tabella.begin(), tabella.end(), parola,
                                     [](const ComandoMacro& c, std::string_view w) { return c.parola < w; });
    return it != tabella.end() && it->parola == parola ? &*it : nullptr;
}

void ParametriDaRiga(Programma& p, Trasformazione t, const ValoriRiga& valori)
{
    const Descrittore& d = DescrittoreDi(t);
    for (size_t i = 0; i < d.riga.size(); ++i)
        ImpostaValore(p.d, d.riga[i].campo, static_cast<float>(valori[i]));
}

void Attendi(Programma& p, int64_t lunghezza)
{
    Pompa* pompa = p.pompa;
    if (!pompa)
        return;
    // A skip asked before this pause began was meant for another one.
    p.SaltaPausa = false;
    p.testi.AvvisoPausa = AvvisoPausaMacro;
    p.vista.Aggiorna();
    for (int64_t turni = lunghezza * 100; turni > 0 && !p.InterrompiMacro && !p.SaltaPausa; --turni)
        pompa->Turno();
    p.SaltaPausa = false;
    p.testi.AvvisoPausa.clear();
    p.vista.Aggiorna();
}

} // namespace vellora
