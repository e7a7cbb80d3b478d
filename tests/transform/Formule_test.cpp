#include "transform/Formule.h"
#include "transform/Trasformazioni.h"

#include <gtest/gtest.h>
#include <limits>

namespace vellora {
namespace {

using T = Trasformazione;

// O = (2, -1). P = O counts as the vertical line through O.
TEST(FormuleTrasformazione, RettaOPVerticaleEOrizzontale)
{
    const Formula verticale({T::Simm4, false, 2.0f, -1.0f, {.PuntoPX = 2.0f, .PuntoPY = -1.0f}});
    EXPECT_TRUE(verticale.RettaVerticale());
    EXPECT_EQ(verticale(1, 1), (PuntoF{3, 1}));
    const Formula orizzontale({T::Simm4, false, 2.0f, -1.0f, {.PuntoPX = 5.0f, .PuntoPY = -1.0f}});
    EXPECT_FALSE(orizzontale.RettaVerticale());
    EXPECT_EQ(orizzontale.Pendenza(), 0.0f);
    EXPECT_EQ(orizzontale.Intercetta(), -1.0f);
    EXPECT_EQ(orizzontale(1, 1), (PuntoF{1, -3}));
}

TEST(FormuleTrasformazione, LimiteDeiPixel)
{
    Modello m;
    m.PassoPixel = 16;
    m.ScalaX = 1.0f;
    m.ScalaY = 2.0f;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Caso {
        float x, y;
        bool entro;
    } casi[] = {
        {1000, 2000, true},     {-1000, -2000, true}, {1000.0001f, 0, false},
        {0, -2000.001f, false}, {nan, 0, false},      {0, std::numeric_limits<float>::infinity(), false},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(EntroLimiti(m, c.x, c.y), c.entro) << c.x << ", " << c.y;
}

} // namespace
} // namespace vellora
