#include "CartellaProva.h"
#include "files/Recenti.h"

#include <gtest/gtest.h>

using namespace vellora;

namespace {

class RecentDat : public test::CartellaProva {};

TEST_F(RecentDat, UnaRigaSolaTieneLUltimoDisegno)
{
    const std::tuple<std::string, std::string, std::string> casi[] = {
        {"/scuola/a.geo\r\n/scuola\r\n", "/scuola/a.geo", "/scuola"},
        {"/scuola/a.geo\n/scuola", "/scuola/a.geo", "/scuola"},
        {"/scuola/a.geo\r\n", "/scuola/a.geo", ""},
        {"/scuola/a.geo", "/scuola/a.geo", ""},
        {"", "", ""},
    };
    for (const auto& [testo, ultimo, cartella] : casi) {
        Scrivi(radice / "recent.dat", testo);
        const auto r = LeggiRecenti(Percorso("recent.dat"));
        ASSERT_TRUE(r) << testo;
        EXPECT_EQ(r->UltimoDisegno, ultimo) << testo;
        EXPECT_EQ(r->Cartella, cartella) << testo;
    }
    EXPECT_FALSE(LeggiRecenti(Percorso("manca.dat")));
}

TEST_F(RecentDat, UnDisegnoSiRiconosceInOgniMaiuscola)
{
    const std::pair<std::string, bool> casi[] = {
        {"PITAGORA.GEO", true}, {"talete.Geo", true},          {"x.geo.txt", false},
        {"geo", false},         {"cartella.geo/a.txt", false},
    };
    int i = 0;
    for (const auto& [nome, disegno] : casi) {
        const auto cartella = radice / std::to_string(++i);
        Scrivi(cartella / nome, "Disegno di Vellora\r\n");
        EXPECT_EQ(ContieneDisegni(cartella.string()), disegno) << nome;
    }
}

} // namespace
