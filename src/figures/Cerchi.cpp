#include "figures/Cerchi.h"

#include "figures/Catalogo.h"
#include "model/NumeriTesto.h"
#include "plane/Mappatura.h"
#include "plane/Schermo.h"
#include "state/LeggiNumero.h"
#include "state/Selettori.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace vellora {

namespace {

const SchedaCerchio Schede[] = {
    {DatiCerchio::CentroRaggio,
     Voce::MnuFiguraCerchio2,
     "FrmDatiCerchio2",
     "Circonferenza di centro A e raggio r",
     1,
     {{"Frame1", "Coordinate del centro A", "TxtAx", "TxtAy", "A", "1", "CmdOrigine", "CmdPuntoO"}},
     true},
    {DatiCerchio::CentroPunto,
     Voce::MnuFiguraCerchio,
     "FrmDatiCerchio",
     "Circonferenza per B, di centro A",
     2,
     {{"Frame1", "Coordinate del centro A", "TxtAx", "TxtAy", "A", "1", "CmdOrigine1", "CmdPuntoO1"},
      {"Frame2", "Coordinate di un punto B sulla circonferenza", "TxtBx", "TxtBy", "B", "2", "CmdOrigine2",
       "CmdPuntoO2"}},
     false},
    {DatiCerchio::TrePunti,
     Voce::MnuFiguraCerchio1,
     "FrmDatiCerchio1",
     "Circonferenza per i punti P, Q, R",
     3,
     {{"Frame1", "Coordinate del punto P", "TxtAx", "TxtAy", "P", "1", "CmdOrigine", "CmdPuntoO"},
      {"Frame2", "Coordinate del punto Q", "TxtBx", "TxtBy", "Q", "2", "", ""},
      {"Frame3", "Coordinate del punto R", "TxtCx", "TxtCy", "R", "3", "", ""}},
     false},
};

double Quadrato(float x, float y)
{
    return static_cast<double>(x) * x + static_cast<double>(y) * y;
}

// The whole circle, not only its two stored points, within the pixel limit
// of the transformations: nearly aligned points give a centre, or a far
// side, that no transformation could move and no window could draw.
bool CerchioEntroLimiti(const Programma& p, float cx, float cy, float px, float py)
{
    const double r = Distanza(cx, cy, px, py);
    const auto entro = [&](double x, double y) {
        return EntroLimiti(p.d, p.mappa, static_cast<float>(x), static_cast<float>(y));
    };
    return entro(cx, cy) && entro(cx - r, cy - r) && entro(cx + r, cy + r);
}

} // namespace

std::span<const SchedaCerchio> SchedeCerchi()
{
    return Schede;
}

const SchedaCerchio* SchedaCerchioDi(Voce v)
{
    const auto* it =
        std::find_if(std::begin(Schede), std::end(Schede), [v](const SchedaCerchio& s) { return s.voce == v; });
    return it == std::end(Schede) ? nullptr : it;
}

std::optional<CentroCerchio> Circocentro(const float x[3], const float y[3])
{
    const auto per = [](float a, float b) { return static_cast<double>(a) * b; };
    // The terms in this order, then rounded: the exact zero test depends on it.
    double somma = per(x[0], y[2]);
    somma -= per(x[2], y[0]);
    somma += per(x[1], y[0]);
    somma -= per(x[1], y[2]);
    somma -= per(x[0], y[1]);
    somma += per(x[2], y[1]);
    const float d = static_cast<float>(2.0 * somma);
    if (d == 0.0f)
        return std::nullopt;
    const double q1 = Quadrato(x[0], y[0]);
    const double q2 = Quadrato(x[1], y[1]);
    const double q3 = Quadrato(x[2], y[2]);
    const double nx = q1 * (static_cast<double>(y[1]) - y[2]) + q2 * (static_cast<double>(y[2]) - y[0]) +
                      q3 * (static_cast<double>(y[0]) - y[1]);
    const double ny = q1 * (static_cast<double>(x[2]) - x[1]) + q2 * (static_cast<double>(x[0]) - x[2]) +
                      q3 * (static_cast<double>(x[1]) - x[0]);
    return CentroCerchio{static_cast<float>(-nx / d), static_cast<float>(-ny / d)};
}

ModuloCerchio::ModuloCerchio(Programma& p, const SchedaCerchio& s) : scheda(s), p_(p)
{
    Testi.assign(static_cast<size_t>(2 * s.punti), "0");
    if (s.raggio)
        Testi.push_back(TestoCasella(1.0f));
}

