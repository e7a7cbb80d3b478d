// An undo and a redo of the largest drawing as the window runs them: the
// drawing of 128 regular 20-gons swapped with the step's copy, the fields,
// totals and data panel, and the full redraw of the 800 x 600 canvas.
#include "files/ComandiStoria.h"
#include "plane/qt/SuperficieImmagine.h"
#include "state/Programma.h"
#include "transform/Trasformazioni.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

using namespace vellora;

class DialoghiMuti : public Dialoghi {
public:
    Risposta Messaggio(const std::string&, Icona, Pulsanti) override { return Risposta::Ok; }
};

class VistaMuta : public Vista {
public:
    void Aggiorna() override {}
};

void BM_Annulla(benchmark::State& stato)
{
    DialoghiMuti dialoghi;
    VistaMuta vista;
    Programma p(dialoghi, vista);
    SuperficieImmagine superficie(QSize(800, 600));
    p.ImpostaSchermo(&superficie, 800, 600);
    for (int f = 1; f <= MaxFigure; ++f) {
        float xs[MaxPunti], ys[MaxPunti];
        for (int k = 0; k < MaxPunti; ++k) {
            const double a = 2 * 3.14159265 * k / MaxPunti;
            xs[k] = -11.25f + 1.5f * static_cast<float>((f - 1) % 16) + 0.6f * static_cast<float>(std::cos(a));
            ys[k] = -5.25f + 1.5f * static_cast<float>((f - 1) / 16) + 0.6f * static_cast<float>(std::sin(a));
        }
        AggiungiFigura(p.d, MaxPunti, xs, ys);
    }
    EseguiPasso(p, "rotazione", [&] { ClicTrasformazione(p, Trasformazione::Ruota, Gesto::Applica); });
    bool annulla = true;
    for (auto _ : stato) {
        if (annulla)
            AnnullaPasso(p);
        else
            RipetiPasso(p);
        annulla = !annulla;
        benchmark::DoNotOptimize(superficie.Immagine().constBits());
    }
}
BENCHMARK(BM_Annulla)->Unit(benchmark::kMicrosecond);

} // namespace
