// The full redraw as the user feels it: every command and every mouse move
// while dragging runs it, from clearing the canvas to the last selection mark.
#include "model/Disegno.h"
#include "plane/Ridisegno.h"
#include "plane/qt/SuperficieImmagine.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

using namespace vellora;

void AggiungiPoligono(Disegno& m, int lati, float cx, float cy, float raggio)
{
    std::vector<float> xs(lati), ys(lati);
    for (int k = 0; k < lati; ++k) {
        const double a = 2 * 3.14159265 * k / lati;
        xs[k] = cx + raggio * static_cast<float>(std::cos(a));
        ys[k] = cy + raggio * static_cast<float>(std::sin(a));
    }
    AggiungiFigura(m, lati, xs.data(), ys.data());
}

void Ridisegna(benchmark::State& stato, Disegno& m, int w, int h, const OpzioniPiano& opzioni)
{
    SuperficieImmagine s(QSize(w, h));
    Mappa mp;
    for (auto _ : stato) {
        DisegnaPiano(m, mp, w, h, opzioni, s);
        DisegnaFigure(m, mp, s);
        // The window reads the canvas after every redraw, which ends the painter.
        benchmark::DoNotOptimize(s.Immagine().constBits());
    }
}

// Largest grid of dots, every figure slot used with 20 points, ruler and the
// axes through O on: the most a redraw can be asked to do.
void BM_Ridisegno_Peggiore(benchmark::State& stato)
{
    Disegno m;
    m.Range = 30;
    m.TipoGriglia = 3;
    m.CentroX = 2.0f;
    m.CentroY = -3.0f;
    // 1920 x 1080 at range 30 shows about -29..29 by -16..16 units.
    for (int i = 0; i < MaxFigure; ++i)
        AggiungiPoligono(m, MaxPunti, -26.25f + 3.5f * static_cast<float>(i % 16),
                         -14.0f + 4.0f * static_cast<float>(i / 16), 1.6f);
    m.FiguraAttiva = 1;
    for (int f = 2; f <= MaxFigure; f += 2)
        m.Figure.Y(f, SlotColore) = TrattoPunteggiato;
    Ridisegna(stato, m, 1920, 1080, {true, true});
}
BENCHMARK(BM_Ridisegno_Peggiore)->Unit(benchmark::kMillisecond);

// The plane as the program opens it, with a few triangles on it.
void BM_Ridisegno_Predefinito(benchmark::State& stato)
{
    Disegno m;
    for (int i = 0; i < 10; ++i)
        AggiungiPoligono(m, 3, -10.0f + 2.2f * static_cast<float>(i), i % 2 ? 3.0f : -3.0f, 1.0f);
    Ridisegna(stato, m, 800, 600, {});
}
BENCHMARK(BM_Ridisegno_Predefinito)->Unit(benchmark::kMillisecond);

} // namespace
