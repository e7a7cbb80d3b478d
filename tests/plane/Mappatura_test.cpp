#include "macro/BancoMacro.h"
#include "plane/Mappatura.h"
#include "plane/Quadranti.h"
#include "plane/Schermo.h"

#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace vellora {
namespace {

TEST(Mappatura, ValoriDerivatiDallaFinestra)
{
    const struct {
        int w, h, range, traslX, traslY;
        float semiAmpiezza;
        int passo, origineX, origineY;
    } casi[] = {
        {800, 500, 12, 0, 0, 406, 34, 400, 250},
        {800, 500, 12, 2, -3, 406, 34, 468, 148},
        {600, 800, 30, 0, 0, 415, 14, 300, 400},             // the longer half-extent decides
        {801, 501, 12, 0, 0, 407, 34, 401, 251},             // odd sizes round their halves up
        {1920, 1080, 30, 0, 0, 975, 33, 960, 540},           // 975 / 30 = 32.5 goes up
        {800, 500, 0, 0, 0, 401, 401, 400, 250},             // a damaged range counts as 1..30
        {800, 500, 12, 1000, -1000, 406, 34, 32767, -32768}, // stops at the 16-bit bounds
    };
    for (const auto& c : casi) {
        Disegno m;
        m.Range = static_cast<int16_t>(c.range);
        m.TraslPianoX = static_cast<int16_t>(c.traslX);
        m.TraslPianoY = static_cast<int16_t>(c.traslY);
        Mappa mp;
        CalcolaMappatura(m, mp, c.w, c.h);
        EXPECT_EQ(std::tuple(mp.SemiAmpiezza, mp.PassoPixel, mp.OrigineX, mp.OrigineY),
                  std::tuple(c.semiAmpiezza, c.passo, c.origineX, c.origineY))
            << c.w << "x" << c.h << " range " << c.range;
    }
}

// The shift of the plane and the origin it gives.
std::tuple<int, int, int, int> Piano(const Programma& p)
{
    return {p.d.TraslPianoX, p.d.TraslPianoY, p.mappa.OrigineX, p.mappa.OrigineY};
}

TEST(Quadranti, OrigineVicinoAUnAngolo)
{
    const struct {
        void (*comando)(Programma&);
        std::tuple<int, int, int, int> atteso;
    } casi[] = {
        {PrimoQuadrante, {-10, 6, 60, 454}}, {SecondoQuadrante, {10, 6, 740, 454}},
        {TerzoQuadrante, {10, -6, 740, 46}}, {QuartoQuadrante, {-10, -6, 60, 46}},
        {ResettaPiano, {0, 0, 400, 250}},
    };
    test::Banco b; // 800 x 500: a = 350, b = 200, 34 pixels a tick: p = 10, q = 6
    Ridisegna(b.p);
    for (const auto& c : casi) {
        c.comando(b.p);
        EXPECT_EQ(Piano(b.p), c.atteso);
    }
    // Halves go up: 1920 x 1080 at 33 pixels gives a = 910, b = 490, p = 28 (27.58), q = 15 (14.85).
    EXPECT_EQ(TraslazioneQuadrante(Quadrante::Terzo, 1920, 1080, 33), (TraslazionePiano{28, -15}));
    EXPECT_EQ(TraslazioneQuadrante(Quadrante::Primo, 101, 101, 1), (TraslazionePiano{-1, 1})); // 0.5 up
}

TEST(Quadranti, FrecceERigheDiMacro)
{
    test::BancoMacro b;
    b.p.sessione.RegistraMacro = true;
    const struct {
        DirezionePiano d;
        std::tuple<int, int, int, int> atteso;
    } passi[] = {{DirezionePiano::Destra, {1, 0, 434, 250}},
                 {DirezionePiano::Alto, {1, -1, 434, 216}},
                 {DirezionePiano::Sinistra, {0, -1, 400, 216}},
                 {DirezionePiano::Basso, {0, 0, 400, 250}}};
    for (const auto& s : passi) {
        TraslaPiano(b.p, s.d);
        EXPECT_EQ(Piano(b.p), s.atteso);
    }
    EXPECT_EQ(b.Copia(), "TraslaPianoDestra\r\nTraslaPianoAlto\r\nTraslaPianoSinistra\r\nTraslaPianoBasso\r\n");

    b.p.d.TraslPianoX = 32767; // stops at the bound instead of wrapping round
    b.p.sessione.RegistraMacro = false;
    TraslaPiano(b.p, DirezionePiano::Destra);
    EXPECT_EQ(b.p.d.TraslPianoX, 32767);
}

TEST(Mappatura, LimiteDeiPixel)
{
    Disegno m;
    Mappa mp;
    mp.PassoPixel = 16;
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
        EXPECT_EQ(EntroLimiti(m, mp, c.x, c.y), c.entro) << c.x << ", " << c.y;
}

} // namespace
} // namespace vellora
