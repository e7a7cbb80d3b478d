#include "Finti.h"
#include "plane/Scala.h"
#include "plane/Schermo.h"

#include <gtest/gtest.h>
#include <tuple>

namespace vellora {
namespace {

// A bench drawn once at 34 pixels a tick, optionally with a point at x = 500 and a circle.
struct BancoScala : test::Banco {
    explicit BancoScala(float scala = 1, bool punto = false, bool cerchio = false)
    {
        p.d.ScalaX = p.d.ScalaY = scala;
        const float x[] = {500, 1, 2}, y[] = {0, 0};
        if (punto)
            AggiungiFigura(p.d, 1, x, y);
        if (cerchio)
            AggiungiFigura(p.d, 2, x + 1, y, true);
        Ridisegna(p);
        vista.aggiornamenti = 0;
    }
    // Every message shown, each followed by "|"; all of them must be Stop messages.
    std::string Messaggi() const
    {
        std::string t;
        for (const auto& m : dialoghi.messaggi)
            t += m.testo + (m.icona == Icona::Stop ? "|" : " (non Stop)|");
        return t;
    }
};

TEST(Scala, ControllaNellOrdine)
{
    const std::string intervallo = "La scala deve essere un numero positivo compreso tra 0,00001 e 1000|";
    const struct {
        float x, y;
        bool punto;
        std::string messaggi;
    } casi[] = {
        {0.1f, 0.1f, true, "Operazione non consentita; i numeri coinvolti sono troppo grandi|"}, // 170000 px
        {10, 1.0f / 16, true, ""},                             // each axis on its own scale: 1700 px
        {0.001f, 0.001f, false, "Operazione non eseguibile|"}, // 34000 px a unit
        {0.003f, 0.003f, false, ""},
        {0.00001f, 0.00001f, false, "Operazione non eseguibile|"}, // the range check passes first
        {0.000009f, 1, false, intervallo},
        {1, 1000.001f, false, intervallo},
        {1000, 1000, true, ""},
    };
    for (const auto& c : casi) {
        BancoScala b(1, c.punto);
        b.p.d.ScalaX = c.x;
        b.p.d.ScalaY = c.y;
        EXPECT_EQ(ControllaScala(b.p), !c.messaggi.empty()) << c.x << " / " << c.y;
        EXPECT_EQ(b.Messaggi(), c.messaggi) << c.x << " / " << c.y;
    }
}

// Ingrandisce halves both scales; the box shows up to 8 decimals; Annulla goes back to the scales last applied; a
// preset the figures cannot take changes nothing.
TEST(Scala, PulsantiDellaFinestra)
{
    BancoScala b;
    DialogoScala d(b.p);
    d.Ingrandisce();
    EXPECT_EQ(std::tie(b.p.d.ScalaX, b.p.d.ScalaY, d.TestoX, d.TestoY), std::tuple(0.5f, 0.5f, "0,5", "0,5"));
    EXPECT_GT(b.vista.aggiornamenti, 0);
    d.Preimposta(1.0f / 3);
    EXPECT_EQ(std::tie(b.p.d.ScalaY, d.TestoY), std::tuple(1.0f / 3, "0,33333334"));
    d.TestoX = "3";
    d.TestoY = "5";
    ASSERT_TRUE(d.Applica());
    d.Ingrandisce();
    d.Annulla();
    EXPECT_EQ(std::tie(b.p.d.ScalaX, b.p.d.ScalaY), std::tuple(3.0f, 5.0f));

    BancoScala conPunto(10, true);
    DialogoScala e(conPunto.p);
    const Disegno prima = conPunto.p.d;
    e.Preimposta(0.1f);
    EXPECT_EQ(conPunto.Messaggi(), "Operazione non consentita; i numeri coinvolti sono troppo grandi|");
    EXPECT_EQ(std::tie(e.TestoX, e.TestoY), std::tuple("10", "10"));
    EXPECT_EQ(conPunto.p.d, prima);
}

TEST(Scala, OkEApplicaLeggonoITesti)
{
    const std::string monometrico =
        "Se esistono circonferenze è necessario un sistema monometrico (stessa scala sui due assi)|";
    const struct {
        const char* caso;
        bool cerchio;
        const char *x, *y;
        bool accettata;
        std::string messaggi;
        bool erroreInput = false;
    } casi[] = {
        {"unequal scales, no circle", false, "2", "1/2", true, ""},
        {"unequal scales with a circle", true, "2", "1", false, monometrico},
        {"equal scales with a circle", true, "2,5", "2.5", true, ""},
        {"a text the reader refuses: its message only", false, "abc", "1", false,
         "Vellora non è in grado di interpretare l'input|", true},
    };
    for (const bool applica : {false, true}) {
        for (const auto& c : casi) {
            SCOPED_TRACE(testing::Message() << c.caso << (applica ? ", Applica" : ", Ok"));
            BancoScala b(1, false, c.cerchio);
            DialogoScala d(b.p);
            d.Preimposta(4); // the last accepted scales
            d.TestoX = c.x;
            d.TestoY = c.y;
            b.dialoghi.messaggi.clear();
            Disegno prima = b.p.d;
            EXPECT_EQ(applica ? d.Applica() : d.Ok(), c.accettata);
            EXPECT_EQ(b.p.sessione.ErroreInput, c.erroreInput);
            EXPECT_EQ(b.Messaggi(), c.messaggi);
            if (!c.accettata) {
                EXPECT_EQ(std::tie(b.p.d.ScalaX, d.TestoX, d.TestoY), std::tuple(4.0f, "4", "4"));
                EXPECT_EQ(b.p.d, prima);
            }
        }
    }
}

} // namespace
} // namespace vellora
