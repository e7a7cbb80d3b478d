#include "CartellaProva.h"
#include "Finti.h"
#include "figures/Catalogo.h"
#include "files/ComandiDisegno.h"

#include <gtest/gtest.h>
#include <optional>

namespace vellora {
namespace {

class DomandeDisegno : public test::CartellaProva {};

// F7 asks first, as Apri disegno does: Annulla keeps the drawing on screen;
// Sì on an unnamed drawing asks for a name and opens the last drawing even
// when that is cancelled.
TEST_F(DomandeDisegno, ApriUltimoDisegnoChiedeDiSalvare)
{
    Disegno tre;
    const float x[] = {0, 4, 0}, y[] = {0, 0, 3};
    for (int n = 1; n <= 3; ++n)
        AggiungiFigura(tre, n, x, y);
    const std::string ultimo = Percorso("ultimo.geo");
    Scrivi(ultimo, TestoDisegno(tre));
    const struct {
        bool modificato;
        std::optional<Risposta> risposta; // none: not asked
        size_t nomiChiesti;
        int figure;
    } casi[] = {
        {true, Risposta::Annulla, 0, 1},
        {true, Risposta::No, 0, 3},
        {true, Risposta::Si, 1, 3},
        {false, std::nullopt, 0, 3},
    };
    for (const auto& c : casi) {
        test::Banco b;
        InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto);
        b.p.sessione.Modificato = c.modificato;
        b.p.sessione.UltimoDisegno = ultimo;
        if (c.risposta)
            b.dialoghi.risposte = {*c.risposta};
        const Disegno prima = b.p.d;
        ApriUltimoDisegno(b.p);
        ASSERT_EQ(b.dialoghi.messaggi.size(), c.risposta ? 1u : 0u);
        if (c.risposta) {
            EXPECT_EQ(b.dialoghi.messaggi[0].testo, "Salvare il disegno?");
            EXPECT_EQ(b.dialoghi.messaggi[0].pulsanti, Pulsanti::SiNoAnnulla);
        }
        EXPECT_EQ(b.dialoghi.richiesteFile.size(), c.nomiChiesti);
        EXPECT_EQ(b.p.d.NumeroFigure, c.figure);
        EXPECT_EQ(b.p.d == prima, c.figure == 1);
        EXPECT_EQ(b.p.sessione.NomeDisegno, c.figure == 3 ? ultimo : "");
    }
}

// Save as says why an empty drawing is not written, and asks for no name.
TEST_F(DomandeDisegno, SalvaConNomeUnDisegnoVuotoLoDice)
{
    test::Banco b;
    b.p.sessione.NomeDisegno = Percorso("classe.geo");
    b.dialoghi.fileScelti = {Percorso("altro.geo")};
    EXPECT_FALSE(SalvaDisegnoConNome(b.p));
    ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(b.dialoghi.messaggi[0].testo, "Il disegno è vuoto: non c'è nulla da salvare");
    EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Stop);
    EXPECT_TRUE(b.dialoghi.richiesteFile.empty());
    EXPECT_EQ(b.p.sessione.NomeDisegno, Percorso("classe.geo"));
    EXPECT_TRUE(std::filesystem::is_empty(radice));
}

} // namespace
} // namespace vellora
