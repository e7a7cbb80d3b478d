#include "Finti.h"
#include "plane/Quadranti.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace vellora {
namespace {

TEST(Quadranti, OrigineVicinoAUnAngolo)
{
    const struct {
        void (*comando)(Programma&);
        int traslX, traslY, origineX, origineY;
    } casi[] = {
        {PrimoQuadrante, -10, 6, 60, 454},  {SecondoQuadrante, 10, 6, 740, 454}, {TerzoQuadrante, 10, -6, 740, 46},
        {QuartoQuadrante, -10, -6, 60, 46}, {ResettaPiano, 0, 0, 400, 250},
    };
    test::Banco b; // 800 x 500: a = 350, b = 200, 34 pixels a tick: p = 10, q = 6
    b.p.Ridisegna();
    for (const auto& c : casi) {
        c.comando(b.p);
        EXPECT_EQ(b.p.m.TraslPianoX, c.traslX);
        EXPECT_EQ(b.p.m.TraslPianoY, c.traslY);
        EXPECT_EQ(b.p.m.OrigineX, c.origineX);
        EXPECT_EQ(b.p.m.OrigineY, c.origineY);
    }
    // Halves go up: 1920 x 1080 at 33 pixels gives a = 910, b = 490, p = 28 (27.58), q = 15 (14.85).
    EXPECT_EQ(TraslazioneQuadrante(Quadrante::Terzo, 1920, 1080, 33), (TraslazionePiano{28, -15}));
    EXPECT_EQ(TraslazioneQuadrante(Quadrante::Primo, 101, 101, 1), (TraslazionePiano{-1, 1})); // 0.5 up
}

TEST(Quadranti, FrecceERigheDiMacro)
{
    const auto cartella = std::filesystem::temp_directory_path() / ("vellora_quad_" + std::to_string(::getpid()));
    std::filesystem::create_directories(cartella);
    std::filesystem::remove(cartella / "Macro.tmp");
    test::Banco b;
    b.p.CartellaDati = cartella.string() + "/";
    b.p.m.RegistraMacro = true;
    const struct {
        DirezionePiano d;
        int x, y, origineX, origineY;
    } passi[] = {
        {DirezionePiano::Destra, 1, 0, 434, 250},
        {DirezionePiano::Alto, 1, -1, 434, 216},
        {DirezionePiano::Sinistra, 0, -1, 400, 216},
        {DirezionePiano::Basso, 0, 0, 400, 250},
    };
    for (const auto& s : passi) {
        TraslaPiano(b.p, s.d);
        EXPECT_EQ(b.p.m.TraslPianoX, s.x);
        EXPECT_EQ(b.p.m.TraslPianoY, s.y);
        EXPECT_EQ(b.p.m.OrigineX, s.origineX);
        EXPECT_EQ(b.p.m.OrigineY, s.origineY);
    }
    std::ifstream in(cartella / "Macro.tmp", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              "TraslaPianoDestra\r\nTraslaPianoAlto\r\nTraslaPianoSinistra\r\nTraslaPianoBasso\r\n");
    std::filesystem::remove_all(cartella);

    b.p.m.TraslPianoX = 32767; // stops at the bound instead of wrapping round
    b.p.m.RegistraMacro = false;
    TraslaPiano(b.p, DirezionePiano::Destra);
    EXPECT_EQ(b.p.m.TraslPianoX, 32767);
}

} // namespace
} // namespace vellora
