#include "figures/Catalogo.h"
#include "figures/ComandiSelezione.h"
#include "files/ComandiDisegno.h"
#include "macro/BancoMacro.h"
#include "plane/Mouse.h"
#include "plane/Quadranti.h"
#include "plane/Range.h"
#include "plane/Scala.h"
#include "state/TastiMouse.h"
#include "transform/Trasformazioni.h"

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>

namespace vellora {
namespace {

// Modified only when what the file stores has changed; a colour keeps the selected point, named in its field.
TEST(Modificato, LoSegnaSoloCioCheIlFileConserva)
{
    const struct {
        const char* caso;
        std::function<void(test::BancoMacro&)> comando;
        bool modificato;
        const char* campoVertice = nullptr; // not looked at when null
    } casi[] = {
        // clang-format off
        {"move of zero", [](auto& b) { PreparaSpostamento(b.p, 1, 1); MouseRilasciato(b.p, PulsanteDestro, 0); }, false},
        {"O moved across", [](auto& b) { PosizionaO(b.p, 2, 0); }, true},
        {"O moved up", [](auto& b) { PosizionaO(b.p, 0, -1); }, true},
        {"O placed where it is", [](auto& b) { PosizionaO(b.p, 0, 0); }, false},
        {"range OK", [](auto& b) { DialogoRange r(b.p); r.Incrementa(); r.Ok(); }, true},
        {"grid OK", [](auto& b) { DialogoRange r(b.p); r.Griglia(GrigliaPunti); r.Ok(); }, true},
        {"range applied, Annulla", [](auto& b) { DialogoRange r(b.p); r.Testo = "20"; r.Applica(); r.Annulla(); }, false},
        {"grid intensity (not stored)", [](auto& b) { DialogoRange r(b.p); r.Intensita(80); r.Ok(); }, false},
        {"scale OK", [](auto& b) { DialogoScala s(b.p); s.Preimposta(2); s.Ok(); }, true},
        {"scale applied, Annulla", [](auto& b) { DialogoScala s(b.p); s.TestoY = "3"; s.Applica(); s.Annulla(); }, true},
        {"scale Annulla", [](auto& b) { DialogoScala s(b.p); s.Riduce(); s.Annulla(); }, false},
        {"plane shift", [](auto& b) { TraslaPiano(b.p, DirezionePiano::Alto); }, true},
        {"plane shift at its bound", [](auto& b) { b.p.d.TraslPianoX = INT16_MAX; TraslaPiano(b.p, DirezionePiano::Destra); }, false},
        {"quadrant", [](auto& b) { PrimoQuadrante(b.p); }, true},
        {"four quadrants when centred", [](auto& b) { ResettaPiano(b.p); }, false},
        {"transformation", [](auto& b) { ClicTrasformazione(b.p, Trasformazione::Trasla1, Gesto::Applica); }, true},
        {"transformation settings", [](auto& b) { ClicTrasformazione(b.p, Trasformazione::Ruota, Gesto::Impostazioni); }, false},
        {"macro line that moves only O", [](auto& b) { b.Gioca({"Rotazione,  0,  3,  4"}); }, true},
        {"macro of selections", [](auto& b) { b.Gioca({"Vertice attivo,  1,  2", "Figura attiva,  1"}); }, false},
        {"colour, vertex B selected", [](auto& b) { b.p.d.VerticeAttivo = 2; ApplicaTavolozza(b.p, 1); }, true, "Vertice B"},
        {"the colour it has", [](auto& b) { ApplicaTavolozza(b.p, 2); }, false},
        {"selection", [](auto& b) { VerticePrecedente(b.p); }, false},
        // clang-format on
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.caso);
        test::BancoMacro b;
        InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuTriangoliRett);
        b.p.sessione.Modificato = false;
        c.comando(b);
        EXPECT_EQ(b.p.sessione.Modificato, c.modificato);
        EXPECT_TRUE(!c.campoVertice || b.p.testi.CampoVertice == c.campoVertice) << b.p.testi.CampoVertice;
    }
}

// F7 asks first if modified: Annulla keeps the drawing; Sì asks a name, then opens even if that is cancelled.
TEST(Modificato, ApriUltimoDisegnoChiedeDiSalvare)
{
    // Modified, the answer, the names asked, the figures then on screen.
    const std::tuple<bool, Risposta, size_t, int> casi[] = {
        {true, Risposta::Annulla, 0, 1},
        {true, Risposta::No, 0, 0},
        {true, Risposta::Si, 1, 0},
        {false, Risposta::Annulla, 0, 0},
    };
    for (const auto& [modificato, risposta, nomi, figure] : casi) {
        test::BancoMacro b;
        const std::string ultimo = b.Percorso("vuoto.geo");
        b.Scrivi(ultimo, TestoDisegno({}));
        InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto);
        b.p.sessione.Modificato = modificato;
        b.p.sessione.UltimoDisegno = ultimo;
        b.dialoghi.risposte = {risposta};
        ApriUltimoDisegno(b.p);
        ASSERT_EQ(b.dialoghi.messaggi.size(), modificato ? 1u : 0u);
        for (const auto& m : b.dialoghi.messaggi)
            EXPECT_EQ(std::tuple(m.testo, m.pulsanti), std::tuple("Salvare il disegno?", Pulsanti::SiNoAnnulla));
        EXPECT_EQ(std::tuple(b.dialoghi.richiesteFile.size(), b.p.d.NumeroFigure, b.p.sessione.NomeDisegno),
                  std::tuple(nomi, figure, figure ? "" : ultimo));
    }
}

// Save as says why an empty drawing is not written, and asks for no name.
TEST(Modificato, SalvaConNomeUnDisegnoVuotoLoDice)
{
    test::BancoMacro b;
    b.p.sessione.NomeDisegno = b.Percorso("classe.geo");
    SalvaDisegnoConNome(b.p);
    ASSERT_EQ(b.dialoghi.Testi(), std::vector<std::string>{"Il disegno è vuoto: non c'è nulla da salvare"});
    EXPECT_EQ(std::tuple(b.dialoghi.messaggi[0].icona, b.dialoghi.richiesteFile.size(), b.p.sessione.NomeDisegno),
              std::tuple(Icona::Stop, 0u, b.Percorso("classe.geo")));
    EXPECT_TRUE(std::filesystem::is_empty(b.radice));
}

} // namespace
} // namespace vellora
