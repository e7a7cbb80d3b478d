#include "transform/Formule.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace vellora
