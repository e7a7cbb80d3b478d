#include "shell/Avvio.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Finti.h"
#include "files/Recenti.h"
#include "figures/Catalogo.h"
#include "shell/NuovoDisegno.h"

namespace fs = std::filesystem;
using namespace vellora;
using vellora::test::Banco;

namespace {

// Each test gets a fresh program folder and gets the working folder back.
class AvvioTest : public ::testing::Test {
protected:
    fs::path radice, programma, prima;

    void SetUp() override
    {
        prima = fs::current_path();
        radice = fs::temp_directory_path() / ("vellora_avvio_" + std::to_string(::getpid()) + "_" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(radice);
        programma = radice / "prog";
        fs::create_directories(programma);
    }
    void TearDown() override
    {
        fs::current_path(prima);
        fs::remove_all(radice);
    }

    std::string Cartella() const { return programma.string() + "/"; }

    void Scrivi(const fs::path& file, const std::string& testo)
    {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << testo;
    }
};

TEST_F(AvvioTest, ValoriInizialiDelProgramma)
{
    Banco b;
    b.p.m.Range = 3;
    b.p.m.NumeroFigure = 5;
    b.p.parametri.TraslX = 7;
    b.p.totali.TotRotazione = 40;
    Inizializza(b.p, Cartella(), Cartella(), "");

    EXPECT_EQ(b.p.m.Range, 12);
    EXPECT_EQ(b.p.m.TipoGriglia, 1);
    EXPECT_EQ(b.p.m.IntensitaGriglia, 100);
    EXPECT_EQ(b.p.m.ScalaX, 1.0f);
    EXPECT_EQ(b.p.m.ScalaY, 1.0f);
    EXPECT_EQ(b.p.m.NumeroFigure, 0);
    EXPECT_EQ(b.p.m.FiguraAttiva, 1);
    EXPECT_FALSE(b.p.m.Modificato);
    EXPECT_EQ(b.p.parametri, ParametriTrasformazione{});
    EXPECT_DOUBLE_EQ(b.p.parametri.AngoloRadianti, 31.4159265 / 180);
    EXPECT_EQ(b.p.parametri.CoeffOmotetia, 2.0f);
    EXPECT_EQ(b.p.PausaMacro, 50);
    EXPECT_TRUE(b.p.PausaAutomatica);
    const std::array<std::string, 6> pannelli = {"Rot.=0°",       "xTrasl.=0",      "yTrasl.=0",
                                                 "Omot.=1",       "Stir. oriz.=1", "Stir. vert.=1"};
    EXPECT_EQ(b.p.testi.Pannelli, pannelli);
    EXPECT_EQ(b.p.testi.DidascaliaPiano, "Senza nome");
    EXPECT_FALSE(b.p.voci.Abilitata(Voce::MnuVisualizzaDati));
    EXPECT_TRUE(b.p.voci.Spuntata(Voce::MnuVisualizzaRighello));
    EXPECT_TRUE(MostraTitoloAllAvvio(b.p));

    AvviaFinestra(b.p);
    EXPECT_EQ(b.p.testi.CampoFigura, "Non ci sono figure");
    EXPECT_FALSE(b.schermo.operazioni.empty());
}

TEST_F(AvvioTest, CartellaDegliEsempiDiventaCorrente)
{
    Scrivi(programma / "esempi" / "pitagora1.geo", "Disegno di Vellora\r\n");
    Banco b;
    Inizializza(b.p, Cartella(), Cartella(), "disegno.geo");
    EXPECT_EQ(fs::current_path(), fs::canonical(programma / "esempi"));
    EXPECT_FALSE(MostraTitoloAllAvvio(b.p));
}

TEST_F(AvvioTest, RecentDatSceglieCartellaEUltimoDisegno)
{
    const fs::path conDisegni = radice / "lavori";
    const fs::path senzaDisegni = radice / "vuota";
    Scrivi(conDisegni / "a.geo", "x");
    Scrivi(senzaDisegni / "a.txt", "x");

    struct Caso {
        std::string contenuto;
        std::string ultimo;
        fs::path corrente;
    };
    const Caso casi[] = {
        {"/tmp/x.geo\r\n" + conDisegni.string() + "\\\r\n", "/tmp/x.geo", conDisegni},
        {"/tmp/x.geo\n" + conDisegni.string() + "/\n", "/tmp/x.geo", conDisegni},
        {"\r\n" + senzaDisegni.string() + "\r\n", "", programma},
        {"/tmp/solo-una-riga.geo", "", programma},
    };
    for (const Caso& c : casi) {
        fs::current_path(programma);
        Scrivi(programma / "recent.dat", c.contenuto);
        Banco b;
        Inizializza(b.p, Cartella(), Cartella(), "");
        EXPECT_EQ(b.p.m.UltimoDisegno, c.ultimo) << c.contenuto;
        EXPECT_EQ(fs::current_path(), fs::canonical(c.corrente)) << c.contenuto;
    }
}

TEST_F(AvvioTest, TerminaRiscriveRecentDat)
{
    Banco b;
    Inizializza(b.p, Cartella(), Cartella(), "");
    b.p.m.UltimoDisegno = "/scuola/pitagora.geo";
    fs::current_path(radice);
    Termina(b.p);
    std::ifstream in(programma / "recent.dat", std::ios::binary);
    const std::string testo((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(testo, "/scuola/pitagora.geo\r\n" + fs::current_path().string() + "\r\n");
}

TEST(Chiusura, RifiutataDuranteUnaMacro)
{
    struct Caso {
        bool registra, esegue;
        std::string messaggio;
    };
    for (const Caso& c : {Caso{true, false, "E' in corso la registrazione di una macro"},
                          Caso{false, true, "E' in corso l'esecuzione di una macro"}}) {
        Banco b;
        b.p.m.Modificato = true;
        b.p.voci.Abilita(Voce::MnuMacroFine, c.registra);
        b.p.m.EsecuzioneMacro = c.esegue;
        EXPECT_FALSE(RichiestaChiusura(b.p));
        ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);  // no save question
        EXPECT_EQ(b.dialoghi.messaggi[0].testo, c.messaggio);
        EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Stop);
        EXPECT_FALSE(b.p.m.InChiusura);
    }
}

TEST_F(AvvioTest, ChiusuraChiedeDiSalvareERestaApertaSeIlDisegnoNonVieneScritto)
{
    const std::string destinazione = (radice / "quadrato.geo").string();
    struct Caso {
        Risposta risposta;
        std::optional<std::string> file;  // answer of the Save-as dialog
        bool chiude;
    };
    const Caso casi[] = {
        {Risposta::No, std::nullopt, true},
        {Risposta::Si, destinazione, true},
        {Risposta::Si, std::nullopt, false},  // the user cancelled the save: nothing is lost
    };
    for (const Caso& c : casi) {
        Banco b;
        InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuQuadrilateriQuadrato);
        b.dialoghi.risposte = {c.risposta};
        b.dialoghi.fileScelti = {c.file};
        EXPECT_EQ(RichiestaChiusura(b.p), c.chiude);
        EXPECT_EQ(b.p.m.InChiusura, c.chiude);
        ASSERT_GE(b.dialoghi.messaggi.size(), 1u);
        EXPECT_EQ(b.dialoghi.messaggi[0].testo, "Salvare il disegno?");
        EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Esclamazione);
        EXPECT_EQ(b.dialoghi.messaggi[0].pulsanti, Pulsanti::SiNo);
        EXPECT_EQ(fs::exists(destinazione), c.file.has_value());
        fs::remove(destinazione);
    }
    Banco b;
    EXPECT_TRUE(RichiestaChiusura(b.p));
    EXPECT_TRUE(b.dialoghi.messaggi.empty());
}

