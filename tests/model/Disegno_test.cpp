#include "model/Disegno.h"

#include <array>
#include <gtest/gtest.h>
#include <stdexcept>

namespace vellora {
namespace {

// n points (k, -k) for k = 1..n, written as figure 1 of a fresh model.
Disegno ConPunti(int n)
{
    Disegno m;
    float xs[MaxPunti], ys[MaxPunti];
    for (int k = 0; k < n; ++k)
        xs[k] = static_cast<float>(k + 1), ys[k] = static_cast<float>(-(k + 1));
    AggiungiFigura(m, n, xs, ys);
    return m;
}

TEST(TabellaFigure, IndiceFuoriDaiLimitiLanciaENonScrive)
{
    Disegno m = ConPunti(3);
    const Disegno prima = m;
    const std::pair<int, int> fuori[] = {{0, 0}, {129, 0}, {1, -1}, {1, 23}};
    for (const auto& [f, k] : fuori) {
        EXPECT_THROW(m.Figure.X(f, k) = 7.0f, std::out_of_range) << f << "," << k;
        EXPECT_THROW(m.Figure.Y(f, k) = 7.0f, std::out_of_range) << f << "," << k;
        EXPECT_THROW((void)static_cast<const TabellaFigure&>(m.Figure).X(f, k), std::out_of_range);
    }
    EXPECT_EQ(m, prima);
    EXPECT_NO_THROW(m.Figure.X(128, 22) = 1.0f);
}

TEST(Disegno, AggiungiFiguraScriveIlRecordESeleziona)
{
    Disegno m = ConPunti(1);
    const float xs[] = {1, 1, 3, 9}, ys[] = {1, 4, 1, 9};
    m.VerticeAttivo = 2;
    ASSERT_TRUE(AggiungiFigura(m, 3, xs, ys));
    EXPECT_EQ(m.NumeroFigure, 2);
    EXPECT_EQ(m.FiguraAttiva, 2);
    EXPECT_EQ(m.VerticeAttivo, 0);
    EXPECT_EQ(NumeroPunti(m, 2), 3);
    EXPECT_FALSE(IsCerchio(m, 2));
    EXPECT_EQ(m.Figure.Y(2, 2), 4.0f);
    EXPECT_EQ(m.Figure.X(2, 4), 0.0f); // only n points are copied
    EXPECT_EQ(m.Figure.X(2, SlotColore), 14.0f);
    EXPECT_EQ(m.Figure.Y(2, SlotColore), 0.0f);
}

// Slots past the closing point keep what an older figure left there.
TEST(Disegno, ChiudiFiguraScriveSoloLoSlotDopoLUltimoPunto)
{
    Disegno m = ConPunti(MaxPunti);
    ChiudiFigura(m, 1);
    EXPECT_EQ(m.Figure.X(1, 21), 1.0f);
    EXPECT_EQ(m.Figure.Y(1, 21), -1.0f);
    EXPECT_EQ(m.Figure.X(1, SlotColore), 14.0f);
    EliminaFigura(m, 1);
    const float tx[] = {7, 8, 9}, ty[] = {7, 8, 9};
    AggiungiFigura(m, 3, tx, ty);
    ChiudiFigura(m, 1);
    EXPECT_EQ(m.Figure.X(1, 4), 7.0f);
    for (int k = 5; k <= 21; ++k)
        EXPECT_EQ(m.Figure.X(1, k), k <= 20 ? static_cast<float>(k) : 1.0f) << "slot " << k;
}

TEST(Disegno, EliminaSpostaIRecordSeguentiELasciaLaCopiaVecchia)
{
    // {figure removed, which original each of slots 1..3 then holds}
    const std::pair<int, std::array<int, 3>> casi[] = {{1, {2, 3, 3}}, {2, {1, 3, 3}}, {3, {1, 2, 3}}};
    for (const auto& [tolta, attese] : casi) {
        Disegno m;
        m.NumeroFigure = 3;
        for (int f = 1; f <= 3; ++f)
            for (int k = 0; k <= UltimoSlot; ++k)
                m.Figure.X(f, k) = static_cast<float>(f * 100 + k), m.Figure.Y(f, k) = static_cast<float>(-f);
        EliminaFigura(m, tolta);
        EXPECT_EQ(m.NumeroFigure, 2);
        for (int f = 1; f <= 3; ++f)
            for (int k = 0; k <= UltimoSlot; ++k) {
                EXPECT_EQ(m.Figure.X(f, k), static_cast<float>(attese[f - 1] * 100 + k)) << tolta << " " << f;
                EXPECT_EQ(m.Figure.Y(f, k), static_cast<float>(-attese[f - 1])) << tolta << " " << f;
            }
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
} // namespace vellora
