#include "BancoMacro.h"
#include "figures/Catalogo.h"
#include "plane/Quadranti.h"
#include "shell/Selezione.h"
#include "transform/Trasformazioni.h"

#include <gtest/gtest.h>

namespace vellora {
namespace {

using test::Abilitate;
using test::BancoMacro;
using test::PompaContata;
using test::StatoEsecuzione;
using test::StatoMacroAttiva;
using test::StatoNessunaMacro;
using test::StatoRegistrazione;
using T = Trasformazione;

TEST(Registrazione, StatiDelMenuPannelloESuggerimento)
{
    BancoMacro b;
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuSegmento);
    struct Passo {
        const char* nome;
        std::function<void(BancoMacro&)> comando;
        std::string voci;
        bool pannello7;
        std::string suggerimento;
    };
    const std::string attiva = "E' attiva la macro: " + b.Percorso("a.mcr") + " ";
    // During a pause the window must already show the playing state: a
    // click it lets through would re-enter the playback.
    std::string durante;
    int mostrateDurante = 0;
    PompaContata pompa;
    pompa.azione = [&](long long) {
        durante = Abilitate(b.p.voci);
        mostrateDurante = b.vista.aggiornamenti;
    };
    int mostratePrima = 0;
    const Passo passi[] = {
        {"avvio", [](BancoMacro&) {}, StatoNessunaMacro, false,
         "Esegue una macro; attualmente non è attiva alcuna macro"},
        {"inizio", [](BancoMacro& b) { IniziaRegistrazione(b.p); }, StatoRegistrazione, true,
         "Operazione non consentita"},
        {"fine senza nome", [](BancoMacro& b) { TerminaRegistrazione(b.p); }, StatoMacroAttiva, false,
         "E' attiva la macro: Senza Nome"},
        {"di nuovo", [](BancoMacro& b) { IniziaRegistrazione(b.p); }, StatoRegistrazione, true,
         "Operazione non consentita"},
        {"fine con nome",
         [&](BancoMacro& b) {
             b.dialoghi.fileScelti.push_back(b.Percorso("a.mcr"));
             TerminaRegistrazione(b.p);
         },
         StatoMacroAttiva, false, attiva},
        {"esecuzione",
         [&](BancoMacro& b) {
             b.p.pompa = &pompa;
             b.p.PausaAutomatica = false;
             mostratePrima = b.vista.aggiornamenti;
             b.Gioca({"Pausa"});
             b.p.pompa = nullptr;
         },
         StatoMacroAttiva, false, attiva},
    };
    for (const Passo& passo : passi) {
        SCOPED_TRACE(passo.nome);
        const int mostrate = b.vista.aggiornamenti;
        passo.comando(b);
        EXPECT_EQ(Abilitate(b.p.voci), passo.voci);
        EXPECT_EQ(b.p.testi.Pannello7Visibile, passo.pannello7);
        EXPECT_EQ(b.p.testi.SuggerimentoMacro, passo.suggerimento);
        EXPECT_EQ(b.p.m.RegistraMacro, passo.pannello7);
        if (passo.nome != std::string("avvio"))
            EXPECT_GT(b.vista.aggiornamenti, mostrate); // the window mirrors the new states
    }
    EXPECT_EQ(durante, StatoEsecuzione);
    EXPECT_GT(mostrateDurante, mostratePrima);
    EXPECT_EQ(pompa.turni, 5000);
    EXPECT_TRUE(b.dialoghi.messaggi.empty());
}

TEST(Registrazione, SequenzaRegistrataByteAByte)
{
    BancoMacro b;
    Programma& p = b.p;
    InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuTriangoliRett);
    InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuQuadrilateriQuadrato);
    const Modello inizio = p.m;
    const ParametriTrasformazione parametriInizio = p.parametri;

    IniziaRegistrazione(p);
    FiguraPrecedente(p);
    VerticeSuccessivo(p);
    VerticePrecedente(p);
    p.parametri.ImpostaAngolo(30.0f);
    ClicTrasformazione(p, T::Ruota, Gesto::Inversa);
    p.parametri.CoeffOmotetia = 2.0f;
    ClicTrasformazione(p, T::Omotetia, Gesto::Inversa);
    p.parametri.TraslX = 1.5f;
    p.parametri.TraslY = -2.0f;
    ClicTrasformazione(p, T::Trasla3, Gesto::Applica);
    TraslaPiano(p, DirezionePiano::Destra);
    InserisciPausa(p);
    FiguraSuccessiva(p);
    p.m.CentroX = 2.0f;
    p.m.CentroY = -1.0f;
    ClicTrasformazione(p, T::Simm3, Gesto::Inversa);
    p.parametri.StirOriz = 4.0f;
    ClicTrasformazione(p, T::Stir1, Gesto::Inversa);
    ReplicaFiguraAttiva(p);
    FiguraPrecedente(p);
    EliminaFiguraAttiva(p); // the fake dialogs confirm
    ApplicaTavolozza(p, 1); // colours are not recorded
    TerminaRegistrazione(p);
    const Modello fine = p.m;
    const Totali totaliFine = p.totali;

    EXPECT_EQ(b.Copia(), "Inizio macro\r\n"
                         "Figura attiva,  1\r\n"
                         "Vertice attivo,  1,  1\r\n"
                         "Figura attiva,  1\r\n"
                         "Rotazione, -30,  0,  0\r\n"
                         "Omotetia,  .5,  0,  0\r\n"
                         "Traslazione,  1.5, -2\r\n"
                         "TraslaPianoDestra\r\n"
                         "Pausa\r\n"
                         "Figura attiva,  2\r\n"
                         "SimmetriaO,  2, -1\r\n"
                         "StiramentoOr,  .25,  2\r\n"
                         "Replica\r\n"
                         "Figura attiva,  2\r\n"
                         "Elimina\r\n"
                         "Fine macro\r\n");

    // The same lines played on the starting drawing give the same drawing,
    // float for float: playback runs the commands the clicks ran.
    p.m = inizio;
    p.parametri = parametriInizio;
    p.AzzeraTotali();
    b.dialoghi.messaggi.clear();
    EseguiMacro(p);
    EXPECT_TRUE(b.dialoghi.messaggi.empty());
    EXPECT_FALSE(p.m.Figure == fine.Figure); // the colour was not recorded...
    ApplicaTavolozza(p, 1);
    EXPECT_TRUE(p.m.Figure == fine.Figure); // ...and is all that differs
    EXPECT_EQ(p.m.NumeroFigure, fine.NumeroFigure);
    EXPECT_EQ(p.m.FiguraAttiva, fine.FiguraAttiva);
    EXPECT_EQ(p.m.VerticeAttivo, fine.VerticeAttivo);
    EXPECT_EQ(p.m.CentroX, fine.CentroX);
    EXPECT_EQ(p.m.CentroY, fine.CentroY);
    EXPECT_EQ(p.m.TraslPianoX, fine.TraslPianoX);
    EXPECT_TRUE(p.totali == totaliFine);
}

