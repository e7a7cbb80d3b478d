#include "transform/Trasformazioni.h"

#include "measures/DatiFigura.h"
#include "plane/Mappatura.h"
#include "plane/Schermo.h"
#include "state/Programma.h"
#include "state/Registratore.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <limits>

namespace vellora {

namespace {

struct Pulsante {
    Trasformazione t;
    Voce voce;
    std::string_view parola;
};

constexpr Pulsante TabellaPulsanti[] = {
    {Trasformazione::Simm1, Voce::simm1, "SimmetriaY"},
    {Trasformazione::Simm2, Voce::simm2, "SimmetriaX"},
    {Trasformazione::Simm3, Voce::simm3, "SimmetriaO"},
    {Trasformazione::Simm4, Voce::simm4, "Simmetria"},
    {Trasformazione::Trasla1, Voce::trasla1, "TraslazioneOr"},
    {Trasformazione::Trasla2, Voce::trasla2, "TraslazioneVer"},
    {Trasformazione::Trasla3, Voce::trasla3, "Traslazione"},
    {Trasformazione::Ruota, Voce::ruota1, "Rotazione"},
    {Trasformazione::Omotetia, Voce::Omotetia, "Omotetia"},
    {Trasformazione::Stir1, Voce::Stir1, "StiramentoOr"},
    {Trasformazione::Stir2, Voce::Stir2, "StiramentoVer"},
};

// The table is indexed by the enumeration: keep both in the same order.
constexpr bool InOrdine()
{
    for (size_t i = 0; i < std::size(TabellaPulsanti); ++i)
        if (static_cast<size_t>(TabellaPulsanti[i].t) != i || TutteLeTrasformazioni[i] != TabellaPulsanti[i].t)
            return false;
    return std::size(TabellaPulsanti) == std::size(TutteLeTrasformazioni);
}
static_assert(InOrdine());

const Pulsante& PulsanteDi(Trasformazione t)
{
    return TabellaPulsanti[static_cast<size_t>(t)];
}

const std::string TestoCerchio = "Vellora non può stirare una circonferenza";
const std::string TestoTroppoGrandi =
    std::string("Non è possibile eseguire la trasformazione;") + " i numeri coinvolti sono troppo grandi.";
const std::string TestoFuoriIntervallo = "Uno o più parametri sono fuori dall'intervallo consentito";

bool Finito(double v)
{
    return std::isfinite(v) && std::fabs(v) <= std::numeric_limits<float>::max();
}

// The reciprocal of a coefficient as the macro line writes it.
std::optional<float> Reciproco(float c)
{
    if (c == 0.0f)
        return std::nullopt;
    const float r = 1.0f / c;
    if (!std::isfinite(r))
        return std::nullopt;
    return r;
}

// Multiplies or divides a total by a coefficient; empty when the result
// leaves the single-precision range or the divisor is zero.
std::optional<float> Componi(float totale, float c, bool dividi)
{
    if (dividi && c == 0.0f)
        return std::nullopt;
    const double r = dividi ? static_cast<double>(totale) / c : static_cast<double>(totale) * c;
    if (!Finito(r))
        return std::nullopt;
    return static_cast<float>(r);
}

// The totals after an application; empty on an arithmetic error.
std::optional<Totali> Accumula(Totali t, const Applicazione& a)
{
    const ParametriTrasformazione& par = a.parametri;
    const float segno = a.inversa ? -1.0f : 1.0f;
    std::optional<float> r;
    switch (a.tipo) {
    case Trasformazione::Trasla1:
        t.TotTraslX += segno * par.TraslX;
        break;
    case Trasformazione::Trasla2:
        t.TotTraslY += segno * par.TraslY;
        break;
    case Trasformazione::Trasla3:
        t.TotTraslX += segno * par.TraslX;
        t.TotTraslY += segno * par.TraslY;
        break;
    case Trasformazione::Ruota:
        t.TotRotazione += segno * par.AngoloRotazione;
        break;
    case Trasformazione::Omotetia:
        if (!(r = Componi(t.TotOmotetia, par.CoeffOmotetia, a.inversa)))
            return std::nullopt;
        t.TotOmotetia = *r;
        break;
    case Trasformazione::Stir1:
        if (!(r = Componi(t.TotStirOriz, par.StirOriz, a.inversa)))
            return std::nullopt;
        t.TotStirOriz = *r;
        break;
    case Trasformazione::Stir2:
        if (!(r = Componi(t.TotStirVert, par.StirVert, a.inversa)))
            return std::nullopt;
        t.TotStirVert = *r;
        break;
    default: // the symmetries have no total
        break;
    }
    return t;
}

// The points of the active figure as they were before the click.
struct Istantanea {
    int f = 1;
    int n = 0;
    std::array<PuntoF, MaxPunti + 1> punti{};

