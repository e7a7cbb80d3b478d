#include "shell/Batch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Finti.h"
#include "figures/Catalogo.h"
#include "macro/Macro.h"

namespace fs = std::filesystem;
using namespace vellora;

namespace {

TEST(ArgomentiBatch, OpzioniEErrori)
{
    struct Caso {
        std::vector<std::string> argomenti;
        bool batch;
        std::string errore;  // the start of the message
    };
    const Caso casi[] = {
        {{}, false, ""},
        {{"disegno.geo"}, false, ""},
        {{"il", "mio.geo"}, false, ""},  // a path with blanks, as typed
        {{"--dati", "a.geo"}, true, ""},
        {{"a.geo", "--esporta", "a.png", "--dimensioni", "1024x768"}, true, ""},
        {{"--help"}, true, ""},
        {{"--dati"}, true, "Manca il disegno"},
        {{"--dati", "a.geo", "b.geo"}, true, "Si elabora un solo disegno"},
        {{"--esporta"}, true, "Manca il valore dell'opzione --esporta"},
        {{"--dimensioni", "800", "a.geo"}, true, "Dimensioni non valide: 800"},
        {{"--dimensioni", "0x600", "a.geo"}, true, "Dimensioni non valide"},
        {{"--dimensioni", "800x600x2", "a.geo"}, true, "Dimensioni non valide"},
        {{"--dimensioni", "20000x600", "a.geo"}, true, "Dimensioni non valide"},
        {{"--colori", "a.geo"}, true, "Opzione sconosciuta: --colori"},
        {{"--macro", "m.mcr", "a.geo"}, true, ""},
        {{"a.geo", "--macro"}, true, "Manca il valore dell'opzione --macro"},
        {{"--macro", "m.mcr"}, true, "Manca il disegno"},
    };
    for (const Caso& c : casi) {
        const ArgomentiBatch a = AnalizzaArgomenti(c.argomenti);
        EXPECT_EQ(a.batch, c.batch) << c.argomenti.size();
        EXPECT_EQ(a.errore.rfind(c.errore, 0), 0u) << a.errore;
        EXPECT_EQ(a.errore.empty(), c.errore.empty()) << a.errore;
    }
    const OpzioniBatch o = AnalizzaArgomenti({"--salva", "b.geo", "a.geo", "--esporta", "a.png", "--dimensioni",
                                              "1024x768", "--macro", "m.mcr"})
                               .opzioni;
    EXPECT_EQ(o.macro, "m.mcr");
    EXPECT_EQ(o.disegno, "a.geo");
    EXPECT_EQ(o.salva, "b.geo");
    EXPECT_EQ(o.esporta, "a.png");
    EXPECT_EQ(o.larghezza, 1024);
    EXPECT_EQ(o.altezza, 768);
}

TEST(DialoghiFlusso, UnaRigaPerMessaggioELaRispostaPiuPrudente)
{
    std::ostringstream errori;
    DialoghiFlusso d(errori);
    EXPECT_EQ(d.Messaggio("uno", Icona::Stop, Pulsanti::Ok), Risposta::Ok);
    EXPECT_EQ(d.Messaggio("due", Icona::Esclamazione, Pulsanti::SiNo), Risposta::No);
    EXPECT_EQ(d.Messaggio("tre", Icona::Esclamazione, Pulsanti::SiNoAnnulla), Risposta::Annulla);
    EXPECT_EQ(d.Messaggio("quattro", Icona::Esclamazione, Pulsanti::OkAnnulla), Risposta::Annulla);
    EXPECT_EQ(d.ScegliFile({RichiestaFile::Salva, "t", "", ""}), std::nullopt);
    EXPECT_EQ(errori.str(), "uno\ndue\ntre\nquattro\n");
    EXPECT_EQ(d.Messaggi(), 4);
}

class BatchTest : public ::testing::Test {
protected:
    fs::path cartella = fs::temp_directory_path() / ("vellora_batch_" + std::to_string(::getpid()));
    std::ostringstream errori;
    DialoghiFlusso dialoghi{errori};
    VistaAssente vista;
    Programma p{dialoghi, vista};

