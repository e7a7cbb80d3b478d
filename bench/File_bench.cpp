// Saving and loading the largest drawing, as the File menu does it, without
// the disk: the text the save writes, then the drawing the load reads from it.
#include "files/FileDisegno.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

using namespace vellora;

// 128 regular 20-gons with coordinates of seven significant digits, every
// other one dotted, every colour of the palette.
Disegno Pieno()
{
    Disegno d;
    float xs[MaxPunti], ys[MaxPunti];
    for (int f = 0; f < MaxFigure; ++f) {
        for (int k = 0; k < MaxPunti; ++k) {
            const double a = 2 * 3.14159265 * k / MaxPunti;
            xs[k] = -26.25f + 3.5f * static_cast<float>(f % 16) + 1.6f * static_cast<float>(std::cos(a));
            ys[k] = -14.0f + 4.0f * static_cast<float>(f / 16) + 1.6f * static_cast<float>(std::sin(a));
        }
        AggiungiFigura(d, MaxPunti, xs, ys);
        d.Figure.X(f + 1, SlotColore) = static_cast<float>(f % 7 == 0 ? 7 : 9 + f % 7);
        d.Figure.Y(f + 1, SlotColore) = f % 2 ? TrattoPunteggiato : TrattoPieno;
    }
    return d;
}

void BM_Disegno_SalvaCarica(benchmark::State& stato)
{
    // The file keeps seven significant digits: the drawing that comes back
    // is the one a first save and load gives.
    const auto d = LeggiTestoDisegno(TestoDisegno(Pieno()));
    if (!d || d->NumeroFigure != MaxFigure) {
        stato.SkipWithError("the full drawing does not read back");
        return;
    }
    for (auto _ : stato) {
        const std::string testo = TestoDisegno(*d);
        const auto letto = LeggiTestoDisegno(testo);
        if (!letto || !(*letto == *d))
            stato.SkipWithError("the drawing read is not the drawing saved");
        benchmark::DoNotOptimize(letto);
    }
}
BENCHMARK(BM_Disegno_SalvaCarica)->Unit(benchmark::kMillisecond);

} // namespace