    explicit Istantanea(const Disegno& m)
        : f(m.FiguraAttiva), n(std::clamp(NumeroPunti(m, m.FiguraAttiva), 0, MaxPunti))
    {
        for (int k = 1; k <= n; ++k)
            punti[k] = {m.Figure.X(f, k), m.Figure.Y(f, k)};
    }

    void Ripristina(Disegno& m) const
    {
        for (int k = 1; k <= n; ++k) {
            m.Figure.X(f, k) = punti[k].x;
            m.Figure.Y(f, k) = punti[k].y;
        }
    }
};

// The arithmetic error of a homothety or stretch: the figure as it was,
// the transformation's own total back to 1, nothing recorded, no redraw.
void FuoriIntervallo(Programma& p, Trasformazione t, const Istantanea& prima)
{
    prima.Ripristina(p.d);
    p.Messaggio(TestoFuoriIntervallo, Icona::Stop);
    size_t pannello = 3;
    if (t == Trasformazione::Omotetia) {
        p.totali.TotOmotetia = 1.0f;
    } else if (t == Trasformazione::Stir1) {
        p.totali.TotStirOriz = 1.0f;
        pannello = 4;
    } else {
        p.totali.TotStirVert = 1.0f;
        pannello = 5;
    }
    p.testi.Pannelli[pannello] = TestiPannelli(p.totali)[pannello];
    p.Mostra();
}

// Steps 4 to 6 of a click: false when the click ends there.
bool Applica(Programma& p, const Applicazione& a, const Istantanea& prima)
{
    Disegno& m = p.d;
    const Formula formula(a);
    const bool moltiplicativa = IsMoltiplicativa(a.tipo);

    // The active vertex alone, or every point in order; each point is
    // checked as soon as it has moved, and a failure puts back all of them.
    const int k0 = m.VerticeAttivo != 0 ? m.VerticeAttivo : 1;
    const int k1 = m.VerticeAttivo != 0 ? std::min<int>(m.VerticeAttivo, prima.n) : prima.n;
    for (int k = k0; k <= k1; ++k) {
        const PuntoF q = formula(m.Figure.X(prima.f, k), m.Figure.Y(prima.f, k));
        m.Figure.X(prima.f, k) = q.x;
        m.Figure.Y(prima.f, k) = q.y;
        if (moltiplicativa && !(std::isfinite(q.x) && std::isfinite(q.y))) {
            FuoriIntervallo(p, a.tipo, prima);
            return false;
        }
        if (!EntroLimiti(m, p.mappa, q.x, q.y)) {
            p.Messaggio(TestoTroppoGrandi, Icona::Stop);
            if (p.sessione.EsecuzioneMacro)
                p.NumeriTroppoGrandi = true;
            prima.Ripristina(m);
            return false;
        }
    }

    Totali totali = p.totali;
    if (m.NumeroFigure > 0) {
        const std::optional<Totali> nuovi = Accumula(totali, a);
        if (!nuovi) {
            FuoriIntervallo(p, a.tipo, prima);
            return false;
        }
        totali = *nuovi;
    }
    std::optional<std::string> riga;
    if (p.sessione.RegistraMacro && !(riga = RigaMacroDi(a))) {
        FuoriIntervallo(p, a.tipo, prima);
        return false;
    }

    if (m.NumeroFigure > 0) {
        p.totali = totali;
        p.testi.Pannelli = TestiPannelli(totali);
    }
    if (riga)
        p.AccodaRigaMacro(*riga);
    return true;
}

} // namespace

Voce VoceDi(Trasformazione t)
{
    return PulsanteDi(t).voce;
}

std::string_view ParolaMacro(Trasformazione t)
{
    return PulsanteDi(t).parola;
}

Gesto GestoDaMouse(Trasformazione t, int pulsante, bool shift, bool altriModificatori)
{
    if (pulsante == 2)
        return Gesto::Impostazioni;
    if (pulsante != 1)
        return Gesto::Altro;
    if (IsSimmetria(t))
        return Gesto::Applica;
    if (altriModificatori)
        return Gesto::Altro;
    return shift ? Gesto::Inversa : Gesto::Applica;
}

Applicazione ApplicazioneCorrente(const Programma& p, Trasformazione t, bool inversa)
{
    return {t, inversa && !IsSimmetria(t), p.d.CentroX, p.d.CentroY, p.d.Parametri};
}

std::optional<std::string> RigaMacroDi(const Applicazione& a)
{
    const ParametriTrasformazione& par = a.parametri;
    const std::string parola(ParolaMacro(a.tipo));
    const float segno = a.inversa ? -1.0f : 1.0f;
    auto coefficiente = [&](float c) { return a.inversa ? Reciproco(c) : std::optional<float>(c); };
    std::optional<float> c;
    switch (a.tipo) {
    case Trasformazione::Simm1:
        return RigaMacro(parola, {a.CentroX});
    case Trasformazione::Simm2:
        return RigaMacro(parola, {a.CentroY});
    case Trasformazione::Simm3:
        return RigaMacro(parola, {a.CentroX, a.CentroY});
    case Trasformazione::Simm4:
        return RigaMacro(parola, {a.CentroX, a.CentroY, par.PuntoPX, par.PuntoPY});
    case Trasformazione::Trasla1:
        return RigaMacro(parola, {segno * par.TraslX});
    case Trasformazione::Trasla2:
        return RigaMacro(parola, {segno * par.TraslY});
    case Trasformazione::Trasla3:
        return RigaMacro(parola, {segno * par.TraslX, segno * par.TraslY});
    case Trasformazione::Ruota:
        return RigaMacro(parola, {segno * par.AngoloRotazione, a.CentroX, a.CentroY});
    case Trasformazione::Omotetia:
        if (!(c = coefficiente(par.CoeffOmotetia)))
            return std::nullopt;
        return RigaMacro(parola, {*c, a.CentroX, a.CentroY});
    case Trasformazione::Stir1:
        if (!(c = coefficiente(par.StirOriz)))
            return std::nullopt;
        return RigaMacro(parola, {*c, a.CentroX});
    case Trasformazione::Stir2:
        if (!(c = coefficiente(par.StirVert)))
            return std::nullopt;
        return RigaMacro(parola, {*c, a.CentroY});
    }
    return std::nullopt;
}

void ClicTrasformazione(Programma& p, Trasformazione t, Gesto g)
{
    const Istantanea prima(p.d);
    if ((t == Trasformazione::Stir1 || t == Trasformazione::Stir2) && IsCerchio(p.d, prima.f)) {
        p.Messaggio(TestoCerchio, Icona::Stop);
        return;
    }
    if (g == Gesto::Applica || g == Gesto::Inversa) {
        if (!Applica(p, ApplicazioneCorrente(p, t, g == Gesto::Inversa), prima))
            return;
    }
    // Gesto::Impostazioni: the settings dialog of the button opens here, and
    // the refresh below follows it once it has closed, whatever the answer.
    AggiornaDati(p);
    Ridisegna(p);
    p.sessione.Modificato = true;
    p.Mostra();
}

} // namespace vellora
