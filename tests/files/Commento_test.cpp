#include "CartellaProva.h"
#include "Finti.h"
#include "files/ComandiDisegno.h"
#include "files/Commento.h"
#include "shell/Avvio.h"
#include "shell/NuovoDisegno.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace vellora;

namespace {

// The comment window as a text in memory, on a program with fake ports.
struct BancoCommento : test::Banco, FinestraCommento {
    bool aperta = false;
    TestoRicco testo;
    BancoCommento() { p.commento = this; }
    void Apri(const TestoRicco& t) override { aperta = true, testo = t; }
    TestoRicco Testo() const override { return testo; }
    void Chiudi() override { aperta = false; }
    // The user's typing: the window's new text, and its report.
    void Scrive(const std::string& t)
    {
        testo = t.empty() ? TestoRicco{} : TestoRicco{{t, {}}};
        SegnaCommentoModificato(p);
    }
};

TEST(NomeCommento, SostituisceSoloLEstensioneDelDisegno)
{
    const std::pair<const char*, const char*> casi[] = {{"/classe/a.geo", "/classe/a.rtf"},
                                                        {"a.GEO", "a.rtf"},
                                                        {"a", "a.rtf"},
                                                        {"a.txt", "a.txt.rtf"},
                                                        {"dati.geo/abc", "dati.geo/abc.rtf"}};
    for (const auto& [disegno, commento] : casi)
        EXPECT_EQ(NomeCommento(disegno), commento) << disegno;
}

class Commento : public test::CartellaProva {
protected:
    BancoCommento b;
    std::string disegno, commento, altro;

    void SetUp() override
    {
        disegno = Percorso("lezione.geo");
        commento = Percorso("lezione.rtf");
        altro = Percorso("altro.geo");
        Scrivi(disegno, TestoDisegno(Disegno{}));
        Scrivi(altro, TestoDisegno(Disegno{}));
        b.p.sessione.NomeDisegno = disegno;
        b.p.sessione.UltimoDisegno = altro;
    }
    bool Aperta() const { return b.aperta && b.p.voci.Spuntata(Voce::MnuVisualizzaCommento); }
    // Opens the window on the drawing's comment, nothing said before.
    bool ApriFinestra()
    {
        b.dialoghi.messaggi.clear();
        b.p.sessione.NomeDisegno = disegno;
        AlternaCommento(b.p);
        return Aperta();
    }
};

// What the commands that replace the drawing, the exit and the user's close
// do to the comment file: written when typed, deleted when emptied, left as
// it was otherwise; the user's close asks first.
TEST_F(Commento, IlFileDopoIComandiCheChiudonoLaFinestra)
{
    const std::string prima = "{\\rtf1 com'era}";
    using Comando = void (*)(Programma&);
    const Comando apriUltimo = [](Programma& p) { ApriUltimoDisegno(p); };
    const Comando nuovo = [](Programma& p) { NuovoDisegno(p); };
    const Comando esci = [](Programma& p) { ChiusuraPrincipale(p); };
    const Comando chiude = AlternaCommento;
    const struct {
        const char* digitato; // nullptr: nothing typed
        Comando comando;
        Risposta risposta; // to "Salvare le modifiche al commento?", when asked
        const char* dopo;  // nullptr: the file is gone; "" the file as it was
        bool domanda;
        bool resta = false; // the window stays open
    } casi[] = {
        {"", apriUltimo, Risposta::Si, nullptr, false},
        {"nuovo", apriUltimo, Risposta::Si, "nuovo", false},
        {"nuovo", nuovo, Risposta::Si, "nuovo", false},
        {nullptr, esci, Risposta::Si, "", false},
        {"nuovo", chiude, Risposta::Si, "nuovo", true},
        {"nuovo", chiude, Risposta::No, "", true},
        {nullptr, chiude, Risposta::No, "", false},
        {"nuovo", chiude, Risposta::Annulla, "", true, true}, // last: the window stays open
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(testing::Message() << (c.digitato ? c.digitato : "(nulla)") << " " << (c.dopo ? c.dopo : "(via)"));
        Scrivi(commento, prima);
        ASSERT_TRUE(ApriFinestra());
        if (c.digitato)
            b.Scrive(c.digitato);
        b.dialoghi.risposte = {c.risposta};
        c.comando(b.p);
        EXPECT_EQ(Aperta(), c.resta);
        const std::string dopo = fs::exists(commento) ? Leggi(commento) : "(manca)";
        EXPECT_TRUE(!c.dopo    ? dopo == "(manca)"
                    : !*c.dopo ? dopo == prima
                               : dopo.find(c.dopo) != std::string::npos)
            << dopo;
        ASSERT_EQ(b.dialoghi.Testi(), c.domanda ? std::vector{DomandaSalvareCommento} : std::vector<std::string>{});
        for (const test::MessaggioRegistrato& m : b.dialoghi.messaggi)
            EXPECT_EQ(std::tuple(m.icona, m.pulsanti), std::tuple(Icona::Esclamazione, Pulsanti::SiNoAnnulla));
    }
}

TEST_F(Commento, UnDisegnoMaiSalvatoNonHaCommento)
{
    b.p.sessione.NomeDisegno.clear();
    const Sessione sessione = b.p.sessione;
    AlternaCommento(b.p);
    ASSERT_EQ(b.dialoghi.Testi(), std::vector{MessaggioCommentoSenzaNome});
    EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Stop);
    EXPECT_FALSE(Aperta());
    EXPECT_EQ(b.p.sessione, sessione);
}

