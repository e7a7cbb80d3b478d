#include "transform/Formule.h"
#include "transform/Trasformazioni.h"

#include <gtest/gtest.h>
#include <limits>

namespace vellora {
namespace {

using T = Trasformazione;

Applicazione Simmetria4(float px, float py)
{
    Applicazione a{T::Simm4, false, 2.0f, -1.0f, {}};
    a.parametri.PuntoPX = px;
    a.parametri.PuntoPY = py;
    return a;
}

// O = (2, -1) throughout; (1, 1) is reflected.
TEST(FormuleTrasformazione, RettaOPVerticaleOrizzontaleEObliqua)
{
    struct Caso {
        float px, py;
        bool verticale;
        float m, q;
        PuntoF atteso;
    } casi[] = {
        {2, -1, true, 0, 0, {3, 1}},    // P = O
        {2, 5, true, 0, 0, {3, 1}},     // P on the vertical through O
        {5, -1, false, 0, -1, {1, -3}}, // horizontal line y = -1
        {4, 3, false, 2, -5, {4.2f, -0.6f}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(testing::Message() << "P = (" << c.px << ", " << c.py << ")");
        const Formula f(Simmetria4(c.px, c.py));
        EXPECT_EQ(f.RettaVerticale(), c.verticale);
        EXPECT_EQ(f.Pendenza(), c.m);
        EXPECT_EQ(f.Intercetta(), c.q);
        const PuntoF r = f(1, 1);
        EXPECT_FLOAT_EQ(r.x, c.atteso.x);
        EXPECT_FLOAT_EQ(r.y, c.atteso.y);
    }
}

TEST(FormuleTrasformazione, Gesti)
{
    struct Caso {
        T t;
        int pulsante;
        bool shift, altri;
        Gesto atteso;
    } casi[] = {
        {T::Simm1, 1, false, false, Gesto::Applica}, {T::Simm4, 1, true, false, Gesto::Applica},
        {T::Simm2, 1, true, true, Gesto::Applica},   {T::Simm3, 2, false, false, Gesto::Impostazioni},
        {T::Simm1, 4, false, false, Gesto::Altro},   {T::Trasla1, 1, false, false, Gesto::Applica},
        {T::Ruota, 1, true, false, Gesto::Inversa},  {T::Omotetia, 1, true, true, Gesto::Altro},
        {T::Stir1, 1, false, true, Gesto::Altro},    {T::Stir2, 2, true, false, Gesto::Impostazioni},
        {T::Trasla3, 4, false, false, Gesto::Altro}, {T::Trasla2, 3, false, false, Gesto::Altro},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(GestoDaMouse(c.t, c.pulsante, c.shift, c.altri), c.atteso)
            << static_cast<int>(c.t) << " " << c.pulsante << " " << c.shift << " " << c.altri;
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
