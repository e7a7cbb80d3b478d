// The mouse on the plane as the user feels it: the hover test runs on every
// move, and a right press redraws the whole plane before its preview.
#include "plane/Mappatura.h"
#include "plane/Mouse.h"
#include "plane/Schermo.h"
#include "plane/qt/SuperficieImmagine.h"
#include "state/Programma.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

using namespace vellora;

class NessunDialogo : public Dialoghi {
public:
    Risposta Messaggio(const std::string&, Icona, Pulsanti) override { return Risposta::Ok; }
};

class NessunaVista : public Vista {
public:
    void Aggiorna() override {}
};

// The worst plane: 1920 x 1080 at range 30 with a grid of dots, ruler and
// axes through O on, every figure slot used by a 20-gon, figure 1 active.
struct PianoPeggiore {
    NessunDialogo dialoghi;
    NessunaVista vista;
    Programma p{dialoghi, vista};
    SuperficieImmagine schermo{QSize(1920, 1080)};

    PianoPeggiore()
    {
        Disegno& m = p.d;
        m.Range = 30;
        m.TipoGriglia = 3;
        m.CentroX = 2.0f;
        m.CentroY = -3.0f;
        for (int i = 0; i < MaxFigure; ++i) {
            std::vector<float> xs(MaxPunti), ys(MaxPunti);
            const float cx = -26.25f + 3.5f * static_cast<float>(i % 16);
            const float cy = -14.0f + 4.0f * static_cast<float>(i / 16);
            for (int k = 0; k < MaxPunti; ++k) {
                const double a = 2 * 3.14159265 * k / MaxPunti;
                xs[k] = cx + 1.6f * static_cast<float>(std::cos(a));
                ys[k] = cy + 1.6f * static_cast<float>(std::sin(a));
            }
            AggiungiFigura(m, MaxPunti, xs.data(), ys.data());
        }
        m.FiguraAttiva = 1;
        for (int f = 2; f <= MaxFigure; f += 2)
            m.Figure.Y(f, SlotColore) = TrattoPunteggiato;
        p.voci.Spunta(Voce::MnuVisualizzaRighello, true);
        p.voci.Spunta(Voce::MnuVisualizzaAssiSimm, true);
        p.ImpostaSchermo(&schermo, 1920, 1080);
        Ridisegna(p);
    }
};

// The pointer between the polygons: nothing is hit, so both passes scan
// every figure and every edge to the end.
void BM_Hover_Peggiore(benchmark::State& stato)
{
    PianoPeggiore piano;
    const PuntoPixel q = PianoInPixel(piano.p.d, piano.p.mappa, -24.5f, 0.0f);
    MouseMosso(piano.p, 0, q.x, q.y);
    if (piano.p.mouse.FiguraPresa != 0)
        stato.SkipWithError("the pointer is on a figure");
    for (auto _ : stato) {
        Servizio s = MouseMosso(piano.p, 0, q.x, q.y);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_Hover_Peggiore)->Unit(benchmark::kMicrosecond);

// One right press: the full redraw, then the white preview of the move.
void BM_Trascinamento(benchmark::State& stato)
{
    PianoPeggiore piano;
    const PuntoPixel q = PianoInPixel(piano.p.d, piano.p.mappa, 12.0f, 9.0f);
    for (auto _ : stato) {
        MousePremuto(piano.p, PulsanteDestro, 0, q.x, q.y);
        // The window reads the canvas after the press, which ends the painter.
        benchmark::DoNotOptimize(piano.schermo.Immagine().constBits());
    }
}
BENCHMARK(BM_Trascinamento)->Unit(benchmark::kMillisecond);

} // namespace