// The boxes in the dialog's order into `valori`, indexed like Testi: the
// radius, when it is read, comes first.
bool ModuloCerchio::Leggi(float valori[2 * MaxPuntiCerchio + 1], bool raggio)
{
    Errata = -1;
    bool& errore = p_.sessione.ErroreInput;
    errore = false;
    int ordine[2 * MaxPuntiCerchio + 1];
    int n = 0;
    if (raggio && scheda.raggio)
        ordine[n++] = CasellaRaggio();
    for (int i = 0; i < 2 * scheda.punti; ++i)
        ordine[n++] = i;
    for (int j = 0; j < n; ++j) {
        const int i = ordine[j];
        // The box keeps what the user typed; the reader works on a copy.
        std::string testo = Testi[static_cast<size_t>(i)];
        valori[i] = LeggiNumero(testo, errore, p_.dialoghi);
        if (errore) {
            Errata = i;
            return false;
        }
    }
    return true;
}

bool ModuloCerchio::Ok()
{
    float v[2 * MaxPuntiCerchio + 1]{};
    if (!Leggi(v, true))
        return false;
    // The three points are kept for the marks even when the circle is refused.
    if (scheda.dati == DatiCerchio::TrePunti)
        Memorizza(v);
    if (scheda.raggio && v[CasellaRaggio()] <= 0.0f) {
        p_.Messaggio(MessaggioRaggio, Icona::Stop);
        Errata = CasellaRaggio();
        return false;
    }
    if (p_.d.NumeroFigure >= MaxFigure) {
        p_.Messaggio(MessaggioTroppeFigure, Icona::Stop);
        return false;
    }
    switch (scheda.dati) {
    case DatiCerchio::CentroRaggio: {
        const float ax = v[CasellaX(0)];
        const float ay = v[CasellaY(0)];
        return Aggiungi(ax, ay, static_cast<float>(static_cast<double>(ax) + v[CasellaRaggio()]), ay);
    }
    case DatiCerchio::CentroPunto:
        return Aggiungi(v[CasellaX(0)], v[CasellaY(0)], v[CasellaX(1)], v[CasellaY(1)]);
    case DatiCerchio::TrePunti: {
        const std::optional<CentroCerchio> c = Circocentro(x_, y_);
        if (!c || !CerchioEntroLimiti(p_, c->x, c->y, x_[0], y_[0])) {
            p_.Messaggio(MessaggioAllineati, Icona::Stop);
            return false;
        }
        return Aggiungi(c->x, c->y, x_[0], y_[0]);
    }
    }
    return false;
}

bool ModuloCerchio::Aggiungi(float cx, float cy, float px, float py)
{
    const float xs[2] = {cx, px};
    const float ys[2] = {cy, py};
    if (!AggiungiFigura(p_.d, 2, xs, ys, true))
        return false;
    ConcludiInserimento(p_);
    return true;
}

bool ModuloCerchio::Applica()
{
    float v[2 * MaxPuntiCerchio + 1]{};
    if (!Leggi(v, false))
        return false;
    Memorizza(v);
    Segna();
    return true;
}

void ModuloCerchio::Memorizza(const float valori[2 * MaxPuntiCerchio + 1])
{
    for (int i = 0; i < scheda.punti; ++i) {
        x_[i] = valori[CasellaX(i)];
        y_[i] = valori[CasellaY(i)];
    }
}

void ModuloCerchio::Annulla()
{
    Ridisegna(p_);
    p_.Mostra();
}

void ModuloCerchio::Seleziona(int riga, int k)
{
    float x = 0.0f;
    float y = 0.0f;
    if (PuntoSelezionabile(p_.d, k, x, y))
        ImpostaPunto(riga, x, y);
}

void ModuloCerchio::Origine(int riga)
{
    ImpostaPunto(riga, 0.0f, 0.0f);
}

void ModuloCerchio::PuntoO(int riga)
{
    ImpostaPunto(riga, p_.d.CentroX, p_.d.CentroY);
}

void ModuloCerchio::ImpostaPunto(int riga, float x, float y)
{
    Testi[static_cast<size_t>(CasellaX(riga))] = TestoCasella(x);
    Testi[static_cast<size_t>(CasellaY(riga))] = TestoCasella(y);
    x_[riga] = x;
    y_[riga] = y;
    Segna();
}

// The redraw, then every stored point with its label.
void ModuloCerchio::Segna()
{
    Ridisegna(p_);
    if (Superficie* s = p_.Schermo(); s && p_.Larghezza() > 0 && p_.Altezza() > 0)
        for (int i = 0; i < scheda.punti; ++i)
            SegnaPunto(p_.d, p_.mappa, x_[i], y_[i], CodiceBianco, scheda.punto[i].etichetta, 0, *s);
    p_.Mostra();
}

} // namespace vellora
