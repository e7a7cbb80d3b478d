#include "files/FileDisegno.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

using namespace vellora;

namespace {

// One yellow triangle with a dotted outline, its second vertex selected.
ContenutoDisegno Triangolo()
{
    ContenutoDisegno c;
    c.NumeroFigure = 1;
    const float x[] = {3, .5f, 1e8f, -1.5e-7f}, y[] = {0, -.25f, 3, 1234567};
    for (int k = 0; k <= 3; ++k) {
        c.Figure.X(1, k) = x[k];
        c.Figure.Y(1, k) = y[k];
    }
    c.Figure.X(1, SlotColore) = 14;
    c.Figure.Y(1, SlotColore) = TrattoPunteggiato;
    c.VerticeAttivo = 2;
    c.TipoGriglia = 3;
    c.ScalaX = .5f;
    c.ScalaY = 2;
    c.TraslPianoX = -3;
    c.TraslPianoY = 4;
    c.TraslY = -1;
    c.StirOriz = .25f;
    return c;
}

std::string TestoTriangolo()
{
    std::string t = "Disegno di Vellora\r\n 1 \r\n3,0\r\n.5,-.25\r\n1E+08,3\r\n-1.5E-07,1234567\r\n";
    for (int k = 4; k <= 21; ++k)
        t += "0,0\r\n";
    return t +
           "14,2\r\n1\r\n2\r\n3\r\n12\r\n.5\r\n2\r\n-3\r\n4\r\n1\r\n-1\r\n10\r\n2\r\n.25\r\n2\r\n0\r\n0\r\n1\r\n1\r\n";
}

// Replaces line `riga` (from 1) of a text with CR LF line ends.
std::string CambiaRiga(std::string t, int riga, const std::string& nuova)
{
    size_t inizio = 0;
    for (int r = 1; r < riga; ++r)
        inizio = t.find("\r\n", inizio) + 2;
    return t.replace(inizio, t.find("\r\n", inizio) - inizio, nuova);
}

TEST(FileDisegno, TestoEsattoELetturaConLfEZeriIniziali)
{
    EXPECT_EQ(TestoDisegno(Triangolo()), TestoTriangolo());
    std::string lf;
    for (char ch : CambiaRiga(TestoTriangolo(), 4, " 0.5 , -0.25 "))
        if (ch != '\r')
            lf += ch;
    EXPECT_EQ(LeggiTestoDisegno(lf, ContenutoDisegno{}), Triangolo());
}

TEST(FileDisegno, ScritturaELetturaRiproduconoOgniValore)
{
    std::mt19937 caso(7);
    std::uniform_real_distribution<float> mantissa(-9.999f, 9.999f);
    std::uniform_int_distribution<int> esponente(-9, 9);
    const auto numero = [&] { return mantissa(caso) * std::pow(10.0f, static_cast<float>(esponente(caso))); };
    ContenutoDisegno c;
    c.NumeroFigure = MaxFigure;
    for (int f = 1; f <= MaxFigure; ++f) {
        c.Figure.X(f, 0) = f % 5 ? static_cast<float>(1 + f % MaxPunti) : 2.0f;
        c.Figure.Y(f, 0) = f % 5 ? 0.0f : 1.0f;
        for (int k = 1; k < SlotColore; ++k)
            c.Figure.X(f, k) = numero(), c.Figure.Y(f, k) = numero();
        c.Figure.X(f, SlotColore) = static_cast<float>(f % 16);
        c.Figure.Y(f, SlotColore) = static_cast<float>(f % 2 * 2);
    }
    c = {c.Figure, MaxFigure, 77,       3,        2,        29,       1e-5f,    1000,     -32768,   32767,
         numero(), numero(),  numero(), numero(), numero(), numero(), numero(), numero(), numero(), numero()};

    const auto letto = LeggiTestoDisegno(TestoDisegno(c), ContenutoDisegno{});
    ASSERT_TRUE(letto);
    // Seven significant digits: every float that differs is put back to the
    // original when within that precision, and then the whole content must match.
    ContenutoDisegno riletto = *letto;
    const auto vicino = [](float atteso, float& v) {
        if (std::fabs(v - atteso) <= 6e-7f * std::fabs(atteso))
            v = atteso;
    };
    for (int f = 1; f <= MaxFigure; ++f)
        for (int k = 1; k < SlotColore; ++k)
            vicino(c.Figure.X(f, k), riletto.Figure.X(f, k)), vicino(c.Figure.Y(f, k), riletto.Figure.Y(f, k));
    for (auto campo : {&ContenutoDisegno::ScalaX, &ContenutoDisegno::TraslX, &ContenutoDisegno::TraslY,
                       &ContenutoDisegno::AngoloRotazione, &ContenutoDisegno::CoeffOmotetia,
                       &ContenutoDisegno::StirOriz, &ContenutoDisegno::StirVert, &ContenutoDisegno::CentroX,
                       &ContenutoDisegno::CentroY, &ContenutoDisegno::PuntoPX, &ContenutoDisegno::PuntoPY})
        vicino(c.*campo, riletto.*campo);
    EXPECT_TRUE(riletto == c);
}

TEST(FileDisegno, RifiutaQuelloCheIlModelloNonPuoTenere)
{
    // Lines: 2 the count, 3 slot 0, 4 point 1, 25 slot 22, 26 active figure,
    // 27 active vertex, 30 ScalaX, 40 CentroX.
    const std::pair<int, const char*> rifiutati[] = {
        {1, "disegno di vellora"},
        {2, " 129 "},
        {3, "0,0"},
        {3, "21,0"},
        {3, "3,1"},
        {3, "1,1"},
        {3, "3,2"},
        {3, "2.5,0"},
        {25, "99,0"},
        {25, "16,0"},
        {25, "14,1"},
        {4, "nan,0"},
        {4, ".5,inf"},
        {26, "2"},
        {26, "0"},
        {27, "4"},
        {30, "0"},
        {40, "nan"},
    };
    for (const auto& [riga, testo] : rifiutati)
        EXPECT_FALSE(LeggiTestoDisegno(CambiaRiga(TestoTriangolo(), riga, testo), {})) << riga << ": " << testo;
    for (const auto& [riga, testo] : {std::pair{3, "2,1"}, std::pair{25, "0,2"}, std::pair{27, "3"}})
        EXPECT_TRUE(LeggiTestoDisegno(CambiaRiga(TestoTriangolo(), riga, testo), {})) << riga << ": " << testo;
}

TEST(FileDisegno, UnFileCheFiniscePrimaTieneIValoriDiPrima)
{
    // Before: a red square, range 20, angle 45.
    ContenutoDisegno prima;
    prima.NumeroFigure = 1;
    prima.Figure.X(1, 0) = 4;
    for (int k = 1; k <= 4; ++k)
        prima.Figure.X(1, k) = prima.Figure.Y(1, k) = static_cast<float>(10 * k);
    prima.Figure.X(1, SlotColore) = 12;
    prima.Range = 20;
    prima.AngoloRotazione = 45;

    // The file stops after the triangle's third point: the rest of the record
    // (the colour too) and the settings stay, and as the result keeps every
    // rule of the model the drawing is read. A bad range is skipped alone.
    const std::string t = TestoTriangolo();
    const auto letto = LeggiTestoDisegno(t.substr(0, t.find("0,0\r\n")), prima);
    ASSERT_TRUE(letto);
    EXPECT_EQ(letto->Figure.Y(1, 3), 1234567.0f);
    EXPECT_EQ(letto->Figure.X(1, 4), 40.0f);
    EXPECT_EQ(letto->Figure.X(1, SlotColore), 12.0f);
    EXPECT_EQ(letto->Range, 20);
    EXPECT_EQ(letto->AngoloRotazione, 45.0f);
    const auto saltato = LeggiTestoDisegno(CambiaRiga(t, 29, "dodici"), prima);
    EXPECT_EQ(saltato->Range, 20);
    EXPECT_EQ(saltato->ScalaX, .5f);
    // A figure whose record the file never fills has no points: refused.
    EXPECT_FALSE(LeggiTestoDisegno("Disegno di Vellora\r\n 2 \r\n", prima));
}

} // namespace
