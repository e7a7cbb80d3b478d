#include "BancoMacro.h"
#include "figures/Catalogo.h"
#include "figures/ComandiSelezione.h"
#include "macro/DialogoPausa.h"
#include "shell/Avvio.h"

#include <gtest/gtest.h>

using namespace vellora;

namespace {

using namespace std::string_literals;
using namespace test;

const std::string NonCompatibile = "Macro non compatibile con l'attuale disegno";
const std::string Impossibile = "Impossibile eseguire la macro: ";
const std::string Prefisso = "Si è verificato un errore nell'esecuzione della macro. Errore: ";
const std::string Grandi = "Non è possibile eseguire la trasformazione; i numeri coinvolti sono troppo grandi.";

// The drawings the exits need.
enum Partenza { Vuoto, Tri, Due, Piena, Cerchio };
void Disegna(Programma& p, Partenza d)
{
    if (d == Tri || d == Due)
        InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuTriangoliRett);
    if (d == Due)
        InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuQuadrilateriQuadrato);
    for (int i = 0; d == Piena && i < MaxFigure; ++i)
        InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuPunto);
    const float xs[] = {0, 2}, ys[] = {0, 0};
    if (d == Cerchio)
        AggiungiFigura(p.d, 2, xs, ys, true);
}

const std::string Binaria = "\177ELF\0\1\377"s;

// Every way a playback ends: the messages, how far it went, the parameters given back, the menus after.
TEST(Esecuzione, OgniUscita)
{
    // {drawing, line 3 (after TraslaPianoDestra, before TraslaPianoAlto; "" no file), messages, plane shifts run}
    const std::tuple<Partenza, std::string, std::vector<std::string>, int> casi[] = {
        {Due, "Figura attiva,  3", {NonCompatibile}, 1},
        {Tri, "PausaLunga, 201", {Impossibile + "errore di parametro in PausaLunga"}, 1},
        {Tri, "Omotetia,  0,  3,  4", {Impossibile + "il coefficiente di omotetia non può essere nullo"}, 1},
        {Piena, "Replica", {Impossibile + "non si possono inserire altre figure"}, 1},
        {Vuoto, "Elimina", {Impossibile + "non ci sono figure da eliminare"}, 1},
        {Tri, "Omotetia,  1E+30,  0,  0", {Grandi, Impossibile + "i numeri coivolti sono troppo grandi"}, 1},
        // The engine's own refusal does not stop the playback.
        {Cerchio, "StiramentoOr,  2,  0", {"Vellora non può stirare una circonferenza"}, 2},
        {Tri, "PausaLunga, 200", {}, 2},
        {Tri, "Elimina", {}, 2}, // without asking
        {Tri, "rotazione,  90,  0,  0", {}, 2},
        // Lines that cannot run ("!": the reason, then where).
        {Tri, "Rotazione,  10", {"!manca un parametro"}, 1},
        {Tri, "Rotazione, abc, 0, 0", {"!«abc» non è un numero"}, 1},
        {Tri, "TraslazioneOr, 1E+39", {"!«1E+39» è fuori dall'intervallo consentito"}, 1},
        {Due, "Figura attiva, 255.5", {"!«255.5» è fuori dall'intervallo consentito"}, 1},
        {Due, "Vertice attivo, 0, 2", {"!la figura 0 non esiste"}, 1},
        // Files that are no macro at all: nothing runs.
        {Tri, Binaria, {Prefisso + "«@Macro.tmp» non è un file di testo"}, 0},
        {Tri, "", {Prefisso + "impossibile leggere «@Macro.tmp»: file o cartella inesistente"}, 0},
    };
    for (const auto& [disegno, riga, messaggi, eseguite] : casi) {
        SCOPED_TRACE(riga);
        BancoMacro b;
        Disegna(b.p, disegno);
        b.dialoghi.messaggi.clear();
        ParametriTrasformazione& par = b.p.d.Parametri;
        par = {.TraslX = 7, .TraslY = 8, .CoeffOmotetia = 3, .StirOriz = 5, .StirVert = 6};
        par.ImpostaAngolo(9);
        const ParametriTrasformazione prima = par;
        const TabellaFigure figure = b.p.d.Figure;

        if (riga.empty()) {
            b.p.voci.Abilita(Voce::MnuMacroEsegui, true);
            EseguiMacro(b.p);
        } else {
            b.Gioca({"TraslaPianoDestra", riga, "TraslaPianoAlto"});
        }
        std::vector<std::string> attesi = messaggi;
        for (std::string& m : attesi) {
            if (m[0] == '!')
                m = Prefisso + m.substr(1) + " in «" + riga + "» (riga 3)";
            if (const auto at = m.find('@'); at != std::string::npos)
                m.replace(at, 1, b.p.CartellaDati);
        }
        EXPECT_EQ(b.dialoghi.Testi(), attesi);
        EXPECT_EQ(std::tuple(b.p.d.TraslPianoX, b.p.d.TraslPianoY),
                  std::tuple(eseguite >= 1 ? 1 : 0, eseguite == 2 ? -1 : 0));
        EXPECT_TRUE(eseguite == 2 || b.p.d.Figure == figure);
        EXPECT_TRUE(par == prima);
        EXPECT_EQ(std::tuple(b.p.sessione.EsecuzioneMacro, Abilitate(b.p.voci)), std::tuple(false, StatoMacroAttiva));
    }
}

