#include "figures/Catalogo.h"
#include "figures/ComandiSelezione.h"
#include "files/ComandiDisegno.h"
#include "files/ComandiStoria.h"
#include "files/FileDisegno.h"
#include "macro/BancoMacro.h"
#include "plane/Mappatura.h"
#include "plane/Mouse.h"
#include "plane/Quadranti.h"
#include "plane/Range.h"
#include "shell/NuovoDisegno.h"
#include "state/TastiMouse.h"
#include "transform/ModuloImpostazioni.h"
#include "transform/Trasformazioni.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace vellora {
namespace {

using test::BancoMacro;

// A drawing of two figures, the second selected, saved: the history is empty.
void Prepara(BancoMacro& b)
{
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuTriangoliRett);
    InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuQuadrilateriQuadrato);
    b.p.storia.Svuota();
    b.p.sessione.Modificato = false;
    b.p.Mostra();
}

// A command for each part of the drawing (figures, count, plane, range,
// settings): undo gives back the drawing and the selection it found, redo
// the one it left, and the items name the step.
TEST(Storia, OgniComandoAnnullatoERipetuto)
{
    struct Caso {
        std::string nome;
        std::function<void(Programma&)> comando;
    } casi[] = {
        {"inserimento", [](Programma& p) { InserisciFiguraPredefinita(p, Voce::MnuFiguraMenuPunto); }},
        {"rotazione", [](Programma& p) { ClicTrasformazione(p, Trasformazione::Ruota, Gesto::Applica); }},
        {"quadranti", PrimoQuadrante},
        {"range",
         [](Programma& p) {
             DialogoRange r(p);
             r.Testo = "5";
             r.Ok();
         }},
        {"impostazione",
         [](Programma& p) {
             ClicTrasformazione(p, Trasformazione::Omotetia, Gesto::Impostazioni, [](Programma& q, Trasformazione t) {
                 ModuloImpostazioni m(q, t);
                 m.Testi[0] = "3";
                 m.Ok();
             });
         }},
        {"spostamento del piano", [](Programma& p) { TraslaPiano(p, DirezionePiano::Destra); }},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        BancoMacro b;
        Prepara(b);
        b.p.d.FiguraAttiva = 1; // the selection undo must give back
        const Disegno prima = b.p.d;
        EseguiPasso(b.p, c.nome, [&] { c.comando(b.p); });
        const Disegno dopo = b.p.d;
        ASSERT_NE(TestoDisegno(dopo), TestoDisegno(prima));
        EXPECT_EQ(b.p.testi.DidascaliaAnnulla, "&Annulla " + c.nome);
        EXPECT_TRUE(b.p.voci.Abilitata(Voce::MnuModificaAnnulla));

        AnnullaPasso(b.p);
        EXPECT_EQ(TestoDisegno(b.p.d), TestoDisegno(prima));
        EXPECT_EQ(b.p.d.FiguraAttiva, 1);
        EXPECT_FALSE(b.p.sessione.Modificato); // back at the saved drawing
        EXPECT_EQ(b.p.testi.DidascaliaRipeti, "&Ripeti " + c.nome);
        EXPECT_EQ(b.p.testi.Pannelli[0], "Rot.=0°");

        RipetiPasso(b.p);
        EXPECT_EQ(TestoDisegno(b.p.d), TestoDisegno(dopo));
        EXPECT_TRUE(b.p.sessione.Modificato);
        EXPECT_FALSE(b.p.voci.Abilitata(Voce::MnuModificaRipeti));
    }
}

// The mouse's commands are steps of their own; a click that only selects is not.
TEST(Storia, IlMouse)
{
    BancoMacro b;
    Prepara(b);
    const auto pixel = [&](float x, float y) { return PianoInPixel(b.p.d, b.p.mappa, x, y); };
    const PuntoPixel lato = pixel(1, 2.5f); // on the triangle's side AB
    MouseMosso(b.p, 0, lato.x, lato.y);
    MousePremuto(b.p, PulsanteSinistro, 0, lato.x, lato.y);
    EXPECT_EQ(b.p.d.FiguraAttiva, 1);
    EXPECT_FALSE(b.p.storia.PuoAnnullare());

    const PuntoPixel o = pixel(3, 2);
    MousePremuto(b.p, PulsanteSinistro, TastoShift, o.x, o.y);
    EXPECT_EQ(b.p.testi.DidascaliaAnnulla, "&Annulla punto O");
    const PuntoPixel meta = pixel(5, 5);
    MousePremuto(b.p, PulsanteDestro, 0, meta.x, meta.y);
    MouseRilasciato(b.p, PulsanteDestro, 0);
    EXPECT_EQ(b.p.testi.DidascaliaAnnulla, "&Annulla spostamento");
    AnnullaPasso(b.p);
    AnnullaPasso(b.p);
    EXPECT_EQ(std::pair(b.p.d.CentroX, b.p.d.CentroY), std::pair(0.0f, 0.0f));
    EXPECT_EQ(b.p.d.Figure.X(1, 1), 1.0f);
}