TEST(Registrazione, SenzaAzioniEPausaSoloRegistrando)
{
    BancoMacro b;
    InserisciPausa(b.p); // not recording: no file at all
    EXPECT_FALSE(std::filesystem::exists(PercorsoCopiaLavoro(b.p)));
    b.Scrivi(PercorsoCopiaLavoro(b.p), "vecchio contenuto\r\nRotazione,  10,  0,  0\r\n");
    IniziaRegistrazione(b.p);
    IniziaRegistrazione(b.p); // refused while recording: the header once
    TerminaRegistrazione(b.p);
    TerminaRegistrazione(b.p); // refused after the end: no second closing line
    EXPECT_EQ(b.Copia(), "Inizio macro\r\nFine macro\r\n");
}

TEST(Registrazione, SalvataggioConNome)
{
    BancoMacro b;
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuSegmento);
    const float x = b.p.m.Figure.X(1, 1);
    const std::string testo = "Inizio macro\r\nTraslazioneOr,  1\r\nFine macro\r\n";

    // A file that refuses the copy leaves the recording active without a
    // name, and still playable.
    const std::string rifiutato = b.Percorso("manca/m.mcr");
    IniziaRegistrazione(b.p);
    ClicTrasformazione(b.p, T::Trasla1, Gesto::Applica);
    b.dialoghi.fileScelti.push_back(rifiutato);
    TerminaRegistrazione(b.p);
    ASSERT_EQ(b.dialoghi.richiesteFile.size(), 1u);
    const RichiestaFile& r = b.dialoghi.richiesteFile[0];
    EXPECT_EQ(r.tipo, RichiestaFile::Salva);
    EXPECT_EQ(r.titolo, "Salva file macro");
    EXPECT_EQ(r.nomeIniziale, "");
    EXPECT_EQ(r.filtro, "Macro di Vellora (*.mcr)|*.mcr");
    ASSERT_EQ(b.Messaggi().size(), 1u);
    EXPECT_EQ(b.Messaggi()[0].rfind("Impossibile salvare la macro in «" + rifiutato + "»: ", 0), 0u);
    EXPECT_EQ(b.p.NomeMacro, "");
    EXPECT_EQ(b.p.testi.SuggerimentoMacro, "E' attiva la macro: Senza Nome");
    EXPECT_EQ(b.Copia(), testo);
    EseguiMacro(b.p);
    EXPECT_EQ(b.p.m.Figure.X(1, 1), x + 2);

    IniziaRegistrazione(b.p);
    ClicTrasformazione(b.p, T::Trasla1, Gesto::Applica);
    b.dialoghi.fileScelti.push_back(b.Percorso("m.mcr"));
    TerminaRegistrazione(b.p);
    EXPECT_EQ(b.p.NomeMacro, b.Percorso("m.mcr"));
    EXPECT_EQ(b.Leggi(b.p.NomeMacro), testo);
}

