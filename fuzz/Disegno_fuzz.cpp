// The drawing reader. Whatever it accepts writes back to a text it accepts
// again, and that text writes itself once more unchanged: the file keeps
// seven significant digits, so the second reading is where the values settle.
// What it accepts also loads as the start-up load does: data panel and a
// redraw at the default area.
#include "Fuzz.h"
#include "files/ComandiDisegno.h"
#include "files/FileDisegno.h"

using namespace vellora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const auto letto = LeggiTestoDisegno(fuzz::Testo(dati, n));
    if (!letto)
        return 0;
    const std::string scritto = TestoDisegno(*letto);
    const auto riletto = LeggiTestoDisegno(scritto);
    fuzz::Verifica(riletto && TestoDisegno(*riletto) == scritto, "il disegno scritto si rilegge uguale");
    fuzz::Banco b(true);
    LeggiDisegno(b.p, *letto, false);
    return 0;
}