// Saving moves the drawing the history calls unmodified; new and open empty
// the history.
TEST(Storia, SalvataggioNuovoEApri)
{
    BancoMacro b;
    Prepara(b);
    const std::string file = (b.radice / "d.geo").string();
    EseguiPasso(b.p, "elimina", [&] { EliminaFiguraAttiva(b.p); });
    b.dialoghi.fileScelti.push_back(file);
    ASSERT_TRUE(SalvaDisegnoConNome(b.p));
    AnnullaPasso(b.p);
    EXPECT_TRUE(b.p.sessione.Modificato);
    RipetiPasso(b.p);
    EXPECT_FALSE(b.p.sessione.Modificato);

    EseguiPasso(b.p, "replica", [&] { ReplicaFiguraAttiva(b.p); });
    b.dialoghi.fileScelti.push_back(file);
    EseguiPasso(b.p, "apri", [&] { ApriDisegno(b.p); });
    EXPECT_FALSE(b.p.storia.PuoAnnullare());
    EXPECT_FALSE(b.p.voci.Abilitata(Voce::MnuModificaAnnulla));
    EseguiPasso(b.p, "replica", [&] { ReplicaFiguraAttiva(b.p); });
    b.dialoghi.risposte.push_back(Risposta::No); // do not save
    EseguiPasso(b.p, "nuovo", [&] { NuovoDisegno(b.p); });
    EXPECT_FALSE(b.p.storia.PuoAnnullare());
    EXPECT_FALSE(b.p.sessione.Modificato);
}

// While a macro is recorded or plays the items are off and do nothing; a
// whole playback is one step, undone once it has ended.
TEST(Storia, Macro)
{
    {
        BancoMacro r;
        Prepara(r);
        EseguiPasso(r.p, "elimina", [&] { EliminaFiguraAttiva(r.p); });
        IniziaRegistrazione(r.p);
        EXPECT_FALSE(r.p.voci.Abilitata(Voce::MnuModificaAnnulla));
        AnnullaPasso(r.p);
        EXPECT_EQ(r.p.d.NumeroFigure, 1);
    }
    BancoMacro b;
    Prepara(b);
    const Disegno prima = b.p.d;
    EseguiPasso(b.p, "elimina", [&] { EliminaFiguraAttiva(b.p); });

    bool provato = false;
    b.pompa.azione = [&](long long) {
        if (provato)
            return;
        provato = true;
        EXPECT_FALSE(b.p.voci.Abilitata(Voce::MnuModificaAnnulla));
        // A click during a pause belongs to the playback's step.
        EseguiPasso(b.p, "replica", [&] { ReplicaFiguraAttiva(b.p); });
    };
    EseguiPasso(b.p, "macro", [&] { b.Gioca({"TraslazioneOr,  1", "Pausa", "Rotazione,  90,  0,  0"}); });
    EXPECT_TRUE(provato);
    EXPECT_EQ(b.p.d.NumeroFigure, 2);
    EXPECT_EQ(b.p.testi.DidascaliaAnnulla, "&Annulla macro");
    AnnullaPasso(b.p);
    EXPECT_EQ(b.p.d.NumeroFigure, 1);
    AnnullaPasso(b.p);
    EXPECT_EQ(TestoDisegno(b.p.d), TestoDisegno(prima));
}

// The oldest steps go beyond the limit.
TEST(Storia, Limite)
{
    BancoMacro b;
    Prepara(b);
    for (size_t i = 0; i < Storia::MassimoPassi + 5; ++i)
        EseguiPasso(b.p, "traslazione", [&] { ClicTrasformazione(b.p, Trasformazione::Trasla1, Gesto::Applica); });
    size_t annullati = 0;
    while (b.p.storia.PuoAnnullare()) {
        AnnullaPasso(b.p);
        ++annullati;
    }
    EXPECT_EQ(annullati, Storia::MassimoPassi);
    EXPECT_EQ(b.p.d.Figure.X(2, 1), 6.0f); // five translations of 1 from 1 remain
}

} // namespace
} // namespace vellora
