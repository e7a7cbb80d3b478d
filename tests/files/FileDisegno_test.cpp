#include "files/FileDisegno.h"

#include <gtest/gtest.h>

using namespace vellora;

namespace {

// One yellow triangle with a dotted outline, its second vertex selected, the
// plane and two settings away from a new drawing's.
Disegno Triangolo()
{
    Disegno c;
    const float x[] = {3, .5f, 1e8f, -1.5e-7f}, y[] = {0, -.25f, 3, 1234567};
    for (int k = 0; k <= 3; ++k)
        c.Figure.X(1, k) = x[k], c.Figure.Y(1, k) = y[k];
    c.Figure.X(1, SlotColore) = 14;
    c.Figure.Y(1, SlotColore) = TrattoPunteggiato;
    c.NumeroFigure = c.FiguraAttiva = 1;
    c.VerticeAttivo = 2, c.TipoGriglia = 3;
    c.ScalaX = .5f, c.ScalaY = 2, c.TraslPianoX = -3, c.TraslPianoY = 4;
    c.Parametri.TraslY = -1, c.Parametri.StirOriz = .25f;
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

TEST(FileDisegno, TestoEsattoELetturaConLfEZeriIniziali)
{
    EXPECT_EQ(TestoDisegno(Triangolo()), TestoTriangolo());
    std::string lf = TestoTriangolo();
    lf.replace(lf.find(".5,-.25"), 7, " 0.5 , -0.25 ");
    std::erase(lf, '\r');
    EXPECT_EQ(LeggiTestoDisegno(lf), Triangolo());
}

// A full table, and every setting with a value of its own, come back in place.
TEST(FileDisegno, ScritturaELetturaRiproduconoOgniValore)
{
    Disegno c = Triangolo();
    for (int f = 2; f <= MaxFigure; ++f)
        c.Figure.CopiaRecord(1, f);
    c.NumeroFigure = MaxFigure, c.FiguraAttiva = 77, c.VerticeAttivo = 3, c.TipoGriglia = 2, c.Range = 29;
    c.ScalaX = 1e-5f, c.ScalaY = 1000, c.TraslPianoX = -32768, c.TraslPianoY = 32767;
    ParametriTrasformazione& par = c.Parametri;
    par.TraslX = 1.5f, par.TraslY = -2.5f, par.CoeffOmotetia = -4.5f, par.StirOriz = 5.5f, par.StirVert = -6.5f;
    par.ImpostaAngolo(3.5f);
    c.CentroX = 7.5f, c.CentroY = -8.5f, par.PuntoPX = 9.5f, par.PuntoPY = -10.5f;
    EXPECT_EQ(LeggiTestoDisegno(TestoDisegno(c)), c);
}

} // namespace
