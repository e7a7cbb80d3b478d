#include "Finti.h"
#include "files/CartellaProva.h"
#include "macro/Editor.h"
#include "macro/Macro.h"

#include <gtest/gtest.h>

namespace vellora {
namespace {

const std::string Registrata = "Inizio macro\r\nFine macro\r\n";
const std::string Vecchia = "Inizio macro\r\nSimmetriaO,  0,  0\r\n";
const std::string Digitata = "Inizio macro\r\nPausa\r\nFine macro\r\n\r\n"; // one more line, empty
const std::string Intatta = Registrata + "\r\n";

class EditorDiMacro : public test::CartellaProva {
protected:
    test::Banco b;
    void SetUp() override
    {
        CartellaProva::SetUp();
        b.p.m.PercorsoProgramma = b.p.CartellaDati = Percorso("");
    }
    // Opens the editor on the recorded macro, types a line if asked, closes.
    bool ApriEChiudi(bool digita)
    {
        Scrivi(PercorsoCopiaLavoro(b.p), Registrata);
        EditorMacro editor(b.p);
        EXPECT_TRUE(editor.Apri());
        std::string testo = editor.Testo();
        if (digita) {
            testo.insert(testo.find("Fine"), "Pausa\n");
            editor.SegnaModifica();
        }
        return editor.Chiudi(testo);
    }
};

TEST_F(EditorDiMacro, RegoleDiChiusura)
{
    struct Caso {
        const char* nome;
        bool nominata, registrazione, digita;
        Risposta risposta;
        bool chiude, domanda;
        const std::string& copia;   // the working copy afterwards
        const std::string& vecchia; // the named macro file afterwards
        bool dialogo;               // "Salva file macro" shown, naming "nuova.mcr"
    };
    const Caso casi[] = {
        {"nominata e intatta", true, false, false, Risposta::Si, true, false, Registrata, Vecchia, false},
        {"nominata, digitato, Sì", true, false, true, Risposta::Si, true, true, Digitata, Digitata, false},
        {"nominata, digitato, No", true, false, true, Risposta::No, true, true, Registrata, Vecchia, false},
        {"Annulla", true, false, true, Risposta::Annulla, false, true, Registrata, Vecchia, false},
        {"senza nome e intatta", false, false, false, Risposta::Si, true, true, Intatta, Vecchia, true},
        {"registrazione", false, true, true, Risposta::Si, true, true, Digitata, Vecchia, false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Scrivi(Percorso("vecchia.mcr"), Vecchia);
        std::filesystem::remove(Percorso("nuova.mcr"));
        b.dialoghi = {};
        b.dialoghi.risposte = {c.risposta};
        b.dialoghi.fileScelti = {Percorso("nuova.mcr")};
        b.p.NomeMacro = c.nominata ? Percorso("vecchia.mcr") : "";
        b.p.testi.SuggerimentoMacro = "prima";
        b.p.voci.Abilita(Voce::MnuMacroFine, c.registrazione);

        EXPECT_EQ(ApriEChiudi(c.digita), c.chiude);
        ASSERT_EQ(b.dialoghi.messaggi.size(), c.domanda ? 1u : 0u);
        if (c.domanda) {
            EXPECT_EQ(b.dialoghi.messaggi[0].testo, "Salvare le modifiche alla macro ?");
            EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Esclamazione);
            EXPECT_EQ(b.dialoghi.messaggi[0].pulsanti, Pulsanti::SiNoAnnulla);
        }
        EXPECT_EQ(Leggi(PercorsoCopiaLavoro(b.p)), c.copia);
        EXPECT_EQ(Leggi(Percorso("vecchia.mcr")), c.vecchia);
        ASSERT_EQ(b.dialoghi.richiesteFile.size(), c.dialogo ? 1u : 0u);
        if (!c.dialogo) {
            EXPECT_EQ(b.p.testi.SuggerimentoMacro, "prima");
            continue;
        }
        const RichiestaFile& r = b.dialoghi.richiesteFile[0];
        EXPECT_EQ(r.tipo, RichiestaFile::Salva);
        EXPECT_EQ(r.titolo + "|" + r.nomeIniziale + "|" + r.filtro, "Salva file macro||Macro di Vellora (*.mcr)|*.mcr");
        EXPECT_EQ(b.p.NomeMacro, Percorso("nuova.mcr"));
        EXPECT_EQ(b.p.testi.SuggerimentoMacro, "E' attiva la macro: " + Percorso("nuova.mcr") + " ");
        EXPECT_EQ(Leggi(Percorso("nuova.mcr")), c.copia);
    }
}

TEST_F(EditorDiMacro, UnaScritturaFallitaDiceFileEMotivoEChiudeLoStesso)
{
    // A folder stands where the file should go, so that it cannot be written.
    struct Caso {
        const char* bloccato;
        const char* nomeMacro; // "" unnamed: the save dialog names "nuova.mcr"
    };
    for (const Caso& c : {Caso{"vecchia.mcr", "vecchia.mcr"}, Caso{"nuova.mcr", ""}}) {
        SCOPED_TRACE(c.bloccato);
        std::filesystem::create_directories(Percorso(c.bloccato) + "/x");
        b.dialoghi = {};
        b.dialoghi.fileScelti = {Percorso("nuova.mcr")};
        b.p.NomeMacro = *c.nomeMacro ? Percorso(c.nomeMacro) : "";
        b.p.testi.SuggerimentoMacro = "prima";

        EXPECT_TRUE(ApriEChiudi(true));
        ASSERT_EQ(b.dialoghi.messaggi.size(), 2u);
        const std::string inizio = "Impossibile salvare la macro in «" + Percorso(c.bloccato) + "»: ";
        EXPECT_EQ(b.dialoghi.messaggi[1].testo, inizio + "è una cartella");
        EXPECT_EQ(Leggi(PercorsoCopiaLavoro(b.p)), Digitata);
        // A name the file could not take does not become the active macro.
        EXPECT_EQ(b.p.NomeMacro, *c.nomeMacro ? Percorso(c.nomeMacro) : "");
        EXPECT_EQ(b.p.testi.SuggerimentoMacro, "prima");
        std::filesystem::remove_all(Percorso(c.bloccato));
    }
    // The working copy itself: the question, then the message, and closed.
    b.p.CartellaDati = b.p.m.PercorsoProgramma = Percorso("manca/");
    b.dialoghi = {};
    EditorMacro editor(b.p);
    ASSERT_TRUE(editor.Apri()); // no working copy is an empty macro
    EXPECT_TRUE(editor.Chiudi("Inizio macro"));
    ASSERT_EQ(b.dialoghi.messaggi.size(), 2u);
    EXPECT_EQ(b.dialoghi.messaggi[1].testo,
              "Impossibile salvare la macro in «" + PercorsoCopiaLavoro(b.p) + "»: file o cartella inesistente");
}

TEST_F(EditorDiMacro, TitoloETestoAllApertura)
{
    const std::pair<const char*, const char*> titoli[] = {
        {"", "Edita macro: "},
        {"/home/classe/giro.mcr", "Edita macro: giro.mcr"},
        {"C:\\Macro\\vecchia.mcr", "Edita macro: vecchia.mcr"},
    };
    for (const auto& [nome, titolo] : titoli) {
        b.p.NomeMacro = nome;
        EXPECT_EQ(EditorMacro(b.p).Titolo(), titolo);
    }
    Scrivi(PercorsoCopiaLavoro(b.p), "Inizio macro\r\nNota: pi\xF9 volte\nPausa");
    EditorMacro editor(b.p);
    ASSERT_TRUE(editor.Apri());
    EXPECT_EQ(editor.Testo(), "Inizio macro\nNota: più volte\nPausa");
    EXPECT_FALSE(editor.Modificata());
}

TEST(CodificaMacro, FileETestoDellEditor)
{
    struct Caso {
        std::string testo;     // as the editor shows it
        std::string contenuto; // as the file holds it
    };
    const Caso casi[] = {
        {"Inizio macro\nFine macro", "Inizio macro\r\nFine macro\r\n"},
        {"", "\r\n"},
        {"Nota: più volte", "Nota: pi\xF9 volte\r\n"},     // Latin-1, as the older platform wrote
        {"Nota: 10 → 20", "Nota: 10 \xE2\x86\x92 20\r\n"}, // no Latin-1 for the arrow: UTF-8
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(ContenutoMacroDaTesto(c.testo), c.contenuto) << c.testo;
        EXPECT_EQ(TestoMacroDaFile(c.contenuto), c.testo + "\n") << c.testo;
    }
    EXPECT_EQ(TestoMacroDaFile("a\r\nb\rc\nd"), "a\nb\nc\nd");
    EXPECT_EQ(TestoMacroDaFile("\xE0\x80\x80"), "à\xC2\x80\xC2\x80"); // an overlong form is not UTF-8
}

} // namespace
} // namespace vellora
