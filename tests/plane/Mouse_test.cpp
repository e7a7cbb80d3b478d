#include "macro/BancoMacro.h"
#include "plane/Mappatura.h"
#include "plane/Mouse.h"
#include "plane/Schermo.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

using namespace vellora;

namespace {

using test::Operazione;

// The triangle (1,1) (2,1) (1,2) drawn at 34 pixels a tick, origin (400, 250); macros go to a folder of its own.
struct BancoMouse : test::BancoMacro {
    BancoMouse()
    {
        const float x[] = {1, 2, 1}, y[] = {1, 1, 2};
        AggiungiFigura(p.d, 3, x, y);
        Ridisegna(p);
    }

    PuntoPixel Pixel(float x, float y) const { return PianoInPixel(p.d, p.mappa, x, y); }
    void Muovi(float x, float y) { MouseMosso(p, 0, Pixel(x, y).x, Pixel(x, y).y); }
    void Premi(int pulsante, float x, float y, int tasti = 0)
    {
        MousePremuto(p, pulsante, tasti, Pixel(x, y).x, Pixel(x, y).y);
    }
    // all a click may change
    std::tuple<Disegno, Sessione, TestiVista, Totali> Stato() const { return {p.d, p.sessione, p.testi, p.totali}; }
};

enum Forma { Punto, Cerchio, Quadrato, Segmento, Lungo };

// The figures in ticks: the point (1, 1), the circle of centre O through (3, 0), the square (0, 0)..(4, 4),
// the segment (-5, 3)..(5, 3), the long segment (0, 0)..(20, 0).
const std::vector<float> SagomeX[] = {{1}, {0, 3}, {0, 4, 4, 0}, {-5, 5}, {0, 20}};
const std::vector<float> SagomeY[] = {{1}, {0, 0}, {0, 0, 4, 4}, {3, 3}, {0, 0}};

void Aggiungi(Disegno& m, Forma forma, float scala = 1)
{
    std::vector<float> x = SagomeX[forma], y = SagomeY[forma];
    for (size_t k = 0; k < x.size(); ++k)
        x[k] *= scala, y[k] *= scala;
    AggiungiFigura(m, static_cast<int>(x.size()), x.data(), y.data(), forma == Cerchio);
}

// Every distance is in ticks: at scale 2 figures, pointer and tolerances double in plane units, answers stay.
TEST(Passaggio, TolleranzeEOrdineDiRicerca)
{
    // {figures, active, pointer x, y, figure and vertex found}
    const std::tuple<std::vector<Forma>, int, float, float, int, int, const char*> casi[] = {
        {{Punto}, 1, 1.09f, 1, 1, 1, "point within 0.1"},
        {{Punto}, 1, 1.11f, 1, 0, 0, "point beyond 0.1"},
        {{Cerchio}, 1, 0.09f, 0, 1, 1, "centre within 0.1"},
        {{Cerchio}, 1, 0.11f, 0, 0, 0, "centre beyond 0.1"},
        {{Cerchio}, 1, 3, -0.09f, 1, 2, "circle's point within 0.1"},
        {{Cerchio}, 1, 0, 3.09f, 1, 0, "circumference within 0.1"},
        {{Cerchio}, 1, 0, 3.11f, 0, 0, "circumference beyond 0.1"},
        // Off the middle of the 4-tick edge: the two distances exceed it by 0.0190 and 0.0210.
        {{Quadrato}, 1, 2, 0.195f, 1, 0, "edge within 0.02"},
        {{Quadrato}, 1, 2, 0.205f, 0, 0, "edge beyond 0.02"},
        {{Quadrato}, 1, 4.009f, 0, 1, 2, "edge's extension within 0.02"},
        // A long edge is found farther away across it: 0.0194 and 0.0205.
        {{Lungo}, 1, 10, -0.44f, 1, 0, "long edge within 0.02"},
        {{Lungo}, 1, 10, -0.45f, 0, 0, "long edge beyond 0.02"},
        {{Quadrato}, 1, 0.19f, 0, 1, 1, "vertex within 0.2 on an edge"},
        {{Quadrato}, 1, 0.21f, 0, 1, 0, "vertex beyond 0.2 on an edge"},
        {{Quadrato}, 1, 0.1f, 0.1f, 0, 0, "vertex within 0.2 but off the edges"},
        // An inactive circle ends the test in the first pass; the active one gives way.
        {{Cerchio, Segmento}, 2, 0, 3, 1, 0, "circle first"},
        {{Cerchio, Segmento}, 1, 0, 3, 2, 0, "active circle gives way"},
        // After the circumference, point B is looked for again with the vertex tolerance.
        {{Cerchio}, 1, 3, 0.15f, 1, 2, "active circle's point within 0.2"},
        {{Cerchio, Punto}, 1, 3, 0.15f, 1, 2, "looked at again while scanning the point"},
        {{Cerchio, Punto}, 2, 3, 0.15f, 1, 0, "inactive circle ends at once"},
        // Two squares on top of each other: the one that is not active wins.
        {{Quadrato, Quadrato}, 1, 2, 0, 2, 0, "active first"},
        {{Quadrato, Quadrato}, 2, 2, 0, 1, 0, "active last"},
    };
    for (const float scala : {1.0f, 2.0f}) {
        for (const auto& [forme, attiva, x, y, figura, vertice, caso] : casi) {
            Disegno m;
            m.ScalaX = scala;
            for (Forma f : forme)
                Aggiungi(m, f, scala);
            m.FiguraAttiva = static_cast<uint8_t>(attiva);
            StatoMouse r;
            r.FiguraPresa = r.VerticePreso = 9; // the test must clear what an earlier one found
            TestPassaggio(m, x * scala, y * scala, r);
            EXPECT_EQ(std::tie(r.FiguraPresa, r.VerticePreso), std::tuple(figura, vertice)) << caso << ", " << scala;
        }
    }
}

TEST(Passaggio, TestiDellEtichetta)
{
    Disegno m;
    for (Forma f : {Punto, Cerchio, Quadrato, Quadrato})
        Aggiungi(m, f);
    m.Figure.X(4, SlotColore) = 1; // a colour without a name
    const std::tuple<int, int, std::string> casi[] = {
        {1, 1, " punto "},
        {2, 0, " circonferenza in giallo "},
        {2, 1, " centro A della circonferenza in giallo "},
        {2, 2, " punto B sulla circonferenza in giallo "},
        {3, 0, " quadrilatero giallo "},
        {3, 2, " vertice B quadrilatero giallo "},
        {4, 0, " quadrilatero "},
    };
    for (const auto& [f, k, testo] : casi)
        EXPECT_EQ(TestoPassaggio(m, f, k), testo) << f << "," << k;
    EXPECT_EQ(TestoCoordinate(0.12345f, 1000), " 0,123;   1000 ");
}

TEST(Mouse, IlClicSinistroSelezionaCioCheIlPassaggioHaTrovato)
{
    const struct {
        std::vector<float> x, y;
        bool cerchio;
        float mx, my; // where the pointer last moved
        int vertice;
        std::string campoFigura, campoVertice, riga;
    } casi[] = {
        {{4, 5, 4}, {1, 1, 2}, false, 4.5f, 1, 0, "Figura  2: triangolo giallo", "Figura", "Figura attiva,  2"},
        {{4, 5, 4}, {1, 1, 2}, false, 5, 1, 2, "Figura  2: triangolo giallo", "Vertice B", "Vertice attivo,  2,  2"},
        {{-4, -1}, {-4, -4}, true, -1, -4, 2, "Figura  2: circonf. in  giallo", "Punto B", "Vertice attivo,  2,  2"},
        {{-6}, {3}, false, -6, 3, 1, "Figura  2: punto", "", "Vertice attivo,  2,  1"},
    };
    for (const auto& [x, y, cerchio, mx, my, vertice, campoFigura, campoVertice, riga] : casi) {
        BancoMouse b;
        AggiungiFigura(b.p.d, static_cast<int>(x.size()), x.data(), y.data(), cerchio);
        b.p.d.FiguraAttiva = 1;
        b.p.totali.TotRotazione = 30;
        b.p.sessione.RegistraMacro = true;
        b.Muovi(mx, my);
        b.schermo.operazioni.clear();
        b.Premi(PulsanteSinistro, 8, 8); // the click position plays no part
        EXPECT_EQ(std::tuple(b.p.d.FiguraAttiva, b.p.d.VerticeAttivo, b.p.testi.CampoFigura, b.p.testi.CampoVertice,
                             b.Copia(), b.p.totali, b.schermo.DelTipo(Operazione::Pulisci).size()),
                  std::tuple(2, vertice, campoFigura, campoVertice, riga + "\r\n", Totali{}, 1u));
    }
}

TEST(Mouse, IlClicSulVuotoRidisegnaSoltantoEConShiftSpostaO)
{
    BancoMouse b;
    b.p.d.VerticeAttivo = 2;
    b.p.totali.TotTraslX = 4;
    b.p.sessione.RegistraMacro = true;
    b.Muovi(-6, -3);
    const auto prima = b.Stato();
    b.schermo.operazioni.clear();
    b.Premi(PulsanteSinistro, -6, -3);
    EXPECT_TRUE(b.Stato() == prima);
    EXPECT_EQ(std::tuple(b.Copia(), b.schermo.DelTipo(Operazione::Pulisci).size()), std::tuple("", 1u));

    // Shift places O where the click falls, through unequal scales and a shifted plane.
    b.p.d.ScalaX = 0.5f;
    b.p.d.ScalaY = 3.0f;
    b.p.d.TraslPianoX = 3;
    Ridisegna(b.p);
    b.Premi(PulsanteSinistro, 2, -1, TastoShift);
    EXPECT_EQ(std::tie(b.p.d.CentroX, b.p.d.CentroY), std::tuple(2.0f, -1.0f));
}

TEST(Mouse, IlPulsanteDestroTrasla)
{
    BancoMouse b;
    b.p.sessione.Modificato = false;
    b.p.sessione.RegistraMacro = true;
    b.schermo.operazioni.clear();
    b.Premi(PulsanteDestro, 3, 2);

    // Over a fresh redraw: the two dotted legs, then two 6-pixel strokes at each tip, all white.
    ASSERT_EQ(b.schermo.operazioni.front().tipo, Operazione::Pulisci);
    const auto linee = b.schermo.DelTipo(Operazione::Linea);
    const double attese[6][4] = {{434, 216, 502, 216}, {502, 216, 502, 182}, {502, 216, 496, 210},
                                 {502, 216, 496, 222}, {502, 182, 508, 188}, {502, 182, 496, 188}};
    ASSERT_GE(linee.size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        const Operazione& o = linee[linee.size() - 6 + i];
        const double v[] = {o.x1, o.y1, o.x2, o.y2};
        for (int j = 0; j < 4; ++j)
            EXPECT_NEAR(v[j], attese[i][j], 1e-4) << i;
        EXPECT_EQ(std::tie(o.stile, o.colore),
                  std::tuple(i < 2 ? StileLinea::Punteggiato : StileLinea::Continuo, ColoreRgb{255, 255, 255}));
    }
    EXPECT_EQ(b.p.d.Figure.X(1, 1), 1.0f); // nothing moves before the release

    MouseRilasciato(b.p, PulsanteDestro, 0);
    const float x[] = {3, 4, 3}, y[] = {2, 2, 3};
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(std::tie(b.p.d.Figure.X(1, k), b.p.d.Figure.Y(1, k)), std::tie(x[k - 1], y[k - 1])) << k;
    // The panels show the move; it marks the drawing modified and records no line.
    EXPECT_EQ(std::tuple(b.p.totali.TotTraslX, b.p.totali.TotTraslY, b.p.testi.Pannelli[1], b.p.testi.Pannelli[2],
                         b.p.sessione.Modificato, b.Copia()),
              std::tuple(2.0f, 1.0f, "xTrasl.=2", "yTrasl.=1", true, ""));

    // The active vertex alone lands on the press; the totals stay.
    b.p.d.VerticeAttivo = 2;
    b.Premi(PulsanteDestro, 6, -1);
    MouseRilasciato(b.p, PulsanteDestro, 0);
    EXPECT_EQ(std::tie(b.p.d.Figure.X(1, 2), b.p.d.Figure.Y(1, 2), b.p.d.Figure.X(1, 1)),
              std::tuple(6.0f, -1.0f, 3.0f));
    EXPECT_EQ(b.p.totali.TotTraslX, 2.0f);
}

// A release moves nothing unless a plain right press on a drawing prepared it.
TEST(Mouse, UnRilascioNonPreparatoNonSposta)
{
    // {case, figures at the press, keys at the press, releases before, keys at the release}
    const std::tuple<const char*, int, int, int, int> casi[] = {
        {"press on an empty drawing", 0, 0, 0, 0},
        {"press with Ctrl", 1, TastoCtrl, 0, 0},
        {"release with Shift", 1, 0, 0, TastoShift},
        {"a second release", 1, 0, 1, 0},
    };
    for (const auto& [caso, figure, tastiPressione, rilasciPrima, tastiRilascio] : casi) {
        BancoMouse b;
        b.p.mouse.ScartoX = 5; // left over from an earlier move
        b.p.d.NumeroFigure = static_cast<uint8_t>(figure);
        b.Premi(PulsanteDestro, 3, 2, tastiPressione);
        b.p.d.NumeroFigure = 1;
        for (int i = 0; i < rilasciPrima; ++i)
            MouseRilasciato(b.p, PulsanteDestro, 0);
        const auto prima = b.Stato();
        MouseRilasciato(b.p, PulsanteDestro, tastiRilascio);
        EXPECT_TRUE(b.Stato() == prima) << caso;
    }
}

// A click in the data panel keeps the third of the text it fell in; exactly at a third counts as the part before.
TEST(Mouse, PosizioneNelPannelloDati)
{
    for (const auto& [posizione, attesa] :
         {std::pair{0, 0.0f}, {30, 0}, {31, 2.0f / 3}, {60, 2.0f / 3}, {61, 1}, {90, 1}})
        EXPECT_EQ(PosizioneDaClic(posizione, 90), attesa) << posizione;
}

} // namespace
