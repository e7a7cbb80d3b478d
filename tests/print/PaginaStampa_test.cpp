#include "Finti.h"
#include "print/PaginaStampa.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace vellora;

namespace {

using test::Operazione;
using Coordinate = std::vector<double>;
using Valori = std::vector<std::tuple<double, double, std::string>>; // where each tick value starts, and its text

const auto Estremi = [](const Operazione& o) { return Coordinate{o.x1, o.y1, o.x2, o.y2}; };

// A page 15000 twips wide: range 12 in landscape puts the origin at (7500, 5000), 626 twips a tick.
struct Pagina {
    Disegno d;
    test::SuperficieRegistrata s;
    float altezza = 10000;
    bool righello = true;

    PaginaStampa Nuova() { return PaginaStampa(d, s, 15000, altezza, 1.0f, righello); }
    Valori Piano()
    {
        s.operazioni.clear();
        Nuova().StPianoCartesiano();
        Valori r;
        for (const auto& o : s.DelTipo(Operazione::Testo))
            r.emplace_back(o.x1, o.y1, o.testo);
        return r;
    }
};

// Half of an odd page rounds up, the factor scales the half side, the tick is
// its share rounded: 7516 x 0,1, then a 30th of it.
TEST(MappaturaStampa, DallaMetaDellaLarghezzaStampabile)
{
    Disegno m;
    m.Range = 30;
    const MappaturaStampa r = CalcolaMappaturaStampa(m, 15001, 9999, 0.1f);
    EXPECT_FLOAT_EQ(r.SemiLatoStampa, 751.6f);
    EXPECT_EQ(std::tuple(r.PassoStampa, r.OrigineStampaX, r.OrigineStampaY), std::tuple(25.0f, 7501.0f, 5000.0f));
}

// Style 1: dotted rows and columns; 2: a tick per column and row; 3: a cross
// at every inner node and the inner ticks; 0: none. The axes come last, one
// twip past the frame's right and bottom.
TEST(StPianoCartesiano, GrigliaEAssi)
{
    const std::pair<uint8_t, size_t> casi[] = {{1, 2 * 25}, {2, 2 * 25}, {3, 2 * 23 * 23 + 2 * 23}, {0, 0}};
    for (const auto& [tipo, griglia] : casi) {
        Pagina p;
        p.d.TipoGriglia = tipo;
        p.Piano();
        const auto linee = p.s.DelTipo(Operazione::Linea);
        ASSERT_EQ(linee.size(), griglia + 2) << int{tipo};
        EXPECT_EQ(linee[0].stile == StileLinea::Punteggiato, tipo == 1) << int{tipo};
        EXPECT_EQ(Estremi(linee[griglia]), (Coordinate{7500 - 12 * 626, 5000, 7500 + 12 * 626 + 1, 5000}));
        EXPECT_EQ(Estremi(linee[griglia + 1]), (Coordinate{7500, 5000 - 12 * 626, 7500, 5000 + 12 * 626 + 1}));
        for (const auto& o : p.s.operazioni)
            EXPECT_EQ(o.colore, (ColoreRgb{0, 0, 0}));
    }
}

// With the ruler every other tick carries its value, the x values below the
// axis, the y values right of it; none on the ticks through the shifted
// origin, past the page's bottom or in its top strip (y <= 100). Range 6:
// 1251 twips a tick, row i at i * 1251 + half the height whatever the shift.
TEST(StRighello, ValoriSulleTacche)
{
    Pagina p;
    p.altezza = 7600;
    p.d.Range = 6;
    p.d.TraslPianoX = p.d.TraslPianoY = 1;
    p.d.ScalaX = 2;
    p.d.ScalaY = 0.75f;
    const double sotto = 1251 + 3800 + 50, destra = 1251 + 7500 + 50; // of the shifted axes
    const Valori attesi = {
        {-5 * 1251 + 7420, sotto, "-12"}, {-3 * 1251 + 7420, sotto, "-8"}, {-1251 + 7420, sotto, "-4"},
        {destra, -1251 + 3800, "1,5"},    {3 * 1251 + 7420, sotto, "4"},   {destra, 3 * 1251 + 3800, "-1,5"},
        {5 * 1251 + 7420, sotto, "8"}, // row -3 at y = 47, row 5 below the page
    };
    EXPECT_EQ(p.Piano(), attesi);
    p.altezza = 7506; // row 3 exactly on the bottom edge
    EXPECT_EQ(p.Piano().size(), attesi.size() - 1);
}

TEST(PaginaStampa, FigureInNeroSenzaPuntiNeSegni)
{
    Pagina p;
    p.d.TipoGriglia = 0;
    p.righello = false;
    const auto aggiungi = [&](std::vector<float> xs, std::vector<float> ys, bool cerchio = false) {
        EXPECT_TRUE(AggiungiFigura(p.d, static_cast<int>(xs.size()), xs.data(), ys.data(), cerchio));
        p.d.Figure.X(p.d.NumeroFigure, SlotColore) = 12; // a colour on screen
    };
    aggiungi({1}, {1});
    aggiungi({0, 1}, {0, 0});
    aggiungi({0, 1, 0}, {0, 0, 1});
    p.d.Figure.Y(3, SlotColore) = TrattoPunteggiato;
    aggiungi({0, 0}, {0, 2}, true);
    p.d.FiguraAttiva = 2; // no selection marks on paper
    p.Nuova().Stampa();

    // The plane (axes L, the unit values T), the circle C, the plane again,
    // then the segment twice and the dashed triangle d; nothing for the point.
    std::string fatte;
    for (const auto& o : p.s.operazioni) {
        EXPECT_EQ(o.colore, (ColoreRgb{0, 0, 0}));
        fatte += o.tipo == Operazione::Testo           ? 'T'
                 : o.tipo == Operazione::Cerchio       ? 'C'
                 : o.stile == StileLinea::Tratteggiato ? 'd'
                                                       : 'L';
    }
    ASSERT_EQ(fatte, "LLTTCLLTTLLddd");
    const auto& ops = p.s.operazioni;
    EXPECT_EQ((std::tuple(ops[4].x1, ops[4].y1, ops[4].x2, ops[4].pieno)), std::tuple(7500, 5000, 2 * 626, false));
    EXPECT_EQ((std::tuple{ops[2].x1, ops[2].y1, ops[2].testo, ops[3].x1, ops[3].y1, ops[3].testo}),
              (std::tuple{7500 + 626 - 80.0, 5050.0, "1", 7550.0, 5000 - 626.0, "1"}));
    EXPECT_EQ(Estremi(ops[12]), (Coordinate{8126, 5000, 7500, 4374}));
}

} // namespace