// A missing file is an empty comment; one that cannot be read shows empty,
// says why, and is neither replaced by the empty text nor deleted as empty.
TEST_F(Commento, UnFileIlleggibileSiMostraVuotoESiConservaFinchéNonSiScrive)
{
    const std::string qualunque = "testo qualunque", grande = "{\\rtf1 " + std::string(LimiteCommento, 'x') + "}";
    const std::pair<const std::string*, const char*> casi[] = {
        {nullptr, nullptr}, {&qualunque, ""}, {&grande, "File troppo grande."}};
    for (const auto& [contenuto, motivo] : casi) {
        fs::remove(commento);
        if (contenuto)
            Scrivi(commento, *contenuto);
        ASSERT_TRUE(ApriFinestra());
        EXPECT_TRUE(b.testo.empty());
        ASSERT_EQ(b.dialoghi.messaggi.size(), motivo ? 1u : 0u);
        if (motivo) {
            const std::string& m = b.dialoghi.messaggi[0].testo;
            EXPECT_EQ(m.rfind("Impossibile leggere il commento «" + commento + "».\n", 0), 0u) << m;
            EXPECT_NE(m.find(motivo), std::string::npos) << m;
        }
        EXPECT_TRUE(NuovoDisegno(b.p));
        EXPECT_EQ(fs::exists(commento) ? Leggi(commento) : "(manca)", contenuto ? *contenuto : "(manca)");
    }
}

// A comment that cannot be stored is never lost: the message says why, the
// window keeps its text and the command that wanted it closed stops.
TEST_F(Commento, UnCommentoNonSalvatoFermaIlComando)
{
    // A folder where the file should be: neither written over nor deleted.
    fs::create_directories(commento);
    Scrivi(fs::path(commento) / "dentro", "x");
    for (const char* digitato : {"da non perdere", ""}) {
        SCOPED_TRACE(digitato);
        ASSERT_TRUE(ApriFinestra()); // saying it cannot read a folder
        b.Scrive(digitato);
        b.dialoghi.messaggi.clear();
        const Sessione sessione = b.p.sessione;
        ApriUltimoDisegno(b.p);
        EXPECT_FALSE(NuovoDisegno(b.p));
        EXPECT_FALSE(ChiusuraPrincipale(b.p));
        EXPECT_EQ(b.p.sessione, sessione);
        EXPECT_TRUE(Aperta());
        ASSERT_EQ(b.dialoghi.messaggi.size(), 3u);
        const std::string atteso =
            *digitato ? "Impossibile salvare il commento in «" : "Impossibile eliminare il commento vuoto «";
        EXPECT_EQ(b.dialoghi.messaggi[0].testo.rfind(atteso + commento + "»", 0), 0u) << b.dialoghi.messaggi[0].testo;
        EXPECT_EQ(b.testo.empty(), !*digitato);
        // The user may still drop it.
        b.dialoghi.risposte = {Risposta::No};
        AlternaCommento(b.p);
        EXPECT_FALSE(Aperta());
    }
}

// A drawing saved under another name takes its comment along, even untouched.
TEST_F(Commento, IlCommentoSegueIlDisegnoSalvatoConAltroNome)
{
    AlternaCommento(b.p);
    b.testo = {{"spiegazione", {}}};
    b.p.sessione.NomeDisegno = Percorso("copia.geo");
    EXPECT_TRUE(ChiudiCommento(b.p));
    EXPECT_NE(Leggi(Percorso("copia.rtf")).find("spiegazione"), std::string::npos);
    EXPECT_FALSE(fs::exists(commento));
}

} // namespace
