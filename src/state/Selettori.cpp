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

bool PuntoPredefinito(const Disegno& d, bool centroCerchio, float& x, float& y)
{
    if (d.NumeroFigure < 1)
        return false;
    const int f = d.FiguraAttiva;
    if (centroCerchio && IsCerchio(d, f)) {
        x = d.Figure.X(f, 1);
        y = d.Figure.Y(f, 1);
        return true;
    }
    const int n = PuntiValidi(d, f);
    float sx = 0.0f;
    float sy = 0.0f;
    for (int k = 1; k <= n; ++k) {
        sx += d.Figure.X(f, k);
        sy += d.Figure.Y(f, k);
    }
    x = sx / static_cast<float>(n);
    y = sy / static_cast<float>(n);
    return true;
}

} // namespace vellora
