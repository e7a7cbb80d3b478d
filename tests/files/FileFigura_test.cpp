#include "CartellaProva.h"
#include "Finti.h"
#include "figures/Catalogo.h"
#include "files/FileFigura.h"
#include "shell/Selezione.h"

#include <gtest/gtest.h>

using namespace vellora;
using vellora::test::Banco;

namespace {

class FileFigura : public vellora::test::CartellaProva {};

TEST_F(FileFigura, SalvaEReinserisceLaStessaFiguraSopra)
{
    Banco b;
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuQuadrilateriTrapezio);
    ApplicaTavolozza(b.p, 1); // red
    ApplicaTavolozza(b.p, 7); // dotted
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto);
    FiguraPrecedente(b.p);
    b.p.m.Modificato = false;
    b.dialoghi.fileScelti = {Percorso("trapezio.fgr"), Percorso("trapezio.fgr")};
    EXPECT_TRUE(SalvaFiguraConNome(b.p));
    EXPECT_FALSE(b.p.m.Modificato);
    const std::string testo = Leggi(radice / "trapezio.fgr");
    EXPECT_EQ(std::count(testo.begin(), testo.end(), '\n'), 23);
    EXPECT_EQ(testo.substr(0, 5), "4,0\r\n");

    b.p.totali.TotRotazione = 30;
    EXPECT_TRUE(InserisciFiguraDaFile(b.p));
    EXPECT_EQ(b.p.m.NumeroFigure, 3);
    EXPECT_EQ(EstraiRecord(b.p.m.Figure, 3), EstraiRecord(b.p.m.Figure, 1));
    EXPECT_EQ(b.p.m.FiguraAttiva, 3);
    EXPECT_TRUE(b.p.m.Modificato);
    EXPECT_EQ(b.p.testi.CampoFigura, "Figura  3: quadrilatero rosso");
    EXPECT_EQ(b.p.testi.CampoVertice, "Figura");
    EXPECT_EQ(b.p.totali, Totali{});
    const std::pair<RichiestaFile::Tipo, std::string> attese[] = {{RichiestaFile::Salva, "Salva figura con nome"},
                                                                  {RichiestaFile::Apri, "Inserisce figure da file"}};
    for (size_t i = 0; i < 2; ++i) {
        const RichiestaFile& r = b.dialoghi.richiesteFile.at(i);
        EXPECT_EQ(r.tipo, attese[i].first);
        EXPECT_EQ(r.titolo, attese[i].second);
        EXPECT_EQ(r.nomeIniziale, "");
        EXPECT_EQ(r.filtro, "Figura di Vellora (*.fgr)|*.fgr");
    }
}

TEST_F(FileFigura, CerchioConScaleDiverseNonEntra)
{
    RecordFigura cerchio;
    cerchio.x = {2, 0, 3};
    cerchio.y = {1, 0, 0};
    cerchio.x[SlotColore] = 11;
    Scrivi(radice / "cerchio.fgr", TestoFigura(cerchio));
    Banco b;
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto);
    b.p.m.ScalaY = 2;
    b.p.m.Modificato = false;
    b.dialoghi.fileScelti = {Percorso("cerchio.fgr")};
    EXPECT_FALSE(InserisciFiguraDaFile(b.p));
    EXPECT_EQ(b.p.m.NumeroFigure, 1);
    EXPECT_TRUE(b.p.m.Modificato);
    ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(b.dialoghi.messaggi[0].testo,
              "Non è possibile inserire circonferenze se il sistema non è monometrico (stessa scala sui due assi)");
}

TEST_F(FileFigura, TabellaPienaRifiutaPrimaDelDialogo)
{
    Banco b;
    for (int i = 0; i < MaxFigure; ++i)
        InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto);
    const Modello prima = b.p.m;
    b.dialoghi.fileScelti = {Percorso("x.fgr")};
    EXPECT_FALSE(InserisciFiguraDaFile(b.p));
    EXPECT_TRUE(b.dialoghi.richiesteFile.empty());
    EXPECT_EQ(b.dialoghi.messaggi.at(0).testo, "Non è possibile inserire altre figure");
    EXPECT_EQ(b.p.m, prima);
}

TEST_F(FileFigura, UnaFiguraImpossibileNonCambiaNulla)
{
    std::string valida = "3,0\r\n0,0\r\n1,0\r\n0,1\r\n";
    for (int k = 4; k <= 21; ++k)
        valida += "0,0\r\n";
    const std::string corpo = valida.substr(5);
    const std::string casi[] = {
        "",
        "abc",
        "21,0\r\n" + corpo + "14,0",
        "3,1\r\n" + corpo + "14,0",
        "3,0\r\nnan,0" + corpo.substr(3) + "14,0",
        valida + "99,0",
        valida + "14,1",
    };
    for (const std::string& contenuto : casi) {
        Scrivi(radice / "x.fgr", contenuto);
        Banco b;
        InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto);
        const Modello prima = b.p.m;
        const TestiVista testi = b.p.testi;
        b.dialoghi.fileScelti = {Percorso("x.fgr")};
        EXPECT_FALSE(InserisciFiguraDaFile(b.p)) << contenuto;
        EXPECT_EQ(b.p.m, prima) << contenuto;
        EXPECT_EQ(b.p.testi, testi);
        EXPECT_EQ(b.dialoghi.messaggi.at(0).testo, "Non è una figura di Vellora");
    }
    Scrivi(radice / "x.fgr", valida + "14,0"); // the same text without the fault goes in
    Banco b;
    b.dialoghi.fileScelti = {Percorso("x.fgr")};
    EXPECT_TRUE(InserisciFiguraDaFile(b.p));
}

} // namespace
