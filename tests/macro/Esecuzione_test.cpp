#include "BancoMacro.h"
#include "figures/Catalogo.h"
#include "figures/DatiFigura.h"
#include "model/Nomi.h"
#include "shell/Selezione.h"

#include <gtest/gtest.h>

namespace vellora {
namespace {

using namespace std::string_literals;
using test::Abilitate;
using test::BancoMacro;
using test::PompaContata;
using test::StatoMacroAttiva;

const std::string Errore = "Si è verificato un errore nell'esecuzione della macro. Errore: ";
const std::string NonCompatibile = "Macro non compatibile con l'attuale disegno";

void Figure(Programma& p, std::initializer_list<Voce> voci)
{
    for (Voce v : voci)
        InserisciFiguraPredefinita(p, v);
}

// Every way a playback ends: the messages, how far it went, and what it
// leaves: the drawing of the lines before, the six parameters given back,
// the menus of an active macro.
TEST(Esecuzione, OgniUscita)
{
    const auto triangolo = [](Programma& p) { Figure(p, {Voce::MnuFiguraMenuTriangoliRett}); };
    const auto dueFigure = [](Programma& p) {
        Figure(p, {Voce::MnuFiguraMenuTriangoliRett, Voce::MnuFiguraMenuQuadrilateriQuadrato});
    };
    const auto piena = [](Programma& p) {
        for (int i = 0; i < MaxFigure; ++i)
            InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuPunto);
    };
    const auto cerchio = [](Programma& p) {
        const float xs[] = {0, 2}, ys[] = {0, 0};
        AggiungiFigura(p.m, 2, xs, ys, true);
    };
    struct Caso {
        const char* nome;
        std::function<void(Programma&)> disegno;
        std::string riga; // line 3, after TraslaPianoDestra and before TraslaPianoAlto
        std::vector<std::string> messaggi;
        int eseguite; // of the two plane shifts
    };
    const Caso casi[] = {
        {"figura oltre il disegno", dueFigure, "Figura attiva,  3", {NonCompatibile}, 1},
        {"figura 128", dueFigure, "Figura attiva, 128", {NonCompatibile}, 1},
        {"figura su disegno vuoto", [](Programma&) {}, "Figura attiva,  1", {NonCompatibile}, 1},
        {"vertice di figura inesistente", dueFigure, "Vertice attivo,  3,  1", {NonCompatibile}, 1},
        {"vertice oltre la figura", dueFigure, "Vertice attivo,  1,  4", {NonCompatibile}, 1},
        {"PausaLunga 201",
         triangolo,
         "PausaLunga, 201",
         {"Impossibile eseguire la macro: errore di parametro in PausaLunga"},
         1},
        {"PausaLunga -1",
         triangolo,
         "PausaLunga, -1",
         {"Impossibile eseguire la macro: errore di parametro in PausaLunga"},
         1},
        {"omotetia nulla",
         triangolo,
         "Omotetia,  0,  3,  4",
         {"Impossibile eseguire la macro: il coefficiente di omotetia non può essere nullo"},
         1},
        {"replica a 128", piena, "Replica", {"Impossibile eseguire la macro: non si possono inserire altre figure"}, 1},
        {"elimina senza figure",
         [](Programma&) {},
         "Elimina",
         {"Impossibile eseguire la macro: non ci sono figure da eliminare"},
         1},
        {"numeri troppo grandi",
         triangolo,
         "Omotetia,  1E+30,  0,  0",
         {"Non è possibile eseguire la trasformazione; i numeri coinvolti sono troppo grandi.",
          "Impossibile eseguire la macro: i numeri coivolti sono troppo grandi"},
         1},
        // The engine's own refusal does not stop the playback.
        {"circonferenza", cerchio, "StiramentoOr,  2,  0", {"Vellora non può stirare una circonferenza"}, 2},
        {"PausaLunga 200", triangolo, "PausaLunga, 200", {}, 2},
        {"elimina senza domanda", triangolo, "Elimina", {}, 2},
        {"parola in minuscolo", triangolo, "rotazione,  90,  0,  0", {}, 2},
        {"fine macro", triangolo, "Fine macro", {}, 2},
        // Lines that cannot run.
        {"parametro mancante",
         triangolo,
         "Rotazione,  10",
         {Errore + "manca un parametro in «Rotazione,  10» (riga 3)"},
         1},
        {"campo vuoto",
         triangolo,
         "Traslazione, , 1",
         {Errore + "manca un parametro in «Traslazione, , 1» (riga 3)"},
         1},
        {"non numerico",
         triangolo,
         "Rotazione, abc, 0, 0",
         {Errore + "«abc» non è un numero in «Rotazione, abc, 0, 0» (riga 3)"},
         1},
        {"nan",
         triangolo,
         "Omotetia, nan, 0, 0",
         {Errore + "«nan» non è un numero in «Omotetia, nan, 0, 0» (riga 3)"},
         1},
        {"oltre la singola precisione",
         triangolo,
         "TraslazioneOr, 1E+39",
         {Errore + "«1E+39» è fuori dall'intervallo consentito in «TraslazioneOr, 1E+39» (riga 3)"},
         1},
        {"figura zero",
         dueFigure,
         "Figura attiva,  0",
         {Errore + "la figura 0 non esiste in «Figura attiva,  0» (riga 3)"},
         1},
        {"figura zero col vertice",
         dueFigure,
         "Vertice attivo, 0, 2",
         {Errore + "la figura 0 non esiste in «Vertice attivo, 0, 2» (riga 3)"},
         1},
        {"figura oltre il byte",
         dueFigure,
         "Figura attiva, 256",
         {Errore + "«256» è fuori dall'intervallo consentito in «Figura attiva, 256» (riga 3)"},
         1},
        {"vertice enorme",
         dueFigure,
         "Vertice attivo, 1, 99999999999",
         {Errore + "«99999999999» è fuori dall'intervallo consentito in «Vertice attivo, 1, 99999999999» (riga 3)"},
         1},
        {"pausa oltre il long",
         triangolo,
         "PausaLunga, 3E+09",
         {Errore + "«3E+09» è fuori dall'intervallo consentito in «PausaLunga, 3E+09» (riga 3)"},
         1},
        // Files that are no macro at all: nothing runs.
        {"binaria",
         triangolo,
         "\x7f"
         "ELF\0\x01\xff"s,
         {Errore + "«@Macro.tmp» non è un file di testo"},
         0},
        {"mancante",
         triangolo,
         "<mancante>",
         {Errore + "impossibile leggere «@Macro.tmp»: file o cartella inesistente"},
         0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        BancoMacro b;
        c.disegno(b.p);
        b.dialoghi.messaggi.clear();
        ParametriTrasformazione& par = b.p.parametri;
        par.TraslX = 7;
        par.TraslY = 8;
        par.ImpostaAngolo(9);
        par.CoeffOmotetia = 3;
        par.StirOriz = 5;
        par.StirVert = 6;
        const ParametriTrasformazione prima = par;
        const Modello disegno = b.p.m;

        if (c.riga == "<mancante>") {
            b.p.voci.Abilita(Voce::MnuMacroEsegui, true);
            EseguiMacro(b.p);
        } else {
            b.Gioca({"TraslaPianoDestra", c.riga, "TraslaPianoAlto"});
        }
        std::vector<std::string> attesi = c.messaggi;
        for (std::string& m : attesi)
            if (const auto at = m.find('@'); at != std::string::npos)
                m.replace(at, 1, b.p.CartellaDati);
        EXPECT_EQ(b.Messaggi(), attesi);
        EXPECT_EQ(b.p.m.TraslPianoX, c.eseguite >= 1 ? 1 : 0);
        EXPECT_EQ(b.p.m.TraslPianoY, c.eseguite == 2 ? -1 : 0);
        if (c.eseguite < 2)
            EXPECT_TRUE(b.p.m.Figure == disegno.Figure);
        EXPECT_EQ(par.TraslX, 7);
        EXPECT_EQ(par.TraslY, 8);
        EXPECT_EQ(par.AngoloRotazione, 9);
        EXPECT_EQ(par.AngoloRadianti, prima.AngoloRadianti);
        EXPECT_EQ(par.CoeffOmotetia, 3);
        EXPECT_EQ(par.StirOriz, 5);
        EXPECT_EQ(par.StirVert, 6);
        EXPECT_FALSE(b.p.m.EsecuzioneMacro);
        EXPECT_EQ(Abilitate(b.p.voci), StatoMacroAttiva);
    }
}

TEST(Esecuzione, OEPRestanoQuelliDellUltimaRiga)
{
    BancoMacro b;
    Figure(b.p, {Voce::MnuFiguraMenuSegmento});
    b.Gioca({"Rotazione,  45,  1,  2", "Simmetria,  3,  4,  7,  8", "Figura attiva,  9"});
    EXPECT_EQ(b.p.m.CentroX, 3);
    EXPECT_EQ(b.p.m.CentroY, 4);
    EXPECT_EQ(b.p.parametri.PuntoPX, 7);
    EXPECT_EQ(b.p.parametri.PuntoPY, 8);
    EXPECT_EQ(b.p.parametri.AngoloRotazione, ParametriTrasformazione{}.AngoloRotazione);
}

TEST(Esecuzione, LaSelezioneAggiornaTestiTotaliEDisegno)
{
    struct Caso {
        std::string riga;
        int figura, vertice;
        std::string campoVertice;
    };
    const Caso casi[] = {
        {"Vertice attivo,  1,  2", 1, 2, "Vertice B"},
        {"Figura attiva, 1.6", 2, 0, "Figura"},     // rounded to the nearest
        {"Figura attiva,  3", 3, 0, ""},            // a single point
        {"Vertice attivo,  1,  4", 1, 0, "Figura"}, // no D on a triangle: the triangle stays selected
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.riga);
        BancoMacro b;
        Figure(b.p, {Voce::MnuFiguraMenuTriangoliRett, Voce::MnuFiguraMenuQuadrilateriQuadrato,
                     Voce::MnuFiguraMenuPunto, Voce::MnuFiguraMenuQuadrilateriQuadrato});
        b.p.m.VerticeAttivo = 4;
        b.p.voci.Spunta(Voce::MnuVisualizzaDati, true);
        b.Gioca({"Rotazione,  30,  0,  0"}); // totals no longer zero
        const size_t disegni = b.schermo.operazioni.size();
        b.Gioca({c.riga});
        EXPECT_EQ(b.p.m.FiguraAttiva, c.figura);
        EXPECT_EQ(b.p.m.VerticeAttivo, c.vertice);
        EXPECT_EQ(b.p.testi.CampoVertice, c.campoVertice);
        EXPECT_EQ(b.p.testi.CampoFigura, DescrizioneFigura(b.p.m, c.figura));
        EXPECT_EQ(b.p.testi.Pannelli, TestiPannelli(Totali{}));
        EXPECT_EQ(b.p.testi.TestoDati, TestoDatiFigura(b.p.m));
        EXPECT_GT(b.schermo.operazioni.size(), disegni);
    }
}

TEST(Esecuzione, PauseContateInTurni)
{
    const std::vector<std::string> righe = {"TraslazioneOr,  1", "Figura attiva,  1",     "Pausa",
                                            "TraslaPianoDestra", "PausaLunga,  1",        "Replica",
                                            "Elimina",           "Vertice attivo,  1,  1"};
    struct Caso {
        bool automatica;
        int durata;
        std::vector<std::string> righe;
        long long turni;
    };
    const Caso casi[] = {
        {true, 3, righe, 300 + 300 + 25000}, // after the translation and the shift; PausaLunga 1 is 250
        {false, 3, righe, 300 + 25000},      // the Pausa line only, and PausaLunga whatever the setting
        {true, 1000, {"SimmetriaY,  0"}, 100000}, {false, 50, {"PausaLunga, 200"}, 5000000},
        {true, 50, {"PausaLunga,  0"}, 0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.turni);
        BancoMacro b;
        Figure(b.p, {Voce::MnuFiguraMenuSegmento});
        PompaContata pompa;
        b.p.pompa = &pompa;
        b.p.PausaAutomatica = c.automatica;
        b.p.PausaMacro = c.durata;
        b.Gioca(c.righe);
        EXPECT_EQ(pompa.turni, c.turni);
        EXPECT_TRUE(b.dialoghi.messaggi.empty());
    }
}

TEST(Esecuzione, InterruzioneDuranteUnaPausa)
{
    BancoMacro b;
    Figure(b.p, {Voce::MnuFiguraMenuSegmento});
    const float x = b.p.m.Figure.X(1, 1);
    InterrompiEsecuzione(b.p); // nothing plays: no effect
    EXPECT_FALSE(b.p.InterrompiMacro);

    PompaContata pompa;
    pompa.azione = [&](long long turno) {
        if (turno == 10)
            InterrompiEsecuzione(b.p);
    };
    b.p.pompa = &pompa;
    b.Gioca({"TraslazioneOr,  1", "TraslazioneOr,  1", "TraslazioneOr,  1"});
    EXPECT_EQ(pompa.turni, 10);             // the pause ends at once
    EXPECT_EQ(b.p.m.Figure.X(1, 1), x + 1); // and no further line is read
    EXPECT_EQ(b.p.parametri.TraslX, 1);
    EXPECT_EQ(Abilitate(b.p.voci), StatoMacroAttiva);

    pompa.azione = nullptr;
    EseguiMacro(b.p); // the next playback starts afresh
    EXPECT_EQ(b.p.m.Figure.X(1, 1), x + 4);
    EXPECT_EQ(pompa.turni, 10 + 3 * 5000);
}

TEST(Esecuzione, NomeDellaMacroInversa)
{
    const std::pair<std::string, std::string> casi[] = {
        {"/a/b.mcr", "/a/b.inv.mcr"},         {"/a/b.inv.mcr", "/a/b.mcr"}, {"/a/b.MCR", ""},     {"/a/b.inv.MCR", ""},
        {"/a/b.INV.mcr", "/a/b.INV.inv.mcr"}, {".inv.mcr", ".mcr"},         {"/a/b.mcr.bak", ""}, {"", ""},
    };
    for (const auto& [nome, inversa] : casi)
        EXPECT_EQ(NomeMacroInversa(nome), inversa) << nome;
}

TEST(Esecuzione, PulsanteMacroEMacroInversa)
{
    const std::string nonEseguibile = "Impossibile eseguire la macro per uno dei seguenti motivi: "
                                      "(1) Non è stata definita o aperta alcuna macro; "
                                      "(2) E' in corso la registrazione di una macro; "
                                      "(3) E' già in esecuzione una macro";
    const std::string senzaInversa = "Impossibile eseguire la macro inversa per uno dei seguenti motivi: "
                                     "(1) Non è aperta alcuna macro; "
                                     "(2) E' in corso la registrazione di una macro; "
                                     "(3) E' già in esecuzione una macro";
    const std::string nonDefinita = "Non è stata definita una macro inversa";
    struct Caso {
        int pulsante;
        bool shift, altri;
        std::string aperta; // "" none, "*" recording
        float spostamento;  // of the segment: +1 the macro, -1 its inverse
        bool apre;
        std::string messaggio;
    };
    const Caso casi[] = {
        {1, false, false, "m.mcr", 1, false, ""},
        {1, false, false, "", 0, false, nonEseguibile},
        {1, false, false, "*", 0, false, nonEseguibile},
        {1, true, false, "m.mcr", -1, false, ""},
        {1, true, false, "m.inv.mcr", 1, false, ""},
        {1, true, false, "solo.mcr", 0, false, nonDefinita},
        {1, true, false, "m.MCR", 0, false, nonDefinita},
        {1, true, false, "", 0, false, senzaInversa},
        {1, true, false, "*", 0, false, senzaInversa},
        {1, false, true, "m.mcr", 0, false, ""},
        {1, true, true, "m.mcr", 0, false, ""},
        {2, true, true, "", 0, true, ""},
        {2, false, false, "*", 0, false, "Impossibile aprire un file macro"},
        {4, false, false, "m.mcr", 0, false, ""},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(testing::Message() << c.pulsante << c.shift << c.altri << c.aperta);
        BancoMacro b;
        Figure(b.p, {Voce::MnuFiguraMenuSegmento});
        for (const char* f : {"m.mcr", "m.MCR", "solo.mcr"})
            b.Scrivi(b.Percorso(f), BancoMacro::Macro({"TraslazioneOr,  1"}));
        b.Scrivi(b.Percorso("m.inv.mcr"), BancoMacro::Macro({"TraslazioneOr, -1"}));
        if (c.aperta == "*")
            IniziaRegistrazione(b.p);
        else if (!c.aperta.empty())
            AttivaFileMacro(b.p, b.Percorso(c.aperta));
        const std::string copia = b.Copia(), nome = b.p.NomeMacro, suggerimento = b.p.testi.SuggerimentoMacro;
        const float x = b.p.m.Figure.X(1, 1);
        PulsanteMacro(b.p, c.pulsante, c.shift, c.altri);
        EXPECT_EQ(b.p.m.Figure.X(1, 1), x + c.spostamento);
        EXPECT_EQ(b.dialoghi.richiesteFile.size(), c.apre ? 1u : 0u);
        EXPECT_EQ(b.Messaggi(), c.messaggio.empty() ? std::vector<std::string>{} : std::vector{c.messaggio});
        // Playing the inverse changes neither the active macro nor its working copy.
        EXPECT_EQ(b.Copia(), copia);
        EXPECT_EQ(b.p.NomeMacro, nome);
        EXPECT_EQ(b.p.testi.SuggerimentoMacro, suggerimento);
    }
}

} // namespace
} // namespace vellora
