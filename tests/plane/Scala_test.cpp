#include "Finti.h"
#include "plane/Scala.h"

#include <gtest/gtest.h>

namespace vellora {
namespace {

const std::string Nessuno;

// A bench drawn once at 34 pixels a tick, optionally with a point at x = 500
// and a circle.
struct BancoScala : test::Banco {
    explicit BancoScala(float scala = 1, bool punto = false, bool cerchio = false)
    {
        p.m.ScalaX = p.m.ScalaY = scala;
        const float x[] = {500, 1}, y[] = {0, 0};
        if (punto)
            AggiungiFigura(p.m, 1, x, y);
        if (cerchio)
            AggiungiFigura(p.m, 2, x + 1, y, true);
        p.Ridisegna();
        vista.aggiornamenti = 0;
    }
    std::string Messaggi() const
    {
        std::string t;
        for (const auto& m : dialoghi.messaggi)
            t += m.testo + "|";
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
        {10, 10, true, ""},
        {10, 1.0f / 16, true, ""},                             // only x is large: 1700 px
        {0.001f, 0.001f, false, "Operazione non eseguibile|"}, // 34000 px a unit
        {0.003f, 0.003f, false, ""},
        {0.00001f, 0.00001f, false, "Operazione non eseguibile|"}, // the range check passes first
        {0.000009f, 1, false, intervallo},
        {1, 1000.001f, false, intervallo},
        {1000, 1000, true, ""},
        {0, 1, true, intervallo},
        {-1, 1, true, intervallo},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(testing::Message() << c.x << " / " << c.y);
        BancoScala b(1, c.punto);
        b.p.m.ScalaX = c.x;
        b.p.m.ScalaY = c.y;
        EXPECT_EQ(ControllaScala(b.p), !c.messaggi.empty());
        EXPECT_EQ(b.Messaggi(), c.messaggi);
        for (const auto& m : b.dialoghi.messaggi)
            EXPECT_EQ(m.icona, Icona::Stop);
    }
}

TEST(Scala, PulsantiDellaFinestra)
{
    const struct {
        const char* caso;
        float scala;
        bool punto, cerchio;
        void (*comando)(DialogoScala&);
        float attesa;
        std::string testo, messaggi;
    } casi[] = {
        {"Ingrandisce from 1", 1, false, false, [](DialogoScala& d) { d.Ingrandisce(); }, 0.5f, "0,5", ""},
        {"Riduce from 1", 1, false, false, [](DialogoScala& d) { d.Riduce(); }, 2, "2", ""},
        {"1/3 shown with 8 decimals", 1, false, false, [](DialogoScala& d) { d.Preimposta(1.0f / 3); }, 1.0f / 3,
         "0,33333334", ""},
        {"1/10 with a point at 500", 10, true, false, [](DialogoScala& d) { d.Preimposta(0.1f); }, 10, "10",
         "Operazione non consentita; i numeri coinvolti sono troppo grandi|"},
        {"Scala 2 with a circle", 1, false, true, [](DialogoScala& d) { d.Preimposta(2); }, 2, "2", ""},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.caso);
        BancoScala b(c.scala, c.punto, c.cerchio);
        DialogoScala d(b.p);
        const Modello prima = b.p.m;
        c.comando(d);
        EXPECT_EQ(b.p.m.ScalaX, c.attesa);
        EXPECT_EQ(b.p.m.ScalaY, c.attesa);
        EXPECT_EQ(d.TestoX, c.testo);
        EXPECT_EQ(d.TestoY, c.testo);
        EXPECT_EQ(b.Messaggi(), c.messaggi);
        if (c.messaggi.empty())
            EXPECT_GT(b.vista.aggiornamenti, 0);
        else
            EXPECT_EQ(b.p.m, prima);
    }
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
        {"out of range", false, "2000", "1", false,
         "La scala deve essere un numero positivo compreso tra 0,00001 e 1000|"},
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
            Modello prima = b.p.m;
            EXPECT_EQ(applica ? d.Applica() : d.Ok(), c.accettata);
            EXPECT_EQ(b.p.m.ErroreInput, c.erroreInput);
            prima.ErroreInput = c.erroreInput;
            EXPECT_EQ(b.Messaggi(), c.messaggi);
            if (!c.accettata) {
                EXPECT_EQ(b.p.m.ScalaX, 4.0f);
                EXPECT_EQ(d.TestoX, "4");
                EXPECT_EQ(d.TestoY, "4");
                EXPECT_EQ(b.p.m, prima);
            }
        }
    }
}

TEST(Scala, AnnullaTornaAllUltimaScalaApplicata)
{
    BancoScala b;
    DialogoScala e(b.p);
    e.TestoX = "3";
    e.TestoY = "5";
    ASSERT_TRUE(e.Applica());
    e.Ingrandisce();
    EXPECT_EQ(b.p.m.ScalaY, 2.5f);
    e.Annulla();
    EXPECT_EQ(b.p.m.ScalaX, 3.0f);
    EXPECT_EQ(b.p.m.ScalaY, 5.0f);
}

} // namespace
} // namespace vellora
