#include "macro/BancoMacro.h"
#include "plane/Mappatura.h"
#include "plane/Quadranti.h"
#include "plane/Schermo.h"

#include <gtest/gtest.h>
#include <limits>
#include <tuple>

using namespace vellora;

namespace {

using Origine = std::tuple<float, int, int, int>; // half extent, pixels a tick, origin

TEST(Mappatura, ValoriDerivatiDallaFinestra)
{
    const std::tuple<int, int, int, int, int, Origine> casi[] = {
        {800, 500, 12, 0, 0, {406, 34, 400, 250}},
        {800, 500, 12, 2, -3, {406, 34, 468, 148}},
        {600, 800, 30, 0, 0, {415, 14, 300, 400}},             // the longer half-extent decides
        {801, 501, 12, 0, 0, {407, 34, 401, 251}},             // odd sizes round their halves up
        {1920, 1080, 30, 0, 0, {975, 33, 960, 540}},           // 975 / 30 = 32.5 goes up
        {800, 500, 0, 0, 0, {401, 401, 400, 250}},             // a damaged range counts as 1..30
        {800, 500, 12, 1000, -1000, {406, 34, 32767, -32768}}, // stops at the 16-bit bounds
    };
    for (const auto& [w, h, range, traslX, traslY, atteso] : casi) {
        Disegno m;
        m.Range = static_cast<int16_t>(range);
        m.TraslPianoX = static_cast<int16_t>(traslX);
        m.TraslPianoY = static_cast<int16_t>(traslY);
        Mappa mp;
        CalcolaMappatura(m, mp, w, h);
        EXPECT_EQ(Origine(mp.SemiAmpiezza, mp.PassoPixel, mp.OrigineX, mp.OrigineY), atteso) << w << "x" << h;
    }
}

// Within 1000 ticks of the origin on each axis, in pixels: 16000 at 16 pixels a tick.
TEST(Mappatura, LimiteDeiPixel)
{
    Disegno m;
    Mappa mp;
    mp.PassoPixel = 16;
    m.ScalaY = 2.0f;
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    const std::tuple<float, float, bool> casi[] = {{1000, 2000, true},     {-1000, -2000, true}, {1000.0001f, 0, false},
                                                   {0, -2000.001f, false}, {nan, 0, false},      {0, inf, false}};
    for (const auto& [x, y, entro] : casi)
        EXPECT_EQ(EntroLimiti(m, mp, x, y), entro) << x << ", " << y;
}

// The shift of the plane and the origin it gives.
std::tuple<int, int, int, int> Piano(const Programma& p)
{
    return {p.d.TraslPianoX, p.d.TraslPianoY, p.mappa.OrigineX, p.mappa.OrigineY};
}

TEST(Quadranti, OrigineVicinoAUnAngolo)
{
    const std::pair<void (*)(Programma&), std::tuple<int, int, int, int>> casi[] = {
        {PrimoQuadrante, {-10, 6, 60, 454}}, {SecondoQuadrante, {10, 6, 740, 454}},
        {TerzoQuadrante, {10, -6, 740, 46}}, {QuartoQuadrante, {-10, -6, 60, 46}},
        {ResettaPiano, {0, 0, 400, 250}},
    };
    test::Banco b; // 800 x 500: a = 350, b = 200, 34 pixels a tick: p = 10, q = 6
    Ridisegna(b.p);
    for (const auto& [comando, atteso] : casi) {
        comando(b.p);
        EXPECT_EQ(Piano(b.p), atteso);
    }
    // Halves go up: 1920 x 1080 at 33 pixels gives a = 910, b = 490, p = 28 (27.58), q = 15 (14.85).
    EXPECT_EQ(TraslazioneQuadrante(Quadrante::Terzo, 1920, 1080, 33), (TraslazionePiano{28, -15}));
    EXPECT_EQ(TraslazioneQuadrante(Quadrante::Primo, 101, 101, 1), (TraslazionePiano{-1, 1})); // 0.5 up
}

TEST(Quadranti, FrecceERigheDiMacro)
{
    test::BancoMacro b;
    b.p.sessione.RegistraMacro = true;
    const std::pair<DirezionePiano, std::tuple<int, int, int, int>> passi[] = {
        {DirezionePiano::Destra, {1, 0, 434, 250}},
        {DirezionePiano::Alto, {1, -1, 434, 216}},
        {DirezionePiano::Sinistra, {0, -1, 400, 216}},
        {DirezionePiano::Basso, {0, 0, 400, 250}},
    };
    for (const auto& [direzione, atteso] : passi) {
        TraslaPiano(b.p, direzione);
        EXPECT_EQ(Piano(b.p), atteso);
    }
    EXPECT_EQ(b.Copia(), "TraslaPianoDestra\r\nTraslaPianoAlto\r\nTraslaPianoSinistra\r\nTraslaPianoBasso\r\n");
    b.p.d.TraslPianoX = 32767; // stops at the bound instead of wrapping round
    TraslaPiano(b.p, DirezionePiano::Destra);
    EXPECT_EQ(b.p.d.TraslPianoX, 32767);
}

} // namespace
