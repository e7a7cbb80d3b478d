// The reader of typed numbers. A refusal says so once; an accepted value
// keeps the limits, and the text it leaves behind (the coordinates window
// keeps it and reads it again) gives the same value and stays as it is.
#include "Fuzz.h"
#include "state/LeggiNumero.h"

#include <cmath>
#include <string>

using namespace vellora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    fuzz::Banco b(false);
    std::string testo(fuzz::Testo(dati, n));
    bool errore = false;
    const float x = LeggiNumero(testo, errore, b.dialoghi);
    fuzz::Verifica(b.dialoghi.Messaggi() == (errore ? 1 : 0), "un messaggio per ogni rifiuto");
    if (errore) {
        fuzz::Verifica(x == ValoreRifiutato, "un rifiuto vale 999999");
        return 0;
    }
    fuzz::Verifica(x == 0.0f || (std::fabs(x) >= 1E-9f && std::fabs(x) <= 999999.0f), "entro i limiti");
    const std::string riscritto = testo;
    const float y = LeggiNumero(testo, errore, b.dialoghi);
    fuzz::Verifica(!errore && y == x && testo == riscritto, "il testo riscritto si rilegge uguale");
    return 0;
}
