#include "Finti.h"
#include "plane/Mappatura.h"
#include "plane/Ridisegno.h"

#include <gtest/gtest.h>

namespace vellora {
namespace {

using test::Operazione;
using Coordinate = std::vector<double>;

constexpr ColoreRgb Giallo{255, 255, 0};
constexpr ColoreRgb RossoChiaro{255, 0, 0};
constexpr ColoreRgb Azzurro{0, 255, 255};
constexpr ColoreRgb Viola{255, 0, 255};

// 800 x 500, range 12: origin (400, 250), 34 pixels a unit.
struct Disegno {
    Modello m;
    test::SuperficieRegistrata s;

    Disegno() { CalcolaMappatura(m, 800, 500); }
    int Aggiungi(std::vector<float> xs, std::vector<float> ys, float colore = 14, bool cerchio = false)
    {
        EXPECT_TRUE(AggiungiFigura(m, static_cast<int>(xs.size()), xs.data(), ys.data(), cerchio));
        m.Figure.X(m.NumeroFigure, SlotColore) = colore;
        return m.NumeroFigure;
    }
    const std::vector<Operazione>& Figura(int f)
    {
        DisegnaFigura(m, f, s);
        return s.operazioni;
    }
    // Selection and vertex markers: the circles of radius 2.
    std::vector<Operazione> Segni() const
    {
        std::vector<Operazione> r;
        for (const auto& o : s.DelTipo(Operazione::Cerchio))
            if (o.x2 == 2)
                r.push_back(o);
        return r;
    }
    std::vector<std::string> Etichette() const
    {
        std::vector<std::string> r;
        for (const auto& o : s.DelTipo(Operazione::Testo))
            r.push_back(o.testo);
        return r;
    }
};

TEST(DisegnaFigura, LatiDiSegmentiEPoligoni)
{
    const struct {
        std::vector<float> xs, ys;
        std::vector<Coordinate> lati;
    } casi[] = {
        {{0, 1}, {0, 0}, {{400, 250, 434, 250}}}, // a segment is never closed
        {{0, 1, 0}, {0, 0, 1}, {{400, 250, 434, 250}, {434, 250, 400, 216}, {400, 216, 400, 250}}},
    };
    for (const auto& c : casi) {
        Disegno d;
        const int f = d.Aggiungi(c.xs, c.ys, 11);
        d.m.Figure.Y(f, SlotColore) = TrattoPunteggiato;
        std::vector<Coordinate> lati;
        for (const auto& o : d.Figura(f)) {
            if (o.tipo == Operazione::Linea) {
                EXPECT_EQ(o.colore, Azzurro);
                EXPECT_EQ(o.stile, StileLinea::Punteggiato);
                lati.push_back({o.x1, o.y1, o.x2, o.y2});
            }
        }
        EXPECT_EQ(lati, c.lati) << c.xs.size() << " punti";
        // The selection marks come out solid even on a dotted figure.
        for (const auto& o : d.Segni())
            EXPECT_EQ(o.stile, StileLinea::Continuo);
    }
}

TEST(DisegnaFigura, CerchioConLaScalaX)
{
    const struct {
        float scalaX, scalaY, tratto;
        double raggio;
        StileLinea stile;
    } casi[] = {{1, 1, 0, 102, StileLinea::Continuo},
                {0.5f, 0.5f, 2, 204, StileLinea::Punteggiato},
                {2, 0.5f, 0, 51, StileLinea::Continuo}};
    for (const auto& c : casi) {
        Disegno d;
        d.m.ScalaX = c.scalaX;
        d.m.ScalaY = c.scalaY;
        d.Aggiungi({0, 0}, {0, 0});
        const int f = d.Aggiungi({1, 4}, {2, 2}, 13, true);
        d.m.Figure.Y(f, SlotColore) = c.tratto;
        d.m.FiguraAttiva = 1;
        const auto& ops = d.Figura(f);
        ASSERT_EQ(ops.size(), 3u);
        EXPECT_EQ(Coordinate({ops[0].x1, ops[0].y1}), Coordinate({400 + 34 / c.scalaX, 250 - 68 / c.scalaY}));
        EXPECT_DOUBLE_EQ(ops[0].x2, c.raggio);
        EXPECT_EQ(ops[0].stile, c.stile);
        EXPECT_FALSE(ops[0].pieno);
        EXPECT_EQ(ops[0].colore, Viola);
        // Centre and point on the circumference: hollow, the figure's colour, no label.
        EXPECT_EQ(ops[2].x1, 400 + 4 * 34 / c.scalaX);
        for (const auto& o : {ops[1], ops[2]}) {
            EXPECT_EQ(o.tipo, Operazione::Cerchio);
            EXPECT_EQ(o.x2, 2);
            EXPECT_FALSE(o.pieno);
            EXPECT_EQ(o.colore, Viola);
        }
    }
}

TEST(DisegnaFigura, PuntoInRossoChiaroQualunqueColore)
{
    for (bool attivo : {true, false}) {
        Disegno d;
        const int punto = d.Aggiungi({1}, {-1}, 14);
        const int altra = d.Aggiungi({0, 1}, {0, 0});
        d.m.FiguraAttiva = static_cast<uint8_t>(attivo ? punto : altra);
        d.m.VerticeAttivo = attivo ? 0 : 2; // another figure's vertex marks nothing on a point
        const auto& ops = d.Figura(punto);
        ASSERT_EQ(d.Segni().size(), 1u);
        EXPECT_EQ(Coordinate({ops[0].x1, ops[0].y1}), Coordinate({434, 284}));
        EXPECT_EQ(ops[0].colore, RossoChiaro);
        EXPECT_EQ(ops[0].pieno, attivo);
        EXPECT_EQ(d.Etichette(), attivo ? std::vector<std::string>{"A"} : std::vector<std::string>{});
        if (attivo)
            EXPECT_EQ(Coordinate({ops[1].x1, ops[1].y1}), Coordinate({424, 284}));
    }
}

TEST(DisegnaFigura, SegniDellaSelezione)
{
    const struct {
        int attiva, vertice, disegnata;
        std::vector<std::string> etichette;
        std::vector<Coordinate> posizioni; // of the labels, 10 pixels left of the points
        bool pieni;
    } casi[] = {
        {1, 0, 1, {"A", "B", "C"}, {{390, 250}, {424, 250}, {390, 216}}, false},
        {1, 0, 2, {}, {}, false},
        {1, 3, 1, {"C"}, {{390, 216}}, true},
        {1, 3, 2, {"C"}, {{390, 216}}, true}, // marked whichever figure is drawn
        {2, 4, 1, {"D"}, {{458, 148}}, true},
    };
    for (const auto& c : casi) {
        Disegno d;
        d.Aggiungi({0, 1, 0}, {0, 0, 1});
        d.Aggiungi({2, 3, 3, 2}, {2, 2, 3, 3});
        d.m.FiguraAttiva = static_cast<uint8_t>(c.attiva);
        d.m.VerticeAttivo = static_cast<uint8_t>(c.vertice);
        d.Figura(c.disegnata);
        SCOPED_TRACE(testing::Message() << "attiva " << c.attiva << " vertice " << c.vertice);
        EXPECT_EQ(d.Etichette(), c.etichette);
        std::vector<Coordinate> posizioni;
        for (const auto& o : d.s.DelTipo(Operazione::Testo)) {
            posizioni.push_back({o.x1, o.y1});
            EXPECT_EQ(o.colore, RossoChiaro);
        }
        EXPECT_EQ(posizioni, c.posizioni);
        for (const auto& o : d.Segni()) {
            EXPECT_EQ(o.colore, RossoChiaro);
            EXPECT_EQ(o.pieno, c.pieni);
        }
    }
}

TEST(DisegnaFigure, LaFiguraAttivaVieneRidisegnataSopra)
{
    Disegno d;
    d.Aggiungi({0, 1, 0}, {0, 0, 1}, 12);
    d.Aggiungi({0, 1, 0}, {0, 0, -1}, 14);
    d.Aggiungi({0, -1, 0}, {0, 0, 1}, 11);
    d.m.FiguraAttiva = 1;
    DisegnaFigure(d.m, d.s);
    std::vector<ColoreRgb> colori;
    for (const auto& o : d.s.DelTipo(Operazione::Linea))
        colori.push_back(o.colore);
    const std::vector<ColoreRgb> attesi = {RossoChiaro, RossoChiaro, RossoChiaro, Giallo,
                                           Giallo,      Giallo,      Azzurro,     Azzurro,
                                           Azzurro,     RossoChiaro, RossoChiaro, RossoChiaro};
    EXPECT_EQ(colori, attesi);
    EXPECT_EQ(d.Etichette(), (std::vector<std::string>{"A", "B", "C", "A", "B", "C"}));
    EXPECT_EQ(d.s.operazioni.back().testo, "C");
}

TEST(DisegnaFigure, TabellaDanneggiataNonEsceDaiLimiti)
{
    const struct {
        int figure;
        float punti;
        int attiva, vertice;
        size_t lati;
    } casi[] = {
        {0, 3, 5, 0, 0},                    // no figures: nothing at all, whatever the selection says
        {1, 40, 9, 0, 20},                  // counts past 20 draw 20 points, once: 9 is not a figure
        {1, 21, 1, 0, 40}, {1, 0, 1, 0, 0}, // no count: drawn as a point
        {1, -3, 1, 0, 0},  {1, 3, 1, 200, 6},
    };
    for (const auto& c : casi) {
        Disegno d;
        d.Aggiungi({0, 1, 0}, {0, 0, 1});
        d.m.NumeroFigure = static_cast<uint8_t>(c.figure);
        d.m.Figure.X(1, 0) = c.punti;
        d.m.FiguraAttiva = static_cast<uint8_t>(c.attiva);
        d.m.VerticeAttivo = static_cast<uint8_t>(c.vertice);
        ASSERT_NO_THROW(DisegnaFigure(d.m, d.s)) << c.punti;
        EXPECT_EQ(d.s.DelTipo(Operazione::Linea).size(), c.lati) << c.punti;
        if (c.figure == 0)
            EXPECT_TRUE(d.s.operazioni.empty());
    }
}

} // namespace
} // namespace vellora
