#include "Finti.h"
#include "figures/Catalogo.h"
#include "files/CartellaProva.h"
#include "macro/Macro.h"
#include "shell/Batch.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;
using namespace vellora;

namespace {

TEST(ArgomentiBatch, OpzioniEErrori)
{
    const std::tuple<std::vector<std::string>, bool, std::string> casi[] = {
        // {arguments, batch, start of the error}
        {{}, false, ""},
        {{"il", "mio.geo"}, false, ""}, // a path with blanks, as typed
        {{"--dati", "a.geo"}, true, ""},
        {{"--help"}, true, ""},
        {{"--dati"}, true, "Manca il disegno"},
        {{"--dati", "a.geo", "b.geo"}, true, "Si elabora un solo disegno"},
        {{"--esporta"}, true, "Manca il valore dell'opzione --esporta"},
        {{"--dimensioni", "800", "a.geo"}, true, "Dimensioni non valide: 800"},
        {{"--dimensioni", "0x600", "a.geo"}, true, "Dimensioni non valide"},
        {{"--dimensioni", "800x600x2", "a.geo"}, true, "Dimensioni non valide"},
        {{"--dimensioni", "20000x600", "a.geo"}, true, "Dimensioni non valide"},
        {{"--colori", "a.geo"}, true, "Opzione sconosciuta: --colori"},
    };
    for (const auto& [argomenti, batch, errore] : casi) {
        const ArgomentiBatch a = AnalizzaArgomenti(argomenti);
        EXPECT_EQ(a.batch, batch) << argomenti.size();
        EXPECT_EQ(a.errore.rfind(errore, 0), 0u) << a.errore;
        EXPECT_EQ(a.errore.empty(), errore.empty()) << a.errore;
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

class BatchTest : public vellora::test::CartellaProva {
protected:
    std::ostringstream errori;
    DialoghiFlusso dialoghi{errori};
    VistaAssente vista;
    Programma p{dialoghi, vista};
};

TEST_F(BatchTest, SalvaCaricaEDatiConFineRigaLF)
{
    EXPECT_EQ(TestoDatiBatch(p), ""); // nothing for an empty drawing
    InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuSegmento);
    ASSERT_TRUE(SalvaDisegnoBatch(p, Percorso("s.geo")));
    Programma q{dialoghi, vista};
    EXPECT_EQ(CaricaDisegnoBatch(q, Percorso("s.geo")), EsitoRiuscito);
    EXPECT_EQ(TestoDatiBatch(q), "Figura: \n   segmento giallo\nVertici:\n   A(1;  1)\n   B(1;  4)\nDistanza AB=3\n\n");
    EXPECT_EQ(errori.str(), "");
}

TEST_F(BatchTest, FileMancanteONonDisegnoDannoUsoErrato)
{
    Scrivi(Percorso("x.txt"), "ciao\r\n");
    EXPECT_EQ(CaricaDisegnoBatch(p, Percorso("x.txt")), EsitoUsoErrato);
    EXPECT_EQ(CaricaDisegnoBatch(p, Percorso("manca.geo")), EsitoUsoErrato);
    const std::string righe = errori.str();
    EXPECT_EQ(righe.rfind("Non è un disegno di Vellora\nImpossibile aprire il disegno «", 0), 0u) << righe;
    EXPECT_FALSE(SalvaDisegnoBatch(p, Percorso("manca/y.geo")));
}

// The macro plays on the loaded drawing with its working copy in a folder of
// its own, gone afterwards; the user's Macro.tmp stays as it was.
TEST_F(BatchTest, MacroSulDisegno)
{
    const std::tuple<std::optional<std::string>, int, int, std::string> casi[] = {
        // {the macro (nothing: the file is missing), exit, translations, start of the error stream}
        {"Inizio macro\r\nTraslazioneOr,  1\r\nPausaLunga, 200\r\nTraslazioneOr,  1\r\n", EsitoRiuscito, 2, ""},
        {"Inizio macro\r\nTraslazioneOr,  1\r\nFigura attiva,  5\r\nTraslazioneOr,  1\r\n", EsitoRiuscito, 1,
         "Macro non compatibile con l'attuale disegno\n"},
        {"Inizio macro\r\nRotazione, 1\r\n", EsitoRiuscito, 0,
         "Si è verificato un errore nell'esecuzione della macro. Errore: manca un parametro"},
        {std::nullopt, EsitoErrore, 0, "Impossibile aprire la macro «"},
    };
    struct VistaCartella : Vista {
        Programma* p = nullptr;
        std::string cartella; // the data folder the playback used
        void Aggiorna() override { cartella = p->CartellaDati; }
    };
    Scrivi(radice / "Macro.tmp", "mia\r\n");
    for (const auto& [macro, esito, traslazioni, attesi] : casi) {
        std::ostringstream flusso;
        DialoghiFlusso d(flusso);
        VistaCartella v;
        Programma q(d, v);
        v.p = &q;
        q.CartellaDati = Percorso("");
        InserisciFiguraPredefinita(q, Voce::MnuFiguraMenuSegmento);
        const float x = q.d.Figure.X(1, 1);
        fs::remove(Percorso("m.mcr"));
        if (macro)
            Scrivi(Percorso("m.mcr"), *macro);
        v.cartella.clear();
        EXPECT_EQ(EseguiMacroBatch(q, Percorso("m.mcr")), esito) << attesi;
        EXPECT_EQ(q.d.Figure.X(1, 1), x + static_cast<float>(traslazioni)) << attesi;
        EXPECT_EQ(flusso.str().rfind(attesi, 0), 0u) << flusso.str();
        EXPECT_EQ(flusso.str().empty(), attesi.empty()) << attesi;
        EXPECT_EQ(d.Messaggi() > 0, !attesi.empty()) << attesi;
        EXPECT_EQ(q.CartellaDati, Percorso(""));
        EXPECT_EQ(Leggi(radice / "Macro.tmp"), "mia\r\n");
        if (macro) {
            ASSERT_FALSE(v.cartella.empty());
            EXPECT_NE(v.cartella, Percorso(""));
            EXPECT_FALSE(fs::exists(v.cartella));
        }
    }
}

} // namespace
