// The reader of comment files. A refusal gives its reason; what it reads is
// made of runs that hold text, each in another style than the one before, with
// sizes a word processor takes; and it writes to a file that reads back the
// same.
#include "Fuzz.h"
#include "files/Rtf.h"

using namespace vellora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    std::string motivo;
    const auto letto = LeggiRtf(fuzz::Testo(dati, n), &motivo);
    if (!letto) {
        fuzz::Verifica(!motivo.empty(), "un rifiuto dice perché");
        return 0;
    }
    for (size_t k = 0; k < letto->size(); ++k) {
        const Sequenza& s = (*letto)[k];
        fuzz::Verifica(!s.testo.empty(), "nessuna sequenza vuota");
        fuzz::Verifica(k == 0 || (*letto)[k - 1].stile != s.stile, "sequenze vicine di stile diverso");
        fuzz::Verifica(s.stile.dimensione >= 1 && s.stile.dimensione <= 1638, "dimensione da 1 a 1638 punti");
    }
    fuzz::Verifica(LeggiRtf(ScriviRtf(*letto)) == *letto, "il testo scritto si rilegge uguale");
    return 0;
}
