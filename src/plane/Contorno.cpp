#include "plane/Contorno.h"

#include <algorithm>

namespace vellora {

Proiezione ProiezioneSchermo(const Disegno& m, const Mappa& mp)
{
    return {static_cast<double>(mp.PassoPixel), static_cast<double>(mp.OrigineX), static_cast<double>(mp.OrigineY),
            static_cast<double>(m.ScalaX), static_cast<double>(m.ScalaY)};
}

void TracciaContorno(const Disegno& m, int f, const Proiezione& pr, ColoreRgb colore, StileLinea stile,
                     Chiusura chiusura, Superficie& s)
{
    const TabellaFigure& t = m.Figure;
    if (IsCerchio(m, f)) {
        const float r = Distanza(t.X(f, 1), t.Y(f, 1), t.X(f, 2), t.Y(f, 2));
        const PuntoPixel centro = pr(t.X(f, 1), t.Y(f, 1));
        s.Cerchio(centro.x, centro.y, pr.passo * static_cast<double>(r) / pr.scalaX, colore, nullptr, stile);
        return;
    }
    const int n = PuntiValidi(m, f);
    PuntoPixel primo = pr(t.X(f, 1), t.Y(f, 1));
    PuntoPixel da = primo;
    for (int k = 2; k <= n; ++k) {
        const PuntoPixel a = pr(t.X(f, k), t.Y(f, k));
        s.Linea(da.x, da.y, a.x, a.y, colore, stile);
        da = a;
    }
    if (n > 2 || (n == 2 && chiusura == Chiusura::Sempre))
        s.Linea(da.x, da.y, primo.x, primo.y, colore, stile);
}

} // namespace vellora
