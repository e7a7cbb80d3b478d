#include "model/Nomi.h"

#include <gtest/gtest.h>

namespace vellora {
namespace {

// Writes figure f with n points, circle flag and colour, nothing else.
void Figura(Modello& m, int f, int n, bool cerchio, float colore)
{
    m.Figure.X(f, 0) = static_cast<float>(n);
    m.Figure.Y(f, 0) = cerchio ? 1.0f : 0.0f;
    m.Figure.X(f, SlotColore) = colore;
    if (f > m.NumeroFigure)
        m.NumeroFigure = static_cast<uint8_t>(f);
}

TEST(DescrizioneFigura, TestiEsatti)
{
    const struct {
        int f, n;
        bool cerchio;
        float colore;
        const char* atteso;
    } casi[] = {
        {3, 3, false, 14, "Figura  3: triangolo giallo"},
        {1, 1, false, 14, "Figura  1: punto"},
        {1, 1, false, 12, "Figura  1: punto"},
        {2, 2, true, 11, "Figura  2: circonf. in  azzurro"},
        {4, 2, false, 12, "Figura  4: segmento rosso"},
        {5, 4, false, 7, "Figura  5: quadrilatero grigio"},
        {6, 13, false, 15, "Figura  6: 13-agono bianco"},
        {7, 20, false, 13, "Figura  7: 20-agono viola"},
        {8, 9, false, 10, "Figura  8: ennagono verde"},
        {128, 12, false, 14, "Figura  128: dodecagono giallo"},
        // A colour code without a name (a bad file) leaves the name out.
        {9, 5, false, 3, "Figura  9: pentagono"},
        {10, 6, false, 99, "Figura  10: esagono"},
        {11, 2, true, -4, "Figura  11: circonf. in "},
    };
    for (const auto& c : casi) {
        Modello m;
        Figura(m, c.f, c.n, c.cerchio, c.colore);
        EXPECT_EQ(DescrizioneFigura(m, c.f), c.atteso);
    }
}

TEST(Nomi, ColoriDellaTavolozza)
{
    EXPECT_EQ(ColoreDaCodice(14), (ColoreRgb{255, 255, 0}));
    EXPECT_EQ(ColoreDaCodice(7), (ColoreRgb{192, 192, 192}));
    EXPECT_EQ(ColoreDaCodice(11), (ColoreRgb{0, 255, 255}));
    EXPECT_EQ(ColoreDaCodice(10.4f), (ColoreRgb{0, 255, 0}));
    // Codes outside the palette never index past it.
    EXPECT_EQ(ColoreDaCodice(99), (ColoreRgb{255, 255, 255}));
    EXPECT_EQ(ColoreDaCodice(-3), (ColoreRgb{0, 0, 0}));
    EXPECT_EQ(NomiFigure[0], "");
    EXPECT_EQ(NomiFigure[7], "ettagono");
    EXPECT_EQ(NomiFigure[11], "undecagono");
}

} // namespace
} // namespace vellora
