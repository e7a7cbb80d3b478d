#include "Finti.h"
#include "macro/DialogoPausa.h"

#include <gtest/gtest.h>

using namespace vellora;

namespace {

// OK makes both choices the program's, and the dialog opens on them again.
TEST(DialogoPausa, LaConfermaDiventaLImpostazioneDelProgramma)
{
    test::Banco b;
    ConfermaImpostazioniPausa(b.p, {false, 300});
    EXPECT_FALSE(b.p.PausaAutomatica);
    EXPECT_EQ(b.p.PausaMacro, 300);
    EXPECT_EQ(ImpostazioniPausaAttuali(b.p), (ImpostazioniPausa{false, 300}));
}

} // namespace
