#include "Finti.h"
#include "plane/Scala.h"
#include "plane/Schermo.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace vellora;

namespace {

const std::string Grandi = "Operazione non consentita; i numeri coinvolti sono troppo grandi|";

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
    const std::tuple<float, float, bool, std::string> casi[] = {
        {0.1f, 0.1f, true, Grandi},                            // 170000 px
        {10, 1.0f / 16, true, ""},                             // each axis on its own scale: 1700 px
        {0.001f, 0.001f, false, "Operazione non eseguibile|"}, // 34000 px a unit
        {0.003f, 0.003f, false, ""},
        {0.00001f, 0.00001f, false, "Operazione non eseguibile|"}, // the range check passes first
        {0.000009f, 1, false, intervallo},
        {1, 1000.001f, false, intervallo},
        {1000, 1000, true, ""},
    };
    for (const auto& [x, y, punto, messaggi] : casi) {
        BancoScala b(1, punto);
        b.p.d.ScalaX = x;
        b.p.d.ScalaY = y;
        EXPECT_EQ(ControllaScala(b.p), !messaggi.empty()) << x << " / " << y;
        EXPECT_EQ(b.Messaggi(), messaggi) << x << " / " << y;
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
    EXPECT_EQ(std::tuple(conPunto.Messaggi(), e.TestoX, e.TestoY), std::tuple(Grandi, "10", "10"));
    EXPECT_EQ(conPunto.p.d, prima);
}

// Ok and Applica alike; a refusal puts back the last accepted scales, in the box too.
TEST(Scala, OkEApplicaLeggonoITesti)
{
    const std::string monometrico =
        "Se esistono circonferenze è necessario un sistema monometrico (stessa scala sui due assi)|";
    const std::tuple<bool, const char*, const char*, bool, std::string> casi[] = {
        // {circle, x, y, accepted, messages}
        {false, "2", "1/2", true, ""},
        {true, "2", "1", false, monometrico},
        {true, "2,5", "2.5", true, ""},
        {false, "abc", "1", false, "Vellora non è in grado di interpretare l'input|"}, // its message only
    };
    for (const bool applica : {false, true}) {
        for (const auto& [cerchio, x, y, accettata, messaggi] : casi) {
            SCOPED_TRACE(testing::Message() << x << " " << y << (applica ? ", Applica" : ", Ok"));
            BancoScala b(1, false, cerchio);
            DialogoScala d(b.p);
            d.Preimposta(4); // the last accepted scales
            d.TestoX = x;
            d.TestoY = y;
            b.dialoghi.messaggi.clear();
            const Disegno prima = b.p.d;
            EXPECT_EQ(applica ? d.Applica() : d.Ok(), accettata);
            EXPECT_EQ(b.p.sessione.ErroreInput, x == std::string("abc"));
            EXPECT_EQ(b.Messaggi(), messaggi);
            if (!accettata) {
                EXPECT_EQ(std::tie(b.p.d.ScalaX, d.TestoX, d.TestoY), std::tuple(4.0f, "4", "4"));
                EXPECT_EQ(b.p.d, prima);
            }
        }
    }
}

} // namespace
