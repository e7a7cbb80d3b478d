#include "Finti.h"
#include "plane/Mouse.h"

#include <gtest/gtest.h>
#include <vector>

namespace vellora {
namespace {

enum Forma { Punto, Cerchio, Quadrato, Segmento, Lungo };

// The figures in ticks: the point (1, 1), the circle of centre O through
// (3, 0), the square (0, 0)..(4, 4), the segment (-5, 3)..(5, 3), the long
// segment (0, 0)..(20, 0).
const std::vector<float> SagomeX[] = {{1}, {0, 3}, {0, 4, 4, 0}, {-5, 5}, {0, 20}};
const std::vector<float> SagomeY[] = {{1}, {0, 0}, {0, 0, 4, 4}, {3, 3}, {0, 0}};

void Aggiungi(Modello& m, Forma forma, float scala = 1)
{
    std::vector<float> x = SagomeX[forma], y = SagomeY[forma];
    for (size_t k = 0; k < x.size(); ++k)
        x[k] *= scala, y[k] *= scala;
    AggiungiFigura(m, static_cast<int>(x.size()), x.data(), y.data(), forma == Cerchio);
}

StatoMouse Passa(Modello& m, float x, float y)
{
    StatoMouse presa;
    presa.FiguraPresa = 9; // the test must clear what an earlier one found
    presa.VerticePreso = 9;
    TestPassaggio(m, x, y, presa);
    return presa;
}

// Every distance is in ticks: at scale 2 the figures, the pointer and the
// tolerances all double in plane units, and the answers stay the same.
TEST(Passaggio, TolleranzeInTacche)
{
    const struct {
        Forma forma;
        float x, y; // pointer
        int figura, vertice;
        const char* caso;
    } casi[] = {
        {Punto, 1.09f, 1, 1, 1, "point within 0.1"},
        {Punto, 1.11f, 1, 0, 0, "point beyond 0.1"},
        {Cerchio, 0.09f, 0, 1, 1, "centre within 0.1"},
        {Cerchio, 0.11f, 0, 0, 0, "centre beyond 0.1"},
        {Cerchio, 3, -0.09f, 1, 2, "circle's point within 0.1"},
        {Cerchio, 0, 3.09f, 1, 0, "circumference within 0.1"},
        {Cerchio, 0, 3.11f, 0, 0, "circumference beyond 0.1"},
        // Off the middle of the 4-tick edge: the two distances exceed its
        // length by 0.0190 and 0.0210.
        {Quadrato, 2, 0.195f, 1, 0, "edge within 0.02"},
        {Quadrato, 2, 0.205f, 0, 0, "edge beyond 0.02"},
        {Quadrato, 4.009f, 0, 1, 2, "edge's extension within 0.02"},
        // A long edge is found farther away across it: 0.0194 and 0.0205.
        {Lungo, 10, -0.44f, 1, 0, "long edge within 0.02"},
        {Lungo, 10, -0.45f, 0, 0, "long edge beyond 0.02"},
        {Quadrato, 0.19f, 0, 1, 1, "vertex within 0.2 on an edge"},
        {Quadrato, 0.21f, 0, 1, 0, "vertex beyond 0.2 on an edge"},
        {Quadrato, 0.1f, 0.1f, 0, 0, "vertex within 0.2 but off the edges"},
    };
    for (const float scala : {1.0f, 2.0f}) {
        for (const auto& c : casi) {
            SCOPED_TRACE(testing::Message() << c.caso << ", scale " << scala);
            Modello m;
            m.ScalaX = scala;
            Aggiungi(m, c.forma, scala);
            const StatoMouse r = Passa(m, c.x * scala, c.y * scala);
            EXPECT_EQ(r.FiguraPresa, c.figura);
            EXPECT_EQ(r.VerticePreso, c.vertice);
        }
    }
}

TEST(Passaggio, FineAnticipataESecondoPassaggio)
{
    const struct {
        std::vector<Forma> forme;
        int attiva;
        float x, y;
        int figura, vertice;
        const char* caso;
    } casi[] = {
        // A circle that is not active ends the test in the first pass.
        {{Cerchio, Segmento}, 2, 0, 3, 1, 0, "circle first"},
        // The active circle gives way to the segment over it.
        {{Cerchio, Segmento}, 1, 0, 3, 2, 0, "active circle gives way"},
        // The circumference was hit; its point B is then found with the
        // vertex tolerance, since the vertex search runs again for it.
        {{Cerchio}, 1, 3, 0.15f, 1, 2, "active circle's point within 0.2"},
        {{Cerchio, Punto}, 1, 3, 0.15f, 1, 2, "looked at again while scanning the point"},
        {{Cerchio, Punto}, 2, 3, 0.15f, 1, 0, "inactive circle ends at once"},
        // Two squares on top of each other: the one that is not active wins.
        {{Quadrato, Quadrato}, 1, 2, 0, 2, 0, "active first"},
        {{Quadrato, Quadrato}, 2, 2, 0, 1, 0, "active last"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.caso);
        Modello m;
        for (Forma f : c.forme)
            Aggiungi(m, f);
        m.FiguraAttiva = static_cast<uint8_t>(c.attiva);
        const StatoMouse r = Passa(m, c.x, c.y);
        EXPECT_EQ(r.FiguraPresa, c.figura);
        EXPECT_EQ(r.VerticePreso, c.vertice);
    }
}

TEST(Passaggio, TestiDellEtichetta)
{
    Modello m;
    Aggiungi(m, Punto);
    Aggiungi(m, Cerchio);
    const float x[] = {1, 2, 1}, y[] = {1, 1, 2};
    AggiungiFigura(m, 3, x, y);
    AggiungiFigura(m, 3, x, y);
    m.Figure.X(4, SlotColore) = 1; // a colour without a name
    const struct {
        int f, k;
        std::string testo;
    } casi[] = {
        {1, 1, " punto "},
        {2, 0, " circonferenza in giallo "},
        {2, 1, " centro A della circonferenza in giallo "},
        {2, 2, " punto B sulla circonferenza in giallo "},
        {3, 0, " triangolo giallo "},
        {3, 2, " vertice B triangolo giallo "},
        {4, 0, " triangolo "},
    };
    for (const auto& c : casi)
        EXPECT_EQ(TestoPassaggio(m, c.f, c.k), c.testo) << c.f << "," << c.k;
    EXPECT_EQ(TestoCoordinate(1.5f, -2.0f), " 1,5;   -2 ");
    EXPECT_EQ(TestoCoordinate(0.12345f, 1000), " 0,123;   1000 ");
}

TEST(Passaggio, EtichettaEPuntatoreSecondoITasti)
{
    test::Banco b;
    Aggiungi(b.p.m, Quadrato);
    b.p.Ridisegna(); // origin (400, 250), 34 pixels a tick
    using E = Servizio::Etichetta;
    using P = Servizio::Puntatore;
    const struct {
        int tasti;
        double px, py;
        E etichetta;
        P puntatore;
        int x, y;
        std::string testo;
        int presa; // FiguraPresa afterwards
    } casi[] = {
        {0, 300, 100, E::Nascosta, P::Proprio, 312, 110, "", 0},
        {0, 468, 250, E::Visibile, P::Freccia, 480, 260, " quadrilatero giallo ", 1},
        // Shift shows the plane point and leaves the last hover result.
        {TastoShift, 451, 318, E::Visibile, P::Invariato, 461, 328, " 1,5;   -2 ", 1},
        {TastoCtrl, 300, 100, E::Invariata, P::Invariato, 0, 0, "", 1},
        {TastoShift | TastoCtrl, 300, 100, E::Invariata, P::Invariato, 0, 0, "", 1},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(testing::Message() << "keys " << c.tasti << " at " << c.px << "," << c.py);
        const Servizio s = MouseMosso(b.p, c.tasti, c.px, c.py);
        EXPECT_EQ(s.etichetta, c.etichetta);
        EXPECT_EQ(s.puntatore, c.puntatore);
        if (c.etichetta != E::Invariata) {
            EXPECT_EQ(s.x, c.x);
            EXPECT_EQ(s.y, c.y);
        }
        EXPECT_EQ(s.testo, c.testo);
        EXPECT_EQ(b.p.mouse.FiguraPresa, c.presa);
    }
}

} // namespace
} // namespace vellora
