#include "BancoMacro.h"
#include "macro/Editor.h"

#include <gtest/gtest.h>

using namespace vellora;

namespace {

const std::string Registrata = "Inizio macro\r\nFine macro\r\n";
const std::string Vecchia = "Inizio macro\r\nSimmetriaO,  0,  0\r\n";
const std::string Digitata = "Inizio macro\r\nPausa\r\nFine macro\r\n\r\n"; // one more line, empty
const std::string Intatta = Registrata + "\r\n";

// Closing the editor: the question, the files written, the name taken; a failed write is said, and still closes.
TEST(EditorDiMacro, RegoleDiChiusura)
{
    struct Caso {
        const char* nome;
        bool nominata, registrazione, digita; // named "vecchia.mcr"
        Risposta risposta;
        const char* bloccato;
        bool chiude, domanda;
        const std::string &copia, &vecchia; // the working copy and the named macro file afterwards
        bool nuova;                         // "nuova.mcr", chosen in the save dialog, is the active macro
    };
    const Caso casi[] = {
        {"nominata e intatta", true, false, false, Risposta::Si, "", true, false, Registrata, Vecchia, false},
        {"nominata, digitato, Sì", true, false, true, Risposta::Si, "", true, true, Digitata, Digitata, false},
        {"nominata, digitato, No", true, false, true, Risposta::No, "", true, true, Registrata, Vecchia, false},
        {"Annulla", true, false, true, Risposta::Annulla, "", false, true, Registrata, Vecchia, false},
        {"senza nome e intatta", false, false, false, Risposta::Si, "", true, true, Intatta, Vecchia, true},
        {"registrazione", false, true, true, Risposta::Si, "", true, true, Digitata, Vecchia, false},
        {"vecchia bloccata", true, false, true, Risposta::Si, "vecchia.mcr", true, true, Digitata, Vecchia, false},
        {"nuova bloccata", false, false, true, Risposta::Si, "nuova.mcr", true, true, Digitata, Vecchia, false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        test::BancoMacro b;
        const std::string vecchia = b.Percorso("vecchia.mcr"), nuova = b.Percorso("nuova.mcr");
        b.Scrivi(vecchia, Vecchia);
        if (*c.bloccato) {
            std::filesystem::remove(b.Percorso(c.bloccato));
            std::filesystem::create_directories(b.Percorso(c.bloccato) + "/x");
        }
        b.Scrivi(PercorsoCopiaLavoro(b.p), Registrata);
        b.p.NomeMacro = c.nominata ? vecchia : "";
        b.p.testi.SuggerimentoMacro = "prima";
        b.p.voci.Abilita(Voce::MnuMacroFine, c.registrazione);
        b.dialoghi.risposte = {c.risposta};
        b.dialoghi.fileScelti = {nuova};

        EditorMacro editor(b.p);
        ASSERT_TRUE(editor.Apri());
        std::string testo = editor.Testo();
        if (c.digita) {
            testo.insert(testo.find("Fine"), "Pausa\n");
            editor.SegnaModifica();
        }
        EXPECT_EQ(editor.Chiudi(testo), c.chiude);
        std::vector<std::string> messaggi;
        if (c.domanda)
            messaggi.push_back("Salvare le modifiche alla macro ?");
        if (*c.bloccato)
            messaggi.push_back("Impossibile salvare la macro in «" + b.Percorso(c.bloccato) + "»: è una cartella");
        EXPECT_EQ(b.dialoghi.Testi(), messaggi);
        EXPECT_TRUE(!c.domanda || (b.dialoghi.messaggi[0].icona == Icona::Esclamazione &&
                                   b.dialoghi.messaggi[0].pulsanti == Pulsanti::SiNoAnnulla));
        EXPECT_EQ(b.Copia(), c.copia);
        if (c.bloccato != std::string("vecchia.mcr")) {
            EXPECT_EQ(b.Leggi(vecchia), c.vecchia);
        }
        // "Salva file macro" asked only without a name, and out of a recording.
        EXPECT_EQ(b.dialoghi.richiesteFile.size(), !c.nominata && !c.registrazione ? 1u : 0u);
        // A name the file could not take does not become the active macro.
        EXPECT_EQ(b.p.NomeMacro, c.nuova ? nuova : (c.nominata ? vecchia : ""));
        EXPECT_EQ(b.p.testi.SuggerimentoMacro, c.nuova ? "E' attiva la macro: " + nuova + " " : "prima");
        if (c.nuova) {
            EXPECT_EQ(b.Leggi(nuova), c.copia);
        }
    }
}

// An accented note goes to the file in Latin-1 and comes back.
TEST(EditorDiMacro, TitoloECodifica)
{
    test::BancoMacro b;
    b.p.NomeMacro = "C:\\Macro\\giro.mcr";
    EXPECT_EQ(EditorMacro(b.p).Titolo(), "Edita macro: giro.mcr");
    EXPECT_EQ(ContenutoMacroDaTesto("Inizio macro\nNota: più volte"), "Inizio macro\r\nNota: pi\xF9 volte\r\n");
    EXPECT_EQ(TestoMacroDaFile("Inizio macro\r\nNota: pi\xF9 volte\r\n"), "Inizio macro\nNota: più volte\n");
}

} // namespace
