#include "Finti.h"
#include "figures/Catalogo.h"
#include "files/CartellaProva.h"
#include "shell/Avvio.h"
#include "shell/NuovoDisegno.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace vellora;
using vellora::test::Banco;

namespace {

// Each test gets a fresh program folder.
class AvvioTest : public vellora::test::CartellaProva {
protected:
    const fs::path programma = radice / "prog";
    void SetUp() override
    {
        CartellaProva::SetUp();
        fs::create_directories(programma);
    }
    std::string Cartella() const { return programma.string() + "/"; }
};

TEST_F(AvvioTest, ValoriInizialiDelProgramma)
{
    Banco b;
    b.p.d.Range = 3;
    b.p.d.NumeroFigure = 5;
    b.p.d.Parametri.TraslX = 7;
    b.p.totali.TotRotazione = 40;
    Inizializza(b.p, Cartella(), Cartella(), "");
    EXPECT_EQ(std::tuple(b.p.d.Range, b.p.d.NumeroFigure, b.p.d.Parametri.TraslX, b.p.PausaMacro,
                         b.p.testi.DidascaliaPiano, b.p.voci.Abilitata(Voce::MnuVisualizzaDati),
                         MostraTitoloAllAvvio(b.p)),
              std::tuple(12, 0, 1, 50, "Senza nome", false, true));
    EXPECT_EQ(b.p.totali, Totali{});
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
    const std::tuple<std::string, std::string, fs::path> casi[] = {
        {"/tmp/x.geo\r\n" + conDisegni.string() + "\\\r\n", "/tmp/x.geo", conDisegni},
        {"/tmp/x.geo\n" + conDisegni.string() + "/\n", "/tmp/x.geo", conDisegni},
        {"\r\n" + senzaDisegni.string() + "\r\n", "", programma},
        {"/tmp/solo-una-riga.geo", "/tmp/solo-una-riga.geo", programma},
    };
    for (const auto& [contenuto, ultimo, corrente] : casi) {
        fs::current_path(programma);
        Scrivi(programma / "recent.dat", contenuto);
        Banco b;
        Inizializza(b.p, Cartella(), Cartella(), "");
        EXPECT_EQ(b.p.sessione.UltimoDisegno, ultimo) << contenuto;
        EXPECT_EQ(fs::current_path(), fs::canonical(corrente)) << contenuto;
    }
    Banco b; // and on the way out it is written back
    Inizializza(b.p, Cartella(), Cartella(), "");
    b.p.sessione.UltimoDisegno = "/scuola/pitagora.geo";
    fs::current_path(radice);
    Termina(b.p);
    EXPECT_EQ(Leggi(programma / "recent.dat"), "/scuola/pitagora.geo\r\n" + fs::current_path().string() + "\r\n");
}

// Refused during a macro, silently with File off; else the save question, open if the drawing is not written.
TEST_F(AvvioTest, ChiusuraRifiutataOppureChiedeDiSalvare)
{
    const std::string destinazione = Percorso("quadrato.geo");
    const std::string salvare = "Salvare il disegno?";
    const struct {
        bool registra, esegue, menuFile;
        Risposta risposta;
        std::optional<std::string> file;
        bool chiude;
        std::string messaggio;
    } casi[] = {
        {true, false, true, Risposta::No, std::nullopt, false, "E' in corso la registrazione di una macro"},
        {false, true, true, Risposta::No, std::nullopt, false, "E' in corso l'esecuzione di una macro"},
        {false, false, false, Risposta::No, std::nullopt, false, ""},
        {false, false, true, Risposta::No, std::nullopt, true, salvare},
        {false, false, true, Risposta::Si, destinazione, true, salvare},
        {false, false, true, Risposta::Si, std::nullopt, false, salvare}, // the save cancelled: nothing is lost
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.messaggio + (c.file ? " file" : ""));
        Banco b;
        InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuQuadrilateriQuadrato);
        b.p.voci.Abilita(Voce::MnuMacroFine, c.registra);
        b.p.voci.Abilita(Voce::MnuFile, c.menuFile);
        b.p.sessione.EsecuzioneMacro = c.esegue;
        b.dialoghi.risposte = {c.risposta};
        b.dialoghi.fileScelti = {c.file};
        EXPECT_EQ(RichiestaChiusura(b.p), c.chiude);
        EXPECT_EQ(b.p.sessione.InChiusura, c.chiude);
        EXPECT_EQ(b.dialoghi.Testi(), c.messaggio.empty() ? std::vector<std::string>{} : std::vector{c.messaggio});
        for (const auto& m : b.dialoghi.messaggi)
            EXPECT_EQ(std::tuple(m.icona, m.pulsanti), c.messaggio == salvare
                                                           ? std::tuple(Icona::Esclamazione, Pulsanti::SiNoAnnulla)
                                                           : std::tuple(Icona::Stop, Pulsanti::Ok));
        EXPECT_EQ(fs::exists(destinazione), c.file.has_value());
        fs::remove(destinazione);
    }
    Banco b; // an unmodified drawing closes without a word
    EXPECT_TRUE(RichiestaChiusura(b.p));
    EXPECT_TRUE(b.dialoghi.messaggi.empty());
}

// Closing the plane's window alone starts a new drawing, after the save question; Annulla changes nothing.
TEST(NuovoDisegno, RiportaATuttoIlNeutro)
{
    for (const Risposta risposta : {Risposta::No, Risposta::Annulla}) {
        Banco b;
        InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuTriangoliEqui);
        b.p.d.CentroX = 3;
        b.p.d.Range = 20;
        b.p.totali.TotOmotetia = 4;
        b.p.testi.DidascaliaPiano = "prova.geo";
        b.p.sessione.NomeDisegno = "/tmp/prova.geo";
        b.schermo.operazioni.clear();
        const auto stato = [&] { return std::tuple(b.p.d, b.p.testi, b.p.voci, b.p.totali, b.p.sessione); };
        const auto prima = stato();
        b.dialoghi.risposte = {risposta}; // Yes would save over /tmp/prova.geo
        EXPECT_FALSE(ChiusuraPiano(b.p));
        EXPECT_EQ(b.dialoghi.messaggi.at(0).pulsanti, Pulsanti::SiNoAnnulla);
        if (risposta == Risposta::Annulla) {
            EXPECT_TRUE(stato() == prima);
            continue;
        }
        // The plane settings stay.
        EXPECT_EQ(std::tuple(b.p.d.NumeroFigure, b.p.d.CentroX, b.p.d.Range, b.p.testi.Pannelli[3],
                             b.p.testi.CampoFigura, b.p.testi.DidascaliaPiano, b.p.sessione.NomeDisegno,
                             b.p.voci.Abilitata(Voce::MnuModificaElimina), b.p.sessione.Modificato),
                  std::tuple(0, 0.0f, 20, "Omot.=1", "Non ci sono figure", "Senza nome", "", false, false));
        EXPECT_EQ(b.p.totali, Totali{});
        EXPECT_FALSE(b.schermo.operazioni.empty());
    }
}

} // namespace