// O and P keep the last line's values, the angle does not; a missing vertex selects the whole figure.
TEST(Esecuzione, OEPDallUltimaRigaESelezione)
{
    BancoMacro b;
    Disegna(b.p, Due);
    b.p.voci.Spunta(Voce::MnuVisualizzaDati, true);
    b.Gioca({"Rotazione,  45,  1,  2", "Simmetria,  3,  4,  7,  8", "Vertice attivo,  1,  4"});
    const Disegno& d = b.p.d;
    EXPECT_EQ(std::tuple(d.CentroX, d.CentroY, d.Parametri.PuntoPX, d.Parametri.PuntoPY, d.Parametri.AngoloRotazione),
              std::tuple(3, 4, 7, 8, 10));
    EXPECT_EQ(std::tuple(d.FiguraAttiva, b.p.testi.CampoVertice), std::tuple(1, "Figura"));
    EXPECT_EQ(b.dialoghi.Testi(), std::vector{NonCompatibile});
    EXPECT_EQ(b.p.testi.Pannelli[0], "Rot.=0°"); // the totals of the rotation are gone
    EXPECT_EQ(b.p.testi.TestoDati.rfind("Figura: \r\n   triangolo giallo\r\nVertici:\r\n   A(1;  1)\r\n", 0), 0u);
}

TEST(Esecuzione, PauseContateInTurni)
{
    const std::vector<std::string> tutte = {"TraslazioneOr,  1", "Figura attiva,  1",     "Pausa",
                                            "TraslaPianoDestra", "PausaLunga,  1",        "Replica",
                                            "Elimina",           "Vertice attivo,  1,  1"};
    const std::tuple<bool, std::vector<std::string>, long long> casi[] = {
        {true, tutte, 300 + 300 + 25000}, // after the translation and the shift; PausaLunga 1 is 250
        {false, tutte, 300 + 25000},      // the Pausa line only, and PausaLunga whatever the setting
        {true, {"PausaLunga,  0"}, 0},
    };
    for (const auto& [automatica, righe, turni] : casi) {
        BancoMacro b;
        InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuSegmento);
        ConfermaImpostazioniPausa(b.p, {automatica, 3}); // as OK in the pause dialog sets them
        EXPECT_EQ(ImpostazioniPausaAttuali(b.p), (ImpostazioniPausa{automatica, 3}));
        b.Gioca(righe);
        EXPECT_EQ(b.pompa.turni, turni);
        EXPECT_TRUE(b.dialoghi.messaggi.empty());
    }
}

TEST(Esecuzione, NomeDellaMacroInversa)
{
    const std::pair<std::string, std::string> casi[] = {
        {"/a/b.mcr", "/a/b.inv.mcr"},         {"/a/b.inv.mcr", "/a/b.mcr"}, {"/a/b.MCR", ""},
        {"/a/b.INV.mcr", "/a/b.INV.inv.mcr"}, {".inv.mcr", ".mcr"},         {"", ""},
    };
    for (const auto& [nome, inversa] : casi)
        EXPECT_EQ(NomeMacroInversa(nome), inversa) << nome;
}

// Shift-click plays the partner file and leaves the active macro as it was.
TEST(Esecuzione, MacroInversa)
{
    BancoMacro b;
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuSegmento);
    b.Scrivi(b.Percorso("m.mcr"), b.Macro({"TraslazioneOr,  1"}));
    b.Scrivi(b.Percorso("m.inv.mcr"), b.Macro({"TraslazioneOr, -1"}));
    ASSERT_TRUE(AttivaFileMacro(b.p, b.Percorso("m.mcr")));
    const std::string copia = b.Copia(), suggerimento = b.p.testi.SuggerimentoMacro;
    PulsanteMacro(b.p, 1, true, false);
    EXPECT_EQ(std::tuple(b.p.d.Figure.X(1, 1), b.Copia(), b.p.NomeMacro, b.p.testi.SuggerimentoMacro),
              std::tuple(0.0f, copia, b.Percorso("m.mcr"), suggerimento)); // the segment starts at (1, 1)

    ASSERT_TRUE(AttivaFileMacro(b.p, b.Percorso("m.inv.mcr")));
    std::filesystem::remove(b.Percorso("m.mcr"));
    PulsanteMacro(b.p, 1, true, false);
    EXPECT_EQ(b.dialoghi.Testi(), std::vector<std::string>{"Non è stata definita una macro inversa"});
    EXPECT_EQ(b.p.d.Figure.X(1, 1), 0.0f);
}

