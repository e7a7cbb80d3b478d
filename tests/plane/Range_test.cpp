#include "Finti.h"
#include "plane/Range.h"

#include <gtest/gtest.h>

namespace vellora {
namespace {

TEST(Range, TestoDelRange)
{
    const struct {
        const char* testo;
        std::optional<int> range;
    } casi[] = {
        {"7", 7},   {"30", 30}, {"1", 1},    {"2.", 2},
        {" 7", 7},  {"9a", 9},  {"3è", 3}, // two characters, three bytes
        {"0", {}},  {"31", {}}, {"100", {}}, {"2,5", {}},
        {"-1", {}}, {"", {}},   {"ab", {}},  {".5", {}}, // half goes to the even 0, not up to 1
    };
    for (const auto& c : casi)
        EXPECT_EQ(RangeDaTesto(c.testo), c.range) << '"' << c.testo << '"';
}

// 800 x 500 pixels: 34 pixels a tick at range 12, 58 at range 7, 14 at 30.
TEST(Range, PulsantiELimiti)
{
    const struct {
        int range;
        void (DialogoRange::*comando)();
        int atteso, passo;
        std::string messaggio;
    } casi[] = {
        {30, &DialogoRange::Incrementa, 30, 0, "Il range non può essere maggiore di 30"},
        {29, &DialogoRange::Incrementa, 30, 14, ""},
        {1, &DialogoRange::Decrementa, 1, 0, "Il range non può essere minore di 1"},
        {8, &DialogoRange::Decrementa, 7, 58, ""},
        {25, &DialogoRange::Predefinito, 12, 34, ""},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.atteso);
        test::Banco b;
        b.p.m.Range = static_cast<int16_t>(c.range);
        DialogoRange d(b.p);
        d.Testo = "typed";
        const Modello prima = b.p.m;
        (d.*c.comando)();
        EXPECT_EQ(b.p.m.Range, c.atteso);
        EXPECT_EQ(b.p.m.PassoPixel, c.passo); // 0: not redrawn
        EXPECT_EQ(d.Testo, c.messaggio.empty() ? std::to_string(c.atteso) : "typed");
        if (c.messaggio.empty()) {
            EXPECT_TRUE(b.dialoghi.messaggi.empty());
            continue;
        }
        ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
        EXPECT_EQ(b.dialoghi.messaggi[0].testo, c.messaggio);
        EXPECT_EQ(b.dialoghi.messaggi[0].icona, Icona::Stop);
        EXPECT_EQ(b.p.m, prima);
    }
}

TEST(Range, RifiutoEAnnulla)
{
    test::Banco b;
    DialogoRange d(b.p);
    d.Testo = "7";
    EXPECT_TRUE(d.Applica());
    EXPECT_EQ(b.p.m.PassoPixel, 58);

    // Refused: back to the range found on opening, in the box and on the plane.
    d.Testo = "0";
    EXPECT_FALSE(d.Ok());
    ASSERT_EQ(b.dialoghi.messaggi.size(), 1u);
    EXPECT_EQ(b.dialoghi.messaggi[0].testo, "Il range deve essere un numero intero compreso tra 1 e 30");
    EXPECT_EQ(b.p.m.Range, 12);
    EXPECT_EQ(d.Testo, "12");
    EXPECT_EQ(b.p.m.PassoPixel, 34);

    // Refused right after opening: nothing changes.
    DialogoRange nuovo(b.p);
    nuovo.Testo = "31";
    const Modello prima = b.p.m;
    EXPECT_FALSE(nuovo.Applica());
    EXPECT_EQ(b.p.m, prima);

    // Annulla restores the range and the grid, not the intensity.
    nuovo.Incrementa();
    nuovo.Griglia(3);
    nuovo.Intensita(150);
    nuovo.Annulla();
    EXPECT_EQ(b.p.m.Range, 12);
    EXPECT_EQ(b.p.m.TipoGriglia, 1);
    EXPECT_EQ(b.p.m.IntensitaGriglia, 150);
    EXPECT_EQ(b.p.m.PassoPixel, 34);
}

} // namespace
} // namespace vellora