    void SetUp() override { fs::create_directories(cartella); }
    void TearDown() override { fs::remove_all(cartella); }
};

TEST_F(BatchTest, SalvaCaricaEDatiConFineRigaLF)
{
    EXPECT_EQ(TestoDatiBatch(p), "");  // nothing for an empty drawing
    InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuSegmento);
    const std::string file = (cartella / "s.geo").string();
    ASSERT_TRUE(SalvaDisegnoBatch(p, file));

    Programma q{dialoghi, vista};
    EXPECT_EQ(CaricaDisegnoBatch(q, file), EsitoRiuscito);
    EXPECT_EQ(q.m.NumeroFigure, 1);
    EXPECT_EQ(TestoDatiBatch(q), "Figura: \n   segmento giallo\nVertici:\n   A(1;  1)\n   B(1;  4)\nDistanza AB=3\n\n");
    EXPECT_EQ(errori.str(), "");
}

TEST_F(BatchTest, FileMancanteONonDisegnoDannoUsoErrato)
{
    const std::string altro = (cartella / "x.txt").string();
    std::ofstream(altro) << "ciao\r\n";
    EXPECT_EQ(CaricaDisegnoBatch(p, altro), EsitoUsoErrato);
    EXPECT_EQ(CaricaDisegnoBatch(p, (cartella / "manca.geo").string()), EsitoUsoErrato);
    const std::string righe = errori.str();
    EXPECT_EQ(righe.rfind("Non è un disegno di Vellora\nImpossibile aprire il disegno «", 0), 0u) << righe;
    EXPECT_FALSE(SalvaDisegnoBatch(p, (cartella / "manca" / "y.geo").string()));
}

// The macro plays on the loaded drawing with its working copy in a folder of
// its own, gone afterwards; the user's Macro.tmp stays as it was.
TEST_F(BatchTest, MacroSulDisegno)
{
    struct Caso {
        const char* nome;
        std::optional<std::string> macro; // nothing: the file is missing
        int esito;
        int traslazioni;
        std::string errori; // the start of the error stream
    };
    const Caso casi[] = {
        {"riuscita", "Inizio macro\r\nTraslazioneOr,  1\r\nPausaLunga, 200\r\nTraslazioneOr,  1\r\n", EsitoRiuscito, 2,
         ""},
        {"messaggio", "Inizio macro\r\nTraslazioneOr,  1\r\nFigura attiva,  5\r\nTraslazioneOr,  1\r\n", EsitoRiuscito,
         1, "Macro non compatibile con l'attuale disegno\n"},
        {"errore", "Inizio macro\r\nRotazione, 1\r\n", EsitoRiuscito, 0,
         "Si è verificato un errore nell'esecuzione della macro. Errore: manca un parametro"},
        {"file mancante", std::nullopt, EsitoUsoErrato, 0, "Impossibile aprire la macro «"},
    };
    struct VistaCartella : Vista {
        Programma* p = nullptr;
        std::string cartella;
        void Aggiorna() override { cartella = p->CartellaDati; }
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        std::ostringstream flusso;
        DialoghiFlusso d(flusso);
        VistaCartella v;
        Programma q(d, v);
        v.p = &q;
        const std::string mia = (cartella / "").string();
        q.CartellaDati = mia;
        std::ofstream(cartella / "Macro.tmp", std::ios::binary) << "mia\r\n";
        InserisciFiguraPredefinita(q, Voce::MnuFiguraMenuSegmento);
        const float x = q.m.Figure.X(1, 1);
        const std::string file = (cartella / "m.mcr").string();
        fs::remove(file);
        if (c.macro)
            std::ofstream(file, std::ios::binary) << *c.macro;

        v.cartella.clear();
        EXPECT_EQ(EseguiMacroBatch(q, file), c.esito);
        EXPECT_EQ(q.m.Figure.X(1, 1), x + static_cast<float>(c.traslazioni));
        EXPECT_EQ(flusso.str().rfind(c.errori, 0), 0u) << flusso.str();
        EXPECT_EQ(flusso.str().empty(), c.errori.empty());
        EXPECT_EQ(d.Messaggi() > 0, !c.errori.empty());
        EXPECT_EQ(q.CartellaDati, mia);
        std::ifstream in(cartella / "Macro.tmp", std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "mia\r\n");
        if (c.macro) { // the folder the playback used
            ASSERT_FALSE(v.cartella.empty());
            EXPECT_NE(v.cartella, mia);
            EXPECT_FALSE(fs::exists(v.cartella));
        }
    }
}

}  // namespace
