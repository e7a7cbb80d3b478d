#include "Finti.h"
#include "print/PaginaStampa.h"

#include <gtest/gtest.h>
#include <tuple>

namespace vellora {
namespace {

using test::Operazione;
using Coordinate = std::vector<double>;

const ColoreRgb Nero = ColoreDaCodice(0.0f);

Coordinate Estremi(const Operazione& o)
{
    return {o.x1, o.y1, o.x2, o.y2};
}

// A landscape page of 15000 x 10000 twips: range 12 at 100% gives the origin
// at (7500, 5000) and 626 twips a tick.
struct Pagina {
    Modello m;
    test::SuperficieRegistrata s;
    float larghezza = 15000, altezza = 10000, fattore = 1.0f;
    bool righello = true;

    PaginaStampa Nuova() { return PaginaStampa(m, s, larghezza, altezza, fattore, righello); }
    MappaturaStampa Piano()
    {
        PaginaStampa p = Nuova();
        p.StPianoCartesiano();
        return p.Mappatura();
    }
    int Aggiungi(std::vector<float> xs, std::vector<float> ys, bool cerchio = false, float colore = 12)
    {
        EXPECT_TRUE(AggiungiFigura(m, static_cast<int>(xs.size()), xs.data(), ys.data(), cerchio));
        m.Figure.X(m.NumeroFigure, SlotColore) = colore;
        return m.NumeroFigure;
    }
    std::vector<Operazione> Linee(StileLinea stile) const
    {
        std::vector<Operazione> r;
        for (const auto& o : s.DelTipo(Operazione::Linea))
            if (o.stile == stile)
                r.push_back(o);
        return r;
    }
};

TEST(MappaturaStampa, DallaMetaDellaLarghezzaStampabile)
{
    const struct {
        float larghezza, altezza, fattore;
        int16_t range, traslX, traslY;
        MappaturaStampa attesa;
    } casi[] = {
        {15000, 10000, 1.0f, 12, 0, 0, {7506, 626, 7500, 5000}},  // 625,5 rounds up
        {15000, 10000, 0.5f, 12, 0, 0, {3753, 313, 7500, 5000}},  // half the step, same centre
        {10000, 15000, 1.0f, 12, 0, 0, {5006, 417, 5000, 7500}},  // portrait: from the width
        {15000, 10000, 1.0f, 5, 2, -3, {7503, 1501, 10502, 497}}, // 7502,5 rounds up
        {15001, 9999, 0.1f, 30, 0, 0, {751.6f, 25, 7501, 5000}},
    };
    for (const auto& c : casi) {
        Modello m;
        m.Range = c.range;
        m.TraslPianoX = c.traslX;
        m.TraslPianoY = c.traslY;
        const MappaturaStampa r = CalcolaMappaturaStampa(m, c.larghezza, c.altezza, c.fattore);
        const auto riga = ::testing::Message() << c.larghezza << " x " << c.altezza << " al " << c.fattore;
        EXPECT_FLOAT_EQ(r.SemiLatoStampa, c.attesa.SemiLatoStampa) << riga;
        EXPECT_EQ(r.PassoStampa, c.attesa.PassoStampa) << riga;
        EXPECT_EQ(r.OrigineStampaX, c.attesa.OrigineStampaX) << riga;
        EXPECT_EQ(r.OrigineStampaY, c.attesa.OrigineStampaY) << riga;
    }
}

TEST(StPianoCartesiano, AssiEGrigliaInNeroCentratiSullaPagina)
{
    for (float fattore : {1.0f, 0.5f}) {
        Pagina p;
        p.fattore = fattore;
        const float passo = p.Piano().PassoStampa;
        const double semi = 12.0 * passo;
        // The axes close the frame one twip past its right and bottom sides.
        const std::vector<Coordinate> assi = {{7500 - semi, 5000, 7500 + semi + 1, 5000},
                                              {7500, 5000 - semi, 7500, 5000 + semi + 1}};
        const auto piene = p.Linee(StileLinea::Continuo);
        ASSERT_EQ(piene.size(), 2u) << fattore;
        EXPECT_EQ(Estremi(piene[0]), assi[0]) << fattore;
        EXPECT_EQ(Estremi(piene[1]), assi[1]) << fattore;

        // Grid lines: a row from top to bottom by ticks, each followed by its column.
        const auto griglia = p.Linee(StileLinea::Punteggiato);
        ASSERT_EQ(griglia.size(), 50u);
        EXPECT_EQ(Estremi(griglia[0]), (Coordinate{7500 - semi, 5000 + semi, 7500 + semi, 5000 + semi}));
        EXPECT_EQ(Estremi(griglia[1]), (Coordinate{7500 - semi, 5000 - semi, 7500 - semi, 5000 + semi}));
        for (const auto& o : p.s.operazioni)
            EXPECT_EQ(o.colore, Nero);
    }
}

TEST(StPianoCartesiano, TaccheECroci)
{
    // Style 2: a tick per column and row; style 3: a cross at every inner
    // node (never on the outermost rows and columns) and the inner ticks.
    const double x = 7500 - 12 * 626, y = 5000 - 12 * 626, x1 = x + 626, y1 = y + 626;
    const struct {
        uint8_t tipo;
        size_t linee; // the two axes included
        std::vector<Coordinate> prime;
    } casi[] = {{2, 2 * 25 + 2, {{x, 5050, x, 5000}, {7450, y, 7500, y}}},
                {3, 2 * 23 * 23 + 2 * 23 + 2, {{x1 - 15, y1, x1 + 15, y1}, {x1, y1 - 15, x1, y1 + 15}}},
                {0, 2, {}},
                {7, 2, {}}};
    for (const auto& c : casi) {
        Pagina p;
        p.m.TipoGriglia = c.tipo;
        p.Piano();
        const auto linee = p.s.DelTipo(Operazione::Linea);
        ASSERT_EQ(linee.size(), c.linee) << int{c.tipo};
        for (size_t i = 0; i < c.prime.size(); ++i)
            EXPECT_EQ(Estremi(linee[i]), c.prime[i]) << int{c.tipo};
        EXPECT_TRUE(p.Linee(StileLinea::Punteggiato).empty());
    }
}

TEST(StPianoCartesiano, ValoriDelleTacche)
{
    // Range 4 on a 15000 x 15000 page: ticks -3, -1, 1, 3 carry values, the
    // x values below the axis, the y values right of it.
    Pagina p;
    p.altezza = 15000;
    p.m.Range = 4;
    p.m.ScalaX = 2;
    p.m.ScalaY = 0.5f;
    const float passo = p.Piano().PassoStampa; // Arrotonda(7502 / 4)
    ASSERT_EQ(passo, 1876);
    std::vector<std::tuple<double, double, std::string>> valori;
    for (const auto& o : p.s.DelTipo(Operazione::Testo))
        valori.emplace_back(o.x1, o.y1, o.testo);
    const decltype(valori) attesi = {
        {7500 - 3 * 1876 - 80, 7550, "-6"}, {7550, 7500 - 3 * 1876, "1,5"},  {7500 - 1876 - 80, 7550, "-2"},
        {7550, 7500 - 1876, "0,5"},         {7500 + 1876 - 80, 7550, "2"},   {7550, 7500 + 1876, "-0,5"},
        {7500 + 3 * 1876 - 80, 7550, "6"},  {7550, 7500 + 3 * 1876, "-1,5"},
    };
    EXPECT_EQ(valori, attesi);

    // Without the ruler only the unit ticks are labelled, with the scales.
    Pagina senza;
    senza.righello = false;
    senza.m.ScalaX = 0.25f;
    senza.Piano();
    const auto t = senza.s.DelTipo(Operazione::Testo);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ((std::tuple{t[0].x1, t[0].y1, t[0].testo}), (std::tuple{7500 + 626 - 80.0, 5050.0, std::string("0,25")}));
    EXPECT_EQ((std::tuple{t[1].x1, t[1].y1, t[1].testo}), (std::tuple{7550.0, 5000 - 626.0, std::string("1")}));
}

TEST(StRighello, ValoriFuoriDallaPaginaSaltati)
{
    // Range 6 on a page 15000 twips wide: 1251 twips a tick, the rows at
    // i * 1251 + half the height. A row value needs 100 < y < height.
    const struct {
        int16_t traslX, traslY;
        float altezza;
        size_t valoriX, valoriY;
    } casi[] = {
        {0, 0, 10000, 6, 4},                     // rows -5 and 5 fall off the page
        {1, 3, 10000, 5, 3},                     // the ticks through the shifted origin stay blank
        {0, 0, 4000, 6, 2},  {0, 0, 7600, 6, 3}, // row -3 at y = 47: inside the top strip
        {0, 0, 7506, 6, 2},                      // row 3 exactly on the bottom edge, row -3 at 0
    };
    for (const auto& c : casi) {
        Pagina p;
        p.m.Range = 6;
        p.m.TraslPianoX = c.traslX;
        p.m.TraslPianoY = c.traslY;
        p.altezza = c.altezza;
        const MappaturaStampa mp = p.Piano();
        ASSERT_EQ(mp.PassoStampa, 1251);
        size_t x = 0, y = 0;
        for (const auto& o : p.s.DelTipo(Operazione::Testo))
            (o.x1 == mp.OrigineStampaX + 50 ? y : x)++;
        EXPECT_EQ(x, c.valoriX) << c.traslX << "," << c.traslY << " " << c.altezza;
        EXPECT_EQ(y, c.valoriY) << c.traslX << "," << c.traslY << " " << c.altezza;
    }
}

TEST(PaginaStampa, FigureInNeroSenzaPuntiNeSegni)
{
    Pagina p;
    p.m.TipoGriglia = 0;
    p.righello = false;
    p.Aggiungi({1}, {1});
    const int segmento = p.Aggiungi({0, 1}, {0, 0});
    const int triangolo = p.Aggiungi({0, 1, 0}, {0, 0, 1}, false, 14);
    p.m.Figure.Y(triangolo, SlotColore) = TrattoPunteggiato;
    p.Aggiungi({0, 0}, {0, 2}, true);
    p.m.FiguraAttiva = static_cast<uint8_t>(segmento); // no selection marks on paper
    p.Nuova().Stampa();

    // The plane (axes L, values T), the circle C, the plane again, then the
    // segment twice and the dashed triangle d; nothing for the point figure.
    std::string fatte;
    for (const auto& o : p.s.operazioni) {
        EXPECT_EQ(o.colore, Nero);
        fatte += o.tipo == Operazione::Testo           ? 'T'
                 : o.tipo == Operazione::Cerchio       ? 'C'
                 : o.stile == StileLinea::Tratteggiato ? 'd'
                                                       : 'L';
    }
    ASSERT_EQ(fatte, "LLTTCLLTTLLddd");
    const auto& ops = p.s.operazioni;
    EXPECT_EQ((Coordinate{ops[4].x1, ops[4].y1, ops[4].x2}), (Coordinate{7500, 5000, 2 * 626})); // radius 2
    EXPECT_FALSE(ops[4].pieno);
    EXPECT_EQ(Estremi(ops[9]), (Coordinate{7500, 5000, 8126, 5000}));
    EXPECT_EQ(Estremi(ops[10]), (Coordinate{8126, 5000, 7500, 5000}));
    EXPECT_EQ(Estremi(ops[12]), (Coordinate{8126, 5000, 7500, 4374}));
}

} // namespace
} // namespace vellora
