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
    EXPECT_FALSE(b.p.sessione.Modificato);
    const std::string testo = Leggi(radice / "trapezio.fgr");
    EXPECT_EQ(std::count(testo.begin(), testo.end(), '\n'), 23);
    EXPECT_EQ(testo.substr(0, 5), "4,0\r\n");

    EXPECT_TRUE(InserisciFiguraDaFile(b.p));
    EXPECT_EQ(b.p.d.NumeroFigure, 4);
    EXPECT_EQ(EstraiRecord(b.p.d.Figure, 4), EstraiRecord(b.p.d.Figure, 2));
    EXPECT_TRUE(b.p.sessione.Modificato);
    EXPECT_EQ(b.p.testi.CampoFigura, "Figura  4: quadrilatero rosso");
    const std::pair<RichiestaFile::Tipo, std::string> attese[] = {{RichiestaFile::Salva, "Salva figura con nome"},
                                                                  {RichiestaFile::Apri, "Inserisce figure da file"}};
    for (size_t i = 0; i < 2; ++i) {
        const RichiestaFile& r = b.dialoghi.richiesteFile.at(i);
        EXPECT_EQ(r.tipo, attese[i].first);
        EXPECT_EQ(r.titolo, attese[i].second);
        EXPECT_EQ(r.filtro, "Figura di Vellora (*.fgr)|*.fgr");
    }
}

// A full table refuses before the dialog, a file that breaks the model after it.
TEST_F(FileFigura, UnInserimentoImpossibileNonCambiaNulla)
{
    Scrivi(radice / "x.fgr", "3,1\r\n"); // a circle of three points
    for (bool piena : {false, true}) {
        while (piena && b.p.d.NumeroFigure < MaxFigure)
            InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto);
        const Disegno prima = b.p.d;
        const TestiVista testi = b.p.testi;
        b.dialoghi = {};
        b.dialoghi.fileScelti = {Percorso("x.fgr")};
        EXPECT_FALSE(InserisciFiguraDaFile(b.p));
        EXPECT_EQ(b.p.d, prima);
        EXPECT_EQ(b.p.testi, testi);
        EXPECT_EQ(b.dialoghi.richiesteFile.size(), piena ? 0u : 1u);
        EXPECT_EQ(b.dialoghi.messaggi.at(0).testo,
                  piena ? "Non è possibile inserire altre figure" : "Non è una figura di Vellora");
    }
}

} // namespace
