#include "Finti.h"
#include "plane/Range.h"

#include <gtest/gtest.h>
#include <tuple>
#include <utility>

using namespace vellora;

namespace {

TEST(Range, TestoDelRange)
{
    const std::pair<const char*, std::optional<int>> casi[] = {
        {"30", 30}, {"1", 1},   {"2.", 2},   {" 7", 7},  {"9a", 9}, {"3è", 3}, // two characters, three bytes
        {"0", {}},  {"31", {}}, {"2,5", {}}, {"-1", {}}, {"", {}},  {"ab", {}}, {".5", {}}, // half goes to the even 0
    };
    for (const auto& [testo, range] : casi)
        EXPECT_EQ(RangeDaTesto(testo), range) << '"' << testo << '"';
}

// 800 x 500 pixels: 34 pixels a tick at range 12, 58 at range 7, 14 at 30.
// A refusal shows its Stop message and changes nothing, the box included.
TEST(Range, PulsantiELimiti)
{
    const std::tuple<int, void (DialogoRange::*)(), int, int, std::string> casi[] = {
        // {range, button, range after, pixels a tick (0: not redrawn), message}
        {30, &DialogoRange::Incrementa, 30, 0, "Il range non può essere maggiore di 30"},
        {29, &DialogoRange::Incrementa, 30, 14, ""},
        {1, &DialogoRange::Decrementa, 1, 0, "Il range non può essere minore di 1"},
        {8, &DialogoRange::Decrementa, 7, 58, ""},
        {25, &DialogoRange::Predefinito, 12, 34, ""},
    };
    for (const auto& [range, comando, atteso, passo, messaggio] : casi) {
        test::Banco b;
        b.p.d.Range = static_cast<int16_t>(range);
        DialogoRange d(b.p);
        d.Testo = "typed";
        const Disegno prima = b.p.d;
        (d.*comando)();
        const std::string testo = messaggio.empty() ? std::to_string(atteso) : "typed";
        EXPECT_EQ(std::tie(b.p.d.Range, b.p.mappa.PassoPixel, d.Testo), std::tie(atteso, passo, testo)) << range;
        std::string messaggi;
        for (const auto& m : b.dialoghi.messaggi)
            messaggi += m.icona == Icona::Stop ? m.testo : "(non Stop) " + m.testo;
        EXPECT_EQ(messaggi, messaggio);
        EXPECT_TRUE(messaggio.empty() || b.p.d == prima);
    }
}

TEST(Range, RifiutoEAnnulla)
{
    test::Banco b;
    DialogoRange d(b.p);
    d.Testo = "7";
    EXPECT_TRUE(d.Applica());
    EXPECT_EQ(b.p.mappa.PassoPixel, 58);

    // Refused: back to the range found on opening, in the box and on the plane.
    d.Testo = "0";
    EXPECT_FALSE(d.Ok());
    EXPECT_EQ(b.dialoghi.Testi(),
              std::vector<std::string>{"Il range deve essere un numero intero compreso tra 1 e 30"});
    EXPECT_EQ(std::tie(b.p.d.Range, d.Testo, b.p.mappa.PassoPixel), std::tuple(12, "12", 34));

    // Refused right after opening: nothing changes.
    DialogoRange nuovo(b.p);
    nuovo.Testo = "31";
    const Disegno prima = b.p.d;
    EXPECT_FALSE(nuovo.Applica());
    EXPECT_EQ(b.p.d, prima);

    // Annulla restores the range and the grid, not the intensity.
    nuovo.Incrementa();
    nuovo.Griglia(3);
    nuovo.Intensita(150);
    nuovo.Annulla();
    EXPECT_EQ(std::tuple(b.p.d.Range, b.p.d.TipoGriglia, b.p.sessione.IntensitaGriglia, b.p.mappa.PassoPixel),
              std::tuple(12, 1, 150, 34));
}

} // namespace
