// The hover test and the texts of the floating label.
#include "model/Nomi.h"
#include "model/NumeriTesto.h"
#include "plane/Mappatura.h"
#include "plane/Mouse.h"
#include "state/Programma.h"

#include <algorithm>
#include <cmath>

namespace vellora {

namespace {

// Offsets of the label from the pointer.
constexpr int EtichettaPassaggioX = 12;
constexpr int EtichettaCoordinateX = 10;
constexpr int EtichettaY = 10;

// A damaged drawing may hold any point count; the scan never leaves the table.
int Figure(const Disegno& m)
{
    return std::min<int>(m.NumeroFigure, MaxFigure);
}

// Pass 1: circles only. Returns true when the test is over.
bool PassaCerchi(const Disegno& m, float x, float y, float tolleranza, StatoMouse& presa)
{
    for (int f = 1; f <= Figure(m); ++f) {
        if (!IsCerchio(m, f))
            continue;
        const float cx = m.Figure.X(f, 1), cy = m.Figure.Y(f, 1);
        const float bx = m.Figure.X(f, 2), by = m.Figure.Y(f, 2);
        const float raggio = Distanza(cx, cy, bx, by);
        const float dCentro = Distanza(x, y, cx, cy);
        int k;
        if (dCentro < tolleranza)
            k = 1;
        else if (Distanza(x, y, bx, by) < tolleranza)
            k = 2;
        else if (std::fabs(dCentro - raggio) < tolleranza)
            k = 0;
        else
            continue;
        presa.FiguraPresa = static_cast<uint8_t>(f);
        presa.VerticePreso = static_cast<uint8_t>(k);
        if (f != m.FiguraAttiva)
            return true;
    }
    return false;
}

// The points of one figure. Its 23 slots lie side by side in each row of
// the table, so one checked access gives them all: the hover runs on every
// mouse move and would otherwise spend most of its time checking indexes.
struct Punti {
    const float* x;
    const float* y;
};

Punti PuntiDi(const Disegno& m, int f)
{
    return {m.Figure.RigaX(f), m.Figure.RigaY(f)};
}

// True when (x, y) lies far outside the box of the points of f, where no
// edge can pass the edge test. A point whose two distances exceed an edge's
// length L by less than t lies within sqrt(t (2L + t)) / 2 of the edge; the
// margin is twice that and more, so that there the excess is at least twice
// the tolerance and no rounding can turn the answer. NaN coordinates make
// every comparison false: the figure is then scanned in full.
bool LontanoDaiLati(Punti p, int n, float x, float y, float tolleranza)
{
    float xMin = p.x[1], xMax = xMin;
    float yMin = p.y[1], yMax = yMin;
    for (int k = 2; k <= n; ++k) {
        xMin = p.x[k] < xMin ? p.x[k] : xMin;
        xMax = p.x[k] > xMax ? p.x[k] : xMax;
        yMin = p.y[k] < yMin ? p.y[k] : yMin;
        yMax = p.y[k] > yMax ? p.y[k] : yMax;
    }
    const double dx = static_cast<double>(xMax) - xMin;
    const double dy = static_cast<double>(yMax) - yMin;
    const double t = tolleranza;
    const double margine = std::sqrt(t * (2 * std::sqrt(dx * dx + dy * dy) + t)) + t;
    return x < xMin - margine || x > xMax + margine || y < yMin - margine || y > yMax + margine;
}

// True when an edge of the figure passes within the edge tolerance of
// (x, y); the last edge closes on point 1. Each distance to a point serves
// two edges, so it is computed once.
bool SuUnLato(Punti p, int n, float x, float y, float tolleranza)
{
    if (LontanoDaiLati(p, n, x, y, tolleranza))
        return false;
    float da = Distanza(x, y, p.x[1], p.y[1]);
    for (int k = 1; k <= n; ++k) {
        const int j = k < n ? k + 1 : 1;
        const float db = Distanza(x, y, p.x[j], p.y[j]);
        if (std::fabs(da + db - Distanza(p.x[k], p.y[k], p.x[j], p.y[j])) < tolleranza)
            return true;
        da = db;
    }
    return false;
}

} // namespace

Tolleranze TolleranzeDi(float scalaX)
{
    return {0.1f * scalaX, 0.02f * scalaX, 0.2f * scalaX};
}

void TestPassaggio(const Disegno& m, float x, float y, StatoMouse& presa)
{
    const Tolleranze t = TolleranzeDi(m.ScalaX);
    presa.FiguraPresa = 0;
    presa.VerticePreso = 0;
    if (PassaCerchi(m, x, y, t.punto, presa))
        return;

    for (int f = 1; f <= Figure(m); ++f) {
        const int n = PuntiValidi(m, f);
        const Punti punti = PuntiDi(m, f);
        const bool cerchio = IsCerchio(m, f);
        if (n == 1 && !cerchio && Distanza(x, y, punti.x[1], punti.y[1]) < t.punto) {
            presa.FiguraPresa = static_cast<uint8_t>(f);
            presa.VerticePreso = 1;
            if (f != m.FiguraAttiva)
                return;
        }
        if (!cerchio && SuUnLato(punti, n, x, y, t.lato))
            presa.FiguraPresa = static_cast<uint8_t>(f);
        if (presa.FiguraPresa == 0)
            continue;
        // The figure found may be an earlier one (the active figure, or a
        // circle of pass 1): its vertices are looked at again each time.
        const int g = presa.FiguraPresa;
        presa.VerticePreso = 0;
        const Punti pg = PuntiDi(m, g);
        for (int k = 1, ng = PuntiValidi(m, g); k <= ng; ++k) {
            if (Distanza(x, y, pg.x[k], pg.y[k]) < t.vertice) {
                presa.VerticePreso = static_cast<uint8_t>(k);
                break;
            }
        }
        if (g != m.FiguraAttiva)
            return;
    }
}

std::string TestoPassaggio(const Disegno& m, int f, int k)
{
    const int n = PuntiValidi(m, f);
    const std::string& colore = NomeColore(m.Figure.X(f, SlotColore));
    if (IsCerchio(m, f)) {
        if (k == 0)
            return " circonferenza in" + colore + " ";
        if (k == 1)
            return " centro " + LetteraPunto(k) + " della circonferenza in" + colore + " ";
        return " punto " + LetteraPunto(k) + " sulla circonferenza in" + colore + " ";
    }
    if (n == 1)
        return " punto ";
    const std::string nome = NomiFigure[static_cast<size_t>(n)] + colore + " ";
    if (k == 0)
        return " " + nome;
    return " vertice " + LetteraPunto(k) + " " + nome;
}

std::string TestoCoordinate(float x, float y)
{
    std::string testo(1, ' ');
    return testo.append(FormattaNumero(x, "0.###")).append(";   ").append(FormattaNumero(y, "0.###")).append(" ");
}

Servizio MouseMosso(Programma& p, int tasti, double px, double py)
{
    Servizio s;
    if (tasti != 0 && tasti != TastoShift)
        return s;
    const PuntoPiano q = PixelInPiano(p.d, p.mappa, px, py);
    const auto x = static_cast<float>(q.x);
    const auto y = static_cast<float>(q.y);
    const int ix = static_cast<int>(std::lround(px));
    const int iy = static_cast<int>(std::lround(py));
    s.y = iy + EtichettaY;
    if (tasti == TastoShift) {
        s.x = ix + EtichettaCoordinateX;
        s.etichetta = Servizio::Etichetta::Visibile;
        s.testo = TestoCoordinate(x, y);
        return s;
    }
    TestPassaggio(p.d, x, y, p.mouse);
    s.x = ix + EtichettaPassaggioX;
    if (p.mouse.FiguraPresa == 0) {
        s.etichetta = Servizio::Etichetta::Nascosta;
        s.puntatore = Servizio::Puntatore::Proprio;
        return s;
    }
    s.etichetta = Servizio::Etichetta::Visibile;
    s.puntatore = Servizio::Puntatore::Freccia;
    s.testo = TestoPassaggio(p.d, p.mouse.FiguraPresa, p.mouse.VerticePreso);
    return s;
}

} // namespace vellora
