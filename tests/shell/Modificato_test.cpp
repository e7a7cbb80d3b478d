#include "figures/Catalogo.h"
#include "figures/ComandiSelezione.h"
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

// A right-button move of the selection to (x, y), press and release.
void Sposta(Programma& p, float x, float y)
{
    PreparaSpostamento(p, x, y);
    MouseRilasciato(p, PulsanteDestro, 0);
}

// Each command runs on a drawing just saved: the right triangle (1,1) (1,4)
// (3,1), yellow, whole. The drawing counts as modified when what its file
// stores has changed. A colour leaves the selected point selected, and its
// field keeps naming it.
TEST(Modificato, LoSegnaSoloCioCheIlFileConserva)
{
    const struct {
        const char* caso;
        std::function<void(test::BancoMacro&)> comando;
        bool modificato;
        const char* campoVertice = nullptr; // not looked at when null
    } casi[] = {
        // clang-format off
        {"figure moved", [](auto& b) { Sposta(b.p, 3, 2); }, true},
        {"move of zero", [](auto& b) { Sposta(b.p, 1, 1); }, false},
        {"O placed", [](auto& b) { PosizionaO(b.p, 2, -1); }, true},
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

} // namespace
} // namespace vellora
