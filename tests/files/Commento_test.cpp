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

// The comment window as a text in memory.
class CommentoFinto : public FinestraCommento {
public:
    bool aperta = false;
    TestoRicco testo;
    void Apri(const TestoRicco& t) override
    {
        aperta = true;
        testo = t;
    }
    TestoRicco Testo() const override { return testo; }
    void Chiudi() override { aperta = false; }
};

struct BancoCommento : test::Banco {
    CommentoFinto finestra;
    BancoCommento() { p.commento = &finestra; }
    // The user's typing: the window's new text, and its report.
    void Scrive(const std::string& t)
    {
        finestra.testo = t.empty() ? TestoRicco{} : TestoRicco{{t, {}}};
        SegnaCommentoModificato(p);
    }
};

TEST(NomeCommento, SostituisceSoloLEstensioneDelDisegno)
{
    const std::pair<const char*, const char*> casi[] = {
        {"/classe/a.geo", "/classe/a.rtf"},
        {"a.GEO", "a.rtf"},
        {"a.Geo", "a.rtf"},
        {"a", "a.rtf"},
        {"a.txt", "a.txt.rtf"},
        {"dati.geo/abc", "dati.geo/abc.rtf"},
    };
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
    bool Aperta() const { return b.finestra.aperta && b.p.voci.Spuntata(Voce::MnuVisualizzaCommento); }
};

enum class Azione { ApriUltimo, Nuovo, Esci, ChiudeConSi, ChiudeConNo };

// What the commands that replace the drawing, the exit and the user's close
// do to the comment file: written when typed, deleted when emptied, left as
// it was otherwise; the user's close asks first.
TEST_F(Commento, IlFileDopoIComandiCheChiudonoLaFinestra)
{
    const std::string prima = "{\\rtf1 com'era}";
    struct Caso {
        const char* nome;
        const char* digitato; // nullptr: nothing typed
        Azione azione;
        const char* dopo; // nullptr: the file is gone; "" the file as it was
        bool domanda;     // "Salvare le modifiche al commento?"
    } casi[] = {
        {"svuotato, si apre un altro disegno", "", Azione::ApriUltimo, nullptr, false},
        {"scritto, si apre un altro disegno", "nuovo", Azione::ApriUltimo, "nuovo", false},
        {"scritto, nuovo disegno", "nuovo", Azione::Nuovo, "nuovo", false},
        {"scritto, uscita", "nuovo", Azione::Esci, "nuovo", false},
        {"nulla scritto, uscita", nullptr, Azione::Esci, "", false},
        {"scritto, chiusa con Sì", "nuovo", Azione::ChiudeConSi, "nuovo", true},
        {"scritto, chiusa con No", "nuovo", Azione::ChiudeConNo, "", true},
        {"nulla scritto, chiusa", nullptr, Azione::ChiudeConNo, "", false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Scrivi(commento, prima);
        b.p.sessione.NomeDisegno = disegno;
        b.dialoghi.messaggi.clear();
        AlternaCommento(b.p);
        ASSERT_TRUE(Aperta());
        if (c.digitato)
            b.Scrive(c.digitato);
        switch (c.azione) {
        case Azione::ApriUltimo:
            ApriUltimoDisegno(b.p);
            EXPECT_EQ(b.p.sessione.NomeDisegno, altro);
            break;
        case Azione::Nuovo:
            EXPECT_TRUE(NuovoDisegno(b.p));
            break;
        case Azione::Esci:
            EXPECT_TRUE(ChiusuraPrincipale(b.p));
            break;
        case Azione::ChiudeConSi:
        case Azione::ChiudeConNo:
            b.dialoghi.risposte = {c.azione == Azione::ChiudeConSi ? Risposta::Si : Risposta::No};
            AlternaCommento(b.p);
            break;
        }
        EXPECT_FALSE(Aperta());
        if (!c.dopo) {
            EXPECT_FALSE(fs::exists(commento));
        } else if (!*c.dopo) {
            EXPECT_EQ(Leggi(commento), prima);
        } else {
            EXPECT_NE(Leggi(commento).find(c.dopo), std::string::npos) << Leggi(commento);
        }
        ASSERT_EQ(b.dialoghi.messaggi.size(), c.domanda ? 1u : 0u);
        if (c.domanda) {
            const test::MessaggioRegistrato& m = b.dialoghi.messaggi[0];
            EXPECT_EQ(std::tuple(m.testo, m.icona, m.pulsanti),
                      std::tuple(DomandaSalvareCommento, Icona::Esclamazione, Pulsanti::SiNo));
        }
    }
}

TEST_F(Commento, UnDisegnoMaiSalvatoNonHaCommento)
{
    b.p.sessione.NomeDisegno.clear();
    const Sessione sessione = b.p.sessione;
    AlternaCommento(b.p);
    EXPECT_EQ(b.dialoghi.Testi(), std::vector<std::string>{"E' possibile visualizzare una finestra di commento "
                                                           "solo dopo aver salvato il disegno"});
    EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Stop);
    EXPECT_FALSE(Aperta());
    EXPECT_EQ(b.p.sessione, sessione);
}

