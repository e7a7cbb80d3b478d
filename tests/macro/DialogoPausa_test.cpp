#include "Finti.h"
#include "macro/DialogoPausa.h"

#include <gtest/gtest.h>

namespace vellora {
namespace {

TEST(DialogoPausa, ValoriMostratiEValoriConfermatiStannoTraUnoEMille)
{
    struct Caso {
        int valore, atteso;
    };
    for (const Caso& c : {Caso{50, 50}, Caso{1, 1}, Caso{1000, 1000}, Caso{0, 1}, Caso{-7, 1}, Caso{1001, 1000}}) {
        test::Banco b;
        b.p.PausaMacro = c.valore;
        b.p.PausaAutomatica = false;
        EXPECT_EQ(ImpostazioniPausaAttuali(b.p), (ImpostazioniPausa{false, c.atteso})) << c.valore;
        EXPECT_EQ(b.p.PausaMacro, c.valore); // looking changes nothing

        ConfermaImpostazioniPausa(b.p, {true, c.valore});
        EXPECT_EQ(b.p.PausaMacro, c.atteso) << c.valore;
        EXPECT_TRUE(b.p.PausaAutomatica);
    }
}

} // namespace
} // namespace vellora