TEST(Chiusura, MenuFileDisabilitatoRifiutaInSilenzioESenzaRestareInChiusura)
{
    Banco b;
    b.p.voci.Abilita(Voce::MnuFile, false);
    EXPECT_FALSE(RichiestaChiusura(b.p));
    EXPECT_TRUE(b.dialoghi.messaggi.empty());
    EXPECT_FALSE(b.p.m.InChiusura);
}

TEST(Chiusura, LaSolaFinestraDelPianoIniziaUnNuovoDisegno)
{
    Banco b;
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto);
    b.p.m.CentroX = 3;
    b.dialoghi.risposte = {Risposta::No};
    EXPECT_FALSE(ChiusuraPiano(b.p));
    EXPECT_EQ(b.dialoghi.messaggi.at(0).pulsanti, Pulsanti::SiNoAnnulla);
    EXPECT_EQ(b.p.m.NumeroFigure, 0);
    EXPECT_EQ(b.p.m.CentroX, 0.0f);
    EXPECT_EQ(b.p.testi.CampoFigura, "Non ci sono figure");
    EXPECT_EQ(b.p.testi.CampoVertice, "");
    EXPECT_FALSE(b.p.voci.Abilitata(Voce::MnuModificaElimina));
    EXPECT_FALSE(b.p.voci.Abilitata(Voce::MnuFiguraReplica));
    EXPECT_FALSE(b.p.voci.Abilitata(Voce::MnuVisualizzaDati));
    EXPECT_FALSE(b.p.m.Modificato);
}

TEST(NuovoDisegno, AnnullaNonCambiaNulla)
{
    Banco b;
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuTriangoliEqui);
    b.p.m.CentroY = 2;
    b.p.totali.TotRotazione = 30;
    const Modello modello = b.p.m;
    const TestiVista testi = b.p.testi;
    const StatoVoci voci = b.p.voci;
    const Totali totali = b.p.totali;
    b.dialoghi.risposte = {Risposta::Annulla};
    EXPECT_FALSE(NuovoDisegno(b.p));
    EXPECT_EQ(b.p.m, modello);
    EXPECT_EQ(b.p.testi, testi);
    EXPECT_EQ(b.p.voci, voci);
    EXPECT_EQ(b.p.totali, totali);
}

TEST(NuovoDisegno, RiportaATuttoIlNeutro)
{
    Banco b;
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuTriangoliEqui);
    b.p.totali.TotOmotetia = 4;
    b.p.testi.DidascaliaPiano = "prova.geo";
    b.p.m.NomeDisegno = "/tmp/prova.geo";
    b.p.m.Range = 20;
    b.schermo.operazioni.clear();
    b.dialoghi.risposte = {Risposta::No};  // Yes would save over /tmp/prova.geo
    EXPECT_TRUE(NuovoDisegno(b.p));
    EXPECT_EQ(b.p.totali, Totali{});
    EXPECT_EQ(b.p.testi.Pannelli[3], "Omot.=1");
    EXPECT_EQ(b.p.testi.DidascaliaPiano, "Senza nome");
    EXPECT_EQ(b.p.m.NomeDisegno, "");
    EXPECT_EQ(b.p.m.Range, 20);  // the plane settings stay
    EXPECT_FALSE(b.schermo.operazioni.empty());
}

}  // namespace