TEST_F(Commento, UnFileIlleggibileSiMostraVuotoESiConservaFinchéNonSiScrive)
{
    for (const char* contenuto : {"testo qualunque", ""}) {
        SCOPED_TRACE(contenuto);
        Scrivi(commento, contenuto);
        b.dialoghi.messaggi.clear();
        b.p.sessione.NomeDisegno = disegno;
        AlternaCommento(b.p);
        ASSERT_TRUE(Aperta());
        EXPECT_TRUE(b.finestra.testo.empty());
        ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
        EXPECT_EQ(b.dialoghi.messaggi[0].testo.rfind("Impossibile leggere il commento «" + commento + "».\n", 0), 0u)
            << b.dialoghi.messaggi[0].testo;
        // Neither replaced by the empty window nor deleted as empty.
        EXPECT_TRUE(NuovoDisegno(b.p));
        EXPECT_EQ(Leggi(commento), contenuto);
    }
    // Typed over, it is the user's text that counts.
    b.p.sessione.NomeDisegno = disegno;
    AlternaCommento(b.p);
    b.Scrive("riscritto");
    EXPECT_TRUE(ChiusuraPrincipale(b.p));
    EXPECT_NE(Leggi(commento).find("riscritto"), std::string::npos);
}

TEST_F(Commento, UnFileTroppoGrandeNonSiLegge)
{
    Scrivi(commento, "{\\rtf1 " + std::string(LimiteCommento, 'x') + "}");
    AlternaCommento(b.p);
    ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
    EXPECT_NE(b.dialoghi.messaggi[0].testo.find("File troppo grande."), std::string::npos);
    EXPECT_TRUE(b.p.sessione.CommentoIlleggibile);
}

TEST_F(Commento, UnFileMancanteEUnCommentoVuotoSenzaMessaggio)
{
    AlternaCommento(b.p);
    EXPECT_TRUE(Aperta());
    EXPECT_TRUE(b.dialoghi.messaggi.empty());
    EXPECT_FALSE(b.p.sessione.CommentoIlleggibile);
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
        b.dialoghi.messaggi.clear();
        AlternaCommento(b.p);
        ASSERT_TRUE(Aperta());
        b.Scrive(digitato);
        b.dialoghi.messaggi.clear();
        const Sessione sessione = b.p.sessione;
        ApriUltimoDisegno(b.p);
        EXPECT_FALSE(NuovoDisegno(b.p));
        EXPECT_FALSE(ChiusuraPrincipale(b.p));
        EXPECT_EQ(b.p.sessione, sessione);
        EXPECT_TRUE(Aperta());
        ASSERT_EQ(b.dialoghi.messaggi.size(), 3u);
        EXPECT_EQ(b.dialoghi.messaggi[0].testo.rfind(*digitato ? "Impossibile salvare il commento in «" + commento
                                                               : "Impossibile eliminare il commento vuoto «" + commento,
                                                     0),
                  0u)
            << b.dialoghi.messaggi[0].testo;
        EXPECT_EQ(b.finestra.testo.empty(), !*digitato);
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
    b.finestra.testo = {{"spiegazione", {}}};
    b.p.sessione.NomeDisegno = Percorso("copia.geo");
    EXPECT_TRUE(ChiudiCommento(b.p));
    EXPECT_NE(Leggi(Percorso("copia.rtf")).find("spiegazione"), std::string::npos);
    EXPECT_FALSE(fs::exists(commento));
}

} // namespace
