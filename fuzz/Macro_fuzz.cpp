// The macro reader and player. Every line the player would run writes back,
// through the recorder's line writer, to a line that reads again into the
// same word and values that write the same line (the second reading is where
// seven significant digits settle). Then the whole input plays as the
// command-line mode plays it (no pump, the mapping of the default area) on a
// point, a triangle, a square and a circle, and whatever it leaves must be a
// drawing that saves and opens again.
#include "Fuzz.h"
#include "figures/Catalogo.h"
#include "files/FileDisegno.h"
#include "macro/LettoreMacro.h"
#include "macro/Macro.h"
#include "macro/ParoleMacro.h"
#include "plane/Mappatura.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <unistd.h>
#include <vector>

using namespace vellora;

namespace {

std::string cartella; // this process's own folder for the working copy

std::optional<std::vector<float>> Valori(const ComandoMacro& c, const RigaLetta& riga)
{
    std::vector<float> v;
    std::string motivo;
    for (size_t i = 0; i < c.parametri.size(); ++i) {
        const auto x = LeggiParametro(i < riga.parametri.size() ? riga.parametri[i] : "", c.parametri[i], motivo);
        if (!x)
            return std::nullopt;
        v.push_back(static_cast<float>(*x));
    }
    return v;
}

void Riscrivi(const RigaLetta& riga)
{
    const ComandoMacro* c = CercaComando(riga.parola);
    const auto v = c ? Valori(*c, riga) : std::nullopt;
    if (!v)
        return;
    const std::string scritta = RigaMacro(c->parola, *v);
    const std::string macro = "Inizio macro\r\n" + scritta + "\r\n";
    LettoreMacro lettore(macro);
    RigaLetta riletta;
    fuzz::Verifica(lettore.Prossima(riletta) && riletta.parola == c->parola, "la parola scritta si rilegge");
    const auto w = Valori(*c, riletta);
    fuzz::Verifica(w && RigaMacro(c->parola, *w) == scritta, "la riga scritta si rilegge uguale");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    namespace fs = std::filesystem;
    const fs::path c = fs::temp_directory_path() / ("vellora_fuzz_" + std::to_string(::getpid()));
    fs::create_directories(c);
    cartella = (c / "").string();
    std::atexit([] {
        std::error_code e;
        std::filesystem::remove_all(cartella, e);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const std::string testo(fuzz::Testo(dati, n));
    LettoreMacro lettore(testo);
    RigaLetta riga;
    while (lettore.Prossima(riga))
        Riscrivi(riga);

    fuzz::Banco b(false);
    Programma& p = b.p;
    for (Voce v : {Voce::MnuFiguraMenuPunto, Voce::MnuFiguraMenuTriangoliRett, Voce::MnuFiguraMenuQuadrilateriQuadrato})
        InserisciFiguraPredefinita(p, v);
    const float xs[] = {1, 3}, ys[] = {1, 1};
    AggiungiFigura(p.d, 2, xs, ys, true);
    p.CartellaDati = cartella;
    // A new file each time: truncating one makes the file system write it
    // out at every close, which would cost more than the playback.
    std::error_code e;
    std::filesystem::remove(PercorsoCopiaLavoro(p), e);
    std::ofstream(PercorsoCopiaLavoro(p), std::ios::binary) << testo;
    p.voci.Abilita(Voce::MnuMacroEsegui, true);
    CalcolaMappatura(p.d, p.mappa, LarghezzaPredefinita, AltezzaPredefinita);
    EseguiMacro(p);
    fuzz::Verifica(LeggiTestoDisegno(TestoDisegno(p.d)).has_value(), "la macro lascia un disegno valido");
    return 0;
}
