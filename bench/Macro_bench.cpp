// A long macro played as the command-line mode plays it (no pauses, no
// window) and as the window plays it without pauses: the same lines, the
// second time with every command redrawing the 800 x 600 canvas and the
// window reading it back. The second takes the first 1000 lines only, so
// that a run stays short; both report lines per second.
#include "macro/Macro.h"
#include "plane/Mappatura.h"
#include "plane/qt/SuperficieImmagine.h"
#include "state/Programma.h"
#include "state/Registratore.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

using namespace vellora;
namespace fs = std::filesystem;

class DialoghiContati : public Dialoghi {
public:
    int messaggi = 0;
    Risposta Messaggio(const std::string&, Icona, Pulsanti) override
    {
        ++messaggi;
        return Risposta::Ok;
    }
};

// The window reads its canvas after each command that refreshed it.
class VistaCheLegge : public Vista {
public:
    SuperficieImmagine* superficie = nullptr;
    void Aggiorna() override
    {
        if (superficie)
            benchmark::DoNotOptimize(superficie->Immagine().constBits());
    }
};

float Centro(int f, bool y)
{
    return y ? -5.25f + 1.5f * static_cast<float>((f - 1) / 16) : -11.25f + 1.5f * static_cast<float>((f - 1) % 16);
}

// 128 regular 20-gons over the visible plane.
void Riempi(Disegno& m)
{
    for (int f = 1; f <= MaxFigure; ++f) {
        float xs[MaxPunti], ys[MaxPunti];
        for (int k = 0; k < MaxPunti; ++k) {
            const double a = 2 * 3.14159265 * k / MaxPunti;
            xs[k] = Centro(f, false) + 0.6f * static_cast<float>(std::cos(a));
            ys[k] = Centro(f, true) + 0.6f * static_cast<float>(std::sin(a));
        }
        AggiungiFigura(m, MaxPunti, xs, ys);
    }
}

// Selections, then transformations about the selected figure's centre that
// come back to where they started, so that any number of lines keeps the
// figures in view.
std::string MacroLunga(int numero)
{
    std::string testo = "Inizio macro\r\n";
    int righe = 0;
    const auto riga = [&](const std::string& r) {
        if (righe++ < numero)
            testo += r + "\r\n";
    };
    int giro = 0;
    while (righe < numero) { // riga counts the lines
        const int f = giro++ % MaxFigure + 1;
        const float cx = Centro(f, false), cy = Centro(f, true);
        riga(RigaMacro("Figura attiva", {static_cast<float>(f)}));
        riga(RigaMacro("Rotazione", {30, cx, cy}));
        riga(RigaMacro("Traslazione", {.5f, -.25f}));
        riga(RigaMacro("Omotetia", {2, cx + .5f, cy - .25f}));
        riga(RigaMacro("SimmetriaY", {cx + .5f}));
        riga(RigaMacro("Vertice attivo", {static_cast<float>(f), 3}));
        riga(RigaMacro("TraslazioneOr", {.125f}));
        riga(RigaMacro("TraslazioneOr", {-.125f}));
        riga(RigaMacro("Figura attiva", {static_cast<float>(f)}));
        riga(RigaMacro("SimmetriaY", {cx + .5f}));
        riga(RigaMacro("Omotetia", {.5f, cx + .5f, cy - .25f}));
        riga(RigaMacro("Traslazione", {-.5f, .25f}));
        riga(RigaMacro("Rotazione", {-30, cx, cy}));
        riga(RigaMacro("SimmetriaO", {cx, cy}));
        riga(RigaMacro("Simmetria", {cx, cy, cx + 1, cy + 1}));
        riga(RigaMacro("Simmetria", {cx, cy, cx + 1, cy + 1}));
        riga(RigaMacro("SimmetriaO", {cx, cy}));
    }
    return testo;
}

void Esegui(benchmark::State& stato, bool schermo, int righe)
{
    DialoghiContati dialoghi;
    VistaCheLegge vista;
    Programma p(dialoghi, vista);
    const fs::path cartella = fs::temp_directory_path() / ("vellora_bench_macro_" + std::to_string(::getpid()));
    fs::create_directories(cartella);
    p.CartellaDati = (cartella / "").string();
    std::ofstream(PercorsoCopiaLavoro(p), std::ios::binary) << MacroLunga(righe);
    p.voci.Abilita(Voce::MnuMacroEsegui, true);

    Riempi(p.d);
    // The mapping the first redraw would make: the overflow guard reads it.
    CalcolaMappatura(p.d, p.mappa, 800, 600);
    SuperficieImmagine superficie(QSize(800, 600));
    if (schermo) {
        p.ImpostaSchermo(&superficie, 800, 600);
        vista.superficie = &superficie;
    }
    const Disegno inizio = p.d;
    for (auto _ : stato) {
        stato.PauseTiming();
        p.d = inizio;
        stato.ResumeTiming();
        EseguiMacro(p);
    }
    if (dialoghi.messaggi > 0)
        stato.SkipWithError("la macro ha mostrato dei messaggi");
    stato.SetItemsProcessed(stato.iterations() * righe);
    fs::remove_all(cartella);
}

void BM_Macro_Batch(benchmark::State& stato)
{
    Esegui(stato, false, 10000);
}
BENCHMARK(BM_Macro_Batch)->Unit(benchmark::kMillisecond);

void BM_Macro_Schermo(benchmark::State& stato)
{
    Esegui(stato, true, 1000);
}
BENCHMARK(BM_Macro_Schermo)->Unit(benchmark::kMillisecond);

} // namespace
