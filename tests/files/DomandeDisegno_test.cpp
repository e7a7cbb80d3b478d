#include "CartellaProva.h"
#include "Finti.h"
#include "figures/Catalogo.h"
#include "files/ComandiDisegno.h"

#include <gtest/gtest.h>

namespace vellora {
namespace {

class DomandeDisegno : public test::CartellaProva {};

// F7 asks first, as Apri disegno does: Annulla keeps the drawing on screen;
// Sì on an unnamed drawing asks for a name and opens the last drawing even
// when that is cancelled. A drawing without changes is not asked about.
TEST_F(DomandeDisegno, ApriUltimoDisegnoChiedeDiSalvare)
{
    Disegno tre;
    const float x[] = {0, 4, 0}, y[] = {0, 0, 3};
    for (int n = 1; n <= 3; ++n)
        AggiungiFigura(tre, n, x, y);
    const std::string ultimo = Percorso("ultimo.geo");
    Scrivi(ultimo, TestoDisegno(tre));
    // Modified, the answer, the questions and the names asked, the figures then on screen.
    const std::tuple<bool, Risposta, size_t, size_t, int> casi[] = {
        {true, Risposta::Annulla, 1, 0, 1},
        {true, Risposta::No, 1, 0, 3},
        {true, Risposta::Si, 1, 1, 3},
        {false, Risposta::Annulla, 0, 0, 3},
    };
    for (const auto& [modificato, risposta, domande, nomi, figure] : casi) {
        test::Banco b;
        InserisciFiguraPredefinita(b.p, Voce::MnuFiguraMenuPunto);
        b.p.sessione.Modificato = modificato;
        b.p.sessione.UltimoDisegno = ultimo;
        b.dialoghi.risposte = {risposta};
        ApriUltimoDisegno(b.p);
        ASSERT_EQ(b.dialoghi.messaggi.size(), domande);
        for (const auto& m : b.dialoghi.messaggi)
            EXPECT_EQ(std::tuple(m.testo, m.pulsanti), std::tuple("Salvare il disegno?", Pulsanti::SiNoAnnulla));
        EXPECT_EQ(std::tuple(b.dialoghi.richiesteFile.size(), b.p.d.NumeroFigure, b.p.sessione.NomeDisegno),
                  std::tuple(nomi, figure, figure == 3 ? ultimo : ""));
    }
}

// Save as says why an empty drawing is not written, and asks for no name.
TEST_F(DomandeDisegno, SalvaConNomeUnDisegnoVuotoLoDice)
{
    test::Banco b;
    b.p.sessione.NomeDisegno = Percorso("classe.geo");
    b.dialoghi.fileScelti = {Percorso("altro.geo")};
    EXPECT_FALSE(SalvaDisegnoConNome(b.p));
    ASSERT_EQ(b.dialoghi.Testi(), std::vector<std::string>{"Il disegno è vuoto: non c'è nulla da salvare"});
    EXPECT_EQ(std::tuple(b.dialoghi.messaggi[0].icona, b.dialoghi.richiesteFile.size(), b.p.sessione.NomeDisegno),
              std::tuple(Icona::Stop, 0u, Percorso("classe.geo")));
    EXPECT_TRUE(std::filesystem::is_empty(radice));
}

} // namespace
} // namespace vellora
