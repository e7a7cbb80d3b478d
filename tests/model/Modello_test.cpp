#include "model/Modello.h"

#include <cmath>
#include <gtest/gtest.h>
#include <stdexcept>

namespace vellora {
namespace {

// Every slot of figure f gets a value telling figure, row and slot apart.
void RiempiRecord(Modello& m, int f)
{
    for (int k = 0; k <= UltimoSlot; ++k) {
        m.Figure.X(f, k) = static_cast<float>(f * 100 + k);
        m.Figure.Y(f, k) = static_cast<float>(-(f * 100 + k));
    }
}

void AttesoRecord(const Modello& m, int f, int origine)
{
    for (int k = 0; k <= UltimoSlot; ++k) {
        EXPECT_EQ(m.Figure.X(f, k), static_cast<float>(origine * 100 + k)) << "figura " << f << " slot " << k;
        EXPECT_EQ(m.Figure.Y(f, k), static_cast<float>(-(origine * 100 + k))) << "figura " << f << " slot " << k;
    }
}

Modello ConFigure(int quante)
{
    Modello m;
    const float xs[] = {1, 2, 3};
    const float ys[] = {4, 5, 6};
    for (int i = 0; i < quante; ++i)
        AggiungiFigura(m, 3, xs, ys);
    return m;
}

TEST(TabellaFigure, IndiceFuoriDaiLimitiLanciaENonScrive)
{
    Modello m = ConFigure(2);
    const Modello prima = m;
    const struct {
        int f, k;
    } fuori[] = {{0, 0}, {129, 0}, {-1, 5}, {1, -1}, {1, 23}, {128, 23}, {200, 100}};
    for (const auto& i : fuori) {
        EXPECT_THROW(m.Figure.X(i.f, i.k) = 7.0f, std::out_of_range) << i.f << "," << i.k;
        EXPECT_THROW(m.Figure.Y(i.f, i.k) = 7.0f, std::out_of_range) << i.f << "," << i.k;
        const TabellaFigure& sola = m.Figure;
        EXPECT_THROW((void)sola.X(i.f, i.k), std::out_of_range);
    }
    EXPECT_EQ(m, prima);
    EXPECT_NO_THROW(m.Figure.X(128, 22) = 1.0f);
    EXPECT_NO_THROW(m.Figure.Y(1, 0) = 0.0f);
}

TEST(Modello, AggiungiFiguraScriveIlRecordESeleziona)
{
    Modello m = ConFigure(1);
    const float xs[] = {1, 1, 3, 9};
    const float ys[] = {1, 4, 1, 9};
    m.VerticeAttivo = 2;
    m.Modificato = false;
    ASSERT_TRUE(AggiungiFigura(m, 3, xs, ys));
    EXPECT_EQ(m.NumeroFigure, 2);
    EXPECT_EQ(m.FiguraAttiva, 2);
    EXPECT_EQ(m.VerticeAttivo, 0);
    EXPECT_TRUE(m.Modificato);
    EXPECT_EQ(NumeroPunti(m, 2), 3);
    EXPECT_FALSE(IsCerchio(m, 2));
    EXPECT_EQ(m.Figure.X(2, 3), 3.0f);
    EXPECT_EQ(m.Figure.Y(2, 2), 4.0f);
    EXPECT_EQ(m.Figure.X(2, 4), 0.0f); // only n points are copied
    EXPECT_EQ(m.Figure.X(2, SlotColore), 14.0f);
    EXPECT_EQ(m.Figure.Y(2, SlotColore), 0.0f);

    const float cx[] = {1, 4};
    const float cy[] = {2, 2};
    ASSERT_TRUE(AggiungiFigura(m, 2, cx, cy, true));
    EXPECT_TRUE(IsCerchio(m, 3));
    EXPECT_FLOAT_EQ(Distanza(m.Figure.X(3, 1), m.Figure.Y(3, 1), m.Figure.X(3, 2), m.Figure.Y(3, 2)), 3.0f);
}

TEST(Modello, AggiungiFiguraLasciaGliSlotVecchiOltreLaChiusura)
{
    Modello m;
    float xs[MaxPunti], ys[MaxPunti];
    for (int k = 0; k < MaxPunti; ++k) {
        xs[k] = static_cast<float>(k + 1);
        ys[k] = static_cast<float>(-(k + 1));
    }
    AggiungiFigura(m, MaxPunti, xs, ys);
    ChiudiFigura(m, 1);
    EliminaFigura(m, 1);
    const float tx[] = {7, 8, 9};
    const float ty[] = {7, 8, 9};
    AggiungiFigura(m, 3, tx, ty);
    EXPECT_EQ(m.Figure.X(1, 3), 9.0f);
    for (int k = 4; k <= 21; ++k)
        EXPECT_EQ(m.Figure.X(1, k), k <= 20 ? static_cast<float>(k) : 1.0f) << "slot " << k;
}

TEST(Modello, TabellaPienaNonCambiaNulla)
{
    Modello m = ConFigure(MaxFigure);
    ASSERT_EQ(m.NumeroFigure, 128);
    m.FiguraAttiva = 5;
    m.VerticeAttivo = 2;
    m.Modificato = false;
    const Modello prima = m;
    const float xs[] = {0};
    const float ys[] = {0};
    EXPECT_FALSE(AggiungiFigura(m, 1, xs, ys));
    EXPECT_EQ(m, prima);
}

TEST(Modello, EliminaPrimaDiTreSpostaTuttiGliSlot)
{
    Modello m;
    for (int f = 1; f <= 3; ++f)
        RiempiRecord(m, f);
    m.NumeroFigure = 3;
    EliminaFigura(m, 1);
    EXPECT_EQ(m.NumeroFigure, 2);
    AttesoRecord(m, 1, 2);
    AttesoRecord(m, 2, 3);
    AttesoRecord(m, 3, 3); // the stale copy stays
}

TEST(Modello, EliminaUltimaNonSpostaNulla)
{
    Modello m;
    for (int f = 1; f <= 3; ++f)
        RiempiRecord(m, f);
    m.NumeroFigure = 3;
    EliminaFigura(m, 3);
    EXPECT_EQ(m.NumeroFigure, 2);
    for (int f = 1; f <= 3; ++f)
        AttesoRecord(m, f, f);
}

TEST(Modello, ChiudiFiguraScriveLoSlotDopoLUltimoPunto)
{
    Modello m;
    float xs[MaxPunti], ys[MaxPunti];
    for (int k = 0; k < MaxPunti; ++k) {
        xs[k] = static_cast<float>(k + 1) * 0.5f;
        ys[k] = static_cast<float>(k + 1) * -2.0f;
    }
    ASSERT_TRUE(AggiungiFigura(m, MaxPunti, xs, ys));
    m.Figure.X(1, 21) = 99.0f;
    ChiudiFigura(m, 1);
    EXPECT_EQ(m.Figure.X(1, 21), 0.5f);
    EXPECT_EQ(m.Figure.Y(1, 21), -2.0f);
    EXPECT_EQ(m.Figure.X(1, 22), 14.0f);
    EXPECT_EQ(m.Figure.Y(1, 22), 0.0f);
    EXPECT_EQ(m.Figure.X(1, 20), 10.0f);

    const float tx[] = {1, 2, 3};
    const float ty[] = {4, 5, 6};
    AggiungiFigura(m, 3, tx, ty);
    m.Figure.X(2, 5) = 55.0f;
    ChiudiFigura(m, 2);
    EXPECT_EQ(m.Figure.X(2, 4), 1.0f);
    EXPECT_EQ(m.Figure.Y(2, 4), 4.0f);
    EXPECT_EQ(m.Figure.X(2, 5), 55.0f);
}

TEST(Modello, AzzeraDisegnoTieneImpostazioniERecordVecchi)
{
    Modello m = ConFigure(3);
    m.CentroX = 2.0f;
    m.CentroY = -1.0f;
    m.Range = 5;
    m.ScalaX = 0.5f;
    m.TraslPianoX = 2;
    m.VerticeAttivo = 1;
    m.NomeDisegno = "/tmp/a.geo";
    Modello atteso = m;
    AzzeraDisegno(m);
    atteso.NumeroFigure = 0;
    atteso.VerticeAttivo = 0;
    atteso.CentroX = 0.0f;
    atteso.CentroY = 0.0f;
    atteso.NomeDisegno.clear();
    atteso.Modificato = false;
    EXPECT_EQ(m, atteso);
}

TEST(Modello, DistanzaInDoppiaPrecisione)
{
    EXPECT_EQ(Distanza(0, 0, 3, 4), 5.0f);
    EXPECT_EQ(Distanza(1, 1, 2, 2), static_cast<float>(std::sqrt(2.0)));
    // The squares overflow or vanish in single precision, not in double.
    EXPECT_FLOAT_EQ(Distanza(0, 0, 3e20f, 4e20f), 5e20f);
    EXPECT_FLOAT_EQ(Distanza(0, 0, 3e-23f, 4e-23f), 5e-23f);
    EXPECT_FLOAT_EQ(Distanza(-2e38f, 0, 1e38f, 0), 3e38f);
}

TEST(Modello, LetteraPunto)
{
    EXPECT_EQ(LetteraPunto(1), "A");
    EXPECT_EQ(LetteraPunto(8), "H");
    EXPECT_EQ(LetteraPunto(20), "T");
}

} // namespace
} // namespace vellora
