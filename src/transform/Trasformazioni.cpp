#include "transform/Trasformazioni.h"

#include "measures/DatiFigura.h"
#include "plane/Mappatura.h"
#include "plane/Schermo.h"
#include "state/Programma.h"
#include "state/Registratore.h"
#include "state/TastiMouse.h"
#include "transform/Descrittori.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <span>

namespace vellora {

namespace {

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
    const Accumulo& acc = DescrittoreDi(a.tipo).accumulo;
    const float segno = a.inversa ? -1.0f : 1.0f;
    switch (acc.modo) {
    case Accumulo::Nessuno:
        break;
    case Accumulo::Somma:
        for (const Termine& termine : acc.termini)
            t.*termine.totale += segno * ValoreDi(a, termine.campo);
        break;
    case Accumulo::Prodotto: {
        const Termine& termine = acc.termini[0];
        const std::optional<float> r = Componi(t.*termine.totale, ValoreDi(a, termine.campo), a.inversa);
        if (!r)
            return std::nullopt;
        t.*termine.totale = *r;
        break;
    }
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
    const Accumulo& acc = DescrittoreDi(t).accumulo;
    p.totali.*acc.termini[0].totale = 1.0f;
    p.testi.Pannelli[acc.pannello] = TestiPannelli(p.totali)[acc.pannello];
    p.Mostra();
}

// Steps 4 to 6 of a click: false when the click ends there.
bool Applica(Programma& p, const Applicazione& a, const Istantanea& prima)
{
    Disegno& m = p.d;
    const Formula formula(a);
    const bool moltiplicativa = DescrittoreDi(a.tipo).accumulo.modo == Accumulo::Prodotto;

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

Gesto GestoDaMouse(Trasformazione t, int pulsante, bool shift, bool altriModificatori)
{
    if (pulsante == PulsanteDestro)
        return Gesto::Impostazioni;
    if (pulsante != PulsanteSinistro)
        return Gesto::Altro;
    if (DescrittoreDi(t).simmetria)
        return Gesto::Applica;
    if (altriModificatori)
        return Gesto::Altro;
    return shift ? Gesto::Inversa : Gesto::Applica;
}

Applicazione ApplicazioneCorrente(const Programma& p, Trasformazione t, bool inversa)
{
    return {t, inversa && !DescrittoreDi(t).simmetria, p.d.CentroX, p.d.CentroY, p.d.Parametri};
}

std::optional<std::string> RigaMacroDi(const Applicazione& a)
{
    const Descrittore& d = DescrittoreDi(a.tipo);
    const float segno = a.inversa ? -1.0f : 1.0f;
    std::array<float, 4> valori{};
    for (size_t i = 0; i < d.riga.size(); ++i) {
        const Campo c = d.riga[i].campo;
        float v = ValoreDi(a, c);
        switch (InversoDi(d, c)) {
        case Inverso::Uguale:
            break;
        case Inverso::Opposto:
            v = segno * v;
            break;
        case Inverso::Reciproco: {
            const std::optional<float> r = a.inversa ? Reciproco(v) : v;
            if (!r)
                return std::nullopt;
            v = *r;
            break;
        }
        }
        valori[i] = v;
    }
    return RigaMacro(std::string(d.parola), std::span<const float>(valori.data(), d.riga.size()));
}

void ClicTrasformazione(Programma& p, Trasformazione t, Gesto g, const FinestraImpostazioni& impostazioni)
{
    const Disegno iniziale = p.d;
    const Istantanea prima(p.d);
    const std::string_view cerchio = DescrittoreDi(t).rifiuti.cerchio;
    if (!cerchio.empty() && IsCerchio(p.d, prima.f)) {
        p.Messaggio(std::string(cerchio), Icona::Stop);
        return;
    }
    if (g == Gesto::Applica || g == Gesto::Inversa) {
        if (!Applica(p, ApplicazioneCorrente(p, t, g == Gesto::Inversa), prima))
            return;
    }
    // The refresh below follows the settings dialog once it has closed,
    // whatever the answer.
    if (g == Gesto::Impostazioni && impostazioni && !p.sessione.EsecuzioneMacro)
        impostazioni(p, t);
    AggiornaDati(p);
    Ridisegna(p);
    p.SegnaModifiche(iniziale);
    p.Mostra();
}

} // namespace vellora
