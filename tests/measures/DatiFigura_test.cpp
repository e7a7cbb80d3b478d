#include "Finti.h"
#include "figures/Catalogo.h"
#include "measures/DatiFigura.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace vellora;

namespace {

// The 3-4-5 right triangle and the circle of radius 3, whose measures a
// teacher knows by heart.
const std::string Pitagora =
    "Figura: \r\n   triangolo giallo\r\nVertici:\r\n   A(1;  1)\r\n   B(1;  4)\r\n   C(5;  1)\r\n"
    "Lati:\r\n    AB=3\r\n    BC=5\r\n    CA=4\r\nPerimetro=12\r\nArea=6\r\n"
    "Angoli (convessi):\r\n    in A= 90°\r\n    in B= 53,1301°\r\n    in C= 36,8699°\r\n"
    "Altezze:\r\n    relativa AB= 4\r\n    relativa BC= 2,4\r\n    relativa CA= 3\r\n"
    "Raggi circonferenze:\r\n    inscritta= 1\r\n    circoscritta= 2,5";
const std::string Circonferenza =
    "Figura: \r\n   circonferenza in giallo\r\nCentro:\r\n   A(1, 2)\r\nPunto B sulla circonf.:\r\n   B(4, 2)\r\n"
    "Raggio:\r\n   3\r\nLunghezza della circonf.:\r\n   18,8496\r\nArea:\r\n   28,2743\r\n";

void Aggiungi(Disegno& m, std::vector<float> xs, std::vector<float> ys, bool cerchio = false)
{
    ASSERT_TRUE(AggiungiFigura(m, static_cast<int>(xs.size()), xs.data(), ys.data(), cerchio));
}

// The panel text of a menu figure, or of one typed in by coordinates.
std::string Testo(Voce voce, std::vector<float> xs = {}, std::vector<float> ys = {})
{
    test::Banco b;
    if (xs.empty())
        InserisciFiguraPredefinita(b.p, voce);
    else
        Aggiungi(b.p.d, xs, ys);
    return TestoDatiFigura(b.p.d);
}

// The text after "in X= " on each angle line; the heights only on sides of some length.
TEST(DatiFigura, PuntoAngoliEAltezze)
{
    EXPECT_EQ(Testo(Voce::MnuFiguraMenuPunto), "Figura: \r\n   punto\r\nVertici:\r\n   A(1;  1)\r\n");
    const struct {
        const char* caso;
        Voce voce; // Voce::Conteggio: the vertices below
        std::vector<float> xs, ys;
        std::vector<std::string> attesi;
    } casi[] = {
        {"isoscele", Voce::MnuFiguraMenuTriangoliIsoscele, {}, {}, {"50°", "80°", "50°"}},
        {"30-60", Voce::MnuFiguraMenuTriangoliRett1, {}, {}, {"90°", "30°", "60°"}},
        {"concavo", Voce::Conteggio, {0, 4, 1, 0}, {0, 0, 1, 4}, {"90°", "18,4349°", "126,8699°", "18,4349°"}},
        {"coincidenti", Voce::Conteggio, {0, 0, 2, 0}, {0, 0, 0, 2}, {"non definito", "non definito", "45°", "45°"}},
        {"allineati", Voce::Conteggio, {0, 1, 3}, {0, 0, 0}, {"0°", "180°", "0°"}},
    };
    for (const auto& c : casi) {
        const std::string t = Testo(c.voce, c.xs, c.ys);
        std::vector<std::string> angoli;
        for (size_t i = t.find("    in "); i != std::string::npos; i = t.find("    in ", i + 1))
            angoli.push_back(t.substr(i + 10, t.find("\r\n", i) - i - 10));
        EXPECT_EQ(angoli, c.attesi) << c.caso;
    }
    const std::string t = Testo(Voce::Conteggio, {2, 2, 5}, {1, 1, 5});
    EXPECT_EQ(t.substr(t.find("Altezze:")), "Altezze:\r\n    relativa BC= 0\r\n    relativa CA= 0\r\n"
                                            "Raggi circonferenze:\r\n    inscritta= 0\r\n");
}

TEST(DatiFigura, RecordGuasti)
{
    Disegno m;
    Aggiungi(m, {1, 1, 3}, {1, 4, 1});
    m.Figure.X(1, 0) = 21;  // clamped to 20: the closing copy lands in slot 21, not on the colour
    m.Figure.X(1, 22) = 99; // no name for this code
    const std::string t = TestoDatiFigura(m);
    EXPECT_EQ(t.rfind("Figura: \r\n   20-agono\r\n", 0), 0u);
    EXPECT_NE(t.find("    in T= "), std::string::npos);
    EXPECT_EQ(m.Figure.X(1, 22), 99);
}

// Shown, the panel starts at the top; refreshed, the caret goes back to its fraction of the text counted
// in characters: 325 for the triangle's 347 bytes (three "°" of two bytes each, every CR LF one line end).
// A circle's text leaves it alone. A stale closing copy is rewritten before measuring.
TEST(DatiFigura, MostraNascondeECursore)
{
    for (const bool cerchio : {false, true}) {
        test::Banco b;
        Aggiungi(b.p.d, {1, 1, 5}, {1, 4, 1});
        b.p.d.Figure.X(1, 4) = 77;
        if (cerchio)
            Aggiungi(b.p.d, {1, 4}, {2, 2}, true);
        b.p.sessione.PosizioneDati = 1.0f;
        const int prima = b.vista.aggiornamenti;
        AlternaDati(b.p);
        EXPECT_EQ(std::tuple(b.p.voci.Spuntata(Voce::MnuVisualizzaDati), b.p.testi.DatiVisibili,
                             b.p.sessione.PosizioneDati, b.p.testi.CursoreDati, b.p.testi.TestoDati),
                  std::tuple(true, true, 0.0f, cerchio ? -1 : 0, cerchio ? Circonferenza : Pitagora));
        b.p.sessione.PosizioneDati = 1.0f;
        AggiornaDati(b.p);
        EXPECT_EQ(b.p.testi.CursoreDati, cerchio ? -1 : 325);
        AlternaDati(b.p);
        EXPECT_EQ(std::tuple(b.p.voci.Spuntata(Voce::MnuVisualizzaDati), b.p.testi.DatiVisibili, b.vista.aggiornamenti),
                  std::tuple(false, false, prima + 2));
    }
}

} // namespace
