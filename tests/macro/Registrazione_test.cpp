#include "BancoMacro.h"
#include "figures/Catalogo.h"
#include "figures/ComandiSelezione.h"
#include "plane/Quadranti.h"
#include "transform/Descrittori.h"
#include "transform/Trasformazioni.h"

#include <gtest/gtest.h>

using namespace vellora;

namespace {

using namespace test;
using T = Trasformazione;

// The Macro menu from start-up through recording and saving; refused commands and failed files change nothing.
TEST(Registrazione, StatiDelMenuPannelloESuggerimento)
{
    BancoMacro b;
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuSegmento);
    const float x = b.p.d.Figure.X(1, 1);
    const std::string nominata = b.Percorso("a.mcr"), rifiutato = b.Percorso("manca/m.mcr");
    int mostrate = b.vista.aggiornamenti;
    const auto stato = [&](const std::string& voci, const std::string& suggerimento, bool cambia = true) {
        const bool registra = voci == StatoRegistrazione;
        EXPECT_EQ(std::tuple(Abilitate(b.p.voci), b.p.testi.SuggerimentoMacro, b.p.testi.Pannello7Visibile,
                             b.p.sessione.RegistraMacro),
                  std::tuple(voci, suggerimento, registra, registra));
        EXPECT_TRUE(!cambia || b.vista.aggiornamenti > mostrate); // the window mirrors the new states
        mostrate = b.vista.aggiornamenti;
    };
    ApriMacro(b.p);      // cancelled
    InserisciPausa(b.p); // not recording: no file at all
    EXPECT_FALSE(std::filesystem::exists(PercorsoCopiaLavoro(b.p)));
    stato(StatoNessunaMacro, "Esegue una macro; attualmente non è attiva alcuna macro", false);

    b.Scrivi(PercorsoCopiaLavoro(b.p), "vecchio contenuto\r\n");
    IniziaRegistrazione(b.p);
    IniziaRegistrazione(b.p); // refused while recording: the header once
    stato(StatoRegistrazione, "Operazione non consentita");
    TerminaRegistrazione(b.p);
    TerminaRegistrazione(b.p); // refused after the end: no second closing line
    EXPECT_EQ(b.Copia(), "Inizio macro\r\nFine macro\r\n");
    stato(StatoMacroAttiva, "E' attiva la macro: Senza Nome");

    // A file that refuses the copy leaves the recording without a name, and
    // playable.
    IniziaRegistrazione(b.p);
    ClicTrasformazione(b.p, T::Trasla1, Gesto::Applica);
    b.dialoghi.fileScelti.push_back(rifiutato);
    TerminaRegistrazione(b.p);
    stato(StatoMacroAttiva, "E' attiva la macro: Senza Nome");
    EXPECT_EQ(std::tuple(b.p.NomeMacro, b.Copia()),
              std::tuple("", "Inizio macro\r\nTraslazioneOr,  1\r\nFine macro\r\n"));
    EseguiMacro(b.p);
    EXPECT_EQ(b.p.d.Figure.X(1, 1), x + 2);

    IniziaRegistrazione(b.p);
    b.dialoghi.fileScelti.push_back(nominata);
    TerminaRegistrazione(b.p);
    stato(StatoMacroAttiva, "E' attiva la macro: " + nominata + " ");
    EXPECT_EQ(b.Leggi(nominata), "Inizio macro\r\nFine macro\r\n");

    // A file gone between the dialog and the copy: the active macro stays.
    b.dialoghi.fileScelti.push_back(b.Percorso("sparita.mcr"));
    ApriMacro(b.p);
    stato(StatoMacroAttiva, "E' attiva la macro: " + nominata + " ", false);
    EXPECT_EQ(std::tuple(b.p.NomeMacro, b.Copia()), std::tuple(nominata, b.Leggi(nominata)));

