#include "model/Nomi.h"

#include "model/NumeriTesto.h"

#include <algorithm>
#include <cmath>

namespace vellora {

const std::array<std::string, MaxPunti + 1> NomiFigure = {
    "",         "punto",    "segmento", "triangolo", "quadrilatero", "pentagono",  "esagono",
    "ettagono", "ottagono", "ennagono", "decagono",  "undecagono",   "dodecagono", "13-agono",
    "14-agono", "15-agono", "16-agono", "17-agono",  "18-agono",     "19-agono",   "20-agono",
};

const std::array<std::string, 16> NomiColori = {
    "", "", "", "", "", "", "", " grigio", "", "", " verde", " azzurro", " rosso", " viola", " giallo", " bianco",
};

const std::array<ColoreRgb, 16> Tavolozza = {{
    {0, 0, 0},
    {0, 0, 128},
    {0, 128, 0},
    {0, 128, 128},
    {128, 0, 0},
    {128, 0, 128},
    {128, 128, 0},
    {192, 192, 192},
    {128, 128, 128},
    {0, 0, 255},
    {0, 255, 0},
    {0, 255, 255},
    {255, 0, 0},
    {255, 0, 255},
    {255, 255, 0},
    {255, 255, 255},
}};

ColoreRgb ColoreDaCodice(float codice)
{
    const long c = std::lround(codice);
    return Tavolozza[static_cast<size_t>(std::clamp(c, 0L, 15L))];
}

const std::string& NomeColore(float codice)
{
    static const std::string vuoto;
    if (!(codice > -0.5f && codice < 15.5f)) // NaN too
        return vuoto;
    return NomiColori[static_cast<size_t>(std::lround(codice))];
}

std::string DescrizioneFigura(const Disegno& m, int f)
{
    const std::string testa = "Figura " + NumeroConSegno(f) + ": ";
    const int n = NumeroPunti(m, f);
    const std::string& colore = NomeColore(m.Figure.X(f, SlotColore));
    if (IsCerchio(m, f))
        return testa + "circonf. in " + colore;
    if (n == 1)
        return testa + "punto";
    return testa + NomiFigure[static_cast<size_t>(std::clamp(n, 0, MaxPunti))] + colore;
}

} // namespace vellora