// A click arriving while a pause turns the event pump must not re-enter the playback.
TEST(Rientro, DuranteUnaPausaNienteRientraNellaMacro)
{
    BancoMacro b;
    Programma& p = b.p;
    InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuTriangoliRett);
    InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuQuadrilateriQuadrato);
    const std::string macro = b.Percorso("m.mcr");
    b.Scrivi(macro, b.Macro({"TraslazioneOr,  1", "TraslazioneOr,  1"}));
    b.Scrivi(b.Percorso("m.inv.mcr"), b.Macro({"TraslazioneOr, -1"}));
    ASSERT_TRUE(AttivaFileMacro(p, macro));
    b.dialoghi.fileScelti.assign(5, b.Percorso("m.inv.mcr")); // any file dialog would get an answer
    Disegno atteso = p.d;
    for (int k = 1; k <= 4; ++k)
        atteso.Figure.X(2, k) += 2.0f; // the macro's work alone: the square moved by 2

    const int mostratePrima = b.vista.aggiornamenti;
    b.pompa.azione = [&](long long turno) {
        if (turno != 1)
            return;
        // Every menu that could re-enter is already disabled on screen.
        EXPECT_EQ(Abilitate(p.voci), StatoEsecuzione);
        EXPECT_GT(b.vista.aggiornamenti, mostratePrima);
        EseguiMacro(p);                    // a second start, straight in
        PulsanteMacro(p, 1, false, false); // the Macro button, plain
        PulsanteMacro(p, 1, true, false);  // and its inverse
        PulsanteMacro(p, 2, false, false); // and the open gesture
        ApriMacro(p);
        IniziaRegistrazione(p);
        CmdElimina_Click(p);
        CmdReplica_Click(p);
        EXPECT_FALSE(RichiestaChiusura(p)); // closing the window
    };
    p.PausaMacro = 1;
    EseguiMacro(p);

    EXPECT_EQ(b.dialoghi.Testi(), (std::vector<std::string>{
                                      "Impossibile eseguire la macro per uno dei seguenti motivi: "
                                      "(1) Non è stata definita o aperta alcuna macro; "
                                      "(2) E' in corso la registrazione di una macro; "
                                      "(3) E' già in esecuzione una macro",
                                      "Impossibile eseguire la macro inversa per uno dei seguenti motivi: "
                                      "(1) Non è aperta alcuna macro; "
                                      "(2) E' in corso la registrazione di una macro; "
                                      "(3) E' già in esecuzione una macro",
                                      "Impossibile aprire un file macro",
                                      "E' in corso l'esecuzione di una macro",
                                  }));
    EXPECT_TRUE(b.dialoghi.richiesteFile.empty());
    // Two pauses of one playback; only its own work done.
    EXPECT_EQ(std::tuple(b.pompa.turni, p.d.NumeroFigure, p.NomeMacro, b.Copia(), p.sessione.RegistraMacro),
              std::tuple(200, 2, macro, b.Leggi(macro), false));
    EXPECT_TRUE(p.d.Figure == atteso.Figure);
}

// The space bar ends the pause under way on the next turn, not a later one nor one to come; the status bar
// says so only while a pause lasts.
TEST(Esecuzione, SpazioTerminaLaPausa)
{
    // {lines, turn of the space (-1: before the playback), turns run}
    const std::tuple<std::vector<std::string>, long long, long long> casi[] = {
        {{"PausaLunga,  200", "Replica"}, 7, 7},
        {{"PausaLunga,  200", "Replica"}, 1, 1},
        {{"PausaLunga,  1", "Replica", "PausaLunga,  1"}, 3, 3 + 25000},
        {{"PausaLunga,  1", "Replica"}, -1, 25000},
    };
    for (const auto& [righe, turnoSpazio, turni] : casi) {
        const long long spazio = turnoSpazio; // a lambda cannot capture a structured binding
        BancoMacro b;
        InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuSegmento);
        if (spazio < 0)
            ContinuaMacro(b.p);
        std::vector<std::string> avvisi;
        b.pompa.azione = [&](long long n) {
            if (n == 1 || n == spazio + 1)
                avvisi.push_back(b.p.testi.AvvisoPausa);
            if (n == spazio)
                ContinuaMacro(b.p);
        };
        b.Gioca(righe);
        EXPECT_EQ(std::tuple(b.pompa.turni, b.p.d.NumeroFigure), std::tuple(turni, 2)) << spazio;
        EXPECT_EQ(avvisi.front(), "Pausa: spazio per continuare");
        EXPECT_EQ(b.p.testi.AvvisoPausa, "");
        EXPECT_TRUE(b.dialoghi.messaggi.empty());
    }
}

} // namespace
