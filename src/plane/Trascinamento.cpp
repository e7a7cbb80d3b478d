// Moving the selection with the right button: the press measures the move
// and previews it over a fresh redraw, the release applies it.
#include "measures/DatiFigura.h"
#include "model/Nomi.h"
#include "plane/Mappatura.h"
#include "plane/Mouse.h"
#include "plane/Schermo.h"
#include "state/Programma.h"

#include <algorithm>

namespace vellora {

namespace {

constexpr float PuntaPixel = 6.0f;

struct Bersaglio {
    int f;
    int n;
    int k; // 0: the whole figure
};

// The stale active figure of an emptied drawing is never touched: a press on
// an empty drawing prepares nothing.
Bersaglio Attiva(const Disegno& m)
{
    const int f = std::clamp<int>(m.FiguraAttiva, 1, std::min<int>(m.NumeroFigure, MaxFigure));
    const int n = PuntiValidi(m, f);
    return {f, n, m.VerticeAttivo <= n ? m.VerticeAttivo : 0};
}

class Tratto {
public:
    Tratto(const Disegno& m, const Mappa& mp, Superficie& s) : m_(m), mp_(mp), s_(s) {}
    void operator()(float x1, float y1, float x2, float y2, StileLinea stile) const
    {
        const PuntoPixel a = PianoInPixel(m_, mp_, x1, y1);
        const PuntoPixel b = PianoInPixel(m_, mp_, x2, y2);
        s_.Linea(a.x, a.y, b.x, b.y, Tavolozza[CodiceBianco], stile);
    }

private:
    const Disegno& m_;
    const Mappa& mp_;
    Superficie& s_;
};

} // namespace

void DisegnaAnteprima(const Disegno& m, const Mappa& mp, float ax, float ay, float x, float y, Superficie& s)
{
    const Tratto tratto(m, mp, s);
    tratto(ax, ay, x, ay, StileLinea::Punteggiato);
    tratto(x, ay, x, y, StileLinea::Punteggiato);
    if (mp.PassoPixel <= 0)
        return;
    // The same length in plane units on both axes: six pixels when the two
    // scales are equal.
    const float h = PuntaPixel * m.ScalaX / mp.PassoPixel;
    if (x != ax) {
        const float indietro = x > ax ? x - h : x + h;
        tratto(x, ay, indietro, ay + h, StileLinea::Continuo);
        tratto(x, ay, indietro, ay - h, StileLinea::Continuo);
    }
    if (y != ay) {
        const float indietro = y > ay ? y - h : y + h;
        tratto(x, y, x + h, indietro, StileLinea::Continuo);
        tratto(x, y, x - h, indietro, StileLinea::Continuo);
    }
}

void PreparaSpostamento(Programma& p, float x, float y)
{
    if (p.d.NumeroFigure == 0)
        return;
    const Bersaglio sel = Attiva(p.d);
    const int k = sel.k > 0 ? sel.k : 1;
    const float ax = p.d.Figure.X(sel.f, k);
    const float ay = p.d.Figure.Y(sel.f, k);
    p.mouse.ScartoX = x - ax;
    p.mouse.ScartoY = y - ay;
    p.mouse.SpostamentoPronto = true;
    Ridisegna(p);
    if (Superficie* s = p.Schermo(); s && p.Larghezza() > 0 && p.Altezza() > 0)
        DisegnaAnteprima(p.d, p.mappa, ax, ay, x, y, *s);
    p.Mostra();
}

void ApplicaSpostamento(Programma& p)
{
    Disegno& m = p.d;
    if (m.NumeroFigure == 0)
        return;
    const Disegno prima = m;
    const Bersaglio sel = Attiva(m);
    const float dx = p.mouse.ScartoX;
    const float dy = p.mouse.ScartoY;
    if (sel.k > 0) {
        m.Figure.X(sel.f, sel.k) += dx;
        m.Figure.Y(sel.f, sel.k) += dy;
    } else {
        for (int k = 1; k <= sel.n; ++k) {
            m.Figure.X(sel.f, k) += dx;
            m.Figure.Y(sel.f, k) += dy;
        }
        p.totali.TotTraslX += dx;
        p.totali.TotTraslY += dy;
        const auto pannelli = TestiPannelli(p.totali);
        p.testi.Pannelli[PannelloTraslX] = pannelli[PannelloTraslX];
        p.testi.Pannelli[PannelloTraslY] = pannelli[PannelloTraslY];
    }
    p.SegnaModifiche(prima);
    Ridisegna(p);
    AggiornaDati(p);
    p.Mostra();
}

} // namespace vellora
