#include "state/Selettori.h"

namespace vellora {

bool PuntoSelezionabile(const Disegno& d, int k, float& x, float& y)
{
    if (d.NumeroFigure < 1 || k < 1 || k > PuntiValidi(d, d.FiguraAttiva))
        return false;
    x = d.Figure.X(d.FiguraAttiva, k);
    y = d.Figure.Y(d.FiguraAttiva, k);
    return true;
}

} // namespace vellora
