#include "Finti.h"
#include "plane/Ridisegno.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

namespace vellora {
namespace {

using test::Operazione;
using Coordinate = std::vector<double>;

constexpr ColoreRgb Bianco{255, 255, 255};
constexpr ColoreRgb VerdeChiaro{0, 255, 0};
constexpr ColoreRgb Grigio{192, 192, 192};

Coordinate Estremi(const Operazione& o)
{
    return {o.x1, o.y1, o.x2, o.y2};
}

// An 800 x 500 plane: range 12 gives origin (400, 250) and 34 pixels a tick.
struct Piano {
    Modello m;
    test::SuperficieRegistrata s;
    OpzioniPiano opzioni;

    const std::vector<Operazione>& Disegna()
    {
        DisegnaPiano(m, 800, 500, opzioni, s);
        return s.operazioni;
    }
    std::vector<Operazione> Linee(ColoreRgb colore, StileLinea stile = StileLinea::Continuo) const
    {
        std::vector<Operazione> r;
        for (const auto& o : s.DelTipo(Operazione::Linea))
            if (o.colore == colore && o.stile == stile)
                r.push_back(o);
        return r;
    }
    // Tick values: those on the axis row are the x values, the others the y values.
    std::vector<std::string> Valori(ColoreRgb colore, bool sullAsseX) const
    {
        std::vector<std::string> r;
        for (const auto& o : s.DelTipo(Operazione::Testo))
            if (o.colore == colore && o.testo != "O" && (o.y1 == m.OrigineY) == sullAsseX)
                r.push_back(o.testo);
        return r;
    }
};

std::vector<std::string> Pari(int da, int a)
{
    std::vector<std::string> r;
    for (int v = da; v <= a; v += 2)
        if (v != 0)
            r.push_back(std::to_string(v));
    return r;
}

TEST(DisegnaPiano, OrdineDeiPassi)
{
    Piano p;
    p.opzioni.AssiPerO = true;
    p.m.CentroX = 1;
    const auto& ops = p.Disegna();
    const auto primo = [&](auto cond) { return std::find_if(ops.begin(), ops.end(), cond) - ops.begin(); };
    const auto ultimo = [&](auto cond) { return ops.rend() - std::find_if(ops.rbegin(), ops.rend(), cond) - 1; };
    const auto griglia = [](const Operazione& o) { return o.tipo == Operazione::Linea && o.colore.b == 170; };
    const auto asse = [](const Operazione& o) { return o.tipo == Operazione::Linea && o.colore == Bianco; };
    const auto puntoO = [](const Operazione& o) { return o.tipo == Operazione::Cerchio; };
    const auto valore = [](const Operazione& o) { return o.tipo == Operazione::Testo && o.testo != "O"; };
    EXPECT_EQ(ops.front().tipo, Operazione::Pulisci);
    EXPECT_EQ(ops.front().colore, (ColoreRgb{0, 0, 192}));
    EXPECT_EQ(p.s.DelTipo(Operazione::Pulisci).size(), 1u);
    EXPECT_LT(ultimo(griglia), primo(asse));
    EXPECT_LT(ultimo(asse), primo(puntoO));
    EXPECT_LT(primo(puntoO), primo(valore));
    EXPECT_EQ(ops.back().stile, StileLinea::Punteggiato);
}

TEST(DisegnaPiano, RangeUnoDaTreRigheETreColonne)
{
    Piano p;
    p.m.Range = 1; // 401 pixels a tick
    p.Disegna();
    std::vector<double> righe, colonne;
    for (const auto& o : p.Linee({0, 100, 170}))
        righe.push_back(o.y1);
    for (const auto& o : p.Linee({0, 115, 170}))
        colonne.push_back(o.x1);
    EXPECT_EQ(righe, (std::vector<double>{651, 250, -151}));
    EXPECT_EQ(colonne, (std::vector<double>{-1, 400, 801}));
    EXPECT_EQ(p.Valori(VerdeChiaro, true), (std::vector<std::string>{"-1", "1"}));
    EXPECT_EQ(p.Valori(VerdeChiaro, false), (std::vector<std::string>{"1", "-1"}));
}

TEST(DisegnaPiano, StiliDiGrigliaEIntensita)
{
    // Rows take the intensity as green, columns 15 more, at most 255.
    const struct {
        uint8_t tipo, intensita, verdeRighe, verdeColonne;
        size_t righe, colonne, tacche, punti;
    } casi[] = {
        {1, 100, 100, 115, 25, 25, 0, 0}, {1, 240, 240, 255, 25, 25, 0, 0}, {1, 250, 250, 255, 25, 25, 0, 0},
        {1, 255, 255, 255, 50, 50, 0, 0}, {2, 100, 100, 115, 0, 0, 50, 0},  {3, 100, 100, 115, 0, 0, 50, 625},
        {0, 100, 100, 115, 0, 0, 0, 0},
    };
    for (const auto& c : casi) {
        Piano p;
        p.m.TipoGriglia = c.tipo;
        p.m.IntensitaGriglia = c.intensita;
        p.Disegna();
        SCOPED_TRACE(testing::Message() << "griglia " << int{c.tipo} << " intensità " << int{c.intensita});
        EXPECT_EQ(p.Linee({0, c.verdeRighe, 170}).size(), c.righe);
        EXPECT_EQ(p.Linee({0, c.verdeColonne, 170}).size(), c.colonne);
        EXPECT_EQ(p.Linee(Grigio).size(), c.tacche);
        EXPECT_EQ(p.s.DelTipo(Operazione::Punto).size(), c.punti);
    }
}

TEST(DisegnaPiano, PosizioniColPianoTraslato)
{
    Piano p;
    p.m.TipoGriglia = 3;
    p.m.TraslPianoX = 1;
    p.m.TraslPianoY = -1;
    p.m.CentroX = 1.0f;
    p.m.CentroY = -0.5f;
    p.Disegna();
    // Origin (434, 216); the grid keeps its frame -8..808 by -158..658.
    const auto tacche = p.Linee(Grigio);
    EXPECT_EQ(Estremi(tacche[0]), (Coordinate{-8, 216, -8, 221}));
    EXPECT_EQ(Estremi(tacche[1]), (Coordinate{431, -158, 434, -158}));
    const Operazione punto = p.s.DelTipo(Operazione::Punto)[0];
    EXPECT_EQ(Coordinate({punto.x1, punto.y1}), Coordinate({-8, -158}));
    EXPECT_EQ(punto.colore, VerdeChiaro);
    const auto assi = p.Linee(Bianco);
    ASSERT_EQ(assi.size(), 2u);
    EXPECT_EQ(Estremi(assi[0]), (Coordinate{-8, 216, 809, 216}));
    EXPECT_EQ(Estremi(assi[1]), (Coordinate{434, -158, 434, 659}));
    // Point O: a solid white dot labelled 5 pixels to its right.
    const Operazione o = p.s.DelTipo(Operazione::Cerchio)[0];
    EXPECT_EQ(Estremi(o), (Coordinate{468, 233, 2, 0}));
    EXPECT_TRUE(o.pieno);
    EXPECT_EQ(o.colore, Bianco);
    // Then the first labelled column and row, i = -12.
    const auto testi = p.s.DelTipo(Operazione::Testo);
    const auto testo = [&](size_t k) { return std::make_tuple(testi[k].testo, testi[k].x1, testi[k].y1); };
    EXPECT_EQ(testo(0), std::make_tuple("O", 473.0, 233.0));
    EXPECT_EQ(testi[0].colore, Bianco);
    EXPECT_EQ(testo(1), std::make_tuple("-13", -8.0 - 7, 216.0));
    EXPECT_EQ(testo(2), std::make_tuple("11", 436.0, -158.0 - 1));
}

TEST(DisegnaPiano, ValoriDelRighello)
{
    const std::vector<std::string> yCentrato = {"12", "10", "8", "6", "4", "2", "-2", "-4", "-6", "-8", "-10", "-12"};
    const struct {
        int range, traslX, traslY;
        float scala;
        std::vector<std::string> x, y;
    } casi[] = {
        {12, 0, 0, 1, Pari(-12, 12), yCentrato},
        {12, 1, 0, 1, Pari(-13, 11), yCentrato}, // the origin column is not a labelled one
        {12, 0, 2, 1, Pari(-12, 12), {"14", "12", "10", "8", "6", "4", "2", "-2", "-4", "-6", "-8", "-10"}},
        {2, 0, 0, 0.5f, {"-1", "1"}, {"1", "-1"}},
        {3, 0, 0, 0.1f, {"-0,3", "-0,1", "0,1", "0,3"}, {"0,3", "0,1", "-0,1", "-0,3"}},
    };
    for (const auto& c : casi) {
        Piano p;
        p.m.Range = static_cast<int16_t>(c.range);
        p.m.TraslPianoX = static_cast<int16_t>(c.traslX);
        p.m.TraslPianoY = static_cast<int16_t>(c.traslY);
        p.m.ScalaX = p.m.ScalaY = c.scala;
        p.Disegna();
        SCOPED_TRACE(testing::Message() << "range " << c.range << " trasl " << c.traslX << "," << c.traslY);
        EXPECT_EQ(p.Valori(VerdeChiaro, true), c.x);
        EXPECT_EQ(p.Valori(VerdeChiaro, false), c.y);
        EXPECT_TRUE(p.Valori(Bianco, true).empty());
    }
}

TEST(DisegnaPiano, SenzaRighelloSoloLeTaccheUnitarie)
{
    const struct {
        float scalaX, scalaY;
        std::string x, y;
    } casi[] = {{0.5f, 1, "0,5", "1"}, {2, 0.001f, "2", "0,001"}, {1.25f, 1000, "1,25", "1000"}};
    for (const auto& c : casi) {
        Piano p;
        p.opzioni.Righello = false;
        p.m.ScalaX = c.scalaX;
        p.m.ScalaY = c.scalaY;
        p.Disegna();
        const auto testi = p.s.DelTipo(Operazione::Testo);
        ASSERT_EQ(testi.size(), 3u);
        EXPECT_EQ(testi[1].testo, c.x);
        EXPECT_EQ(Coordinate({testi[1].x1, testi[1].y1}), Coordinate({400 + 34 - 7, 250}));
        EXPECT_EQ(testi[2].testo, c.y);
        EXPECT_EQ(Coordinate({testi[2].x1, testi[2].y1}), Coordinate({402, 250 - 34 - 1}));
        EXPECT_EQ(testi[1].colore, Bianco);
        EXPECT_EQ(testi[2].colore, Bianco);
    }
}

TEST(DisegnaPiano, AssiPerOPunteggiatiSoloFuoriDagliAssi)
{
    const Coordinate verticale{434, -158, 434, 659}, orizzontale{-8, 318, 809, 318};
    const struct {
        bool attivi;
        float cx, cy;
        std::vector<Coordinate> linee;
    } casi[] = {{true, 1, -2, {verticale, orizzontale}},
                {true, 0, -2, {orizzontale}},
                {true, 1, 0, {verticale}},
                {true, 0, 0, {}},
                {false, 1, -2, {}}};
    for (const auto& c : casi) {
        Piano p;
        p.opzioni.AssiPerO = c.attivi;
        p.m.CentroX = c.cx;
        p.m.CentroY = c.cy;
        p.Disegna();
        std::vector<Coordinate> linee;
        for (const auto& o : p.Linee(VerdeChiaro, StileLinea::Punteggiato))
            linee.push_back(Estremi(o));
        EXPECT_EQ(linee, c.linee) << c.cx << "," << c.cy;
        EXPECT_EQ(p.s.DelTipo(Operazione::Linea).size(), 52 + c.linee.size());
    }
}

} // namespace
} // namespace vellora