TEST(Registrazione, ApriMacroCopiaSullaCopiaDiLavoro)
{
    BancoMacro b;
    const std::string file = b.Percorso("giro.mcr");
    b.Scrivi(file, "Inizio macro\r\nRotazione,  90,  0,  0\r\n");
    b.Scrivi(PercorsoCopiaLavoro(b.p), "Inizio macro\r\nvecchia\r\n");

    ApriMacro(b.p); // cancelled: nothing changes
    EXPECT_EQ(b.Copia(), "Inizio macro\r\nvecchia\r\n");
    EXPECT_FALSE(b.p.voci.Abilitata(Voce::MnuMacroEsegui));

    b.dialoghi.fileScelti.push_back(file);
    ApriMacro(b.p);
    ASSERT_EQ(b.dialoghi.richiesteFile.size(), 2u);
    EXPECT_EQ(b.dialoghi.richiesteFile[1].tipo, RichiestaFile::Apri);
    EXPECT_EQ(b.dialoghi.richiesteFile[1].titolo, "Apri file macro");
    EXPECT_EQ(b.dialoghi.richiesteFile[1].filtro, "Macro di Vellora (*.mcr)|*.mcr");
    EXPECT_EQ(b.Copia(), "Inizio macro\r\nRotazione,  90,  0,  0\r\n");
    EXPECT_EQ(b.p.NomeMacro, file);
    EXPECT_EQ(b.p.testi.SuggerimentoMacro, "E' attiva la macro: " + file + " ");
    EXPECT_EQ(Abilitate(b.p.voci), StatoMacroAttiva);

    // A file that vanished between the dialog and the copy leaves the
    // active macro as it was, after saying why.
    b.dialoghi.fileScelti.push_back(b.Percorso("sparita.mcr"));
    ApriMacro(b.p);
    EXPECT_EQ(b.p.NomeMacro, file);
    EXPECT_EQ(b.Copia(), "Inizio macro\r\nRotazione,  90,  0,  0\r\n");
    ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(b.Messaggi()[0].rfind("Impossibile aprire la macro «" + b.Percorso("sparita.mcr") + "»: ", 0), 0u);
}

} // namespace
} // namespace vellora
