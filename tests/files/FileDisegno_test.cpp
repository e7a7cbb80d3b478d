#include "files/FileDisegno.h"

#include <array>
#include <gtest/gtest.h>

using namespace vellora;

namespace {

// One yellow triangle with a dotted outline, its second vertex selected.
// The drawing with the settings in the order the file writes them.
Disegno Con(const TabellaFigure& figure, int numero, int attiva, int vertice, int griglia, int range, float scalaX,
            float scalaY, int traslPianoX, int traslPianoY, std::array<float, 10> v)
{
    Disegno c;
    c.Figure = figure;
    c.NumeroFigure = static_cast<uint8_t>(numero);
    c.FiguraAttiva = static_cast<uint8_t>(attiva);
    c.VerticeAttivo = static_cast<uint8_t>(vertice);
    c.TipoGriglia = static_cast<uint8_t>(griglia);
    c.Range = static_cast<int16_t>(range);
    c.ScalaX = scalaX;
    c.ScalaY = scalaY;
    c.TraslPianoX = static_cast<int16_t>(traslPianoX);
    c.TraslPianoY = static_cast<int16_t>(traslPianoY);
    ParametriTrasformazione& par = c.Parametri;
    par.TraslX = v[0], par.TraslY = v[1];
    par.ImpostaAngolo(v[2]);
    par.CoeffOmotetia = v[3], par.StirOriz = v[4], par.StirVert = v[5];
    par.PuntoPX = v[8], par.PuntoPY = v[9];
    c.CentroX = v[6], c.CentroY = v[7];
    return c;
}

Disegno Triangolo()
{
    Disegno c;
    const float x[] = {3, .5f, 1e8f, -1.5e-7f}, y[] = {0, -.25f, 3, 1234567};
    for (int k = 0; k <= 3; ++k)
        c.Figure.X(1, k) = x[k], c.Figure.Y(1, k) = y[k];
    c.Figure.X(1, SlotColore) = 14;
    c.Figure.Y(1, SlotColore) = TrattoPunteggiato;
    return Con(c.Figure, 1, 1, 2, 3, 12, .5f, 2, -3, 4, {1, -1, 10, 2, .25f, 2, 0, 0, 1, 1});
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
    std::string lf = CambiaRiga(TestoTriangolo(), 4, " 0.5 , -0.25 ");
    std::erase(lf, '\r');
    EXPECT_EQ(LeggiTestoDisegno(lf), Triangolo());
}

// A full table, and every setting with a value of its own, come back in place.
TEST(FileDisegno, ScritturaELetturaRiproduconoOgniValore)
{
    Disegno c = Triangolo();
    for (int f = 2; f <= MaxFigure; ++f)
        c.Figure.CopiaRecord(1, f);
    c = Con(c.Figure, MaxFigure, 77, 3, 2, 29, 1e-5f, 1000, -32768, 32767,
            {1.5f, -2.5f, 3.5f, -4.5f, 5.5f, -6.5f, 7.5f, -8.5f, 9.5f, -10.5f});
    EXPECT_EQ(LeggiTestoDisegno(TestoDisegno(c)), c);
}

} // namespace
