#include "Finti.h"
#include "macro/DialogoPausa.h"

#include <gtest/gtest.h>

using namespace vellora;

namespace {

// The chosen length always stays within 1..1000, so a pause lasts at least
// 100 event turns and a damaged value never freezes playback.
TEST(DialogoPausa, ConfermaTieneLaDurataTraUnoEMille)
{
    struct Caso {
        ImpostazioniPausa scelta;
        bool automatica;
        int durata;
    };
    const Caso casi[] = {
        {{false, 300}, false, 300},
        {{true, 0}, true, 1},
        {{true, 5000}, true, 1000},
    };
    for (const Caso& c : casi) {
        test::Banco b;
        ConfermaImpostazioniPausa(b.p, c.scelta);
        EXPECT_EQ(b.p.PausaAutomatica, c.automatica);
        EXPECT_EQ(b.p.PausaMacro, c.durata);
        EXPECT_EQ(ImpostazioniPausaAttuali(b.p), (ImpostazioniPausa{c.automatica, c.durata}));
    }
}

} // namespace
