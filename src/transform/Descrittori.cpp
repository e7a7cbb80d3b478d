#include "transform/Descrittori.h"

#include "model/Disegno.h"

#include <iterator>

namespace vellora {

namespace {

using T = Trasformazione;
using C = Campo;
using A = Accumulo;

constexpr std::string_view CoeffOmotetiaNullo = "il coefficiente di omotetia non può essere nullo";
constexpr std::string_view CerchioStirato = "Vellora non può stirare una circonferenza";

// A tooltip stays on one line.
// clang-format off
constexpr Descrittore Tabella[] = {
    {.tipo = T::Simm1,
     .pulsante = Voce::simm1,
     // The item named for the first symmetry says "asse orizzontale" and
     // opens the second one's dialog: the caption decides, the names cross.
     .impostazioni = Voce::MnuImpostazioniTrasfSimm2,
     .suggerimento = "Clic: simmetria rispetto a un asse verticale; shift+clic: trasformazione inversa; clic col destro: impostazione",
     .parola = "SimmetriaY",
     .riga = {{C::CentroX}},
     .dialogo = {C::CentroX},
     .simmetria = true},
    {.tipo = T::Simm2,
     .pulsante = Voce::simm2,
     .impostazioni = Voce::MnuImpostazioniTrasfSimm1,
     .suggerimento = "Clic: simmetria rispetto a un asse orizzontale; shift+clic: trasformazione inversa; clic col destro: impostazione",
     .parola = "SimmetriaX",
     .riga = {{C::CentroY}},
     .dialogo = {C::CentroY},
     .simmetria = true},
    {.tipo = T::Simm3,
     .pulsante = Voce::simm3,
     .impostazioni = Voce::MnuImpostazioniTrasfSimm3,
     .suggerimento = "Clic: simmetria rispetto al punto O; shift+clic: trasformazione inversa; clic col destro: impostazione",
     .parola = "SimmetriaO",
     .riga = {{C::CentroX}, {C::CentroY}},
     .dialogo = {C::CentroX, C::CentroY},
     .simmetria = true},
    {.tipo = T::Simm4,
     .pulsante = Voce::simm4,
     .impostazioni = Voce::MnuImpostazioniTrasfSimm4,
     .suggerimento = "Clic: simmetria rispetto alla retta OP; shift+clic: trasformazione inversa; clic col destro: impostazione",
     .parola = "Simmetria",
     .riga = {{C::CentroX}, {C::CentroY}, {C::PuntoPX}, {C::PuntoPY}},
     .dialogo = {C::CentroX, C::CentroY, C::PuntoPX, C::PuntoPY},
     .simmetria = true},
    {.tipo = T::Trasla1,
     .pulsante = Voce::trasla1,
     .impostazioni = Voce::MnuImpostazioniTrasfTraslOriz,
     .suggerimento = "Clic: traslazione orizzontale; shift+clic: trasformazione inversa; clic col destro: impostazione",
     .parola = "TraslazioneOr",
     .riga = {{C::TraslX}},
     .dialogo = {C::TraslX},
     .accumulo = {.modo = A::Somma, .termini = {{C::TraslX, &Totali::TotTraslX}}}},
    {.tipo = T::Trasla2,
     .pulsante = Voce::trasla2,
     .impostazioni = Voce::MnuImpostazioniTrasfTraslVert,
     .suggerimento = "Clic: traslazione verticale; shift+clic: trasformazione inversa; clic col destro: impostazione",
     .parola = "TraslazioneVer",
     .riga = {{C::TraslY}},
     .dialogo = {C::TraslY},
     .accumulo = {.modo = A::Somma, .termini = {{C::TraslY, &Totali::TotTraslY}}}},
    {.tipo = T::Trasla3,
     .pulsante = Voce::trasla3,
     .impostazioni = Voce::MnuImpostazioniTrasfTrasl,
     .suggerimento = "Clic: traslazione; shift+clic: trasformazione inversa; clic col destro: impostazione",
     .parola = "Traslazione",
     .riga = {{C::TraslX}, {C::TraslY}},
     .dialogo = {C::TraslX, C::TraslY},
     .accumulo = {.modo = A::Somma, .termini = {{C::TraslX, &Totali::TotTraslX}, {C::TraslY, &Totali::TotTraslY}}}},
    {.tipo = T::Ruota,
     .pulsante = Voce::ruota1,
     .impostazioni = Voce::MnuImpostazioniTrasfRotazione,
     .suggerimento = "Clic: rotazione di centro O; shift+clic: trasformazione inversa; clic col destro: impostazione",
     .parola = "Rotazione",
     .riga = {{C::AngoloRotazione}, {C::CentroX}, {C::CentroY}},
     .dialogo = {C::AngoloRotazione, C::CentroX, C::CentroY},
     .accumulo = {.modo = A::Somma, .termini = {{C::AngoloRotazione, &Totali::TotRotazione}}}},
    {.tipo = T::Omotetia,
     .pulsante = Voce::Omotetia,
     .impostazioni = Voce::MnuImpostazioniTrasfOmot,
     .suggerimento = "Clic: omotetia di centro O; shift+clic: trasformazione inversa; clic col destro: impostazione",
     .parola = "Omotetia",
     .riga = {{C::CoeffOmotetia}, {C::CentroX}, {C::CentroY}},
     .dialogo = {C::CoeffOmotetia, C::CentroX, C::CentroY},
     .accumulo = {.modo = A::Prodotto, .termini = {{C::CoeffOmotetia, &Totali::TotOmotetia}}, .pannello = 3},
     .rifiuti = {.coefficienteNullo = CoeffOmotetiaNullo}},
    {.tipo = T::Stir1,
     .pulsante = Voce::Stir1,
     .impostazioni = Voce::MnuImpostazioniTrasfStir1,
     .suggerimento = "Clic: stiramento orizzontale; shift+clic: trasformazione inversa; clic col destro: impostazione",
     .parola = "StiramentoOr",
     .riga = {{C::StirOriz}, {C::CentroX}},
     .dialogo = {C::StirOriz, C::CentroX},
     .accumulo = {.modo = A::Prodotto, .termini = {{C::StirOriz, &Totali::TotStirOriz}}, .pannello = 4},
     .rifiuti = {.cerchio = CerchioStirato}},
    {.tipo = T::Stir2,
     .pulsante = Voce::Stir2,
     .impostazioni = Voce::MnuImpostazioniTrasfStir2,
     .suggerimento = "Clic: stiramento verticale; shift+clic: trasformazione inversa; clic col destro: impostazione",
     .parola = "StiramentoVer",
     .riga = {{C::StirVert}, {C::CentroY}},
     .dialogo = {C::StirVert, C::CentroY},
     .accumulo = {.modo = A::Prodotto, .termini = {{C::StirVert, &Totali::TotStirVert}}, .pannello = 5},
     .rifiuti = {.cerchio = CerchioStirato}},
};
// clang-format on

constexpr bool InRiga(const Descrittore& d, Campo c)
{
    for (const ParametroRiga& r : d.riga)
        if (r.campo == c)
            return true;
    return false;
}

// The table is indexed by the enumeration, and no two rows share a button,
// a settings item or a macro word. Every value that moves a total is on the
// macro line, so that an inverse can be written as a forward line; a product
// has one coefficient, the only value playback may refuse.
constexpr bool Coerente()
{
    for (size_t i = 0; i < std::size(Tabella); ++i) {
        const Descrittore& d = Tabella[i];
        if (static_cast<size_t>(d.tipo) != i)
            return false;
        for (size_t j = 0; j < i; ++j)
            if (Tabella[j].pulsante == d.pulsante || Tabella[j].impostazioni == d.impostazioni ||
                Tabella[j].parola == d.parola)
                return false;
        for (const Termine& t : d.accumulo.termini)
            if (!InRiga(d, t.campo))
                return false;
        if (d.accumulo.modo == A::Prodotto && d.accumulo.termini.size() != 1)
            return false;
        if (!d.rifiuti.coefficienteNullo.empty() && d.accumulo.modo != A::Prodotto)
            return false;
    }
    // Stir2 is the last transformation.
    return std::size(Tabella) == static_cast<size_t>(T::Stir2) + 1;
}
static_assert(Coerente());

// Point O and the parameters, as an application or the drawing holds them.
template <class Parametri, class Numero> Numero& Scegli(Parametri& par, Numero& centroX, Numero& centroY, Campo c)
{
    switch (c) {
    case C::TraslX:
        return par.TraslX;
    case C::TraslY:
        return par.TraslY;
    case C::AngoloRotazione:
        return par.AngoloRotazione;
    case C::CoeffOmotetia:
        return par.CoeffOmotetia;
    case C::StirOriz:
        return par.StirOriz;
    case C::StirVert:
        return par.StirVert;
    case C::CentroX:
        return centroX;
    case C::CentroY:
        return centroY;
    case C::PuntoPX:
        return par.PuntoPX;
    case C::PuntoPY:
        break;
    }
    return par.PuntoPY;
}

} // namespace

std::span<const Descrittore> Descrittori()
{
    return Tabella;
}

const Descrittore& DescrittoreDi(Trasformazione t)
{
    return Tabella[static_cast<size_t>(t)];
}

const Descrittore* DescrittoreDelPulsante(Voce v)
{
    for (const Descrittore& d : Tabella)
        if (d.pulsante == v)
            return &d;
    return nullptr;
}

Inverso InversoDi(const Descrittore& d, Campo c)
{
    for (const Termine& t : d.accumulo.termini)
        if (t.campo == c)
            return d.accumulo.modo == A::Prodotto ? Inverso::Reciproco : Inverso::Opposto;
    return Inverso::Uguale;
}

Campo Coefficiente(const Descrittore& d)
{
    return d.accumulo.termini[0].campo;
}

float ValoreDi(const Applicazione& a, Campo c)
{
    return Scegli(a.parametri, a.CentroX, a.CentroY, c);
}

float ValoreDi(const Disegno& d, Campo c)
{
    return Scegli(d.Parametri, d.CentroX, d.CentroY, c);
}

void ImpostaValore(Disegno& d, Campo c, float v)
{
    if (c == C::AngoloRotazione)
        d.Parametri.ImpostaAngolo(v);
    else
        Scegli(d.Parametri, d.CentroX, d.CentroY, c) = v;
}

} // namespace vellora
