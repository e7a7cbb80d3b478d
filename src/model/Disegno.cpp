#include "model/Disegno.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace vellora {

int NumeroPunti(const Disegno& m, int f)
{
    return static_cast<int>(m.Figure.X(f, 0));
}

bool IsCerchio(const Disegno& m, int f)
{
    return m.Figure.Y(f, 0) == CodiceCerchio;
}

int PuntiValidi(const Disegno& m, int f)
{
    const float n = m.Figure.X(f, 0);
    if (!(n >= 1.0f))
        return 1;
    return n >= static_cast<float>(MaxPunti) ? MaxPunti : static_cast<int>(n);
}

bool EsisteCerchio(const Disegno& m)
{
    for (int f = 1; f <= std::min<int>(m.NumeroFigure, MaxFigure); ++f)
        if (IsCerchio(m, f))
            return true;
    return false;
}

void ChiudiFigura(Disegno& m, int f)
{
    const int n = NumeroPunti(m, f);
    m.Figure.X(f, n + 1) = m.Figure.X(f, 1);
    m.Figure.Y(f, n + 1) = m.Figure.Y(f, 1);
}

bool AggiungiFigura(Disegno& m, int n, const float* xs, const float* ys, bool cerchio)
{
    if (m.NumeroFigure >= MaxFigure || n < 1 || n > MaxPunti)
        return false;
    const int f = ++m.NumeroFigure;
    m.Figure.X(f, 0) = static_cast<float>(n);
    m.Figure.Y(f, 0) = cerchio ? CodiceCerchio : 0.0f;
    for (int k = 1; k <= n; ++k) {
        m.Figure.X(f, k) = xs[k - 1];
        m.Figure.Y(f, k) = ys[k - 1];
    }
    m.Figure.X(f, SlotColore) = ColoreNuovaFigura;
    m.Figure.Y(f, SlotColore) = TrattoPieno;
    m.FiguraAttiva = static_cast<uint8_t>(f);
    m.VerticeAttivo = 0;
    return true;
}

void EliminaFigura(Disegno& m, int f)
{
    if (f < 1 || f > m.NumeroFigure)
        return;
    for (int g = f + 1; g <= m.NumeroFigure; ++g)
        m.Figure.CopiaRecord(g, g - 1);
    --m.NumeroFigure;
}

void AzzeraDisegno(Disegno& m)
{
    m.NumeroFigure = 0;
    m.VerticeAttivo = 0;
    m.CentroX = 0.0f;
    m.CentroY = 0.0f;
}

bool Disegno::operator==(const Disegno& o) const
{
    auto impostazioni = [](const Disegno& d) {
        return std::tie(d.NumeroFigure, d.FiguraAttiva, d.VerticeAttivo, d.CentroX, d.CentroY, d.Range, d.ScalaX,
                        d.ScalaY, d.TraslPianoX, d.TraslPianoY, d.TipoGriglia, d.Parametri);
    };
    if (impostazioni(*this) != impostazioni(o))
        return false;
    // Row by row: every command that may change the drawing compares it.
    for (int f = 1; f <= NumeroFigure; ++f)
        if (!std::equal(Figure.RigaX(f), Figure.RigaX(f) + UltimoSlot + 1, o.Figure.RigaX(f)) ||
            !std::equal(Figure.RigaY(f), Figure.RigaY(f) + UltimoSlot + 1, o.Figure.RigaY(f)))
            return false;
    return true;
}

float Distanza(float x1, float y1, float x2, float y2)
{
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

std::string LetteraPunto(int k)
{
    return std::string(1, static_cast<char>(64 + k));
}

} // namespace vellora
