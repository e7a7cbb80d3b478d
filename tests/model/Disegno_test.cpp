#include "model/Disegno.h"

#include <array>
#include <gtest/gtest.h>
#include <stdexcept>
#include <utility>

using namespace vellora;

namespace {

// Appends n points (k, -k), k = 1..n; there are points for one more than a figure may hold.
bool Aggiungi(Disegno& m, int n)
{
    float xs[MaxPunti + 1], ys[MaxPunti + 1];
    for (int k = 0; k <= MaxPunti; ++k)
        xs[k] = static_cast<float>(k + 1), ys[k] = static_cast<float>(-(k + 1));
    return AggiungiFigura(m, n, xs, ys);
}

TEST(TabellaFigure, IndiceFuoriDaiLimitiLanciaENonScrive)
{
    Disegno m;
    Aggiungi(m, 3);
    const Disegno prima = m;
    for (const auto& [f, k] : {std::pair{0, 0}, {129, 0}, {1, -1}, {1, 23}}) {
        EXPECT_THROW(m.Figure.X(f, k) = 7.0f, std::out_of_range) << f << "," << k;
        EXPECT_THROW(m.Figure.Y(f, k) = 7.0f, std::out_of_range) << f << "," << k;
        EXPECT_THROW((void)std::as_const(m.Figure).X(f, k), std::out_of_range) << f << "," << k;
    }
    EXPECT_EQ(m, prima);
    EXPECT_NO_THROW(m.Figure.X(128, 22) = 1.0f);
}

// 1 to 20 points, colour 14, a solid outline, selected whole.
TEST(Disegno, AggiungiFiguraScriveIlRecordESeleziona)
{
    Disegno m;
    ASSERT_TRUE(Aggiungi(m, MaxPunti));
    m.VerticeAttivo = 2;
    const Disegno prima = m;
    EXPECT_FALSE(Aggiungi(m, 0) || Aggiungi(m, MaxPunti + 1));
    EXPECT_EQ(m, prima);
    ASSERT_TRUE(Aggiungi(m, 3));
    EXPECT_EQ(std::tuple(m.NumeroFigure, m.FiguraAttiva, m.VerticeAttivo, NumeroPunti(m, 2), IsCerchio(m, 2)),
              std::tuple(2, 2, 0, 3, false));
    // Only n points are copied.
    EXPECT_EQ(std::tuple(m.Figure.Y(2, 3), m.Figure.X(2, 4), m.Figure.X(2, SlotColore), m.Figure.Y(2, SlotColore)),
              std::tuple(-3.0f, 0.0f, 14.0f, 0.0f));
}

// Slots past the closing point keep what an older figure left there.
TEST(Disegno, ChiudiFiguraScriveSoloLoSlotDopoLUltimoPunto)
{
    Disegno m;
    Aggiungi(m, MaxPunti);
    ChiudiFigura(m, 1);
    EXPECT_EQ(std::tuple(m.Figure.X(1, 21), m.Figure.Y(1, 21), m.Figure.X(1, SlotColore)),
              std::tuple(1.0f, -1.0f, 14.0f));
    EliminaFigura(m, 1);
    Aggiungi(m, 3);
    ChiudiFigura(m, 1);
    for (int k = 4; k <= 21; ++k)
        EXPECT_EQ(m.Figure.X(1, k), k == 4 || k == 21 ? 1.0f : static_cast<float>(k)) << "slot " << k;
}

TEST(Disegno, EliminaSpostaIRecordSeguentiELasciaLaCopiaVecchia)
{
    // {figure removed, which original each of slots 1..3 then holds}
    for (const auto& [tolta, attese] : {std::pair{1, std::array{2, 3, 3}}, {2, {1, 3, 3}}, {3, {1, 2, 3}}}) {
        Disegno m;
        m.NumeroFigure = 3;
        for (int f = 1; f <= 3; ++f)
            for (int k = 0; k <= UltimoSlot; ++k)
                m.Figure.X(f, k) = static_cast<float>(f * 100 + k), m.Figure.Y(f, k) = static_cast<float>(-f);
        EliminaFigura(m, tolta);
        EXPECT_EQ(m.NumeroFigure, 2);
        for (int f = 1; f <= 3; ++f)
            for (int k = 0; k <= UltimoSlot; ++k)
                EXPECT_EQ(std::pair(m.Figure.X(f, k), m.Figure.Y(f, k)),
                          std::pair(static_cast<float>(attese[f - 1] * 100 + k), static_cast<float>(-attese[f - 1])))
                    << tolta << " " << f << " " << k;
    }
}

TEST(Disegno, DistanzaInDoppiaPrecisione)
{
    // The squares overflow or vanish in single precision, not in double.
    EXPECT_FLOAT_EQ(Distanza(0, 0, 3e20f, 4e20f), 5e20f);
    EXPECT_FLOAT_EQ(Distanza(0, 0, 3e-23f, 4e-23f), 5e-23f);
    EXPECT_FLOAT_EQ(Distanza(-2e38f, 0, 1e38f, 0), 3e38f);
}

} // namespace
