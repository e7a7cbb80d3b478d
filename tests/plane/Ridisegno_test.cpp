#include "Finti.h"
#include "plane/Mappatura.h"
#include "plane/Ridisegno.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

using namespace vellora;

namespace {

using test::Operazione;
using Coordinate = std::vector<double>;

constexpr ColoreRgb Bianco{255, 255, 255}, VerdeChiaro{0, 255, 0}, Grigio{192, 192, 192}, RossoChiaro{255, 0, 0};

Coordinate Estremi(const Operazione& o)
{
    return {o.x1, o.y1, o.x2, o.y2};
}

// The settings a test changes; the rest as in a new drawing.
struct Impostazioni {
    int range = 12, traslX = 0, traslY = 0;
    float scalaX = 1, scalaY = 1, centroX = 0, centroY = 0;
    uint8_t griglia = 1;
    bool righello = true, assiPerO = false;
};

// An 800 x 500 plane: range 12 gives origin (400, 250) and 34 pixels a tick.
struct Piano {
    Disegno d;
    Mappa mp;
    test::SuperficieRegistrata s;
    OpzioniPiano opzioni;

    explicit Piano(const Impostazioni& i = {})
    {
        d.Range = static_cast<int16_t>(i.range);
        d.TraslPianoX = static_cast<int16_t>(i.traslX);
        d.TraslPianoY = static_cast<int16_t>(i.traslY);
        d.ScalaX = i.scalaX, d.ScalaY = i.scalaY, d.CentroX = i.centroX, d.CentroY = i.centroY;
        d.TipoGriglia = i.griglia;
        opzioni.Righello = i.righello;
        opzioni.AssiPerO = i.assiPerO;
        CalcolaMappatura(d, mp, 800, 500);
    }
    const std::vector<Operazione>& Disegna()
    {
        DisegnaPiano(d, mp, 800, 500, opzioni, s);
        return s.operazioni;
    }
    void Aggiungi(std::vector<float> xs, std::vector<float> ys, float colore = 14, bool cerchio = false)
    {
        EXPECT_TRUE(AggiungiFigura(d, static_cast<int>(xs.size()), xs.data(), ys.data(), cerchio));
        d.Figure.X(d.NumeroFigure, SlotColore) = colore;
    }
    std::vector<Coordinate> Linee(ColoreRgb colore, StileLinea stile = StileLinea::Continuo) const
    {
        std::vector<Coordinate> r;
        for (const auto& o : s.DelTipo(Operazione::Linea))
            if (o.colore == colore && o.stile == stile)
                r.push_back(Estremi(o));
        return r;
    }
    // Tick values, blank-separated: those on the axis row are the x values, the others the y values.
    std::string Valori(ColoreRgb colore, bool sullAsseX) const
    {
        std::string r;
        for (const auto& o : s.DelTipo(Operazione::Testo))
            if (o.colore == colore && o.testo != "O" && (o.y1 == mp.OrigineY) == sullAsseX)
                r += (r.empty() ? "" : " ") + o.testo;
        return r;
    }
};

// Origin (434, 216); the grid of points keeps its frame -8..808 by -158..658.
TEST(DisegnaPiano, OrdineEPosizioniColPianoTraslato)
{
    Piano p({.traslX = 1, .traslY = -1, .centroX = 1, .centroY = -0.5f, .griglia = 3, .assiPerO = true});
    const auto& ops = p.Disegna();
    // Cleared once, then grid, axes, point O, tick values and last the axes through O.
    const auto primo = [&](auto cond) { return std::find_if(ops.begin(), ops.end(), cond) - ops.begin(); };
    const auto ultimo = [&](auto cond) { return ops.rend() - std::find_if(ops.rbegin(), ops.rend(), cond) - 1; };
    const auto griglia = [](const Operazione& o) { return o.tipo == Operazione::Punto || o.colore == Grigio; };
    const auto asse = [](const Operazione& o) { return o.tipo == Operazione::Linea && o.colore == Bianco; };
    const auto puntoO = [](const Operazione& o) { return o.tipo == Operazione::Cerchio; };
    const auto valore = [](const Operazione& o) { return o.tipo == Operazione::Testo && o.testo != "O"; };
    EXPECT_EQ(std::tuple(ops.front().tipo, ops.front().colore, p.s.DelTipo(Operazione::Pulisci).size()),
              std::tuple(Operazione::Pulisci, ColoreRgb{0, 0, 192}, 1u));
    EXPECT_LT(ultimo(griglia), primo(asse));
    EXPECT_LT(ultimo(asse), primo(puntoO));
    EXPECT_LT(primo(puntoO), primo(valore));
    EXPECT_EQ(ops.back().stile, StileLinea::Punteggiato);

    const auto tacche = p.Linee(Grigio);
    EXPECT_EQ(std::tie(tacche.at(0), tacche.at(1)),
              std::tuple(Coordinate{-8, 216, -8, 221}, Coordinate{431, -158, 434, -158}));
    const Operazione punto = p.s.DelTipo(Operazione::Punto)[0];
    EXPECT_EQ(std::tie(punto.x1, punto.y1, punto.colore), std::tuple(-8.0, -158.0, VerdeChiaro));
    EXPECT_EQ(p.Linee(Bianco), (std::vector<Coordinate>{{-8, 216, 809, 216}, {434, -158, 434, 659}}));
    // The dotted axes through O, only those off the plane's own axes and only when asked for.
    EXPECT_EQ(p.Linee(VerdeChiaro, StileLinea::Punteggiato),
              (std::vector<Coordinate>{{468, -158, 468, 659}, {-8, 233, 809, 233}}));
    for (const auto& [attivi, cx, cy] : {std::tuple(true, 0.0f, -0.5f), {true, 1.0f, 0.0f}, {false, 1.0f, -0.5f}}) {
        Piano q({.centroX = cx, .centroY = cy, .assiPerO = attivi});
        q.Disegna();
        EXPECT_EQ(q.Linee(VerdeChiaro, StileLinea::Punteggiato).size(), attivi ? 1u : 0u) << cx << "," << cy;
    }
    // Point O: a solid white dot labelled 5 pixels to its right; then the first labelled column and row, i = -12.
    const Operazione o = p.s.DelTipo(Operazione::Cerchio)[0];
    EXPECT_EQ(std::tie(o.x1, o.y1, o.x2, o.pieno, o.colore), std::tuple(468.0, 233.0, 2.0, true, Bianco));
    const auto testi = p.s.DelTipo(Operazione::Testo);
    const auto testo = [&](size_t k) { return std::make_tuple(testi[k].testo, testi[k].x1, testi[k].y1); };
    EXPECT_EQ(testo(0), std::make_tuple("O", 473.0, 233.0));
    EXPECT_EQ(testi[0].colore, Bianco);
    EXPECT_EQ(testo(1), std::make_tuple("-13", -8.0 - 7, 216.0));
    EXPECT_EQ(testo(2), std::make_tuple("11", 436.0, -158.0 - 1));
}

// Every other tick carries its value, the origin's column and row excepted; without the ruler only the unit
// ticks carry the scales, in white.
TEST(DisegnaPiano, ValoriDelRighello)
{
    const struct {
        Impostazioni impostazioni;
        std::string x, y;
    } casi[] = {
        {{.traslX = 1}, "-13 -11 -9 -7 -5 -3 -1 1 3 5 7 9 11", "12 10 8 6 4 2 -2 -4 -6 -8 -10 -12"},
        {{.range = 3, .scalaX = 0.1f, .scalaY = 0.1f}, "-0,3 -0,1 0,1 0,3", "0,3 0,1 -0,1 -0,3"},
        {{.scalaX = 1.25f, .scalaY = 0.001f, .righello = false}, "1,25", "0,001"},
    };
    for (const auto& c : casi) {
        Piano p(c.impostazioni);
        p.Disegna();
        const bool righello = c.impostazioni.righello;
        EXPECT_EQ(p.Valori(righello ? VerdeChiaro : Bianco, true), c.x);
        EXPECT_EQ(p.Valori(righello ? VerdeChiaro : Bianco, false), c.y);
        EXPECT_EQ(p.Valori(righello ? Bianco : VerdeChiaro, true), "");
    }
}

// The outline in the figure's colour and line style, never filled: a segment is never closed; a circle's radius
// follows the x scale, and its centre and point B get hollow marks, unlabelled.
TEST(DisegnaFigura, Contorni)
{
    const struct {
        std::vector<float> xs, ys;
        bool cerchio;
        float scalaX, scalaY, tratto;
        std::vector<Coordinate> contorno, segni; // a circle as centre and radius
    } casi[] = {
        {{0, 1}, {0, 0}, false, 1, 1, 2, {{400, 250, 434, 250}}, {}},
        {{0, 1, 0}, {0, 0, 1}, false, 1, 1, 2, {{400, 250, 434, 250}, {434, 250, 400, 216}, {400, 216, 400, 250}}, {}},
        {{1, 4}, {2, 2}, true, 0.5f, 0.5f, 2, {{468, 114, 204}}, {{468, 114, 2}, {672, 114, 2}}},
        {{1, 4}, {2, 2}, true, 2, 0.5f, 0, {{417, 114, 51}}, {{417, 114, 2}, {468, 114, 2}}},
    };
    for (const auto& c : casi) {
        Piano d({.scalaX = c.scalaX, .scalaY = c.scalaY});
        d.Aggiungi(c.xs, c.ys, 11, c.cerchio);
        d.d.Figure.Y(1, SlotColore) = c.tratto;
        d.d.FiguraAttiva = 0; // no selection marks
        DisegnaFigura(d.d, d.mp, 1, d.s);
        std::vector<Coordinate> contorno, segni;
        for (const auto& o : d.s.operazioni) {
            const bool segno = o.tipo == Operazione::Cerchio && o.x2 == 2;
            (segno ? segni : contorno)
                .push_back(o.tipo == Operazione::Linea ? Estremi(o) : Coordinate{o.x1, o.y1, o.x2});
            EXPECT_EQ(std::tie(o.colore, o.pieno), std::tuple(ColoreRgb{0, 255, 255}, false));
            EXPECT_TRUE(segno || o.stile == (c.tratto != 0 ? StileLinea::Punteggiato : StileLinea::Continuo));
        }
        EXPECT_EQ(contorno, c.contorno) << c.xs.size() << " punti";
        EXPECT_EQ(segni, c.segni);
    }
}

// The selection marks in light red, each label 10 pixels left of its mark: solid on the active vertex, hollow on
// every vertex of the active figure. A point is a mark of its own, light red whatever its colour.
TEST(DisegnaFigura, SegniDellaSelezione)
{
    const struct {
        int attiva, vertice, disegnata;
        std::string etichette;
        std::vector<Coordinate> segni;
        bool pieni;
    } casi[] = {
        {1, 0, 1, "ABC", {{400, 250}, {434, 250}, {400, 216}}, false},
        {1, 0, 2, "", {}, false},
        {2, 4, 1, "D", {{468, 148}}, true}, // marked whichever figure is drawn
        {3, 0, 3, "A", {{434, 284}}, true},
        {1, 2, 3, "", {{434, 284}}, false}, // another figure's vertex marks nothing on a point
    };
    for (const auto& c : casi) {
        Piano d;
        d.Aggiungi({0, 1, 0}, {0, 0, 1});
        d.Aggiungi({2, 3, 3, 2}, {2, 2, 3, 3});
        d.Aggiungi({1}, {-1});
        d.d.Figure.Y(1, SlotColore) = TrattoPunteggiato; // its marks stay solid
        d.d.FiguraAttiva = static_cast<uint8_t>(c.attiva);
        d.d.VerticeAttivo = static_cast<uint8_t>(c.vertice);
        DisegnaFigura(d.d, d.mp, c.disegnata, d.s);
        SCOPED_TRACE(testing::Message() << "attiva " << c.attiva << " vertice " << c.vertice);
        std::vector<Coordinate> segni, etichette;
        std::string testi;
        for (const auto& o : d.s.DelTipo(Operazione::Cerchio)) {
            segni.push_back({o.x1, o.y1});
            EXPECT_EQ(std::tie(o.x2, o.colore, o.pieno, o.stile),
                      std::tuple(2.0, RossoChiaro, c.pieni, StileLinea::Continuo));
        }
        for (const auto& o : d.s.DelTipo(Operazione::Testo)) {
            testi += o.testo;
            etichette.push_back({o.x1 + 10, o.y1});
            EXPECT_EQ(o.colore, RossoChiaro);
        }
        EXPECT_EQ(segni, c.segni);
        EXPECT_EQ(testi, c.etichette);
        EXPECT_EQ(etichette, c.etichette.empty() ? std::vector<Coordinate>{} : c.segni);
    }
}

// Red, yellow, light blue, then the active red figure again, on top with its labels.
TEST(DisegnaFigure, LaFiguraAttivaVieneRidisegnataSopra)
{
    Piano d;
    d.Aggiungi({0, 1, 0}, {0, 0, 1}, 12);
    d.Aggiungi({0, 1, 0}, {0, 0, -1}, 14);
    d.Aggiungi({0, -1, 0}, {0, 0, 1}, 11);
    d.d.FiguraAttiva = 1;
    DisegnaFigure(d.d, d.mp, d.s);
    std::string colori, etichette;
    for (const auto& o : d.s.DelTipo(Operazione::Linea))
        colori += std::to_string(o.colore.r / 255 + o.colore.g / 255 * 2 + o.colore.b / 255 * 4);
    for (const auto& o : d.s.DelTipo(Operazione::Testo))
        etichette += o.testo;
    EXPECT_EQ(colori, "111333666111");
    EXPECT_EQ(etichette, "ABCABC");
    EXPECT_EQ(d.s.operazioni.back().testo, "C");
}

} // namespace
