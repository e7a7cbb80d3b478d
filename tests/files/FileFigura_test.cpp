#include "CartellaProva.h"
#include "Finti.h"
#include "figures/Catalogo.h"
#include "figures/ComandiSelezione.h"
#include "files/FileFigura.h"

#include <gtest/gtest.h>

using namespace vellora;

namespace {

class FileFigura : public vellora::test::CartellaProva {
protected:
    vellora::test::Banco b;
    FileFigura() { InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto); }
};

TEST_F(FileFigura, SalvaEReinserisceLaFiguraSelezionata)
{
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuQuadrilateriTrapezio);
    ApplicaTavolozza(b.p, 1); // red
    ApplicaTavolozza(b.p, 7); // dotted
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto);
    FiguraPrecedente(b.p);
    b.p.sessione.Modificato = false;
    b.dialoghi.fileScelti = {Percorso("trapezio.fgr"), Percorso("trapezio.fgr")};
    EXPECT_TRUE(SalvaFiguraConNome(b.p));
    const std::string testo = Leggi(radice / "trapezio.fgr");
    EXPECT_EQ(std::tuple(b.p.sessione.Modificato, std::count(testo.begin(), testo.end(), '\n'), testo.substr(0, 5)),
              std::tuple(false, 23, "4,0\r\n"));

    EXPECT_TRUE(InserisciFiguraDaFile(b.p));
    EXPECT_EQ(std::tuple(b.p.d.NumeroFigure, b.p.sessione.Modificato, b.p.testi.CampoFigura),
              std::tuple(4, true, "Figura  4: quadrilatero rosso"));
    EXPECT_EQ(EstraiRecord(b.p.d.Figure, 4), EstraiRecord(b.p.d.Figure, 2));
    const auto& r = b.dialoghi.richiesteFile;
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(std::tuple(r[0].tipo, r[1].tipo), std::tuple(RichiestaFile::Salva, RichiestaFile::Apri));
}

// A full table refuses before the file dialog and changes nothing.
TEST_F(FileFigura, UnaTabellaPienaRifiutaPrimaDelDialogo)
{
    while (b.p.d.NumeroFigure < MaxFigure)
        InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto);
    const Disegno prima = b.p.d;
    const TestiVista testi = b.p.testi;
    b.dialoghi = {};
    EXPECT_FALSE(InserisciFiguraDaFile(b.p));
    EXPECT_TRUE(b.p.d == prima && b.p.testi == testi);
    EXPECT_EQ(std::tuple(b.dialoghi.richiesteFile.size(), b.dialoghi.Testi()),
              std::tuple(0u, std::vector<std::string>{"Non è possibile inserire altre figure"}));
}

} // namespace
