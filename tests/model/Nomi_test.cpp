#include "model/Nomi.h"

#include <gtest/gtest.h>

using namespace vellora;

namespace {

// The names the other tests do not meet: the longest figure, violet, and colour codes without a name (a bad file),
// which leave the name out.
TEST(DescrizioneFigura, TestiEsatti)
{
    const struct {
        int f, n;
        bool cerchio;
        float colore;
        const char* atteso;
    } casi[] = {
        {7, 20, false, 13, "Figura  7: 20-agono viola"},
        {9, 5, false, 3, "Figura  9: pentagono"},
        {10, 6, false, 99, "Figura  10: esagono"},
        {11, 2, true, -4, "Figura  11: circonf. in "},
    };
    for (const auto& c : casi) {
        Disegno m;
        m.NumeroFigure = static_cast<uint8_t>(c.f);
        m.Figure.X(c.f, 0) = static_cast<float>(c.n);
        m.Figure.Y(c.f, 0) = c.cerchio ? 1.0f : 0.0f;
        m.Figure.X(c.f, SlotColore) = c.colore;
        EXPECT_EQ(DescrizioneFigura(m, c.f), c.atteso);
    }
    // Codes outside the palette stop at its ends.
    EXPECT_EQ(ColoreDaCodice(10.4f), (ColoreRgb{0, 255, 0}));
    EXPECT_EQ(ColoreDaCodice(99), (ColoreRgb{255, 255, 255}));
    EXPECT_EQ(ColoreDaCodice(-3), (ColoreRgb{0, 0, 0}));
}

} // namespace
