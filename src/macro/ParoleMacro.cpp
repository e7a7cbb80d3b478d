#include "macro/ParoleMacro.h"

#include "figures/ComandiSelezione.h"
#include "measures/DatiFigura.h"
#include "plane/Quadranti.h"
#include "plane/Schermo.h"
#include "state/Programma.h"
#include "state/Selezione.h"
#include "transform/Trasformazioni.h"

#include <algorithm>
#include <iterator>

namespace vellora {

namespace {

using T = Trasformazione;
using Tipo = TipoParametro;

// Where each value of a transformation line goes, in the order the line
// writes them (see RigaMacroDi).
enum class Posto { TraslX, TraslY, Angolo, Coeff, StirOriz, StirVert, CentroX, CentroY, PuntoPX, PuntoPY };

struct FormaRiga {
    T t;
    std::array<Posto, 4> posti;
    size_t numero;
};

constexpr FormaRiga FormeRighe[] = {
    {T::Simm1, {Posto::CentroX}, 1},
    {T::Simm2, {Posto::CentroY}, 1},
    {T::Simm3, {Posto::CentroX, Posto::CentroY}, 2},
    {T::Simm4, {Posto::CentroX, Posto::CentroY, Posto::PuntoPX, Posto::PuntoPY}, 4},
    {T::Trasla1, {Posto::TraslX}, 1},
    {T::Trasla2, {Posto::TraslY}, 1},
    {T::Trasla3, {Posto::TraslX, Posto::TraslY}, 2},
    {T::Ruota, {Posto::Angolo, Posto::CentroX, Posto::CentroY}, 3},
    {T::Omotetia, {Posto::Coeff, Posto::CentroX, Posto::CentroY}, 3},
    {T::Stir1, {Posto::StirOriz, Posto::CentroX}, 2},
    {T::Stir2, {Posto::StirVert, Posto::CentroY}, 2},
};

// Indexed by the enumeration: both in the same order.
constexpr bool InOrdine()
{
    for (size_t i = 0; i < std::size(FormeRighe); ++i)
        if (static_cast<size_t>(FormeRighe[i].t) != i)
            return false;
    return std::size(FormeRighe) == std::size(TutteLeTrasformazioni);
}
static_assert(InOrdine());

const FormaRiga& FormaDi(T t)
{
    return FormeRighe[static_cast<size_t>(t)];
}

float& Valore(Programma& p, Posto posto)
{
    ParametriTrasformazione& par = p.d.Parametri;
    switch (posto) {
    case Posto::TraslX:
        return par.TraslX;
    case Posto::TraslY:
        return par.TraslY;
    case Posto::Angolo:
        return par.AngoloRotazione;
    case Posto::Coeff:
        return par.CoeffOmotetia;
    case Posto::StirOriz:
        return par.StirOriz;
    case Posto::StirVert:
        return par.StirVert;
    case Posto::CentroX:
        return p.d.CentroX;
    case Posto::CentroY:
        return p.d.CentroY;
    case Posto::PuntoPX:
        return par.PuntoPX;
    case Posto::PuntoPY:
        break;
    }
    return par.PuntoPY;
}

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

EsitoComando Trasforma(Programma& p, T t, const ValoriRiga& v)
{
    ParametriDaRiga(p, t, v);
    if (t == T::Omotetia && p.d.Parametri.CoeffOmotetia == 0.0f)
        return Fine(p, "Impossibile eseguire la macro: il coefficiente di omotetia non può essere nullo");
    ClicTrasformazione(p, t, Gesto::Applica);
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
    for (T t : TutteLeTrasformazioni)
        tabella.push_back({std::string(ParolaMacro(t)), std::vector<Tipo>(FormaDi(t).numero, Tipo::Singola), true,
                           [t](Programma& p, const ValoriRiga& v) { return Trasforma(p, t, v); }});
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
    const FormaRiga& forma = FormaDi(t);
    for (size_t i = 0; i < forma.numero; ++i)
        Valore(p, forma.posti[i]) = static_cast<float>(valori[i]);
    if (t == T::Ruota)
        p.d.Parametri.ImpostaAngolo(p.d.Parametri.AngoloRotazione);
}

void Attendi(Programma& p, int64_t lunghezza)
{
    Pompa* pompa = p.pompa;
    if (!pompa)
        return;
    for (int64_t turni = lunghezza * 100; turni > 0 && !p.InterrompiMacro; --turni)
        pompa->Turno();
}

} // namespace vellora