    const std::vector<RichiestaFile>& r = b.dialoghi.richiesteFile;
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(std::tuple(r[0].tipo, r[0].titolo + "|" + r[0].filtro),
              std::tuple(RichiestaFile::Apri, "Apri file macro|Macro di Vellora (*.mcr)|*.mcr"));
    EXPECT_EQ(std::tuple(r[1].tipo, r[1].titolo + "|" + r[1].nomeIniziale + "|" + r[1].filtro),
              std::tuple(RichiestaFile::Salva, "Salva file macro||Macro di Vellora (*.mcr)|*.mcr"));
    const std::vector<std::string> m = b.dialoghi.Testi();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].rfind("Impossibile salvare la macro in «" + rifiutato + "»: ", 0), 0u);
    EXPECT_EQ(m[1].rfind("Impossibile aprire la macro «" + b.Percorso("sparita.mcr") + "»: ", 0), 0u);
}

TEST(Registrazione, SequenzaRegistrataByteAByte)
{
    BancoMacro b;
    Programma& p = b.p;
    InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuTriangoliRett);
    InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuQuadrilateriQuadrato);
    const Disegno inizio = p.d;

    IniziaRegistrazione(p);
    FiguraPrecedente(p);
    VerticeSuccessivo(p);
    VerticePrecedente(p);
    TraslaPiano(p, DirezionePiano::Destra);
    InserisciPausa(p);
    FiguraSuccessiva(p);
    p.d.CentroX = 2.0f;
    p.d.CentroY = -1.0f;
    ClicTrasformazione(p, T::Simm3, Gesto::Inversa);
    ReplicaFiguraAttiva(p);
    FiguraPrecedente(p);
    EliminaFiguraAttiva(p); // the fake dialogs confirm
    ApplicaTavolozza(p, 1); // colours are not recorded
    TerminaRegistrazione(p);
    const Disegno fine = p.d;
    const Totali totaliFine = p.totali;

    EXPECT_EQ(b.Copia(), b.Macro({"Figura attiva,  1", "Vertice attivo,  1,  1", "Figura attiva,  1",
                                  "TraslaPianoDestra", "Pausa", "Figura attiva,  2", "SimmetriaO,  2, -1", "Replica",
                                  "Figura attiva,  2", "Elimina", "Fine macro"}));

    // Played on the starting drawing, the same drawing float for float.
    p.d = inizio;
    p.AzzeraTotali();
    b.dialoghi.messaggi.clear();
    EseguiMacro(p);
    EXPECT_TRUE(b.dialoghi.messaggi.empty());
    EXPECT_FALSE(p.d.Figure == fine.Figure); // the colour was not recorded...
    ApplicaTavolozza(p, 1);
    Disegno atteso = fine;
    atteso.Parametri = p.d.Parametri; // playback leaves each line's values in the parameters
    EXPECT_TRUE(p.d == atteso);       // ...and is all that differs
    EXPECT_TRUE(p.totali == totaliFine);
}

// Every transformation both ways, replayed with O and the parameters at rest, moves the figure as the click did.
TEST(Registrazione, OgniTrasformazioneRigiocata)
{
    for (const Descrittore& d : Descrittori())
        for (const Gesto g : {Gesto::Applica, Gesto::Inversa}) {
            SCOPED_TRACE(testing::Message() << d.parola << (g == Gesto::Inversa ? " inversa" : ""));
            BancoMacro b;
            Programma& p = b.p;
            InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuTriangoliRett);
            const Disegno inizio = p.d;
            p.d.CentroX = 2.0f;
            p.d.CentroY = -1.0f;
            p.d.Parametri = {.TraslX = 1.5f,
                             .TraslY = -2.0f,
                             .PuntoPX = 4.0f,
                             .PuntoPY = 3.0f,
                             .CoeffOmotetia = 4.0f,
                             .StirOriz = 0.5f,
                             .StirVert = -2.0f};
            p.d.Parametri.ImpostaAngolo(30.0f);
            IniziaRegistrazione(p);
            ClicTrasformazione(p, d.tipo, g);
            TerminaRegistrazione(p);
            const TabellaFigure figure = p.d.Figure;
            const Totali totali = p.totali;
            ASSERT_FALSE(figure == inizio.Figure);

            p.d = inizio;
            p.AzzeraTotali();
            EseguiMacro(p);
            EXPECT_TRUE(b.dialoghi.messaggi.empty());
            EXPECT_TRUE(p.d.Figure == figure);
            EXPECT_TRUE(p.totali == totali);
        }
}

} // namespace
