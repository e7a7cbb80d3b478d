// The figure reader: what it accepts writes back to a text it accepts again
// and that writes itself unchanged (the second reading is where seven
// significant digits settle), and it can stand as the figure of a drawing:
// data panel and a redraw at the default area.
#include "Fuzz.h"
#include "files/ComandiDisegno.h"
#include "files/FileFigura.h"

using namespace vellora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n)
{
    const auto letta = LeggiTestoFigura(fuzz::Testo(dati, n));
    if (!letta)
        return 0;
    const std::string scritta = TestoFigura(*letta);
    const auto riletta = LeggiTestoFigura(scritta);
    fuzz::Verifica(riletta && TestoFigura(*riletta) == scritta, "la figura scritta si rilegge uguale");
    Disegno d;
    d.NumeroFigure = 1;
    PosaRecord(d.Figure, 1, *letta);
    fuzz::Banco b(true);
    LeggiDisegno(b.p, d, false);
    return 0;
}
