#include "Finti.h"
#include "figures/Catalogo.h"
#include "files/CartellaProva.h"
#include "macro/Macro.h"
#include "shell/Batch.h"

#include <filesystem>
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
                                              "1024x768", "--macro", "m.mcr", "--tratto-spesso"})
                               .opzioni;
    EXPECT_EQ(std::tuple(o.macro, o.disegno, o.salva, o.esporta, o.larghezza, o.altezza, o.trattoSpesso),
              std::tuple("m.mcr", "a.geo", "b.geo", "a.png", 1024, 768, true));
    EXPECT_FALSE(AnalizzaArgomenti({"--esporta", "a.png", "a.geo"}).opzioni.trattoSpesso);
}

TEST(DialoghiFlusso, UnaRigaPerMessaggioELaRispostaPiuPrudente)
{
    std::ostringstream errori;
    DialoghiFlusso d(errori);
    const std::tuple risposte{d.Messaggio("uno", Icona::Stop, Pulsanti::Ok),
                              d.Messaggio("due", Icona::Esclamazione, Pulsanti::SiNo),
                              d.Messaggio("tre", Icona::Esclamazione, Pulsanti::SiNoAnnulla),
                              d.Messaggio("quattro", Icona::Esclamazione, Pulsanti::OkAnnulla)}; // in this order
    EXPECT_EQ(risposte, std::tuple(Risposta::Ok, Risposta::No, Risposta::Annulla, Risposta::Annulla));
    EXPECT_EQ(d.ScegliFile({RichiestaFile::Salva, "t", "", ""}), std::nullopt);
    EXPECT_EQ(std::tuple(errori.str(), d.Messaggi()), std::tuple("uno\ndue\ntre\nquattro\n", 4));
}

class BatchTest : public vellora::test::CartellaProva {
protected:
    std::ostringstream errori;
    DialoghiFlusso dialoghi{errori};
    VistaAssente vista;
    Programma p{dialoghi, vista};
};

// The command-line tests read a drawing that is not one; here the missing file and a save that fails.
TEST_F(BatchTest, SalvaCaricaEDatiConFineRigaLF)
{
    EXPECT_EQ(TestoDatiBatch(p), ""); // nothing for an empty drawing
    InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuSegmento);
    ASSERT_TRUE(SalvaDisegnoBatch(p, Percorso("s.geo")));
    Programma q{dialoghi, vista};
    EXPECT_EQ(CaricaDisegnoBatch(q, Percorso("s.geo")), EsitoRiuscito);
    EXPECT_EQ(TestoDatiBatch(q), "Figura: \n   segmento giallo\nVertici:\n   A(1;  1)\n   B(1;  4)\nDistanza AB=3\n\n");
    EXPECT_EQ(errori.str(), "");

    EXPECT_EQ(CaricaDisegnoBatch(p, Percorso("manca.geo")), EsitoUsoErrato);
    EXPECT_FALSE(SalvaDisegnoBatch(p, Percorso("manca/y.geo")));
    EXPECT_EQ(errori.str().rfind("Impossibile aprire il disegno «" + Percorso("manca.geo") + "»: ", 0), 0u);
    EXPECT_NE(errori.str().find("\nImpossibile salvare il disegno in «" + Percorso("manca/y.geo")), std::string::npos);
}

// Pauses skipped; the working copy in a folder of its own, gone afterwards; the user's Macro.tmp untouched.
TEST_F(BatchTest, MacroSulDisegno)
{
    struct VistaCartella : Vista {
        Programma* p = nullptr;
        std::string cartella; // the data folder the playback used
        void Aggiorna() override { cartella = p->CartellaDati; }
    };
    Scrivi(radice / "Macro.tmp", "mia\r\n");
    VistaCartella v;
    Programma q(dialoghi, v);
    v.p = &q;
    q.CartellaDati = Percorso("");
    InserisciFiguraPredefinita(q, Voce::MnuFiguraMenuSegmento);
    const float x = q.d.Figure.X(1, 1);
    Scrivi(Percorso("m.mcr"), "Inizio macro\r\nTraslazioneOr,  1\r\nPausaLunga, 200\r\nTraslazioneOr,  1\r\n");
    v.cartella.clear();
    EXPECT_EQ(EseguiMacroBatch(q, Percorso("m.mcr")), EsitoRiuscito);
    EXPECT_EQ(q.d.Figure.X(1, 1), x + 2);
    EXPECT_EQ(errori.str(), "");
    EXPECT_EQ(std::tuple(q.CartellaDati, Leggi(radice / "Macro.tmp")), std::tuple(Percorso(""), "mia\r\n"));
    ASSERT_FALSE(v.cartella.empty());
    EXPECT_NE(v.cartella, Percorso(""));
    EXPECT_FALSE(fs::exists(v.cartella));
}

} // namespace
