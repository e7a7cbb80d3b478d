// A pause turns the event pump in the middle of the playback, so any click
// may arrive there. Those that would start a second playback, replace or
// delete the drawing, or change the active macro must find their menu
// disabled or be refused by the playing flag.
#include "BancoMacro.h"
#include "figures/Catalogo.h"
#include "files/ComandiDisegno.h"
#include "shell/Avvio.h"
#include "shell/NuovoDisegno.h"
#include "shell/Selezione.h"

#include <gtest/gtest.h>

namespace vellora {
namespace {

using test::BancoMacro;
using test::PompaContata;

// What the window does with a menu choice: an item of a disabled menu, or a
// disabled item, never reaches its command (its shortcut included).
bool Scegli(Programma& p, Voce menu, Voce voce, const std::function<void()>& comando)
{
    if (!p.voci.Abilitata(menu) || !p.voci.Abilitata(voce))
        return false;
    comando();
    return true;
}

TEST(Rientro, DuranteUnaPausaNienteRientraNellaMacro)
{
    BancoMacro b;
    Programma& p = b.p;
    InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuTriangoliRett);
    InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuQuadrilateriQuadrato);
    const std::string macro = b.Percorso("m.mcr");
    b.Scrivi(macro, BancoMacro::Macro({"TraslazioneOr,  1", "TraslazioneOr,  1"}));
    b.Scrivi(b.Percorso("m.inv.mcr"), BancoMacro::Macro({"TraslazioneOr, -1"}));
    ASSERT_TRUE(AttivaFileMacro(p, macro));
    b.dialoghi.fileScelti.assign(5, b.Percorso("m.inv.mcr")); // any file dialog would get an answer
    const Modello prima = p.m;

    std::vector<std::string> passati; // the menu choices that reached their command
    const auto prova = [&](const char* nome, Voce menu, Voce voce, std::function<void()> comando) {
        if (Scegli(p, menu, voce, comando))
            passati.push_back(nome);
    };
    PompaContata pompa;
    pompa.azione = [&](long long turno) {
        if (turno != 1)
            return;
        EseguiMacro(p);                    // a second start, straight in
        PulsanteMacro(p, 1, false, false); // the Macro button, plain
        PulsanteMacro(p, 1, true, false);  // and its inverse
        PulsanteMacro(p, 2, false, false); // and the open gesture
        ApriMacro(p);
        IniziaRegistrazione(p);
        CmdElimina_Click(p);
        CmdReplica_Click(p);
        EXPECT_FALSE(RichiestaChiusura(p)); // closing the window
        prova("Esegui", Voce::MnuMacro, Voce::MnuMacroEsegui, [&] { EseguiMacro(p); });
        prova("Apri macro", Voce::MnuMacro, Voce::MnuMacroApri, [&] { ApriMacro(p); });
        prova("Inizia", Voce::MnuMacro, Voce::MnuMacroInizio, [&] { IniziaRegistrazione(p); });
        prova("Edita", Voce::MnuMacro, Voce::MnuMacroEdita, [] {});
        prova("Nuovo", Voce::MnuFile, Voce::MnuFileNuovo, [&] { NuovoDisegno(p); });
        prova("Apri", Voce::MnuFile, Voce::MnuFileApri, [&] { ApriDisegno(p); });
        prova("Ultimo", Voce::MnuFile, Voce::MnuFileUltimoDisegno, [&] { ApriUltimoDisegno(p); });
        prova("Elimina", Voce::MnuModifica, Voce::MnuModificaElimina, [&] { EliminaFiguraAttiva(p); });
        prova("Replica", Voce::MnuFigura, Voce::MnuFiguraReplica, [&] { ReplicaFiguraAttiva(p); });
        prova("Segmento", Voce::MnuFigura, Voce::MnuFiguraMenuSegmento,
              [&] { InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuSegmento); });
    };
    p.pompa = &pompa;
    p.PausaMacro = 1;
    EseguiMacro(p);

    EXPECT_EQ(passati, std::vector<std::string>{});
    EXPECT_EQ(b.Messaggi(), (std::vector<std::string>{
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
    EXPECT_EQ(pompa.turni, 200); // two pauses of one playback
    // The drawing is the macro's work alone: two figures, the square moved by 2.
    EXPECT_EQ(p.m.NumeroFigure, 2);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(p.m.Figure.X(2, k), prima.Figure.X(2, k) + 2.0f);
        EXPECT_EQ(p.m.Figure.Y(2, k), prima.Figure.Y(2, k));
        EXPECT_EQ(p.m.Figure.X(1, k), prima.Figure.X(1, k));
    }
    EXPECT_EQ(p.NomeMacro, macro);
    EXPECT_EQ(b.Copia(), b.Leggi(macro));
    EXPECT_FALSE(p.m.RegistraMacro);

    // Once the playback has ended the same choices go through again.
    pompa.azione = nullptr;
    EXPECT_TRUE(Scegli(p, Voce::MnuMacro, Voce::MnuMacroEsegui, [&] { EseguiMacro(p); }));
    EXPECT_EQ(p.m.Figure.X(2, 1), prima.Figure.X(2, 1) + 4.0f);
    EXPECT_TRUE(Scegli(p, Voce::MnuModifica, Voce::MnuModificaElimina, [] {}));
    EXPECT_TRUE(Scegli(p, Voce::MnuFile, Voce::MnuFileNuovo, [] {}));
}

} // namespace
} // namespace vellora
